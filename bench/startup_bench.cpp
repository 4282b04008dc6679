// Times the game window's start-up: lock names, starting area, catalogues and the
// whole phase 1 dungeon, as a new game builds them.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "QuietPorts.hpp"
#include "model/Game.hpp"
#include "platform/Dialog.hpp"
#include "startup/StartUp.hpp"

namespace {

using zorvek::bench::CountingSound;
using zorvek::bench::QuietUi;

void BM_StartUp(benchmark::State& state) {
  QuietUi ui;
  CountingSound sound;
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
