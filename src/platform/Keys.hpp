#pragma once

#include <cstdint>

namespace zorvek {

// Key codes of the game window's key events, as every front-end hands them to the
// engine.
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
inline constexpr int16_t kA = 65;
inline constexpr int16_t kC = 67;
inline constexpr int16_t kE = 69;
inline constexpr int16_t kG = 71;
inline constexpr int16_t kH = 72;
inline constexpr int16_t kS = 83;
inline constexpr int16_t kT = 84;
inline constexpr int16_t kV = 86;
inline constexpr int16_t kApps = 93;
inline constexpr int16_t kF1 = 112;
inline constexpr int16_t kF2 = 113;
inline constexpr int16_t kF3 = 114;
inline constexpr int16_t kF4 = 115;
inline constexpr int16_t kF5 = 116;
inline constexpr int16_t kF7 = 118;
inline constexpr int16_t kF8 = 119;
}  // namespace keys

// Modifier mask of a key event.
inline constexpr int16_t kShiftMask = 1;
inline constexpr int16_t kControlMask = 2;
inline constexpr int16_t kAltMask = 4;

}  // namespace zorvek
