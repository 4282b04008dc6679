#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
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

// Writes records into a file being built: it grows the file by the bytes it is told
// the records take and fills them in. Writing more is a program fault and throws.
class ByteWriter {
 public:
  ByteWriter(std::string& out, std::size_t bytes);
  void Int16(int16_t v);
  void Int32(int32_t v);
  // 100 bytes: the name in Windows-1252, padded with blanks.
  void Name(const Name100& name);
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

void WriteItem(ByteWriter& w, const Item& item);
void WriteBeing(ByteWriter& w, const Being& being);
void WriteExit(ByteWriter& w, const Exit& exit);
void WriteRoom(ByteWriter& w, const Room& room);
void ReadItem(ByteReader& r, Item& item);
void ReadBeing(ByteReader& r, Being& being);
void ReadExit(ByteReader& r, Exit& exit);
void ReadRoom(ByteReader& r, Room& room);

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
