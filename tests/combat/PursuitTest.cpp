#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "board/Board.hpp"
#include "combat/Combat.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

// The party of the four first candidates alone in the 15 x 10 hall, every blow missing.
struct Pursuit : ::testing::Test {
  Pursuit() : t(RunSettings{"/tmp", 5}) {
    t.Start({1, 2, 3, 4});
    g.RecruitedCount = 4;
    g.RecruitingOpen = false;
    EnterRoom(g, 4, WallSide::None, DataLine::Clear);
    g.CurrentRoom.Beings = {};
    g.CursorX = 7;
    g.CursorY = 5;
    t.random.Play({0});
  }
  void Place(int dx, int dy) {
    Being kobold = g.MonsterCatalogue(1);
    kobold.X = static_cast<int16_t>(g.CursorX + dx);
    kobold.Y = static_cast<int16_t>(g.CursorY + dy);
    g.CurrentRoom.Beings = {};
    g.CurrentRoom.Beings(1) = static_cast<int16_t>(g.DungeonBeings.Append(kobold));
    g.Rooms(4).Beings = g.CurrentRoom.Beings;
  }
  testing::TestGame t;
  Game& g = t.game;
};

// A monster engages from its own cell or one of the eight around the party, never from
// two cells away along a row, a column or a diagonal.
TEST_F(Pursuit, AMonsterEngagesOnlyFromACellBesideTheParty) {
  for (int dx = -3; dx <= 3; ++dx) {
    for (int dy = -3; dy <= 3; ++dy) {
      Place(dx, dy);
      g.InCombat = false;
      EngageIfAdjacent(g);
      EXPECT_EQ(g.InCombat, std::max(std::abs(dx), std::abs(dy)) <= 1) << dx << "," << dy;
    }
  }
}

// One hero standing at a single point of life still holds the fight; the party is lost
// only when nobody stands.
TEST_F(Pursuit, AHeroAtOneLifeKeepsThePartyInTheFight) {
  for (int h = 2; h <= 4; ++h) g.Party(h).Life = 0;
  g.Party(1).Life = 1;
  Place(1, 0);
  EngageIfAdjacent(g);
  ASSERT_TRUE(g.InCombat);
  CombatTurn(g);
  EXPECT_FALSE(t.ui.Ended);
  EXPECT_FALSE(g.WindowClosed());
  EXPECT_TRUE(g.InCombat);
}

}  // namespace
}  // namespace zorvek
