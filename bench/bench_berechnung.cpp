#include <benchmark/benchmark.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "calc/berechnung.h"
#include "calc/sozialversicherung.h"
#include "cli/batch.h"
#include "cli/pap.h"

namespace {

struct Abrechnung {
  lst::TLohnZeitraum lz;
  lst::TLStEingabe e;
  lst::TSVEingabe sv;
};

std::vector<Abrechnung> Abrechnungen(lst::TRechenKontext& k, int anzahl) {
  std::mt19937 zufall(42);
  std::vector<Abrechnung> faelle;
  for (int i = 0; i < anzahl; ++i) {
    Abrechnung a;
    a.lz.LZZ = 2;
    a.lz.RE4 = 40000 + zufall() % 900000;
    a.e.STKL = static_cast<std::uint8_t>(1 + zufall() % 6);
    a.e.ZKF = a.e.STKL <= 4 ? (zufall() % 4) * 0.5f : 0;
    a.e.Bekenntnislos = zufall() % 3 == 0;
    a.e.KiStSatz = 0.09;
    a.sv.Region = zufall() % 2;
    a.sv.Saetze = k.SVSatzTabelle[lst::beNV];
    if (a.e.ZKF > 0) a.sv.Saetze[lst::svPV2].AN = 0;
    a.sv.Gleitzone = a.lz.RE4 > 45000 && a.lz.RE4 <= 85000;
    faelle.push_back(a);
  }
  return faelle;
}

void BM_GesamtBerechnen(benchmark::State& state) {
  lst::TRechenKontext k;
  k.GFB = 8130;
  const auto faelle = Abrechnungen(k, 1024);
  lst::TGesamtErgebnis erg;
  const lst::TZusatzBetraege zusatz;
  std::size_t i = 0;
  for (auto _ : state) {
    const Abrechnung& a = faelle[i++ & 1023];
    benchmark::DoNotOptimize(lst::GesamtBerechnen(k, 2013, a.lz, a.e, erg, zusatz, 0, a.sv));
  }
}
BENCHMARK(BM_GesamtBerechnen);

// 2026 over distinct inputs: normal employment with add-on rates, care
// discounts and Saxony, the transition zone and minijobs with their levies.
std::vector<Abrechnung> Abrechnungen2026(int anzahl) {
  std::mt19937 zufall(2026);
  const lst::TSVSatzTabelle saetze = lst::SVSaetzeStandard(2026, 12);
  std::vector<Abrechnung> faelle;
  for (int i = 0; i < anzahl; ++i) {
    Abrechnung a;
    a.lz.LZZ = 2;
    const int art = static_cast<int>(zufall() % 8);
    const int typ = art == 0 ? lst::beGF : art == 1 ? lst::beHH : lst::beNV;
    a.lz.RE4 = typ != lst::beNV ? 10000 + zufall() % 50300
               : art == 2    ? 60301 + zufall() % 139699  // transition zone
                             : 200001 + zufall() % 1000000;
    a.e.STKL = static_cast<std::uint8_t>(1 + zufall() % 6);
    a.e.ZKF = a.e.STKL <= 4 ? (zufall() % 4) * 0.5f : 0;
    a.e.Bekenntnislos = zufall() % 3 == 0;
    a.e.KiStSatz = 0.09;
    a.sv.Monat = static_cast<std::uint8_t>(1 + zufall() % 12);
    a.sv.Beschaeftigung = static_cast<std::uint8_t>(typ);
    a.sv.Saetze = saetze[typ];
    if (typ == lst::beNV) {
      a.sv.Saetze[lst::svKV2] = lst::ZusatzbeitragSaetze(2026, a.sv.Monat, 2.2 + (zufall() % 20) * 0.1);
      if (a.e.ZKF > 0) {
        a.sv.Saetze[lst::svPV2].AN = 0;
        a.sv.PVAbschlaege = static_cast<std::uint8_t>(zufall() % 5);
      }
      a.sv.PVS = zufall() % 10 == 0;
      if (a.sv.PVS) a.sv.Saetze[lst::svPV] = lst::PVSaetzeSachsen(2026, a.sv.Monat);
      a.sv.Gleitzone = art == 2;
    } else {
      a.e.PauschSatzAG = 0.02;
      a.sv.Aufstockung = zufall() % 2 == 0;
    }
    faelle.push_back(a);
  }
  return faelle;
}

void BM_GesamtBerechnen2026(benchmark::State& state) {
  lst::TRechenKontext k;
  k.LStJahr = 2026;
  k.BBGTabelle = lst::BBGStandard(2026);
  const auto faelle = Abrechnungen2026(1024);
  lst::TGesamtErgebnis erg;
  const lst::TZusatzBetraege zusatz;
  std::size_t i = 0;
  for (auto _ : state) {
    const Abrechnung& a = faelle[i++ & 1023];
    benchmark::DoNotOptimize(lst::GesamtBerechnen(k, 2026, a.lz, a.e, erg, zusatz, 0, a.sv));
  }
}
BENCHMARK(BM_GesamtBerechnen2026);

// The same inputs with every minijob taxed by class (the flowchart runs for
// every slip).
void BM_GesamtBerechnen2026OhnePausch(benchmark::State& state) {
  lst::TRechenKontext k;
  k.LStJahr = 2026;
  k.BBGTabelle = lst::BBGStandard(2026);
  auto faelle = Abrechnungen2026(1024);
  for (auto& a : faelle) a.e.PauschSatzAG = 0;
  lst::TGesamtErgebnis erg;
  const lst::TZusatzBetraege zusatz;
  std::size_t i = 0;
  for (auto _ : state) {
    const Abrechnung& a = faelle[i++ & 1023];
    benchmark::DoNotOptimize(lst::GesamtBerechnen(k, 2026, a.lz, a.e, erg, zusatz, 0, a.sv));
  }
}
BENCHMARK(BM_GesamtBerechnen2026OhnePausch);

void BM_WunschBrutto(benchmark::State& state) {
  lst::TRechenKontext k;
  k.GFB = 8130;
  auto faelle = Abrechnungen(k, 1024);
  lst::TGesamtErgebnis erg;
  const lst::TZusatzBetraege zusatz;
  std::size_t i = 0;
  for (auto _ : state) {
    Abrechnung& a = faelle[i++ & 1023];
    const std::int64_t wunsch = 50000 + static_cast<std::int64_t>(i % 1000) * 500;
    benchmark::DoNotOptimize(
        lst::WunschBrutto(k, 2013, a.lz, a.e, erg, wunsch, true, zusatz, 0, a.sv));
  }
}
BENCHMARK(BM_WunschBrutto);

// The net-to-gross search of 2026 over the same distinct inputs.
void BM_WunschBrutto2026(benchmark::State& state) {
  lst::TRechenKontext k;
  k.LStJahr = 2026;
  k.BBGTabelle = lst::BBGStandard(2026);
  auto faelle = Abrechnungen2026(1024);
  lst::TGesamtErgebnis erg;
  const lst::TZusatzBetraege zusatz;
  std::size_t i = 0;
  for (auto _ : state) {
    Abrechnung& a = faelle[i++ & 1023];
    const std::int64_t wunsch = 50000 + static_cast<std::int64_t>(i % 1000) * 500;
    benchmark::DoNotOptimize(
        lst::WunschBrutto(k, 2026, a.lz, a.e, erg, wunsch, true, zusatz, 0, a.sv));
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
