#include "ui/calculator/rechner_menue.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "calc/jahresregeln.h"
#include "calc/parameter.h"

namespace lst {

namespace {

QAction* Eintrag(QMenu* menue, const char* name, const QString& text, const QKeySequence& kuerzel = {}) {
  auto* a = menue->addAction(text);
  a->setObjectName(QString::fromLatin1(name));
  if (!kuerzel.isEmpty()) a->setShortcut(kuerzel);
  return a;
}

void Trenner(QMenu* menue, const char* name) { menue->addSeparator()->setObjectName(QString::fromLatin1(name)); }

}  // namespace

TRechnerMenue::TRechnerMenue(QMainWindow* fenster) : QObject(fenster) {
  QMenuBar* leiste = fenster->menuBar();
  leiste->setObjectName(QStringLiteral("MainMenu1"));

  QMenu* dienste = leiste->addMenu(QStringLiteral("&Dienste"));
  dienste->setObjectName(QStringLiteral("Dienste1"));
  steuerklassenvgl_ = Eintrag(dienste, "Steuerklassenvgl1", QStringLiteral("&Steuerklassenvergleich..."));
  tabelle_ = Eintrag(dienste, "Tabelle1", QStringLiteral("LoSt &Tabelle"));
  grafik_ = Eintrag(dienste, "Grafik1", QStringLiteral("LoSt &Grafik"));
  einkStTabelle_ = Eintrag(dienste, "EinkStTabelle1", QStringLiteral("&EinkSt Tabelle"));
  jahresvergleich_ = Eintrag(dienste, "Jahresvergleich1", QStringLiteral("&Jahresvergleich..."));
  jahresuebersicht_ = Eintrag(dienste, "Jahresuebersicht1", QStringLiteral("&Jahres\u00fcbersicht..."));
  drucken_ = Eintrag(dienste, "Drucken1", QStringLiteral("&Drucken"));
  Trenner(dienste, "N2");
  QAction* beenden = Eintrag(dienste, "ProgrammBeenden1", QStringLiteral("Programm &Beenden"));
  connect(beenden, &QAction::triggered, fenster, &QWidget::close);

  QMenu* einst = leiste->addMenu(QStringLiteral("&Einstellungen"));
  einst->setObjectName(QStringLiteral("Einstellungen1"));
  arbeitgeber_ = Eintrag(einst, "Arbeitgeberanteil1", QStringLiteral("Arbeit&geberanteil"),
                         QKeySequence(Qt::CTRL | Qt::Key_G));
  arbeitnehmer_ = Eintrag(einst, "Arbeitnehmeranteil1", QStringLiteral("Arbeit&nehmeranteil"),
                          QKeySequence(Qt::CTRL | Qt::Key_N));
  auto* sicht = new QActionGroup(this);
  sicht->setObjectName(QStringLiteral("Sicht"));
  for (QAction* a : {arbeitgeber_, arbeitnehmer_}) {
    a->setCheckable(true);
    sicht->addAction(a);
  }
  arbeitnehmer_->setChecked(true);
  connect(arbeitgeber_, &QAction::triggered, this, [this] { emit SichtGewaehlt(false); });
  connect(arbeitnehmer_, &QAction::triggered, this, [this] { emit SichtGewaehlt(true); });
  Trenner(einst, "N3");
  einkommensteuer_ = Eintrag(einst, "EinkommensteuerAnzeige1", QStringLiteral("&Einkommensteuer Anzeige"),
                             QKeySequence(Qt::CTRL | Qt::Key_E));
  lohnUmr_ = Eintrag(einst, "LohnUmrAnz1", QStringLiteral("&Lohnumrechnungs Anzeige"), QKeySequence(Qt::CTRL | Qt::Key_L));
  einkommensteuer_->setCheckable(true);
  lohnUmr_->setCheckable(true);
  Trenner(einst, "N1");
  QMenu* steuerjahr = einst->addMenu(QStringLiteral("Steuer&jahr"));
  steuerjahr->setObjectName(QStringLiteral("Steuerjahr1"));
  auto* jahre = new QActionGroup(this);
  jahre->setObjectName(QStringLiteral("Steuerjahre"));
  // One radio entry per year, newest first, named "Jahr" + year.
  for (int jahr = NeuestesJahr(); jahr >= kErstesJahr; --jahr) {
    if (!JahresRegeln(jahr).Vorhanden) continue;
    QAction* a = steuerjahr->addAction(QString::number(jahr));
    a->setObjectName(QStringLiteral("Jahr%1").arg(jahr));
    a->setCheckable(true);
    a->setData(jahr);
    jahre->addAction(a);
    jahre_ << a;
    connect(a, &QAction::triggered, this, [this, jahr] { emit JahrGewaehlt(jahr); });
  }
  dm_ = Eintrag(einst, "BetraegeInDM1", QStringLiteral("Beträge in &DM"));
  dm_->setCheckable(true);
  dm_->setToolTip(QStringLiteral("Beträge der Jahre 1995 bis 2001 in DM statt in Euro"));
  connect(dm_, &QAction::triggered, this, [this](bool an) { emit DMGewaehlt(an); });
  Trenner(einst, "N5");
  gfb8004_ = Eintrag(einst, "Grundfreibetrag8004", QStringLiteral("Grundfreibetrag 8004"));
  gfb8130_ = Eintrag(einst, "Grundfreibetrag8130", QStringLiteral("Grundfreibetrag 8130"));
  auto* gfb = new QActionGroup(this);
  gfb->setObjectName(QStringLiteral("Grundfreibetrag"));
  for (QAction* a : {gfb8004_, gfb8130_}) {
    a->setCheckable(true);
    gfb->addAction(a);
    connect(a, &QAction::triggered, this, [this] { emit GrundfreibetragGewaehlt(); });
  }
  gfb8004_->setChecked(true);
  Trenner(einst, "N4");
  QAction* bmg = Eintrag(einst, "Bemessungsgrenzen1", QStringLiteral("&Bemessungsgrenzen..."));
  connect(bmg, &QAction::triggered, this, [this] { emit BemessungsgrenzenGewaehlt(); });
  drucker_ = Eintrag(einst, "Drucker1", QStringLiteral("&Drucker..."));

  QMenu* hilfe = leiste->addMenu(QStringLiteral("&Hilfe"));
  hilfe->setObjectName(QStringLiteral("Hilfe1"));
  QAction* info = Eintrag(hilfe, "Info1", QStringLiteral("Inf&o..."));
  connect(info, &QAction::triggered, this, [this] { emit InfoGewaehlt(); });

  // Entries of windows that the application adds later stay disabled until
  // their window exists.
  for (QAction* a : {steuerklassenvgl_, tabelle_, grafik_, einkStTabelle_, jahresvergleich_, jahresuebersicht_,
                     drucken_, einkommensteuer_, lohnUmr_, drucker_})
    a->setEnabled(false);
}

TWerkzeugAktionen TRechnerMenue::Werkzeuge() const {
  TWerkzeugAktionen a;
  a.Steuerklassenvgl1 = steuerklassenvgl_;
  a.Tabelle1 = tabelle_;
  a.Grafik1 = grafik_;
  a.EinkStTabelle1 = einkStTabelle_;
  a.EinkommensteuerAnzeige1 = einkommensteuer_;
  a.LohnUmrAnz1 = lohnUmr_;
  a.Jahresvergleich1 = jahresvergleich_;
  a.Jahresuebersicht1 = jahresuebersicht_;
  return a;
}

void TRechnerMenue::SichtZeigen(bool arbeitnehmer) { (arbeitnehmer ? arbeitnehmer_ : arbeitgeber_)->setChecked(true); }

void TRechnerMenue::JahrZeigen(int jahr) {
  for (QAction* a : jahre_) a->setChecked(a->data().toInt() == jahr);
}

void TRechnerMenue::DMZeigen(bool moeglich, bool dm) {
  dm_->setEnabled(moeglich);
  dm_->setChecked(dm);
}

void TRechnerMenue::GrundfreibetragZeigen(bool moeglich) {
  gfb8004_->setEnabled(moeglich);
  gfb8130_->setEnabled(moeglich);
}

void TRechnerMenue::GrundfreibetragSetzen(int grundfreibetrag) {
  (grundfreibetrag == 8004 ? gfb8004_ : gfb8130_)->setChecked(true);
}

int TRechnerMenue::Grundfreibetrag() const { return gfb8004_->isChecked() ? 8004 : 8130; }

}  // namespace lst
