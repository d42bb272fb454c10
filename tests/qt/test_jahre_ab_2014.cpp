// The years 2014 to 2026 in the calculator window, driven as a user drives
// it: the first start in the newest year, the pay month and the flowchart it
// chooses, the inputs of the newer rule periods (add-on rate, children under
// 25, transition zone, levies), the result lines, and the same figures as
// the command line.

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>

#include <memory>

#include "calc/jahresregeln.h"
#include "calc/sozialversicherung.h"
#include "common/ini_datei.h"
#include "common/qt/edit_cs.h"
#include "fenster_hilfen.h"
#include "lohnsteuer/versionen.h"
#include "ui/anwendung.h"
#include "ui/calculator/bmg_dialog.h"
#include "ui/calculator/rechner.h"

using lst::TEditCS;
using lst::TFRechner;
using lst::TNewIniFile;

class TestJahreAb2014 : public QObject {
  Q_OBJECT

  QTemporaryDir ordner_;
  std::unique_ptr<lst::TAnwendung> anw_;
  std::unique_ptr<TBoxFaenger> boxen_;
  TFRechner* r_ = nullptr;

  QString Datei() const { return ordner_.filePath(QStringLiteral("DrumselLStTab.ini")); }
  lst::TAbrechnung& D() { return anw_->Daten(); }

