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
  std::unique_ptr<TRechnerElemente> e_;

  QString Datei() const { return ordner_.filePath(QStringLiteral("DrumselLStTab.ini")); }
  const lst::TAbrechnungsStand& S() const { return r_->Stand(); }

  void Starten() {
    anw_ = std::make_unique<lst::TAnwendung>();
    r_ = &anw_->Rechner();
    e_ = std::make_unique<TRechnerElemente>(r_);
    anw_->Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(r_));
  }
  void Beenden() {
    r_->close();
    r_ = nullptr;
    anw_.reset();
  }
  void Jahr(int jahr) { Waehlen(e_->CBJahr, jahr); }
  void Monat(int monat) { Waehlen(e_->CBMonat, monat); }
  // Back to a plain employee in the West, statutory insurance, no children.
  void Grundzustand() {
    Setzen(e_->CBGF, false);
    Setzen(e_->CBprivHH, false);
    Setzen(e_->cbPriv, false);
    Setzen(e_->CBGleitZ, false);
    if (e_->cbSachsen->isEnabled()) Setzen(e_->cbSachsen, false);
    if (auto* west = r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_West"))) Klick(west);
    Eintippen(e_->E_ZKF, QString());
    if (e_->E_KinderU25->isEnabled()) Eintippen(e_->E_KinderU25, QString());
    e_->cbKirchenSt->setCurrentIndex(e_->cbKirchenSt->findText(QStringLiteral("8")));
    e_->Arbeitnehmeranteil1->trigger();
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
    QCOMPARE(int(S().Parameter.Jahr), neu);
    QCOMPARE(r_->windowTitle(), QStringLiteral("Lohnsteuerberechnung ") + neuestes);
    QCOMPARE(e_->CBJahr->count(), neu - 1995 + 1);
    QCOMPARE(e_->CBJahr->itemData(0).toInt(), neu);
    QCOMPARE(e_->CBJahr->itemData(e_->CBJahr->count() - 1).toInt(), 1995);
    QCOMPARE(e_->JahrEintraege.size(), neu - 1995 + 1);
    QCOMPARE(e_->JahrEintraege.first()->data().toInt(), neu);
    QVERIFY(e_->JahrEintraege.first()->isChecked());
    const int monat = QDate::currentDate().year() == neu ? QDate::currentDate().month() : 12;
    QCOMPARE(TFRechner::StandardMonat(neu), monat);
    QCOMPARE(TFRechner::StandardMonat(2019), 12);
    QVERIFY(e_->CBMonat->isVisible());
    QCOMPARE(e_->CBMonat->currentData().toInt(), monat);
    QCOMPARE(e_->CBMonat->itemText(0), QStringLiteral("Januar"));
    QCOMPARE(e_->CBMonat->itemText(2), QStringLiteral("März"));
    QCOMPARE(e_->LAblaufplan->text(), QStringLiteral("Ablaufplan ") + neuestes);
    // A stored year is kept.
    Jahr(2019);
    Beenden();
    Starten();
    QCOMPARE(int(S().Parameter.Jahr), 2019);
    QCOMPARE(e_->CBMonat->currentData().toInt(), 12);
    Jahr(2026);
  }

  // The month chooses the flowchart: November and December 2024 differ.
  void monatWaehltAblaufplan() {
    Starten();
    Grundzustand();
    Jahr(2024);
    QCOMPARE(e_->CBMonat->currentData().toInt(), 12);
    QCOMPARE(e_->LAblaufplan->text(), QStringLiteral("Ablaufplan 2024 Dezember"));
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    Monat(11);
    QCOMPARE(int(S().Parameter.Monat), 11);
    QCOMPARE(e_->LAblaufplan->text(), QStringLiteral("Ablaufplan 2024 Januar bis November"));
    QCOMPARE(S().Parameter.Version, lst::LStVersionNachSchluessel("2024"));
    const std::int64_t november = S().Ergebnis.LSt;
    WieDieKommandozeile(S(), {"--brutto", "3000"});
    Monat(12);
    QCOMPARE(e_->LAblaufplan->text(), QStringLiteral("Ablaufplan 2024 Dezember"));
    QCOMPARE(S().Parameter.Version, lst::LStVersionNachSchluessel("2024dez"));
    QVERIFY(S().Ergebnis.LSt < november);
    WieDieKommandozeile(S(), {"--brutto", "3000"});
    // Before 2014 there is no month to choose.
    Jahr(2013);
    QVERIFY(!e_->CBMonat->isVisible());
    QVERIFY(!e_->LAblaufplan->isVisible());
  }

  // Each new input only where its period has it; the old-only boxes not
  // after theirs.
  void felderNachRegelperiode() {
    Starten();
    Grundzustand();
    Jahr(2013);
    for (QWidget* w : std::initializer_list<QWidget*>{e_->E_KinderU25, e_->EU1Proz, e_->EU2Proz})
      QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
    QCOMPARE(e_->cbKV2->text(), QStringLiteral("KV Zuschlag"));
    QCOMPARE(e_->CBGleitZ->text(), QStringLiteral("Gleitzone"));
    QVERIFY(e_->CBRV_Verzicht->isEnabled());
    QVERIFY(e_->E_KinderU25->text().isEmpty());

    Jahr(2015);
    QCOMPARE(e_->cbKV2->text(), QStringLiteral("KV Zusatzbeitrag"));
    QCOMPARE(e_->EKV2ANProz->text(), QStringLiteral("0,9"));
    QVERIFY(e_->EU1Proz->isEnabled());
    QVERIFY(!e_->E_KinderU25->isEnabled());

    Jahr(2019);
    Monat(6);
    QCOMPARE(e_->CBGleitZ->text(), QStringLiteral("Gleitzone"));
    QVERIFY(e_->CBRV_Verzicht->isEnabled());
    Monat(7);
    QCOMPARE(e_->CBGleitZ->text(), QStringLiteral("Übergangsbereich"));
    QVERIFY(!e_->CBRV_Verzicht->isEnabled());

    Jahr(2020);
    QVERIFY(!e_->CBRV_Verzicht->isEnabled());
    QVERIFY(!e_->CBRV_Verzicht->isChecked());

    Jahr(2023);
    Monat(6);
    QVERIFY(!e_->E_KinderU25->isEnabled());
    Monat(7);
    QVERIFY(e_->E_KinderU25->isEnabled());
    // Marginal employment pays no care contribution of its own.
    Klick(e_->CBGF);
    QVERIFY(!e_->E_KinderU25->isEnabled());
    Klick(e_->CBGF);
    QVERIFY(e_->E_KinderU25->isEnabled());

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
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    Eintippen(e_->EKV2ANProz, QStringLiteral("1,1"));
    QVERIFY(S().Ergebnis.Beitrag(lst::svKV2).AN > 0);
    WieDieKommandozeile(S(), {"--brutto", "3000", "--kv-zusatzbeitrag", "1,1"});
    Eintippen(e_->EKV2ANProz, QStringLiteral("0,9"));

    // July 2019 in the transition zone.
    Jahr(2019);
    Monat(7);
    Eintippen(e_->ELohn, QStringLiteral("1000"));
    Klick(e_->CBGleitZ);
    QVERIFY(S().Ergebnis.BE > 0);
    QVERIFY(Sichtbar("ErgBE"));
    WieDieKommandozeile(S(), {"--brutto", "1000", "--uebergangsbereich"});
    // The employer's view shows the base as well.
    e_->Arbeitgeberanteil1->trigger();
    QVERIFY(Sichtbar("ErgBE"));
    WieDieKommandozeile(S(), {"--brutto", "1000", "--uebergangsbereich"});
    e_->Arbeitnehmeranteil1->trigger();

    // October 2022 in the zone: the employee's own base as well.
    Jahr(2022);
    Monat(10);
    QVERIFY(e_->CBGleitZ->isChecked() || e_->CBGleitZ->isEnabled());
    Setzen(e_->CBGleitZ, true);
    Eintippen(e_->ELohn, QStringLiteral("1000"));
    QVERIFY(S().Ergebnis.BE_AN > 0);
    QVERIFY(Sichtbar("ErgBEAN"));
    WieDieKommandozeile(S(), {"--brutto", "1000", "--uebergangsbereich"});
    Setzen(e_->CBGleitZ, false);

    // July 2023, three children under 25: two discounts.
    Jahr(2023);
    Monat(7);
    Eintippen(e_->ELohn, QStringLiteral("4000"));
    Eintippen(e_->E_ZKF, QStringLiteral("3"));
    Eintippen(e_->E_KinderU25, QStringLiteral("3"));
    QCOMPARE(Datensaetze(S()).SV.PVAbschlaege, std::uint8_t{2});
    WieDieKommandozeile(S(), {"--brutto", "4000", "--kinderfreibetraege", "3", "--pv-abschlaege", "2"});
    Eintippen(e_->E_KinderU25, QString());
    Eintippen(e_->E_ZKF, QString());

    // 2026: standard employee with church tax 9 %.
    Jahr(2026);
    Monat(12);
    Eintippen(e_->ELohn, QStringLiteral("4000"));
    e_->cbKirchenSt->setCurrentIndex(e_->cbKirchenSt->findText(QStringLiteral("9")));
    QVERIFY(S().Ergebnis.KiSt > 0);
    WieDieKommandozeile(S(), {"--brutto", "4000", "--kirchensteuer", "9"});
    // The employer's view with the levies.
    e_->Arbeitgeberanteil1->trigger();
    QVERIFY(Sichtbar("ErgIGU"));
    QVERIFY(S().Ergebnis.IGU_AG > 0);
    QCOMPARE(Wert("ErgUmlagenGesamt"), GeldText(S().Ergebnis.AGGesamtUmlagen));
    WieDieKommandozeile(S(), {"--brutto", "4000", "--kirchensteuer", "9", "--arbeitgeber"});
    Eintippen(e_->EU1Proz, QStringLiteral("1,6"));
    Eintippen(e_->EU2Proz, QStringLiteral("0,44"));
    QVERIFY(S().Ergebnis.U1_AG > 0);
    WieDieKommandozeile(S(), {"--brutto", "4000", "--kirchensteuer", "9", "--u1", "1,6", "--u2", "0,44"});
    // Out of range: red, and the default applies.
    Eintippen(e_->EU1Proz, QStringLiteral("55"));
    QVERIFY(Rot(e_->EU1Proz));
    QCOMPARE(S().Ergebnis.U1_AG, std::int64_t{0});
    Eintippen(e_->EKV2ANProz, QStringLiteral("12,5"));
    QVERIFY(Rot(e_->EKV2ANProz));
    QCOMPARE(Datensaetze(S()).SV.Saetze[lst::svKV2].AN, lst::SVSaetzeStandard(2026, 12)[lst::beNV][lst::svKV2].AN);
    Eintippen(e_->EKV2ANProz, QStringLiteral("2,9"));
    QVERIFY(!Rot(e_->EKV2ANProz));
    Eintippen(e_->EU1Proz, QStringLiteral("0"));
    QVERIFY(!Rot(e_->EU1Proz));
    Eintippen(e_->EU2Proz, QStringLiteral("0"));
    e_->Arbeitnehmeranteil1->trigger();
    e_->cbKirchenSt->setCurrentIndex(e_->cbKirchenSt->findText(QStringLiteral("8")));

    // 2026 minijob: the pension top-up is ticked, the levies are the
    // minijob office's.
    Eintippen(e_->ELohn, QStringLiteral("500"));
    Klick(e_->CBGF);
    QVERIFY(e_->CBAufst->isChecked());
    QVERIFY(S().Ergebnis.Beitrag(lst::svRVAuf).AN > 0);
    QVERIFY(e_->EU1Proz->AsFloat() > 0);
    WieDieKommandozeile(S(), {"--brutto", "500", "--minijob", "--aufstockung"});
    e_->Arbeitgeberanteil1->trigger();
    QVERIFY(S().Ergebnis.U1_AG > 0);
    WieDieKommandozeile(S(), {"--brutto", "500", "--minijob", "--aufstockung"});
    e_->Arbeitnehmeranteil1->trigger();
    // Unticked: the employee's exemption.
    Klick(e_->CBAufst);
    QCOMPARE(S().Ergebnis.Beitrag(lst::svRVAuf).AN, std::int64_t{0});
    WieDieKommandozeile(S(), {"--brutto", "500", "--minijob"});
    Klick(e_->CBGF);

    // 2026 in Saxony.
    Eintippen(e_->ELohn, QStringLiteral("3500"));
    Klick(r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost")));
    Klick(e_->cbSachsen);
    QVERIFY(Datensaetze(S()).SV.PVS);
    WieDieKommandozeile(S(), {"--brutto", "3500", "--region", "ost", "--sachsen"});
    Klick(e_->cbSachsen);
  }

  // The fund's add-on rate is kept per year; the rates left at their
  // defaults follow the pay month.
  void zusatzbeitragUndMonateBleiben() {
    Starten();
    Grundzustand();
    Jahr(2023);
    Monat(6);
    const QString pvJuni = e_->EPVANProz->text();
    Monat(7);
    QVERIFY2(e_->EPVANProz->text() != pvJuni, qPrintable(pvJuni));
    Eintippen(e_->EKV2ANProz, QStringLiteral("1,9"));
    Monat(3);
    QCOMPARE(e_->EKV2ANProz->text(), QStringLiteral("1,9"));
    QCOMPARE(e_->EPVANProz->text(), pvJuni);
    Beenden();
    const TNewIniFile ini = TNewIniFile::AusPfad(Datei().toStdString());
    QCOMPARE(ini.ReadFloat("SV2023", "KVZusatz", 0), 1.9);
    // The file holds the year's row: the care rate of the first period.
    Starten();
    Jahr(2023);
    Monat(7);
    QCOMPARE(e_->EKV2ANProz->text(), QStringLiteral("1,9"));
    Monat(1);
    QCOMPARE(e_->EPVANProz->text(), pvJuni);
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
    const auto& bbg = S().Parameter.BBG;
    QCOMPARE(bbg[lst::bbgKV][lst::rgWest], std::int64_t{500000});
    QCOMPARE(bbg[lst::bbgGF][lst::rgWest], std::int64_t{52000});
    {
      const TNewIniFile ini = TNewIniFile::AusPfad(Datei().toStdString());
      QCOMPARE(ini.ReadInteger("BMG2022", "KVWest", 0), 500000);
      QCOMPARE(ini.ReadInteger("BMG2022", "GFWest", 0), 45000);
    }
    // A minijob of 500 EUR is one in October, not in September.
    Eintippen(e_->ELohn, QStringLiteral("500"));
    Klick(e_->CBGF);
    QVERIFY(!Rot(e_->CBGF));
    Monat(9);
    QCOMPARE(bbg[lst::bbgKV][lst::rgWest], std::int64_t{500000});
    QCOMPARE(bbg[lst::bbgGF][lst::rgWest], std::int64_t{45000});
    QVERIFY(Rot(e_->CBGF));
    Klick(e_->CBGF);
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
      Eintippen(e_->ELohn, brutto);
      o << "--brutto" << brutto;
      const int stkl = zufall.bounded(1, 7);
      e_->CBStKl->setCurrentIndex(stkl - 1);
      o << "--steuerklasse" << QString::number(stkl);
      if (stkl <= 4 && zufall.bounded(2) == 0) {
        const int zkf = zufall.bounded(1, 4);
        Eintippen(e_->E_ZKF, QString::number(zkf));
        o << "--kinderfreibetraege" << QString::number(zkf);
        if (e_->E_KinderU25->isEnabled() && !minijob) {
          const int kinder = zufall.bounded(0, 6);
          Eintippen(e_->E_KinderU25, QString::number(kinder));
          if (kinder > 1) o << "--pv-abschlaege" << QString::number(std::min(kinder - 1, 4));
        }
      }
      if (zufall.bounded(3) == 0) {
        Klick(r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost")));
        o << "--region" << "ost";
        const bool sachsen = zufall.bounded(2) == 0;
        Setzen(e_->cbSachsen, sachsen);
        if (sachsen) o << "--sachsen";
      }
      if (minijob) {
        Klick(e_->CBGF);
        o << "--minijob";
        if (e_->CBAufst->isChecked()) o << "--aufstockung";
      } else if (e_->CBGleitZ->isEnabled() && zufall.bounded(3) == 0) {
        Setzen(e_->CBGleitZ, true);
        o << "--gleitzone";
      } else if (e_->EKV2ANProz->isEnabled() && jahr >= 2015 && zufall.bounded(3) == 0) {
        const QString zb = QLocale().toString(zufall.bounded(0, 40) / 10.0, 'f', 1);
        Eintippen(e_->EKV2ANProz, zb);
        o << "--kv-zusatzbeitrag" << zb;
      }
      if (zufall.bounded(4) == 0) {
        e_->Arbeitgeberanteil1->trigger();
        o << "--arbeitgeber";
      }
      WieDieKommandozeile(S(), o);
      if (QTest::currentTestFailed()) {
        qWarning() << "Fall" << fall << o;
        return;
      }
      Grundzustand();
      if (e_->EKV2ANProz->isEnabled() && jahr >= 2015)
        Eintippen(e_->EKV2ANProz, QLocale().toString(lst::DurchschnittsZusatzbeitrag(jahr, monat)));
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
    Eintippen(e_->ELohn, QStringLiteral("3456,78"));
    Eintippen(e_->E_ZKF, QStringLiteral("1"));
    speichern(QStringLiteral("jahr_2026_an"));
    e_->Arbeitgeberanteil1->trigger();
    speichern(QStringLiteral("jahr_2026_ag"));
    e_->Arbeitnehmeranteil1->trigger();
    Jahr(2023);
    Monat(7);
    Eintippen(e_->E_ZKF, QStringLiteral("3"));
    Eintippen(e_->E_KinderU25, QStringLiteral("3"));
    speichern(QStringLiteral("juli_2023_kinder"));
    Eintippen(e_->E_KinderU25, QString());
    Eintippen(e_->E_ZKF, QString());
    Jahr(2019);
    Monat(8);
    Eintippen(e_->ELohn, QStringLiteral("1000"));
    Klick(e_->CBGleitZ);
    speichern(QStringLiteral("jahr_2019_zone"));
    e_->Arbeitgeberanteil1->trigger();
    speichern(QStringLiteral("jahr_2019_zone_ag"));
  }
};

QTEST_MAIN(TestJahreAb2014)
#include "test_jahre_ab_2014.moc"
