#include <gtest/gtest.h>

#include "actions/Actions.hpp"
#include "board/Board.hpp"
#include "startup/Keyboard.hpp"
#include "startup/StartUp.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

// A new game (seeded) standing in the cells, driven key by key.
struct Exploration : ::testing::Test {
  Exploration() : t(RunSettings{"/tmp", 7}) { StartGameWindow(t.game); }

  void Press(int16_t code, int16_t shift = 0) { HandleKey(t.game, code, shift); }
  void Type(const std::string& digits) {
    for (char c : digits) Press(static_cast<int16_t>(c));
    Press(keys::kEnter);
  }
  const std::string& Data() { return t.game.Text(TextArea::TBDatos); }
  // Recruits the candidate listed `option`-th on the cursor's cell into `position`.
  void Recruit(int option, int position) {
    Press(keys::kEnter);
    Type(std::to_string(option));
    Type("1");
    Type(std::to_string(position));
  }
  void RecruitFour() {
    for (int p = 1; p <= 4; ++p) Recruit(1, p);
  }
  void Walk(int16_t code, int times) {
    for (int i = 0; i < times; ++i) Press(code);
  }

  testing::TestGame t;
};

TEST_F(Exploration, StartUpDescribesTheFirstCellAndNamesTheRoom) {
  EXPECT_EQ(t.game.Text(TextArea::TBGeneral), "Calabozos  3X3");
  EXPECT_EQ(Data(),
            "Urso, guerrero humano, \r\nJan, guerrero humano, \r\nElkor, explorador humano, \r\n"
            "Sukir, hechicero humano, \r\n1, 1");
  EXPECT_EQ(t.game.CurrentRoom.Name.Trimmed(), "Calabozos");
}

TEST_F(Exploration, RecruitingFillsChosenMarchingPositions) {
  Press(keys::kEnter);
  EXPECT_EQ(Data(),
            "Elija una opción: \r\n1. Urso, guerrero humano\r\n2. Jan, guerrero humano\r\n"
            "3. Elkor, explorador humano\r\n4. Sukir, hechicero humano\r\n0. Cancelar");
  EXPECT_EQ(t.game.Text(TextArea::TBOpciones), ">");
  Type("2");
  EXPECT_EQ(Data(), "Jan, guerrero humano\r\n1. Reclutar\r\n2. Examinar\r\n0. Cancelar");
  Type("1");
  EXPECT_EQ(Data(),
            "Reclutar: Elija la posición de marcha del héroe\r\n1. Al frente a la izquierda\r\n"
            "2. Al frente a la derecha\r\n3. En retaguardia a la izquierda\r\n"
            "4. En retaguardia a la derecha\r\n0. Cancelar");
  Type("3");
  EXPECT_EQ(Data(), "Jan, guerrero humano  Reclutado.");
  EXPECT_EQ(t.game.Party(3).Name.Trimmed(), "Jan, guerrero humano");
  EXPECT_EQ(t.game.Rooms(1).Beings(2), 0);
  EXPECT_TRUE(t.game.AnyRecruited);

  // Position 3 is taken: the list leaves it out, and choosing it anyway is cancelled.
  Press(keys::kEnter);
  Type("1");
  Type("1");
  EXPECT_EQ(Data().find("3. En retaguardia"), std::string::npos);
  Type("3");
  EXPECT_EQ(t.game.Text(TextArea::TBOpciones), "Cancelado");
  EXPECT_EQ(t.game.Party(3).Name.Trimmed(), "Jan, guerrero humano");
  EXPECT_EQ(t.game.CellMenuState, 0);

  // Examining a candidate shows its characteristics and weapon.
  Press(keys::kEnter);
  Type("1");
  Type("2");
  EXPECT_EQ(Data(),
            "Urso, guerrero humano\r\nFuerza: 4\r\nDestreza: 1\r\nConstitución: 2\r\nPoder: 1\r\n"
            "Arma: Espada bastarda");
}

