#include <gtest/gtest.h>

#include "board/Board.hpp"
#include "generation/Generation.hpp"
#include "support/TestGame.hpp"

namespace zorvek::testing {
namespace {

struct Furnishing : ::testing::Test {
  Furnishing() {
    t.BlankRooms(10, 5, 4);
    t.game.Phase = 1;
  }
  const Item& objectOf(int r) { return t.game.Rooms(r).Items(1); }
  // The room the party stands in, with its characteristic object.
  void stand(const char* name, const char* object, bool decoration) {
    Room& room = t.game.Rooms(7);
    room.Name = name;
    room.Items(1).Name = object;
    room.Items(1).IsDecoration = ToFlag(decoration);
    t.game.CurrentRoom = room;
    t.game.CurrentRoomIndex = 7;
  }
  const Room& current() { return t.game.CurrentRoom; }
  TestGame t;
};

// Every kind of room gets one object inside it, whatever the draws; a corridor draws a
// cell too but stays empty.
TEST_F(Furnishing, EveryKindGetsOneObjectInsideTheRoom) {
  for (const char* kind : {"Zona de agrupamiento", "Almacén", "Sala de trofeos", "Basurero",
                           "Cocinas", "Zona de entrenamiento", "Cuartel", "dormitorios",
                           "Zona de mesas", "Armería", "Biblioteca", "Cámara oculta", "Pasillo"}) {
    for (double draw : {0.0, 0.999}) {
      SCOPED_TRACE(::testing::Message() << kind << " " << draw);
      t.game.Rooms(2).Items(1).Name = "Grava";
      t.random.Play({draw});
      FurnishRoom(t.game, kind, 2);
      EXPECT_EQ(objectOf(2).Name.IsEmpty(), std::string(kind) == "Pasillo");
      EXPECT_GE(objectOf(2).X, 1);
      EXPECT_LE(objectOf(2).X, 5);
      EXPECT_GE(objectOf(2).Y, 1);
      EXPECT_LE(objectOf(2).Y, 4);
    }
  }
  // What a hidden chamber and a library hold follows the phase.
  t.game.Phase = 3;
  t.random.Play({0.0, 0.55, 0.0});
  FurnishRoom(t.game, "Cámara oculta", 5);
  EXPECT_EQ(objectOf(5).Name.Trimmed(), "Diamante");
  t.game.Phase = 2;
  t.random.Play({0.0, 0.0, 0.0});
  FurnishRoom(t.game, "Biblioteca", 6);
  EXPECT_EQ(objectOf(6).SpellLevel, 2);
}

TEST_F(Furnishing, TheTempleSendsItsMonstersAwayButKeepsTheKeys) {
  Room& room = t.game.Rooms(5);
  room.Name = "Cocinas";
  room.Items(3) = {.Name = "Llave gris", .KeyNo = 2};
  room.Items(4) = {.Name = "Perla"};
  t.game.DungeonBeings.ReDim(1, 20);
  Being& carrier = t.game.DungeonBeings(20);
  carrier.X = 4;
  carrier.Y = 2;
  carrier.Inventory(1) = {.Name = "Llave roja", .KeyNo = 5};
  room.Beings(2) = 20;
  t.random.Play({0.0});
  PlaceTemple(t.game);
  EXPECT_EQ(room.Name.Trimmed(), "Templo de curación");
  EXPECT_EQ(room.Items(1).Name.Trimmed(), "Altar");
  EXPECT_EQ(room.Items(1).X, 2);
  EXPECT_EQ(room.Items(1).Y, 2);
  for (int16_t b : room.Beings) EXPECT_EQ(b, 0);
  EXPECT_EQ(room.Items(2).KeyNo, 2);
  EXPECT_EQ(room.Items(3).KeyNo, 5);
  EXPECT_EQ(room.Items(3).X, 4);
  EXPECT_TRUE(room.Items(4).Name.IsEmpty());
}

TEST_F(Furnishing, DecorationsChangeWithTheNameButUsableObjectsStay) {
  t.game.Phase = 3;
  t.random.Play({0.0});
  stand("Sala de trofeos", "Estandarte", true);
  RenameRoomForPhase(t.game);
  EXPECT_EQ(current().Name.Trimmed(), "Estanque subterráneo");
  EXPECT_EQ(current().Items(1).Name.Trimmed(), "Algas muertas");

  stand("Almacén", "Rodela de madera", false);
  RenameRoomForPhase(t.game);
  EXPECT_EQ(current().Name.Trimmed(), "Almacén");
  EXPECT_EQ(current().Items(1).Name.Trimmed(), "Rodela de madera");
  t.game.Phase = 5;
  stand("Zona de entrenamiento", "Vendas", false);
  RenameRoomForPhase(t.game);
  EXPECT_EQ(current().Name.Trimmed(), "Nidos vacíos");
  EXPECT_EQ(current().Items(1).Name.Trimmed(), "Nido de dragón");
  // Whatever lies there turns into a nest, but for a key.
  stand("Zona de entrenamiento", "Llave verde", false);
  t.game.Rooms(7).Items(1).KeyNo = t.game.CurrentRoom.Items(1).KeyNo = 3;
  RenameRoomForPhase(t.game);
  EXPECT_EQ(current().Items(1).Name.Trimmed(), "Llave verde");
}

TEST_F(Furnishing, ALibraryBookTurnsIntoASpellOfTheDeeperPhase) {
  t.game.Phase = 2;
  stand("Biblioteca", "Libro curar heridas", false);
  t.game.CurrentRoom.Items(1).MaxHealing = 14;
  t.random.Play({0.25});
  RenameRoomForPhase(t.game);
  const Item& book = current().Items(1);
  EXPECT_EQ(current().Name.Trimmed(), "Biblioteca");
  EXPECT_EQ(book.Name.Trimmed(), "Libro Aire sólido");
  EXPECT_EQ(book.MagicShield, 3);
  EXPECT_EQ(book.SpellLevel, 6);
  EXPECT_EQ(book.MaxHealing, 14);  // the old figures are not wiped
}

}  // namespace
}  // namespace zorvek::testing
