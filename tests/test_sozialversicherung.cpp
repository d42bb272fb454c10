#include <gtest/gtest.h>

#include <filesystem>
#include <cctype>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include "geld/geld.h"
#include "calc/parameter.h"
#include "calc/sozialversicherung.h"
#include "calc/sv_einstellungen.h"
#include "common/ini_datei.h"

using namespace lst;

namespace {

constexpr std::uint8_t kJahr = 1, kMonat = 2, kWoche = 3, kTag = 4;
constexpr double kNicht = -0.01;  // not levied: -1 percent

TSVEingabe Eingabe(int jahr, TBeschaeftigung typ, std::uint8_t region = rgWest) {
  TSVEingabe sv;
  sv.Region = region;
  sv.Saetze = SVSaetzeStandard(jahr)[typ];
  return sv;
}

// The contributions of one pay period against the year's ceilings, by the
// rule period of sv.Monat.
TSVErgebnis Berechne(int jahr, std::uint8_t lzz, std::int64_t re4, const TSVEingabe& sv) {
  TSVErgebnis e;
  SVRechnen(jahr, SVPeriode(jahr, sv.Monat), BBGStandard(jahr), TLohnZeitraum{lzz, re4}, sv, e);
  return e;
}

// Rates compared exactly: a rate read back must compute as the one written.
void ErwarteGleich(const TSVSatzTabelle& a, const TSVSatzTabelle& b) {
  for (int typ = 0; typ < beAnzahl; ++typ)
    for (int art = 0; art < svAnzahl; ++art) {
      EXPECT_EQ(a[typ][art].AN, b[typ][art].AN) << typ << "/" << art;
      EXPECT_EQ(a[typ][art].AG, b[typ][art].AG) << typ << "/" << art;
    }
}

}  // namespace

// ---- per-year tables ----------------------------------------------------------

TEST(SVTabellen, Saetze2013) {
  // Percent, (AN, AG) per kind KV PV RV AV RVAuf KV2 PV2.
  const double prozent[beAnzahl][svAnzahl][2] = {
      {{7.3, 7.3}, {1.025, 1.025}, {9.45, 9.45}, {1.5, 1.5}, {-1, -1}, {0.9, -1}, {0.25, -1}},
      {{0, 13}, {0, 0}, {0, 15}, {0, 0}, {3.9, 0}, {-1, -1}, {-1, -1}},
      {{0, 5}, {0, 0}, {0, 5}, {0, 0}, {13.9, 0}, {-1, -1}, {-1, -1}}};
  const TSVSatzTabelle t = SVSaetzeStandard(2013);
  for (int typ = 0; typ < beAnzahl; ++typ)
    for (int art = 0; art < svAnzahl; ++art) {
      EXPECT_DOUBLE_EQ(t[typ][art].AN, prozent[typ][art][0] / 100) << typ << "/" << art;
      EXPECT_DOUBLE_EQ(t[typ][art].AG, prozent[typ][art][1] / 100) << typ << "/" << art;
    }
}

TEST(SVTabellen, WechselZwischenDenJahren) {
  EXPECT_EQ(BBGStandard(2001)[bbgPV][rgOst], 652500);  // pfennigs
  EXPECT_EQ(BBGStandard(2002)[bbgRV][rgWest], 450000);  // cents
  EXPECT_DOUBLE_EQ(SVSaetzeStandard(1999)[beGF][svRVAuf].AG, kNicht);
  EXPECT_DOUBLE_EQ(SVSaetzeStandard(2000)[beGF][svRVAuf].AG, 0);
  EXPECT_DOUBLE_EQ(SVSaetzeStandard(2004)[beHH][svRVAuf].AN, 0.145);
  EXPECT_DOUBLE_EQ(SVSaetzeStandard(2004)[beNV][svKV2].AN, kNicht);
  EXPECT_DOUBLE_EQ(SVSaetzeStandard(2005)[beNV][svPV2].AN, 0.0025);
  EXPECT_EQ(GleitzoneFaktor(2006), 0.5967);
}

// Figures checked against the published values of each year.
TEST(SVTabellen, AmtlicheWerte) {
  // Pension and unemployment ceiling 2002: 4.500 EUR West, 3.750 EUR East.
  EXPECT_EQ(BBGStandard(2002)[bbgRV][rgOst], 375000);
  EXPECT_EQ(BBGStandard(2002)[bbgAV][rgOst], 375000);
  EXPECT_EQ(BBGStandard(2002)[bbgKV][rgOst], 337500);
  // Sliding-zone factor F = 25 % / average total rate (41,7 % and 42,0 %).
  EXPECT_EQ(GleitzoneFaktor(2003), 0.5995);
  EXPECT_EQ(GleitzoneFaktor(2004), 0.5952);
  EXPECT_EQ(GleitzoneFaktor(2005), 0.5952);
  // Minimum base of the top-up: 155 EUR up to 2012, 175 EUR from 2013.
  EXPECT_EQ(AufstockungMindestBasis(2012), 15500);
  EXPECT_EQ(AufstockungMindestBasis(2013), 17500);
  // Top-up rate 2000: 19,3 % full pension rate less the employer's 12 %.
  EXPECT_DOUBLE_EQ(SVSaetzeStandard(2000)[beGF][svRVAuf].AN, 0.073);
  // Limit of marginal employment: 400 EUR in 2012, 450 EUR from 2013.
  for (int r : {rgOst, rgWest}) {
    EXPECT_EQ(BBGStandard(2012)[bbgGF][r], 40000);
    EXPECT_EQ(BBGStandard(2013)[bbgGF][r], 45000);
    EXPECT_EQ(BBGStandard(2002)[bbgGF][r], 32500);
  }
}

TEST(SVTabellen, JahrOhneTabelleErhebtNichts) {
  EXPECT_EQ(StandardParameter(2013, 12).BBG, BBGStandard(2013));
  for (int jahr : {1994, kLetztesLStJahr + 1}) {
    EXPECT_FALSE(SVVorhanden(jahr));
    EXPECT_EQ(StandardParameter(jahr, 1).BBG, TBBGTabelle{});
    EXPECT_EQ(BBGStandard(jahr), TBBGTabelle{});
    for (const auto& zeile : SVSaetzeStandard(jahr))
      for (const auto& p : zeile) EXPECT_TRUE(p.AN < 0 && p.AG < 0);
    EXPECT_EQ(GleitzoneFaktor(jahr), -1.0);
    EXPECT_EQ(AufstockungMindestBasis(jahr), -1);
  }
}

TEST(SVTabellen, GrenzenJeZeitraum) {
  const TBBGTabelle t = BBGStandard(2013);
  EXPECT_EQ(BBGFuerZeitraum(t, kJahr, rgWest)[bbgKV], 4725000);
  EXPECT_EQ(BBGFuerZeitraum(t, kMonat, rgOst)[bbgRV], 490000);
  // The week rounds the day first: 19333 * 7, not 580000 * 7 / 30 = 135333.
  EXPECT_EQ(BBGFuerZeitraum(t, kWoche, rgWest)[bbgRV], 135331);
  EXPECT_EQ(BBGFuerZeitraum(t, kWoche, rgWest)[bbgGF], 10500);
  EXPECT_EQ(BBGFuerZeitraum(t, kTag, rgWest)[bbgRV], 19333);
  EXPECT_EQ(BBGFuerZeitraum(t, kMonat, 7)[bbgRV], 580000);  // unknown region: West
}

// ---- rule periods within a year -----------------------------------------------

