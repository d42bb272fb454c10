// The wage-tax programs 1995 to 2004: the steps in which the years differ.
// Amounts in pfennigs up to 2001, cents from 2002.

#include <gtest/gtest.h>

#include "flussplan_lauf.h"
#include "lohnsteuer/lohst1995_2004.h"

using namespace lst;

namespace {

// The inputs of one run (R set) and its year.
struct TFall : TLStVariablen {
  TFall() { R = 1; }
  int Jahr = 2002;
};

// Runs the year's main routine through the dispatcher and returns the
// shared variables.
const TLStVariablen& Rechne(TFlussplanWerk& k, const TFall& f) {
  k.LStJahr = static_cast<std::int16_t>(f.Jahr);
  k.SoliGeladen = SoliSatz(f.Jahr);
  k.LStVar = f;
  WerkLohnsteuer(k);
  return k.LStVar;
}

TLStGeneration1995& Programm(TFlussplanWerk& k, int jahr) {
  k.LStJahr = static_cast<std::int16_t>(jahr);
  return dynamic_cast<TLStGeneration1995&>(*k.ProgrammFuerMonat(jahr));
}

}  // namespace

TEST(Lohnsteuer1995bis2004, EinstiegspunkteJeJahr) {
  TFlussplanWerk k;
  for (int jahr = 1995; jahr <= 2004; ++jahr) {
    TLohnsteuerProgramm* p = k.ProgrammFuerMonat(jahr);
    ASSERT_NE(p, nullptr) << jahr;
    EXPECT_EQ(p->HatEinkommensteuer(), jahr >= 2002) << jahr;
    EXPECT_EQ(p->HatTabelle(), jahr == 2004) << jahr;
  }
  k.LStJahr = 1994;
  // No program before 1995: the tax step refuses.
  EXPECT_EQ(k.ProgrammFuerMonat(1994), nullptr);
  EXPECT_THROW(WerkSteuer(k, 1994, TLohnZeitraum{2, 300000}, TLStEingabe{}, TSVEingabe{}), TLStFehler);
}

// A whole run per group, checked by hand for 2002: monthly 3000 Euro, class I.
// Yearly (300000 + 0.67) * 0.12 = 36000.08, step 36000, ZRE4VP 36035;
// VSPO 7207, VSPVOR 3068 - 5765.60 < 0, so VSP = 1334 + min(2936.50, 667)
// = 2001, step 1980; ZVE 36000 - 1080 - 1980 = 32940, X = 32958,
// Y = 2.3742: AS3((661.570 + 2300) * Y) + 432 = 7463.359, ST = 7463;
// LSTLZZ 746300 / 12; SOLZJ 410.46 (5.5 %), SOLZLZZ 41046 / 12.
TEST(Lohnsteuer1995bis2004, GanzeLaeufeJeGruppe) {
  TFlussplanWerk k;
  TFall f;
  f.RE4 = 300000;
  const TLStVariablen& v = Rechne(k, f);
  EXPECT_EQ(v.LSTLZZ, 62191);
  EXPECT_EQ(v.SOLZLZZ, 3420);
  EXPECT_EQ(v.BK, 62191);

  f.Jahr = 2004;
  Rechne(k, f);
  EXPECT_EQ(v.LSTLZZ, 58283);
  EXPECT_EQ(v.SOLZLZZ, 3205);

  // 2001: the addition of the tax card raises the wage, but not the base of
  // the provision allowance.
  f = TFall{};
  f.Jahr = 2001;
  f.RE4 = 350000;
  f.WFUNDF = 50000;
  Rechne(k, f);
  EXPECT_EQ(v.LSTLZZ, 31641);
  f.HINZUR = 20000;
  Rechne(k, f);
  EXPECT_EQ(v.LSTLZZ, 37058);
  EXPECT_EQ(v.SOLZLZZ, 2038);
  // 2000 has no addition.
  f.Jahr = 2000;
  const std::int64_t mit = Rechne(k, f).LSTLZZ;
  f.HINZUR = 0;
  EXPECT_EQ(Rechne(k, f).LSTLZZ, mit);
  EXPECT_EQ(mit, 35308);
}

