#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Game.hpp"
#include "model/Records.hpp"
#include "model/Table.hpp"

namespace zorvek {

// The byte layout of the saved game: six files, records little-endian with no gaps,
// Integer 2 bytes, Long 4, flags -1/0, names 100 Windows-1252 bytes.
namespace save_format {

inline constexpr std::size_t kNameBytes = 100;
inline constexpr std::size_t kItemBytes = 174;
inline constexpr std::size_t kBeingBytes = 4168;
inline constexpr std::size_t kExitBytes = 114;
inline constexpr std::size_t kRoomBytes = 4196;

// The six files in the order they are written: scalars and lock names, party and
// bosses, monster catalogue, dungeon beings, current room, rooms.
enum class SaveFile { A, B, C, D, E, F };
inline constexpr std::size_t kFileCount = 6;
inline constexpr std::array<const char*, kFileCount> kFileNames = {"A.dat", "B.dat", "C.dat",
                                                                   "D.dat", "E.dat", "F.dat"};
inline const char* FileName(SaveFile f) { return kFileNames.at(static_cast<std::size_t>(f)); }

// Party 1 to 4 and bosses 1 to 10.
inline constexpr std::size_t kPartyAndBosses = 14;
// The lock names A.dat holds after line 1: all twenty are written; files holding
// only the first fifteen are still read.
inline constexpr int kLockNamesWritten = 20;
inline constexpr int kLockNamesRequired = 15;
// Indices into the tables are Integers, so no table can hold more entries than this.
inline constexpr int kMostEntries = 32767;
// A.dat is a few hundred bytes; anything far beyond is not a saved game.
inline constexpr std::uintmax_t kMostTextBytes = 64 * 1024;

// Line 1 of A.dat, once: the game's scalars in order, each with the range a reader
// accepts. `io` writes them from the Game or reads them into a SavedGame: Whole for a
// number, YesNo for a flag.
template <class Io, class State>
void LineOneFields(Io& io, State& s) {
  constexpr int64_t kMin16 = std::numeric_limits<int16_t>::min();
  constexpr int64_t kMax16 = std::numeric_limits<int16_t>::max();
  io.Whole(s.CursorX, kMin16, kMax16);
  io.Whole(s.CursorY, kMin16, kMax16);
  io.Whole(s.Phase, 1, 5);
  io.Whole(s.CurrentRoomIndex, 0, kMax16);
  io.Whole(s.Difficulty, 1, 5);  // 4 is no difficulty either: checked after reading
  io.YesNo(s.AnyRecruited);
  io.YesNo(s.RecruitingOpen);
  io.Whole(s.RecruitedCount, 0, 4);
}

// Writes records into a file being built: it grows the file by the bytes it is told
// the records take and fills them in. Writing more is a program fault and throws.
class ByteWriter {
 public:
  ByteWriter(std::string& out, std::size_t bytes);
  void Int16(int16_t v);
  void Int32(int32_t v);
  // 100 bytes: the name in Windows-1252, padded with blanks.
  void Name(const Name100& name);
  // A record's field, by its width (see RecordFields).
  void Field(int16_t v) { Int16(v); }
  void Field(int32_t v) { Int32(v); }
  void Field(const Name100& name) { Name(name); }
  // Bytes promised but not written yet.
  std::size_t Left() const { return out_.size() - pos_; }

 private:
  char* Take(std::size_t n);
  std::string& out_;
  std::size_t pos_;
};

// Reads records from the bytes of a file. Callers check the length first; reading
// past the end is a program fault and throws.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
  int16_t Int16();
  int32_t Int32();
  Name100 Name();
  // A record's field, by its width (see RecordFields).
  void Field(int16_t& v) { v = Int16(); }
  void Field(int32_t& v) { v = Int32(); }
  void Field(Name100& name) { name = Name(); }
  std::size_t Position() const { return pos_; }
  // False once a name held a control character: no name the game writes has one.
  bool NamesClean() const { return namesClean_; }

