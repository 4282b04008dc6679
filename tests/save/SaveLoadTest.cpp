#include <gtest/gtest.h>

#include <algorithm>

#include "model/Cp1252.hpp"
#include "save/SaveSupport.hpp"
#include "startup/SaveLoad.hpp"
#include "support/TestGame.hpp"

namespace zorvek::testing {
namespace {

uint16_t U16At(const std::string& bytes, std::size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(bytes.at(at)) |
                               (static_cast<unsigned char>(bytes.at(at + 1)) << 8));
}

uint32_t U32At(const std::string& bytes, std::size_t at) {
  uint32_t v = 0;
  for (std::size_t k = 4; k-- > 0;) v = (v << 8) | static_cast<unsigned char>(bytes.at(at + k));
  return v;
}

std::string Padded(const std::string& cp1252) {
  return cp1252 + std::string(100 - cp1252.size(), ' ');
}

class SaveThenLoad : public ::testing::TestWithParam<int> {};

TEST_P(SaveThenLoad, RestoresIdenticalTablesWithTheSameBounds) {
  const int phase = GetParam();
  fs::path dir = FreshDir("roundtrip");
  auto saved = NewGame(dir, 11 * phase, phase);
  Game& g = saved->game;
  g.CursorX = 2;
  g.CursorY = 1;
  g.AnyRecruited = true;
  g.RecruitedCount = 3;
  g.Party(1).Name = "  Añil, guerrero élfico";  // leading blanks are kept, as stored
  g.Party(1).Inventory(20).Name = std::string(100, 'z');
  g.Party(2).Name = std::string(50, '\xC3') + "";  // never valid UTF-8: becomes "?"
  g.Party(3).Name = "Ñandú";
  for (int k = 0; k < 100; ++k)
    g.Party(3).Inventory(1).Name = g.Party(3).Inventory(1).Name.Raw() + "€";
  g.Party(4).Life = -123456789;  // a Long below zero: a dead hero
  g.Party(4).Experience = 2147483647;
  g.Difficulty = 5;
  ASSERT_TRUE(GuardarPartida(g));
  EXPECT_EQ(g.Text(TextArea::TBDatos), "Partida guardada");

  auto loaded = NewGame(dir, 11 * phase + 1);
  ASSERT_TRUE(CargarPartida(loaded->game));
  EXPECT_EQ(loaded->game.Text(TextArea::TBDatos), "Partida cargada");
  g.Party(2).Name = std::string(50, '?');
  ExpectSameSave(g, loaded->game);
}

INSTANTIATE_TEST_SUITE_P(Phases, SaveThenLoad, ::testing::Values(1, 3, 5));

TEST(SaveFiles, HaveTheExactSizesOfTheirRecords) {
  fs::path dir = FreshDir("sizes");
  auto big = NewGame(dir, 5, 5);
  ASSERT_TRUE(GuardarPartida(big->game));
  const Game& g = big->game;
  EXPECT_EQ(fs::file_size(dir / "B.dat"), 58352u);
  EXPECT_EQ(fs::file_size(dir / "C.dat"),
            kBeing * static_cast<std::size_t>(g.MonsterCatalogue.Upper()));
  EXPECT_EQ(fs::file_size(dir / "D.dat"),
            kBeing * static_cast<std::size_t>(g.DungeonBeings.Upper()));
  EXPECT_EQ(fs::file_size(dir / "E.dat"), 4196u);
  EXPECT_EQ(fs::file_size(dir / "F.dat"), kRoom * static_cast<std::size_t>(g.Rooms.Count()));
  EXPECT_GE(g.MonsterCatalogue.Upper(), 19);

  // A later save with fewer rooms leaves exactly its own rooms, and no temporary files.
  auto small = NewGame(dir, 6, 1);
  ASSERT_LT(small->game.Rooms.Count(), g.Rooms.Count());
  ASSERT_TRUE(GuardarPartida(small->game));
  EXPECT_EQ(fs::file_size(dir / "F.dat"),
            kRoom * static_cast<std::size_t>(small->game.Rooms.Count()));
  auto reader = NewGame(dir, 7, 5);
  ASSERT_TRUE(CargarPartida(reader->game));
  EXPECT_EQ(reader->game.Rooms.Upper(), small->game.Rooms.Upper());
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, std::vector<std::string>(kSaveFiles.begin(), kSaveFiles.end()));
}

