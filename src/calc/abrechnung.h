#pragma once
// One pay slip as a value: the parameters of the month, the request and the
// year so far in, the month's result out.
//
//   TMonatsErgebnis Abrechnen(const TParameter& p, const TAnfrage& a,
//                             const TJahresStand& bisher);
//
// The calculation keeps nothing between calls: the same arguments give the
// same result, whatever ran before.  The calculator window, the command
// line, batch, the printout and the tools all calculate through here.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/beitragsgruppe.h"
#include "calc/datensaetze.h"
#include "calc/parameter.h"

namespace lst {

// The person and the payments of one pay period, as the user states them.
// Amounts in cents of the year's currency (pfennigs up to 2001).
struct TAnfrage {
  // ---- pay period and gross wage ----------------------------------------------
  std::uint8_t LZZ = 2;            // 1 year, 2 month, 3 week, 4 day
  std::int64_t Brutto = 0;         // the taxable gross wage of the pay period

  // ---- wage tax -----------------------------------------------------------------
  std::uint8_t STKL = 1;
  float ZKF = 0;                   // child allowances (steps of 0,5)
  bool Bekenntnislos = false;      // no church-tax
  double KiStSatz = 0;             // church-tax rate, a fraction
  // The factor of the factor method (class IV only).
  std::optional<double> Faktor;
  std::int64_t Freibetrag = 0;     // allowance of the pay period
  std::int64_t Hinzurechnung = 0;  // addition of the pay period
  std::int64_t VBEZ = 0;           // pension payments contained in the gross
  std::int64_t VBEZM = 0;          // pension payment of the first full month
  std::int64_t VBEZS = 0;          // expected special pension payments of the year
  std::uint8_t ZMVB = 12;          // months with pension payments (yearly pay period)
  std::int32_t VJAHR = 0;          // first year of the pension
  std::int64_t STERBE = 0;         // death benefit (yearly pay period)
  // Age relief: the calendar year after the 64th birthday (AJAHR; 0 where
  // not stated); none without.
  std::optional<int> Altersentlastung;
  // The special table: not in the statutory pension insurance (up to 2013;
  // from 2014 a contribution group without pension insurance).
  bool BesondereTabelle = false;
  // The employer's flat-rate tax of a minijob, a fraction; it takes the
  // place of the wage tax by class.
  std::optional<double> PauschSatz;

  // ---- social insurance --------------------------------------------------------
  int Beschaeftigung = 0;          // TBeschaeftigung: normal, minijob, private household
  std::uint8_t Region = 1;         // 0 East, 1 West
  bool Sachsen = false;
  // The care rates of Saxony as typed; without, the period's shift.
  std::optional<TSatzPaar> SachsenPV;
  bool Aufstockung = false;        // pension top-up of a minijob
  bool Gleitzone = false;          // sliding or transition zone
  bool RVVerzicht = false;         // no reduction of the pension share in the zone
  // The employee's health surcharge and the care surcharge of the childless,
  // where the year and the person have them.
  bool KVZuschlag = true;
  bool PVZuschlag = true;
  // The fund's add-on rate in percent (from 2015); without, the one stored
  // for the year, else the period's average.
  std::optional<double> KVZusatz;
  int PVAbschlaege = 0;            // care discounts for the 2nd to 5th child under 25
  // The employer's levies U1 and U2 as fractions (from 2014); without, the
  // stored ones of normal employment, the minijob office's in a minijob.
  std::optional<double> U1;
  std::optional<double> U2;
  // Private health and care insurance, with or without the employer's
  // subsidy; the monthly premium and its care part.
  bool Privat = false;
  bool AGZuschuss = false;
  std::int64_t PrivatBeitrag = 0;
  std::optional<std::int64_t> PrivatBeitragPV;
  // The employer's monthly subsidy as paid (from 2026).
  std::optional<std::int64_t> AGZuschussBetrag;
  // The contribution group (from 2014); without, the one the inputs above
  // describe.
  std::optional<TBeitragsgruppe> Beitragsgruppe;