// The changes within the old years, by the laws cited at the table: a month
// before the change takes the year's row, a month from it the new value.
TEST(SVPerioden, AlteWechselImJahr) {
  auto nv = [](int jahr, int monat, TSVArt art) { return SVSaetzeStandard(jahr, monat)[beNV][art].AN; };
  EXPECT_DOUBLE_EQ(nv(1996, 6, svPV), 0.005);   // care 1,0 % to June 1996
  EXPECT_DOUBLE_EQ(nv(1996, 7, svPV), 0.0085);  // 1,7 % from July
  EXPECT_DOUBLE_EQ(nv(1999, 3, svRV), 0.1015);  // pension 20,3 % to March 1999
  EXPECT_DOUBLE_EQ(nv(1999, 4, svRV), 0.0975);  // 19,5 % from April
  EXPECT_DOUBLE_EQ(nv(2008, 6, svPV), 0.0085);  // care 1,7 % to June 2008
  EXPECT_DOUBLE_EQ(nv(2008, 7, svPV), 0.00975); // 1,95 % from July
  EXPECT_DOUBLE_EQ(nv(2009, 6, svKV), 0.073);   // health 15,5 % (with 0,9) to June 2009
  EXPECT_DOUBLE_EQ(nv(2009, 7, svKV), 0.07);    // 14,9 % from July
  EXPECT_DOUBLE_EQ(nv(2005, 6, svKV2), kNicht); // the 0,9 % surcharge from July 2005 only
  EXPECT_DOUBLE_EQ(nv(2005, 7, svKV2), 0.009);
  EXPECT_EQ(GleitzoneFaktor(2003, 3), -1.0);    // the sliding zone from April 2003 only
  EXPECT_EQ(GleitzoneFaktor(2003, 4), 0.5995);
  EXPECT_FALSE(GleitzoneGrenzenFuerZeitraum(2003, 3, kMonat).Vorhanden);
  EXPECT_EQ(BBGStandard(2003, 3)[bbgGF][rgWest], 32500);
  EXPECT_EQ(BBGStandard(2003, 4)[bbgGF][rgWest], 40000);
  EXPECT_DOUBLE_EQ(SVSaetzeStandard(2003, 4)[beHH][svRVAuf].AN, 0.145);
  EXPECT_EQ(GleitzoneFaktor(2006, 6), 0.5967);  // flat rates 13 % and 15 % from July 2006
  EXPECT_EQ(GleitzoneFaktor(2006, 7), 0.7160);
  EXPECT_DOUBLE_EQ(SVSaetzeStandard(2006, 7)[beGF][svRVAuf].AN, 0.045);
  EXPECT_EQ(AufstockungMindestBasis(1999, 3), -1);  // marginal employment from April 1999
  EXPECT_EQ(AufstockungMindestBasis(1999, 4), 30000);

  // The forms without a month keep the year's row, as the settings store it.
  EXPECT_DOUBLE_EQ(SVSaetzeStandard(1999)[beNV][svRV].AN, 0.1015);
  EXPECT_DOUBLE_EQ(SVSaetzeStandard(2005)[beNV][svKV2].AN, 0.009);
  EXPECT_EQ(GleitzoneFaktor(2003), 0.5995);
  // A year without change has one period, equal to its row.
  for (int jahr = 1995; jahr <= 2026; ++jahr) {
    const bool mitWechsel = jahr == 1996 || jahr == 1999 || jahr == 2003 || jahr == 2005 ||
                            jahr == 2006 || jahr == 2008 || jahr == 2009 || jahr == 2015 ||
                            jahr == 2019 || jahr == 2020 || jahr == 2022 || jahr == 2023;
    EXPECT_EQ(SVPeriode(jahr, 12).AbMonat > 1, mitWechsel) << jahr;
    if (mitWechsel) continue;
    for (int monat = 1; monat <= 12; ++monat) {
      EXPECT_EQ(BBGStandard(jahr, monat), BBGStandard(jahr)) << jahr;
      ErwarteGleich(SVSaetzeStandard(jahr, monat), SVSaetzeStandard(jahr));
      EXPECT_EQ(GleitzoneFaktor(jahr, monat), GleitzoneFaktor(jahr)) << jahr;
    }
  }
}

// A period runs from its first month to the month before the next one.
TEST(SVPerioden, MonateDerPerioden) {
  EXPECT_EQ(SVPeriode(2013, 5).AbMonat, 1);
  EXPECT_EQ(SVPeriode(2019, 5).AbMonat, 1);
  EXPECT_EQ(SVPeriode(2019, 6).AbMonat, 6);   // U2 of the minijob office
  EXPECT_EQ(SVPeriode(2019, 8).AbMonat, 7);   // transition zone
  EXPECT_EQ(SVPeriode(2022, 9).AbMonat, 1);
  EXPECT_EQ(SVPeriode(2022, 11).AbMonat, 10);
  EXPECT_EQ(SVPeriode(2023, 12).AbMonat, 7);
  EXPECT_EQ(SVPeriode(2023, 0).AbMonat, 1);   // months outside 1..12 are clamped
  EXPECT_EQ(SVPeriode(2023, 13).AbMonat, 7);
  EXPECT_EQ(SVPeriode(kLetztesLStJahr + 1, 1).Jahr, 0);  // no period
  EXPECT_TRUE(SVVorhanden(1995));
  EXPECT_TRUE(SVVorhanden(2026));
  EXPECT_FALSE(SVVorhanden(1994));
}

// The contributions follow the period of the pay month: 2003 had no sliding
// zone before April, 1999 no top-up before April, 2019 the waiver of the
// pension reduction only to June.
TEST(SVPerioden, BerechnungNachMonat) {
  TSVEingabe sv = Eingabe(2003, beNV);
  sv.Gleitzone = true;
  sv.Monat = 3;
  EXPECT_EQ(Berechne(2003, kMonat, 60000, sv).Betrag, Berechne(2003, kMonat, 60000, Eingabe(2003, beNV)).Betrag);
  sv.Monat = 4;
  EXPECT_EQ(Berechne(2003, kMonat, 60000, sv).AN(svKV), 2 * 3561 - 4110);

  TSVEingabe z = Eingabe(2019, beNV);
  z.Gleitzone = true;
  z.RVVerzicht = true;
  z.Monat = 6;
  EXPECT_EQ(Berechne(2019, kMonat, 80000, z).AN(svRV), 7440);  // 800 x 9,3 %
  z.Monat = 7;
  EXPECT_EQ(Berechne(2019, kMonat, 80000, z).AN(svRV), 6242);  // no waiver any more
}

