#pragma once

#include <cstdint>

#include "model/Game.hpp"

namespace zorvek {

// Key codes of the game window's key events.
namespace keys {
inline constexpr int16_t kBackspace = 8;
inline constexpr int16_t kTab = 9;
inline constexpr int16_t kEnter = 13;
inline constexpr int16_t kControl = 17;
inline constexpr int16_t kEscape = 27;
inline constexpr int16_t kSpace = 32;
inline constexpr int16_t kLeft = 37;
inline constexpr int16_t kUp = 38;
inline constexpr int16_t kRight = 39;
inline constexpr int16_t kDown = 40;
inline constexpr int16_t kDigit0 = 48;
inline constexpr int16_t kLetterA = 65;
inline constexpr int16_t kApps = 93;
inline constexpr int16_t kF1 = 112;
}  // namespace keys

// Modifier mask of a key event.
inline constexpr int16_t kShiftMask = 1;
inline constexpr int16_t kControlMask = 2;
inline constexpr int16_t kAltMask = 4;

// Every key press of the game window comes here; the code may be set to 0 (consumed).
void HandleKey(Game& game, int16_t& keyCode, int16_t shift);

// One tick of a timer; the front-end only calls it while the timer is enabled.
void TimerTick(Game& game, TimerId timer);

}  // namespace zorvek
