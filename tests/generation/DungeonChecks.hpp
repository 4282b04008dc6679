#pragma once

// An independent look at a finished dungeon: the rules every generated phase must keep.
// Each check adds the problems it finds, as sentences, so a failing seed says why.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/Game.hpp"

namespace zorvek::testing {

using Problems = std::vector<std::string>;

inline std::string At(int room) { return "room " + std::to_string(room) + ": "; }
inline bool IsShop(const Room& room) { return room.Name.Trimmed() == "Tienda"; }
inline bool IsDoor(const Exit& e) { return !e.Kind.IsEmpty(); }
inline int OppositeOf(int side) { return (side + 1) % 4 + 1; }

// Doors lie on the wall their side names, never in a corner, one per wall.
inline void CheckWalls(const Game& game, Problems& out) {
  for (int r = 1; r <= game.Rooms.Upper(); ++r) {
    const Room& room = game.Rooms(r);
    std::set<int> sides;
    for (const Exit& e : room.Exits) {
      if (!IsDoor(e)) continue;
      const bool onWall = (e.Side == 1 && e.X == 0) || (e.Side == 2 && e.Y == room.Height + 1) ||
                          (e.Side == 3 && e.X == room.Width + 1) || (e.Side == 4 && e.Y == 0);
      const bool along =
          e.Side % 2 == 1 ? e.Y >= 1 && e.Y <= room.Height : e.X >= 1 && e.X <= room.Width;
      if (!onWall || !along) out.push_back(At(r) + "door off its wall or in a corner");
      if (!sides.insert(e.Side).second) out.push_back(At(r) + "two doors on one wall");
    }
  }
}

// Every door X -> Y has a partner Y -> X on the opposite wall; the staircase room 0 is
// shut and joined to a door of the boss's room.
inline void CheckPartners(const Game& game, Problems& out) {
  std::map<std::pair<int, int>, std::multiset<int>> sides;
  for (int r = 1; r <= game.Rooms.Upper(); ++r) {
    for (const Exit& e : game.Rooms(r).Exits) {
      if (IsDoor(e) && e.TargetRoom >= 1) sides[{r, e.TargetRoom}].insert(e.Side);
    }
  }
  for (const auto& [pair, mine] : sides) {
    std::multiset<int> theirs;
    const auto back = sides.find({pair.second, pair.first});
    if (back != sides.end()) {
      for (int s : back->second) theirs.insert(OppositeOf(s));
    }
    if (mine != theirs)
      out.push_back(At(pair.first) + "no partner to " + std::to_string(pair.second));
  }
  const Exit& stairs = game.Rooms(0).Exits(1);
  bool joined = false;
  for (const Exit& e : game.Rooms(stairs.TargetRoom).Exits) {
    joined |= IsDoor(e) && e.TargetRoom == 0 && OppositeOf(e.Side) == stairs.Side;
  }
  if (!joined || IsSet(stairs.IsOpen)) out.push_back("room 0: staircase not joined");
}

inline int FirstGeneratedRoom(const Game& game) { return game.Phase == 1 ? 5 : 2; }

inline void CheckSizesAndNames(const Game& game, Problems& out) {
  static const std::set<std::string> kOrdinary{
      "Almacén",     "Sala de trofeos",       "Basurero",           "Armería",
      "Cocinas",     "Zona de entrenamiento", "Biblioteca",         "Cuartel",
      "dormitorios", "Zona de mesas",         "Templo de curación", "Cámara oculta"};
  for (int r = FirstGeneratedRoom(game); r <= game.Rooms.Upper(); ++r) {
    const Room& room = game.Rooms(r);
    const std::string name = room.Name.Trimmed();
    const int w = room.Width, h = room.Height;
    if (room.Index != r) out.push_back(At(r) + "wrong index");
    if (IsShop(room)) {
      if (w != 3 || h != 3) out.push_back(At(r) + "shop not 3 x 3");
      continue;
    }
    if (w < 2 || w > 8 || h < 2 || h > 8 || w * h < 9 || w * h > 42)
      out.push_back(At(r) + "size out of the rules");
    const std::string kind =
        (w == 2 || h == 2) ? "Pasillo" : (w == h ? "Zona de agrupamiento" : "");
    if (kind.empty() ? kOrdinary.count(name) == 0 : (name != kind && name != "Cámara oculta"))
      out.push_back(At(r) + "name " + name + " does not fit its size");
  }
}

// The parent of a generated room is the room behind its exit 1.
inline bool InSubtree(const Game& game, int room, int top) {
  int r = room;
  while (r != top && r >= FirstGeneratedRoom(game)) {
    const int parent = game.Rooms(r).Exits(1).TargetRoom;
    if (parent >= r) return false;  // climbed out of the generated part
    r = parent;
  }
  return r == top;
}

// The key numbers lying in a room or carried by its beings.
inline std::vector<int> KeysIn(const Game& game, int r) {
  std::vector<int> keys;
  for (const Item& i : game.Rooms(r).Items) {
    if (i.KeyNo > 0) keys.push_back(i.KeyNo);
  }
  for (int16_t b : game.Rooms(r).Beings) {
    if (b < 1) continue;
    for (const Item& i : game.DungeonBeings(b).Inventory) {
      if (i.KeyNo > 0) keys.push_back(i.KeyNo);
    }
  }
  return keys;
}

// Lock k's key lies in a room built before the locked room and outside its part.
inline void CheckKeysBeforeLocks(const Game& game, Problems& out) {
  std::map<int, std::vector<int>> rooms;
  for (int r = 1; r <= game.Rooms.Upper(); ++r) {
    for (int k : KeysIn(game, r)) rooms[k].push_back(r);
  }
  for (int r = 1; r <= game.Rooms.Upper(); ++r) {
    for (const Exit& e : game.Rooms(r).Exits) {
      if (e.LockNo < 1) continue;
      if (e.LockNo > 20) out.push_back(At(r) + "lock number above 20");
      bool before = false;
      for (int k : rooms[e.LockNo]) before |= k < e.TargetRoom && !InSubtree(game, k, e.TargetRoom);
      if (!before)
        out.push_back(At(r) + "key " + std::to_string(e.LockNo) + " not before its lock");
    }
  }
}

// Three shops of ten wares of the phase's tier (or supplies); one temple, its altar in
// the middle and no beings in it.
inline void CheckShopsAndTemple(const Game& game, Problems& out) {
  int shops = 0, temples = 0;
  for (int r = 1; r <= game.Rooms.Upper(); ++r) {
    const Room& room = game.Rooms(r);
    shops += IsShop(room);
    for (int s = 1; IsShop(room) && s <= 20; ++s) {
      const Item& ware = room.Items(s);
      const std::string name = ware.Name.Trimmed();
      if (ware.Name.IsEmpty() != (s > 10)) out.push_back(At(r) + "shop without ten wares");
      if (s > 10 || name == "Ración de comida" || name == "Poción") continue;
      bool ofTier = false;
      for (int c = 1; c <= game.ItemCatalogue.Upper(); ++c)
        ofTier |= game.ItemCatalogue(c) == ware && game.ItemTiers(c) == game.Phase;
      if (!ofTier) out.push_back(At(r) + "ware " + name + " not of the phase's tier");
    }
    if (room.Name.Trimmed() != "Templo de curación") continue;
    ++temples;
    const Item& altar = room.Items(1);
    if (altar.Name.Trimmed() != "Altar" || altar.X != room.Width / 2 ||
        altar.Y != room.Height / 2 || !IsSet(altar.IsDecoration))
      out.push_back(At(r) + "altar misplaced");
    for (int16_t b : room.Beings)
      if (b != 0) out.push_back(At(r) + "being in the temple");
  }
  if (shops != 3) out.push_back("shops: " + std::to_string(shops));
  if (temples != 1) out.push_back("temples: " + std::to_string(temples));
}

// Two bars from phase 4 on, each shutting a door and lying outside temples and hidden
// chambers; one shortcut from phase 3 on (a tree of n rooms has n - 1 door pairs).
inline void CheckBarsAndShortcuts(const Game& game, Problems& out) {
  int bars = 0, doors = 0;
  for (int r = 1; r <= game.Rooms.Upper(); ++r) {
    const Room& room = game.Rooms(r);
    for (const Exit& e : room.Exits) doors += IsDoor(e) && e.TargetRoom >= 1;
    for (const Item& i : room.Items) {
      if (!IsSet(i.IsBar)) continue;
      ++bars;
      const std::string name = room.Name.Trimmed();
      if (name.find("Templo") != std::string::npos || name.find("ocult") != std::string::npos)
        out.push_back(At(r) + "bar in a temple or hidden chamber");
      const Exit& door = game.Rooms(i.BarTargetRoom).Exits(i.BarTargetExit);
      if (IsSet(door.IsOpen) || door.LockNo != -1) out.push_back(At(r) + "barred door not shut");
    }
  }
  if (bars != (game.Phase >= 4 ? 2 : 0)) out.push_back("bars: " + std::to_string(bars));
  const int shortcuts = (doors - 2 * (game.Rooms.Upper() - 1)) / 2;
  if (shortcuts != (game.Phase >= 3 ? 1 : 0))
    out.push_back("shortcuts: " + std::to_string(shortcuts));
}

// Plays the dungeon as a player would: walks through open doors, unlocks with keys it
// carries (using them up) and pushes every bar it comes across, until nothing changes.
// Returns whether both the boss's room and room 0 were reached.
inline bool PlayerReachesTheEnd(const Game& game) {
  const int n = game.Rooms.Upper();
  std::vector<std::vector<bool>> open(n + 1, std::vector<bool>(6, false));
  for (int r = 1; r <= n; ++r)
    for (int s = 1; s <= 5; ++s) open[r][s] = IsSet(game.Rooms(r).Exits(s).IsOpen);
  std::multiset<int> pack;
  std::vector<bool> seen(n + 1, false), looted(n + 1, false);
  seen[1] = true;
  bool stairs = false, changed = true;
  while (changed) {
    changed = false;
    for (int r = 1; r <= n; ++r) {
      if (!seen[r]) continue;
      if (!looted[r]) {
        looted[r] = changed = true;
        for (int k : KeysIn(game, r)) pack.insert(k);
        for (const Item& i : game.Rooms(r).Items) {
          if (IsSet(i.IsBar))
            open[i.BarTargetRoom][i.BarTargetExit] = !open[i.BarTargetRoom][i.BarTargetExit];
        }
      }
      for (int s = 1; s <= 5; ++s) {
        const Exit& e = game.Rooms(r).Exits(s);
        if (!IsDoor(e)) continue;
        if (!open[r][s] && e.LockNo >= 1 && pack.count(e.LockNo) > 0) {
          pack.erase(pack.find(e.LockNo));
          open[r][s] = changed = true;
        }
        if (open[r][s] && e.TargetRoom == 0) stairs = true;
        if (open[r][s] && e.TargetRoom > 0 && !seen[e.TargetRoom])
          seen[e.TargetRoom] = changed = true;
      }
    }
  }
  return stairs && seen[game.Rooms(0).Exits(1).TargetRoom];
}

// The boss stands in the last room built (the shops come after it), which the
// staircase room leads back to.
inline void CheckBoss(const Game& game, Problems& out) {
  int last = game.Rooms.Upper();
  while (IsShop(game.Rooms(last))) --last;
  bool found = false;
  for (int16_t b : game.Rooms(last).Beings)
    found |= b > 0 && game.DungeonBeings(b).Name == game.Bosses(game.Phase).Name;
  if (!found) out.push_back(At(last) + "no boss in the last room");
  if (game.Rooms(0).Exits(1).TargetRoom != last) out.push_back("room 0 does not lead to the boss");
}

inline Problems CheckDungeon(const Game& game) {
  Problems out;
  for (auto check : {CheckBoss, CheckWalls, CheckPartners, CheckSizesAndNames, CheckKeysBeforeLocks,
                     CheckShopsAndTemple, CheckBarsAndShortcuts})
    check(game, out);
  if (!PlayerReachesTheEnd(game)) out.push_back("the player cannot reach the end");
  return out;
}

}  // namespace zorvek::testing
