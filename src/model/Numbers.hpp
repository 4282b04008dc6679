#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace zorvek {

// A flag field of a record: -1 is true, 0 is false, any non-zero value tests true.
using Flag = int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;
inline constexpr Flag ToFlag(bool b) { return b ? kTrue : kFalse; }
inline constexpr bool IsSet(Flag f) { return f != 0; }

// Rounds to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundHalfEven(double x);

// Int: rounds down. Results outside the 32-bit range are pinned to its ends.
int32_t Int(double x);

// CInt: nearest 16-bit integer, halves to even; pinned to the 16-bit range.
int16_t CInt(double x);

// CLng: nearest 32-bit integer, halves to even; pinned to the 32-bit range.
int32_t CLng(double x);

// Pins a wide value into the range of a 16-bit field instead of letting it wrap.
int16_t Clamp16(int64_t v);
// Pins a wide value into the range of a 32-bit field instead of letting it wrap.
int32_t Clamp32(int64_t v);

// 16-bit and 32-bit arithmetic of the game: computed wide, pinned to the width.
inline int16_t Add16(int64_t a, int64_t b) { return Clamp16(a + b); }
inline int16_t Mul16(int64_t a, int64_t b) { return Clamp16(a * b); }
inline int32_t Add32(int64_t a, int64_t b) { return Clamp32(a + b); }
inline int32_t Mul32(int64_t a, int64_t b) { return Clamp32(a * b); }

// Every number the player types (menus, input boxes) goes through this one reader:
// leading blanks, an optional sign, digits, an optional fraction (after '.' or ','),
// trailing blanks. Anything else, including an empty text, reads as 0.
double ParseTypedNumber(std::string_view text);

// The typed number as a whole value for a 16-bit field: the fraction is dropped
// (rounding down, as Int does); nullopt when it does not fit in 16 bits.
std::optional<int16_t> TypedNumberAsInt16(std::string_view text);

}  // namespace zorvek
