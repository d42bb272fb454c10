// The main menu of the calculator window and the settings it loads at
// creation and saves when it closes.

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include <filesystem>
#include <utility>
#include <vector>

#include "calc/jahresregeln.h"
#include "calc/sozialversicherung.h"
#include "calc/sv_einstellungen.h"
#include "common/zahlen.h"
#include "ui/calculator/bmg_dialog.h"
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
  Steuerjahr1 = einst->addMenu(QStringLiteral("Steuer&jahr"));
  Steuerjahr1->setObjectName(QStringLiteral("Steuerjahr1"));
  auto* jahre = new QActionGroup(this);
  jahre->setObjectName(QStringLiteral("Steuerjahre"));
  for (int jahr = NeuestesJahr(); jahr >= kErstesJahr; --jahr) {
    if (!JahresRegeln(jahr).Vorhanden) continue;
    QAction* a = Steuerjahr1->addAction(QString::number(jahr));
    a->setObjectName(QStringLiteral("Jahr%1").arg(jahr));
    a->setCheckable(true);
    a->setData(jahr);
    jahre->addAction(a);
    JahrEintraege << a;
    connect(a, &QAction::triggered, this, [this, jahr] { JahrWechseln(jahr); });
  }
  BetraegeInDM1 = Eintrag(einst, "BetraegeInDM1", QStringLiteral("Beträge in &DM"));
  BetraegeInDM1->setCheckable(true);
  BetraegeInDM1->setToolTip(QStringLiteral("Beträge der Jahre 1995 bis 2001 in DM statt in Euro"));
  connect(BetraegeInDM1, &QAction::triggered, this, [this](bool an) { BetraegeInDM(an); });
  Trenner(einst, "N5");
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
  const std::int64_t re4 = d_.Rechnung.LZ.RE4;
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
  const TNewIniFile ini = namen_.EinstellungsDatei();
  // The tax year of the last session; a first start opens the newest year,
  // an unknown or damaged value as well (and says so).
  const int neuestes = NeuestesJahr();
  const std::string jahrText = ini.ReadString("LoSt", "Jahr", "");
  const auto jahr = GanzzahlLesen(jahrText);
  if (jahr && *jahr >= kErstesJahr && *jahr <= neuestes && JahresRegeln(static_cast<int>(*jahr)).Vorhanden) {
    k_.LStJahr = static_cast<std::int16_t>(*jahr);
  } else {
    k_.LStJahr = static_cast<std::int16_t>(neuestes);
    if (!jahrText.empty())
      einstellungsWarnungen_ << QStringLiteral("[LoSt] Jahr=%1: kein Steuerjahr von %2 bis %3; es gilt %3")
                                    .arg(QString::fromStdString(jahrText).left(40))
                                    .arg(kErstesJahr)
                                    .arg(neuestes);
  }
  k_.LStMonat = static_cast<std::uint8_t>(JahresRegeln(k_.LStJahr).PeriodenNachMonat ? StandardMonat(k_.LStJahr) : 12);
  dmGewuenscht_ = ini.ReadBool("LoSt", "BetraegeInDM", true);
  k_.EuroAnzeige = !(JahresRegeln(k_.LStJahr).DM && dmGewuenscht_);
  k_.Waehrung = k_.EuroAnzeige ? "EUR" : "DM";

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
  SVLaden();
  EPauschSt->setText(TEditCS::ZahlAlsText(k_.PauschSatz * 100));
  BeitragsgruppePruefen();
  SaetzeInEdits();
  JahresRegelnAnwenden();
}

