// The programs 2005 to 2012 beyond the reference rows: 2005 (which has
// none), the choices for the table routine, the inputs up to 2007, the
// refusal of KRV 2 before 2010 and the steps in which 2010, 2011 and 2012
// differ.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/pap.h"
#include "flussplan_lauf.h"
#include "lohnsteuer/programm.h"

namespace {

using lst::TLStVariablen;
using lst::TFlussplanWerk;

// Runs the main routine of a year on the inputs v; returns the outputs.
TLStVariablen Rechnen(TFlussplanWerk& k, int jahr, const TLStVariablen& v) {
  k.LStJahr = static_cast<std::int16_t>(jahr);
  k.LStVar = v;
  lst::WerkLohnsteuer(k);
  return k.LStVar;
}

TLStVariablen Lohn(std::uint8_t lzz, std::int64_t re4, std::uint8_t stkl) {
  TLStVariablen v;
  v.LZZ = lzz;
  v.RE4 = re4;
  v.STKL = stkl;
  return v;
}

std::int64_t ESt(TFlussplanWerk& k, int jahr, std::uint8_t stkl, std::uint8_t kztab, std::int64_t zve) {
  k.LStJahr = static_cast<std::int16_t>(jahr);
  return k.ProgrammFuerMonat(jahr)->Einkommensteuer(stkl, kztab, zve);
}

// --- the tariff and classes V and VI ----------------------------------------

TEST(Tarif2005Bis2009, GrenzeDer42ProzentZone) {
  TFlussplanWerk k;
  EXPECT_EQ(ESt(k, 2005, 1, 1, 52152), 13989);
  EXPECT_EQ(ESt(k, 2005, 3, 2, 2 * 52152), 27978);
  EXPECT_EQ(ESt(k, 2005, 1, 1, 52151), 13989);  // last value of the second zone
  EXPECT_EQ(ESt(k, 2005, 1, 1, 7664), 0);
  EXPECT_EQ(ESt(k, 2005, 1, 1, 7665), 0);        // (883.74 * 0.0001 + 1500) * 0.0001
  EXPECT_EQ(ESt(k, 2005, 1, 1, 7672), 1);
}

// Above W2STKL5 = 25812 class V pays 42 % on the excess at every income in
// 2005 and 2006; from 2007 45 % above W3STKL5 = 200000, each part cut.
TEST(Tarif2005Bis2009, KlasseVUeberW2STKL5) {
  TFlussplanWerk k;
  // UP5_6 at 25812: 2 * (ST(32265) - ST(19359)) = 2 * (6541 - 2676) = 7730.
  EXPECT_EQ(ESt(k, 2005, 5, 1, 25812), 7730);
  EXPECT_EQ(ESt(k, 2005, 5, 1, 300000), 7730 + 115158);  // 274188 * 0.42 = 115158.96
  EXPECT_EQ(ESt(k, 2006, 6, 1, 300000), 7730 + 115158);
  EXPECT_EQ(ESt(k, 2007, 5, 1, 300000), 7730 + 73158 + 45000);
  EXPECT_EQ(ESt(k, 2007, 5, 1, 200000), 7730 + 73158);   // 174188 * 0.42, cut
  // Just above W1STKL5 the smaller of the two ways counts.
  EXPECT_LE(ESt(k, 2005, 5, 1, 9145), ESt(k, 2005, 5, 1, 9144) + 1);
}

// --- 2005, computed by hand ------------------------------------------------

// Monthly 3000 Euro, class I, insured: ZRE4 = ZRE4VP = 36000.08 (the shift
// +0.67), ANP 920, SAP 36; VSP1 = 7200.01 * 0.0975 = 702.00, VSP2 capped at
// 1500, VSPN = 2202 beats the old-law 1334 + 667 = 2001; ZVE = 32842,
// ST = 6732; Soli 370.26 a year.
TEST(Lohnsteuer2005, MonatslohnKlasseI) {
  TFlussplanWerk k;
  TLStVariablen v = Lohn(2, 300000, 1);
  v.R = 1;
  const TLStVariablen e = Rechnen(k, 2005, v);
  EXPECT_EQ(e.LSTLZZ, 56100);
  EXPECT_EQ(e.SOLZLZZ, 3085);
  EXPECT_EQ(e.BK, 56100);
  // 2006 takes 24 % of the pension contribution: VSPN = 2343, ZVE = 32701,
  // ST = 6685.
  EXPECT_EQ(Rechnen(k, 2006, v).LSTLZZ, 55708);
}

// A yearly pension of 24000 Euro (not insured): FVB 40 % capped at 3000, FVBZ
// 900, ANP 102 for the pension alone, VSPN 1500 beats VSPKURZ 1134;
// ZVE = 21000 - 1038 - 1500 = 18462, ST = 2435.
TEST(Lohnsteuer2005, Versorgungsbezug) {
  TFlussplanWerk k;
  TLStVariablen v = Lohn(1, 2400000, 1);
  v.KRV = 1;
  v.VBEZ = 2400000;
  v.VBEZM = 200000;
  v.ZMVB = 12;
  const TLStVariablen e = Rechnen(k, 2005, v);
  EXPECT_EQ(e.LSTLZZ, 243500);
  EXPECT_EQ(e.SOLZLZZ, 13392);
  EXPECT_EQ(e.BK, 0);
  // Row 1 of the tables (pension since 2005) gives the same in 2006.
  v.VJAHR = 2005;
  EXPECT_EQ(Rechnen(k, 2006, v).LSTLZZ, 243500);
}

// 2005 has no table rows by year: a pension that began in 2006 keeps 40 %
// and the age relief keeps 40 % up to 1900 (2006 uses the rows).
TEST(Lohnsteuer2005, FesteVersorgungswerte) {
  TFlussplanWerk k;
  TLStVariablen v = Lohn(1, 3000000, 1);
  v.ALTER1 = 1;
  v.AJAHR = 2007;
  const std::int64_t ohneZeile = Rechnen(k, 2005, v).LSTLZZ;
  v.AJAHR = 2005;
  EXPECT_EQ(Rechnen(k, 2005, v).LSTLZZ, ohneZeile);
  v.AJAHR = 2007;
  EXPECT_GT(Rechnen(k, 2006, v).LSTLZZ, Rechnen(k, 2005, v).LSTLZZ);
}

// Other payments: the difference of two yearly runs, in whole Euro.  With
// pension payments the second run may give less tax (here through the
// pension supplement of the other payment's pension part); the difference
// stays negative in 2005 and 2006 and becomes 0 from 2007.
TEST(Lohnsteuer2005, SonstigerBezug) {
  TFlussplanWerk k;
  TLStVariablen v = Lohn(2, 300000, 1);
  v.JRE4 = 3600000;
  v.SONSTB = 500000;
  const TLStVariablen e = Rechnen(k, 2005, v);
  EXPECT_GT(e.STS, 0);
  EXPECT_EQ(e.STS % 100, 0);
  EXPECT_EQ(e.SOLZS, lst::Abschneiden(e.STS * 5.5 / 100));

  TLStVariablen w = Lohn(2, 332282, 1);
  w.ALTER1 = 1;
  w.AJAHR = 2000;
  w.VBEZ = w.VBEZM = 332282;
  w.VBEZS = 102410;
  w.ZMVB = 12;
  w.VJAHR = 2003;
  w.SONSTB = 51992;
  w.JRE4 = w.JVBEZ = 3829299;
  EXPECT_EQ(Rechnen(k, 2006, w).STS, -200);
  EXPECT_EQ(Rechnen(k, 2006, w).SOLZS, -11);
  EXPECT_EQ(Rechnen(k, 2007, w).STS, 0);
}

// The surcharge percentage comes from the year's settings in 2005 and 2006.
TEST(Lohnsteuer2005, SoliAusDenEinstellungen) {
  TFlussplanWerk k;
  k.SoliGeladen = 0;
  const TLStVariablen v = Lohn(1, 3600000, 1);
  EXPECT_EQ(Rechnen(k, 2005, v).SOLZLZZ, 0);
  EXPECT_EQ(Rechnen(k, 2006, v).SOLZLZZ, 0);
  EXPECT_GT(Rechnen(k, 2007, v).SOLZLZZ, 0);
}

// --- other years by hand ---------------------------------------------------

// 2008, class I, not insured, 10000 Euro: the old-law amount VSPKURZ 1134
// beats VSPN = 1100; ZVE = 10000 - 956 - 1134 = 7910, ST = 37.
TEST(Lohnsteuer2008, NichtRentenversichert) {
  TFlussplanWerk k;
  TLStVariablen v = Lohn(1, 1000000, 1);
  v.KRV = 1;
  EXPECT_EQ(Rechnen(k, 2008, v).LSTLZZ, 3700);
}

// 2012, yearly 30000 Euro, class III: ANP 1000, SAP 36 (not 72); VSP1 =
// 14400 * 0.098 = 1411.20, the 12 % part capped at 3000, VSPN = 4412 beats
// 2662.50 + 1411.20; ZVE = 24552, splitting: 2 * ST(12276) = 2 * 764.
// With one child allowance 7008: ZVE = 17544, JBMG = 2 * 112.
TEST(Lohnsteuer2012, KlasseIII) {
  TFlussplanWerk k;
  TLStVariablen v = Lohn(1, 3000000, 3);
  v.R = 1;
  EXPECT_EQ(Rechnen(k, 2012, v).LSTLZZ, 152800);
  v.ZKF = 1;
  const TLStVariablen e = Rechnen(k, 2012, v);
  EXPECT_EQ(e.LSTLZZ, 152800);
  EXPECT_EQ(e.BK, 22400);
  EXPECT_EQ(e.SOLZLZZ, 0);
}

// --- inputs up to 2007 -------------------------------------------------------

// The programs up to 2007 read the pay-period allowance and addition as
// WFUNDF and HINZUR, from 2008 as LZZFREIB and LZZHINZU.
TEST(Eingaben2005Bis2007, FreibetragUndHinzurechnung) {
  TFlussplanWerk k;
  const TLStVariablen ohne = Lohn(2, 300000, 1);
  for (int jahr = 2005; jahr <= 2008; ++jahr) {
    const std::int64_t lst = Rechnen(k, jahr, ohne).LSTLZZ;
    TLStVariablen alt = ohne;
    alt.WFUNDF = 50000;
    TLStVariablen neu = ohne;
    neu.LZZFREIB = 50000;
    if (jahr <= lst::kLetztesJahrMitWFUNDF) {
      EXPECT_LT(Rechnen(k, jahr, alt).LSTLZZ, lst) << jahr;
      EXPECT_EQ(Rechnen(k, jahr, neu).LSTLZZ, lst) << jahr;
      alt.WFUNDF = 0;
      alt.HINZUR = 50000;
      EXPECT_GT(Rechnen(k, jahr, alt).LSTLZZ, lst) << jahr;
    } else {
      EXPECT_EQ(Rechnen(k, jahr, alt).LSTLZZ, lst) << jahr;
      EXPECT_LT(Rechnen(k, jahr, neu).LSTLZZ, lst) << jahr;
    }
  }
}

// --- the table routine -------------------------------------------------------

// A table row shows what a single yearly calculation gives for the
// bracket's top (u + 35.99): in every class (class V of 2005 to 2009 with the
// employee lump sum, as outside table mode), and the child allowances change
// only the surcharge and the church-tax base.
TEST(Tabelle2005Bis2012, ZeileWieEinzelberechnung) {
  TFlussplanWerk k;
  for (int jahr = 2005; jahr <= 2012; ++jahr) {
    lst::TLohnsteuerProgramm* p = k.ProgrammFuerMonat(jahr);
    ASSERT_TRUE(p != nullptr && p->HatTabelle()) << jahr;
    for (std::uint8_t stkl = 1; stkl <= 6; ++stkl) {
      for (std::int64_t lohn : {1800000, 4000000, 9000000, 30000000}) {
        for (double zkf : {0.0, 2.0}) {
          if (zkf > 0 && stkl > 4) continue;
          lst::TTabellenArgumente a;
          a.LZZ = 1;
          a.STKL = stkl;
          a.ZKF = zkf;
          a.Lohn = lohn;
          k.LStJahr = static_cast<std::int16_t>(jahr);
          p->Tabelle(a);
          const TLStVariablen t = k.LStVar;
          TLStVariablen v = Lohn(1, a.StufeVon + 3599, stkl);
          v.ZKF = zkf;
          const TLStVariablen e = Rechnen(k, jahr, v);
          EXPECT_EQ(t.LSTLZZ, e.LSTLZZ) << jahr << " Klasse " << int(stkl) << " " << lohn << " ZKF " << zkf;
          EXPECT_EQ(t.SOLZLZZ, e.SOLZLZZ) << jahr << " Klasse " << int(stkl) << " " << lohn;
        }
      }
    }
  }
}

// A table row does not depend on what the main routine computed before,
// not even after a run with multi-year pay.
TEST(Tabelle2005Bis2012, UnabhaengigVomLetztenLauf) {
  for (int jahr = 2005; jahr <= 2012; ++jahr) {
    auto zeile = [jahr](TFlussplanWerk& k) {
      lst::TTabellenArgumente a;
      a.STKL = 1;
      a.Lohn = 1200000;
      k.LStJahr = static_cast<std::int16_t>(jahr);
      k.ProgrammFuerMonat(jahr)->Tabelle(a);
      return k.LStVar.LSTLZZ;
    };
    TFlussplanWerk frisch;
    TFlussplanWerk k;
    TLStVariablen v = Lohn(1, 9000000, 1);
    v.JRE4 = 9000000;
    v.VMT = 5000000;
    Rechnen(k, jahr, v);
    EXPECT_EQ(zeile(k), zeile(frisch)) << jahr;
  }
}

// The special table of 2005 to 2009 is that of employees outside the
// statutory pension insurance (KRV 1).
TEST(Tabelle2005Bis2012, BesondereTabelleBis2009) {
  TFlussplanWerk k;
  for (int jahr = 2005; jahr <= 2009; ++jahr) {
    lst::TTabellenArgumente a;
    a.AllgemeineTabelle = false;
    a.Lohn = 4000000;
    k.LStJahr = static_cast<std::int16_t>(jahr);
    const std::int64_t naechste = k.ProgrammFuerMonat(jahr)->Tabelle(a);
    EXPECT_EQ(naechste, 4003200) << jahr;  // next bracket: 40032 Euro
    EXPECT_EQ(k.LStVar.KRV, 1) << jahr;
    const std::int64_t besondere = k.LStVar.LSTLZZ;
    TLStVariablen v = Lohn(1, a.StufeVon + 3599, 1);
    v.KRV = 1;
    EXPECT_EQ(Rechnen(k, jahr, v).LSTLZZ, besondere) << jahr;
  }
}

// --- KRV 2 before 2010 -----------------------------------------------------

std::string Zeile(int jahr, int krv) {
  std::ostringstream z;
  z << jahr << ",1,3000000,1,0,0," << krv;
  for (int i = 7; i < 34; ++i) z << (i == 21 ? ",1" : ",0");
  return z.str();
}

std::string Kopf() {
  std::string kopf;
  for (const char* n : lst::pap::kEingaben) (kopf += kopf.empty() ? "" : ",") += n;
  return kopf;
}

TEST(KRVBis2009, PapVerweigertKRV2) {
  for (int jahr : {2005, 2008, 2009}) {
    std::istringstream ein(Kopf() + "\n" + Zeile(jahr, 2) + "\n" + Zeile(jahr, 1) + "\n");
    std::ostringstream aus, fehler;
    EXPECT_EQ(lst::pap::Strom(ein, aus, fehler), 1) << jahr;
    EXPECT_NE(fehler.str().find("Zeile 2: KRV 2 gibt es für " + std::to_string(jahr) + " nicht"),
              std::string::npos)
        << fehler.str();
    EXPECT_EQ(fehler.str().find("Zeile 3"), std::string::npos) << fehler.str();
  }
  std::istringstream ein(Kopf() + "\n" + Zeile(2010, 2) + "\n");
  std::ostringstream aus, fehler;
  EXPECT_EQ(lst::pap::Strom(ein, aus, fehler), 0) << fehler.str();
}

}  // namespace

