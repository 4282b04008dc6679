#include <cstdint>
#include <string>

#include "catalogue/Catalogues.hpp"
#include "model/Text.hpp"

namespace zorvek {

namespace {

constexpr double kRationChance = 0.35;
constexpr double kPotionChance = 0.2;

// Lays records on the first free floor slots of the current room, one after the other.
// Once the floor is full nothing more is dropped, except a key: it takes the place of the
// last object on the floor that is not a key, so that no lock is left without its key.
class FloorPlacer {
 public:
  FloorPlacer(Game& game, const Being& fallen) : game_(game), fallen_(fallen) {}

  bool Full() const { return full_; }

  void Place(const Item& item) {
    if (item.KeyNo > 0 && FloorIsFull()) {
      PlaceOverLastNonKey(item);
      return;
    }
    if (full_) return;
    Slots<Item, 20>& floor = game_.CurrentRoom.Items;
    while (cursor_ <= Slots<Item, 20>::kCount && !IsEmptySlot(game_, floor(cursor_).Name)) {
      ++cursor_;
    }
    if (cursor_ > Slots<Item, 20>::kCount) {
      full_ = true;
      return;
    }
    Item& slot = floor(cursor_);
    slot = item;
    slot.X = fallen_.X;
    slot.Y = fallen_.Y;
    ++cursor_;
  }

 private:
  bool FloorIsFull() const {
    for (const Item& lying : game_.CurrentRoom.Items) {
      if (IsEmptySlot(game_, lying.Name)) return false;
    }
    return true;
  }

  void PlaceOverLastNonKey(const Item& key) {
    Slots<Item, 20>& floor = game_.CurrentRoom.Items;
    for (int k = Slots<Item, 20>::kCount; k >= 1; --k) {
      if (floor(k).KeyNo > 0) continue;
      floor(k) = key;
      floor(k).X = fallen_.X;
      floor(k).Y = fallen_.Y;
      break;
    }
    full_ = true;
  }

  Game& game_;
  const Being& fallen_;
  int cursor_ = 1;
  bool full_ = false;
};

int16_t DrawOneToSix(Game& game) { return static_cast<int16_t>(Int(game.Rnd() * 6) + 1); }

Item MakeRation(int16_t life) {
  Item ration;
  ration.Name = "Ración de comida";
  ration.RestoresLife = life;
  ration.Price = Mul32(2, life);
  return ration;
}

Item MakePotion(int16_t magic) {
  Item potion;
  potion.Name = "Poción mágica";
  potion.RestoresMagic = magic;
  potion.Price = Mul32(4, magic);
  return potion;
}

Item MakeCoins(Game& game, int32_t maxLife) {
  Item coins;
  coins.Name = "Monedas";
  coins.Quantity = Clamp16(Int(game.Rnd() * CInt(maxLife / 2.0)));
  return coins;
}

// A fallen monster's scroll lies on the floor as a book of the same spell.
Item AsLeftOnFloor(const Item& item) {
  Item left = item;
  if (Contains(item.Name.Raw(), "Pergamino")) {
    left.Name = "Libro " + MidChars(item.Name.Raw(), 11);
  }
  return left;
}

void PlaceBelonging(Game& game, FloorPlacer& placer, const Item& item) {
  if (IsEmptySlot(game, item.Name) || IsSet(item.IsNatural)) return;
  placer.Place(AsLeftOnFloor(item));
}

}  // namespace

void DropBelongings(Game& game, const Being& being) {
  const Item ration = MakeRation(DrawOneToSix(game));
  const Item potion = MakePotion(DrawOneToSix(game));
  const Item coins = MakeCoins(game, being.MaxLife);

  FloorPlacer placer(game, being);
  for (const Item& carried : being.Inventory) PlaceBelonging(game, placer, carried);
  PlaceBelonging(game, placer, being.RightHand);
  PlaceBelonging(game, placer, being.LeftHand);
  PlaceBelonging(game, placer, being.Body);

  // Once the floor is full the fallen leaves nothing else, and no more chances are drawn.
  if (placer.Full()) return;
  if (game.Rnd() < kRationChance) placer.Place(ration);
  if (placer.Full()) return;
  if (game.Rnd() < kPotionChance) placer.Place(potion);
  if (placer.Full()) return;
  if (coins.Quantity > 0) placer.Place(coins);
}

}  // namespace zorvek
