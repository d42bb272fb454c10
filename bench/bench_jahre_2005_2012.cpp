#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "lohnsteuer/programm.h"
#include "lohnsteuer/werk.h"

// One main-routine run of a year's wage-tax program, over the same varied
// inputs for every year: pay periods, classes, children, pensions, age
// relief, allowances and one case in ten with other payments or multi-year
// pay.  2013 runs alongside for comparison.

namespace {

std::vector<lst::TLStVariablen> Eingaben(int jahr) {
  std::vector<lst::TLStVariablen> faelle;
  std::uint64_t z = 20050101;
  auto zufall = [&z](std::uint64_t n) {
    z = z * 6364136223846793005ULL + 1442695040888963407ULL;
    return (z >> 33) % n;
  };
  for (int i = 0; i < 512; ++i) {
    lst::TLStVariablen v;
    v.LZZ = static_cast<std::uint8_t>(1 + zufall(4));
    const std::int64_t jahreslohn = 500000 + static_cast<std::int64_t>(zufall(15000000));
    const std::int64_t teiler[] = {1, 1, 12, 360 / 7, 360};
    v.RE4 = jahreslohn / teiler[v.LZZ];
    v.STKL = static_cast<std::uint8_t>(1 + zufall(6));
    v.ZKF = v.STKL < 5 ? 0.5 * static_cast<double>(zufall(5)) : 0.0;
    v.R = static_cast<std::uint8_t>(zufall(2));
    v.KRV = static_cast<std::uint8_t>(zufall(jahr < 2010 ? 2 : 3));
    if (jahr >= 2010) v.PKV = static_cast<std::uint8_t>(zufall(3));
    if (v.PKV > 0) v.PKPV = 30000 + static_cast<std::int64_t>(zufall(40000));
    if (zufall(6) == 0) {
      v.VBEZ = v.RE4 / 2;
      v.VBEZM = v.VBEZ * 12 / teiler[v.LZZ] / 12;
      v.ZMVB = 12;
      v.VJAHR = 2000 + static_cast<std::int32_t>(zufall(14));
    }
    if (zufall(5) == 0) {
      v.ALTER1 = 1;
      v.AJAHR = 2000 + static_cast<std::int32_t>(zufall(14));
    }
    if (zufall(8) == 0) (jahr <= 2007 ? v.WFUNDF : v.LZZFREIB) = v.RE4 / 10;
    if (zufall(10) == 0) {
      v.JRE4 = jahreslohn;
      if (zufall(2) == 0) {
        v.SONSTB = 100000 + static_cast<std::int64_t>(zufall(2000000));
      } else {
        v.VMT = 100000 + static_cast<std::int64_t>(zufall(3000000));
      }
    }
    faelle.push_back(v);
  }
  return faelle;
}

void BM_LohnsteuerJahr(benchmark::State& state) {
  const int jahr = static_cast<int>(state.range(0));
  lst::TFlussplanWerk k;
  k.LStJahr = static_cast<std::int16_t>(jahr);
  lst::TLohnsteuerProgramm* programm = k.ProgrammFuerMonat(jahr);
  const std::vector<lst::TLStVariablen> faelle = Eingaben(jahr);
  std::size_t i = 0;
  for (auto _ : state) {
    k.LStVar = faelle[i];
    programm->Lohnsteuer();
    benchmark::DoNotOptimize(k.LStVar.LSTLZZ);
    if (++i == faelle.size()) i = 0;
  }
}

}  // namespace

BENCHMARK(BM_LohnsteuerJahr)->DenseRange(2005, 2013);
