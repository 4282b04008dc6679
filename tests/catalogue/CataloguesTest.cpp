#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/Catalogues.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

TEST(ItemCatalogue, HoldsFiftySixEntriesInContiguousTiersAfterAnEmptyEntry) {
  testing::TestGame t;
  BuildItemCatalogue(t.game);
  BuildItemCatalogue(t.game);  // a second build starts over rather than appending
  ASSERT_EQ(t.game.ItemCatalogue.Lower(), 0);
  ASSERT_EQ(t.game.ItemCatalogue.Upper(), 56);
  ASSERT_EQ(t.game.ItemTiers.Upper(), 56);
  EXPECT_EQ(t.game.ItemCatalogue(0), Item{});
  EXPECT_EQ(t.game.ItemTiers(1), 1);
  EXPECT_EQ(t.game.ItemTiers(56), 5);
  for (int i = 1; i <= 56; ++i) {
    const Item& item = t.game.ItemCatalogue(i);
    SCOPED_TRACE(item.Name.Trimmed());
    if (i > 1) {
      const int step = t.game.ItemTiers(i) - t.game.ItemTiers(i - 1);
      EXPECT_TRUE(step == 0 || step == 1);
    }
    EXPECT_FALSE(item.Name.IsEmpty());
    EXPECT_LE(-(item.IsMelee + item.IsRanged + item.IsSpell), 1);
    EXPECT_EQ(item.IsPlural | item.IsNatural, kFalse);
    EXPECT_GT(item.Price, 0);
    EXPECT_EQ(item.SpellLevel, IsSet(item.IsSpell) ? t.game.ItemTiers(i) : 0);
  }
  // Each phase's range, and none outside the five.
  const int first[] = {1, 15, 25, 35, 46, 57};
  for (int tier = 1; tier <= 5; ++tier) {
    EXPECT_EQ(TierBounds(t.game, tier).First, first[tier - 1]) << tier;
    EXPECT_EQ(TierBounds(t.game, tier).Last, first[tier] - 1) << tier;
  }
  for (int tier : {0, 6}) {
    EXPECT_EQ(TierBounds(t.game, tier).First, 0) << tier;
    EXPECT_EQ(TierBounds(t.game, tier).Last, -1) << tier;
  }
}

// The name line: the name as stored, 100 characters, then a line end.
std::string NameLine(const char* name) { return Name100(name).Padded() + "\r\n"; }

TEST(DescribeItem, BooksTellTheirSchoolScrollsAndWeaponsTheirFigures) {
  testing::TestGame t;
  BuildItemCatalogue(t.game);
  EXPECT_EQ(DescribeItem(t.game.ItemCatalogue(8)),
            NameLine("Libro dardos de fuego") + "Objeto mágico\r\nEscuela: Fuego\r\n");
  EXPECT_EQ(DescribeItem(t.game.ItemCatalogue(25)),
            NameLine("Bastón de combate") +
                "Arma cuerpo a cuerpo \r\nArma a dos manos\r\nDaño máximo: 24\r\n"
                "Bonus al ataque: 1\r\nBonus a la defensa: 1\r\n");
  const Item healing{.Name = "Pergamino agua", .MaxHealing = 20, .IsSpell = kTrue, .SpellLevel = 2};
  EXPECT_EQ(DescribeItem(healing), NameLine("Pergamino agua") +
                                       "Objeto mágico\r\nConjuro de nivel 2\r\n"
                                       "Curación máxima: 20\r\nEscuela: Agua");
  EXPECT_EQ(DescribeItem(Item{.Name = "Monedas", .Quantity = 30}),
            NameLine("Monedas") +
                "Cantidad : 30\r\n30  monedas de las utilizadas habitualmente para comprar y "
                "vender.");
  // Only valuables with nothing else to tell look precious.
  EXPECT_EQ(DescribeItem(Item{.Name = "Perla"}),
            NameLine("Perla") + "Parece ser un objeto de mucho valor.");
  EXPECT_EQ(DescribeItem(Item{.Name = "Perla", .Quantity = 2}),
            NameLine("Perla") + "Cantidad : 2\r\n");
  EXPECT_EQ(DescribeItem(Item{.Name = "Jarrón"}), NameLine("Jarrón"));
}

TEST(HeroRoster, CandidatesStartWholeInRoomOneWithOneWeaponOrScrollAndNothingElse) {
  testing::TestGame t;
  t.game.Rooms.ReDim(0, 1);
  t.game.Party(2).Name = "Alguien";
  t.game.DungeonBeings.ReDim(1, 30);
  t.game.DungeonBeings(15).Life = 99;
  t.random.Play({0.5});
  BuildHeroRoster(t.game);
  auto Hero = [&](int k) -> const Being& { return t.game.DungeonBeings(k); };
  for (int k = 1; k <= 12; ++k) {
    const Being& h = Hero(k);
    SCOPED_TRACE(h.Name.Trimmed());
    EXPECT_FALSE(h.Name.IsEmpty());
    EXPECT_EQ(h.Id, k);
    EXPECT_EQ(h.Life, h.MaxLife);
    EXPECT_EQ(h.Magic, h.MaxMagic);
    EXPECT_EQ(h.Level, 1);
    EXPECT_EQ(h.Experience, 0);
    EXPECT_EQ(h.IsHero, kTrue);
    EXPECT_EQ(t.game.Rooms(1).Beings(k), k);
    const Item& item = h.RightHand;
    EXPECT_EQ(-(item.IsMelee + item.IsRanged + item.IsSpell), 1);
    EXPECT_EQ(item.SpellLevel, k % 4 == 0 ? 1 : 0);  // every fourth is a sorcerer
    EXPECT_TRUE(h.LeftHand.Name.IsEmpty() && h.Body.Name.IsEmpty());
  }
  // The party and the beings after the candidates start empty, and nothing was drawn.
  for (int p = 1; p <= 4; ++p) EXPECT_TRUE(t.game.Party(p).Name.IsEmpty());
  EXPECT_EQ(t.game.DungeonBeings.Upper(), 19);
  for (int k = 13; k <= 19; ++k) EXPECT_EQ(Hero(k), Being{}) << k;
  EXPECT_EQ(t.random.Draws, 0);
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
  for (int k = 6; k <= 10; ++k) EXPECT_EQ(t.game.Bosses(k), Being{});
}

TEST_F(MonsterCatalogue, TheThreeCastersLearnTheScrollPickedByTheirDraw) {
  Build({0.0, 0.99, 0.5});
  EXPECT_EQ(t.random.Draws, 3);
  EXPECT_EQ(Weapon(7), "Pergamino fuego letal");
  EXPECT_EQ(Weapon(11), "Pergamino nube de mosquitos");
  EXPECT_EQ(Weapon(15), "Pergamino viento helado");
  for (int k : {7, 11, 15}) EXPECT_EQ(Monster(k).RightHand.IsSpell, kTrue) << k;
}

}  // namespace
}  // namespace zorvek
