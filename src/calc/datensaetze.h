#pragma once
// The records that carry one calculation's inputs and results.
// Amounts are int64 in the smallest unit of the tax year's currency.

#include <array>
#include <cstdint>

#include "calc/beitragsgruppe.h"

namespace lst {

// Pay period and gross wage.
struct TLohnZeitraum {
  std::uint8_t LZZ = 2;   // 1 year, 2 month, 3 week, 4 day
  std::int64_t RE4 = 0;   // taxable gross wage of the pay period
};

// Wage-tax inputs.
struct TLStEingabe {
  bool ALTER1 = false;           // age relief
  bool Bekenntnislos = false;    // no church membership (R is its negation)
  std::uint8_t TabArt = 0;       // 0 general, 1 special table (no statutory pension insurance)
  std::uint8_t STKL = 1;         // tax class 1..6
  bool af = false;               // factor method (class IV)
  double f = 1.0;                // factor, 0..1
  float ZKF = 0.0f;              // child allowances
  std::int64_t Freibetrag = 0;   // tax-free allowance of the pay period
  std::int64_t Hinzurechnung = 0;
  std::int64_t VBEZ = 0;
  std::int64_t VBEZM = 0;
  std::int64_t VBEZS = 0;
  std::uint8_t ZMVB = 0;
  std::int32_t AJAHR = 0;
  std::int32_t VJAHR = 0;
  std::int64_t VKAPA = 0;
  std::int64_t VMT = 0;
  std::int64_t SONSTB = 0;
  std::int64_t VBS = 0;
  std::int64_t STERBE = 0;
  // The yearly figures a one-off payment is taxed with: the expected yearly
  // wage without it, the pension payments, allowance and addition in it;
  // the compensations (severance) in the one-off, in the multi-year pay and
  // in the yearly wage.
  std::int64_t JRE4 = 0;
  std::int64_t JVBEZ = 0;
  std::int64_t JFREIB = 0;
  std::int64_t JHINZU = 0;
  std::int64_t ENTSCH = 0;
  std::int64_t SONSTENT = 0;
  std::int64_t JRE4ENT = 0;
  double KiStSatz = 0.0;         // church-tax rate as a fraction
  double PauschSatzLSt = 0.0;    // flat rate replacing the employee's wage tax
  double PauschSatzAG = 0.0;     // employer's flat-rate wage tax
  // Former inputs of the flowcharts from 2014.  The wage tax now takes the
  // add-on rate, the care surcharge and the discounts from the social-
  // insurance record (TSVEingabe: the KV2 pair, the PV2 rate, PVAbschlaege);
  // these three are no longer read by the calculation.
  double KVZ = 0.0;              // additional health contribution rate in percent
  bool PVZ = false;              // care surcharge of the childless
  std::uint8_t PVA = 0;          // care-insurance discounts for further children
};

// Indices of the contribution kinds in TSVEingabe::Saetze.
// Employment types, the rows of the rate table: normal employment,
// marginal employment ("GF / MiniJob"), marginal employment in a private
// household ("Minijob / priv. HH.").
enum TBeschaeftigung { beNV = 0, beGF, beHH, beAnzahl };

enum TSVArt { svKV = 0, svPV, svRV, svAV, svRVAuf, svKV2, svPV2, svAnzahl };

// A pair of rates: employee share, employer share.  Negative: not levied.
struct TSatzPaar {
  double AN = 0.0;
  double AG = 0.0;
  friend bool operator==(const TSatzPaar&, const TSatzPaar&) = default;
};

// Social-insurance inputs.
struct TSVEingabe {
  std::uint8_t Region = 1;        // 0 "Ost", 1 "West"
  bool Aufstockung = false;
  bool Gleitzone = false;
  bool RVVerzicht = false;
  std::array<TSatzPaar, svAnzahl> Saetze{};
  std::uint8_t PKV = 0;           // 0 statutory, 1 private without, 2 with employer subsidy
  std::int64_t PKPV = 0;          // monthly private health and care contribution
  bool PVS = false;               // Saxony
  // Pay month 1..12: chooses the rule period of a year with changes within
  // the year (December, the default, takes the last one).
  std::uint8_t Monat = 12;
  // Care discounts for the 2nd to 5th child under 25 (0..4), from July 2023.
  std::uint8_t PVAbschlaege = 0;
  // Employment type of the rates (the rows of the rate table: 0 normal,
  // 1 marginal, 2 marginal in a private household).  Only the employer's
  // levies depend on it: the default U1/U2 rates and the insolvency levy.
  std::uint8_t Beschaeftigung = 0;
  // Employer levies U1 (sick pay) and U2 (maternity) as fractions; negative
  // takes the default: the rates of the minijob office of the period for
  // marginal employment, 0 for normal employment (set by each fund).
  double U1 = -1.0;
  double U2 = -1.0;
  // The contribution group (from 2014, MitGruppe): the branches the employee
  // is insured in through this employment.  The rates above follow it; the
  // wage tax takes from it what the flowchart is told of the insurance.
  TBeitragsgruppe Gruppe;
  bool MitGruppe = false;
  // The care part contained in PKPV where the premiums are given apart (the
  // employer's subsidy is then capped for each on its own); -1 otherwise.
  std::int64_t PKPVPflege = -1;
  // The employer's monthly subsidy to the private insurance as paid; -1:
  // the one the law gives for the premium and the wage (PKV 2).
  std::int64_t AGZuschuss = -1;
  // The liable parts of a one-off payment of the pay period, by the
  // ceilings of health and care (KV) and of pension and unemployment (RV):
  // they join the capped current wage of their branches, not the levies
  // U1 and U2.
  std::int64_t EinmalKV = 0;
  std::int64_t EinmalRV = 0;
};

// Tax result: twelve amounts in two interleaved columns
// (column 0 the employee's tax, column 1 the employer's flat-rate tax).
struct TLStErgebnis {
  std::int64_t LSt = 0;
  std::int64_t LStPausch = 0;
  std::int64_t Soli = 0;
  std::int64_t SoliPausch = 0;
  std::int64_t BK = 0;
  std::int64_t BKPausch = 0;
  std::int64_t KiSt = 0;
  std::int64_t KiStPausch = 0;
  std::int64_t SteuerSumme = 0;
  std::int64_t SteuerSummePausch = 0;
  std::int64_t BruttoNachSteuer = 0;
  std::int64_t BruttoPlusPausch = 0;