// The add-on rate in the KV2 pair and the care rates of Saxony.
TEST(SVPerioden, ZusatzbeitragUndSachsen) {
  const TSatzPaar p2014 = ZusatzbeitragSaetze(2014, 1, 1.5);
  EXPECT_DOUBLE_EQ(p2014.AN, 0.009);  // no add-on rate yet: the surcharge
  EXPECT_DOUBLE_EQ(p2014.AG, kNicht);
  const TSatzPaar p2018 = ZusatzbeitragSaetze(2018, 1, 1.5);
  EXPECT_DOUBLE_EQ(p2018.AN, 0.015);
  EXPECT_DOUBLE_EQ(p2018.AG, kNicht);
  const TSatzPaar p2019 = ZusatzbeitragSaetze(2019, 1, 1.5);
  EXPECT_DOUBLE_EQ(p2019.AN, 0.0075);
  EXPECT_DOUBLE_EQ(p2019.AG, 0.0075);
  EXPECT_EQ(DurchschnittsZusatzbeitrag(2014, 1), -1);
  EXPECT_EQ(DurchschnittsZusatzbeitrag(2026, 1), 2.9);
  EXPECT_DOUBLE_EQ(SVSaetzeStandard(2026, 1)[beNV][svKV2].AN, 0.0145);

  const TSatzPaar sachsen = PVSaetzeSachsen(2024, 1);
  EXPECT_DOUBLE_EQ(sachsen.AN, 0.022);
  EXPECT_DOUBLE_EQ(sachsen.AG, 0.012);
  EXPECT_DOUBLE_EQ(PVSaetzeSachsen(2023, 6).AN, 0.02025);
  EXPECT_DOUBLE_EQ(PVSaetzeSachsen(2025, 1).AG, 0.013);

  // Saxony, childless, July 2023, 4.000 EUR: 4.000 x 2,8 % = 112,00, the
  // employer 48,00.  In the zone the two shares on the reduced base make the
  // whole contribution as elsewhere.
  const TBBGTabelle bbg = BBGStandard(2023, 7);
  TSVEingabe sv;
  sv.Monat = 7;
  sv.Saetze = SVSaetzeStandard(2023, 7)[beNV];
  sv.Saetze[svPV] = PVSaetzeSachsen(2023, 7);
  sv.PVS = true;
  TSVErgebnis e;
  SVRechnen(2023, SVPeriode(2023, 7), bbg, TLohnZeitraum{2, 400000}, sv, e);
  EXPECT_EQ(e.AN(svPV) + e.AN(svPV2), 11200);
  EXPECT_EQ(e.AG(svPV), 4800);
  sv.Gleitzone = true;
  SVRechnen(2023, SVPeriode(2023, 7), bbg, TLohnZeitraum{2, 80000}, sv, e);
  EXPECT_EQ(e.AN(svPV) + e.AG(svPV), Runden(e.BE * 0.022) + Runden(e.BE * 0.012));
  EXPECT_EQ(e.AN(svPV), Runden(e.BE_AN * 0.022));
}

// The discount for further children: at most four, from July 2023, borne by
// the employee alone.
TEST(SVPerioden, AbschlagFuerKinder) {
  auto pv = [](int jahr, int monat, std::uint8_t abschlaege) {
    TSVEingabe sv;
    sv.Monat = static_cast<std::uint8_t>(monat);
    sv.Saetze = SVSaetzeStandard(jahr, monat)[beNV];
    sv.Saetze[svPV2].AN = 0;
    sv.PVAbschlaege = abschlaege;
    TSVErgebnis e;
    SVRechnen(jahr, SVPeriode(jahr, monat), BBGStandard(jahr, monat), TLohnZeitraum{2, 300000}, sv, e);
    return std::pair{e.AN(svPV), e.AG(svPV)};
  };
  EXPECT_EQ(pv(2023, 6, 2), (std::pair<std::int64_t, std::int64_t>{4575, 4575}));  // before July: none
  EXPECT_EQ(pv(2023, 7, 1), (std::pair<std::int64_t, std::int64_t>{4350, 5100}));  // 1,45 %
  EXPECT_EQ(pv(2025, 1, 4), (std::pair<std::int64_t, std::int64_t>{2400, 5400}));  // 0,8 %
  EXPECT_EQ(pv(2025, 1, 9), pv(2025, 1, 4));                                       // capped at four
}

// Levies: the defaults of the minijob office only for marginal employment;
// a rate given counts for every employment; households pay no insolvency
// levy; the years up to 2013 have none in the tables.
TEST(SVPerioden, Umlagen) {
  auto rechne = [](int jahr, TBeschaeftigung typ, double u1, std::int64_t lohn) {
    TSVEingabe sv = Eingabe(jahr, typ);
    sv.Beschaeftigung = typ;
    sv.U1 = u1;
    return Berechne(jahr, 2, lohn, sv);
  };
  const TSVErgebnis nv = rechne(2026, beNV, -1, 900000);
  EXPECT_EQ(nv.U1_AG + nv.U2_AG, 0);
  EXPECT_EQ(nv.IGU_AG, 1268);  // on the pension ceiling 8.450 EUR: 12,675
  EXPECT_EQ(rechne(2026, beNV, 0.016, 300000).U1_AG, 4800);
  EXPECT_EQ(rechne(2026, beHH, -1, 60300).IGU_AG, 0);
  EXPECT_EQ(rechne(2026, beHH, -1, 60300).U1_AG, 482);
  // A minijob marked as in the zone keeps its flat employer rates.
  {
    TSVEingabe sv = Eingabe(2026, beGF);
    sv.Beschaeftigung = beGF;
    sv.Gleitzone = true;
    const TSVErgebnis e = Berechne(2026, 2, 60300, sv);
    EXPECT_EQ(e.AG(svKV), 7839);
    EXPECT_EQ(e.AG(svRV), 9045);
    EXPECT_EQ(e.BE, 0);
  }
  const TSVErgebnis alt = rechne(2013, beGF, -1, 45000);
  EXPECT_EQ(alt.U1_AG + alt.U2_AG + alt.IGU_AG, 0);
}

// ---- sliding zone ---------------------------------------------------------------

TEST(Gleitzone, Bemessung) {
  auto erwarte = [](int jahr, std::int64_t lohn, int klasse, std::int64_t basis) {
    const TGleitzoneBemessung g = GleitzoneBemessung(jahr, lohn);
    EXPECT_EQ(g.Klasse, klasse) << jahr << " " << lohn;
    EXPECT_EQ(g.Bemessung, basis) << jahr << " " << lohn;
  };
  erwarte(2013, 60000, 0, 53264);
  erwarte(2013, 45000, -1, 34223);  // 34222.5
  erwarte(2013, 45001, 0, 34224);
  erwarte(2013, 85000, 0, 85000);
  erwarte(2013, 85001, 1, 85001);
  erwarte(2012, 60000, 0, 54982);  // 0.7491 * 40000 + 1.2509 * 20000
  erwarte(2012, 80000, 0, 80000);
  erwarte(2012, 82000, 1, 82000);
  // No factor, no sliding zone: never a negative base.
  erwarte(2002, 10000, 1, 10000);
  erwarte(2002, 60000, 1, 60000);
}

TEST(Gleitzone, AnteilNieNegativ) {
  std::int64_t b = -5;
  EXPECT_FALSE(GleitzoneAnteil(2013, b, 0.13, 0, 30000));
  EXPECT_EQ(b, 0);
  b = -5;
  EXPECT_TRUE(GleitzoneAnteil(2013, b, 0.073, kNicht, 60000));
  EXPECT_EQ(b, 0);
}

// ---- contributions ----------------------------------------------------------------

TEST(SVRechnen, UeberDenGrenzen) {
  const TSVErgebnis e = Berechne(2013, kMonat, 500000, Eingabe(2013, beNV));
  EXPECT_EQ(e.AN(svKV), 28744);  // 393750 * 0.073 = 28743.75
  EXPECT_EQ(e.AG(svKV), 28744);
  EXPECT_EQ(e.AN(svRV), 47250);
  EXPECT_EQ(e.AG(svRV), 47250);
  EXPECT_EQ(e.AG(svKV2) + e.AG(svPV2) + e.AN(svRVAuf), 0);
  EXPECT_EQ(e.SVSummeAN(), 28744 + 4036 + 47250 + 7500 + 3544 + 984);
  EXPECT_EQ(e.SVSummeAG(), 28744 + 4036 + 47250 + 7500);
  EXPECT_EQ(Berechne(2013, kMonat, 500000, Eingabe(2013, beNV, rgOst)).AN(svRV), 46305);
  EXPECT_EQ(Berechne(2013, kJahr, 6000000, Eingabe(2013, beNV)).AN(svKV), 344925);
}

