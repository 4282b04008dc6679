#include <gtest/gtest.h>

#include "generation/Generation.hpp"
#include "support/TestGame.hpp"

namespace zorvek::testing {
namespace {

// Hall 1 -> room 2 -> boss room 3 -> staircase room 0, each door with its way back.
struct SmallDungeon : ::testing::Test {
  SmallDungeon() {
    t.BlankRooms(3, 4, 4);
    Join(1, 2);
    Join(2, 3);
    game.Rooms(3).Exits(2) = {.X = 5, .Y = 2, .Kind = "puerta", .IsOpen = kTrue, .Side = 3};
    game.Rooms(0).Exits(1) = {.Kind = "puerta", .TargetRoom = 3};
    game.DungeonBeings.ReDim(1, 20);
  }
  void Join(int16_t from, int16_t to) {
    game.Rooms(from).Exits(2) = {
        .X = 2, .Y = 5, .Kind = "reja", .IsOpen = kTrue, .Side = 2, .TargetRoom = to};
    game.Rooms(to).Exits(1) = {
        .X = 2, .Y = 0, .Kind = "reja", .IsOpen = kTrue, .Side = 4, .TargetRoom = from};
  }
  Exit& bossDoor() { return game.Rooms(2).Exits(2); }

  const Item key{.Name = "Llave verde", .KeyNo = 4};
  TestGame t;
  Game& game = t.game;
};

TEST_F(SmallDungeon, OpenDoorsAllTheWayAreSolvableButOnlyWithAnOpenStaircase) {
  EXPECT_TRUE(CheckSolvable(game));
  game.Rooms(3).Exits(2).IsOpen = kFalse;
  EXPECT_FALSE(CheckSolvable(game));
  game.Rooms(3).Exits(2) = Exit{};
  EXPECT_FALSE(CheckSolvable(game));
}

// The key must lie on the near side of its lock: on the floor, carried by a living
// monster or in a hero's hands.
TEST_F(SmallDungeon, ALockedWayNeedsItsKeyOnTheNearSide) {
  bossDoor().IsOpen = kFalse;
  bossDoor().LockNo = 4;
  EXPECT_FALSE(CheckSolvable(game));
  game.Rooms(3).Items(1) = key;  // behind its own lock
  EXPECT_FALSE(CheckSolvable(game));
  Being& carrier = game.DungeonBeings(20);
  carrier.Inventory(3) = key;
  carrier.Life = 5;
  game.Rooms(2).Beings(4) = 20;
  EXPECT_TRUE(CheckSolvable(game));
  carrier.Life = 0;
  EXPECT_FALSE(CheckSolvable(game));
  game.Party(2).LeftHand = key;
  EXPECT_TRUE(CheckSolvable(game));
  game.Party(2).LeftHand = Item{};
  game.Rooms(1).Items(5) = key;
  EXPECT_TRUE(CheckSolvable(game));
}

TEST_F(SmallDungeon, ABarredDoorOpensOnceItsBarsRoomIsReached) {
  bossDoor().IsOpen = kFalse;
  bossDoor().LockNo = -1;
  const Item bar{.Name = "", .IsBar = kTrue, .BarTargetRoom = 2, .BarTargetExit = 2};
  game.Rooms(3).Items(2) = bar;
  EXPECT_FALSE(CheckSolvable(game));
  game.Rooms(3).Items(2) = Item{};
  game.Rooms(2).Items(2) = bar;
  EXPECT_TRUE(CheckSolvable(game));
}

// The walk tries every exit slot: the way on may stand in any of the five.
TEST_F(SmallDungeon, TheWayOnMayStandInAnyExitSlot) {
  const Exit door = game.Rooms(1).Exits(2);
  for (int slot = 1; slot <= 5; ++slot) {
    game.Rooms(1).Exits = {};
    game.Rooms(1).Exits(slot) = door;
    EXPECT_TRUE(CheckSolvable(game)) << slot;
  }
}

// Reaching the staircase is not enough: the boss's room must be reached too.
TEST_F(SmallDungeon, AWayPastTheBossIsNoSolution) {
  game.Rooms(1).Exits(3) = {.X = 5, .Y = 2, .Kind = "puerta", .IsOpen = kTrue, .Side = 3};
  bossDoor().IsOpen = kFalse;
  EXPECT_FALSE(CheckSolvable(game));
  bossDoor().IsOpen = kTrue;
  EXPECT_TRUE(CheckSolvable(game));
}

}  // namespace
}  // namespace zorvek::testing
