#include <algorithm>
#include <vector>

#include "actions/Actions.hpp"
#include "model/Grammar.hpp"
#include "sound/Sound.hpp"

namespace zorvek {

namespace {

bool OnCursor(const Game& game, const Item& item) {
  return !IsEmptySlot(game, item.Name) && item.X == game.CursorX && item.Y == game.CursorY;
}

bool CanBeTaken(const Game& game, const Item& item) {
  return OnCursor(game, item) && !IsSet(item.IsDecoration) && !IsSet(item.IsBar);
}

// Empties an object slot of the current room for good.
void ClearFloorSlot(Game& game, int slot) {
  game.CurrentRoom.Items(slot) = game.EmptyItem;
  if (game.Rooms.Has(game.CurrentRoomIndex)) {
    game.Rooms(game.CurrentRoomIndex).Items(slot) = game.EmptyItem;
  }
}

// Books burn the hands of all but sorcerers.
bool RefusesBook(const Being& hero, const Item& item) {
  return Contains(item.Name.Trimmed(), "Libro") && !Contains(hero.Name.Raw(), "echicero");
}

// The first pack slot that is empty or already holds an object of the same name.
int PackSlotFor(const Game& game, const Being& hero, const Item& item) {
  for (int k = 1; k <= 20; ++k) {
    const Item& carried = hero.Inventory(k);
    if (IsEmptySlot(game, carried.Name) || carried.Name == item.Name) return k;
  }
  return 0;
}

// An object joins a carried one of the same name: each object of either counts at least
// once, so that five knives taken one by one or all at once make a stack of five.
void Stack(Item& carried, int16_t quantity) {
  carried.Quantity = Add16(std::max<int16_t>(carried.Quantity, 1), std::max<int16_t>(quantity, 1));
}

void TakeCoins(Game& game, Being& hero, int slot) {
  int16_t q = game.CurrentRoom.Items(slot).Quantity;
  hero.Coins = Add32(hero.Coins, q);
  std::string what = q == 1 ? " la moneda." : " las " + std::to_string(q) + " monedas.";
  game.SetText(TextArea::TBDatos, hero.Name.Trimmed() + " coge " + what);
  ClearFloorSlot(game, slot);
}

void PutInPack(Game& game, Being& hero, int slot, int k) {
  Item& floor = game.CurrentRoom.Items(slot);
  Item& carried = hero.Inventory(k);
  int16_t q = floor.Quantity;
  if (carried.Name == floor.Name && !IsEmptySlot(game, carried.Name)) {
    Stack(carried, q);
  } else {
    carried = floor;
  }
  std::string name = floor.Name.Trimmed();
  ClearFloorSlot(game, slot);
  std::string article = Article(carried, true, q);
  std::string what = q < 2 ? name : std::to_string(q) + " " + PluralName(name);
  game.SetText(TextArea::TBDatos, hero.Name.Trimmed() + " coge " + article + " " + what);
  RefreshBeacons(game, Beacons::Restart);
}

}  // namespace

void TakeObject(Game& game, int heroPos, int slot, TakingCue cue) {
  Being& hero = game.Party(heroPos);
  const Item& item = game.CurrentRoom.Items(slot);
  if (cue == TakingCue::Play) PlayCue(game, "recoger", game.CursorX, game.CursorY, kFalse);
  if (RefusesBook(hero, item)) {
    hero.Life = Add32(hero.Life, -1);
    game.SetText(TextArea::TBDatos,
                 "Cuando " + hero.Name.Trimmed() +
                     " intenta coger el libro, siente una especie de descarga en la mano y lo "
                     "suelta automáticamente." +
                     hero.Name.Padded() + " ha perdido un punto de vida.");
    return;
  }
  if (Contains(item.Name.Trimmed(), "Monedas")) {
    TakeCoins(game, hero, slot);
    return;
  }
  int k = PackSlotFor(game, hero, item);
  if (k == 0) {
    game.SetText(TextArea::TBDatos, "Ese héroe no puede llevar más cosas");
    return;
  }
  PutInPack(game, hero, slot, k);
}

void TakeByNumber(Game& game, int n) {
  std::vector<int> slots;
  for (int i = 1; i <= 20 && slots.size() < 9; ++i) {
    if (OnCursor(game, game.CurrentRoom.Items(i))) slots.push_back(i);
  }
  // Nobody stands in the pickup position before the first recruitment: nothing is
  // taken then, or the object would vanish into an empty marching position.
  if (n < 1 || n > static_cast<int>(slots.size()) ||
      IsEmptySlot(game, game.Party(game.PickupHero).Name)) {
    game.ui().Beep();
    return;
  }
  int slot = slots.at(static_cast<std::size_t>(n - 1));
  const Item& item = game.CurrentRoom.Items(slot);
  if (IsSet(item.IsDecoration) || IsSet(item.IsBar)) {
    game.SetText(TextArea::TBGeneral, "Eso no es algo que se pueda coger");
    game.ui().Beep();
    return;
  }
  TakeObject(game, game.PickupHero, slot, TakingCue::Silent);
}

namespace {

// One object of C's sweep; returns the report's addition.
std::string SweepOne(Game& game, Being& hero, int slot) {
  Item& item = game.CurrentRoom.Items(slot);
  if (Contains(item.Name.Raw(), "Libro") && !Contains(hero.Name.Raw(), "echicero")) {
    hero.Life = Add32(hero.Life, -1);
    return " recoge un libro pero recibe una descarga en la mano y lo suelta automáticamente; ";
  }
  if (Contains(item.Name.Raw(), "Moneda")) {
    hero.Coins = Add32(hero.Coins, item.Quantity);
    std::string text = " Recoge " + std::to_string(item.Quantity) + " monedas, ";
    item = game.EmptyItem;
    return text;
  }
  for (Item& carried : hero.Inventory) {
    bool same = carried.Name == item.Name;
    if (!same && !IsEmptySlot(game, carried.Name)) continue;
    if (same) {
      Stack(carried, item.Quantity);
    } else {
      carried = item;
    }
    std::string text = "recoge " + item.Name.Trimmed() + ", ";
    item = game.EmptyItem;
    return text;
  }
  return "";
}

}  // namespace

void TakeAll(Game& game) {
  Being& hero = game.Party(game.PickupHero);
  if (hero.Life < 1) {
    game.ui().Beep();
    return;
  }
  std::string opening = hero.Name.Trimmed() + " ";
  std::string report = opening;
  for (int i = 1; i <= 20; ++i) {
    if (CanBeTaken(game, game.CurrentRoom.Items(i))) report += SweepOne(game, hero, i);
  }
  if (game.Rooms.Has(game.CurrentRoomIndex)) game.Rooms(game.CurrentRoomIndex) = game.CurrentRoom;
  if (report == opening) {
    game.SetText(TextArea::TBDatos, "No hay objetos que recoger ");
    game.ui().Beep();
    return;
  }
  game.SetText(TextArea::TBDatos, report);
}

}  // namespace zorvek
