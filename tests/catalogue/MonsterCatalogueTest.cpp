#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/Catalogues.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

// P. Vida, P. Magia, Ataque cuerpo a cuerpo, Ataque a distancia, ataque mágico, Defensa.
using Sheet = std::array<int32_t, 6>;

Sheet SheetOf(const Being& b) {
  return {b.MaxLife, b.MaxMagic, b.MeleeAttack, b.RangedAttack, b.MagicAttack, b.Defence};
}

struct ExpectedMonster {
  const char* Name;
  Sheet Values;
  const char* Weapon;
  int32_t Damage;
};

// Values of the bestiary; life is given, the rest follows from the characteristics.
constexpr std::array<ExpectedMonster, 19> kMonsters{{
    {"Kobold", {10, 3, 3, 5, 4, 4}, "Cuchillo", 2},
    {"Goblin", {15, 3, 2, 4, 4, 4}, "Machete", 3},
    {"Rata gigante", {20, 3, 4, 6, 5, 6}, "garras y dientes", 4},
    {"Hob-Trasgo", {50, 3, 7, 8, 5, 7}, "Espada larga", 15},
    {"Trasgo", {30, 3, 8, 8, 4, 6}, "Espada corta", 12},
    {"Trasgo arquero", {30, 3, 6, 7, 5, 7}, "Arco largo", 7},
    {"Trasgo hechicero", {30, 15, 3, 4, 8, 5}, nullptr, 10},
    {"Jefe elfo oscuro", {90, 3, 15, 13, 6, 12}, "Espada encantada", 25},
    {"Guerrero elfo oscuro", {70, 3, 15, 11, 5, 12}, "Espada encantada", 25},
    {"Explorador elfo oscuro", {70, 3, 8, 15, 10, 11}, "Ballesta", 20},
    {"Hechicero elfo oscuro", {60, 27, 5, 5, 12, 6}, nullptr, 21},
    {"Draconiano shivak", {110, 3, 19, 19, 10, 18}, "espada dragón", 50},
    {"Draconiano baaz", {100, 3, 18, 18, 7, 12}, "Espada dragón", 50},
    {"Draconiano Kapak", {100, 3, 12, 16, 12, 18}, "Arco de escamas", 35},
    {"Draconiano bozak", {70, 36, 9, 11, 18, 10}, nullptr, 36},
    {"Cría de dragón blanco", {150, 21, 36, 36, 23, 32}, "Aliento de hielo", 85},
    {"Cría de dragón rojo", {160, 21, 36, 36, 22, 30}, "Aliento de fuego", 90},
    {"Cría dragón verde", {130, 30, 32, 40, 33, 38}, "Aliento venenoso", 70},
    {"Cría dragón negro", {125, 45, 30, 39, 39, 39}, "Aliento mágico", 75},
}};

struct ExpectedBoss {
  const char* Name;
  Sheet Values;  // P. Magia is 0 for every boss
  const char* Weapon;
  int32_t Damage;
  bool Natural;
};

constexpr std::array<ExpectedBoss, 5> kBosses{{
    {"Rey goblin", {60, 0, 6, 8, 5, 6}, "Cimitarra", 12, false},
    {"Araña gigante", {80, 0, 10, 13, 8, 11}, "Pico y patas", 30, true},
    {"Troll", {110, 0, 19, 13, 4, 12}, "Garrote", 40, false},
    {"Draconiano aurak", {140, 0, 25, 27, 19, 22}, "Espada mágica +5", 65, false},
    {"Rey dragón", {200, 0, 43, 43, 35, 40}, "Espada flamígera", 100, false},
}};

class MonsterCatalogue : public ::testing::Test {
 protected:
  void Build(std::vector<double> draws) {
    t.random.Play(std::move(draws));
    BuildMonsterCatalogue(t.game);
  }
  const Being& Monster(int k) const { return t.game.MonsterCatalogue(k); }
  std::string Weapon(int k) const { return Monster(k).RightHand.Name.Trimmed(); }

  testing::TestGame t;
};

TEST_F(MonsterCatalogue, EveryKindHasTheValuesOfTheBestiary) {
  Build({0.0});
  ASSERT_EQ(t.game.MonsterCatalogue.Lower(), 1);
  ASSERT_EQ(t.game.MonsterCatalogue.Upper(), 19);
  for (int k = 1; k <= 19; ++k) {
    const ExpectedMonster& e = kMonsters[static_cast<std::size_t>(k - 1)];
    const Being& m = Monster(k);
    SCOPED_TRACE(e.Name);
    EXPECT_EQ(m.Name.Trimmed(), e.Name);
    EXPECT_EQ(SheetOf(m), e.Values);
    EXPECT_EQ(m.Life, m.MaxLife);
    EXPECT_EQ(m.Magic, m.MaxMagic);
    if (e.Weapon != nullptr) {
      EXPECT_EQ(Weapon(k), e.Weapon);
    }
    EXPECT_EQ(m.RightHand.MaxDamage, e.Damage);
    EXPECT_EQ(m.IsHero, kFalse);
    EXPECT_EQ(m.Level, 0);
    EXPECT_EQ(m.X, 0);
  }
}

