#include <array>
#include <cstdint>

#include "catalogue/Catalogues.hpp"
#include "catalogue/Characteristics.hpp"

namespace zorvek {

namespace {

using catalogue::Characteristics;

enum class Use { Melee, Ranged, Spell };

struct StartingItem {
  const char* Name;
  Use Kind;
  int32_t MaxDamage;
  bool TwoHanded;
  bool Masculine;
  int32_t Price;
};

struct Candidate {
  const char* Name;
  int16_t X;
  int16_t Y;
  Characteristics Stats;
  int32_t ExperienceFactor;
  StartingItem Item;
};

constexpr int32_t kWarrior = 15;
constexpr int32_t kExplorer = 10;
constexpr int32_t kSorcerer = 13;

// Humans (column 1, row 1), elves (column 2, row 3) and dwarves (column 3, row 1);
// in each race two warriors, an explorer and a sorcerer.
constexpr std::array<Candidate, 12> kCandidates{{
    {"Urso, guerrero humano",
     1,
     1,
     {4, 1, 2, 1},
     kWarrior,
     {"Espada bastarda", Use::Melee, 7, false, false, 15}},
    {"Jan, guerrero humano",
     1,
     1,
     {4, 2, 1, 1},
     kWarrior,
     {"Espada bastarda", Use::Melee, 7, false, false, 15}},
    {"Elkor, explorador humano",
     1,
     1,
     {2, 3, 2, 1},
     kExplorer,
     {"Arco largo", Use::Ranged, 5, true, true, 15}},
    {"Sukir, hechicero humano",
     1,
     1,
     {1, 2, 1, 4},
     kSorcerer,
     {"Pergamino dardos de fuego", Use::Spell, 5, false, true, 15}},
    {"Earel, guerrero elfo",
     2,
     3,
     {3, 2, 2, 1},
     kWarrior,
     {"Espada larga", Use::Melee, 6, false, false, 12}},
    {"Zaleril, guerrero elfo",
     2,
     3,
     {2, 3, 2, 1},
     kWarrior,
     {"Espada larga", Use::Melee, 6, false, false, 12}},
    {"Ruansar, explorador elfo",
     2,
     3,
     {2, 4, 1, 1},
     kExplorer,
     {"Arco largo compuesto", Use::Ranged, 7, true, true, 21}},
    {"Suusar, hechicero elfo",
     2,
     3,
     {1, 3, 1, 3},
     kSorcerer,
     {"Pergamino espinas oscuras", Use::Spell, 6, false, true, 17}},
    {"Glein, guerrero enano",
     3,
     1,
     {5, 1, 1, 1},
     kWarrior,
     {"Hacha de combate", Use::Melee, 8, true, false, 17}},
    {"Talin, guerrero enano",
     3,
     1,
     {2, 2, 3, 1},
     kWarrior,
     {"hacha de combate", Use::Melee, 8, true, false, 17}},
    {"Gamli, explorador enano",
     3,
     1,
     {2, 2, 3, 1},
     kExplorer,
     {"Arco corto", Use::Ranged, 4, true, true, 12}},
    {"Zöhn, hechicero enano",
     3,
     1,
     {1, 2, 2, 3},
     kSorcerer,
     {"Pergamino rocas ígneas", Use::Spell, 5, false, true, 15}},
}};

Item MakeStartingItem(const StartingItem& row) {
  Item item;
  item.Name = row.Name;
  item.MaxDamage = row.MaxDamage;
  item.IsMelee = ToFlag(row.Kind == Use::Melee);
  item.IsRanged = ToFlag(row.Kind == Use::Ranged);
  item.IsSpell = ToFlag(row.Kind == Use::Spell);
  item.IsTwoHanded = ToFlag(row.TwoHanded);
  item.IsMasculine = ToFlag(row.Masculine);
  // The sorcerers start with a first-level scroll.
  item.SpellLevel = row.Kind == Use::Spell ? 1 : 0;
  item.Price = row.Price;
  return item;
}

Being MakeCandidate(int16_t number, const Candidate& row) {
  Being hero;
  hero.Name = row.Name;
  hero.Id = number;
  hero.X = row.X;
  hero.Y = row.Y;
  hero.Level = 1;
  hero.Experience = 0;
  hero.ExperienceFactor = row.ExperienceFactor;
  catalogue::ApplyCharacteristics(hero, row.Stats);
  hero.MaxLife = Add32(Mul32(4, row.Stats.Constitution), 20);
  hero.Life = hero.MaxLife;
  catalogue::FillMagic(hero);
  hero.Armour = 0;
  hero.IsHero = kTrue;
  hero.RightHand = MakeStartingItem(row.Item);
  return hero;
}

}  // namespace

void BuildHeroRoster(Game& game) {
  for (Being& member : game.Party) member.Name = "";
  game.DungeonBeings.ReDim(1, 19);
  for (int16_t k = 1; k <= static_cast<int16_t>(kCandidates.size()); ++k) {
    game.DungeonBeings(k) = MakeCandidate(k, kCandidates[static_cast<std::size_t>(k - 1)]);
    game.Rooms(1).Beings(k) = k;
  }
}

}  // namespace zorvek
