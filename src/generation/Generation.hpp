#pragma once

#include <cstdint>
#include <string>

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

// The row of phase 1 to 5 (a phase outside that range reads the nearest row).
const PhaseParameters& PhaseRow(int phase);

// Fills rooms 1 to 4 of phase 1 (the array already has bounds 0 to 4) and copies
// room 1 into CurrentRoom.
void BuildStartingArea(Game& game);

// Places a group of monsters whose kinds' lives lie in [leastLife, greatestLife] in a
// room. A group never holds more beings than the room has free being slots.
void PopulateRoom(Game& game, int16_t groupLife, int16_t leastLife, int16_t greatestLife, int room);

// Locks the last forward door of a room with lock number LocksPlaced + 1. Returns
// whether a lock was placed (never for slot 1, never beyond lock 20).
bool PlaceLock(Game& game, int room);

// Multiplies the characteristics and armour of every placed monster by the difficulty
// and recomputes their derived values (game start only).
void ScaleForDifficulty(Game& game);

}  // namespace zorvek

namespace zorvek {

// Builds the whole dungeon of a phase from startRoom (see the phase table): the tree of
// rooms, boss, exit staircase, shops and temple, then the shortcut (Phase 3 on) and the
// bar puzzles (Phase 4 on). Only a dungeon that CheckSolvable accepts is kept; others
// are built again. entrySide comes back replaced by its opposite when it was above 0.
void GenerateDungeon(Game& game, int16_t startRoom, int16_t exits, int16_t roomBudget,
                     int16_t& entrySide, int16_t groupLife, int16_t leastLife, int16_t greatestLife,
                     int16_t lockPairs);

// Builds phase 2 to 5's dungeon the way the phase change does: room 1 a new 10 x 10
// "Gran sala de columnas", new lock names, counters reset, the phase's table row,
// a shortcut from phase 3 on and bar puzzles from phase 4 on. Sets Phase.
void BuildPhaseDungeon(Game& game, int phase);

// How a generation went: how many dungeons were built before one was kept.
struct GenerationReport {
  int Attempts = 0;      // dungeons built, the kept one included
  bool Relaxed = false;  // the last resort ran: placements that kept failing were eased
  int Regenerations() const { return Attempts > 0 ? Attempts - 1 : 0; }
};

// GenerateDungeon, telling how it went.
GenerationReport GenerateDungeonReported(Game& game, int16_t startRoom, int16_t exits,
                                         int16_t roomBudget, int16_t& entrySide, int16_t groupLife,
                                         int16_t leastLife, int16_t greatestLife,
                                         int16_t lockPairs);

// BuildPhaseDungeon, telling how it went.
GenerationReport BuildPhaseDungeonReported(Game& game, int phase);

// A new game up to its phase 1 generation: seeding, lock names, the starting area, the
// catalogues, the jailer's room with key 1 and lock 1.
void PrepareFirstPhase(Game& game);

// The generation part of a new game: seeding, lock names, the starting area, the
// catalogues, the jailer's room with key 1, lock 1, the phase 1 dungeon and the
// difficulty scaling.
GenerationReport BuildFirstDungeon(Game& game);

// Discards the generated part of the current phase and generates it again.
void RegeneratePhase(Game& game);

// Opens exit doorSlot of parent at (doorX, doorY), appends a new room behind it and,
// recursively, the rest of its chain. budget is what the chain may still use; it is
// halved when the new room splits off a side branch.
void AddRoom(Game& game, int parent, int16_t doorX, int16_t doorY, int doorSlot, int16_t& budget,
             int16_t groupLife, int16_t leastLife, int16_t greatestLife);

// Places the phase boss in the last room.
void PlaceBoss(Game& game);

// Joins the last room to room 0, the staircase that ends the phase.
void PlaceExitStairs(Game& game);

// Puts the characteristic object of a room of that name in its object slot 1.
void FurnishRoom(Game& game, const std::string& name, int room);

// Attaches `count` shops of ten wares of the phase's tier to rooms from startRoom on.
void PlaceShops(Game& game, int count, int startRoom);

// Turns one ordinary room into the healing temple with its altar.
void PlaceTemple(Game& game);

// Adds one door pair between two corridor-like rooms far apart (phases 3 to 5).
void AddShortcut(Game& game);

// Places two bar puzzles: a bar in one room that works a door of a later room.
void PlaceBarPuzzles(Game& game);

// Whether the party, starting in room 1 with its keys, can reach the boss's room and
// room 0, collecting every key lying in or carried in the rooms it reaches and
// pushing every bar it finds (a barred door opens once its bar's room is reached).
bool CheckSolvable(const Game& game);

}  // namespace zorvek