TEST(SaveFiles, HoldEachFieldAtItsByteOffset) {
  fs::path dir = FreshDir("offsets");
  auto t = NewGame(dir, 3);
  Game& g = t->game;
  g.CursorX = 3;
  g.CursorY = 5;
  g.CurrentRoomIndex = 7;
  g.AnyRecruited = true;
  g.RecruitingOpen = false;
  g.RecruitedCount = 4;
  g.LockNames(16) = "pequeña";
  Being& hero = g.Party(2);
  hero.Name = "Peña, explorador élfico";
  hero.IsHero = kTrue;
  hero.Experience = 0x12345678;
  hero.Inventory(3).Name = "Espada bastarda";
  hero.Inventory(3).Price = -2;
  g.Bosses(10).Coins = 1000;
  Room& room = g.Rooms(2);
  room.Exits(2).TargetRoom = 3;
  room.Exits(2).IsOpen = kTrue;
  room.Beings(20) = 12;
  room.Items(1).Name = "Monedas";
  room.Items(20).BarTargetExit = 4;
  ASSERT_TRUE(GuardarPartida(g));

  const std::string a = ReadBytes(dir / "A.dat");
  EXPECT_EQ(a.substr(0, a.find('\n') + 1), "3,5,1,7,1,#TRUE#,#FALSE#,4\r\n");
  EXPECT_EQ(std::count(a.begin(), a.end(), '\n'), 21);
  EXPECT_NE(a.find("\r\npeque\xF1"
                   "a\r\n"),
            std::string::npos);

  const std::string b = ReadBytes(dir / "B.dat");
  const std::size_t second = kBeing;
  EXPECT_EQ(b.substr(second + 6, 100), Padded("Pe\xF1"
                                              "a, explorador \xE9lfico"));
  EXPECT_EQ(U16At(b, second + 4166), 0xFFFFu);
  EXPECT_EQ(U32At(b, second + 4158), 0x12345678u);
  EXPECT_EQ(b.substr(second + 150 + 2 * kItem + 6, 100), Padded("Espada bastarda"));
  EXPECT_EQ(U32At(b, second + 150 + 2 * kItem + 160), 0xFFFFFFFEu);
  EXPECT_EQ(b.substr(second + 150 + 3 * kItem + 6, 100), std::string(100, ' '));  // empty slot
  EXPECT_EQ(U32At(b, 13 * kBeing + 3978), 1000u);

  const std::string f = ReadBytes(dir / "F.dat");
  const std::size_t r2 = 2 * kRoom;
  EXPECT_EQ(U16At(f, r2), 2u);  // Index
  EXPECT_EQ(U16At(f, r2 + 106 + 114 + 110), 3u);
  EXPECT_EQ(U16At(f, r2 + 106 + 114 + 104), 0xFFFFu);
  EXPECT_EQ(U16At(f, r2 + 4156 + 38), 12u);
  EXPECT_EQ(f.substr(r2 + 676 + 6, 100), Padded("Monedas"));
  EXPECT_EQ(U16At(f, r2 + 676 + 19 * kItem + 172), 4u);

  const std::string e = ReadBytes(dir / "E.dat");
  EXPECT_EQ(e.substr(6, 100), Padded(Utf8ToCp1252(g.CurrentRoom.Name.Raw())));
}

// A save that cannot go beside the game goes to the user's data directory and says so;
// a load reads the newer of the two saves, wherever it is.
TEST(SaveDirectory, ALoadTakesTheNewerOfTheTwoPlaces) {
  const fs::path root = FreshDir("places");
  const fs::path program = root / "juego";
  const fs::path data = root / "data" / "zorvek";
  fs::create_directories(program);
  {
    EnvGuard noXdg("XDG_DATA_HOME", std::nullopt);
    EnvGuard home("HOME", (root / "home").string());
    fs::permissions(program, fs::perms::owner_write, fs::perm_options::remove);
    fs::create_directories(program / ".zorvek-prueba");  // root writes anyway: take the name
    EXPECT_EQ(SaveDirectory(NewGame(program, 30)->game),
              root / "home" / ".local" / "share" / "zorvek");
    fs::permissions(program, fs::perms::owner_write, fs::perm_options::add);
    fs::remove(program / ".zorvek-prueba");
  }
  EnvGuard xdg("XDG_DATA_HOME", (root / "data").string());
  auto older = NewGame(program, 31);
  EXPECT_EQ(SaveDirectory(older->game), program);
  EXPECT_FALSE(fs::exists(program / ".zorvek-prueba"));
  ASSERT_TRUE(GuardarPartida(older->game));
  EXPECT_EQ(older->game.Text(TextArea::TBDatos), "Partida guardada");
  const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
  for (const char* name : kSaveFiles) fs::last_write_time(program / name, anHourAgo);
  // The game's directory turns read-only; root writes anyway, so the probe's name is taken.
  fs::create_directories(program / ".zorvek-prueba");
  fs::permissions(program, fs::perms::owner_write, fs::perm_options::remove);

  auto t = NewGame(program, 32);
  ASSERT_TRUE(CargarPartida(t->game));
  ExpectSameSave(older->game, t->game);
  auto newer = NewGame(program, 33, 3);
  ASSERT_TRUE(GuardarPartida(newer->game));
  EXPECT_EQ(newer->game.Text(TextArea::TBDatos),
            "Partida guardada en " + data.string() +
                ", porque en la carpeta del juego no se puede escribir.");
  ASSERT_TRUE(CargarPartida(t->game));
  ExpectSameSave(newer->game, t->game);

  // Writable again, the game saves beside itself, and that save is now the newer one.
  fs::permissions(program, fs::perms::owner_write, fs::perm_options::add);
  fs::remove(program / ".zorvek-prueba");
  ASSERT_TRUE(GuardarPartida(older->game));
  ASSERT_TRUE(CargarPartida(t->game));
  ExpectSameSave(older->game, t->game);
}

