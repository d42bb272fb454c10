#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "calc/berechnung.h"
#include "calc/sozialversicherung.h"

using namespace lst;

namespace {

struct Abrechnung {
  TRechenKontext k;
  TLohnZeitraum lz;
  TLStEingabe e;
  TSVEingabe sv;
  TZusatzBetraege zusatz;
  TGesamtErgebnis erg;

  Abrechnung() {
    k.GFB = 8130;
    lz.LZZ = 2;
    e.STKL = 1;
    e.KiStSatz = 0.09;
    sv.Saetze = k.SVSatzTabelle[beNV];
    sv.Saetze[svPV2].AN = 0;
  }
  TGesamtErgebnis Rechne(std::int64_t brutto, std::int64_t sonstige = 0) {
    lz.RE4 = brutto;
    TGesamtErgebnis g;
    GesamtBerechnen(k, 2013, lz, e, g, zusatz, sonstige, sv);
    return g;
  }
};

}  // namespace

TEST(GesamtBerechnen, NettoUndLohnkosten) {
  Abrechnung a;
  a.zusatz = {18400, 1000};
  a.e.PauschSatzAG = 0.02;
  a.lz.RE4 = 300000;
  const std::int64_t plus = GesamtBerechnen(a.k, 2013, a.lz, a.e, a.erg, a.zusatz, 5000, a.sv);
  const auto& g = a.erg;
  EXPECT_EQ(g.Netto, g.LSt.BruttoNachSteuer - g.SV.SVSummeAN() - 5000);
  EXPECT_EQ(g.AGGesamt, 300000 + 6000 + g.SV.SVSummeAG());
  EXPECT_EQ(g.Auszahlung, g.Netto + 18400);
  EXPECT_EQ(plus, g.AGGesamt + 1000);
  EXPECT_EQ(g.AGGesamtPlus, plus);
  EXPECT_EQ(g.SV.AN(svKV), 21900);  // 7.3 % of 3000
  // The flat-rate tax takes the place of the wage tax by class: the
  // employee pays none (section 40a (2) EStG), not both.
  EXPECT_EQ(g.LSt.LSt, 0);
  EXPECT_EQ(g.LSt.SteuerSumme, 0);
  EXPECT_EQ(g.LSt.BruttoNachSteuer, 300000);
  a.e.PauschSatzAG = 0;
  GesamtBerechnen(a.k, 2013, a.lz, a.e, a.erg, a.zusatz, 5000, a.sv);
  EXPECT_EQ(a.erg.LSt.LSt, 46625);  // 2013, 8130, class I, without PVZ
}

TEST(WunschBrutto, TrifftDenBruttolohnEinesNettos) {
  Abrechnung a;
  for (std::int64_t brutto : {250000, 300013, 512345}) {
    const std::int64_t netto = a.Rechne(brutto).Netto;
    TLohnZeitraum lz = a.lz;
    const std::int64_t gefunden =
        WunschBrutto(a.k, 2013, lz, a.e, a.erg, netto, true, a.zusatz, 0, a.sv);
    EXPECT_EQ(lz.RE4, gefunden);
    // The net of the gross found is the wish, or the gross lies one cent
    // beside a gross with that net.
    EXPECT_EQ(a.erg.Netto, a.Rechne(gefunden).Netto);
    if (a.erg.Netto != netto) {
      EXPECT_LE(std::abs(gefunden - brutto), 1) << brutto;
    }
  }
}

// The net of the gross found is the wish, or no gross one cent beside it
// comes nearer to the wish.
static void PruefeNaechstes(Abrechnung& a, const TWunschErgebnis& t, std::int64_t wunsch, bool an = true) {
  const auto wert = [&](std::int64_t g) { return an ? a.Rechne(g).Netto : a.Rechne(g).AGGesamt; };
  EXPECT_EQ(t.Wert, wert(t.Brutto));
  EXPECT_EQ(t.Genau, t.Wert == wunsch);
  if (!t.Genau) {
    EXPECT_LE(std::abs(t.Wert - wunsch), std::abs(wert(t.Brutto - 1) - wunsch)) << t.Brutto;
    EXPECT_LE(std::abs(t.Wert - wunsch), std::abs(wert(t.Brutto + 1) - wunsch)) << t.Brutto;
  }
}

