#include <gtest/gtest.h>

#include "generation/PhaseChange.hpp"
#include "support/RunnerEvents.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

using testing::Json;

// Four changes reach phase five with the party a player would have, standing in the
// hall; without one the phase starts empty. (The ending itself, its story and its music,
// is held in a golden transcript.)
TEST(PhaseChange, TheRunnerReachesADeepPhaseWithThePartyAndWithoutOne) {
  const Json state = testing::LastState(testing::RunEvents(testing::Seeded(21, 5), "dump\n"));
  EXPECT_EQ(state["Phase"], 5);
  EXPECT_EQ(state["CurrentRoomIndex"], 1);
  EXPECT_EQ(state["CursorX"], 5);
  EXPECT_EQ(state["Rooms"][1]["Name"], "Gran sala de columnas");
  EXPECT_EQ(state["DungeonBeings"][0]["Name"], "");
  EXPECT_EQ(state["Party"][3]["Name"], "Sukir, hechicero humano");
  EXPECT_EQ(state["RecruitingOpen"], false);
  script::RunnerOptions alone = testing::Seeded(21, 3);
  alone.Party = false;
  const Json empty = testing::LastState(testing::RunEvents(alone, "dump\n"));
  EXPECT_EQ(empty["Phase"], 3);
  EXPECT_EQ(empty["Party"][0]["Name"], "");
  EXPECT_EQ(empty["RecruitingOpen"], true);
}

TEST(PhaseChange, KeysInPacksAreLeftBehindButNotThoseInHand) {
  testing::TestGame t(RunSettings{"/tmp", 3});
  t.Start({1});
  const Item key{.Name = "Llave verde", .KeyNo = 2};
  t.game.Party(1).Inventory(1) = key;
  t.game.Party(1).Inventory(2) = {.Name = "Perla"};
  t.game.Party(1).LeftHand = key;
  CompletePhase(t.game);
  EXPECT_EQ(t.game.Phase, 2);
  EXPECT_EQ(t.game.Party(1).Inventory(1).Name.Trimmed(), "Perla");
  EXPECT_TRUE(t.game.Party(1).Inventory(2).Name.IsEmpty());
  EXPECT_EQ(t.game.Party(1).LeftHand.KeyNo, 2);
  EXPECT_EQ(t.game.Party(1).RightHand.Name.Trimmed(), "Espada bastarda");
  EXPECT_EQ(t.game.CurrentRoom.Name.Trimmed(), "Gran sala de columnas");
}

}  // namespace
}  // namespace zorvek
