#include "party/Equipment.hpp"

#include <algorithm>
#include <stdexcept>

#include "model/Grammar.hpp"

namespace zorvek::party {

Item& ItemAt(Being& hero, Place place) {
  return const_cast<Item&>(ItemAt(static_cast<const Being&>(hero), place));
}

const Item& ItemAt(const Being& hero, Place place) {
  switch (place.Kind) {
    case PlaceKind::RightHand:
      return hero.RightHand;
    case PlaceKind::LeftHand:
      return hero.LeftHand;
    case PlaceKind::Body:
      return hero.Body;
    case PlaceKind::Pack:
      return hero.Inventory(place.Slot);
    case PlaceKind::Coins:
      break;
  }
  throw std::logic_error("the coins have no object record");
}

int FirstFreeSlot(const Game& game, const Being& hero) {
  for (int i = 1; i <= 20; ++i) {
    if (IsEmptySlot(game, hero.Inventory(i).Name)) return i;
  }
  return 0;
}

void CompactInventory(const Game& game, Being& hero) {
  // Each pass moves every gap at least one slot back; 20 passes always settle it.
  for (int pass = 0; pass < 20; ++pass) {
    bool swapped = false;
    for (int i = 1; i <= 19; ++i) {
      if (IsEmptySlot(game, hero.Inventory(i).Name) &&
          !IsEmptySlot(game, hero.Inventory(i + 1).Name)) {
        SwapItems(hero.Inventory(i), hero.Inventory(i + 1));
        swapped = true;
      }
    }
    if (!swapped) break;
  }
}

void Say(Game& game, const std::string& text) { game.ui().MessageBox(text, Buttons::Ok, "Zorvek"); }

std::optional<double> AskQuantity(Game& game, const std::string& prompt, const std::string& title,
                                  double most) {
  double v = ParseTypedNumber(game.ui().InputBox(prompt, title));
  if (v < 1 || v > most) return std::nullopt;
  return v;
}

WornBonus WornBy(const Being& hero) {
  return {std::max<int32_t>(0, hero.LeftHand.DefenceBonus),
          std::max<int32_t>(0, hero.Body.ArmourBonus)};
}

namespace {

void Follow(int32_t& value, int32_t before, int32_t after) {
  if (before == after) return;
  value = std::max<int32_t>(0, Add32(value, static_cast<int64_t>(after) - before));
}

}  // namespace

void Rebalance(Being& hero, WornBonus before) {
  WornBonus after = WornBy(hero);
  Follow(hero.Defence, before.Shield, after.Shield);
  Follow(hero.Armour, before.Armour, after.Armour);
}

namespace {

constexpr const char* kNotInHand = "Ese objeto no se puede colocar en la mano";

// A two-handed object needs the other hand free: its object goes to the first empty
// pack slot. False, after telling so, when the pack has no room for it.
bool FreeOtherHand(Game& game, Being& hero, Item& otherHand, const char* handName) {
  int k = FirstFreeSlot(game, hero);
  if (k == 0) {
    Say(game, std::string("No puede colocar ahí el arma a dos manos porque no hay espacio para "
                          "liberar la mano ") +
                  handName);
    return false;
  }
  SwapItems(otherHand, hero.Inventory(k));
  return true;
}

void RightHandSteps(Game& game, Being& hero, Place place) {
  if (IsSet(hero.LeftHand.IsTwoHanded)) {
    Say(game,
        "Debe quitar el arma a dos manos de la mano izquierda para poder agarrar otras cosas con "
        "la mano derecha");
    return;
  }
  Item& object = ItemAt(hero, place);
  if (IsSet(object.IsTwoHanded) && !FreeOtherHand(game, hero, hero.LeftHand, "izquierda")) return;
  if (object.ArmourBonus > 0) {
    Say(game, kNotInHand);
    return;
  }
  SwapItems(object, hero.RightHand);
}

void LeftHandSteps(Game& game, Being& hero, Place place) {
  if (IsSet(hero.RightHand.IsTwoHanded)) {
    Say(game,
        "Debe quitar el arma a dos manos de la mano derecha para poder agarrar otras cosas con "
        "la mano izquierda");
    return;
  }
  Item& object = ItemAt(hero, place);
  if (IsSet(object.IsTwoHanded) && !FreeOtherHand(game, hero, hero.RightHand, "derecha")) return;
  if (object.ArmourBonus > 0) {
    Say(game, kNotInHand);
    return;
  }
  SwapItems(object, hero.LeftHand);
}

}  // namespace

void MoveToRightHand(Game& game, Being& hero, Place place) {
  WornBonus before = WornBy(hero);
  RightHandSteps(game, hero, place);
  Rebalance(hero, before);
}

void MoveToLeftHand(Game& game, Being& hero, Place place) {
  WornBonus before = WornBy(hero);
  LeftHandSteps(game, hero, place);
  Rebalance(hero, before);
}

void MoveToBody(Game& game, Being& hero, Place place) {
  Item& object = ItemAt(hero, place);
  if (object.ArmourBonus == 0) {
    Say(game, "Ese objeto no puede colocarse en el cuerpo.");
    return;
  }
  WornBonus before = WornBy(hero);
  SwapItems(object, hero.Body);
  Rebalance(hero, before);
}

void MoveToPack(Game& game, Being& hero, Place place) {
  int k = FirstFreeSlot(game, hero);
  if (k == 0) {
    Say(game,
        "No hay espacio en el inventario general para mover ahí ese objeto. Deje algo y vuelva a "
        "intentarlo.");
    return;
  }
  WornBonus before = WornBy(hero);
  SwapItems(ItemAt(hero, place), hero.Inventory(k));
  Rebalance(hero, before);
}

}  // namespace zorvek::party
