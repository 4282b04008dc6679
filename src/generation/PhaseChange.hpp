#pragma once

#include "model/Game.hpp"

namespace zorvek {

// Entering room 0: congratulations, the next phase's music and dungeon around the
// party, or the closing story after the fifth.
void CompletePhase(Game& game);

// The closing story; the game window closes afterwards.
void FinalVictory(Game& game);

// Every hero has fallen: the farewell, then the program ends at once.
void PartyLost(Game& game);

}  // namespace zorvek
