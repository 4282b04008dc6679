#include <gtest/gtest.h>

#include "model/Grammar.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

TEST(Grammar, ArticlesAndEndingsAgreeWithGenderAndNumber) {
  Item pots;
  pots.Quantity = 3;
  EXPECT_EQ(Article(pots, true, -1), "las");
  EXPECT_TRUE(IsSet(pots.IsPlural));  // the count is kept on the item
  EXPECT_EQ(Article(pots, true, 1), "la");
  EXPECT_FALSE(IsSet(pots.IsPlural));
  Item sword;
  sword.IsMasculine = kTrue;
  EXPECT_EQ(NounEnding(sword, true), "o");
  EXPECT_EQ(NounEnding(sword, false), "");
  EXPECT_EQ(Article(sword, false, -1), "un");
  EXPECT_EQ(Article(sword, false, 2), "unos");
  EXPECT_EQ(NounEnding(sword, false), "os");  // the count of two made it plural
}

TEST(Grammar, PluralsOnlyTouchTheEndOfTheName) {
  EXPECT_EQ(PluralName("Poción mágica"), "Poción mágicas");
  EXPECT_EQ(PluralName("Collar"), "Collares");
  EXPECT_EQ(PluralName("Monedas"), "monedas");
  EXPECT_EQ(PluralName("Ración de comida"), "Raciones de comida");
  EXPECT_EQ(PluralName("Llave de ópalo   "), "Llaves de ópalo");
  EXPECT_EQ(PluralName("Bisturí"), "Bisturís");
}

TEST(Grammar, ExperienceStepsGrowWithTheLevelAndStayIn32Bits) {
  EXPECT_EQ(ExperienceForNextLevel(15, 1), 45);
  EXPECT_EQ(ExperienceForNextLevel(15, 3), 150);
  EXPECT_EQ(ExperienceForNextLevel(2000000000, 30000), INT32_MAX);
}

TEST(Grammar, CompactingMovesGapsBehindAndKeepsOrder) {
  testing::TestGame t;
  auto& pack = t.game.Party(2).Inventory;
  pack(2).Name = "Perla";
  pack(5).Name = "Broche";
  pack(20).Name = "Collar";
  CompactInventories(t.game);
  EXPECT_EQ(pack(1).Name.Trimmed(), "Perla");
  EXPECT_EQ(pack(2).Name.Trimmed(), "Broche");
  EXPECT_EQ(pack(3).Name.Trimmed(), "Collar");
  for (int i = 4; i <= 20; ++i) EXPECT_TRUE(pack(i).Name.IsEmpty()) << i;
}

}  // namespace
}  // namespace zorvek
