#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "board/Board.hpp"
#include "generation/Generation.hpp"
#include "startup/StartUp.hpp"
#include "support/Invariants.hpp"
#include "support/TestGame.hpp"

namespace zorvek::testing {

namespace fs = std::filesystem;

// Record sizes in the save files, and the files in the order they are written.
constexpr std::size_t kBeing = 4168;
constexpr std::size_t kRoom = 4196;
constexpr std::size_t kItem = 174;
constexpr std::array<const char*, 6> kSaveFiles = {"A.dat", "B.dat", "C.dat",
                                                   "D.dat", "E.dat", "F.dat"};

// A fresh, empty directory of its own for each call; the test's own name keeps apart the
// cases of one test that CTest runs side by side.
inline fs::path FreshDir(const std::string& name) {
  static std::atomic<int> counter{0};
  std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
  std::replace(test.begin(), test.end(), '/', '_');
  fs::path dir = fs::path(::testing::TempDir()) /
                 ("zorvek_save_" + name + "_" + test + "_" + std::to_string(++counter));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

// A complete new game whose program directory is `dir`; phases above 1 are built the
// way the phase change builds them and the party stands in their first room.
inline std::unique_ptr<TestGame> NewGame(const fs::path& dir, int seed, int phase = 1) {
  auto t = std::make_unique<TestGame>(RunSettings{dir.string(), seed});
  StartGameWindow(t->game);
  if (phase > 1) {
    BuildPhaseDungeon(t->game, phase);
    EnterRoom(t->game, 1, WallSide::None, DataLine::Clear);
  }
  return t;
}

inline std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// What a failed load must leave alone: every byte a save of the game would hold, and
// the texts, timers and states beside it.
struct WholeState {
  std::array<std::string, save_format::kFileCount> Saved;
  std::string General;
  std::string Options;
  bool Pursuit = false;
  bool Recovery = false;
  int16_t CellMenuState = 0;
  bool InCombat = false;
  int16_t PickupHero = 0;

  bool operator==(const WholeState&) const = default;
};

inline WholeState WholeStateOf(const Game& g) {
  return {save_format::EncodeSave(g),
          g.Text(TextArea::TBGeneral),
          g.Text(TextArea::TBOpciones),
          g.TimerEnabled(TimerId::TMRPersecu),
          g.TimerEnabled(TimerId::TMRRecuperacion),
          g.CellMenuState,
          g.InCombat,
          g.PickupHero};
}

// The loaded game holds what the saved one held, table by table.
inline void ExpectSameSave(const Game& want, const Game& got) {
  EXPECT_EQ(SavedDifference(want, got), "") << "differs after the load";
}

// Sets an environment variable for the life of the guard, then puts the old value back.
class EnvGuard {
 public:
  EnvGuard(const char* name, const std::optional<std::string>& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value);
  }
  ~EnvGuard() { Set(old_); }
  EnvGuard(const EnvGuard&) = delete;
  EnvGuard& operator=(const EnvGuard&) = delete;

 private:
  void Set(const std::optional<std::string>& value) {
    value ? setenv(name_.c_str(), value->c_str(), 1) : unsetenv(name_.c_str());
  }
  std::string name_;
  std::optional<std::string> old_;
};

}  // namespace zorvek::testing
