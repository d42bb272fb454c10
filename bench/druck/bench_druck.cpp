// Writing the whole printout of a calculation as a PDF file (A4, 600 dpi),
// as "lohnsteuer-cli drucken" and "&Drucken" without a printer do.
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "calc/berechnung.h"
#include "cli/druck/cli_drucken.h"
#include "cli/eingabe.h"
#include "print/rechnung_drucken.h"

namespace {

struct TFall {
  lst::TAbrechnungsStand S;
  lst::druck::TDruckAngaben A;
};

void Vorbereiten(TFall& f, const lst::cli::TEingabe& e) {
  lst::cli::Vorbereiten(e, f.S.Parameter, f.S.Anfrage);
  f.S.Ergebnis = lst::Abrechnen(f.S.Parameter, f.S.Anfrage);
  f.A = lst::druck::DruckAngabenFuer(f.S);
}

void BM_RechnungAlsPdf(benchmark::State& state) {
  lst::cli::TEingabe e;
  e.Brutto = 3000;
  e.LZZ = static_cast<std::uint8_t>(state.range(0));
  TFall f;
  Vorbereiten(f, e);
  QTemporaryDir ordner;
  const QString pdf = ordner.filePath(QStringLiteral("rechnung.pdf"));
  lst::druck::TDruckMaschine m;
  for (auto _ : state) {
    if (!lst::druck::RechnungAlsPdf(m, pdf, f.A, f.S, 10)) state.SkipWithError("PDF nicht geschrieben");
  }
}
// Month (ceilings once) and year (ceilings twice).
BENCHMARK(BM_RechnungAlsPdf)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
