#include <gtest/gtest.h>

#include "calc/berechnung.h"
#include "flussplan_lauf.h"
#include "lohnsteuer/programm.h"

using namespace lst;

namespace {

TLStVariablen Monat(std::int64_t re4, std::uint8_t stkl) {
  TLStVariablen v;
  v.LZZ = 2;
  v.RE4 = re4;
  v.STKL = stkl;
  v.R = 1;
  return v;
}

struct Ergebnis {
  std::int64_t LSt, Soli, BK;
};

Ergebnis Rechne(TFlussplanWerk& k, const TLStVariablen& v, std::int64_t gfb = 8004) {
  k.LStJahr = 2013;
  k.GFB = gfb;
  k.LStVar = v;
  WerkLohnsteuer(k);
  return {k.LStVar.LSTLZZ, k.LStVar.SOLZLZZ, k.LStVar.BK};
}

}  // namespace

TEST(Lohnsteuer2013, GrundfreibetragWaehltDenParametersatz) {
  TFlussplanWerk k;
  const auto a = Rechne(k, Monat(300000, 1), 8004);
  EXPECT_EQ(a.LSt, 46825);
  EXPECT_EQ(a.Soli, 2575);
  EXPECT_EQ(a.BK, 46825);
  const auto b = Rechne(k, Monat(300000, 1), 8130);
  EXPECT_EQ(b.LSt, 46625);
  EXPECT_EQ(b.Soli, 2564);
  // Any other value counts as the first flowchart.
  EXPECT_EQ(Rechne(k, Monat(300000, 1), 0).LSt, 46825);
}

TEST(Lohnsteuer2013, KeinLohnKeineSteuer) {
  TFlussplanWerk k;
  for (std::uint8_t stkl = 1; stkl <= 6; ++stkl) {
    const auto e = Rechne(k, Monat(0, stkl));
    EXPECT_EQ(e.LSt, 0);
    EXPECT_EQ(e.Soli, 0);
    EXPECT_EQ(e.BK, 0);
  }
}

TEST(Lohnsteuer2013, ProgrammLaesstJahreszeitraumZurueck) {
  TFlussplanWerk k;
  TLStVariablen v = Monat(250000, 1);
  v.ZMVB = 0;
  Rechne(k, v);
  EXPECT_EQ(k.LStVar.LZZ, 1);
  EXPECT_EQ(k.LStVar.ZMVB, 12);
}

TEST(Lohnsteuer2013, FaktorverfahrenSchneidetAufGanzeEuro) {
  TFlussplanWerk k;
  TLStVariablen v = Monat(300000, 4);
  const auto ohne = Rechne(k, v);
  v.af = 1;
  v.f = 0.9;
  const auto mit = Rechne(k, v);
  // Yearly tax 5619 Euro * 0.9 = 5057.1 -> 5057 Euro -> 505700 / 12 cents.
  EXPECT_EQ(ohne.LSt, 46825);
  EXPECT_EQ(mit.LSt, 505700 / 12);
  // Without af the factor is ignored and reset to 1.
  v.af = 0;
  EXPECT_EQ(Rechne(k, v).LSt, 46825);
  EXPECT_DOUBLE_EQ(k.LStVar.f, 1.0);
}

TEST(Lohnsteuer2013, SoliFreigrenzeUndUebergang) {
  TFlussplanWerk k;
  // A yearly tax (JBMG) of exactly 972 Euro carries no surcharge.
  TLStVariablen v;
  v.LZZ = 1;
  v.STKL = 1;
  std::int64_t lohn = 1500000;
  // Search the yearly wage whose tax is 972 Euro.
  for (; lohn < 2000000; lohn += 100) {
    v.RE4 = lohn;
    if (Rechne(k, v).LSt >= 97200) break;
  }
  ASSERT_EQ(Rechne(k, v).LSt, 97200);
  EXPECT_EQ(Rechne(k, v).Soli, 0);
  // Above it: 20 % of the excess while that is less than 5.5 %.
  for (lohn += 100;; lohn += 100) {
    v.RE4 = lohn;
    if (Rechne(k, v).LSt > 97200) break;
  }
  const auto e = Rechne(k, v);
  const std::int64_t jbmg = e.LSt / 100;
  EXPECT_EQ(e.Soli, std::min<std::int64_t>((jbmg - 972) * 20, Abschneiden(5.5 * jbmg)));
  EXPECT_GT(e.Soli, 0);
}

TEST(Lohnsteuer2013, VersorgungsbezugNachBeginnjahr) {
  TFlussplanWerk k;
  TLStVariablen v = Monat(300000, 1);
  v.VBEZ = 300000;
  v.VBEZM = 300000;
  v.VJAHR = 2013;
  const auto spaet = Rechne(k, v);
  v.VJAHR = 2004;
  const auto frueh = Rechne(k, v);
  // A pension that began earlier keeps a larger allowance (40 % up to 3000 + 900
  // against 27.2 % up to 2040 + 612), so less tax.
  EXPECT_LT(frueh.LSt, spaet.LSt);
  v.VJAHR = 2005;
  EXPECT_EQ(Rechne(k, v).LSt, frueh.LSt);
}