TEST_F(Exploration, OutOfRangeAndOddNumbersCloseTheMenu) {
  for (const char* typed : {"0", "9", "99999999999"}) {
    Press(keys::kEnter);
    Type(typed);
    EXPECT_EQ(t.game.CellMenuState, 0) << typed;
    EXPECT_TRUE(t.game.CellMenuInput.empty());
  }
  // Whatever reaches the menu as text is read as a number the same way.
  for (const char* typed : {"-3", "abc", "", "4.6", "1e99"}) {
    Press(keys::kEnter);
    HandleCellMenu(t.game, typed);
    EXPECT_EQ(t.game.CellMenuState, 0) << typed;
  }
  Press(keys::kEnter);
  HandleCellMenu(t.game, "1.5");  // rounds to 2: Jan
  EXPECT_EQ(Data().rfind("Jan, guerrero humano\r\n1. Reclutar", 0), 0u);
  Press(keys::kEscape);
  // Typing, erasing and typing again leaves the right digits.
  Press('1');
  Press('2');
  Press(keys::kBackspace);
  Press('3');
  EXPECT_EQ(t.game.CellMenuInput, "13");
  EXPECT_EQ(Data(), "13");
}

TEST_F(Exploration, PartyMayNotLeaveBeforeFourAreRecruited) {
  Walk(keys::kRight, 2);
  Walk(keys::kUp, 3);
  ASSERT_EQ(t.game.CursorY, 4);  // on the grille
  EXPECT_EQ(Data(), "Una reja\r\n3, 4");
  int beeps = t.ui.Beeps;
  Press(keys::kUp);
  EXPECT_EQ(Data(),
            "Debe reclutar a cuatro héroes para tener alguna posibilidad de lograr su objetivo");
  EXPECT_EQ(t.ui.Beeps, beeps + 1);
  EXPECT_EQ(t.game.CurrentRoomIndex, 1);
  // Sideways on an exit cell beeps and describes nothing.
  Press(keys::kLeft);
  EXPECT_EQ(t.ui.Beeps, beeps + 2);
  Press(keys::kDown);
  EXPECT_EQ(t.game.CursorY, 3);
}

TEST_F(Exploration, LockedGrilleRefusesThenOpensWithTheKeyForGood) {
  RecruitFour();
  Walk(keys::kRight, 2);
  Walk(keys::kUp, 4);
  ASSERT_EQ(t.game.CurrentRoomIndex, 2);
  EXPECT_EQ(t.game.Text(TextArea::TBGeneral), "El pasillo de los calabozos  2X5");
  EXPECT_EQ(t.game.CursorX, 2);
  EXPECT_EQ(t.game.CursorY, 1);
  Walk(keys::kUp, 5);
  ASSERT_EQ(t.game.CursorY, 6);
  EXPECT_EQ(Data().rfind("Una reja cerrada\r\n", 0), 0u);
  Press(keys::kUp);
  std::string adjective = t.game.LockNames(1);
  EXPECT_EQ(Data(), "La reja está cerrada con una cerradura " + adjective);

  Item key;
  key.Name = "Llave " + adjective;
  key.KeyNo = 1;
  t.game.Party(2).Inventory(7) = key;
  Press(keys::kUp);
  EXPECT_EQ(Data(), t.game.Party(2).Name.Trimmed() + " abre la puerta con la llave " + adjective +
                        ". Ahora ya podréis pasar.");
  EXPECT_TRUE(t.game.Party(2).Inventory(7).Name.IsEmpty());
  Press(keys::kUp);
  ASSERT_EQ(t.game.CurrentRoomIndex, 4);
  // Back through the grille and in again: it stays open.
  Walk(keys::kDown, 2);
  ASSERT_EQ(t.game.CurrentRoomIndex, 2);
  Press(keys::kUp);
  Press(keys::kUp);
  EXPECT_EQ(t.game.CurrentRoomIndex, 4);
}

