#include "calc/sozialversicherung.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "geld/geld.h"
#include "calc/jahresregeln.h"

namespace lst {

namespace {

// Parameters of one year up to 2013 (the year's row; the changes within a
// year follow in kWechsel).  Amounts in cents (pfennigs up to 2001) per month,
// rates in percent; -1 marks a contribution that is not levied.
//
// Sources of the figures that are easy to get wrong:
// - 2002 pension and unemployment ceiling East 3.750 EUR a month (West
//   4.500 EUR): Sozialversicherungs-Rechengroessenverordnung 2002.
// - Limit of marginal employment (GF): 325 EUR in 2002 and up to March 2003,
//   400 EUR from April 2003 (so also in 2012), 450 EUR from 1 January 2013:
//   section 8 SGB IV in the version of the year.
// - Employee top-up rate of marginal employment 2000: the full pension rate
//   19,3 % less the employer's flat 12 % = 7,3 %.
// - Child benefit: section 66 EStG in the version of each year.  1995 has
//   none: that year's benefit depended on the parents' income.
struct TSVJahr {
  int Jahr;
  // Ceilings; KV and PV are equal, as are RV and AV.
  std::int64_t KVOst, KVWest, RVOst, RVWest, GFOst, GFWest;
  // Normal employment: employee and employer pay the same rate.
  double KV, PV, RV, AV;
  // Employee-only surcharges of normal employment.
  double KV2AN, PV2AN;
  // Marginal employment: flat employer rates and the employee's top-up rate.
  double GFKVAG, GFRVAG, GFRVAufAN;
  // Marginal employment in a private household.
  double HHKVAG, HHRVAG, HHRVAufAN;
  // Child benefit, per child by position.
  TKindergeldSaetze Kindergeld;
};

constexpr TSVJahr kJahre[] = {
    {1995, 480000, 585000, 640000, 780000, 47000, 58000, 6.25, 0.5, 9.3, 3.25, -1, -1, 0, 0, -1, 0, 0, -1, {0, 0, 0, 0}},
    {1996, 510000, 600000, 680000, 800000, 50000, 59000, 6.6, 0.5, 9.6, 3.25, -1, -1, 0, 0, -1, 0, 0, -1, {20000, 20000, 30000, 35000}},
    {1997, 532500, 615000, 710000, 820000, 52000, 61000, 6.85, 0.85, 10.15, 3.25, -1, -1, 0, 0, -1, 0, 0, -1, {22000, 22000, 30000, 35000}},
    {1998, 525000, 630000, 700000, 840000, 52000, 62000, 6.85, 0.85, 10.15, 3.25, -1, -1, 0, 0, -1, 0, 0, -1, {22000, 22000, 30000, 35000}},
    {1999, 540000, 637500, 720000, 850000, 53000, 63000, 6.85, 0.85, 10.15, 3.25, -1, -1, 0, 0, -1, 0, 0, -1, {25000, 25000, 30000, 35000}},
    {2000, 532500, 645000, 710000, 860000, 63000, 63000, 6.85, 0.85, 9.65, 3.25, -1, -1, 10, 12, 7.3, 0, 0, -1, {27000, 27000, 30000, 35000}},
    {2001, 652500, 652500, 730000, 870000, 63000, 63000, 6.6, 0.85, 9.55, 3.25, -1, -1, 10, 12, 7.1, 0, 0, -1, {27000, 27000, 30000, 35000}},
    {2002, 337500, 337500, 375000, 450000, 32500, 32500, 6.6, 0.85, 9.55, 3.25, -1, -1, 10, 12, 7.1, 0, 0, -1, {15400, 15400, 15400, 17900}},
    {2003, 345000, 345000, 425000, 510000, 32500, 32500, 6.85, 0.85, 9.75, 3.25, -1, -1, 10, 12, 7.5, 0, 0, -1, {15400, 15400, 15400, 17900}},
    {2004, 348750, 348750, 435000, 515000, 40000, 40000, 7.45, 0.85, 9.75, 3.25, -1, -1, 11, 12, 7.5, 5, 5, 14.5, {15400, 15400, 15400, 17900}},
    {2005, 352500, 352500, 440000, 520000, 40000, 40000, 7.45, 0.85, 9.75, 3.25, 0.9, 0.25, 11, 12, 7.5, 5, 5, 14.5, {15400, 15400, 15400, 17900}},
    {2006, 356250, 356250, 440000, 525000, 40000, 40000, 6.8, 0.85, 9.75, 3.25, 0.9, 0.25, 11, 12, 7.5, 5, 5, 14.5, {15400, 15400, 15400, 17900}},
    {2007, 356250, 356250, 455000, 525000, 40000, 40000, 6.8, 0.85, 9.95, 2.1, 0.9, 0.25, 13, 15, 4.9, 5, 5, 14.9, {15400, 15400, 15400, 17900}},
    {2008, 360000, 360000, 450000, 530000, 40000, 40000, 7.25, 0.85, 9.95, 1.65, 0.9, 0.25, 13, 15, 4.9, 5, 5, 14.9, {15400, 15400, 15400, 17900}},
    {2009, 367500, 367500, 455000, 540000, 40000, 40000, 7.3, 0.975, 9.95, 1.4, 0.9, 0.25, 13, 15, 4.9, 5, 5, 14.9, {16400, 16400, 17000, 19500}},
    {2010, 375000, 375000, 465000, 550000, 40000, 40000, 7.0, 0.975, 9.95, 1.4, 0.9, 0.25, 14, 15, 4.9, 5, 5, 14.9, {18400, 18400, 19000, 21500}},
    {2011, 371250, 371250, 480000, 550000, 40000, 40000, 7.3, 0.975, 9.95, 1.5, 0.9, 0.25, 13, 15, 4.9, 5, 5, 14.9, {18400, 18400, 19000, 21500}},
    {2012, 382500, 382500, 480000, 560000, 40000, 40000, 7.3, 0.975, 9.8, 1.5, 0.9, 0.25, 13, 15, 4.6, 5, 5, 14.6, {18400, 18400, 19000, 21500}},
    {2013, 393750, 393750, 490000, 580000, 45000, 45000, 7.3, 1.025, 9.45, 1.5, 0.9, 0.25, 13, 15, 3.9, 5, 5, 13.9, {18400, 18400, 19000, 21500}},
};

constexpr int kTabellenAnfang = 1995;
constexpr int kTabellenEnde = kTabellenAnfang + static_cast<int>(std::size(kJahre)) - 1;
static_assert(kTabellenEnde == 2013);

// The years from 2014.  Sources (keys of the research notes on 2014 to 2026):
// - ceilings: the yearly Sozialversicherungs-Rechengroessenverordnung
//   [G][PAP] (2026: V. v. 24.11.2025, BGBl. 2025 I Nr. 278 [IHK-2026][EY-2026]);
//   from 2025 the pension ceiling is one for East and West;
// - health 14,6 % (7,3 each); 2014 the employee's 0,9 % on top [G][PAP]; the
//   average add-on rate of section 242a SGB V [G][PAP][TK-F][HAUFE-2026];
// - care and its surcharge for the childless [G][PAP] (0,35 from 2022);
// - pension [G][PAP]; unemployment [G][TK-LEX][HAUFE-2025][PAP 2026],
//   each also checked against the sum of rates behind the year's F;
// - limit of marginal employment 450 EUR to September 2022, then minimum
//   wage x 130 / 3 rounded up: 520, 538 (2024), 556 (2025), 603 (2026)
//   [G][VDEK][TK-BEST][IKKc-2025][GRUEN][HAUFE-2026];
// - F of the year [TK-F][BIG-2024][IKKc-2025][HAUFE-2026], recomputed from
//   the rates of 1 January; upper bound of the zone 850, from July 2019
//   1.300, from October 2022 1.600, from 2023 2.000 EUR [AOK-GZ][GR19][KBS];
// - insolvency levy [BIG-IGU][AUDI-2016][NORDMETALL][STEUER-2018][XBA-2021]
//   [XBA-2022][TK-LEX][VIACTIV][AOK-BW][NWB-26]; 2014 0,15 from one source
//   only (the statutory rate, no ordinance found) [BIG-IGU];
// - U1/U2 of the minijob office [KOMMESSIEN][GMF][BKKPFALZ][ACTIMONDA]
//   [GZ-2019][HENSKE][TK-MJ-2022][TK-LEX][HH-2025][MJA]; when U2 rose from
//   0,14 to 0,24 is not known: taken as 0,24 from January 2014;
// - child benefit [G][KG1][KG2][KITAPILOT]: 2015 raised from 1 January (law
//   of 16.7.2015, BGBl. I S. 1202, paid later), 2019 from 1 July (kWechsel),
//   from 2023 one amount for every child.
struct TSVJahrNeu {
  int Jahr;
  std::int64_t KV, RVOst, RVWest, GF;
  double KV2AN;                 // 2014 only: the employee's 0,9 %
  double ZB;                    // average add-on rate
  TZusatzTeilung ZBTeilung;
  double PV, PV2AN, RV, AV;     // shares of normal employment
  double F;
  std::int64_t ZoneOben;
  TZonenFormel Zone;
  double IGU, U1, U2;
  TKindergeldSaetze Kindergeld;  // child benefit, per child by position
  TLohnRegeln Lohn;              // benefits in kind and deferred compensation
};

// Lohn: the exemption limit of benefits in kind a month (section 8 (2)
// sentence 11 EStG: 44 EUR, from 2022 50 EUR); deferred compensation
// tax-free up to 4 % of the yearly pension ceiling West plus 1.800 EUR a
// year (150 a month) up to 2017, 8 % from 2018 (section 3 no. 63 EStG as
// amended by the Betriebsrentenstaerkungsgesetz), free of contributions up
// to 4 % (section 1 (1) no. 9 SvEV); the employer's 15 % subsidy owed for
// every agreement from 2022 (section 1a (1a), 26a BetrAVG); the least share
// of the list price of a company car (electric and hybrid cars: half from
// 2019, a quarter from 2020, section 6 (1) no. 4 EStG) and the highest list
// price a quarter can apply to (60.000 EUR from 2020, 70.000 EUR for cars
// acquired from 2024, 100.000 EUR for cars acquired after June 2025).
constexpr TSVJahrNeu kJahreNeu[] = {
    {2014, 405000, 500000, 595000, 45000, 0.9, -1, ztKeine, 1.025, 0.25, 9.45, 1.5, 0.7605, 85000, zfGleitzone2013, 0.15, 0.7, 0.24, {18400, 18400, 19000, 21500}, {4400, 4, 15000, 4, false, 1, 0}},
    {2015, 412500, 520000, 605000, 45000, -1, 0.9, ztNurAN, 1.175, 0.25, 9.35, 1.5, 0.7585, 85000, zfGleitzone2013, 0.15, 0.7, 0.24, {18800, 18800, 19400, 21900}, {4400, 4, 15000, 4, false, 1, 0}},
    {2016, 423750, 540000, 620000, 45000, -1, 1.1, ztNurAN, 1.175, 0.25, 9.35, 1.5, 0.7547, 85000, zfGleitzone2013, 0.12, 1.0, 0.3, {19000, 19000, 19600, 22100}, {4400, 4, 15000, 4, false, 1, 0}},
    {2017, 435000, 570000, 635000, 45000, -1, 1.1, ztNurAN, 1.275, 0.25, 9.35, 1.5, 0.7509, 85000, zfGleitzone2013, 0.09, 0.9, 0.3, {19200, 19200, 19800, 22300}, {4400, 4, 15000, 4, false, 1, 0}},
    {2018, 442500, 580000, 650000, 45000, -1, 1.0, ztNurAN, 1.275, 0.25, 9.3, 1.5, 0.7547, 85000, zfGleitzone2013, 0.06, 0.9, 0.24, {19400, 19400, 20000, 22500}, {4400, 8, 0, 4, false, 1, 0}},
    // 2019: the add-on rate half each again (GKV-VEG, BGBl. I 2018 S. 2387).
    {2019, 453750, 615000, 670000, 45000, -1, 0.9, ztHaelftig, 1.525, 0.25, 9.3, 1.25, 0.7566, 85000, zfGleitzone2013, 0.06, 0.9, 0.24, {19400, 19400, 20000, 22500}, {4400, 8, 0, 4, false, 0.5, 0}},
    {2020, 468750, 645000, 690000, 45000, -1, 1.1, ztHaelftig, 1.525, 0.25, 9.3, 1.2, 0.7547, 130000, zfGleitzone2013, 0.06, 0.9, 0.19, {20400, 20400, 21000, 23500}, {4400, 8, 0, 4, false, 0.25, 6000000}},
    {2021, 483750, 670000, 710000, 45000, -1, 1.3, ztHaelftig, 1.525, 0.25, 9.3, 1.2, 0.7509, 130000, zfGleitzone2013, 0.12, 1.0, 0.39, {21900, 21900, 22500, 25000}, {4400, 8, 0, 4, false, 0.25, 6000000}},
    {2022, 483750, 675000, 705000, 45000, -1, 1.3, ztHaelftig, 1.525, 0.35, 9.3, 1.2, 0.7509, 130000, zfGleitzone2013, 0.09, 0.9, 0.29, {21900, 21900, 22500, 25000}, {5000, 8, 0, 4, true, 0.25, 6000000}},
    {2023, 498750, 710000, 730000, 52000, -1, 1.6, ztHaelftig, 1.525, 0.35, 9.3, 1.3, 0.6922, 200000, zfUebergang2022, 0.06, 1.1, 0.24, KindergeldJeKind(25000), {5000, 8, 0, 4, true, 0.25, 6000000}},
    {2024, 517500, 745000, 755000, 53800, -1, 1.7, ztHaelftig, 1.7, 0.6, 9.3, 1.3, 0.6846, 200000, zfUebergang2022, 0.06, 1.1, 0.24, KindergeldJeKind(25000), {5000, 8, 0, 4, true, 0.25, 7000000}},
    {2025, 551250, 805000, 805000, 55600, -1, 2.5, ztHaelftig, 1.8, 0.6, 9.3, 1.3, 0.6683, 200000, zfUebergang2022, 0.15, 1.1, 0.22, KindergeldJeKind(25500), {5000, 8, 0, 4, true, 0.25, 10000000}},
    {2026, 581250, 845000, 845000, 60300, -1, 2.9, ztHaelftig, 1.8, 0.6, 9.3, 1.3, 0.6619, 200000, zfUebergang2022, 0.15, 0.8, 0.22, KindergeldJeKind(25900), {5000, 8, 0, 4, true, 0.25, 10000000}},
};

// The last year with social insurance is the year of the table's last row;
// the rows follow each other without a gap.
constexpr int kLetztesSVJahr = kJahreNeu[std::size(kJahreNeu) - 1].Jahr;
static_assert(kTabellenEnde + static_cast<int>(std::size(kJahreNeu)) == kLetztesSVJahr);

// Sliding-zone factor F of the years up to 2013 (their rows have none).
// Section 163 (10) SGB VI: F is the flat rate of 25 % divided by the average
// total contribution rate of the year, as published for each year: 2003
// 0,5995 (41,7 %), 2004 and 2005 0,5952 (42,0 %), 2006 0,5967 (January to
// June; from July see kWechsel).
double FaktorBis2013(int jahr) {
  switch (jahr) {
    case 2003: return 0.5995;
    case 2004:
    case 2005: return 0.5952;
    case 2006: return 0.5967;
    case 2007: return 0.7673;
    case 2008: return 0.7732;
    case 2009: return 0.7472;
    case 2010: return 0.7585;
    case 2011: return 0.7435;
    case 2012: return 0.7491;
    case 2013: return 0.7605;
    default: return -1.0;
  }
}

// Section 163 (8) SGB VI: the top-up is paid on at least 155 EUR a month
// (300 DM in 2000 and 2001), from 1 January 2013 on at least 175 EUR.
std::int64_t MindestBasisBis2013(int jahr) {
  if (jahr == 2013) return 17500;
  if (jahr >= 2002 && jahr <= 2012) return 15500;
  if (jahr >= 2000 && jahr <= 2001) return 30000;
  return -1;
}

// The row of a year as a period.
TSVPeriode Zeile(int jahr) {
  TSVPeriode p;
  p.Jahr = jahr;
  if (jahr >= kTabellenAnfang && jahr <= kTabellenEnde) {
    const TSVJahr& d = kJahre[jahr - kTabellenAnfang];
    p.KVOst = d.KVOst; p.KVWest = d.KVWest; p.RVOst = d.RVOst; p.RVWest = d.RVWest;
    p.GFOst = d.GFOst; p.GFWest = d.GFWest;
    p.KV = d.KV; p.PV = d.PV; p.RV = d.RV; p.AV = d.AV;
    p.KV2AN = d.KV2AN; p.PV2AN = d.PV2AN;
    p.GFKVAG = d.GFKVAG; p.GFRVAG = d.GFRVAG; p.GFRVAufAN = d.GFRVAufAN;
    p.HHKVAG = d.HHKVAG; p.HHRVAG = d.HHRVAG; p.HHRVAufAN = d.HHRVAufAN;
    p.Kindergeld = d.Kindergeld;
    p.MindestBasis = MindestBasisBis2013(jahr);
    p.F = FaktorBis2013(jahr);
    if (p.F >= 0) p.Zone = jahr < 2013 ? zfGleitzone2003 : zfGleitzone2013;
    p.ZoneUnten = jahr >= 2013 ? 45000 : 40000;
    p.ZoneOben = jahr >= 2013 ? 85000 : 80000;
    return p;
  }
  if (jahr > kTabellenEnde && jahr <= kLetztesSVJahr) {
    const TSVJahrNeu& d = kJahreNeu[jahr - kTabellenEnde - 1];
    p.KVOst = p.KVWest = d.KV;
    p.RVOst = d.RVOst; p.RVWest = d.RVWest;
    p.GFOst = p.GFWest = d.GF;
    p.KV = 7.3; p.PV = d.PV; p.RV = d.RV; p.AV = d.AV;
    // The reduced rate 14,0 % (2014: 14,9 % with the employee's 0,9 %
    // surcharge, which stays in KV2AN), half each (section 243 SGB V).
    p.KVErm = 7.0;
    // The employer's isolated unemployment share was suspended from 2017
    // to 2021 (section 346 (3) SGB III as amended by the Flexirentengesetz).
    p.AVArbeitgeberAllein = jahr < 2017 || jahr > 2021;
    p.KV2AN = d.KV2AN; p.PV2AN = d.PV2AN;
    p.ZB = d.ZB; p.ZBTeilung = d.ZBTeilung;
    // Marginal employment: flat 13 % health and 15 % pension (private
    // household 5 % each), sections 249b SGB V, 168 (1) 1b and 1c SGB VI;
    // the employee tops up to the full pension rate [G][ZIEGLER][MJZ-R].
    // Decimal-clean, so that a stored default reads back as the same rate.
    p.GFKVAG = 13; p.GFRVAG = 15; p.GFRVAufAN = Dezimal15(2 * d.RV - 15);
    p.HHKVAG = 5; p.HHRVAG = 5; p.HHRVAufAN = Dezimal15(2 * d.RV - 5);
    p.MindestBasis = 17500;  // 175 EUR, section 163 (8) SGB VI [BVV][MJZ-R]
    p.F = d.F;
    p.Zone = d.Zone;
    p.ZoneUnten = d.GF;
    p.ZoneOben = d.ZoneOben;
    p.RVVerzichtMoeglich = jahr <= 2019;  // to June 2019, see kWechsel
    p.ZoneTeileGetrennt = true;
    p.PVAbschlag = jahr >= 2024 ? 0.25 : -1;
    p.IGU = d.IGU;
    p.U1GF = d.U1;
    p.U2GF = d.U2;
    p.Kindergeld = d.Kindergeld;
    p.Lohn = d.Lohn;
    return p;
  }
  return p;
}

// A change within a year: from month Von to month Bis the period differs
// from the year's row as Anwenden says.
struct TWechsel {
  int Jahr, Von, Bis;
  void (*Anwenden)(TSVPeriode&);
};

constexpr TWechsel kWechsel[] = {
    // Care 1,7 % from 1 July 1996, the second stage of the care insurance
    // (section 55 (1) SGB XI as of the Pflege-Versicherungsgesetz).
    {1996, 7, 12, [](TSVPeriode& p) { p.PV = 0.85; }},
    // Pension 19,5 % from 1 April 1999 (Gesetz zum Einstieg in die
    // oekologische Steuerreform, BGBl. I 1999 S. 378).  The same day the
    // flat contributions of marginal employment began, 10 % health and 12 %
    // pension with the optional top-up on at least 300 DM, and the limit
    // became 630 DM in East and West (Gesetz zur Neuregelung der
    // geringfuegigen Beschaeftigungsverhaeltnisse, BGBl. I 1999 S. 388).
    {1999, 4, 12, [](TSVPeriode& p) {
       p.RV = 9.75;
       p.GFKVAG = 10; p.GFRVAG = 12; p.GFRVAufAN = 7.5;
       p.MindestBasis = 30000;
       p.GFOst = 63000;
     }},
    // Sliding zone from 1 April 2003 only; the same day the limit of
    // marginal employment became 400 EUR with flat 11 % health and 12 %
    // pension, and marginal employment in private households came in with
    // 5 % each (Zweites Gesetz fuer moderne Dienstleistungen am
    // Arbeitsmarkt, BGBl. I 2002 S. 4621).  The row holds the zone.
    {2003, 1, 3, [](TSVPeriode& p) { p.Zone = zfKeine; p.F = -1; }},
    {2003, 4, 12, [](TSVPeriode& p) {
       p.GFOst = p.GFWest = 40000;
       p.GFKVAG = 11;
       p.HHKVAG = 5; p.HHRVAG = 5; p.HHRVAufAN = 14.5;
     }},
    // The employee's 0,9 % health surcharge from 1 July 2005 only (Gesetz
    // zur Anpassung der Finanzierung von Zahnersatz, BGBl. I 2004 S. 3445).
    // The row holds the surcharge.
    {2005, 1, 6, [](TSVPeriode& p) { p.KV2AN = -1; }},
    // From 1 July 2006 flat 13 % health and 15 % pension for marginal
    // employment, so F = 30 % / 41,9 % = 0,7160 (Haushaltsbegleitgesetz
    // 2006, BGBl. I 2006 S. 1402).
    {2006, 7, 12, [](TSVPeriode& p) {
       p.GFKVAG = 13; p.GFRVAG = 15; p.GFRVAufAN = 4.5;
       p.F = 0.7160;
     }},
    // Care 1,95 % from 1 July 2008 (Pflege-Weiterentwicklungsgesetz,
    // BGBl. I 2008 S. 874).
    {2008, 7, 12, [](TSVPeriode& p) { p.PV = 0.975; }},
    // General health rate 14,9 % (with the employee's 0,9 %) instead of
    // 15,5 % from 1 July 2009 (Gesetz zur Sicherung von Beschaeftigung und
    // Stabilitaet in Deutschland, BGBl. I 2009 S. 416, and the amended
    // GKV-Beitragssatzverordnung).
    {2009, 7, 12, [](TSVPeriode& p) { p.KV = 7.0; }},
    // Minijob office from 1 September 2015: U1 1,0, U2 0,3 [KOMMESSIEN][GMF].
    {2015, 9, 12, [](TSVPeriode& p) { p.U1GF = 1.0; p.U2GF = 0.3; }},
    // From 1 June 2019 U2 0,19 [GZ-2019][HENSKE].
    {2019, 6, 12, [](TSVPeriode& p) { p.U2GF = 0.19; }},
    // From 1 July 2019 the transition zone up to 1.300 EUR with the same F;
    // the waiver of the pension reduction is gone (RV-Leistungsverbesserungs-
    // und -Stabilisierungsgesetz, Art. 4, BGBl. I 2018 S. 2016) [GR19][VDEK].
    {2019, 7, 12, [](TSVPeriode& p) { p.ZoneOben = 130000; p.RVVerzichtMoeglich = false; }},
    // Child benefit raised from 1 July 2019 (Familienentlastungsgesetz,
    // BGBl. I 2018 S. 2210).
    {2019, 7, 12, [](TSVPeriode& p) { p.Kindergeld = {20400, 20400, 21000, 23500}; }},
    // From 1 October 2020 U1 1,0, U2 0,39 [HENSKE][TK-LEX].
    {2020, 10, 12, [](TSVPeriode& p) { p.U1GF = 1.0; p.U2GF = 0.39; }},
    // From 1 October 2022 the limit 520 EUR, the zone 520,01 to 1.600 EUR
    // with its own employee base and F = 28 % / 39,95 % = 0,7009
    // (section 20 (2a) SGB IV as amended) [G][DRV-UEB][TK-F][HAUFE-GR22].
    // The protection of those who earned 450,01 to 520 EUR before is not
    // modelled: the calculation has no earlier months to know them by.
    {2022, 10, 12, [](TSVPeriode& p) {
       p.GFOst = p.GFWest = 52000;
       p.ZoneUnten = 52000; p.ZoneOben = 160000;
       p.F = 0.7009; p.Zone = zfUebergang2022;
     }},
    // From 1 July 2023 care 3,4 %, surcharge 0,6 and 0,25 less for each
    // further child under 25 (Pflegeunterstuetzungs- und
    // -entlastungsgesetz) [G][VDEK][PAYCHECK].  F stays that of 1 January.
    {2023, 7, 12, [](TSVPeriode& p) { p.PV = 1.7; p.PV2AN = 0.6; p.PVAbschlag = 0.25; }},
};

constexpr int kErstesSVJahr = kTabellenAnfang;
constexpr int kSVJahre = kLetztesSVJahr - kErstesSVJahr + 1;

// Every period of every month, found once.
struct TPeriodenTabelle {
  std::array<TSVPeriode, kSVJahre> Zeilen;
  std::array<std::array<TSVPeriode, 12>, kSVJahre> Monate;
  TSVPeriode Leer;

