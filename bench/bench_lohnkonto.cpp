// A company's payroll year through lohnkonto, end to end (CSV text in, CSV
// text out): 10,000 employees x 12 months of 2026 with holiday pay in June
// and a Christmas bonus in November, the annual adjustment and the
// certificate; against the same 120,000 slips through batch, each alone.

#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "cli/batch.h"
#include "cli/eingabe.h"
#include "cli/lohnkonto.h"
#include "strom_puffer.h"

namespace {

constexpr int kMitarbeiter = 10000;

// The rows of the year; with personalnummer for lohnkonto, without for
// batch (which takes no such column).  Classes, children, church, add-on
// rates, wages from the transition zone to above the ceilings.
std::string FirmenJahr(bool mitNummer) {
  std::mt19937 zufall(42);
  std::string t = std::string(mitNummer ? "personalnummer;" : "") +
                  "jahr;monat;brutto;steuerklasse;kinderfreibetraege;kirchensteuer;kv-zusatzbeitrag;"
                  "uebergangsbereich;sonstiger-bezug\n";
  for (int n = 0; n < kMitarbeiter; ++n) {
    const int klasse = 1 + static_cast<int>(zufall() % 5);
    const bool kinder = klasse <= 4 && zufall() % 2;
    const unsigned brutto = zufall() % 10 == 0 ? 700 + zufall() % 1300 : 2000 + zufall() % 9000;
    const bool zone = brutto <= 2000;
    const std::string fest = std::string(kinder ? "1" : "") + ";" + (zufall() % 2 ? "9" : "") + ";" +
                             std::to_string(zufall() % 4) + ",5;" + (zone ? "ja" : "");
    for (int monat = 1; monat <= 12; ++monat) {
      const std::string bezug = monat == 6 ? std::to_string(brutto / 2) : monat == 11 ? std::to_string(brutto) : "";
      if (mitNummer) t += std::to_string(1000 + n) + ";";
      t += "2026;" + std::to_string(monat) + ";" + std::to_string(brutto) + ";" + std::to_string(klasse) + ";" +
           fest + ";" + bezug + "\n";
    }
  }
  return t;
}

void BM_LohnkontoFirmenjahr(benchmark::State& state) {
  static const std::string csv = FirmenJahr(true);
  TNullPuffer nichts;
  for (auto _ : state) {
    TLesePuffer text(csv);
    std::istream ein(&text);
    std::ostream aus(&nichts), fehler(&nichts);
    if (lst::cli::Lohnkonto(lst::cli::TEingabe{}, {true, true, false}, ein, aus, fehler) != 0) {
      state.SkipWithError("Lohnkonto mit Fehler");
    }
  }
  state.SetItemsProcessed(state.iterations() * kMitarbeiter * 12);
}
BENCHMARK(BM_LohnkontoFirmenjahr)->Unit(benchmark::kMillisecond);

void BM_BatchFirmenjahr(benchmark::State& state) {
  static const std::string csv = FirmenJahr(false);
  TNullPuffer nichts;
  for (auto _ : state) {
    TLesePuffer text(csv);
    std::istream ein(&text);
    std::ostream aus(&nichts), fehler(&nichts);
    if (lst::cli::Batch(lst::cli::TEingabe{}, ein, aus, fehler) != 0) state.SkipWithError("Zeile mit Fehler");
  }
  state.SetItemsProcessed(state.iterations() * kMitarbeiter * 12);
}
BENCHMARK(BM_BatchFirmenjahr)->Unit(benchmark::kMillisecond);

}  // namespace
