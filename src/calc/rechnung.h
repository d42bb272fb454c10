#pragma once
// One calculation as every front asks for it: the calculator window gathers
// its controls into it, the command line its options, batch each row.  The
// fronts state what the user chose; RegelnAnwenden turns that into the
// records the core computes with, by the rules of the tax year, so that the
// window and the command line cannot drift apart.

#include <cstdint>
#include <optional>
#include <string>

#include "calc/datensaetze.h"
#include "calc/kontext.h"
#include "calc/sozialversicherung.h"

namespace lst {

struct TRechnung {
  // ---- when, in which currency, from whose side --------------------------------
  int Jahr = kLetztesJahr;
  int Monat = 12;              // pay month 1..12: chooses the flowchart from 2014
  int Version = -1;            // a flowchart of kLStVersionen named outright, or -1
  bool EuroAnzeige = true;     // amounts typed and shown in Euro (false: DM)
  bool ArbeitnehmerSicht = true;
  int Grundfreibetrag = 8130;  // basic allowance of the 2013 tariff: 8004 or 8130

  // ---- stated by the front; amounts in cents of the year's currency -----------
  // Pay period and gross wage.
  TLohnZeitraum LZ;
  // The wage-tax inputs.  The front fills everything but KVZ, PVZ and PVA,
  // which the rules derive from the social-insurance inputs below.
  TLStEingabe LSt;
  // Employment type (TBeschaeftigung): its row of the context's rate table
  // supplies the rates.
  int Beschaeftigung = beNV;
  std::uint8_t Region = rgWest;
  bool Sachsen = false;
  // The care rates of Saxony as the user typed them; without, the rules
  // derive them from the row's care rates.
  std::optional<TSatzPaar> SachsenPV;
  bool Aufstockung = false;    // pension top-up of marginal employment
  bool Gleitzone = false;
  bool RVVerzicht = false;     // no reduction of the pension share in the zone
  // Whether the employee wants the health surcharge and the care surcharge of
  // the childless where the year and the person have them (the window's
  // boxes; the command line's --ohne-kv-zuschlag, --ohne-pv-zuschlag and
  // class II).
  bool KVZuschlag = true;
  bool PVZuschlag = true;
  // Additional health rate of the fund in percent (from 2015); without, the
  // year's average.
  std::optional<double> KVZusatz;
  int PVAbschlaege = 0;        // care discounts for the 2nd to 5th child
  // The employer's levies U1 and U2 as fractions (from 2014); negative: the
  // default (the minijob office's rates in marginal employment, else 0).
  double U1 = -1.0;
  double U2 = -1.0;
  // Private health and care insurance: 0 statutory, 1 private, 2 private
  // with the employer's subsidy; the monthly premium in cents, and its care
  // part where the premiums are given apart.
  std::uint8_t Privat = 0;
  std::int64_t PrivatBeitrag = 0;
  std::optional<std::int64_t> PrivatBeitragPV;
  // The employer's monthly subsidy to the private insurance as paid (from
  // 2026, where the flowchart takes it as an amount); without, the one the
  // law gives.  Given, the insurance is one with subsidy.
  std::optional<std::int64_t> AGZuschussBetrag;
  // The contribution group (from 2014).  Given, it decides the employment
  // type, the top-up, private insurance and the special table
  // (BeitragsgruppeUebernehmen); without, the group those inputs describe
  // applies.
  std::optional<TBeitragsgruppe> Beitragsgruppe;
  // Child benefit of the pay period; without, the year's benefit for the
  // child allowances.
  std::optional<std::int64_t> Kindergeld;
  std::int64_t AGZusatz = 0;
  // What the other deductions are, as the pay slip names them.
  std::string SonstigeBezeichnung = "Sonstiges";

  // ---- derived by RegelnAnwenden -------------------------------------------------
  TSVEingabe SV;
  TZusatzBetraege Zusatz;
  std::int64_t SonstigeAbzuege = 0;  // stated; kept here beside the other amounts
};

// A request with the result of its last calculation: what the calculator
// window shows, and what the tools and the printout read.
struct TAbrechnung {
  TRechnung Rechnung;
  TGesamtErgebnis Ergebnis;
};

// Sets what the context needs before amounts are converted and the year's
// rates loaded: year, pay month, flowchart, display currency, view and the
// basic allowance.  Returns an empty string, or a German message for a year
// without a program or a flowchart of another year.
std::string KontextEinstellen(TRechenKontext& k, const TRechnung& r);

// Applies the year's input rules to the stated inputs and fills r.SV,
// r.Zusatz and the derived wage-tax inputs, with the rates of the employment
// type from k.SVSatzTabelle.  An input the year or the person does not have
// is left out (the fronts refuse or disable it beforehand).  Calls
// KontextEinstellen and returns its message.
std::string RegelnAnwenden(TRechenKontext& k, TRechnung& r);
// The same rules for a context that KontextEinstellen has already set for r.
void EingabeRegelnAnwenden(TRechenKontext& k, TRechnung& r);

// The contribution group of a request: the one given, else the one its
// employment type, top-up, private insurance and table describe.
TBeitragsgruppe BeitragsgruppeDerRechnung(const TRechnung& r);
// Sets the employment type, the top-up, private insurance and the table of
// r from its contribution group (where one is given) and checks the group
// for the year and pay month; returns an empty string or a German message.
std::string BeitragsgruppeUebernehmen(TRechnung& r);


// The whole calculation of a prepared request; returns AGGesamtPlus.
std::int64_t GesamtBerechnen(TRechenKontext& k, const TRechnung& r, TGesamtErgebnis& erg);
// The taxes alone (the years without social insurance).
std::int64_t SteuerBerechnen(TRechenKontext& k, const TRechnung& r, TLStErgebnis& erg);

}  // namespace lst
