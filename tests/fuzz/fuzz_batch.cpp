// The batch mode on any CSV text: every data row gives exactly one output
// row of the width of the output head; a row without error repeats its input
// fields in their columns (a text that a spreadsheet would run as a formula
// with an apostrophe in front) and carries every result, a row with an error
// carries none.  A row of a year with wage tax only carries the tax results,
// none of the others, and a note in the column "fehler"; it is no error.
// The text columns after the amounts: the currency in every computed row,
// the flowchart and the contribution group where the year has them.

#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ausgabe.h"
#include "cli/batch.h"
#include "cli/eingabe.h"
#include "fuzz_csv.h"
#include "fuzz_pruefung.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string text(reinterpret_cast<const char*>(daten), groesse);
  if (FuzzNenntEinstellungen(text)) return 0;

  std::istringstream ein(text);
  std::ostringstream aus, fehler;
  const int status = lst::cli::Batch(lst::cli::TEingabe{}, ein, aus, fehler);
  FUZZ_PRUEFEN(status >= 0 && status <= 2, "unbekannter Rückgabewert");
  if (status == 2) return 0;

  // The input as Batch reads it: the head is the first line that is not blank.
  std::vector<std::string> zeilen = FuzzZeilen(text);
  std::size_t k = 0;
  for (; k < zeilen.size(); ++k) {
    if (zeilen[k].rfind("\xEF\xBB\xBF", 0) == 0) zeilen[k].erase(0, 3);
    if (!FuzzLeer(zeilen[k], " \t\r")) break;
  }
  FUZZ_PRUEFEN(k < zeilen.size(), "Ergebnis ohne Kopfzeile");
  // The separator as Batch takes it: ',' only where the head row has a comma
  // and no semicolon; a head row with neither is one column of ';'.
  const char trenner =
      zeilen[k].find(';') == std::string::npos && zeilen[k].find(',') != std::string::npos ? ',' : ';';
  std::vector<std::string> kopf;
  lst::cli::CsvFelder(zeilen[k], trenner, kopf);
  if (kopf.size() > 1 && FuzzLeer(kopf.back(), " \t\r")) kopf.pop_back();
  std::vector<std::string> daten_;
  for (std::size_t i = k + 1; i < zeilen.size(); ++i) {
    if (!FuzzLeer(zeilen[i], " \t\r")) daten_.push_back(zeilen[i]);
  }

  const std::vector<std::string> ausgabe = FuzzZeilen(aus.str());
  FUZZ_PRUEFEN(ausgabe.size() == daten_.size() + 1, "Zeilenzahl der Ausgabe stimmt nicht");
  std::vector<std::string> kopfAus;
  FUZZ_PRUEFEN(lst::cli::CsvFelder(ausgabe[0], trenner, kopfAus), "Kopf der Ausgabe unlesbar");
  FUZZ_PRUEFEN(kopfAus.size() > kopf.size() + 1 && kopfAus.back() == "fehler", "Kopf der Ausgabe falsch");
  const std::size_t ergebnisse = kopfAus.size() - kopf.size() - 1;
  const std::size_t steuern = lst::cli::kSteuerAnzahl;
  // "Zeile N: nur Steuern (…": the note of a row with wage tax only.
  const auto nurSteuern = [](std::string_view f) {
    if (f.rfind("Zeile ", 0) != 0) return false;
    f.remove_prefix(6);
    std::size_t n = 0;
    while (n < f.size() && f[n] >= '0' && f[n] <= '9') ++n;
    return n > 0 && f.substr(n).rfind(": nur Steuern (Programmablaufplan ", 0) == 0;
  };
  int fehlerZeilen = 0;
  for (std::size_t i = 0; i < daten_.size(); ++i) {
    std::vector<std::string> felder;
    FUZZ_PRUEFEN(lst::cli::CsvFelder(ausgabe[i + 1], trenner, felder), "Ausgabezeile unlesbar");
    FUZZ_PRUEFEN(felder.size() == kopfAus.size(), "Ausgabezeile hat eine andere Breite als ihr Kopf");
    const bool steuerZeile = nurSteuern(felder.back());
    const bool fehlerhaft = !felder.back().empty() && !steuerZeile;
    fehlerZeilen += fehlerhaft;
    for (std::size_t j = kopf.size(); j + 1 < felder.size(); ++j) {
      // The amounts, then the texts: the currency always, the flowchart
      // (also of a row with wage tax only) and the contribution group from
      // 2014 only.
      const std::string& name = kopfAus[j];
      const bool betrag = j - kopf.size() < lst::cli::kErgebnisAnzahl;
      const bool abJahr = name == "Programmablaufplan" || name == "Beitragsgruppe";
      if (!fehlerhaft && !steuerZeile && abJahr) continue;
      const bool leer = fehlerhaft || (steuerZeile && (betrag ? j - kopf.size() >= steuern : name == "Beitragsgruppe"));
      FUZZ_PRUEFEN(felder[j].empty() == leer, "Ergebnis und Fehler zugleich, oder keins von beiden");
    }
    if (!fehlerhaft) {
      std::vector<std::string> eingabe;
      lst::cli::CsvFelder(daten_[i], trenner, eingabe);
      if (eingabe.size() == kopf.size() + 1 && FuzzLeer(eingabe.back(), " \t\r")) eingabe.pop_back();
      FUZZ_PRUEFEN(eingabe.size() == kopf.size(), "Zeile anderer Breite ohne Fehler gerechnet");
      for (std::size_t j = 0; j < kopf.size(); ++j) {
        // A text a spreadsheet would run as a formula comes back with an
        // apostrophe in front.
        const bool formel = !eingabe[j].empty() && std::string_view("=+-@").find(eingabe[j][0]) != std::string_view::npos;
        FUZZ_PRUEFEN(felder[j] == eingabe[j] || (formel && felder[j] == "'" + eingabe[j]),
                     "Eingabefeld in der Ausgabe verschoben");
        if (!formel) FUZZ_PRUEFEN(felder[j] == eingabe[j], "Eingabefeld in der Ausgabe verschoben");
      }
    }
  }
  (void)ergebnisse;
  FUZZ_PRUEFEN((fehlerZeilen > 0) == (status == 1), "Rückgabewert passt nicht zu den Fehlerzeilen");
  return 0;
}