// The ceilings are those of the table given, not the year's defaults; the
// result is written whole.
TEST(SVRechnen, GrenzenKommenAusDerTabelle) {
  TBBGTabelle bbg = BBGStandard(2013);
  bbg[bbgKV][rgWest] = 300000;
  TSVErgebnis e;
  e.Betrag.fill(77);
  SVRechnen(2013, SVPeriode(2013, 12), bbg, TLohnZeitraum{kMonat, 500000}, Eingabe(2013, beNV), e);
  EXPECT_EQ(e.AN(svKV), 21900);
  EXPECT_EQ(e.AG(svKV2), 0);  // cleared
}

TEST(SVRechnen, Gleitzone) {
  TSVEingabe sv = Eingabe(2013, beNV);
  sv.Gleitzone = true;
  const TSVErgebnis e = Berechne(2013, kMonat, 60000, sv);
  EXPECT_EQ(e.AG(svKV), 4380);
  EXPECT_EQ(e.AN(svKV), 3396);
  EXPECT_EQ(e.AN(svRV), 4396);
  // Health with surcharge, published for 600 EUR in 2013: 38,76 EUR =
  // 2 * Runden(53264 * 15,5 % / 2) - 43,80.
  EXPECT_EQ(e.AN(svKV) + e.AN(svKV2), 3876);
  // Care with the surcharge for the childless: 2 * Runden(53264 * 2,3 % / 2) - 6,15.
  EXPECT_EQ(e.AN(svPV) + e.AN(svPV2), 2 * 613 - 615);
  EXPECT_EQ(e.SVSummeAN(), 3876 + 4396 + 698 + 611);
  EXPECT_EQ(e.SVSummeAG(), 4380 + 615 + 5670 + 900);
  EXPECT_EQ(Berechne(2013, kMonat, 45000, sv).AN(svKV), 2 * 2498 - 3285);
  sv.RVVerzicht = true;
  EXPECT_EQ(Berechne(2013, kMonat, 60000, sv).AN(svRV), 5670);

  TSVEingabe alt = Eingabe(2003, beNV);
  alt.Gleitzone = true;
  // F 0,5995: base 0,5995 * 400 + 1,4005 * 200 = 519,90 EUR.
  EXPECT_EQ(Berechne(2003, kMonat, 60000, alt).AN(svKV), 2 * 3561 - 4110);
  EXPECT_EQ(GleitzoneBemessung(2004, 60000).Bemessung, 51904);  // F 0,5952
}

// The zone of another pay period is the monthly zone converted like the
// ceilings: a yearly 7.200 EUR (600 EUR a month) lies inside it and pays
// twelve monthly contributions, up to one rounding per month and share.
TEST(SVRechnen, GleitzoneInAnderenZeitraeumen) {
  EXPECT_EQ(GleitzoneGrenzenFuerZeitraum(2013, kJahr).Untergrenze, 540000);
  EXPECT_EQ(GleitzoneGrenzenFuerZeitraum(2013, kJahr).Obergrenze, 1020000);
  EXPECT_EQ(GleitzoneGrenzenFuerZeitraum(2013, kWoche).Obergrenze, 2833 * 7);
  EXPECT_EQ(GleitzoneGrenzenFuerZeitraum(2013, kTag).Untergrenze, 1500);
  EXPECT_FALSE(GleitzoneGrenzenFuerZeitraum(2002, kJahr).Vorhanden);

  EXPECT_EQ(GleitzoneBemessung(2013, kJahr, 720000).Klasse, 0);
  EXPECT_EQ(GleitzoneBemessung(2013, kJahr, 540000).Klasse, -1);
  EXPECT_EQ(GleitzoneBemessung(2013, kJahr, 1020001).Klasse, 1);
  EXPECT_EQ(GleitzoneBemessung(2013, kMonat, 60000).Bemessung, 53264);

  TSVEingabe sv = Eingabe(2013, beNV);
  sv.Gleitzone = true;
  const TSVErgebnis monat = Berechne(2013, kMonat, 60000, sv);
  const TSVErgebnis jahr = Berechne(2013, kJahr, 720000, sv);
  const TSVErgebnis ohneZone = Berechne(2013, kJahr, 720000, Eingabe(2013, beNV));
  EXPECT_LT(jahr.SVSummeAN(), ohneZone.SVSummeAN());
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(jahr.Betrag[i], 12 * monat.Betrag[i], 12) << i;
  EXPECT_EQ(jahr.AG(svKV), 12 * monat.AG(svKV));
  // Health share rounded once in the year: 2 * Runden(639169 * 7,3 %) - 525,60 EUR.
  EXPECT_EQ(jahr.AN(svKV), 2 * 46659 - 52560);

  // A week of 150 EUR lies in the weekly zone (105,00 to 198,31 EUR).
  const TSVErgebnis woche = Berechne(2013, kWoche, 15000, sv);
  EXPECT_LT(woche.SVSummeAN(), Berechne(2013, kWoche, 15000, Eingabe(2013, beNV)).SVSummeAN());
}

// Employee-only surcharges are rounded together with the employee's share.
TEST(SVRechnen, ZuschlaegeGemeinsamGerundet) {
  // 2012, West, 5.000 EUR, childless: maximum health contribution of the
  // employee 313,65 EUR, care 46,86 EUR, care employer 37,29 EUR.
  const TSVErgebnis e = Berechne(2012, kMonat, 500000, Eingabe(2012, beNV));
  EXPECT_EQ(e.AN(svKV), 27923);  // share line without surcharge, as before
  EXPECT_EQ(e.AN(svKV) + e.AN(svKV2), 31365);
  EXPECT_EQ(e.AN(svPV) + e.AN(svPV2), 4686);
  EXPECT_EQ(e.AG(svPV), 3729);
  // Without surcharge the surcharge lines stay 0.
  TSVEingabe ohne = Eingabe(2012, beNV);
  ohne.Saetze[svKV2].AN = 0;
  ohne.Saetze[svPV2].AN = kNicht;
  const TSVErgebnis o = Berechne(2012, kMonat, 500000, ohne);
  EXPECT_EQ(o.AN(svKV2) + o.AN(svPV2), 0);
  EXPECT_EQ(o.AN(svKV), 27923);
}

TEST(SVRechnen, GleitzoneOhneFaktorGibtNormaleBeitraege) {
  TSVEingabe sv = Eingabe(2002, beNV);
  sv.Gleitzone = true;
  for (std::int64_t lohn : {30000, 50000}) {
    const TSVErgebnis e = Berechne(2002, kMonat, lohn, sv);
    EXPECT_EQ(e.Betrag, Berechne(2002, kMonat, lohn, Eingabe(2002, beNV)).Betrag);
    EXPECT_GT(e.AN(svKV), 0);
  }
}

TEST(SVRechnen, PrivatVersichert) {
  for (std::uint8_t pkv : {1, 2}) {
    TSVEingabe sv = Eingabe(2013, beNV);
    sv.PKV = pkv;
    const TSVErgebnis e = Berechne(2013, kMonat, 500000, sv);
    for (int art : {svKV, svPV, svKV2, svPV2}) EXPECT_EQ(e.AN(art) + e.AG(art), 0);
    EXPECT_EQ(e.SVSummeAN(), 47250 + 7500);
    EXPECT_EQ(e.SVSummeAG(), 47250 + 7500);
  }
}

