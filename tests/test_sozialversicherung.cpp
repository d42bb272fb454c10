#include <gtest/gtest.h>

#include "calc/kontext.h"
#include "calc/sozialversicherung.h"

using namespace lst;

namespace {

constexpr std::uint8_t kJahr = 1, kMonat = 2, kWoche = 3, kTag = 4;

// Inputs with the default rates of an employment type of a year.
TSVEingabe Eingabe(int jahr, TBeschaeftigung typ, std::uint8_t region = rgWest) {
  TSVEingabe sv;
  sv.Region = region;
  sv.Saetze = SVSaetzeStandard(jahr)[typ];
  return sv;
}

TSVErgebnis Berechne(int jahr, std::uint8_t lzz, std::int64_t re4, const TSVEingabe& sv) {
  TRechenKontext k;
  k.BBGTabelle = BBGStandard(jahr);
  TSVErgebnis e;
  SVBerechnen(k, jahr, TLohnZeitraum{lzz, re4}, sv, e);
  return e;
}

void ErwartePaar(const TSatzPaar& p, double an, double ag) {
  EXPECT_DOUBLE_EQ(p.AN, an);
  EXPECT_DOUBLE_EQ(p.AG, ag);
}

}  // namespace

// ---- per-year tables ----------------------------------------------------------

TEST(SVTabellen, Grenzen2013) {
  const TBBGTabelle t = BBGStandard(2013);
  for (int r : {rgOst, rgWest}) {
    EXPECT_EQ(t[bbgKV][r], 393750);
    EXPECT_EQ(t[bbgPV][r], 393750);
    EXPECT_EQ(t[bbgGF][r], 32500);
  }
  EXPECT_EQ(t[bbgRV][rgOst], 490000);
  EXPECT_EQ(t[bbgAV][rgOst], 490000);
  EXPECT_EQ(t[bbgRV][rgWest], 580000);
  EXPECT_EQ(t[bbgAV][rgWest], 580000);
}

TEST(SVTabellen, GrenzenAnDenJahreswechseln) {
  // Pfennigs up to 2001, cents from 2002.
  EXPECT_EQ(BBGStandard(1995)[bbgKV][rgOst], 480000);
  EXPECT_EQ(BBGStandard(1995)[bbgGF][rgWest], 58000);
  EXPECT_EQ(BBGStandard(2000)[bbgGF][rgOst], 63000);
  EXPECT_EQ(BBGStandard(2001)[bbgPV][rgOst], 652500);
  EXPECT_EQ(BBGStandard(2001)[bbgAV][rgWest], 870000);
  EXPECT_EQ(BBGStandard(2002)[bbgRV][rgOst], 337500);
  EXPECT_EQ(BBGStandard(2002)[bbgRV][rgWest], 450000);
  EXPECT_EQ(BBGStandard(2004)[bbgGF][rgWest], 40000);
  EXPECT_EQ(BBGStandard(2011)[bbgKV][rgWest], 371250);
  EXPECT_EQ(BBGStandard(2012)[bbgGF][rgOst], 32500);
}

TEST(SVTabellen, Saetze2013WieImEinstellungsdialog) {
  const TSVSatzTabelle t = SVSaetzeStandard(2013);
  const auto& nv = t[beNV];
  ErwartePaar(nv[svKV], 0.073, 0.073);
  ErwartePaar(nv[svPV], 0.01025, 0.01025);
  ErwartePaar(nv[svRV], 0.0945, 0.0945);
  ErwartePaar(nv[svAV], 0.015, 0.015);
  ErwartePaar(nv[svRVAuf], -1, -1);
  ErwartePaar(nv[svKV2], 0.009, -1);
  ErwartePaar(nv[svPV2], 0.0025, -1);
  const auto& gf = t[beGF];
  ErwartePaar(gf[svKV], 0, 0.13);
  ErwartePaar(gf[svPV], 0, 0);
  ErwartePaar(gf[svRV], 0, 0.15);
  ErwartePaar(gf[svAV], 0, 0);
  ErwartePaar(gf[svRVAuf], 0.039, 0);
  ErwartePaar(gf[svKV2], -1, -1);
  ErwartePaar(gf[svPV2], -1, -1);
  const auto& hh = t[beHH];
  ErwartePaar(hh[svKV], 0, 0.05);
  ErwartePaar(hh[svPV], 0, 0);
  ErwartePaar(hh[svRV], 0, 0.05);
  ErwartePaar(hh[svAV], 0, 0);
  ErwartePaar(hh[svRVAuf], 0.139, 0);
  ErwartePaar(hh[svKV2], -1, -1);
  ErwartePaar(hh[svPV2], -1, -1);
}

