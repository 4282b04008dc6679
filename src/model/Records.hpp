#pragma once

#include <cstdint>

#include "model/Numbers.hpp"
#include "model/Table.hpp"
#include "model/Text.hpp"

namespace zorvek {

// An object: weapon, armour, scroll, potion, key, coins, furniture or bar.
// Field order and widths are those of the save files.
struct Item {
  int16_t Id = 0;
  int16_t X = 0;
  int16_t Y = 0;
  Name100 Name;
  Flag IsMasculine = kFalse;
  Flag IsPlural = kFalse;
  int16_t Quantity = 0;
  int32_t MaxDamage = 0;
  int32_t MaxHealing = 0;
  int32_t MagicShield = 0;
  int32_t AddedMagicDamage = 0;
  int32_t AttackBonus = 0;
  int32_t DefenceBonus = 0;
  int32_t ArmourBonus = 0;
  Flag IsMelee = kFalse;
  Flag IsSpell = kFalse;
  Flag IsRanged = kFalse;
  Flag IsTwoHanded = kFalse;
  int16_t KeyNo = 0;
  int16_t RestoresLife = 0;
  int16_t RestoresMagic = 0;
  int16_t SpellLevel = 0;
  int16_t Spare = 0;
  Flag IsDecoration = kFalse;
  int32_t Price = 0;
  Flag IsNatural = kFalse;
  Flag IsBar = kFalse;
  int16_t BarPosition = 0;
  int16_t BarTargetRoom = 0;
  int16_t BarTargetExit = 0;

  bool operator==(const Item& other) const = default;
};

// A hero candidate, a party member, a monster or a boss.
struct Being {
  int16_t Id = 0;
  int16_t X = 0;
  int16_t Y = 0;
  Name100 Name;
  int16_t Strength = 0;
  int16_t Dexterity = 0;
  int16_t Constitution = 0;
  int16_t Power = 0;
  int32_t Life = 0;
  int32_t Magic = 0;
  int32_t MaxLife = 0;
  int32_t MaxMagic = 0;
  int32_t MeleeAttack = 0;
  int32_t RangedAttack = 0;
  int32_t MagicAttack = 0;
  int32_t Defence = 0;
  int32_t Armour = 0;
  Slots<Item, 20> Inventory;
  Item RightHand;
  Item LeftHand;
  int32_t Coins = 0;
  Item Body;
  int16_t Level = 0;
  int32_t Experience = 0;
  int32_t ExperienceFactor = 0;
  Flag IsHero = kFalse;

  bool operator==(const Being& other) const = default;
};

// A door, grille or stairway in a wall of a room.
struct Exit {
  int16_t X = 0;
  int16_t Y = 0;
  Name100 Kind;
  Flag IsOpen = kFalse;
  int16_t LockNo = 0;
  int16_t Side = 0;
  int16_t TargetRoom = 0;
  int16_t Spare = 0;

  bool operator==(const Exit& other) const = default;
};

struct Room {
  int16_t Index = 0;
  int16_t Width = 0;
  int16_t Height = 0;
  Name100 Name;
  Slots<Exit, 5> Exits;
  Slots<Item, 20> Items;
  Slots<int16_t, 20> Beings;

  bool operator==(const Room& other) const = default;
};

// The walls of a room, numbered as an exit's Side stores them: 1 left (column 0), 2 top
// (row Height + 1), 3 right (column Width + 1), 4 bottom (row 0). None (or any number
// outside 1 to 4) is no wall: an entry from nowhere. The arrow key through side s has
// code 36 + s.
enum class WallSide : int16_t { None = 0, Left = 1, Top = 2, Right = 3, Bottom = 4 };

// The side a stored number names (any number: a damaged save may hold anything).
inline constexpr WallSide SideOf(int number) { return static_cast<WallSide>(number); }
inline constexpr int16_t SideNumber(WallSide side) { return static_cast<int16_t>(side); }

// The arrow key that walks through a wall, and the wall an arrow key walks through.
inline constexpr int16_t ArrowThrough(WallSide side) {
  return static_cast<int16_t>(36 + SideNumber(side));
}
inline constexpr WallSide WallOfArrow(int keyCode) { return SideOf(keyCode - 36); }

// Whether an exit's cell lies on the given wall of the room.
inline bool OnWall(const Room& room, const Exit& exit, WallSide side) {
  switch (side) {
    case WallSide::Left:
      return exit.X == 0;
    case WallSide::Top:
      return exit.Y == room.Height + 1;
    case WallSide::Right:
      return exit.X == room.Width + 1;
    case WallSide::Bottom:
      return exit.Y == 0;
    default:
      return false;
  }
}

// OppositeSide takes any key code minus 36, so it masks with And as the keyboard does.
inline constexpr int16_t OppositeSide(int side) {
  return static_cast<int16_t>(((side + 1) & 3) + 1);
}

}  // namespace zorvek
