#include "model/Seeding.hpp"

namespace zorvek {

int32_t ClockSeed(const TimeOfDay& time) {
  return (time.Second + 1) * (time.Minute + 1) * (time.Hour + 1);
}

void Reseed(Game& game) {
  const auto& fixed = game.settings().FixedSeed;
  game.random().Seed(fixed ? *fixed : ClockSeed(game.clock().Now()));
}

}  // namespace zorvek
