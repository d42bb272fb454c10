#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/abrechnung.h"
#include "calc/berechnung.h"
#include "calc/sozialversicherung.h"
#include "cli/batch.h"
#include "cli/pap.h"

namespace {

// A request with the parameters of its month.
struct Abrechnung {
  const lst::TParameter* p = nullptr;
  lst::TAnfrage a;
};

// 2013 (basic allowance 8130), normal employment, monthly wages from 400 to
// 9,400 EUR, the sliding zone where the wage lies in it.
std::vector<Abrechnung> Abrechnungen(int anzahl) {
  std::mt19937 zufall(42);
  std::vector<Abrechnung> faelle;
  for (int i = 0; i < anzahl; ++i) {
    Abrechnung f;
    f.p = &lst::StandardParameter(2013, 12);
    lst::TAnfrage& a = f.a;
    a.LZZ = 2;
    a.Brutto = 40000 + zufall() % 900000;
    a.STKL = static_cast<std::uint8_t>(1 + zufall() % 6);
    a.ZKF = a.STKL <= 4 ? (zufall() % 4) * 0.5f : 0;
    a.Bekenntnislos = zufall() % 3 == 0;
    a.KiStSatz = 0.09;
    a.Region = static_cast<std::uint8_t>(zufall() % 2);
    a.Gleitzone = a.Brutto > 45000 && a.Brutto <= 85000;
    faelle.push_back(f);
  }
  return faelle;
}

void BM_Abrechnen(benchmark::State& state) {
  const auto faelle = Abrechnungen(1024);
  std::size_t i = 0;
  for (auto _ : state) {
    const Abrechnung& f = faelle[i++ & 1023];
    benchmark::DoNotOptimize(lst::Abrechnen(*f.p, f.a).AGGesamtPlus);
  }
}
BENCHMARK(BM_Abrechnen);

// 2026 over distinct inputs: normal employment with add-on rates, care
// discounts and Saxony, the transition zone and minijobs with their levies.
std::vector<Abrechnung> Abrechnungen2026(int anzahl) {
  std::mt19937 zufall(2026);
  std::vector<Abrechnung> faelle;
  for (int i = 0; i < anzahl; ++i) {
    Abrechnung f;
    lst::TAnfrage& a = f.a;
    a.LZZ = 2;
    const int art = static_cast<int>(zufall() % 8);
    const int typ = art == 0 ? lst::beGF : art == 1 ? lst::beHH : lst::beNV;
    a.Brutto = typ != lst::beNV ? 10000 + zufall() % 50300
               : art == 2    ? 60301 + zufall() % 139699  // transition zone
                             : 200001 + zufall() % 1000000;
    a.STKL = static_cast<std::uint8_t>(1 + zufall() % 6);
    a.ZKF = a.STKL <= 4 ? (zufall() % 4) * 0.5f : 0;
    a.Bekenntnislos = zufall() % 3 == 0;
    a.KiStSatz = 0.09;
    f.p = &lst::StandardParameter(2026, static_cast<int>(1 + zufall() % 12));
    a.Beschaeftigung = typ;
    if (typ == lst::beNV) {
      a.KVZusatz = 2.2 + (zufall() % 20) * 0.1;
      if (a.ZKF > 0) a.PVAbschlaege = static_cast<int>(zufall() % 5);
      a.Sachsen = zufall() % 10 == 0;
      if (a.Sachsen) a.Region = lst::rgOst;
      a.Gleitzone = art == 2;
    } else {
      a.PauschSatz = 0.02;
      a.Aufstockung = zufall() % 2 == 0;
    }
    faelle.push_back(f);
  }
  return faelle;
}

void BM_Abrechnen2026(benchmark::State& state) {
  const auto faelle = Abrechnungen2026(1024);
  std::size_t i = 0;
  for (auto _ : state) {
    const Abrechnung& f = faelle[i++ & 1023];
    benchmark::DoNotOptimize(lst::Abrechnen(*f.p, f.a).AGGesamtPlus);
  }
}
BENCHMARK(BM_Abrechnen2026);

// The same inputs all in December: one parameter set, as a payroll of one
// month has it.
void BM_Abrechnen2026EinMonat(benchmark::State& state) {
  auto faelle = Abrechnungen2026(1024);
  for (auto& f : faelle) f.p = &lst::StandardParameter(2026, 12);
  std::size_t i = 0;
  for (auto _ : state) {
    const Abrechnung& f = faelle[i++ & 1023];
    benchmark::DoNotOptimize(lst::Abrechnen(*f.p, f.a).AGGesamtPlus);
  }
}
BENCHMARK(BM_Abrechnen2026EinMonat);

// The same inputs with every minijob taxed by class (the flowchart runs for
// every slip).
void BM_Abrechnen2026OhnePausch(benchmark::State& state) {
  auto faelle = Abrechnungen2026(1024);
  for (auto& f : faelle) f.a.PauschSatz.reset();
  std::size_t i = 0;
  for (auto _ : state) {
    const Abrechnung& f = faelle[i++ & 1023];
    benchmark::DoNotOptimize(lst::Abrechnen(*f.p, f.a).AGGesamtPlus);
  }
}
BENCHMARK(BM_Abrechnen2026OhnePausch);

// The same slips with a one-off payment (the flowchart's annual-difference
// steps, the pro-rated ceilings; the March clause in the first quarter
// where the ceiling bites), against the slips without it above.
void BM_Abrechnen2026MitEinmalzahlung(benchmark::State& state) {
  auto faelle = Abrechnungen2026(1024);
  std::mt19937 zufall(27);
  for (auto& f : faelle) {
    f.a.PauschSatz.reset();
    f.a.SonstigerBezug = 10000 + zufall() % 1000000;
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const Abrechnung& f = faelle[i++ & 1023];
    benchmark::DoNotOptimize(lst::Abrechnen(*f.p, f.a).AGGesamtPlus);
  }
}
BENCHMARK(BM_Abrechnen2026MitEinmalzahlung);

// A slip with everything beside the regular wage: a one-off, the company
// car, benefits in kind, tax-free pay, VWL and deferred compensation with
// the employer's subsidy (two more runs of the contributions).
void BM_Abrechnen2026MitAllenLohnteilen(benchmark::State& state) {
  auto faelle = Abrechnungen2026(1024);
  std::mt19937 zufall(2727);
  for (auto& f : faelle) {
    f.a.PauschSatz.reset();
    f.a.SonstigerBezug = 10000 + zufall() % 1000000;
    f.a.DienstwagenListenpreis = 2000000 + zufall() % 6000000;
    f.a.DienstwagenKm = zufall() % 40;
    f.a.Sachbezug = zufall() % 6000;
    f.a.Steuerfrei = zufall() % 5000;
    f.a.VWLAG = 4000;
    f.a.VWLSparbetrag = 4000;
    f.a.Entgeltumwandlung = std::min<std::int64_t>(f.a.Brutto, zufall() % 40000);
  }
  std::size_t i = 0;
  for (auto _ : state) {
    const Abrechnung& f = faelle[i++ & 1023];
    benchmark::DoNotOptimize(lst::Abrechnen(*f.p, f.a).AGGesamtPlus);
  }
}
BENCHMARK(BM_Abrechnen2026MitAllenLohnteilen);

void BM_WunschBrutto(benchmark::State& state) {
  const auto faelle = Abrechnungen(1024);
  std::size_t i = 0;
  for (auto _ : state) {
    const Abrechnung& f = faelle[i++ & 1023];
    const std::int64_t wunsch = 50000 + static_cast<std::int64_t>(i % 1000) * 500;
    benchmark::DoNotOptimize(lst::WunschBruttoSuchen(*f.p, f.a, true, wunsch, true).Brutto);
  }
}
BENCHMARK(BM_WunschBrutto);

// The net-to-gross search of 2026 over the same distinct inputs.
void BM_WunschBrutto2026(benchmark::State& state) {
  const auto faelle = Abrechnungen2026(1024);
  std::size_t i = 0;
  for (auto _ : state) {
    const Abrechnung& f = faelle[i++ & 1023];
    const std::int64_t wunsch = 50000 + static_cast<std::int64_t>(i % 1000) * 500;
    benchmark::DoNotOptimize(lst::WunschBruttoSuchen(*f.p, f.a, true, wunsch, true).Brutto);
  }
}
BENCHMARK(BM_WunschBrutto2026);

// 100,000 employees through the batch mode, CSV in and out of memory.
void BM_Batch100000(benchmark::State& state) {
  std::mt19937 zufall(7);
  std::string csv = "brutto;steuerklasse;kinderfreibetraege;region;bekenntnislos\n";
  for (int i = 0; i < 100000; ++i) {
    const int stkl = 1 + static_cast<int>(zufall() % 6);
    csv += std::to_string(500 + zufall() % 9000) + "," + std::to_string(zufall() % 100) + ";" +
           std::to_string(stkl) + ";" + (stkl <= 4 ? std::to_string(zufall() % 3) : "") + ";" +
           (zufall() % 2 ? "ost" : "west") + ";" + (zufall() % 3 ? "" : "ja") + "\n";
  }
  for (auto _ : state) {
    std::istringstream ein(csv);
    std::ostringstream aus, fehler;
    benchmark::DoNotOptimize(lst::cli::Batch(lst::cli::TEingabe{}, ein, aus, fehler));
  }
}
BENCHMARK(BM_Batch100000)->Unit(benchmark::kMillisecond);

// A batch of 10^6 rows over every month of 2014 to 2026 against the same
// rows all in December 2026: the parameters of a month are built once and
// cached, so the spread over 156 months costs next to nothing.
std::string BatchMonate(bool alleMonate) {
  std::mt19937 zufall(1426);
  std::string csv = "jahr;monat;brutto;steuerklasse;kinderfreibetraege\n";
  csv.reserve(40'000'000);
  for (int i = 0; i < 1'000'000; ++i) {
    const int stkl = 1 + static_cast<int>(zufall() % 6);
    const int jahr = alleMonate ? 2014 + static_cast<int>(zufall() % 13) : 2026;
    const int monat = alleMonate ? 1 + static_cast<int>(zufall() % 12) : 12;
    csv += std::to_string(jahr) + ";" + std::to_string(monat) + ";" + std::to_string(500 + zufall() % 9000) + ";" +
           std::to_string(stkl) + ";" + (stkl <= 4 ? std::to_string(zufall() % 3) : "") + "\n";
  }
  return csv;
}

void BatchMonateMessen(benchmark::State& state, bool alleMonate) {
  const std::string csv = BatchMonate(alleMonate);
  for (auto _ : state) {
    std::istringstream ein(csv);
    std::ostringstream aus, fehler;
    benchmark::DoNotOptimize(lst::cli::Batch(lst::cli::TEingabe{}, ein, aus, fehler));
  }
}
void BM_Batch1MioEinMonat(benchmark::State& state) { BatchMonateMessen(state, false); }
void BM_Batch1MioAlleMonate2014Bis2026(benchmark::State& state) { BatchMonateMessen(state, true); }
BENCHMARK(BM_Batch1MioEinMonat)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_Batch1MioAlleMonate2014Bis2026)->Unit(benchmark::kMillisecond)->Iterations(2);

// 100,000 flowchart rows through the conformance mode.
void BM_Pap100000(benchmark::State& state) {
  std::mt19937 zufall(9);
  std::string csv;
  for (const char* n : lst::pap::kEingaben) csv += std::string(csv.empty() ? "" : ",") + n;
  csv += ",GFB\n";
  for (int i = 0; i < 100000; ++i) {
    csv += "2013," + std::to_string(1 + zufall() % 4) + "," + std::to_string(zufall() % 1000000) +
           "," + std::to_string(1 + zufall() % 6) + ",0," + std::to_string(zufall() % 2) + "," +
           std::to_string(zufall() % 3) + ",0,0,0,0,0,0,0,0,0,0,0,0,1,0,1,0,0,0,0,0,0,0,0,0,0,0,0,8130\n";
  }
  for (auto _ : state) {
    std::istringstream ein(csv);
    std::ostringstream aus, fehler;
    benchmark::DoNotOptimize(lst::pap::Strom(ein, aus, fehler));
  }
}
BENCHMARK(BM_Pap100000)->Unit(benchmark::kMillisecond);

}  // namespace