TEST(SVTabellen, SaetzeAnDenJahreswechseln) {
  // Before 2000 marginal employment has no top-up at all.
  ErwartePaar(SVSaetzeStandard(1999)[beGF][svRVAuf], -1, -1);
  ErwartePaar(SVSaetzeStandard(1999)[beGF][svKV], 0, 0);
  ErwartePaar(SVSaetzeStandard(2000)[beGF][svRVAuf], 0.075, 0);
  ErwartePaar(SVSaetzeStandard(2000)[beGF][svRV], 0, 0.12);
  // Private households get their own rates from 2004.
  ErwartePaar(SVSaetzeStandard(2003)[beHH][svRVAuf], -1, -1);
  ErwartePaar(SVSaetzeStandard(2003)[beHH][svKV], 0, 0);
  ErwartePaar(SVSaetzeStandard(2004)[beHH][svRVAuf], 0.145, 0);
  ErwartePaar(SVSaetzeStandard(2004)[beHH][svRV], 0, 0.05);
  // The employee surcharges start in 2005.
  ErwartePaar(SVSaetzeStandard(2004)[beNV][svKV2], -1, -1);
  ErwartePaar(SVSaetzeStandard(2004)[beNV][svPV2], -1, -1);
  ErwartePaar(SVSaetzeStandard(2005)[beNV][svKV2], 0.009, -1);
  ErwartePaar(SVSaetzeStandard(2005)[beNV][svPV2], 0.0025, -1);
  ErwartePaar(SVSaetzeStandard(1995)[beNV][svKV], 0.0625, 0.0625);
  ErwartePaar(SVSaetzeStandard(2010)[beNV][svKV], 0.07, 0.07);
  ErwartePaar(SVSaetzeStandard(2010)[beGF][svKV], 0, 0.14);
  ErwartePaar(SVSaetzeStandard(2012)[beHH][svRVAuf], 0.146, 0);
}

TEST(SVTabellen, GleitzoneUndAufstockungJeJahr) {
  EXPECT_EQ(GleitzoneFaktor(2002), -1.0);
  EXPECT_EQ(GleitzoneFaktor(2003), 0.5967);
  EXPECT_EQ(GleitzoneFaktor(2006), 0.5967);
  EXPECT_EQ(GleitzoneFaktor(2007), 0.7673);
  EXPECT_EQ(GleitzoneFaktor(2013), 0.7605);
  EXPECT_EQ(GleitzoneUntergrenze(2012), 40000);
  EXPECT_EQ(GleitzoneObergrenze(2012), 80000);
  EXPECT_EQ(GleitzoneUntergrenze(2013), 45000);
  EXPECT_EQ(GleitzoneObergrenze(2013), 85000);
  EXPECT_EQ(AufstockungMindestBasis(1999), -1);
  EXPECT_EQ(AufstockungMindestBasis(2000), 30000);
  EXPECT_EQ(AufstockungMindestBasis(2001), 30000);
  EXPECT_EQ(AufstockungMindestBasis(2002), 15500);
  EXPECT_EQ(AufstockungMindestBasis(2013), 15500);
}

TEST(SVTabellen, JahrOhneTabelleErhebtNichts) {
  for (int jahr : {1994, 2014}) {
    for (const auto& zeile : BBGStandard(jahr)) EXPECT_EQ(zeile[0] + zeile[1], 0);
    for (const auto& zeile : SVSaetzeStandard(jahr))
      for (const auto& p : zeile) ErwartePaar(p, -1, -1);
    EXPECT_EQ(GleitzoneFaktor(jahr), -1.0);
    EXPECT_EQ(AufstockungMindestBasis(jahr), -1);
  }
}