void TFRechner::SVLaden() {
  // The year's row as stored, moved to the rule period of the pay month; the
  // add-on rate and the levies beside it.
  const TIniAbbild abbild = namen_.SaetzeDatei().Abbild();
  TEinstellungsBericht bericht;
  SVEinstellungenLaden(k_, abbild, &bericht);
  PeriodeWechseln(k_.LStJahr, 0, SVMonat(), k_.BBGTabelle, k_.SVSatzTabelle);
  kvZusatz_ = u1NV_ = u2NV_ = -1;
  if (JahresRegeln(k_.LStJahr).PeriodenNachMonat) {
    const TSVZusatzWerte zusatz = SVZusatzLaden(abbild, k_.LStJahr, &bericht);
    kvZusatz_ = zusatz.EigenerZusatzbeitrag(k_.LStJahr);
    u1NV_ = zusatz.U1Prozent;
    u2NV_ = zusatz.U2Prozent;
  }
  for (const TIgnorierterWert& w : bericht) einstellungsWarnungen_ << QString::fromStdString(w.Meldung);
  // The defaults shown instead are not saved over the stored values.
  unbrauchbar_ = bericht;
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
  // The other windows' entries first: the settings go to the file in one write.
  emit EinstellungenSichern();
  TNewIniFile ini = namen_.EinstellungsDatei();
  QStringList liste;
  for (int i = 0; i < cbKirchenSt->count(); ++i) liste << cbKirchenSt->itemText(i);
  QString kist = KommaText(liste);
  kist.replace(QLatin1String(",\" \""), QString());
  while (kist.startsWith(QLatin1Char(','))) kist.remove(0, 1);

  QStringList fehler;
  if (!ini.WriteString("LoSt", "KiSt", kist.toStdString()) ||
      !ini.WriteBool("LoSt2013", "GrdFreiB8130", Grundfreibetrag8130->isChecked()) ||
      !ini.WriteInteger("LoSt", "Jahr", k_.LStJahr) ||
      !ini.WriteBool("LoSt", "BetraegeInDM", dmGewuenscht_) ||
      !SavePlacement(this, ini))
    fehler << QString::fromStdString(ini.FileName().string());

  SaetzeSpeichern(fehler);
  std::vector<std::filesystem::path> nichtGeschrieben;
  if (namen_.Sitzung && !namen_.Sitzung->Speichern(&nichtGeschrieben)) {
    for (const std::filesystem::path& p : nichtGeschrieben) {
      const QString datei = QString::fromStdString(p.string());
      if (!fehler.contains(datei)) fehler << datei;
    }
  }
  if (fehler.isEmpty()) return true;
  SpeicherFehlerMelden(fehler);
  return false;
}

void TFRechner::SaetzeSpeichern(QStringList& fehler) {
  if (cbTabArt->currentIndex() != 0) return;
  // With the special table the zeros it puts into the pension and
  // unemployment rates never reach the file.
  TNewIniFile saetze = namen_.SaetzeDatei();
  // The file holds the year's row: the rates the user left at the period's
  // defaults go back to the row's.
  TSVSatzTabelle zeile = k_.SVSatzTabelle;
  PeriodeWechseln(k_.LStJahr, SVMonat(), 0, zeile);
  // A stored value the window could not use stays as it stands, unless the
  // user typed into its field.
  bool gut = SVSaetzeSpeichern(saetze, k_.LStJahr, zeile, PauschSatz(), &unbrauchbar_);
  if (gut && JahresRegeln(k_.LStJahr).PeriodenNachMonat) {
    TSVZusatzWerte zusatz;
    zusatz.KVZusatzProzent = kvZusatz_ >= 0 ? kvZusatz_ : DurchschnittsZusatzbeitrag(k_.LStJahr, 1);
    zusatz.U1Prozent = u1NV_;
    zusatz.U2Prozent = u2NV_;
    gut = SVZusatzSpeichern(saetze, k_.LStJahr, zusatz, &unbrauchbar_);
  }
  if (!gut) {
    const QString datei = QString::fromStdString(saetze.FileName().string());
    if (!fehler.contains(datei)) fehler << datei;
  }
}

