#pragma once

#include <cstdint>
#include <optional>

class QKeyEvent;

namespace zorvek::qt {

// A key press as the game window's key handler receives it.
struct GameKey {
  int16_t Code = 0;
  int16_t Shift = 0;  // Shift 1, Control 2, Alt 4, added together
};

// The game's key code and modifier mask of a Qt key press; nullopt for keys that
// have no code of their own (a dead key, an unknown symbol).
std::optional<GameKey> TranslateKey(const QKeyEvent& event);

// The game's code of a Qt key (Qt::Key) pressed on the main block or, with `keypad`,
// on the numeric keypad; 0 when the key has none.
int16_t KeyCodeOf(int qtKey, bool keypad);

}  // namespace zorvek::qt
