#pragma once
// Results of one calculation as text, JSON or CSV cells.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/abrechnung.h"
#include "calc/anzeige.h"
#include "cli/eingabe.h"

namespace lst::cli {

// Every result amount by the record's field names, in cents of the year's
// currency: RE4, the tax record, the social-insurance entries, Netto,
// AGGesamt, Auszahlung, AGGesamtPlus, then the reduced bases of the zone BE
// and BE_AN, the employer's levies U1_AG, U2_AG, IGU_AG and AGGesamtUmlagen.
std::vector<std::pair<std::string, std::int64_t>> ErgebnisFelder(const TMonatsErgebnis& m);

// The same amounts without their names, in the same order, for writers that
// put many rows out (batch): no allocation per row.  The first
// kSteuerAnzahl are the tax fields (SteuerFelder).
constexpr std::size_t kSteuerAnzahl = 13;
constexpr std::size_t kErgebnisAnzahl = kSteuerAnzahl + 2 * svAnzahl + 13 + 22;
using TErgebnisWerte = std::array<std::int64_t, kErgebnisAnzahl>;
// The names of the amounts, in that order.
const std::array<const char*, kErgebnisAnzahl>& ErgebnisNamen();
void ErgebnisWerte(const TMonatsErgebnis& m, TErgebnisWerte& werte);

// The members of a result that are text, in the order of the JSON object
// (there before the amounts, in batch after them): the currency of the
// amounts, and from 2014 the key of the flowchart that ran and the
// contribution group in force.
// Then whether a one-off payment was assigned to the previous year (March
// clause): "ja" or "nein" where the year has its social insurance.
constexpr std::size_t kTextAnzahl = 4;
using TTextWerte = std::array<std::string, kTextAnzahl>;
const std::array<const char*, kTextAnzahl>& TextNamen();
// The texts of a calculation in that order; empty where the year has none.
void TextWerte(const TAbrechnungsStand& s, TTextWerte& werte);
// The same texts appended to a CSV row, each after the separator, without a
// string per cell: none of them holds a separator, a quote or a sign a
// spreadsheet would read as a formula.
void TexteAnhaengen(std::string& zeile, char trenner, const TAbrechnungsStand& s);
// The key of the flowchart of the parameters ("2024dez"; the year where the
// year has one flowchart of its own).
std::string Programmablaufplan(const TParameter& p);

// The amounts of one calculation in cents of the currency the user types
// and reads ("EUR", or "DM" with --dm), whatever the currency of the year.
struct TAnzeige {
  std::string Waehrung;
  std::vector<std::pair<std::string, std::int64_t>> Felder;  // as ErgebnisFelder
  std::int64_t SonstigeAbzuege = 0;
  std::int64_t Kindergeld = 0;
  // The year's rule periods carry the levies (from 2014): the text shows
  // them; the name of the zone in the pay month.
  bool Umlagen = false;
  std::string Zone = "Gleitzone";
  // The key of the flowchart that ran, where the pay month chooses it (from
  // 2014); empty before.
  std::string Programmablaufplan;
  // The contribution group in force ("1111", from 2014); empty before.
  std::string Beitragsgruppe;
  // A one-off payment assigned to the previous year (March clause).
  bool Maerzklausel = false;
  std::int64_t Wert(std::string_view name) const;
};

// The amounts the user typed (gross wage, other deductions, child benefit)
// in cents of the display currency, as typed; none without getippt.
TGetippteBetraege GetippteBetraege(const TEingabe* getippt);

// Converts the result (calc/anzeige.h: each line once, the sums from the
// shown lines).  With getippt, the amounts the user typed (gross wage,
// other deductions, child benefit) are shown as typed rather than converted
// there and back; without, the gross is the one found by a search.
TAnzeige Anzeigen(const TAbrechnungsStand& s, const TEingabe* getippt);
// The amounts of Anzeigen(...).Felder alone.
void AnzeigeWerte(const TAbrechnungsStand& s, const TEingabe* getippt, TErgebnisWerte& werte);

// One JSON object: "Waehrung", from 2014 "Programmablaufplan" and
// "Beitragsgruppe", then every field of the display and "Maerzklausel"
// (true or false); zusatz is appended as further members (without a
// leading comma).
std::string AlsJson(const TAnzeige& a, const std::string& zusatz = {});

// The result lines of the calculator window, employee and employer side by
// side, under the flowchart and the contribution group (from 2014).  Each
// contribution line is part of the sum below them; the pension top-up of a
// minijob, which is the employee's pension share, is named on a line
// "davon Aufstockung" below it, outside the sum.
//
// With pay beside the regular wage (a one-off, severance, benefits in kind,
// tax-free pay, capital-forming benefits, deferred compensation) the gross
// is shown by its parts with "Gesamtbrutto", "Steuerbrutto" and
// "SV-Brutto", the one-off's taxes as "davon" notes below each tax, what is
// not paid out below the contributions, and the "Auszahlungsbetrag" last.
std::string AlsText(const TAnzeige& a, bool pauschsteuer);
// Whether a result has pay beside the regular wage.
bool HatLohnteile(const TAnzeige& a);

// A year with wage tax but without its social insurance: the tax lines, the flowchart
// used and a note that the social insurance is missing.
std::string AlsTextNurSteuer(const TAbrechnungsStand& s);
// The same as JSON: "Waehrung", "Programmablaufplan", RE4 and the taxes.
std::string AlsJsonNurSteuer(const TAbrechnungsStand& s);

}  // namespace lst::cli
