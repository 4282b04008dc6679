#include <gtest/gtest.h>

#include <array>

#include "catalogue/Catalogues.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

class ItemCatalogue : public ::testing::Test {
 protected:
  void SetUp() override { BuildItemCatalogue(t.game); }
  const Item& Entry(int i) const { return t.game.ItemCatalogue(i); }

  testing::TestGame t;
};

TEST_F(ItemCatalogue, HoldsFiftySixEntriesInContiguousTiersAfterAnEmptyEntry) {
  // A second build starts over rather than appending to the first.
  BuildItemCatalogue(t.game);
  ASSERT_EQ(t.game.ItemCatalogue.Lower(), 0);
  ASSERT_EQ(t.game.ItemCatalogue.Upper(), 56);
  ASSERT_EQ(t.game.ItemTiers.Lower(), 0);
  ASSERT_EQ(t.game.ItemTiers.Upper(), 56);
  EXPECT_EQ(Entry(0), Item{});
  EXPECT_EQ(t.game.ItemTiers(0), 0);
  EXPECT_EQ(t.game.ItemTiers(1), 1);
  EXPECT_EQ(t.game.ItemTiers(56), 5);
  for (int i = 2; i <= 56; ++i) {
    const int step = t.game.ItemTiers(i) - t.game.ItemTiers(i - 1);
    EXPECT_TRUE(step == 0 || step == 1) << i;
  }
  for (int i = 1; i <= 56; ++i) {
    const Item& item = Entry(i);
    SCOPED_TRACE(item.Name.Trimmed());
    EXPECT_FALSE(item.Name.IsEmpty());
    EXPECT_LE(-(item.IsMelee + item.IsRanged + item.IsSpell), 1);
    EXPECT_EQ(item.IsPlural, kFalse);
    EXPECT_EQ(item.IsNatural, kFalse);
    EXPECT_GT(item.Price, 0);
    EXPECT_EQ(item.SpellLevel, IsSet(item.IsSpell) ? t.game.ItemTiers(i) : 0);
  }
}

TEST_F(ItemCatalogue, TierBoundsGiveTheRangeOfEachPhase) {
  const std::array<TierRange, 5> expected{{{1, 14}, {15, 24}, {25, 34}, {35, 45}, {46, 56}}};
  for (int tier = 1; tier <= 5; ++tier) {
    const TierRange r = TierBounds(t.game, tier);
    EXPECT_EQ(r.First, expected[static_cast<std::size_t>(tier - 1)].First) << tier;
    EXPECT_EQ(r.Last, expected[static_cast<std::size_t>(tier - 1)].Last) << tier;
  }
  for (int tier : {0, 6}) {
    const TierRange none = TierBounds(t.game, tier);
    EXPECT_EQ(none.First, 0) << tier;
    EXPECT_EQ(none.Last, -1) << tier;
  }
}

TEST_F(ItemCatalogue, WeaponsShieldsAndArmourCarryTheirFigures) {
  const Item& staff = Entry(25);
  EXPECT_EQ(staff.Name.Trimmed(), "Bastón de combate");
  EXPECT_EQ(staff.IsMelee, kTrue);
  EXPECT_EQ(staff.MaxDamage, 24);
  EXPECT_EQ(staff.AttackBonus, 1);
  EXPECT_EQ(staff.DefenceBonus, 1);
  EXPECT_EQ(staff.IsTwoHanded, kTrue);
  EXPECT_EQ(staff.IsMasculine, kTrue);
  EXPECT_EQ(staff.Price, 59);
  const Item& sling = Entry(7);
  EXPECT_EQ(sling.Name.Trimmed(), "Honda");
  EXPECT_EQ(sling.IsRanged, kTrue);
  EXPECT_EQ(sling.IsTwoHanded, kFalse);
  EXPECT_EQ(sling.MaxDamage, 3);
  EXPECT_EQ(Entry(28).Name.Trimmed(), "Ballesta");
  EXPECT_EQ(Entry(28).IsMasculine, kFalse);
  EXPECT_EQ(Entry(48).Name.Trimmed(), "espadón");
  EXPECT_EQ(Entry(48).MaxDamage, 100);
  EXPECT_EQ(Entry(2).AttackBonus, 0);

  const Item& buckler = Entry(12);
  EXPECT_EQ(buckler.Name.Trimmed(), "Rodela de madera");
  EXPECT_EQ(buckler.DefenceBonus, 1);
  EXPECT_EQ(buckler.IsMelee | buckler.IsRanged | buckler.IsSpell, kFalse);
  const Item& cuirass = Entry(56);
  EXPECT_EQ(cuirass.Name.Trimmed(), "Coraza");
  EXPECT_EQ(cuirass.ArmourBonus, 25);
  EXPECT_EQ(cuirass.DefenceBonus, 0);
  EXPECT_EQ(cuirass.Price, 800);
  EXPECT_EQ(Entry(44).DefenceBonus, 14);
  EXPECT_EQ(Entry(45).ArmourBonus, 12);
}

TEST_F(ItemCatalogue, BooksPutTheirValueInTheFieldOfTheirSchool) {
  const Item& healing = Entry(11);
  EXPECT_EQ(healing.Name.Trimmed(), "Libro curación mágica");
  EXPECT_EQ(healing.IsSpell, kTrue);
  EXPECT_EQ(healing.MaxHealing, 7);
  EXPECT_EQ(healing.MaxDamage, 0);
  EXPECT_EQ(healing.IsMasculine, kTrue);
  EXPECT_EQ(Entry(40).MaxDamage, 90);
  EXPECT_EQ(Entry(21).MagicShield, 4);
  EXPECT_EQ(Entry(54).AddedMagicDamage, 25);
  EXPECT_EQ(Entry(54).SpellLevel, 5);
  EXPECT_EQ(Entry(54).Price, 275);
  EXPECT_EQ(Entry(42).Name.Trimmed(), "Libro sinoma  inauor");
  EXPECT_EQ(Entry(53).Name.Trimmed(), "Libro tirrax  eskyrax");
  EXPECT_EQ(Entry(30).Name.Trimmed(), "Libro Salaia eaneless");
}

}  // namespace
}  // namespace zorvek
