// Social insurance 2014 to 2026 through the whole calculation: the published
// examples and the reference computations of every rule period, to the cent.
// Figures in cents; sources are named at each case (keys of the research
// notes on 2014 to 2026: oeffentlicher-dienst.info, the minijob office, ETL,
// ECOVIS, minijobs-aktuell, TK ...).

#include <gtest/gtest.h>

#include <string>

#include "calc/abrechnung.h"
#include "calc/pruefung.h"
#include "calc/sozialversicherung.h"
#include "ergebnis_sicht.h"
#include "flussplan_lauf.h"
#include "lohnsteuer/versionen.h"

using namespace lst;

namespace {

// One pay slip of a month, West, no church tax unless given.
struct TFall {
  int Jahr = 2026;
  int Monat = 1;
  std::int64_t Brutto = 0;
  std::uint8_t STKL = 1;
  float ZKF = 0;
  bool Kinderlos = true;
  std::uint8_t Abschlaege = 0;
  bool Zone = false;
  double ZB = -1;                   // the fund's add-on rate; -1 the average
  const char* Version = nullptr;    // wage-tax flowchart; nullptr: by the month
  double KiSt = 0;
  int Typ = beNV;
  bool Aufstockung = false;
};

// The slip of a case: the parameters of its month (and flowchart), the
// request and the result.
struct TLauf {
  TParameter p;
  TAnfrage a;
  TMonatsErgebnis erg;
};

void Rechne(TLauf& r, const TFall& f) {
  const int version = f.Version ? LStVersionNachSchluessel(f.Version) : -1;
  ASSERT_TRUE(f.Version == nullptr || version >= 0) << f.Version;
  r.p = Parameter(f.Jahr, f.Monat, {}, version);
  ASSERT_TRUE(f.Version == nullptr || r.p.Version == version) << f.Version;
  r.a = TAnfrage{};
  r.a.LZZ = 2;
  r.a.Brutto = f.Brutto;
  r.a.STKL = f.STKL;
  r.a.ZKF = f.ZKF;
  r.a.Bekenntnislos = f.KiSt == 0;
  r.a.KiStSatz = f.KiSt;
  r.a.Region = rgWest;
  r.a.Beschaeftigung = f.Typ;
  if (f.Typ == beNV) {
    // The fund's add-on rate where the year has one (from 2015).
    if (f.ZB >= 0 && r.p.R().KVZusatz) r.a.KVZusatz = f.ZB;
    r.a.PVZuschlag = f.Kinderlos;
  } else {
    r.a.PauschSatz = PauschStProzentStandard(f.Jahr) / 100;
  }
  // The discounts for further children where the pay month has them (from
  // July 2023; a request before is refused).
  r.a.PVAbschlaege = SVPeriode(f.Jahr, f.Monat).PVAbschlag >= 0 ? f.Abschlaege : 0;
  r.a.Gleitzone = f.Zone;
  r.a.Aufstockung = f.Aufstockung;
  const std::vector<TBefund> befunde = Pruefen(r.p, r.a);
  const TBefund* fehler = ErsterFehler(befunde);
  ASSERT_EQ(fehler, nullptr) << fehler->Meldung;
  r.erg = Abrechnen(r.p, r.a);
}

// The records of a case without a contribution group: the rates of the
// employment type's row of its month, from which the flowchart is told of
// the insurance.
struct TDaten {
  TLohnZeitraum lz;
  TLStEingabe e;
  TSVEingabe sv;
};

TDaten Datensaetze(const TFall& f) {
  TDaten d;
  d.lz = {2, f.Brutto};
  d.e.STKL = f.STKL;
  d.e.ZKF = f.ZKF;
  d.e.Bekenntnislos = f.KiSt == 0;
  d.e.KiStSatz = f.KiSt;
  d.sv.Region = rgWest;
  d.sv.Monat = static_cast<std::uint8_t>(f.Monat);
  d.sv.Beschaeftigung = static_cast<std::uint8_t>(f.Typ);
  d.sv.Saetze = SVSaetzeStandard(f.Jahr, f.Monat)[f.Typ];
  if (f.Typ == beNV) {
    if (f.ZB >= 0) d.sv.Saetze[svKV2] = ZusatzbeitragSaetze(f.Jahr, f.Monat, f.ZB);
    if (!f.Kinderlos) d.sv.Saetze[svPV2].AN = 0;
  } else {
    d.e.PauschSatzAG = PauschStProzentStandard(f.Jahr) / 100;
  }
  d.sv.PVAbschlaege = f.Abschlaege;
  d.sv.Gleitzone = f.Zone;
  d.sv.Aufstockung = f.Aufstockung;
  return d;
}

std::string Name(const TFall& f) {
  return std::to_string(f.Jahr) + "-" + std::to_string(f.Monat) + " " + std::to_string(f.Brutto);
}

// A row of the reference computations; -1 where the row gives no figure.
struct TZeile {
  int Jahr, Monat;
  char Fall;
  std::int64_t KVAN, ZBAN, PVAN, RVAN, AVAN, SVAN, LSt, Soli, Netto, SVAG, IGU, BE, BEAN;
  const char* Version = nullptr;
};

TFall FallAus(int jahr, int monat, char fall, const char* version = nullptr) {
  TFall f;
  f.Jahr = jahr;
  f.Monat = monat;
  f.Version = version;
  switch (fall) {
    case 'A': f.Brutto = 300000; break;
    case 'B':
      // Two children under 25: the discount for the second from July 2023.
      f.Brutto = 650000;
      f.STKL = 3;
      f.ZKF = 2;
      f.Kinderlos = false;
      f.Abschlaege = 1;
      break;
    default:
      f.Brutto = 80000;
      f.Zone = true;
      break;
  }
  return f;
}

void PruefeZeile(const TZeile& z) {
  TLauf r;
  const TFall f = FallAus(z.Jahr, z.Monat, z.Fall, z.Version);
  Rechne(r, f);
  const TSVErgebnis sv = Beitraege(r.erg);
  const std::string was = Name(f) + " " + z.Fall;
  EXPECT_EQ(sv.AN(svKV) + sv.AN(svKV2), z.KVAN + z.ZBAN) << was;
  if (z.Jahr >= 2015) {
    EXPECT_EQ(sv.AN(svKV2), z.ZBAN) << was;  // the add-on rate on its own
  }
  EXPECT_EQ(sv.AN(svPV) + sv.AN(svPV2), z.PVAN) << was;
  EXPECT_EQ(sv.AN(svRV), z.RVAN) << was;
  EXPECT_EQ(sv.AN(svAV), z.AVAN) << was;
  EXPECT_EQ(sv.SVSummeAN(), z.SVAN) << was;
  EXPECT_EQ(r.erg.LSt, z.LSt) << was;
  EXPECT_EQ(r.erg.Soli, z.Soli) << was;
  EXPECT_EQ(r.erg.Netto, z.Netto) << was;
  EXPECT_EQ(sv.SVSummeAG(), z.SVAG) << was;
  // No levies of the fund are given: U1 and U2 are 0 in normal employment.
  EXPECT_EQ(sv.U1_AG + sv.U2_AG, 0) << was;
  if (z.IGU >= 0) {
    EXPECT_EQ(sv.IGU_AG, z.IGU) << was;
  }
  EXPECT_EQ(r.erg.AGGesamt, f.Brutto + z.SVAG) << was;
  EXPECT_EQ(r.erg.AGGesamtUmlagen, r.erg.AGGesamt + sv.IGU_AG) << was;
  EXPECT_EQ(sv.BE, z.BE < 0 ? 0 : z.BE) << was;
  EXPECT_EQ(sv.BE_AN, z.BEAN < 0 ? 0 : z.BEAN) << was;
}

constexpr std::int64_t kN = -1;

// Reference computations of every rule period (the research notes, section
// 9): social insurance by the rules of 2014 to 2026, wage tax and surcharge
// by the flowchart of the period (2022 the amended flowchart of May, 2023
// and 2025 January the amended ones of April and March).  Case A 3.000 EUR class I childless,
// case B 6.500 EUR class III with two children, case C 800 EUR in the zone;
// West, the average add-on rate.
const TZeile kReferenz[] = {
    {2014, 1, 'A', 24600, 0, 3825, 28350, 4500, 61275, 45675, 2512, 190538, 57825, 450, kN, kN},
    {2014, 1, 'B', 33210, 0, 4151, 56228, 8925, 102514, 116633, 4361, 426492, 98869, 893, kN, kN},
    {2014, 1, 'C', 6352, 0, 989, 7306, 1160, 15807, 0, 0, 64193, 15420, kN, 78653, kN},
    {2015, 1, 'A', 21900, 2700, 4275, 28050, 4500, 61425, 45233, 2487, 190855, 57975, 450, kN, kN},
    {2015, 1, 'B', 30113, 3713, 4847, 56568, 9075, 104316, 115366, 4299, 426019, 100603, 908, kN, kN},
    {2015, 1, 'C', 5642, 708, 1105, 7226, 1160, 15841, 0, 0, 64159, 15460, kN, 78642, kN},
    {2016, 1, 'A', 21900, 3300, 4275, 28050, 4500, 62025, 43950, 2417, 191608, 57975, 360, kN, kN},
    {2016, 1, 'B', 30934, 4661, 4979, 57970, 9300, 107844, 112050, 4072, 426034, 103183, 744, kN, kN},
    {2016, 1, 'C', 5638, 865, 1105, 7222, 1158, 15988, 0, 0, 64012, 15460, kN, 78620, kN},
    {2017, 1, 'A', 21900, 3300, 4575, 28050, 4500, 62325, 43116, 2371, 192188, 58275, 270, kN, kN},
    {2017, 1, 'B', 31755, 4785, 5546, 59373, 9525, 110984, 109600, 3924, 425492, 106199, 572, kN, kN},
    {2017, 1, 'C', 5636, 865, 1180, 7218, 1158, 16057, 0, 0, 63943, 15540, kN, 78599, kN},
    {2018, 1, 'A', 21900, 3000, 4575, 27900, 4500, 61875, 42316, 2327, 193482, 58125, 180, kN, kN},
    {2018, 1, 'B', 32303, 4425, 5642, 60450, 9750, 112570, 107183, 3792, 426455, 108145, 390, kN, kN},
    {2018, 1, 'C', 5638, 786, 1181, 7184, 1158, 15947, 0, 0, 64053, 15500, kN, 78620, kN},
    {2019, 1, 'A', 21900, 1350, 5325, 27900, 3750, 60225, 41658, 2291, 195826, 59475, 180, kN, kN},
    {2019, 1, 'B', 33124, 2042, 6920, 60450, 8125, 110661, 105150, 3649, 430540, 110661, 390, kN, kN},
    {2019, 1, 'C', 5640, 348, 1375, 7186, 966, 15515, 0, 0, 64485, 15860, kN, 78631, kN},
    // July 2019: the transition zone up to 1.300 EUR.
    {2019, 7, 'C', 4900, 302, 1208, 6242, 838, 13490, 0, 0, 66510, 15860, kN, 73557, kN},
    {2020, 1, 'A', 21900, 1650, 5325, 27900, 3600, 60375, 40516, 2228, 196881, 59625, 180, kN, kN},
    {2020, 1, 'B', 34219, 2578, 7148, 60450, 7800, 112195, 102183, 3460, 432162, 112195, 390, kN, kN},
    {2020, 1, 'C', 4892, 368, 1206, 6232, 804, 13502, 0, 0, 66498, 15900, kN, 73507, kN},
    {2021, 1, 'A', 21900, 1950, 5325, 27900, 3600, 60675, 39308, 0, 200017, 59925, 360, kN, kN},
    {2021, 1, 'B', 35314, 3144, 7377, 60450, 7800, 114085, 99133, 0, 436782, 114085, 780, kN, kN},
    {2021, 1, 'C', 4878, 434, 1202, 6214, 802, 13530, 0, 0, 66470, 15980, kN, 73406, kN},
    {2022, 1, 'A', 21900, 1950, 5625, 27900, 3600, 60975, 37250, 0, 201775, 59925, 270, kN, kN, "2022"},
    {2022, 1, 'B', 35314, 3144, 7377, 60450, 7800, 114085, 95450, 0, 440465, 114085, 585, kN, kN, "2022"},
    {2022, 1, 'C', 4878, 434, 1275, 6214, 802, 13603, 0, 0, 66397, 15980, kN, 73406, kN, "2022"},
    // October 2022: the new zone formula with the employee's own base.
    {2022, 10, 'C', 3028, 270, 873, 3858, 498, 8527, 0, 0, 71473, 19071, kN, 68479, 41481},
    {2023, 1, 'A', 21900, 2400, 5625, 27900, 3900, 61725, 34100, 0, 204175, 60675, 180, kN, kN, "2023"},
    {2023, 1, 'B', 36409, 3990, 7606, 60450, 8450, 116905, 87983, 0, 445112, 116905, 390, kN, kN, "2023"},
    {2023, 1, 'C', 2762, 303, 812, 3519, 492, 7888, 0, 0, 72112, 19457, kN, 67022, 37838, "2023"},
    // July 2023: care 3,4 %, surcharge 0,6, discount 0,25 per further child.
    {2023, 7, 'A', 21900, 2400, 6900, 27900, 3900, 63000, 33741, 0, 203259, 61200, 180, kN, kN},
    {2023, 7, 'B', 36409, 3990, 7232, 60450, 8450, 116531, 87733, 0, 445736, 117778, 390, kN, kN},
    {2023, 7, 'C', 2762, 303, 1045, 3519, 492, 8121, 0, 0, 71879, 19625, kN, 67022, 37838},
    {2024, 1, 'A', 21900, 2550, 6900, 27900, 3900, 63150, 31708, 0, 205142, 61350, 180, kN, kN},
    {2024, 1, 'B', 37778, 4399, 7504, 60450, 8450, 118581, 83050, 0, 448369, 119875, 390, kN, kN},
    {2024, 1, 'C', 2616, 305, 1005, 3333, 466, 7725, 0, 0, 72275, 19695, kN, 66072, 35841},
    {2025, 1, 'A', 21900, 3750, 7200, 27900, 3900, 64650, 30150, 0, 205200, 62850, 450, kN, kN, "2025"},
    {2025, 1, 'B', 40241, 6891, 8544, 60450, 8450, 124576, 78883, 0, 446541, 125955, 975, kN, kN, "2025"},
    {2025, 1, 'C', 2467, 422, 996, 3143, 439, 7467, 0, 0, 72533, 20019, kN, 64674, 33795, "2025"},
    {2026, 1, 'A', 21900, 4350, 7200, 27900, 3900, 65250, 29308, 0, 205442, 63450, 450, kN, kN},
    {2026, 1, 'B', 42431, 8428, 9009, 60450, 8450, 128768, 76200, 0, 445032, 130222, 975, kN, kN},
    {2026, 1, 'C', 2059, 409, 883, 2623, 367, 6341, 0, 0, 73659, 20466, kN, 62488, 28203},
};

}  // namespace

