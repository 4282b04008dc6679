#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/Catalogues.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

// Draws for: ration size, potion size, coins, ration chance, potion chance.
constexpr double kNoLuck = 0.99;

class DropBelongings : public ::testing::Test {
 protected:
  DropBelongings() {
    fallen.X = 4;
    fallen.Y = 2;
    fallen.MaxLife = 20;
  }

  void Drop(std::vector<double> draws) {
    t.random.Play(std::move(draws));
    zorvek::DropBelongings(t.game, fallen);
  }
  Item& Floor(int slot) { return t.game.CurrentRoom.Items(slot); }
  std::vector<std::string> FloorNames() {
    std::vector<std::string> names;
    for (const Item& item : t.game.CurrentRoom.Items) names.push_back(item.Name.Trimmed());
    while (!names.empty() && names.back().empty()) names.pop_back();
    return names;
  }

  testing::TestGame t;
  Being fallen;
};

TEST_F(DropBelongings, CoinsRangeFromNoneToHalfTheMaximumLifeRoundedToEven) {
  struct Case {
    int32_t MaxLife;
    double Draw;
    int16_t Coins;
  };
  const Case cases[] = {{20, 0.999, 9}, {20, 0.0, 0},  {20, 0.55, 5}, {1, 0.999, 0},
                        {3, 0.999, 1},  {5, 0.999, 1}, {7, 0.999, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.MaxLife << " " << c.Draw);
    t.game.CurrentRoom = Room{};
    fallen.MaxLife = c.MaxLife;
    Drop({0.0, 0.0, c.Draw, kNoLuck, kNoLuck});
    if (c.Coins == 0) {
      EXPECT_TRUE(FloorNames().empty());
    } else {
      EXPECT_EQ(FloorNames(), std::vector<std::string>{"Monedas"});
      EXPECT_EQ(Floor(1).Quantity, c.Coins);
    }
  }
}

TEST_F(DropBelongings, RationAndPotionComeByChanceWithTheirDrawnSizes) {
  Drop({0.5, 0.99, 0.0, 0.34, 0.19});
  ASSERT_EQ(FloorNames(), (std::vector<std::string>{"Ración de comida", "Poción mágica"}));
  EXPECT_EQ(Floor(1).RestoresLife, 4);
  EXPECT_EQ(Floor(1).Price, 8);
  EXPECT_EQ(Floor(2).RestoresMagic, 6);
  EXPECT_EQ(Floor(2).Price, 24);

  t.game.CurrentRoom = Room{};
  Drop({0.5, 0.5, 0.0, 0.35, 0.2});
  EXPECT_TRUE(FloorNames().empty());
  EXPECT_EQ(t.random.Draws, 10);
}

TEST_F(DropBelongings, BelongingsFillTheFreeSlotsInOrderExceptNaturalWeapons) {
  Floor(1) = Item{.Name = "Perla"};
  Floor(3) = Item{.Name = "Collar"};
  fallen.Inventory(5) = Item{.Name = "Broche"};
  fallen.Inventory(2) = Item{.Name = "Llave verde"};
  fallen.RightHand = Item{.Name = "Espada corta"};
  fallen.LeftHand = Item{.Name = "Garras", .IsNatural = kTrue};
  fallen.Body = Item{.Name = "Peto de cuero"};
  Drop({0.0, 0.0, 0.999, 0.0, kNoLuck});
  EXPECT_EQ(FloorNames(),
            (std::vector<std::string>{"Perla", "Llave verde", "Collar", "Broche", "Espada corta",
                                      "Peto de cuero", "Ración de comida", "Monedas"}));
  EXPECT_EQ(Floor(1).X, 0);
  EXPECT_EQ(Floor(5).X, 4);
}

TEST_F(DropBelongings, AFullFloorTakesNothingMoreAndDrawsNoMoreChances) {
  for (int s = 1; s <= 19; ++s) Floor(s) = Item{.Name = "Piedra"};
  fallen.Inventory(1) = Item{.Name = "Cuchillo"};
  fallen.RightHand = Item{.Name = "Machete"};
  Drop({0.0, 0.0, 0.999, 0.0, 0.0});
  EXPECT_EQ(Floor(20).Name.Trimmed(), "Cuchillo");
  EXPECT_EQ(t.random.Draws, 3);

  Drop({0.0, 0.0, 0.999, 0.0, 0.0});
  for (int s = 1; s <= 19; ++s) EXPECT_EQ(Floor(s).Name.Trimmed(), "Piedra");
  EXPECT_EQ(Floor(20).Name.Trimmed(), "Cuchillo");
}

TEST_F(DropBelongings, AKeyFindsRoomOnAFullFloorInPlaceOfTheLastObjectThatIsNoKey) {
  for (int s = 1; s <= 20; ++s) Floor(s) = Item{.Name = "Piedra"};
  Floor(20) = Item{.Name = "Llave roja", .KeyNo = 2};
  fallen.Inventory(1) = Item{.Name = "Cuchillo"};
  fallen.Inventory(2) = Item{.Name = "Llave verde", .KeyNo = 5};
  Drop({0.0, 0.0, 0.999, 0.0, 0.0});
  EXPECT_EQ(Floor(19).Name.Trimmed(), "Llave verde");
  EXPECT_EQ(Floor(19).X, 4);
  EXPECT_EQ(Floor(20).Name.Trimmed(), "Llave roja");
  EXPECT_EQ(Floor(18).Name.Trimmed(), "Piedra");
}

TEST_F(DropBelongings, AScrollLiesOnTheFloorAsABookOfTheSameSpell) {
  fallen.RightHand =
      Item{.Name = "Pergamino fuego letal", .MaxDamage = 10, .IsSpell = kTrue, .SpellLevel = 1};
  fallen.Inventory(1) = Item{.Name = "pergamino lluvia de fuego", .SpellLevel = 1};
  Drop({0.0, 0.0, 0.0, kNoLuck, kNoLuck});
  ASSERT_EQ(FloorNames(),
            (std::vector<std::string>{"pergamino lluvia de fuego", "Libro fuego letal"}));
  EXPECT_EQ(Floor(2).MaxDamage, 10);
  EXPECT_EQ(Floor(2).SpellLevel, 1);
  EXPECT_EQ(fallen.RightHand.Name.Trimmed(), "Pergamino fuego letal");
  EXPECT_EQ(DescribeItem(Floor(1)), Floor(1).Name.Padded() + "\r\n");
}

}  // namespace
}  // namespace zorvek
