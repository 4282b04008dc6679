// The terminal's conveniences played through a pseudo-terminal: the review of past texts,
// the key help, the volumes and the settings found again at the next start.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "PtyGame.hpp"

namespace {

using ttytest::PtyGame;
namespace fs = std::filesystem;

#define SEE(game, text) \
  ASSERT_TRUE((game).See(text)) << "expected: " << (text) << "\n--- terminal:\n" << (game).Recent()

// A new game in the terminal, given the player's configuration folder.
void StartAGame(PtyGame& game) {
  ASSERT_TRUE(game.See("Dificultad, lista: Normal (x1), 1 de 4")) << game.Recent();
  game.Send("\t");
  game.Send("\r");
  ASSERT_TRUE(game.See("Sukir, hechicero humano")) << game.Recent();
}

void Quit(PtyGame& game) {
  game.Send("\x11");
  ASSERT_TRUE(game.See("ZORVEK, ventana cerrada")) << game.Recent();
  game.Send("\x11");
  EXPECT_EQ(game.Wait(), 0);
}

TEST(TerminalComfort, EarlierTextsArePrintedAgainAndTheSettingsLastAcrossStarts) {
  const fs::path dir = fs::path(::testing::TempDir()) / "zorvek_tty_comfort";
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::string config = (dir / "config").string();
  {
    PtyGame game({"--dir", dir.string(), "--seed", "7"}, config);
    StartAGame(game);
    game.Send("s");
    SEE(game, "reja en 3, 4.");
    game.Send("\x1b[C");
    SEE(game, "2, 1");
    game.Send("\x1b[20~");  // F9
    SEE(game, "\n2 de 3: ");
    SEE(game, "reja en 3, 4.");
    game.Send("\x1b[20;2~");  // Shift + F9
    SEE(game, "\n1 de 3: Calabozos  3X3");
    game.Send("\x1b[20~");
    SEE(game, "Principio.");
    game.Send("\x1b[34~");  // F20, the Linux console's Shift + F10
    SEE(game, "\n3 de 3: 2, 1");
    game.Send("\x1b[21~");  // F10
    SEE(game, "Final.");
    game.Send("\x1b[24~");  // F12
    SEE(game, "Alt + L: comprobar el laberinto.");
    game.Send("\x1b[17~");  // F6
    SEE(game, "Ajustes. Música: 100 %.");
    game.Send("\x1b[D");
    game.Send("\x1b[D");
    SEE(game, "Música: 80 %");
    game.Send("\r");
    SEE(game, "Ajustes cerrados.");
    game.Send("\x1bOQ");  // F2
    SEE(game, "Lectura de coordenadas desactivada");
    Quit(game);
  }
  {
    PtyGame again({"--dir", dir.string(), "--seed", "7"}, config);
    StartAGame(again);
    again.Send("\x1b[17~");
    SEE(again, "Ajustes. Música: 80 %.");
    // The first cell was told without its coordinates.
    EXPECT_EQ(again.Output().find("1, 1"), std::string::npos) << again.Output();
    again.Send("\r");
    Quit(again);
  }
  std::ofstream(fs::path(config) / "zorvek" / "ajustes.json") << "{\"music\": 250}";
  PtyGame damaged({"--dir", dir.string(), "--seed", "7"}, config);
  SEE(damaged, "estaba dañado; se usan los ajustes iniciales.");
  StartAGame(damaged);
  SEE(damaged, "1, 1");
  damaged.Send("\x1b[17~");
  SEE(damaged, "Ajustes. Música: 100 %.");
  damaged.Send("\r");
  Quit(damaged);
}

}  // namespace
