// Speed of the calculator window, offscreen: one recalculation from a
// keystroke, the start of the windows up to the first result, and one
// wish-net search from a keystroke.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>

#include <memory>

#include "common/qt/edit_cs.h"
#include "ui/anwendung.h"
#include "ui/calculator/rechner.h"

namespace {

void Taste(QWidget* w, Qt::Key taste, const QString& text) {
  QKeyEvent druck(QEvent::KeyPress, taste, Qt::NoModifier, text);
  QApplication::sendEvent(w, &druck);
  QKeyEvent los(QEvent::KeyRelease, taste, Qt::NoModifier, text);
  QApplication::sendEvent(w, &los);
}

std::unique_ptr<lst::TAnwendung> Gestartet() {
  auto anw = std::make_unique<lst::TAnwendung>();
  anw->Zeigen();
  QApplication::processEvents();
  return anw;
}

// A digit typed into "steuerpfl. Bruttolohn" and taken back: each keystroke
// is one whole cycle (gather, compute, show).
void BM_TastendruckBrutto(benchmark::State& state) {
  auto anw = Gestartet();
  lst::TFRechner& r = anw->Rechner();
  r.ELohn->setText(QStringLiteral("3000"));
  r.ELohn->setFocus();
  r.ELohn->end(false);
  int zyklen = 0;
  QObject::connect(&r, &lst::TFRechner::Berechnet, [&] { ++zyklen; });
  bool hin = true;
  for (auto _ : state) {
    if (hin)
      Taste(r.ELohn, Qt::Key_5, QStringLiteral("5"));
    else
      Taste(r.ELohn, Qt::Key_Backspace, QStringLiteral("\b"));
    hin = !hin;
    benchmark::DoNotOptimize(r.ErgNettoLohn->text());
  }
  if (zyklen != state.iterations()) state.SkipWithError("not one cycle per keystroke");
}
BENCHMARK(BM_TastendruckBrutto)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A digit typed into "Wunsch-Nettolohn" and taken back: each keystroke runs
// the net-to-gross search and shows its result.
void BM_TastendruckWunschNetto(benchmark::State& state) {
  auto anw = Gestartet();
  lst::TFRechner& r = anw->Rechner();
  r.ELohn->setText(QStringLiteral("3000"));
  r.ENettoLohn->setText(QStringLiteral("200"));
  r.ENettoLohn->setFocus();
  r.ENettoLohn->end(false);
  bool hin = true;
  for (auto _ : state) {
    if (hin)
      Taste(r.ENettoLohn, Qt::Key_0, QStringLiteral("0"));  // 2000,00
    else
      Taste(r.ENettoLohn, Qt::Key_Backspace, QStringLiteral("\b"));  // 200,00
    hin = !hin;
    benchmark::DoNotOptimize(r.ErgBruttoLohn->text());
  }
}
BENCHMARK(BM_TastendruckWunschNetto)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// From creating the application's windows (settings read from an existing
// file) to the first result shown.  The process start and the creation of
// QApplication come on top (see the report of the program's start).
void BM_ProgrammstartBisErgebnis(benchmark::State& state) {
  {
    auto anw = Gestartet();  // leaves a settings file behind
    anw->Rechner().close();
  }
  for (auto _ : state) {
    auto anw = Gestartet();
    benchmark::DoNotOptimize(anw->Rechner().ErgNettoLohn->text());
    state.PauseTiming();
    anw.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ProgrammstartBisErgebnis)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir ordner;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(ordner.path()));
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  lst::TAnwendung::Einrichten(app);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
