// The terminal's conveniences played through a pseudo-terminal: the review of past texts,
// the key help, the volumes and the settings found again at the next start.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "PtyGame.hpp"
#include "app/shared/Settings.hpp"

namespace {

using ttytest::PtyGame;
namespace fs = std::filesystem;

constexpr const char* kRight = "\x1b[C";
constexpr const char* kLeft = "\x1b[D";
constexpr const char* kF2 = "\x1bOQ";
constexpr const char* kF6 = "\x1b[17~";
constexpr const char* kF9 = "\x1b[20~";
constexpr const char* kShiftF9 = "\x1b[20;2~";
constexpr const char* kF10 = "\x1b[21~";
constexpr const char* kShiftF10 = "\x1b[21;2~";
constexpr const char* kConsoleShiftF9 = "\x1b[33~";  // F19
constexpr const char* kF11 = "\x1b[23~";
constexpr const char* kF12 = "\x1b[24~";
constexpr const char* kCtrlQ = "\x11";

#define SEE(game, text) \
  ASSERT_TRUE((game).See(text)) << "expected: " << (text) << "\n--- terminal:\n" << (game).Recent()

std::string FreshDir() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  fs::path dir = fs::path(::testing::TempDir()) / (std::string("zorvek_comfort_") + test->name());
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string();
}

void StartAGame(PtyGame& game) {
  ASSERT_TRUE(game.See("Dificultad, lista: Normal (x1), 1 de 4")) << game.Recent();
  game.Send("\t");
  ASSERT_TRUE(game.See("Empezar partida nueva, botón")) << game.Recent();
  game.Send("\r");
  ASSERT_TRUE(game.See("ZORVEK, ventana del juego")) << game.Recent();
  ASSERT_TRUE(game.See("Urso, guerrero humano")) << game.Recent();
}

void Quit(PtyGame& game) {
  game.Send(kCtrlQ);
  ASSERT_TRUE(game.See("ZORVEK, ventana cerrada")) << game.Recent();
  game.Send(kCtrlQ);
  EXPECT_EQ(game.Wait(), 0);
}

TEST(TerminalComfort, EarlierTextsArePrintedAgainAndTheSettingsLastAcrossStarts) {
  const std::string dir = FreshDir();
  const std::string config = dir + "/config";
  {
    PtyGame game({"--dir", dir, "--seed", "7"}, config);
    StartAGame(game);
    SEE(game, "1, 1");
    game.Send("s");
    SEE(game, "reja en 3, 4.");
    game.Send(kRight);
    SEE(game, "2, 1");
    game.Send(kF9);
    SEE(game, "reja en 3, 4.");
    EXPECT_TRUE(std::regex_search(game.Seen(), std::regex("\\n\\d+ de \\d+: "))) << game.Seen();
    game.Send(kShiftF9);
    SEE(game, "\n1 de ");
    game.Send(kF9);
    SEE(game, "Principio.");
    game.Send(kF10);
    SEE(game, "\n2 de ");
    game.Send(kShiftF10);
    SEE(game, "2, 1");
    game.Send(kF10);
    SEE(game, "Final.");
    game.Send(kConsoleShiftF9);
    SEE(game, "\n1 de ");
    game.Send(kF11);
    SEE(game, "2, 1");
    game.Send(kF12);
    SEE(game, "Todas las teclas.");
    SEE(game, "Alt + L: comprobar el laberinto.");
    SEE(game, "F12: esta ayuda.");

    game.Send(kF6);
    SEE(game, "Ajustes. Música: 100 %.");
    game.Send(kLeft);
    SEE(game, "Música: 90 %");
    game.Send(kLeft);
    SEE(game, "Música: 80 %");
    game.Send("\r");
    SEE(game, "Ajustes cerrados.");
    game.Send(kF2);
    SEE(game, "Lectura de coordenadas desactivada");
    Quit(game);
  }
  std::ifstream in(fs::path(config) / "zorvek" / "ajustes.json");
  const zorvek::frontend::ParsedSettings kept = zorvek::frontend::ParseSettings(
      std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  EXPECT_FALSE(kept.Damaged);
  EXPECT_EQ(kept.Values.Music, 80);
  EXPECT_FALSE(kept.Values.ReadCoordinates);

  PtyGame again({"--dir", dir, "--seed", "7"}, config);
  StartAGame(again);
  again.Send(kF6);
  SEE(again, "Ajustes. Música: 80 %.");
  // The first cell was told without its coordinates.
  EXPECT_EQ(again.Output().find("1, 1"), std::string::npos) << again.Output();
  again.Send("\r");
  SEE(again, "Ajustes cerrados.");
  Quit(again);
}

TEST(TerminalComfort, ADamagedSettingsFileIsToldAndTheGameStartsWithTheDefaults) {
  const std::string dir = FreshDir();
  const fs::path file = fs::path(dir) / "config" / "zorvek" / "ajustes.json";
  fs::create_directories(file.parent_path());
  std::ofstream(file) << "{\"music\": 250}";
  PtyGame game({"--dir", dir, "--seed", "7"}, dir + "/config");
  SEE(game, "estaba dañado; se usan los ajustes iniciales.");
  StartAGame(game);
  SEE(game, "1, 1");
  game.Send(kF6);
  SEE(game, "Ajustes. Música: 100 %.");
  game.Send("\r");
  Quit(game);
}

}  // namespace
