#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "board/Locks.hpp"
#include "catalogue/Catalogues.hpp"
#include "generation/Generation.hpp"
#include "support/TestGame.hpp"

namespace zorvek::testing {
namespace {

// A game whose jailer's room (room 3, 5 x 9) waits for monsters.
struct StartingArea : ::testing::Test {
  StartingArea() {
    t.game.Rooms.ReDim(0, 4);
    t.game.Phase = 1;
    BuildStartingArea(t.game);
    BuildMonsterCatalogue(t.game);
    t.game.DungeonBeings.ReDim(1, 19);
  }
  Room& room(int i) { return t.game.Rooms(i); }
  long beingsIn(int i) { return 20 - std::count(room(i).Beings.begin(), room(i).Beings.end(), 0); }
  TestGame t;
};

TEST_F(StartingArea, AMemberWhoseLifePassesTheBudgetAloneStaysAlone) {
  // Kobold (life 10) drawn with the lowest life, 8, already beyond a budget of 5.
  t.random.Play({0.0, 0.0, 0.5, 0.5});
  PopulateRoom(t.game, 5, 0, 15, 3);
  ASSERT_EQ(beingsIn(3), 1);
  const Being& kobold = t.game.DungeonBeings(room(3).Beings(1));
  EXPECT_EQ(kobold.Name.Trimmed(), "Kobold");
  EXPECT_EQ(kobold.MaxLife, 8);
  EXPECT_EQ(kobold.X, 3);  // Int(3 x 0.5) + 2
  EXPECT_EQ(kobold.Y, 5);  // Int(7 x 0.5) + 2
  EXPECT_EQ(room(3).Beings(1), 20);

  // In a group, the member that passes the budget leaves it: lives 8, 16, 24 > 20.
  room(3).Beings = {};
  t.random.Play({0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.5, 0.5});
  PopulateRoom(t.game, 20, 0, 15, 3);
  EXPECT_EQ(beingsIn(3), 2);
  EXPECT_EQ(t.game.DungeonBeings.Upper(), 22);
}

TEST_F(StartingArea, AGroupTooBigForTheRoomIsCutToItsFreeSlots) {
  for (int slot = 1; slot <= 18; ++slot) room(3).Beings(slot) = 1;
  PopulateRoom(t.game, 30000, 0, 15, 3);
  EXPECT_EQ(beingsIn(3), 20);
  EXPECT_EQ(room(3).Beings(18), 1);
  EXPECT_EQ(room(3).Beings(19), 20);
  EXPECT_EQ(room(3).Beings(20), 21);
  EXPECT_EQ(t.game.DungeonBeings.Upper(), 21);
}

TEST_F(StartingArea, NoKindInTheLifeRangeMeansNoGroupAndNoDraw) {
  int draws = t.random.Draws;
  PopulateRoom(t.game, 500, 300, 400, 3);
  EXPECT_EQ(beingsIn(3), 0);
  EXPECT_EQ(t.random.Draws, draws);
  EXPECT_EQ(t.game.DungeonBeings.Upper(), 19);
}

TEST_F(StartingArea, ALockGoesOnTheLastForwardDoorOnlyAndNeverBeyondTwenty) {
  EXPECT_TRUE(PlaceLock(t.game, 2));
  EXPECT_FALSE(IsSet(room(2).Exits(3).IsOpen));
  EXPECT_EQ(room(2).Exits(3).LockNo, 1);
  EXPECT_EQ(t.game.LocksPlaced, 1);
  EXPECT_TRUE(IsSet(room(4).Exits(1).IsOpen));  // the other side stays open

  EXPECT_FALSE(PlaceLock(t.game, 3));  // its only door is the way back

  t.game.LocksPlaced = 20;
  const Room before = room(1);
  EXPECT_FALSE(PlaceLock(t.game, 1));
  EXPECT_EQ(room(1), before);
  EXPECT_EQ(t.game.LocksPlaced, 20);
}

// A room whose life bounds are one kind's own life draws that kind or another as
// strong: the bounds take in both ends, so no kind is out of every room's reach.
TEST(Populate, EveryKindCanBeDrawnByARoomWhoseBoundsAreItsOwnLife) {
  TestGame t(RunSettings{"/tmp", 9});
  t.Start();
  const Table<Being>& kinds = t.game.MonsterCatalogue;
  for (int k = kinds.Lower(); k <= kinds.Upper(); ++k) {
    const auto life = static_cast<int16_t>(kinds(k).MaxLife);
    std::set<std::string> asStrong;
    for (const Being& kind : kinds) {
      if (kind.MaxLife == life) asStrong.insert(kind.Name.Trimmed());
    }
    t.game.Rooms(1).Beings = {};
    PopulateRoom(t.game, life, life, life, 1);
    int drawn = 0;
    for (int16_t index : t.game.Rooms(1).Beings) {
      if (index < 1) continue;
      ++drawn;
      EXPECT_EQ(asStrong.count(t.game.DungeonBeings(index).Name.Trimmed()), 1u);
    }
    EXPECT_GE(drawn, 1) << kinds(k).Name.Trimmed();
  }
}

}  // namespace
}  // namespace zorvek::testing