TEST(Lohnsteuer1995bis2004, LohnstufenDerTabellen) {
  TFlussplanWerk k;
  TFall f;
  f.LZZ = 1;
  for (int jahr = 1995; jahr <= 2000; ++jahr) {
    f.Jahr = jahr;
    // A yearly wage of 55 DM lies on the step starting at 2 DM: t = 53,
    // step 54 of t is 0, ZRE4 = 2.
    f.RE4 = 5500;
    Rechne(k, f);
    EXPECT_EQ(k.LStVar.TabStufeVon, 200) << jahr;
    EXPECT_EQ(k.LStVar.TabStufeBis, 5599) << jahr;
    f.RE4 = 5600;
    Rechne(k, f);
    EXPECT_EQ(k.LStVar.TabStufeVon, 5600) << jahr;
    // Below 2 DM the wage still lies on the first step.
    f.RE4 = 100;
    Rechne(k, f);
    EXPECT_EQ(k.LStVar.TabStufeVon, 200) << jahr;
  }
  // From 2001 the steps begin at 0.
  f.Jahr = 2001;
  f.RE4 = 5500;
  Rechne(k, f);
  EXPECT_EQ(k.LStVar.TabStufeVon, 5400);
  EXPECT_EQ(k.LStVar.TabStufeBis, 10799);
  f.Jahr = 2003;
  f.RE4 = 5000;
  Rechne(k, f);
  EXPECT_EQ(k.LStVar.TabStufeVon, 3600);
  EXPECT_EQ(k.LStVar.TabStufeBis, 7199);
  // Monthly 1000 DM in 1996: (100000 + 0.67) * 0.12 = 12000.08, less 2 on
  // the step 11988, ZRE4 11990; per month 99916 to 99916 + 449.
  f.Jahr = 1996;
  f.LZZ = 2;
  f.RE4 = 100000;
  Rechne(k, f);
  EXPECT_EQ(k.LStVar.TabStufeVon, 99916);
  EXPECT_EQ(k.LStVar.TabStufeBis, 100365);
  f.LZZ = 3;
  Rechne(k, f);
  EXPECT_EQ(k.LStVar.TabStufeBis - k.LStVar.TabStufeVon, 104);
  f.LZZ = 4;
  Rechne(k, f);
  EXPECT_EQ(k.LStVar.TabStufeBis - k.LStVar.TabStufeVon, 14);
}

TEST(Lohnsteuer1995bis2004, Kinder1995MindernLohnsteuerUndKirchensteuerbasis) {
  TFlussplanWerk k;
  TFall f;
  f.Jahr = 1995;
  f.LZZ = 1;
  f.RE4 = 6000000;
  f.STKL = 4;
  const std::int64_t ohneKinder = Rechne(k, f).LSTLZZ;
  f.ZKF = 2;
  const TLStVariablen& v = Rechne(k, f);
  // The child allowances reduce the wage tax itself ...
  EXPECT_LT(v.LSTLZZ, ohneKinder);
  EXPECT_EQ(v.LSTLZZ, 1106700);
  // ... and the church-tax base is the wage tax less 150 DM a year per
  // allowance in class IV.
  EXPECT_EQ(v.BK, v.LSTLZZ - 30000);
  EXPECT_EQ(v.SOLZLZZ, 83002);
  f.LZZ = 2;
  f.RE4 = 500000;
  Rechne(k, f);
  EXPECT_EQ(v.BK, v.LSTLZZ - 2500);
  EXPECT_EQ(v.BK, 89725);
  // Other classes: 300 DM per allowance.
  f.STKL = 1;
  Rechne(k, f);
  EXPECT_EQ(v.BK, v.LSTLZZ - 5000);
  // Without church membership no base; a small tax leaves no negative base.
  f.R = 0;
  EXPECT_EQ(Rechne(k, f).BK, 0);
  f.R = 1;
  f.RE4 = 150000;
  Rechne(k, f);
  EXPECT_LT(v.LSTLZZ, 5000);
  EXPECT_EQ(v.BK, 0);
}

