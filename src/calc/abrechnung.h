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
#include "calc/bundesland.h"
#include "calc/datensaetze.h"
#include "calc/parameter.h"

namespace lst {

struct TJahresRegeln;

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
  // Whether KiStSatz was stated (typed): it wins over the rate of the state
  // below.  Without, a state given sets the rate.
  bool KiStSatzAngegeben = true;
  // The federal state of the employment: the church-tax rate (unless
  // stated), Saxony's care split and the region East or West (calc/
  // bundesland.h); the request's Region and Sachsen then follow the state.
  std::optional<TBundesland> Bundesland;
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

  // ---- one-off payments, severance, benefits in kind, tax-free pay ---------
  // A one-off payment of the pay period (Christmas bonus, holiday pay,
  // bonus): taxed by the annual-difference method, liable to the social
  // insurance up to the pro-rated yearly ceilings (from 2002, the first
  // flowchart that taxes it).
  std::int64_t SonstigerBezug = 0;
  // The expected yearly wage without this payment (the flowchart's JRE4);
  // without, the regular wage for the whole year and the one-offs so far.
  std::optional<std::int64_t> Jahresarbeitslohn;
  // One-off payments of this year before this pay period.
  std::int64_t BisherigeSonstigeBezuege = 0;
  // Contribution days from the start of the year (or the employment) to the
  // end of this pay period; without, the whole year so far (30 a month).
  std::optional<int> SVTage;
  // Wage liable to health and care (KV) and to pension and unemployment
  // insurance (RV) earlier this year; without, the regular wage, capped,
  // for every earlier month.
  std::optional<std::int64_t> SVEntgeltBisherKV;
  std::optional<std::int64_t> SVEntgeltBisherRV;
  // The previous year with the same employer (March clause): contribution
  // days (0: not employed then) and liable wages; without, the regular
  // wage, capped, for twelve months.
  int VorjahrSVTage = 360;
  std::optional<std::int64_t> VorjahrSVEntgeltKV;
  std::optional<std::int64_t> VorjahrSVEntgeltRV;
  // The fund's add-on rate of the previous year in percent (March clause);
  // without, that year's average.
  std::optional<double> VorjahrKVZusatz;
  // A severance for the loss of the job: free of contributions, taxed as a
  // one-off; up to 2024 with the one-fifth rule where asked.
  std::int64_t Abfindung = 0;
  bool Fuenftelregelung = false;
  // A company car for private use: its gross list price (cents), the
  // commuting distance in km and the share of the list price (1, 0,5 or
  // 0,25; without, 1).
  std::int64_t DienstwagenListenpreis = 0;
  double DienstwagenKm = 0;
  std::optional<double> DienstwagenSatz;
  // Benefits in kind of the pay period (vouchers, goods): free within the
  // monthly exemption limit, taxable and liable in full above it.
  std::int64_t Sachbezug = 0;
  // Paid out free of tax and contributions (job ticket ...).
  std::int64_t Steuerfrei = 0;
  // Deferred compensation into a company pension, out of the gross wage.
  std::int64_t Entgeltumwandlung = 0;
  // The employer's capital-forming benefit (taxable and liable), and the
  // employee's savings amount (deducted from the payout).
  std::int64_t VWLAG = 0;
  std::int64_t VWLSparbetrag = 0;
  // A pay month the employment covers in part (entry or exit within the
  // month): its calendar days of employment, 1 to 30.  The wage and the
  // amounts beside it are those paid for these days; the wage tax is the
  // flowchart's day table (pay period day) times the days, the ceilings of
  // the social insurance are the month's x days / 30.
  std::optional<int> Teilmonat;
  // The employee is past the regular retirement age and his employer pays
  // pension contributions for him (from 2026, section 3 no. 21 EStG): the
  // wage up to the year's monthly amount, scaled to the pay period, is free
  // of wage tax.
  bool Aktivrente = false;

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
  std::int64_t SonstigeBezuege = 0;   // one-off payments (taxable, in full)
  std::int64_t SVEntgeltKV = 0;       // wages liable to health and care insurance
  std::int64_t SVEntgeltRV = 0;       // wages liable to pension and unemployment insurance
  int SVTage = 0;                     // contribution days
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

