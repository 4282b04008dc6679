#pragma once

#include <string>

#include "model/Game.hpp"

namespace zorvek {

// The numbered menu of what stands and lies on the cursor's cell, driven by Enter with
// the digits typed since the menu opened.
void HandleCellMenu(Game& game, const std::string& input);

// Closes the cell menu (state 0, typed digits cleared); writes nothing.
void ResetCellMenu(Game& game);

// Whether taking plays the taking sound first (the menu does, Control+number does not).
enum class TakingCue { Play, Silent };

// Hero `hero` (party position) takes the object in slot `slot` of the current room.
void TakeObject(Game& game, int hero, int slot, TakingCue cue);

// Control + digit: the pickup hero takes the n-th object on the cursor's cell.
void TakeByNumber(Game& game, int n);

// C: the pickup hero takes everything that can be taken from the cursor's cell.
void TakeAll(Game& game);

}  // namespace zorvek
