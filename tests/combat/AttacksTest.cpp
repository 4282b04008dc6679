#include <gtest/gtest.h>

#include "combat/Combat.hpp"
#include "sound/Sound.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

// The draw that makes Int(r * faces) + 1 come out as `face`.
double Face(int face, int faces) { return (face - 0.5) / faces; }
// The draw that makes Int(r * range) come out as `value`.
double Part(int value, int range) { return (value + 0.5) / range; }

Item Weapon(const char* name, int32_t maxDamage, Flag Item::*use) {
  Item w;
  w.Name = name;
  w.MaxDamage = maxDamage;
  w.*use = kTrue;
  return w;
}

Being Fighter(const char* name, bool hero, int32_t life, const Item& hand) {
  Being b;
  b.Name = name;
  b.IsHero = ToFlag(hero);
  b.Life = b.MaxLife = life;
  b.Strength = 3;
  b.MeleeAttack = b.RangedAttack = 5;
  b.Defence = 3;
  b.Level = 1;
  b.RightHand = hand;
  return b;
}

struct Attacks : ::testing::Test {
  Attacks() {
    g.Party(1) = Fighter("Urso", true, 20, Weapon("Espada", 10, &Item::IsMelee));
    g.Party(3) = Fighter("Elkor", true, 20, Weapon("Arco largo", 4, &Item::IsRanged));
    Item scroll = Weapon("Pergamino dardos de fuego", 6, &Item::IsSpell);
    scroll.SpellLevel = 2;
    g.Party(4) = Fighter("Sukir", true, 20, scroll);
    g.Party(4).Magic = 2;
    g.Party(4).MagicAttack = 2;
    kobold = Fighter("Kobold", false, 10, Weapon("Cuchillo", 2, &Item::IsMelee));
    kobold.MaxLife = 15;
    kobold.X = 4;
    kobold.Y = 6;
  }
  const CombatSound& Queued(int n) { return g.Sound.Queue(n); }
  // A blow from `striker` to `target` on the draws given; what it tells.
  std::string Melee(Being& striker, Being& target, std::vector<double> draws) {
    t.random.Play(std::move(draws));
    return StrikeMelee(g, striker, target);
  }

  testing::TestGame t;
  Game& g = t.game;
  Being kobold;
};

TEST_F(Attacks, TheLowestFaceAlwaysMissesAndTheTopFaceAlwaysLands) {
  g.Party(1).RightHand.AttackBonus = 1000;
  EXPECT_EQ(Melee(g.Party(1), kobold, {Face(1, 8)}), "Urso ha fallado en su ataque.\r\n");
  EXPECT_EQ(t.random.Draws, 1);
  EXPECT_EQ(kobold.Life, 10);

  g.Party(1).RightHand.AttackBonus = 0;
  kobold.Defence = 1000;
  EXPECT_EQ(Melee(g.Party(1), kobold, {Face(8, 8), Part(4, 10)}),
            "Urso impacta con su Espada en Kobold y le quita 8 puntos de vida.\r\n");
  EXPECT_EQ(kobold.Life, 2);
  EXPECT_EQ(g.Party(1).Experience, 8);

  kobold.Armour = 1;
  kobold.Life = 10;
  t.random.Play({Face(6, 6), Part(3, 4)});
  EXPECT_EQ(StrikeRanged(g, g.Party(3), kobold),
            "Elkor acierta con su Arco largo  a Kobold y le quita 3 puntos de vida.\r\n");

  // Each blow queued its weapon; a hit that did damage is marked 1.
  EXPECT_EQ(g.Sound.QueueCursor, 3);
  EXPECT_EQ(Queued(1).Result, 0);
  EXPECT_EQ(Queued(3).Name, "Arco largo");
  EXPECT_EQ(Queued(3).Result, 1);
}

