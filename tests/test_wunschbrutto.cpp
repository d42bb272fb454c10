#include <gtest/gtest.h>

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
  EXPECT_EQ(g.LSt.LSt, 46625);      // 2013, 8130, class I, without PVZ
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

TEST(WunschBrutto, TrifftDenWunschAufDenCent) {
  Abrechnung a;
  const TLStEingabe vorher = a.e;
  TLohnZeitraum lz = a.lz;
  WunschBrutto(a.k, 2013, lz, a.e, a.erg, 200000, true, a.zusatz, 0, a.sv);
  EXPECT_EQ(a.e.STKL, vorher.STKL);
  EXPECT_GT(lz.RE4, 200000);
  // Every gross between the found one and one cent more gives a net on
  // either side of the wish.
  EXPECT_LE(a.Rechne(lz.RE4).Netto, 200000);
  EXPECT_GE(a.Rechne(lz.RE4 + 1).Netto, 200000);
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
  const std::int64_t g = WunschBrutto(a.k, 2013, lz, a.e, a.erg, 100000, false, a.zusatz, 0, a.sv);
  EXPECT_GE(g, 75000);
  EXPECT_LE(g, 300000);
  EXPECT_LE(a.Rechne(g).AGGesamt, 100000);
  EXPECT_GT(a.Rechne(g + 1).AGGesamt, 100000 - 1);
}

TEST(WunschBrutto, UnerreichbarerWunschEndetAmRand) {
  Abrechnung a;
  // Other deductions larger than three times the wish: no gross reaches it.
  TLohnZeitraum lz = a.lz;
  const std::int64_t g = WunschBrutto(a.k, 2013, lz, a.e, a.erg, 1000, true, a.zusatz, 10000000, a.sv);
  EXPECT_GE(g, 2999);
  EXPECT_LE(g, 3000);
}