  // One-off payments: the taxes on them (contained in LSt, Soli, KiSt),
  // the pro-rated ceilings to the end of the pay period and the liable
  // parts per branch; Maerzklausel where the payment belongs to the
  // previous year's last pay period.
  std::int64_t LSt_sonstig = 0, Soli_sonstig = 0, KiSt_sonstig = 0;
  std::int64_t AnteiligeBBG_KV = 0, AnteiligeBBG_RV = 0;
  std::int64_t Einmalzahlung_KV = 0, Einmalzahlung_RV = 0;
  bool Maerzklausel = false;
  // The parts of the pay: the regular wage, the one-off and the severance,
  // the company car (GWV) and other benefits in kind, tax-free payments,
  // the employer's capital-forming benefit, deferred compensation with the
  // employer's subsidy, the employee's savings amount.
  std::int64_t LaufenderLohn = 0, SonstigerBezug = 0, Abfindung = 0;
  std::int64_t GWV = 0, Sachbezug = 0, Steuerfrei = 0, VWL_AG = 0;
  std::int64_t Entgeltumwandlung = 0, BAVZuschuss_AG = 0, VWLSparbetrag = 0;
  // The gross wages: taxable, liable per branch (current and the liable
  // part of a one-off), and everything the employer grants.
  std::int64_t SteuerBrutto = 0, SVBrutto_KV = 0, SVBrutto_RV = 0, Gesamtbrutto = 0;
  // What the annual certificate needs beside the lines above (no columns of
  // their own): the severance taxed by the one-fifth rule (up to 2024) and
  // the taxes on it (contained in the one-off's), the care part of the
  // employer's subsidy to a private insurance (contained in PKVZuschuss_AG;
  // 0 where the care premium is not stated apart), and the private health
  // and care contributions the flowchart deducted (VKVLZZ and VKVSONST, up
  // to 2025).
  std::int64_t AbfindungFuenftel = 0;
  std::int64_t LSt_fuenftel = 0, Soli_fuenftel = 0, KiSt_fuenftel = 0;
  std::int64_t PKVZuschussPV_AG = 0;
  std::int64_t VKV = 0;
  // The wage left free of wage tax as Aktivrente (current wage and one-off
  // together); RE4 and SteuerBrutto are without it.
  std::int64_t Aktivrente_steuerfrei = 0;

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
// The same without a copy where no group decides: a itself, else the
// request written into platz.
const TAnfrage& MitGruppe(const TParameter& p, const TAnfrage& a, std::optional<TAnfrage>& platz);
// The request with its federal state applied: the region, Saxony and, where
// no rate was stated, the church-tax rate of the state.  Without a state the
// request as it is.  Berlin without its part counts as West (the years that
// need the part refuse it in Pruefen).
TAnfrage MitBundesland(const TAnfrage& a);
// The Aktivrente's tax-free amount of a pay period (1 year, 2 month, 3
// week, 4 day) under the year's rules; 0 for a year without.
std::int64_t AktivrenteFuerZeitraum(const TJahresRegeln& r, std::uint8_t lzz);
// The contribution group of a request (from 2014): the one given, else the
// one its inputs describe.
TBeitragsgruppe BeitragsgruppeDerAnfrage(const TParameter& p, const TAnfrage& a);

// The records a request becomes by the rules of its year: the inputs of the
// wage-tax flowchart, of the social insurance (with the rates in force) and
// the amounts beside the net wage.  What the calculation computes with, and
// what the printout states of the inputs.
struct TDatensaetze {
  TLohnZeitraum LZ;          // RE4: the taxable current wage of the pay period
  TLStEingabe LSt;
  TSVEingabe SV;
  TZusatzBetraege Zusatz;
  std::int64_t SonstigeAbzuege = 0;
  // The current wage liable to the social insurance (before the ceilings).
  std::int64_t SVEntgelt = 0;
  // The parts of the pay in the pay period: the company car's value, the
  // benefits in kind (their taxable part), deferred compensation with the
  // employer's subsidy and the parts of both free of tax and of
  // contributions.
  std::int64_t GWV = 0;
  std::int64_t SachbezugPflichtig = 0;
  std::int64_t BAVZuschuss = 0;
  std::int64_t BAVSteuerfrei = 0;
  std::int64_t BAVSVFrei = 0;
  // The Aktivrente: the part of the current wage and of the one-off left
  // out of RE4 and SONSTB.
  std::int64_t AktivrenteLaufend = 0;
  std::int64_t AktivrenteSonstig = 0;
};
// bavZuschuss: the employer's subsidy to deferred compensation (Abrechnen
// finds it from the contributions he saves).
TDatensaetze Aufbereiten(const TParameter& p, const TAnfrage& a, std::int64_t bavZuschuss = 0);

// The pay slip of one pay period.  The fronts check the request with Pruefen
// (calc/pruefung.h) first: the command line and batch refuse one with
// errors, the calculator window marks the inputs in error and shows what
// they give (a care part above its premium counts as the premium, a
// pension payment above the gross is taken as stated).  A year without a
// flowchart gives an empty result.
TMonatsErgebnis Abrechnen(const TParameter& p, const TAnfrage& a, const TJahresStand& bisher = {});

// The taxable current wage of the pay period (the flowchart's RE4): the
// regular pay with the company car, the benefits in kind and the employer's
// capital-forming benefit, less the tax-free part of deferred compensation.
// What the year so far adds up for a one-off's expected yearly wage.
std::int64_t LaufenderSteuerlohn(const TParameter& p, const TAnfrage& a);

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
const std::array<TErgebnisFeld, 62>& ErgebnisFelder();

}  // namespace lst
