#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QFont>
#include <QImage>

#include <cmath>
#include <memory>

#include "calc/parameter.h"
#include "calc/werkzeuge.h"
#include "ui/tools/plott_zeichnung.h"

namespace {

// Fonts need an application object; the benchmarks run without a screen.
void Anwendung() {
  static std::unique_ptr<QGuiApplication> app;
  if (app) return;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "lohnsteuer_bench";
  static char* argv[] = {name, nullptr};
  app = std::make_unique<QGuiApplication>(argc, argv);
}

// A full repaint of a graph 3840 pixels wide: one calculation per pixel
// column and the picture drawn into an image, as the graph window does.
void BM_GrafikNeuzeichnen(benchmark::State& state) {
  Anwendung();
  const lst::TParameter p = lst::Parameter(2013, 12);
  lst::TAnfrage anfrage;
  anfrage.LZZ = 2;
  anfrage.Brutto = 300000;
  anfrage.KiStSatz = 0.09;
  const int breite = static_cast<int>(state.range(0));
  const QSize groesse(breite, breite * 9 / 16);
  lst::TPlottAnsicht a;
  a.Flaeche(groesse.width(), groesse.height());
  QImage bild = lst::PlottBild(groesse.width(), groesse.height());
  const QFont schrift;
  std::vector<double> werte;
  for (auto _ : state) {
    lst::Kurve(p, anfrage, true, true, a, werte);
    lst::PlottZeichnen(bild, a, werte, schrift);
    benchmark::DoNotOptimize(bild.constBits());
  }
}
BENCHMARK(BM_GrafikNeuzeichnen)->Arg(3840 + 67)->Arg(1920 + 67)->Unit(benchmark::kMillisecond);

}  // namespace

namespace {

// The drawing alone, the curve computed once.
void BM_GrafikNurZeichnen(benchmark::State& state) {
  Anwendung();
  lst::TPlottAnsicht a;
  a.Flaeche(3840 + 67, 2160);
  std::vector<double> werte;
  for (int p = 0; p <= a.Breite; ++p) werte.push_back(0.6 * (p * a.XProPixel) + 50 * std::sin(p / 40.0));
  QImage bild = lst::PlottBild(3840 + 67, 2160);
  const QFont schrift;
  for (auto _ : state) {
    lst::PlottZeichnen(bild, a, werte, schrift);
    benchmark::DoNotOptimize(bild.constBits());
  }
}
BENCHMARK(BM_GrafikNurZeichnen)->Unit(benchmark::kMillisecond);

}  // namespace
