#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/Records.hpp"
#include "model/SoundState.hpp"
#include "model/Table.hpp"
#include "platform/Clock.hpp"
#include "platform/Random.hpp"
#include "platform/SoundPlayer.hpp"
#include "platform/Ui.hpp"

namespace zorvek {

// The outside world as the engine sees it.
struct Ports {
  Ui& ui;
  Random& random;
  Clock& clock;
  SoundSystem& sound;
};

// Run settings a front-end hands to the game window before it opens.
struct RunSettings {
  std::string ProgramDir = ".";      // save files live here, and the sounds unless DataDir says
  std::optional<int32_t> FixedSeed;  // every seeding uses this instead of the clock
  // The folder of the game's own files, the Sonidos folder and sample.wav, when they do
  // not lie in ProgramDir (an installed game reads them from its shared data folder and
  // keeps its saves in the player's). Empty: ProgramDir.
  std::string DataDir{};

  // Where the game's own files are read from.
  const std::string& FilesDir() const { return DataDir.empty() ? ProgramDir : DataDir; }
};

// An entry of the cell menu: a being (kind 1) or an object (kind 2) of the current
// room, by its slot in the room's list.
struct CellMenuOption {
  int16_t Kind = 0;
  int16_t Index = 0;
};

class Game;

// What the board sets off but leaves to the layers above it, which install these when
// the game window opens. Unset, the board does its own part and nothing more.
struct BoardHooks {
  // The party stepped into the staircase room (room 0): the phase is over.
  std::function<void(Game&)> PhaseEnded;
  // A key pressed for the party, as the keyboard takes it: the walk out of a shop.
  std::function<void(Game&, int16_t keyCode)> PressKey;
};

// The whole state of one game window: every table, record and member of the game,
// the text areas and the timers' enabled flags. Procedures take it explicitly.
class Game {
 public:
  explicit Game(Ports ports, RunSettings settings = {});

  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // --- tables and values of the game ---
  Table<Room> Rooms;              // from 0; room 0 ends the phase
  Table<Being> DungeonBeings;     // from 1: heroes 1-12, monsters from 20
  Table<Being> MonsterCatalogue;  // 1 to 19
  Slots<Being, 10> Bosses;        // boss of phase k at k
  Slots<Being, 4> Party;          // marching order
  int16_t CursorX = 0;
  int16_t CursorY = 0;
  int16_t Phase = 0;
  Room CurrentRoom;
  int16_t CurrentRoomIndex = 0;
  Table<std::string> LockNames{-1, 20};  // 1 to 20 in use
  int32_t Difficulty = 1;
  const std::string EmptyName;  // never assigned: always ""
  bool LoadOnStart = false;
  Table<Item> ItemCatalogue;  // 0 to 56, entry 0 empty
  Table<int16_t> ItemTiers;   // tier (phase) of each catalogue entry

  // --- members of the game window ---
  int16_t CellMenuState = 0;
  std::string CellMenuInput;
  Slots<CellMenuOption, 30> CellMenuOptions;
  int16_t CellMenuCount = 0;
  CellMenuOption CellMenuSelection;
  bool InCombat = false;
  bool AnyRecruited = false;
  bool RecruitingOpen = true;
  int16_t RecruitedCount = 0;
  bool ReadCoordinates = true;
  int16_t PickupHero = 1;
  std::string SoundDir;
  const Item EmptyItem{};
  SoundState Sound;  // the two banks of channels and the combat sound queue
  BoardHooks Hooks;

  // --- combat ---
  // The monster (DungeonBeings index, 0 = none) in each combat slot 1 to 20; slots 1
  // and 2 are the monsters' front row. Index 0 is never used.
  Table<int16_t> CombatSlots{0, 20};
  int16_t ShieldBonus = 0;         // defence every hero gains from air spells
  int16_t DamageBonus = 0;         // damage every hero's blow gains from earth spells
  Slots<int16_t, 4> ShieldShares;  // each party position's last air spell in ShieldBonus
  Slots<int16_t, 4> DamageShares;  // each party position's last earth spell in DamageBonus

  // --- the dungeon builder's counters ---
  int16_t KeysPlaced = 0;
  int16_t LocksPlaced = 0;
  int16_t LockSpacing = 0;
  int16_t BranchBaseRoom = 0;
  int16_t KeysLeft = 0;
  int16_t LocksLeft = 0;

  // --- text areas ---
  const std::string& Text(TextArea area) const { return texts_.at(Slot(area)); }
  // Replaces the whole text of an area (appending is done by the caller).
  void SetText(TextArea area, const std::string& text);

  // --- timers ---
  bool TimerEnabled(TimerId timer) const { return timers_.at(Slot(timer)); }
  void SetTimer(TimerId timer, bool enabled);

  // --- the window's life ---
  bool WindowClosed() const { return windowClosed_; }
  bool ProgramEnded() const { return programEnded_; }
  void CloseWindow();
  void EndProgram();

  // --- ports and settings ---
  Ui& ui() { return ports_.ui; }
  Random& random() { return ports_.random; }
  Clock& clock() { return ports_.clock; }
  SoundSystem& sound() { return ports_.sound; }
  const RunSettings& settings() const { return settings_; }

  // A uniform draw r in [0, 1) from the shared generator.
  double Rnd() { return ports_.random.Next(); }

 private:
  static std::size_t Slot(TextArea a) { return static_cast<std::size_t>(a); }
  static std::size_t Slot(TimerId t) { return static_cast<std::size_t>(t); }

  Ports ports_;
  RunSettings settings_;
  std::array<std::string, 3> texts_{};
  std::array<bool, 3> timers_{};
  bool windowClosed_ = false;
  bool programEnded_ = false;
};

// The trimmed name test of the game: a slot whose trimmed name equals EmptyName is empty.
inline bool IsEmptySlot(const Game& game, const Name100& name) {
  return name.Trimmed() == game.EmptyName;
}

// Whether DungeonBeings(index) is a monster or a boss: an entry in use that is not a hero
// candidate. Numbers cannot tell them apart: the first phase numbers the candidates from 1
// and its monsters from 20, but after a phase change the monsters are numbered from 2.
inline bool IsMonster(const Game& game, int index) {
  if (index < 1 || !game.DungeonBeings.Has(index)) return false;
  const Being& being = game.DungeonBeings(index);
  return !IsSet(being.IsHero) && !IsEmptySlot(game, being.Name);
}

// The greatest DungeonBeings index of a monster in a room's being list, 0 when the room
// holds none.
inline int16_t LastMonsterIn(const Game& game, const Room& room) {
  int16_t last = 0;
  for (int16_t index : room.Beings) {
    if (index > last && IsMonster(game, index)) last = index;
  }
  return last;
}

}  // namespace zorvek