TEST(SVTabellen, KontextBeginntMit2013) {
  TRechenKontext k;
  EXPECT_EQ(k.BBGTabelle, BBGStandard(2013));
  ErwartePaar(k.SVSatzTabelle[beGF][svRVAuf], 0.039, 0);
  EXPECT_DOUBLE_EQ(k.PauschSatz, 0.02);
}

// ---- ceilings per pay period --------------------------------------------------

TEST(BBGFuerZeitraum, RechnetMonatsgrenzenUm) {
  const TBBGTabelle t = BBGStandard(2013);
  const TBBGZeitraum jahr = BBGFuerZeitraum(t, kJahr, rgWest);
  EXPECT_EQ(jahr[bbgKV], 4725000);
  EXPECT_EQ(jahr[bbgRV], 6960000);
  EXPECT_EQ(jahr[bbgGF], 390000);
  const TBBGZeitraum monat = BBGFuerZeitraum(t, kMonat, rgOst);
  EXPECT_EQ(monat[bbgRV], 490000);
  EXPECT_EQ(monat[bbgAV], 490000);
  // A week rounds the day first: 580000 / 30 = 19333.33 -> 19333 * 7,
  // not 580000 * 7 / 30 = 135333.
  const TBBGZeitraum woche = BBGFuerZeitraum(t, kWoche, rgWest);
  EXPECT_EQ(woche[bbgRV], 135331);
  EXPECT_EQ(woche[bbgKV], 91875);
  EXPECT_EQ(woche[bbgGF], 7581);
  const TBBGZeitraum tag = BBGFuerZeitraum(t, kTag, rgWest);
  EXPECT_EQ(tag[bbgRV], 19333);
  EXPECT_EQ(tag[bbgGF], 1083);
  EXPECT_EQ(tag[bbgPV], 13125);
}

TEST(BBGFuerZeitraum, UnbekannteRegionZaehltAlsWest) {
  const TBBGTabelle t = BBGStandard(2013);
  EXPECT_EQ(BBGFuerZeitraum(t, kMonat, 7)[bbgRV], 580000);
}

// ---- sliding zone ---------------------------------------------------------------

TEST(Gleitzone, Bemessung2013) {
  const TGleitzoneBemessung mitte = GleitzoneBemessung(2013, 60000);
  EXPECT_EQ(mitte.Klasse, 0);
  EXPECT_EQ(mitte.Bemessung, 53264);
  const TGleitzoneBemessung unten = GleitzoneBemessung(2013, 45000);
  EXPECT_EQ(unten.Klasse, -1);
  EXPECT_EQ(unten.Bemessung, 34223);  // 34222.5 rounded up
  EXPECT_EQ(GleitzoneBemessung(2013, 45001).Klasse, 0);
  EXPECT_EQ(GleitzoneBemessung(2013, 45001).Bemessung, 34224);
  // The upper bound maps onto itself; above it the wage is the base.
  EXPECT_EQ(GleitzoneBemessung(2013, 85000).Klasse, 0);
  EXPECT_EQ(GleitzoneBemessung(2013, 85000).Bemessung, 85000);
  EXPECT_EQ(GleitzoneBemessung(2013, 85001).Klasse, 1);
  EXPECT_EQ(GleitzoneBemessung(2013, 85001).Bemessung, 85001);
}

TEST(Gleitzone, BemessungVor2013) {
  // 0.7491 * 40000 + (2 - 0.7491) * 20000
  EXPECT_EQ(GleitzoneBemessung(2012, 60000).Bemessung, 54982);
  EXPECT_EQ(GleitzoneBemessung(2012, 40000).Klasse, -1);
  EXPECT_EQ(GleitzoneBemessung(2012, 80000).Klasse, 0);
  EXPECT_EQ(GleitzoneBemessung(2012, 80000).Bemessung, 80000);
  EXPECT_EQ(GleitzoneBemessung(2012, 80001).Klasse, 1);
  // 2013's bounds do not apply before 2013.
  EXPECT_EQ(GleitzoneBemessung(2012, 82000).Klasse, 1);
}

