#include <gtest/gtest.h>

#include "generation/DungeonChecks.hpp"
#include "generation/Generation.hpp"
#include "support/TestGame.hpp"

namespace zorvek::testing {
namespace {

constexpr int kSeeds = 300;

std::string Describe(int seed, int phase, const Problems& problems) {
  std::string text = "seed " + std::to_string(seed) + ", phase " + std::to_string(phase) + ":";
  for (std::size_t i = 0; i < problems.size() && i < 5; ++i) text += "\n  " + problems[i];
  return text;
}

// Every phase of a game, built as the game builds them one after the other.
TEST(DungeonSeeds, EveryPhaseOfManySeedsKeepsTheRulesAndCanBeSolved) {
  int regenerations[6] = {};
  for (int seed = 1; seed <= kSeeds; ++seed) {
    TestGame t(RunSettings{".", seed});
    GenerationReport report = BuildFirstDungeon(t.game);
    for (int phase = 1; phase <= 5; ++phase) {
      if (phase > 1) report = BuildPhaseDungeonReported(t.game, phase);
      ASSERT_EQ(t.game.Phase, phase);
      EXPECT_FALSE(report.Relaxed) << "seed " << seed << " phase " << phase;
      EXPECT_TRUE(CheckSolvable(t.game)) << "seed " << seed << " phase " << phase;
      Problems problems = CheckDungeon(t.game);
      ASSERT_TRUE(problems.empty()) << Describe(seed, phase, problems);
      regenerations[phase] += report.Regenerations();
    }
  }
  for (int phase = 1; phase <= 5; ++phase) {
    // Regeneration is a rare way out, not the rule.
    EXPECT_LT(regenerations[phase], kSeeds / 10) << "phase " << phase;
  }
}

// Generators stuck on one value make bounded searches run out: the generation still
// ends, inside the slots, with a dungeon the party can finish, by its last resort if
// need be.
TEST(DungeonSeeds, AStuckGeneratorStillEndsWithASolvableDungeon) {
  int relaxed = 0;
  for (double stuck : {0.0, 0.3, 0.5, 0.999}) {
    for (int phase = 1; phase <= 5; ++phase) {
      TestGame t(RunSettings{".", 5});
      BuildFirstDungeon(t.game);
      t.random.Play({stuck});
      if (phase == 1) {
        RegeneratePhase(t.game);
      } else {
        relaxed += BuildPhaseDungeonReported(t.game, phase).Relaxed ? 1 : 0;
      }
      std::string where = std::to_string(stuck) + " phase " + std::to_string(phase);
      EXPECT_TRUE(CheckSolvable(t.game)) << where;
      EXPECT_TRUE(PlayerReachesTheEnd(t.game)) << where;
      Problems problems;
      CheckWalls(t.game, problems);
      CheckPartners(t.game, problems);
      EXPECT_TRUE(problems.empty()) << where << ": " << problems.front();
    }
  }
  EXPECT_GT(relaxed, 0);
}

}  // namespace
}  // namespace zorvek::testing
