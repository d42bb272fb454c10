// pap and batch end to end (CSV text in, CSV text out) against their
// calculations alone, over the same 100,000 distinct rows of many years:
// what reading and writing cost on top of the tax.

#include <benchmark/benchmark.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/abrechnung.h"
#include "cli/batch.h"
#include "cli/eingabe.h"
#include "cli/pap.h"
#include "lohnsteuer/werk.h"
#include "strom_puffer.h"
#include "strom_puffer.h"

namespace {

constexpr int kZeilen = 100000;

// Flowchart rows of 2006 to 2026 (the newer inputs of every row), all pay
// periods and tax classes, pensions, private insurance, factors.
const std::string& PapCsv() {
  static const std::string csv = [] {
    static const char* const kJahre[] = {"2006", "2009", "2012", "2013", "2015dez", "2018", "2021",
                                         "2022",  "2023juli", "2024", "2025", "2026"};
    std::mt19937 zufall(4711);
    std::string t;
    for (const char* n : lst::pap::kEingaben) t += std::string(t.empty() ? "" : ",") + n;
    t += ",KVZ,MBV,PVA,ALV,PKPVAGZ\n";
    for (int i = 0; i < kZeilen; ++i) {
      const std::string jahr = kJahre[zufall() % std::size(kJahre)];
      const int j = std::stoi(jahr.substr(0, 4));
      const auto z = [&](unsigned bis) { return std::to_string(zufall() % bis); };
      const unsigned lzz = 1 + zufall() % 4;
      const std::string re4 = std::to_string(zufall() % (lzz == 1 ? 12000000u : 1000000u));
      const bool af = j >= 2010 && zufall() % 8 == 0;
      const bool vbez = zufall() % 8 == 0;
      const unsigned pkv = zufall() % 5 == 0 ? 1 : 0;
      t += jahr + "," + std::to_string(lzz) + "," + re4 + "," + std::to_string(1 + zufall() % 6) + "," +
           (zufall() % 3 ? "0" : "1.5") + "," + z(2) + "," + (j < 2010 || j >= 2025 ? z(2) : z(3)) + "," + z(2) +
           "," + std::to_string(2000 + zufall() % 6) + "," + (vbez ? re4 : "0") + "," + (vbez ? "80000" : "0") +
           ",0," + (vbez ? "12" : "0") + "," + (vbez ? "2004" : "0") + "," + (zufall() % 6 ? "0" : "20000") + ",0," +
           std::to_string(pkv) + "," + (pkv ? z(60000) : "0") + ",0," + z(2) + "," + (af ? "1" : "0") + "," +
           (af ? "0.912" : "1") + "," + (zufall() % 10 ? "0" : "300000") + ",0,0,0,0," + z(6000000) +
           ",0,0,0,0,0,0," + (j >= 2015 ? "1.7" : "0") + ",0," + (j >= 2024 ? z(3) : "0") + "," +
           (j >= 2026 ? z(2) : "0") + ",0\n";
    }
    return t;
  }();
  return csv;
}

// Employees of 1995 to 2026 as batch rows.
const std::string& BatchCsv() {
  static const std::string csv = [] {
    std::mt19937 zufall(815);
    static const char* const kZeitraum[] = {"", "monat", "jahr", "woche", "tag"};
    std::string t = "jahr;brutto;steuerklasse;zeitraum;kinderfreibetraege;kirchensteuer;region;bekenntnislos\n";
    for (int i = 0; i < kZeilen; ++i) {
      const int jahr = 1995 + static_cast<int>(zufall() % 32);
      const int stkl = 1 + static_cast<int>(zufall() % 6);
      t += std::to_string(jahr) + ";" + std::to_string(400 + zufall() % 9000) + "," +
           std::to_string(10 + zufall() % 90) + ";" + std::to_string(stkl) + ";" + kZeitraum[zufall() % 5] + ";" +
           (stkl <= 4 && zufall() % 2 ? "1" : "") + ";" + (zufall() % 2 ? "9" : "") + ";" +
           (jahr < 2025 && zufall() % 2 ? "ost" : "west") + ";" + (zufall() % 3 ? "" : "ja") + "\n";
    }
    return t;
  }();
  return csv;
}

// Employees of 2026 with the inputs of its social insurance: pay months,
// add-on rates, care discounts, levies, the transition zone, minijobs (a
// minijob pays no care contribution and takes no discount: 0 there).
const std::string& Batch2026Csv() {
  static const std::string csv = [] {
    std::mt19937 zufall(2026);
    std::string t =
        "jahr;monat;brutto;steuerklasse;kinderfreibetraege;pv-abschlaege;kv-zusatzbeitrag;u1;u2;"
        "uebergangsbereich;minijob;region;kirchensteuer\n";
    for (int i = 0; i < kZeilen; ++i) {
      const unsigned art = zufall() % 10;  // 0 minijob, 1-2 zone, else normal
      const int stkl = art == 0 ? 1 : 1 + static_cast<int>(zufall() % 6);
      const bool kinder = stkl <= 4 && zufall() % 2;
      const unsigned brutto = art == 0 ? 100 + zufall() % 500 : art <= 2 ? 604 + zufall() % 1396 : 1000 + zufall() % 9000;
      t += "2026;" + std::to_string(1 + zufall() % 12) + ";" + std::to_string(brutto) + "," +
           std::to_string(10 + zufall() % 90) + ";" + std::to_string(stkl) + ";" + (kinder ? "2" : "") + ";" +
           (kinder ? std::to_string(zufall() % 2 * (art != 0)) : "") + ";" +
           (art != 0 && zufall() % 2 ? std::to_string(zufall() % 4) + ",5" : "") + ";" +
           (zufall() % 3 ? "" : "1,6") + ";" + (zufall() % 3 ? "" : "0,44") + ";" + (art == 1 || art == 2 ? "ja" : "") +
           ";" + (art == 0 ? "ja" : "") + ";" + (zufall() % 4 ? "west" : "ost") + ";" + (zufall() % 2 ? "9" : "") +
           "\n";
    }
    return t;
  }();
  return csv;
}

void BM_PapEndeZuEnde(benchmark::State& state) {
  const std::string& csv = PapCsv();
  TNullPuffer nichts;
  for (auto _ : state) {
    TLesePuffer text(csv);
    std::istream ein(&text);
    std::ostream aus(&nichts), fehler(&nichts);
    if (lst::pap::Strom(ein, aus, fehler) != 0) state.SkipWithError("Zeile mit Fehler");
  }
  state.SetItemsProcessed(state.iterations() * kZeilen);
}
BENCHMARK(BM_PapEndeZuEnde)->Unit(benchmark::kMillisecond);

void BM_PapNurRechnen(benchmark::State& state) {
  std::istringstream ein(PapCsv());
  std::string zeile;
  std::getline(ein, zeile);
  lst::pap::TPapLeser leser;
  std::string fehler;
  leser.Kopf(zeile, fehler);
  std::vector<lst::pap::TPapFall> faelle;
  while (std::getline(ein, zeile)) {
    faelle.emplace_back();
    if (!leser.Lesen(zeile, faelle.back(), fehler)) state.SkipWithError(fehler.c_str());
  }
  lst::TFlussplanWerk k;
  for (auto _ : state) {
    for (const lst::pap::TPapFall& f : faelle) {
      std::array<bool, lst::pap::kAlleAusgaben> vorhanden{};
      benchmark::DoNotOptimize(lst::pap::BerechnenAlle(k, f, vorhanden));
    }
  }
  state.SetItemsProcessed(state.iterations() * kZeilen);
}
BENCHMARK(BM_PapNurRechnen)->Unit(benchmark::kMillisecond);

void BM_BatchEndeZuEnde(benchmark::State& state) {
  const std::string& csv = BatchCsv();
  TNullPuffer nichts;
  for (auto _ : state) {
    TLesePuffer text(csv);
    std::istream ein(&text);
    std::ostream aus(&nichts), fehler(&nichts);
    benchmark::DoNotOptimize(lst::cli::Batch(lst::cli::TEingabe{}, ein, aus, fehler));
  }
  state.SetItemsProcessed(state.iterations() * kZeilen);
}
BENCHMARK(BM_BatchEndeZuEnde)->Unit(benchmark::kMillisecond);

void BM_Batch2026EndeZuEnde(benchmark::State& state) {
  const std::string& csv = Batch2026Csv();
  TNullPuffer nichts;
  for (auto _ : state) {
    TLesePuffer text(csv);
    std::istream ein(&text);
    std::ostream aus(&nichts), fehler(&nichts);
    if (lst::cli::Batch(lst::cli::TEingabe{}, ein, aus, fehler) != 0) state.SkipWithError("Zeile mit Fehler");
  }
  state.SetItemsProcessed(state.iterations() * kZeilen);
}
BENCHMARK(BM_Batch2026EndeZuEnde)->Unit(benchmark::kMillisecond);

// The rows of a batch text, each read and prepared beforehand as batch does
// it (the flags of the head as "1"): the parameters of the row's year and
// month and its request; then the loop computes each slip.
void BatchNurRechnen(benchmark::State& state, const std::string& csv) {
  std::istringstream ein(csv);
  std::string zeile;
  std::getline(ein, zeile);
  std::vector<std::string> kopf, felder;
  lst::cli::CsvFelder(zeile, ';', kopf);
  std::vector<const lst::cli::TOption*> optionen;
  for (const std::string& name : kopf) {
    for (const lst::cli::TOption& o : lst::cli::Optionen()) {
      if (name == o.Name) optionen.push_back(&o);
    }
  }
  if (optionen.size() != kopf.size()) state.SkipWithError("unbekannte Spalte");
  struct TVorbereitet {
    lst::TParameter P;
    lst::TAnfrage A;
  };
  std::vector<TVorbereitet> faelle;
  while (std::getline(ein, zeile)) {
    lst::cli::CsvFelder(zeile, ';', felder);
    lst::cli::TEingabe e;
    for (std::size_t i = 0; i < felder.size() && i < optionen.size(); ++i) {
      if (felder[i].empty()) continue;
      const bool schalter = !optionen[i]->MitWert;
      if (!lst::cli::OptionSetzen(e, kopf[i], schalter ? "1" : felder[i]).empty()) {
        state.SkipWithError("Zeile nicht gelesen");
      }
    }
    TVorbereitet v;
    if (!lst::cli::Vorbereiten(e, v.P, v.A).empty()) state.SkipWithError("Zeile nicht vorbereitet");
    faelle.push_back(std::move(v));
  }
  for (auto _ : state) {
    for (const TVorbereitet& v : faelle) {
      const lst::TMonatsErgebnis erg = lst::Abrechnen(v.P, v.A);
      benchmark::DoNotOptimize(erg);
    }
  }
  state.SetItemsProcessed(state.iterations() * kZeilen);
}

// BM_BatchEndeZuEnde against this and BM_Batch2026EndeZuEnde against
// BM_Batch2026NurRechnen: what batch costs on top of the calculations.
void BM_BatchNurRechnen(benchmark::State& state) { BatchNurRechnen(state, BatchCsv()); }
BENCHMARK(BM_BatchNurRechnen)->Unit(benchmark::kMillisecond);

void BM_Batch2026NurRechnen(benchmark::State& state) { BatchNurRechnen(state, Batch2026Csv()); }
BENCHMARK(BM_Batch2026NurRechnen)->Unit(benchmark::kMillisecond);

}  // namespace
