// zorvek-tty played through a pseudo-terminal, from the start menu to quitting.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "PtyGame.hpp"
#include "board/Board.hpp"
#include "model/Grammar.hpp"
#include "shared/StandIns.hpp"
#include "startup/SaveLoad.hpp"

namespace {

using ttytest::FreshDir;
using ttytest::PtyGame;
namespace fs = std::filesystem;

// Keys as an xterm (and, for F1, F20 and Shift + Tab, the Linux console) sends them.
constexpr const char* kDown = "\x1b[B";
constexpr const char* kF6 = "\x1b[17~";
constexpr const char* kF7 = "\x1b[18~";
constexpr const char* kF8 = "\x1b[19~";
constexpr const char* kShiftTab = "\x1b[Z";
constexpr const char* kEscape = "\x1b";
constexpr const char* kCtrlQ = "\x11";

// A game saved in `dir` by the engine itself: a warrior who has just passed his level's
// experience, alone in the first room, with a monster beside him.
void SaveBesideAMonster(const std::string& dir, int32_t heroLife, int32_t monsterLife) {
  fetest::QuietGame quiet(dir, 7);
  zorvek::Game& game = quiet.game;
  zorvek::EnterRoom(game, 1, zorvek::WallSide::None, zorvek::DataLine::Keep);
  zorvek::Being& hero = game.Party(1);
  hero = game.DungeonBeings(1);
  if (heroLife > 0) hero.Life = heroLife;
  hero.Experience = zorvek::ExperienceForNextLevel(hero.ExperienceFactor, hero.Level) + 1;
  game.AnyRecruited = true;
  game.RecruitingOpen = false;
  game.RecruitedCount = 1;
  game.CursorX = 1;
  game.CursorY = 1;
  for (auto& b : game.CurrentRoom.Beings) b = 0;
  zorvek::Being monster = game.MonsterCatalogue(1);
  monster.Life = monster.MaxLife = monsterLife;
  monster.X = 2;
  monster.Y = 1;
  game.CurrentRoom.Beings(1) = static_cast<int16_t>(game.DungeonBeings.Append(monster));
  game.Rooms(1).Beings = game.CurrentRoom.Beings;
  EXPECT_TRUE(zorvek::GuardarPartida(game));
}

// Attacks with A, turn by turn, until `end` is told; each '?' shows the help once the
// turn has been told, or only the box's keys under a box.
bool FightUntil(PtyGame& game, std::string_view end) {
  for (int turn = 0; turn < 60; ++turn) {
    game.Send("?");
    int seen = game.SeeEither(end, "?: esta ayuda.");
    if (seen != 2) return seen == 1;
    game.Send("a");
  }
  return false;
}

void Quit(PtyGame& game) {
  game.Send(kCtrlQ);
  SEE(game, "ZORVEK, ventana cerrada");
  SEE(game, "Zorvek, menú de inicio");
  game.Send(kCtrlQ);
  EXPECT_EQ(game.Wait(), 0);
}

TEST(TerminalPlay, AWholeVisitFromTheStartMenuToQuittingAndTheSettingsFoundAgain) {
  const std::string dir = FreshDir();
  const std::string config = dir + "/config";
  {
    PtyGame game({"--dir", dir, "--seed", "7"}, config);
    // The terminal's own help comes first, then the start menu on its difficulty list.
    SEE(game, "Zorvek en la terminal");
    SEE(game, "Zorvek, menú de inicio");
    SEE(game, "Dificultad, lista: Normal (x1), 1 de 4");
    SEE(game, "no hay dispositivo de sonido");
    game.Send(kDown);
    SEE(game, "Difícil (x2), 2 de 4");
    game.Send("\x1bOA");  // Up
    SEE(game, "Normal (x1), 1 de 4");
    game.Send("\t");
    SEE(game, "Empezar partida nueva, botón");
    game.Send("\r");
    SEE(game, "ZORVEK, ventana del juego");
    // The room's name is the narration's news, told before the data line.
    SEE(game, "Calabozos  3X3");
    SEE(game, "1, 1");
    // A window resize changes nothing: the next key's answer is all that follows.
    game.Resize(40, 120);
    game.Send(" ");
    SEE(game, "1, 1");
    EXPECT_EQ(game.Seen().find_first_not_of("\r\n"), game.Seen().find("Urso, guerrero humano"))
        << game.Seen();
    game.Send("s");
    SEE(game, "reja en 3, 4.");
    game.Send("\x1b[C");  // Right
    SEE(game, "2, 1");
    // The review of earlier texts: F9, then F20 (the console's Shift + F10).
    game.Send("\x1b[20~");  // F9
    SEE(game, "\n3 de 4: ");
    SEE(game, "reja en 3, 4.");
    game.Send("\x1b[34~");
    SEE(game, "\n4 de 4: 2, 1");
    game.Send(kF6);
    SEE(game, "Ajustes. Música: 100 %.");
    game.Send("\x1b[D\x1b[D");
    SEE(game, "Música: 80 %");
    game.Send("\r");
    SEE(game, "Ajustes cerrados.");
    game.Send("\x1bOD");  // Left
    SEE(game, "1, 1");
    game.Send("\x1b[[A");  // the console's F1
    SEE(game, "Combinaciones de teclas: ");
    SEE(game, "Espacio: Leer la casilla actual.\r\n-----\r\n");

    // Recruiting through the cell menu.
    game.Send("\r1\r");
    for (const char* position : {"1\r", "2\r"}) {
      SEE(game, "1. Reclutar");
      game.Send("1\r");
      SEE(game, "Elija la posición de marcha del héroe");
      game.Send(position);
      SEE(game, "  Reclutado.");
      if (*position == '1') game.Send("\r1\r");  // the cell menu again, for the next hero
    }

    // The party dialog, walked with Tab, Shift + Tab and the arrows.
    game.Send("g");
    SEE(game, "EL GRUPO DE HÉROES, diálogo");
    SEE(game, "Héroes, grupo de opciones: Urso, guerrero humano, marcado, 1 de 4");
    game.Send(kDown);
    SEE(game, "Jan, guerrero humano, marcado, 2 de 4");
    game.Send("\t");
    SEE(game, "texto: Jan, guerrero humano");
    game.Send("\t");
    SEE(game, "CARACTERÍSTICAS, texto:");
    SEE(game, "Siguiente nivel a: ");
    game.Send("\t");
    SEE(game, "INVENTARIO, lista, 3 líneas, ninguna elegida");
    game.Send(kDown);
    SEE(game, "Mano derecha: ");
    SEE(game, ", 1 de 3");
    game.Send(kShiftTab);
    SEE(game, "CARACTERÍSTICAS, texto:");
    game.Send("\x1b\t");  // the console's Shift + Tab
    SEE(game, "texto: Jan, guerrero humano");
    game.Send(kShiftTab);
    SEE(game, "Héroes, grupo de opciones: Jan, guerrero humano, marcado, 2 de 4");
    // From the list, past the disabled or enabled object button, to the position button.
    game.Send("\t\t\t\t");
    SEE(game, "Cambiar posición del héroe, botón");
    game.Send("\r");
    SEE(game, "Zorvek, pregunta:");
    SEE(game, "¿En qué posición desea colocar a Jan, guerrero humano? ");
    game.Send("3\r");
    SEE(game, "Cambiar posición del héroe, botón");
    game.Send(kEscape);
    SEE(game, "Cerrado: EL GRUPO DE HÉROES");

    // F7 saves after its question; F8's question answered No keeps the game.
    game.Send(kF7);
    SEE(game, "Guardar partida, mensaje:");
    SEE(game, "¿Realmente desea guardar la partida? (La grabación anterior se perderá)");
    SEE(game, "s: Sí, n: No");
    game.Send("S");
    SEE(game, "Partida guardada");
    EXPECT_TRUE(fs::exists(fs::path(dir) / "A.dat"));
    game.Send(kF8);
    SEE(game, "¿Desea cargar la partida almacenada? (La partida actual se descartará)");
    game.Send("n");
    SEE(game, "No");
    game.Send("\x1bOQ");  // F2
    SEE(game, "Lectura de coordenadas desactivada");
    Quit(game);
    // Plain lines for reading machines: no escape sequence at all, and CR LF line ends.
    const std::string& all = game.Output();
    EXPECT_EQ(all.find('\x1b'), std::string::npos);
    for (std::size_t at = all.find('\n'); at != std::string::npos; at = all.find('\n', at + 1)) {
      ASSERT_TRUE(at > 0 && all[at - 1] == '\r') << all.substr(at > 80 ? at - 80 : 0, 80);
    }
    EXPECT_EQ(all.find("no hay dispositivo de sonido"), all.rfind("no hay dispositivo de sonido"));
    ttytest::ExpectTheTerminalAsItWas(game);
  }
  // The next start finds the settings again, the first cell told without coordinates.
  PtyGame again({"--dir", dir, "--seed", "7"}, config);
  SEE(again, "Dificultad, lista");
  again.Send("\t\r");
  SEE(again, "Calabozos  3X3");
  again.Send(kF6);
  SEE(again, "Ajustes. Música: 80 %.");
  EXPECT_EQ(again.Output().find("1, 1"), std::string::npos) << again.Output();
  std::ofstream(fs::path(config) / "zorvek" / "ajustes.json") << "{\"music\": 250}";
  PtyGame damaged({"--dir", dir, "--seed", "7"}, config);
  SEE(damaged, "estaba dañado; se usan los ajustes iniciales.");
  damaged.Send("\t\r");
  SEE(damaged, "1, 1");
}

TEST(TerminalPlay, ASavedGameIsLoadedAndItsFightWaitsUnderABox) {
  const std::string dir = FreshDir();
  SaveBesideAMonster(dir, 0, 1);
  PtyGame game({"--dir", dir, "--seed", "7"});
  SEE(game, "Dificultad, lista");
  game.Send("\t\r");
  SEE(game, "ZORVEK, ventana del juego");
  game.Send(kF8);
  SEE(game, "s: Sí, n: No");
  game.Send("s");
  SEE(game, "Partida cargada");
  // Under a message box the pursuit's ticks are held back; once it is answered, the
  // next tick brings the monster and the fight.
  game.Send(kF7);
  SEE(game, "s: Sí, n: No");
  game.Advance(3000);
  game.Advance(3000);
  ASSERT_EQ(game.Settle(), 1);
  EXPECT_EQ(game.Unread().find("Modo combate"), std::string::npos) << game.Unread();
  game.Send("n");
  SEE(game, "No");
  game.Advance(3000);
  ASSERT_NE(game.Settle("Modo combate activado"), 0) << game.Recent();
  ASSERT_TRUE(FightUntil(game, "pasar al nivel 2")) << game.Recent();
  game.Send("\r");
  SEE(game, "Escoge en qué quieres mejorar, pregunta:");
  SEE(game, "Te quedan 3 puntos de desarrollo");
  // Answers are edited: Backspace as DEL and as ^H takes a whole letter, a text is
  // refused and asked again.
  game.Send(
      "9\x7f\x08"
      "abc\r");
  SEE(game, "Te quedan 3 puntos de desarrollo");
  game.Send(
      "ñ\x7f"
      "1\r");
  SEE(game, "Te quedan 2 puntos de desarrollo");
  game.Send("1\r");
  SEE(game, "Te quedan 1 puntos de desarrollo");
  game.Send("1\r");
  Quit(game);
}

TEST(TerminalPlay, ThePartysDeathEndsTheProgramAndGivesTheTerminalBack) {
  const std::string dir = FreshDir();
  SaveBesideAMonster(dir, 1, 30000);
  PtyGame game({"--dir", dir, "--seed", "11"});
  // The start menu's "Cargar partida".
  SEE(game, "Dificultad, lista");
  game.Send("\t\t");
  SEE(game, "Empezar partida guardada, botón");
  game.Send("\r");
  SEE(game, "ZORVEK, ventana del juego");
  game.Advance(3000);
  ASSERT_NE(game.Settle("Modo combate activado"), 0) << game.Recent();
  ASSERT_TRUE(FightUntil(game, "Descansen en paz")) << game.Recent();
  game.Send("\r");
  SEE(game, "Zorvek termina");
  EXPECT_EQ(game.Wait(), 0);
  ttytest::ExpectTheTerminalAsItWas(game);
}

TEST(TerminalPlay, TheTerminalIsGivenBackHoweverTheProgramEnds) {
  struct Ending {
    const char* What;
    std::vector<std::pair<const char*, const char*>> Steps;  // keys, and their answer
    int Signal;  // sent to the program at the end, or 0 when the last keys end it
  };
  const Ending endings[] = {
      {"SIGTERM at the start menu", {}, SIGTERM},
      {"SIGHUP under a message box",
       {{"\t\r", "ZORVEK, ventana del juego"}, {kF7, "s: Sí, n: No"}},
       SIGHUP},
      {"Control + C under a message box",
       {{"\t\r", "ZORVEK, ventana del juego"}, {"\x1bl", "Enter: Aceptar"}, {"\x03", ""}},
       SIGINT},
  };
  for (const Ending& ending : endings) {
    SCOPED_TRACE(ending.What);
    PtyGame game({"--dir", FreshDir(), "--seed", "5"});
    SEE(game, "Dificultad, lista");
    EXPECT_EQ(game.Modes().c_lflag & (ICANON | ECHO | ISIG), 0u);
    for (const auto& [keys, answer] : ending.Steps) {
      game.Send(keys);
      if (*answer != '\0') {
        SEE(game, answer);
      }
    }
    if (ending.Signal != SIGINT) game.Signal(ending.Signal);
    EXPECT_EQ(game.Wait(), 128 + ending.Signal) << game.Recent();
    ttytest::ExpectTheTerminalAsItWas(game);
  }
}

}  // namespace
