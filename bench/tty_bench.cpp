// Times the terminal game as its player meets it, through a pseudo-terminal: from the
// process's start to the start menu's first line, and from a key's bytes to its answer
// on the screen (decoding, the game, the lines written, both ways through the pty).
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "PtyGame.hpp"

namespace {

using Clock = std::chrono::steady_clock;

std::string BenchDir() {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "zorvek_tty_bench";
  std::filesystem::create_directories(dir);
  return dir.string();
}

void BM_StartToMenu(benchmark::State& state) {
  const std::string dir = BenchDir();
  for (auto _ : state) {
    auto start = Clock::now();
    ttytest::PtyGame game({"--dir", dir, "--seed", "7"});
    if (!game.See("Zorvek, menú de inicio")) {
      state.SkipWithError("the start menu never showed");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
}
BENCHMARK(BM_StartToMenu)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

void BM_KeyToText(benchmark::State& state) {
  ttytest::PtyGame game({"--dir", BenchDir(), "--seed", "7"});
  game.Send("\t\r");
  if (!game.See("1, 1")) {
    state.SkipWithError("the game window never opened");
    return;
  }
  bool right = true;
  for (auto _ : state) {
    auto start = Clock::now();
    game.Send(right ? "\x1b[C" : "\x1b[D");
    if (!game.See(right ? "2, 1" : "1, 1")) {
      state.SkipWithError("a key went unanswered");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    right = !right;
  }
}
BENCHMARK(BM_KeyToText)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(500)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
