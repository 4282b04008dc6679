// Giving, dropping, using and examining the objects of the party dialog.
#include <algorithm>
#include <cstdint>

#include "catalogue/Catalogues.hpp"
#include "model/Grammar.hpp"
#include "party/Equipment.hpp"

namespace zorvek::party {

namespace {

void GiveCoins(Game& game, Being& giver, Being& receiver) {
  auto v = AskQuantity(game,
                       "¿Cuántas monedas quiere dar a " + receiver.Name.Trimmed() + "? (1 - " +
                           std::to_string(giver.Coins) + ")",
                       "Dar monedas", giver.Coins);
  if (!v) return;
  // Rounded once, so that the coins given are the coins received.
  int32_t n = CLng(*v);
  giver.Coins = Add32(giver.Coins, -static_cast<int64_t>(n));
  receiver.Coins = Add32(receiver.Coins, n);
}

// The checks before an object changes hands; false after telling the refusal.
bool MayGive(Game& game, const Being& giver, const Being& receiver, const std::string& name) {
  if (Contains(name, "Pergamino")) {
    Say(game, "Eso no es algo que puedas dar a otra persona");
    return false;
  }
  if (Contains(name, "Libro") && !Contains(receiver.Name.Trimmed(), "echicero")) {
    Say(game, giver.Name.Trimmed() +
                  " no está dispuesto a dar un libro arcano a alguien no iniciado en los "
                  "secretos de la magia.");
    return false;
  }
  if (FirstFreeSlot(game, receiver) == 0) {
    Say(game, receiver.Name.Trimmed() + " no puede llevar más cosas.");
    return false;
  }
  return true;
}

void GiveObject(Game& game, Being& giver, Being& receiver, Place place) {
  Item& object = ItemAt(giver, place);
  std::string name = object.Name.Trimmed();
  if (!MayGive(game, giver, receiver, name)) return;
  int k = FirstFreeSlot(game, receiver);
  if (object.Quantity < 2) {
    receiver.Inventory(k) = object;
    object = game.EmptyItem;
    return;
  }
  auto v = AskQuantity(game,
                       "indique el número de " + PluralName(name) + " que desea dar (1 - " +
                           std::to_string(object.Quantity) + ") ",
                       "Dar objetos", object.Quantity);
  if (!v) return;
  int16_t n = CInt(*v);
  Item part = object;
  part.Quantity = n;
  object.Quantity = static_cast<int16_t>(object.Quantity - n);
  if (object.Quantity < 1) object = game.EmptyItem;
  // The receiver's free slot is never the giver's place, even when both are one hero.
  receiver.Inventory(k) = part;
}

// The room slot a dropped object goes to: the first empty slot or the first pile of the
// same object (any coins, for the coins) on the cursor's cell; 0 when there is none.
int RoomSlotFor(const Game& game, const std::string& name, bool coins) {
  const Room& room = game.CurrentRoom;
  for (int i = 1; i <= 20; ++i) {
    const Item& there = room.Items(i);
    if (IsEmptySlot(game, there.Name)) return i;
    bool onCursor = there.X == game.CursorX && there.Y == game.CursorY;
    std::string thereName = there.Name.Trimmed();
    bool same = coins ? Contains(thereName, "Monedas") : thereName == name;
    if (onCursor && same) return i;
  }
  return 0;
}

void DropCoins(Game& game, Being& hero, Item& there) {
  auto v =
      AskQuantity(game, "¿Cuántas monedas quiere dejar? (1 - " + std::to_string(hero.Coins) + ")",
                  "Dejar monedas", hero.Coins);
  if (!v) return;
  bool pile = !IsEmptySlot(game, there.Name);
  int16_t held = pile ? there.Quantity : 0;
  // A pile is a 16-bit count: what it cannot hold stays with the hero.
  int32_t n = std::min<int32_t>(CLng(*v), INT16_MAX - std::max<int16_t>(held, 0));
  if (n < 1) return;
  if (!pile) {
    there = game.EmptyItem;
    there.Name = "Monedas";
  }
  there.Quantity = Add16(held, n);
  hero.Coins = Add32(hero.Coins, -static_cast<int64_t>(n));
}

// A single object on the floor counts one whatever its Quantity (0 or 1) says.
int16_t Count(const Item& item) { return std::max<int16_t>(item.Quantity, 1); }

void DropObject(Game& game, Being& hero, Place place, Item& there) {
  Item& object = ItemAt(hero, place);
  Item moved = object;
  if (object.Quantity >= 2) {
    auto v = AskQuantity(game,
                         "Indique el número de " + PluralName(object.Name.Trimmed()) +
                             " que desea dejar (1 - " + std::to_string(object.Quantity) + "):",
                         "Dejar objetos", object.Quantity);
    if (!v) return;
    moved.Quantity = CInt(*v);
    object.Quantity = static_cast<int16_t>(object.Quantity - moved.Quantity);
    if (object.Quantity < 1) object = game.EmptyItem;
  } else {
    object = game.EmptyItem;
  }
  if (IsEmptySlot(game, there.Name)) {
    there = moved;
  } else {
    there.Quantity = Add16(Count(there), Count(moved));
  }
}

void DropSteps(Game& game, Being& hero, Place place) {
  bool coins = place.Kind == PlaceKind::Coins;
  std::string name = coins ? "Monedas" : ItemAt(hero, place).Name.Trimmed();
  int slot = RoomSlotFor(game, name, coins);
  if (slot == 0) {
    Say(game, "No es posible dejar más cosas en la sala actual. Ya está llena a rebosar.");
    return;
  }
  Item& there = game.CurrentRoom.Items(slot);
  Item was = there;
  if (coins) {
    DropCoins(game, hero, there);
  } else {
    DropObject(game, hero, place, there);
  }
  if (there == was) return;
  there.X = game.CursorX;
  there.Y = game.CursorY;
  game.Rooms(game.CurrentRoomIndex) = game.CurrentRoom;
}

void ReadBook(Game& game, const Being& hero, Item& book) {
  if (book.SpellLevel > hero.Level) {
    Say(game,
        "Comienzas a estudiar los secretos que se esconden en el libro y pronto descubres que son "
        "demasiado complejos para tu nivel actual de saber mágico. Quizá más adelante puedas "
        "desentrañarlos.");
    return;
  }
  Say(game,
      "Estudias intensamente el libro hasta llegar a aprender el hechizo que se encierra en él.");
  book.Name = "Pergamino " + MidChars(book.Name.Trimmed(), 7);
  book.IsSpell = kTrue;
}

// Reading, eating and drinking. Only what restores life or magic is used up.
void Consume(Game& game, Being& hero, Item& object) {
  bool book = Contains(object.Name.Trimmed(), "Libro");
  if (book) ReadBook(game, hero, object);
  bool usedUp = false;
  if (object.RestoresLife != 0) {
    hero.Life = std::min(Add32(hero.Life, object.RestoresLife), hero.MaxLife);
    object.Quantity = Add16(object.Quantity, -1);
    usedUp = true;
  }
  if (object.RestoresMagic > 0) {
    hero.Magic = std::min(Add32(hero.Magic, object.RestoresMagic), hero.MaxMagic);
    object.Quantity = Add16(object.Quantity, -1);
    usedUp = true;
  }
  if (usedUp && object.Quantity < 1) object = game.EmptyItem;
  // An object with no use at all answers with the beep rather than with silence.
  if (!book && !usedUp) game.ui().Beep();
}

}  // namespace

void Give(Game& game, int giver, int receiver, Place place) {
  Being& g = game.Party(giver);
  Being& r = game.Party(receiver);
  if (place.Kind == PlaceKind::Coins) {
    GiveCoins(game, g, r);
    return;
  }
  WornBonus before = WornBy(g);
  GiveObject(game, g, r, place);
  Rebalance(g, before);
}

void DropInRoom(Game& game, Being& hero, Place place) {
  WornBonus before = WornBy(hero);
  DropSteps(game, hero, place);
  Rebalance(hero, before);
}

void Use(Game& game, Being& hero, Place place) {
  Item& object = ItemAt(hero, place);
  bool book = Contains(object.Name.Trimmed(), "Libro");
  if (IsSet(object.IsMelee) || IsSet(object.IsRanged) || (IsSet(object.IsSpell) && !book)) {
    Say(game, "Coloque el objeto en la mano derecha para utilizarlo");
  } else if (object.DefenceBonus != 0) {
    Say(game, "Coloque el objeto en la mano izquierda para utilizarlo");
  } else if (object.ArmourBonus != 0) {
    Say(game, "Coloque el objeto  en el cuerpo para utilizarlo");
  } else if (object.KeyNo != 0) {
    Say(game, "Al intentar entrar por la puerta, el héroe utilizará la llave  si es necesario");
  } else {
    Consume(game, hero, object);
  }
}

void Examine(Game& game, const Being& hero, Place place) {
  Item object;
  if (place.Kind == PlaceKind::Coins) {
    object.Name = "Monedas";
    object.Quantity = Clamp16(hero.Coins);
  } else {
    object = ItemAt(hero, place);
  }
  Say(game, DescribeItem(object));
}

}  // namespace zorvek::party
