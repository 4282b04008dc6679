#include <gtest/gtest.h>

#include "generation/Generation.hpp"
#include "support/TestGame.hpp"

namespace zorvek::testing {
namespace {

// Hall 1 -> room 2 -> boss room 3 -> staircase room 0, each door with its way back.
struct SmallDungeon : ::testing::Test {
  SmallDungeon() {
    game.Rooms.ReDim(0, 3);
    for (int r = 1; r <= 3; ++r) {
      game.Rooms(r).Index = static_cast<int16_t>(r);
      game.Rooms(r).Width = game.Rooms(r).Height = 4;
    }
    Join(1, 2, 2);
    Join(2, 3, 2);
    Exit& stairs = game.Rooms(3).Exits(2);
    stairs.Kind = "puerta";
    stairs.Side = 3;
    stairs.X = 5;
    stairs.Y = 2;
    stairs.IsOpen = kTrue;
    game.Rooms(0).Exits(1).TargetRoom = 3;
    game.Rooms(0).Exits(1).Kind = "puerta";
    game.DungeonBeings.ReDim(1, 20);
  }
  void Join(int from, int to, int slot) {
    Exit& there = game.Rooms(from).Exits(slot);
    there.Kind = "reja";
    there.TargetRoom = static_cast<int16_t>(to);
    there.Side = 2;
    there.Y = 5;
    there.X = 2;
    there.IsOpen = kTrue;
    Exit& back = game.Rooms(to).Exits(1);
    back = there;
    back.TargetRoom = static_cast<int16_t>(from);
    back.Side = 4;
    back.Y = 0;
  }
  Exit& bossDoor() { return game.Rooms(2).Exits(2); }
  void Lock() {
    bossDoor().IsOpen = kFalse;
    bossDoor().LockNo = 4;
  }
  Item Key() {
    Item key;
    key.Name = "Llave verde";
    key.KeyNo = 4;
    return key;
  }
  TestGame t;
  Game& game = t.game;
};

TEST_F(SmallDungeon, openDoorsAllTheWayAreSolvableButOnlyWithAnOpenStaircase) {
  EXPECT_TRUE(CheckSolvable(game));
  game.Rooms(3).Exits(2).IsOpen = kFalse;
  EXPECT_FALSE(CheckSolvable(game));
  game.Rooms(3).Exits(2) = Exit{};
  EXPECT_FALSE(CheckSolvable(game));
}

// The key must lie on the near side of its lock: on the floor, carried by a living
// monster or in a hero's hands.
TEST_F(SmallDungeon, aLockedWayNeedsItsKeyOnTheNearSide) {
  Lock();
  EXPECT_FALSE(CheckSolvable(game));
  game.Rooms(3).Items(1) = Key();  // behind its own lock
  EXPECT_FALSE(CheckSolvable(game));
  Being& carrier = game.DungeonBeings(20);
  carrier.Inventory(3) = Key();
  carrier.Life = 5;
  game.Rooms(2).Beings(4) = 20;
  EXPECT_TRUE(CheckSolvable(game));
  carrier.Life = 0;
  EXPECT_FALSE(CheckSolvable(game));
  game.Party(2).LeftHand = Key();
  EXPECT_TRUE(CheckSolvable(game));
  game.Party(2).LeftHand = Item{};
  game.Rooms(1).Items(5) = Key();
  EXPECT_TRUE(CheckSolvable(game));
}

TEST_F(SmallDungeon, aBarredDoorOpensOnceItsBarsRoomIsReached) {
  bossDoor().IsOpen = kFalse;
  bossDoor().LockNo = -1;
  Item bar;
  bar.IsBar = kTrue;
  bar.BarTargetRoom = 2;
  bar.BarTargetExit = 2;
  game.Rooms(3).Items(2) = bar;
  EXPECT_FALSE(CheckSolvable(game));
  game.Rooms(3).Items(2) = Item{};
  game.Rooms(2).Items(2) = bar;
  EXPECT_TRUE(CheckSolvable(game));
}

}  // namespace
}  // namespace zorvek::testing
