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

// The same seed gives the same game, and difficulty scales only its monsters. (How a new
// game stands in the cells is held in golden transcripts.)
TEST(StartUp, NewGamesFollowTheirSeedAndDifficulty) {
  EXPECT_EQ(DumpOf(Seeded(42)), DumpOf(Seeded(42)));
  EXPECT_NE(DumpOf(Seeded(42))["Rooms"], DumpOf(Seeded(43))["Rooms"]);
  const Json easy = DumpOf(Seeded(7))["DungeonBeings"];
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