TEST(Gleitzone, JahrOhneFaktorHatKeineGleitzone) {
  for (std::int64_t lohn : {10000, 40000, 60000}) {
    const TGleitzoneBemessung g = GleitzoneBemessung(2002, lohn);
    EXPECT_EQ(g.Klasse, 1);
    EXPECT_EQ(g.Bemessung, lohn);
  }
}

TEST(Gleitzone, AnteilFaelle) {
  std::int64_t beitrag = -5;
  // Above the zone: the plain employee share.
  EXPECT_FALSE(GleitzoneAnteil(2013, beitrag, 0.073, 0.073, 90000));
  EXPECT_EQ(beitrag, 6570);
  // Inside: twice the share of the reduced base minus the employer's share.
  EXPECT_TRUE(GleitzoneAnteil(2013, beitrag, 0.073, 0.073, 60000));
  EXPECT_EQ(beitrag, 3396);
  // No employer share: only the share of the reduced base.
  EXPECT_TRUE(GleitzoneAnteil(2013, beitrag, -1, 0.009, 60000));
  EXPECT_EQ(beitrag, 479);
  // A negative result becomes 0.
  beitrag = -5;
  EXPECT_FALSE(GleitzoneAnteil(2013, beitrag, 0.13, 0, 30000));
  EXPECT_EQ(beitrag, 0);
  // An employee rate that is not levied.
  beitrag = -5;
  EXPECT_TRUE(GleitzoneAnteil(2013, beitrag, 0.073, -1, 60000));
  EXPECT_EQ(beitrag, 0);
}

// ---- contributions ----------------------------------------------------------------

TEST(SVBerechnen, Monat2013WestUeberDenGrenzen) {
  const TSVErgebnis e = Berechne(2013, kMonat, 500000, Eingabe(2013, beNV));
  EXPECT_EQ(e.AN(svKV), 28744);  // 393750 * 0.073 = 28743.75
  EXPECT_EQ(e.AG(svKV), 28744);
  EXPECT_EQ(e.AN(svPV), 4036);
  EXPECT_EQ(e.AN(svRV), 47250);
  EXPECT_EQ(e.AG(svRV), 47250);
  EXPECT_EQ(e.AN(svAV), 7500);
  EXPECT_EQ(e.AN(svKV2), 3544);
  EXPECT_EQ(e.AG(svKV2), 0);
  EXPECT_EQ(e.AN(svPV2), 984);
  EXPECT_EQ(e.AG(svPV2), 0);
  EXPECT_EQ(e.AN(svRVAuf), 0);
  EXPECT_EQ(e.SVSummeAN(), 28744 + 4036 + 47250 + 7500 + 3544 + 984);
  EXPECT_EQ(e.SVSummeAG(), 28744 + 4036 + 47250 + 7500);
}

TEST(SVBerechnen, OstHatEigeneRentengrenze) {
  const TSVErgebnis e = Berechne(2013, kMonat, 500000, Eingabe(2013, beNV, rgOst));
  EXPECT_EQ(e.AN(svRV), 46305);
  EXPECT_EQ(e.AG(svAV), 7350);
  EXPECT_EQ(e.AN(svKV), 28744);
}

TEST(SVBerechnen, JahreszeitraumUndGrenzenAusDemKontext) {
  const TSVErgebnis jahr = Berechne(2013, kJahr, 6000000, Eingabe(2013, beNV));
  EXPECT_EQ(jahr.AN(svKV), 344925);  // 4725000 * 0.073
  EXPECT_EQ(jahr.AN(svRV), 567000);  // below 6960000

  // The ceilings are those of the context, not the year's defaults.
  TRechenKontext k;
  k.LStJahr = 2001;
  k.BBGTabelle[bbgKV][rgWest] = 300000;
  TSVErgebnis e;
  SVBerechnen(k, 2013, TLohnZeitraum{kMonat, 500000}, Eingabe(2013, beNV), e);
  EXPECT_EQ(k.LStJahr, 2013);
  EXPECT_EQ(e.AN(svKV), 21900);
  EXPECT_EQ(e.AN(svRV), 47250);
}

TEST(SVBerechnen, ErgebnisWirdGeleert) {
  TRechenKontext k;
  TSVErgebnis e;
  e.Betrag.fill(77);
  SVBerechnen(k, 2013, TLohnZeitraum{kMonat, 0}, Eingabe(2013, beNV), e);
  for (std::int64_t b : e.Betrag) EXPECT_EQ(b, 0);
}

