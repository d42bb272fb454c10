#pragma once
// Social-insurance contributions: health (KV), care (PV), pension (RV) and
// unemployment insurance (AV) of employee and employer for one pay period,
// with the sliding zone of low wages, marginal employment and its pension
// top-up, private health insurance and the employee-only surcharges KV2 and
// PV2.  Also the per-year parameters: contribution ceilings, default rates,
// minimum base of the top-up, sliding-zone factor and bounds.
//
// A year can have several rule periods, each in force from a pay month on
// (TSVEingabe::Monat chooses; see SVPeriode).  The functions with a month
// give the values of that month's period; those without one give the
// year's own row, which the settings store: the first period of the year,
// except for 2003 and 2005, whose row has always held the rules from April
// 2003 (sliding zone) and July 2005 (health surcharge).
//
// Years outside 1995 to 2026 have no parameters: their ceilings are 0, every
// default rate is -1 % (not levied), there is neither sliding zone nor top-up.
//
// The reading and writing of the settings file: calc/sv_einstellungen.h.

#include <array>
#include <cstdint>

#include "calc/datensaetze.h"

namespace lst {


// The five contribution ceilings, in this order.  GF is the limit of marginal
// employment; the pension top-up uses it as its ceiling.
enum TBBGArt { bbgKV = 0, bbgPV, bbgRV, bbgAV, bbgGF, bbgAnzahl };

// Regions of TSVEingabe::Region.
enum TRegion { rgOst = 0, rgWest = 1 };

// Ceilings in cents per month: [ceiling kind][region].
using TBBGTabelle = std::array<std::array<std::int64_t, 2>, bbgAnzahl>;

// Contribution rates as fractions: [employment type][contribution kind],
// each a pair (employee, employer) in the layout of TSVEingabe::Saetze.
// A negative rate means that the contribution is not levied; the default
// tables write it as -1 percent, -0.01 here.
using TSVSatzTabelle = std::array<std::array<TSatzPaar, svAnzahl>, beAnzahl>;

// The five ceilings of one region converted to a pay period.
using TBBGZeitraum = std::array<std::int64_t, bbgAnzahl>;

// ---- rule periods ------------------------------------------------------------

// The formula of the reduced base in the sliding or transition zone.
enum TZonenFormel : std::uint8_t {
  zfKeine = 0,      // no zone
  zfGleitzone2003,  // up to 2012: F x t + (2 - F) x (AE - t)
  zfGleitzone2013,  // 2013 to September 2022: F x t + (u/(u-t) - t/(u-t) x F) x (AE - t)
  zfUebergang2022,  // from October 2022: the same for the whole contribution, and the
                    // employee's own base u/(u-t) x (AE - t); the employer pays the rest
};

// How the health add-on rate travels in the KV2 pair.
enum TZusatzTeilung : std::uint8_t {
  ztKeine = 0,    // up to 2014: KV2 is the employee's surcharge, rounded with KV
  ztNurAN,        // 2015 to 2018: the add-on rate is borne by the employee alone
  ztHaelftig,     // from 2019: employee and employer half each
};

// Child benefit a month per child by the child's position: first, second,
// third, fourth and every further (section 66 EStG; pfennigs up to 2001).
struct TKindergeldSaetze {
  std::int64_t T1 = 0, T2 = 0, T3 = 0, T4 = 0;
  friend constexpr bool operator==(const TKindergeldSaetze&, const TKindergeldSaetze&) = default;
};
// The same amount for every child (from 2023).
constexpr TKindergeldSaetze KindergeldJeKind(std::int64_t betrag) { return {betrag, betrag, betrag, betrag}; }

// The rules of pay beside the contributions that the tables carry from
// 2014: the monthly exemption limit of benefits in kind (cents; -1 where
// the tables have none), the tax-free share of deferred compensation (in
// percent of the yearly pension ceiling West, plus a fixed monthly amount
// in cents), its contribution-free share (percent), whether the employer's
// 15 % subsidy is owed, the least share of a company car's list price and
// the highest list price (cents) the least share of a quarter applies to.
struct TLohnRegeln {
  std::int64_t SachbezugFreigrenze = -1;
  double BAVSteuerfreiProzent = 0;
  std::int64_t BAVSteuerfreiZusatz = 0;
  double BAVSVFreiProzent = 0;
  bool BAVZuschussPflicht = false;
  double DienstwagenMindestSatz = 1;
  std::int64_t DienstwagenViertelGrenze = 0;
  friend constexpr bool operator==(const TLohnRegeln&, const TLohnRegeln&) = default;
};

// The parameters of one rule period.  Amounts in cents (pfennigs up to
// 2001) per month, rates in percent; -1 marks what is not levied.
struct TSVPeriode {
  int Jahr = 0;
  int AbMonat = 1;  // first pay month of the period
  // Ceilings; KV and PV are equal, as are RV and AV.  GF is the limit of
  // marginal employment.
  std::int64_t KVOst = 0, KVWest = 0, RVOst = 0, RVWest = 0, GFOst = 0, GFWest = 0;
  // Normal employment: employee and employer pay the same rate.
  double KV = -1, PV = -1, RV = -1, AV = -1;
  // The reduced health rate of each share, for members without a claim to
  // sick pay (section 243 SGB V; contribution group KV 3); -1 where the
  // tables have none (up to 2013).
  double KVErm = -1;
  // Whether the employer pays his unemployment share alone for an employee
  // past the regular retirement age (section 346 (3) SGB III; contribution
  // group AV 2): not from 2017 to 2021.
  bool AVArbeitgeberAllein = true;
  // Employee-only parts: up to 2014 the health surcharge (from 2015 see
  // ZB), the care surcharge of the childless.
  double KV2AN = -1, PV2AN = -1;
  // Marginal employment: flat employer rates and the employee's top-up rate.
  double GFKVAG = 0, GFRVAG = 0, GFRVAufAN = -1;
  // Marginal employment in a private household.
  double HHKVAG = 0, HHRVAG = 0, HHRVAufAN = -1;
  // Minimum base of the pension top-up in cents; -1 without top-up.
  std::int64_t MindestBasis = -1;
  // Zone: formula, factor F, lower bound t (a wage above it is in the zone)
  // and upper bound u.
  TZonenFormel Zone = zfKeine;
  double F = -1;
  std::int64_t ZoneUnten = 0, ZoneOben = 0;
  // Whether the employee may waive the reduction of the pension share in
  // the zone (up to June 2019).
  bool RVVerzichtMoeglich = true;
  // From 2014: in the zone, the employee-only parts are computed on the
  // reduced base and rounded on their own; shares that differ (Saxony) are
  // rounded each.  Before, they were rounded with the shared part.
  bool ZoneTeileGetrennt = false;
  // Average health add-on rate (section 242a SGB V) and its split.
  double ZB = -1;
  TZusatzTeilung ZBTeilung = ztKeine;
  // Care: the discount per further child under 25 (-1 none) and the Saxon
  // shift of half a point from the employer to the employee.
  double PVAbschlag = -1;
  double PVSachsen = 0.5;
  // Levies of the employer: U1 and U2 of the minijob office, insolvency
  // levy (-1: not in the tables).
  double U1GF = -1, U2GF = -1, IGU = -1;
  // Child benefit of the period's months; 0 for a year without (1995: the
  // benefit depended on the parents' income).
  TKindergeldSaetze Kindergeld;
  // Benefits in kind and deferred compensation (from 2014).
  TLohnRegeln Lohn;
};

// The rule period of a pay month (1 to 12; outside clamped) of a year; for a
// year without parameters a period that levies nothing.
const TSVPeriode& SVPeriode(int jahr, int monat);
// Whether the core has the social insurance of a year (1995 to 2026).
bool SVVorhanden(int jahr);

// The KV2 pair (fractions) for a fund's add-on rate in percent: 2015 to
// 2018 the employee alone (employer -1, not levied), from 2019 half each.
// Before 2015 there is no add-on rate: the period's default pair (the
// employee's surcharge of 0,9 %) whatever the rate.
TSatzPaar ZusatzbeitragSaetze(int jahr, int monat, double prozent);
TSatzPaar ZusatzbeitragSaetze(const TSVPeriode& periode, double prozent);
// The average add-on rate of a period in percent; -1 before 2015.
double DurchschnittsZusatzbeitrag(int jahr, int monat);
// The care rates of a month outside Saxony, as the rate table has them.
TSatzPaar PVSaetzeAllgemein(int jahr, int monat);
// The care pair (fractions) of normal employment in Saxony.
TSatzPaar PVSaetzeSachsen(int jahr, int monat);

// The employer's maximum subsidy to a private health and care insurance in
// cents per month (section 257 SGB V, section 61 SGB XI), 2014 to 2026:
// what the employer would pay for a statutory insured employee at the
// health ceiling.  0 for the other years.
struct TPKVHoechstzuschuss {
  std::int64_t KV = 0;
  std::int64_t PV = 0;
  std::int64_t Summe() const { return KV + PV; }
};
// For a monthly liable wage (capped at the health ceiling by the caller);
// without, at the period's health ceiling.
TPKVHoechstzuschuss PKVHoechstzuschuss(int jahr, int monat, bool sachsen, std::int64_t entgelt);
TPKVHoechstzuschuss PKVHoechstzuschuss(int jahr, int monat, bool sachsen);
// A wage of the pay period LZZ as a month's (a year's twelfth, a week's 30/7,
// a day's 30 times), rounded to the cent.
std::int64_t MonatsEntgelt(std::uint8_t lzz, std::int64_t entgelt);
// The employer's monthly subsidy to the private insurance of sv (the pay
// month's period, Saxony PVS): the one stated as paid (sv.AGZuschuss), else
// for PKV 2 half the premium PKPV, at most the maximum for the liable monthly
// wage entgelt; where the care part PKPVPflege is given, health and care each
// on its own.  0 for statutory insurance, without subsidy, in marginal
// employment and outside 2014 to 2026.
std::int64_t PKVZuschussMonat(int jahr, const TSVEingabe& sv, std::int64_t entgelt);
// The same for the wage of a pay period, liable up to the health ceiling of
// the table in the region of sv: what the slip pays (converted to the pay
// period) and the flowchart of 2026 takes (PKPVAGZ).
std::int64_t PKVZuschussMonat(int jahr, const TSVEingabe& sv, const TBBGTabelle& bbg, const TLohnZeitraum& lz);

// ---- per-year defaults ------------------------------------------------------

// Default ceilings of a year (its row) and of a pay month's period.
TBBGTabelle BBGStandard(int jahr);
TBBGTabelle BBGStandard(int jahr, int monat);
// Default rates (fractions; -0.01 where not levied).  From 2015 the KV2 pair
// is the one of the average add-on rate (ZusatzbeitragSaetze).
TSVSatzTabelle SVSaetzeStandard(int jahr);
TSVSatzTabelle SVSaetzeStandard(int jahr, int monat);
// Minimum base of the pension top-up in cents per month; -1 for a year
// without top-up.  Converted to the pay period like the ceilings.
std::int64_t AufstockungMindestBasis(int jahr);
std::int64_t AufstockungMindestBasis(int jahr, int monat);
// Sliding-zone factor F; -1 for a year without sliding zone.
double GleitzoneFaktor(int jahr);
double GleitzoneFaktor(int jahr, int monat);
// Lower and upper bound of the sliding zone in cents per month.
std::int64_t GleitzoneUntergrenze(int jahr);
std::int64_t GleitzoneObergrenze(int jahr);
std::int64_t GleitzoneUntergrenze(int jahr, int monat);
std::int64_t GleitzoneObergrenze(int jahr, int monat);
// Default of the employer's flat-rate wage tax in percent.
double PauschStProzentStandard(int jahr);

// The ceiling a contribution kind is measured against.
constexpr TBBGArt BBGFuerArt(TSVArt art) {
  constexpr TBBGArt zuordnung[svAnzahl] = {bbgKV, bbgPV, bbgRV, bbgAV, bbgGF, bbgKV, bbgPV};
  return zuordnung[art];
}

// The settings hold the year's row (from 2014 its first rule period).  Moves
// the ceilings and rates of one rule period to another of the same year: a
// value equal to the default of the period of vonMonat becomes the default
// of the period of nachMonat, a value of the user's own stays.  Month 0 is
// the year's row, as stored.  The calculator window moves its tables when
// the pay month changes and back to the row when it saves; the command line
// moves the stored row to the pay month.
void PeriodeWechseln(int jahr, int vonMonat, int nachMonat, TBBGTabelle& bbg, TSVSatzTabelle& saetze);
// The same for one of the two tables.
void PeriodeWechseln(int jahr, int vonMonat, int nachMonat, TBBGTabelle& bbg);
void PeriodeWechseln(int jahr, int vonMonat, int nachMonat, TSVSatzTabelle& saetze);

// The rates of a row of the rate table as a contribution group levies them
// in a pay month of a year: a branch the employee is not insured in is not
// levied (-1 %), where only the employer pays (RV 3, AV 2, a minijob without
// top-up) the employee's share is not; KV 3 takes the period's reduced rate.
// What the calculation computes with, and what the window shows.
void SaetzeDerGruppe(const TBeitragsgruppe& g, int jahr, int monat, std::array<TSatzPaar, svAnzahl>& zeile);
// The same with the rule period in hand (SVPeriode(jahr, monat)).
void SaetzeDerGruppe(const TBeitragsgruppe& g, const TSVPeriode& periode, std::array<TSatzPaar, svAnzahl>& zeile);

// ---- calculation ------------------------------------------------------------

// A monthly amount in cents converted to the pay period LZZ as the ceilings
// are: year m * 12, month m, week Runden(m / 30) * 7, day Runden(m / 30).
namespace detail {
std::int64_t MonatAufAnderenZeitraum(std::int64_t monat, std::uint8_t lzz);
}  // namespace detail
inline std::int64_t MonatFuerZeitraum(std::int64_t monat, std::uint8_t lzz) {
  // The month itself, the usual case, without a call.
  return lzz == 1 || lzz == 3 || lzz == 4 ? detail::MonatAufAnderenZeitraum(monat, lzz) : monat;
}

// The ceilings of a region (0 "Ost", anything else "West") converted from a
// month to the pay period LZZ: year m * 12, month m, week Runden(m / 30) * 7,
// day Runden(m / 30), each rounded to cents.  An unknown LZZ counts as month.
TBBGZeitraum BBGFuerZeitraum(const TBBGTabelle& tabelle, std::uint8_t lzz, std::uint8_t region);

// Bounds of the sliding zone of a year converted to the pay period LZZ as the
// ceilings are (BBGFuerZeitraum).  A wage w lies in the zone when
// Untergrenze < w <= Obergrenze.  Vorhanden is false for a year without
// sliding zone (both bounds then 0).
struct TGleitzoneGrenzen {
  bool Vorhanden = false;
  std::int64_t Untergrenze = 0;
  std::int64_t Obergrenze = 0;
};
TGleitzoneGrenzen GleitzoneGrenzenFuerZeitraum(int jahr, std::uint8_t lzz);
TGleitzoneGrenzen GleitzoneGrenzenFuerZeitraum(int jahr, int monat, std::uint8_t lzz);

// Class and reduced base of a wage in the sliding zone of a year.
struct TGleitzoneBemessung {
  int Klasse = 1;               // -1 at or below the lower bound, 0 inside, 1 above
  std::int64_t Bemessung = 0;   // reduced base in cents
  // From October 2022 the employee's own base (BE_AN); before, 0.
  std::int64_t BemessungAN = 0;
};
// The wage is one of the pay period LZZ and is measured against the bounds of
// that period (GleitzoneGrenzenFuerZeitraum); the reduced base is one of the
// same period.  A year without sliding zone (factor -1) puts every wage into
// class 1 with the unreduced base: its formula would give a negative base.
TGleitzoneBemessung GleitzoneBemessung(int jahr, std::uint8_t lzz, std::int64_t entgelt);
// The same for a monthly wage.
TGleitzoneBemessung GleitzoneBemessung(int jahr, std::int64_t entgelt);
// The same under the rule period of a pay month.
TGleitzoneBemessung GleitzoneBemessung(int jahr, int monat, std::uint8_t lzz, std::int64_t entgelt);

// The employee's share of one contribution kind in the sliding zone, from the
// kind's rates and its (capped) base of the pay period LZZ.  Returns true when
// the reduced share applies, false when the base lies above the zone or the
// reduced share would be negative (it is then 0).
bool GleitzoneAnteil(int jahr, std::uint8_t lzz, std::int64_t& beitrag, double satzAG,
                     double satzAN, std::int64_t basis);
// The same for a monthly base.
bool GleitzoneAnteil(int jahr, std::int64_t& beitrag, double satzAG, double satzAN,
                     std::int64_t basis);

// All contributions of one pay period under the rule period p, measured
// against the ceilings bbg; the rates come from sv.Saetze, the rules (zone,
// levies, add-on rate) from the period.
// The employee-only surcharges KV2 (up to 2014) and PV2 are rounded together
// with the employee's KV or PV share; their entries are the combined share
// less the share without surcharge.  From 2015 KV2 is the add-on rate, a
// contribution of its own rounded on its own.  The care discount for
// further children (sv.PVAbschlaege, from July 2023) lowers the employee's
// PV share.  The top-up entries (RVAuf) are 0 without Aufstockung; with it
// the RVAuf employee entry repeats the employee's pension share, which is
// then the whole top-up.  The levies U1, U2 and the insolvency levy are
// measured on the wage up to the pension ceiling.  No entry leaves +-10^15.
TSVErgebnis SVRechnen(int jahr, const TSVPeriode& p, const TBBGTabelle& bbg, const TLohnZeitraum& zeitraum,
                      const TSVEingabe& sv);
inline void SVRechnen(int jahr, const TSVPeriode& p, const TBBGTabelle& bbg, const TLohnZeitraum& zeitraum,
                      const TSVEingabe& sv, TSVErgebnis& ergebnis) {
  ergebnis = SVRechnen(jahr, p, bbg, zeitraum, sv);
}

// The rates that produced the contributions of SVRechnen for sv, per kind
// and side (fractions, in the layout of TSVEingabe::Saetze), for the pay
// slip to show beside each amount; -0.01 where that side pays nothing of
// the kind (not levied, or 0 %).  They are the rates of sv.Saetze as the
// calculation applies them: the employee's care rate less the discounts for
// further children; in a minijob with top-up the employee's pension rate is
// his top-up rate (the RVAuf pair repeats it) beside the employer's flat
// rate; nothing of health and care under a private insurance; no add-on
// rate without the health contribution.  In the zone they are the rates
// applied to the reduced bases, and the top-up's rate applies to at least
// the minimum base.
std::array<TSatzPaar, svAnzahl> AngewandteSaetze(int jahr, const TSVEingabe& sv);
// The same with the rule period of sv.Monat in hand.
std::array<TSatzPaar, svAnzahl> AngewandteSaetze(const TSVPeriode& periode, const TSVEingabe& sv);

}  // namespace lst
