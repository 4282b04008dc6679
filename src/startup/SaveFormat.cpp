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

void WriteItems(ByteWriter& w, const Slots<Item, 20>& items) {
  for (const Item& item : items) WriteItem(w, item);
}

void ReadItems(ByteReader& r, Slots<Item, 20>& items) {
  for (Item& item : items) ReadItem(r, item);
}

// "#TRUE#" and "#FALSE#": the way the text file writes a flag.
const char* FlagText(bool b) { return b ? "#TRUE#" : "#FALSE#"; }

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

void WriteItem(ByteWriter& w, const Item& item) {
  w.Int16(item.Id);
  w.Int16(item.X);
  w.Int16(item.Y);
  w.Name(item.Name);
  w.Int16(item.IsMasculine);
  w.Int16(item.IsPlural);
  w.Int16(item.Quantity);
  w.Int32(item.MaxDamage);
  w.Int32(item.MaxHealing);
  w.Int32(item.MagicShield);
  w.Int32(item.AddedMagicDamage);
  w.Int32(item.AttackBonus);
  w.Int32(item.DefenceBonus);
  w.Int32(item.ArmourBonus);
  w.Int16(item.IsMelee);
  w.Int16(item.IsSpell);
  w.Int16(item.IsRanged);
  w.Int16(item.IsTwoHanded);
  w.Int16(item.KeyNo);
  w.Int16(item.RestoresLife);
  w.Int16(item.RestoresMagic);
  w.Int16(item.SpellLevel);
  w.Int16(item.Spare);
  w.Int16(item.IsDecoration);
  w.Int32(item.Price);
  w.Int16(item.IsNatural);
  w.Int16(item.IsBar);
  w.Int16(item.BarPosition);
  w.Int16(item.BarTargetRoom);
  w.Int16(item.BarTargetExit);
}

void ReadItem(ByteReader& r, Item& item) {
  item.Id = r.Int16();
  item.X = r.Int16();
  item.Y = r.Int16();
  item.Name = r.Name();
  item.IsMasculine = r.Int16();
  item.IsPlural = r.Int16();
  item.Quantity = r.Int16();
  item.MaxDamage = r.Int32();
  item.MaxHealing = r.Int32();
  item.MagicShield = r.Int32();
  item.AddedMagicDamage = r.Int32();
  item.AttackBonus = r.Int32();
  item.DefenceBonus = r.Int32();
  item.ArmourBonus = r.Int32();
  item.IsMelee = r.Int16();
  item.IsSpell = r.Int16();
  item.IsRanged = r.Int16();
  item.IsTwoHanded = r.Int16();
  item.KeyNo = r.Int16();
  item.RestoresLife = r.Int16();
  item.RestoresMagic = r.Int16();
  item.SpellLevel = r.Int16();
  item.Spare = r.Int16();
  item.IsDecoration = r.Int16();
  item.Price = r.Int32();
  item.IsNatural = r.Int16();
  item.IsBar = r.Int16();
  item.BarPosition = r.Int16();
  item.BarTargetRoom = r.Int16();
  item.BarTargetExit = r.Int16();
}

void WriteBeing(ByteWriter& w, const Being& being) {
  w.Int16(being.Id);
  w.Int16(being.X);
  w.Int16(being.Y);
  w.Name(being.Name);
  w.Int16(being.Strength);
  w.Int16(being.Dexterity);
  w.Int16(being.Constitution);
  w.Int16(being.Power);
  w.Int32(being.Life);
  w.Int32(being.Magic);
  w.Int32(being.MaxLife);
  w.Int32(being.MaxMagic);
  w.Int32(being.MeleeAttack);
  w.Int32(being.RangedAttack);
  w.Int32(being.MagicAttack);
  w.Int32(being.Defence);
  w.Int32(being.Armour);
  WriteItems(w, being.Inventory);
  WriteItem(w, being.RightHand);
  WriteItem(w, being.LeftHand);
  w.Int32(being.Coins);
  WriteItem(w, being.Body);
  w.Int16(being.Level);
  w.Int32(being.Experience);
  w.Int32(being.ExperienceFactor);
  w.Int16(being.IsHero);
}

void ReadBeing(ByteReader& r, Being& being) {
  being.Id = r.Int16();
  being.X = r.Int16();
  being.Y = r.Int16();
  being.Name = r.Name();
  being.Strength = r.Int16();
  being.Dexterity = r.Int16();
  being.Constitution = r.Int16();
  being.Power = r.Int16();
  being.Life = r.Int32();
  being.Magic = r.Int32();
  being.MaxLife = r.Int32();
  being.MaxMagic = r.Int32();
  being.MeleeAttack = r.Int32();
  being.RangedAttack = r.Int32();
  being.MagicAttack = r.Int32();
  being.Defence = r.Int32();
  being.Armour = r.Int32();
  ReadItems(r, being.Inventory);
  ReadItem(r, being.RightHand);
  ReadItem(r, being.LeftHand);
  being.Coins = r.Int32();
  ReadItem(r, being.Body);
  being.Level = r.Int16();
  being.Experience = r.Int32();
  being.ExperienceFactor = r.Int32();
  being.IsHero = r.Int16();
}

void WriteExit(ByteWriter& w, const Exit& exit) {
  w.Int16(exit.X);
  w.Int16(exit.Y);
  w.Name(exit.Kind);
  w.Int16(exit.IsOpen);
  w.Int16(exit.LockNo);
  w.Int16(exit.Side);
  w.Int16(exit.TargetRoom);
  w.Int16(exit.Spare);
}

void ReadExit(ByteReader& r, Exit& exit) {
  exit.X = r.Int16();
  exit.Y = r.Int16();
  exit.Kind = r.Name();
  exit.IsOpen = r.Int16();
  exit.LockNo = r.Int16();
  exit.Side = r.Int16();
  exit.TargetRoom = r.Int16();
  exit.Spare = r.Int16();
}

void WriteRoom(ByteWriter& w, const Room& room) {
  w.Int16(room.Index);
  w.Int16(room.Width);
  w.Int16(room.Height);
  w.Name(room.Name);
  for (const Exit& exit : room.Exits) WriteExit(w, exit);
  WriteItems(w, room.Items);
  for (int16_t being : room.Beings) w.Int16(being);
}

void ReadRoom(ByteReader& r, Room& room) {
  room.Index = r.Int16();
  room.Width = r.Int16();
  room.Height = r.Int16();
  room.Name = r.Name();
  for (Exit& exit : room.Exits) ReadExit(r, exit);
  ReadItems(r, room.Items);
  for (int16_t& being : room.Beings) being = r.Int16();
}

std::array<std::string, kFileCount> EncodeSave(const Game& game) {
  std::array<std::string, kFileCount> files;
  auto file = [&files](SaveFile f) -> std::string& {
    return files.at(static_cast<std::size_t>(f));
  };

  std::string& a = file(SaveFile::A);
  a = std::to_string(game.CursorX) + "," + std::to_string(game.CursorY) + "," +
      std::to_string(game.Phase) + "," + std::to_string(game.CurrentRoomIndex) + "," +
      std::to_string(game.Difficulty) + "," + FlagText(game.AnyRecruited) + "," +
      FlagText(game.RecruitingOpen) + "," + std::to_string(game.RecruitedCount) + "\r\n";
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