TEST(Lohnsteuer1995bis2004, AbIn1996KinderNurFuerSoliUndKirchensteuer) {
  TFlussplanWerk k;
  TFall f;
  f.Jahr = 1998;
  f.RE4 = 400000;
  f.STKL = 3;
  const TLStVariablen& v = Rechne(k, f);
  EXPECT_EQ(v.LSTLZZ, 25433);
  EXPECT_EQ(v.BK, 25433);
  f.ZKF = 1;
  Rechne(k, f);
  EXPECT_EQ(v.LSTLZZ, 25433);
  EXPECT_EQ(v.BK, 10100);
}

TEST(Lohnsteuer1995bis2004, Entlastungsbetrag1995) {
  // 2.5 times the tax above 1135 DM per tariff unit, at most the tax itself.
  EXPECT_EQ(TLohnsteuer1995::Entlastungsbetrag(1000, 1), 0);
  EXPECT_EQ(TLohnsteuer1995::Entlastungsbetrag(1135, 1), 0);
  EXPECT_EQ(TLohnsteuer1995::Entlastungsbetrag(1211, 1), 190);
  EXPECT_EQ(TLohnsteuer1995::Entlastungsbetrag(1891, 1), 1890);
  EXPECT_EQ(TLohnsteuer1995::Entlastungsbetrag(1892, 1), 1892);
  EXPECT_EQ(TLohnsteuer1995::Entlastungsbetrag(5000, 1), 5000);
  EXPECT_EQ(TLohnsteuer1995::Entlastungsbetrag(2 * 1211, 2), 2 * 190);
}

// The relief lowers the tax of low wages and leaves all others alone.
TEST(Lohnsteuer1995bis2004, Entlastung1995NurBeiNiedrigenLoehnen) {
  TFlussplanWerk k;
  TLStGeneration1995& p = Programm(k, 1995);
  TFall f;
  f.Jahr = 1995;
  f.LZZ = 1;
  f.KRV = 1;  // VSP = 2000 DM from 11112 DM on, step 1998
  int gesenkt = 0;
  for (std::int64_t dm = 12000; dm <= 60000; dm += 250) {
    f.RE4 = dm * 100;
    const std::int64_t lst = Rechne(k, f).LSTLZZ;
    // Tariff tax without the relief: ZRE4 on the step from 2 DM, less
    // ANP + SAP 2108 and VSP 1998.
    const std::int64_t zre4 = (dm - 2) / 54 * 54 + 2;
    const std::int64_t tarif = p.Tarifsteuer(1, zre4 - 2108 - 1998);
    EXPECT_LE(lst, tarif * 100) << dm;
    if (tarif >= 1892) {
      EXPECT_EQ(lst, tarif * 100) << dm;
    } else if (tarif <= 1135) {
      EXPECT_EQ(lst, 0) << dm;
    } else {
      EXPECT_LT(lst, tarif * 100) << dm;
      ++gesenkt;
    }
  }
  EXPECT_GT(gesenkt, 5);
  // 16000 DM: X = 11880, tariff 1211, relieved to 190.
  f.RE4 = 1600000;
  EXPECT_EQ(Rechne(k, f).LSTLZZ, 19000);
  // Classes V and VI are not relieved.
  f.STKL = 5;
  EXPECT_GT(Rechne(k, f).LSTLZZ, 100000);
  // The relief measures the earned income: a pension of 20000 DM is taxed
  // on 14000 DM after the pension allowance (tariff 815), but the relief
  // computed on the whole 20000 DM (tariff 2041) does not bind.
  f.STKL = 1;
  f.RE4 = 2000000;
  EXPECT_EQ(Rechne(k, f).LSTLZZ, 204100);
  f.VBEZ = 2000000;
  EXPECT_EQ(Rechne(k, f).LSTLZZ, 81500);
}

