#include <benchmark/benchmark.h>

#include "geld/geld.h"
#include "lohnsteuer/programm.h"
#include "lohnsteuer/werk.h"

// One main-routine run of each group of the years 1995 to 2004: a monthly
// wage in class III with one child and church membership.
static void BM_Lohnsteuer1995bis2004(benchmark::State& state) {
  const int jahr = static_cast<int>(state.range(0));
  lst::TFlussplanWerk k;
  k.LStJahr = static_cast<std::int16_t>(jahr);
  k.SoliGeladen = lst::SoliSatz(jahr);
  lst::TLohnsteuerProgramm* programm = k.ProgrammFuerMonat(jahr);
  std::int64_t lohn = jahr <= 2001 ? 650000 : 330000;
  for (auto _ : state) {
    k.LStVar = lst::TLStVariablen{};
    k.LStVar.LZZ = 2;
    k.LStVar.RE4 = lohn;
    k.LStVar.STKL = 3;
    k.LStVar.ZKF = 1;
    k.LStVar.R = 1;
    programm->Lohnsteuer();
    benchmark::DoNotOptimize(k.LStVar.LSTLZZ);
    lohn += 1;
  }
}
BENCHMARK(BM_Lohnsteuer1995bis2004)->Arg(1995)->Arg(1998)->Arg(2002)->Arg(2004);
