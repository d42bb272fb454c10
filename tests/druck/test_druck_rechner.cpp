// Printing from the program's calculator window: the menu items, the PDF
// file without a printer (the same printout as "lohnsteuer-cli drucken" for
// the same inputs) and the print preview.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <gtest/gtest.h>

#include "fenster_hilfe.h"
#include "pdf_hilfe.h"
#include "print/fenster/druck_menue.h"
#include "common/ini_datei.h"
#include "ui/anwendung.h"
#include "ui/calculator/rechner.h"

using namespace lst;

namespace {

QString OhneZeit(QString text) {
  static const QRegularExpression zeit(QStringLiteral("\\d\\d\\.\\d\\d\\.\\d\\d\\s+\\d\\d:\\d\\d"));
  return text.replace(zeit, QStringLiteral("DATUM"));
}

void Tippen(QWidget* feld, const QString& text) {
  ASSERT_TRUE(feld);
  feld->setFocus();
  QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(feld, Qt::Key_Backspace);
  QTest::keyClicks(feld, text);
}

class DruckRechner : public ::testing::Test {
 protected:
  QDir konfig_{QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))};
  QTemporaryDir ordner_;
  std::unique_ptr<TAnwendung> anw_;
  TFRechner* r_ = nullptr;

  void SetUp() override {
    TAnwendung::Einrichten(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    QFile::remove(konfig_.filePath(QStringLiteral("DrumselLStTab.ini")));
    // Written for 2013: the settings name the year (a first start opens the newest).
    ASSERT_TRUE(lst::TNewIniFile::AusPfad(konfig_.filePath(QStringLiteral("DrumselLStTab.ini")).toStdString())
                    .WriteInteger("LoSt", "Jahr", 2013));
    anw_ = std::make_unique<TAnwendung>();
    r_ = &anw_->Rechner();
    anw_->Zeigen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(r_));
  }
  void TearDown() override {
    anw_.reset();
    QFile::remove(konfig_.filePath(QStringLiteral("DrumselLStTab.ini")));
  }

  template <class T>
  T* Element(const char* name) { return r_->findChild<T*>(QString::fromLatin1(name)); }

  // "&Drucken" without a printer into a PDF file; its text.
  QString FensterDruck(const QString& name) {
    const QString pdf = ordner_.filePath(name);
    anw_->DruckSteuerung().DruckerVorhanden = [] { return false; };
    anw_->DruckSteuerung().PdfDateiFragen = [pdf] { return pdf; };
    Element<QAction>("Drucken1")->trigger();
    EXPECT_TRUE(QFile::exists(pdf));
    return OhneZeit(druck_test::PdfText(pdf));
  }
  QString CliDruck(const QString& name, QStringList argumente) {
    const QString pdf = ordner_.filePath(name);
    // The window's year unless named (the command line's default is its newest).
    if (!argumente.contains(QStringLiteral("--jahr"))) argumente << QStringLiteral("--jahr") << QStringLiteral("2013");
    QProcess p;
    p.start(QStringLiteral(LOHNSTEUER_CLI_PATH),
            QStringList{QStringLiteral("drucken"), QStringLiteral("--pdf"), pdf} + argumente);
    EXPECT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return OhneZeit(druck_test::PdfText(pdf));
  }
};

// The menu items; the preview shows the printout's page; "&Drucken" without
// a printer: a cancelled file dialog prints nothing, a file that cannot be
// written is reported, a name without ".pdf" gets it.
TEST_F(DruckRechner, MenuePunkteVorschauUndPdf) {
  auto* drucken = Element<QAction>("Drucken1");
  auto* vorschau = Element<QAction>("Druckvorschau1");
  auto* drucker = Element<QAction>("Drucker1");
  ASSERT_TRUE(drucken && vorschau && drucker);
  EXPECT_TRUE(drucken->isEnabled() && vorschau->isEnabled() && drucker->isEnabled());
  const auto dienste = Element<QMenu>("Dienste1")->actions();
  EXPECT_EQ(dienste.indexOf(vorschau), dienste.indexOf(drucken) + 1);
  EXPECT_EQ(vorschau->text(), QStringLiteral("Druck&vorschau..."));

  int seiten = -1;
  druck_test::BeiModal([&](QWidget* w) {
    if (auto* v = w->findChild<QPrintPreviewWidget*>()) seiten = v->pageCount();
    w->close();
  });
  vorschau->trigger();
  EXPECT_EQ(seiten, 1);

  TDruckSteuerung& s = anw_->DruckSteuerung();
  s.DruckerVorhanden = [] { return false; };
  int gefragt = 0;
  s.PdfDateiFragen = [&gefragt] {
    ++gefragt;
    return QString();
  };
  drucken->trigger();
  EXPECT_EQ(gefragt, 1);
  EXPECT_TRUE(QDir(ordner_.path()).isEmpty());

  s.PdfDateiFragen = [] { return QStringLiteral("/nonexistent-folder/x.pdf"); };
  QString meldung;
  druck_test::MeldungMerken(meldung);
  drucken->trigger();
  EXPECT_TRUE(meldung.contains(QStringLiteral("/nonexistent-folder/x.pdf"))) << meldung.toStdString();

  const QString ohneEndung = ordner_.filePath(QStringLiteral("abrechnung"));
  s.PdfDateiFragen = [ohneEndung] { return ohneEndung; };
  drucken->trigger();
  EXPECT_TRUE(QFile::exists(ohneEndung + QStringLiteral(".pdf")));
}