TEST(SV2014Bis2026, ReferenzrechnungenJederPeriode) {
  for (const TZeile& z : kReferenz) PruefeZeile(z);
  // Cases A and B of July 2019 and October 2022 are those of January.
  for (const TZeile& z : kReferenz) {
    if (!((z.Jahr == 2019 || z.Jahr == 2022) && z.Monat == 1 && z.Fall != 'C')) continue;
    TZeile spaeter = z;
    spaeter.Monat = z.Jahr == 2019 ? 7 : 10;
    PruefeZeile(spaeter);
  }
}

// The December flowcharts of 2015 and 2024 grant the year's relief in
// December (reference computations, section 9); the social insurance stays.
TEST(SV2014Bis2026, DezemberAblaufplaene) {
  struct {
    int jahr;
    char fall;
    std::int64_t lst, soli, lstNov;
  } const faelle[] = {
      {2015, 'A', 43033, 2366, 45233}, {2015, 'B', 110966, 3584, 115366},
      {2024, 'A', 28208, 0, 31708},    {2024, 'B', 76250, 0, 83050},
  };
  for (const auto& c : faelle) {
    TFall f = FallAus(c.jahr, 12, c.fall);
    TLauf dez, nov;
    Rechne(dez, f);
    f.Monat = 11;
    Rechne(nov, f);
    EXPECT_EQ(dez.erg.LSt, c.lst) << c.jahr << c.fall;
    EXPECT_EQ(dez.erg.Soli, c.soli) << c.jahr << c.fall;
    EXPECT_EQ(nov.erg.LSt, c.lstNov) << c.jahr << c.fall;
    EXPECT_EQ(Beitraege(dez.erg).Betrag, Beitraege(nov.erg).Betrag) << c.jahr << c.fall;
  }
}

