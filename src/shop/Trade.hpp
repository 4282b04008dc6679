#pragma once

#include <string>

#include "model/Game.hpp"
#include "party/Equipment.hpp"

// The gnome's trade: buying from the shelves (the current room's objects), selling,
// and handing coins to another hero.
namespace zorvek::shop {

// The codes of a hero's goods in the shop's lists: 1 right hand, 2 left hand, 3 body,
// 100 + n pack slot n.
party::Place PlaceOfCode(int code);

// The shelf line of an object: "Espada larga: 12 monedas.".
std::string ShelfLine(const Item& item);
// The line of one of a hero's goods: its name and, for a stack, "(3)".
std::string GoodsLine(const Item& item);

// Hero (party position) buys the object of shelf slot `slot`. True when bought; the
// shelves are then packed again.
bool Buy(Game& game, int hero, int slot);

// Hero sells the goods with list code `code`, after asking how many and whether the
// offer suits. True when sold.
bool Sell(Game& game, int hero, int code);

// Hero hands some of its coins to another living hero.
void GiveCoins(Game& game, int hero);

// Packs the shelves: no gap stays between the objects, which keep their order.
void CompactShelves(Game& game);

}  // namespace zorvek::shop
