#include <gtest/gtest.h>

#include "board/Board.hpp"
#include "party/PartySupport.hpp"
#include "shop/ShopDialog.hpp"

namespace zorvek {
namespace {

using testing::Thing;
using Lines = std::vector<std::string>;

// Shelves with a sword, a book, three rations and a shield; Urso carries 30 coins.
struct Shop : testing::PartyGame, ::testing::Test {
  Shop() {
    Room& room = t.game.CurrentRoom;
    for (Item& item : room.Items) item = Item{};
    room.Items(1) = Thing("Espada larga", 0, 12);
    room.Items(2) = Thing("Libro Ianse staea", 0, 110);
    room.Items(3) = Thing("Ración de comida", 3, 10);
    room.Items(4) = Thing("Escudo redondo", 0, 8, 2);
    Hero(1).Coins = 30;
  }
  ShopDialog& Open() {
    shop.emplace(t.game);
    shop->Load();
    return *shop;
  }
  bool Act(std::string_view control, std::optional<int> arg = std::nullopt) {
    return shop->Act(control, arg);
  }
  // Chooses a line of the shelves and buys it; or of the hero's things and sells it.
  bool Buy(int line) { return Act("List1", line) && Act("CBComprarOb"); }
  bool Sell(int line) { return Act("List3", line) && Act("CBVenderOb"); }
  Lines List(const char* list) const { return testing::Texts(shop->Controls().Lines(list)); }

