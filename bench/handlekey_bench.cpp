// Times one movement key through the keyboard: the step, its footstep and exit-wind
// and beacon levels, and the cell description written to the data line.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "QuietPorts.hpp"
#include "model/Game.hpp"
#include "startup/Keyboard.hpp"
#include "startup/StartUp.hpp"

namespace {

using zorvek::bench::CountingSound;
using zorvek::bench::QuietUi;

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
BENCHMARK(BM_MovementKey)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