void TFRechner::SpeicherFehlerMelden(const QStringList& fehler) {
  if (speicherFehlerGemeldet_) return;
  speicherFehlerGemeldet_ = true;
  QStringList dateien;
  for (const QString& datei : fehler) {
    const QFileInfo info(datei);
    const auto schreiben = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    dateien << (info.isFile() && !(info.permissions() & schreiben) ? datei + QStringLiteral(" (schreibgeschützt)")
                                                                    : datei);
  }
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Lohnsteuer"),
                  QStringLiteral("Die Einstellungen konnten nicht gespeichert werden in:\n%1\n\n"
                                 "Die zuletzt gespeicherten Einstellungen bleiben erhalten.")
                      .arg(dateien.join(QLatin1Char('\n'))),
                  QMessageBox::Ok, this);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
  box.exec();
}

// ---- tax year and display currency -------------------------------------------------

void TFRechner::JahrAnzeigen() {
  const int jahr = k_.LStJahr;
  setWindowTitle(QStringLiteral("Lohnsteuerberechnung %1").arg(jahr));
  titel_ = windowTitle();
  if (info_ != nullptr)
    if (auto* name = info_->findChild<QLabel*>(QStringLiteral("ProductName"))) name->setText(titel_);
  const bool vorher = CBJahr->blockSignals(true);
  CBJahr->setCurrentIndex(CBJahr->findData(jahr));
  CBJahr->blockSignals(vorher);
  for (QAction* a : JahrEintraege) a->setChecked(a->data().toInt() == jahr);
  const bool nachMonat = JahresRegeln(jahr).PeriodenNachMonat;
  for (QWidget* w : std::initializer_list<QWidget*>{LMonat, CBMonat, LAblaufplan}) w->setVisible(nachMonat);
  const bool monatVorher = CBMonat->blockSignals(true);
  CBMonat->setCurrentIndex(CBMonat->findData(static_cast<int>(k_.LStMonat)));
  CBMonat->blockSignals(monatVorher);
  LAblaufplan->setText(nachMonat ? QString::fromStdString(AblaufplanName(k_.VersionFuer(jahr))) : QString());
  // Where the first flowchart of the month was corrected, it stays a choice.
  const int urspruenglich = LStVersionUrspruenglich(jahr, k_.LStMonat);
  const int berichtigt = LStVersionFuerMonat(jahr, k_.LStMonat);
  const bool wahl = nachMonat && urspruenglich != berichtigt;
  cbUrspruenglich->setVisible(wahl);
  cbUrspruenglich->setEnabled(wahl);
  const bool urVorher = cbUrspruenglich->blockSignals(true);
  cbUrspruenglich->setChecked(wahl && k_.LStVersion == urspruenglich);
  cbUrspruenglich->blockSignals(urVorher);
  if (wahl) {
    cbUrspruenglich->setToolTip(
        QStringLiteral("Voreingestellt gilt der berichtigte %1: mit ihm hatten die Arbeitgeber die Lohnsteuer "
                       "dieses Monats zu korrigieren. Angehakt rechnet das Programm nach dem zuerst "
                       "veröffentlichten %2.")
            .arg(QString::fromStdString(AblaufplanName(berichtigt)),
                 QString::fromStdString(AblaufplanName(urspruenglich))));
  }
  if (auto* w = findChild<QLabel*>(QStringLiteral("LJahrWaehrung")))
    w->setText(JahresRegeln(jahr).DM ? (k_.EuroAnzeige ? QStringLiteral("(DM-Jahr, Beträge in Euro)")
                                                       : QStringLiteral("(Beträge in DM)"))
                                     : QString());
}

