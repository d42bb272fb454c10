#include "ui/anwendung.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>

#include "common/qt/platzierung.h"
#include "print/fenster/druck_menue.h"
#include "print/fenster/druck_optionen.h"
#include "ui/calculator/bmg_dialog.h"
#include "ui/calculator/info_dialog.h"
#include "ui/calculator/rechner.h"
#include "ui/tools/lohnumr.h"
#include "ui/tools/werkzeuge.h"

namespace lst {

void TAnwendung::Einrichten(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Lohnsteuer"));
  // The installed desktop entry and icon (lohnsteuer.desktop, lohnsteuer.svg)
  // name the window to the desktop.
  QGuiApplication::setDesktopFileName(QStringLiteral("lohnsteuer"));
  if (QIcon::hasThemeIcon(QStringLiteral("lohnsteuer")))
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("lohnsteuer")));
  if (QLocale::system().language() != QLocale::German)
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  // Qt's own buttons and dialogs in German, where the translation is installed.
  static QTranslator uebersetzung;
  if (uebersetzung.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(&uebersetzung);
}

TAnwendung::TAnwendung(const TDateiNamen& namen) : namen_(namen) {
  // Every window reads and writes the settings held by one session: each
  // file is read once now and written once when the calculator closes.
  if (!namen_.Sitzung) namen_.Sitzung = std::make_shared<TIniSitzung>();

  // The print engine reads its page layout before any window exists.
  druck_.StartDateiLesen(namen_);

  // The calculator window comes first: it loads the settings that the other
  // windows read.
  rechner_ = std::make_unique<TFRechner>(namen_);
  TFRechner* r = rechner_.get();

  info_ = new TFInfo(r->Titel(), r);
  r->SetInfoFenster(info_);

  werkzeuge_ = std::make_unique<TWerkzeuge>(*r, namen_.EinstellungsDatei());
  werkzeuge_->PlottErzeugen();

  bmg_ = new TFBMG(namen_, r);
  r->SetBMGDialog(bmg_);

  // Then the table window, the income-tax window, the tax-class comparison,
  // the wage-conversion window and the year comparison; their menu entries are enabled and the
  // income-tax and wage-conversion windows follow every calculation.
  werkzeuge_->TabelleErzeugen();
  werkzeuge_->EinkStErzeugen();
  werkzeuge_->StVglErzeugen();
  werkzeuge_->LohnUmrErzeugen();
  werkzeuge_->JahresvergleichErzeugen();
  werkzeuge_->Verbinden();

  // The print options (TFDruckOptionen), last; with them "&Drucker...",
  // "&Drucken" and "Druck&vorschau...".
  druckOptionen_ = new TFDruckOptionen(druck_, namen_.EinstellungsDatei(), r);
  druckSteuerung_ = new TDruckSteuerung(*r, druck_, *druckOptionen_, r);
  druckSteuerung_->Anbinden();
  werkzeuge_->DruckAnbinden(druck_, *druckOptionen_);

  // At the close the wage-conversion window's placement joins the settings
  // that the calculator writes.
  QObject::connect(r, &TFRechner::EinstellungenSichern, r, [this] {
    if (TFLohnUmr* f = werkzeuge_ ? werkzeuge_->LohnUmr() : nullptr) {
      TNewIniFile ini = namen_.EinstellungsDatei();
      SavePlacement(f, ini);
    }
  });

  // The unit labels show the currency symbol.
  r->EinheitenSetzen();
}

TAnwendung::~TAnwendung() = default;

void TAnwendung::Zeigen() { rechner_->show(); }

}  // namespace lst
