// Times one movement key through the keyboard: the step, its footstep and exit-wind
// and beacon levels, and the cell description written to the data line.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "model/Game.hpp"
#include "startup/Keyboard.hpp"
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
  void ShowDialog(zorvek::DialogModel&) override {}
  void ControlChanged(zorvek::DialogId, const std::string&, const zorvek::ControlView&) override {}
  void CloseGameWindow() override {}
  void EndProgram() override {}
};

// Players that only count what they are asked, like a mixer taking commands.
class CountingSound final : public zorvek::SoundSystem {
 public:
  std::unique_ptr<zorvek::SoundPlayer> Create(zorvek::SoundBank, int) override {
    return std::make_unique<Player>(calls);
  }
  int64_t calls = 0;

 private:
  struct Player final : zorvek::SoundPlayer {
    explicit Player(int64_t& c) : calls(c) {}
    void Init(int32_t) override { ++calls; }
    int32_t Load(const std::string&) override { return static_cast<int32_t>(++calls); }
    int32_t Play(bool, bool) override { return static_cast<int32_t>(++calls); }
    void Stop(bool) override { ++calls; }
    void SetProperty(int, int32_t, bool) override { ++calls; }
    void Unload(int32_t) override { ++calls; }
    void Free() override { ++calls; }
    int64_t& calls;
  };
};

void BM_MovementKey(benchmark::State& state) {
  QuietUi ui;
  CountingSound sound;
  zorvek::MersenneRandom random;
  zorvek::SystemClock clock;
  zorvek::Game game(zorvek::Ports{ui, random, clock, sound}, zorvek::RunSettings{"/tmp", 7});
  zorvek::StartGameWindow(game);
  // A recruited party in the great hall, walking back and forth across it.
  for (int p = 1; p <= 4; ++p) game.Party(p) = game.DungeonBeings(p);
  game.AnyRecruited = true;
  game.RecruitingOpen = false;
  game.CurrentRoom = game.Rooms(4);
  game.CurrentRoomIndex = 4;
  game.CursorX = 2;
  game.CursorY = 5;
  bool right = true;
  sound.calls = 0;
  for (auto _ : state) {
    if (game.CursorX >= game.CurrentRoom.Width - 1) right = false;
    if (game.CursorX <= 2) right = true;
    int16_t key = right ? zorvek::keys::kRight : zorvek::keys::kLeft;
    zorvek::HandleKey(game, key, 0);
    benchmark::DoNotOptimize(game.Text(zorvek::TextArea::TBDatos).size());
  }
  state.counters["sound_calls_per_key"] =
      benchmark::Counter(static_cast<double>(sound.calls), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MovementKey)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
