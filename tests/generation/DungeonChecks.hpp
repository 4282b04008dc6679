#pragma once

// An independent look at a finished dungeon: the rules every generated phase must keep.
// Each check returns the problems it found, as sentences, so a failing seed says why.

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/Game.hpp"

namespace zorvek::testing {

using Problems = std::vector<std::string>;

inline std::string At(int room) { return "room " + std::to_string(room) + ": "; }

inline int FirstGeneratedRoom(const Game& game) { return game.Phase == 1 ? 5 : 2; }

inline bool IsShop(const Room& room) { return room.Name.Trimmed() == "Tienda"; }

// Doors lie on the wall their side names, never in a corner, one per wall.
inline void CheckWalls(const Game& game, Problems& out) {
  for (int r = 1; r <= game.Rooms.Upper(); ++r) {
    const Room& room = game.Rooms(r);
    std::set<int> sides;
    for (const Exit& e : room.Exits) {
      if (e.Kind.IsEmpty()) continue;
      bool onWall = (e.Side == 1 && e.X == 0) || (e.Side == 2 && e.Y == room.Height + 1) ||
                    (e.Side == 3 && e.X == room.Width + 1) || (e.Side == 4 && e.Y == 0);
      bool alongWall = (e.Side % 2 == 1) ? (e.Y >= 1 && e.Y <= room.Height)
                                         : (e.X >= 1 && e.X <= room.Width);
      if (!onWall || !alongWall) out.push_back(At(r) + "door off its wall or in a corner");
      if (!sides.insert(e.Side).second) out.push_back(At(r) + "two doors on one wall");
    }
  }
}

// Every door X -> Y has a partner Y -> X on the opposite wall (room 0 apart).
inline void CheckPartners(const Game& game, Problems& out) {
  std::map<std::pair<int, int>, std::multiset<int>> sides;
  for (int r = 1; r <= game.Rooms.Upper(); ++r) {
    for (const Exit& e : game.Rooms(r).Exits) {
      if (!e.Kind.IsEmpty() && e.TargetRoom >= 1) sides[{r, e.TargetRoom}].insert(e.Side);
    }
  }
  for (const auto& [pair, mine] : sides) {
    std::multiset<int> theirs;
    auto back = sides.find({pair.second, pair.first});
    if (back != sides.end()) {
      for (int s : back->second) theirs.insert(((s + 1) % 4) + 1);
    }
    if (mine != theirs) out.push_back(At(pair.first) + "door without partner to " +
                                      std::to_string(pair.second));
  }
  const Exit& stairsBack = game.Rooms(0).Exits(1);
  int boss = stairsBack.TargetRoom;
  bool found = false;
  for (const Exit& e : game.Rooms(boss).Exits) {
    if (!e.Kind.IsEmpty() && e.TargetRoom == 0) {
      found = true;
      if (((e.Side + 1) % 4) + 1 != stairsBack.Side) out.push_back("room 0: wrong side");
    }
  }
  if (!found || IsSet(stairsBack.IsOpen)) out.push_back("room 0: staircase not joined");
}

inline void CheckSizesAndNames(const Game& game, Problems& out) {
  static const std::set<std::string> kOrdinary{
      "Almacén", "Sala de trofeos", "Basurero", "Armería", "Cocinas", "Zona de entrenamiento",
      "Biblioteca", "Cuartel", "dormitorios", "Zona de mesas", "Templo de curación",
      "Cámara oculta"};
  for (int r = FirstGeneratedRoom(game); r <= game.Rooms.Upper(); ++r) {
    const Room& room = game.Rooms(r);
    if (room.Index != r) out.push_back(At(r) + "wrong index");
    std::string name = room.Name.Trimmed();
    int w = room.Width, h = room.Height;
    if (IsShop(room)) {
      if (w != 3 || h != 3) out.push_back(At(r) + "shop not 3 x 3");
      continue;
    }
    if (w < 2 || w > 8 || h < 2 || h > 8 || w * h < 9 || w * h > 42)
      out.push_back(At(r) + "size out of the rules");
    std::string kind = (w == 2 || h == 2) ? "Pasillo" : (w == h ? "Zona de agrupamiento" : "");
    bool ok = kind.empty() ? kOrdinary.count(name) == 1
                           : (name == kind || name == "Cámara oculta");
    if (!ok) out.push_back(At(r) + "name " + name + " does not fit its size");
  }
}

// The parent of a room: the room behind its exit 1 (none for the start rooms).
inline int ParentOf(const Game& game, int room) {
  if (room < FirstGeneratedRoom(game)) return 0;
  return game.Rooms(room).Exits(1).TargetRoom;
}

inline bool InSubtree(const Game& game, int room, int top) {
  for (int r = room; r >= 1; r = ParentOf(game, r)) {
    if (r == top) return true;
    if (ParentOf(game, r) >= r) return false;  // climbed out of the generated part
  }
  return false;
}

// The rooms holding each key number: on the floor or in a being's pack.
inline std::map<int, std::vector<int>> KeyRooms(const Game& game) {
  std::map<int, std::vector<int>> keys;
  for (int r = 1; r <= game.Rooms.Upper(); ++r) {
    const Room& room = game.Rooms(r);
    for (const Item& i : room.Items) {
      if (i.KeyNo > 0) keys[i.KeyNo].push_back(r);
    }
    for (int16_t b : room.Beings) {
      if (b < 1) continue;
      for (const Item& i : game.DungeonBeings(b).Inventory) {
        if (i.KeyNo > 0) keys[i.KeyNo].push_back(r);
      }
    }
  }
  return keys;
}

// Lock k's key lies in a room built before the locked room and outside its part.
inline void CheckKeysBeforeLocks(const Game& game, Problems& out) {
  auto keys = KeyRooms(game);
  for (int r = 1; r <= game.Rooms.Upper(); ++r) {
    for (const Exit& e : game.Rooms(r).Exits) {
      if (e.LockNo < 1) continue;
      if (e.LockNo > 20) out.push_back(At(r) + "lock number above 20");
      bool before = false;
      for (int k : keys[e.LockNo]) before |= k < e.TargetRoom && !InSubtree(game, k, e.TargetRoom);
      if (!before) out.push_back(At(r) + "key " + std::to_string(e.LockNo) + " not before its lock");
    }
  }
}

inline void CheckShopsAndTemple(const Game& game, Problems& out) {
  int shops = 0, temples = 0;
  for (int r = 1; r <= game.Rooms.Upper(); ++r) {
    const Room& room = game.Rooms(r);
    if (IsShop(room)) {
      ++shops;
      for (int s = 1; s <= 20; ++s) {
        const Item& ware = room.Items(s);
        if (ware.Name.IsEmpty() != (s > 10)) out.push_back(At(r) + "shop without ten wares");
        std::string name = ware.Name.Trimmed();
        if (s > 10 || name == "Ración de comida" || name == "Poción") continue;
        bool ofTier = false;
        for (int c = 1; c <= game.ItemCatalogue.Upper(); ++c)
          ofTier |= game.ItemCatalogue(c) == ware && game.ItemTiers(c) == game.Phase;
        if (!ofTier) out.push_back(At(r) + "ware " + name + " not of the phase's tier");
      }
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

// A tree of n rooms has n - 1 door pairs; every pair beyond them is a shortcut.
inline int ShortcutCount(const Game& game) {
  int doors = 0;
  for (int r = 1; r <= game.Rooms.Upper(); ++r)
    for (const Exit& e : game.Rooms(r).Exits) doors += (!e.Kind.IsEmpty() && e.TargetRoom >= 1);
  return (doors - 2 * (game.Rooms.Upper() - 1)) / 2;
}

inline void CheckBars(const Game& game, Problems& out) {
  int bars = 0;
  for (int r = 1; r <= game.Rooms.Upper(); ++r) {
    const Room& room = game.Rooms(r);
    for (const Item& i : room.Items) {
      if (!IsSet(i.IsBar)) continue;
      ++bars;
      std::string name = room.Name.Trimmed();
      if (name.find("Templo") != std::string::npos || name.find("ocult") != std::string::npos)
        out.push_back(At(r) + "bar in a temple or hidden chamber");
      const Exit& door = game.Rooms(i.BarTargetRoom).Exits(i.BarTargetExit);
      if (IsSet(door.IsOpen) || door.LockNo != -1) out.push_back(At(r) + "barred door not shut");
    }
  }
  int expected = game.Phase >= 4 ? 2 : 0;
  if (bars != expected) out.push_back("bars: " + std::to_string(bars));
  int shortcuts = ShortcutCount(game);
  if (shortcuts != (game.Phase >= 3 ? 1 : 0)) out.push_back("shortcuts: " + std::to_string(shortcuts));
}

// Plays the dungeon as a player would: walks through open doors, unlocks with keys it
// carries (using them up) and pushes every bar it comes across, until nothing changes.
// Returns whether both the boss's room and room 0 were reached.
inline bool PlayerReachesTheEnd(const Game& game) {
  int n = game.Rooms.Upper();
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
      const Room& room = game.Rooms(r);
      if (!looted[r]) {
        looted[r] = changed = true;
        for (const Item& i : room.Items) {
          if (i.KeyNo > 0) pack.insert(i.KeyNo);
          if (IsSet(i.IsBar)) open[i.BarTargetRoom][i.BarTargetExit] = !open[i.BarTargetRoom][i.BarTargetExit];
        }
        for (int16_t b : room.Beings)
          if (b > 0) for (const Item& i : game.DungeonBeings(b).Inventory) if (i.KeyNo > 0) pack.insert(i.KeyNo);
      }
      for (int s = 1; s <= 5; ++s) {
        const Exit& e = room.Exits(s);
        if (e.Kind.IsEmpty()) continue;
        if (!open[r][s] && e.LockNo >= 1 && pack.count(e.LockNo) > 0) {
          pack.erase(pack.find(e.LockNo));
          open[r][s] = changed = true;
        }
        if (!open[r][s]) continue;
        if (e.TargetRoom == 0) stairs = true;
        else if (!seen[e.TargetRoom]) seen[e.TargetRoom] = changed = true;
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
  CheckBoss(game, out);
  CheckWalls(game, out);
  CheckPartners(game, out);
  CheckSizesAndNames(game, out);
  CheckKeysBeforeLocks(game, out);
  CheckShopsAndTemple(game, out);
  CheckBars(game, out);
  if (!PlayerReachesTheEnd(game)) out.push_back("the player cannot reach the end");
  return out;
}

}  // namespace zorvek::testing
