#include <bitset>
#include <deque>
#include <vector>

#include "generation/Builder.hpp"

namespace zorvek {

namespace build {

namespace {

constexpr std::size_t kLockNumbers = 32768;

// The walk of the party through the dungeon from room 1.
class Walk {
 public:
  explicit Walk(const Game& game)
      : game_(game),
        reached_(static_cast<std::size_t>(std::max(game.Rooms.Upper() + 1, 1)), false),
        barred_(reached_.size()) {
    for (const Being& hero : game.Party) CollectKeysOf(hero);
    if (game.Rooms.Has(1)) Reach(1);
    Run();
  }

  bool Reached(int room) const {
    return room >= 0 && room < static_cast<int>(reached_.size()) && reached_.at(Slot(room));
  }
  bool ExitRoomReached() const { return exitRoomReached_; }
  bool Passable(int room, int slot) const {
    const Exit& exit = game_.Rooms(room).Exits(slot);
    if (IsSet(exit.IsOpen)) return true;
    if (exit.LockNo >= 1 && keys_.test(static_cast<std::size_t>(exit.LockNo))) return true;
    return barred_.at(Slot(room)).test(static_cast<std::size_t>(slot));
  }

 private:
  static std::size_t Slot(int room) { return static_cast<std::size_t>(room); }

  void CollectKey(const Item& item) {
    if (item.KeyNo > 0) keys_.set(static_cast<std::size_t>(item.KeyNo));
  }
  void CollectKeysOf(const Being& being) {
    for (const Item& carried : being.Inventory) CollectKey(carried);
    CollectKey(being.RightHand);
    CollectKey(being.LeftHand);
    CollectKey(being.Body);
  }

  // Takes what the room offers: keys on the floor, keys of living beings, bars.
  void CollectRoom(const Room& room) {
    for (const Item& lying : room.Items) {
      CollectKey(lying);
      if (IsSet(lying.IsBar) && Reachable(lying.BarTargetRoom) && lying.BarTargetExit >= 1 &&
          lying.BarTargetExit <= kExitSlots) {
        barred_.at(Slot(lying.BarTargetRoom)).set(static_cast<std::size_t>(lying.BarTargetExit));
      }
    }
    for (int16_t index : room.Beings) {
      if (index < 1 || !game_.DungeonBeings.Has(index)) continue;
      const Being& being = game_.DungeonBeings(index);
      if (being.Life >= 1) CollectKeysOf(being);
    }
  }

  bool Reachable(int room) const { return room >= 1 && game_.Rooms.Has(room); }

  void Reach(int room) {
    reached_.at(Slot(room)) = true;
    CollectRoom(game_.Rooms(room));
    queue_.push_back(room);
  }

  void Follow(int room, int slot) {
    int target = game_.Rooms(room).Exits(slot).TargetRoom;
    if (target == 0) exitRoomReached_ = true;
    if (Reachable(target) && !Reached(target)) Reach(target);
  }

  // Breadth first through passable doors; doors found closed are tried again whenever
  // the queue runs dry, since new keys and bars may have opened them.
  void Run() {
    std::vector<std::pair<int, int>> closed;
    bool progress = true;
    while (progress) {
      while (!queue_.empty()) {
        int room = queue_.front();
        queue_.pop_front();
        for (int slot = 1; slot <= kExitSlots; ++slot) {
          if (!InUse(game_.Rooms(room).Exits(slot))) continue;
          if (Passable(room, slot))
            Follow(room, slot);
          else
            closed.emplace_back(room, slot);
        }
      }
      progress = RetryClosed(closed);
    }
  }

  bool RetryClosed(std::vector<std::pair<int, int>>& closed) {
    bool progress = false;
    std::vector<std::pair<int, int>> still;
    for (auto [room, slot] : closed) {
      if (!Passable(room, slot)) {
        still.emplace_back(room, slot);
        continue;
      }
      Follow(room, slot);
      progress = true;
    }
    closed.swap(still);
    return progress;
  }

  const Game& game_;
  std::vector<bool> reached_;
  std::vector<std::bitset<kExitSlots + 1>> barred_;
  std::bitset<kLockNumbers> keys_;
  std::deque<int> queue_;
  bool exitRoomReached_ = false;
};

bool Verdict(const Game& game, const Walk& walk) {
  if (!walk.ExitRoomReached()) return false;
  int boss = game.Rooms.Has(0) ? game.Rooms(0).Exits(1).TargetRoom : 0;
  return boss < 1 || walk.Reached(boss);
}

void RemoveBarsOf(Game& game, int room, int slot) {
  for (Room& r : game.Rooms) {
    for (Item& item : r.Items) {
      if (IsSet(item.IsBar) && item.BarTargetRoom == room && item.BarTargetExit == slot) {
        item = Item{};
      }
    }
  }
}

// Opens the first closed door that leads from a reached room to one not reached.
bool OpenOneEdgeDoor(Game& game, const Walk& walk) {
  for (int room = 1; room <= game.Rooms.Upper(); ++room) {
    if (!walk.Reached(room)) continue;
    for (int slot = 1; slot <= kExitSlots; ++slot) {
      Exit& exit = game.Rooms(room).Exits(slot);
      bool beyond = exit.TargetRoom == 0 ? !walk.ExitRoomReached() : !walk.Reached(exit.TargetRoom);
      if (!InUse(exit) || walk.Passable(room, slot) || !beyond) continue;
      exit.IsOpen = kTrue;
      exit.LockNo = 0;
      RemoveBarsOf(game, room, slot);
      return true;
    }
  }
  return false;
}

}  // namespace

int OpenDoorsUntilSolvable(Game& game) {
  int opened = 0;
  while (true) {
    Walk walk(game);
    if (Verdict(game, walk) || !OpenOneEdgeDoor(game, walk)) return opened;
    ++opened;
  }
}

}  // namespace build

bool CheckSolvable(const Game& game) {
  build::Walk walk(game);
  return build::Verdict(game, walk);
}

}  // namespace zorvek
