// The calculator window and the command line fill the same request: the
// window gathered from what the user typed and clicked, the command line
// from the same choices as options, and the records the year's rules derive
// from them agree field by field.

#include <QAction>
#include <QComboBox>
#include <QRadioButton>

#include <memory>

#include "common/qt/edit_cs.h"
#include "fenster_hilfen.h"
#include "ui/anwendung.h"
#include "ui/calculator/rechner.h"

using lst::TFRechner;


class TestRechnung : public QObject {
  Q_OBJECT

  QTemporaryDir ordner_;
  std::unique_ptr<lst::TAnwendung> anw_;
  TFRechner* r_ = nullptr;
  std::unique_ptr<TRechnerElemente> e_;

  const lst::TAbrechnungsStand& S() const { return r_->Stand(); }

  void Jahr(int jahr) {
    auto* a = r_->findChild<QAction*>(QStringLiteral("Jahr%1").arg(jahr));
    QVERIFY(a != nullptr);
    a->trigger();
    QCOMPARE(int(S().Parameter.Jahr), jahr);
  }
  void Radio(const char* name) {
    auto* b = r_->findChild<QRadioButton*>(QString::fromLatin1(name));
    QVERIFY(b != nullptr);
    b->click();
  }
  // The request of the command line for the options, against the window's.
  void WieKommandozeile(const QStringList& optionen) {
    const std::string fehler = WieKommandozeileRechnung(r_->Stand(), optionen);
    QVERIFY2(fehler.empty(), fehler.c_str());
  }

