#include "board/Locks.hpp"

#include "model/Grammar.hpp"

namespace zorvek {

namespace {

constexpr int kLockCount = 20;

// Puts the key in the first free pack slot of the room's first being, if it has one.
bool GiveKeyToCarrier(Game& game, const Room& room, const Item& key) {
  for (int slot = 1; slot <= 20; ++slot) {
    int16_t index = room.Beings(slot);
    if (index == 0) continue;
    if (!game.DungeonBeings.Has(index)) return false;
    for (auto& carried : game.DungeonBeings(index).Inventory) {
      if (IsEmptySlot(game, carried.Name)) {
        carried = key;
        return true;
      }
    }
    return false;  // a full pack sends the key to the floor
  }
  return false;
}

bool PutKeyOnFloor(Game& game, Room& room, Item key) {
  for (auto& lying : room.Items) {
    if (!IsEmptySlot(game, lying.Name)) continue;
    key.X = static_cast<int16_t>(Int(room.Width * game.Rnd()) + 1);
    key.Y = static_cast<int16_t>(Int(room.Height * game.Rnd()) + 1);
    lying = key;
    return true;
  }
  return false;
}

// Clears the key of `lockNo` from one hero: hands and body each, then the first pack slot.
bool TakeKeyFrom(Game& game, Being& hero, int16_t lockNo) {
  bool found = false;
  for (Item* worn : {&hero.RightHand, &hero.LeftHand, &hero.Body}) {
    if (worn->KeyNo == lockNo) {
      *worn = game.EmptyItem;
      found = true;
    }
  }
  for (auto& carried : hero.Inventory) {
    if (carried.KeyNo == lockNo) {
      carried = game.EmptyItem;
      found = true;
      break;
    }
  }
  return found;
}

}  // namespace

const std::array<const char*, 20>& LockAdjectives() {
  static constexpr std::array<const char*, 20> kAdjectives = {
      "ámbar",     "de bronce", "de cristal", "dorada",   "de frío",  "gris", "de hierro",
      "de jaspe",  "metálica",  "negra",      "de ópalo", "de plata", "roja", "verde",
      "de zafiro", "estrella",  "de platino", "pequeña",  "estrecha", "larga"};
  return kAdjectives;
}

void BuildLockNames(Game& game) {
  for (int i = 1; i <= kLockCount; ++i) game.LockNames(i) = LockAdjectives().at(i - 1);
  for (int n = 0; n < 100; ++n) {
    int a = Int(game.Rnd() * kLockCount) + 1;
    int b = Int(game.Rnd() * kLockCount) + 1;
    SwapValues(game.LockNames(a), game.LockNames(b));
  }
}

bool PlaceKey(Game& game, int room) {
  int number = game.KeysPlaced + 1;
  if (number > kLockCount || !game.Rooms.Has(room)) return false;
  Item key;
  key.Name = "Llave " + game.LockNames(number);
  key.KeyNo = static_cast<int16_t>(number);
  Room& target = game.Rooms(room);
  if (!GiveKeyToCarrier(game, target, key) && !PutKeyOnFloor(game, target, key)) return false;
  game.KeysPlaced = static_cast<int16_t>(number);
  return true;
}

int UseKeyForLock(Game& game, int16_t lockNo) {
  if (lockNo < 1) return 0;
  for (int h = 1; h <= 4; ++h) {
    if (TakeKeyFrom(game, game.Party(h), lockNo)) return h;
  }
  return 0;
}

}  // namespace zorvek