// ---- published examples ---------------------------------------------------------

// E1: oeffentlicher-dienst.info, KAT Diakonie 2016, K 3 step 4: 2.336 EUR,
// class I, childless, fund's add-on rate 0,9 %.
TEST(SV2014Bis2026, E1Diakonie2016) {
  TLauf r;
  Rechne(r, TFall{.Jahr = 2016, .Brutto = 233600, .ZB = 0.9});
  const TSVErgebnis sv = Beitraege(r.erg);
  EXPECT_EQ(r.erg.LSt, 27516);
  EXPECT_EQ(r.erg.Soli, 1513);
  EXPECT_EQ(sv.AN(svKV), 17053);
  EXPECT_EQ(sv.AN(svKV2), 2102);
  EXPECT_EQ(sv.AG(svKV2), 0);  // 2016: the employee's alone
  EXPECT_EQ(sv.AN(svPV) + sv.AN(svPV2), 3329);
  EXPECT_EQ(sv.AN(svRV), 21842);
  EXPECT_EQ(sv.AN(svAV), 3504);
  EXPECT_EQ(r.erg.Netto, 156741);
}

// E2: oeffentlicher-dienst.info, AOK tariff 2020, group 5 step 3: 3.085 EUR,
// add-on rate 0,9 % half each.  The published net is one cent below the sum
// of its published parts; the parts give 2.016,13 EUR.
TEST(SV2014Bis2026, E2Aok2020) {
  TLauf r;
  Rechne(r, TFall{.Jahr = 2020, .Brutto = 308500, .ZB = 0.9});
  const TSVErgebnis sv = Beitraege(r.erg);
  EXPECT_EQ(r.erg.LSt, 42758);
  EXPECT_EQ(r.erg.Soli, 2351);
  EXPECT_EQ(sv.AN(svKV) + sv.AN(svKV2), 23909);
  EXPECT_EQ(sv.AG(svKV2), sv.AN(svKV2));
  EXPECT_EQ(sv.AN(svPV) + sv.AN(svPV2), 5476);
  EXPECT_EQ(sv.AN(svRV), 28691);
  EXPECT_EQ(sv.AN(svAV), 3702);
  EXPECT_EQ(r.erg.Netto, 201613);
}

