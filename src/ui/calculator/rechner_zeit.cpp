// The calculator window's tax year, pay month, flowchart and display
// currency: switching them and showing what they bring.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>

#include "calc/anzeige.h"
#include "geld/geld.h"
#include "calc/jahresregeln.h"
#include "calc/parameter.h"
#include "calc/sozialversicherung.h"
#include "common/qt/edit_cs.h"
#include "lohnsteuer/versionen.h"
#include "ui/calculator/anfrage_bindung.h"
#include "ui/calculator/eingabe_maske.h"
#include "ui/calculator/ergebnis_panel.h"
#include "ui/calculator/feld_hinweise.h"
#include "ui/calculator/rechner.h"
#include "ui/calculator/rechner_menue.h"
#include "ui/calculator/saetze.h"

namespace lst {

int TFRechner::NeuestesJahr() {
  for (int jahr = lst::NeuestesJahr(); jahr > kErstesJahr; --jahr)
    if (JahresRegeln(jahr).Vorhanden) return jahr;
  return kErstesJahr;
}

int TFRechner::StandardMonat(int jahr) {
  const QDate heute = QDate::currentDate();
  return heute.year() == jahr ? heute.month() : 12;
}

int TFRechner::Version() const {
  return urspruenglich_ && JahresRegeln(jahr_).PeriodenNachMonat ? LStVersionUrspruenglich(jahr_, monat_) : -1;
}

void TFRechner::JahrWechseln(int jahr) {
  if (jahr == jahr_ || !JahresRegeln(jahr).Vorhanden) {
    JahrAnzeigen();
    return;
  }
  const bool aktiv = rechnenAktiv_;
  rechnenAktiv_ = false;

  // The rates of the year left are stored as at exit.
  QStringList fehler;
  saetze_->Speichern(!f_->rbBesTab->isChecked(), fehler);

  // Amounts typed in one currency keep their money in the other.
  const bool euroVorher = euro_;
  const TJahresRegeln& r = JahresRegeln(jahr);
  jahr_ = jahr;
  monat_ = r.PeriodenNachMonat ? StandardMonat(jahr) : 12;
  // A new year starts with the flowchart in force.
  urspruenglich_ = false;
  euro_ = !(r.DM && dmGewuenscht_);
  if (euro_ != euroVorher) {
    const double faktor = euroVorher ? kDMFaktor : 1 / kDMFaktor;
    bindung_->BetraegeUmrechnen(faktor);
    ergebnis_->WunschUmrechnen(faktor);
  }
  WaehrungAnzeigen();

  SaetzeLaden();
  RegelnAnzeigen();

  emit JahrGewechselt(jahr);
  if (euro_ != euroVorher) emit WaehrungGewechselt(euro_);
  rechnenAktiv_ = aktiv;
  Rechnen();
  if (!fehler.isEmpty()) SpeicherFehlerMelden(fehler);
  if (!einstellungsWarnungen_.isEmpty() && gezeigt_)
    QTimer::singleShot(0, this, [this] { EinstellungsWarnungenZeigen(); });
}

void TFRechner::MonatWechseln(int monat) {
  if (!JahresRegeln(jahr_).PeriodenNachMonat || monat < 1 || monat > 12 || monat == monat_) {
    JahrAnzeigen();
    return;
  }
  const bool aktiv = rechnenAktiv_;
  rechnenAktiv_ = false;
  // What the user typed stays; the defaults follow the new period (the
  // parameters of the month).  The new month starts with the flowchart in
  // force.
  monat_ = monat;
  urspruenglich_ = false;
  RegelnAnzeigen();
  rechnenAktiv_ = aktiv;
  Rechnen();
}

void TFRechner::UrspruenglichClick() {
  urspruenglich_ = f_->cbUrspruenglich->isChecked() && JahresRegeln(jahr_).PeriodenNachMonat;
  JahrAnzeigen();
  Rechnen();
}

void TFRechner::BetraegeInDM(bool dm) {
  dmGewuenscht_ = dm;
  const bool euro = !(JahresRegeln(jahr_).DM && dm);
  if (euro == euro_) {
    menue_->DMZeigen(JahresRegeln(jahr_).DM, !euro_);
    return;
  }
  const bool aktiv = rechnenAktiv_;
  rechnenAktiv_ = false;
  const double faktor = euro ? 1 / kDMFaktor : kDMFaktor;
  bindung_->BetraegeUmrechnen(faktor);
  ergebnis_->WunschUmrechnen(faktor);
  euro_ = euro;
  menue_->DMZeigen(JahresRegeln(jahr_).DM, !euro_);
  WaehrungAnzeigen();
  JahrAnzeigen();
  if (bmg_ != nullptr) bmg_->Fuellen();
  emit WaehrungGewechselt(euro);
  rechnenAktiv_ = aktiv;
  Rechnen();
}

// ---- what the year and the month bring -------------------------------------------

void TFRechner::JahrAnzeigen() {
  const TEingabeFelder& f = *f_;
  const int jahr = jahr_;
  setWindowTitle(QStringLiteral("Lohnsteuerberechnung %1").arg(jahr));
  titel_ = windowTitle();
  if (info_ != nullptr)
    if (auto* name = info_->findChild<QLabel*>(QStringLiteral("ProductName"))) name->setText(titel_);
  {
    const QSignalBlocker sperre(f.CBJahr);
    f.CBJahr->setCurrentIndex(f.CBJahr->findData(jahr));
  }
  menue_->JahrZeigen(jahr);
  const bool nachMonat = JahresRegeln(jahr).PeriodenNachMonat;
  for (QWidget* w : std::initializer_list<QWidget*>{f.LMonat, f.CBMonat, f.LAblaufplan}) w->setVisible(nachMonat);
  {
    const QSignalBlocker sperre(f.CBMonat);
    f.CBMonat->setCurrentIndex(f.CBMonat->findData(monat_));
  }
  const int urspruenglich = LStVersionUrspruenglich(jahr, monat_);
  const int berichtigt = LStVersionFuerMonat(jahr, monat_);
  const int version = Version() >= 0 ? Version() : berichtigt;
  f.LAblaufplan->setText(nachMonat ? QString::fromStdString(AblaufplanName(version)) : QString());
  // Where the first flowchart of the month was corrected, it stays a choice.
  const bool wahl = nachMonat && urspruenglich != berichtigt;
  f.cbUrspruenglich->setVisible(wahl);
  f.cbUrspruenglich->setEnabled(wahl);
  {
    const QSignalBlocker sperre(f.cbUrspruenglich);
    f.cbUrspruenglich->setChecked(wahl && urspruenglich_);
  }
  if (wahl) {
    hinweis::Normal(f.cbUrspruenglich,
                    QStringLiteral("Voreingestellt gilt der berichtigte %1: mit ihm hatten die Arbeitgeber die "
                                   "Lohnsteuer dieses Monats zu korrigieren. Angehakt rechnet das Programm nach "
                                   "dem zuerst veröffentlichten %2.")
                        .arg(QString::fromStdString(AblaufplanName(berichtigt)),
                             QString::fromStdString(AblaufplanName(urspruenglich))));
  }
  f.LJahrWaehrung->setText(JahresRegeln(jahr).DM ? (euro_ ? QStringLiteral("(DM-Jahr, Beträge in Euro)")
                                                          : QStringLiteral("(Beträge in DM)"))
                                                 : QString());
}

void TFRechner::RegelnAnzeigen() {
  const TEingabeFelder& f = *f_;
  // A typed contribution group the period refuses goes first.
  BeitragsgruppePruefen();
  const TJahresRegeln& r = JahresRegeln(jahr_);
  // The basic-allowance choice belongs to 2013 alone, DM to 1995 to 2001.
  menue_->GrundfreibetragZeigen(r.GrundfreibetragWahl);
  menue_->DMZeigen(r.DM, !euro_);

  // The zone of the pay month's period: its name and bounds.
  std::int64_t unten = r.GleitzoneUnter, oben = r.GleitzoneOber;
  QString name = QStringLiteral("Gleitzone");
  if (r.PeriodenNachMonat) {
    const TSVPeriode& p = SVPeriode(jahr_, monat_);
    unten = p.ZoneUnten;
    oben = p.ZoneOben;
    name = QString::fromUtf8(ZonenName(jahr_, monat_));
  }
  f.CBGleitZ->setText(name);
  f.CBGleitZ->setAccessibleName(name);
  QLocale ort;
  QString zone = QStringLiteral("%1 für Arbeitsentgelte im Bereich über %2 € und bis zu %3 €")
                     .arg(name, ort.toString(static_cast<double>(unten) / 100, 'f', 2),
                          ort.toString(static_cast<double>(oben) / 100, 'f', 2));
  if (!r.PeriodenNachMonat && r.GleitzoneAbMonat > 1)
    zone += QStringLiteral(" (ab 01.%1.%2)").arg(r.GleitzoneAbMonat, 2, 10, QLatin1Char('0')).arg(r.Jahr);
  hinweis::Normal(f.CBGleitZ, zone);
  // The special table in the law of the year.
  hinweis::Normal(f.rbBesTab, QString::fromStdString(r.HinweisBesondereTabelle));

  if (r.KVZusatz) {
    f.cbKV2->setText(QStringLiteral("KV Zusatzbeitrag"));
    const bool haelftig = SVPeriode(jahr_, monat_).ZBTeilung == ztHaelftig;
    hinweis::Normal(f.cbKV2, haelftig ? QStringLiteral("Zusatzbeitragssatz der Krankenkasse; Arbeitnehmer und "
                                                       "Arbeitgeber tragen je die Hälfte")
                                      : QStringLiteral("Zusatzbeitragssatz der Krankenkasse; trägt der "
                                                       "Arbeitnehmer allein"));
    hinweis::Normal(f.EKV2ANProz, QStringLiteral("Zusatzbeitragssatz der Krankenkasse in Prozent (Vorgabe: der "
                                                 "durchschnittliche Zusatzbeitragssatz des Jahres)"));
  } else {
    f.cbKV2->setText(QStringLiteral("KV Zuschlag"));
    hinweis::Normal(f.cbKV2, r.KVZuschlag() ? QStringLiteral("Zusatzbetrag KV f. Zahnersatz u. Krankengeld")
                                            : QStringLiteral("Den Zusatzbeitrag KV gibt es erst ab 01.07.2005"));
    hinweis::Normal(f.EKV2ANProz, QStringLiteral("ab 01.07.2005"));
  }
  f.cbKV2->setAccessibleName(f.cbKV2->text());
  f.EKV2ANProz->setAccessibleName(f.cbKV2->text() + QStringLiteral(" AN"));
  hinweis::Normal(f.cbPV2, r.PVZuschlag() ? QStringLiteral("Zusatzbeitrag PV für Kinderlose")
                                          : QStringLiteral("Den Zusatzbeitrag PV für Kinderlose gibt es erst ab 2005"));
  {
    const QSignalBlocker kv(f.cbKV2);
    const QSignalBlocker pv(f.cbPV2);
    saetze_->ZuschlaegeDesJahres(r, Kinderlos() && f.CBStKl->currentIndex() != 1);
  }
  JahrAnzeigen();
  if (bmg_ != nullptr) bmg_->Fuellen();
}

void TFRechner::WaehrungAnzeigen() {
  EinheitenSetzen();
  if (bmg_ != nullptr) bmg_->EinheitenSetzen(QString::fromLatin1(Waehrungszeichen(euro_)));
}

void TFRechner::EinheitenSetzen() {
  const QString symbol = QString::fromLatin1(Waehrungszeichen(euro_));
  for (QLabel* l : findChildren<QLabel*>()) {
    if (l->window() == this && l->objectName().startsWith(QLatin1String("LDM")))
      l->setText(QStringLiteral("[%1]").arg(symbol));
  }
  if (auto* netto = findChild<QLabel*>(QStringLiteral("LDMNetto"))) netto->setText(symbol);
}

}  // namespace lst
