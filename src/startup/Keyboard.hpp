#pragma once

#include <cstdint>

#include "model/Game.hpp"
#include "platform/Keys.hpp"

namespace zorvek {

// Every key press of the game window comes here; the code may be set to 0 (consumed).
void HandleKey(Game& game, int16_t& keyCode, int16_t shift);

// One tick of a timer; the front-end only calls it while the timer is enabled.
void TimerTick(Game& game, TimerId timer);

}  // namespace zorvek
