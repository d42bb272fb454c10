// lohnkonto on any CSV text: every output row has the width of the output
// head; per employee the month rows, then one row "summe"; where the year
// was computed, the sum row's amounts are the sums of its month rows; a
// row with a message in "fehler" carries no amounts; the return value says
// whether any employee failed.

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/ausgabe.h"
#include "cli/batch.h"
#include "cli/eingabe.h"
#include "cli/lohnkonto.h"
#include "geld/zahlen.h"
#include "fuzz_csv.h"
#include "fuzz_pruefung.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string text(reinterpret_cast<const char*>(daten), groesse);
  if (FuzzNenntEinstellungen(text)) return 0;

  std::istringstream ein(text);
  std::ostringstream aus, fehler;
  const int status = lst::cli::Lohnkonto(lst::cli::TEingabe{}, {true, true, false}, ein, aus, fehler);
  FUZZ_PRUEFEN(status >= 0 && status <= 2, "unbekannter Rückgabewert");
  if (status == 2) {
    FUZZ_PRUEFEN(aus.str().empty(), "Ausgabe trotz unlesbarer Eingabe");
    return 0;
  }
  const std::vector<std::string> zeilen = FuzzZeilen(aus.str());
  FUZZ_PRUEFEN(!zeilen.empty(), "keine Kopfzeile");
  // The output's separator is the input's.
  const char trenner = zeilen[0].find(';') != std::string::npos ? ';' : ',';
  std::vector<std::string> kopf;
  FUZZ_PRUEFEN(lst::cli::CsvFelder(zeilen[0], trenner, kopf), "Kopf der Ausgabe unlesbar");
  FUZZ_PRUEFEN(kopf.back() == "fehler", "Kopf der Ausgabe endet nicht mit fehler");
  std::size_t monat = 0;
  while (monat < kopf.size() && kopf[monat] != "monat") ++monat;
  FUZZ_PRUEFEN(monat < kopf.size(), "keine Spalte monat");
  const std::size_t erster = monat + 2;  // after monat and eingabezeile
  const auto cent = [&](const std::string& zelle) {
    std::string t = zelle;
    if (trenner == ',') {
      for (char& c : t) c = c == '.' ? ',' : c;
    }
    const auto b = lst::BetragLesen(t);
    FUZZ_PRUEFEN(b.has_value(), "Betrag unlesbar");
    return static_cast<std::int64_t>(*b * 100 + (*b < 0 ? -0.5 : 0.5));
  };
  std::vector<std::int64_t> summe(lst::cli::kErgebnisAnzahl, 0);
  bool fehlerhaft = false, offen = false, gerechnet = false;
  for (std::size_t i = 1; i < zeilen.size(); ++i) {
    std::vector<std::string> felder;
    FUZZ_PRUEFEN(lst::cli::CsvFelder(zeilen[i], trenner, felder), "Ausgabezeile unlesbar");
    FUZZ_PRUEFEN(felder.size() == kopf.size(), "Ausgabezeile hat eine andere Breite als ihr Kopf");
    const bool mitFehler = !felder.back().empty();
    fehlerhaft = fehlerhaft || mitFehler;
    if (mitFehler) FUZZ_PRUEFEN(felder[erster].empty(), "Fehler und Ergebnis zugleich");
    if (felder[monat] != "summe") {
      offen = true;
      if (!mitFehler) {
        gerechnet = true;
        for (std::size_t w = 0; w < lst::cli::kErgebnisAnzahl; ++w) summe[w] += cent(felder[erster + w]);
      }
      continue;
    }
    FUZZ_PRUEFEN(offen || mitFehler, "Summe ohne Monate");
    if (!mitFehler) {
      FUZZ_PRUEFEN(gerechnet, "Summe ohne gerechnete Monate");
      for (std::size_t w = 0; w < lst::cli::kErgebnisAnzahl; ++w) {
        FUZZ_PRUEFEN(cent(felder[erster + w]) == summe[w], "Summe ist nicht die Summe der Monate");
      }
    }
    summe.assign(summe.size(), 0);
    offen = gerechnet = false;
  }
  FUZZ_PRUEFEN(!offen, "Monate ohne Summenzeile");
  FUZZ_PRUEFEN(fehlerhaft == (status == 1), "Rückgabewert passt nicht zu den Fehlerzeilen");
  return 0;
}