TEST(FailedSave, KeepsThePreviousSaveAndSaysSo) {
  fs::path dir = FreshDir("failed");
  auto first = NewGame(dir, 4);
  ASSERT_TRUE(GuardarPartida(first->game));
  std::vector<std::string> before;
  for (const char* name : kSaveFiles) before.push_back(ReadBytes(dir / name));
  // C.dat's temporary name is taken by a directory, so the new C.dat cannot be written.
  fs::create_directories(dir / "C.dat.tmp");
  WriteBytes(dir / "C.dat.tmp" / "keep", "x");

  auto second = NewGame(dir, 5, 2);
  const int beeps = second->ui.Beeps;
  EXPECT_FALSE(GuardarPartida(second->game));
  EXPECT_EQ(second->game.Text(TextArea::TBDatos),
            "No se ha podido guardar la partida. La partida guardada anterior se conserva.");
  EXPECT_EQ(second->ui.Beeps, beeps + 1);
  for (std::size_t k = 0; k < kSaveFiles.size(); ++k)
    EXPECT_TRUE(ReadBytes(dir / kSaveFiles[k]) == before[k]) << kSaveFiles[k];
  EXPECT_FALSE(fs::exists(dir / "A.dat.tmp"));

  // With nowhere at all to write, the save fails the same way.
  WriteBytes(dir / "file", "x");
  EnvGuard xdg("XDG_DATA_HOME", (dir / "file" / "data").string());
  auto homeless = NewGame(dir / "file" / "juego", 6);
  EXPECT_FALSE(GuardarPartida(homeless->game));
  EXPECT_EQ(homeless->game.Text(TextArea::TBDatos),
            "No se ha podido guardar la partida. La partida guardada anterior se conserva.");
}

TEST(LockNames, AnOlderSaveWithFifteenStillLoads) {
  fs::path dir = FreshDir("locks");
  auto t = NewGame(dir, 8);
  for (int k = 1; k <= 20; ++k) t->game.LockNames(k) = "cerradura " + std::to_string(k) + " ñ";
  ASSERT_TRUE(GuardarPartida(t->game));

  // An older file: line 1 and fifteen names.
  std::string a = ReadBytes(dir / "A.dat");
  std::size_t at = 0;
  for (int line = 0; line < 16; ++line) at = a.find("\r\n", at) + 2;
  WriteBytes(dir / "A.dat", a.substr(0, at));
  auto older = NewGame(dir, 10);
  older->game.LockNames(16) = "propio";
  const std::string drawn20 = older->game.LockNames(20);
  ASSERT_TRUE(CargarPartida(older->game));
  EXPECT_EQ(older->game.LockNames(15), "cerradura 15 ñ");
  EXPECT_EQ(older->game.LockNames(16), "propio");
  EXPECT_EQ(older->game.LockNames(20), drawn20);
}

TEST(StartMenuLoad, WithNoSavePlaysTheNewGameAndWithOneSavedByF7ResumesIt) {
  fs::path dir = FreshDir("nosave");
  EnvGuard xdg("XDG_DATA_HOME", (dir / "data").string());  // no save of the player's own
  auto fresh = NewGame(dir, 12);
  TestGame t(RunSettings{dir.string(), 12});
  t.game.LoadOnStart = true;
  StartGameWindow(t.game);
  ASSERT_FALSE(t.ui.Boxes.empty());
  EXPECT_EQ(t.ui.Boxes.back().Text,
            "No se ha encontrado ninguna partida guardada. Se juega una partida nueva.");
  ExpectSameSave(fresh->game, t.game);
  EXPECT_EQ(t.game.Text(TextArea::TBDatos), fresh->game.Text(TextArea::TBDatos));

  // F7 saves on Yes only; the start-up then resumes the save and describes the cell under
  // the cursor.
  fresh->game.CursorX = 2;
  fresh->ui.YesNoAnswers = {Answer::No, Answer::Yes};
  fresh->Press(118);
  EXPECT_EQ(fresh->ui.Boxes.back().Text,
            "¿Realmente desea guardar la partida? (La grabación anterior se perderá)");
  EXPECT_FALSE(fs::exists(dir / "A.dat"));
  fresh->Press(118);
  TestGame resumed(RunSettings{dir.string(), 14});
  resumed.game.LoadOnStart = true;
  StartGameWindow(resumed.game);
  ExpectSameSave(fresh->game, resumed.game);
  EXPECT_TRUE(resumed.game.Text(TextArea::TBDatos).ends_with("2, 1"));
}

}  // namespace
}  // namespace zorvek::testing