 private:
  std::string_view Take(std::size_t n);
  std::string_view bytes_;
  std::size_t pos_ = 0;
  bool namesClean_ = true;
};

// Whether a name's bytes (Windows-1252, padding removed) hold a control character: a
// byte below 32, DEL, or one of the five bytes the code page leaves undefined.
bool HasControlCharacter(std::string_view bytes);

// Every record's fields, once, in the order and the widths the files hold them. `io`
// is a ByteWriter (the record const) or a ByteReader: the same list writes a record and
// reads it back.
template <class Io, class ItemRecord>
void ItemFields(Io& io, ItemRecord& item) {
  io.Field(item.Id);
  io.Field(item.X);
  io.Field(item.Y);
  io.Field(item.Name);
  io.Field(item.IsMasculine);
  io.Field(item.IsPlural);
  io.Field(item.Quantity);
  io.Field(item.MaxDamage);
  io.Field(item.MaxHealing);
  io.Field(item.MagicShield);
  io.Field(item.AddedMagicDamage);
  io.Field(item.AttackBonus);
  io.Field(item.DefenceBonus);
  io.Field(item.ArmourBonus);
  io.Field(item.IsMelee);
  io.Field(item.IsSpell);
  io.Field(item.IsRanged);
  io.Field(item.IsTwoHanded);
  io.Field(item.KeyNo);
  io.Field(item.RestoresLife);
  io.Field(item.RestoresMagic);
  io.Field(item.SpellLevel);
  io.Field(item.Spare);
  io.Field(item.IsDecoration);
  io.Field(item.Price);
  io.Field(item.IsNatural);
  io.Field(item.IsBar);
  io.Field(item.BarPosition);
  io.Field(item.BarTargetRoom);
  io.Field(item.BarTargetExit);
}

template <class Io, class BeingRecord>
void BeingFields(Io& io, BeingRecord& being) {
  io.Field(being.Id);
  io.Field(being.X);
  io.Field(being.Y);
  io.Field(being.Name);
  io.Field(being.Strength);
  io.Field(being.Dexterity);
  io.Field(being.Constitution);
  io.Field(being.Power);
  io.Field(being.Life);
  io.Field(being.Magic);
  io.Field(being.MaxLife);
  io.Field(being.MaxMagic);
  io.Field(being.MeleeAttack);
  io.Field(being.RangedAttack);
  io.Field(being.MagicAttack);
  io.Field(being.Defence);
  io.Field(being.Armour);
  for (auto& item : being.Inventory) ItemFields(io, item);
  ItemFields(io, being.RightHand);
  ItemFields(io, being.LeftHand);
  io.Field(being.Coins);
  ItemFields(io, being.Body);
  io.Field(being.Level);
  io.Field(being.Experience);
  io.Field(being.ExperienceFactor);
  io.Field(being.IsHero);
}

template <class Io, class ExitRecord>
void ExitFields(Io& io, ExitRecord& exit) {
  io.Field(exit.X);
  io.Field(exit.Y);
  io.Field(exit.Kind);
  io.Field(exit.IsOpen);
  io.Field(exit.LockNo);
  io.Field(exit.Side);
  io.Field(exit.TargetRoom);
  io.Field(exit.Spare);
}

template <class Io, class RoomRecord>
void RoomFields(Io& io, RoomRecord& room) {
  io.Field(room.Index);
  io.Field(room.Width);
  io.Field(room.Height);
  io.Field(room.Name);
  for (auto& exit : room.Exits) ExitFields(io, exit);
  for (auto& item : room.Items) ItemFields(io, item);
  for (auto& being : room.Beings) io.Field(being);
}

inline void WriteBeing(ByteWriter& w, const Being& being) { BeingFields(w, being); }
inline void WriteRoom(ByteWriter& w, const Room& room) { RoomFields(w, room); }
inline void ReadBeing(ByteReader& r, Being& being) { BeingFields(r, being); }
inline void ReadRoom(ByteReader& r, Room& room) { RoomFields(r, room); }

// The six files' bytes for the game as it stands.
std::array<std::string, kFileCount> EncodeSave(const Game& game);

// Everything a saved game holds, read and checked but not yet put in place.
struct SavedGame {
  int16_t CursorX = 0;
  int16_t CursorY = 0;
  int16_t Phase = 0;
  int16_t CurrentRoomIndex = 0;
  int32_t Difficulty = 0;
  bool AnyRecruited = false;
  bool RecruitingOpen = false;
  int16_t RecruitedCount = 0;
  std::vector<std::string> LockNames;  // lock 1 first; 15 to 20 of them
  Slots<Being, 4> Party;
  Slots<Being, 10> Bosses;
  Table<Being> MonsterCatalogue{1, 0};
  Table<Being> DungeonBeings{1, 0};
  Room CurrentRoom;
  Table<Room> Rooms{0, -1};
};

// Why a saved game cannot be loaded: a file is missing, or a file is damaged (a wrong
// size, a malformed line 1, a number out of the range the game can use).
struct SaveProblem {
  SaveFile File = SaveFile::A;
  bool Missing = false;
};

// The contents of the six files; a missing file is nullopt.
using SaveBytes = std::array<std::optional<std::string>, kFileCount>;

// Whether a file of this size can be the given save file (the size check that comes
// before reading it).
bool SizeFits(SaveFile file, std::uintmax_t size);

// Reads and checks all six files. Returns the first problem found, or fills `out`.
std::optional<SaveProblem> DecodeSave(const SaveBytes& files, SavedGame& out);

}  // namespace save_format

}  // namespace zorvek