// A difference of cent amounts that is exactly whole Euro is not cut or
// rounded up by the residue of its doubles.  2007, a daily wage of 99,14
// with a pension of 97,04 (first full month 2.911,20, since 1996): ZRE4 is
// 32.690,01 and ZVBEZ 31.934,01, so the employee part of the lump sum is
// 102 + 756,00 = 858 (not 857).  2010, multi-year capital pay of 1.363,34
// as a pension: ZVBEZ 818,00 equals FVBZ 818, the pension part is 0 and
// ANP the full 920 (not 919).
TEST(Lohnsteuer2006Bis2012, ArbeitnehmerPauschbetragAusGanzenCent) {
  TFlussplanWerk k;
  TLStVariablen v = Lohn(4, 9914, 3);
  v.ZKF = 0.5;
  v.R = 1;
  v.VBEZ = 9704;
  v.VBEZM = 291120;
  v.ZMVB = 8;
  v.VJAHR = 1996;
  const TLStVariablen a = Rechnen(k, 2007, v);
  EXPECT_EQ(a.LSTLZZ, 580);
  EXPECT_EQ(a.BK, 394);

  TLStVariablen w = Lohn(2, 1136493, 3);
  w.LZZFREIB = 113082;
  w.SONSTB = 2089689;
  w.VMT = 723644;
  w.VKAPA = 136334;
  w.JRE4 = 9714177;
  w.ENTSCH = 344775;
  const TLStVariablen b = Rechnen(k, 2010, w);
  EXPECT_EQ(b.LSTLZZ, 267566);
  EXPECT_EQ(b.STV, 303600);
  EXPECT_EQ(b.SOLZV, 16698);
}