TEST(SVRechnen, MinijobUndAufstockung) {
  TSVEingabe sv = Eingabe(2013, beGF);
  const TSVErgebnis ohne = Berechne(2013, kMonat, 20000, sv);
  EXPECT_EQ(ohne.AN(svRVAuf), 0);  // no top-up, no top-up amount
  EXPECT_EQ(ohne.SVSummeAN(), 0);
  EXPECT_EQ(ohne.SVSummeAG(), 2600 + 3000);
  // 450 EUR, the limit of 2013: employer 58,50 EUR health, 67,50 EUR pension.
  const TSVErgebnis grenze = Berechne(2013, kMonat, 45000, sv);
  EXPECT_EQ(grenze.AG(svKV), 5850);
  EXPECT_EQ(grenze.AG(svRV), 6750);
  EXPECT_EQ(Berechne(2012, kMonat, 40000, Eingabe(2012, beGF)).AG(svRV), 6000);  // limit 400 EUR

  sv.Aufstockung = true;
  const TSVErgebnis mit = Berechne(2013, kMonat, 20000, sv);
  EXPECT_EQ(mit.AN(svRV), 3780 - 3000);
  EXPECT_EQ(mit.AN(svRVAuf), 780);  // the top-up, shown but not summed twice
  EXPECT_EQ(mit.SVSummeAN(), 780);
  // 450 EUR with top-up: 18,9 % of 450 EUR less the employer's 67,50 EUR.
  EXPECT_EQ(Berechne(2013, kMonat, 45000, sv).AN(svRV), 1755);
  // Minimum base 175 EUR in 2013: 175 * 18,9 % - 15,00 = 18,08 EUR.
  EXPECT_EQ(Berechne(2013, kMonat, 10000, sv).AN(svRV), 1808);
  TSVEingabe hh = Eingabe(2013, beHH);
  hh.Aufstockung = true;
  EXPECT_EQ(Berechne(2013, kMonat, 10000, hh).AN(svRV), 3308 - 500);
  // 155 EUR in 2012: Runden(15500 * 0.196) = 3038, less 15 % of 100 EUR.
  TSVEingabe vorher = Eingabe(2012, beGF);
  vorher.Aufstockung = true;
  EXPECT_EQ(Berechne(2012, kMonat, 10000, vorher).AN(svRV), 3038 - 1500);
  // The minimum base of the year: 300 DM in 2000 (19,3 % in all).  1999 had
  // the top-up only from April (the flat rates of marginal employment began
  // on 1 April 1999), so March has none; December, the default month, has.
  TSVEingabe dm = Eingabe(2000, beGF);
  dm.Aufstockung = true;
  EXPECT_EQ(Berechne(2000, kMonat, 20000, dm).AN(svRV), 5790 - 2400);
  TSVEingabe maerz = sv;
  maerz.Monat = 3;
  EXPECT_EQ(Berechne(1999, kMonat, 20000, maerz).AN(svRV), 0);
  EXPECT_EQ(Berechne(1999, kMonat, 20000, maerz).AN(svRVAuf), 0);
  // December 1999 with these rates: 18,9 % of 300 DM less the employer's 15 % of 200 DM.
  EXPECT_EQ(Berechne(1999, kMonat, 20000, sv).AN(svRV), 5670 - 3000);
  // The minimum base is one of a month: a year pays on at least 12 * 175 EUR.
  EXPECT_EQ(Berechne(2013, kJahr, 120000, sv).AN(svRV), 39690 - 18000);
}

TEST(SVRechnen, NichtErhobeneSaetze) {
  TSVEingabe sv = Eingabe(2013, beNV);
  sv.Saetze[svAV] = {kNicht, 0.015};
  sv.Saetze[svKV] = {0.073, -0.5};
  const TSVErgebnis e = Berechne(2013, kMonat, 300000, sv);
  EXPECT_EQ(e.AN(svAV), 0);
  EXPECT_EQ(e.AG(svAV), 4500);
  EXPECT_EQ(e.AN(svKV), 21900);
  EXPECT_EQ(e.AG(svKV), 0);
  // A top-up without employer pension rate cannot turn negative.
  TSVEingabe gf = Eingabe(2013, beGF);
  gf.Aufstockung = true;
  gf.Saetze[svRV].AG = kNicht;
  EXPECT_EQ(Berechne(2013, kMonat, 20000, gf).AN(svRV), 780);
}

// ---- settings ------------------------------------------------------------------

namespace {

namespace fs = std::filesystem;

class SVEinstellungen : public ::testing::Test {
 protected:
  void SetUp() override {
    ordner_ = fs::temp_directory_path() / ("sv_test_" + std::to_string(std::random_device{}()));
    fs::create_directories(ordner_);
    datei_ = ordner_ / "saetze.ini";
  }
  void TearDown() override { fs::remove_all(ordner_); }

  void Schreiben(const std::string& text) const { std::ofstream(datei_, std::ios::binary) << text; }
  std::string Text() const {
    std::ostringstream s;
    s << std::ifstream(datei_, std::ios::binary).rdbuf();
    return s.str();
  }
  bool Enthaelt(const std::string& teil) const { return Text().find(teil) != std::string::npos; }
  TNewIniFile Ini() const { return TNewIniFile::AusPfad(datei_); }

  fs::path ordner_, datei_;
  TSVSatzTabelle saetze_{};
  double pausch_ = 0, soli_ = 0;
};

}  // namespace

TEST_F(SVEinstellungen, OhneDateiGeltenDieVorgaben) {
  EXPECT_EQ(BBGLaden(Ini(), 1998), BBGStandard(1998));
  SVSaetzeLaden(Ini(), 1996, saetze_, pausch_, soli_);
  ErwarteGleich(saetze_, SVSaetzeStandard(1996));
  EXPECT_DOUBLE_EQ(pausch_, 0.02);
  EXPECT_DOUBLE_EQ(soli_, 7.5);
  EXPECT_FALSE(fs::exists(datei_));
}

TEST_F(SVEinstellungen, GrenzenHinUndZurueck) {
  const std::string anfang = "; Notiz\n[LoSt2013]\nGrdFreiB8130=0\n[BMG2013]\nFremd=1\nKVWest=1\n";
  Schreiben(anfang + "[BMG2012]\nKVWest=200000\n");
  TNewIniFile ini = Ini();
  TBBGTabelle t = BBGStandard(2013);
  t[bbgKV][rgWest] = t[bbgPV][rgWest] = 400000;
  t[bbgGF][rgOst] = 100;  // the smallest ceiling: 1,00 a month
  ASSERT_TRUE(BBGSpeichern(ini, 2013, t));
  EXPECT_EQ(BBGLaden(ini, 2013), t);
  EXPECT_TRUE(Enthaelt("KVWest=400000\n"));
  EXPECT_TRUE(Enthaelt("GFOst=100\n"));
  EXPECT_EQ(Text().rfind("; Notiz\n[LoSt2013]\nGrdFreiB8130=0\n[BMG2013]\nFremd=1\n", 0), 0u);
  EXPECT_EQ(BBGLaden(ini, 2012)[bbgKV][rgWest], 200000);
  EXPECT_EQ(BBGLaden(ini, 2012)[bbgRV][rgWest], 560000);

  // A ceiling that would not read back (an emptied field of the ceilings
  // dialog, 10 million and more) is refused and nothing is written.
  const std::string vorher = Text();
  for (std::int64_t falsch : {std::int64_t{0}, std::int64_t{99}, std::int64_t{1000000000}}) {
    TBBGTabelle u = t;
    u[bbgGF][rgOst] = falsch;
    EXPECT_FALSE(BBGSpeichern(ini, 2013, u)) << falsch;
  }
  EXPECT_EQ(Text(), vorher);
}

