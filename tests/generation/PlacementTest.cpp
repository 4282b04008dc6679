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

TEST_F(StartingArea, DifficultyScalesOnlyThePlacedMonsters) {
  PopulateRoom(t.game, 5, 0, 15, 3);
  t.game.DungeonBeings(19).Strength = 3;
  Being kobold = t.game.DungeonBeings(20);
  t.game.Difficulty = 1;
  ScaleForDifficulty(t.game);
  EXPECT_EQ(t.game.DungeonBeings(20), kobold);
  t.game.Difficulty = 3;
  ScaleForDifficulty(t.game);
  const Being& scaled = t.game.DungeonBeings(20);
  EXPECT_EQ(scaled.Strength, 6);
  EXPECT_EQ(scaled.MaxLife, 32);
  EXPECT_EQ(scaled.Life, 32);
  EXPECT_EQ(scaled.MeleeAttack, 9);
  EXPECT_EQ(t.game.DungeonBeings(19).Strength, 3);
}

// The parent of a generated room is behind its exit 1.
int RoomsUnder(const Game& game, int top) {
  int count = 0;
  for (int r = top; r <= game.Rooms.Upper(); ++r) {
    int x = r;
    while (x > top) x = game.Rooms(x).Exits(1).TargetRoom;
    count += x == top;
  }
  return count;
}

TEST(AddRoom, ACorridorLikeRoomHalvesTheBudgetBetweenSideBranchAndChain) {
  TestGame t;
  Game& game = t.game;
  BuildMonsterCatalogue(game);
  game.Rooms.ReDim(0, 1);
  game.Rooms(1).Index = 1;
  game.Rooms(1).Width = game.Rooms(1).Height = 10;
  game.BranchBaseRoom = 1;
  game.LockSpacing = 1000;
  // Every draw 0.3: every room a 4 x 4 gathering zone, so every budget of 4 or more splits.
  t.random.Play({0.3});
  int16_t budget = 12;
  AddRoom(game, 1, 0, 5, 2, budget, 0, 1, 0);
  EXPECT_EQ(budget, 6);
  const Room& first = game.Rooms(2);
  EXPECT_EQ(first.Name.Trimmed(), "Zona de agrupamiento");
  EXPECT_EQ(game.Rooms(1).Exits(2).TargetRoom, 2);
  // Side branch with budget 6: itself, a 3-room side chain, a 2-room chain.
  EXPECT_EQ(RoomsUnder(game, first.Exits(3).TargetRoom), 6);
  // Main chain with budget 5: itself, a 2-room side chain (5 \ 2), one more room.
  EXPECT_EQ(RoomsUnder(game, first.Exits(2).TargetRoom), 4);
  EXPECT_EQ(game.Rooms.Upper(), 12);
  for (int r = 2; r <= 12; ++r) {
    bool leaf = game.Rooms(r).Exits(2).Kind.IsEmpty() && game.Rooms(r).Exits(3).Kind.IsEmpty();
    EXPECT_EQ(leaf, game.Rooms(r).Name.Trimmed() == "Cámara oculta") << r;
  }
}

TEST(GenerateDungeon, TheEntrySideComesBackAsItsOpposite) {
  TestGame t(RunSettings{".", 3});
  BuildFirstDungeon(t.game);
  t.game.Rooms.ReDimPreserve(4);
  for (int slot = 2; slot <= 5; ++slot) t.game.Rooms(4).Exits(slot) = Exit{};
  int16_t entry = 2;
  GenerateDungeon(t.game, 4, 3, 48, entry, 30, 0, 29, 6);
  EXPECT_EQ(entry, 4);
  // The hall's three new doors take the three walls left free by the corridor's grille.
  std::set<int> sides;
  for (const Exit& e : t.game.Rooms(4).Exits) sides.insert(e.Side);
  EXPECT_EQ(sides, (std::set<int>{0, 1, 2, 3, 4}));
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