// --- the differences between 2010, 2011 and 2012 -----------------------------

namespace {

// Yearly 30000 Euro with an other payment of 5000, of which 5000 are a
// compensation: from 2011 the compensation is not part of the wage for the
// provision allowance, so the tax on the payment rises; 2010 does not read it.
TEST(Lohnsteuer2010Bis2012, EntschaedigungErstAb2011) {
  TFlussplanWerk k;
  TLStVariablen v = Lohn(2, 250000, 1);
  v.JRE4 = 3000000;
  v.SONSTB = 500000;
  TLStVariablen mit = v;
  mit.SONSTENT = 500000;
  mit.JRE4ENT = 0;
  for (int jahr = 2010; jahr <= 2012; ++jahr) {
    const TLStVariablen ohne = Rechnen(k, jahr, v);
    const TLStVariablen e = Rechnen(k, jahr, mit);
    EXPECT_EQ(e.LSTLZZ, ohne.LSTLZZ) << jahr;
    if (jahr == 2010) {
      EXPECT_EQ(e.STS, ohne.STS) << jahr;
    } else {
      EXPECT_GT(e.STS, ohne.STS) << jahr;
    }
  }
  // A compensation within the yearly wage lowers the provision allowance of
  // both runs alike; the run with the payment loses it at the higher rate,
  // so the tax on the payment rises (1312 to 1376 Euro).
  TLStVariablen jahr = v;
  jahr.JRE4ENT = 1000000;
  EXPECT_EQ(Rechnen(k, 2010, jahr).STS, Rechnen(k, 2010, v).STS);
  EXPECT_EQ(Rechnen(k, 2011, v).STS, 131200);
  EXPECT_EQ(Rechnen(k, 2011, jahr).STS, 137600);
}

// The deductible private contributions are reported from 2012 on.  Monthly
// 2500 Euro, class I, private insurance of 300 a month: the 12 % lump sum
// 3600 is capped at 1900, VSP3 = 3600, so VKV is 3600 a year, 300 a month.
TEST(Lohnsteuer2010Bis2012, PrivateBeitraegeErstAb2012) {
  TFlussplanWerk k;
  TLStVariablen v = Lohn(2, 250000, 1);
  v.PKV = 1;
  v.PKPV = 30000;
  EXPECT_EQ(Rechnen(k, 2010, v).VKVLZZ, 0);
  EXPECT_EQ(Rechnen(k, 2011, v).VKVLZZ, 0);
  EXPECT_EQ(Rechnen(k, 2012, v).VKVLZZ, 30000);
  v.SONSTB = 500000;
  v.JRE4 = 3000000;
  EXPECT_EQ(Rechnen(k, 2011, v).VKVSONST, 0);
  EXPECT_EQ(Rechnen(k, 2012, v).VKVSONST, 0);
}

// A table row of 2010 to 2013 with private insurance and employer subsidy
// (PKV 2) takes the statutory health-and-care part, as the general row does;
// without subsidy (PKV 1) the row has only the pension part and the 12 % lump
// sum.  (2013 lost this rule once when it moved to whole numbers.)
TEST(Tabelle2010Bis2013, PrivatMitZuschussWieGesetzlich) {
  TFlussplanWerk k;
  auto zeile = [&k](int jahr, std::uint8_t pkv) {
    lst::TTabellenArgumente a;
    a.LZZ = 1;
    a.STKL = 1;
    a.PKV = pkv;
    a.Lohn = 3000000;
    k.LStJahr = static_cast<std::int16_t>(jahr);
    k.ProgrammFuerMonat(jahr)->Tabelle(a);
    return k.LStVar.LSTLZZ;
  };
  for (int jahr = 2010; jahr <= 2013; ++jahr) {
    EXPECT_EQ(zeile(jahr, 2), zeile(jahr, 0)) << jahr;
    EXPECT_GT(zeile(jahr, 1), zeile(jahr, 0)) << jahr;
  }
}

}  // namespace

