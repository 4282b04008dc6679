#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zorvek::tty {

// A key as a terminal sent it.
struct Key {
  int16_t Code = 0;   // the game's key code; 0 for a key the game has no code for
  int16_t Shift = 0;  // Shift 1, Control 2, Alt 4, added together
  std::string Text;   // the character typed, UTF-8, for keys that type one

  bool operator==(const Key& other) const = default;
};

// Turns the bytes a terminal sends into keys: the Linux console's and xterm's sequences
// (SSH passes them on unchanged), rxvt's modified keys, UTF-8 letters and control bytes.
// Escape also starts every sequence, so a lone Escape is only known once a short wait
// has passed without more bytes: while Waiting(), the caller waits that long and then
// calls Timeout(). Nothing here reads or waits itself.
class KeyDecoder {
 public:
  // The keys the bytes complete; the start of an unfinished sequence is kept.
  std::vector<Key> Feed(std::string_view bytes);
  // Whether the start of a sequence waits for the rest.
  bool Waiting() const { return !pending_.empty(); }
  // The wait ran out: what waits is a key of its own (Escape, an Alt key, or a key the
  // game has no code for).
  std::vector<Key> Timeout();

  // Longer sequences than this are no key of any terminal: they are dropped as unknown.
  static constexpr std::size_t kLongestSequence = 32;

 private:
  std::string pending_;
  bool afterCr_ = false;  // the last read ended in CR: a LF opening the next is part of it
};

// A key press as the game window's key handler receives it.
struct GameKey {
  int16_t Code = 0;
  int16_t Shift = 0;

  bool operator==(const GameKey& other) const = default;
};

// The game's key press for a terminal key. Terminals cannot send Control with a digit
// or most Control combinations with function keys, so two bindings stand in for them:
// Alt + digit (Escape, then the digit) is Control + digit, and Alt + L is Shift +
// Control + F5. Nullopt for a key the game has no code for.
std::optional<GameKey> GameKeyOf(const Key& key);

// Keys of the terminal front-end itself.
bool IsInterrupt(const Key& key);    // Control + C: the program ends
bool IsCloseWindow(const Key& key);  // Control + Q: the game window (or the menu) closes
bool IsHelp(const Key& key);         // ?: the help below

// The terminal front-end's own help, shown as it starts and on keys that mean nothing
// to the game: where its keys differ from the desktop's.
std::string_view TerminalHelp();

}  // namespace zorvek::tty
