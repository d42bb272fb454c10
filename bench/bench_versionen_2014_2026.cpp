#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "lohnsteuer/programm.h"
#include "lohnsteuer/versionen.h"
#include "lohnsteuer/werk.h"

// One main-routine run of a flowchart version over 100,000 distinct inputs
// drawn as the reference rows are (pay periods 15/60/12/13 %, classes
// 30/8/20/20/12/10 %, log-normal wages, private insurance, pensions, age
// relief, allowances, the factor method, the additional health rate and one
// case in ten with other payments or multi-year pay).  So many distinct
// cases keep the branch predictor from learning them; 2013 runs alongside.

namespace {

constexpr int kFaelle = 100'000;

struct TZufall {
  std::uint64_t z;
  std::uint64_t operator()(std::uint64_t n) {
    z = z * 6364136223846793005ULL + 1442695040888963407ULL;
    return (z >> 33) % n;
  }
  double Gleich() { return static_cast<double>((*this)(1u << 30)) / (1u << 30); }
};

std::vector<lst::TLStVariablen> Eingaben(int version) {
  const int jahr = lst::kLStVersionen[version].Jahr;
  TZufall zufall{0x5EED0000u + static_cast<std::uint64_t>(version)};
  std::vector<lst::TLStVariablen> faelle;
  faelle.reserve(kFaelle);
  const double median = 2'800'000.0 * std::pow(1.025, jahr - 2013);  // cents a year
  for (int i = 0; i < kFaelle; ++i) {
    lst::TLStVariablen v;
    const std::uint64_t lzz = zufall(100);
    v.LZZ = lzz < 15 ? 1 : lzz < 75 ? 2 : lzz < 87 ? 3 : 4;
    const std::uint64_t stkl = zufall(100);
    v.STKL = stkl < 30 ? 1 : stkl < 38 ? 2 : stkl < 58 ? 3 : stkl < 78 ? 4 : stkl < 90 ? 5 : 6;
    // Log-normal yearly wage around the median (a product of uniforms).
    double faktor = 1.0;
    for (int n = 0; n < 4; ++n) faktor *= 0.55 + 0.9 * zufall.Gleich();
    std::int64_t jahreslohn = static_cast<std::int64_t>(median * faktor * 1.3);
    if (zufall(30) == 0) jahreslohn = 0;
    const std::int64_t teiler[] = {1, 1, 12, 360 / 7, 360};
    v.RE4 = jahreslohn / teiler[v.LZZ];
    if (v.STKL < 5 && zufall(2) == 0) v.ZKF = 0.5 * static_cast<double>(1 + zufall(6));
    v.R = zufall(100) < 55 ? 1 : 0;
    const std::uint64_t krv = zufall(100);
    v.KRV = static_cast<std::uint8_t>(jahr >= 2025 ? (krv < 88 ? 0 : 1) : krv < 70 ? 0 : krv < 88 ? 1 : 2);
    const std::uint64_t pkv = zufall(100);
    v.PKV = static_cast<std::uint8_t>(pkv < 82 ? 0 : jahr >= 2026 ? 1 : pkv < 91 ? 1 : 2);
    if (v.PKV > 0) v.PKPV = 8000 + static_cast<std::int64_t>(zufall(112000));
    if (jahr >= 2026 && v.PKV > 0) v.PKPVAGZ = v.PKPV / 2;
    v.PVS = zufall(100) < 7 ? 1 : 0;
    v.PVZ = v.ZKF == 0 && zufall(100) < 40 ? 1 : 0;
    if (jahr >= 2024 && v.PVZ == 0 && v.ZKF > 1 && zufall(3) == 0) {
      v.PVA = static_cast<std::uint8_t>(1 + zufall(4));
    }
    if (jahr >= 2015) v.KVZ = (50 + static_cast<double>(zufall(200))) / 100;
    if (zufall(10) == 0) {
      v.VBEZ = v.RE4 / (1 + zufall(3));
      v.VBEZM = v.VBEZ * teiler[v.LZZ] / 12;
      v.ZMVB = 12;
      v.VJAHR = 1995 + static_cast<std::int32_t>(zufall(jahr - 1994));
    }
    if (zufall(8) == 0) {
      v.ALTER1 = 1;
      v.AJAHR = 2000 + static_cast<std::int32_t>(zufall(jahr - 1999));
    }
    if (zufall(12) == 0) v.LZZFREIB = v.RE4 / 10;
    if (zufall(30) == 0) v.LZZHINZU = v.RE4 / 20;
    if (v.STKL == 4 && zufall(10) < 3) {
      v.af = 1;
      v.f = (700 + static_cast<double>(zufall(300))) / 1000;
    }
    if (zufall(10) == 0) {
      v.JRE4 = jahreslohn;
      v.JVBEZ = v.VBEZ * teiler[v.LZZ];
      if (zufall(3) != 0 || jahr >= 2025) {
        v.SONSTB = 10000 + static_cast<std::int64_t>(zufall(3000000));
      } else {
        v.VMT = 100000 + static_cast<std::int64_t>(zufall(8000000));
      }
      if (jahr >= 2022 && zufall(3) == 0) v.MBV = 10000 + static_cast<std::int64_t>(zufall(140000));
    }
    faelle.push_back(v);
  }
  return faelle;
}

void BM_LohnsteuerVersion(benchmark::State& state) {
  const int version = static_cast<int>(state.range(0));
  lst::TFlussplanWerk k;
  k.GFB = 8130;
  k.LStJahr = lst::kLStVersionen[version].Jahr;
  state.SetLabel(lst::kLStVersionen[version].Schluessel);
  lst::TLohnsteuerProgramm* programm = k.ProgrammVersion(version);
  if (programm == nullptr) {
    state.SkipWithError("kein Programm");
    return;
  }
  const std::vector<lst::TLStVariablen> faelle = Eingaben(version);
  std::size_t i = 0;
  for (auto _ : state) {
    k.LStVar = faelle[i];
    programm->Lohnsteuer();
    benchmark::DoNotOptimize(k.LStVar.LSTLZZ);
    if (++i == faelle.size()) i = 0;
  }
}

void Versionen(benchmark::internal::Benchmark* b) {
  b->Arg(lst::LStVersionNachSchluessel("2013"));
  for (int v = lst::LStVersionNachSchluessel("2014"); v < lst::kAnzahlLStVersionen; ++v) b->Arg(v);
}

}  // namespace

BENCHMARK(BM_LohnsteuerVersion)->Apply(Versionen);
