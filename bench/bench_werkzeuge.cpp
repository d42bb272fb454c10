#include <benchmark/benchmark.h>

#include "calc/abrechnung.h"
#include "calc/werkzeuge.h"

namespace {

// A request of 2013 (basic allowance 8130) with church tax 9 %, as the
// calculator holds it.
struct Rechner {
  lst::TParameter p = lst::StandardParameter(2013, 12);
  lst::TAnfrage a;

  explicit Rechner(std::int64_t brutto = 300000, std::uint8_t stkl = 1) {
    a.Brutto = brutto;
    a.STKL = stkl;
    a.KiStSatz = 0.09;
  }
};

void BM_Steuerklassenvergleich(benchmark::State& state) {
  Rechner r;
  lst::TVergleichEingabe v;
  v.AN.Brutto = 350000;
  v.EG.Brutto = 180000;
  v.EG.Kinder = 1;
  for (auto _ : state) benchmark::DoNotOptimize(lst::SteuerklassenVergleichen(r.p, r.a, v));
}
BENCHMARK(BM_Steuerklassenvergleich)->Unit(benchmark::kMicrosecond);

void BM_Lohnsteuertabelle(benchmark::State& state) {
  Rechner r(static_cast<std::int64_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(lst::LohnsteuerTabelle(r.p, r.a, true));
  }
}
BENCHMARK(BM_Lohnsteuertabelle)->Arg(300000)->Arg(1500000)->Unit(benchmark::kMillisecond);

// From 0 (the longest walk: the tax-free range first) and from the upper zone.
void BM_Einkommensteuertabelle(benchmark::State& state) {
  Rechner r;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lst::EinkommensteuerTabelle(r.p, r.a, 1, state.range(0)));
  }
}
BENCHMARK(BM_Einkommensteuertabelle)->Arg(0)->Arg(59000)->Unit(benchmark::kMillisecond);

// The curve of a 3840 pixel wide graph (the drawing is measured with the window).
void BM_Kurve3840(benchmark::State& state) {
  Rechner r;
  lst::TPlottAnsicht a;
  a.Flaeche(3840 + 67, 2000);
  a.XMax = 200000;
  a.Skalen();
  std::vector<double> werte;
  for (auto _ : state) {
    lst::Kurve(r.p, r.a, true, true, a, werte);
    benchmark::DoNotOptimize(werte.data());
  }
}
BENCHMARK(BM_Kurve3840)->Unit(benchmark::kMillisecond);

}  // namespace
