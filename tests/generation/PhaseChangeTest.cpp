#include <gtest/gtest.h>

#include "generation/PhaseChange.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

// (The runner's way down to a deep phase, with the party and without one, and the ending
// are held in golden transcripts.)
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
