// Inputs of the calculator window whose rules the core holds, typed and
// clicked as a user does: children under 25 in every tax class, the first
// flowchart of the corrected months, the age relief before its year, the
// allowance beside the factor, the flat-rate tax of a minijob, the care part
// of a private premium, rates with the command line's ranges and decimals,
// and stored values the window could not use.

#include <QAction>
#include <QComboBox>
#include <QRadioButton>

#include <memory>

#include "calc/jahresregeln.h"
#include "calc/satzeingabe.h"
#include "calc/sozialversicherung.h"
#include "common/ini_datei.h"
#include "common/qt/edit_cs.h"
#include "fenster_hilfen.h"
#include "lohnsteuer/versionen.h"
#include "ui/anwendung.h"
#include "ui/calculator/rechner.h"

using lst::TFRechner;
using lst::TNewIniFile;

class TestEingabenAb2014 : public QObject {
  Q_OBJECT

  QTemporaryDir ordner_;
  std::unique_ptr<lst::TAnwendung> anw_;
  std::unique_ptr<TBoxFaenger> boxen_;
  TFRechner* r_ = nullptr;
  std::unique_ptr<TRechnerElemente> e_;

  QString Datei() const { return ordner_.filePath(QStringLiteral("DrumselLStTab.ini")); }
  TNewIniFile Ini() const { return TNewIniFile::AusPfad(Datei().toStdString()); }
  const lst::TAbrechnungsStand& S() const { return r_->Stand(); }