TEST_F(Attacks, BetweenTheFacesTheAttackMustBeatTheDefenceAndTheShield) {
  // Melee defence is Defence + MeleeAttack = 8; attack 5 + 3 = 8 is not enough.
  EXPECT_EQ(Melee(g.Party(1), kobold, {Face(3, 8)}), "Urso ha fallado en su ataque.\r\n");
  EXPECT_NE(Melee(g.Party(1), kobold, {Face(4, 8), Part(0, 10)}).find(" impacta con su "),
            std::string::npos);

  // Air spells add to every hero's defence, never to a monster's.
  g.ShieldBonus = 4;
  EXPECT_EQ(Melee(kobold, g.Party(1), {Face(7, 8)}), "Kobold ha fallado en su ataque.\r\n");

  // Armour above the damage makes it negative: the target heals, up to its maximum, and
  // the striker loses.
  kobold.Armour = 20;
  kobold.Life = 10;
  EXPECT_EQ(Melee(g.Party(1), kobold, {Face(8, 8), Part(0, 10)}),
            "Urso impacta con su Espada en Kobold y le quita -16 puntos de vida.\r\n");
  EXPECT_EQ(kobold.Life, 15);
  EXPECT_EQ(g.Party(1).Experience, 4 - 16);  // the first hit gave 4
}

TEST_F(Attacks, AWoundedHeroHearsItsLifeAndAFallenOneDies) {
  EXPECT_EQ(Melee(kobold, g.Party(1), {Face(8, 8), Part(0, 2)}),
            "Kobold impacta con su Cuchillo en Urso y le quita 4 puntos de vida, dejándole con "
            "16.");
  g.Party(1).Life = 3;
  kobold.RightHand.IsPlural = kTrue;
  EXPECT_EQ(Melee(kobold, g.Party(1), {Face(8, 8), Part(0, 2)}),
            "Kobold impacta con sus Cuchillo en Urso y le quita 4 puntos de vida, dejándole con "
            "-1.Urso Ha muerto.\r\n");
  EXPECT_EQ(Queued(2).Result, kCombatKill);
  EXPECT_EQ(kobold.Experience, 8);  // no bonus for a fallen hero
  EXPECT_TRUE(g.CurrentRoom.Items(1).Name.IsEmpty());
}

TEST_F(Attacks, AKilledMonsterGivesHalfItsLifeAndLeavesItsBelongings) {
  kobold.Life = 7;
  kobold.Inventory(2).Name = "Pergamino bola de fuego";
  g.Party(1).Experience = 3;
  // Hit for 7; then the drop: ration, potion, no coins, a ration, no potion.
  EXPECT_EQ(Melee(g.Party(1), kobold, {Face(8, 8), Part(3, 10), 0, 0, 0, 0.1, 0.9}),
            "Urso impacta con su Espada en Kobold y le quita 7 puntos de vida.\r\nKobold Ha "
            "muerto.\r\n");
  EXPECT_EQ(g.Party(1).Experience, 18);  // CLng(15 / 2 + 10): halves go to the even
  EXPECT_EQ(Queued(1).Result, kCombatKill);
  EXPECT_EQ(g.CurrentRoom.Items(1).Name.Trimmed(), "Libro bola de fuego");
  EXPECT_EQ(g.CurrentRoom.Items(1).X, 4);
}

TEST_F(Attacks, EarthDamageIsCreditedToTheHeroesWhoCastIt) {
  g.DamageBonus = 5;
  g.DamageShares(4) = 3;
  g.DamageShares(2) = 2;
  EXPECT_NE(Melee(g.Party(1), kobold, {Face(8, 8), Part(0, 10)}).find(" y le quita 9 "),
            std::string::npos);
  EXPECT_EQ(g.Party(1).Experience, 4);
  EXPECT_EQ(g.Party(4).Experience, 3);
  EXPECT_EQ(g.Party(2).Experience, 2);
  // A monster's blow gets no earth damage.
  EXPECT_NE(Melee(kobold, g.Party(1), {Face(8, 8), Part(0, 2)}).find(" y le quita 4 "),
            std::string::npos);
}

