#pragma once

#include <cstdint>

#include "model/Game.hpp"

namespace zorvek {

// The music of a phase: its file in the sound directory and its volume.
struct PhaseMusic {
  const char* File;
  int32_t Volume;
};

// Phase 1 to 5's music (a phase outside that range reads the nearest one).
const PhaseMusic& MusicOfPhase(int phase);

// Entering room 0: congratulations, the next phase's music and dungeon around the
// party, or the closing story after the fifth.
void CompletePhase(Game& game);

// The closing story; the game window closes afterwards.
void FinalVictory(Game& game);

// Every hero has fallen: the farewell, then the program ends at once.
void PartyLost(Game& game);

}  // namespace zorvek
