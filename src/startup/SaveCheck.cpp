// Reading a saved game back: every file is checked before anything is believed, so
// that a damaged save is refused whole instead of breaking the game half loaded.
#include <charconv>
#include <cstdint>
#include <limits>
#include <set>

#include "model/Cp1252.hpp"
#include "startup/SaveFormat.hpp"

namespace zorvek::save_format {

namespace {

// Rooms are never wider or higher than this; the object beacons track cells 1 to 15.
constexpr int kWidestRoom = 15;
constexpr int kLastLock = 20;
constexpr int kExitSlots = 5;

std::size_t Index(SaveFile f) { return static_cast<std::size_t>(f); }

// Lines of a text file; CR LF or a bare LF ends a line, and a line break at the very
// end does not start another line.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = next;
  }
  return lines;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, comma - start));
    start = comma + 1;
  }
}

// A decimal number with an optional leading "-", nothing else, within [least, most].
std::optional<int64_t> Number(std::string_view field, int64_t least, int64_t most) {
  if (field.empty()) return std::nullopt;
  int64_t value = 0;
  auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
  if (value < least || value > most) return std::nullopt;
  return value;
}

std::optional<bool> FlagField(std::string_view field) {
  if (field == "#TRUE#") return true;
  if (field == "#FALSE#") return false;
  return std::nullopt;
}

// Reads line 1 of A.dat field by field; Good() once every field was there and fit.
class LineOneReader {
 public:
  explicit LineOneReader(std::vector<std::string_view> fields) : fields_(std::move(fields)) {}
  template <class Integer>
  void Whole(Integer& value, int64_t least, int64_t most) {
    auto n = next_ < fields_.size() ? Number(fields_[next_], least, most) : std::nullopt;
    ++next_;
    if (n) {
      value = static_cast<Integer>(*n);
    } else {
      good_ = false;
    }
  }
  void YesNo(bool& flag) {
    auto b = next_ < fields_.size() ? FlagField(fields_[next_]) : std::nullopt;
    ++next_;
    if (b) {
      flag = *b;
    } else {
      good_ = false;
    }
  }
  bool Good() const { return good_ && next_ == fields_.size(); }

 private:
  std::vector<std::string_view> fields_;
  std::size_t next_ = 0;
  bool good_ = true;
};

// Line 1 and the lock names. The cross-checks against the other files come later.
bool ParseText(std::string_view text, SavedGame& out) {
  std::vector<std::string_view> lines = SplitLines(text);
  if (lines.size() < 1 + static_cast<std::size_t>(kLockNamesRequired)) return false;
  LineOneReader lineOne(SplitFields(lines.front()));
  LineOneFields(lineOne, out);
  if (!lineOne.Good() || out.Difficulty == 4) return false;
  out.LockNames.clear();
  for (std::size_t k = 1; k < lines.size() && k <= static_cast<std::size_t>(kLockNamesWritten);
       ++k) {
    if (HasControlCharacter(lines[k])) return false;
    out.LockNames.push_back(Cp1252ToUtf8(lines[k]));
  }
  return true;
}

// Returns whether every name read was clean.
bool DecodeBeings(std::string_view bytes, Table<Being>& table) {
  const int count = static_cast<int>(bytes.size() / kBeingBytes);
  table.ReDim(1, count);
  ByteReader r(bytes);
  for (Being& being : table) ReadBeing(r, being);
  return r.NamesClean();
}

// The limits every index of the loaded game must keep.
struct Bounds {
  int Rooms = 0;   // rooms 0 to Rooms - 1
  int Beings = 0;  // dungeon beings 1 to Beings
};

bool InRange(int value, int least, int most) { return value >= least && value <= most; }

// A lock number: 1 to 20, 0 for none, -1 for a door only a bar opens.
bool IsLockNumber(int n) { return InRange(n, -1, kLastLock); }

bool ItemFits(const Item& item, const Bounds& bounds) {
  if (!IsLockNumber(item.KeyNo)) return false;
  if (!IsSet(item.IsBar)) return true;
  return InRange(item.BarTargetRoom, 0, bounds.Rooms - 1) &&
         InRange(item.BarTargetExit, 1, kExitSlots);
}

bool BeingFits(const Being& being, const Bounds& bounds) {
  // Nothing in the game lifts life above its maximum or takes a maximum below zero.
  if (being.Life > being.MaxLife || being.MaxLife < 0 || being.MaxMagic < 0) return false;
  for (const Item& item : being.Inventory) {
    if (!ItemFits(item, bounds)) return false;
  }
  return ItemFits(being.RightHand, bounds) && ItemFits(being.LeftHand, bounds) &&
         ItemFits(being.Body, bounds);
}

template <typename Range>
bool BeingsFit(const Range& beings, const Bounds& bounds) {
  for (const Being& being : beings) {
    if (!BeingFits(being, bounds)) return false;
  }
  return true;
}

bool RoomFits(const Room& room, const Bounds& bounds) {
  if (!InRange(room.Index, 0, bounds.Rooms - 1) || !InRange(room.Width, 0, kWidestRoom) ||
      !InRange(room.Height, 0, kWidestRoom)) {
    return false;
  }
  for (const Exit& exit : room.Exits) {
    if (!InRange(exit.Side, 0, 4) || !InRange(exit.TargetRoom, 0, bounds.Rooms - 1) ||
        !IsLockNumber(exit.LockNo)) {
      return false;
    }
  }
  for (const Item& item : room.Items) {
    if (!ItemFits(item, bounds)) return false;
  }
  for (int16_t being : room.Beings) {
    if (!InRange(being, 0, bounds.Beings)) return false;
  }
  return true;
}

