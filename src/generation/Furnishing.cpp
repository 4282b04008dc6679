#include <array>
#include <string>

#include "generation/Builder.hpp"

namespace zorvek {

namespace {

struct Piece {
  const char* Name;
  bool Masculine;
  bool Plural;
  bool Decoration;
};

using FourPieces = std::array<Piece, 4>;

struct KindFurniture {
  const char* Room;
  FourPieces Pieces;
};

// Rooms whose object is picked by the k drawn at the start of every furnishing.
const std::array<KindFurniture, 8>& FurnitureByKind() {
  static const std::array<KindFurniture, 8> kTable{{
      {"Zona de agrupamiento",
       {{{"Grava", false, false, true},
         {"cascotes", true, true, true},
         {"Piedras", false, true, true},
         {"Rocas", false, true, true}}}},
      {"Almacén",
       {{{"Caja partida", false, false, true},
         {"Baúl roto", true, false, true},
         {"Montón de escombros", true, false, true},
         {"Rodela de madera", false, false, false}}}},
      {"Sala de trofeos",
       {{{"Cabeza  de jabalí", false, false, true},
         {"Cabeza de toro", false, false, true},
         {"Estandarte", true, false, true},
         {"Ariete", true, false, true}}}},
      {"Basurero",
       {{{"Pila de porquería", false, false, true},
         {"Montón de basura", true, false, true},
         {"Madera quemada", false, false, true},
         {"Vaina podrida", false, false, true}}}},
      {"Cocinas",
       {{{"Platos rotos", true, true, true},
         {"Cazuela sucia", false, false, true},
         {"Fregadero", true, false, true},
         {"Ración de comida", false, false, false}}}},
      {"Zona de entrenamiento",
       {{{"Espada falsa", false, false, true},
         {"Maza falsa", false, false, true},
         {"Desperdicios", true, true, true},
         {"Vendas", false, true, true}}}},
      {"Cuartel",
       {{{"Uniformes", true, true, true},
         {"Asiento", true, false, true},
         {"Asiento", true, false, true},
         {"Estandarte", true, false, true}}}},
      {"dormitorios",
       {{{"Literas", false, true, true},
         {"Montón de sábanas", true, false, true},
         {"Literas", false, true, true},
         {"Almohada rota", false, false, true}}}},
  }};
  return kTable;
}

const FourPieces kTables{{{"Mesa", false, false, true},
                          {"Asiento", true, false, true},
                          {"Mesa", false, false, true},
                          {"Asiento", true, false, true}}};

struct Weapon {
  Piece Look;
  int32_t MaxDamage, Price, DefenceBonus, AttackBonus;
  bool TwoHanded, Melee, Ranged;
};

const std::array<Weapon, 8> kArmoury{{
    {{"Hacha rota", false, false, true}, 0, 0, 0, 0, false, false, false},
    {{"Lanza partida", false, false, true}, 0, 0, 0, 0, false, false, false},
    {{"Escudo abollado", true, false, true}, 0, 0, 0, 0, false, false, false},
    {{"Yelmo partido", true, false, true}, 0, 0, 0, 0, false, false, false},
    {{"Escudo redondo", true, false, false}, 0, 8, 2, 0, false, false, false},
    {{"Arco corto compuesto", true, false, false}, 6, 17, 0, 0, true, false, true},
    {{"Espada corta", false, false, false}, 5, 17, 0, 0, false, true, false},
    {{"Espada larga +2", false, false, false}, 8, 24, 0, 2, false, true, false},
}};

const std::array<const char*, 4> kHealingBooks{"Libro curación mágica", "Libro curar heridas",
                                               "Libro sanación de heridas",
                                               "Libro curación arcana"};

struct Treasure {
  const char* Name;
  bool Masculine;
  int32_t BasePrice;
};

const std::array<Treasure, 10> kTreasures{{{"Anillo roto", true, 2},
                                           {"Perla", false, 20},
                                           {"Figurita de jade", false, 90},
                                           {"Esmeralda", false, 75},
                                           {"Vaina engastada", false, 40},
                                           {"Diamante", true, 95},
                                           {"Broche", true, 25},
                                           {"Brazalete", true, 30},
                                           {"Hebilla dorada", false, 15},
                                           {"Collar", true, 25}}};

void Dress(Item& item, const Piece& piece) {
  item.Name = piece.Name;
  item.IsMasculine = ToFlag(piece.Masculine);
  item.IsPlural = ToFlag(piece.Plural);
  item.IsDecoration = ToFlag(piece.Decoration);
}

std::size_t Pick(double r, int count) { return static_cast<std::size_t>(Int(r * count)); }

void FurnishArmoury(Game& game, Item& item) {
  const Weapon& w = kArmoury.at(Pick(game.Rnd(), 8));
  Dress(item, w.Look);
  item.MaxDamage = w.MaxDamage;
  item.Price = w.Price;
  item.DefenceBonus = w.DefenceBonus;
  item.AttackBonus = w.AttackBonus;
  item.IsTwoHanded = ToFlag(w.TwoHanded);
  item.IsMelee = ToFlag(w.Melee);
  item.IsRanged = ToFlag(w.Ranged);
}

void FurnishLibrary(Game& game, Item& item) {
  Dress(item, {kHealingBooks.at(Pick(game.Rnd(), 4)), true, false, false});
  item.MaxHealing = 7 * game.Phase;
  item.SpellLevel = game.Phase;
  item.Price = 50 * game.Phase + 7;
}

void FurnishHiddenChamber(Game& game, Item& item) {
  const Treasure& t = kTreasures.at(Pick(game.Rnd(), 10));
  Dress(item, {t.Name, t.Masculine, false, false});
  item.Price = t.BasePrice * game.Phase;
}

// Fills the object of a room of that name; k is the draw made at the start.
void FillObject(Game& game, const std::string& name, std::size_t k, Item& item) {
  for (const KindFurniture& kind : FurnitureByKind()) {
    if (name == kind.Room) Dress(item, kind.Pieces.at(k));
  }
  if (name == "Zona de mesas") Dress(item, kTables.at(k));
  if (name == "Almacén") {
    item.DefenceBonus = 1;
    item.Price = 5;
  } else if (name == "Cocinas") {
    item.RestoresLife = 15;
    item.Price = 4;
  } else if (name == "Armería") {
    FurnishArmoury(game, item);
  } else if (name == "Biblioteca") {
    FurnishLibrary(game, item);
  } else if (name == "Cámara oculta") {
    FurnishHiddenChamber(game, item);
  }
}

bool TempleAllowed(const Room& room) {
  std::string name = room.Name.Trimmed();
  return name != "Zona de agrupamiento" && name != "Pasillo" && name != "Cámara oculta";
}

int DrawTempleRoom(build::Build& b) {
  int last = build::LastRoom(b.game);
  for (int tries = 0; tries < build::kRoomTries; ++tries) {
    int h = Int(b.Rnd() * (last - 4));
    if (h < 5) h += 5;
    if (b.game.Rooms.Has(h) && TempleAllowed(b.game.Rooms(h))) return h;
  }
  b.OutOfTries();
  return 0;
}

// The temple sends its monsters away and clears its floor, but keys stay: those lying
// there keep their cell, those carried by a monster are left where it stood.
std::vector<Item> KeysOfRoom(const Game& game, const Room& room) {
  std::vector<Item> keys;
  for (const Item& lying : room.Items) {
    if (lying.KeyNo > 0) keys.push_back(lying);
  }
  for (int16_t index : room.Beings) {
    if (index < 1 || !game.DungeonBeings.Has(index)) continue;
    const Being& being = game.DungeonBeings(index);
    for (const Item& carried : being.Inventory) {
      if (carried.KeyNo < 1) continue;
      keys.push_back(carried);
      keys.back().X = being.X;
      keys.back().Y = being.Y;
    }
  }
  return keys;
}

}  // namespace

void FurnishRoom(Game& game, const std::string& name, int room) {
  std::size_t k = Pick(game.Rnd(), 4);
  Room& r = game.Rooms(room);
  Item& item = r.Items(1);
  item = Item{};
  FillObject(game, Trim(name), k, item);
  item.X = static_cast<int16_t>(Int(r.Width * game.Rnd()) + 1);
  item.Y = static_cast<int16_t>(Int(r.Height * game.Rnd()) + 1);
}

namespace build {

void PlaceTemple(Build& b) {
  int h = DrawTempleRoom(b);
  if (h == 0) return;  // no room can hold the temple: this dungeon has none
  Game& game = b.game;
  Room& room = game.Rooms(h);
  std::vector<Item> keys = KeysOfRoom(game, room);
  room.Name = "Templo de curación";
  for (Item& item : room.Items) item = Item{};
  for (int16_t& index : room.Beings) index = 0;
  Item& altar = room.Items(1);
  altar.Name = "Altar";
  altar.IsDecoration = kTrue;
  altar.IsMasculine = kFalse;
  altar.X = static_cast<int16_t>(room.Width / 2);
  altar.Y = static_cast<int16_t>(room.Height / 2);
  for (std::size_t i = 0; i < keys.size() && i + 2 <= kItemSlots; ++i) {
    room.Items(static_cast<int>(i) + 2) = keys.at(i);
  }
}

}  // namespace build

void PlaceTemple(Game& game) {
  build::Build b{game};
  build::PlaceTemple(b);
}

}  // namespace zorvek
