#pragma once
// The tools of the calculator on the command line: the wage-tax table, the
// income-tax table, the income tax of one income and the tax-class
// comparison.  Each first computes the inputs as the calculator would, so
// that the tools see the same state as behind the windows.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/eingabe.h"

namespace lst::cli {

struct TWerkzeugAufruf {
  TEingabe Eingabe;
  bool Json = false;
  bool Splitting = false;
  std::vector<std::string> Argumente;
  // Options of the spouse's column of vergleich, by name without "--".
  std::vector<std::pair<std::string, std::string>> Vergleich;
};

// Whether befehl names one of the tools.
bool IstWerkzeug(const std::string& befehl);

// Runs a tool; returns the exit status: 0, or after a message on stderr 2
// for unusable options and arguments, 1 for a calculation that failed.
int WerkzeugAusfuehren(const std::string& befehl, const TWerkzeugAufruf& a);

}  // namespace lst::cli
