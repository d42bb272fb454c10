#pragma once
// The amounts of a result as the user reads them: in cents of the display
// currency.  The calculation keeps the year's currency (pfennigs up to 2001,
// cents of Euro from 2002); when the display currency is the other one,
// every line is converted once and rounded to the cent, and every sum is
// formed from the converted lines, so that the lines on the screen add up
// to the sums on the screen.  The command line, the calculator window and
// the net-to-gross search all read their amounts from here.

#include <cstdint>
#include <optional>
#include <string>

#include "calc/abrechnung.h"
#include "calc/datensaetze.h"

namespace lst {

// Amounts the user typed, in cents of the display currency.  They are shown
// as typed instead of being converted there and back.
struct TGetippteBetraege {
  std::optional<std::int64_t> Brutto;
  std::optional<std::int64_t> SonstigeAbzuege;
  std::optional<std::int64_t> Kindergeld;
};

// Whether the display currency (Euro or DM) differs from the year's.
bool AnzeigeUmgerechnet(int jahr, bool euro);
// An amount of the year's currency in cents of the display currency.
std::int64_t AnzeigeCent(int jahr, bool euro, std::int64_t cent);
// An amount typed in cents of the display currency in cents of the year's.
std::int64_t AusAnzeigeCent(int jahr, bool euro, std::int64_t anzeigeCent);
// A typed amount of the display currency (as the fields and options read
// it) in cents of the year's currency.
std::int64_t InCent(int jahr, bool euro, double betrag);
// The bounds of a range of stored amounts as the user can type them: the
// smallest shown amount whose stored amount is at least cent, and the
// largest shown amount whose stored amount is at most cent.  A range shown
// from AnzeigeUntergrenze(von) to AnzeigeObergrenze(bis) holds exactly the
// typed amounts that fall into von..bis; adjacent ranges stay adjacent.
std::int64_t AnzeigeUntergrenze(int jahr, bool euro, std::int64_t cent);
std::int64_t AnzeigeObergrenze(int jahr, bool euro, std::int64_t cent);
// "EUR" or "DM".
const char* Waehrungszeichen(bool euro);
// An amount of the year's currency in whole units of the display currency,
// unrounded (what a field or the printout formats with two decimals).
double AnzeigeWert(int jahr, bool euro, std::int64_t cent);

// A whole result in cents of the display currency: every line converted
// once, every sum formed from the shown lines; the typed amounts as typed.
TMonatsErgebnis AnzeigeErgebnis(const TParameter& p, bool euro, const TMonatsErgebnis& m,
                                const TGetippteBetraege& getippt = {});

}  // namespace lst
