#include "ui/tools/werkzeuge.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

#include "geld/geld.h"
#include "calc/werkzeuge.h"
#include "common/qt/edit_cs.h"
#include "ui/rechner_schnittstelle.h"
#include "ui/tools/anzeige.h"
#include "ui/tools/einkst.h"
#include "ui/tools/jahresvergleich.h"
#include "ui/tools/jahresuebersicht.h"
#include "ui/tools/lohnumr.h"
#include "ui/tools/plott.h"
#include "ui/tools/stvgl.h"
#include "ui/tools/tabelle.h"

namespace lst {

TWerkzeuge::TWerkzeuge(TRechnerSchnittstelle& rechner, std::string einstellungsDatei, QObject* eltern)
    : TWerkzeuge(rechner, TNewIniFile(einstellungsDatei), eltern) {}

TWerkzeuge::TWerkzeuge(TRechnerSchnittstelle& rechner, TNewIniFile einstellungen, QObject* eltern)
    : QObject(eltern), rechner_(rechner), datei_(std::move(einstellungen)) {}

TWerkzeuge::~TWerkzeuge() {
  // The windows go first and report nothing back on their way out.
  if (QWidget* fenster = rechner_.Fenster()) {
    fenster->removeEventFilter(this);
    disconnect(fenster, nullptr, this, nullptr);
  }
  for (QObject* w : std::initializer_list<QObject*>{plott_.get(), tabelle_.get(), einkStTabelle_.get(),
                                                    einkSt_.get(), stVgl_.get(), lohnUmr_.get(),
                                                    jahresvergleich_.get(), jahresuebersicht_.get()}) {
    if (w != nullptr) disconnect(w, nullptr, this, nullptr);
  }
}

void TWerkzeuge::PlottErzeugen() {
  if (plott_) return;
  plott_ = std::make_unique<TFPlott>(rechner_);
  UeberFenster(plott_.get(), rechner_.Fenster());
}

void TWerkzeuge::TabelleErzeugen() {
  if (tabelle_) return;
  tabelle_ = std::make_unique<TFTabelle>();
  tabelle_->Spaltenbreiten({67, 66, 64, 64, 64});
  UeberFenster(tabelle_.get(), rechner_.Fenster());
}

void TWerkzeuge::EinkStErzeugen() {
  if (einkSt_) return;
  einkSt_ = std::make_unique<TFEinkSt>(rechner_);
  UeberFenster(einkSt_.get(), rechner_.Fenster());
  connect(einkSt_.get(), &TFEinkSt::Geschlossen, this, [this] {
    if (QAction* a = aktionen_.EinkommensteuerAnzeige1) a->setChecked(false);
  });
}

void TWerkzeuge::StVglErzeugen() {
  if (stVgl_) return;
  stVgl_ = std::make_unique<TFStVgl>(rechner_);
  UeberFenster(stVgl_.get(), rechner_.Fenster());
}

void TWerkzeuge::LohnUmrErzeugen() {
  if (lohnUmr_) return;
  lohnUmr_ = std::make_unique<TFLohnUmr>(rechner_, datei_);
  UeberFenster(lohnUmr_.get(), rechner_.Fenster());
  connect(lohnUmr_.get(), &TFLohnUmr::Geschlossen, this, [this] {
    if (QAction* a = aktionen_.LohnUmrAnz1) a->setChecked(false);
  });
}

void TWerkzeuge::JahresvergleichErzeugen() {
  if (jahresvergleich_) return;
  jahresvergleich_ = std::make_unique<TFJahresvergleich>(rechner_);
  UeberFenster(jahresvergleich_.get(), rechner_.Fenster());
}

void TWerkzeuge::JahresuebersichtErzeugen() {
  if (jahresuebersicht_) return;
  jahresuebersicht_ = std::make_unique<TFJahresuebersicht>(rechner_);
  if (druckMaschine_ != nullptr && druckOptionen_ != nullptr)
    jahresuebersicht_->DruckAnbinden(*druckMaschine_, *druckOptionen_);
  UeberFenster(jahresuebersicht_.get(), rechner_.Fenster());
}

void TWerkzeuge::DruckAnbinden(druck::TDruckMaschine& maschine, TFDruckOptionen& optionen) {
  druckMaschine_ = &maschine;
  druckOptionen_ = &optionen;
  if (jahresuebersicht_) jahresuebersicht_->DruckAnbinden(maschine, optionen);
}

void TWerkzeuge::AlleErzeugen() {
  PlottErzeugen();
  TabelleErzeugen();
  EinkStErzeugen();
  StVglErzeugen();
  LohnUmrErzeugen();
  JahresvergleichErzeugen();
  JahresuebersichtErzeugen();
}


void TWerkzeuge::Verbinden() {
  aktionen_ = rechner_.Aktionen();
  const struct {
    QAction* Aktion;
    void (TWerkzeuge::*Slot)();
    bool Umschalter;
  } eintraege[] = {
      {aktionen_.Steuerklassenvgl1, &TWerkzeuge::Steuerklassenvgl1Click, false},
      {aktionen_.Tabelle1, &TWerkzeuge::Tabelle1Click, false},
      {aktionen_.Grafik1, &TWerkzeuge::Grafik1Click, false},
      {aktionen_.EinkStTabelle1, &TWerkzeuge::EinkStTabelle1Click, false},
      {aktionen_.EinkommensteuerAnzeige1, &TWerkzeuge::EinkommensteuerAnzeige1Click, true},
      {aktionen_.LohnUmrAnz1, &TWerkzeuge::LohnUmrAnz, true},
      {aktionen_.Jahresvergleich1, &TWerkzeuge::Jahresvergleich1Click, false},
      {aktionen_.Jahresuebersicht1, &TWerkzeuge::Jahresuebersicht1Click, false},
  };
  for (const auto& e : eintraege) {
    QAction* a = e.Aktion;
    if (a == nullptr) continue;
    a->setEnabled(true);
    if (e.Umschalter) {
      a->setCheckable(true);
      a->setChecked(false);
    }
    connect(a, &QAction::triggered, this, e.Slot);
    if (e.Umschalter) {
      // Ctrl+E and Ctrl+L work also while one of the modeless tools is active.
      for (QWidget* w :
           std::initializer_list<QWidget*>{einkSt_.get(), stVgl_.get(), lohnUmr_.get(), jahresvergleich_.get(),
                                           jahresuebersicht_.get()}) {
        if (w != nullptr) w->addAction(a);
      }
    }
  }
  if (QWidget* fenster = rechner_.Fenster()) {
    connect(fenster, SIGNAL(Berechnet()), this, SLOT(NachBerechnung()));
    connect(fenster, SIGNAL(JahrGewechselt(int)), this, SLOT(NachJahrWechsel()));
    connect(fenster, SIGNAL(WaehrungGewechselt(bool)), this, SLOT(NachWaehrungsWechsel(bool)));
    fenster->installEventFilter(this);
  }
}

bool TWerkzeuge::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (ereignis->type() == QEvent::Close && objekt == rechner_.Fenster()) {
    for (QWidget* w : std::initializer_list<QWidget*>{einkSt_.get(), stVgl_.get(), lohnUmr_.get(),
                                                      jahresvergleich_.get(), jahresuebersicht_.get()}) {
      if (w != nullptr && w->isVisible()) w->close();
    }
  }
  return QObject::eventFilter(objekt, ereignis);
}

