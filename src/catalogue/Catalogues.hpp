#pragma once

#include <string>

#include "model/Game.hpp"

namespace zorvek {

// Empties the party and fills DungeonBeings 1 to 19 with the twelve hero candidates
// (13 to 19 stay empty), standing in room 1.
void BuildHeroRoster(Game& game);

// Fills MonsterCatalogue 1 to 19 (with the scroll draws of the three spell casters)
// and Bosses 1 to 5.
void BuildMonsterCatalogue(Game& game);

// Fills ItemCatalogue and ItemTiers 0 to 56 (entry 0 empty).
void BuildItemCatalogue(Game& game);

// First and last catalogue index of a tier (phase); {0, -1} when the tier has none.
struct TierRange {
  int First = 0;
  int Last = -1;
};
TierRange TierBounds(const Game& game, int tier);

// The "Examinar" text of an item.
std::string DescribeItem(const Item& item);

// What a fallen being leaves on the floor of the current room: its belongings, maybe a
// ration and a potion, and some coins.
void DropBelongings(Game& game, const Being& being);

}  // namespace zorvek