// A month in tax class III with a child and 9 % church tax.
TEST_F(DruckRechner, GleicherTextWieKommandozeileMonat) {
  Tippen(Element<QLineEdit>("ELohn"), QStringLiteral("3456,78"));
  Element<QComboBox>("CBStKl")->setCurrentIndex(2);
  Tippen(Element<QLineEdit>("E_ZKF"), QStringLiteral("1"));
  Element<QComboBox>("cbKirchenSt")->setCurrentText(QStringLiteral("9"));
  Tippen(Element<QLineEdit>("EZusBetrag"), QStringLiteral("25"));
  const QString fenster = FensterDruck(QStringLiteral("fenster1.pdf"));
  EXPECT_TRUE(fenster.contains(QStringLiteral("3.456,78")));
  EXPECT_EQ(fenster, CliDruck(QStringLiteral("cli1.pdf"),
                              {QStringLiteral("--brutto"), QStringLiteral("3456,78"),
                               QStringLiteral("--steuerklasse"), QStringLiteral("3"),
                               QStringLiteral("--kinderfreibetraege"), QStringLiteral("1"),
                               QStringLiteral("--kirchensteuer"), QStringLiteral("9"),
                               QStringLiteral("--sonstige-abzuege"), QStringLiteral("25")}));
}

// A year in the East, tax class IV with the factor method, no church.
TEST_F(DruckRechner, GleicherTextWieKommandozeileJahrOst) {
  Element<QComboBox>("CBLZZ")->setCurrentIndex(0);
  Tippen(Element<QLineEdit>("ELohn"), QStringLiteral("52000"));
  Element<QComboBox>("CBStKl")->setCurrentIndex(3);
  QTest::mouseClick(Element<QCheckBox>("cbAF"), Qt::LeftButton);
  Tippen(Element<QLineEdit>("edFaktor"), QStringLiteral("0,9"));
  QTest::mouseClick(Element<QCheckBox>("CBR"), Qt::LeftButton);
  Element<QRadioButton>("RGOstWest_Ost")->click();
  const QString fenster = FensterDruck(QStringLiteral("fenster2.pdf"));
  EXPECT_TRUE(fenster.contains(QStringLiteral("Faktor Lohnsteuerabzugsverfahren")));
  EXPECT_EQ(fenster, CliDruck(QStringLiteral("cli2.pdf"),
                              {QStringLiteral("--zeitraum"), QStringLiteral("jahr"),
                               QStringLiteral("--brutto"), QStringLiteral("52000"),
                               QStringLiteral("--steuerklasse"), QStringLiteral("4"),
                               QStringLiteral("--faktor"), QStringLiteral("0,9"),
                               QStringLiteral("--bekenntnislos"), QStringLiteral("--region"),
                               QStringLiteral("ost")}));
}

