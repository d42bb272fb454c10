// The tax years 1995 to 2013 in the calculator window, driven as a user
// drives it: the year chosen from the menu and the drop-down, the rates of
// each year kept apart, the DM years in DM or Euro, the year's rules on the
// boxes, and the same results as the command line.

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <memory>

#include "calc/jahresregeln.h"
#include "common/ini_datei.h"
#include "common/qt/edit_cs.h"
#include "fenster_hilfen.h"
#include "ui/anwendung.h"
#include "ui/calculator/bmg_dialog.h"
#include "ui/calculator/rechner.h"
#include "ui/tools/einkst.h"
#include "ui/tools/stvgl.h"
#include "ui/tools/werkzeuge.h"

using lst::TEditCS;
using lst::TFRechner;
using lst::TNewIniFile;

class TestJahre : public QObject {
  Q_OBJECT

  QTemporaryDir ordner_;
  std::unique_ptr<lst::TAnwendung> anw_;
  std::unique_ptr<TBoxFaenger> boxen_;
  TFRechner* r_ = nullptr;
  std::unique_ptr<TRechnerElemente> e_;

  QString Datei() const { return ordner_.filePath(QStringLiteral("DrumselLStTab.ini")); }
  TNewIniFile Ini() const { return TNewIniFile::AusPfad(Datei().toStdString()); }
  QString Wert(const char* name) const {
    auto* l = r_->findChild<QLabel*>(QString::fromLatin1(name));
    return l != nullptr ? l->text() : QStringLiteral("<fehlt>");
  }
  const lst::TAbrechnungsStand& S() const { return r_->Stand(); }