  void Starten() {
    anw_ = std::make_unique<lst::TAnwendung>();
    r_ = &anw_->Rechner();
    anw_->Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(r_));
  }
  void Beenden() {
    r_->close();
    r_ = nullptr;
    anw_.reset();
  }
  void Jahr(int jahr) { Waehlen(r_->CBJahr, jahr); }
  void Monat(int monat) { Waehlen(r_->CBMonat, monat); }
  // Back to a plain employee in the West, statutory insurance, no children.
  void Grundzustand() {
    Setzen(r_->CBGF, false);
    Setzen(r_->CBprivHH, false);
    Setzen(r_->cbPriv, false);
    Setzen(r_->CBGleitZ, false);
    if (r_->cbSachsen->isEnabled()) Setzen(r_->cbSachsen, false);
    if (auto* west = r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_West"))) Klick(west);
    Eintippen(r_->E_ZKF, QString());
    if (r_->E_KinderU25->isEnabled()) Eintippen(r_->E_KinderU25, QString());
    r_->cbKirchenSt->setCurrentIndex(r_->cbKirchenSt->findText(QStringLiteral("8")));
    r_->Arbeitnehmeranteil1->trigger();
  }
  QString Wert(const char* name) const {
    auto* l = r_->findChild<QLabel*>(QString::fromLatin1(name));
    return l != nullptr ? l->text() : QStringLiteral("<fehlt>");
  }
  bool Sichtbar(const char* name) const {
    auto* w = r_->findChild<QWidget*>(QString::fromLatin1(name));
    return w != nullptr && w->isVisible();
  }

 private slots:
  void initTestCase() {
    TestUmgebung(ordner_);
    boxen_ = std::make_unique<TBoxFaenger>();
  }
  void cleanup() {
    if (r_ != nullptr) Beenden();
  }

  // A first start opens the newest year carried in the month of today (or
  // December); the lists name every year, newest first.
  void ersterStartImNeuestenJahr() {
    QFile::remove(Datei());
    Starten();
    const int neu = TFRechner::NeuestesJahr();
    QCOMPARE(neu, lst::kLetztesLStJahr);
    const QString neuestes = QString::number(neu);
    QCOMPARE(int(anw_->Kontext().LStJahr), neu);
    QCOMPARE(r_->windowTitle(), QStringLiteral("Lohnsteuerberechnung ") + neuestes);
    QCOMPARE(r_->CBJahr->count(), neu - 1995 + 1);
    QCOMPARE(r_->CBJahr->itemData(0).toInt(), neu);
    QCOMPARE(r_->CBJahr->itemData(r_->CBJahr->count() - 1).toInt(), 1995);
    QCOMPARE(r_->JahrEintraege.size(), neu - 1995 + 1);
    QCOMPARE(r_->JahrEintraege.first()->data().toInt(), neu);
    QVERIFY(r_->JahrEintraege.first()->isChecked());
    const int monat = QDate::currentDate().year() == neu ? QDate::currentDate().month() : 12;
    QCOMPARE(TFRechner::StandardMonat(neu), monat);
    QCOMPARE(TFRechner::StandardMonat(2019), 12);
    QVERIFY(r_->CBMonat->isVisible());
    QCOMPARE(r_->CBMonat->currentData().toInt(), monat);
    QCOMPARE(r_->CBMonat->itemText(0), QStringLiteral("Januar"));
    QCOMPARE(r_->CBMonat->itemText(2), QStringLiteral("März"));
    QCOMPARE(r_->LAblaufplan->text(), QStringLiteral("Ablaufplan ") + neuestes);
    // A stored year is kept.
    Jahr(2019);
    Beenden();
    Starten();
    QCOMPARE(int(anw_->Kontext().LStJahr), 2019);
    QCOMPARE(r_->CBMonat->currentData().toInt(), 12);
    Jahr(2026);
  }

  // The month chooses the flowchart: November and December 2024 differ.
  void monatWaehltAblaufplan() {
    Starten();
    Grundzustand();
    Jahr(2024);
    QCOMPARE(r_->CBMonat->currentData().toInt(), 12);
    QCOMPARE(r_->LAblaufplan->text(), QStringLiteral("Ablaufplan 2024 Dezember"));
    Eintippen(r_->ELohn, QStringLiteral("3000"));
    Monat(11);
    QCOMPARE(int(anw_->Kontext().LStMonat), 11);
    QCOMPARE(r_->LAblaufplan->text(), QStringLiteral("Ablaufplan 2024 Januar bis November"));
    QCOMPARE(anw_->Kontext().VersionFuer(2024), lst::LStVersionNachSchluessel("2024"));
    const std::int64_t november = D().Ergebnis.LSt.LSt;
    WieDieKommandozeile(D(), {"--brutto", "3000"});
    Monat(12);
    QCOMPARE(r_->LAblaufplan->text(), QStringLiteral("Ablaufplan 2024 Dezember"));
    QCOMPARE(anw_->Kontext().VersionFuer(2024), lst::LStVersionNachSchluessel("2024dez"));
    QVERIFY(D().Ergebnis.LSt.LSt < november);
    WieDieKommandozeile(D(), {"--brutto", "3000"});
    // Before 2014 there is no month to choose.
    Jahr(2013);
    QVERIFY(!r_->CBMonat->isVisible());
    QVERIFY(!r_->LAblaufplan->isVisible());
  }

  // Each new input only where its period has it; the old-only boxes not
  // after theirs.
  void felderNachRegelperiode() {
    Starten();
    Grundzustand();
    Jahr(2013);
    for (QWidget* w : std::initializer_list<QWidget*>{r_->E_KinderU25, r_->EU1Proz, r_->EU2Proz})
      QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(r_->cbKV2->text(), QStringLiteral("KV Zuschlag"));
    QCOMPARE(r_->CBGleitZ->text(), QStringLiteral("Gleitzone"));
    QVERIFY(r_->CBRV_Verzicht->isEnabled());
    QVERIFY(r_->E_KinderU25->text().isEmpty());

    Jahr(2015);
    QCOMPARE(r_->cbKV2->text(), QStringLiteral("KV Zusatzbeitrag"));
    QCOMPARE(r_->EKV2ANProz->text(), QStringLiteral("0,9"));
    QVERIFY(r_->EU1Proz->isEnabled());
    QVERIFY(!r_->E_KinderU25->isEnabled());

    Jahr(2019);
    Monat(6);
    QCOMPARE(r_->CBGleitZ->text(), QStringLiteral("Gleitzone"));
    QVERIFY(r_->CBRV_Verzicht->isEnabled());
    Monat(7);
    QCOMPARE(r_->CBGleitZ->text(), QStringLiteral("Übergangsbereich"));
    QVERIFY(!r_->CBRV_Verzicht->isEnabled());

    Jahr(2020);
    QVERIFY(!r_->CBRV_Verzicht->isEnabled());
    QVERIFY(!r_->CBRV_Verzicht->isChecked());

    Jahr(2023);
    Monat(6);
    QVERIFY(!r_->E_KinderU25->isEnabled());
    Monat(7);
    QVERIFY(r_->E_KinderU25->isEnabled());
    // Marginal employment pays no care contribution of its own.
    Klick(r_->CBGF);
    QVERIFY(!r_->E_KinderU25->isEnabled());
    Klick(r_->CBGF);
    QVERIFY(r_->E_KinderU25->isEnabled());

    // East stays selectable when the ceilings became one (Saxony).
    Jahr(2026);
    auto* ost = r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost"));
    QVERIFY(ost->isEnabled());
  }

  // The window's figures are the command line's for the same inputs.
  void wieDieKommandozeile() {
    Starten();
    Grundzustand();

    // 2015 with the fund's add-on rate 1,1 %.
    Jahr(2015);
    Eintippen(r_->ELohn, QStringLiteral("3000"));
    Eintippen(r_->EKV2ANProz, QStringLiteral("1,1"));
    QVERIFY(D().Ergebnis.SV.AN(lst::svKV2) > 0);
    WieDieKommandozeile(D(), {"--brutto", "3000", "--kv-zusatzbeitrag", "1,1"});
    Eintippen(r_->EKV2ANProz, QStringLiteral("0,9"));

    // July 2019 in the transition zone.
    Jahr(2019);
    Monat(7);
    Eintippen(r_->ELohn, QStringLiteral("1000"));
    Klick(r_->CBGleitZ);
    QVERIFY(D().Ergebnis.SV.BE > 0);
    QVERIFY(Sichtbar("ErgBE"));
    WieDieKommandozeile(D(), {"--brutto", "1000", "--uebergangsbereich"});
    // The employer's view shows the base as well.
    r_->Arbeitgeberanteil1->trigger();
    QVERIFY(Sichtbar("ErgBE"));
    WieDieKommandozeile(D(), {"--brutto", "1000", "--uebergangsbereich"});
    r_->Arbeitnehmeranteil1->trigger();

    // October 2022 in the zone: the employee's own base as well.
    Jahr(2022);
    Monat(10);
    QVERIFY(r_->CBGleitZ->isChecked() || r_->CBGleitZ->isEnabled());
    Setzen(r_->CBGleitZ, true);
    Eintippen(r_->ELohn, QStringLiteral("1000"));
    QVERIFY(D().Ergebnis.SV.BE_AN > 0);
    QVERIFY(Sichtbar("ErgBEAN"));
    WieDieKommandozeile(D(), {"--brutto", "1000", "--uebergangsbereich"});
    Setzen(r_->CBGleitZ, false);

    // July 2023, three children under 25: two discounts.
    Jahr(2023);
    Monat(7);
    Eintippen(r_->ELohn, QStringLiteral("4000"));
    Eintippen(r_->E_ZKF, QStringLiteral("3"));
    Eintippen(r_->E_KinderU25, QStringLiteral("3"));
    QCOMPARE(D().Rechnung.SV.PVAbschlaege, std::uint8_t{2});
    WieDieKommandozeile(D(), {"--brutto", "4000", "--kinderfreibetraege", "3", "--pv-abschlaege", "2"});
    Eintippen(r_->E_KinderU25, QString());
    Eintippen(r_->E_ZKF, QString());

    // 2026: standard employee with church tax 9 %.
    Jahr(2026);
    Monat(12);
    Eintippen(r_->ELohn, QStringLiteral("4000"));
    r_->cbKirchenSt->setCurrentIndex(r_->cbKirchenSt->findText(QStringLiteral("9")));
    QVERIFY(D().Ergebnis.LSt.KiSt > 0);
    WieDieKommandozeile(D(), {"--brutto", "4000", "--kirchensteuer", "9"});
    // The employer's view with the levies.
    r_->Arbeitgeberanteil1->trigger();
    QVERIFY(Sichtbar("ErgIGU"));
    QVERIFY(D().Ergebnis.SV.IGU_AG > 0);
    QCOMPARE(Wert("ErgUmlagenGesamt"), GeldText(D().Ergebnis.AGGesamtUmlagen));
    WieDieKommandozeile(D(), {"--brutto", "4000", "--kirchensteuer", "9", "--arbeitgeber"});
    Eintippen(r_->EU1Proz, QStringLiteral("1,6"));
    Eintippen(r_->EU2Proz, QStringLiteral("0,44"));
    QVERIFY(D().Ergebnis.SV.U1_AG > 0);
    WieDieKommandozeile(D(), {"--brutto", "4000", "--kirchensteuer", "9", "--u1", "1,6", "--u2", "0,44"});
    // Out of range: red, and the default applies.
    Eintippen(r_->EU1Proz, QStringLiteral("55"));
    QVERIFY(Rot(r_->EU1Proz));
    QCOMPARE(D().Ergebnis.SV.U1_AG, std::int64_t{0});
    Eintippen(r_->EKV2ANProz, QStringLiteral("12,5"));
    QVERIFY(Rot(r_->EKV2ANProz));
    QCOMPARE(D().Rechnung.SV.Saetze[lst::svKV2].AN, lst::SVSaetzeStandard(2026, 12)[lst::beNV][lst::svKV2].AN);
    Eintippen(r_->EKV2ANProz, QStringLiteral("2,9"));
    QVERIFY(!Rot(r_->EKV2ANProz));
    Eintippen(r_->EU1Proz, QStringLiteral("0"));
    QVERIFY(!Rot(r_->EU1Proz));
    Eintippen(r_->EU2Proz, QStringLiteral("0"));
    r_->Arbeitnehmeranteil1->trigger();
    r_->cbKirchenSt->setCurrentIndex(r_->cbKirchenSt->findText(QStringLiteral("8")));

    // 2026 minijob: the pension top-up is ticked, the levies are the
    // minijob office's.
    Eintippen(r_->ELohn, QStringLiteral("500"));
    Klick(r_->CBGF);
    QVERIFY(r_->CBAufst->isChecked());
    QVERIFY(D().Ergebnis.SV.AN(lst::svRVAuf) > 0);
    QVERIFY(r_->EU1Proz->AsFloat() > 0);
    WieDieKommandozeile(D(), {"--brutto", "500", "--minijob", "--aufstockung"});
    r_->Arbeitgeberanteil1->trigger();
    QVERIFY(D().Ergebnis.SV.U1_AG > 0);
    WieDieKommandozeile(D(), {"--brutto", "500", "--minijob", "--aufstockung"});
    r_->Arbeitnehmeranteil1->trigger();
    // Unticked: the employee's exemption.
    Klick(r_->CBAufst);
    QCOMPARE(D().Ergebnis.SV.AN(lst::svRVAuf), std::int64_t{0});
    WieDieKommandozeile(D(), {"--brutto", "500", "--minijob"});
    Klick(r_->CBGF);

    // 2026 in Saxony.
    Eintippen(r_->ELohn, QStringLiteral("3500"));
    Klick(r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost")));
    Klick(r_->cbSachsen);
    QVERIFY(D().Rechnung.SV.PVS);
    WieDieKommandozeile(D(), {"--brutto", "3500", "--region", "ost", "--sachsen"});
    Klick(r_->cbSachsen);
  }

  // The fund's add-on rate is kept per year; the rates left at their
  // defaults follow the pay month.
  void zusatzbeitragUndMonateBleiben() {
    Starten();
    Grundzustand();
    Jahr(2023);
    Monat(6);
    const QString pvJuni = r_->EPVANProz->text();
    Monat(7);
    QVERIFY2(r_->EPVANProz->text() != pvJuni, qPrintable(pvJuni));
    Eintippen(r_->EKV2ANProz, QStringLiteral("1,9"));
    Monat(3);
    QCOMPARE(r_->EKV2ANProz->text(), QStringLiteral("1,9"));
    QCOMPARE(r_->EPVANProz->text(), pvJuni);
    Beenden();
    const TNewIniFile ini = TNewIniFile::AusPfad(Datei().toStdString());
    QCOMPARE(ini.ReadFloat("SV2023", "KVZusatz", 0), 1.9);
    // The file holds the year's row: the care rate of the first period.
    Starten();
    Jahr(2023);
    Monat(7);
    QCOMPARE(r_->EKV2ANProz->text(), QStringLiteral("1,9"));
    Monat(1);
    QCOMPARE(r_->EPVANProz->text(), pvJuni);
  }

  // The ceilings dialog shows the pay month's period; what the user types
  // there is stored as the year's row and applies to every month of it.
  void bemessungsgrenzenDerPeriode() {
    QFile::remove(Datei());
    Starten();
    Grundzustand();
    Jahr(2022);
    Monat(9);
    lst::TFBMG& d = anw_->BMG();
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("Beitragsbemessungsgrenzen September 2022"));
    QCOMPARE(d.EGFWest->text(), QStringLiteral("450,00"));
    d.BCancel->click();
    Monat(10);
    d.show();
    QCOMPARE(d.EGFWest->text(), QStringLiteral("520,00"));
    Eintippen(d.EKVWest, QStringLiteral("5000"));
    d.BOK->click();
    QVERIFY(!d.isVisible());
    const auto& bbg = anw_->Kontext().BBGTabelle;
    QCOMPARE(bbg[lst::bbgKV][lst::rgWest], std::int64_t{500000});
    QCOMPARE(bbg[lst::bbgGF][lst::rgWest], std::int64_t{52000});
    {
      const TNewIniFile ini = TNewIniFile::AusPfad(Datei().toStdString());
      QCOMPARE(ini.ReadInteger("BMG2022", "KVWest", 0), 500000);
      QCOMPARE(ini.ReadInteger("BMG2022", "GFWest", 0), 45000);
    }
    // A minijob of 500 EUR is one in October, not in September.
    Eintippen(r_->ELohn, QStringLiteral("500"));
    Klick(r_->CBGF);
    QVERIFY(!Rot(r_->CBGF));
    Monat(9);
    QCOMPARE(bbg[lst::bbgKV][lst::rgWest], std::int64_t{500000});
    QCOMPARE(bbg[lst::bbgGF][lst::rgWest], std::int64_t{45000});
    QVERIFY(Rot(r_->CBGF));
    Klick(r_->CBGF);
  }

  // Random inputs of every year from 2014, typed and clicked: each result
  // is the command line's for the same options.
  void zufallWieKommandozeile() {
    QFile::remove(Datei());
    Starten();
    Grundzustand();
    const quint32 saat = qEnvironmentVariableIsSet("LOHNSTEUER_SAAT")
                             ? static_cast<quint32>(qEnvironmentVariableIntValue("LOHNSTEUER_SAAT"))
                             : 20261209u;
    QRandomGenerator zufall(saat);
    const int faelle = qEnvironmentVariableIntValue("LOHNSTEUER_ZUFALL") > 0
                           ? qEnvironmentVariableIntValue("LOHNSTEUER_ZUFALL")
                           : 40;
    for (int fall = 0; fall < faelle; ++fall) {
      QStringList o;
      const int jahr = zufall.bounded(2014, 2027);
      Jahr(jahr);
      const int monat = zufall.bounded(1, 13);
      Monat(monat);
      o << "--jahr" << QString::number(jahr) << "--monat" << QString::number(monat);
      const bool minijob = zufall.bounded(5) == 0;
      const int cent = minijob ? zufall.bounded(1, 60000) : zufall.bounded(1, 900000);
      const QString brutto = QLocale().toString(cent / 100.0, 'f', 2).remove(QLatin1Char('.'));
      Eintippen(r_->ELohn, brutto);
      o << "--brutto" << brutto;
      const int stkl = zufall.bounded(1, 7);
      r_->CBStKl->setCurrentIndex(stkl - 1);
      o << "--steuerklasse" << QString::number(stkl);
      if (stkl <= 4 && zufall.bounded(2) == 0) {
        const int zkf = zufall.bounded(1, 4);
        Eintippen(r_->E_ZKF, QString::number(zkf));
        o << "--kinderfreibetraege" << QString::number(zkf);
        if (r_->E_KinderU25->isEnabled() && !minijob) {
          const int kinder = zufall.bounded(0, 6);
          Eintippen(r_->E_KinderU25, QString::number(kinder));
          if (kinder > 1) o << "--pv-abschlaege" << QString::number(std::min(kinder - 1, 4));
        }
      }
      if (zufall.bounded(3) == 0) {
        Klick(r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost")));
        o << "--region" << "ost";
        const bool sachsen = zufall.bounded(2) == 0;
        Setzen(r_->cbSachsen, sachsen);
        if (sachsen) o << "--sachsen";
      }
      if (minijob) {
        Klick(r_->CBGF);
        o << "--minijob";
        if (r_->CBAufst->isChecked()) o << "--aufstockung";
      } else if (r_->CBGleitZ->isEnabled() && zufall.bounded(3) == 0) {
        Setzen(r_->CBGleitZ, true);
        o << "--gleitzone";
      } else if (r_->EKV2ANProz->isEnabled() && jahr >= 2015 && zufall.bounded(3) == 0) {
        const QString zb = QLocale().toString(zufall.bounded(0, 40) / 10.0, 'f', 1);
        Eintippen(r_->EKV2ANProz, zb);
        o << "--kv-zusatzbeitrag" << zb;
      }
      if (zufall.bounded(4) == 0) {
        r_->Arbeitgeberanteil1->trigger();
        o << "--arbeitgeber";
      }
      WieDieKommandozeile(D(), o);
      if (QTest::currentTestFailed()) {
        qWarning() << "Fall" << fall << o;
        return;
      }
      Grundzustand();
      if (r_->EKV2ANProz->isEnabled() && jahr >= 2015)
        Eintippen(r_->EKV2ANProz, QLocale().toString(lst::DurchschnittsZusatzbeitrag(jahr, monat)));
    }
  }

  // Pictures for a look by eye at the window's own size; only when
  // LOHNSTEUER_BILDER names a folder.
  void bilder() {
    const QString ziel = qEnvironmentVariable("LOHNSTEUER_BILDER");
    if (ziel.isEmpty()) QSKIP("LOHNSTEUER_BILDER not set");
    QFile::remove(Datei());
    Starten();
    auto speichern = [&](const QString& name) {
      QApplication::processEvents();
      QVERIFY(r_->grab().save(ziel + "/" + name + ".png"));
    };
    Eintippen(r_->ELohn, QStringLiteral("3456,78"));
    Eintippen(r_->E_ZKF, QStringLiteral("1"));
    speichern(QStringLiteral("jahr_2026_an"));
    r_->Arbeitgeberanteil1->trigger();
    speichern(QStringLiteral("jahr_2026_ag"));
    r_->Arbeitnehmeranteil1->trigger();
    Jahr(2023);
    Monat(7);
    Eintippen(r_->E_ZKF, QStringLiteral("3"));
    Eintippen(r_->E_KinderU25, QStringLiteral("3"));
    speichern(QStringLiteral("juli_2023_kinder"));
    Eintippen(r_->E_KinderU25, QString());
    Eintippen(r_->E_ZKF, QString());
    Jahr(2019);
    Monat(8);
    Eintippen(r_->ELohn, QStringLiteral("1000"));
    Klick(r_->CBGleitZ);
    speichern(QStringLiteral("jahr_2019_zone"));
    r_->Arbeitgeberanteil1->trigger();
    speichern(QStringLiteral("jahr_2019_zone_ag"));
  }
};

QTEST_MAIN(TestJahreAb2014)
#include "test_jahre_ab_2014.moc"
