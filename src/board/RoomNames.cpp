#include <array>
#include <string>

#include "board/Board.hpp"
#include "model/Numbers.hpp"
#include "model/Text.hpp"

namespace zorvek {

namespace {

// The names a room kind takes in phases 2, 3, 4 and 5.
struct PhaseName {
  const char* Kind;
  std::array<const char*, 4> ByPhase;
};

const std::array<PhaseName, 8> kPhaseNames{{
    {"Sala de trofeos", {"Fragua", "Estanque subterráneo", "Fragua", "Río subterráneo"}},
    {"Basurero", {"Zona de desperdicios", "Almacén de leña", "Basurero", "Zona de muda"}},
    {"Armería", {"Almacén de armas", "Reserva de armas", "Armería", "Calabozos"}},
    {"Cocinas", {"Cocinas", "Cocinas", "Cocinas", "Almacén de provisiones"}},
    {"Zona de entrenamiento", {"Zona para prácticas", "Escuela", "Cuartel", "Nidos vacíos"}},
    {"Cuartel", {"Taller", "Jardín subterráneo", "Fábrica de armas", "Incubadora de huevos"}},
    {"dormitorios", {"Barracón", "Cabañas dormitorio", "Barracón", "Incubadora de huevos"}},
    {"Zona de mesas", {"Pozo de lava", "Herboristería", "Pozo de lava", "Zona de juego"}},
}};

struct Look {
  const char* Name;
  bool Masculine;
  bool Plural;
};

using FourLooks = std::array<Look, 4>;

const FourLooks kStoreLooks{{{"Caja vacía", false, false},
                             {"Mesa rota", false, false},
                             {"Rata muerta", false, false},
                             {"Piedra", false, false}}};
const FourLooks kForgeLooks{{{"Cabeza de Martillo", true, false},
                             {"Yunque", true, false},
                             {"Tenazas", false, false},
                             {"Esquirla de metal", false, false}}};
const FourLooks kWaterLooks{{{"Algas muertas", false, true},
                             {"Planta", false, false},
                             {"Charco", true, false},
                             {"Rama partida", false, false}}};
const FourLooks kRubbishLooks{{{"Trozo de madera", true, false},
                               {"Objeto extraño", true, false},
                               {"Hueso viejo", true, false},
                               {"Objeto extraño", true, false}}};
// By phase 2 to 5.
const FourLooks kBarracksLooks{{{"Martillo de mano", true, false},
                                {"planta extraña", false, false},
                                {"Punta de flecha", false, false},
                                {"Huevo de dragón", true, false}}};
const FourLooks kBedroomLooks{{{"Litera", false, false},
                               {"Cama de hhojas", false, false},
                               {"Litera", false, false},
                               {"Huevo de dragón", true, false}}};
const FourLooks kTableLooks{{{"Rocas", false, true},
                             {"planta extraña", false, false},
                             {"Rocas", false, true},
                             {"Calavera", false, false}}};

struct Spellbook {
  const char* Name;
  int32_t AddedMagicDamage;
  int32_t MagicShield;
};

const std::array<Spellbook, 4> kSpellbooks{{{"Libro Filo de diamante", 3, 0},
                                            {"Libro Aire sólido", 0, 3},
                                            {"Libro Filos imparables", 4, 0},
                                            {"Libro Escudo de aire", 0, 4}}};

void Restyle(Item& item, const Look& look) {
  item.Name = look.Name;
  item.IsMasculine = ToFlag(look.Masculine);
  item.IsPlural = ToFlag(look.Plural);
}

void RestyleDecoration(Item& item, const Look& look) {
  if (IsSet(item.IsDecoration)) Restyle(item, look);
}

void RewriteBook(Item& item, std::size_t k, int phase) {
  const Spellbook& book = kSpellbooks.at(k);
  Restyle(item, {book.Name, true, false});
  item.AddedMagicDamage = book.AddedMagicDamage;
  item.MagicShield = book.MagicShield;
  item.SpellLevel = static_cast<int16_t>(3 * phase);
  item.Price = 150 * phase + 7;
}

// Changes the characteristic object by the name the room had on entry.
void RestyleObject(Item& item, const std::string& name, std::size_t k, int phase) {
  auto byPhase = static_cast<std::size_t>(phase - 2);
  bool forgePhase = phase == 2 || phase == 4;
  if (name == "Almacén") RestyleDecoration(item, kStoreLooks.at(k));
  if (name == "Sala de trofeos")
    RestyleDecoration(item, (forgePhase ? kForgeLooks : kWaterLooks).at(k));
  if (name == "Basurero") RestyleDecoration(item, kRubbishLooks.at(k));
  if (name == "Zona de entrenamiento" && phase == 5) Restyle(item, {"Nido de dragón", true, false});
  if (name == "Cuartel") RestyleDecoration(item, kBarracksLooks.at(byPhase));
  if (name == "dormitorios") RestyleDecoration(item, kBedroomLooks.at(byPhase));
  if (name == "Zona de mesas") RestyleDecoration(item, kTableLooks.at(byPhase));
  if (name == "Biblioteca" && Contains(item.Name.Raw(), "Libro")) RewriteBook(item, k, phase);
}

}  // namespace

void RenameRoomForPhase(Game& game) {
  if (game.Phase < 2 || game.Phase > 5) return;
  auto k = static_cast<std::size_t>(Int(game.Rnd() * 4));
  Room& room = game.CurrentRoom;
  std::string name = room.Name.Trimmed();
  for (const PhaseName& entry : kPhaseNames) {
    if (name == entry.Kind) room.Name = entry.ByPhase.at(static_cast<std::size_t>(game.Phase - 2));
  }
  // A key that lies in the object slot stays a key: no new name may hide it.
  if (room.Items(1).KeyNo < 1) RestyleObject(room.Items(1), name, k, game.Phase);
  // Nothing copies the working room back when the party walks out, so the change is
  // written to the stored room as well.
  if (game.Rooms.Has(game.CurrentRoomIndex)) {
    Room& stored = game.Rooms(game.CurrentRoomIndex);
    stored.Name = room.Name;
    stored.Items(1) = room.Items(1);
  }
}

}  // namespace zorvek
