// The main menu of the calculator window and the settings it loads at
// creation and saves when it closes.

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include <utility>

#include "calc/sozialversicherung.h"
#include "common/ini_datei.h"
#include "common/qt/edit_cs.h"
#include "common/qt/platzierung.h"
#include "ui/calculator/rechner.h"

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

void TFRechner::MenueBauen() {
  QMenuBar* leiste = menuBar();
  leiste->setObjectName(QStringLiteral("MainMenu1"));

  QMenu* dienste = leiste->addMenu(QStringLiteral("&Dienste"));
  dienste->setObjectName(QStringLiteral("Dienste1"));
  Steuerklassenvgl1 = Eintrag(dienste, "Steuerklassenvgl1", QStringLiteral("&Steuerklassenvergleich..."));
  Tabelle1 = Eintrag(dienste, "Tabelle1", QStringLiteral("LoSt &Tabelle"));
  Grafik1 = Eintrag(dienste, "Grafik1", QStringLiteral("LoSt &Grafik"));
  EinkStTabelle1 = Eintrag(dienste, "EinkStTabelle1", QStringLiteral("&EinkSt Tabelle"));
  Drucken1 = Eintrag(dienste, "Drucken1", QStringLiteral("&Drucken"));
  Trenner(dienste, "N2");
  ProgrammBeenden1 = Eintrag(dienste, "ProgrammBeenden1", QStringLiteral("Programm &Beenden"));
  connect(ProgrammBeenden1, &QAction::triggered, this, &QWidget::close);

  QMenu* einst = leiste->addMenu(QStringLiteral("&Einstellungen"));
  einst->setObjectName(QStringLiteral("Einstellungen1"));
  Arbeitgeberanteil1 = Eintrag(einst, "Arbeitgeberanteil1", QStringLiteral("Arbeit&geberanteil"),
                               QKeySequence(Qt::CTRL | Qt::Key_G));
  Arbeitnehmeranteil1 = Eintrag(einst, "Arbeitnehmeranteil1", QStringLiteral("Arbeit&nehmeranteil"),
                                QKeySequence(Qt::CTRL | Qt::Key_N));
  auto* sicht = new QActionGroup(this);
  sicht->setObjectName(QStringLiteral("Sicht"));
  for (QAction* a : {Arbeitgeberanteil1, Arbeitnehmeranteil1}) {
    a->setCheckable(true);
    sicht->addAction(a);
  }
  Arbeitnehmeranteil1->setChecked(true);
  connect(Arbeitgeberanteil1, &QAction::triggered, this, [this] { SichtWechseln(false); });
  connect(Arbeitnehmeranteil1, &QAction::triggered, this, [this] { SichtWechseln(true); });
  Trenner(einst, "N3");
  EinkommensteuerAnzeige1 = Eintrag(einst, "EinkommensteuerAnzeige1", QStringLiteral("&Einkommensteuer Anzeige"),
                                    QKeySequence(Qt::CTRL | Qt::Key_E));
  LohnUmrAnz1 = Eintrag(einst, "LohnUmrAnz1", QStringLiteral("&Lohnumrechnungs Anzeige"),
                        QKeySequence(Qt::CTRL | Qt::Key_L));
  EinkommensteuerAnzeige1->setCheckable(true);
  LohnUmrAnz1->setCheckable(true);
  Trenner(einst, "N1");
  Grundfreibetrag8004 = Eintrag(einst, "Grundfreibetrag8004", QStringLiteral("Grundfreibetrag 8004"));
  Grundfreibetrag8130 = Eintrag(einst, "Grundfreibetrag8130", QStringLiteral("Grundfreibetrag 8130"));
  auto* gfb = new QActionGroup(this);
  gfb->setObjectName(QStringLiteral("Grundfreibetrag"));
  for (QAction* a : {Grundfreibetrag8004, Grundfreibetrag8130}) {
    a->setCheckable(true);
    gfb->addAction(a);
    connect(a, &QAction::triggered, this, [this] { Rechnen(); });
  }
  Grundfreibetrag8004->setChecked(true);
  Trenner(einst, "N4");
  Bemessungsgrenzen1 = Eintrag(einst, "Bemessungsgrenzen1", QStringLiteral("&Bemessungsgrenzen..."));
  connect(Bemessungsgrenzen1, &QAction::triggered, this, [this] { BemessungsgrenzenZeigen(); });
  Drucker1 = Eintrag(einst, "Drucker1", QStringLiteral("&Drucker..."));

  QMenu* hilfe = leiste->addMenu(QStringLiteral("&Hilfe"));
  hilfe->setObjectName(QStringLiteral("Hilfe1"));
  Info1 = Eintrag(hilfe, "Info1", QStringLiteral("Inf&o..."));
  connect(Info1, &QAction::triggered, this, [this] { InfoZeigen(); });

  // Entries of windows that the application adds later stay disabled until
  // their window exists.
  for (QAction* a : {Steuerklassenvgl1, Tabelle1, Grafik1, EinkStTabelle1, Drucken1, EinkommensteuerAnzeige1,
                     LohnUmrAnz1, Drucker1})
    a->setEnabled(false);
}