  std::int64_t& operator[](int i) { return (&LSt)[i]; }
  std::int64_t operator[](int i) const { return (&LSt)[i]; }
};
static_assert(sizeof(TLStErgebnis) == 12 * sizeof(std::int64_t));

// Social-insurance result: (employee, employer) per kind in the order of
// TSVEingabe::Saetze, then the two sums (without the top-up).
struct TSVErgebnis {
  std::array<std::int64_t, 16> Betrag{};

  std::int64_t AN(int art) const { return Betrag[2 * art]; }
  std::int64_t AG(int art) const { return Betrag[2 * art + 1]; }
  std::int64_t& AN(int art) { return Betrag[2 * art]; }
  std::int64_t& AG(int art) { return Betrag[2 * art + 1]; }
  std::int64_t SVSummeAN() const { return Betrag[14]; }
  std::int64_t SVSummeAG() const { return Betrag[15]; }
  std::int64_t& SVSummeAN() { return Betrag[14]; }
  std::int64_t& SVSummeAG() { return Betrag[15]; }

  // Reduced bases of the sliding or transition zone in cents: BE the base of
  // the whole contribution, BE_AN the employee's base of the formula from
  // October 2022; 0 outside the zone, and BE_AN 0 before October 2022.
  std::int64_t BE = 0;
  std::int64_t BE_AN = 0;
  // Employer-only levies: U1, U2 and the insolvency levy.  Not in the sums.
  std::int64_t U1_AG = 0;
  std::int64_t U2_AG = 0;
  std::int64_t IGU_AG = 0;
  // The employer's subsidy to a private health and care insurance (from
  // 2014, TSVEingabe::PKV 2), for the pay period.  Not in the sums: it is
  // no contribution but a tax-free payment to the employee.
  std::int64_t PKVZuschuss_AG = 0;
  // Its care part, where the care premium is given apart (else 0).
  std::int64_t PKVZuschussPV_AG = 0;

  std::int64_t UmlagenAG() const { return U1_AG + U2_AG + IGU_AG; }
};

struct TGesamtErgebnis {
  TLStErgebnis LSt;
  TSVErgebnis SV;
  std::int64_t Netto = 0;
  std::int64_t AGGesamt = 0;
  std::int64_t Auszahlung = 0;
  std::int64_t AGGesamtPlus = 0;
  // The employer's cost including the levies U1, U2 and insolvency levy
  // (AGGesamt is without them).
  std::int64_t AGGesamtUmlagen = 0;
};

struct TZusatzBetraege {
  std::int64_t Kindergeld = 0;
  std::int64_t AGZusatz = 0;
};

}  // namespace lst
