#pragma once

#include "model/Game.hpp"

namespace zorvek {

// The twenty lock adjectives in their starting order (lock 1 first).
const std::array<const char*, 20>& LockAdjectives();

// Draws a new assignment of adjectives to lock numbers 1 to 20.
void BuildLockNames(Game& game);

// Places key number KeysPlaced + 1 in Rooms(room): in the pack of the room's first
// being when it has room, else on a random free floor slot. A key number above 20 has
// no lock name, so none is placed then. Returns whether a key was placed.
bool PlaceKey(Game& game, int room);

// The key search of walking into a locked exit: looks through the party in marching
// order (hands, body, then the pack) for the key of lock `lockNo` and uses it up.
// Returns the party position of the hero who had it, or 0.
int UseKeyForLock(Game& game, int16_t lockNo);

}  // namespace zorvek
