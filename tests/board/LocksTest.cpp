#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "board/Locks.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

struct LockRules : ::testing::Test {
  LockRules() {
    t.BlankRooms(4, 5, 9);
    t.game.DungeonBeings.ReDim(1, 21);
    BuildLockNames(t.game);
  }
  testing::TestGame t;
};

TEST_F(LockRules, LockNamesHoldEveryAdjectiveOnceAfterShuffling) {
  for (int seed = 1; seed <= 50; ++seed) {
    t.random.Seed(seed);
    BuildLockNames(t.game);
    std::multiset<std::string> names;
    for (int i = 1; i <= 20; ++i) names.insert(t.game.LockNames(i));
    std::multiset<std::string> expected(LockAdjectives().begin(), LockAdjectives().end());
    EXPECT_EQ(names, expected);
  }
}

TEST_F(LockRules, KeyGoesToTheFirstBeingsPackThenToTheFloor) {
  t.game.Rooms(3).Beings(2) = 20;
  t.game.Rooms(3).Beings(3) = 21;
  ASSERT_TRUE(PlaceKey(t.game, 3));
  const Item& key = t.game.DungeonBeings(20).Inventory(1);
  EXPECT_EQ(key.Name.Trimmed(), "Llave " + t.game.LockNames(1));
  EXPECT_EQ(key.KeyNo, 1);
  EXPECT_FALSE(IsSet(key.IsMasculine));
  EXPECT_EQ(t.game.KeysPlaced, 1);

  // The first carrier's pack is full: the key lies on a random cell of the room.
  for (auto& slot : t.game.DungeonBeings(20).Inventory) slot.Name = "Piedra";
  t.random.Play({0.99, 0.0});
  ASSERT_TRUE(PlaceKey(t.game, 3));
  const Item& floor = t.game.Rooms(3).Items(1);
  EXPECT_EQ(floor.KeyNo, 2);
  EXPECT_EQ(floor.X, 5);
  EXPECT_EQ(floor.Y, 1);
  EXPECT_TRUE(t.game.DungeonBeings(21).Inventory(1).Name.IsEmpty());
}

TEST_F(LockRules, NoKeyWhenFloorAndCarrierAreFullOrPastTheTwentiethLock) {
  t.game.Rooms(2).Beings(1) = 20;
  for (auto& slot : t.game.DungeonBeings(20).Inventory) slot.Name = "Piedra";
  for (auto& slot : t.game.Rooms(2).Items) slot.Name = "Piedra";
  EXPECT_FALSE(PlaceKey(t.game, 2));
  EXPECT_EQ(t.game.KeysPlaced, 0);

  t.game.KeysPlaced = 20;
  EXPECT_FALSE(PlaceKey(t.game, 4));
  EXPECT_EQ(t.game.KeysPlaced, 20);
  EXPECT_TRUE(t.game.Rooms(4).Items(1).Name.IsEmpty());
}

TEST_F(LockRules, KeySearchUsesUpTheFirstKeyOfTheLockInHandsBodyOrPackEvenOnTheDead) {
  const Item key{.Name = "Llave verde", .KeyNo = 4};
  t.game.Party(1).Life = 0;
  t.game.Party(1).LeftHand = key;
  t.game.Party(1).Inventory(3) = key;
  t.game.Party(3).Inventory(1) = key;
  EXPECT_EQ(UseKeyForLock(t.game, 3), 0);
  EXPECT_EQ(UseKeyForLock(t.game, 4), 1);
  EXPECT_TRUE(t.game.Party(1).LeftHand.Name.IsEmpty());
  // Hands and body are searched, and then the pack as well.
  EXPECT_TRUE(t.game.Party(1).Inventory(3).Name.IsEmpty());
  EXPECT_EQ(UseKeyForLock(t.game, 4), 3);
  // Doors closed by a bar have no lock number and never use a key.
  t.game.Party(3).Inventory(1) = key;
  EXPECT_EQ(UseKeyForLock(t.game, -1), 0);
  EXPECT_EQ(UseKeyForLock(t.game, 0), 0);
  EXPECT_EQ(t.game.Party(3).Inventory(1).KeyNo, 4);
}

}  // namespace
}  // namespace zorvek
