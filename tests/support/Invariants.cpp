#include "support/Invariants.hpp"

#include <algorithm>
#include <map>

#include "startup/SaveFormat.hpp"

namespace zorvek::testing {

namespace {

using Broken = std::vector<std::string>;

std::string RoomName(int room) { return "room " + std::to_string(room); }

template <typename Visit>
void ForEachItem(const Being& being, const Visit& visit) {
  for (const Item& item : being.Inventory) visit(item);
  visit(being.RightHand);
  visit(being.LeftHand);
  visit(being.Body);
}

// Where an object is: on the floor of a room, with the party, or with a being.
struct Place {
  int Room = 0;   // -1 for the party
  int Being = 0;  // 0 for the floor
  std::string Text() const {
    if (Room < 0) return "the party";
    return (Being > 0 ? "being " + std::to_string(Being) + " in " : "") + RoomName(Room);
  }
};

// Every object in the world once: the floors (the room the party is in as it sees it),
// the party, and the beings still standing in some room.
template <typename Visit>
void ForEachWorldItem(const Game& game, const Visit& visit) {
  std::map<int16_t, int> standing;  // being -> its room
  auto visitRoom = [&](const Room& room, int r) {
    for (const Item& item : room.Items) visit(item, {r, 0});
    for (int16_t index : room.Beings) {
      if (index >= 1 && game.DungeonBeings.Has(index)) standing[index] = r;
    }
  };
  for (int r = game.Rooms.Lower(); r <= game.Rooms.Upper(); ++r) {
    if (r != game.CurrentRoomIndex) visitRoom(game.Rooms(r), r);
  }
  visitRoom(game.CurrentRoom, game.CurrentRoomIndex);
  for (const Being& hero : game.Party) {
    ForEachItem(hero, [&](const Item& item) { visit(item, {-1, 0}); });
  }
  for (const auto& entry : standing) {
    const Place place{entry.second, entry.first};
    ForEachItem(game.DungeonBeings(entry.first), [&](const Item& item) { visit(item, place); });
  }
}

bool LockShut(const Game& game, int16_t key) {
  auto shutIn = [key](const Room& room) {
    return std::any_of(room.Exits.begin(), room.Exits.end(),
                       [key](const Exit& e) { return e.LockNo == key && !IsSet(e.IsOpen); });
  };
  return shutIn(game.CurrentRoom) || std::any_of(game.Rooms.begin(), game.Rooms.end(), shutIn);
}

const std::string& LockName(const Game& game, std::size_t k) {
  return game.LockNames(static_cast<int>(k));
}
std::string LockName(const save_format::SavedGame& saved, std::size_t k) {
  return k <= saved.LockNames.size() ? saved.LockNames[k - 1] : "";
}

template <typename T>
std::string FirstDifferent(const Table<T>& a, const Table<T>& b, const std::string& what) {
  if (a.Lower() != b.Lower() || a.Upper() != b.Upper()) return "bounds of the " + what;
  for (int k = a.Lower(); k <= a.Upper(); ++k) {
    if (!(a(k) == b(k))) return what + " entry " + std::to_string(k);
  }
  return "";
}

template <typename A, typename B>
std::string Difference(const A& a, const B& b) {
  if (a.CursorX != b.CursorX || a.CursorY != b.CursorY || a.Phase != b.Phase ||
      a.CurrentRoomIndex != b.CurrentRoomIndex || a.Difficulty != b.Difficulty ||
      a.AnyRecruited != b.AnyRecruited || a.RecruitingOpen != b.RecruitingOpen ||
      a.RecruitedCount != b.RecruitedCount)
    return "first line of A.dat";
  for (std::size_t k = 1; k <= 20; ++k) {
    if (LockName(a, k) != LockName(b, k)) return "lock name " + std::to_string(k);
  }
  if (!(a.Party == b.Party)) return "party";
  if (!(a.Bosses == b.Bosses)) return "bosses";
  if (!(a.CurrentRoom == b.CurrentRoom)) return "current room";
  for (const std::string& d :
       {FirstDifferent(a.MonsterCatalogue, b.MonsterCatalogue, "monster kinds"),
        FirstDifferent(a.DungeonBeings, b.DungeonBeings, "beings"),
        FirstDifferent(a.Rooms, b.Rooms, "rooms")}) {
    if (!d.empty()) return d;
  }
  return "";
}

void CheckLives(const Game& game, Broken& broken) {
  auto check = [&](const Being& b, const std::string& where) {
    if (b.Life > b.MaxLife) {
      broken.push_back(where + " (" + b.Name.Trimmed() + ") has life " + std::to_string(b.Life) +
                       " above its maximum " + std::to_string(b.MaxLife));
    }
  };
  for (int k = 1; k <= 4; ++k) check(game.Party(k), "party " + std::to_string(k));
  for (int k = 1; k <= 10; ++k) check(game.Bosses(k), "boss " + std::to_string(k));
  for (int i = game.DungeonBeings.Lower(); i <= game.DungeonBeings.Upper(); ++i)
    check(game.DungeonBeings(i), "being " + std::to_string(i));
  for (int i = game.MonsterCatalogue.Lower(); i <= game.MonsterCatalogue.Upper(); ++i)
    check(game.MonsterCatalogue(i), "monster kind " + std::to_string(i));
}

void CheckParty(const Game& game, Broken& broken) {
  std::set<std::string> names;
  int members = 0;
  for (const Being& hero : game.Party) {
    if (hero.Coins < 0) broken.push_back(hero.Name.Trimmed() + " has negative coins");
    if (IsEmptySlot(game, hero.Name)) continue;
    ++members;
    if (!names.insert(hero.Name.Trimmed()).second) {
      broken.push_back(hero.Name.Trimmed() + " marches twice in the party");
    }
  }
  if (members != game.RecruitedCount || game.RecruitedCount > 4) {
    broken.push_back("the party holds " + std::to_string(members) + " heroes but " +
                     std::to_string(game.RecruitedCount) + " were recruited");
  }
  auto waiting = [&](const Room& room, const std::string& where) {
    for (int16_t index : room.Beings) {
      if (index < 1 || !game.DungeonBeings.Has(index)) continue;
      const Being& b = game.DungeonBeings(index);
      if (IsSet(b.IsHero) && names.count(b.Name.Trimmed()) != 0) {
        broken.push_back(b.Name.Trimmed() + " is recruited and still waits in " + where);
      }
    }
  };
  waiting(game.CurrentRoom, "the current room");
  for (int r = game.Rooms.Lower(); r <= game.Rooms.Upper(); ++r)
    waiting(game.Rooms(r), RoomName(r));
}

void CheckSaveRoundTrip(const Game& game, Broken& broken) {
  const auto files = save_format::EncodeSave(game);
  save_format::SaveBytes bytes;
  for (std::size_t k = 0; k < files.size(); ++k) bytes.at(k) = files.at(k);
  save_format::SavedGame saved;
  if (auto problem = save_format::DecodeSave(bytes, saved)) {
    broken.push_back(std::string("a save of this game is refused as damaged in ") +
                     save_format::FileName(problem->File));
  } else if (const std::string what = SavedDifference(game, saved); !what.empty()) {
    broken.push_back("a save followed by a load does not give back the same " + what);
  }
}

}  // namespace

std::string SavedDifference(const Game& want, const Game& got) { return Difference(want, got); }
std::string SavedDifference(const Game& game, const save_format::SavedGame& saved) {
  return Difference(game, saved);
}

std::vector<std::string> BrokenRules(const Game& game) {
  Broken broken;
  CheckLives(game, broken);
  CheckParty(game, broken);
  CheckSaveRoundTrip(game, broken);
  return broken;
}

GameWatch::GameWatch(const Game& game, int saveEvery) : saveEvery_(std::max(saveEvery, 1)) {
  // The baseline is taken here, once the list of old keys that KeysOf reads exists.
  phase_ = game.Phase;
  roomIndex_ = game.CurrentRoomIndex;
  keys_ = KeysOf(game);
  TakeRooms(game);
}

bool GameWatch::IsKeyOfPhase(const Game& game, const Item& item) const {
  if (item.KeyNo < 1 || !game.LockNames.Has(item.KeyNo)) return false;
  const std::string name = item.Name.Trimmed();
  return name == "Llave " + game.LockNames(item.KeyNo) && oldKeys_.count({item.KeyNo, name}) == 0;
}

GameWatch::Keys GameWatch::KeysOf(const Game& game) const {
  Keys keys;
  ForEachWorldItem(game, [&](const Item& item, Place place) {
    if (IsKeyOfPhase(game, item)) keys[item.KeyNo].push_back(place.Text());
  });
  return keys;
}

void GameWatch::TakeRooms(const Game& game) {
  rooms_.clear();
  for (const Room& room : game.Rooms) rooms_.push_back({room.Name, room.Items});
}

void GameWatch::CheckRooms(const Game& game, bool sameDungeon, Broken& broken) {
  const int here = game.CurrentRoomIndex;
  if (!game.Rooms.Has(here) || game.Rooms(here).Name != game.CurrentRoom.Name ||
      game.Rooms(here).Items != game.CurrentRoom.Items) {
    broken.push_back("the stored " + RoomName(here) + " is not the room the party is in");
  }
  if (!sameDungeon || static_cast<int>(rooms_.size()) != game.Rooms.Count()) {
    TakeRooms(game);
    return;
  }
  for (std::size_t r = 0; r < rooms_.size(); ++r) {
    const int index = static_cast<int>(r);
    const Room& room = game.Rooms(index);
    RoomLook& seen = rooms_[r];
    if (room.Name == seen.Name && room.Items == seen.Items) continue;
    // The shop's shelves change while the party trades there, and the trip ends in the
    // room of the shop's door.
    const int door = room.Exits(1).TargetRoom;
    const bool shopVisited =
        room.Name.Trimmed() == "Tienda" && (door == here || door == roomIndex_);
    if (index != here && (index == roomIndex_ || !shopVisited)) {
      broken.push_back("the stored " + RoomName(index) + " (" + seen.Name.Trimmed() +
                       ") changed to " + room.Name.Trimmed() + " while the party was not in it");
    }
    seen = {room.Name, room.Items};
  }
}

void GameWatch::CheckKeys(const Game& game, const Keys& keys, bool sameDungeon,
                          Broken& broken) const {
  auto places = [](const std::vector<std::string>& where) {
    std::string text;
    for (const std::string& w : where) text += (text.empty() ? "" : ", ") + w;
    return text;
  };
  for (const auto& [key, where] : keys) {
    if (where.size() > 1) {
      broken.push_back("the key " + game.LockNames(key) + " exists " +
                       std::to_string(where.size()) + " times: " + places(where));
    }
  }
  if (!sameDungeon) return;
  for (const auto& [key, where] : keys_) {
    if (keys.count(key) == 0 && LockShut(game, key)) {
      broken.push_back("the key " + game.LockNames(key) + " disappeared from " + places(where) +
                       " while its lock is shut");
    }
  }
}

std::vector<std::string> GameWatch::Check(const Game& game) {
  // Nothing runs once the game has closed its window or ended the program.
  if (game.WindowClosed() || game.ProgramEnded()) return {};
  const bool newPhase = game.Phase != phase_;
  if (newPhase) {
    ++phaseChanges_;
    for (const Being& hero : game.Party) {
      ForEachItem(hero, [&](const Item& item) {
        if (item.KeyNo >= 1) oldKeys_.insert({item.KeyNo, item.Name.Trimmed()});
      });
    }
  }
  // A load replaces the whole game: only the rules of the moment apply to that step.
  const bool sameDungeon = !newPhase && game.Text(TextArea::TBDatos) != "Partida cargada";
  Keys keys = KeysOf(game);
  Broken broken;
  CheckLives(game, broken);
  CheckParty(game, broken);
  if (!sameDungeon || ++steps_ % saveEvery_ == 0) CheckSaveRoundTrip(game, broken);
  CheckRooms(game, sameDungeon, broken);
  CheckKeys(game, keys, sameDungeon, broken);
  phase_ = game.Phase;
  roomIndex_ = game.CurrentRoomIndex;
  keys_ = std::move(keys);
  return broken;
}

}  // namespace zorvek::testing
