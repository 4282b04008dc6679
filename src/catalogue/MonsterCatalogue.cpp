#include <algorithm>
#include <array>
#include <cstdint>

#include "catalogue/Catalogues.hpp"
#include "catalogue/Characteristics.hpp"

namespace zorvek {

namespace {

using catalogue::Characteristics;

// How a monster's weapon is used; the breaths serve in more than one way.
enum UseMask : unsigned {
  kMelee = 1U,
  kRanged = 2U,
  kSpell = 4U,
};

struct Weapon {
  const char* Name;
  unsigned Use;
  int32_t MaxDamage;
  bool TwoHanded;
  int16_t SpellLevel;
  bool Natural;
  bool Masculine;
  bool Plural;
  int32_t Price;
  int32_t AttackBonus;
};

struct Monster {
  const char* Name;
  Characteristics Stats;
  int32_t MaxLife;
  Weapon Hand;  // carried in the right hand
};

using ScrollNames = std::array<const char*, 4>;

constexpr std::array<Monster, 19> kMonsters{{
    {"Kobold", {2, 3, 1, 1}, 10, {"Cuchillo", kMelee, 2, false, 0, false, true, false, 5, 0}},
    {"Goblin", {1, 3, 1, 1}, 15, {"Machete", kMelee, 3, false, 0, false, true, false, 8, 0}},
    {"Rata gigante",
     {2, 4, 2, 1},
     20,
     {"garras y dientes", kMelee, 4, false, 0, true, true, true, 0, 0}},
    {"Hob-Trasgo",
     {4, 4, 3, 1},
     50,
     {"Espada larga", kMelee, 15, false, 0, false, false, false, 12, 0}},
    {"Trasgo",
     {5, 3, 3, 1},
     30,
     {"Espada corta", kMelee, 12, false, 0, false, false, false, 10, 0}},
    {"Trasgo arquero",
     {3, 4, 3, 1},
     30,
     {"Arco largo", kRanged, 7, true, 0, false, true, false, 15, 0}},
    {"Trasgo hechicero",
     {1, 3, 2, 5},
     30,
     {"Pergamino fuego letal", kSpell, 10, false, 1, false, true, false, 60, 0}},
    {"Jefe elfo oscuro",
     {8, 5, 7, 1},
     90,
     {"Espada encantada", kMelee, 25, false, 0, false, false, false, 60, 0}},
    {"Guerrero elfo oscuro",
     {7, 4, 8, 1},
     70,
     {"Espada encantada", kMelee, 25, false, 0, false, false, false, 60, 0}},
    {"Explorador elfo oscuro",
     {6, 9, 2, 1},
     70,
     {"Ballesta ", kRanged, 20, true, 0, false, false, false, 60, 0}},
    {"Hechicero elfo oscuro",
     {2, 3, 3, 9},
     60,
     {"Pergamino maleza asfixiante", kSpell, 21, false, 3, false, true, false, 150, 0}},
    {"Draconiano shivak",
     {10, 9, 9, 1},
     110,
     {"espada dragón", kMelee, 50, false, 0, false, false, false, 120, 0}},
    {"Draconiano baaz",
     {12, 6, 6, 1},
     100,
     {"Espada dragón", kMelee, 50, false, 0, false, false, false, 120, 0}},
    {"Draconiano Kapak",
     {5, 11, 7, 1},
     100,
     {"Arco de escamas", kRanged, 35, true, 0, false, true, false, 105, 0}},
    {"Draconiano bozak",
     {5, 6, 4, 12},
     70,
     {"Pergamino torbellino de hielo", kSpell, 36, false, 4, false, true, false, 250, 0}},
    {"Cría de dragón blanco",
     {20, 16, 16, 7},
     150,
     {"Aliento de hielo", kMelee | kRanged, 85, false, 0, true, true, false, 0, 0}},
    {"Cría de dragón rojo",
     {21, 15, 15, 7},
     160,
     {"Aliento de fuego", kMelee | kRanged, 90, false, 0, true, true, false, 0, 0}},
    {"Cría dragón verde",
     {17, 23, 15, 10},
     130,
     {"Aliento venenoso", kMelee | kRanged, 70, false, 0, true, true, false, 0, 0}},
    {"Cría dragón negro",
     {15, 24, 15, 15},
     125,
     {"Aliento mágico", kMelee | kRanged | kSpell, 75, false, 10, true, true, false, 0, 0}},
}};

constexpr std::array<Monster, 5> kBosses{{
    {"Rey goblin",
     {4, 4, 2, 1},
     60,
     {"Cimitarra", kMelee, 12, false, 0, false, false, false, 25, 0}},
    {"Araña gigante",
     {6, 7, 4, 1},
     80,
     {"Pico y patas", kMelee, 30, false, 0, true, true, false, 0, 0}},
    {"Troll", {10, 3, 9, 1}, 110, {"Garrote", kMelee, 40, false, 0, false, true, false, 100, 0}},
    {"Draconiano aurak",
     {15, 12, 10, 7},
     140,
     {"Espada mágica +5", kMelee, 65, false, 0, false, false, false, 150, 5}},
    {"Rey dragón",
     {23, 20, 20, 15},
     200,
     {"Espada flamígera", kMelee, 100, false, 0, false, false, false, 250, 0}},
}};

// The three spell casters learn one of four spells, drawn as the catalogue is built.
constexpr ScrollNames kGoblinSorcererScrolls{"Pergamino fuego letal", "Pergamino aliento de dragón",
                                             "Pergamino bola de fuego",
                                             "pergamino lluvia de fuego"};
constexpr ScrollNames kDarkElfSorcererScrolls{
    "Pergamino planta carnívora", "Pergamino maleza asfixiante", "Pergamino hojas sable",
    "Pergamino nube de mosquitos"};
constexpr ScrollNames kBozakScrolls{"Pergamino torbellino de hielo", "Pergamino rayo de escarcha",
                                    "Pergamino viento helado", "Pergamino nieve mortal"};

Item MakeWeapon(const Weapon& weapon) {
  Item item;
  item.Name = weapon.Name;
  item.MaxDamage = weapon.MaxDamage;
  item.IsMelee = ToFlag((weapon.Use & kMelee) != 0);
  item.IsRanged = ToFlag((weapon.Use & kRanged) != 0);
  item.IsSpell = ToFlag((weapon.Use & kSpell) != 0);
  item.IsTwoHanded = ToFlag(weapon.TwoHanded);
  item.SpellLevel = weapon.SpellLevel;
  item.IsNatural = ToFlag(weapon.Natural);
  item.IsMasculine = ToFlag(weapon.Masculine);
  item.IsPlural = ToFlag(weapon.Plural);
  item.Price = weapon.Price;
  item.AttackBonus = weapon.AttackBonus;
  return item;
}

// A boss as the tables give it: no magic points.
Being MakeBoss(const Monster& weapon) {
  Being being;
  being.Name = weapon.Name;
  catalogue::ApplyCharacteristics(being, weapon.Stats);
  being.MaxLife = weapon.MaxLife;
  being.Life = weapon.MaxLife;
  being.RightHand = MakeWeapon(weapon.Hand);
  return being;
}

// An ordinary monster: a boss with magic points.
Being MakeMonster(const Monster& weapon) {
  Being being = MakeBoss(weapon);
  catalogue::FillMagic(being);
  return being;
}

const char* DrawScroll(Game& game, const ScrollNames& names) {
  int k = Int(game.Rnd() * 4) + 1;
  k = std::clamp(k, 1, static_cast<int>(names.size()));
  return names[static_cast<std::size_t>(k - 1)];
}

void FillMonster(Game& game, int entry) {
  Being monster = MakeMonster(kMonsters[static_cast<std::size_t>(entry - 1)]);
  if (entry == 7) monster.RightHand.Name = DrawScroll(game, kGoblinSorcererScrolls);
  if (entry == 11) monster.RightHand.Name = DrawScroll(game, kDarkElfSorcererScrolls);
  if (entry == 15) monster.RightHand.Name = DrawScroll(game, kBozakScrolls);
  game.MonsterCatalogue(entry) = monster;
}

}  // namespace

void BuildMonsterCatalogue(Game& game) {
  // The catalogue grows in two steps, the weaker kinds first; a table that was never
  // given bounds gets them here.
  if (game.MonsterCatalogue.Count() == 0 || game.MonsterCatalogue.Lower() != 1) {
    game.MonsterCatalogue.ReDim(1, 7);
  } else {
    game.MonsterCatalogue.ReDimPreserve(7);
  }
  for (int entry = 1; entry <= 7; ++entry) FillMonster(game, entry);
  game.MonsterCatalogue.ReDimPreserve(static_cast<int>(kMonsters.size()));
  for (int entry = 8; entry <= static_cast<int>(kMonsters.size()); ++entry) {
    FillMonster(game, entry);
  }
  for (int phase = 1; phase <= static_cast<int>(kBosses.size()); ++phase) {
    game.Bosses(phase) = MakeBoss(kBosses[static_cast<std::size_t>(phase - 1)]);
  }
}

}  // namespace zorvek