TEST_F(SVEinstellungen, BeschaedigteGrenzenGebenDieVorgabe) {
  Schreiben("[BMG2013]\nKVOst=abc\nPVOst=\nRVWest=-5\nAVWest=4000,50\nGFWest=30000\n");
  const TBBGTabelle t = BBGLaden(Ini(), 2013);
  EXPECT_EQ(t[bbgKV][rgOst], 393750);
  EXPECT_EQ(t[bbgPV][rgOst], 393750);
  EXPECT_EQ(t[bbgRV][rgWest], 580000);
  EXPECT_EQ(t[bbgAV][rgWest], 580000);
  EXPECT_EQ(t[bbgGF][rgWest], 30000);
}

TEST_F(SVEinstellungen, SaetzeHinUndZurueck) {
  Schreiben("[LSt2013]\nSoli=7\nPauschSt=3\n[SV2013]\nFremd=1\n");
  TNewIniFile ini = Ini();
  TSVSatzTabelle t = SVSaetzeStandard(2013);
  t[beNV][svKV] = {7.45 / 100, 7.45 / 100};
  t[beGF][svRVAuf].AN = 4.0 / 100;
  ASSERT_TRUE(SVSaetzeSpeichern(ini, 2013, t, 2.5 / 100));
  SVSaetzeLaden(ini, 2013, saetze_, pausch_, soli_);
  ErwarteGleich(saetze_, t);
  EXPECT_EQ(pausch_, 2.5 / 100);
  EXPECT_DOUBLE_EQ(soli_, 7);
  for (const char* zeile : {"NVKVAN=7,45\n", "NVRVAufAG=-1\n", "NVPV2AN=0,25\n", "HHRVAufAN=13,9\n",
                            "PauschSt=2,5\n", "Soli=7\n", "Fremd=1\n"})
    EXPECT_TRUE(Enthaelt(zeile)) << zeile;

  // Without a flat rate the stored one stays.
  ASSERT_TRUE(SVSaetzeSpeichern(ini, 2013, t, -1));
  EXPECT_TRUE(Enthaelt("PauschSt=2,5\n"));
}

TEST_F(SVEinstellungen, VorgabenAllerJahreUeberstehenDieDatei) {
  TNewIniFile ini = Ini();
  for (int jahr = 1995; jahr <= 2026; ++jahr) {
    ASSERT_TRUE(BBGSpeichern(ini, jahr, BBGStandard(jahr)));
    EXPECT_EQ(BBGLaden(ini, jahr), BBGStandard(jahr));
    ASSERT_TRUE(SVSaetzeSpeichern(ini, jahr, SVSaetzeStandard(jahr), 0.02));
    SVSaetzeLaden(ini, jahr, saetze_, pausch_, soli_);
    ErwarteGleich(saetze_, SVSaetzeStandard(jahr));
  }
  EXPECT_FALSE(Enthaelt("0000000"));  // no 7,300000000000001 in the file
}

TEST_F(SVEinstellungen, BeschaedigteSaetzeGebenDieVorgabe) {
  Schreiben("[SV2013]\nNVKVAN=sieben\nNVKVAG=8\nnvpvan=2\nGFKVAG=1,2,3\n"
            "[LSt2013]\nPauschSt=zwei\nSoli=\n");
  SVSaetzeLaden(Ini(), 2013, saetze_, pausch_, soli_);
  EXPECT_DOUBLE_EQ(saetze_[beNV][svKV].AN, 0.073);
  EXPECT_DOUBLE_EQ(saetze_[beNV][svKV].AG, 0.08);
  EXPECT_DOUBLE_EQ(saetze_[beNV][svPV].AN, 0.02);
  EXPECT_DOUBLE_EQ(saetze_[beGF][svKV].AG, 0.13);
  EXPECT_DOUBLE_EQ(pausch_, 0.02);
  EXPECT_DOUBLE_EQ(soli_, 5.5);
}

TEST_F(SVEinstellungen, SchreibfehlerWerdenGemeldet) {
  Schreiben("[BMG2013]\nKVOst=1\n");
  const std::string vorher = Text();
  // A plain file stands where the folder would have to be.
  TNewIniFile unmoeglich = TNewIniFile::AusPfad(datei_ / "x.ini");
  EXPECT_FALSE(BBGSpeichern(unmoeglich, 2013, BBGStandard(2013)));
  EXPECT_FALSE(SVSaetzeSpeichern(unmoeglich, 2013, SVSaetzeStandard(2013), 0.02));
  // Values that would not read back are refused, the file stays.
  TNewIniFile ini = Ini();
  TBBGTabelle grenzen = BBGStandard(2013);
  grenzen[bbgAV][rgOst] = -1;
  EXPECT_FALSE(BBGSpeichern(ini, 2013, grenzen));
  TSVSatzTabelle saetze = SVSaetzeStandard(2013);
  saetze[beHH][svAV].AG = std::numeric_limits<double>::quiet_NaN();
  EXPECT_FALSE(SVSaetzeSpeichern(ini, 2013, saetze, 0.02));
  EXPECT_EQ(Text(), vorher);
}

// The parameters of a year with what the settings store for it.
TEST_F(SVEinstellungen, ParameterMitDenWertenDesJahres) {
  Schreiben("[BMG2012]\nRVWest=570000\n[SV2012]\nNVAVAN=1,6\n[LSt2012]\nSoli=5\nPauschSt=2,2\n");
  const TParameter p = Parameter(2012, 12, UeberschreibungenLaden(Ini().Abbild(), 2012));
  EXPECT_EQ(p.BBG[bbgRV][rgWest], 570000);
  EXPECT_EQ(p.BBG[bbgKV][rgWest], 382500);
  EXPECT_EQ(p.Saetze[beNV][svAV].AN, 1.6 / 100);
  EXPECT_EQ(p.Saetze[beGF][svRVAuf].AN, 4.6 / 100);
  EXPECT_DOUBLE_EQ(p.SoliProzent, 5);
  EXPECT_DOUBLE_EQ(p.PauschSatz, 0.022);
}