TEST_F(MonsterCatalogue, WeaponsCarryTheirUseNatureAndPrice) {
  Build({0.0});
  const Item& claws = Monster(3).RightHand;
  EXPECT_EQ(claws.IsNatural, kTrue);
  EXPECT_EQ(claws.IsPlural, kTrue);
  EXPECT_EQ(claws.Price, 0);
  const Item& crossbow = Monster(10).RightHand;
  EXPECT_EQ(crossbow.IsRanged, kTrue);
  EXPECT_EQ(crossbow.IsTwoHanded, kTrue);
  EXPECT_EQ(crossbow.IsMasculine, kFalse);
  EXPECT_EQ(crossbow.Price, 60);
  for (int k = 16; k <= 19; ++k) {
    const Item& breath = Monster(k).RightHand;
    SCOPED_TRACE(k);
    EXPECT_EQ(breath.IsNatural, kTrue);
    EXPECT_EQ(breath.IsMelee, kTrue);
    EXPECT_EQ(breath.IsRanged, kTrue);
    EXPECT_EQ(breath.IsSpell, ToFlag(k == 19));
    EXPECT_EQ(breath.SpellLevel, k == 19 ? 10 : 0);
  }
  for (int k = 1; k <= 15; ++k) {
    const Item& item = Monster(k).RightHand;
    EXPECT_EQ(-(item.IsMelee + item.IsRanged + item.IsSpell), 1) << k;
  }
}

TEST_F(MonsterCatalogue, TheThreeCastersLearnTheScrollPickedByTheirDraw) {
  Build({0.0, 0.99, 0.5});
  EXPECT_EQ(t.random.Draws, 3);
  EXPECT_EQ(Weapon(7), "Pergamino fuego letal");
  EXPECT_EQ(Weapon(11), "Pergamino nube de mosquitos");
  EXPECT_EQ(Weapon(15), "Pergamino viento helado");

  Build({0.75, 0.25, 0.26});
  EXPECT_EQ(Weapon(7), "pergamino lluvia de fuego");
  EXPECT_EQ(Weapon(11), "Pergamino maleza asfixiante");
  EXPECT_EQ(Weapon(15), "Pergamino rayo de escarcha");

  Build({0.3, 0.6, 0.8});
  EXPECT_EQ(Weapon(7), "Pergamino aliento de dragón");
  EXPECT_EQ(Weapon(11), "Pergamino hojas sable");
  EXPECT_EQ(Weapon(15), "Pergamino nieve mortal");
  const std::array<std::array<int32_t, 4>, 3> figures{
      {{7, 10, 1, 60}, {11, 21, 3, 150}, {15, 36, 4, 250}}};
  for (const auto& [k, damage, level, price] : figures) {
    const Item& scroll = Monster(k).RightHand;
    EXPECT_EQ(scroll.IsSpell, kTrue);
    EXPECT_EQ(scroll.MaxDamage, damage);
    EXPECT_EQ(scroll.SpellLevel, level);
    EXPECT_EQ(scroll.Price, price);
  }
}

TEST_F(MonsterCatalogue, BossesFightWithoutMagicAndOnlyTheAurakHasAnAttackBonus) {
  Build({0.0});
  for (int phase = 1; phase <= 5; ++phase) {
    const ExpectedBoss& e = kBosses[static_cast<std::size_t>(phase - 1)];
    const Being& b = t.game.Bosses(phase);
    SCOPED_TRACE(e.Name);
    EXPECT_EQ(b.Name.Trimmed(), e.Name);
    EXPECT_EQ(SheetOf(b), e.Values);
    EXPECT_EQ(b.Life, b.MaxLife);
    EXPECT_EQ(b.Magic, 0);
    EXPECT_EQ(b.RightHand.Name.Trimmed(), e.Weapon);
    EXPECT_EQ(b.RightHand.MaxDamage, e.Damage);
    EXPECT_EQ(b.RightHand.IsNatural, ToFlag(e.Natural));
    EXPECT_EQ(b.RightHand.IsMelee, kTrue);
    EXPECT_EQ(b.RightHand.IsTwoHanded, kFalse);
    EXPECT_EQ(b.RightHand.AttackBonus, phase == 4 ? 5 : 0);
  }
  EXPECT_EQ(t.game.Bosses(3).RightHand.Price, 100);
  EXPECT_EQ(t.game.Bosses(3).RightHand.IsMasculine, kTrue);
  for (int k = 6; k <= 10; ++k) EXPECT_EQ(t.game.Bosses(k), Being{});
}

}  // namespace
}  // namespace zorvek