// E3: the minijob office's example of October 2022 (quoted by
// 450-euro-jobs.de): 521 EUR in the new transition zone, add-on rate 1,3 %,
// with children.
TEST(SV2014Bis2026, E3Uebergangsbereich2022) {
  TLauf r;
  Rechne(r, TFall{.Jahr = 2022, .Monat = 10, .Brutto = 52100, .Kinderlos = false, .Zone = true, .ZB = 1.3});
  const TSVErgebnis sv = Beitraege(r.erg);
  EXPECT_EQ(sv.BE, 36561);
  EXPECT_EQ(sv.BE_AN, 148);
  const std::int64_t an[] = {11, 2, 14, 2, 0, 1, 0}, ag[] = {5327, 1114, 6786, 876, 0, 475, 0};
  for (int art = 0; art < svAnzahl; ++art) {
    EXPECT_EQ(sv.AN(art), an[art]) << art;
    EXPECT_EQ(sv.AG(art), ag[art]) << art;
  }
  EXPECT_EQ(sv.SVSummeAN(), 30);
  EXPECT_EQ(sv.SVSummeAG(), 14578);
}

// E4: ETL, midi jobs 2023: 1.040 EUR, class I, one child, add-on rate 1,6 %,
// January to June (care 3,05 %).  The employer's side follows from the rules.
TEST(SV2014Bis2026, E4Uebergangsbereich2023) {
  TLauf r;
  Rechne(r, TFall{.Jahr = 2023, .Monat = 3, .Brutto = 104000, .ZKF = 1, .Kinderlos = false, .Zone = true, .ZB = 1.6});
  const TSVErgebnis sv = Beitraege(r.erg);
  EXPECT_EQ(sv.BE, 93618);
  EXPECT_EQ(sv.BE_AN, 70270);
  EXPECT_EQ(r.erg.LSt, 0);
  EXPECT_EQ(sv.AN(svRV), 6535);
  EXPECT_EQ(sv.AN(svAV), 914);
  EXPECT_EQ(sv.AN(svKV) + sv.AN(svKV2), 5692);
  EXPECT_EQ(sv.AN(svPV) + sv.AN(svPV2), 1072);
  EXPECT_EQ(r.erg.Netto, 89787);
  EXPECT_EQ(sv.AG(svKV), 8538);
  EXPECT_EQ(sv.AG(svKV2), 936);
  EXPECT_EQ(sv.AG(svPV), 1784);
  EXPECT_EQ(sv.AG(svRV), 10877);
  EXPECT_EQ(sv.AG(svAV), 1520);
}