void TFRechner::JahresRegelnAnwenden() {
  const TJahresRegeln r = JahresRegeln(k_.LStJahr);
  // The basic-allowance choice belongs to 2013 alone.
  Grundfreibetrag8004->setEnabled(r.GrundfreibetragWahl);
  Grundfreibetrag8130->setEnabled(r.GrundfreibetragWahl);
  BetraegeInDM1->setEnabled(r.DM);
  BetraegeInDM1->setChecked(!k_.EuroAnzeige);

  PeriodenFelderFreigeben();
  if (r.KVZusatz) {
    cbKV2->setText(QStringLiteral("KV Zusatzbeitrag"));
    const bool haelftig = SVPeriode(k_.LStJahr, k_.LStMonat).ZBTeilung == ztHaelftig;
    cbKV2->setToolTip(haelftig ? QStringLiteral("Zusatzbeitragssatz der Krankenkasse; Arbeitnehmer und "
                                                      "Arbeitgeber tragen je die Hälfte")
                                     : QStringLiteral("Zusatzbeitragssatz der Krankenkasse; trägt der Arbeitnehmer allein"));
    EKV2ANProz->setToolTip(QStringLiteral("Zusatzbeitragssatz der Krankenkasse in Prozent (Vorgabe: der "
                                          "durchschnittliche Zusatzbeitragssatz des Jahres)"));
  } else {
    cbKV2->setText(QStringLiteral("KV Zuschlag"));
    cbKV2->setToolTip(r.KVZuschlag() ? QStringLiteral("Zusatzbetrag KV f. Zahnersatz u. Krankengeld")
                                     : QStringLiteral("Den Zusatzbeitrag KV gibt es erst ab 01.07.2005"));
    EKV2ANProz->setToolTip(QStringLiteral("ab 01.07.2005"));
  }
  cbKV2->setAccessibleName(cbKV2->text());
  EKV2ANProz->setAccessibleName(cbKV2->text() + QStringLiteral(" AN"));
  cbPV2->setToolTip(r.PVZuschlag() ? QStringLiteral("Zusatzbeitrag PV für Kinderlose")
                                   : QStringLiteral("Den Zusatzbeitrag PV für Kinderlose gibt es erst ab 2005"));
  AufstockungFreigeben();
  ZuschlaegeAnzeigen();
}

void TFRechner::PeriodenFelderFreigeben() {
  const TJahresRegeln& r = JahresRegeln(k_.LStJahr);
  // The zone of the pay month's period: its name, bounds and whether the
  // employee may still waive the reduced pension share.
  bool zone = r.Gleitzone();
  bool verzicht = zone;
  std::int64_t unten = r.GleitzoneUnter, oben = r.GleitzoneOber;
  QString name = QStringLiteral("Gleitzone");
  if (r.PeriodenNachMonat) {
    const TSVPeriode& p = SVPeriode(k_.LStJahr, k_.LStMonat);
    zone = p.Zone != zfKeine;
    verzicht = zone && p.RVVerzichtMoeglich;
    unten = p.ZoneUnten;
    oben = p.ZoneOben;
    name = QString::fromUtf8(ZonenName(k_.LStJahr, k_.LStMonat));
  }
  CBGleitZ->setText(name);
  CBGleitZ->setAccessibleName(name);
  if (!zone) CBGleitZ->setChecked(false);
  if (!verzicht) CBRV_Verzicht->setChecked(false);
  CBGleitZ->setEnabled(zone);
  CBRV_Verzicht->setEnabled(verzicht);
  if (zone) {
    QLocale ort;
    QString hinweis = QStringLiteral("%1 für Arbeitsentgelte im Bereich über %2 € und bis zu %3 €")
                          .arg(name, ort.toString(static_cast<double>(unten) / 100, 'f', 2),
                               ort.toString(static_cast<double>(oben) / 100, 'f', 2));
    if (!r.PeriodenNachMonat && r.GleitzoneAbMonat > 1)
      hinweis += QStringLiteral(" (ab 01.%1.%2)").arg(r.GleitzoneAbMonat, 2, 10, QLatin1Char('0')).arg(r.Jahr);
    CBGleitZ->setToolTip(hinweis);
  } else {
    CBGleitZ->setToolTip(QStringLiteral("Die Gleitzone gibt es erst ab 01.04.2003"));
  }
  CBRV_Verzicht->setToolTip(verzicht || !r.PeriodenNachMonat
                                ? QStringLiteral("ArbN verzichtet auf die Anwendung der Gleitzone in der Rentenversicherung")
                                : QStringLiteral("Den Verzicht auf die Reduzierung in der Rentenversicherung gibt "
                                                 "es nur bis Juni 2019"));

  // Children under 25: the care discounts of the period (from July 2023),
  // in every tax class, for an employee insured in the social care
  // insurance (PV 1 of the contribution group).
  const bool abschlaege = r.PeriodenNachMonat && SVPeriode(k_.LStJahr, k_.LStMonat).PVAbschlag >= 0 &&
                          GruppeInKraft().PV != 0;
  if (E_KinderU25->isEnabled() != abschlaege) {
    const bool kinder = !E_KinderU25->text().trimmed().isEmpty();
    const bool vorher = E_KinderU25->blockSignals(true);
    if (!abschlaege) E_KinderU25->clear();
    E_KinderU25->setEnabled(abschlaege);
    E_KinderU25->blockSignals(vorher);
    // Children that no longer count leave the person childless again.
    if (!abschlaege && kinder) cbPV2->setChecked(Kinderlos() && CBStKl->currentIndex() != 1);
  }
  LKinderU25->setEnabled(abschlaege);
}

