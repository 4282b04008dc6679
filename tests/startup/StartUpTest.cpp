#include <gtest/gtest.h>

#include <sstream>

#include "app/script/Session.hpp"
#include "startup/StartUp.hpp"
#include "support/RunnerEvents.hpp"

namespace zorvek {
namespace {

using testing::Json;
using testing::RunEvents;
using testing::Seeded;

Json DumpOf(const script::RunnerOptions& options) {
  return testing::LastState(RunEvents(options, "dump\n"));
}

TEST(StartMenuLogic, DifficultyListAndLoadChoice) {
  StartMenu menu;
  EXPECT_TRUE(menu.NewGame());  // the first entry is selected when the menu opens
  EXPECT_EQ(menu.Difficulty(), 1);
  menu.Select(3);
  ASSERT_TRUE(menu.NewGame());
  menu.LoadGame();
  EXPECT_TRUE(menu.LoadOnStart());
  EXPECT_EQ(menu.Difficulty(), 5);  // kept until a loaded game restores its own
  menu.Select(-1);
  EXPECT_FALSE(menu.NewGame());
  EXPECT_TRUE(menu.LoadOnStart());
}

// A new game stands in the cells with an empty party; the same seed gives the same game,
// and difficulty scales only its monsters.
TEST(StartUp, NewGamesStandInTheCellsAndFollowTheirSeedAndDifficulty) {
  const Json s = DumpOf(Seeded(7));
  EXPECT_EQ(s["Phase"], 1);
  EXPECT_EQ(s["CurrentRoomIndex"], 1);
  EXPECT_EQ(s["CursorX"], 1);
  EXPECT_EQ(s["CursorY"], 1);
  EXPECT_EQ(s["RecruitingOpen"], true);
  EXPECT_EQ(s["Timers"]["TMRRecuperación"], true);
  EXPECT_EQ(s["Timers"]["TMRPersecu"], false);
  EXPECT_EQ(s["CurrentRoom"]["Name"], "Calabozos");
  for (const auto& hero : s["Party"]) EXPECT_EQ(hero["Name"], "");
  EXPECT_EQ(s["DungeonBeings"][1]["Name"], "Jan, guerrero humano");

  EXPECT_EQ(DumpOf(Seeded(42)), DumpOf(Seeded(42)));
  EXPECT_NE(DumpOf(Seeded(42))["Rooms"], DumpOf(Seeded(43))["Rooms"]);
  const Json& easy = s["DungeonBeings"];
  const Json hard = DumpOf(Seeded(7, 1, 5))["DungeonBeings"];
  ASSERT_EQ(easy.size(), hard.size());
  ASSERT_GT(hard.size(), 20u);
  EXPECT_EQ(hard[0], easy[0]);
  EXPECT_EQ(hard[19]["Constitution"], 5 * easy[19]["Constitution"].get<int>());
  // No monster comes out weaker than it was drawn, the boss included.
  std::ostringstream events;
  script::Session harder(Seeded(7, 1, 2), events);
  harder.Open();
  const Table<Being>& beings = harder.game().DungeonBeings;
  for (int i = 20; i <= beings.Upper(); ++i) {
    EXPECT_GE(beings(i).MaxLife, easy[i - 1]["MaxLife"]) << beings(i).Name.Trimmed();
    EXPECT_EQ(beings(i).Life, beings(i).MaxLife);
  }
}

}  // namespace
}  // namespace zorvek
