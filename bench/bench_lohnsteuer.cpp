#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "lohnsteuer/programm.h"
#include "lohnsteuer/werk.h"

namespace {

// Varied, realistic flowchart inputs: all pay periods and tax classes, some
// pensions, private insurance and child allowances.
std::vector<lst::TLStVariablen> Faelle2013(int anzahl) {
  std::mt19937 zufall(2013);
  std::vector<lst::TLStVariablen> faelle;
  for (int i = 0; i < anzahl; ++i) {
    lst::TLStVariablen v;
    v.LZZ = static_cast<std::uint8_t>(1 + zufall() % 4);
    const std::int64_t monat = 30000 + zufall() % 1200000;
    v.RE4 = v.LZZ == 1 ? monat * 12 : v.LZZ == 2 ? monat : v.LZZ == 3 ? monat * 7 / 30 : monat / 30;
    v.STKL = static_cast<std::uint8_t>(1 + zufall() % 6);
    v.ZKF = (zufall() % 5) * 0.5;
    v.R = zufall() % 2;
    v.KRV = static_cast<std::uint8_t>(zufall() % 3);
    v.PKV = static_cast<std::uint8_t>(zufall() % 4 == 0 ? 1 + zufall() % 2 : 0);
    v.PKPV = v.PKV ? 20000 + zufall() % 50000 : 0;
    v.PVZ = zufall() % 2;
    if (zufall() % 8 == 0) {
      v.VBEZ = v.RE4 / 2;
      v.VBEZM = monat / 2;
      v.VJAHR = 2000 + zufall() % 14;
      v.ZMVB = 12;
    }
    v.ALTER1 = zufall() % 10 == 0;
    v.AJAHR = 2005 + zufall() % 9;
    faelle.push_back(v);
  }
  return faelle;
}

void BM_Lohnsteuer2013(benchmark::State& state) {
  lst::TFlussplanWerk k;
  k.GFB = 8130;
  const auto faelle = Faelle2013(1024);
  lst::TLohnsteuerProgramm* programm = k.ProgrammFuerMonat(2013);
  std::size_t i = 0;
  for (auto _ : state) {
    k.LStVar = faelle[i++ & 1023];
    programm->Lohnsteuer();
    benchmark::DoNotOptimize(k.LStVar.LSTLZZ);
  }
}
BENCHMARK(BM_Lohnsteuer2013);

}  // namespace

namespace {

// One input over and over: the run time without branch mispredictions.
void BM_Lohnsteuer2013_EinFall(benchmark::State& state) {
  lst::TFlussplanWerk k;
  k.GFB = 8130;
  const auto faelle = Faelle2013(1);
  lst::TLohnsteuerProgramm* programm = k.ProgrammFuerMonat(2013);
  for (auto _ : state) {
    k.LStVar = faelle[0];
    programm->Lohnsteuer();
    benchmark::DoNotOptimize(k.LStVar.LSTLZZ);
  }
}
BENCHMARK(BM_Lohnsteuer2013_EinFall);

}  // namespace
