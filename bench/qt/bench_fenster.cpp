// Speed of the calculator window, offscreen: one recalculation from a
// keystroke, the start of the windows up to the first result, one wish-net
// search from a keystroke, and start and close with a settings file of 54 MB.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <string>

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

// A control of the calculator window by its objectName.
template <class T>
T* Element(lst::TFRechner& r, const char* name) {
  return r.findChild<T*>(QString::fromLatin1(name));
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
  auto* lohn = Element<lst::TEditCS>(r, "ELohn");
  auto* netto = Element<QLabel>(r, "ErgNettoLohn");
  lohn->setText(QStringLiteral("3000"));
  lohn->setFocus();
  lohn->end(false);
  int zyklen = 0;
  QObject::connect(&r, &lst::TFRechner::Berechnet, [&] { ++zyklen; });
  bool hin = true;
  for (auto _ : state) {
    if (hin)
      Taste(lohn, Qt::Key_5, QStringLiteral("5"));
    else
      Taste(lohn, Qt::Key_Backspace, QStringLiteral("\b"));
    hin = !hin;
    benchmark::DoNotOptimize(netto->text());
  }
  if (zyklen != state.iterations()) state.SkipWithError("not one cycle per keystroke");
}
BENCHMARK(BM_TastendruckBrutto)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A digit typed into "Wunsch-Nettolohn" and taken back: each keystroke runs
// the net-to-gross search and shows its result.
void BM_TastendruckWunschNetto(benchmark::State& state) {
  auto anw = Gestartet();
  lst::TFRechner& r = anw->Rechner();
  auto* wunsch = Element<lst::TEditCS>(r, "ENettoLohn");
  auto* brutto = Element<QLabel>(r, "ErgBruttoLohn");
  Element<lst::TEditCS>(r, "ELohn")->setText(QStringLiteral("3000"));
  wunsch->setText(QStringLiteral("200"));
  wunsch->setFocus();
  wunsch->end(false);
  bool hin = true;
  for (auto _ : state) {
    if (hin)
      Taste(wunsch, Qt::Key_0, QStringLiteral("0"));  // 2000,00
    else
      Taste(wunsch, Qt::Key_Backspace, QStringLiteral("\b"));  // 200,00
    hin = !hin;
    benchmark::DoNotOptimize(brutto->text());
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
    benchmark::DoNotOptimize(Element<QLabel>(anw->Rechner(), "ErgNettoLohn")->text());
    state.PauseTiming();
    anw.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ProgrammstartBisErgebnis)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A settings file of 54 MB: the window's own sections between many foreign
// ones (another program's long lists), all in one file.
void GrosseEinstellungen(const QString& datei) {
  constexpr std::size_t kGroesse = 54u * 1024 * 1024;
  std::string text;
  text.reserve(kGroesse + 4096);
  text += "[LoSt]\nJahr=2013\nKiSt=8,9\nBetraegeInDM=1\n\n[LoSt2013]\nGrdFreiB8130=1\n\n";
  char zeile[128];
  for (int i = 0; text.size() < kGroesse / 2; ++i) {
    if (i % 50 == 0) text += "\n[Fremd" + std::to_string(i / 50) + "]\n";
    std::snprintf(zeile, sizeof zeile, "Eintrag%d=%d;%d;ein Text von etwas Laenge fuer die Liste\n", i, i * 7,
                  i % 97);
    text += zeile;
  }
  text += "\n[SV2013]\nNVKVAN=7,3\nNVKVAG=7,3\n\n[BMG2013]\nKVWest=393750\n\n[FRechner]\nTop=40\nLeft=30\n\n";
  for (int i = 0; text.size() < kGroesse; ++i) {
    if (i % 5000 == 0) text += "\n[Liste" + std::to_string(i / 5000) + "]\n";
    std::snprintf(zeile, sizeof zeile, "Wert%d=%d\n", i, i);
    text += zeile;
  }
  QFile f(datei);
  if (f.open(QIODevice::WriteOnly)) f.write(text.data(), static_cast<qint64>(text.size()));
}

// Start of the windows up to the first result, and their close through the
// menu, with a settings file of 54 MB: each reads it once and writes it once.
void BM_Einstellungen54MB(benchmark::State& state, bool schliessen) {
  const QString datei =
      QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("DrumselLStTab.ini"));
  GrosseEinstellungen(datei);
  int runde = 0;
  for (auto _ : state) {
    if (schliessen) state.PauseTiming();
    auto anw = Gestartet();
    benchmark::DoNotOptimize(Element<QLabel>(anw->Rechner(), "ErgNettoLohn")->text());
    if (schliessen) {
      // A new position each time: there is something to write.
      anw->Rechner().move(30 + ++runde, 40);
      state.ResumeTiming();
      Element<QAction>(anw->Rechner(), "ProgrammBeenden1")->trigger();
    }
    state.PauseTiming();
    anw.reset();
    state.ResumeTiming();
  }
  state.counters["MB"] = static_cast<double>(QFileInfo(datei).size()) / (1024.0 * 1024.0);
  QFile::remove(datei);
}
void BM_Start54MB(benchmark::State& state) { BM_Einstellungen54MB(state, false); }
void BM_Schliessen54MB(benchmark::State& state) { BM_Einstellungen54MB(state, true); }
BENCHMARK(BM_Start54MB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Schliessen54MB)->Unit(benchmark::kMillisecond)->Iterations(3);

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
