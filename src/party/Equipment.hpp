#pragma once

#include <optional>
#include <string>

#include "model/Game.hpp"

// The object operations of the party dialog's menu, on one hero's places.
namespace zorvek::party {

// Where an object sits on a hero: a hand, the body, a pack slot, or the coins.
enum class PlaceKind { RightHand, LeftHand, Body, Pack, Coins };

struct Place {
  PlaceKind Kind = PlaceKind::RightHand;
  int Slot = 0;  // pack slot 1 to 20, for PlaceKind::Pack
};

// The object record of a place (never the coins, which have none).
Item& ItemAt(Being& hero, Place place);
const Item& ItemAt(const Being& hero, Place place);

// The first empty pack slot of a hero, 0 when the pack is full.
int FirstFreeSlot(const Game& game, const Being& hero);

// Packs one hero's inventory: empty slots move behind the filled ones, in order.
void CompactInventory(const Game& game, Being& hero);

// A message box with the program's default title.
void Say(Game& game, const std::string& text);

// Asks for a quantity; the typed value when it lies within 1 to `most`, else nullopt.
std::optional<double> AskQuantity(Game& game, const std::string& prompt, const std::string& title,
                                  double most);

// What the left hand's shield and the body's armour add to Defence and Armour.
struct WornBonus {
  int32_t Shield = 0;
  int32_t Armour = 0;
};
WornBonus WornBy(const Being& hero);
// Defence and Armour follow what the left hand and the body hold now: each changes by
// the difference since `before`, and is then raised to 0 if negative.
void Rebalance(Being& hero, WornBonus before);

// The menu entries, on the object at `place` of `hero`. Refusals are told in message
// boxes. Defence and Armour follow the left hand and the body.
void MoveToRightHand(Game& game, Being& hero, Place place);
void MoveToLeftHand(Game& game, Being& hero, Place place);
void MoveToBody(Game& game, Being& hero, Place place);
void MoveToPack(Game& game, Being& hero, Place place);
void Give(Game& game, int giver, int receiver, Place place);  // party positions
void DropInRoom(Game& game, Being& hero, Place place);
void Use(Game& game, Being& hero, Place place);
void Examine(Game& game, const Being& hero, Place place);

}  // namespace zorvek::party