// E5: payroll-software forum (hentrich-software.de): 1.024 EUR from July 2023,
// two children under 25: the discount on the whole reduced base.
TEST(SV2014Bis2026, E5AbschlagImUebergangsbereich) {
  TLauf r;
  Rechne(r, TFall{.Jahr = 2023, .Monat = 7, .Brutto = 102400, .ZKF = 2, .Kinderlos = false, .Abschlaege = 1, .Zone = true});
  const TSVErgebnis sv = Beitraege(r.erg);
  EXPECT_EQ(sv.BE_AN, 68108);
  EXPECT_EQ(sv.BE, 91845);
  EXPECT_EQ(sv.AN(svPV), 1158 - 230);
  EXPECT_EQ(sv.AN(svPV2), 0);
  EXPECT_EQ(sv.AG(svPV), 1964);
}

// E6: stellenanzeigen.de, 3.500 EUR brutto in netto (2024, January to
// November flowchart): class I, childless, church tax 9 %, add-on rate 1,7 %.
// The page rounds the church tax 38,9475 to 38,95; this calculation cuts it
// (38,94), so its net is one cent above the published 2.291,55.
TEST(SV2014Bis2026, E6Arbeitnehmer2024) {
  TLauf r;
  Rechne(r, TFall{.Jahr = 2024, .Monat = 5, .Brutto = 350000, .ZB = 1.7, .KiSt = 0.09});
  const TSVErgebnis sv = Beitraege(r.erg);
  EXPECT_EQ(r.erg.LSt, 43275);
  EXPECT_EQ(r.erg.Soli, 0);
  EXPECT_EQ(r.erg.KiSt, 3894);
  const std::int64_t an[] = {25550, 8050, 32550, 4550}, ag[] = {25550, 5950, 32550, 4550};
  for (int art = 0; art < 4; ++art) EXPECT_EQ(sv.AN(art) + (art == svPV ? sv.AN(svPV2) : 0), an[art]) << art;
  for (int art = 0; art < 4; ++art) EXPECT_EQ(sv.AG(art), ag[art]) << art;
  EXPECT_EQ(sv.AN(svKV2), 2975);
  EXPECT_EQ(sv.AG(svKV2), 2975);
  EXPECT_EQ(r.erg.Netto, 229156);
  EXPECT_EQ(r.erg.AGGesamt, 421575);
  // With the insolvency levy of 0,06 %.
  EXPECT_EQ(sv.IGU_AG, 210);
  EXPECT_EQ(r.erg.AGGesamtUmlagen, 421575 + 210);
}

