// The print engine on a PDF device: margins, line model, grey fill, head,
// foot and page break; the start-up settings.
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "pdf_hilfe.h"
#include "print/druck_einstellungen.h"
#include "print/druck_maschine.h"

using namespace lst::druck;
using druck_test::PdfWoerter;
using druck_test::Wort;

namespace {

constexpr double kPunktProMm = 72 / 25.4;

class DruckMaschine : public ::testing::Test {
 protected:
  QTemporaryDir ordner_;
  TDruckMaschine m_;

  DruckMaschine() {
    m_.FesteZeit = QDateTime(QDate(2013, 3, 4), QTime(9, 5));
    m_.Schrift = QFont(QStringLiteral("DejaVu Sans"), 10);
  }

  QString Pdf(const QString& name) const { return ordner_.filePath(name); }

  // A job on an A4 PDF at 600 dpi without device margins; druck fills it.
  template <class F>
  QString Drucken(const QString& name, F druck) {
    QPdfWriter pdf(Pdf(name));
    pdf.setResolution(600);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    EXPECT_TRUE(m_.DruckBeginn(pdf, kAusrichtungBehalten, QStringLiteral("Probe")));
    druck();
    EXPECT_TRUE(m_.DruckEnde());
    return Pdf(name);
  }
};

// The left and top margins are millimetres from the paper's edge; a right
// margin of 0 lets a text at 100 % end at the edge of the printable area.
TEST_F(DruckMaschine, RaenderVerschiebenDenText) {
  const auto seite = [&](int links, int oben, int rechts) {
    m_.LiRand = links;
    m_.ObRand = oben;
    m_.ReRand = rechts;
    const QString pdf = Drucken(QStringLiteral("r%1_%2_%3.pdf").arg(links).arg(oben).arg(rechts), [&] {
      m_.DruckText(10, kNormal, kLinks, 0, kOhneSchatten, QStringLiteral("Links"));
      m_.DruckText(10, kNormal, kRechts, 100, kOhneSchatten, QStringLiteral("Rechts"));
      m_.DruckVorschub(0);
    });
    return PdfWoerter(pdf);
  };
  const auto a = seite(17, 10, 15);
  const auto b = seite(27, 25, 0);
  const auto* linksA = Wort(a, QStringLiteral("Links"));
  const auto* linksB = Wort(b, QStringLiteral("Links"));
  const auto* kopfA = Wort(a, QStringLiteral("Probe"));
  const auto* kopfB = Wort(b, QStringLiteral("Probe"));
  const auto* rechtsA = Wort(a, QStringLiteral("Rechts"));
  const auto* rechtsB = Wort(b, QStringLiteral("Rechts"));
  ASSERT_TRUE(linksA && linksB && kopfA && kopfB && rechtsA && rechtsB);
  // 17 mm from the edge, moved by 10 mm; the head moves down by 15 mm.
  EXPECT_NEAR(linksA->X0, 17 * kPunktProMm, 1.5);
  EXPECT_NEAR(linksB->X0 - linksA->X0, 10 * kPunktProMm, 0.3);
  EXPECT_NEAR(kopfB->Y0 - kopfA->Y0, 15 * kPunktProMm, 0.3);
  EXPECT_NEAR(linksB->Y0 - linksA->Y0, 15 * kPunktProMm, 0.3);
  // 15 mm from the right edge, then at the edge itself (A4: 595.3 points).
  EXPECT_NEAR(595.3 - rechtsA->X1, 15 * kPunktProMm, 1.5);
  EXPECT_NEAR(595.3 - rechtsB->X1, 0, 1.5);
  EXPECT_LE(rechtsB->X1, 595.3);
}

// Head on every page, foot with the page number, date and time and the
// version; a text that reaches the foot zone goes to the next page.
TEST_F(DruckMaschine, SeitenumbruchMitKopfUndFuss) {
  int zeilenSeite1 = 0;
  const QString pdf = Drucken(QStringLiteral("umbruch.pdf"), [&] {
    for (int i = 1; i <= 80; ++i) {
      m_.DruckText(10, kNormal, kLinks, 0, kOhneSchatten, QStringLiteral("Zeile%1").arg(i));
      m_.DruckVorschub(0);
      if (m_.Seite() == 1) zeilenSeite1 = i;
      // The break happens at the text, never below the foot line.
      EXPECT_LT(m_.Zeile(), m_.DruckHoehe() - m_.FussOffset + m_.ZeilenHoehe(10));
    }
  });
  const auto w = PdfWoerter(pdf);
  ASSERT_EQ(druck_test::Seiten(pdf), 2);
  // The first text that did not fit is the first of page 2, below its head.
  const auto* erste2 = Wort(w, QStringLiteral("Zeile%1").arg(zeilenSeite1 + 1));
  ASSERT_TRUE(erste2);
  EXPECT_EQ(erste2->Seite, 2);
  const auto* kopf2 = Wort(w, QStringLiteral("Probe"), 2);
  ASSERT_TRUE(kopf2);
  EXPECT_LT(kopf2->Y1, erste2->Y0);
  EXPECT_TRUE(Wort(w, QStringLiteral("Lohnsteuer"), 2));  // the header line
  const QString seite1 = druck_test::PdfText(pdf, 1);
  const QString seite2 = druck_test::PdfText(pdf, 2);
  EXPECT_TRUE(seite1.contains(QStringLiteral("Seite 1")));
  EXPECT_TRUE(seite2.contains(QStringLiteral("Seite 2")));
  EXPECT_FALSE(seite1.contains(QStringLiteral("Seite 2")));
  EXPECT_TRUE(seite1.contains(QStringLiteral("Ver.: ") + ProgrammVersion()));
  EXPECT_TRUE(seite2.contains(QStringLiteral("04.03.13  09:05")) ||
              druck_test::Zeilen(seite2).join(QLatin1Char('\n')).contains(QStringLiteral("04.03.13 09:05")));
  // The foot lies below every text of the page.
  const auto* fuss1 = Wort(w, QStringLiteral("Seite"), 1);
  const auto* letzte1 = Wort(w, QStringLiteral("Zeile%1").arg(zeilenSeite1));
  ASSERT_TRUE(fuss1 && letzte1);
  EXPECT_GT(fuss1->Y0, letzte1->Y1);
}

// A measured block takes the height its printing takes and leaves nothing
// on the page; a block kept together goes whole to the next page where the
// rest of the page does not hold it, stays where it fits, and one taller
// than a page breaks as any text does.
TEST_F(DruckMaschine, BlockMessenUndZusammenhalten) {
  const auto block = [&](const QString& name, int zeilen) {
    m_.DruckText(14, kFett, kLinks, 0, kOhneSchatten, name);
    m_.DruckVorschub(0);
    for (int i = 1; i <= zeilen; ++i) {
      m_.DruckText(10, kNormal, kLinks, 0, kOhneSchatten, name + QString::number(i));
      m_.DruckVorschub(0);
    }
    m_.DruckLinie(true, 100, 0);
  };
  int gemessen = 0, gedruckt = 0, zeileVorher = 0, zeileNachher = 0;
  int seiteVor = 0, seiteNach = 0, seiteGross = 0;
  const QString pdf = Drucken(QStringLiteral("block.pdf"), [&] {
    block(QStringLiteral("Anfang"), 3);
    zeileVorher = m_.Zeile();
    gemessen = m_.Hoehe([&] { block(QStringLiteral("Unsichtbar"), 5); });
    zeileNachher = m_.Zeile();
    const int vorher = m_.Zeile();
    block(QStringLiteral("Mitte"), 5);
    gedruckt = m_.Zeile() - vorher;
    // A block that fits stays on the page.
    m_.Zusammenhalten(m_.Hoehe([&] { block(QStringLiteral("Klein"), 2); }));
    seiteVor = m_.Seite();
    block(QStringLiteral("Klein"), 2);
    // Fill the page to a few lines above the foot; a block of ten lines
    // then starts page 2.
    while (m_.Zeile() + 4 * m_.ZeilenHoehe(10) < m_.DruckHoehe() - m_.FussOffset - 40) {
      m_.DruckText(10, kNormal, kLinks, 0, kOhneSchatten, QStringLiteral("Fuellung"));
      m_.DruckVorschub(0);
    }
    m_.Zusammenhalten(m_.Hoehe([&] { block(QStringLiteral("Ganz"), 10); }));
    block(QStringLiteral("Ganz"), 10);
    seiteNach = m_.Seite();
    // Taller than a page: no empty page before it, it breaks within.
    const int seite = m_.Seite();
    m_.Zusammenhalten(m_.Hoehe([&] { block(QStringLiteral("Lang"), 120); }));
    seiteGross = m_.Seite() - seite;
    block(QStringLiteral("Lang"), 120);
  });
  EXPECT_EQ(gemessen, gedruckt);
  EXPECT_GT(gemessen, 5 * m_.ZeilenHoehe(10));
  EXPECT_EQ(zeileVorher, zeileNachher);
  EXPECT_EQ(seiteVor, 1);
  EXPECT_EQ(seiteNach, 2);
  EXPECT_EQ(seiteGross, 0);
  const auto w = PdfWoerter(pdf);
  EXPECT_EQ(Wort(w, QStringLiteral("Unsichtbar")), nullptr);
  EXPECT_EQ(Wort(w, QStringLiteral("Unsichtbar1")), nullptr);
  const auto* klein = Wort(w, QStringLiteral("Klein2"));
  ASSERT_TRUE(klein);
  EXPECT_EQ(klein->Seite, 1);
  // The kept block whole on page 2, right below its head.
  const auto* ganz = Wort(w, QStringLiteral("Ganz"));
  const auto* ganz10 = Wort(w, QStringLiteral("Ganz10"));
  const auto* kopf2 = Wort(w, QStringLiteral("Probe"), 2);
  ASSERT_TRUE(ganz && ganz10 && kopf2);
  EXPECT_EQ(ganz->Seite, 2);
  EXPECT_EQ(ganz10->Seite, 2);
  EXPECT_LT(ganz->Y0 - kopf2->Y1, 30);
  // The long block began on page 2 and ran on.
  const auto* lang = Wort(w, QStringLiteral("Lang1"));
  const auto* lang120 = Wort(w, QStringLiteral("Lang120"));
  ASSERT_TRUE(lang && lang120);
  EXPECT_EQ(lang->Seite, 2);
  EXPECT_GT(lang120->Seite, 2);
}

// With "Grau" the title's box is light grey and so is every later box; with
// "Grau" off no pixel of the page is light grey.
TEST_F(DruckMaschine, GrauerHintergrundNurMitGrau) {
  const auto grauePixel = [&](bool grau) {
    m_.Grau = grau;
    const QString pdf = Drucken(QStringLiteral("grau%1.pdf").arg(grau), [&] {
      m_.DruckText(10, kFett, kLinks, 0, kOhneSchatten, QStringLiteral("Krankenversicherungsbeitrag"));
      m_.DruckVorschub(0);
    });
    return druck_test::LaengsterGrauLauf(druck_test::PdfBild(pdf, 1, 72));
  };
  EXPECT_GT(grauePixel(true), 100);
  EXPECT_LT(grauePixel(false), 5);
}

// "Kolvanta.ini": defaults for a missing file and for damaged values.
TEST(DruckEinstellungen, StartwerteAusKolvanta) {
  QTemporaryDir ordner;
  const QString pfad = ordner.filePath(QStringLiteral("Kolvanta.ini"));
  const auto lesen = [&] {
    return DruckStartLesen(lst::TNewIniFile::AusPfad(pfad.toStdString()));
  };
  const auto pruefeVorgaben = [](const TDruckStart& s) {
    EXPECT_EQ(s.FussOffset, 250);
    EXPECT_EQ(s.FontName, "Arial");
    EXPECT_EQ(s.FontSize, 10);
    EXPECT_TRUE(s.Grau);
    EXPECT_EQ(s.LiRand, 17);
    EXPECT_EQ(s.ReRand, 15);
    EXPECT_EQ(s.ObRand, 10);
  };
  pruefeVorgaben(lesen());

  QFile f(pfad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("\x01\x02 garbage\n[Default]\nFussOffset=viel\n[Druck]\nFontName=\nFontSize=0\n"
          "Grau=vielleicht\nLiRand=-3\nReRand=100\nObRand=1e3\n");
  f.close();
  pruefeVorgaben(lesen());

  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[Default]\nFussOffset=300\n[Druck]\nFontName=Courier\nFontSize=12\nGrau=0\n"
          "LiRand=25\nReRand=5\nObRand=20\n");
  f.close();
  const TDruckStart s = lesen();
  EXPECT_EQ(s.FussOffset, 300);
  EXPECT_EQ(s.FontName, "Courier");
  EXPECT_EQ(s.FontSize, 12);
  EXPECT_FALSE(s.Grau);
  EXPECT_EQ(s.LiRand, 25);
  EXPECT_EQ(s.ReRand, 5);
  EXPECT_EQ(s.ObRand, 20);

  TDruckMaschine m;
  m.StartEinstellungen(s);
  EXPECT_EQ(m.BasisGroesse, 12);
  EXPECT_EQ(m.Schrift.family(), QStringLiteral("Courier"));
  EXPECT_EQ(m.LiRand, 25);
}

TEST(DruckEinstellungen, RandPruefen) {
  int mm = -1;
  EXPECT_EQ(RandPruefen("12", "Seitenrand oben", mm), "");
  EXPECT_EQ(mm, 12);
  EXPECT_EQ(RandPruefen(" 0 ", "Seitenrand oben", mm), "");
  EXPECT_EQ(mm, 0);
  for (const char* falsch : {"", "  ", "100", "-1", "1,5", "x"}) {
    mm = 7;
    const std::string meldung = RandPruefen(falsch, "Seitenrand links", mm);
    EXPECT_NE(meldung.find("Seitenrand links"), std::string::npos) << falsch;
    EXPECT_EQ(mm, 7);
  }
}

}  // namespace