TEST_F(Attacks, SpellsCostTheirLevelAndMayHurtTheCaster) {
  Being& sukir = g.Party(4);
  t.random.Play({Face(1, 6), 0.9, Part(2, 3)});
  EXPECT_EQ(CastSpell(g, sukir, kobold, 4),
            "Sukir ha fallado al realizar su conjuro y sufre heridas por valor de 2 puntos de "
            "vida.\r\n");
  EXPECT_EQ(sukir.Life, 18);
  EXPECT_EQ(sukir.Magic, 2);
  EXPECT_EQ(g.Sound.QueueCursor, 0);
  // 2 + 1 + 2 does not beat three times the level; 3 does.
  t.random.Play({Face(2, 6), 0.5});
  EXPECT_EQ(CastSpell(g, sukir, kobold, 4), "Sukir ha fallado al realizar su conjuro.\r\n");
  t.random.Play({Face(4, 6), Part(3, 6)});
  EXPECT_EQ(CastSpell(g, sukir, kobold, 4),
            "Sukir realiza con éxito el conjuro dardos de fuego y le quita 5 puntos de vida a "
            "Kobold.\r\n");
  EXPECT_EQ(sukir.Magic, 0);
  EXPECT_EQ(sukir.Experience, 7);
  EXPECT_EQ(Queued(1).Name, "fuego");
  EXPECT_EQ(CastSpell(g, sukir, kobold, 4),
            "Sukir no tiene suficientes puntos de magia para lanzar ese conjuro.");
}

TEST_F(Attacks, WaterHealsThePartyOnePointAtATime) {
  Being& sukir = g.Party(4);
  sukir.RightHand = {.Name = "Pergamino cura", .MaxHealing = 5, .IsSpell = kTrue, .SpellLevel = 1};
  sukir.Level = 2;
  g.Party(1).Life = 17;  // three below
  g.Party(3).Life = 19;  // one below
  g.Party(2) = Fighter("Jan", true, 20, Item{});
  g.Party(2).Life = 0;  // the dead are not healed
  t.random.Play({Face(6, 6), Part(2, 5)});
  EXPECT_EQ(CastSpell(g, sukir, kobold, 4),
            "Sukir realiza con éxito el conjuro cura y cura 5 puntos de vida a los miembros del "
            "grupo.");
  EXPECT_EQ(g.Party(1).Life, 20);
  EXPECT_EQ(g.Party(3).Life, 20);
  EXPECT_EQ(g.Party(2).Life, 0);
  EXPECT_EQ(sukir.Experience, 6);
}

TEST_F(Attacks, AirAndEarthLastUntilTheirCasterCastsAgain) {
  Being& sukir = g.Party(4);
  sukir.RightHand = {
      .Name = "Pergamino escudo", .MagicShield = 4, .IsSpell = kTrue, .SpellLevel = 1};
  sukir.Magic = 10;
  g.ShieldBonus = 2;
  g.ShieldShares(3) = 2;
  t.random.Play({Face(6, 6)});
  EXPECT_EQ(CastSpell(g, sukir, kobold, 4), "Sukir realiza con éxito el conjuro escudo");
  EXPECT_EQ(g.ShieldBonus, 6);
  EXPECT_EQ(g.ShieldShares(4), 4);
  // A failed cast still ends the caster's own shield; its share is remembered.
  t.random.Play({Face(1, 6), 0.1});
  CastSpell(g, sukir, kobold, 4);
  EXPECT_EQ(g.ShieldBonus, 2);
  EXPECT_EQ(g.ShieldShares(4), 4);

  sukir.RightHand.MagicShield = 0;
  sukir.RightHand.AddedMagicDamage = 3;
  t.random.Play({Face(6, 6)});
  CastSpell(g, sukir, kobold, 4);
  EXPECT_EQ(g.DamageBonus, 3);
  EXPECT_EQ(Queued(2).Name, "tierra");
  // A monster's earth spell does nothing.
  kobold.RightHand = sukir.RightHand;
  kobold.Magic = 5;
  CastSpell(g, kobold, g.Party(1), -1);
  EXPECT_EQ(g.DamageBonus, 3);
}

}  // namespace
}  // namespace zorvek
