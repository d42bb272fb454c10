#include <gtest/gtest.h>

#include "calc/abrechnung.h"
#include "calc/berechnung.h"
#include "geld/geld.h"
#include "flussplan_lauf.h"

using namespace lst;

namespace {

// The tax step of raw records in a working space of the test's own.
struct Fall {
  TFlussplanWerk k;
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
  std::int64_t Steuer(int jahr = 2013) {
    k.LStJahr = static_cast<std::int16_t>(jahr);
    SteuerRechnen(k, WerkProgramm(k), WerkGrenzen(jahr), lz, e, erg, sv);
    return erg.BruttoPlusPausch;
  }
};

// The child benefit of a slip of the pay period lzz (a month counts 30 days,
// a year 360, a week 7) for n child allowances in class I.
std::int64_t Kindergeld(int jahr, int monat, std::uint8_t lzz, double n) {
  TAnfrage a;
  a.LZZ = lzz;
  a.Brutto = 300000;
  a.ZKF = static_cast<float>(n);
  return Abrechnen(StandardParameter(jahr, monat), a).Kindergeld;
}

}  // namespace

TEST(SteuerRechnen, KirchensteuerWirdAbgeschnitten) {
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

TEST(SteuerRechnen, PauschsteuerDesArbeitgebers) {
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

TEST(SteuerRechnen, PauschsatzErsetztDieLohnsteuer) {
  Fall f;
  f.e.PauschSatzLSt = 0.25;
  f.Steuer();
  EXPECT_EQ(f.erg.LSt, 75000);
  EXPECT_EQ(f.erg.Soli, 0);
  EXPECT_EQ(f.erg.BK, 0);
  EXPECT_EQ(f.erg.KiSt, 0);
}

TEST(SteuerRechnen, FaktorNurInKlasseVier) {
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

TEST(SteuerRechnen, RentenversicherungskennzeichenNachTabelleUndRegion) {
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

TEST(SteuerRechnen, JahrOhneProgramm) {
  Fall f;
  f.erg.LSt = 123;
  try {
    f.Steuer(1994);
    FAIL() << "kein Fehler";
  } catch (const TLStFehler& fehler) {
    EXPECT_STREQ(fehler.what(), "Keine Lohnsteuer für 1994 vorhanden.");
  }
  EXPECT_EQ(f.erg.LSt, 0);  // cleared
  EXPECT_THROW(f.Steuer(kLetztesLStJahr + 1), TLStFehler);
}

TEST(Kindergeld, NachJahrUndZahlDerKinder) {
  int jahr = 2013;
  EXPECT_EQ(Kindergeld(jahr, 12, 2, 0), 0);
  EXPECT_EQ(Kindergeld(jahr, 12, 2, 3), 55800);
  EXPECT_EQ(Kindergeld(jahr, 12, 2, 1.5), 27600);
  EXPECT_EQ(Kindergeld(jahr, 12, 2, 4), 77300);
  EXPECT_EQ(Kindergeld(jahr, 12, 1, 1), 220800);
  EXPECT_EQ(Kindergeld(jahr, 12, 3, 1), 4293);  // 18400 / 30 * 7 = 4293.33
  jahr = 2009;
  EXPECT_EQ(Kindergeld(jahr, 12, 2, 3), 49800);
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
    jahr = f.jahr;
    EXPECT_EQ(Kindergeld(jahr, 12, 2, 1), f.eins) << f.jahr;
    EXPECT_EQ(Kindergeld(jahr, 12, 2, 4), f.vier) << f.jahr;
  }
  // 1995: the benefit depended on the parents' income.
  jahr = 1995;
  EXPECT_EQ(Kindergeld(jahr, 12, 2, 3), 0);
}

// The amounts of section 66 EStG year by year as published, per child by
// position; every year and pay month gives them, 2019 the raised ones from
// July, the years around the tables none.
TEST(Kindergeld, AlleJahreUndMonate) {
  const struct {
    int von, bis;
    std::int64_t t1, t2, t3, t4;
  } kSaetze[] = {{1996, 1996, 20000, 20000, 30000, 35000}, {1997, 1998, 22000, 22000, 30000, 35000},
                 {1999, 1999, 25000, 25000, 30000, 35000}, {2000, 2001, 27000, 27000, 30000, 35000},
                 {2002, 2008, 15400, 15400, 15400, 17900}, {2009, 2009, 16400, 16400, 17000, 19500},
                 {2010, 2014, 18400, 18400, 19000, 21500}, {2015, 2015, 18800, 18800, 19400, 21900},
                 {2016, 2016, 19000, 19000, 19600, 22100}, {2017, 2017, 19200, 19200, 19800, 22300},
                 {2018, 2019, 19400, 19400, 20000, 22500}, {2020, 2020, 20400, 20400, 21000, 23500},
                 {2021, 2022, 21900, 21900, 22500, 25000}, {2023, 2024, 25000, 25000, 25000, 25000},
                 {2025, 2025, 25500, 25500, 25500, 25500}, {2026, 2026, 25900, 25900, 25900, 25900}};
  for (int jahr = kErstesJahr - 1; jahr <= 2026; ++jahr) {
    for (int monat = 1; monat <= 12; ++monat) {
      std::int64_t t[4] = {0, 0, 0, 0};
      for (const auto& s : kSaetze) {
        if (jahr >= s.von && jahr <= s.bis) {
          t[0] = s.t1; t[1] = s.t2; t[2] = s.t3; t[3] = s.t4;
        }
      }
      if (jahr == 2019 && monat >= 7) {
        t[0] = t[1] = 20400; t[2] = 21000; t[3] = 23500;
      }
      SCOPED_TRACE(std::to_string(jahr) + "/" + std::to_string(monat));
      // One child each, the fifth as the fourth, a half child of the third
      // position, a week.
      EXPECT_EQ(Kindergeld(jahr, monat, 2, 1), t[0]);
      EXPECT_EQ(Kindergeld(jahr, monat, 2, 2), t[0] + t[1]);
      EXPECT_EQ(Kindergeld(jahr, monat, 2, 3), t[0] + t[1] + t[2]);
      EXPECT_EQ(Kindergeld(jahr, monat, 2, 5), t[0] + t[1] + t[2] + 2 * t[3]);
      EXPECT_EQ(Kindergeld(jahr, monat, 2, 2.5), t[0] + t[1] + Runden(0.5 * static_cast<double>(t[2])));
      EXPECT_EQ(Kindergeld(jahr, monat, 3, 1), Runden(static_cast<double>(t[0]) / 30.0 * 7));
    }
  }
  // A year after the tables has no child benefit.
  EXPECT_EQ(Kindergeld(kLetztesLStJahr + 1, 1, 2, 2), 0);
}
