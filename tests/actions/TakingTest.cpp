#include <gtest/gtest.h>

#include "actions/Actions.hpp"
#include "startup/Keyboard.hpp"
#include "startup/StartUp.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

// A new game with Urso (warrior) in position 1 and Sukir (sorcerer) in position 2,
// standing on the empty cell (2, 2) of the cells.
struct Taking : ::testing::Test {
  Taking() : t(RunSettings{"/tmp", 5}) {
    StartGameWindow(t.game);
    t.game.Party(1) = t.game.DungeonBeings(1);
    t.game.Party(2) = t.game.DungeonBeings(4);
    t.game.AnyRecruited = true;
    t.game.CursorX = 2;
    t.game.CursorY = 2;
  }
  void Press(int16_t code, int16_t shift = 0) { HandleKey(t.game, code, shift); }
  void Type(const std::string& digits) {
    for (char c : digits) Press(static_cast<int16_t>(c));
    Press(keys::kEnter);
  }
  Item& Lay(int slot, const std::string& name, int16_t quantity = 0) {
    Item& item = t.game.CurrentRoom.Items(slot);
    item = Item{};
    item.Name = name;
    item.Quantity = quantity;
    item.X = 2;
    item.Y = 2;
    t.game.Rooms(1).Items(slot) = item;
    return item;
  }
  const std::string& Data() { return t.game.Text(TextArea::TBDatos); }

  testing::TestGame t;
};

TEST_F(Taking, MenuListsCoinsAndTakesWithTheChosenHero) {
  Lay(1, "Monedas", 1);
  Lay(2, "Monedas", 12);
  Press(keys::kEnter);
  EXPECT_EQ(Data(), "Elija una opción: \r\n1. Moneda \r\n2. Monedas (12) \r\n0. Cancelar");
  Type("2");
  EXPECT_EQ(Data(), "Monedas\r\n1. Coger\r\n2. Examinar\r\n0. Cancelar");
  Type("1");
  EXPECT_EQ(Data(),
            "Indique con cuál de los héroes desea cogerlo: \r\n1. Urso, guerrero humano\r\n"
            "2. Sukir, hechicero humano\r\n0. Cancelar");
  Type("2");
  EXPECT_EQ(Data(), "Sukir, hechicero humano coge  las 12 monedas.");
  EXPECT_EQ(t.game.Party(2).Coins, 12);
  EXPECT_TRUE(t.game.Rooms(1).Items(2).Name.IsEmpty());
  Press(keys::kEnter);
  Type("1");
  Type("1");
  Type("1");
  EXPECT_EQ(Data(), "Urso, guerrero humano coge  la moneda.");
}

TEST_F(Taking, TakeListRefusesEmptyAndFallenPositions) {
  Lay(1, "Perla");
  t.game.Party(2).Life = 0;
  Press(keys::kEnter);
  Type("1");
  Type("1");
  EXPECT_EQ(Data().find("Sukir"), std::string::npos);
  EXPECT_EQ(t.game.CellMenuCount, 1);
  Type("2");  // beyond the list
  EXPECT_EQ(t.game.CellMenuState, 0);
  EXPECT_FALSE(t.game.CurrentRoom.Items(1).Name.IsEmpty());
}

TEST_F(Taking, BooksBurnWarriorsAndStayButSorcerersTakeThem) {
  Lay(1, "Libro dardos de fuego").IsMasculine = kTrue;
  Press(keys::kEnter);
  Type("1");
  Type("1");
  Type("1");
  EXPECT_EQ(Data(),
            "Cuando Urso, guerrero humano intenta coger el libro, siente una especie de descarga "
            "en la mano y lo suelta automáticamente." +
                t.game.Party(1).Name.Padded() + " ha perdido un punto de vida.");
  EXPECT_EQ(t.game.Party(1).Life, 27);
  EXPECT_FALSE(t.game.CurrentRoom.Items(1).Name.IsEmpty());
  t.game.PickupHero = 2;
  Press('1', kControlMask);
  EXPECT_EQ(Data(), "Sukir, hechicero humano coge el Libro dardos de fuego");
  EXPECT_EQ(t.game.Party(2).Inventory(1).Name.Trimmed(), "Libro dardos de fuego");
}