  TPeriodenTabelle() {
    for (int i = 0; i < kSVJahre; ++i) {
      const int jahr = kErstesSVJahr + i;
      Zeilen[i] = Zeile(jahr);
      TSVPeriode vorher;
      for (int m = 1; m <= 12; ++m) {
        TSVPeriode p = Zeilen[i];
        for (const TWechsel& w : kWechsel)
          if (w.Jahr == jahr && m >= w.Von && m <= w.Bis) w.Anwenden(p);
        // A month that repeats its predecessor belongs to its period.
        p.AbMonat = m;
        if (m > 1 && GleichePeriode(p, vorher)) p.AbMonat = vorher.AbMonat;
        Monate[i][m - 1] = p;
        vorher = p;
      }
    }
  }

  static bool GleichePeriode(TSVPeriode a, TSVPeriode b) {
    a.AbMonat = b.AbMonat = 0;
    return a.KVOst == b.KVOst && a.KVWest == b.KVWest && a.RVOst == b.RVOst && a.RVWest == b.RVWest &&
           a.GFOst == b.GFOst && a.GFWest == b.GFWest && a.KV == b.KV && a.PV == b.PV && a.RV == b.RV &&
           a.AV == b.AV && a.KVErm == b.KVErm && a.AVArbeitgeberAllein == b.AVArbeitgeberAllein && a.KV2AN == b.KV2AN && a.PV2AN == b.PV2AN && a.GFKVAG == b.GFKVAG &&
           a.GFRVAG == b.GFRVAG && a.GFRVAufAN == b.GFRVAufAN && a.HHKVAG == b.HHKVAG &&
           a.HHRVAG == b.HHRVAG && a.HHRVAufAN == b.HHRVAufAN && a.MindestBasis == b.MindestBasis &&
           a.Zone == b.Zone && a.F == b.F && a.ZoneUnten == b.ZoneUnten && a.ZoneOben == b.ZoneOben &&
           a.RVVerzichtMoeglich == b.RVVerzichtMoeglich && a.ZoneTeileGetrennt == b.ZoneTeileGetrennt &&
           a.ZB == b.ZB && a.ZBTeilung == b.ZBTeilung && a.PVAbschlag == b.PVAbschlag &&
           a.PVSachsen == b.PVSachsen && a.U1GF == b.U1GF && a.U2GF == b.U2GF && a.IGU == b.IGU &&
           a.Kindergeld == b.Kindergeld && a.Lohn == b.Lohn;
  }
};

const TPeriodenTabelle& Perioden() {
  static const TPeriodenTabelle t;
  return t;
}

// The year's row; an empty period outside the tables.
const TSVPeriode& JahresZeile(int jahr) {
  const TPeriodenTabelle& t = Perioden();
  if (jahr < kErstesSVJahr || jahr > kLetztesSVJahr) return t.Leer;
  return t.Zeilen[jahr - kErstesSVJahr];
}

// A percentage of the tables as a fraction; -1 % (not levied) becomes -0.01.
// The division is the one the rate edits and the settings use, so a default
// rate and the same rate read back from the settings are the same double.
double Anteil(double prozent) { return prozent / 100; }

TSatzPaar Paar(double an, double ag) { return {Anteil(an), Anteil(ag)}; }

TBBGTabelle Grenzen(const TSVPeriode& d) {
  TBBGTabelle t{};
  t[bbgKV] = {d.KVOst, d.KVWest};
  t[bbgPV] = {d.KVOst, d.KVWest};
  t[bbgRV] = {d.RVOst, d.RVWest};
  t[bbgAV] = {d.RVOst, d.RVWest};
  t[bbgGF] = {d.GFOst, d.GFWest};
  return t;
}

TSatzPaar ZusatzPaar(const TSVPeriode& d, double prozent) {
  switch (d.ZBTeilung) {
    case ztNurAN: return Paar(prozent, -1);
    case ztHaelftig: return Paar(prozent / 2, prozent / 2);
    default: return Paar(d.KV2AN, -1);
  }
}

TSVSatzTabelle Saetze(const TSVPeriode& d) {
  TSVSatzTabelle t;
  for (auto& zeile : t) zeile.fill(Paar(-1, -1));
  if (d.Jahr == 0) return t;

  auto& nv = t[beNV];
  nv[svKV] = Paar(d.KV, d.KV);
  nv[svPV] = Paar(d.PV, d.PV);
  nv[svRV] = Paar(d.RV, d.RV);
  nv[svAV] = Paar(d.AV, d.AV);
  nv[svRVAuf] = Paar(-1, -1);
  nv[svKV2] = d.ZBTeilung == ztKeine ? Paar(d.KV2AN, -1) : ZusatzPaar(d, d.ZB);
  nv[svPV2] = Paar(d.PV2AN, -1);

  // Marginal employment: the employer pays flat KV and RV rates, the employee
  // nothing but the optional pension top-up, whose employer share is 0.
  auto geringfuegig = [](double kvAG, double rvAG, double aufAN) {
    std::array<TSatzPaar, svAnzahl> z;
    z.fill(Paar(0, 0));
    z[svKV].AG = Anteil(kvAG);
    z[svRV].AG = Anteil(rvAG);
    z[svRVAuf] = aufAN < 0 ? Paar(-1, -1) : Paar(aufAN, 0);
    z[svKV2] = Paar(-1, -1);
    z[svPV2] = Paar(-1, -1);
    return z;
  };
  t[beGF] = geringfuegig(d.GFKVAG, d.GFRVAG, d.GFRVAufAN);
  t[beHH] = geringfuegig(d.HHKVAG, d.HHRVAG, d.HHRVAufAN);
  return t;
}

}  // namespace

// ---- rule periods ------------------------------------------------------------

const TSVPeriode& SVPeriode(int jahr, int monat) {
  const TPeriodenTabelle& t = Perioden();
  if (jahr < kErstesSVJahr || jahr > kLetztesSVJahr) return t.Leer;
  return t.Monate[jahr - kErstesSVJahr][std::clamp(monat, 1, 12) - 1];
}

bool SVVorhanden(int jahr) { return jahr >= kErstesSVJahr && jahr <= kLetztesSVJahr; }

TSatzPaar ZusatzbeitragSaetze(int jahr, int monat, double prozent) {
  return ZusatzPaar(SVPeriode(jahr, monat), prozent);
}

TSatzPaar ZusatzbeitragSaetze(const TSVPeriode& periode, double prozent) { return ZusatzPaar(periode, prozent); }

double DurchschnittsZusatzbeitrag(int jahr, int monat) { return SVPeriode(jahr, monat).ZB; }

namespace {

TSatzPaar SachsenPaar(const TSVPeriode& d) {
  if (d.PV < 0) return Paar(-1, -1);
  return Paar(Dezimal15(d.PV + d.PVSachsen), Dezimal15(d.PV - d.PVSachsen));
}

}  // namespace

TSatzPaar PVSaetzeAllgemein(int jahr, int monat) {
  const TSVPeriode& d = SVPeriode(jahr, monat);
  return Paar(d.PV, d.PV);
}

TSatzPaar PVSaetzeSachsen(int jahr, int monat) {
  // Found once per month: the decimal round trip is slow and a slip of
  // Saxony asks for the pair every time.
  static const auto tabelle = [] {
    std::array<std::array<TSatzPaar, 12>, kSVJahre> t;
    for (int i = 0; i < kSVJahre; ++i)
      for (int m = 1; m <= 12; ++m) t[i][m - 1] = SachsenPaar(SVPeriode(kErstesSVJahr + i, m));
    return t;
  }();
  if (jahr < kErstesSVJahr || jahr > kLetztesSVJahr) return SachsenPaar(SVPeriode(jahr, monat));
  return tabelle[jahr - kErstesSVJahr][std::clamp(monat, 1, 12) - 1];
}

// The maxima follow from the period's own figures:
//   health = liable wage x (half the general rate 14,6 % + half the average
//            add-on rate), the add-on half from 2019 only (2015 to 2018 the
//            add-on rate was the employee's alone; 2014 the 0,9 % surcharge
//            was the employee's);
//   care   = liable wage x the employer's care share (in Saxony the share
//            less the shift of half a point to the employee);
// each rounded to the cent, half up (section 257 (1) and (2) SGB V, section
// 61 (1) and (2) SGB XI).  At the health ceiling checked against the
// published monthly maxima: 2014 295,65 + 41,51; 2015 301,13; 2019 351,66;
// 2024 421,76 + 87,98 (Saxony 62,10); 2025 471,32 + 99,23; 2026 508,59 +
// 104,63 EUR.
TPKVHoechstzuschuss PKVHoechstzuschuss(int jahr, int monat, bool sachsen, std::int64_t entgelt) {
  TPKVHoechstzuschuss h;
  if (jahr < 2014 || !SVVorhanden(jahr) || entgelt <= 0) return h;
  const TSVPeriode& p = SVPeriode(jahr, monat);
  // The rates in thousandths of a percent, so that the product is exact.
  const auto anteil = [&](double prozent) -> std::int64_t {
    if (!(prozent > 0)) return 0;
    const std::int64_t milli = std::llround(prozent * 1000);
    return (entgelt * milli + 50000) / 100000;
  };
  const double zusatz = p.ZBTeilung == ztHaelftig && p.ZB > 0 ? p.ZB / 2 : 0;
  h.KV = anteil(p.KV + zusatz);
  h.PV = anteil(sachsen ? p.PV - p.PVSachsen : p.PV);
  return h;
}

TPKVHoechstzuschuss PKVHoechstzuschuss(int jahr, int monat, bool sachsen) {
  return PKVHoechstzuschuss(jahr, monat, sachsen, SVPeriode(jahr, monat).KVWest);
}

std::int64_t MonatsEntgelt(std::uint8_t lzz, std::int64_t entgelt) {
  const double e = static_cast<double>(entgelt);
  switch (lzz) {
    case 1: return Runden(e / 12);
    case 3: return Runden(e * 30 / 7);
    case 4: return Runden(e * 30);
    default: return entgelt;
  }
}

namespace {

// The employer's monthly subsidy as (whole, care part); see PKVZuschussMonat.
// The care part is known where the care premium is given apart, else 0.
std::pair<std::int64_t, std::int64_t> PKVZuschussTeile(int jahr, const TSVEingabe& sv, std::int64_t entgelt) {
  if (sv.PKV == 0) return {0, 0};
  // A subsidy stated as paid is the one paid.
  if (sv.AGZuschuss >= 0) return {sv.AGZuschuss, 0};
  if (sv.PKV != 2 || sv.PKPV <= 0) return {0, 0};
  // A marginal employment is free of health insurance by section 7 SGB V,
  // not for the reasons that give a right to the subsidy.
  if (sv.Beschaeftigung == beGF || sv.Beschaeftigung == beHH) return {0, 0};
  const TPKVHoechstzuschuss h = PKVHoechstzuschuss(jahr, sv.Monat, sv.PVS, entgelt);
  // Half the premium, an odd cent rounded up.
  const auto haelfte = [](std::int64_t x) { return x / 2 + x % 2; };
  if (sv.PKPVPflege >= 0 && sv.PKPVPflege <= sv.PKPV) {
    // Health and care each capped on its own.
    const std::int64_t pflege = std::min(haelfte(sv.PKPVPflege), h.PV);
    return {std::min(haelfte(sv.PKPV - sv.PKPVPflege), h.KV) + pflege, pflege};
  }
  return {std::min(haelfte(sv.PKPV), h.Summe()), 0};
}

}  // namespace

std::int64_t PKVZuschussMonat(int jahr, const TSVEingabe& sv, std::int64_t entgelt) {
  return PKVZuschussTeile(jahr, sv, entgelt).first;
}

namespace {
// The monthly wage a subsidy is measured by: the pay period's, capped at the
// health ceiling of the region.
std::int64_t ZuschussEntgelt(const TSVEingabe& sv, const TBBGTabelle& bbg, const TLohnZeitraum& lz) {
  return std::min(MonatsEntgelt(lz.LZZ, lz.RE4), bbg[bbgKV][sv.Region == rgOst ? rgOst : rgWest]);
}
}  // namespace

std::int64_t PKVZuschussMonat(int jahr, const TSVEingabe& sv, const TBBGTabelle& bbg, const TLohnZeitraum& lz) {
  return PKVZuschussMonat(jahr, sv, ZuschussEntgelt(sv, bbg, lz));
}

// ---- per-year defaults ------------------------------------------------------

TBBGTabelle BBGStandard(int jahr) { return Grenzen(JahresZeile(jahr)); }
TBBGTabelle BBGStandard(int jahr, int monat) { return Grenzen(SVPeriode(jahr, monat)); }

TSVSatzTabelle SVSaetzeStandard(int jahr) { return Saetze(JahresZeile(jahr)); }
TSVSatzTabelle SVSaetzeStandard(int jahr, int monat) { return Saetze(SVPeriode(jahr, monat)); }

std::int64_t AufstockungMindestBasis(int jahr) { return JahresZeile(jahr).MindestBasis; }
std::int64_t AufstockungMindestBasis(int jahr, int monat) { return SVPeriode(jahr, monat).MindestBasis; }

double GleitzoneFaktor(int jahr) { return JahresZeile(jahr).F; }
double GleitzoneFaktor(int jahr, int monat) { return SVPeriode(jahr, monat).F; }

namespace {
std::int64_t Untergrenze(const TSVPeriode& p, int jahr) {
  return p.Jahr != 0 ? p.ZoneUnten : jahr >= 2013 ? 45000 : 40000;
}
std::int64_t Obergrenze(const TSVPeriode& p, int jahr) {
  return p.Jahr != 0 ? p.ZoneOben : jahr >= 2013 ? 85000 : 80000;
}
}  // namespace

std::int64_t GleitzoneUntergrenze(int jahr) { return Untergrenze(JahresZeile(jahr), jahr); }
std::int64_t GleitzoneObergrenze(int jahr) { return Obergrenze(JahresZeile(jahr), jahr); }
std::int64_t GleitzoneUntergrenze(int jahr, int monat) { return Untergrenze(SVPeriode(jahr, monat), jahr); }
std::int64_t GleitzoneObergrenze(int jahr, int monat) { return Obergrenze(SVPeriode(jahr, monat), jahr); }

double PauschStProzentStandard(int /*jahr*/) { return 2.0; }

void PeriodeWechseln(int jahr, int vonMonat, int nachMonat, TBBGTabelle& bbg) {
  if (vonMonat == nachMonat) return;
  const auto grenzen = [jahr](int monat) { return monat == 0 ? BBGStandard(jahr) : BBGStandard(jahr, monat); };
  const TBBGTabelle von = grenzen(vonMonat), nach = grenzen(nachMonat);
  for (int art = 0; art < bbgAnzahl; ++art) {
    for (int rg : {rgOst, rgWest}) {
      if (bbg[art][rg] == von[art][rg]) bbg[art][rg] = nach[art][rg];
    }
  }
}

void PeriodeWechseln(int jahr, int vonMonat, int nachMonat, TSVSatzTabelle& saetze) {
  if (vonMonat == nachMonat) return;
  const auto standard = [jahr](int monat) {
    return monat == 0 ? SVSaetzeStandard(jahr) : SVSaetzeStandard(jahr, monat);
  };
  const TSVSatzTabelle von = standard(vonMonat), nach = standard(nachMonat);
  for (int typ = 0; typ < beAnzahl; ++typ) {
    for (int art = 0; art < svAnzahl; ++art) {
      TSatzPaar& p = saetze[typ][art];
      if (p.AN == von[typ][art].AN) p.AN = nach[typ][art].AN;
      if (p.AG == von[typ][art].AG) p.AG = nach[typ][art].AG;
    }
  }
}

void PeriodeWechseln(int jahr, int vonMonat, int nachMonat, TBBGTabelle& bbg, TSVSatzTabelle& saetze) {
  PeriodeWechseln(jahr, vonMonat, nachMonat, bbg);
  PeriodeWechseln(jahr, vonMonat, nachMonat, saetze);
}

void SaetzeDerGruppe(const TBeitragsgruppe& g, int jahr, int monat, std::array<TSatzPaar, svAnzahl>& zeile) {
  SaetzeDerGruppe(g, SVPeriode(jahr, monat), zeile);
}

void SaetzeDerGruppe(const TBeitragsgruppe& g, const TSVPeriode& p, std::array<TSatzPaar, svAnzahl>& zeile) {
  constexpr TSatzPaar kKeiner{-0.01, -0.01};  // -1 %, as the default tables write it
  constexpr double kNichtErhoben = -0.01;
  if (g.KV == 0) {
    // A voluntary member who pays his health contribution himself (KV 0,
    // PV 1) keeps the add-on rate of his fund: the wage tax takes it, the
    // slip levies no add-on without the health contribution.
    zeile[svKV] = kKeiner;
    if (g.PV == 0) zeile[svKV2] = kKeiner;
  } else if (g.KV == 3 && p.KVErm >= 0) {
    zeile[svKV] = {p.KVErm / 100, p.KVErm / 100};
  }
  if (g.RV == 0) {
    zeile[svRV] = kKeiner;
    zeile[svRVAuf] = kKeiner;
  } else if (g.RV == 3 || g.RV == 5) {
    zeile[svRV].AN = kNichtErhoben;
    zeile[svRVAuf] = kKeiner;
  }
  if (g.AV == 0 || (g.AV == 2 && !p.AVArbeitgeberAllein)) {
    zeile[svAV] = kKeiner;
  } else if (g.AV == 2) {
    zeile[svAV].AN = kNichtErhoben;
  }
  if (g.PV == 0) {
    zeile[svPV] = kKeiner;
    zeile[svPV2] = kKeiner;
  }
}

// ---- calculation ------------------------------------------------------------

namespace {
std::int64_t MonatAufZeitraum(std::int64_t m, std::uint8_t lzz);
}  // namespace

std::int64_t detail::MonatAufAnderenZeitraum(std::int64_t monat, std::uint8_t lzz) { return MonatAufZeitraum(monat, lzz); }

namespace {

// No contribution leaves this bound, whatever rates and bases come in, so
// that the sums and the net wage cannot overflow.
constexpr std::int64_t kBeitragGrenze = 1'000'000'000'000'000;  // 10^15 cents

std::int64_t Begrenzt(std::int64_t x) { return std::clamp(x, -kBeitragGrenze, kBeitragGrenze); }

// Runden(basis * satz), bounded.  A rate of 0 (the employee of a minijob)
// gives 0 without the rounding.  Inlined: a slip rounds a dozen of them.
[[gnu::always_inline]] inline std::int64_t Beitrag(std::int64_t basis, double satz) {
  if (satz == 0) return 0;
  return Begrenzt(Runden(static_cast<double>(basis) * satz));
}

// A monthly amount converted to the pay period LZZ.
std::int64_t MonatAufZeitraum(std::int64_t m, std::uint8_t lzz) {
  const double md = static_cast<double>(m);
  switch (lzz) {
    case 1: return Runden(md * 12);
    case 3: return Runden(static_cast<double>(Runden(md / 30)) * 7);
    case 4: return Runden(md / 30);
    default: return m;
  }
}

// The employee's share in the sliding zone up to 2013: twice the share of
// the rate `halb` on the reduced base g.Bemessung less the employer's share
// of the actual (capped) base; when the employer pays nothing, the rate
// `voll` on the reduced base.  For a kind whose employee and employer rates
// are equal, halb = voll = the employee's rate, and the result is the whole
// contribution on the reduced base less the employer's share.  May be
// negative.
std::int64_t ZonenAnteil(const TGleitzoneBemessung& g, double satzAG, double halb, double voll,
                         std::int64_t basis) {
  const std::int64_t ag = satzAG >= 0 ? Beitrag(basis, satzAG) : 0;
  if (ag <= 0) return Beitrag(g.Bemessung, voll);
  return Begrenzt(2 * Beitrag(g.Bemessung, halb) - ag);
}

// The shares of one kind in the zone from 2014 (g.Klasse is not 1).
// A kind the employee bears alone (no employer rate) is his rate on the
// whole reduced base.  Shared kinds: the contribution on the reduced base is
// the sum of the two shares each rounded on it (for equal shares twice the
// half, section 2 (1) BVV).  Up to September 2022 the employer pays his rate
// on the actual wage and the employee the rest; from October 2022 the
// employee pays his rate on his own base BE_AN and the employer the rest.
// Saxony in the new zone is not settled in the sources; taken here: the
// employee's (Saxon) rate on BE_AN, the employer the rest of the two shares
// on BE.  No share below 0.
void ZonenBeitraege(const TGleitzoneBemessung& g, bool neu, const TSatzPaar& satz,
                    std::int64_t basis, std::int64_t& an, std::int64_t& ag) {
  if (satz.AG < 0) {
    an = satz.AN >= 0 ? Beitrag(g.Bemessung, satz.AN) : 0;
    return;
  }
  const std::int64_t anGesamt = satz.AN >= 0 ? Beitrag(g.Bemessung, satz.AN) : 0;
  const std::int64_t gesamt = Begrenzt(anGesamt + Beitrag(g.Bemessung, satz.AG));
  if (neu) {
    an = satz.AN >= 0 ? std::max<std::int64_t>(Beitrag(g.BemessungAN, satz.AN), 0) : 0;
    ag = Begrenzt(gesamt - an);
    return;
  }
  ag = Beitrag(basis, satz.AG);
  if (satz.AN < 0) {
    an = 0;
  } else if (ag <= 0) {
    an = anGesamt;
  } else {
    an = std::max<std::int64_t>(Begrenzt(gesamt - ag), 0);
  }
}

TGleitzoneBemessung ZonenBemessung(const TSVPeriode& p, std::uint8_t lzz, std::int64_t entgelt) {
  // Without a factor the period has no sliding zone: the reduction formula
  // would turn every low wage into a negative base and so the employee's
  // share into 0.  Such a wage is measured as any wage above the zone.
  if (p.Zone == zfKeine || p.F < 0) return {1, entgelt, 0};
  const std::int64_t unten = MonatAufZeitraum(p.ZoneUnten, lzz);
  const std::int64_t oben = MonatAufZeitraum(p.ZoneOben, lzz);
  if (entgelt > oben) return {1, entgelt, 0};

  // The formula is linear in the bounds and the wage, so the bounds of the
  // pay period give the reduced base of that period directly.  Each base is
  // rounded once to the cent (section 20 (2a) SGB IV).
  const double f = p.F;
  const double ae = static_cast<double>(entgelt);
  // At or below the lower bound (a month below the zone of a regular wage
  // in it): the wage times F (section 2 (2) BVV in the old wording).  From
  // October 2022 the sources give no rule; taken here: the same base, and
  // no employee base, so that the employer bears the whole contribution as
  // the new formula does at the lower bound.
  if (entgelt <= unten) return {-1, Runden(ae * f), 0};
  const double td = static_cast<double>(unten);
  const double ud = static_cast<double>(oben);
  if (p.Zone == zfGleitzone2003) return {0, Runden(f * td + (2 - f) * (ae - td)), 0};
  TGleitzoneBemessung g{0, Runden(f * td + (ud / (ud - td) - td / (ud - td) * f) * (ae - td)), 0};
  if (p.Zone == zfUebergang2022) g.BemessungAN = Runden(ud / (ud - td) * (ae - td));
  return g;
}

TGleitzoneGrenzen ZonenGrenzen(const TSVPeriode& p, std::uint8_t lzz) {
  if (p.Zone == zfKeine || p.F < 0) return {};
  return {true, MonatAufZeitraum(p.ZoneUnten, lzz), MonatAufZeitraum(p.ZoneOben, lzz)};
}

}  // namespace

TGleitzoneGrenzen GleitzoneGrenzenFuerZeitraum(int jahr, std::uint8_t lzz) {
  return ZonenGrenzen(JahresZeile(jahr), lzz);
}

TGleitzoneGrenzen GleitzoneGrenzenFuerZeitraum(int jahr, int monat, std::uint8_t lzz) {
  return ZonenGrenzen(SVPeriode(jahr, monat), lzz);
}

TBBGZeitraum BBGFuerZeitraum(const TBBGTabelle& tabelle, std::uint8_t lzz, std::uint8_t region) {
  const int r = region == rgOst ? rgOst : rgWest;
  TBBGZeitraum z;
  for (int i = 0; i < bbgAnzahl; ++i) z[i] = MonatFuerZeitraum(tabelle[i][r], lzz);
  return z;
}

TGleitzoneBemessung GleitzoneBemessung(int jahr, std::uint8_t lzz, std::int64_t entgelt) {
  return ZonenBemessung(JahresZeile(jahr), lzz, entgelt);
}

TGleitzoneBemessung GleitzoneBemessung(int jahr, std::int64_t entgelt) {
  return GleitzoneBemessung(jahr, 2, entgelt);
}

TGleitzoneBemessung GleitzoneBemessung(int jahr, int monat, std::uint8_t lzz, std::int64_t entgelt) {
  return ZonenBemessung(SVPeriode(jahr, monat), lzz, entgelt);
}

bool GleitzoneAnteil(int jahr, std::uint8_t lzz, std::int64_t& beitrag, double satzAG,
                     double satzAN, std::int64_t basis) {
  const TGleitzoneBemessung g = GleitzoneBemessung(jahr, lzz, basis);
  if (g.Klasse == 1) {
    beitrag = satzAN >= 0 ? Beitrag(basis, satzAN) : 0;
    return false;
  }
  beitrag = 0;
  if (satzAN < 0) return true;
  const std::int64_t an = ZonenAnteil(g, satzAG, satzAN, satzAN, basis);
  if (an < 0) return false;
  beitrag = an;
  return true;
}

bool GleitzoneAnteil(int jahr, std::int64_t& beitrag, double satzAG, double satzAN,
                     std::int64_t basis) {
  return GleitzoneAnteil(jahr, 2, beitrag, satzAG, satzAN, basis);
}

namespace {

// The care discount for further children (sv.PVAbschlaege, from July 2023)
// as a fraction, borne by the employee alone; 0 where the period has none.
double PVAbschlag(const TSVPeriode& p, const TSVEingabe& sv) {
  return p.PVAbschlag > 0 && sv.PVAbschlaege > 0 ? std::min<int>(sv.PVAbschlaege, 4) * Anteil(p.PVAbschlag) : 0;
}

// Whether the pension top-up of a minijob is paid: asked for, and the
// period and the rates have one.
bool MitAufstockung(const TSVPeriode& p, const TSVEingabe& sv) {
  return sv.Aufstockung && p.MindestBasis >= 0 && sv.Saetze[svRVAuf].AN >= 0;
}

// Whether neither side pays the health contribution: then neither pays the
// add-on rate either.
bool OhneKV(const TSVEingabe& sv) { return sv.Saetze[svKV].AN < 0 && sv.Saetze[svKV].AG < 0; }

}  // namespace

std::array<TSatzPaar, svAnzahl> AngewandteSaetze(int jahr, const TSVEingabe& sv) {
  return AngewandteSaetze(SVPeriode(jahr, sv.Monat), sv);
}

std::array<TSatzPaar, svAnzahl> AngewandteSaetze(const TSVPeriode& p, const TSVEingabe& sv) {
  std::array<TSatzPaar, svAnzahl> s = sv.Saetze;
  if (s[svPV].AN > 0) s[svPV].AN = std::max(s[svPV].AN - PVAbschlag(p, sv), 0.0);
  if (OhneKV(sv)) s[svKV2] = Paar(-1, -1);
  // The employee's share of a minijob's pension is his top-up; the
  // employer keeps his flat rate.
  if (MitAufstockung(p, sv)) {
    s[svRV].AN = sv.Saetze[svRVAuf].AN;
    s[svRVAuf] = {sv.Saetze[svRVAuf].AN, Anteil(-1)};
  } else {
    s[svRVAuf] = Paar(-1, -1);
  }
  if (sv.PKV != 0) {
    for (int art : {svKV, svPV, svKV2, svPV2}) s[art] = Paar(-1, -1);
  }
  // A side that levies 0 % pays nothing as well.
  constexpr double kNicht = -1.0 / 100;
  for (TSatzPaar& paar : s) {
    paar.AN = paar.AN > 0 ? paar.AN : kNicht;
    paar.AG = paar.AG > 0 ? paar.AG : kNicht;
  }
  return s;
}

TSVErgebnis SVRechnen(int jahr, const TSVPeriode& p, const TBBGTabelle& bbg, const TLohnZeitraum& zeitraum,
                      const TSVEingabe& sv) {
  TSVErgebnis ergebnis;
  const std::uint8_t lzz = zeitraum.LZZ;

  const TBBGZeitraum grenze = BBGFuerZeitraum(bbg, lzz, sv.Region);
  TBBGZeitraum laufend{};
  for (int i = 0; i < bbgAnzahl; ++i) laufend[i] = std::min(grenze[i], zeitraum.RE4);
  // A one-off payment's liable part joins the capped current wage of its
  // branch: one base, rounded once (section 23a SGB IV).
  TBBGZeitraum basis = laufend;
  basis[bbgKV] += sv.EinmalKV;
  basis[bbgPV] += sv.EinmalKV;
  basis[bbgRV] += sv.EinmalRV;
  basis[bbgAV] += sv.EinmalRV;

  // The zone: the bases of the kinds measured against the KV and the RV
  // ceiling (the zone lies far below both, so they are equal in practice).
  // Marginal employment never lies in the zone: its flat employer rates
  // are not reduced.
  const bool zone = sv.Gleitzone && sv.Beschaeftigung != beGF && sv.Beschaeftigung != beHH;
  TGleitzoneBemessung zonen[bbgAnzahl];
  if (zone) {
    for (int i = 0; i < bbgAnzahl; ++i) zonen[i] = ZonenBemessung(p, lzz, basis[i]);
    if (zonen[bbgRV].Klasse != 1) {
      ergebnis.BE = zonen[bbgRV].Bemessung;
      ergebnis.BE_AN = zonen[bbgRV].BemessungAN;
    }
  }
  const bool getrennt = p.ZoneTeileGetrennt;
  const bool neueZone = p.Zone == zfUebergang2022;
  const bool verzicht = sv.RVVerzicht && p.RVVerzichtMoeglich;
  // The add-on rate from 2015 is a contribution of its own; up to 2014 KV2
  // is the surcharge rounded with the employee's health share.
  const bool zusatzEigen = p.ZBTeilung != ztKeine;
  // Care discount for further children, borne by the employee alone.
  const double abschlag = PVAbschlag(p, sv);
  const double pvAN = std::max(sv.Saetze[svPV].AN - abschlag, 0.0);

  // The add-on rate is levied with the health contribution only.
  const bool ohneKV = OhneKV(sv);
  for (int art = 0; art < svAnzahl; ++art) {
    if (art == svKV2 && ohneKV) continue;
    const TSatzPaar& satz = sv.Saetze[art];
    const TBBGArt bbg = BBGFuerArt(static_cast<TSVArt>(art));
    const std::int64_t b = basis[bbg];
    const bool inZone = zone && zonen[bbg].Klasse != 1 && !(art == svRV && verzicht);
    const double an = art == svPV ? pvAN : satz.AN;

    if (satz.AG >= 0) ergebnis.AG(art) = Beitrag(b, satz.AG);
    if (satz.AN < 0) continue;
    if (inZone && getrennt) {
      ZonenBeitraege(zonen[bbg], neueZone, satz, b, ergebnis.AN(art), ergebnis.AG(art));
      if (art == svPV && abschlag > 0) {
        // In the zone the discount is taken on the whole reduced base.
        ergebnis.AN(art) =
            std::max<std::int64_t>(ergebnis.AN(art) - Beitrag(zonen[bbg].Bemessung, abschlag), 0);
      }
    } else if (inZone) {
      // Up to 2013; a share that would turn negative is 0.
      ergebnis.AN(art) = std::max<std::int64_t>(ZonenAnteil(zonen[bbg], satz.AG, an, an, b), 0);
    } else {
      ergebnis.AN(art) = Beitrag(b, an);
    }
  }

  // The employee-only surcharges of health (up to 2014) and care insurance
  // are paid together with the employee's share and rounded once with it:
  // the surcharge entry is the combined share less the share without the
  // surcharge, so that the share line keeps its meaning and the sum is the
  // amount of the pay slip.  From 2014 in the zone they are computed on the
  // reduced base on their own (above).
  for (const auto& [zuschlag, grund] : {std::pair{svKV2, svKV}, std::pair{svPV2, svPV}}) {
    if (zuschlag == svKV2 && (zusatzEigen || ohneKV)) continue;
    const double s = sv.Saetze[zuschlag].AN;
    if (!(s > 0)) continue;
    const TSatzPaar& satz = sv.Saetze[grund];
    const TBBGArt bbg = BBGFuerArt(grund);
    const bool inZone = zone && zonen[bbg].Klasse != 1;
    if (inZone && getrennt) continue;
    const double an = grund == svPV ? pvAN : std::max(satz.AN, 0.0);
    const std::int64_t b = basis[bbg];
    std::int64_t gesamt = Beitrag(b, an + s);
    if (inZone) {
      // In the zone: 2 x Runden(reduced base x (AG + AN + surcharge) / 2)
      // less the employer's share, with the employee's rate standing for
      // the employer's as in the share line.
      gesamt = std::max<std::int64_t>(ZonenAnteil(zonen[bbg], satz.AG, (an + an + s) / 2, an + s, b), 0);
    }
    ergebnis.AN(zuschlag) = std::max<std::int64_t>(gesamt - ergebnis.AN(grund), 0);
  }

  // Pension top-up of marginal employment: the employee makes up the
  // employer's flat rate to the full pension rate, on at least the minimum
  // base of the pay period.  An employer rate that is not levied counts as 0
  // here, so that the employee's share cannot turn negative.  The top-up
  // entry shows what the employee pays for it, and nothing without top-up.
  const std::int64_t mindestBasis = p.MindestBasis;
  const double rvAG = sv.Saetze[svRV].AG;
  const double aufAN = sv.Saetze[svRVAuf].AN;
  ergebnis.AN(svRVAuf) = 0;
  ergebnis.AG(svRVAuf) = 0;
  if (MitAufstockung(p, sv)) {
    const std::int64_t b = std::max(basis[bbgRV], MonatAufZeitraum(mindestBasis, lzz));
    ergebnis.AN(svRV) = Begrenzt(Beitrag(b, std::max(rvAG, 0.0) + aufAN) - ergebnis.AG(svRV));
    ergebnis.AN(svRVAuf) = ergebnis.AN(svRV);
  }

  // Private health insurance: no statutory health or care contributions; the
  // private contribution only enters the wage tax.
  if (sv.PKV != 0) {
    for (int art : {svKV, svPV, svKV2, svPV2}) {
      ergebnis.AN(art) = 0;
      ergebnis.AG(art) = 0;
    }
  }
  // The employer's subsidy to it, a monthly amount converted to the pay
  // period as the ceilings are.
  {
    const auto [zuschuss, pflege] = PKVZuschussTeile(jahr, sv, ZuschussEntgelt(sv, bbg, zeitraum));
    ergebnis.PKVZuschuss_AG = MonatAufZeitraum(zuschuss, lzz);
    ergebnis.PKVZuschussPV_AG = MonatAufZeitraum(pflege, lzz);
  }

  // The top-up entries are shown but are no part of the sums.
  for (int art : {svKV, svPV, svRV, svAV, svKV2, svPV2}) {
    ergebnis.SVSummeAN() += ergebnis.AN(art);
    ergebnis.SVSummeAG() += ergebnis.AG(art);
  }

  // The employer's levies on the wage liable to pension insurance, capped
  // at its ceiling, also in marginal employment (section 359 SGB III,
  // section 7 AAG).  In the zone the sources do not settle the base; taken
  // here: the actual wage, as for every levy outside the contributions.
  // Private households pay no insolvency levy (section 358 (1) SGB III).
  const bool geringfuegig = sv.Beschaeftigung == beGF || sv.Beschaeftigung == beHH;
  auto umlage = [&](double eingabe, double minijob) -> std::int64_t {
    const double satz = eingabe >= 0 ? eingabe : geringfuegig && minijob >= 0 ? Anteil(minijob) : 0;
    // U1 and U2 are levied on the current wage alone (section 7 (2) AAG).
    return satz > 0 ? Beitrag(laufend[bbgRV], satz) : 0;
  };
  ergebnis.U1_AG = umlage(sv.U1, p.U1GF);
  ergebnis.U2_AG = umlage(sv.U2, p.U2GF);
  if (p.IGU > 0 && sv.Beschaeftigung != beHH) ergebnis.IGU_AG = Beitrag(basis[bbgRV], Anteil(p.IGU));
  return ergebnis;
}

}  // namespace lst
