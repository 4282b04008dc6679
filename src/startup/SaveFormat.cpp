#include "startup/SaveFormat.hpp"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "model/Cp1252.hpp"

namespace zorvek::save_format {

namespace {

bool IsAscii(std::string_view s) {
  for (char c : s) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// Writes line 1 of A.dat: the fields, comma-separated.
class LineOneWriter {
 public:
  template <class Integer>
  void Whole(Integer value, int64_t /*least*/, int64_t /*most*/) {
    Next(std::to_string(value));
  }
  // "#TRUE#" and "#FALSE#": the way the text file writes a flag.
  void YesNo(bool b) { Next(b ? "#TRUE#" : "#FALSE#"); }
  const std::string& Line() const { return line_; }

 private:
  void Next(const std::string& field) {
    if (!line_.empty()) line_ += ',';
    line_ += field;
  }
  std::string line_;
};

// A lock name as one line of A.dat: a line break inside it would end the line early.
std::string LockNameLine(const std::string& name) {
  std::string bytes = Utf8ToCp1252(name);
  for (char& c : bytes) {
    if (c == '\r' || c == '\n') c = '?';
  }
  return bytes;
}

}  // namespace

ByteWriter::ByteWriter(std::string& out, std::size_t bytes) : out_(out), pos_(out.size()) {
  out_.resize(pos_ + bytes);
}

char* ByteWriter::Take(std::size_t n) {
  if (n > Left()) throw std::out_of_range("record written past its end");
  char* at = out_.data() + pos_;
  pos_ += n;
  return at;
}

void ByteWriter::Int16(int16_t v) {
  const auto u = static_cast<uint16_t>(v);
  char* at = Take(2);
  at[0] = static_cast<char>(u & 0xFF);
  at[1] = static_cast<char>(u >> 8);
}

void ByteWriter::Int32(int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  char* at = Take(4);
  for (int k = 0; k < 4; ++k) at[k] = static_cast<char>((u >> (8 * k)) & 0xFF);
}

void ByteWriter::Name(const Name100& name) {
  const std::string& raw = name.Raw();
  char* at = Take(kNameBytes);
  // Only malformed text can come out longer than the field; it is cut to fit.
  const std::string bytes = IsAscii(raw) ? std::string() : Utf8ToCp1252(raw);
  const std::string& text = IsAscii(raw) ? raw : bytes;
  const std::size_t length = std::min(text.size(), kNameBytes);
  std::memcpy(at, text.data(), length);
  std::memset(at + length, ' ', kNameBytes - length);
}

bool HasControlCharacter(std::string_view bytes) {
  return std::any_of(bytes.begin(), bytes.end(), [](char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
  });
}

std::string_view ByteReader::Take(std::size_t n) {
  if (n > bytes_.size() - pos_) throw std::out_of_range("record read past its end");
  std::string_view part = bytes_.substr(pos_, n);
  pos_ += n;
  return part;
}

int16_t ByteReader::Int16() {
  std::string_view b = Take(2);
  const auto u = static_cast<uint16_t>(static_cast<unsigned char>(b[0]) |
                                       (static_cast<unsigned char>(b[1]) << 8));
  return static_cast<int16_t>(u);
}

int32_t ByteReader::Int32() {
  std::string_view b = Take(4);
  uint32_t u = 0;
  for (int k = 3; k >= 0; --k)
    u = (u << 8) | static_cast<unsigned char>(b[static_cast<std::size_t>(k)]);
  return static_cast<int32_t>(u);
}

Name100 ByteReader::Name() {
  std::string_view field = Take(kNameBytes);
  // Blanks pad the field; a name that was never assigned may be all zero bytes.
  std::size_t end = field.size();
  while (end > 0 && (field[end - 1] == ' ' || field[end - 1] == '\0')) --end;
  field = field.substr(0, end);
  if (HasControlCharacter(field)) namesClean_ = false;
  if (field.empty()) return {};
  if (IsAscii(field)) return Name100(field);
  return Name100(Cp1252ToUtf8(field));
}

std::array<std::string, kFileCount> EncodeSave(const Game& game) {
  std::array<std::string, kFileCount> files;
  auto file = [&files](SaveFile f) -> std::string& {
    return files.at(static_cast<std::size_t>(f));
  };

  std::string& a = file(SaveFile::A);
  LineOneWriter lineOne;
  LineOneFields(lineOne, game);
  a = lineOne.Line() + "\r\n";
  for (int k = 1; k <= kLockNamesWritten; ++k) {
    a += LockNameLine(game.LockNames.Has(k) ? game.LockNames(k) : std::string());
    a += "\r\n";
  }

  ByteWriter wb(file(SaveFile::B), kPartyAndBosses * kBeingBytes);
  for (const Being& hero : game.Party) WriteBeing(wb, hero);
  for (const Being& boss : game.Bosses) WriteBeing(wb, boss);

  // The tables are written from entry 1 (rooms from 0) to their upper bound.
  auto writeBeings = [](std::string& out, const Table<Being>& table) {
    const int count = std::max(table.Upper(), 0);
    ByteWriter w(out, static_cast<std::size_t>(count) * kBeingBytes);
    for (int k = 1; k <= count; ++k) WriteBeing(w, table.Has(k) ? table(k) : Being{});
  };
  writeBeings(file(SaveFile::C), game.MonsterCatalogue);
  writeBeings(file(SaveFile::D), game.DungeonBeings);

  ByteWriter we(file(SaveFile::E), kRoomBytes);
  WriteRoom(we, game.CurrentRoom);

  const int rooms = std::max(game.Rooms.Upper() + 1, 0);
  ByteWriter wf(file(SaveFile::F), static_cast<std::size_t>(rooms) * kRoomBytes);
  for (int k = 0; k < rooms; ++k) WriteRoom(wf, game.Rooms.Has(k) ? game.Rooms(k) : Room{});

  if (wb.Left() + we.Left() + wf.Left() != 0) throw std::logic_error("a record fell short");
  return files;
}

}  // namespace zorvek::save_format