void TWerkzeuge::Steuerklassenvgl1Click() {
  StVglErzeugen();
  stVgl_->show();
  stVgl_->raise();
  stVgl_->activateWindow();
  stVgl_->CalcVgl();
}

void TWerkzeuge::TabelleAufbauen() {
  TabelleErzeugen();
  // The table of the calculation shown, from 1000.00 below its gross wage.
  const TAbrechnungsStand& s = rechner_.Stand();
  const auto zeilen = LohnsteuerTabelle(s.Parameter, s.Anfrage, s.Euro);
  std::vector<std::vector<std::string>> texte;
  texte.reserve(zeilen.size());
  for (const TLStTabellenZeile& z : zeilen) {
    const auto zellen = ZellenTexte(s.Parameter.Jahr, s.Euro, z);
    texte.emplace_back(zellen.begin(), zellen.end());
  }
  const QString titel = QStringLiteral("%1 - %2 - Stkl. %3")
                            .arg(QStringLiteral("Steuertabelle"), ZeitraumName(s.Anfrage.LZZ),
                                 SteuerklasseName(s.Anfrage.STKL));
  tabelle_->Fuellen(titel,
                    {QStringLiteral("UG"), QStringLiteral("OG"), QStringLiteral("LohnSt"), QStringLiteral("KiSt"),
                     QStringLiteral("Soli")},
                    texte);
}

void TWerkzeuge::Tabelle1Click() {
  TabelleAufbauen();
  tabelle_->exec();
}

