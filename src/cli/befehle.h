#pragma once
// The commands and options of lohnsteuer-cli in one table: the reader of
// the options looks them up here, --help lists them, and the manual page
// and the bash completion are generated from the same entries, so that
// none of them can name an option the others do not know.

#include <string>
#include <string_view>
#include <vector>

namespace lst::cli {

struct TBefehl {
  const char* Name;
  const char* Argumente;  // what follows the name in the help, e.g. "BETRAG"
  const char* Hilfe;      // the help's text
  const char* Handbuch;   // the manual page's paragraph (blank lines divide it)
  bool Rechnung;          // takes the options of the calculation
};
const std::vector<TBefehl>& Befehle();

// What an option does to the call.
enum class TOptionsArt {
  Rechnung,   // an input of the calculation (Optionen(), batch columns)
  Json,
  Pdf,
  Splitting,
  Lohnkonto,        // drucken: the payroll year from standard input
  Jahresausgleich,  // the annual adjustment of lohnkonto
  Bescheinigung,    // the certificate's lines of lohnkonto
  Csv,              // jahresvergleich: CSV rows
  Von,              // jahresvergleich: the first year
  Bis,              // jahresvergleich: the last year
  Vergleich,  // the spouse's column of vergleich
  Hilfe,
  Version,
};

struct TAufrufOption {
  std::string Name;   // without the dashes
  std::string Wert;   // "WERT", "DATEI"; empty for a switch
  std::string Hilfe;
  TOptionsArt Art;
  // The commands that take it; empty for an input of the calculation,
  // which every command with Rechnung takes.
  std::vector<std::string> Befehle;
};

// Every option in the order of --help: the inputs of the calculation, then
// those of single commands.
const std::vector<TAufrufOption>& AufrufOptionen();
const TAufrufOption* FindeAufrufOption(std::string_view name);

// The options a command takes (the names without dashes), in the order of
// --help; none for a command that takes none.
std::vector<std::string> OptionenDesBefehls(std::string_view befehl);

// The values the shell completion offers for an option's value (empty:
// none to offer); every one is a value the option takes.
std::vector<std::string> Wertvorschlaege(std::string_view option);

// Whether an option's value is a file name.
bool DateiWert(std::string_view option);

// The text of lohnsteuer-cli --help.
std::string HilfeText();

}  // namespace lst::cli
