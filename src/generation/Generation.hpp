#pragma once

#include <cstdint>

#include "model/Game.hpp"

namespace zorvek {

// One row of the phase table: how a phase's dungeon is grown.
struct PhaseParameters {
  int16_t StartRoom;
  int16_t Exits;
  int16_t RoomBudget;
  int16_t EntrySide;
  int16_t GroupLife;
  int16_t LeastLife;
  int16_t GreatestLife;
  int16_t LockPairs;
};

// The row of phase 1 to 5.
const PhaseParameters& PhaseRow(int phase);

// Fills rooms 1 to 4 of phase 1 (the array already has bounds 0 to 4) and copies
// room 1 into CurrentRoom.
void BuildStartingArea(Game& game);

// Places a group of monsters whose kinds' lives lie in [leastLife, greatestLife] in a
// room. A group never holds more beings than the room has free being slots.
void PopulateRoom(Game& game, int16_t groupLife, int16_t leastLife, int16_t greatestLife,
                  int room);

// Locks the last forward door of a room with lock number LocksPlaced + 1. Returns
// whether a lock was placed (never for slot 1, never beyond lock 20).
bool PlaceLock(Game& game, int room);

// Multiplies the characteristics and armour of every placed monster by the difficulty
// and recomputes their derived values (game start only).
void ScaleForDifficulty(Game& game);

}  // namespace zorvek

namespace zorvek {

// Builds the whole dungeon of a phase from startRoom (see the phase table). entrySide
// comes back replaced by its opposite when it was above 0.
void GenerateDungeon(Game& game, int16_t startRoom, int16_t exits, int16_t roomBudget,
                     int16_t& entrySide, int16_t groupLife, int16_t leastLife,
                     int16_t greatestLife, int16_t lockPairs);

// Builds phase 2 to 5's dungeon the way the phase change does: room 1 a new 10 x 10
// "Gran sala de columnas", new lock names, counters reset, the phase's table row,
// a shortcut from phase 3 on and bar puzzles from phase 4 on. Sets Phase.
void BuildPhaseDungeon(Game& game, int phase);

}  // namespace zorvek
