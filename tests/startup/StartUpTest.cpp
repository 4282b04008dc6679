#include <gtest/gtest.h>

#include <sstream>

#include "app/script/Session.hpp"
#include "startup/StartUp.hpp"
#include "support/Invariants.hpp"

namespace zorvek {
namespace {

// A new game opened by the runner, its save files in the test's own folder.
struct Opened {
  explicit Opened(int seed, int difficulty = 1)
      : session(
            script::RunnerOptions{
                .Seed = seed, .Difficulty = difficulty, .Dir = ::testing::TempDir()},
            events) {
    session.Open();
  }
  const Table<Being>& Beings() { return session.game().DungeonBeings; }
  std::ostringstream events;
  script::Session session;
};

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
  EXPECT_EQ(testing::SavedDifference(Opened(42).session.game(), Opened(42).session.game()), "");
  EXPECT_NE(testing::SavedDifference(Opened(42).session.game(), Opened(43).session.game()), "");
  Opened easy(7), hard(7, 5), harder(7, 2);
  ASSERT_EQ(easy.Beings().Upper(), hard.Beings().Upper());
  ASSERT_GT(hard.Beings().Upper(), 20);
  EXPECT_EQ(hard.Beings()(1), easy.Beings()(1));
  EXPECT_EQ(hard.Beings()(20).Constitution, 5 * easy.Beings()(20).Constitution);
  EXPECT_EQ(hard.Beings()(20).Strength, 5 * easy.Beings()(20).Strength);
  // No monster comes out weaker than it was drawn, the boss included.
  for (int i = 20; i <= harder.Beings().Upper(); ++i) {
    EXPECT_GE(harder.Beings()(i).MaxLife, easy.Beings()(i).MaxLife) << i;
    EXPECT_EQ(harder.Beings()(i).Life, harder.Beings()(i).MaxLife);
  }
}

}  // namespace
}  // namespace zorvek