// E7: TK, new contributions of midi jobs 2021: 650 EUR gives the base 564,28.
TEST(SV2014Bis2026, E7Bemessung2021) {
  EXPECT_EQ(GleitzoneBemessung(2021, 1, 2, 65000).Bemessung, 56428);
  TLauf r;
  Rechne(r, TFall{.Jahr = 2021, .Brutto = 65000, .Zone = true});
  EXPECT_EQ(Beitraege(r.erg).BE, 56428);
  EXPECT_EQ(Beitraege(r.erg).BE_AN, 0);
}

// E8: ECOVIS press release: a minijob of 538 EUR in 2024 with the pension
// top-up.  E9: minijobs-aktuell.de, 550 EUR in 2025 and 2026 with the
// levies.  E10: accio.com, 125 EUR (below the minimum base of 175 EUR).
TEST(SV2014Bis2026, E8BisE10Minijobs) {
  TLauf r;
  Rechne(r, TFall{.Jahr = 2024, .Brutto = 53800, .Typ = beGF, .Aufstockung = true});
  EXPECT_EQ(Beitraege(r.erg).AG(svRV), 8070);
  EXPECT_EQ(Beitraege(r.erg).AN(svRV), 1937);
  EXPECT_EQ(r.erg.Netto, 51863);

  for (int jahr : {2025, 2026}) {
    Rechne(r, TFall{.Jahr = jahr, .Brutto = 55000, .Typ = beGF});
    const TSVErgebnis sv = Beitraege(r.erg);
    EXPECT_EQ(sv.AG(svKV), 7150) << jahr;
    EXPECT_EQ(sv.AG(svRV), 8250) << jahr;
    EXPECT_EQ(r.erg.LStPausch, 1100) << jahr;
    EXPECT_EQ(sv.U1_AG, jahr == 2025 ? 605 : 440) << jahr;
    EXPECT_EQ(sv.U2_AG, 121) << jahr;
    EXPECT_EQ(sv.IGU_AG, 83) << jahr;  // 0,825 rounded half up
    EXPECT_EQ(sv.SVSummeAN(), 0) << jahr;  // opted out of the pension
    Rechne(r, TFall{.Jahr = jahr, .Brutto = 55000, .Typ = beGF, .Aufstockung = true});
    EXPECT_EQ(Beitraege(r.erg).AN(svRV), 1980) << jahr;
  }

  for (int jahr : {2018, 2026}) {
    Rechne(r, TFall{.Jahr = jahr, .Brutto = 12500, .Typ = beGF, .Aufstockung = true});
    EXPECT_EQ(Beitraege(r.erg).AG(svRV), 1875) << jahr;
    EXPECT_EQ(Beitraege(r.erg).AN(svRV), 1380) << jahr;  // 175 x 18,6 % = 32,55 in all
  }
}

