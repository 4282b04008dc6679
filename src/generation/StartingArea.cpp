#include <algorithm>
#include <array>

#include "generation/Builder.hpp"

namespace zorvek {

namespace {

constexpr std::array<PhaseParameters, 5> kPhaseRows{{
    {4, 3, 48, 2, 30, 0, 29, 6},
    {1, 4, 55, 0, 140, 30, 50, 8},
    {1, 4, 70, 0, 290, 60, 90, 8},
    {1, 4, 80, 0, 380, 70, 110, 8},
    {1, 4, 90, 0, 565, 125, 160, 9},
}};

struct DoorPlan {
  int16_t X, Y;
  const char* Kind;
  int16_t Side, Target;
};

Exit MakeOpenDoor(const DoorPlan& plan) {
  Exit exit;
  exit.X = plan.X;
  exit.Y = plan.Y;
  exit.Kind = plan.Kind;
  exit.Side = plan.Side;
  exit.TargetRoom = plan.Target;
  exit.IsOpen = kTrue;
  return exit;
}

void SetRoom(Game& game, int16_t index, const char* name, int16_t width, int16_t height,
             std::initializer_list<DoorPlan> doors) {
  Room room;
  room.Index = index;
  room.Name = name;
  room.Width = width;
  room.Height = height;
  int slot = 1;
  for (const DoorPlan& door : doors) room.Exits(slot++) = MakeOpenDoor(door);
  game.Rooms(index) = room;
}

void ScaleBeing(Being& being, int32_t factor) {
  being.Constitution = Mul16(being.Constitution, factor);
  being.Dexterity = Mul16(being.Dexterity, factor);
  being.Strength = Mul16(being.Strength, factor);
  being.Power = Mul16(being.Power, factor);
  // The life and magic that follow from the stronger characteristics never fall below
  // what the being was drawn with: a boss's life is not four constitutions and twenty.
  being.MaxLife = being.Life = std::max(being.MaxLife, Add32(Mul32(4, being.Constitution), 20));
  being.MaxMagic = being.Magic = std::max(being.MaxMagic, Mul32(3, being.Power));
  being.MeleeAttack = Add32(being.Strength, being.Constitution);
  being.RangedAttack = Add32(being.Strength, being.Dexterity);
  being.MagicAttack = Add32(being.Dexterity, being.Power);
  being.Defence = Add32(being.Dexterity, being.Constitution);
  being.Armour = Mul32(being.Armour, factor);
}

}  // namespace

const PhaseParameters& PhaseRow(int phase) {
  return kPhaseRows.at(static_cast<std::size_t>(std::clamp(phase, 1, 5) - 1));
}

void BuildStartingArea(Game& game) {
  if (game.Rooms.Upper() < 4) game.Rooms.ReDimPreserve(4);
  SetRoom(game, 1, "Calabozos", 3, 3, {{3, 4, "reja", 2, 2}});
  SetRoom(game, 2, "El pasillo de los calabozos", 2, 5,
          {{2, 0, "reja", 4, 1}, {0, 3, "puerta", 1, 3}, {2, 6, "reja", 2, 4}});
  SetRoom(game, 3, "La sala del carcelero", 5, 9, {{6, 6, "puerta", 3, 2}});
  SetRoom(game, 4, "Gran sala de columnas", 15, 10, {{13, 0, "reja", 4, 2}});
  game.CurrentRoom = game.Rooms(1);
}

void ScaleForDifficulty(Game& game) {
  if (game.Difficulty == 1) return;
  for (int i = game.DungeonBeings.Lower(); i <= game.DungeonBeings.Upper(); ++i) {
    if (IsMonster(game, i)) ScaleBeing(game.DungeonBeings(i), game.Difficulty);
  }
}

}  // namespace zorvek