TEST_F(Exploration, TempleHealsEveryoneEvenTheFallen) {
  RecruitFour();
  int temple = 0;
  for (int r = 5; r <= t.game.Rooms.Upper(); ++r) {
    if (t.game.Rooms(r).Name.Trimmed() == "Templo de curación") temple = r;
  }
  ASSERT_GT(temple, 0);
  t.game.Party(1).Life = -3;
  t.game.Party(4).Magic = 0;
  EnterRoom(t.game, temple, -1, false);
  for (const Being& h : t.game.Party) {
    EXPECT_EQ(h.Life, h.MaxLife);
    EXPECT_EQ(h.Magic, h.MaxMagic);
  }
  ASSERT_FALSE(t.ui.Boxes.empty());
  EXPECT_EQ(t.ui.Boxes.back().Text.rfind("Al entrar en esta sala sentís una extraña sensación", 0),
            0u);
  EXPECT_FALSE(t.game.TimerEnabled(TimerId::TMRPersecu));
}

TEST_F(Exploration, ReportsListExitsBeingsObjectsAndParty) {
  Press('S');
  EXPECT_EQ(Data(), "reja en 3, 4.\r\n");
  Press('E');
  EXPECT_EQ(Data(),
            "Urso, guerrero humano, \r\nJan, guerrero humano, \r\nElkor, explorador humano, \r\n"
            "Sukir, hechicero humano en 1, 1;  Earel, guerrero elfo, \r\nZaleril, guerrero elfo, "
            "\r\nRuansar, explorador elfo, \r\nSuusar, hechicero elfo en 2, 3;  Glein, guerrero "
            "enano, \r\nTalin, guerrero enano, \r\nGamli, explorador enano, \r\nZöhn, hechicero "
            "enano en 3, 1;  ");
  Item coins;
  coins.Name = "Monedas";
  coins.Quantity = 40;
  coins.X = 1;
  coins.Y = 3;
  t.game.CurrentRoom.Items(5) = coins;
  coins.Quantity = 1;
  coins.X = 2;
  t.game.CurrentRoom.Items(6) = coins;
  Press('T');
  EXPECT_EQ(Data(), "40 monedas en 1, 3;  Moneda en 2, 3;  ");
  Recruit(1, 1);
  Recruit(1, 3);
  Press('V');
  EXPECT_EQ(Data(),
            "Urso, guerrero humano Vida: 28 / 28 . Magia: 3 / 3\r\n"
            "Jan, guerrero humano Vida: 24 / 24 . Magia: 3 / 3\r\n");
}

TEST_F(Exploration, KeysWithoutCommandsAreAnswered) {
  Press(keys::kF1);
  EXPECT_EQ(Data().rfind("Combinaciones de teclas: \r\n", 0), 0u);
  EXPECT_EQ(Data().substr(Data().size() - 5), "-----");
  Press(keys::kF1 + 1);
  EXPECT_EQ(Data(), "Lectura de coordenadas desactivada");
  Press(keys::kF1 + 1);
  EXPECT_EQ(Data(), "Lectura de coordenadas activada");
  int beeps = t.ui.Beeps;
  Press('G');
  EXPECT_EQ(Data(), "Debe reclutar primero a algún héroe");
  EXPECT_EQ(t.ui.Beeps, beeps + 1);
  // F3 with nobody alive keeps the pickup hero.
  Press(keys::kF1 + 2);
  EXPECT_EQ(t.game.PickupHero, 1);
  EXPECT_EQ(t.game.Text(TextArea::TBGeneral), "recoger cosas con " + std::string(100, ' '));
  Press(keys::kLeft);  // against the wall
  EXPECT_EQ(t.ui.Beeps, beeps + 2);
  EXPECT_EQ(Data(),
            "Urso, guerrero humano, \r\nJan, guerrero humano, \r\nElkor, explorador humano, \r\n"
            "Sukir, hechicero humano, \r\n1, 1");
}

}  // namespace
}  // namespace zorvek