TEST(Lohnsteuer2013, Steuerklasse6OhnePauschbetraege) {
  TFlussplanWerk k;
  // Class VI gets no lump sums: a small wage is already taxed (MST5_6 minimum 14 %).
  const auto e = Rechne(k, Monat(50000, 6));
  EXPECT_GT(e.LSt, 0);
  EXPECT_EQ(Rechne(k, Monat(50000, 1)).LSt, 0);
}

TEST(Tabelle2013, StufenGrenzen) {
  TFlussplanWerk k;
  k.LStJahr = 2013;
  TLStEingabe e;
  TSVEingabe sv;
  TLStErgebnis erg;
  TLohnZeitraum lz;
  lz.LZZ = 1;
  std::int64_t bis = 0, von = 0;
  lz.RE4 = 3549;  // 35.49 Euro: bracket from 0
  EXPECT_EQ(WerkTabelle(k, lz, e, sv, erg, bis, von), 3600);
  EXPECT_EQ(von, 0);
  EXPECT_EQ(bis, 3599);
  lz.RE4 = 3550;  // 35.50 Euro: bracket from 36
  EXPECT_EQ(WerkTabelle(k, lz, e, sv, erg, bis, von), 7200);
  EXPECT_EQ(von, 3600);
  lz.LZZ = 2;  // monthly bounds of the bracket 36.00 .. 71.99
  WerkTabelle(k, lz, e, sv, erg, bis, von);
  EXPECT_EQ(von, 300);
  EXPECT_EQ(bis, 599);
}

TEST(Tabelle2013, TabellenzeileSteuertObereStufengrenze) {
  TFlussplanWerk k;
  k.LStJahr = 2013;
  TLStEingabe e;
  e.KiStSatz = 0.09;
  TSVEingabe sv;
  TLStErgebnis erg;
  TLohnZeitraum lz;
  lz.LZZ = 1;
  lz.RE4 = 3600000;
  std::int64_t bis = 0, von = 0;
  EXPECT_EQ(WerkTabelle(k, lz, e, sv, erg, bis, von), 3603600);
  EXPECT_GT(erg.LSt, 0);
  EXPECT_EQ(erg.KiSt, Abschneiden(erg.BK * 0.09));
  // The row taxes the bracket's upper end 36035.99 like a single calculation
  // with the general lump sums would tax it.
  TLStVariablen v;
  v.LZZ = 1;
  v.RE4 = 3603599;
  v.STKL = 1;
  k.LStVar = v;
  WerkLohnsteuer(k);
  EXPECT_EQ(erg.LSt, k.LStVar.LSTLZZ);
}

TEST(Einkommensteuer2013, GrundUndSplittingtarif) {
  TFlussplanWerk k;
  k.LStJahr = 2013;
  k.GFB = 8130;
  k.LStVar.LZZ = 1;
  k.LStVar.R = 1;
  TLStErgebnis erg;
  EXPECT_EQ(WerkEinkommensteuer(k, 1, 1, erg, 8130, 0.09), 0);
  EXPECT_EQ(WerkEinkommensteuer(k, 1, 1, erg, 8131, 0.09), 0);  // 0.14 Euro cut
  const std::int64_t grund = WerkEinkommensteuer(k, 1, 1, erg, 30000, 0.09);
  EXPECT_EQ(WerkEinkommensteuer(k, 3, 2, erg, 60000, 0.09), 2 * grund);
  EXPECT_EQ(erg.LSt, 2 * grund * 100);
  EXPECT_EQ(erg.BK, 2 * grund * 100);
  EXPECT_EQ(erg.KiSt, Abschneiden(erg.BK * 0.09));
  EXPECT_EQ(erg.BruttoNachSteuer, 6000000 - erg.SteuerSumme);
  // Before 2002 there is no income-tax routine: the flowchart's tariff step
  // computes the year's tariff (1999, 30.000 DM basic tariff).
  k.LStJahr = 1999;
  EXPECT_EQ(WerkEinkommensteuer(k, 1, 1, erg, 30000, 0.09), 4641);
  EXPECT_EQ(erg.LSt, 464100);
  EXPECT_EQ(erg.BK, 464100);
  k.LStJahr = 1990;  // no program at all
  EXPECT_EQ(WerkEinkommensteuer(k, 1, 1, erg, 30000, 0.09), 0);
  EXPECT_EQ(erg.LSt, 0);
}

// A table row ignores the factor that the last single calculation left in
// the inputs, for the tax and for the surcharge of a row with children.
TEST(Tabelle2013, OhneFaktorDerLetztenRechnung) {
  auto zeile = [](bool vorherFaktor) {
    TFlussplanWerk k;
    TLohnZeitraum lz;
    lz.LZZ = 1;
    lz.RE4 = 6000000;
    TLStEingabe e;
    e.STKL = 4;
    e.ZKF = 1;
    e.af = vorherFaktor;
    e.f = 0.7;
    TSVEingabe sv;
    TLStErgebnis erg;
    erg = WerkSteuer(k, 2013, lz, e, sv);
    std::int64_t bis = 0, von = 0;
    WerkTabelle(k, lz, e, sv, erg, bis, von);
    return erg;
  };
  const TLStErgebnis mit = zeile(true), ohne = zeile(false);
  EXPECT_EQ(mit.LSt, ohne.LSt);
  EXPECT_EQ(mit.Soli, ohne.Soli);
  EXPECT_EQ(mit.BK, ohne.BK);
  EXPECT_GT(ohne.Soli, 0);
}
