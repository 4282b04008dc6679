#include <algorithm>
#include <array>
#include <cstdint>

#include "catalogue/Catalogues.hpp"

namespace zorvek {

namespace {

// What a catalogue entry is, and so which field its value goes to. A book's school
// follows from its one effect field.
enum class EntryKind {
  Melee,       // MaxDamage
  Ranged,      // MaxDamage
  FireBook,    // MaxDamage
  WaterBook,   // MaxHealing
  AirBook,     // MagicShield
  EarthBook,   // AddedMagicDamage
  Shield,      // DefenceBonus
  BodyArmour,  // ArmourBonus
};

struct Entry {
  int No;
  const char* Name;
  int16_t Tier;
  EntryKind Kind;
  int32_t Value;
  bool TwoHanded;
  bool Masculine;
  int32_t Price;
};

constexpr bool kTwo = true;
constexpr bool kOne = false;
constexpr bool kMasc = true;
constexpr bool kFem = false;

// Treasure of the dungeon, by the phase it is found in: weapons, books, then shields
// and armour. Books are masculine and one-handed; their spell level is their tier.
constexpr std::array<Entry, 56> kEntries{{
    {1, "Espada bastarda", 1, EntryKind::Melee, 7, kOne, kFem, 15},
    {2, "Espada larga", 1, EntryKind::Melee, 6, kOne, kFem, 12},
    {3, "Hacha de combate", 1, EntryKind::Melee, 8, kOne, kFem, 17},
    {4, "Arco largo", 1, EntryKind::Ranged, 5, kTwo, kMasc, 15},
    {5, "Arco largo compuesto", 1, EntryKind::Ranged, 7, kTwo, kMasc, 21},
    {6, "Arco corto", 1, EntryKind::Ranged, 4, kTwo, kMasc, 12},
    {7, "Honda", 1, EntryKind::Ranged, 3, kOne, kFem, 9},
    {8, "Libro dardos de fuego", 1, EntryKind::FireBook, 5, kOne, kMasc, 55},
    {9, "Libro espinas oscuras", 1, EntryKind::FireBook, 6, kOne, kMasc, 56},
    {10, "Libro rocas ígneas", 1, EntryKind::FireBook, 5, kOne, kMasc, 55},
    {11, "Libro curación mágica", 1, EntryKind::WaterBook, 7, kOne, kMasc, 57},
    {12, "Rodela de madera", 1, EntryKind::Shield, 1, kOne, kFem, 5},
    {13, "Escudo redondo", 1, EntryKind::Shield, 2, kOne, kMasc, 8},
    {14, "Peto de cuero", 1, EntryKind::BodyArmour, 1, kOne, kMasc, 25},
    {15, "cimitarra", 2, EntryKind::Melee, 12, kOne, kFem, 25},
    {16, "Maza ligera", 2, EntryKind::Melee, 15, kOne, kFem, 31},
    {17, "Lanza corta", 2, EntryKind::Melee, 16, kOne, kFem, 33},
    {18, "Arco Wyrath", 2, EntryKind::Ranged, 11, kTwo, kMasc, 33},
    {19, "Libro Afarix khari", 2, EntryKind::FireBook, 18, kOne, kMasc, 109},
    {20, "Libro Ianse staea", 2, EntryKind::WaterBook, 20, kOne, kMasc, 110},
    {21, "Libro Wionr sxile", 2, EntryKind::AirBook, 4, kOne, kMasc, 102},
    {22, "Libro utozsi ropka", 2, EntryKind::EarthBook, 4, kOne, kMasc, 102},
    {23, "Escudo pavés", 2, EntryKind::Shield, 4, kOne, kMasc, 18},
    {24, "Armadura de cuero", 2, EntryKind::BodyArmour, 3, kOne, kFem, 75},
    {25, "Bastón de combate", 3, EntryKind::Melee, 24, kTwo, kMasc, 59},
    {26, "Maza pesada", 3, EntryKind::Melee, 28, kOne, kFem, 57},
    {27, "Lanza pesada", 3, EntryKind::Melee, 31, kOne, kFem, 63},
    {28, "Ballesta", 3, EntryKind::Ranged, 20, kTwo, kFem, 60},
    {29, "Libro Efleaux ikat", 3, EntryKind::FireBook, 41, kOne, kMasc, 191},
    {30, "Libro Salaia eaneless ", 3, EntryKind::WaterBook, 40, kOne, kMasc, 190},
    {31, "Libro tiaxele olasens", 3, EntryKind::AirBook, 10, kOne, kMasc, 160},
    {32, "Libro itnduar oolanum ", 3, EntryKind::EarthBook, 10, kOne, kMasc, 160},
    {33, "Escudo mediano", 3, EntryKind::Shield, 8, kOne, kMasc, 38},
    {34, "Armadura de cuero reforzado", 3, EntryKind::BodyArmour, 6, kOne, kFem, 150},
    {35, "Lanza larga", 4, EntryKind::Melee, 58, kTwo, kFem, 117},
    {36, "Estoque", 4, EntryKind::Melee, 51, kOne, kMasc, 103},
    {37, "Hacha de batalla", 4, EntryKind::Melee, 65, kTwo, kMasc, 131},
    {38, "Martillo de guerra", 4, EntryKind::Melee, 55, kOne, kMasc, 111},
    {39, "Arco de escamas", 4, EntryKind::Ranged, 35, kTwo, kMasc, 105},
    {40, "Libro Yffer flyshe", 4, EntryKind::FireBook, 90, kOne, kMasc, 290},
    {41, "Libro laetum livanaia", 4, EntryKind::WaterBook, 80, kOne, kMasc, 280},
    {42, "Libro sinoma  inauor", 4, EntryKind::AirBook, 15, kOne, kMasc, 215},
    {43, "Libro ktera faxyan", 4, EntryKind::EarthBook, 15, kOne, kMasc, 215},
    {44, "Escudo reforzado", 4, EntryKind::Shield, 14, kOne, kMasc, 68},
    {45, "Cota de mallas", 4, EntryKind::BodyArmour, 12, kOne, kFem, 300},
    {46, "Mangual", 5, EntryKind::Melee, 85, kOne, kMasc, 171},
    {47, "Pico pesado", 5, EntryKind::Melee, 88, kOne, kMasc, 177},
    {48, "espadón", 5, EntryKind::Melee, 100, kTwo, kMasc, 201},
    {49, "Alabarda", 5, EntryKind::Melee, 95, kTwo, kFem, 191},
    {50, "Arco de escamas compuesto", 5, EntryKind::Ranged, 70, kTwo, kMasc, 200},
    {51, "Libro kfurat demery", 5, EntryKind::FireBook, 150, kOne, kMasc, 400},
    {52, "Libro maelia sanulen", 5, EntryKind::WaterBook, 160, kOne, kMasc, 410},
    {53, "Libro tirrax  eskyrax", 5, EntryKind::AirBook, 30, kOne, kMasc, 280},
    {54, "Libro oteri Powlan", 5, EntryKind::EarthBook, 25, kOne, kMasc, 275},
    {55, "Gran escudo", 5, EntryKind::Shield, 22, kOne, kMasc, 108},
    {56, "Coraza", 5, EntryKind::BodyArmour, 25, kOne, kFem, 800},
}};

// The table is written in catalogue order, so an entry's number is its index.
constexpr bool NumberedInOrder() {
  for (std::size_t i = 0; i < kEntries.size(); ++i) {
    if (kEntries[i].No != static_cast<int>(i) + 1) return false;
    if (i > 0 && kEntries[i].Tier < kEntries[i - 1].Tier) return false;
  }
  return true;
}
static_assert(NumberedInOrder(), "catalogue entries must be numbered 1.. in tier order");

// The one staff in the catalogue also helps to hit and to parry.
constexpr int kCombatStaff = 25;

void SetBook(Item& item, const Entry& row, int32_t& effect) {
  item.IsSpell = kTrue;
  item.SpellLevel = row.Tier;
  effect = row.Value;
}

Item MakeEntry(const Entry& row) {
  Item item;
  item.Name = row.Name;
  item.IsMasculine = ToFlag(row.Masculine);
  item.IsTwoHanded = ToFlag(row.TwoHanded);
  item.Price = row.Price;
  switch (row.Kind) {
    case EntryKind::Melee:
      item.IsMelee = kTrue;
      item.MaxDamage = row.Value;
      break;
    case EntryKind::Ranged:
      item.IsRanged = kTrue;
      item.MaxDamage = row.Value;
      break;
    case EntryKind::FireBook:
      SetBook(item, row, item.MaxDamage);
      break;
    case EntryKind::WaterBook:
      SetBook(item, row, item.MaxHealing);
      break;
    case EntryKind::AirBook:
      SetBook(item, row, item.MagicShield);
      break;
    case EntryKind::EarthBook:
      SetBook(item, row, item.AddedMagicDamage);
      break;
    case EntryKind::Shield:
      item.DefenceBonus = row.Value;
      break;
    case EntryKind::BodyArmour:
      item.ArmourBonus = row.Value;
      break;
  }
  if (row.No == kCombatStaff) {
    item.AttackBonus = 1;
    item.DefenceBonus = 1;
  }
  return item;
}

}  // namespace

void BuildItemCatalogue(Game& game) {
  game.ItemCatalogue.ReDim(0, 0);
  game.ItemTiers.ReDim(0, 0);
  for (const Entry& row : kEntries) {
    game.ItemCatalogue.Append(MakeEntry(row));
    game.ItemTiers.Append(row.Tier);
  }
}

TierRange TierBounds(const Game& game, int tier) {
  TierRange range;
  // Entry 0 is the empty entry and belongs to no tier.
  for (int i = std::max(1, game.ItemTiers.Lower()); i <= game.ItemTiers.Upper(); ++i) {
    if (game.ItemTiers(i) != tier) continue;
    if (range.Last < range.First) range.First = i;
    range.Last = i;
  }
  return range;
}

}  // namespace zorvek
