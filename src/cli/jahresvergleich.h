#pragma once
// "jahresvergleich": the calculation of berechnen in several tax years side
// by side, as a table (years as columns, the change between two of them in
// a column of its own), as JSON (one object per year with the members of
// berechnen --json) or as CSV (one row per year with the columns of batch).

#include <optional>
#include <string>
#include <vector>

#include "calc/jahresvergleich.h"
#include "cli/eingabe.h"

namespace lst::cli {

enum class TVergleichsAusgabe { Text, Json, Csv };

struct TJahresvergleichAufruf {
  TEingabe Eingabe;
  // The years as arguments, or a range with --von and --bis.
  std::vector<std::string> Argumente;
  std::optional<std::string> Von;
  std::optional<std::string> Bis;
  TVergleichsAusgabe Ausgabe = TVergleichsAusgabe::Text;
};

// The years asked for; returns an empty string or a German message.
std::string VergleichsjahreLesen(const TJahresvergleichAufruf& a, std::vector<int>& jahre);

// The comparison of the options: each year prepared as berechnen --jahr
// prepares it (a year whose options do not fit gets the message instead of
// figures).  Returns an empty string or a message about the call as a
// whole; the warnings of each year, named by the year, go to warnungen.
std::string JahresvergleichRechnen(const TJahresvergleichAufruf& a, TJahresvergleich& v,
                                   std::vector<std::string>* warnungen = nullptr);

std::string VergleichAlsText(const TJahresvergleich& v);
std::string VergleichAlsJson(const TJahresvergleich& v);
std::string VergleichAlsCsv(const TJahresvergleich& v);

// Runs the command; returns the exit status: 0, 1 when a year has no
// figures (its message on standard error), 2 for unusable options.
int Jahresvergleich(const TJahresvergleichAufruf& a);

}  // namespace lst::cli
