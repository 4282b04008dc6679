#include <gtest/gtest.h>

#include "actions/Actions.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

// A new game with Urso (warrior) in position 1 and Sukir (sorcerer) in position 2,
// standing on the empty cell (2, 2) of the cells.
struct Taking : ::testing::Test {
  Taking() : t(RunSettings{"/tmp", 5}) {
    t.Start({1, 4});
    t.game.CursorX = t.game.CursorY = 2;
  }
  Item& Lay(int slot, const std::string& name, int16_t quantity = 0) {
    Item& item =
        t.game.CurrentRoom.Items(slot) = {.X = 2, .Y = 2, .Name = name, .Quantity = quantity};
    t.game.Rooms(1).Items(slot) = item;
    return item;
  }

  testing::TestGame t;
};

// (The menu's list and its question of who takes are read in a golden transcript.) One
// coin is named in the singular; the fallen are left out, and a choice past them takes
// nothing.
TEST_F(Taking, OneCoinIsSingularAndTheFallenAreNotAsked) {
  Lay(1, "Monedas", 1);
  t.Press(keys::kEnter);
  EXPECT_EQ(t.Data(), "Elija una opción: \r\n1. Moneda \r\n0. Cancelar");
  t.Type("1");
  t.Type("1");
  t.Type("1");
  EXPECT_EQ(t.Data(), "Urso, guerrero humano coge  la moneda.");
  EXPECT_EQ(t.game.Party(1).Coins, 1);
  EXPECT_TRUE(t.game.Rooms(1).Items(1).Name.IsEmpty());

  Lay(1, "Perla");
  t.game.Party(2).Life = 0;
  t.Choose({"1", "1"});
  EXPECT_EQ(t.Data().find("Sukir"), std::string::npos);
  t.Type("2");
  EXPECT_EQ(t.game.CellMenuState, 0);
  EXPECT_FALSE(t.game.CurrentRoom.Items(1).Name.IsEmpty());
}

TEST_F(Taking, BooksBurnWarriorsAndStayButSorcerersTakeThem) {
  Lay(1, "Libro dardos de fuego").IsMasculine = kTrue;
  t.Choose({"1", "1", "1"});
  EXPECT_EQ(t.Data(),
            "Cuando Urso, guerrero humano intenta coger el libro, siente una especie de descarga "
            "en la mano y lo suelta automáticamente." +
                t.game.Party(1).Name.Padded() + " ha perdido un punto de vida.");
  EXPECT_EQ(t.game.Party(1).Life, 27);
  EXPECT_FALSE(t.game.CurrentRoom.Items(1).Name.IsEmpty());
  t.game.PickupHero = 2;
  t.Press('1', kControlMask);
  EXPECT_EQ(t.Data(), "Sukir, hechicero humano coge el Libro dardos de fuego");
  EXPECT_EQ(t.game.Party(2).Inventory(1).Name.Trimmed(), "Libro dardos de fuego");
}

TEST_F(Taking, SameNamesStackEvenWhenAnEmptySlotComesLater) {
  t.game.Party(1).Inventory(1).Name = "Espada corta";
  Lay(1, "Espada corta");
  t.Press('1', kControlMask);
  // Two single swords make a stack of two: neither counts as nothing.
  EXPECT_EQ(t.game.Party(1).Inventory(1).Quantity, 2);
  EXPECT_TRUE(t.game.Party(1).Inventory(2).Name.IsEmpty());
  EXPECT_EQ(t.Data(), "Urso, guerrero humano coge la Espada corta");
  Lay(2, "Espada corta", 3);
  t.Press('1', kControlMask);
  EXPECT_EQ(t.game.Party(1).Inventory(1).Quantity, 5);
  EXPECT_EQ(t.Data(), "Urso, guerrero humano coge las 3 Espada cortas");
}