  void Starten() {
    anw_ = std::make_unique<lst::TAnwendung>();
    r_ = &anw_->Rechner();
    e_ = std::make_unique<TRechnerElemente>(r_);
    anw_->Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(r_));
  }
  // Ends the program as the user does, through the menu: the settings are saved.
  void Beenden() {
    e_->ProgrammBeenden1->trigger();
    r_ = nullptr;
    anw_.reset();
  }
  // Year from the menu (one switch), month from its drop-down.
  void Zeit(int jahr, int monat) {
    r_->findChild<QAction*>(QStringLiteral("Jahr%1").arg(jahr))->trigger();
    Waehlen(e_->CBMonat, monat);
    QCOMPARE(int(S().Parameter.Jahr), jahr);
    QCOMPARE(int(S().Parameter.Monat), monat);
  }
  void Klasse(int stkl) {
    e_->CBStKl->setCurrentIndex(stkl - 1);
    QCOMPARE(int(Datensaetze(S()).LSt.STKL), stkl);
  }
  QString Wert(const char* name) const {
    auto* l = r_->findChild<QLabel*>(QString::fromLatin1(name));
    return l != nullptr ? l->text() : QStringLiteral("<fehlt>");
  }
  // The window's request and results against the command line's.
  void WieKommandozeile(const QStringList& optionen) {
    const std::string fehler = WieKommandozeileRechnung(S(), optionen);
    QVERIFY2(fehler.empty(), fehler.c_str());
    if (QTest::currentTestFailed()) return;
    WieDieKommandozeile(S(), optionen);
  }

 private slots:
  void initTestCase() {
    TestUmgebung(ordner_);
    boxen_ = std::make_unique<TBoxFaenger>();
    QApplication::setQuitOnLastWindowClosed(false);
  }
  void init() {
    QFile::remove(Datei());
    Starten();
  }
  void cleanup() {
    r_ = nullptr;
    anw_.reset();
  }

  // Children under 25 count in every tax class and without child
  // allowances: one child ends the care surcharge of the childless, each
  // further one up to the fifth is a discount.
  void kinderUnter25InJederKlasse() {
    Zeit(2026, 12);
    Eintippen(e_->ELohn, QStringLiteral("3200"));
    QVERIFY(e_->cbPV2->isChecked());
    for (const int stkl : {5, 6, 1}) {
      Klasse(stkl);
      const QStringList basis{"--jahr", "2026", "--monat", "12", "--brutto", "3200", "--steuerklasse", QString::number(stkl)};
      QVERIFY2(e_->E_KinderU25->isEnabled(), qPrintable(QString::number(stkl)));
      Eintippen(e_->E_KinderU25, QStringLiteral("1"));
      QVERIFY(!e_->cbPV2->isChecked());
      QCOMPARE(S().Ergebnis.Beitrag(lst::svPV2).AN, std::int64_t{0});
      WieKommandozeile(basis + QStringList{"--ohne-pv-zuschlag"});
      Eintippen(e_->E_KinderU25, QStringLiteral("3"));
      QCOMPARE(int(Datensaetze(S()).SV.PVAbschlaege), 2);
      WieKommandozeile(basis + QStringList{"--pv-abschlaege", "2"});
      Eintippen(e_->E_KinderU25, QString());
      QVERIFY(e_->cbPV2->isChecked());
      QVERIFY(S().Ergebnis.Beitrag(lst::svPV2).AN > 0);
    }
    // A switch of class keeps a child under 25 (class V clears the child
    // allowances, not the children).
    Klasse(4);
    Eintippen(e_->E_ZKF, QStringLiteral("1"));
    Eintippen(e_->E_KinderU25, QStringLiteral("1"));
    Klasse(5);
    QVERIFY(e_->E_ZKF->text().isEmpty());
    QCOMPARE(e_->E_KinderU25->text(), QStringLiteral("1"));
    QVERIFY(!e_->cbPV2->isChecked());
    QCOMPARE(S().Ergebnis.Beitrag(lst::svPV2).AN, std::int64_t{0});
    // Not where no care contribution of the employee's own is levied.
    Eintippen(e_->EBeitragsgruppe, QStringLiteral("0110"));
    QVERIFY(!e_->E_KinderU25->isEnabled());
    QVERIFY(e_->E_KinderU25->text().isEmpty());
    Eintippen(e_->EBeitragsgruppe, QStringLiteral("0111"));
    QVERIFY(e_->E_KinderU25->isEnabled());
    // The children it cleared no longer count: childless again.
    QVERIFY(e_->cbPV2->isChecked());
    QVERIFY(S().Ergebnis.Beitrag(lst::svPV2).AN > 0);
    Klick(e_->CBGF);
    QVERIFY(!e_->E_KinderU25->isEnabled());
    // Nor before July 2023.
    Klick(e_->CBGF);
    Zeit(2023, 6);
    QVERIFY(!e_->E_KinderU25->isEnabled());
    Waehlen(e_->CBMonat, 7);
    QVERIFY(e_->E_KinderU25->isEnabled());
  }

  // The months whose first flowchart was corrected compute with the
  // corrected one; the first one stays a choice beside the month.
  void ursprunglicherAblaufplan() {
    Zeit(2025, 2);
    Eintippen(e_->ELohn, QStringLiteral("3040,47"));
    QVERIFY(e_->cbUrspruenglich->isVisible());
    QVERIFY(e_->cbUrspruenglich->isEnabled());
    QVERIFY(!e_->cbUrspruenglich->isChecked());
    QCOMPARE(e_->cbUrspruenglich->text(), QStringLiteral("ursprünglicher Ablaufplan"));
    QVERIFY2(e_->cbUrspruenglich->toolTip().contains(QStringLiteral("berichtigt")),
             qPrintable(e_->cbUrspruenglich->toolTip()));
    QCOMPARE(e_->LAblaufplan->text(), QString::fromStdString(lst::AblaufplanName(lst::LStVersionFuerMonat(2025, 2))));
    QCOMPARE(S().Ergebnis.LSt, std::int64_t{31041});
    QCOMPARE(Wert("ErgLohnSt"), GeldText(31041));
    WieKommandozeile({"--jahr", "2025", "--monat", "2", "--brutto", "3040,47"});

    Klick(e_->cbUrspruenglich);
    QCOMPARE(S().Parameter.Version, lst::LStVersionNachSchluessel("2025jan"));
    QCOMPARE(S().Ergebnis.LSt, std::int64_t{31900});
    QCOMPARE(Wert("ErgLohnSt"), GeldText(31900));
    QCOMPARE(e_->LAblaufplan->text(), QString::fromStdString(lst::AblaufplanName(lst::LStVersionNachSchluessel("2025jan"))));
    QVERIFY(e_->LAblaufplan->text().contains(QStringLiteral("ursprünglich")));
    WieKommandozeile({"--jahr", "2025", "--monat", "2", "--brutto", "3040,47", "--pap", "2025jan"});

    // Another month starts with the flowchart in force.
    Waehlen(e_->CBMonat, 1);
    QVERIFY(e_->cbUrspruenglich->isVisible());
    QVERIFY(!e_->cbUrspruenglich->isChecked());
    QCOMPARE(S().Parameter.Version, lst::LStVersionFuerMonat(S().Parameter.Jahr, S().Parameter.Monat));
    Klick(e_->cbUrspruenglich);
    Waehlen(e_->CBMonat, 3);
    QVERIFY(!e_->cbUrspruenglich->isVisible());
    QCOMPARE(S().Parameter.Version, lst::LStVersionFuerMonat(S().Parameter.Jahr, S().Parameter.Monat));
    QCOMPARE(e_->LAblaufplan->text(), QString::fromStdString(lst::AblaufplanName(2025, 3)));
    Waehlen(e_->CBMonat, 2);
    QVERIFY(!e_->cbUrspruenglich->isChecked());
    QCOMPARE(S().Ergebnis.LSt, std::int64_t{31041});
    // So does another year.
    Klick(e_->cbUrspruenglich);
    Zeit(2023, 2);
    QVERIFY(e_->cbUrspruenglich->isVisible());
    QVERIFY(!e_->cbUrspruenglich->isChecked());
    QCOMPARE(S().Parameter.Version, lst::LStVersionFuerMonat(S().Parameter.Jahr, S().Parameter.Monat));

    // Offered exactly where the first flowchart differs from the one in force.
    struct TMonat {
      int Jahr, Monat;
    };
    for (const TMonat m : {TMonat{2022, 1}, TMonat{2022, 5}, TMonat{2022, 6}, TMonat{2023, 3}, TMonat{2023, 4},
                           TMonat{2024, 12}, TMonat{2025, 1}, TMonat{2026, 1}}) {
      Zeit(m.Jahr, m.Monat);
      const bool wahl = lst::LStVersionUrspruenglich(m.Jahr, m.Monat) != lst::LStVersionFuerMonat(m.Jahr, m.Monat);
      QCOMPARE(e_->cbUrspruenglich->isVisible(), wahl);
      if (wahl) WieKommandozeile({"--jahr", QString::number(m.Jahr), "--monat", QString::number(m.Monat), "--brutto", "3040,47"});
    }
    Zeit(2022, 3);
    Klick(e_->cbUrspruenglich);
    WieKommandozeile({"--jahr", "2022", "--monat", "3", "--brutto", "3040,47", "--pap", "2022jan"});
    r_->findChild<QAction*>(QStringLiteral("Jahr2013"))->trigger();
    QVERIFY(!e_->cbUrspruenglich->isVisible());
  }

  // The age relief ticked for a year before the one after the 64th
  // birthday: no relief, and the year's field says so.
  void altersentlastungErstAbIhremJahr() {
    Zeit(2026, 12);
    Eintippen(e_->ELohn, QStringLiteral("4000"));
    const QString hinweis = e_->edAJahr->toolTip();
    Klick(e_->CBAlter);
    Eintippen(e_->edAJahr, QStringLiteral("2027"));
    QVERIFY(!Datensaetze(S()).LSt.ALTER1);
    QVERIFY(Rot(e_->edAJahr));
    QCOMPARE(e_->edAJahr->toolTip(), QStringLiteral("Den Altersentlastungsbetrag gibt es erst ab 2027 (dem "
                                                    "Kalenderjahr nach dem 64. Geburtstag); für 2026 wird "
                                                    "keiner abgezogen."));
    WieKommandozeile({"--jahr", "2026", "--monat", "12", "--brutto", "4000", "--altersentlastung", "2027"});
    const std::int64_t ohne = S().Ergebnis.LSt;
    Eintippen(e_->edAJahr, QStringLiteral("2026"));
    QVERIFY(Datensaetze(S()).LSt.ALTER1);
    QVERIFY(!Rot(e_->edAJahr));
    QCOMPARE(e_->edAJahr->toolTip(), hinweis);
    QVERIFY(S().Ergebnis.LSt < ohne);
    WieKommandozeile({"--jahr", "2026", "--monat", "12", "--brutto", "4000", "--altersentlastung", "2026"});
    // Unticked, the field is no question.
    Eintippen(e_->edAJahr, QStringLiteral("2030"));
    QVERIFY(Rot(e_->edAJahr));
    Klick(e_->CBAlter);
    QVERIFY(!Rot(e_->edAJahr));
  }

  // Beside the factor no allowance: the field stays disabled and says why.
  void faktorOhneFreibetrag() {
    Zeit(2026, 12);
    Klasse(4);
    const QString hinweis = e_->EFreibetrag->toolTip();
    Eintippen(e_->EFreibetrag, QStringLiteral("1200"));
    Klick(e_->cbAF);
    QVERIFY(!e_->EFreibetrag->isEnabled());
    QVERIFY(e_->EFreibetrag->text().isEmpty());
    QVERIFY2(e_->EFreibetrag->toolTip().contains(QStringLiteral("§ 39f Abs. 1 Satz 6 EStG")),
             qPrintable(e_->EFreibetrag->toolTip()));
    Eintippen(e_->edFaktor, QStringLiteral("0,915"));
    QVERIFY(!e_->EFreibetrag->isEnabled());
    Klick(e_->cbAF);
    QVERIFY(e_->EFreibetrag->isEnabled());
    QCOMPARE(e_->EFreibetrag->toolTip(), hinweis);
    Klick(e_->cbAF);
    Klasse(1);  // the factor goes with class IV
    QVERIFY(e_->EFreibetrag->isEnabled());
    QCOMPARE(e_->EFreibetrag->toolTip(), hinweis);
  }

  // With the flat-rate tax of a minijob the employee owes no wage tax,
  // surcharge or church tax, whatever his class.
  void pauschsteuerImMinijob() {
    Zeit(2026, 12);
    Klasse(6);
    Eintippen(e_->ELohn, QStringLiteral("556"));
    Klick(e_->CBGF);
    QVERIFY(S().Ergebnis.LSt > 0);
    Klick(e_->CBPauschSt);
    for (const char* name : {"ErgLohnSt", "ErgKirchenSt", "ErgSoli"}) QCOMPARE(Wert(name), GeldText(0));
    QCOMPARE(S().Ergebnis.LSt, std::int64_t{0});
    QCOMPARE(S().Ergebnis.KiSt, std::int64_t{0});
    QCOMPARE(S().Ergebnis.Soli, std::int64_t{0});
    QVERIFY(S().Ergebnis.LStPausch > 0);
    WieKommandozeile({"--jahr", "2026", "--monat", "12", "--brutto", "556", "--steuerklasse", "6", "--minijob",
                      "--aufstockung", "--pauschsteuer", "2"});
    e_->Arbeitgeberanteil1->trigger();
    WieKommandozeile({"--jahr", "2026", "--monat", "12", "--brutto", "556", "--steuerklasse", "6", "--minijob",
                      "--aufstockung", "--pauschsteuer", "2", "--arbeitgeber"});
  }

  // The care part of a private premium: the employer's subsidy is capped
  // for health and care each; a part above the premium is not taken.
  void privatePflegeGetrennt() {
    Zeit(2026, 12);
    Eintippen(e_->ELohn, QStringLiteral("6500"));
    QVERIFY(!e_->EPVWertPV->isEnabled());
    Klick(e_->cbPriv);
    QVERIFY(e_->EPVWertPV->isEnabled());
    Klick(r_->findChild<QRadioButton*>(QStringLiteral("RGprivTyp_ja")));
    Eintippen(e_->EPVWert, QStringLiteral("900"));
    const std::int64_t zuschussGesamt = S().Ergebnis.PKVZuschuss_AG;
    QVERIFY(!S().Anfrage.PrivatBeitragPV.has_value());
    // Half the care part is more than half the care contribution at the
    // ceiling: the subsidy is smaller than half the premium.
    Eintippen(e_->EPVWertPV, QStringLiteral("400"));
    QCOMPARE(S().Anfrage.PrivatBeitragPV.value_or(-1), std::int64_t{40000});
    QCOMPARE(Datensaetze(S()).SV.PKPVPflege, std::int64_t{40000});
    QVERIFY(!Rot(e_->EPVWertPV));
    QVERIFY2(S().Ergebnis.PKVZuschuss_AG < zuschussGesamt, qPrintable(QString::number(zuschussGesamt)));
    WieKommandozeile({"--jahr", "2026", "--monat", "12", "--brutto", "6500", "--privat", "900", "--privat-pv", "400",
                      "--ag-zuschuss"});
    Eintippen(e_->EPVWertPV, QStringLiteral("950"));
    QVERIFY(Rot(e_->EPVWertPV));
    QCOMPARE(Datensaetze(S()).SV.PKPVPflege, std::int64_t{90000});
    Eintippen(e_->EPVWertPV, QString());
    QVERIFY(!Rot(e_->EPVWertPV));
    QCOMPARE(S().Ergebnis.PKVZuschuss_AG, zuschussGesamt);
    Klick(e_->cbPriv);
    QVERIFY(!e_->EPVWertPV->isEnabled());
    QVERIFY(!S().Anfrage.PrivatBeitragPV.has_value());
  }

  // Every rate typed by the rule of its kind: out of range or with more
  // decimals than allowed, the field is red with the rule as its tooltip
  // and the default applies, never a rounded value.
  void saetzeMitIhrenStellen() {
    Zeit(2026, 12);
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    const double mittel = lst::DurchschnittsZusatzbeitrag(2026, 12);
    const auto regel = [](lst::TSatzArt art) { return QString::fromStdString(lst::SatzRegel(art)); };

    // The fund's add-on rate: two decimals, 0 to 10.
    Eintippen(e_->EKV2ANProz, QStringLiteral("1,705"));
    QVERIFY(Rot(e_->EKV2ANProz));
    QCOMPARE(e_->EKV2ANProz->toolTip(), regel(lst::TSatzArt::Zusatzbeitrag));
    QVERIFY(S().Parameter.KVZusatzEigen < 0);
    QCOMPARE(Datensaetze(S()).SV.Saetze[lst::svKV2].AN, lst::SVSaetzeStandard(2026, 12)[lst::beNV][lst::svKV2].AN);
    Eintippen(e_->EKV2ANProz, QStringLiteral("1,70"));
    QVERIFY(!Rot(e_->EKV2ANProz));
    QCOMPARE(S().Parameter.KVZusatzEigen, 1.7);
    WieKommandozeile({"--jahr", "2026", "--monat", "12", "--brutto", "3000", "--kv-zusatzbeitrag", "1,70"});
    Eintippen(e_->EKV2ANProz, QStringLiteral("10,5"));
    QVERIFY(Rot(e_->EKV2ANProz));
    Eintippen(e_->EKV2ANProz, QLocale().toString(mittel));
    QVERIFY(!Rot(e_->EKV2ANProz));

    // The levies: two decimals, 0 to 10.
    Eintippen(e_->EU1Proz, QStringLiteral("1,605"));
    QVERIFY(Rot(e_->EU1Proz));
    QCOMPARE(e_->EU1Proz->toolTip(), regel(lst::TSatzArt::Umlage));
    QCOMPARE(Datensaetze(S()).SV.U1, -1.0);
    Eintippen(e_->EU1Proz, QStringLiteral("10,01"));
    QVERIFY(Rot(e_->EU1Proz));
    Eintippen(e_->EU1Proz, QStringLiteral("1,6"));
    QVERIFY(!Rot(e_->EU1Proz));
    QVERIFY(e_->EU1Proz->toolTip() != regel(lst::TSatzArt::Umlage));
    WieKommandozeile({"--jahr", "2026", "--monat", "12", "--brutto", "3000", "--u1", "1,6"});
    Eintippen(e_->EU1Proz, QStringLiteral("0"));

    // The church tax: two decimals, 0 to 100.
    QLineEdit* kirche = e_->cbKirchenSt->lineEdit();
    Eintippen(kirche, QStringLiteral("8,125"));
    QVERIFY(Rot(kirche));
    QCOMPARE(kirche->toolTip(), regel(lst::TSatzArt::Kirchensteuer));
    QCOMPARE(Datensaetze(S()).LSt.KiStSatz, 0.08);
    QTest::keyClick(kirche, Qt::Key_Return);
    QCOMPARE(e_->cbKirchenSt->findText(QStringLiteral("8,125")), -1);  // not kept in the list
    Eintippen(kirche, QStringLiteral("8,5"));
    QVERIFY(!Rot(kirche));
    QCOMPARE(Datensaetze(S()).LSt.KiStSatz, 0.085);
    WieKommandozeile({"--jahr", "2026", "--monat", "12", "--brutto", "3000", "--kirchensteuer", "8,5"});
    // Without a church the rate is no question.
    Eintippen(kirche, QStringLiteral("101"));
    QVERIFY(Rot(kirche));
    Klick(e_->CBR);
    QVERIFY(!Rot(kirche));
    Klick(e_->CBR);
    Eintippen(kirche, QStringLiteral("8"));

    // A rate of the table: 0 to 100 with three decimals (the field takes
    // five characters); the period's default applies to a refused one.
    const double kv = lst::SVSaetzeStandard(2026, 12)[lst::beNV][lst::svKV].AN;
    Eintippen(e_->EKVANProz, QStringLiteral("7,305"));
    QVERIFY(!Rot(e_->EKVANProz));
    QCOMPARE(Datensaetze(S()).SV.Saetze[lst::svKV].AN, 7.305 / 100);
    Eintippen(e_->EKVANProz, QStringLiteral("101"));
    QVERIFY(Rot(e_->EKVANProz));
    QCOMPARE(e_->EKVANProz->toolTip(), regel(lst::TSatzArt::Beitrag));
    QCOMPARE(Datensaetze(S()).SV.Saetze[lst::svKV].AN, kv);
    Eintippen(e_->EKVANProz, QStringLiteral("7,3"));
    QVERIFY(!Rot(e_->EKVANProz));

    // The flat-rate tax of a minijob: two decimals, 0 to 100; the year's
    // rate applies to a refused one.
    Eintippen(e_->ELohn, QStringLiteral("500"));
    Klick(e_->CBGF);
    Klick(e_->CBPauschSt);
    Eintippen(e_->EPauschSt, QStringLiteral("2,555"));
    QVERIFY(Rot(e_->EPauschSt));
    QCOMPARE(e_->EPauschSt->toolTip(), regel(lst::TSatzArt::Pauschsteuer));
    QCOMPARE(Datensaetze(S()).LSt.PauschSatzAG, 0.02);
    Eintippen(e_->EPauschSt, QStringLiteral("2,5"));
    QVERIFY(!Rot(e_->EPauschSt));
    WieKommandozeile({"--jahr", "2026", "--monat", "12", "--brutto", "500", "--minijob", "--aufstockung",
                      "--pauschsteuer", "2,5"});
  }

  // Stored values the window could not use are named, the defaults shown;
  // they stay in the file when the window closes, unless the user typed
  // into their field.
  void unbrauchbareWerteBleiben() {
    cleanup();
    {
      TNewIniFile ini = Ini();
      QVERIFY(ini.WriteInteger("LoSt", "Jahr", 2026));
      QVERIFY(ini.WriteString("SV2026", "KVZusatz", "1,705"));
      QVERIFY(ini.WriteString("SV2026", "U1", "12"));
      QVERIFY(ini.WriteString("SV2026", "U2", "0,5"));
      QVERIFY(ini.WriteString("SV2026", "NVKVAN", "150"));
      QVERIFY(ini.WriteString("SV2026", "NVRVAN", "9,4"));
      QVERIFY(ini.WriteString("LSt2026", "PauschSt", "2,555"));
    }
    boxen_->Texte.clear();
    Starten();
    QTRY_COMPARE(boxen_->Texte.size(), 1);
    for (const char* schluessel : {"KVZusatz", "U1", "NVKVAN", "PauschSt"})
      QVERIFY2(boxen_->Texte[0].contains(QLatin1String(schluessel)), schluessel);
    const double mittel = lst::DurchschnittsZusatzbeitrag(2026, S().Parameter.Monat);
    QCOMPARE(e_->EKV2ANProz->text(), QLocale().toString(mittel));
    QCOMPARE(e_->EU1Proz->text(), QStringLiteral("0"));
    QCOMPARE(e_->EU2Proz->text(), QStringLiteral("0,5"));
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("7,3"));
    QCOMPARE(e_->ERVANProz->text(), QStringLiteral("9,4"));
    QCOMPARE(e_->EPauschSt->text(), QStringLiteral("2"));
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    Beenden();
    {
      const TNewIniFile ini = Ini();
      QCOMPARE(ini.ReadString("SV2026", "KVZusatz", ""), std::string("1,705"));
      QCOMPARE(ini.ReadString("SV2026", "U1", ""), std::string("12"));
      QCOMPARE(ini.ReadString("SV2026", "NVKVAN", ""), std::string("150"));
      QCOMPARE(ini.ReadString("LSt2026", "PauschSt", ""), std::string("2,555"));
      // The usable values and the other rates are saved as ever.
      QCOMPARE(ini.ReadString("SV2026", "U2", ""), std::string("0,5"));
      QCOMPARE(ini.ReadString("SV2026", "NVRVAN", ""), std::string("9,4"));
      QVERIFY(ini.ValueExists("SV2026", "NVKVAG"));
    }

    // Typed into their fields, the user's values replace them.
    boxen_->Texte.clear();
    Starten();
    QTRY_COMPARE(boxen_->Texte.size(), 1);
    Eintippen(e_->EKV2ANProz, QStringLiteral("2,1"));
    Eintippen(e_->EU1Proz, QStringLiteral("1,5"));
    Beenden();
    {
      const TNewIniFile ini = Ini();
      QCOMPARE(ini.ReadString("SV2026", "KVZusatz", ""), std::string("2,1"));
      QCOMPARE(ini.ReadString("SV2026", "U1", ""), std::string("1,5"));
      QCOMPARE(ini.ReadString("SV2026", "NVKVAN", ""), std::string("150"));
      QCOMPARE(ini.ReadString("LSt2026", "PauschSt", ""), std::string("2,555"));
    }
    boxen_->Texte.clear();
    Starten();
    QTRY_COMPARE(boxen_->Texte.size(), 1);
    Eintippen(e_->EKVANProz, QStringLiteral("7,3"));
    Klick(e_->CBGF);
    Eintippen(e_->EPauschSt, QStringLiteral("2,25"));
    Klick(e_->CBGF);
    // A switch of year stores the year left as well.
    r_->findChild<QAction*>(QStringLiteral("Jahr2025"))->trigger();
    {
      const TNewIniFile ini = r_->DateiNamen().SaetzeDatei();
      QCOMPARE(ini.ReadString("SV2026", "NVKVAN", ""), std::string("7,3"));
      QCOMPARE(ini.ReadString("LSt2026", "PauschSt", ""), std::string("2,25"));
    }
    Beenden();
    QCOMPARE(Ini().ReadString("SV2026", "NVKVAN", ""), std::string("7,3"));
    QVERIFY(boxen_->Texte.size() == 1);
  }
};

QTEST_MAIN(TestEingabenAb2014)
#include "test_eingaben_ab_2014.moc"