// Other payments of 2002 up to 150 Euro are taxed with the wage of the pay
// period, larger ones with the yearly wage.
TEST(Lohnsteuer1995bis2004, SonstigeBezuege2002ZeitraumOderJahr) {
  TFlussplanWerk k;
  TFall f;
  f.RE4 = 300000;
  f.JRE4 = 3600000;
  f.SONSTB = 15000;
  const TLStVariablen& v = Rechne(k, f);
  EXPECT_EQ(v.LSTLZZ, 62191);
  EXPECT_EQ(v.STS, 5509);
  EXPECT_EQ(v.SOLZS, 302);
  EXPECT_EQ(v.BKS, 5509);
  EXPECT_EQ(v.LZZ, 2);
  f.SONSTB = 15001;
  Rechne(k, f);
  EXPECT_EQ(v.LSTLZZ, 62191);
  EXPECT_EQ(v.STS, 5200);
  EXPECT_EQ(v.SOLZS, 286);
  EXPECT_EQ(v.LZZ, 1);
  // Without other payments the outputs stay 0.
  f.SONSTB = 0;
  Rechne(k, f);
  EXPECT_EQ(v.STS, 0);
  EXPECT_EQ(v.STV, 0);
}

// 2004: the one-fifth run reduces VSPVOR by the wage with the whole
// multi-year pay (30000 Euro), so VSPVOR is 0 there; with its own wage
// (14000 Euro) the tax would be 2650 Euro instead of 3155.
TEST(Lohnsteuer1995bis2004, Mehrjaehrig2004VorwegabzugDesVollenLaufs) {
  TFlussplanWerk k;
  TFall f;
  f.Jahr = 2004;
  f.LZZ = 1;
  f.RE4 = 1000000;
  f.JRE4 = 1000000;
  f.VMT = 2000000;
  const TLStVariablen& v = Rechne(k, f);
  EXPECT_EQ(v.LSTLZZ, 0);
  EXPECT_EQ(v.STV, 315500);
  EXPECT_EQ(v.SOLZV, 17352);
  EXPECT_EQ(v.BKV, 315500);
}

// The old-law provision allowance shared by 1995 to 2009.  VSPO comes from
// its own base, the reduction of VSPVOR from another (2004's multi-year
// runs); the halved rest above VSPMAX1 is rounded half away from zero up to
// 2004 and up from 2005; KRV 1 caps VSPO at VSPKURZ.
TEST(Lohnsteuer1995bis2004, AltrechtlicheVorsorgepauschale) {
  const TVorsorgeAltParameter bis2004 = {0.20, 3068, 1334, 667, 1134, false};
  TVorsorgeAlt v;
  // VSPO 6000, VSPVOR 3068 - 4800 < 0: 1334 + min(2333, 667).
  EXPECT_DOUBLE_EQ(v.MVSP(30000, 30000, 0, 1, bis2004), 2001);
  // VSPVOR 3068 - 1600 = 1468 from the other base: 1468 + 1334 + 667.
  EXPECT_DOUBLE_EQ(v.MVSP(30000, 10000, 0, 1, bis2004), 3469);
  // Splitting: VSPVOR 6136 - 4800 = 1336, then 2668 and (4664 - 2668) / 2.
  EXPECT_DOUBLE_EQ(v.MVSP(30000, 30000, 0, 2, bis2004), 5002);
  // VSPO 2334.005: the halved rest 500.0025 gives 500.00 or 500.01.
  EXPECT_DOUBLE_EQ(v.MVSP(11670.025, 20000, 0, 1, bis2004), 1834.00);
  EXPECT_DOUBLE_EQ(v.MVSP(11670.025, 20000, 0, 1, kVorsorgeAlt2005), 1834.01);
  // Not insured: VSPO up to VSPKURZ (per tariff unit).
  EXPECT_DOUBLE_EQ(v.MVSP(20000, 20000, 1, 1, bis2004), 1134);
  EXPECT_DOUBLE_EQ(v.MVSP(10000, 10000, 1, 2, bis2004), 2000);
}

