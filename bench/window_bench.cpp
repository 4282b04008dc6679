// Times the desktop game window from the start menu's "Empezar" to the first data line
// on screen: the window, its text areas and timers, and the game's whole start-up.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>

#include "QuietPorts.hpp"
#include "app/qt/GameWindow.hpp"

namespace {

void BM_WindowToFirstDataLine(benchmark::State& state) {
  zorvek::bench::CountingSound sound;
  int32_t seed = 1;
  for (auto _ : state) {
    zorvek::qt::GameWindow window(zorvek::qt::GameWindowSetup{
        sound, zorvek::RunSettings{"/tmp", seed++ % 86400 + 1}, 1, false, [] {}, nullptr});
    window.show();
    QPlainTextEdit* data = window.TextWidget(zorvek::TextArea::TBDatos);
    if (data->toPlainText().isEmpty()) state.SkipWithError("no data line after start-up");
    benchmark::DoNotOptimize(data);
    window.done(0);
  }
}
BENCHMARK(BM_WindowToFirstDataLine)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  // A screen is not needed to measure the window; the offscreen platform is used unless
  // the caller chose one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
