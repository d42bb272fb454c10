#include <gtest/gtest.h>

#include "calc/berechnung.h"

using namespace lst;

namespace {

struct Fall {
  TRechenKontext k;
  TLohnZeitraum lz;
  TLStEingabe e;
  TSVEingabe sv;
  TLStErgebnis erg;

  Fall() {
    lz.LZZ = 2;
    lz.RE4 = 300000;
    e.STKL = 1;
    e.KiStSatz = 0.09;
  }
  std::int64_t Steuer(int jahr = 2013) { return SteuerBerechnen(k, jahr, lz, e, erg, sv); }
};

}  // namespace

TEST(SteuerBerechnen, KirchensteuerWirdAbgeschnitten) {
  Fall f;
  f.Steuer();
  EXPECT_EQ(f.erg.LSt, 46825);
  EXPECT_EQ(f.erg.Soli, 2575);
  EXPECT_EQ(f.erg.BK, 46825);
  EXPECT_EQ(f.erg.KiSt, 4214);  // 4214.25 cut
  EXPECT_EQ(f.erg.SteuerSumme, 46825 + 2575 + 4214);
  EXPECT_EQ(f.erg.BruttoNachSteuer, 300000 - f.erg.SteuerSumme);
  EXPECT_EQ(f.erg.BruttoPlusPausch, 300000);
  for (int i : {1, 3, 5, 7, 9}) EXPECT_EQ(f.erg[i], 0) << i;
  f.e.Bekenntnislos = true;
  f.Steuer();
  EXPECT_EQ(f.erg.BK, 0);
  EXPECT_EQ(f.erg.KiSt, 0);
}

TEST(SteuerBerechnen, PauschsteuerDesArbeitgebers) {
  Fall f;
  f.lz.RE4 = 45000;
  f.e.PauschSatzAG = 0.02;
  EXPECT_EQ(f.Steuer(), 45900);
  EXPECT_EQ(f.erg.LStPausch, 900);
  EXPECT_EQ(f.erg.SteuerSummePausch, 900);
  EXPECT_EQ(f.erg.BruttoPlusPausch, 45900);
  EXPECT_EQ(f.erg.LSt, 0);  // 450 Euro a month: no wage tax in class I
  // A negative rate counts as no flat rate.
  f.e.PauschSatzAG = -0.02;
  EXPECT_EQ(f.Steuer(), 45000);
}

TEST(SteuerBerechnen, PauschsatzErsetztDieLohnsteuer) {
  Fall f;
  f.e.PauschSatzLSt = 0.25;
  f.Steuer();
  EXPECT_EQ(f.erg.LSt, 75000);
  EXPECT_EQ(f.erg.Soli, 0);
  EXPECT_EQ(f.erg.BK, 0);
  EXPECT_EQ(f.erg.KiSt, 0);
}

TEST(SteuerBerechnen, FaktorNurInKlasseVier) {
  Fall f;
  f.e.af = true;
  f.e.f = 0.8;
  f.e.STKL = 3;
  f.Steuer();
  const auto ohneFaktor = f.erg.LSt;
  EXPECT_EQ(f.k.LStVar.af, 0);
  f.e.af = false;
  f.Steuer();
  EXPECT_EQ(f.erg.LSt, ohneFaktor);
  f.e.STKL = 4;
  f.e.af = true;
  f.Steuer();
  EXPECT_EQ(f.k.LStVar.af, 1);
  EXPECT_EQ(f.erg.LSt, Abschneiden(5619 * 0.8) * 100 / 12);
}

TEST(SteuerBerechnen, RentenversicherungskennzeichenNachTabelleUndRegion) {
  Fall f;
  f.sv.Region = 0;
  f.Steuer();
  EXPECT_EQ(f.k.LStVar.KRV, 1);
  f.sv.Region = 1;
  f.Steuer();
  EXPECT_EQ(f.k.LStVar.KRV, 0);
  f.e.TabArt = 1;
  f.sv.Region = 0;
  f.Steuer();
  EXPECT_EQ(f.k.LStVar.KRV, 2);
  // The care surcharge of the childless sets PVZ.
  f.sv.Saetze[svPV2].AN = 0.0025;
  f.Steuer();
  EXPECT_EQ(f.k.LStVar.PVZ, 1);
}

TEST(SteuerBerechnen, JahrOhneProgramm) {
  Fall f;
  f.erg.LSt = 123;
  try {
    f.Steuer(1994);
    FAIL() << "kein Fehler";
  } catch (const TLStFehler& fehler) {
    EXPECT_STREQ(fehler.what(), "Keine Lohnsteuer für 1994 vorhanden.");
  }
  EXPECT_EQ(f.erg.LSt, 0);  // cleared
  EXPECT_THROW(f.Steuer(2014), TLStFehler);
}

TEST(Kindergeld, NachJahrUndZahlDerKinder) {
  TRechenKontext k;
  k.LStJahr = 2013;
  EXPECT_EQ(KindergeldBerechnen(k, 30, 0), 0);
  EXPECT_EQ(KindergeldBerechnen(k, 30, 3), 55800);
  EXPECT_EQ(KindergeldBerechnen(k, 30, 1.5), 27600);
  EXPECT_EQ(KindergeldBerechnen(k, 30, 4), 77300);
  EXPECT_EQ(KindergeldBerechnen(k, 360, 1), 220800);
  EXPECT_EQ(KindergeldBerechnen(k, 7, 1), 4293);  // 18400 / 30 * 7 = 4293.33
  k.LStJahr = 2009;
  EXPECT_EQ(KindergeldBerechnen(k, 30, 3), 49800);
  // Section 66 EStG of the years before 2004, four children a month: the
  // published amounts per child added up (pfennigs up to 2001).
  const struct {
    int jahr;
    std::int64_t eins, vier;
  } frueher[] = {{1996, 20000, 20000 + 20000 + 30000 + 35000},
                 {1997, 22000, 22000 + 22000 + 30000 + 35000},
                 {1998, 22000, 22000 + 22000 + 30000 + 35000},
                 {1999, 25000, 25000 + 25000 + 30000 + 35000},
                 {2000, 27000, 27000 + 27000 + 30000 + 35000},
                 {2001, 27000, 27000 + 27000 + 30000 + 35000},
                 {2002, 15400, 15400 * 3 + 17900},
                 {2003, 15400, 15400 * 3 + 17900}};
  for (const auto& f : frueher) {
    k.LStJahr = static_cast<std::int16_t>(f.jahr);
    EXPECT_EQ(KindergeldBerechnen(k, 30, 1), f.eins) << f.jahr;
    EXPECT_EQ(KindergeldBerechnen(k, 30, 4), f.vier) << f.jahr;
  }
  // 1995: the benefit depended on the parents' income.
  k.LStJahr = 1995;
  EXPECT_EQ(KindergeldBerechnen(k, 30, 3), 0);
}