// Class V above W2STKL5 = 26072: the tax at 26072 plus 45 % of the excess.
TEST(Lohnsteuer1995bis2004, Steuerklasse5Ab2004UeberW2) {
  TFlussplanWerk k;
  TLStGeneration1995& p = Programm(k, 2004);
  k.LStVar.LZZ = 1;
  // At 26072: 2 * (tariff(32590) - tariff(19554)) = 2 * (6837 - 2778) = 8118,
  // more than 16 % (4171).
  EXPECT_EQ(UPTAB04(26072 * 1.25), 6837);
  EXPECT_EQ(UPTAB04(26072 * 0.75), 2778);
  EXPECT_EQ(p.Einkommensteuer(5, 1, 26072), 8118);
  EXPECT_EQ(p.Einkommensteuer(5, 1, 26073), 8118);
  // 8118 + 3928 * 0.45 = 9885.6
  EXPECT_EQ(p.Einkommensteuer(5, 1, 30000), 9885);
  EXPECT_EQ(p.Einkommensteuer(6, 1, 100000), 41385);
}

TEST(Lohnsteuer1995bis2004, Tabelle2004) {
  TFlussplanWerk k;
  TLStGeneration1995& p = Programm(k, 2004);
  TTabellenArgumente a;
  a.LZZ = 1;
  a.Lohn = 3549;
  EXPECT_EQ(p.Tabelle(a), 3600);
  EXPECT_EQ(a.StufeVon, 0);
  EXPECT_EQ(a.StufeBis, 3599);
  a.Lohn = 3550;
  EXPECT_EQ(p.Tabelle(a), 7200);
  EXPECT_EQ(a.StufeVon, 3600);
  a.LZZ = 2;
  p.Tabelle(a);
  EXPECT_EQ(a.StufeVon, 300);
  EXPECT_EQ(a.StufeBis, 599);

  // A bracket is taxed at its upper end, as a single calculation of that
  // yearly wage is, in both tables and with children.
  for (const bool allgemein : {true, false}) {
    for (const std::uint8_t stkl : {1, 2, 3, 4, 5, 6}) {
      for (const std::int64_t lohn : {1000000, 3001000, 7200000}) {
        a = TTabellenArgumente{};
        a.AllgemeineTabelle = allgemein;
        a.LZZ = 1;
        a.STKL = stkl;
        a.ZKF = stkl <= 4 ? 1.5 : 0;
        a.Lohn = lohn;
        k.LStVar.R = 1;
        p.Tabelle(a);
        const std::int64_t lst = k.LStVar.LSTLZZ;
        const std::int64_t soli = k.LStVar.SOLZLZZ;
        const std::int64_t bk = k.LStVar.BK;
        TFall f;
        f.Jahr = 2004;
        f.LZZ = 1;
        f.STKL = stkl;
        f.ZKF = a.ZKF;
        f.KRV = allgemein ? 0 : 1;
        f.RE4 = a.StufeVon + 3599;
        const TLStVariablen& v = Rechne(k, f);
        EXPECT_EQ(v.LSTLZZ, lst) << lohn << " " << int(stkl) << " " << allgemein;
        EXPECT_EQ(v.SOLZLZZ, soli) << lohn << " " << int(stkl);
        EXPECT_EQ(v.BK, bk) << lohn << " " << int(stkl);
      }
    }
  }
}