  void Starten() {
    anw_ = std::make_unique<lst::TAnwendung>();
    r_ = &anw_->Rechner();
    e_ = std::make_unique<TRechnerElemente>(r_);
    anw_->Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(r_));
  }
  // Ends the program as the user does: the window closes and saves.
  void Beenden() {
    r_->close();
    r_ = nullptr;
    anw_.reset();
  }

  // The year from the menu "Einstellungen / Steuerjahr".
  void MenueJahr(int jahr) {
    auto* a = r_->findChild<QAction*>(QStringLiteral("Jahr%1").arg(jahr));
    QVERIFY(a != nullptr);
    QVERIFY(a->isEnabled());
    a->trigger();
  }
  // The year from the drop-down, with the keyboard.
  void ListeJahr(int jahr) {
    e_->CBJahr->setFocus();
    const int ziel = e_->CBJahr->findData(jahr);
    QVERIFY(ziel >= 0);
    while (e_->CBJahr->currentIndex() < ziel) QTest::keyClick(e_->CBJahr, Qt::Key_Down);
    while (e_->CBJahr->currentIndex() > ziel) QTest::keyClick(e_->CBJahr, Qt::Key_Up);
  }
  // Menu, drop-down, caption and context agree on the year.
  void JahrPruefen(int jahr) {
    QCOMPARE(int(S().Parameter.Jahr), jahr);
    QCOMPARE(e_->CBJahr->currentData().toInt(), jahr);
    QCOMPARE(r_->windowTitle(), QStringLiteral("Lohnsteuerberechnung %1").arg(jahr));
    QCOMPARE(r_->Titel(), r_->windowTitle());
    int angehakt = 0;
    for (QAction* a : e_->JahrEintraege)
      if (a->isChecked()) {
        ++angehakt;
        QCOMPARE(a->data().toInt(), jahr);
      }
    QCOMPARE(angehakt, 1);
  }

  // The JSON object a command of lohnsteuer-cli prints.
  QJsonObject Cli(const QStringList& argumente) {
    QProcess cli;
    cli.start(QStringLiteral(LOHNSTEUER_CLI_PATH), argumente);
    if (!cli.waitForFinished(10000) || cli.exitCode() != 0) {
      qWarning() << cli.readAllStandardError();
      return {};
    }
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
  }

  // The window's result against "lohnsteuer-cli berechnen --json".
  void WieDieKommandozeile(const QStringList& optionen) {
    ::WieDieKommandozeile(S(), optionen);
  }

 private slots:
  void initTestCase() {
    TestUmgebung(ordner_);
    lst::TAnwendung::Einrichten(*qobject_cast<QApplication*>(QCoreApplication::instance()));
  }

  void init() {
    QFile::remove(Datei());
    JahrVorgeben(ordner_, 2013);
    boxen_ = std::make_unique<TBoxFaenger>();
    Starten();
  }

  void cleanup() {
    r_ = nullptr;
    anw_.reset();
    const QStringList texte = boxen_->Texte;
    boxen_.reset();
    QVERIFY2(texte.isEmpty(), qPrintable(texte.join(QLatin1Char('\n'))));
  }

  // The menu lists every year of the core, newest first; menu and drop-down
  // stay in step.
  void menueUndListe() {
    QCOMPARE(e_->Steuerjahr1->title(), QStringLiteral("Steuer&jahr"));
    const int jahre = lst::kLetztesLStJahr - lst::kErstesJahr + 1;
    const QString neuestes = QString::number(lst::kLetztesLStJahr);
    QCOMPARE(e_->JahrEintraege.size(), jahre);
    QCOMPARE(e_->JahrEintraege.first()->text(), neuestes);
    QCOMPARE(e_->JahrEintraege.last()->text(), QStringLiteral("1995"));
    QCOMPARE(e_->CBJahr->count(), jahre);
    QCOMPARE(e_->CBJahr->itemText(0), neuestes);
    QCOMPARE(r_->findChild<QLabel*>(QStringLiteral("LJahr"))->text(), QStringLiteral("Steuerjahr"));
    JahrPruefen(2013);
    MenueJahr(2007);
    JahrPruefen(2007);
    // The about box names the window's caption.
    QCOMPARE(r_->findChild<QDialog*>(QStringLiteral("AboutBox"))->findChild<QLabel*>(QStringLiteral("ProductName"))->text(),
             QStringLiteral("Lohnsteuerberechnung 2007"));
    ListeJahr(2010);
    JahrPruefen(2010);
    // Choosing the year in force again changes nothing.
    const lst::TMonatsErgebnis vorher = S().Ergebnis;
    MenueJahr(2010);
    JahrPruefen(2010);
    QCOMPARE(S().Ergebnis.Netto, vorher.Netto);
    // A year outside the core is refused.
    r_->JahrWechseln(1994);
    JahrPruefen(2010);
  }

  // 2013 -> 2012 -> 1999 -> 2013: at each stop the result of the command
  // line for that year with the same money entered.
  void wechselWieKommandozeile() {
    e_->CBStKl->setCurrentIndex(2);
    Eintippen(e_->E_ZKF, QStringLiteral("1"));
    r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost"))->click();
    e_->cbSachsen->click();
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    Eintippen(e_->EFreibetrag, QStringLiteral("1200"));
    const QStringList optionen{"--brutto", "3000", "--steuerklasse", "3", "--kinderfreibetraege", "1",
                               "--region", "ost", "--sachsen", "--freibetrag", "1200"};
    WieDieKommandozeile(optionen + QStringList{"--jahr", "2013"});
    MenueJahr(2012);
    JahrPruefen(2012);
    QCOMPARE(e_->ELohn->text(), QStringLiteral("3000"));
    WieDieKommandozeile(optionen + QStringList{"--jahr", "2012"});

    ListeJahr(1999);
    JahrPruefen(1999);
    // The same money in DM.
    QCOMPARE(e_->ELohn->text(), QStringLiteral("5867,49"));
    QCOMPARE(e_->EFreibetrag->text(), QStringLiteral("2347,00"));
    QCOMPARE(Wert("LDMBrutto"), QStringLiteral("[DM]"));
    QVERIFY(Wert("ErgNettoLohn").contains(QStringLiteral("DM")));
    // The command line with the same money typed in DM.
    WieDieKommandozeile(QStringList{"--brutto", "5867,49", "--steuerklasse", "3", "--kinderfreibetraege", "1",
                                    "--region", "ost", "--sachsen", "--freibetrag", "2347", "--dm", "--jahr",
                                    "1999"});
    // Child benefit of 1999: 250 DM a month.
    QCOMPARE(e_->EKindergeld->text(), QStringLiteral("250,00"));

    MenueJahr(2013);
    JahrPruefen(2013);
    QCOMPARE(e_->ELohn->text(), QStringLiteral("3000,00"));
    QCOMPARE(Wert("LDMBrutto"), QStringLiteral("[EUR]"));
    WieDieKommandozeile(optionen + QStringList{"--jahr", "2013"});
  }

  // Rates typed for 2012 belong to 2012: another year shows its own, the
  // way back and a restart bring them again.
  void saetzeDesJahres() {
    MenueJahr(2012);
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("7,3"));
    Eintippen(e_->EKVANProz, QStringLiteral("8,2"));
    // The flat-rate tax is typed with a minijob.
    e_->CBGF->click();
    Eintippen(e_->EPauschSt, QStringLiteral("3"));
    e_->CBGF->click();
    MenueJahr(2005);
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("7,45"));
    QCOMPARE(e_->EPauschSt->text(), QStringLiteral("2"));
    {
      // Stored at the switch, as at exit, in the settings the windows hold;
      // 2005 untouched so far.  The file itself is written at the exit.
      const TNewIniFile ini = r_->DateiNamen().SaetzeDatei();
      QVERIFY(ini.Gehalten());
      QCOMPARE(ini.ReadFloat("SV2012", "NVKVAN", 0), 8.2);
      QCOMPARE(ini.ReadFloat("LSt2012", "PauschSt", 0), 3.0);
      QVERIFY(!ini.ValueExists("SV2005", "NVKVAN"));
      QVERIFY(!Ini().ValueExists("SV2012", "NVKVAN"));
    }
    MenueJahr(2012);
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("8,2"));
    QCOMPARE(e_->EPauschSt->text(), QStringLiteral("3"));
    Eintippen(e_->ELohn, QStringLiteral("2500"));
    QVERIFY(qAbs(Datensaetze(S()).SV.Saetze[lst::svKV].AN - 0.082) < 1e-12);

    // With the special table nothing of the rates is stored at a switch.
    e_->rbBesTab->click();
    QCOMPARE(e_->ERVANProz->text(), QStringLiteral("0"));
    MenueJahr(2011);
    QCOMPARE(e_->ERVANProz->text(), QStringLiteral("0"));
    QCOMPARE(r_->DateiNamen().SaetzeDatei().ReadFloat("SV2012", "NVRVAN", 0), 9.8);
    e_->rbAllgTab->click();
    MenueJahr(2012);

    Beenden();
    QCOMPARE(Ini().ReadInteger("LoSt", "Jahr", 0), 2012);
    Starten();
    JahrPruefen(2012);
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("8,2"));
    QCOMPARE(e_->EPauschSt->text(), QStringLiteral("3"));
  }

  // 1999 in DM, then in Euro: the same money; 2013 has no DM.
  void dmUndEuro() {
    ListeJahr(1999);
    QVERIFY(e_->BetraegeInDM1->isEnabled());
    QVERIFY(e_->BetraegeInDM1->isChecked());
    for (const char* name : {"LDMBrutto", "LDMVersBez", "LDMFreiBetr", "LDMSonstiges"})
      QCOMPARE(Wert(name), QStringLiteral("[DM]"));
    QCOMPARE(Wert("LDMNetto"), QStringLiteral("DM"));
    QVERIFY(!S().Euro);
    Eintippen(e_->ELohn, QStringLiteral("5000"));
    Eintippen(e_->EZusBetrag, QStringLiteral("100"));
    const lst::TMonatsErgebnis dm = S().Ergebnis;
    QCOMPARE(S().Anfrage.Brutto, 500000);
    QVERIFY(Wert("ErgBruttoLohn").contains(QStringLiteral("5.000,00")));
    QVERIFY(Wert("ErgBruttoLohn").contains(QStringLiteral("DM")));

    e_->BetraegeInDM1->trigger();
    QVERIFY(!e_->BetraegeInDM1->isChecked());
    QVERIFY(S().Euro);
    QCOMPARE(e_->ELohn->text(), QStringLiteral("2556,46"));
    QCOMPARE(e_->EZusBetrag->text(), QStringLiteral("51,13"));
    QCOMPARE(Wert("LDMBrutto"), QStringLiteral("[EUR]"));
    QCOMPARE(Wert("LDMNetto"), QStringLiteral("EUR"));
    // The same pfennigs, shown in Euro.
    QCOMPARE(S().Anfrage.Brutto, 500000);
    QCOMPARE(S().Ergebnis.Netto, dm.Netto);
    QCOMPARE(S().Ergebnis.LSt, dm.LSt);
    QCOMPARE(Wert("ErgBruttoLohn"), GeldText(255646));

    // Back to DM: the typed amounts come back.
    e_->BetraegeInDM1->trigger();
    QCOMPARE(e_->ELohn->text(), QStringLiteral("5000,00"));
    QCOMPARE(S().Ergebnis.Netto, dm.Netto);

    // A start in a DM year shows DM from the first moment, the ceilings too.
    Beenden();
    Starten();
    JahrPruefen(1999);
    QCOMPARE(Wert("LDMBrutto"), QStringLiteral("[DM]"));
    QVERIFY(e_->BetraegeInDM1->isChecked());
    QCOMPARE(anw_->BMG().findChild<QLabel*>(QStringLiteral("LDM1"))->text(), QStringLiteral("DM pro Monat"));
    QVERIFY(!e_->CBGleitZ->isEnabled());
    Eintippen(e_->ELohn, QStringLiteral("5000"));

    // A Euro year has no DM; the choice stays for the next DM year.
    e_->BetraegeInDM1->trigger();
    MenueJahr(2013);
    QVERIFY(!e_->BetraegeInDM1->isEnabled());
    QVERIFY(!e_->BetraegeInDM1->isChecked());
    QCOMPARE(e_->ELohn->text(), QStringLiteral("2556,46"));
    MenueJahr(2001);
    QVERIFY(!e_->BetraegeInDM1->isChecked());
    QCOMPARE(Wert("LDMBrutto"), QStringLiteral("[EUR]"));
    QCOMPARE(S().Anfrage.Brutto, lst::InCent(S().Parameter.Jahr, S().Euro, 2556.46));
  }

  // The boxes follow the year's rules.
  void regelnDerJahre() {
    // 2002 has no sliding zone: the box is unchecked and disabled.
    e_->CBGleitZ->click();
    QVERIFY(e_->CBGleitZ->isChecked());
    MenueJahr(2002);
    QVERIFY(!e_->CBGleitZ->isChecked());
    QVERIFY(!e_->CBGleitZ->isEnabled());
    QVERIFY(!e_->CBRV_Verzicht->isEnabled());
    QVERIFY(!Datensaetze(S()).SV.Gleitzone);
    // 2003: from April on, 400,01 to 800,00 a month, red outside.
    MenueJahr(2003);
    QVERIFY(e_->CBGleitZ->isEnabled());
    QVERIFY(e_->CBGleitZ->toolTip().contains(QStringLiteral("01.04.2003")));
    e_->CBGleitZ->click();
    Eintippen(e_->ELohn, QStringLiteral("400"));
    QVERIFY(Rot(e_->CBGleitZ));
    Eintippen(e_->ELohn, QStringLiteral("400,01"));
    QVERIFY(!Rot(e_->CBGleitZ));
    // Weekly: the bounds of the week (93,31 and 186,69).
    e_->CBLZZ->setCurrentIndex(2);
    Eintippen(e_->ELohn, QStringLiteral("93,31"));
    QVERIFY(Rot(e_->CBGleitZ));
    Eintippen(e_->ELohn, QStringLiteral("93,32"));
    QVERIFY(!Rot(e_->CBGleitZ));
    Eintippen(e_->ELohn, QStringLiteral("186,69"));
    QVERIFY(!Rot(e_->CBGleitZ));
    Eintippen(e_->ELohn, QStringLiteral("186,70"));
    QVERIFY(Rot(e_->CBGleitZ));
    e_->CBLZZ->setCurrentIndex(1);

    // 2004: no health surcharge and no care surcharge for the childless.
    MenueJahr(2004);
    QVERIFY(!e_->cbKV2->isEnabled());
    QVERIFY(!e_->EKV2ANProz->isEnabled());
    QVERIFY(!e_->cbPV2->isEnabled());
    QVERIFY(!e_->ePV2ANProz->isEnabled());
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    QCOMPARE(S().Ergebnis.Beitrag(lst::svKV2).AN, 0);
    QCOMPARE(S().Ergebnis.Beitrag(lst::svPV2).AN, 0);
    // Even a settings file that holds a surcharge for 2004 does not bring it.
    MenueJahr(2005);
    {
      TNewIniFile ini = r_->DateiNamen().SaetzeDatei();
      QVERIFY(ini.WriteFloat("SV2004", "NVKV2AN", 0.9));
    }
    MenueJahr(2004);
    QVERIFY(!e_->cbKV2->isEnabled());
    QCOMPARE(S().Ergebnis.Beitrag(lst::svKV2).AN, 0);
    // Without a surcharge its box shows no check mark; the choice comes back.
    QVERIFY(!e_->cbKV2->isChecked());
    QVERIFY(!e_->cbPV2->isChecked());
    // 2005 has both.
    MenueJahr(2005);
    QVERIFY(e_->cbKV2->isChecked());
    QVERIFY(e_->cbPV2->isChecked());
    e_->cbKV2->click();
    MenueJahr(1998);
    MenueJahr(2006);
    QVERIFY(!e_->cbKV2->isChecked());
    e_->cbKV2->click();
    MenueJahr(2005);
    QVERIFY(e_->cbKV2->isEnabled());
    QVERIFY(e_->cbPV2->isEnabled());
    QCOMPARE(e_->EKV2ANProz->text(), QStringLiteral("0,9"));
    QVERIFY(S().Ergebnis.Beitrag(lst::svKV2).AN > 0);

    // The basic-allowance choice belongs to 2013.
    QVERIFY(!e_->Grundfreibetrag8004->isEnabled());
    QVERIFY(!e_->Grundfreibetrag8130->isEnabled());
    MenueJahr(2013);
    QVERIFY(e_->Grundfreibetrag8004->isEnabled());

    // The pension top-up of a minijob from 2000 on, in private households
    // from 2004 on.
    MenueJahr(1999);
    e_->CBGF->click();
    QVERIFY(!e_->CBAufst->isEnabled());
    MenueJahr(2000);
    QVERIFY(e_->CBAufst->isEnabled());
    e_->CBprivHH->click();
    QVERIFY(!e_->CBAufst->isEnabled());
    MenueJahr(2004);
    QVERIFY(e_->CBAufst->isEnabled());
    e_->CBprivHH->click();

    // Saxony: half a point more for the employee in every year.
    MenueJahr(1996);
    r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost"))->click();
    e_->cbSachsen->click();
    QCOMPARE(e_->EPVANProz->text(), QStringLiteral("1"));
    QCOMPARE(e_->EPVAGProz->text(), QStringLiteral("0"));
    MenueJahr(2009);
    QCOMPARE(e_->EPVANProz->text(), QStringLiteral("1,475"));
    QCOMPARE(e_->EPVAGProz->text(), QStringLiteral("0,475"));

    // Child benefit of the year: 164 EUR in 2009, 184 EUR in 2013.
    Eintippen(e_->E_ZKF, QStringLiteral("1"));
    QCOMPARE(e_->EKindergeld->text(), QStringLiteral("164,00"));
    MenueJahr(2013);
    QCOMPARE(e_->EKindergeld->text(), QStringLiteral("184,00"));
  }

  // The ceilings dialog shows the year's ceilings, in the display currency.
  void bemessungsgrenzen() {
    MenueJahr(2005);
    lst::TFBMG& d = anw_->BMG();
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Beitragsbemessungsgrenzen 2005"));
    QCOMPARE(d.EKVWest->text(), QStringLiteral("3525,00"));
    QCOMPARE(d.ERVWest->text(), QStringLiteral("5200,00"));
    QCOMPARE(d.ERVOst->text(), QStringLiteral("4400,00"));
    QCOMPARE(d.EGFWest->text(), QStringLiteral("400,00"));
    // Confirming stores them for 2005 alone.
    Eintippen(d.EKVWest, QStringLiteral("3600"));
    QTest::mouseClick(d.BOK, Qt::LeftButton);
    QCOMPARE(Ini().ReadInteger("BMG2005", "KVWest", 0), 360000);
    QVERIFY(!Ini().ValueExists("BMG2013", "KVWest"));
    QCOMPARE(S().Parameter.BBG[lst::bbgKV][lst::rgWest], 360000);
    MenueJahr(2013);
    QCOMPARE(S().Parameter.BBG[lst::bbgKV][lst::rgWest], 393750);
    MenueJahr(2005);
    QCOMPARE(S().Parameter.BBG[lst::bbgKV][lst::rgWest], 360000);

    // 1999 in DM.
    MenueJahr(1999);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Beitragsbemessungsgrenzen 1999"));
    QCOMPARE(d.EKVWest->text(), QStringLiteral("6375,00"));
    QCOMPARE(d.findChild<QLabel*>(QStringLiteral("LDM5"))->text(), QStringLiteral("DM pro Monat"));
    QTest::mouseClick(d.BCancel, Qt::LeftButton);
    MenueJahr(2013);
    QCOMPARE(d.findChild<QLabel*>(QStringLiteral("LDM5"))->text(), QStringLiteral("EUR pro Monat"));
  }

  // The tool windows compute the chosen year in the display currency: the
  // income-tax display (1999 through the year's tariff step), the
  // comparison (typed amounts converted with the currency), the table.
  void werkzeugeFolgen() {
    lst::TWerkzeuge& w = anw_->Werkzeuge();
    MenueJahr(1999);
    Eintippen(e_->ELohn, QStringLiteral("5000"));
    e_->EinkommensteuerAnzeige1->trigger();
    lst::TFEinkSt* est = w.EinkSt();
    QVERIFY(est->isVisible());
    QCOMPARE(est->findChild<QLabel*>(QStringLiteral("LDMBrutto"))->text(), QStringLiteral("[DM]"));
    auto* einkommen = est->findChild<TEditCS*>(QStringLiteral("ELohn"));
    Eintippen(einkommen, QStringLiteral("50000"));
    const QJsonObject e = Cli({"einkommensteuer", "50000", "--jahr", "1999", "--dm", "--json"});
    QVERIFY(e.value("ESt").toInteger() > 1000000);  // over 10.000 DM
    auto wert = [](QWidget* f, const char* name) { return f->findChild<QLabel*>(QString::fromLatin1(name))->text(); };
    auto dm = [](std::int64_t cent) {
      return QLocale().toString(static_cast<double>(cent) / 100, 'f', 2) + QStringLiteral(" DM");
    };
    QCOMPARE(wert(est, "ErgSteuern"), dm(e.value("ESt").toInteger()));
    QCOMPARE(wert(est, "ErgSoli"), dm(e.value("Soli").toInteger()));
    QCOMPARE(wert(est, "ErgKiSt"), dm(e.value("KiSt").toInteger()));
    // 2005 in Euro: the display follows the switch.
    MenueJahr(2005);
    QCOMPARE(est->findChild<QLabel*>(QStringLiteral("LDMBrutto"))->text(), QStringLiteral("[EUR]"));
    QVERIFY(wert(est, "ErgSteuern").endsWith(QStringLiteral("EUR")));
    e_->EinkommensteuerAnzeige1->trigger();

    MenueJahr(1999);
    e_->Steuerklassenvgl1->trigger();
    lst::TFStVgl* vgl = w.StVgl();
    QVERIFY(vgl->isVisible());
    Eintippen(vgl->findChild<TEditCS*>(QStringLiteral("EStPflAN")), QStringLiteral("7000"));
    Eintippen(vgl->findChild<TEditCS*>(QStringLiteral("EStPflEG")), QStringLiteral("3000"));
    const QJsonObject v = Cli({"vergleich", "7000", "3000", "--jahr", "1999", "--dm", "--json"});
    QCOMPARE(vgl->Ergebnis().AN3, v.value("AN_3").toInteger());
    QCOMPARE(vgl->Ergebnis().EG5, v.value("EG_5").toInteger());
    QCOMPARE(vgl->Ergebnis().Summe44(), v.value("Summe_44").toInteger());
    QVERIFY(wert(vgl, "L35AN").endsWith(QStringLiteral("DM")));
    // In Euro the same money: the typed wages are converted, the taxes stay.
    e_->BetraegeInDM1->trigger();
    QCOMPARE(vgl->findChild<TEditCS*>(QStringLiteral("EStPflAN"))->text(), QStringLiteral("3579,04"));
    QCOMPARE(vgl->Ergebnis().AN3, v.value("AN_3").toInteger());
    QVERIFY(wert(vgl, "L35AN").endsWith(QStringLiteral("EUR")));
    // 2010 knows a third KRV; the comparison computes that year.
    MenueJahr(2010);
    const QJsonObject v10 = Cli({"vergleich", "3579,04", "1533,88", "--jahr", "2010", "--json"});
    QCOMPARE(vgl->Ergebnis().AN3, v10.value("AN_3").toInteger());
    QCOMPARE(vgl->Ergebnis().Summe53(), v10.value("Summe_53").toInteger());
    vgl->close();
  }

  // A damaged or unknown year in the settings starts in 2013 and is named.
  void kaputtesJahr_data() {
    QTest::addColumn<QString>("wert");
    QTest::newRow("text") << QStringLiteral("zwanzig");
    QTest::newRow("zu frueh") << QStringLiteral("1994");
    QTest::newRow("zu spaet") << QString::number(lst::kLetztesLStJahr + 1);
  }
  void kaputtesJahr() {
    QFETCH(QString, wert);
    Beenden();
    {
      TNewIniFile ini = Ini();
      QVERIFY(ini.WriteString("LoSt", "Jahr", wert.toStdString()));
    }
    Starten();
    // The newest year instead, and the user hears why.
    JahrPruefen(lst::kLetztesLStJahr);
    QTRY_COMPARE(boxen_->Texte.size(), 1);
    QVERIFY2(boxen_->Texte[0].contains(QStringLiteral("Jahr=") + wert), qPrintable(boxen_->Texte[0]));
    boxen_->Texte.clear();
    // A good year comes back.
    MenueJahr(2008);
    Beenden();
    Starten();
    JahrPruefen(2008);
  }

  // Pictures for a look by eye; only when LOHNSTEUER_BILDER names a folder.
  void bilder() {
    const QString ziel = qEnvironmentVariable("LOHNSTEUER_BILDER");
    if (ziel.isEmpty()) QSKIP("LOHNSTEUER_BILDER not set");
    auto speichern = [&](QWidget* w, const QString& name) {
      QApplication::processEvents();
      QVERIFY(w->grab().save(ziel + "/" + name + ".png"));
    };
    r_->resize(1000, 760);
    Eintippen(e_->ELohn, QStringLiteral("3456,78"));
    Eintippen(e_->E_ZKF, QStringLiteral("1"));
    speichern(r_, QStringLiteral("jahr_2013"));
    MenueJahr(2005);
    e_->CBGleitZ->click();
    speichern(r_, QStringLiteral("jahr_2005"));
    MenueJahr(1999);
    speichern(r_, QStringLiteral("jahr_1999_dm"));
    // The tools in 1999.
    e_->EinkommensteuerAnzeige1->trigger();
    speichern(anw_->Werkzeuge().EinkSt(), QStringLiteral("einkst_1999_dm"));
    e_->EinkommensteuerAnzeige1->trigger();
    e_->Steuerklassenvgl1->trigger();
    Eintippen(anw_->Werkzeuge().StVgl()->findChild<TEditCS*>(QStringLiteral("EStPflAN")), QStringLiteral("7000"));
    Eintippen(anw_->Werkzeuge().StVgl()->findChild<TEditCS*>(QStringLiteral("EStPflEG")), QStringLiteral("3000"));
    speichern(anw_->Werkzeuge().StVgl(), QStringLiteral("vergleich_1999_dm"));
    anw_->Werkzeuge().StVgl()->close();
    // The settings menu, opened.
    auto* einst = r_->findChild<QMenu*>(QStringLiteral("Einstellungen1"));
    einst->popup(r_->mapToGlobal(QPoint(60, 20)));
    QTest::qWait(50);
    speichern(einst, QStringLiteral("menue_einstellungen"));
    e_->Steuerjahr1->popup(r_->mapToGlobal(QPoint(300, 60)));
    QTest::qWait(50);
    speichern(e_->Steuerjahr1, QStringLiteral("menue_steuerjahr"));
    e_->Steuerjahr1->hide();
    einst->hide();
  }
};

QTEST_MAIN(TestJahre)
#include "test_jahre.moc"
