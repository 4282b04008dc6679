#pragma once

#include <cstdint>

#include "model/Game.hpp"

namespace zorvek {

// (second + 1) x (minute + 1) x (hour + 1): 1 at midnight, 86400 at 23:59:59.
int32_t ClockSeed(const TimeOfDay& time);

// Seeds the shared generator: the run's fixed seed when it has one, else the clock.
// The start-up and every dungeon generation and regeneration call this.
void Reseed(Game& game);

}  // namespace zorvek
