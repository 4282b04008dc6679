#pragma once

#include <cstdint>
#include <string>

#include "model/Game.hpp"

namespace zorvek {

// For a column or a row of the cell functions: the cursor's.
inline constexpr int kAtCursor = -1;

// The first exit slot (1 to 5) of the current room standing on (x, y), or 0; either may
// be kAtCursor. Empty slots sit at (0, 0).
int ExitAt(const Game& game, int x, int y);

// What entering a room does with the data line's text.
enum class DataLine { Clear, Keep };

// The party enters Rooms(room) through the exit it left the last room by, on wall
// `leftBy` of that room (WallSide::None: from nowhere).
void EnterRoom(Game& game, int room, WallSide leftBy, DataLine dataLine);

// Gives CurrentRoom its name and decoration for phases 2 to 5 (on entering it); the
// change is also written to Rooms(CurrentRoomIndex), the room entered, so that it lasts.
void RenameRoomForPhase(Game& game);

// The movement part of the keyboard: every key no other command takes comes here.
void StepCursor(Game& game, int16_t keyCode);

// Writes the description of the cursor's cell to the data line.
void DescribeCell(Game& game);

// Tries to open the locked exit under the cursor with a key a hero carries.
bool UnlockExit(Game& game);

// The adjective of a lock number, or "" for a number no lock has.
std::string LockNameOf(const Game& game, int lockNo);

// Reports: what stands and lies on a cell (kAtCursor: the cursor's), and the room and party
// reports of the S, E, T and V keys.
std::string BeingsAt(const Game& game, int x, int y);
std::string ObjectsAt(const Game& game, int x, int y);
std::string ExitsReport(const Game& game);
std::string BeingsReport(const Game& game);
std::string ObjectsReport(const Game& game);
std::string PartyReport(const Game& game);

}  // namespace zorvek
