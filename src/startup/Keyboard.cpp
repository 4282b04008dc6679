#include "startup/Keyboard.hpp"

namespace zorvek {

void HandleKey(Game& game, int16_t& keyCode, int16_t shift) {
  // Until the board exists no key has a command yet; the beep tells the player the
  // key was heard, so no press goes unanswered.
  (void)shift;
  keyCode = 0;
  game.ui().Beep();
}

void TimerTick(Game& game, TimerId timer) {
  // Pursuit, recovery and the combat sound queue arrive with combat; until then a
  // tick changes nothing.
  (void)game;
  (void)timer;
}

}  // namespace zorvek
