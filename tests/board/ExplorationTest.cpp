#include <gtest/gtest.h>

#include "actions/Actions.hpp"
#include "board/Board.hpp"
#include "generation/Generation.hpp"
#include "startup/Keyboard.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

// A new game (seeded) standing in the cells, driven key by key.
struct Exploration : ::testing::Test {
  Exploration() : t(RunSettings{"/tmp", 7}) { t.Start(); }
  testing::TestGame t;
};

// (The keys of the cells, recruiting and the menu's numbers typed key by key are held in
// a golden transcript.) Text that reaches the menu whole is read as a number the same way.
TEST_F(Exploration, TextGivenToTheMenuWholeIsReadAsANumber) {
  t.Press(keys::kEnter);
  HandleCellMenu(t.game, "abc");
  EXPECT_EQ(t.game.CellMenuState, 0);
  t.Press(keys::kEnter);
  HandleCellMenu(t.game, "1.5");  // rounds to 2: Jan
  EXPECT_EQ(t.Data().rfind("Jan, guerrero humano\r\n1. Reclutar", 0), 0u);
  t.Press(keys::kEscape);
  // Erasing takes the last character, never half of an accented one.
  t.Press('1');
  t.game.SetText(TextArea::TBDatos, "posición");
  t.Press(keys::kBackspace);
  EXPECT_EQ(t.Data(), "posició");
  // One coin is named in the singular.
  t.game.CurrentRoom.Items(5) = {.X = 1, .Y = 3, .Name = "Monedas", .Quantity = 40};
  t.game.CurrentRoom.Items(6) = {.X = 2, .Y = 3, .Name = "Monedas", .Quantity = 1};
  t.Press('T');
  EXPECT_EQ(t.Data(), "40 monedas en 1, 3;  Moneda en 2, 3;  ");
}

TEST_F(Exploration, TempleHealsEveryoneEvenTheFallen) {
  for (const char* p : {"1", "2", "3", "4"}) t.Choose({"1", "1", p});  // recruit all four
  int temple = 0;
  for (int r = 5; r <= t.game.Rooms.Upper(); ++r) {
    if (t.game.Rooms(r).Name.Trimmed() == "Templo de curación") temple = r;
  }
  ASSERT_GT(temple, 0);
  t.game.Party(1).Life = -3;
  t.game.Party(4).Magic = 0;
  EnterRoom(t.game, temple, WallSide::None, DataLine::Clear);
  for (const Being& h : t.game.Party) {
    EXPECT_EQ(h.Life, h.MaxLife);
    EXPECT_EQ(h.Magic, h.MaxMagic);
  }
  ASSERT_FALSE(t.ui.Boxes.empty());
  EXPECT_EQ(t.ui.Boxes.back().Text.rfind("Al entrar en esta sala sentís una extraña sensación", 0),
            0u);
  EXPECT_FALSE(t.game.TimerEnabled(TimerId::TMRPersecu));
}

// Every cell along the four walls of every room of the five phases, pushed into the
// wall: the party stays where it is and hears the beep, unless an exit opens the wall
// there. (Up raises the row, Down lowers it.)
TEST(Walls, NoArrowTakesThePartyIntoAWallOfAnyRoomOfAnyPhase) {
  struct Arrow {
    int16_t Key;
    int Dx, Dy;
  };
  constexpr Arrow kArrows[] = {
      {keys::kLeft, -1, 0}, {keys::kRight, 1, 0}, {keys::kUp, 0, 1}, {keys::kDown, 0, -1}};
  for (int phase = 1; phase <= 5; ++phase) {
    testing::TestGame t(RunSettings{"/tmp", 40 + phase});
    t.Start();
    if (phase > 1) BuildPhaseDungeon(t.game, phase);
    for (int r = 1; r <= t.game.Rooms.Upper(); ++r) {
      EnterRoom(t.game, r, WallSide::None, DataLine::Clear);
      const Room room = t.game.CurrentRoom;
      for (int x = 1; x <= room.Width; ++x) {
        for (int y = 1; y <= room.Height; ++y) {
          for (const Arrow& a : kArrows) {
            const int tx = x + a.Dx, ty = y + a.Dy;
            if (tx >= 1 && tx <= room.Width && ty >= 1 && ty <= room.Height) continue;
            t.game.CursorX = static_cast<int16_t>(x);
            t.game.CursorY = static_cast<int16_t>(y);
            const int beeps = t.ui.Beeps;
            t.Press(a.Key);
            const bool exit = ExitAt(t.game, tx, ty) > 0;
            SCOPED_TRACE("phase " + std::to_string(phase) + " room " + std::to_string(r) +
                         " cell " + std::to_string(x) + "," + std::to_string(y));
            ASSERT_EQ(t.game.CursorX, exit ? tx : x);
            ASSERT_EQ(t.game.CursorY, exit ? ty : y);
            ASSERT_EQ(t.ui.Beeps, beeps + (exit ? 0 : 1));
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace zorvek
