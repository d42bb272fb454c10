#include "ui/anwendung.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>

#include "print/fenster/druck_menue.h"
#include "print/fenster/druck_optionen.h"
#include "ui/calculator/bmg_dialog.h"
#include "ui/calculator/info_dialog.h"
#include "ui/calculator/rechner.h"

namespace lst {

void TAnwendung::Einrichten(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Lohnsteuer"));
  if (QLocale::system().language() != QLocale::German)
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  // Qt's own buttons and dialogs in German, where the translation is installed.
  static QTranslator uebersetzung;
  if (uebersetzung.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(&uebersetzung);
}

TAnwendung::TAnwendung(const TDateiNamen& namen) : namen_(namen) {
  // The print engine reads its page layout before any window exists.
  druck_.StartDateiLesen(namen_);

  // The calculator window comes first: it loads the settings that the other
  // windows read.
  rechner_ = std::make_unique<TFRechner>(kontext_, daten_, namen_);
  TFRechner* r = rechner_.get();

  info_ = new TFInfo(r->Titel(), r);
  r->SetInfoFenster(info_);

  // The gross/net graph (TFPlott) is created here; its entry "Grafik1".

  bmg_ = new TFBMG(kontext_, namen_, r);
  r->SetBMGDialog(bmg_);

  // Then, in this order, each with the calculator window as parent and its
  // menu entry enabled and connected:
  //   the table window (TFTabelle): "Tabelle1", "EinkStTabelle1";
  //   the income-tax window (TFEinkSt): "EinkommensteuerAnzeige1" through
  //     r->AnzeigeVerbinden, refreshed on r's signal Berechnet();
  //   the tax-class comparison (TFStVgl): "Steuerklassenvgl1";
  //   the wage-conversion window (TFLohnUmr): "LohnUmrAnz1" through
  //     r->AnzeigeVerbinden, refreshed on Berechnet();

  // The print options (TFDruckOptionen), last; with them "&Drucker...",
  // "&Drucken" and "Druck&vorschau...".
  druckOptionen_ = new TFDruckOptionen(druck_, namen_.Einstellungen, r);
  druckSteuerung_ = new TDruckSteuerung(*r, druck_, *druckOptionen_, r);
  druckSteuerung_->Anbinden();

  // The unit labels show the currency symbol.
  r->EinheitenSetzen();
  bmg_->EinheitenSetzen(QString::fromStdString(kontext_.Waehrung));
}

TAnwendung::~TAnwendung() = default;

void TAnwendung::Zeigen() { rechner_->show(); }

}  // namespace lst
