#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "board/Board.hpp"
#include "combat/Combat.hpp"
#include "startup/Keyboard.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

constexpr int kKobold = 1;
constexpr int kArcher = 6;
constexpr int kRedDragon = 17;
constexpr const char* kPrompt = "\r\nA: atacar, H: Huir, G: grupo";

// The thousand order draws of a turn (all 0: the order stays 1, 2, 3, 4), then `rest`.
std::vector<double> Turn(std::initializer_list<double> rest) {
  std::vector<double> draws(1000, 0.0);
  draws.insert(draws.end(), rest);
  return draws;
}

// Urso and Jan in front, Elkor and Sukir behind, alone with whatever monsters a test
// puts in the 15 x 10 hall.
struct Fight : ::testing::Test {
  Fight() : t(RunSettings{"/tmp", 5}) {
    t.Start({1, 2, 3, 4});
    g.RecruitingOpen = false;
    EnterRoom(g, 4, WallSide::None, DataLine::Clear);
    g.CurrentRoom.Beings = {};
    g.CurrentRoom.Items = {};
    g.Rooms(4) = g.CurrentRoom;
    g.CursorX = g.CursorY = 5;
    g.SetText(TextArea::TBDatos, "");
  }
  // A monster of `kind` on the cell (at, at) of the hall.
  int16_t Add(int kind, int at, int32_t life = 0) {
    Being m = g.MonsterCatalogue(kind);
    m.X = m.Y = static_cast<int16_t>(at);
    if (life > 0) m.Life = life;
    const auto index = static_cast<int16_t>(g.DungeonBeings.Append(m));
    *std::find(g.CurrentRoom.Beings.begin(), g.CurrentRoom.Beings.end(), 0) = index;
    g.Rooms(4).Beings = g.CurrentRoom.Beings;
    return index;
  }
  // One combat turn on the draws given.
  void Round(std::vector<double> draws) {
    t.random.Play(std::move(draws));
    g.InCombat = true;
    CombatTurn(g);
  }
  std::vector<int16_t> FirstSlots(int n) {
    std::vector<int16_t> s;
    for (int i = 1; i <= n; ++i) s.push_back(g.CombatSlots(i));
    return s;
  }

  testing::TestGame t;
  Game& g = t.game;
};

TEST_F(Fight, MeleeMonstersHoldTheFrontRowAndOthersTheRear) {
  const int16_t archer = Add(kArcher, 9);
  // Every blow misses.
  Round({0});
  EXPECT_EQ(FirstSlots(2), (std::vector<int16_t>{archer, 0}));  // alone, it stands in front

  const int16_t first = Add(kKobold, 9);
  CombatTurn(g);
  EXPECT_EQ(FirstSlots(4), (std::vector<int16_t>{first, 0, archer, 0}));
  const int16_t second = Add(kKobold, 9);
  CombatTurn(g);
  EXPECT_EQ(FirstSlots(4), (std::vector<int16_t>{first, second, archer, 0}));

  // A breathing dragon fights in both rows.
  g.CurrentRoom.Beings = {};
  const int16_t dragon = Add(kRedDragon, 9, 5000);
  const int16_t kobold = Add(kKobold, 9);
  CombatTurn(g);
  EXPECT_EQ(FirstSlots(4), (std::vector<int16_t>{dragon, kobold, dragon, 0}));
  // Twenty of them need forty slots: the twenty there are fill up and no more.
  g.CurrentRoom.Beings = {};
  for (int i = 0; i < 20; ++i) Add(kRedDragon, 9, 5000);
  CombatTurn(g);
  EXPECT_EQ(g.CombatSlots(20), g.CurrentRoom.Beings(20));
}

TEST_F(Fight, ADragonKilledInOneSlotLeavesBothItHeld) {
  const int16_t dragon = Add(kRedDragon, 6, 1);
  Add(kKobold, 6);
  // Urso strikes the dragon in slot 1 and kills it; its rear slot must be freed too.
  Round(Turn({0, 0.99}));
  EXPECT_LE(g.DungeonBeings(dragon).Life, 0);
  for (int s = 1; s <= 20; ++s) EXPECT_NE(g.CombatSlots(s), dragon) << s;
  for (int16_t entry : g.Rooms(4).Beings) EXPECT_NE(entry, dragon);
}

TEST_F(Fight, AKillAndItsBelongingsLeaveTheStoredRoomTooAndTheNextTurnEndsTheCombat) {
  Add(kKobold, 6, 5);
  g.Party(1).Experience = 46;  // ready for level 2
  // Urso hits for 5 and kills.
  t.random.Play(Turn({0.99, 0, 0, 0, 0.99, 0.1, 0.9}));
  g.InCombat = true;
  t.Press(keys::kLetterA);
  EXPECT_EQ(t.Data(),
            "Urso, guerrero humano impacta con su Espada bastarda en Kobold y le quita 5 puntos de "
            "vida.\r\n"
            "Kobold Ha muerto.\r\n" +
                std::string(kPrompt));
  EXPECT_EQ(g.CurrentRoom.Beings(1), 0);
  EXPECT_EQ(g.Rooms(4).Beings(1), 0);
  // What it dropped lies in the stored room at once: a flight now would not lose it.
  EXPECT_EQ(g.Rooms(4).Items(1).Name.Trimmed(), "Cuchillo");
  EXPECT_EQ(g.Rooms(4).Items, g.CurrentRoom.Items);
  EXPECT_TRUE(g.InCombat);

  t.ui.TypedAnswers = {"1", "1", "1"};
  t.Press(keys::kLetterA);
  EXPECT_FALSE(g.InCombat);
  EXPECT_TRUE(g.TimerEnabled(TimerId::TMRRecuperacion));
  EXPECT_EQ(g.Text(TextArea::TBGeneral), "Gran sala de columnas 15 x 10");
  EXPECT_EQ(g.Rooms(4), g.CurrentRoom);
  EXPECT_EQ(g.Party(1).Level, 2);
  EXPECT_EQ(t.ui.Inputs.size(), 3u);
}