TEST_F(SVEinstellungen, WerteAusserhalbDesBereichsGebenDieVorgabeUndWerdenGemeldet) {
  Schreiben(
      "[SV2013]\nNVPVAN=1e300\nNVKVAN=100\nNVKVAG=100,5\nNVRVAN=-1\nNVRVAufAN=-1\nGFRVAufAN=-0,5\n"
      "NVAVAN=zwei\nNVAVAG=\nNVPV2AN=0\n"
      "[LSt2013]\nSoli=-5,5\nPauschSt=150\n"
      "[BMG2013]\nKVOst=99\nKVWest=100\nRVOst=999999999\nRVWest=1000000000\nAVOst=4000,50\n");
  TEinstellungsBericht bericht;
  const TIniAbbild abbild = Ini().Abbild();
  SVSaetzeLaden(abbild, 2013, saetze_, pausch_, soli_, &bericht);
  const TBBGTabelle grenzen = BBGLaden(abbild, 2013, &bericht);

  const TSVSatzTabelle standard = SVSaetzeStandard(2013);
  EXPECT_EQ(saetze_[beNV][svPV].AN, standard[beNV][svPV].AN);
  EXPECT_EQ(saetze_[beNV][svKV].AN, 1.0);          // 100 % is still a rate
  EXPECT_EQ(saetze_[beNV][svKV].AG, standard[beNV][svKV].AG);
  EXPECT_EQ(saetze_[beNV][svRV].AN, standard[beNV][svRV].AN);  // -1 only where not levied
  EXPECT_EQ(saetze_[beNV][svRVAuf].AN, kNicht);
  EXPECT_EQ(saetze_[beGF][svRVAuf].AN, standard[beGF][svRVAuf].AN);
  EXPECT_EQ(saetze_[beNV][svAV].AN, standard[beNV][svAV].AN);
  EXPECT_EQ(saetze_[beNV][svPV2].AN, 0);
  EXPECT_DOUBLE_EQ(soli_, 5.5);
  EXPECT_DOUBLE_EQ(pausch_, 0.02);
  EXPECT_EQ(grenzen[bbgKV][rgOst], 393750);
  EXPECT_EQ(grenzen[bbgKV][rgWest], 100);
  EXPECT_EQ(grenzen[bbgRV][rgOst], 999999999);
  EXPECT_EQ(grenzen[bbgRV][rgWest], 580000);
  EXPECT_EQ(grenzen[bbgAV][rgOst], 490000);

  // One entry per ignored key, in the order read.
  std::vector<std::string> schluessel;
  for (const TIgnorierterWert& w : bericht) {
    schluessel.push_back(w.Abschnitt + "/" + w.Schluessel);
    EXPECT_EQ(w.Datei, datei_.string());
    EXPECT_NE(w.Meldung.find(datei_.string()), std::string::npos) << w.Meldung;
    EXPECT_NE(w.Meldung.find("[" + w.Abschnitt + "] " + w.Schluessel + "="), std::string::npos) << w.Meldung;
    EXPECT_NE(w.Meldung.find("Vorgabewert"), std::string::npos) << w.Meldung;
  }
  EXPECT_EQ(schluessel, (std::vector<std::string>{"SV2013/NVKVAG", "SV2013/NVPVAN", "SV2013/NVRVAN",
                                                   "SV2013/NVAVAN", "SV2013/NVAVAG", "SV2013/GFRVAufAN",
                                                   "LSt2013/Soli", "LSt2013/PauschSt", "BMG2013/KVOst",
                                                   "BMG2013/RVWest", "BMG2013/AVOst"}));
  EXPECT_NE(bericht[1].Meldung.find("NVPVAN=1e300 wird nicht verwendet (kein Beitragssatz von 0 bis "
                                    "100 Prozent mit höchstens drei Nachkommastellen); es gilt der "
                                    "Vorgabewert 1,025 %."),
            std::string::npos)
      << bericht[1].Meldung;

  // The loaders without report read the same values.
  TSVSatzTabelle ohne{};
  double p = 0, s = 0;
  SVSaetzeLaden(Ini(), 2013, ohne, p, s);
  ErwarteGleich(ohne, saetze_);
  EXPECT_EQ(BBGLaden(Ini(), 2013), grenzen);
}

TEST_F(SVEinstellungen, UnsinnigeSaetzeWerdenNichtGespeichert) {
  TNewIniFile ini = Ini();
  TSVSatzTabelle t = SVSaetzeStandard(2013);
  t[beNV][svKV].AN = 1.5;  // 150 %
  EXPECT_FALSE(SVSaetzeSpeichern(ini, 2013, t, 0.02));
  t = SVSaetzeStandard(2013);
  t[beNV][svKV].AG = -0.01;  // not levied, where the year levies it
  EXPECT_FALSE(SVSaetzeSpeichern(ini, 2013, t, 0.02));
  EXPECT_FALSE(fs::exists(datei_));
  EXPECT_FALSE(SVSaetzeSpeichern(ini, 2013, SVSaetzeStandard(2013), 1.5));
  EXPECT_FALSE(Enthaelt("PauschSt"));
}