TEST_F(Taking, ControlDigitRefusesWhatCannotBeTaken) {
  Lay(1, "Mesa").IsDecoration = kTrue;
  int beeps = t.ui.Beeps;
  t.Press('1', kControlMask);
  EXPECT_EQ(t.game.Text(TextArea::TBGeneral), "Eso no es algo que se pueda coger");
  t.Press('2', kControlMask);
  t.Press('0', kControlMask);
  EXPECT_EQ(t.ui.Beeps, beeps + 3);
  // A pickup position nobody stands in takes nothing.
  Lay(2, "Perla");
  t.game.PickupHero = 3;
  t.Press('2', kControlMask);
  EXPECT_EQ(t.ui.Beeps, beeps + 4);
  EXPECT_FALSE(t.game.CurrentRoom.Items(2).Name.IsEmpty());
  // Nor does a full pack.
  t.game.PickupHero = 1;
  for (auto& slot : t.game.Party(1).Inventory) slot.Name = "Piedra";
  t.Press('2', kControlMask);
  EXPECT_EQ(t.Data(), "Ese héroe no puede llevar más cosas");
  EXPECT_EQ(t.game.CurrentRoom.Items(2).Name.Trimmed(), "Perla");
  // Decorations are looked at from the menu.
  t.Choose({"1"});
  EXPECT_EQ(t.Data(), "Observas una bonita Mesa que es parte del decorado");
}

TEST_F(Taking, CTakesEverythingInSlotOrderAndReportsOnce) {
  Lay(1, "Espada corta");
  Lay(2, "Monedas", 7);
  Lay(3, "Libro curación mágica");
  Lay(4, "Estandarte").IsDecoration = kTrue;
  t.Press('C');
  EXPECT_EQ(t.Data(),
            "Urso, guerrero humano recoge Espada corta,  Recoge 7 monedas,  recoge un libro pero "
            "recibe una descarga en la mano y lo suelta automáticamente; ");
  EXPECT_EQ(t.game.Party(1).Coins, 7);
  EXPECT_EQ(t.game.Party(1).Life, 27);
  EXPECT_TRUE(t.game.Rooms(1).Items(1).Name.IsEmpty());
  EXPECT_FALSE(t.game.Rooms(1).Items(3).Name.IsEmpty());
  Lay(3, "");
  int beeps = t.ui.Beeps;
  t.Press('C');
  EXPECT_EQ(t.Data(), "No hay objetos que recoger ");
  EXPECT_EQ(t.ui.Beeps, beeps + 1);

  // Five knives taken at once make a stack of five, as taking them one by one does.
  for (int slot = 1; slot <= 5; ++slot) Lay(slot, "Cuchillo");
  t.Press('C');
  EXPECT_EQ(t.game.Party(1).Inventory(2).Name.Trimmed(), "Cuchillo");
  EXPECT_EQ(t.game.Party(1).Inventory(2).Quantity, 5);
  EXPECT_TRUE(t.game.Party(1).Inventory(3).Name.IsEmpty());
}

TEST_F(Taking, PushingABarTwiceRestoresItsDoor) {
  Item& bar = Lay(1, "Barra de metal");
  bar.IsBar = kTrue;
  bar.BarTargetRoom = 2;
  bar.BarTargetExit = 2;
  t.game.Rooms(2).Exits(2).IsOpen = kFalse;
  t.Choose({"1"});
  EXPECT_EQ(t.Data(), "Barra de metal\r\n1. Empujar hacia arriba\r\n2. Examinar\r\n0. Cancelar");
  t.Type("1");
  EXPECT_EQ(t.Data(),
            "Mientras la barra se va moviendo hacia arriba, un extraño temblor sacude el suelo "
            "bajo tus pies, y cesa cuando la barra se detiene al alcanzar una especie de tope.");
  EXPECT_TRUE(IsSet(t.game.Rooms(2).Exits(2).IsOpen));
  EXPECT_EQ(t.game.CurrentRoom.Items(1).BarPosition, 1);
  t.Choose({"1", "1"});
  EXPECT_NE(t.Data().find("hacia abajo"), std::string::npos);
  EXPECT_FALSE(IsSet(t.game.Rooms(2).Exits(2).IsOpen));
  EXPECT_EQ(t.game.CurrentRoom.Items(1).BarPosition, 0);
}

}  // namespace
}  // namespace zorvek