TEST(WunschBrutto, TrifftDenWunschAufDenCentOderAmNaechsten) {
  Abrechnung a;
  const TLStEingabe vorher = a.e;
  int genau = 0;
  for (std::int64_t wunsch : {200000, 200001, 200002, 200003, 123457}) {
    TLohnZeitraum lz = a.lz;
    const TWunschErgebnis t =
        WunschBruttoSuchen(a.k, 2013, lz, a.e, a.erg, wunsch, true, a.zusatz, 0, a.sv);
    EXPECT_EQ(lz.RE4, t.Brutto);
    EXPECT_EQ(a.erg.Netto, t.Wert);
    EXPECT_GT(t.Brutto, wunsch);
    PruefeNaechstes(a, t, wunsch);
    genau += t.Genau;
  }
  EXPECT_GT(genau, 0);
  EXPECT_EQ(a.e.STKL, vorher.STKL);
}

TEST(WunschBrutto, EinCentWunschEndetAnEinerGrenze) {
  Abrechnung a;
  TLohnZeitraum lz = a.lz;
  const std::int64_t g = WunschBrutto(a.k, 2013, lz, a.e, a.erg, 1, true, a.zusatz, 0, a.sv);
  EXPECT_GE(g, 1);
  EXPECT_LE(g, 3);
}

TEST(WunschBrutto, ArbeitgebersichtSuchtLohnkosten) {
  Abrechnung a;
  TLohnZeitraum lz = a.lz;
  const TWunschErgebnis t =
      WunschBruttoSuchen(a.k, 2013, lz, a.e, a.erg, 100000, false, a.zusatz, 0, a.sv);
  EXPECT_GE(t.Brutto, 75000);
  EXPECT_LE(t.Brutto, 100000);
  PruefeNaechstes(a, t, 100000, false);
}

TEST(WunschBrutto, FenstertWeitetSichBisZumWunsch) {
  Abrechnung a;
  // 1000 Euro other deductions for a wished net of 100 Euro: the answer lies
  // far above three times the wish.  A large addition to the wage does the
  // same.
  TLohnZeitraum lz = a.lz;
  TWunschErgebnis t = WunschBruttoSuchen(a.k, 2013, lz, a.e, a.erg, 10000, true, a.zusatz, 100000, a.sv);
  EXPECT_GT(t.Brutto, 110000);
  EXPECT_LE(std::abs(a.erg.Netto - 10000), 1);
  EXPECT_EQ(a.Rechne(t.Brutto, 100000).Netto, t.Wert);

  a.e.Hinzurechnung = 2000000;
  lz = a.lz;
  t = WunschBruttoSuchen(a.k, 2013, lz, a.e, a.erg, 50000, true, a.zusatz, 0, a.sv);
  EXPECT_GT(t.Brutto, 150000);
  EXPECT_LE(std::abs(t.Wert - 50000), 1);
  PruefeNaechstes(a, t, 50000);
}

TEST(WunschBrutto, UnerreichbarerWunschWirdGemeldet) {
  Abrechnung a;
  TLohnZeitraum lz = a.lz;
  // More net than a gross of a billion leaves.
  try {
    WunschBrutto(a.k, 2013, lz, a.e, a.erg, 90'000'000'000, true, a.zusatz, 0, a.sv);
    ADD_FAILURE() << "no error";
  } catch (const TLStFehler& f) {
    EXPECT_NE(std::string(f.what()).find("Wunsch-Nettolohn von 900.000.000,00 EUR"), std::string::npos) << f.what();
    EXPECT_NE(std::string(f.what()).find("1.000.000.000,00 EUR"), std::string::npos) << f.what();
  }
  // Less net than a gross of 0 leaves (negative other deductions add to it).
  try {
    WunschBrutto(a.k, 2013, lz, a.e, a.erg, 50000, true, a.zusatz, -100000, a.sv);
    ADD_FAILURE() << "no error";
  } catch (const TLStFehler& f) {
    EXPECT_NE(std::string(f.what()).find("schon ein Bruttolohn von 0,00 EUR"), std::string::npos) << f.what();
  }
  // Employer view, and no wish at all.
  EXPECT_THROW(WunschBrutto(a.k, 2013, lz, a.e, a.erg, 200'000'000'000, false, a.zusatz, 0, a.sv), TLStFehler);
  EXPECT_THROW(WunschBrutto(a.k, 2013, lz, a.e, a.erg, 0, true, a.zusatz, 0, a.sv), TLStFehler);
}