void TFRechner::AnzeigeVerbinden(QAction* eintrag, QWidget* fenster) {
  if (eintrag == nullptr || fenster == nullptr) return;
  anzeigen_.insert(fenster, eintrag);
  fenster->installEventFilter(this);
  eintrag->setEnabled(true);
  connect(eintrag, &QAction::triggered, fenster, [eintrag, fenster] {
    if (fenster->isVisible()) {
      eintrag->setChecked(false);
      fenster->close();
    } else {
      eintrag->setChecked(true);
      fenster->show();
    }
  });
  connect(fenster, &QObject::destroyed, this, [this, fenster] { anzeigen_.remove(fenster); });
}

void TFRechner::SichtWechseln(bool arbeitnehmer) {
  // A gross wage found by the wish-net search becomes the typed gross wage.
  const std::int64_t re4 = d_.LohnZeitraum.RE4;
  if (re4 != Betrag(ELohn)) ELohn->setText(TEditCS::ZahlAlsText(AusCent(k_, re4)));
  k_.ArbeitnehmerSicht = arbeitnehmer;
  (arbeitnehmer ? Arbeitnehmeranteil1 : Arbeitgeberanteil1)->setChecked(true);
  Rechnen();
}

void TFRechner::BemessungsgrenzenZeigen() {
  if (auto* dialog = qobject_cast<QDialog*>(bmg_)) dialog->exec();
  Rechnen();
}

void TFRechner::InfoZeigen() {
  if (auto* dialog = qobject_cast<QDialog*>(info_)) dialog->exec();
}

void TFRechner::EinheitenSetzen() {
  const QString symbol = QString::fromStdString(k_.Waehrung);
  for (QLabel* l : findChildren<QLabel*>()) {
    if (l->window() == this && l->objectName().startsWith(QLatin1String("LDM")))
      l->setText(QStringLiteral("[%1]").arg(symbol));
  }
  if (auto* netto = findChild<QLabel*>(QStringLiteral("LDMNetto"))) netto->setText(symbol);
}

// ---- church-tax list -------------------------------------------------------------

QString TFRechner::KommaText(const QStringList& liste) {
  QStringList teile;
  for (const QString& s : liste) {
    bool quoten = s.isEmpty();
    for (QChar c : s)
      if (c.unicode() <= ' ' || c == QLatin1Char(',') || c == QLatin1Char('"')) quoten = true;
    if (quoten) {
      QString q = s;
      q.replace(QLatin1String("\""), QLatin1String("\"\""));
      teile << QLatin1Char('"') + q + QLatin1Char('"');
    } else {
      teile << s;
    }
  }
  return teile.join(QLatin1Char(','));
}

