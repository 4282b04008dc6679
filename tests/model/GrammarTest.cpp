#include <gtest/gtest.h>

#include "model/Grammar.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

TEST(Grammar, ArticleFollowsQuantityAndCountAndKeepsTheMark) {
  Item pots;
  pots.Quantity = 3;
  EXPECT_EQ(Article(pots, true, -1), "las");
  EXPECT_TRUE(IsSet(pots.IsPlural));
  EXPECT_EQ(Article(pots, true, 1), "la");
  EXPECT_FALSE(IsSet(pots.IsPlural));
  Item sword;
  sword.IsMasculine = kTrue;
  EXPECT_EQ(Article(sword, false, -1), "un");
  EXPECT_EQ(Article(sword, false, 2), "unos");
  EXPECT_EQ(Article(sword, true, 0), "el");
}

TEST(Grammar, EndingsAgreeWithGenderAndNumber) {
  Item item;
  EXPECT_EQ(NounEnding(item, true), "a");
  item.IsPlural = kTrue;
  EXPECT_EQ(NounEnding(item, false), "as");
  item.IsMasculine = kTrue;
  EXPECT_EQ(NounEnding(item, false), "os");
  item.IsPlural = kFalse;
  EXPECT_EQ(NounEnding(item, true), "o");
  EXPECT_EQ(NounEnding(item, false), "");
}

TEST(Grammar, PluralsOnlyTouchTheEndOfTheName) {
  EXPECT_EQ(PluralName("Poción mágica"), "Poción mágicas");
  EXPECT_EQ(PluralName("Anillo roto"), "Anillo rotos");
  EXPECT_EQ(PluralName("Collar"), "Collares");
  EXPECT_EQ(PluralName("Monedas"), "monedas");
  EXPECT_EQ(PluralName("Ración de comida"), "Raciones de comida");
  EXPECT_EQ(PluralName("Llave verde"), "Llaves verde");
  EXPECT_EQ(PluralName("Llave de ópalo   "), "Llaves de ópalo");
  EXPECT_EQ(PluralName("Libro rocas ígneas"), "Libro rocas ígneases");
  EXPECT_EQ(PluralName("Bisturí"), "Bisturís");
}

TEST(Grammar, ExperienceStepsGrowWithTheLevel) {
  EXPECT_EQ(ExperienceForNextLevel(15, 1), 45);
  EXPECT_EQ(ExperienceForNextLevel(15, 2), 90);
  EXPECT_EQ(ExperienceForNextLevel(15, 3), 150);
  EXPECT_EQ(ExperienceForNextLevel(10, 0), 10);
  // Far beyond any level a hero reaches, the sum stays pinned in 32 bits.
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
