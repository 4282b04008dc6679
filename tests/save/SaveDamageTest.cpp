#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <random>

#include "save/SaveSupport.hpp"
#include "startup/SaveLoad.hpp"

namespace zorvek::testing {
namespace {

constexpr const char* kRefused = "No se ha podido cargar la partida: ";

void PutU16(std::string& bytes, std::size_t at, int value) {
  const auto u = static_cast<uint16_t>(value);
  bytes.at(at) = static_cast<char>(u & 0xFF);
  bytes.at(at + 1) = static_cast<char>(u >> 8);
}

// The pristine save, in memory, and the damage done to a copy of it.
struct Save {
  std::array<std::string, 6> Files;
  int Rooms = 0;
  int Beings = 0;
};

struct Damage {
  std::string What;
  bool MustFail = true;
};

std::size_t Pick(std::mt19937& rng, std::size_t count) {
  return std::uniform_int_distribution<std::size_t>(0, count - 1)(rng);
}

// Start of line `line` (1-based) of A.dat.
std::size_t LineStart(const std::string& a, int line) {
  std::size_t at = 0;
  for (int k = 1; k < line; ++k) at = a.find('\n', at) + 1;
  return at;
}

std::string GarbageLine(std::mt19937& rng, const Save& save) {
  const std::string rooms = std::to_string(save.Rooms);
  const std::array<std::string, 9> wrong = {
      "",
      "3,5,1,7,1,#TRUE#,#FALSE#",
      "3,5,1,7,1,#TRUE#,#FALSE#,4,0",
      "1,1,1,1,1,#true#,#FALSE#,4",
      " 1,1,1,1,1,#TRUE#,#FALSE#,4",
      "1,1.5,1,1,1,#TRUE#,#FALSE#,4",
      "1,1,6,1,1,#TRUE#,#FALSE#,4",
      "1,1,1," + rooms + ",1,#TRUE#,#FALSE#,4",
      "1,99,1,1,1,#TRUE#,#FALSE#,4",
  };
  if (Pick(rng, 3) > 0) return wrong.at(Pick(rng, wrong.size()));
  std::string noise;
  const std::size_t length = 1 + Pick(rng, 60);
  for (std::size_t k = 0; k < length; ++k) noise += static_cast<char>(' ' + Pick(rng, 95));
  return noise + "x";  // a letter outside a flag can never be a number
}

// One random damage to `files`; says what it did and whether a load must refuse it.
Damage Harm(std::mt19937& rng, const Save& save, std::array<std::string, 6>& files,
            std::array<bool, 6>& present) {
  const std::size_t f = Pick(rng, 6);
  std::string& bytes = files.at(f);
  const std::string name = kSaveFiles.at(f);
  const std::size_t kind = Pick(rng, 6);
  if (f == 0 && (kind == 2 || kind == 3)) {  // A.dat's first line wrong or garbled
    bytes.replace(0, LineStart(bytes, 2) - 2, GarbageLine(rng, save));
    return {"bad line 1: " + bytes.substr(0, bytes.find('\r'))};
  }
  switch (kind) {
    case 0:
      present.at(f) = false;
      return {"delete " + name};
    case 1: {  // cut short, never at a whole record (nor keeping fifteen lock names)
      const std::size_t record = f == 0 ? 0 : (f == 4 || f == 5) ? kRoom : kBeing;
      std::size_t length = Pick(rng, f == 0 ? LineStart(bytes, 16) : bytes.size());
      if (record != 0 && length % record == 0) length += 1 + Pick(rng, record - 1);
      bytes.resize(length);
      return {"truncate " + name + " to " + std::to_string(length)};
    }
    case 2:  // grown by a part of a record
      bytes.append(1 + Pick(rng, 173), '\x7F');
      return {"extend " + name};
    case 3: {  // an index out of the range the game can use
      if (f >= 4) {
        const std::size_t room = Pick(rng, bytes.size() / kRoom) * kRoom;
        const std::size_t exit = room + 106 + Pick(rng, 5) * 114;
        const std::size_t slot = room + 676 + Pick(rng, 20) * kItem;
        const std::size_t being = room + 4156 + 2 * Pick(rng, 20);
        const std::array<std::pair<std::size_t, int>, 7> bad = {{
            {exit + 110, save.Rooms},
            {exit + 106, 21},
            {exit + 108, 5},
            {being, save.Beings + 1},
            {room, save.Rooms},
            {room + 4, -1},
            {slot + 148, -300},
        }};
        const auto [at, value] = bad.at(Pick(rng, bad.size()));
        PutU16(bytes, at, value);
        return {name + " offset " + std::to_string(at) + " = " + std::to_string(value)};
      }
      const std::size_t being = Pick(rng, bytes.size() / kBeing) * kBeing;
      const std::size_t item = being + (Pick(rng, 2) == 0 ? 150 + Pick(rng, 20) * kItem : 3630);
      if (Pick(rng, 2) == 0) {
        PutU16(bytes, item + 148, Pick(rng, 2) == 0 ? 21 : -5);
      } else {
        PutU16(bytes, item + 166, -1);  // a bar whose target does not exist
        PutU16(bytes, item + 170, save.Rooms + static_cast<int>(Pick(rng, 100)));
      }
      return {name + " item at " + std::to_string(item)};
    }
    default: {  // bytes flipped anywhere: a load may take them or refuse them
      const std::size_t flips = 1 + Pick(rng, 8);
      for (std::size_t k = 0; k < flips && !bytes.empty(); ++k) {
        bytes.at(Pick(rng, bytes.size())) ^= static_cast<char>(1 + Pick(rng, 255));
      }
      return {"flip bytes of " + name, false};
    }
  }
}

TEST(DamagedSave, NeverCrashesNeverChangesTheGameAndAlwaysSaysWhy) {
  const fs::path source = FreshDir("pristine");
  auto saved = NewGame(source, 21, 2);
  ASSERT_TRUE(GuardarPartida(saved->game));
  Save save;
  for (std::size_t k = 0; k < 6; ++k) save.Files.at(k) = ReadBytes(source / kSaveFiles.at(k));
  save.Rooms = saved->game.Rooms.Count();
  save.Beings = saved->game.DungeonBeings.Upper();

  const fs::path dir = FreshDir("damaged");
  std::mt19937 rng(20240611);
  auto game = NewGame(dir, 22);
  int mustFail = 0;
  int taken = 0;
  for (int round = 0; round < 400; ++round) {
    std::array<std::string, 6> files = save.Files;
    std::array<bool, 6> present{};
    present.fill(true);
    const Damage damage = Harm(rng, save, files, present);
    mustFail += damage.MustFail ? 1 : 0;
    for (std::size_t k = 0; k < 6; ++k) {
      fs::remove(dir / kSaveFiles.at(k));
      if (present.at(k)) WriteBytes(dir / kSaveFiles.at(k), files.at(k));
    }
    const WholeState before = WholeStateOf(game->game);
    const int beeps = game->ui.Beeps;
    const bool loaded = CargarPartida(game->game);
    const std::string& data = game->game.Text(TextArea::TBDatos);
    if (loaded) {
      ASSERT_FALSE(damage.MustFail) << "round " << round << ": " << damage.What;
      EXPECT_EQ(data, "Partida cargada");
      ++taken;
      game = NewGame(dir, 22);
      continue;
    }
    ASSERT_EQ(data.rfind(kRefused, 0), 0u)
        << "round " << round << ": " << damage.What << ": " << data;
    EXPECT_NE(data.find(" La partida actual continúa."), std::string::npos);
    EXPECT_EQ(game->ui.Beeps, beeps + 1);
    ASSERT_TRUE(WholeStateOf(game->game) == before) << "round " << round << ": " << damage.What;
  }
  EXPECT_GT(mustFail, 250);
  EXPECT_GT(taken, 0);  // flipped bytes inside names and numbers are a loadable game
}

TEST(DamagedSave, NamesTheFileThatIsMissingOrDamaged) {
  const fs::path dir = FreshDir("named");
  auto saved = NewGame(dir, 23);
  ASSERT_TRUE(GuardarPartida(saved->game));
  fs::remove(dir / "D.dat");
  auto t = NewGame(dir, 24);
  EXPECT_FALSE(CargarPartida(t->game));
  EXPECT_EQ(t->game.Text(TextArea::TBDatos),
            "No se ha podido cargar la partida: falta el archivo D.dat. La partida actual "
            "continúa.");
  ASSERT_TRUE(GuardarPartida(saved->game));
  std::string b = ReadBytes(dir / "B.dat");
  b.pop_back();
  WriteBytes(dir / "B.dat", b);
  EXPECT_FALSE(CargarPartida(t->game));
  EXPECT_EQ(t->game.Text(TextArea::TBDatos),
            "No se ha podido cargar la partida: el archivo B.dat está dañado. La partida actual "
            "continúa.");
}

// Files no game could have written are refused too, and the message names the file:
// an empty table of beings, a name holding a control character, a life above its
// maximum, a negative maximum.
TEST(DamagedSave, NamesTheFileNoGameCouldHaveWritten) {
  const fs::path dir = FreshDir("impossible");
  auto saved = NewGame(dir, 25, 2);
  ASSERT_TRUE(GuardarPartida(saved->game));
  std::array<std::string, 6> pristine;
  for (std::size_t k = 0; k < 6; ++k) pristine.at(k) = ReadBytes(dir / kSaveFiles.at(k));
  const std::size_t boss = 4 * kBeing;  // the first boss's record in B.dat
  const std::vector<std::pair<std::size_t, std::function<void(std::string&)>>> harms = {
      {3, [](std::string& d) { d.clear(); }},
      {1, [&](std::string& b) { b.at(boss + 8) = '\0'; }},
      {1, [&](std::string& b) { b.at(boss + 6) = '\x1b'; }},
      {5, [](std::string& f) { f.at(7) = '\x07'; }},
      {0, [](std::string& a) { a.at(LineStart(a, 2)) = '\x1b'; }},
      {1, [](std::string& b) { PutU16(b, 114, 1); }},  // an empty marching slot with life
      {3,
       [](std::string& d) {
         PutU16(d, kBeing + 126, -1);  // the first monster's magic maximum
         PutU16(d, kBeing + 128, -1);
       }},
  };
  auto t = NewGame(dir, 26);
  for (const auto& [file, harm] : harms) {
    for (std::size_t k = 0; k < 6; ++k) WriteBytes(dir / kSaveFiles.at(k), pristine.at(k));
    std::string bytes = pristine.at(file);
    harm(bytes);
    WriteBytes(dir / kSaveFiles.at(file), bytes);
    EXPECT_FALSE(CargarPartida(t->game));
    EXPECT_EQ(t->game.Text(TextArea::TBDatos), std::string(kRefused) + "el archivo " +
                                                   kSaveFiles.at(file) +
                                                   " está dañado. La partida actual continúa.");
  }
}

}  // namespace
}  // namespace zorvek::testing