void TFRechner::ZuschlaegeAnzeigen() {
  // A surcharge the year does not know shows no check mark.  The user's
  // choice of the health surcharge comes back with a year that has it; the
  // care surcharge follows the children and the tax class.
  const TJahresRegeln r = JahresRegeln(k_.LStJahr);
  if (!r.KVZuschlag()) {
    if (!cbKV2->property("ohneJahr").toBool()) {
      cbKV2->setProperty("ohneJahr", true);
      cbKV2->setProperty("gewaehlt", cbKV2->isChecked());
    }
    cbKV2->setChecked(false);
  } else if (cbKV2->property("ohneJahr").toBool()) {
    cbKV2->setProperty("ohneJahr", false);
    cbKV2->setChecked(cbKV2->property("gewaehlt").toBool());
  }
  if (!r.PVZuschlag()) {
    cbPV2->setProperty("ohneJahr", true);
    cbPV2->setChecked(false);
  } else if (cbPV2->property("ohneJahr").toBool()) {
    cbPV2->setProperty("ohneJahr", false);
    cbPV2->setChecked(Kinderlos() && CBStKl->currentIndex() != 1);
  }
}

void TFRechner::JahrWechseln(int jahr) {
  if (jahr == k_.LStJahr || !JahresRegeln(jahr).Vorhanden) {
    JahrAnzeigen();
    return;
  }
  const bool aktiv = rechnenAktiv_;
  rechnenAktiv_ = false;

  // The rates of the year left are stored as at exit.
  EingabenSammeln();
  QStringList fehler;
  SaetzeSpeichern(fehler);

  // Amounts typed in one currency keep their money in the other.
  const bool euroVorher = k_.EuroAnzeige;
  k_.LStJahr = static_cast<std::int16_t>(jahr);
  const TJahresRegeln& r = JahresRegeln(jahr);
  k_.LStMonat = static_cast<std::uint8_t>(r.PeriodenNachMonat ? StandardMonat(jahr) : 12);
  k_.EuroAnzeige = !(r.DM && dmGewuenscht_);
  if (k_.EuroAnzeige != euroVorher) BetraegeUmrechnen(euroVorher ? k_.DMFaktor : 1 / k_.DMFaktor);
  WaehrungAnzeigen();

  // The new year's rates, flat-rate tax, surcharge and ceilings; its month
  // starts with the flowchart in force.
  k_.LStVersion = -1;
  SVLaden();
  RegelperiodeZeigen();
  // The new year's flat-rate tax replaces what the edits showed.
  EPauschSt->setText(TEditCS::ZahlAlsText(k_.PauschSatz * 100));

  emit JahrGewechselt(jahr);
  if (k_.EuroAnzeige != euroVorher) emit WaehrungGewechselt(k_.EuroAnzeige);
  rechnenAktiv_ = aktiv;
  Rechnen();
  if (!fehler.isEmpty()) SpeicherFehlerMelden(fehler);
  if (!einstellungsWarnungen_.isEmpty() && gezeigt_)
    QTimer::singleShot(0, this, [this] { EinstellungsWarnungenZeigen(); });
}