  std::optional<ShopDialog> shop;
};

TEST_F(Shop, OpensOnTheShelvesWithTheLivingHeroesToChoose) {
  Hero(3).Life = 0;
  Hero(1).Inventory(1) = Thing("Ración de comida", 3);
  ShopDialog& s = Open();
  EXPECT_EQ(List("List1"), (Lines{"Espada larga: 12 monedas.", "Libro Ianse staea: 110 monedas.",
                                  "Ración de comida: 10 monedas.", "Escudo redondo: 8 monedas."}));
  EXPECT_EQ(List("List2"), (Lines{"Espada bastarda", "Ración de comida(3)"}));
  EXPECT_FALSE(Act("Option1", 2));  // the dead do not shop
  EXPECT_FALSE(Act("CBVenderOb"));  // the selling frame is hidden
  ASSERT_TRUE(Act("Option1", 1));
  EXPECT_EQ(List("List3"), (Lines{"Pergamino dardos de fuego"}));
  ASSERT_TRUE(Act("CBVender"));
  EXPECT_FALSE(Act("CBComprarOb"));
  ASSERT_TRUE(Act("CBSalir"));
  EXPECT_TRUE(s.Closed());
  Hero(1).Life = 0;
  EXPECT_EQ(Open().SelectedHero(), 2);
}

TEST_F(Shop, APriceIsPaidInFullOrNotAtAll) {
  Hero(1).Coins = 11;
  Open();
  Buy(0);
  EXPECT_EQ(LastBox(), "Me temo que no tiene suficientes monedas para pagar lo que quiere");
  EXPECT_EQ(Hero(1).Coins, 11);
  Hero(1).Coins = 12;
  Buy(0);
  EXPECT_EQ(Hero(1).Coins, 0);
}

TEST_F(Shop, BuyingPaysStacksAndClosesUpTheShelves) {
  Open();
  Buy(1);
  EXPECT_EQ(LastBox(), "Me temo que no tiene suficientes monedas para pagar lo que quiere");
  Hero(1).Coins = 200;
  Act("CBComprarOb");
  EXPECT_EQ(LastBox(),
            "Señor mío, me temo que no puedo venderle ese libro. Me temo que tiene, em, "
            "propiedades especiales, si usted me entiende, que harían daño a una persona sin "
            "poderes mágicos.");
  Hero(1).Inventory(2) = Thing("Escudo redondo", 0, 8, 2);
  Hero(1).Inventory(3) = Thing("Ración de comida", 2, 10);
  Buy(0);
  EXPECT_EQ(LastBox(), "Urso, guerrero humano compra la Espada larga");
  EXPECT_EQ(Hero(1).Coins, 188);
  EXPECT_EQ(Hero(1).Inventory(1).Name.Trimmed(), "Espada larga");  // the first empty slot
  EXPECT_EQ(List("List1").front(), "Libro Ianse staea: 110 monedas.");
  EXPECT_EQ(shop->Controls().Text("Text2"), "188 monedas");
  Buy(2);  // the same shield at the same price: a stack of two
  EXPECT_EQ(Hero(1).Inventory(2).Quantity, 2);
  Buy(1);  // the shelf's three rations join the two carried
  EXPECT_EQ(Hero(1).Inventory(3).Quantity, 5);
  for (int i = 4; i <= 20; ++i) Hero(1).Inventory(i) = Thing("Piedra");
  t.game.CurrentRoom.Items(2) = Thing("Escudo redondo", 0, 9);
  shop->Load();
  Buy(1);
  EXPECT_EQ(LastBox(), "Ese héroe no puede llevar más cosas");
  EXPECT_EQ(Hero(1).Coins, 170);
}

TEST_F(Shop, SellingAsksHowManyAndPaysNineTenthsOfThePrice) {
  Being& urso = Hero(1);
  urso.LeftHand = Thing("Escudo redondo", 0, 8, 2);
  urso.Defence = 10;
  urso.Inventory(1) = Thing("Ración de comida", 5, 11);
  urso.Inventory(2) = Thing("Pergamino luz", 0, 15);
  Open();
  Act("CBVender");
  Sell(3);
  EXPECT_EQ(LastBox(), "Eso no es algo que puedas vender");
  const int beeps = t.ui.Beeps;
  Answer("6");
  Sell(2);
  EXPECT_EQ(t.ui.Beeps, beeps + 1);
  EXPECT_EQ(t.ui.Inputs.back().Title, "Vender Ración de comida");
  Answer("3");
  Act("CBVenderOb");  // no answer to the offer: No
  EXPECT_EQ(LastBox(),
            "El gnomo te ofrece 9 monedas por cada Ración de comida. ¿Aceptas la oferta?");
  EXPECT_EQ(urso.Coins, 30);
  Answer("3");
  t.ui.YesNoAnswers.push_back(zorvek::Answer::Yes);
  Act("CBVenderOb");
  EXPECT_EQ(urso.Coins, 57);
  EXPECT_EQ(urso.Inventory(1).Quantity, 2);
  t.ui.YesNoAnswers.push_back(zorvek::Answer::Yes);
  Sell(1);
  EXPECT_EQ(urso.Coins, 64);
  EXPECT_EQ(urso.Defence, 8);
}

TEST_F(Shop, CoinsGoToAnotherLivingHero) {
  Hero(1).Coins = 0;
  Hero(3).Life = 0;
  Open();
  Act("CBDar");
  EXPECT_EQ(LastBox(), "No tiene ninguna moneda");
  EXPECT_EQ(t.ui.Boxes.back().Title, "Urso, guerrero humano");
  Hero(1).Coins = 20;
  for (const char* nobody : {"3", "1", "9"}) {
    Answer("5", nobody);
    Act("CBDar");
  }
  EXPECT_EQ(t.ui.Inputs.back().Text,
            "2. Sukir, hechicero humano\r\n4. Jan, guerrero humano\r\n¿A quién desea darle las "
            "monedas?");
  Answer("21");
  Act("CBDar");
  EXPECT_EQ(Hero(1).Coins, 20);
  Answer("5", "4");
  Act("CBDar");
  EXPECT_EQ(LastBox(), "5monedas entregadas a Jan, guerrero humano");
  EXPECT_EQ(shop->Controls().Text("Text2"), "15 monedas");
  Hero(2).Life = Hero(4).Life = 0;
  Answer("1");
  Act("CBDar");
  EXPECT_EQ(LastBox(), "No hay nadie más al que le pueda dar las monedas");
  EXPECT_EQ(Hero(4).Coins, 5);
}

}  // namespace
}  // namespace zorvek
