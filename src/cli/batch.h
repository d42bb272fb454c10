#pragma once
// Many employees at once: one calculation per CSV row.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ausgabe.h"
#include "cli/eingabe.h"

namespace lst::cli {

// Splits one CSV line at the separator; fields may be quoted with "..."
// (a doubled quote inside stands for one).  False for an unclosed quote.
bool CsvFelder(std::string_view zeile, char trenner, std::vector<std::string>& felder);

// One cell as batch writes it: quoted where it holds the separator, a quote
// or a line break; a text a spreadsheet would run as a formula with a
// leading apostrophe.
void FeldSchreiben(std::string& ziel, std::string_view feld, char trenner);
// The first anzahl amounts (cents) as "1234,56" (with the decimal mark
// dezimal), each after the separator.
void BetraegeSchreiben(std::string& ziel, const TErgebnisWerte& werte, std::size_t anzahl, char trenner,
                       char dezimal);

// Reads CSV from ein: a header row naming options (with or without "--"),
// then one employee per row.  Writes the input columns followed by every
// result amount and a column "fehler".  vorgabe holds the options given on
// the command line, which every row starts from.  Returns 0, 1 when a row
// failed, 2 when the input as a whole cannot be read.
int Batch(const TEingabe& vorgabe, std::istream& ein, std::ostream& aus, std::ostream& fehler);

}  // namespace lst::cli
