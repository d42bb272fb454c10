#pragma once
// Many employees at once: one calculation per CSV row.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ausgabe.h"
#include "cli/eingabe.h"
#include <cstdint>

namespace lst::cli {

// Splits one CSV line at the separator; fields may be quoted with "..."
// (a doubled quote inside stands for one).  False for an unclosed quote.
bool CsvFelder(std::string_view zeile, char trenner, std::vector<std::string>& felder);

// The head row of CSV input whose columns are named like the options (with
// or without "--"), and the columns a command takes beside them.
struct TCsvKopf {
  char Trenner = ';';
  char Dezimal = ',';                      // of the amounts written back
  bool TrennerAmEnde = false;              // the head row ends with a separator
  std::vector<std::string> Namen;          // the columns as the head names them
  std::vector<const TOption*> Spalten;     // per column its option, nullptr for one of the command's own
  std::vector<int> Eigene;                 // per column its number among the command's own, else -1
  std::vector<std::string_view> SpaltenNamen;  // the option's (or own column's) name
};
// Reads the head row (blank lines and a byte-order mark before it skipped);
// eigene names the columns the command takes beside the options.  Returns
// an empty string or a German message; nummer counts the lines read.
std::string KopfLesen(std::istream& ein, long& nummer, const std::vector<std::string_view>& eigene, TCsvKopf& k);

// The cells of one row, as views into the line where it needs no unquoting
// (InDerZeile), else into Texte.  Kept from row to row: no allocation per
// cell.
struct TCsvZeile {
  std::vector<std::string> Texte;
  std::vector<std::string_view> Felder;
  bool InDerZeile = false;
};
// Splits a row; an empty string, or a German message for an unclosed quote
// or a width other than the head's.
std::string ZeileLesen(const TCsvKopf& k, std::string_view zeile, TCsvZeile& z);
// Sets the options of the row's option columns (empty cells leave the
// default); an empty string or a German message.
std::string OptionenAnwenden(const TCsvKopf& k, const TCsvZeile& z, TEingabe& e);
// Whether a line holds nothing but blanks: it is no row.
bool LeereZeile(std::string_view zeile);

// One cell: quoted where it holds the separator, a quote or a line break; a
// text a spreadsheet would run as a formula gets a leading apostrophe, which
// makes it plain text there.
void FeldSchreiben(std::string& ziel, std::string_view feld, char trenner);
// Amounts in cents as "1234,56" (with dezimal '.' "1234.56"), each after a
// separator.
void BetraegeSchreiben(std::string& ziel, const std::int64_t* werte, std::size_t anzahl, char trenner, char dezimal);

// Reads CSV from ein: a header row naming options (with or without "--"),
// then one employee per row.  Writes the input columns followed by every
// result amount and a column "fehler".  vorgabe holds the options given on
// the command line, which every row starts from.  Returns 0, 1 when a row
// failed, 2 when the input as a whole cannot be read.
int Batch(const TEingabe& vorgabe, std::istream& ein, std::ostream& aus, std::ostream& fehler);

}  // namespace lst::cli
