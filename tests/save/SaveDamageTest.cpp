#include <gtest/gtest.h>

#include <array>
#include <functional>

#include "save/SaveSupport.hpp"
#include "startup/SaveLoad.hpp"

namespace zorvek::testing {
namespace {

void PutU16(std::string& bytes, std::size_t at, int value) {
  const auto u = static_cast<uint16_t>(value);
  bytes.at(at) = static_cast<char>(u & 0xFF);
  bytes.at(at + 1) = static_cast<char>(u >> 8);
}

// Start of line `line` (1-based) of A.dat.
std::size_t LineStart(const std::string& a, int line) {
  std::size_t at = 0;
  for (int k = 1; k < line; ++k) at = a.find('\n', at) + 1;
  return at;
}

struct Harm {
  std::size_t File;
  std::function<void(std::string&)> Do;  // nullptr: the file is missing
};

// Every damage a save can suffer and every value out of the range the game can use, one
// at a time: the load refuses it, names the file, beeps, and the game goes on untouched.
// (The fuzz targets look for the rest: no file at all may crash or break the game.)
TEST(DamagedSave, IsRefusedNamingTheFileAndTheGameGoesOnUntouched) {
  const fs::path dir = FreshDir("damaged");
  auto saved = NewGame(dir, 21, 2);
  saved->game.Party(1).Name = "Urso, guerrero humano";
  saved->game.Party(2).Name = "Jan, guerrero humano";
  saved->game.RecruitedCount = 2;
  ASSERT_TRUE(GuardarPartida(saved->game));
  std::array<std::string, 6> pristine;
  for (std::size_t k = 0; k < 6; ++k) pristine.at(k) = ReadBytes(dir / kSaveFiles.at(k));
  const int rooms = saved->game.Rooms.Count();
  const int beings = saved->game.DungeonBeings.Upper();
  const int width = saved->game.CurrentRoom.Width;
  const std::string a = pristine.at(0);
  auto line1 = [&](const std::string& line) {
    return [line](std::string& text) { text.replace(0, text.find('\r'), line); };
  };
  const std::size_t room = kRoom;                     // room 1 of F.dat
  const std::size_t exit2 = room + 106 + 114;         // its second exit
  const std::size_t boss = 4 * kBeing;                // the first boss in B.dat
  const std::size_t pack = kBeing + 150 + 2 * kItem;  // a pack slot of the first monster
  std::vector<Harm> harms = {
      {3, [](std::string& d) { d.clear(); }},
      {0, [&](std::string& t) { t.resize(LineStart(a, 16) - 1); }},  // fourteen lock names
      {0, [&](std::string& t) { t.at(LineStart(t, 2)) = '\x1b'; }},
      {0, line1("")},
      {0, line1("3,5,1,7,1,#TRUE#,#FALSE#")},
      {0, line1("3,5,1,7,1,#TRUE#,#FALSE#,4,0")},
      {0, line1("1,1,1,1,1,#true#,#FALSE#,2")},
      {0, line1(" 1,1,1,1,1,#TRUE#,#FALSE#,2")},
      {0, line1("1,1.5,1,1,1,#TRUE#,#FALSE#,2")},
      {0, line1("1,1,6,1,1,#TRUE#,#FALSE#,2")},
      {0, line1("1,1,1,1,4,#TRUE#,#FALSE#,2")},
      {0, line1("1,1,1,1,1,#TRUE#,#FALSE#,5")},
      {0, line1("1,1,1," + std::to_string(rooms) + ",1,#TRUE#,#FALSE#,2")},
      {0, line1("1,99,1,1,1,#TRUE#,#FALSE#,2")},
      {0, line1("99,1,1,1,1,#TRUE#,#FALSE#,2")},
      {0, line1(std::to_string(width + 2) + ",1,1,1,1,#TRUE#,#FALSE#,2")},  // past the wall
      {0, line1("1,1,1,1,1,#TRUE#,#FALSE#,3")},  // two heroes march, three were recruited
      {1, [](std::string& b) { b.replace(kBeing + 6, 100, b.substr(6, 100)); }},  // twice
      {1, [](std::string& b) { b.replace(3978, 4, "\xff\xff\xff\xff"); }},        // debts
      {1, [&](std::string& b) { b.at(boss + 8) = '\0'; }},
      {1, [&](std::string& b) { b.at(boss + 6) = '\x1b'; }},
      {1, [](std::string& b) { PutU16(b, 114, 1); }},  // an empty marching slot with life
      {2,
       [](std::string& c) {  // a magic maximum (a Long) below 0
         PutU16(c, kBeing + 126, -1);
         PutU16(c, kBeing + 128, -1);
       }},
      {3, [&](std::string& d) { PutU16(d, pack + 148, 21); }},  // a key of no lock
      {3, [&](std::string& d) { PutU16(d, pack + 148, -5); }},
      {3,
       [&](std::string& d) {  // a bar whose target does not exist
         PutU16(d, pack + 166, -1);
         PutU16(d, pack + 170, rooms);
       }},
      {5, [](std::string& f) { f.at(7) = '\x07'; }},
      {5, [&](std::string& f) { PutU16(f, exit2 + 110, rooms); }},
      {5, [&](std::string& f) { PutU16(f, exit2 + 106, 21); }},
      {5, [&](std::string& f) { PutU16(f, exit2 + 108, 5); }},
      {5, [&](std::string& f) { PutU16(f, room + 4156 + 2, beings + 1); }},
      {5, [&](std::string& f) { PutU16(f, room, rooms); }},
      {5, [&](std::string& f) { PutU16(f, room + 2, 16); }},  // wider than any room
      {5, [&](std::string& f) { PutU16(f, room + 4, -1); }},
      {5, [&](std::string& f) { PutU16(f, room + 676 + 148, -300); }},
      {4, [](std::string& e) { PutU16(e, 2, 0); }},  // the party's room has no width
      {4, [](std::string& e) { e.at(6) = 'X'; }},    // not the stored copy of that room
  };
  for (std::size_t f = 0; f < 6; ++f) {
    harms.push_back({f, nullptr});
    if (f == 0) continue;  // lines after the twentieth lock name are not read
    harms.push_back({f, [](std::string& bytes) { bytes.append(1, '\x7F'); }});
    harms.push_back({f, [](std::string& bytes) { bytes.pop_back(); }});
  }

  auto t = NewGame(dir, 22);
  for (std::size_t k = 0; k < harms.size(); ++k) {
    const Harm& harm = harms[k];
    for (std::size_t f = 0; f < 6; ++f) WriteBytes(dir / kSaveFiles.at(f), pristine.at(f));
    const std::string name = kSaveFiles.at(harm.File);
    if (harm.Do) {
      std::string bytes = pristine.at(harm.File);
      harm.Do(bytes);
      WriteBytes(dir / name, bytes);
    } else {
      fs::remove(dir / name);
    }
    const WholeState before = WholeStateOf(t->game);
    const int beeps = t->ui.Beeps;
    EXPECT_FALSE(CargarPartida(t->game)) << "harm " << k;
    EXPECT_EQ(t->game.Text(TextArea::TBDatos), "No se ha podido cargar la partida: " +
                                                   (harm.Do ? "el archivo " + name + " está dañado."
                                                            : "falta el archivo " + name + ".") +
                                                   " La partida actual continúa.")
        << "harm " << k;
    EXPECT_EQ(t->ui.Beeps, beeps + 1);
    ASSERT_TRUE(WholeStateOf(t->game) == before) << "harm " << k;
  }
  // The pristine files load.
  for (std::size_t f = 0; f < 6; ++f) WriteBytes(dir / kSaveFiles.at(f), pristine.at(f));
  EXPECT_TRUE(CargarPartida(t->game));
}

}  // namespace
}  // namespace zorvek::testing
