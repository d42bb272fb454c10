// The pap mode on any CSV text: every data row gives one output row that
// repeats it and appends exactly the output columns of the head, all empty
// for a row with an error, all whole numbers otherwise; a row wider than
// the head is never computed.

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/pap.h"
#include "fuzz_csv.h"
#include "fuzz_pruefung.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string text(reinterpret_cast<const char*>(daten), groesse);
  std::istringstream ein(text);
  std::ostringstream aus, fehler;
  const int status = lst::pap::Strom(ein, aus, fehler);
  FUZZ_PRUEFEN(status >= 0 && status <= 2, "unbekannter Rückgabewert");
  if (status == 2) return 0;

  std::vector<std::string> zeilen;
  for (std::string z : FuzzZeilen(text)) {
    if (!z.empty() && z.back() == '\r') z.pop_back();
    // Blank as the reader sees it: blanks and tabs, and carriage returns at the end.
    std::string_view t = z;
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r')) t.remove_suffix(1);
    if (!FuzzLeer(t, " \t")) zeilen.push_back(z);
  }
  const std::vector<std::string> ausgabe = FuzzZeilen(aus.str());
  FUZZ_PRUEFEN(!zeilen.empty() && ausgabe.size() == zeilen.size(), "Zeilenzahl der Ausgabe stimmt nicht");
  const auto felder = [](std::string_view z) { return lst::pap::Felder(z).size(); };
  const std::size_t breite = felder(zeilen[0]);
  FUZZ_PRUEFEN(ausgabe[0].rfind(zeilen[0], 0) == 0, "Kopf der Ausgabe wiederholt den Kopf nicht");
  const std::size_t neu = felder(ausgabe[0]) - breite;
  FUZZ_PRUEFEN(neu > 0, "keine Ausgabespalten");
  int fehlerZeilen = 0;
  for (std::size_t i = 1; i < zeilen.size(); ++i) {
    FUZZ_PRUEFEN(ausgabe[i].rfind(zeilen[i], 0) == 0, "Ausgabezeile wiederholt die Eingabe nicht");
    const std::string_view anhang = std::string_view(ausgabe[i]).substr(zeilen[i].size());
    const auto werte = lst::pap::Felder(anhang);
    FUZZ_PRUEFEN(werte.size() == neu + 1 && werte[0].empty(), "falsche Zahl angehängter Spalten");
    bool leer = true;
    for (std::size_t j = 1; j < werte.size(); ++j) {
      leer = leer && werte[j].empty();
      for (char c : werte[j]) FUZZ_PRUEFEN((c >= '0' && c <= '9') || c == '-', "Ausgabe ist keine Zahl");
    }
    fehlerZeilen += leer;
    if (!leer) FUZZ_PRUEFEN(felder(zeilen[i]) <= breite, "Zeile breiter als der Kopf gerechnet");
  }
  FUZZ_PRUEFEN((fehlerZeilen > 0) == (status == 1), "Rückgabewert passt nicht zu den Fehlerzeilen");
  return 0;
}