// The minijob rows of the reference computations: the limit in full, the
// employee tops up the pension; U1/U2 of the minijob office at the start of
// the period; the household without insolvency levy.
TEST(SV2014Bis2026, MinijobReferenzzeilen) {
  struct {
    int jahr, monat;
    std::int64_t lohn, kv, rv, pausch, u1, u2, igu, agGesamt, auf, netto, hhAuf, hhNetto;
  } const zeilen[] = {
      {2014, 1, 45000, 5850, 6750, 900, 315, 108, 68, 13991, 1755, 43245, 6255, 38745},
      {2015, 1, 45000, 5850, 6750, 900, 315, 108, 68, 13991, 1665, 43335, 6165, 38835},
      {2015, 9, 45000, 5850, 6750, 900, 450, 135, 68, 14153, 1665, 43335, 6165, 38835},
      {2016, 1, 45000, 5850, 6750, 900, 450, 135, 54, 14139, 1665, 43335, 6165, 38835},
      {2017, 1, 45000, 5850, 6750, 900, 405, 135, 41, 14081, 1665, 43335, 6165, 38835},
      {2018, 1, 45000, 5850, 6750, 900, 405, 108, 27, 14040, 1620, 43380, 6120, 38880},
      {2020, 1, 45000, 5850, 6750, 900, 405, 86, 27, 14018, 1620, 43380, 6120, 38880},
      {2021, 1, 45000, 5850, 6750, 900, 450, 176, 54, 14180, 1620, 43380, 6120, 38880},
      {2022, 1, 45000, 5850, 6750, 900, 405, 131, 41, 14077, 1620, 43380, 6120, 38880},
      {2022, 10, 52000, 6760, 7800, 1040, 468, 151, 47, 16266, 1872, 50128, 7072, 44928},
      {2023, 1, 52000, 6760, 7800, 1040, 572, 125, 31, 16328, 1872, 50128, 7072, 44928},
      {2024, 1, 53800, 6994, 8070, 1076, 592, 129, 32, 16893, 1937, 51863, 7317, 46483},
      {2025, 1, 55600, 7228, 8340, 1112, 612, 122, 83, 17497, 2002, 53598, 7562, 48038},
      {2026, 1, 60300, 7839, 9045, 1206, 482, 133, 90, 18795, 2171, 58129, 8201, 52099},
  };
  for (const auto& z : zeilen) {
    EXPECT_EQ(BBGStandard(z.jahr, z.monat)[bbgGF][rgWest], z.lohn) << z.jahr;
    TLauf r;
    Rechne(r, TFall{.Jahr = z.jahr, .Monat = z.monat, .Brutto = z.lohn, .Typ = beGF, .Aufstockung = true});
    const TSVErgebnis sv = Beitraege(r.erg);
    const std::string was = std::to_string(z.jahr) + "-" + std::to_string(z.monat);
    EXPECT_EQ(sv.AG(svKV), z.kv) << was;
    EXPECT_EQ(sv.AG(svRV), z.rv) << was;
    EXPECT_EQ(r.erg.LStPausch, z.pausch) << was;
    EXPECT_EQ(sv.U1_AG, z.u1) << was;
    EXPECT_EQ(sv.U2_AG, z.u2) << was;
    EXPECT_EQ(sv.IGU_AG, z.igu) << was;
    EXPECT_EQ(r.erg.AGGesamtUmlagen - z.lohn, z.agGesamt) << was;
    EXPECT_EQ(sv.AN(svRV), z.auf) << was;
    EXPECT_EQ(sv.AN(svRVAuf), z.auf) << was;
    EXPECT_EQ(r.erg.Netto, z.netto) << was;

    TLauf hh;
    Rechne(hh, TFall{.Jahr = z.jahr, .Monat = z.monat, .Brutto = z.lohn, .Typ = beHH, .Aufstockung = true});
    EXPECT_EQ(Beitraege(hh.erg).AG(svKV), Runden(z.lohn * 0.05)) << was;
    EXPECT_EQ(Beitraege(hh.erg).AG(svRV), Runden(z.lohn * 0.05)) << was;
    EXPECT_EQ(Beitraege(hh.erg).AN(svRV), z.hhAuf) << was;
    EXPECT_EQ(hh.erg.Netto, z.hhNetto) << was;
    EXPECT_EQ(Beitraege(hh.erg).IGU_AG, 0) << was;
    EXPECT_EQ(Beitraege(hh.erg).U1_AG, z.u1) << was;
  }
}

// ---- the wage tax from the same records -------------------------------------------