void TWerkzeuge::Grafik1Click() {
  PlottErzeugen();
  plott_->showMaximized();
  plott_->exec();
}

void TWerkzeuge::EinkStTabelleAufbauen() {
  if (!einkStTabelle_) {
    einkStTabelle_ = std::make_unique<TFTabelle>();
    einkStTabelle_->setObjectName(QStringLiteral("FEinkStTabelle"));
    einkStTabelle_->Spaltenbreiten({64, 64, 64, 64, 64, 64, 64, 64});
    UeberFenster(einkStTabelle_.get(), rechner_.Fenster());
  }
  // The table starts 1000 below the taxable income per tariff unit of the
  // calculation shown.
  const TAbrechnungsStand& s = rechner_.Stand();
  const std::uint8_t klasse = s.Anfrage.STKL;
  const std::int64_t start = EStTabellenStart(s.Ergebnis.TarifX);
  const auto zeilen = EinkommensteuerTabelle(s.Parameter, s.Anfrage, klasse, start);
  std::vector<std::vector<std::string>> texte;
  texte.reserve(zeilen.size());
  for (const TEStTabellenZeile& z : zeilen) {
    const auto zellen = ZellenTexte(s.Parameter.Jahr, s.Euro, z);
    texte.emplace_back(zellen.begin(), zellen.end());
  }
  einkStTabelle_->Fuellen(
      QStringLiteral("%1 - Stkl. %2").arg(QStringLiteral("EinkSt-Tabelle"), SteuerklasseName(klasse)),
      {QStringLiteral("Eink. von"), QStringLiteral("Eink. bis"), QStringLiteral("ESt. Grundt."),
       QStringLiteral("KiSt. Grundt."), QStringLiteral("Soli. Grundt."), QStringLiteral("ESt. Splitt."),
       QStringLiteral("KiSt. Splitt."), QStringLiteral("Soli. Splitt.")},
      texte);
}

void TWerkzeuge::EinkStTabelle1Click() {
  EinkStTabelleAufbauen();
  einkStTabelle_->exec();
}

void TWerkzeuge::EinkommensteuerAnzeige1Click() {
  EinkStErzeugen();
  QAction* a = aktionen_.EinkommensteuerAnzeige1;
  if (einkSt_->isVisible()) {
    einkSt_->close();
    if (a != nullptr) a->setChecked(false);
  } else {
    if (a != nullptr) a->setChecked(true);
    einkSt_->show();
    einkSt_->raise();
  }
}

void TWerkzeuge::LohnUmrAnz() {
  LohnUmrErzeugen();
  QAction* a = aktionen_.LohnUmrAnz1;
  if (lohnUmr_->isVisible()) {
    lohnUmr_->close();
    if (a != nullptr) a->setChecked(false);
  } else {
    if (a != nullptr) a->setChecked(true);
    lohnUmr_->show();
    lohnUmr_->raise();
  }
}

void TWerkzeuge::Jahresvergleich1Click() {
  JahresvergleichErzeugen();
  jahresvergleich_->Berechnen();
  jahresvergleich_->show();
  jahresvergleich_->raise();
  jahresvergleich_->activateWindow();
}

void TWerkzeuge::Jahresuebersicht1Click() {
  JahresuebersichtErzeugen();
  jahresuebersicht_->Neuberechnen();
  jahresuebersicht_->show();
  jahresuebersicht_->raise();
  jahresuebersicht_->activateWindow();
}

void TWerkzeuge::NachBerechnung() {
  // The year comparison follows every calculation while it is shown.
  if (jahresvergleich_ && jahresvergleich_->isVisible()) jahresvergleich_->Berechnen();
  if (jahresuebersicht_ && jahresuebersicht_->isVisible()) jahresuebersicht_->Neuberechnen();
  if (einkSt_) einkSt_->SetzeAusRechner(rechner_.Stand().Anfrage.STKL);
  if (lohnUmr_) lohnUmr_->Umrechnen();
  if (vergleichNeu_) {
    vergleichNeu_ = false;
    if (stVgl_ && stVgl_->isVisible()) stVgl_->CalcVgl();
  }
}

void TWerkzeuge::NachJahrWechsel() { vergleichNeu_ = true; }

void TWerkzeuge::NachWaehrungsWechsel(bool euro) {
  if (stVgl_) stVgl_->BetraegeUmrechnen(euro ? 1 / kDMFaktor : kDMFaktor);
  if (jahresuebersicht_) jahresuebersicht_->Umrechnen(euro);
  vergleichNeu_ = true;
}

}  // namespace lst
