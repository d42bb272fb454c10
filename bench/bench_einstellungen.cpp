// Loading the rates and ceilings of a year from a large settings file: the
// file is read and parsed once for all values.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "calc/parameter.h"
#include "calc/sozialversicherung.h"
#include "calc/sv_einstellungen.h"
#include "common/ini_datei.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kGroesse = 10 * 1024 * 1024;

// A settings file of about 10 MB: foreign sections with many keys (or one
// section with all of them), then the rates and ceilings of every year.
fs::path GrosseDatei(bool einAbschnitt) {
  const fs::path pfad = fs::temp_directory_path() /
                        ("bench_einstellungen_" + std::to_string(std::random_device{}()) + ".ini");
  std::string text;
  text.reserve(kGroesse + 100000);
  char zeile[96];
  for (int i = 0; text.size() < kGroesse; ++i) {
    if (einAbschnitt ? i == 0 : i % 40 == 0) {
      std::snprintf(zeile, sizeof zeile, "[Fenster%d]\n", i / 40);
      text += zeile;
    }
    std::snprintf(zeile, sizeof zeile, "Eintrag%d=%d,%d;Text mit etwas Inhalt\n", i, i * 7, i % 100);
    text += zeile;
  }
  for (int jahr = 1995; jahr <= 2013; ++jahr) {
    std::snprintf(zeile, sizeof zeile, "[BMG%d]\nKVWest=400000\nGFOst=45000\n", jahr);
    text += zeile;
    std::snprintf(zeile, sizeof zeile, "[SV%d]\nNVKVAN=7,3\nNVKVAG=7,3\nGFRVAufAN=3,9\n", jahr);
    text += zeile;
    std::snprintf(zeile, sizeof zeile, "[LSt%d]\nSoli=5,5\nPauschSt=2\n", jahr);
    text += zeile;
  }
  text += "[LoSt2013]\nGrdFreiB8130=1\n";
  std::ofstream(pfad, std::ios::binary) << text;
  return pfad;
}

// What a calculation reads from the settings: rates, percentages and
// ceilings of the year and the basic-allowance choice, from one image, as
// the values its parameters take (UeberschreibungenLaden).
void EinstellungenLaden(benchmark::State& state, bool einAbschnitt) {
  const fs::path pfad = GrosseDatei(einAbschnitt);
  const lst::TNewIniFile ini = lst::TNewIniFile::AusPfad(pfad);
  for (auto _ : state) {
    const lst::TIniAbbild abbild = ini.Abbild();
    lst::TEinstellungsBericht bericht;
    const lst::TUeberschreibungen ue = lst::UeberschreibungenLaden(abbild, 2013, &bericht);
    benchmark::DoNotOptimize(ue);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(fs::file_size(pfad)));
  fs::remove(pfad);
}

void BM_Einstellungen10MBVieleAbschnitte(benchmark::State& state) { EinstellungenLaden(state, false); }
void BM_Einstellungen10MBEinAbschnitt(benchmark::State& state) { EinstellungenLaden(state, true); }

BENCHMARK(BM_Einstellungen10MBVieleAbschnitte)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Einstellungen10MBEinAbschnitt)->Unit(benchmark::kMillisecond);

}  // namespace