// The flowcharts' inputs from 2014 come from the social-insurance record:
// the whole add-on rate from the KV2 pair, the surcharge from the PV2 rate,
// the discounts (an input from 2024), the pension and unemployment
// insurance from their rates, private insurance as the flowchart knows it.
TEST(SV2014Bis2026, LohnsteuerEingabenAusDemSVDatensatz) {
  struct {
    int jahr, monat;
    double zb;
    bool kinderlos;
    std::uint8_t abschlaege;
    double kvz;
    std::uint8_t pva;
  } const faelle[] = {
      {2014, 1, 1.0, true, 0, 0.0, 0},   // no add-on rate in 2014
      {2016, 1, 1.35, true, 0, 1.35, 0}, // the employee's alone
      {2019, 1, 0.9, false, 0, 0.9, 0},  // half each, the whole rate to the flowchart
      {2023, 7, 1.7, false, 2, 1.7, 0},  // discounts are a flowchart input from 2024
      {2024, 1, 2.45, false, 3, 2.45, 3},
      {2026, 1, 3.1, false, 4, 3.1, 4},
  };
  for (const auto& c : faelle) {
    const TFall f{.Jahr = c.jahr, .Monat = c.monat, .Brutto = 300000, .ZKF = c.kinderlos ? 0.0f : 2.0f,
                  .Kinderlos = c.kinderlos, .Abschlaege = c.abschlaege, .ZB = c.zb};
    const TDaten d = Datensaetze(f);
    TFlussplanWerk w;
    WerkSteuer(w, f.Jahr, d.lz, d.e, d.sv, f.Monat);
    // The request tells the flowchart the same through its contribution group.
    TLauf r;
    Rechne(r, f);
    const TLStVariablen anfrage = FlussplanEingaben(r.p, r.a);
    const TLStVariablen& datensatz = w.LStVar;
    for (const TLStVariablen* v : {&datensatz, &anfrage}) {
      EXPECT_DOUBLE_EQ(v->KVZ, c.kvz) << c.jahr;
      EXPECT_EQ(v->PVZ, c.kinderlos ? 1 : 0) << c.jahr;
      EXPECT_EQ(v->PVA, c.pva) << c.jahr;
      EXPECT_EQ(v->KRV, 0) << c.jahr;
      EXPECT_EQ(v->ALV, 0) << c.jahr;
    }
  }

  // Not in the pension or unemployment insurance (rates not levied).
  TDaten d = Datensaetze(TFall{.Jahr = 2026, .Brutto = 300000});
  TFlussplanWerk w;
  const std::int64_t mit = WerkSteuer(w, 2026, d.lz, d.e, d.sv, 1).LSt;
  d.sv.Saetze[svRV] = {-0.01, -0.01};
  d.sv.Saetze[svAV] = {-0.01, -0.01};
  const TLStErgebnis ohne = WerkSteuer(w, 2026, d.lz, d.e, d.sv, 1);
  EXPECT_EQ(w.LStVar.KRV, 1);
  EXPECT_EQ(w.LStVar.ALV, 1);
  EXPECT_GT(ohne.LSt, mit);  // smaller provision allowance
  TSVErgebnis sv;
  SVRechnen(2026, SVPeriode(2026, 1), BBGStandard(2026, 1), d.lz, d.sv, sv);
  EXPECT_EQ(sv.AN(svRV) + sv.AN(svAV), 0);
  WerkSteuer(w, 2024, d.lz, d.e, d.sv, 1);
  EXPECT_EQ(w.LStVar.KRV, 2);
  EXPECT_EQ(w.LStVar.ALV, 0);  // an input from 2026 only

  // 2026: private insurance with the employer's subsidy is PKV 1 and the
  // subsidy amount.
  d.sv = TSVEingabe{};
  d.sv.PKV = 2;
  d.sv.PKPV = 50000;
  d.sv.AGZuschuss = 25000;
  WerkSteuer(w, 2026, d.lz, d.e, d.sv, 1);
  EXPECT_EQ(w.LStVar.PKV, 1);
  EXPECT_EQ(w.LStVar.PKPVAGZ, 25000);
  WerkSteuer(w, 2025, d.lz, d.e, d.sv, 1);
  EXPECT_EQ(w.LStVar.PKV, 2);
}

// The years with social insurance compute whole; a year beyond the tables
// is refused and computes nothing.
TEST(SV2014Bis2026, JahreMitUndOhneSozialversicherung) {
  TLauf r;
  for (int jahr = 2014; jahr <= kLetztesLStJahr; ++jahr) {
    Rechne(r, TFall{.Jahr = jahr, .Brutto = 300000});
    EXPECT_GT(Beitraege(r.erg).SVSummeAN(), 0) << jahr;
    EXPECT_EQ(r.erg.Netto, 300000 - r.erg.SteuerSumme - Beitraege(r.erg).SVSummeAN()) << jahr;
  }
  const TParameter p = Parameter(kLetztesLStJahr + 1, 1);
  EXPECT_FALSE(p.Lohnsteuer());
  EXPECT_FALSE(SVVorhanden(kLetztesLStJahr + 1));
  TAnfrage a;
  a.Brutto = 300000;
  const std::vector<TBefund> befunde = Pruefen(p, a);
  const TBefund* fehler = ErsterFehler(befunde);
  ASSERT_NE(fehler, nullptr);
  EXPECT_NE(fehler->Meldung.find("Keine Lohnsteuer"), std::string::npos) << fehler->Meldung;
  EXPECT_EQ(Abrechnen(p, a), TMonatsErgebnis{});
}

// Child benefit of the new years, by the month within 2019: the slip's for
// the child allowances of a month.
TEST(SV2014Bis2026, Kindergeld) {
  auto kg = [&](int jahr, int monat, double kinder) {
    TAnfrage a;
    a.LZZ = 2;
    a.ZKF = static_cast<float>(kinder);
    return Abrechnen(StandardParameter(jahr, monat), a).Kindergeld;
  };
  EXPECT_EQ(kg(2014, 12, 3), 18400 + 18400 + 19000);
  EXPECT_EQ(kg(2015, 1, 1), 18800);  // raised from January, paid later
  EXPECT_EQ(kg(2019, 6, 1), 19400);
  EXPECT_EQ(kg(2019, 7, 1), 20400);
  EXPECT_EQ(kg(2022, 1, 4), 21900 * 2 + 22500 + 25000);
  EXPECT_EQ(kg(2023, 1, 4), 4 * 25000);
  EXPECT_EQ(kg(2025, 1, 1), 25500);
  EXPECT_EQ(kg(2026, 1, 2), 2 * 25900);
  EXPECT_EQ(kg(kLetztesLStJahr + 1, 1, 2), 0);
}
