#include <cstdint>

#include "combat/Combat.hpp"
#include "model/Numbers.hpp"
#include "sound/Sound.hpp"

namespace zorvek {

namespace {

// One step towards the party on each axis at once; a being stops beside the party or
// on its cell.
void StepTowardParty(const Game& game, Being& being) {
  const Room& room = game.CurrentRoom;
  if (being.X < game.CursorX && being.X < room.Width) ++being.X;
  if (being.X > game.CursorX && being.X >= 1) --being.X;
  if (being.Y < game.CursorY && being.Y < room.Height) ++being.Y;
  if (being.Y > game.CursorY && being.Y >= 1) --being.Y;
}

}  // namespace

void PursuitTick(Game& game) {
  for (int slot = 1; slot <= Slots<int16_t, 20>::kCount; ++slot) {
    const int16_t entry = game.CurrentRoom.Beings(slot);
    if (!IsMonster(game, entry)) continue;
    Being& being = game.DungeonBeings(entry);
    StepTowardParty(game, being);
    PlayCue(game, "pasosm", being.X, being.Y, kFalse);
    // The first being to arrive starts the fight inside this tick; the others still
    // take their step.
    EngageIfAdjacent(game);
    if (game.WindowClosed()) return;
  }
}

void RecoveryTick(Game& game) {
  for (Being& hero : game.Party) {
    if (hero.Life >= 1 && hero.Life < hero.MaxLife) ++hero.Life;
    if (hero.Magic < hero.MaxMagic) {
      hero.Magic = Add32(hero.Magic, Mul32(2, hero.Level));
      if (hero.Magic > hero.MaxMagic) hero.Magic = hero.MaxMagic;
    }
  }
}

}  // namespace zorvek
