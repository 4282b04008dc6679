#include <gtest/gtest.h>

#include "board/Board.hpp"
#include "generation/Generation.hpp"
#include "startup/Keyboard.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

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