// The party as the game keeps it: as many heroes as line 1 says were recruited, each
// once, none with debts, and none of them still waiting in a room to be recruited.
std::optional<SaveFile> PartyProblem(const SavedGame& saved) {
  std::set<std::string> names;
  for (const Being& hero : saved.Party) {
    if (hero.Coins < 0) return SaveFile::B;
    const std::string name = hero.Name.Trimmed();
    if (!name.empty() && !names.insert(name).second) return SaveFile::B;
  }
  if (static_cast<int>(names.size()) != saved.RecruitedCount) return SaveFile::A;
  auto waits = [&](const Room& room) {
    for (int16_t index : room.Beings) {
      if (index < 1 || !saved.DungeonBeings.Has(index)) continue;
      const Being& b = saved.DungeonBeings(index);
      if (IsSet(b.IsHero) && names.count(b.Name.Trimmed()) != 0) return true;
    }
    return false;
  };
  if (waits(saved.CurrentRoom)) return SaveFile::E;
  for (const Room& room : saved.Rooms) {
    if (waits(room)) return SaveFile::F;
  }
  return std::nullopt;
}

}  // namespace

bool SizeFits(SaveFile file, std::uintmax_t size) {
  const auto most = static_cast<std::uintmax_t>(kMostEntries);
  switch (file) {
    case SaveFile::A:
      return size > 0 && size <= kMostTextBytes;
    case SaveFile::B:
      return size == kPartyAndBosses * kBeingBytes;
    case SaveFile::C:
    case SaveFile::D:
      // Both tables always hold at least one entry.
      return size % kBeingBytes == 0 && size >= kBeingBytes && size / kBeingBytes <= most;
    case SaveFile::E:
      return size == kRoomBytes;
    case SaveFile::F:
      return size % kRoomBytes == 0 && size >= kRoomBytes && size / kRoomBytes <= most + 1;
  }
  return false;
}

std::optional<SaveProblem> DecodeSave(const SaveBytes& files, SavedGame& out) {
  for (std::size_t k = 0; k < kFileCount; ++k) {
    if (!files.at(k)) return SaveProblem{static_cast<SaveFile>(k), true};
  }
  for (std::size_t k = 0; k < kFileCount; ++k) {
    if (!SizeFits(static_cast<SaveFile>(k), files.at(k)->size())) {
      return SaveProblem{static_cast<SaveFile>(k), false};
    }
  }
  auto bytes = [&files](SaveFile f) -> std::string_view { return *files.at(Index(f)); };

  if (!ParseText(bytes(SaveFile::A), out)) return SaveProblem{SaveFile::A, false};

  ByteReader rb(bytes(SaveFile::B));
  for (Being& hero : out.Party) ReadBeing(rb, hero);
  for (Being& boss : out.Bosses) ReadBeing(rb, boss);
  if (!rb.NamesClean()) return SaveProblem{SaveFile::B, false};
  if (!DecodeBeings(bytes(SaveFile::C), out.MonsterCatalogue)) {
    return SaveProblem{SaveFile::C, false};
  }
  if (!DecodeBeings(bytes(SaveFile::D), out.DungeonBeings)) return SaveProblem{SaveFile::D, false};
  ByteReader re(bytes(SaveFile::E));
  ReadRoom(re, out.CurrentRoom);
  if (!re.NamesClean()) return SaveProblem{SaveFile::E, false};
  std::string_view rooms = bytes(SaveFile::F);
  out.Rooms.ReDim(0, static_cast<int>(rooms.size() / kRoomBytes) - 1);
  ByteReader rf(rooms);
  for (Room& room : out.Rooms) ReadRoom(rf, room);
  if (!rf.NamesClean()) return SaveProblem{SaveFile::F, false};

  const Bounds bounds{out.Rooms.Count(), out.DungeonBeings.Upper()};
  if (!BeingsFit(out.Party, bounds) || !BeingsFit(out.Bosses, bounds)) {
    return SaveProblem{SaveFile::B, false};
  }
  if (!BeingsFit(out.MonsterCatalogue, bounds)) return SaveProblem{SaveFile::C, false};
  if (!BeingsFit(out.DungeonBeings, bounds)) return SaveProblem{SaveFile::D, false};
  for (const Room& room : out.Rooms) {
    if (!RoomFits(room, bounds)) return SaveProblem{SaveFile::F, false};
  }
  const Room& here = out.CurrentRoom;
  if (!RoomFits(here, bounds) || here.Width < 1 || here.Height < 1) {
    return SaveProblem{SaveFile::E, false};
  }
  if (auto file = PartyProblem(out)) return SaveProblem{*file, false};
  // The scalars of line 1 that point into the other files.
  if (!InRange(out.CurrentRoomIndex, 0, bounds.Rooms - 1) ||
      !InRange(out.CursorX, 0, here.Width + 1) || !InRange(out.CursorY, 0, here.Height + 1)) {
    return SaveProblem{SaveFile::A, false};
  }
  // The game keeps the stored copy of the party's room as the party sees it.
  const Room& stored = out.Rooms(out.CurrentRoomIndex);
  if (stored.Name != here.Name || stored.Items != here.Items) {
    return SaveProblem{SaveFile::E, false};
  }
  return std::nullopt;
}

}  // namespace zorvek::save_format
