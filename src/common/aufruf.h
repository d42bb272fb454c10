#pragma once
// What the programs say about how they are called: a help's two columns,
// the version line, and the few options of the window.  The commands and
// options of the command line are in cli/befehle.h; the manual pages and
// the shell completion are generated from the same tables.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lst {

// Characters of UTF-8 text (the help's columns count them, not bytes).
std::size_t Zeichen(std::string_view text);

// One line of a help's list: what stands on the left ("--brutto WERT",
// "wunschnetto BETRAG") and what it does.
struct THilfeEintrag {
  std::string Links;
  std::string Text;
};

// The entries indented by two, their texts in one column: spalte, or (0)
// two blanks after the longest left side.  A left side that leaves less
// than two blanks before the column stands on a line of its own.  Texts are
// wrapped at blanks within breite characters.
std::string HilfeSpalten(const std::vector<THilfeEintrag>& eintraege, std::size_t spalte = 0,
                         std::size_t breite = 80);

// "programm 1.2.3.4" and a line end: the answer to --version.
std::string VersionsZeile(std::string_view programm);

// An option of the window "lohnsteuer" (besides Qt's own).
struct TFensterOption {
  const char* Name;   // with its dashes
  const char* Hilfe;
};
const std::vector<TFensterOption>& FensterOptionen();

// The window's --help.
std::string FensterHilfe();

// Answers --help and --version of the window before Qt reads the arguments
// (and before it looks for a display); the exit status where it did, else
// nothing, and the window starts.
std::optional<int> FensterAufrufBeantworten(int argc, char** argv);

}  // namespace lst
