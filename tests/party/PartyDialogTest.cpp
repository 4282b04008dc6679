#include <gtest/gtest.h>

#include <functional>

#include "catalogue/Catalogues.hpp"
#include "party/PartyDialog.hpp"
#include "party/PartySupport.hpp"

namespace zorvek {
namespace {

using testing::Thing;
using Lines = std::vector<std::string>;

struct PartyDialogTest : testing::PartyGame, ::testing::Test {
  PartyDialogTest() {
    Hero(1).RightHand = Thing("Espada bastarda", 0, 15);
    Hero(1).RightHand.IsMelee = kTrue;
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
  void FillPack(Being& hero) {
    for (int i = 1; i <= 20; ++i) hero.Inventory(i) = Thing("Piedra");
  }

  std::optional<PartyDialog> dialog;
};

TEST_F(PartyDialogTest, TheSheetAndTheListShowTheHero) {
  Being& h = Hero(1);
  h.Strength = 7, h.Dexterity = 5, h.Constitution = 8, h.Power = 2, h.Life = 40;
  h.MaxLife = 52, h.Magic = 6, h.MaxMagic = 6, h.MeleeAttack = 15, h.RangedAttack = 12;
  h.MagicAttack = 7, h.Armour = 1, h.Level = 2, h.Experience = 50, h.ExperienceFactor = 15;
  h.RightHand = Thing("Arco largo");
  h.RightHand.IsTwoHanded = kTrue;
  h.LeftHand = Thing("Rodela de madera", 0, 5, 1);
  h.Inventory(2) = Thing("Ración de comida", 3);
  h.Inventory(5) = Thing("Pergamino bola de fuego");
  h.Inventory(5).SpellLevel = 3;
  h.Inventory(7) = Thing("Pergamino luz", 1);
  h.Inventory(7).SpellLevel = 1;
  h.Coins = 25;
  PartyDialog& d = Open();
  EXPECT_EQ(d.Controls().Text("TBNombre"), "Urso, guerrero humano");
  EXPECT_EQ(d.Controls().Text("TBCarac"),
            "Fuerza: 7   destreza: 5\r\nConstitución: 8   Poder: 2\r\n"
            "P. Vida: 40 / 52   P. Magia: 6 / 6\r\nAtaque cuerpo a cuerpo: 15   Defensa: 10\r\n"
            "Ataque a distancia: 12   ataque mágico: 7\r\nArmadura: 1\r\nNivel: 2\r\n"
            "Experiencia actual: 50\r\nSiguiente nivel a: 90");
  EXPECT_EQ(List(), (Lines{"Mano derecha: Arco largo", "Mano izquierda: (Arma a dos manos)",
                           "Cuerpo: (Vacío)", "3: Ración de comida",
                           "Pergamino bola de fuego (Nivel 3)", "Pergamino luz", "Monedas: 25"}));
  EXPECT_EQ(d.Controls().Lines("List1")[5].Data, 3);  // the pack was packed first
  EXPECT_TRUE(d.TwoHandedInRight());
  EXPECT_FALSE(On("Command2"));
  ASSERT_TRUE(d.Act("Option1", 1));
  EXPECT_EQ(d.Controls().Text("TBNombre"), "Sukir, hechicero humano");
  EXPECT_EQ(List(), (Lines{"Mano derecha: Pergamino dardos de fuego", "Mano izquierda: (Vacía)",
                           "Cuerpo: (Vacío)"}));
}

TEST_F(PartyDialogTest, MarchingPositionsChangeOnlyForAnswersOneToFour) {
  PartyDialog& d = Open();
  for (const char* answer : {"", "0", "5", "texto", "0.3", "4.7", "0.5"}) {
    Answer(answer);
    ASSERT_TRUE(d.Act("Command1", std::nullopt));
    EXPECT_EQ(Hero(1).Name.Trimmed(), "Urso, guerrero humano") << answer;
  }
  EXPECT_EQ(t.ui.Inputs.back().Text,
            "¿En qué posición desea colocar a Urso, guerrero humano? \r\n1. Al frente a la "
            "izquierda\r\n2. Al frente a la derecha\r\n3. En retaguardia a la izquierda\r\n4. En "
            "retaguardia a la derecha.");
  Answer("4");
  d.Act("Command1", std::nullopt);
  EXPECT_EQ(Hero(1).Name.Trimmed(), "Jan, guerrero humano");
  EXPECT_EQ(d.SelectedHero(), 4);
  EXPECT_EQ(d.Controls().Text("TBNombre"), "Urso, guerrero humano");
  EXPECT_EQ(d.Controls().Text("Option1(0)"), "Jan, guerrero humano");
  EXPECT_EQ(d.Controls().Text("MnuOpcDarLis(4)"), "Urso, guerrero humano");
  Answer("2,6");  // rounds to 3
  d.Act("Command1", std::nullopt);
  EXPECT_EQ(Hero(3).Name.Trimmed(), "Urso, guerrero humano");
}

TEST_F(PartyDialogTest, TheMenuOffersWhatFitsTheSelectedLine) {
  Hero(1).LeftHand = Thing("Escudo redondo", 0, 8, 2);
  Hero(1).Inventory(1) = Thing("Collar");
  Hero(1).Coins = 4;
  Hero(3).Life = -1;
  Hero(4) = Being{};
  PartyDialog& d = Open();
  EXPECT_FALSE(d.Act("MnuOpcExa", std::nullopt));  // no line chosen: no menu
  EXPECT_FALSE(d.Act("List1", 5));
  EXPECT_FALSE(On("MnuOpcDarLis(3)") || On("MnuOpcDarLis(4)"));
  d.Act("List1", 0);
  EXPECT_TRUE(On("Command2") && !On("MnuOpcDer") && On("MnuOpcIzq") && On("MnuOpcInv"));
  d.Act("List1", 1);
  EXPECT_TRUE(On("MnuOpcDer") && !On("MnuOpcIzq"));
  d.Act("List1", 3);
  EXPECT_TRUE(!On("MnuOpcInv") && On("MnuOpcUti") && On("MnuOpcCue"));
  d.Act("List1", 4);  // the coins: give, drop and examine only
  for (const char* entry : {"MnuOpcDer", "MnuOpcIzq", "MnuOpcCue", "MnuOpcInv", "MnuOpcUti"})
    EXPECT_FALSE(d.Act(entry, std::nullopt)) << entry;
  EXPECT_TRUE(On("MnuOpcExa") && On("Command2"));
  EXPECT_FALSE(d.Act("MnuOpcDarLis", 3));
  d.Act("List1", 2);  // an empty body has nothing to work on
  EXPECT_FALSE(d.Act("MnuOpcDej", std::nullopt));
  Hero(1).Life = -3;
  d.Act("List1", 0);
  EXPECT_TRUE(!On("MnuOpcIzq") && !On("MnuOpcUti") && !On("MnuOpcExa") && On("MnuOpcDej"));
  ASSERT_TRUE(d.Act("OKButton", std::nullopt));
  EXPECT_TRUE(d.Closed());
  EXPECT_FALSE(d.Act("Option1", 0));
}

struct Refusal {
  std::function<void(testing::PartyGame&)> Setup;
  int Line;
  const char* Entry;
  std::optional<int> Arg;
  std::string Message;
};

TEST_F(PartyDialogTest, EveryRefusalIsToldAndChangesNothing) {
  auto twoHanded = [](Item& at) {
    at = Thing("Arco largo");
    at.IsTwoHanded = kTrue;
  };
  const std::vector<Refusal> cases = {
      {[&](auto& g) { twoHanded(g.Hero(1).LeftHand), g.Hero(1).Inventory(1) = Thing("Collar"); },
       3,
       "MnuOpcDer",
       {},
       "Debe quitar el arma a dos manos de la mano izquierda para poder agarrar otras cosas con "
       "la mano derecha"},
      {[&](auto& g) { twoHanded(g.Hero(1).RightHand), g.Hero(1).Inventory(1) = Thing("Collar"); },
       3,
       "MnuOpcIzq",
       {},
       "Debe quitar el arma a dos manos de la mano derecha para poder agarrar otras cosas con "
       "la mano izquierda"},
      {[&](auto& g) { FillPack(g.Hero(1)), twoHanded(g.Hero(1).Inventory(1)); },
       3,
       "MnuOpcDer",
       {},
       "No puede colocar ahí el arma a dos manos porque no hay espacio para liberar la mano "
       "izquierda"},
      {[](auto& g) { g.Hero(1).Inventory(1) = Thing("Peto", 0, 25, 0, 1); },
       3,
       "MnuOpcIzq",
       {},
       "Ese objeto no se puede colocar en la mano"},
      {[](auto&) {}, 0, "MnuOpcCue", {}, "Ese objeto no puede colocarse en el cuerpo."},
      {[&](auto& g) { FillPack(g.Hero(1)); },
       0,
       "MnuOpcInv",
       {},
       "No hay espacio en el inventario general para mover ahí ese objeto. Deje algo y vuelva a "
       "intentarlo."},
      {[](auto& g) { g.Hero(1).Inventory(1) = Thing("Pergamino luz"); }, 3, "MnuOpcDarLis", 2,
       "Eso no es algo que puedas dar a otra persona"},
      {[](auto& g) { g.Hero(1).Inventory(1) = Thing("Libro Ianse staea"); }, 3, "MnuOpcDarLis", 3,
       "Urso, guerrero humano no está dispuesto a dar un libro arcano a alguien no iniciado en "
       "los secretos de la magia."},
      {[&](auto& g) { FillPack(g.Hero(3)); }, 0, "MnuOpcDarLis", 3,
       "Elkor, explorador humano no puede llevar más cosas."},
      {[](auto& g) {
         for (Item& i : g.t.game.CurrentRoom.Items) i = Thing("Piedra");
       },
       0,
       "MnuOpcDej",
       {},
       "No es posible dejar más cosas en la sala actual. Ya está llena a rebosar."},
      {[](auto&) {}, 0, "MnuOpcUti", {}, "Coloque el objeto en la mano derecha para utilizarlo"},
      {[](auto& g) { g.Hero(1).Inventory(1) = Thing("Escudo", 0, 8, 2); },
       3,
       "MnuOpcUti",
       {},
       "Coloque el objeto en la mano izquierda para utilizarlo"},
      {[](auto& g) { g.Hero(1).Inventory(1) = Thing("Peto", 0, 25, 0, 1); },
       3,
       "MnuOpcUti",
       {},
       "Coloque el objeto  en el cuerpo para utilizarlo"},
      {[](auto& g) {
         g.Hero(1).Inventory(1) = Thing("Llave verde"), g.Hero(1).Inventory(1).KeyNo = 3;
       },
       3,
       "MnuOpcUti",
       {},
       "Al intentar entrar por la puerta, el héroe utilizará la llave  si es necesario"},
  };
  for (const auto& c : cases) {
    testing::PartyGame g;
    g.Hero(1).RightHand = Hero(1).RightHand;
    c.Setup(g);
    Being before = g.Hero(1);
    PartyDialog d(g.t.game);
    d.Load();
    ASSERT_TRUE(d.Act("List1", c.Line) && d.Act(c.Entry, c.Arg)) << c.Message;
    EXPECT_EQ(g.LastBox(), c.Message);
    EXPECT_EQ(g.Hero(1), before) << c.Message;
  }
}

TEST_F(PartyDialogTest, ShieldsCountInTheLeftHandAndArmourOnTheBody) {
  Hero(1).LeftHand = Thing("Escudo redondo", 0, 8, 2);
  Hero(1).Inventory(1) = Thing("Arco largo");
  Hero(1).Inventory(1).IsTwoHanded = kTrue;
  ASSERT_TRUE(Choose(1, "MnuOpcDer"));  // the hands exchange: the shield counts no more
  EXPECT_EQ(Hero(1).Defence, 8);
  ASSERT_TRUE(Choose(0, "MnuOpcIzq"));
  EXPECT_EQ(Hero(1).Defence, 10);
  ASSERT_TRUE(Choose(3, "MnuOpcDer"));  // the bow frees the left hand into the pack
  EXPECT_EQ(List()[1], "Mano izquierda: (Arma a dos manos)");
  EXPECT_EQ(Hero(1).Inventory(2).Name.Trimmed(), "Escudo redondo");
  EXPECT_EQ(Hero(1).Defence, 8);
  EXPECT_EQ(dialog->Controls().Selected("List1"), 0);

  Hero(1).Inventory(1) = Thing("Peto de cuero", 0, 25, 0, 1);
  Hero(1).Inventory(2) = Thing("Armadura de cuero", 0, 75, 0, 3);
  ASSERT_TRUE(Choose(3, "MnuOpcCue"));
  EXPECT_EQ(Hero(1).Armour, 1);
  ASSERT_TRUE(Choose(3, "MnuOpcCue"));  // the coat takes the jerkin's place and bonus
  EXPECT_EQ(Hero(1).Armour, 3);
  ASSERT_TRUE(Choose(2, "MnuOpcInv"));
  EXPECT_EQ(Hero(1).Armour, 0);
  EXPECT_EQ(List()[2], "Cuerpo: (Vacío)");
}

TEST_F(PartyDialogTest, GiftsAndDropsMoveTheQuantityAsked) {
  Hero(1).Inventory(1) = Thing("Ración de comida", 5);
  Hero(1).LeftHand = Thing("Escudo redondo", 0, 8, 2);
  Hero(1).Coins = 12;
  for (const char* refused : {"", "0", "6", "abc"}) {
    Answer(refused);
    ASSERT_TRUE(Choose(3, "MnuOpcDarLis", 2));
  }
  EXPECT_EQ(t.ui.Inputs.back().Text,
            "indique el número de Raciones de comida que desea dar (1 - 5) ");
  Answer("2.5");  // halves round to even: 2
  ASSERT_TRUE(Choose(3, "MnuOpcDarLis", 2));
  EXPECT_EQ(Hero(1).Inventory(1).Quantity, 3);
  EXPECT_EQ(Hero(2).Inventory(1).Quantity, 2);
  ASSERT_TRUE(Choose(1, "MnuOpcDarLis", 4));  // the shield takes its bonus along
  EXPECT_EQ(Hero(1).Defence, 8);
  Answer("2.5");  // rounded once: what one hero loses the other gains
  ASSERT_TRUE(Choose(4, "MnuOpcDarLis", 2));
  EXPECT_EQ(t.ui.Inputs.back().Text,
            "¿Cuántas monedas quiere dar a Sukir, hechicero humano? (1 - 12)");
  EXPECT_EQ(Hero(1).Coins + Hero(2).Coins, 12);
  EXPECT_EQ(Hero(1).Coins, 10);

  Room& room = t.game.CurrentRoom;
  for (Item& i : room.Items) i = Item{};
  room.Items(2) = Thing("Monedas", 4);
  room.Items(2).X = 2, room.Items(2).Y = 2;
  room.Items(1) = Thing("Collar");  // on another cell
  Answer("5");
  ASSERT_TRUE(Choose(4, "MnuOpcDej"));
  EXPECT_EQ(t.ui.Inputs.back().Text, "¿Cuántas monedas quiere dejar? (1 - 10)");
  EXPECT_EQ(Hero(1).Coins, 5);
  EXPECT_EQ(room.Items(2).Quantity, 9);
  Answer("2");
  ASSERT_TRUE(Choose(3, "MnuOpcDej"));
  EXPECT_EQ(t.ui.Inputs.back().Text,
            "Indique el número de Raciones de comida que desea dejar (1 - 3):");
  EXPECT_EQ(room.Items(3).Quantity, 2);
  EXPECT_EQ(room.Items(3).X, 2);
  ASSERT_TRUE(Choose(3, "MnuOpcDej"));  // the last ration joins the pile on the cell
  EXPECT_EQ(room.Items(3).Quantity, 3);
  EXPECT_TRUE(Hero(1).Inventory(1).Name.IsEmpty());
  EXPECT_EQ(t.game.Rooms(t.game.CurrentRoomIndex).Items(3), room.Items(3));
}

TEST_F(PartyDialogTest, BooksAreReadRationsAndPotionsUsedUp) {
  Being& h = Hero(2);
  h.MaxLife = 50, h.Life = 46, h.MaxMagic = 9, h.Magic = 0, h.Level = 2;
  h.Inventory(1) = Thing("Libro Efleaux ikat");
  h.Inventory(1).IsSpell = kTrue, h.Inventory(1).SpellLevel = 3;
  h.Inventory(2) = Thing("Ración de comida", 1);
  h.Inventory(2).RestoresLife = 10;
  h.Inventory(3) = Thing("Ración de comida", 3);
  h.Inventory(3).RestoresLife = 10;
  h.Inventory(4) = Thing("Poción mágica");
  h.Inventory(4).RestoresMagic = 4;
  h.Inventory(5) = Thing("Collar");
  Open().Act("Option1", 1);
  ASSERT_TRUE(Choose(3, "MnuOpcUti"));
  EXPECT_EQ(LastBox(),
            "Comienzas a estudiar los secretos que se esconden en el libro y pronto descubres que "
            "son demasiado complejos para tu nivel actual de saber mágico. Quizá más adelante "
            "puedas desentrañarlos.");
  h.Level = 3;
  ASSERT_TRUE(Choose(3, "MnuOpcUti"));
  EXPECT_EQ(LastBox(),
            "Estudias intensamente el libro hasta llegar a aprender el hechizo que se encierra en "
            "él.");
  EXPECT_EQ(List()[3], "Pergamino Efleaux ikat (Nivel 3)");
  ASSERT_TRUE(Choose(3, "MnuOpcDer"));  // now cast from the right hand
  ASSERT_TRUE(Choose(4, "MnuOpcUti"));
  EXPECT_EQ(h.Life, 50);                  // 4 below the maximum: 4 healed
  EXPECT_EQ(h.Inventory(2).Quantity, 3);  // the single ration is gone
  h.Life = 30;
  ASSERT_TRUE(Choose(4, "MnuOpcUti"));
  EXPECT_EQ(h.Life, 40);
  EXPECT_EQ(h.Inventory(2).Quantity, 2);
  ASSERT_TRUE(Choose(5, "MnuOpcUti"));
  EXPECT_EQ(h.Magic, 4);
  int beeps = t.ui.Beeps;
  ASSERT_TRUE(Choose(5, "MnuOpcUti"));  // a valuable has no use: a beep, and it stays
  EXPECT_EQ(t.ui.Beeps, beeps + 1);
  EXPECT_EQ(List()[5], "Collar");
  ASSERT_TRUE(Choose(5, "MnuOpcExa"));
  EXPECT_EQ(LastBox(), DescribeItem(h.Inventory(3)));
}

}  // namespace
}  // namespace zorvek
