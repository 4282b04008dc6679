#include <gtest/gtest.h>

#include "catalogue/Catalogues.hpp"
#include "party/PartyDialog.hpp"
#include "party/PartySupport.hpp"

namespace zorvek {
namespace {

using testing::Thing;
using Lines = std::vector<std::string>;

struct PartyDialogs : testing::PartyGame, ::testing::Test {
  PartyDialogs() {
    Hero(1).RightHand = Item{.Name = "Espada bastarda", .IsMelee = kTrue, .Price = 15};
    Hero(1).Defence = 10;
  }
  PartyDialog& Open() {
    dialog.emplace(t.game);
    dialog->Load();
    return *dialog;
  }
  // Shows the shown hero again (so the list holds what the test gave it), chooses
  // `line` and then `entry`; false when a control refuses.
  bool Choose(int line, const char* entry, std::optional<int> arg = std::nullopt) {
    if (!dialog) Open();
    return dialog->Act("Option1", dialog->SelectedHero() - 1) && dialog->Act("List1", line) &&
           dialog->Act(entry, arg);
  }
  Lines List() const { return testing::Texts(dialog->Controls().Lines("List1")); }
  bool On(const char* control) const { return dialog->Controls().Enabled(control); }

  std::optional<PartyDialog> dialog;
};

// (The sheet's figures are read in a golden transcript.) What the list shows of hands,
// pack, books and coins.
TEST_F(PartyDialogs, TheListShowsTheHerosThings) {
  Being& h = Hero(1);
  h.RightHand = Item{.Name = "Arco largo", .IsTwoHanded = kTrue};
  h.Inventory(2) = Thing("Ración de comida", 3);
  h.Inventory(5) = Item{.Name = "Pergamino bola de fuego", .SpellLevel = 3};
  h.Coins = 25;
  PartyDialog& d = Open();
  EXPECT_EQ(d.Controls().Text("TBNombre"), "Urso, guerrero humano");
  EXPECT_EQ(List(), (Lines{"Mano derecha: Arco largo", "Mano izquierda: (Arma a dos manos)",
                           "Cuerpo: (Vacío)", "3: Ración de comida",
                           "Pergamino bola de fuego (Nivel 3)", "Monedas: 25"}));
  EXPECT_EQ(d.Controls().Lines("List1")[4].Data, 2);  // the pack was packed first
}

TEST_F(PartyDialogs, MarchingPositionsChangeOnlyForAnswersOneToFour) {
  PartyDialog& d = Open();
  for (const char* answer : {"", "5", "texto", "0.5", "4.7"}) {
    Answer(answer);
    ASSERT_TRUE(d.Act("Command1", std::nullopt));
    EXPECT_EQ(Hero(1).Name.Trimmed(), "Urso, guerrero humano") << answer;
  }
  Answer("4");
  d.Act("Command1", std::nullopt);
  EXPECT_EQ(Hero(1).Name.Trimmed(), "Jan, guerrero humano");
  EXPECT_EQ(d.SelectedHero(), 4);
  EXPECT_EQ(d.Controls().Text("Option1(0)"), "Jan, guerrero humano");
  Answer("2,6");  // rounds to 3
  d.Act("Command1", std::nullopt);
  EXPECT_EQ(Hero(3).Name.Trimmed(), "Urso, guerrero humano");
}

TEST_F(PartyDialogs, TheMenuOffersWhatFitsTheSelectedLine) {
  Hero(1).Coins = 4;
  Hero(3).Life = -1;
  PartyDialog& d = Open();
  EXPECT_FALSE(d.Act("MnuOpcExa", std::nullopt));  // no line chosen: no menu
  EXPECT_FALSE(On("MnuOpcDarLis(3)"));             // the dead take nothing
  d.Act("List1", 0);
  EXPECT_TRUE(!On("MnuOpcDer") && On("MnuOpcIzq") && On("MnuOpcInv"));
  d.Act("List1", 3);  // the coins: give, drop and examine only
  for (const char* entry : {"MnuOpcDer", "MnuOpcIzq", "MnuOpcCue", "MnuOpcInv", "MnuOpcUti"})
    EXPECT_FALSE(d.Act(entry, std::nullopt)) << entry;
  d.Act("List1", 2);  // an empty body has nothing to work on
  EXPECT_FALSE(d.Act("MnuOpcDej", std::nullopt));
  Hero(1).Life = -3;
  d.Act("List1", 0);
  EXPECT_TRUE(!On("MnuOpcIzq") && !On("MnuOpcExa") && On("MnuOpcDej"));
  ASSERT_TRUE(d.Act("OKButton", std::nullopt));
  EXPECT_TRUE(d.Closed());
}

TEST_F(PartyDialogs, EveryRefusalIsToldAndChangesNothing) {
  // Chooses `line` and `entry`: the refusal `message` is told and Urso stays as he was.
  auto refused = [&](int line, const char* entry, std::optional<int> arg, const char* message) {
    const Being before = Hero(1);
    ASSERT_TRUE(Choose(line, entry, arg)) << message;
    EXPECT_EQ(LastBox(), message);
    EXPECT_EQ(Hero(1), before) << message;
  };
  const Item bow = {.Name = "Arco largo", .IsTwoHanded = kTrue};
  Hero(1).LeftHand = bow;
  Hero(1).Inventory(1) = Thing("Collar");
  refused(3, "MnuOpcDer", {},
          "Debe quitar el arma a dos manos de la mano izquierda para poder agarrar otras cosas "
          "con la mano derecha");
  Hero(1).LeftHand = {};
  for (Item& i : Hero(1).Inventory) i = Thing("Piedra");
  Hero(1).Inventory(1) = bow;
  refused(3, "MnuOpcDer", {},
          "No puede colocar ahí el arma a dos manos porque no hay espacio para liberar la mano "
          "izquierda");
  Hero(1).Inventory(1) = Thing("Peto", 0, 25, 0, 1);
  refused(3, "MnuOpcIzq", {}, "Ese objeto no se puede colocar en la mano");
  refused(3, "MnuOpcDer", {}, "Ese objeto no se puede colocar en la mano");
  Hero(1).Inventory(1) = Thing("Libro Ianse staea");
  refused(3, "MnuOpcDarLis", 3,
          "Urso, guerrero humano no está dispuesto a dar un libro arcano a alguien no iniciado "
          "en los secretos de la magia.");
  for (Item& i : Hero(3).Inventory) i = Thing("Piedra");
  refused(0, "MnuOpcDarLis", 3, "Elkor, explorador humano no puede llevar más cosas.");
  for (Item& i : t.game.CurrentRoom.Items) i = Thing("Piedra");
  refused(0, "MnuOpcDej", {},
          "No es posible dejar más cosas en la sala actual. Ya está llena a rebosar.");
}

TEST_F(PartyDialogs, ShieldsCountInTheLeftHandAndArmourOnTheBody) {
  Hero(1).LeftHand = Thing("Escudo redondo", 0, 8, 2);
  Hero(1).Inventory(1) = Item{.Name = "Arco largo", .IsTwoHanded = kTrue};
  ASSERT_TRUE(Choose(1, "MnuOpcDer"));  // the hands exchange: the shield counts no more
  EXPECT_EQ(Hero(1).Defence, 8);
  ASSERT_TRUE(Choose(0, "MnuOpcIzq"));
  EXPECT_EQ(Hero(1).Defence, 10);
  ASSERT_TRUE(Choose(3, "MnuOpcDer"));  // the bow frees the left hand into the pack
  EXPECT_EQ(List()[1], "Mano izquierda: (Arma a dos manos)");
  EXPECT_EQ(Hero(1).Inventory(2).Name.Trimmed(), "Escudo redondo");
  EXPECT_EQ(Hero(1).Defence, 8);

  Hero(1).Inventory(1) = Thing("Peto de cuero", 0, 25, 0, 1);
  Hero(1).Inventory(2) = Thing("Armadura de cuero", 0, 75, 0, 3);
  ASSERT_TRUE(Choose(3, "MnuOpcCue"));
  EXPECT_EQ(Hero(1).Armour, 1);
  ASSERT_TRUE(Choose(3, "MnuOpcCue"));  // the coat takes the jerkin's place and bonus
  EXPECT_EQ(Hero(1).Armour, 3);
  ASSERT_TRUE(Choose(2, "MnuOpcInv"));
  EXPECT_EQ(Hero(1).Armour, 0);
}

TEST_F(PartyDialogs, GiftsAndDropsMoveTheQuantityAsked) {
  Hero(1).Inventory(1) = Thing("Ración de comida", 5);
  Hero(1).LeftHand = Thing("Escudo redondo", 0, 8, 2);
  Hero(1).Coins = 12;
  for (const char* refused : {"", "0", "6"}) {
    Answer(refused);
    ASSERT_TRUE(Choose(3, "MnuOpcDarLis", 2));
  }
  Answer("2.5");  // halves round to even: 2
  ASSERT_TRUE(Choose(3, "MnuOpcDarLis", 2));
  EXPECT_EQ(Hero(1).Inventory(1).Quantity, 3);
  EXPECT_EQ(Hero(2).Inventory(1).Quantity, 2);
  ASSERT_TRUE(Choose(1, "MnuOpcDarLis", 4));  // the shield takes its bonus along
  EXPECT_EQ(Hero(1).Defence, 8);
  Answer("2.5");  // rounded once: what one hero loses the other gains
  ASSERT_TRUE(Choose(4, "MnuOpcDarLis", 2));
  EXPECT_EQ(Hero(1).Coins + Hero(2).Coins, 12);
  EXPECT_EQ(Hero(1).Coins, 10);

  // Dropped coins and rations join the pile of the same name on the party's cell.
  Room& room = t.game.CurrentRoom;
  room.Items = {};
  room.Items(2) = Item{.X = 2, .Y = 2, .Name = "Monedas", .Quantity = 4};
  room.Items(1) = Thing("Collar");  // on another cell
  Answer("5");
  ASSERT_TRUE(Choose(4, "MnuOpcDej"));
  EXPECT_EQ(Hero(1).Coins, 5);
  EXPECT_EQ(room.Items(2).Quantity, 9);
  Answer("2");
  ASSERT_TRUE(Choose(3, "MnuOpcDej"));
  EXPECT_EQ(room.Items(3).Quantity, 2);
  ASSERT_TRUE(Choose(3, "MnuOpcDej"));  // the last ration joins the pile on the cell
  EXPECT_EQ(room.Items(3).Quantity, 3);
  EXPECT_TRUE(Hero(1).Inventory(1).Name.IsEmpty());
  EXPECT_EQ(t.game.Rooms(t.game.CurrentRoomIndex).Items(3), room.Items(3));
}

TEST_F(PartyDialogs, BooksAreReadIntoScrollsAndRationsAndPotionsUsedUp) {
  Being& h = Hero(2);
  h.MaxLife = 50, h.Life = 46, h.MaxMagic = 9, h.Magic = 0, h.Level = 2;
  h.Inventory(1) = Item{.Name = "Libro Efleaux ikat", .IsSpell = kTrue, .SpellLevel = 3};
  h.Inventory(2) = Item{.Name = "Ración de comida", .Quantity = 1, .RestoresLife = 10};
  h.Inventory(3) = Item{.Name = "Ración de comida", .Quantity = 3, .RestoresLife = 10};
  h.Inventory(4) = Item{.Name = "Poción mágica", .RestoresMagic = 4};
  Open().Act("Option1", 1);
  ASSERT_TRUE(Choose(3, "MnuOpcUti"));
  EXPECT_EQ(LastBox(),
            "Comienzas a estudiar los secretos que se esconden en el libro y pronto descubres que "
            "son demasiado complejos para tu nivel actual de saber mágico. Quizá más adelante "
            "puedas desentrañarlos.");
  h.Level = 3;
  ASSERT_TRUE(Choose(3, "MnuOpcUti"));
  EXPECT_EQ(List()[3], "Pergamino Efleaux ikat (Nivel 3)");
  ASSERT_TRUE(Choose(3, "MnuOpcDer"));  // the new scroll is kept: cast from the right hand
  EXPECT_EQ(h.RightHand.Name.Trimmed(), "Pergamino Efleaux ikat");
  ASSERT_TRUE(Choose(4, "MnuOpcUti"));
  EXPECT_EQ(h.Life, 50);                  // 4 below the maximum: 4 healed
  EXPECT_EQ(h.Inventory(2).Quantity, 3);  // the single ration is gone
  ASSERT_TRUE(Choose(5, "MnuOpcUti"));
  EXPECT_EQ(h.Magic, 4);
  EXPECT_EQ(List().size(), 5u);  // the potion is used up
}

}  // namespace
}  // namespace zorvek