TEST(SVBerechnen, Gleitzone2013) {
  TSVEingabe sv = Eingabe(2013, beNV);
  sv.Gleitzone = true;
  const TSVErgebnis e = Berechne(2013, kMonat, 60000, sv);
  EXPECT_EQ(e.AG(svKV), 4380);
  EXPECT_EQ(e.AN(svKV), 3396);
  EXPECT_EQ(e.AG(svPV), 615);
  EXPECT_EQ(e.AN(svPV), 477);
  EXPECT_EQ(e.AG(svRV), 5670);
  EXPECT_EQ(e.AN(svRV), 4396);
  EXPECT_EQ(e.AN(svAV), 698);
  EXPECT_EQ(e.AN(svKV2), 479);
  EXPECT_EQ(e.AN(svPV2), 133);
  EXPECT_EQ(e.SVSummeAN(), 3396 + 477 + 4396 + 698 + 479 + 133);
  EXPECT_EQ(e.SVSummeAG(), 4380 + 615 + 5670 + 900);

  // Waiving the reduction in pension insurance only.
  sv.RVVerzicht = true;
  const TSVErgebnis v = Berechne(2013, kMonat, 60000, sv);
  EXPECT_EQ(v.AN(svRV), 5670);
  EXPECT_EQ(v.AN(svKV), 3396);
}

TEST(SVBerechnen, GleitzoneAnDerUntergrenze) {
  TSVEingabe sv = Eingabe(2013, beNV);
  sv.Gleitzone = true;
  const TSVErgebnis e = Berechne(2013, kMonat, 45000, sv);
  // base 34223; 2 * Runden(34223 * 0.073) - Runden(45000 * 0.073)
  EXPECT_EQ(e.AG(svKV), 3285);
  EXPECT_EQ(e.AN(svKV), 2 * 2498 - 3285);
}

TEST(SVBerechnen, GleitzoneVor2013) {
  TSVEingabe sv = Eingabe(2003, beNV);
  sv.Gleitzone = true;
  const TSVErgebnis e = Berechne(2003, kMonat, 60000, sv);
  // base 0.5967 * 40000 + 1.4033 * 20000 = 51934
  EXPECT_EQ(e.AG(svKV), 4110);
  EXPECT_EQ(e.AN(svKV), 2 * 3557 - 4110);
}

TEST(SVBerechnen, GleitzoneOhneFaktorGibtNormaleBeitraege) {
  TSVEingabe sv = Eingabe(2002, beNV);
  sv.Gleitzone = true;
  for (std::int64_t lohn : {30000, 50000}) {
    const TSVErgebnis e = Berechne(2002, kMonat, lohn, sv);
    const TSVErgebnis normal = Berechne(2002, kMonat, lohn, Eingabe(2002, beNV));
    EXPECT_EQ(e.Betrag, normal.Betrag);
    EXPECT_GT(e.AN(svKV), 0);
  }
}

TEST(SVBerechnen, PrivatVersichertOhneKVundPV) {
  for (std::uint8_t pkv : {1, 2}) {
    TSVEingabe sv = Eingabe(2013, beNV);
    sv.PKV = pkv;
    const TSVErgebnis e = Berechne(2013, kMonat, 500000, sv);
    for (int art : {svKV, svPV, svKV2, svPV2}) {
      EXPECT_EQ(e.AN(art), 0);
      EXPECT_EQ(e.AG(art), 0);
    }
    EXPECT_EQ(e.AN(svRV), 47250);
    EXPECT_EQ(e.AG(svAV), 7500);
    EXPECT_EQ(e.SVSummeAN(), 47250 + 7500);
    EXPECT_EQ(e.SVSummeAG(), 47250 + 7500);
  }
}

