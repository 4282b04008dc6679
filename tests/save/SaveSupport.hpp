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

// Everything a save holds, copied out of a game so that two games can be compared.
struct SavedState {
  int RoomsLower = 0;
  std::vector<Room> Rooms;
  int BeingsLower = 0;
  std::vector<Being> DungeonBeings;
  int MonstersLower = 0;
  std::vector<Being> MonsterCatalogue;
  Slots<Being, 10> Bosses;
  Slots<Being, 4> Party;
  Room CurrentRoom;
  int16_t CursorX = 0;
  int16_t CursorY = 0;
  int16_t Phase = 0;
  int16_t CurrentRoomIndex = 0;
  int32_t Difficulty = 0;
  bool AnyRecruited = false;
  bool RecruitingOpen = false;
  int16_t RecruitedCount = 0;
  std::vector<std::string> LockNames;

  bool operator==(const SavedState&) const = default;
};

inline SavedState SavedStateOf(const Game& g) {
  SavedState s;
  s.RoomsLower = g.Rooms.Lower();
  s.Rooms.assign(g.Rooms.begin(), g.Rooms.end());
  s.BeingsLower = g.DungeonBeings.Lower();
  s.DungeonBeings.assign(g.DungeonBeings.begin(), g.DungeonBeings.end());
  s.MonstersLower = g.MonsterCatalogue.Lower();
  s.MonsterCatalogue.assign(g.MonsterCatalogue.begin(), g.MonsterCatalogue.end());
  s.Bosses = g.Bosses;
  s.Party = g.Party;
  s.CurrentRoom = g.CurrentRoom;
  s.CursorX = g.CursorX;
  s.CursorY = g.CursorY;
  s.Phase = g.Phase;
  s.CurrentRoomIndex = g.CurrentRoomIndex;
  s.Difficulty = g.Difficulty;
  s.AnyRecruited = g.AnyRecruited;
  s.RecruitingOpen = g.RecruitingOpen;
  s.RecruitedCount = g.RecruitedCount;
  for (int k = 1; k <= 20; ++k) s.LockNames.push_back(g.LockNames(k));
  return s;
}

// The saved state and what a failed load must leave alone besides it.
struct WholeState {
  SavedState Saved;
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
  return {SavedStateOf(g),
          g.Text(TextArea::TBGeneral),
          g.Text(TextArea::TBOpciones),
          g.TimerEnabled(TimerId::TMRPersecu),
          g.TimerEnabled(TimerId::TMRRecuperacion),
          g.CellMenuState,
          g.InCombat,
          g.PickupHero};
}

// Compares table by table so that a failure names the first entry that differs.
inline void ExpectSameSavedState(const SavedState& want, const SavedState& got) {
  ASSERT_EQ(want.Rooms.size(), got.Rooms.size());
  for (std::size_t k = 0; k < want.Rooms.size(); ++k) {
    EXPECT_TRUE(want.Rooms[k] == got.Rooms[k]) << "room " << k;
  }
  ASSERT_EQ(want.DungeonBeings.size(), got.DungeonBeings.size());
  for (std::size_t k = 0; k < want.DungeonBeings.size(); ++k) {
    EXPECT_TRUE(want.DungeonBeings[k] == got.DungeonBeings[k]) << "being " << k + 1;
  }
  EXPECT_TRUE(want.Party == got.Party);
  EXPECT_TRUE(want.CurrentRoom == got.CurrentRoom);
  EXPECT_TRUE(want == got) << "bounds, catalogues, bosses, lock names or line 1 differ";
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
