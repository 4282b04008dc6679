#include <functional>

#include "catalogue/Catalogues.hpp"
#include "generation/Builder.hpp"

namespace zorvek {

namespace build {

namespace {

constexpr int kWares = 10;
constexpr int kShopSize = 3;

bool CanHostShop(const Room& room) {
  return room.Name.Trimmed() != "Cámara oculta" && TakenWalls(room) < 4 && FreeExitSlot(room) != 0;
}

int DrawHost(Build& b, int startRoom) {
  int last = LastRoom(b.game);
  for (int tries = 0; tries < kRoomTries; ++tries) {
    int h = Int(b.Rnd() * (last - startRoom - 1)) + startRoom;
    if (b.game.Rooms.Has(h) && CanHostShop(b.game.Rooms(h))) return h;
  }
  b.OutOfTries();
  return 0;
}

Item Ration(Build& b) {
  Item ware;
  ware.Name = "Ración de comida";
  ware.Quantity = static_cast<int16_t>(Int(b.Rnd() * 5) + 1);
  ware.RestoresLife = static_cast<int16_t>(Int(b.Rnd() * 5) + 5);
  ware.Price = 2 * ware.RestoresLife;
  return ware;
}

Item Potion(Build& b) {
  Item ware;
  ware.Name = "Poción";
  ware.RestoresMagic = static_cast<int16_t>(Int(b.Rnd() * 10) + 5);
  ware.Quantity = static_cast<int16_t>(Int(b.Rnd() * 3) + 1);
  ware.Price = 2 * ware.RestoresMagic;
  return ware;
}

using WareTest = std::function<bool(const Item&)>;

WareTest TestFor(int t) {
  switch (t) {
    case 3:
      return [](const Item& i) { return IsSet(i.IsMelee); };
    case 4:
      return [](const Item& i) { return IsSet(i.IsRanged); };
    case 5:
      return [](const Item& i) { return IsSet(i.IsSpell); };
    case 6:
      return [](const Item& i) { return i.DefenceBonus >= 1; };
    default:
      return [](const Item& i) { return i.ArmourBonus >= 1; };
  }
}

// A catalogue entry of the phase's tier of the wanted sort, drawn until one fits; when
// the draws run out, the first entry of the tier that fits; a ration when none does.
Item CatalogueWare(Build& b, int t) {
  const Game& game = b.game;
  TierRange tier = TierBounds(game, game.Phase);
  WareTest fits = TestFor(t);
  int span = tier.Last - tier.First + 1;
  if (span >= 1) {
    for (int tries = 0; tries < kRoomTries; ++tries) {
      int c = Int(b.Rnd() * span) + tier.First;
      if (game.ItemCatalogue.Has(c) && fits(game.ItemCatalogue(c))) return game.ItemCatalogue(c);
    }
    b.OutOfTries();
    for (int c = tier.First; c <= tier.Last; ++c) {
      if (game.ItemCatalogue.Has(c) && fits(game.ItemCatalogue(c))) return game.ItemCatalogue(c);
    }
  }
  return Ration(b);
}

Item DrawWare(Build& b) {
  int t = Int(b.Rnd() * 7) + 1;
  if (t == 1) return Ration(b);
  if (t == 2) return Potion(b);
  return CatalogueWare(b, t);
}

// The shop's door sits in the host's first free exit slot. Returns its wall.
int16_t OpenShopDoor(Build& b, int host, int shop) {
  Room& room = b.game.Rooms(host);
  int16_t side = RandomFreeSide(b, room);
  Cell cell = WallCell(b, room, side);
  Exit& door = room.Exits(FreeExitSlot(room));
  door = Exit{};
  door.X = cell.X;
  door.Y = cell.Y;
  door.Kind = "Tienda";
  door.TargetRoom = static_cast<int16_t>(shop);
  door.Side = SideOfCell(room, cell);
  door.IsOpen = kTrue;
  return side;
}

void AppendShop(Build& b, int host, int16_t hostDoorSide) {
  Room shop;
  shop.Index = static_cast<int16_t>(LastRoom(b.game) + 1);
  shop.Width = kShopSize;
  shop.Height = kShopSize;
  shop.Name = "Tienda";
  Exit& door = shop.Exits(1);
  door.Kind = "Tienda";
  door.TargetRoom = static_cast<int16_t>(host);
  door.Side = OppositeSide(hostDoorSide);
  door.IsOpen = kTrue;
  Cell cell = BackDoorCell(b, kShopSize, kShopSize, door.Side);
  door.X = cell.X;
  door.Y = cell.Y;
  for (int slot = 1; slot <= kWares; ++slot) shop.Items(slot) = DrawWare(b);
  b.game.Rooms.Append(shop);
}

}  // namespace

void PlaceShops(Build& b, int count, int startRoom) {
  for (int i = 0; i < count; ++i) {
    int host = DrawHost(b, startRoom);
    if (host == 0) continue;  // no room can take a shop door: this shop is left out
    int shop = LastRoom(b.game) + 1;
    AppendShop(b, host, OpenShopDoor(b, host, shop));
  }
}

}  // namespace build

void PlaceShops(Game& game, int count, int startRoom) {
  build::Build b{game};
  build::PlaceShops(b, count, startRoom);
}

}  // namespace zorvek