TEST(SVBerechnen, MinijobOhneAufstockung) {
  const TSVErgebnis e = Berechne(2013, kMonat, 20000, Eingabe(2013, beGF));
  EXPECT_EQ(e.AG(svKV), 2600);
  EXPECT_EQ(e.AG(svRV), 3000);
  EXPECT_EQ(e.AN(svRV), 0);
  // The top-up entry is shown but not part of the employee's sum.
  EXPECT_EQ(e.AN(svRVAuf), 780);
  EXPECT_EQ(e.AG(svRVAuf), 0);
  EXPECT_EQ(e.SVSummeAN(), 0);
  EXPECT_EQ(e.SVSummeAG(), 5600);
}

TEST(SVBerechnen, MinijobMitAufstockung) {
  TSVEingabe sv = Eingabe(2013, beGF);
  sv.Aufstockung = true;
  const TSVErgebnis e = Berechne(2013, kMonat, 20000, sv);
  // 20000 * (0.15 + 0.039) - 3000
  EXPECT_EQ(e.AN(svRV), 780);
  EXPECT_EQ(e.AN(svRVAuf), 780);
  EXPECT_EQ(e.SVSummeAN(), 780);
  EXPECT_EQ(e.SVSummeAG(), 5600);

  // Below the minimum base the top-up is measured on 15500:
  // Runden(15500 * 0.189) = Runden(2929.5) = 2930, minus 1500.
  const TSVErgebnis klein = Berechne(2013, kMonat, 10000, sv);
  EXPECT_EQ(klein.AG(svRV), 1500);
  EXPECT_EQ(klein.AN(svRV), 1430);
  EXPECT_EQ(klein.SVSummeAN(), 1430);
}

TEST(SVBerechnen, HaushaltMitAufstockung) {
  TSVEingabe sv = Eingabe(2013, beHH);
  sv.Aufstockung = true;
  const TSVErgebnis e = Berechne(2013, kMonat, 10000, sv);
  EXPECT_EQ(e.AG(svKV), 500);
  EXPECT_EQ(e.AG(svRV), 500);
  EXPECT_EQ(e.AN(svRV), 2930 - 500);
}

TEST(SVBerechnen, AufstockungsanteilBisZurMinijobGrenze) {
  TSVEingabe sv = Eingabe(2013, beGF);
  const TSVErgebnis e = Berechne(2013, kMonat, 40000, sv);
  EXPECT_EQ(e.AN(svRVAuf), 1268);  // 32500 * 0.039 = 1267.5
  EXPECT_EQ(e.AG(svRV), 6000);     // pension on the whole wage
  sv.Aufstockung = true;
  EXPECT_EQ(Berechne(2013, kMonat, 40000, sv).AN(svRV), 7560 - 6000);
}

TEST(SVBerechnen, AufstockungNachMindestbasisDesJahres) {
  // 2000: minimum base 30000 pfennigs, employer 12 %, top-up 7.5 %.
  TSVEingabe sv = Eingabe(2000, beGF);
  sv.Aufstockung = true;
  EXPECT_EQ(Berechne(2000, kMonat, 20000, sv).AN(svRV), 5850 - 2400);
  // 1999 has no top-up, whatever the rates say.
  TSVEingabe alt = Eingabe(2013, beGF);
  alt.Aufstockung = true;
  EXPECT_EQ(Berechne(1999, kMonat, 20000, alt).AN(svRV), 0);
}

TEST(SVBerechnen, AufstockungOhneArbeitgeberRenteWirdNichtNegativ) {
  TSVEingabe sv = Eingabe(2013, beGF);
  sv.Aufstockung = true;
  sv.Saetze[svRV].AG = -1;
  const TSVErgebnis e = Berechne(2013, kMonat, 20000, sv);
  EXPECT_EQ(e.AG(svRV), 0);
  EXPECT_EQ(e.AN(svRV), 780);  // the top-up rate alone
}

TEST(SVBerechnen, NegativerSatzWirdNichtErhoben) {
  TSVEingabe sv = Eingabe(2013, beNV);
  sv.Saetze[svAV] = {-1, 0.015};
  sv.Saetze[svKV] = {0.073, -0.5};
  const TSVErgebnis e = Berechne(2013, kMonat, 300000, sv);
  EXPECT_EQ(e.AN(svAV), 0);
  EXPECT_EQ(e.AG(svAV), 4500);
  EXPECT_EQ(e.AN(svKV), 21900);
  EXPECT_EQ(e.AG(svKV), 0);
}