TEST_F(Fight, FallenFrontHeroesMakeRoomForTheRear) {
  Add(kKobold, 6);
  g.Party(1).Life = 0;
  g.Party(2).Life = g.Party(4).Life = 0;
  Round({0});
  EXPECT_EQ(g.Party(1).Name.Trimmed(), "Elkor, explorador humano");
  EXPECT_EQ(g.Party(3).Name.Trimmed(), "Urso, guerrero humano");
  EXPECT_EQ(g.Party(2).Name.Trimmed(), "Jan, guerrero humano");
}

TEST_F(Fight, TargetDrawsEndWhenNothingCanBeHit) {
  // Two monsters with empty hands fill no slot: the heroes lose their actions.
  Add(kKobold, 6);
  Add(kKobold, 6);
  for (int16_t entry : g.CurrentRoom.Beings) {
    if (entry != 0) g.DungeonBeings(entry).RightHand = {};
  }
  const int before = t.random.Draws;
  // The very same words as the data line holds are told with a blank in front.
  g.SetText(TextArea::TBDatos, kPrompt);
  Round({0});
  EXPECT_EQ(t.random.Draws - before, 1000);
  EXPECT_EQ(t.Data(), std::string(kPrompt) + " " + kPrompt);

  // A rear archer redraws until it finds a living hero.
  g.CurrentRoom.Beings = {};
  Add(kKobold, 6);
  Add(kArcher, 6);
  g.Party(1).Life = g.Party(2).Life = g.Party(3).Life = 0;
  g.Party(4).Magic = 0;
  const int32_t life = g.Party(4).Life;
  Round(Turn({0.0, 0.3, 0.8, 0.99, 0}));
  EXPECT_LT(g.Party(4).Life, life);
}

TEST_F(Fight, APartyWithNobodyStandingIsLostAndNothingMoreHappens) {
  Add(kKobold, 6);
  g.Party(2).Life = g.Party(3).Life = g.Party(4).Life = 0;
  g.Party(1).Life = 1;
  Round(Turn({0, 0.99, 0}));
  ASSERT_TRUE(t.ui.Ended);
  EXPECT_EQ(t.ui.Boxes.back().Text.rfind("Y aquí termina la increíble gesta", 0), 0u);
  EXPECT_EQ(t.Data(), "");
  EXPECT_EQ(g.Party(1).Name.Trimmed(), "Urso, guerrero humano");  // no close-up after the end

  // The last hero falling to its own spell loses the party too, before any monster acts.
  testing::TestGame other(RunSettings{"/tmp", 5});
  other.Start();
  Game& o = other.game;
  o.Party(4) = o.DungeonBeings(4);
  o.Party(4).Life = 1;
  o.CurrentRoom.Beings = {};
  o.CurrentRoom.Beings(1) =
      static_cast<int16_t>(o.DungeonBeings.Append(o.MonsterCatalogue(kKobold)));
  other.random.Play(Turn({0, 0, 0.9, 0.9}));
  CombatTurn(o);
  EXPECT_TRUE(other.ui.Ended);
  EXPECT_TRUE(o.WindowClosed());
}

TEST_F(Fight, OtherKeysInCombatOnlyGetThePrompt) {
  g.InCombat = true;
  int16_t code = keys::kLeft;
  HandleKey(g, code, 0);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(t.Data(), "Pulse a para atacar, h para huir y g para grupo.");
  t.Press(83);
  EXPECT_EQ(t.Data(), "Pulse a para atacar, h para huir y g para grupo. ");
  code = 115;  // F4 is passed on untouched
  HandleKey(g, code, 0);
  EXPECT_EQ(code, 115);
  EXPECT_EQ(g.CursorX, 5);
}

// A monster engages from its own cell or one of the eight around the party, never from
// two cells away along a row, a column or a diagonal.
TEST_F(Fight, AMonsterEngagesOnlyFromACellBesideTheParty) {
  for (int dx = -3; dx <= 3; ++dx) {
    for (int dy = -3; dy <= 3; ++dy) {
      g.CurrentRoom.Beings = {};
      const int16_t kobold = Add(kKobold, 0);
      g.DungeonBeings(kobold).X = static_cast<int16_t>(g.CursorX + dx);
      g.DungeonBeings(kobold).Y = static_cast<int16_t>(g.CursorY + dy);
      g.InCombat = false;
      EngageIfAdjacent(g);
      EXPECT_EQ(g.InCombat, std::max(std::abs(dx), std::abs(dy)) <= 1) << dx << "," << dy;
    }
  }
  // One hero standing at a single point of life still holds the fight.
  for (int h = 2; h <= 4; ++h) g.Party(h).Life = 0;
  g.Party(1).Life = 1;
  Round({0});
  EXPECT_FALSE(t.ui.Ended);
  EXPECT_TRUE(g.InCombat);
}

TEST_F(Fight, RecoveryGivesLifeToTheLivingAndMagicToAll) {
  g.Party(1).Life = 0;
  g.Party(1).Magic = 0;
  g.Party(2).Life = 1;
  g.Party(4).Level = 3;
  g.Party(4).Magic = 10;
  TimerTick(g, TimerId::TMRRecuperacion);
  EXPECT_EQ(g.Party(1).Life, 0);
  EXPECT_EQ(g.Party(1).Magic, 2);
  EXPECT_EQ(g.Party(2).Life, 2);
  EXPECT_EQ(g.Party(4).Magic, 12);
}

}  // namespace
}  // namespace zorvek