 private slots:
  void initTestCase() {
    TestUmgebung(ordner_);
    lst::TAnwendung::Einrichten(*qobject_cast<QApplication*>(QCoreApplication::instance()));
  }
  void init() {
    QFile::remove(ordner_.filePath(QStringLiteral("DrumselLStTab.ini")));
    JahrVorgeben(ordner_, 2013);
    anw_ = std::make_unique<lst::TAnwendung>();
    r_ = &anw_->Rechner();
    e_ = std::make_unique<TRechnerElemente>(r_);
    anw_->Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(r_));
  }
  void cleanup() {
    r_ = nullptr;
    anw_.reset();
  }

  // 2013: class III with a child in Saxony, church tax 9 %, an allowance.
  void jahr2013KlasseDreiSachsen() {
    e_->CBStKl->setCurrentIndex(2);
    Eintippen(e_->E_ZKF, QStringLiteral("1"));
    Radio("RGOstWest_Ost");
    e_->cbSachsen->click();
    e_->cbKirchenSt->setCurrentText(QStringLiteral("9"));
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    Eintippen(e_->EFreibetrag, QStringLiteral("1200"));
    WieKommandozeile({"--jahr", "2013", "--brutto", "3000", "--steuerklasse", "3", "--kinderfreibetraege", "1",
                      "--region", "ost", "--sachsen", "--kirchensteuer", "9", "--freibetrag", "1200"});
  }

  // 2013: the sliding zone in class II (no care surcharge there), other
  // deductions, no church.
  void jahr2013GleitzoneKlasseZwei() {
    e_->CBStKl->setCurrentIndex(1);
    e_->CBR->click();
    e_->CBGleitZ->click();
    Eintippen(e_->ELohn, QStringLiteral("600"));
    Eintippen(e_->EZusBetrag, QStringLiteral("25,50"));
    WieKommandozeile({"--jahr", "2013", "--brutto", "600", "--steuerklasse", "2", "--bekenntnislos",
                      "--gleitzone", "--sonstige-abzuege", "25,50"});
  }

  // 2005: a minijob with the pension top-up and the employer's flat-rate tax.
  void jahr2005Minijob() {
    Jahr(2005);
    e_->CBGF->click();
    e_->CBAufst->click();
    e_->CBPauschSt->click();
    Eintippen(e_->ELohn, QStringLiteral("350"));
    WieKommandozeile({"--jahr", "2005", "--brutto", "350", "--minijob", "--aufstockung", "--pauschsteuer", "2"});
  }

  // 2005: private insurance with the employer's subsidy, a pension, yearly.
  void jahr2005PrivatJahr() {
    Jahr(2005);
    e_->CBLZZ->setCurrentIndex(0);
    e_->cbPriv->click();
    Radio("RGprivTyp_ja");
    Eintippen(e_->EPVWert, QStringLiteral("450"));
    Eintippen(e_->ELohn, QStringLiteral("60000"));
    Eintippen(e_->EVersBez, QStringLiteral("6000"));
    Eintippen(e_->edVJahr, QStringLiteral("2004"));
    WieKommandozeile({"--jahr", "2005", "--zeitraum", "jahr", "--brutto", "60000", "--privat", "450",
                      "--ag-zuschuss", "--versorgungsbezug", "6000", "--versorgungsbeginn", "2004"});
  }

  // 1999 in DM: class IV with two children and the factor-free table.
  void jahr1999DM() {
    Jahr(1999);
    e_->CBStKl->setCurrentIndex(3);
    Eintippen(e_->E_ZKF, QStringLiteral("2"));
    Eintippen(e_->ELohn, QStringLiteral("5000"));
    Eintippen(e_->EHinzuR, QStringLiteral("300"));
    WieKommandozeile({"--jahr", "1999", "--dm", "--brutto", "5000", "--steuerklasse", "4",
                      "--kinderfreibetraege", "2", "--hinzurechnung", "300"});
  }

  // The pay month of a year from 2014, from the drop-down.
  void Monat(int monat) {
    e_->CBMonat->setCurrentIndex(e_->CBMonat->findData(monat));
    QCOMPARE(int(S().Parameter.Monat), monat);
  }

  // July 2023: three children under 25 (two discounts), the fund's add-on
  // rate, church tax 9 %.
  void juli2023KinderUndZusatzbeitrag() {
    Jahr(2023);
    Monat(7);
    Eintippen(e_->E_ZKF, QStringLiteral("3"));
    Eintippen(e_->E_KinderU25, QStringLiteral("3"));
    Eintippen(e_->EKV2ANProz, QStringLiteral("1,9"));
    e_->cbKirchenSt->setCurrentText(QStringLiteral("9"));
    Eintippen(e_->ELohn, QStringLiteral("4200"));
    WieKommandozeile({"--jahr", "2023", "--monat", "7", "--brutto", "4200", "--kinderfreibetraege", "3",
                      "--pv-abschlaege", "2", "--kv-zusatzbeitrag", "1,9", "--kirchensteuer", "9"});
  }

  // October 2022 in the transition zone, class II, levies typed.
  void oktober2022ZoneMitUmlagen() {
    Jahr(2022);
    Monat(10);
    e_->CBStKl->setCurrentIndex(1);
    e_->CBGleitZ->click();
    Eintippen(e_->ELohn, QStringLiteral("900"));
    Eintippen(e_->EU1Proz, QStringLiteral("1,6"));
    Eintippen(e_->EU2Proz, QStringLiteral("0,44"));
    WieKommandozeile({"--jahr", "2022", "--monat", "10", "--brutto", "900", "--steuerklasse", "2",
                      "--uebergangsbereich", "--u1", "1,6", "--u2", "0,44"});
  }

  // 2026: a minijob with the pension insurance (ticked by default), and
  // private insurance with the employer's subsidy in Saxony.
  void jahr2026MinijobUndPrivatSachsen() {
    Jahr(2026);
    Monat(12);
    e_->CBGF->click();
    QVERIFY(e_->CBAufst->isChecked());
    Eintippen(e_->ELohn, QStringLiteral("560"));
    WieKommandozeile({"--jahr", "2026", "--monat", "12", "--brutto", "560", "--minijob", "--aufstockung"});
    e_->CBGF->click();
    Radio("RGOstWest_Ost");
    e_->cbSachsen->click();
    e_->cbPriv->click();
    Radio("RGprivTyp_ja");
    Eintippen(e_->EPVWert, QStringLiteral("650"));
    Eintippen(e_->ELohn, QStringLiteral("5200"));
    WieKommandozeile({"--jahr", "2026", "--monat", "12", "--brutto", "5200", "--region", "ost", "--sachsen",
                      "--privat", "650", "--ag-zuschuss"});
  }
};

QTEST_MAIN(TestRechnung)
#include "test_rechnung.moc"
