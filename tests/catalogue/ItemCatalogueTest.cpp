#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zorvek