// The one-fifth rule for multi-year pay works on whole cents: a taxable
// income that is exactly whole Euro keeps its last Euro.  2009, yearly pay of
// 58 Euro in class VI with 8153.22 multi-year pay: ZRE4 - VMT is 58, not the
// 57.99999999999909 of the doubles, so the tax without the fifth is 8 (not
// 7) and STV = (236 - 8) * 5 + 8 - 8 = 1140 Euro.  2011, a monthly 6142.17
// in class VI (East ceiling) with 479.93 multi-year pay, of which 348.47
// compensation, and a yearly wage of 36: ZVE 515.93 - 28 - 479.93 is 8, and
// STV = (14 - 1) * 5 + 1 - 4 = 62 Euro.
TEST(Lohnsteuer2009Bis2012, FuenftelregelAusGanzenCent) {
  TFlussplanWerk k;
  TLStVariablen v = Lohn(1, 5800, 6);
  v.JRE4 = 5800;
  v.VMT = 815322;
  const TLStVariablen a = Rechnen(k, 2009, v);
  EXPECT_EQ(a.LSTLZZ, 800);
  EXPECT_EQ(a.STV, 114000);
  EXPECT_EQ(a.SOLZV, 6270);
  // A taxable income below 1 Euro is 0 in UPMLST, and the fifth is added to
  // that 0: 0.51 Euro with 15247.58 multi-year pay gives X = 3049, not 3050,
  // and STV = 426 * 5 = 2130 Euro.
  v.RE4 = v.JRE4 = 51;
  v.VMT = 1524758;
  const TLStVariablen c = Rechnen(k, 2009, v);
  EXPECT_EQ(c.STV, 213000);
  EXPECT_EQ(c.SOLZV, 11715);

  TLStVariablen w = Lohn(2, 614217, 6);
  w.KRV = 1;
  w.ZKF = 9;
  w.VMT = 47993;
  w.JRE4 = 3600;
  w.ENTSCH = 34847;
  const TLStVariablen b = Rechnen(k, 2011, w);
  EXPECT_EQ(b.STV, 6200);
  EXPECT_EQ(b.SOLZV, 341);
}
