// Times saving and loading a phase 5 game: the six files written through temporary
// names and renamed, then read, checked and put in place with the room's sound rebuilt.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "../tests/support/TestGame.hpp"
#include "board/Board.hpp"
#include "generation/Generation.hpp"
#include "startup/SaveFormat.hpp"
#include "startup/SaveLoad.hpp"
#include "startup/StartUp.hpp"

namespace {

namespace fs = std::filesystem;

// A scratch directory that is gone again when the benchmark ends.
struct ScratchDir {
  ScratchDir() {
    std::random_device seed;
    path = fs::temp_directory_path() / ("zorvek_saveload_bench_" + std::to_string(seed()));
    fs::create_directories(path);
  }
  ~ScratchDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  fs::path path;
};

struct PhaseFiveGame {
  explicit PhaseFiveGame(const fs::path& dir) : t(zorvek::RunSettings{dir.string(), 5}) {
    zorvek::StartGameWindow(t.game);
    zorvek::BuildPhaseDungeon(t.game, 5);
    zorvek::EnterRoom(t.game, 1, zorvek::WallSide::None, zorvek::DataLine::Clear);
  }
  zorvek::testing::TestGame t;
};

void SetCounters(benchmark::State& state, const zorvek::Game& game) {
  state.counters["rooms"] = game.Rooms.Count();
  state.counters["beings"] = game.DungeonBeings.Count();
}

void BM_SavePhaseFive(benchmark::State& state) {
  ScratchDir dir;
  PhaseFiveGame g(dir.path);
  for (auto _ : state) {
    if (!zorvek::GuardarPartida(g.t.game)) state.SkipWithError("the save failed");
  }
  SetCounters(state, g.t.game);
}

void BM_LoadPhaseFive(benchmark::State& state) {
  ScratchDir dir;
  PhaseFiveGame g(dir.path);
  if (!zorvek::GuardarPartida(g.t.game)) state.SkipWithError("the save failed");
  for (auto _ : state) {
    if (!zorvek::CargarPartida(g.t.game)) state.SkipWithError("the load failed");
  }
  SetCounters(state, g.t.game);
}

// The in-memory halves: encoding the six files, and reading and checking them.
void BM_EncodePhaseFive(benchmark::State& state) {
  ScratchDir dir;
  PhaseFiveGame g(dir.path);
  for (auto _ : state) benchmark::DoNotOptimize(zorvek::save_format::EncodeSave(g.t.game));
}

void BM_DecodePhaseFive(benchmark::State& state) {
  ScratchDir dir;
  PhaseFiveGame g(dir.path);
  const auto files = zorvek::save_format::EncodeSave(g.t.game);
  zorvek::save_format::SaveBytes bytes;
  for (std::size_t k = 0; k < files.size(); ++k) bytes.at(k) = files.at(k);
  for (auto _ : state) {
    zorvek::save_format::SavedGame saved;
    if (zorvek::save_format::DecodeSave(bytes, saved)) state.SkipWithError("refused");
    benchmark::DoNotOptimize(saved);
  }
}

BENCHMARK(BM_SavePhaseFive)->Unit(benchmark::kMillisecond)->Repetitions(9);
BENCHMARK(BM_LoadPhaseFive)->Unit(benchmark::kMillisecond)->Repetitions(9);
BENCHMARK(BM_EncodePhaseFive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodePhaseFive)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
