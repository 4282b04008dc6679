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

TEST_F(MonsterCatalogue, EveryKindAndBossStartsWholeWithOneUseOfItsWeaponButDragonsBreathe) {
  Build({0.0});
  ASSERT_EQ(t.game.MonsterCatalogue.Lower(), 1);
  ASSERT_EQ(t.game.MonsterCatalogue.Upper(), 19);
  for (int k = 1; k <= 19; ++k) {
    const Being& m = Monster(k);
    SCOPED_TRACE(m.Name.Trimmed());
    EXPECT_FALSE(m.Name.IsEmpty());
    EXPECT_EQ(m.Life, m.MaxLife);
    EXPECT_EQ(m.Magic, m.MaxMagic);
    EXPECT_EQ(m.IsHero, kFalse);
    EXPECT_GT(m.RightHand.MaxDamage, 0);
    const Item& w = m.RightHand;
    if (k <= 15) {
      EXPECT_EQ(-(w.IsMelee + w.IsRanged + w.IsSpell), 1);
    } else {  // a breath is natural and reaches both rows; the black one is magic too
      EXPECT_EQ(w.IsNatural & w.IsMelee & w.IsRanged, kTrue);
      EXPECT_EQ(w.IsSpell, ToFlag(k == 19));
    }
  }
  EXPECT_EQ(Monster(17).Name.Trimmed(), "Cría de dragón rojo");
  EXPECT_EQ(SheetOf(Monster(17)), (Sheet{160, 21, 36, 36, 22, 30}));
  EXPECT_EQ(Weapon(17), "Aliento de fuego");
  EXPECT_EQ(Monster(3).RightHand.IsNatural & Monster(3).RightHand.IsPlural, kTrue);

  // Bosses fight without magic and only the Aurak has an attack bonus.
  for (int phase = 1; phase <= 5; ++phase) {
    const Being& b = t.game.Bosses(phase);
    SCOPED_TRACE(b.Name.Trimmed());
    EXPECT_EQ(b.Life, b.MaxLife);
    EXPECT_EQ(b.MaxMagic | b.Magic, 0);
    EXPECT_EQ(b.RightHand.IsMelee, kTrue);
    EXPECT_EQ(b.RightHand.IsTwoHanded, kFalse);
    EXPECT_EQ(b.RightHand.AttackBonus, phase == 4 ? 5 : 0);
  }
  EXPECT_EQ(t.game.Bosses(5).Name.Trimmed(), "Rey dragón");
  EXPECT_EQ(SheetOf(t.game.Bosses(5)), (Sheet{200, 0, 43, 43, 35, 40}));
  for (int k = 6; k <= 10; ++k) EXPECT_EQ(t.game.Bosses(k), Being{});
}

TEST_F(MonsterCatalogue, TheThreeCastersLearnTheScrollPickedByTheirDraw) {
  Build({0.0, 0.99, 0.5});
  EXPECT_EQ(t.random.Draws, 3);
  EXPECT_EQ(Weapon(7), "Pergamino fuego letal");
  EXPECT_EQ(Weapon(11), "Pergamino nube de mosquitos");
  EXPECT_EQ(Weapon(15), "Pergamino viento helado");
  Build({0.3, 0.6, 0.8});
  EXPECT_EQ(Weapon(7), "Pergamino aliento de dragón");
  EXPECT_EQ(Weapon(11), "Pergamino hojas sable");
  EXPECT_EQ(Weapon(15), "Pergamino nieve mortal");
  for (int k : {7, 11, 15}) EXPECT_EQ(Monster(k).RightHand.IsSpell, kTrue) << k;
}

}  // namespace
}  // namespace zorvek
