#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/Game.hpp"
#include "startup/SaveFormat.hpp"

namespace zorvek::testing {

// The rules a game keeps after every key, tick and answer, in every phase:
// - no key of the phase exists twice (on floors, in packs and hands of the party and of
//   the beings still standing in a room);
// - no key disappears while its lock is shut (a key is used up only by opening its lock);
// - a stored room's name and objects change only while the party is in it, and the
//   stored copy of that room is what the party sees;
// - no being has more life than its maximum;
// - the party holds the heroes recruited, at most four, all different, none of them
//   still waiting in a room; no hero's coins are negative;
// - a save followed by a load gives back the same tables.
// A watch remembers how the previous step left the game, for the rules about change.
// BrokenRules checks the rules about one moment.
class GameWatch {
 public:
  // The save and load, by far the dearest rule to check, is tried after every
  // `saveEvery` steps and after every phase change and load; the others after each step.
  explicit GameWatch(const Game& game, int saveEvery = 16);

  // The rules broken by the step that led to `game`, one sentence each.
  std::vector<std::string> Check(const Game& game);

  // The phase changes the watched game went through.
  int PhaseChanges() const { return phaseChanges_; }

 private:
  struct RoomLook {
    Name100 Name;
    Slots<Item, 20> Items;
  };

  using Keys = std::map<int16_t, std::vector<std::string>>;  // key number -> where it is
  Keys KeysOf(const Game& game) const;
  bool IsKeyOfPhase(const Game& game, const Item& item) const;
  void TakeRooms(const Game& game);
  void CheckRooms(const Game& game, bool sameDungeon, std::vector<std::string>& broken);
  void CheckKeys(const Game& game, const Keys& keys, bool sameDungeon,
                 std::vector<std::string>& broken) const;

  int saveEvery_;
  int steps_ = 0;
  int phaseChanges_ = 0;
  // How the previous step left the game.
  int16_t phase_ = 0;
  int16_t roomIndex_ = 0;
  Keys keys_;
  std::vector<RoomLook> rooms_;
  // Keys the party brought from an earlier phase: they open nothing of this one.
  std::set<std::pair<int16_t, std::string>> oldKeys_;
};

// The first of the things a save holds in which two games differ ("" when none does):
// line 1, a lock name, the party, the bosses, the current room or an entry of a table.
std::string SavedDifference(const Game& want, const Game& got);
std::string SavedDifference(const Game& game, const save_format::SavedGame& saved);

// The rules about a single moment (all but those about change), for any game.
std::vector<std::string> BrokenRules(const Game& game);

}  // namespace zorvek::testing
