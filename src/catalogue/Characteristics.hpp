#pragma once

#include <cstdint>

#include "model/Numbers.hpp"
#include "model/Records.hpp"

namespace zorvek::catalogue {

// The four characteristics of a hero or monster, as the tables give them.
struct Characteristics {
  int16_t Strength = 0;
  int16_t Dexterity = 0;
  int16_t Constitution = 0;
  int16_t Power = 0;
};

// Sets the characteristics and the four values heroes and monsters derive from them.
inline void ApplyCharacteristics(Being& being, const Characteristics& c) {
  being.Strength = c.Strength;
  being.Dexterity = c.Dexterity;
  being.Constitution = c.Constitution;
  being.Power = c.Power;
  being.MeleeAttack = Add32(c.Strength, c.Constitution);
  being.RangedAttack = Add32(c.Dexterity, c.Strength);
  being.MagicAttack = Add32(c.Dexterity, c.Power);
  being.Defence = Add32(c.Dexterity, c.Constitution);
}

// Magic points of a being with this power: three per point, full at the start.
inline void FillMagic(Being& being) {
  being.MaxMagic = Mul32(3, being.Power);
  being.Magic = being.MaxMagic;
}

}  // namespace zorvek::catalogue