// Whatever rates come in, no contribution and no sum leaves +-10^15 cents.
TEST(SVRechnen, UnsinnigeSaetzeLaufenNichtUeber) {
  for (int jahr : {2013, 2019, 2026}) {
    TSVEingabe sv = Eingabe(jahr, beNV);
    for (auto& p : sv.Saetze) p = {1e300, 1e300};
    sv.U1 = 1e300;
    sv.U2 = std::numeric_limits<double>::infinity();
    sv.PVAbschlaege = 200;
    for (bool zone : {false, true}) {
      sv.Gleitzone = zone;
      const TSVErgebnis e = Berechne(jahr, kMonat, 60000, sv);
      for (std::int64_t b : e.Betrag) {
        EXPECT_LE(b, 16 * 1'000'000'000'000'000) << jahr;
        EXPECT_GE(b, -16 * 1'000'000'000'000'000) << jahr;
      }
      for (std::int64_t b : {e.U1_AG, e.U2_AG, e.IGU_AG, e.BE, e.BE_AN}) {
        EXPECT_LE(b, 1'000'000'000'000'000) << jahr;
        EXPECT_GE(b, 0) << jahr;
      }
    }
  }
}

TEST_F(SVEinstellungen, ParameterAusEinemAbbild) {
  Schreiben("[BMG2013]\nGFWest=40000\n[SV2013]\nNVAVAN=1,6\n");
  const TIniAbbild abbild = Ini().Abbild();
  // The file changes after the image was taken: the parameters get the old version whole.
  Schreiben("[BMG2013]\nGFWest=30000\n[SV2013]\nNVAVAN=1,7\n");
  TEinstellungsBericht bericht;
  const TParameter p = Parameter(2013, 12, UeberschreibungenLaden(abbild, 2013, &bericht));
  EXPECT_EQ(p.BBG[bbgGF][rgWest], 40000);
  EXPECT_EQ(p.Saetze[beNV][svAV].AN, 1.6 / 100);
  EXPECT_TRUE(bericht.empty());
}

// The add-on rate of the fund and the levies U1/U2 have keys of their own
// in "SV" + year; missing or damaged values give the defaults.
TEST_F(SVEinstellungen, ZusatzbeitragUndUmlagen) {
  TSVZusatzWerte w = SVZusatzLaden(Ini().Abbild(), 2024);
  EXPECT_EQ(w.KVZusatzProzent, 1.7);  // the year's average
  EXPECT_EQ(w.U1Prozent, -1);
  EXPECT_EQ(w.U2Prozent, -1);
  EXPECT_EQ(SVZusatzLaden(Ini().Abbild(), 2014).KVZusatzProzent, -1);  // none before 2015

  TNewIniFile ini = Ini();
  ASSERT_TRUE(SVZusatzSpeichern(ini, 2024, {2.45, 1.6, 0.44}));
  EXPECT_TRUE(Enthaelt("[SV2024]\n"));
  EXPECT_TRUE(Enthaelt("KVZusatz=2,45\n"));
  EXPECT_TRUE(Enthaelt("U1=1,6\n"));
  w = SVZusatzLaden(ini.Abbild(), 2024);
  EXPECT_EQ(w.KVZusatzProzent, 2.45);
  EXPECT_EQ(w.U1Prozent, 1.6);
  EXPECT_EQ(w.U2Prozent, 0.44);
  // The rates of the table beside them stay untouched.
  ASSERT_TRUE(SVSaetzeSpeichern(ini, 2024, SVSaetzeStandard(2024), 0.02));
  EXPECT_EQ(SVZusatzLaden(ini.Abbild(), 2024).KVZusatzProzent, 2.45);

  // Out of range, of more decimals than typed ones may have, or not a
  // number: refused, nothing written.  The ranges are those of the command
  // line's --kv-zusatzbeitrag, --u1 and --u2.
  const std::string vorher = Text();
  EXPECT_FALSE(SVZusatzSpeichern(ini, 2024, {25, 1, 1}));
  EXPECT_FALSE(SVZusatzSpeichern(ini, 2024, {10.5, 1, 1}));
  EXPECT_FALSE(SVZusatzSpeichern(ini, 2024, {1.705, 1, 1}));
  EXPECT_FALSE(SVZusatzSpeichern(ini, 2024, {1, 11, 1}));
  EXPECT_FALSE(SVZusatzSpeichern(ini, 2024, {1, 1, 0.445}));
  EXPECT_FALSE(SVZusatzSpeichern(ini, 2024, {1, 1, std::numeric_limits<double>::quiet_NaN()}));
  EXPECT_EQ(Text(), vorher);

  Schreiben("[SV2025]\nKVZusatz=30\nU1=zwei\nU2=0,5\n");
  TEinstellungsBericht bericht;
  w = SVZusatzLaden(Ini().Abbild(), 2025, &bericht);
  EXPECT_EQ(w.KVZusatzProzent, 2.5);
  EXPECT_EQ(w.U1Prozent, -1);
  EXPECT_EQ(w.U2Prozent, 0.5);
  ASSERT_EQ(bericht.size(), 2u);
  EXPECT_EQ(bericht[0].Schluessel, "KVZusatz");
  EXPECT_NE(bericht[0].Meldung.find("kein Zusatzbeitragssatz von 0 bis 10 Prozent mit höchstens zwei "
                                    "Nachkommastellen"),
            std::string::npos);
  EXPECT_EQ(bericht[1].Schluessel, "U1");
  // A third decimal or a rate above 10 % is named too.
  Schreiben("[SV2025]\nKVZusatz=1,705\nU1=10,5\nU2=0,44\n");
  bericht.clear();
  w = SVZusatzLaden(Ini().Abbild(), 2025, &bericht);
  EXPECT_EQ(w.KVZusatzProzent, 2.5);
  EXPECT_EQ(w.U1Prozent, -1);
  EXPECT_EQ(w.U2Prozent, 0.44);
  ASSERT_EQ(bericht.size(), 2u);
  EXPECT_NE(bericht[1].Meldung.find("kein Umlagesatz von 0 bis 10 Prozent"), std::string::npos);
}

// The years from 2014 are stored under the same sections and keys, with the
// same range checks: -1 only where the default is not levied either.
TEST_F(SVEinstellungen, NeueJahreWieDieAlten) {
  Schreiben("[SV2019]\nNVKV2AN=0,6\nNVKV2AG=-1\n[SV2016]\nNVKV2AG=-1\n[BMG2025]\nRVOst=700000\n");
  TSVSatzTabelle t{};
  double p = 0, s = 0;
  TEinstellungsBericht bericht;
  SVSaetzeLaden(Ini().Abbild(), 2019, t, p, s, &bericht);
  EXPECT_EQ(t[beNV][svKV2].AN, 0.6 / 100);
  EXPECT_EQ(t[beNV][svKV2].AG, SVSaetzeStandard(2019)[beNV][svKV2].AG);  // 2019 levies it
  ASSERT_EQ(bericht.size(), 1u);
  SVSaetzeLaden(Ini().Abbild(), 2016, t, p, s);
  EXPECT_EQ(t[beNV][svKV2].AG, kNicht);  // the employee's alone in 2016
  EXPECT_EQ(BBGLaden(Ini(), 2025)[bbgRV][rgOst], 700000);
  EXPECT_EQ(BBGLaden(Ini(), 2025)[bbgRV][rgWest], 805000);
}

// The flat-rate tax is stored as the window and the command line take it:
// two decimals at most.  A value beyond is named and the default applies; a
// save refuses to write one.
TEST_F(SVEinstellungen, PauschsteuerMitZweiNachkommastellen) {
  Schreiben("[LSt2026]\nPauschSt=2,125\n[LSt2025]\nPauschSt=2,50\n");
  TSVSatzTabelle t{};
  double p = 0, s = 0;
  TEinstellungsBericht bericht;
  SVSaetzeLaden(Ini().Abbild(), 2026, t, p, s, &bericht);
  EXPECT_DOUBLE_EQ(p, 0.02);
  ASSERT_EQ(bericht.size(), 1u);
  EXPECT_EQ(bericht[0].Schluessel, "PauschSt");
  EXPECT_NE(bericht[0].Meldung.find("kein Pauschsteuersatz von 0 bis 100 Prozent mit höchstens zwei "
                                    "Nachkommastellen"),
            std::string::npos)
      << bericht[0].Meldung;
  bericht.clear();
  SVSaetzeLaden(Ini().Abbild(), 2025, t, p, s, &bericht);
  EXPECT_DOUBLE_EQ(p, 0.025);  // a trailing zero is no decimal
  EXPECT_TRUE(bericht.empty());

  TNewIniFile ini = Ini();
  EXPECT_FALSE(SVSaetzeSpeichern(ini, 2024, SVSaetzeStandard(2024), 0.02125));
  EXPECT_FALSE(Enthaelt("[LSt2024]"));
}

// Damaged values the loader named stay in the file when the values in force
// (the defaults) are saved, unless the caller lets them go; every other
// value is written as before.
TEST_F(SVEinstellungen, GemeldeteWerteBleibenBeimSpeichern) {
  Schreiben("[SV2026]\nNVKVAN=150\nKVZusatz=1,705\nU1=12\nU2=0,5\n[LSt2026]\nPauschSt=2,555\n");
  const TIniAbbild abbild = Ini().Abbild();
  TSVSatzTabelle t{};
  double pausch = 0, soli = 0;
  TEinstellungsBericht bericht;
  SVSaetzeLaden(abbild, 2026, t, pausch, soli, &bericht);
  TSVZusatzWerte zusatz = SVZusatzLaden(abbild, 2026, &bericht);
  ASSERT_EQ(bericht.size(), 4u);
  // The values in force: the defaults, and the levies as a window shows them.
  zusatz.U1Prozent = 0;
  TNewIniFile ini = Ini();
  ASSERT_TRUE(SVSaetzeSpeichern(ini, 2026, t, pausch, &bericht));
  ASSERT_TRUE(SVZusatzSpeichern(ini, 2026, zusatz, &bericht));
  for (const char* zeile : {"NVKVAN=150\n", "KVZusatz=1,705\n", "U1=12\n", "PauschSt=2,555\n", "U2=0,5\n",
                            "NVKVAG=7,3\n", "NVRVAN=9,3\n"})
    EXPECT_TRUE(Enthaelt(zeile)) << zeile << Text();

  // Sections and keys are compared without regard to case; a value the
  // caller takes out of the list is written.
  TEinstellungsBericht rest;
  for (TIgnorierterWert w : bericht) {
    if (w.Schluessel == "U1" || w.Schluessel == "NVKVAN") continue;
    for (char& c : w.Abschnitt) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    rest.push_back(w);
  }
  ASSERT_TRUE(SVSaetzeSpeichern(ini, 2026, t, pausch, &rest));
  ASSERT_TRUE(SVZusatzSpeichern(ini, 2026, zusatz, &rest));
  for (const char* zeile : {"NVKVAN=7,3\n", "U1=0\n", "KVZusatz=1,705\n", "PauschSt=2,555\n"})
    EXPECT_TRUE(Enthaelt(zeile)) << zeile << Text();
  // Without a list every value is the one in force.
  ASSERT_TRUE(SVSaetzeSpeichern(ini, 2026, t, pausch));
  ASSERT_TRUE(SVZusatzSpeichern(ini, 2026, zusatz));
  for (const char* zeile : {"KVZusatz=2,9\n", "PauschSt=2\n"}) EXPECT_TRUE(Enthaelt(zeile)) << zeile << Text();
  EXPECT_EQ(SVSatzSchluessel(beGF, svRVAuf, true), "GFRVAufAN");
  EXPECT_EQ(SVSatzSchluessel(beNV, svKV2, false), "NVKV2AG");
}
