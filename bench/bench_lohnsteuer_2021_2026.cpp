// The wage-tax programs of the flowchart versions from 2021: one run over
// 100,000 distinct, varied inputs per version (a short ring of inputs would
// let the branch predictor learn the paths).

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "calc/kontext.h"
#include "lohnsteuer/programm.h"
#include "lohnsteuer/versionen.h"

namespace {

constexpr std::size_t kAnzahl = 100'000;

// Inputs drawn as the reference rows are: all pay periods and classes, wages
// around the median with a long tail, children, church tax, private health
// insurance, care-insurance surcharge and discounts, pensions, age relief,
// allowances, the factor method and, in one row in ten, other payments.
std::vector<lst::TLStVariablen> Faelle(int jahr, std::uint32_t saat) {
  std::mt19937 z(saat);
  auto gleich = [&](double von, double bis) { return std::uniform_real_distribution<double>(von, bis)(z); };
  auto anteil = [&](double p) { return gleich(0, 1) < p; };
  std::lognormal_distribution<double> lohn(std::log(42000.0), 0.55);
  std::vector<lst::TLStVariablen> faelle(kAnzahl);
  for (auto& v : faelle) {
    const double r = gleich(0, 1);
    v.LZZ = r < 0.15 ? 1 : r < 0.75 ? 2 : r < 0.87 ? 3 : 4;
    const double k = gleich(0, 1);
    v.STKL = k < 0.30 ? 1 : k < 0.38 ? 2 : k < 0.58 ? 3 : k < 0.78 ? 4 : k < 0.90 ? 5 : 6;
    double jahreslohn = anteil(0.1) ? gleich(0, 12000) : anteil(0.15) ? gleich(60000, 300000) : lohn(z);
    const double teiler = v.LZZ == 1 ? 1 : v.LZZ == 2 ? 12 : v.LZZ == 3 ? 360.0 / 7 : 360;
    v.RE4 = std::llround(jahreslohn / teiler * 100);
    if (v.STKL <= 4 && anteil(0.5)) v.ZKF = 0.5 * static_cast<int>(gleich(1, 11));
    v.R = anteil(0.55);
    v.KRV = jahr >= 2025 ? anteil(0.12) : (anteil(0.7) ? 0 : anteil(0.6) ? 1 : 2);
    const double pkv = gleich(0, 1);
    v.PKV = pkv < 0.82 ? 0 : (jahr >= 2026 || pkv < 0.91) ? 1 : 2;
    if (v.PKV > 0) {
      v.PKPV = std::llround(gleich(80, 1200) * 100);
      if (jahr >= 2026 && anteil(0.8)) v.PKPVAGZ = std::min<std::int64_t>(v.PKPV / 2, 61322);
    }
    v.PVS = anteil(0.07);
    v.PVZ = v.ZKF == 0 ? anteil(0.4) : anteil(0.05);
    if (jahr >= 2024 && v.PVZ == 0 && anteil(0.35)) v.PVA = static_cast<std::uint8_t>(gleich(1, 5));
    v.KVZ = std::round(gleich(0.5, 3.5) * 100) / 100;
    if (anteil(0.1)) {
      v.VJAHR = static_cast<std::int32_t>(gleich(1995, jahr + 1));
      v.VBEZM = std::llround(gleich(300, 6000) * 100);
      v.ZMVB = 12;
      v.VBEZ = v.LZZ == 1 ? v.VBEZM * 12 : std::llround(v.VBEZM * 12 / teiler);
      if (anteil(0.6)) v.RE4 = v.VBEZ;
      v.RE4 = std::max(v.RE4, v.VBEZ);
    }
    if (anteil(v.VBEZ > 0 ? 0.7 : 0.1)) {
      v.ALTER1 = 1;
      v.AJAHR = static_cast<std::int32_t>(gleich(2000, jahr + 1));
      if (jahr >= 2026) v.ALV = anteil(0.35);
    }
    if (anteil(0.08)) v.LZZFREIB = v.RE4 / 10;
    if (anteil(0.03)) v.LZZHINZU = v.RE4 / 20;
    if (v.STKL == 4 && anteil(0.3)) {
      v.af = 1;
      v.f = std::round(gleich(0.7, 0.999) * 1000) / 1000;
    }
    if (anteil(0.1)) {
      v.JRE4 = std::llround(jahreslohn * gleich(0.8, 1.2) * 100);
      v.JVBEZ = v.VBEZ > 0 ? v.VBEZM * 12 : 0;
      v.SONSTB = std::llround(gleich(100, 30000) * 100);
      if (jahr <= 2024 && anteil(0.3)) v.VMT = std::llround(gleich(1000, 80000) * 100);
      if (jahr >= 2022 && anteil(0.2)) v.MBV = std::llround(gleich(100, 2000) * 100);
    }
  }
  return faelle;
}

void LaufeVersion(benchmark::State& state, int version) {
  lst::TRechenKontext k;
  lst::TLohnsteuerProgramm* programm = k.ProgrammVersion(version);
  if (programm == nullptr) {
    state.SkipWithError("kein Programm");
    return;
  }
  const auto faelle = Faelle(lst::kLStVersionen[version].Jahr, 2021u + static_cast<std::uint32_t>(version));
  std::size_t i = 0;
  for (auto _ : state) {
    k.LStVar = faelle[i];
    if (++i == faelle.size()) i = 0;
    programm->Lohnsteuer();
    benchmark::DoNotOptimize(k.LStVar.LSTLZZ);
  }
  state.SetItemsProcessed(state.iterations());
}

const bool kRegistriert = [] {
  for (int v = lst::LStVersionNachSchluessel("2021"); v < lst::kAnzahlLStVersionen; ++v) {
    const std::string name = std::string("BM_Lohnsteuer_") + lst::kLStVersionen[v].Schluessel + "_100000";
    benchmark::RegisterBenchmark(name.c_str(), LaufeVersion, v);
  }
  return true;
}();

}  // namespace
