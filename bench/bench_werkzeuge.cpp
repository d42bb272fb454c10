#include <benchmark/benchmark.h>

#include "calc/berechnung.h"
#include "calc/werkzeuge.h"

namespace {

struct Rechner {
  lst::TRechenKontext k;
  lst::TLohnZeitraum lz;
  lst::TLStEingabe lst;
  lst::TSVEingabe sv;
  lst::TZusatzBetraege zusatz;
  lst::TGesamtErgebnis erg;

  explicit Rechner(std::int64_t brutto = 300000, std::uint8_t stkl = 1) {
    k.GFB = 8130;
    lz.RE4 = brutto;
    lst.STKL = stkl;
    lst.KiStSatz = 0.09;
    sv.Saetze = k.SVSatzTabelle[lst::beNV];
    lst::GesamtBerechnen(k, 2013, lz, lst, erg, zusatz, 0, sv);
  }
};

void BM_Steuerklassenvergleich(benchmark::State& state) {
  Rechner r;
  lst::TVergleichEingabe v;
  v.AN.Brutto = 350000;
  v.EG.Brutto = 180000;
  v.EG.Kinder = 1;
  for (auto _ : state) benchmark::DoNotOptimize(lst::SteuerklassenVergleichen(r.k, v));
}
BENCHMARK(BM_Steuerklassenvergleich)->Unit(benchmark::kMicrosecond);

void BM_Lohnsteuertabelle(benchmark::State& state) {
  Rechner r(static_cast<std::int64_t>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(lst::LohnsteuerTabelle(r.k, r.lz, r.lst, r.sv, state.range(0)));
  }
}
BENCHMARK(BM_Lohnsteuertabelle)->Arg(300000)->Arg(1500000)->Unit(benchmark::kMillisecond);

// From 0 (the longest walk: the tax-free range first) and from the upper zone.
void BM_Einkommensteuertabelle(benchmark::State& state) {
  Rechner r;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lst::EinkommensteuerTabelle(r.k, 1, 0.09, state.range(0)));
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
  lst::TAbrechnung d;
  d.Rechnung.LZ = r.lz;
  d.Rechnung.LSt = r.lst;
  d.Rechnung.SV = r.sv;
  d.Rechnung.Zusatz = r.zusatz;
  std::vector<double> werte;
  for (auto _ : state) {
    lst::Kurve(r.k, d, a, werte);
    benchmark::DoNotOptimize(werte.data());
  }
}
BENCHMARK(BM_Kurve3840)->Unit(benchmark::kMillisecond);

}  // namespace
