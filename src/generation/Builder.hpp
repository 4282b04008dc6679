#pragma once

// Shared by the generation files only: the build context and the room geometry.

#include <cstdint>
#include <stdexcept>

#include "generation/Generation.hpp"

namespace zorvek::build {

// Thrown inside a strict build when a bounded placement ran out of tries; the
// generation driver catches it and builds the phase again.
struct Setback {};

// The dungeon being built and what to do when a bounded search runs out of tries:
// a strict build gives up (and is regenerated), a lenient one falls back to a
// deterministic choice or leaves the placement out.
struct Build {
  Game& game;
  bool strict = false;

  double Rnd() { return game.Rnd(); }
  // Called when a bounded search ran out; throws in a strict build.
  void OutOfTries() const {
    if (strict) throw Setback{};
  }
};

// Tries allowed to the repeat-until loops of the generation.
inline constexpr int kSideTries = 64;
inline constexpr int kSizeTries = 64;
inline constexpr int kRoomTries = 400;

// A door cell in a wall.
struct Cell {
  int16_t X = 0;
  int16_t Y = 0;
};

inline constexpr int kExitSlots = 5;
inline constexpr int kItemSlots = 20;
inline constexpr int kBeingSlots = 20;

inline bool InUse(const Exit& exit) { return !exit.Kind.IsEmpty(); }

// Whether some door in use lies on wall `side` of the room (judged by its cell).
bool WallTaken(const Room& room, int side);
// The number of walls holding a door.
int TakenWalls(const Room& room);
// The wall a cell of the room lies on: 1 left, 2 top, 3 right, 4 bottom (first match).
int16_t SideOfCell(const Room& room, Cell cell);
// A side drawn at random among the room's free walls.
int16_t RandomFreeSide(Build& b, const Room& room);
// The cell of a forward door on wall `side` (one draw).
Cell WallCell(Build& b, const Room& room, int side);
// The cell of a back door on wall `side` of a room of that size (four draws).
Cell BackDoorCell(Build& b, int16_t width, int16_t height, int side);
// The first exit slot that holds no door and leads nowhere; 0 when there is none.
int FreeExitSlot(const Room& room);
// The first object slot with an empty name; 0 when there is none.
int FreeItemSlot(const Game& game, const Room& room);
// The door kind of Int(r x 3) + 1: "puerta", "reja" or "escalera".
const char* RandomDoorKind(Build& b);
// The highest room index.
inline int LastRoom(const Game& game) { return game.Rooms.Upper(); }

// The lenient (standalone) and strict variants of the placements the driver runs.
void AddRoom(Build& b, int parent, Cell door, int doorSlot, int16_t& budget, int16_t groupLife,
             int16_t leastLife, int16_t greatestLife);
void PopulateRoom(Build& b, int16_t groupLife, int16_t leastLife, int16_t greatestLife, int room);
void PlaceBoss(Build& b);
void PlaceExitStairs(Build& b);
void PlaceShops(Build& b, int count, int startRoom);
void PlaceTemple(Build& b);
void AddShortcut(Build& b);
void PlaceBarPuzzles(Build& b);
// Locks exit `slot` of a room with the next lock number; false beyond lock 20.
bool LockDoor(Game& game, int room, int slot);
// Opens closed doors on the edge of the reachable part until CheckSolvable passes
// (the last resort of the driver). Returns the number of doors opened.
int OpenDoorsUntilSolvable(Game& game);

}  // namespace zorvek::build
