#include <benchmark/benchmark.h>

#include "geld/geld.h"

// The rounding helpers sit on the hot path of every wage-tax run.
static void BM_Abschneiden(benchmark::State& state) {
  double x = 1234.5678;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lst::Abschneiden(x * 100));
    x += 0.01;
  }
}
BENCHMARK(BM_Abschneiden);