// The printout follows the tax year and the display currency of the window:
// 1999 in DM, the same year in Euro, and 2005 (no best-of-test row before
// 2008).
TEST_F(DruckRechner, JahrUndWaehrungWieKommandozeile) {
  Element<QAction>("Jahr1999")->trigger();
  Tippen(Element<QLineEdit>("ELohn"), QStringLiteral("5000"));
  Tippen(Element<QLineEdit>("EFreibetrag"), QStringLiteral("1200"));
  Element<QComboBox>("CBStKl")->setCurrentIndex(2);
  const QStringList optionen{QStringLiteral("--jahr"), QStringLiteral("1999"), QStringLiteral("--steuerklasse"),
                             QStringLiteral("3")};
  const QString dm = FensterDruck(QStringLiteral("fenster_1999_dm.pdf"));
  EXPECT_TRUE(dm.contains(QStringLiteral("Lohnsteuerberechnung 1999"))) << dm.toStdString();
  EXPECT_TRUE(dm.contains(QStringLiteral("5.000,00 DM"))) << dm.toStdString();
  EXPECT_FALSE(dm.contains(QStringLiteral("EUR")));
  EXPECT_FALSE(dm.contains(QStringLiteral("Günstprfg")));
  EXPECT_EQ(dm, CliDruck(QStringLiteral("cli_1999_dm.pdf"),
                         optionen + QStringList{QStringLiteral("--dm"), QStringLiteral("--brutto"),
                                                QStringLiteral("5000"), QStringLiteral("--freibetrag"),
                                                QStringLiteral("1200")}));

  // "Beträge in DM" off: the same money in Euro.
  Element<QAction>("BetraegeInDM1")->trigger();
  EXPECT_EQ(Element<QLineEdit>("ELohn")->text(), QStringLiteral("2556,46"));
  const QString euro = FensterDruck(QStringLiteral("fenster_1999_eur.pdf"));
  EXPECT_TRUE(euro.contains(QStringLiteral("2.556,46 EUR"))) << euro.toStdString();
  EXPECT_FALSE(euro.contains(QStringLiteral(" DM")));
  EXPECT_EQ(euro, CliDruck(QStringLiteral("cli_1999_eur.pdf"),
                           optionen + QStringList{QStringLiteral("--brutto"), QStringLiteral("2556,46"),
                                                  QStringLiteral("--freibetrag"), QStringLiteral("613,55")}));

  Element<QAction>("Jahr2005")->trigger();
  const QString j2005 = FensterDruck(QStringLiteral("fenster_2005.pdf"));
  EXPECT_TRUE(j2005.contains(QStringLiteral("Lohnsteuerberechnung 2005")));
  EXPECT_FALSE(j2005.contains(QStringLiteral("Günstprfg")));
  EXPECT_EQ(j2005, CliDruck(QStringLiteral("cli_2005.pdf"),
                            QStringList{QStringLiteral("--jahr"), QStringLiteral("2005"),
                                        QStringLiteral("--steuerklasse"), QStringLiteral("3"),
                                        QStringLiteral("--brutto"), QStringLiteral("2556,46"),
                                        QStringLiteral("--freibetrag"), QStringLiteral("613,55")}));
  // The best-of test of section 10c (2) EStG in 2008 and 2009; from 2010
  // the provision allowance of section 39b EStG.
  Element<QAction>("Jahr2009")->trigger();
  const QString j2009 = FensterDruck(QStringLiteral("fenster_2009.pdf"));
  EXPECT_TRUE(j2009.contains(QStringLiteral("Günstprfg"))) << j2009.toStdString();
  EXPECT_TRUE(j2009.contains(QStringLiteral("versicherungsfrei (§10c Abs.3 EStG)")));
  Element<QAction>("Jahr2013")->trigger();
  const QString j2013 = FensterDruck(QStringLiteral("fenster_2013.pdf"));
  EXPECT_FALSE(j2013.contains(QStringLiteral("10c"))) << j2013.toStdString();
  EXPECT_TRUE(j2013.contains(QStringLiteral("nicht rentenversichert (§39b Abs.2 Satz 5 Nr.3 EStG)")));
}

}  // namespace

// The newest years: the window's printout of December 2026 in the employer's
// view with levies, and of July 2023 with children under 25, is the command
// line's.
TEST_F(DruckRechner, GleicherTextWieKommandozeileAb2014) {
  auto* jahr = Element<QComboBox>("CBJahr");
  auto* monat = Element<QComboBox>("CBMonat");
  jahr->setCurrentIndex(jahr->findData(2026));
  monat->setCurrentIndex(monat->findData(12));
  Tippen(Element<QLineEdit>("ELohn"), QStringLiteral("4000"));
  Tippen(Element<QLineEdit>("EU1Proz"), QStringLiteral("1,6"));
  Tippen(Element<QLineEdit>("EU2Proz"), QStringLiteral("0,44"));
  Element<QAction>("Arbeitgeberanteil1")->trigger();
  const QString fenster = FensterDruck(QStringLiteral("fenster2026.pdf"));
  EXPECT_TRUE(fenster.contains(QStringLiteral("Insolvenzgeldumlage"))) << fenster.toStdString();
  EXPECT_TRUE(fenster.contains(QStringLiteral("Dezember 2026"))) << fenster.toStdString();
  EXPECT_EQ(fenster, CliDruck(QStringLiteral("cli2026.pdf"),
                              {QStringLiteral("--jahr"), QStringLiteral("2026"), QStringLiteral("--monat"),
                               QStringLiteral("12"), QStringLiteral("--brutto"), QStringLiteral("4000"),
                               QStringLiteral("--u1"), QStringLiteral("1,6"), QStringLiteral("--u2"),
                               QStringLiteral("0,44"), QStringLiteral("--arbeitgeber")}));
  Element<QAction>("Arbeitnehmeranteil1")->trigger();
  Tippen(Element<QLineEdit>("EU1Proz"), QStringLiteral("0"));
  Tippen(Element<QLineEdit>("EU2Proz"), QStringLiteral("0"));

  jahr->setCurrentIndex(jahr->findData(2023));
  monat->setCurrentIndex(monat->findData(7));
  Tippen(Element<QLineEdit>("E_ZKF"), QStringLiteral("3"));
  Tippen(Element<QLineEdit>("E_KinderU25"), QStringLiteral("3"));
  const QString juli = FensterDruck(QStringLiteral("fenster2023.pdf"));
  EXPECT_TRUE(juli.contains(QStringLiteral("Juli 2023"))) << juli.toStdString();
  EXPECT_EQ(juli, CliDruck(QStringLiteral("cli2023.pdf"),
                           {QStringLiteral("--jahr"), QStringLiteral("2023"), QStringLiteral("--monat"),
                            QStringLiteral("7"), QStringLiteral("--brutto"), QStringLiteral("4000"),
                            QStringLiteral("--kinderfreibetraege"), QStringLiteral("3"),
                            QStringLiteral("--pv-abschlaege"), QStringLiteral("2")}));
}
