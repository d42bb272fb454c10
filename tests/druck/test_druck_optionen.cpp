// The print options dialog as a user drives it.
#include <QFile>
#include <QFontDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <gtest/gtest.h>

#include "common/ini_datei.h"
#include "fenster_hilfe.h"
#include "print/fenster/druck_optionen.h"

using namespace lst;

namespace {

class DruckOptionen : public ::testing::Test {
 protected:
  QTemporaryDir ordner_;
  druck::TDruckMaschine m_;
  std::string datei_ = ordner_.filePath(QStringLiteral("DrumselLStTab.ini")).toStdString();

  QLineEdit* Feld(TFDruckOptionen& d, const char* name) {
    return d.findChild<QLineEdit*>(QString::fromLatin1(name));
  }
  QPushButton* Knopf(TFDruckOptionen& d, const char* name) {
    return d.findChild<QPushButton*>(QString::fromLatin1(name));
  }
  void Tippen(QLineEdit* e, const QString& text) {
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Delete);
    QTest::keyClicks(e, text);
  }
  QByteArray DateiText() {
    QFile f(QString::fromStdString(datei_));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

// The defaults, typed margins saved by "OK" and given to the engine.
TEST_F(DruckOptionen, OKSpeichertUndUebernimmt) {
  TFDruckOptionen d(m_, datei_);
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Druckoptionen"));
  EXPECT_EQ(Feld(d, "EORand")->text(), QStringLiteral("10"));
  EXPECT_EQ(Feld(d, "ELRand")->text(), QStringLiteral("20"));
  EXPECT_EQ(Feld(d, "ERRand")->text(), QStringLiteral("0"));
  EXPECT_EQ(m_.Schrift.family(), QStringLiteral("Arial"));
  EXPECT_EQ(d.DruckSchriftGroesse(), 10);
  // Creating the dialog leaves the engine's margins alone.
  EXPECT_EQ(m_.LiRand, 17);

  d.show();
  Tippen(Feld(d, "EORand"), QStringLiteral("a2x5"));  // digits only
  EXPECT_EQ(Feld(d, "EORand")->text(), QStringLiteral("25"));
  Tippen(Feld(d, "ELRand"), QStringLiteral("123"));   // two characters at most
  EXPECT_EQ(Feld(d, "ELRand")->text(), QStringLiteral("12"));
  QTest::mouseClick(Knopf(d, "BOK"), Qt::LeftButton);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_EQ(m_.ObRand, 25);
  EXPECT_EQ(m_.LiRand, 12);
  EXPECT_EQ(m_.ReRand, 0);

  const TNewIniFile ini = TNewIniFile::AusPfad(datei_);
  EXPECT_EQ(ini.ReadString("Druck", "ObRand", ""), "25");
  EXPECT_EQ(ini.ReadString("Druck", "LiRand", ""), "12");
  EXPECT_EQ(ini.ReadString("Druck", "ReRand", ""), "0");
  EXPECT_EQ(ini.ReadString("Druck", "FontName", ""), "Arial");
  EXPECT_EQ(ini.ReadString("Druck", "FontSize", ""), "10");

  // A new dialog (the next program start) reads them back.
  druck::TDruckMaschine m2;
  TFDruckOptionen d2(m2, datei_);
  EXPECT_EQ(Feld(d2, "EORand")->text(), QStringLiteral("25"));
  EXPECT_EQ(Feld(d2, "ELRand")->text(), QStringLiteral("12"));
}

// An empty margin is refused with a message naming the field; nothing is
// written and the dialog stays open.  Out of range likewise.
TEST_F(DruckOptionen, LeererRandWirdAbgelehnt) {
  TFDruckOptionen d(m_, datei_);
  d.show();
  Tippen(Feld(d, "ELRand"), QString());
  QString meldung;
  druck_test::MeldungMerken(meldung);
  QTest::mouseClick(Knopf(d, "BOK"), Qt::LeftButton);
  EXPECT_TRUE(meldung.contains(QStringLiteral("Seitenrand links"))) << meldung.toStdString();
  EXPECT_TRUE(d.isVisible());
  EXPECT_TRUE(DateiText().isEmpty());
  EXPECT_EQ(m_.LiRand, 17);
  EXPECT_EQ(d.focusWidget(), Feld(d, "ELRand"));

  Tippen(Feld(d, "ELRand"), QStringLiteral("5"));
  Tippen(Feld(d, "ERRand"), QString());
  meldung.clear();
  druck_test::MeldungMerken(meldung);
  QTest::mouseClick(Knopf(d, "BOK"), Qt::LeftButton);
  EXPECT_TRUE(meldung.contains(QStringLiteral("Seitenrand rechts"))) << meldung.toStdString();
  EXPECT_TRUE(DateiText().isEmpty());
  d.reject();
}

// A font chosen and then "Abbrechen": the engine prints with the new font,
// the margins and the body size stay, nothing is written.  Opened again,
// the dialog shows the stored margins, not what was typed before.
TEST_F(DruckOptionen, AbbrechenBehaeltSchrift) {
  TFDruckOptionen d(m_, datei_);
  d.show();
  Tippen(Feld(d, "EORand"), QStringLiteral("33"));
  druck_test::BeiModal([](QWidget* w) {
    auto* fd = qobject_cast<QFontDialog*>(w);
    ASSERT_TRUE(fd);
    QFont f(QStringLiteral("DejaVu Serif"), 14);
    fd->setCurrentFont(f);
    fd->accept();
  });
  QTest::mouseClick(Knopf(d, "BFont"), Qt::LeftButton);
  EXPECT_EQ(m_.Schrift.pointSize(), 14);
  EXPECT_EQ(m_.Schrift.family(), QStringLiteral("DejaVu Serif"));
  QTest::mouseClick(Knopf(d, "BCancel"), Qt::LeftButton);
  EXPECT_FALSE(d.isVisible());
  EXPECT_EQ(m_.Schrift.pointSize(), 14);
  EXPECT_EQ(d.DruckSchriftGroesse(), 10);
  EXPECT_EQ(m_.ObRand, 10);
  EXPECT_TRUE(DateiText().isEmpty());
  d.show();
  EXPECT_EQ(Feld(d, "EORand")->text(), QStringLiteral("10"));
  d.reject();
}

// "Drucker..." opens the platform's printer dialog (here without printers:
// printing to a file) for the printer that "&Drucken" uses.
TEST_F(DruckOptionen, DruckerDialog) {
  TFDruckOptionen d(m_, datei_);
  d.show();
  QString titel;
  druck_test::BeiModal([&titel](QWidget* w) {
    titel = w->windowTitle();
    w->close();
  });
  QTest::mouseClick(Knopf(d, "BPrint"), Qt::LeftButton);
  EXPECT_EQ(titel, QStringLiteral("Drucker einrichten"));
  EXPECT_TRUE(d.isVisible());
  d.reject();
}

// A settings file with other values, and one with damaged values.
TEST_F(DruckOptionen, LiestAbschnittDruck) {
  {
    QFile f(QString::fromStdString(datei_));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Druck]\nObRand=5\nLiRand=7\nReRand=9\nFontName=DejaVu Serif\nFontSize=abc\n");
  }
  TFDruckOptionen d(m_, datei_);
  EXPECT_EQ(Feld(d, "EORand")->text(), QStringLiteral("5"));
  EXPECT_EQ(Feld(d, "ERRand")->text(), QStringLiteral("9"));
  EXPECT_EQ(m_.Schrift.family(), QStringLiteral("DejaVu Serif"));
  EXPECT_EQ(m_.Schrift.pointSize(), 10);
  EXPECT_EQ(d.DruckSchriftGroesse(), 10);
}

}  // namespace
