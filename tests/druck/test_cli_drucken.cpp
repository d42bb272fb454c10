// "lohnsteuer-cli drucken": the print settings the window reads at start,
// and the command's errors.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

#include "pdf_hilfe.h"

namespace {

struct TAufruf {
  int Status = -1;
  QString Fehler;
};

TAufruf Cli(const QStringList& argumente) {
  QProcess p;
  p.start(QStringLiteral(LOHNSTEUER_CLI_PATH), argumente);
  TAufruf a;
  if (!p.waitForFinished(30000)) return a;
  a.Status = p.exitCode();
  a.Fehler = QString::fromUtf8(p.readAllStandardError());
  return a;
}

class CliDrucken : public ::testing::Test {
 protected:
  // The configuration folder of the test program (see main.cpp).
  QDir konfig_{QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))};
  QTemporaryDir ordner_;

  void Schreiben(const char* name, const QByteArray& text) {
    QFile f(konfig_.filePath(QString::fromLatin1(name)));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  void TearDown() override {
    QFile::remove(konfig_.filePath(QStringLiteral("Kolvanta.ini")));
    QFile::remove(konfig_.filePath(QStringLiteral("DrumselLStTab.ini")));
  }
};

// Margins and grey fill from "Kolvanta.ini", the font from the section
// "Druck" of the settings file; the margins of that section wait for the
// print options dialog's "OK" and do not apply.
TEST_F(CliDrucken, DruckeinstellungenWieDasFenster) {
  Schreiben("Kolvanta.ini", "[Druck]\nGrau=0\nLiRand=30\nObRand=25\nFontSize=9\n");
  Schreiben("DrumselLStTab.ini", "[Druck]\nLiRand=5\nFontName=DejaVu Serif\nFontSize=12\n");
  const QString pdf = ordner_.filePath(QStringLiteral("a.pdf"));
  const TAufruf a = Cli({QStringLiteral("drucken"), QStringLiteral("--brutto"), QStringLiteral("2.500,00"),
                         QStringLiteral("--pdf"), pdf});
  ASSERT_EQ(a.Status, 0) << a.Fehler.toStdString();
  EXPECT_TRUE(a.Fehler.isEmpty()) << a.Fehler.toStdString();
  const auto woerter = druck_test::PdfWoerter(pdf);
  const auto* daten = druck_test::Wort(woerter, QStringLiteral("Berechnungsdaten:"));
  const auto* titel = druck_test::Wort(woerter, QStringLiteral("Lohnsteuerberechnung"));
  ASSERT_TRUE(daten && titel);
  const double mm = 72 / 25.4;
  EXPECT_NEAR(daten->X0, 30 * mm, 1.5);
  EXPECT_NEAR(titel->Y0, 25 * mm, 2.5);
  // Body text at 12 points (headings 14): taller than the default 10.
  const auto* zeile = druck_test::Wort(woerter, QStringLiteral("Lohnsteuerklasse"));
  ASSERT_TRUE(zeile);
  EXPECT_GT(zeile->Y1 - zeile->Y0, 12.5);
  const QString schriften = QString::fromUtf8(druck_test::Ausfuehren(QStringLiteral("pdffonts"), {pdf}));
  EXPECT_TRUE(schriften.contains(QStringLiteral("DejaVuSerif"))) << schriften.toStdString();

  EXPECT_LT(druck_test::LaengsterGrauLauf(druck_test::PdfBild(pdf, 1, 72)), 5);
}

// A damaged "Kolvanta.ini" prints with the defaults.
TEST_F(CliDrucken, BeschaedigteDateiGibtVorgaben) {
  Schreiben("Kolvanta.ini", QByteArray("\xff\xfe[Druck\nLiRand=abc\n[Druck]\nLiRand=-4\nGrau=x\n\0\0", 45));
  const QString pdf = ordner_.filePath(QStringLiteral("b.pdf"));
  const TAufruf a = Cli({QStringLiteral("drucken"), QStringLiteral("--pdf=") + pdf});
  ASSERT_EQ(a.Status, 0) << a.Fehler.toStdString();
  const auto woerter = druck_test::PdfWoerter(pdf);
  const auto* daten = druck_test::Wort(woerter, QStringLiteral("Berechnungsdaten:"));
  ASSERT_TRUE(daten);
  EXPECT_NEAR(daten->X0, 17 * 72 / 25.4, 1.5);
}

TEST_F(CliDrucken, Fehler) {
  TAufruf a = Cli({QStringLiteral("drucken"), QStringLiteral("--brutto"), QStringLiteral("3000")});
  EXPECT_EQ(a.Status, 2);
  EXPECT_TRUE(a.Fehler.contains(QStringLiteral("--pdf"))) << a.Fehler.toStdString();
  a = Cli({QStringLiteral("drucken"), QStringLiteral("--pdf"), QStringLiteral("/nonexistent-folder/x.pdf")});
  EXPECT_EQ(a.Status, 1);
  EXPECT_TRUE(a.Fehler.contains(QStringLiteral("/nonexistent-folder/x.pdf"))) << a.Fehler.toStdString();
  a = Cli({QStringLiteral("drucken"), QStringLiteral("--pdf"), ordner_.filePath(QStringLiteral("c.pdf")),
           QStringLiteral("--steuerklasse"), QStringLiteral("7")});
  EXPECT_EQ(a.Status, 2);
  EXPECT_FALSE(QFile::exists(ordner_.filePath(QStringLiteral("c.pdf"))));
  a = Cli({QStringLiteral("berechnen"), QStringLiteral("--pdf"), ordner_.filePath(QStringLiteral("d.pdf"))});
  EXPECT_EQ(a.Status, 2);

  // The same checks as for berechnen: two signs, factor 0, pension payments
  // above the gross; no file is written.
  const QString f = ordner_.filePath(QStringLiteral("f.pdf"));
  for (const QString& falsch : {QStringLiteral("--kirchensteuer=--5"), QStringLiteral("--faktor=0"),
                                QStringLiteral("--versorgungsbezug=3000,01")}) {
    a = Cli({QStringLiteral("drucken"), QStringLiteral("--pdf"), f, QStringLiteral("--brutto"), QStringLiteral("3000"),
             QStringLiteral("--steuerklasse"), QStringLiteral("4"), falsch});
    EXPECT_EQ(a.Status, 2) << falsch.toStdString();
    EXPECT_TRUE(a.Fehler.startsWith(QStringLiteral("lohnsteuer-cli: "))) << a.Fehler.toStdString();
    EXPECT_FALSE(QFile::exists(f)) << falsch.toStdString();
  }

  // lohnsteuer-cli alone, without its printing program beside it.
  const QString allein = ordner_.filePath(QStringLiteral("lohnsteuer-cli"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(LOHNSTEUER_CLI_PATH), allein));
  QProcess p;
  p.start(allein, {QStringLiteral("drucken"), QStringLiteral("--pdf"), ordner_.filePath(QStringLiteral("e.pdf"))});
  ASSERT_TRUE(p.waitForFinished(30000));
  EXPECT_EQ(p.exitCode(), 2);
  EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("lohnsteuer-cli-druck")));
}

}  // namespace