QStringList TFRechner::KommaTextLesen(const QString& text) {
  QStringList liste;
  int i = 0;
  const int n = static_cast<int>(text.size());
  auto leer = [&] {
    while (i < n && text[i].unicode() <= ' ') ++i;
  };
  leer();
  while (i < n) {
    QString teil;
    if (text[i] == QLatin1Char('"')) {
      ++i;
      while (i < n) {
        if (text[i] == QLatin1Char('"')) {
          if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
            teil += QLatin1Char('"');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        teil += text[i++];
      }
    } else {
      while (i < n && text[i] != QLatin1Char(',') && text[i].unicode() > ' ') teil += text[i++];
    }
    liste << teil;
    leer();
    if (i < n && text[i] == QLatin1Char(',')) {
      ++i;
      leer();
    }
  }
  return liste;
}

// ---- settings ----------------------------------------------------------------------

void TFRechner::EinstellungenLaden() {
  const TNewIniFile ini(namen_.Einstellungen);
  if (ini.ReadBool("LoSt2013", "GrdFreiB8130", true))
    Grundfreibetrag8130->setChecked(true);
  else
    Grundfreibetrag8004->setChecked(true);

  QStringList liste = KommaTextLesen(QString::fromStdString(ini.ReadString("LoSt", "KiSt", "")));
  for (int i = 0; i < cbKirchenSt->count(); ++i) {
    const QString s = cbKirchenSt->itemText(i);
    if (!liste.contains(s)) liste << s;
  }
  // Entries that are not a positive rate are dropped.
  liste.erase(std::remove_if(liste.begin(), liste.end(),
                             [](const QString& s) { return !(TEditCS::TextAlsZahl(s) > 0); }),
              liste.end());
  KirchenStListeSetzen(liste, QString());
  cbKirchenSt->setCurrentIndex(0);

  // Damaged values give the defaults; the user hears of them once the window shows.
  TEinstellungsBericht bericht;
  SVEinstellungenLaden(k_, TNewIniFile(namen_.Saetze).Abbild(), &bericht);
  for (const TIgnorierterWert& w : bericht) einstellungsWarnungen_ << QString::fromStdString(w.Meldung);
  EPauschSt->setText(TEditCS::ZahlAlsText(k_.PauschSatz * 100));
  SaetzeInEdits();
}

void TFRechner::EinstellungsWarnungenZeigen() {
  if (einstellungsWarnungen_.isEmpty()) return;
  const QStringList liste = std::exchange(einstellungsWarnungen_, {});
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Lohnsteuer"),
                  QStringLiteral("Einige Werte der Einstellungsdatei sind unbrauchbar; "
                                 "an ihrer Stelle gelten die Vorgabewerte."),
                  QMessageBox::Ok, this);
  box.setInformativeText(liste.join(QLatin1Char('\n')));
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

bool TFRechner::EinstellungenSpeichern() {
  TNewIniFile ini(namen_.Einstellungen);
  QStringList liste;
  for (int i = 0; i < cbKirchenSt->count(); ++i) liste << cbKirchenSt->itemText(i);
  QString kist = KommaText(liste);
  kist.replace(QLatin1String(",\" \""), QString());
  while (kist.startsWith(QLatin1Char(','))) kist.remove(0, 1);

  QStringList fehler;
  if (!ini.WriteString("LoSt", "KiSt", kist.toStdString()) ||
      !ini.WriteBool("LoSt2013", "GrdFreiB8130", Grundfreibetrag8130->isChecked()) ||
      !SavePlacement(this, ini))
    fehler << QString::fromStdString(ini.FileName().string());

  if (cbTabArt->currentIndex() == 0) {
    // With the special table the zeros it puts into the pension and
    // unemployment rates never reach the file.
    TNewIniFile saetze(namen_.Saetze);
    if (!SVSaetzeSpeichern(saetze, k_.LStJahr, k_.SVSatzTabelle, EPauschSt->AsFraction())) {
      const QString datei = QString::fromStdString(saetze.FileName().string());
      if (!fehler.contains(datei)) fehler << datei;
    }
  }
  if (fehler.isEmpty()) return true;
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Lohnsteuer"),
                  QStringLiteral("Die Einstellungen konnten nicht gespeichert werden in:\n%1\n\n"
                                 "Die zuletzt gespeicherten Einstellungen bleiben erhalten.")
                      .arg(fehler.join(QLatin1Char('\n'))),
                  QMessageBox::Ok, this);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
  return false;
}

}  // namespace lst
