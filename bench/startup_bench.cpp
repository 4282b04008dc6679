// Times the game window's start-up: lock names, starting area, catalogues and the
// whole phase 1 dungeon, as a new game builds them.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "model/Game.hpp"
#include "platform/Dialog.hpp"
#include "startup/StartUp.hpp"

namespace {

class QuietUi final : public zorvek::Ui {
 public:
  void TextChanged(zorvek::TextArea, const std::string&) override {}
  void Beep() override {}
  zorvek::Answer MessageBox(const std::string&, zorvek::Buttons, const std::string&) override {
    return zorvek::Answer::Ok;
  }
  std::string InputBox(const std::string&, const std::string&) override { return ""; }
  void TimerSwitched(zorvek::TimerId, bool) override {}
  void ShowDialog(zorvek::DialogModel& dialog) override {
    dialog.Load();
    dialog.Act(dialog.CloseControl(), std::nullopt);
  }
  void ControlChanged(zorvek::DialogId, const std::string&, const zorvek::ControlView&) override {}
  void CloseGameWindow() override {}
  void EndProgram() override {}
};

class QuietSound final : public zorvek::SoundSystem {
 public:
  std::unique_ptr<zorvek::SoundPlayer> Create(zorvek::SoundBank, int) override {
    return std::make_unique<Player>();
  }

 private:
  struct Player final : zorvek::SoundPlayer {
    void Init(int32_t) override {}
    int32_t Load(const std::string&) override { return 1; }
    int32_t Play(bool, bool) override { return 1; }
    void Stop(bool) override {}
    void SetProperty(int, int32_t, bool) override {}
    void Unload(int32_t) override {}
    void Free() override {}
  };
};

void BM_StartUp(benchmark::State& state) {
  QuietUi ui;
  QuietSound sound;
  zorvek::MersenneRandom random;
  zorvek::SystemClock clock;
  int32_t seed = 1;
  for (auto _ : state) {
    zorvek::Game game(zorvek::Ports{ui, random, clock, sound},
                      zorvek::RunSettings{"/tmp", seed++ % 86400 + 1});
    zorvek::StartGameWindow(game);
    benchmark::DoNotOptimize(game.Rooms.Upper());
  }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
