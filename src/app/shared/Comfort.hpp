#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/shared/ReviewBuffer.hpp"
#include "app/shared/ScaledSound.hpp"
#include "app/shared/Settings.hpp"
#include "model/Game.hpp"
#include "platform/Dialog.hpp"

namespace zorvek::frontend {

// The keys of the conveniences a front-end adds to the game window, on function keys no
// state of the game uses: F9 and Shift + F9 the previous and the first text told, F10 and
// Shift + F10 the next and the last, F11 the latest again, F12 the front-end's full key
// help, F6 the settings. With modifiers other than Shift they stay the game's.
inline constexpr int16_t kSettingsKey = 117;    // F6
inline constexpr int16_t kReviewBackKey = 120;  // F9
inline constexpr int16_t kReviewOnKey = 121;    // F10
inline constexpr int16_t kRepeatKey = 122;      // F11
inline constexpr int16_t kKeyHelpKey = 123;     // F12

struct ComfortSetup {
  ScaledSoundSystem* Sound = nullptr;  // the levels apply here; none: no volumes
  std::filesystem::path SettingsFile;  // where changes are kept; empty: nowhere
  Settings Initial;
  std::string KeyHelp;                           // what F12 says
  bool Speaks = false;                           // the front-end speaks itself (--speak)
  std::vector<std::string> Voices;               // the Spanish voices it can speak with
  std::function<void(const Settings&)> Applied;  // after every change
};

// The review of past texts, the settings menu and the key help, for one program run:
// the front-end hands each key of its game window here first, and each text the player
// is told to Review(). While the settings menu is open it takes the keys (Up and Down
// choose a setting, Left and Right lower and raise it by 10 %, Space mutes or switches,
// Escape, Enter or F6 close it); the front-end holds the game's timers meanwhile, as
// under a box.
class Comfort {
 public:
  explicit Comfort(ComfortSetup setup);

  // What to tell for a key that is one of these; nullopt for a key of the game.
  std::optional<std::string> HandleKey(int16_t code, int16_t shift);
  bool MenuOpen() const { return menuOpen_; }

  ReviewBuffer& Review() { return review_; }
  const Settings& Current() const { return settings_; }
  // The sound the levels apply to, when it opens after the settings were read.
  void UseSound(ScaledSoundSystem& sound);
  // The coordinates reading as the game has it after a key; kept when it changed.
  void KeepCoordinates(bool on);

 private:
  enum class Item { Music, Effects, Speech, Rate, Voice };

  std::string MenuKey(int16_t code, int16_t shift);
  std::string Describe(Item item) const;
  // Left (-1) or Right (+1) on a setting; Space is 0.
  void Change(Item item, int step);
  // Hands the levels to the sound and the rest to the front-end.
  void Apply();
  // Applies and keeps the settings after a change.
  void Changed();

  ComfortSetup setup_;
  Settings settings_;
  ReviewBuffer review_;
  std::vector<Item> items_;
  std::size_t chosen_ = 0;
  bool menuOpen_ = false;
  bool saveFailed_ = false;
};

// The full key help of a front-end (F12): every key of the game in every state and these
// conveniences, with the front-end's own ways of taking an object, checking the
// labyrinth, working its windows and boxes, and its own keys.
struct KeyHelpParts {
  std::string_view TakeKey;   // "Control + número"
  std::string_view CheckKey;  // "Mayúsculas + Control + F5"
  std::string_view Windows;   // how the party dialog, the shop and the boxes are worked
  std::string_view OwnKeys;   // the front-end's own keys; may be empty
};
std::string FullKeyHelp(const KeyHelpParts& parts);

// What a change in a party dialog or shop tells the player and the review keeps: the new
// text of one of its texts or lines (a hero's sheet, a price), in plain lines.
std::optional<std::string> DialogNews(DialogId dialog, const std::string& control,
                                      const ControlView& view);

// Gives a game window just started the player's coordinates reading (a new game starts
// with it on); its first cell is then described again, as the player will hear it.
void ApplyCoordinates(Game& game, const Comfort& comfort);

}  // namespace zorvek::frontend