  // ---- around the net wage ---------------------------------------------------
  // Child benefit of the pay period; without, the year's for the allowances.
  std::optional<std::int64_t> Kindergeld;
  std::int64_t AGZusatz = 0;       // the employer's further costs
  std::int64_t SonstigeAbzuege = 0;
  std::string SonstigeBezeichnung = "Sonstiges";
};

// What earlier months of the same employee left: empty for a single slip.
struct TJahresStand {
  int Monate = 0;                     // pay months so far
  std::int64_t Brutto = 0;            // regular taxable wages
  std::int64_t SonstigeBezuege = 0;   // one-off payments
  std::int64_t SVEntgeltKV = 0;       // wages liable to health and care insurance
  std::int64_t SVEntgeltRV = 0;       // wages liable to pension and unemployment insurance
  std::int64_t LSt = 0, Soli = 0, KiSt = 0;
  std::int64_t SVSummeAN = 0, SVSummeAG = 0;
  friend bool operator==(const TJahresStand&, const TJahresStand&) = default;
};

// The employee's and the employer's share of one contribution.
struct TBeitrag {
  std::int64_t AN = 0;
  std::int64_t AG = 0;
  friend bool operator==(const TBeitrag&, const TBeitrag&) = default;
};

// Every figure of one pay slip, in cents of the year's currency.
struct TMonatsErgebnis {
  std::int64_t RE4 = 0;
  // The employee's taxes and the employer's flat-rate taxes.
  std::int64_t LSt = 0, LStPausch = 0;
  std::int64_t Soli = 0, SoliPausch = 0;
  std::int64_t BK = 0, BKPausch = 0;    // church-tax bases
  std::int64_t KiSt = 0, KiStPausch = 0;
  std::int64_t SteuerSumme = 0, SteuerSummePausch = 0;
  std::int64_t BruttoNachSteuer = 0, BruttoPlusPausch = 0;
  // Contributions: health, care, pension, unemployment, the top-up of a
  // minijob (its employee entry repeats what RV.AN holds of it), the health
  // add-on rate or surcharge, the care surcharge of the childless.
  TBeitrag KV, PV, RV, AV, RVAuf, KV2, PV2;
  std::int64_t SVSummeAN = 0, SVSummeAG = 0;  // without the top-up entries
  std::int64_t Netto = 0;
  std::int64_t AGGesamt = 0;
  std::int64_t Auszahlung = 0;
  std::int64_t AGGesamtPlus = 0;
  // Reduced bases of the zone, the employer's levies, the cost with them,
  // the employer's subsidy to a private insurance.
  std::int64_t BE = 0, BE_AN = 0;
  std::int64_t U1_AG = 0, U2_AG = 0, IGU_AG = 0;
  std::int64_t AGGesamtUmlagen = 0;
  std::int64_t PKVZuschuss_AG = 0;
  // Child benefit paid with the wage, the other deductions, the employer's
  // further costs.
  std::int64_t Kindergeld = 0;
  std::int64_t SonstigeAbzuege = 0;
  std::int64_t AGZusatz = 0;

  // The rate each contribution was computed with, by kind, as (employee,
  // employer) fractions; negative where a side pays nothing of it.
  std::array<TSatzPaar, svAnzahl> Saetze{};

  // The flowchart that ran and the contribution group in force (from 2014).
  int Version = -1;
  std::optional<TBeitragsgruppe> Beitragsgruppe;
  // The taxable income per tariff unit of the flowchart's tariff step, in
  // whole currency units, and its tariff (1 basic, 2 splitting): where the
  // income-tax display starts.
  double TarifX = 0;
  int KZTAB = 1;

  // The year so far including this month.
  TJahresStand Stand;

  TBeitrag& Beitrag(TSVArt art);
  const TBeitrag& Beitrag(TSVArt art) const;
  friend bool operator==(const TMonatsErgebnis&, const TMonatsErgebnis&) = default;
};

// The request with a contribution group given applied (from 2014): the
// employment type, the top-up, private insurance and the table as the group
// says.  Without a group, or before 2014, the request as it is.
TAnfrage MitGruppe(const TParameter& p, const TAnfrage& a);
// The contribution group of a request (from 2014): the one given, else the
// one its inputs describe.
TBeitragsgruppe BeitragsgruppeDerAnfrage(const TParameter& p, const TAnfrage& a);

// The records a request becomes by the rules of its year: the inputs of the
// wage-tax flowchart, of the social insurance (with the rates in force) and
// the amounts beside the net wage.  What the calculation computes with, and
// what the printout states of the inputs.
struct TDatensaetze {
  TLohnZeitraum LZ;
  TLStEingabe LSt;
  TSVEingabe SV;
  TZusatzBetraege Zusatz;
  std::int64_t SonstigeAbzuege = 0;
};
TDatensaetze Aufbereiten(const TParameter& p, const TAnfrage& a);

// The pay slip of one pay period.  The fronts check the request with Pruefen
// (calc/pruefung.h) first: the command line and batch refuse one with
// errors, the calculator window marks the inputs in error and shows what
// they give (a care part above its premium counts as the premium, a
// pension payment above the gross is taken as stated).  A year without a
// flowchart gives an empty result.
TMonatsErgebnis Abrechnen(const TParameter& p, const TAnfrage& a, const TJahresStand& bisher = {});

// One calculation as the fronts hold it: the parameters, the request and
// its result, with the display currency and the view it is shown in.  What
// the tool windows and the printout read of the calculator window, and what
// the command line hands to its printout.
struct TAbrechnungsStand {
  TParameter Parameter;
  TAnfrage Anfrage;
  TMonatsErgebnis Ergebnis;
  bool Euro = true;                // amounts shown in Euro (false: DM)
  bool ArbeitnehmerSicht = true;   // the employee's view (false: the employer's)
};

// The amounts of a result by the names the command line's JSON and batch
// use, in the order they are written: "RE4", "LSt", "LStPausch", ...
struct TErgebnisFeld {
  const char* Name;
  std::int64_t TMonatsErgebnis::*Wert = nullptr;
  TBeitrag TMonatsErgebnis::*Paar = nullptr;
  bool AG = false;
  std::int64_t Lesen(const TMonatsErgebnis& e) const { return Wert ? e.*Wert : AG ? (e.*Paar).AG : (e.*Paar).AN; }
  std::int64_t& Zugriff(TMonatsErgebnis& e) const { return Wert ? e.*Wert : AG ? (e.*Paar).AG : (e.*Paar).AN; }
};
const std::array<TErgebnisFeld, 40>& ErgebnisFelder();

}  // namespace lst
