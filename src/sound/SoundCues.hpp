#pragma once

#include <cstdint>
#include <string_view>

#include "model/Game.hpp"

namespace zorvek {

// The effects channels of the cues (a namespace of their own keeps the short names
// clear of the callers' constants).
namespace effect_channel {
inline constexpr int kFootsteps = 0;
inline constexpr int kMonsterSteps = 1;
inline constexpr int kKey = 2;
inline constexpr int kFirstWind = 3;    // exits 1 to 4 on channels 3 to 6
inline constexpr int kFirstCombat = 8;  // combat sounds rotate over 8 to 11
inline constexpr int kLastCombat = 11;
inline constexpr int kTake = 12;
inline constexpr int kStairs = 13;
inline constexpr int kTemple = 14;
inline constexpr int kLevelUp = 15;
inline constexpr int kFirstBeacon = 16;  // object slots 1 to 10 on channels 16 to 25
inline constexpr int kBeaconCount = 10;
inline constexpr int kLast = 25;
}  // namespace effect_channel

// Volume given to a sound that is out of earshot.
inline constexpr int32_t kOutOfEarshotVolume = -400;

// Opens both banks, loads every fixed effect and starts the first phase's music.
void InitSounds(Game& game);

// Stereo position of a column of the current room: negative left, positive right.
int32_t Pan(const Game& game, int column);
// Loudness of a row: the nearer the bottom wall, the louder.
int32_t Volume(int row);

// Volume of an exit's wind heard from the party's cell: 85 to 100 within three steps
// (never three along one axis), out of earshot beyond.
int32_t ExitWindVolume(const Game& game, int x, int y);

// Plays the cue `name` for a source on (x, y). In combat the name is a weapon or spell
// and its combat sound is played too.
void PlayCue(Game& game, std::string_view name, int x, int y, Flag combat);

// Re-levels the wind of the current room's exits after the party moved.
void UpdateExitWind(Game& game);

// Restart: stops and starts again the beacons of the objects lying in the current room.
// Either way, levels every beacon for the party's cell: only objects on the party's
// cell or next to it are heard.
enum class Beacons { Restart, LevelOnly };
void RefreshBeacons(Game& game, Beacons how);

}  // namespace zorvek
