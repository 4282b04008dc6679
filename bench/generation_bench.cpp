// Time to generate each phase's dungeon over many fixed seeds, with the share of
// generations that had to build the dungeon more than once.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "../tests/support/TestGame.hpp"
#include "generation/Generation.hpp"
#include "model/Game.hpp"

namespace {

using namespace zorvek;

constexpr int kSeeds = 10000;

// The recording ports of the tests keep the bench in step with the engine's ports.
struct BenchGame {
  explicit BenchGame(int seed) : t(RunSettings{".", seed}) {}
  zorvek::testing::TestGame t;
  Game& game = t.game;
};

// The CPU time of this thread: the machine's other work does not count.
double CpuMicros() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e6 + static_cast<double>(now.tv_nsec) / 1e3;
}

GenerationReport GenerateFirstPhase(Game& game) {
  const PhaseParameters& row = PhaseRow(1);
  int16_t entry = row.EntrySide;
  return GenerateDungeonReported(game, row.StartRoom, row.Exits, row.RoomBudget, entry,
                                 row.GroupLife, row.LeastLife, row.GreatestLife, row.LockPairs);
}

void GeneratePhase(benchmark::State& state) {
  const int phase = static_cast<int>(state.range(0));
  std::vector<double> micros;
  micros.reserve(kSeeds);
  int regenerated = 0;
  int relaxed = 0;
  for (auto _ : state) {
    for (int seed = 1; seed <= kSeeds; ++seed) {
      BenchGame b(seed);
      PrepareFirstPhase(b.game);
      if (phase > 1) GenerateFirstPhase(b.game);
      double start = CpuMicros();
      GenerationReport report =
          phase == 1 ? GenerateFirstPhase(b.game) : BuildPhaseDungeonReported(b.game, phase);
      bool solvable = CheckSolvable(b.game);
      double stop = CpuMicros();
      benchmark::DoNotOptimize(solvable);
      micros.push_back(stop - start);
      regenerated += report.Attempts > 1 ? 1 : 0;
      relaxed += report.Relaxed ? 1 : 0;
    }
  }
  std::sort(micros.begin(), micros.end());
  double median = micros.at(micros.size() / 2);
  double worst = micros.back();
  double rate = 100.0 * regenerated / static_cast<double>(micros.size());
  state.counters["median_us"] = median;
  state.counters["worst_us"] = worst;
  state.counters["regenerated_pct"] = rate;
  state.counters["relaxed"] = relaxed;
  std::printf(
      "phase %d: %zu seeds, median %.1f us, worst %.1f us, regenerated %.2f%%, relaxed %d\n", phase,
      micros.size(), median, worst, rate, relaxed);
}

BENCHMARK(GeneratePhase)->DenseRange(1, 5)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
