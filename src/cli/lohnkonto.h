#pragma once
// The payroll year of many employees: one CSV row per employee and pay
// month in, every month's slip and the year's sum out.

#include <functional>
#include <iosfwd>
#include <string>

#include "calc/lohnjahr.h"
#include "cli/eingabe.h"

namespace lst::cli {

struct TLohnkontoOptionen {
  bool Jahresausgleich = false;  // the employer's annual adjustment in December
  bool Bescheinigung = false;    // the lines of the annual wage-tax certificate
  bool Json = false;             // a JSON list of the employees instead of CSV
};

// Reads CSV from ein: a head row naming the column "monat" (1 to 12), the
// optional columns "personalnummer" (rows of one number are one employee;
// without the column every row belongs to one), "eintritt" and "austritt"
// (dates), "unterbrechung" (ja: letter U) and "lohnersatz" (amount), and
// every other column named like an option of berechnen.  vorgabe holds the
// options of the command line, which every row starts from.  Writes per
// employee one row per month of the employment (a month without a row
// repeats the previous one) and a row "summe".  Returns 0, 1 when an
// employee's year could not be computed, 2 when the input as a whole
// cannot be read.
int Lohnkonto(const TEingabe& vorgabe, const TLohnkontoOptionen& o, std::istream& ein, std::ostream& aus,
              std::ostream& fehler);

// One employee's computed year as the printout takes it.
struct TGerechnetesLohnjahr {
  std::string Personalnummer;  // empty without the column
  bool Euro = true;
  TLohnjahr Jahr;
};

// Reads ein as Lohnkonto does, with the same messages to fehler, and hands
// each employee's computed year to jahr in the order of the input.  The
// status is Lohnkonto's: a caller that needs every year takes only 0.
int LohnjahreRechnen(const TEingabe& vorgabe, const TLohnkontoOptionen& o, std::istream& ein,
                     std::ostream& fehler, const std::function<void(TGerechnetesLohnjahr&&)>& jahr);

}  // namespace lst::cli
