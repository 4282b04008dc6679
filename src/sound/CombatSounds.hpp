#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/Game.hpp"

namespace zorvek {

// Result codes of a queued combat sound.
inline constexpr int16_t kCombatEmpty = -1;
inline constexpr int16_t kCombatMiss = 0;
inline constexpr int16_t kCombatDamage = 1;
inline constexpr int16_t kCombatKill = 2;

inline constexpr int kCombatQueueSize = 30;

// The file of a weapon's or spell's combat sound: chosen by parts of its name
// (case-sensitive, first match wins); a hit (result not 0) takes the "1" variant
// where there is one.
std::string CombatSoundFile(std::string_view name, int16_t result);

// Plays the combat sound of `name` on the next combat channel (8 to 11 in rotation) at
// the party's place, for the queue entry at the cursor; a kill adds a scream on the
// channel after it.
void PlayCombatSound(Game& game, std::string_view name);

// Empties all thirty entries and puts the cursor back to 0 (start of a combat turn).
void ClearCombatQueue(Game& game);

// Advances the cursor and writes the entry there. A full queue keeps its thirty
// sounds: the cursor then stands past the end and nothing is written. Returns whether
// the sound was queued.
bool QueueCombatSound(Game& game, const std::string& name, int16_t result);

// Changes the result code of the entry at the cursor (a hit or a kill decided after
// queueing); does nothing when the cursor is on no entry.
void SetQueuedCombatResult(Game& game, int16_t result);

// The result code of the entry at the cursor; 0 when the cursor is on no entry.
int16_t QueuedCombatResult(const Game& game);

// One tick of TMRSonidos: plays the next queued sound, skipping empty entries. Past the
// last entry the beacons come back and the timer stops.
void SoundsTick(Game& game);

}  // namespace zorvek