TEST_F(Taking, SameNamesStackEvenWhenAnEmptySlotComesLater) {
  t.game.Party(1).Inventory(1).Name = "Espada corta";
  Lay(1, "Espada corta");
  Press('1', kControlMask);
  // Two single swords make a stack of two: neither counts as nothing.
  EXPECT_EQ(t.game.Party(1).Inventory(1).Quantity, 2);
  EXPECT_TRUE(t.game.Party(1).Inventory(2).Name.IsEmpty());
  EXPECT_EQ(Data(), "Urso, guerrero humano coge la Espada corta");
  Lay(2, "Espada corta", 3);
  Press('1', kControlMask);
  EXPECT_EQ(t.game.Party(1).Inventory(1).Quantity, 5);
  EXPECT_EQ(Data(), "Urso, guerrero humano coge las 3 Espada cortas");
}

TEST_F(Taking, ControlDigitRefusesWhatCannotBeTaken) {
  Lay(1, "Mesa").IsDecoration = kTrue;
  int beeps = t.ui.Beeps;
  Press('1', kControlMask);
  EXPECT_EQ(t.game.Text(TextArea::TBGeneral), "Eso no es algo que se pueda coger");
  Press('2', kControlMask);
  Press('0', kControlMask);
  EXPECT_EQ(t.ui.Beeps, beeps + 3);
  // A pickup position nobody stands in takes nothing.
  Lay(2, "Perla");
  t.game.PickupHero = 3;
  Press('2', kControlMask);
  EXPECT_EQ(t.ui.Beeps, beeps + 4);
  EXPECT_FALSE(t.game.CurrentRoom.Items(2).Name.IsEmpty());
  // Decorations are looked at from the menu.
  Press(keys::kEnter);
  Type("1");
  EXPECT_EQ(Data(), "Observas una bonita Mesa que es parte del decorado");
}

TEST_F(Taking, FullPackRefusesAndNothingMoves) {
  for (auto& slot : t.game.Party(1).Inventory) slot.Name = "Piedra";
  Lay(1, "Perla");
  Press('1', kControlMask);
  EXPECT_EQ(Data(), "Ese héroe no puede llevar más cosas");
  EXPECT_EQ(t.game.CurrentRoom.Items(1).Name.Trimmed(), "Perla");
}

TEST_F(Taking, CTakesEverythingInSlotOrderAndReportsOnce) {
  Lay(1, "Espada corta");
  Lay(2, "Monedas", 7);
  Lay(3, "Libro curación mágica");
  Lay(4, "Estandarte").IsDecoration = kTrue;
  Press('C');
  EXPECT_EQ(Data(),
            "Urso, guerrero humano recoge Espada corta,  Recoge 7 monedas,  recoge un libro pero "
            "recibe una descarga en la mano y lo suelta automáticamente; ");
  EXPECT_EQ(t.game.Party(1).Coins, 7);
  EXPECT_EQ(t.game.Party(1).Life, 27);
  EXPECT_TRUE(t.game.Rooms(1).Items(1).Name.IsEmpty());
  EXPECT_FALSE(t.game.Rooms(1).Items(3).Name.IsEmpty());
  Lay(3, "");
  int beeps = t.ui.Beeps;
  Press('C');
  EXPECT_EQ(Data(), "No hay objetos que recoger ");
  EXPECT_EQ(t.ui.Beeps, beeps + 1);
}

TEST_F(Taking, PushingABarTwiceRestoresItsDoor) {
  Item& bar = Lay(1, "Barra de metal");
  bar.IsBar = kTrue;
  bar.BarTargetRoom = 2;
  bar.BarTargetExit = 2;
  t.game.Rooms(2).Exits(2).IsOpen = kFalse;
  Press(keys::kEnter);
  Type("1");
  EXPECT_EQ(Data(), "Barra de metal\r\n1. Empujar hacia arriba\r\n2. Examinar\r\n0. Cancelar");
  Type("1");
  EXPECT_EQ(Data(),
            "Mientras la barra se va moviendo hacia arriba, un extraño temblor sacude el suelo "
            "bajo tus pies, y cesa cuando la barra se detiene al alcanzar una especie de tope.");
  EXPECT_TRUE(IsSet(t.game.Rooms(2).Exits(2).IsOpen));
  EXPECT_EQ(t.game.CurrentRoom.Items(1).BarPosition, 1);
  Press(keys::kEnter);
  Type("1");
  Type("1");
  EXPECT_NE(Data().find("hacia abajo"), std::string::npos);
  EXPECT_FALSE(IsSet(t.game.Rooms(2).Exits(2).IsOpen));
  EXPECT_EQ(t.game.CurrentRoom.Items(1).BarPosition, 0);
  // Examining the bar shows its description.
  Press(keys::kEnter);
  Type("1");
  Type("2");
  EXPECT_EQ(Data().substr(0, 14), "Barra de metal");
}

}  // namespace
}  // namespace zorvek