void TFRechner::RegelperiodeZeigen() {
  // The rates of the table in the edits (up to 2013 the special table keeps
  // its zeros), the boxes of the year and month, the child benefit, caption
  // and dialog.  A typed contribution group the period refuses goes first.
  BeitragsgruppePruefen();
  SaetzeInEdits();
  rechnenAktiv_ = false;
  if (cbTabArt->currentIndex() != 0 && !JahresRegeln(k_.LStJahr).Beitragsgruppen)
    for (TEditCS* e : {ERVANProz, ERVAGProz, EAVANProz, EAVAGProz}) e->setText(QStringLiteral("0"));
  JahresRegelnAnwenden();
  if (!Kinderlos()) cbPV2->setEnabled(false);
  KindergeldSetzen();
  JahrAnzeigen();
  if (auto* dialog = qobject_cast<TFBMG*>(bmg_)) dialog->Fuellen();
}

void TFRechner::MonatWechseln(int monat) {
  const TJahresRegeln& r = JahresRegeln(k_.LStJahr);
  if (!r.PeriodenNachMonat || monat < 1 || monat > 12 || monat == k_.LStMonat) {
    JahrAnzeigen();
    return;
  }
  const bool aktiv = rechnenAktiv_;
  rechnenAktiv_ = false;
  // What the user typed stays; the defaults follow the new period.
  EingabenSammeln();
  const int alt = k_.LStMonat;
  PeriodeWechseln(k_.LStJahr, alt, monat, k_.BBGTabelle, k_.SVSatzTabelle);
  k_.LStMonat = static_cast<std::uint8_t>(monat);
  // The new month starts with the flowchart in force.
  k_.LStVersion = -1;
  RegelperiodeZeigen();
  rechnenAktiv_ = aktiv;
  Rechnen();
}

void TFRechner::UrspruenglichClick() {
  const int jahr = k_.LStJahr;
  const bool wahl = cbUrspruenglich->isChecked() && JahresRegeln(jahr).PeriodenNachMonat;
  k_.LStVersion = wahl ? LStVersionUrspruenglich(jahr, k_.LStMonat) : -1;
  JahrAnzeigen();
  Rechnen();
}

void TFRechner::BetraegeInDM(bool dm) {
  dmGewuenscht_ = dm;
  const bool euro = !(JahresRegeln(k_.LStJahr).DM && dm);
  if (euro == k_.EuroAnzeige) {
    BetraegeInDM1->setChecked(!k_.EuroAnzeige);
    return;
  }
  const bool aktiv = rechnenAktiv_;
  rechnenAktiv_ = false;
  BetraegeUmrechnen(euro ? 1 / k_.DMFaktor : k_.DMFaktor);
  k_.EuroAnzeige = euro;
  BetraegeInDM1->setChecked(!euro);
  WaehrungAnzeigen();
  JahrAnzeigen();
  if (auto* dialog = qobject_cast<TFBMG*>(bmg_)) dialog->Fuellen();
  emit WaehrungGewechselt(euro);
  rechnenAktiv_ = aktiv;
  Rechnen();
}

void TFRechner::BetraegeUmrechnen(double faktor) {
  const bool netto = ENettoLohn->blockSignals(true);
  for (TEditCS* e : {ELohn, EVersBez, EVBezM, EVBezS, EFreibetrag, EHinzuR, edSterbe, EKindergeld,
                     EZusBetrag, ENettoLohn}) {
    if (e->text().trimmed().isEmpty()) continue;
    e->setText(Fixiert2(e->AsFloat() * faktor));
  }
  ENettoLohn->blockSignals(netto);
}

void TFRechner::WaehrungAnzeigen() {
  k_.Waehrung = k_.EuroAnzeige ? "EUR" : "DM";
  EinheitenSetzen();
  if (auto* dialog = qobject_cast<TFBMG*>(bmg_)) dialog->EinheitenSetzen(QString::fromStdString(k_.Waehrung));
}

}  // namespace lst
