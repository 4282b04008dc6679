// Times the desktop game window from the start menu's "Empezar" to the first data line
// on screen: the window, its text areas and timers, and the game's whole start-up.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <memory>
#include <string>

#include "QuietPorts.hpp"
#include "app/qt/GameWindow.hpp"
#include "audio/SdlSound.hpp"

namespace {

void OpenWindows(benchmark::State& state, zorvek::SoundSystem& sound, const std::string& dir) {
  int32_t seed = 1;
  for (auto _ : state) {
    zorvek::qt::GameWindow window(zorvek::qt::GameWindowSetup{
        sound, zorvek::RunSettings{dir, seed++ % 86400 + 1}, 1, false, [] {}, nullptr});
    window.show();
    QPlainTextEdit* data = window.TextWidget(zorvek::TextArea::TBDatos);
    if (data->toPlainText().isEmpty()) state.SkipWithError("no data line after start-up");
    benchmark::DoNotOptimize(data);
    window.done(0);
  }
}
// The window alone, with sound channels that only count.
void BM_WindowToFirstDataLine(benchmark::State& state) {
  zorvek::bench::CountingSound sound;
  OpenWindows(state, sound, "/tmp");
}
BENCHMARK(BM_WindowToFirstDataLine)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// As the player starts it: a sound system just opened, so the SDL mixer decodes every
// effect and the phase tune from the files the build made (on the dummy driver when
// SDL_AUDIODRIVER says so). One window per run: later windows find the sounds decoded.
void BM_WindowWithRealSound(benchmark::State& state) {
  std::unique_ptr<zorvek::audio::SdlSoundSystem> sound = zorvek::audio::MakeSdlSoundSystem();
  OpenWindows(state, *sound, ZORVEK_BUILD_DIR);
}
BENCHMARK(BM_WindowWithRealSound)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(10)
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
