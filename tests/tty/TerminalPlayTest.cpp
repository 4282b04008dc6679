// zorvek-tty played through a pseudo-terminal, from the start menu to quitting.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "PtyGame.hpp"
#include "board/Board.hpp"
#include "model/Game.hpp"
#include "model/Grammar.hpp"
#include "platform/Dialog.hpp"
#include "startup/SaveLoad.hpp"
#include "startup/StartUp.hpp"

namespace {

using ttytest::PtyGame;
namespace fs = std::filesystem;

// Keys as an xterm (and, for F1 and Shift + Tab, the Linux console) sends them.
constexpr const char* kRight = "\x1b[C";
constexpr const char* kLeft = "\x1bOD";
constexpr const char* kUp = "\x1bOA";
constexpr const char* kDown = "\x1b[B";
constexpr const char* kConsoleF1 = "\x1b[[A";
constexpr const char* kF7 = "\x1b[18~";
constexpr const char* kF8 = "\x1b[19~";
constexpr const char* kShiftTab = "\x1b[Z";
constexpr const char* kConsoleShiftTab = "\x1b\t";
constexpr const char* kEscape = "\x1b";
constexpr const char* kCtrlQ = "\x11";

#define SEE(game, text) \
  ASSERT_TRUE((game).See(text)) << "expected: " << (text) << "\n--- terminal:\n" << (game).Recent()

std::string FreshDir() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  fs::path dir = fs::path(::testing::TempDir()) / (std::string("zorvek_tty_") + test->name());
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string();
}

// --- a saved game made by the engine itself, to be loaded with F8 ---

class QuietUi final : public zorvek::Ui {
 public:
  void TextChanged(zorvek::TextArea, const std::string&) override {}
  void Beep() override {}
  zorvek::Answer MessageBox(const std::string&, zorvek::Buttons b, const std::string&) override {
    return b == zorvek::Buttons::Ok ? zorvek::Answer::Ok : zorvek::Answer::No;
  }
  std::string InputBox(const std::string&, const std::string&) override { return ""; }
  void ShowDialog(zorvek::DialogModel& d) override {
    d.Load();
    d.Act(d.CloseControl(), std::nullopt);
  }
  void ControlChanged(zorvek::DialogId, const std::string&, const zorvek::ControlView&) override {}
  void TimerSwitched(zorvek::TimerId, bool) override {}
  void CloseGameWindow() override {}
  void EndProgram() override {}
};

class QuietPlayer final : public zorvek::SoundPlayer {
 public:
  void Init(int32_t) override {}
  int32_t Load(const std::string&) override { return 1; }
  int32_t Play(bool, bool) override { return 1; }
  void Stop(bool) override {}
  void SetProperty(int, int32_t, bool) override {}
  void Unload(int32_t) override {}
  void Free() override {}
};

class QuietSound final : public zorvek::SoundSystem {
 public:
  std::unique_ptr<zorvek::SoundPlayer> Create(zorvek::SoundBank, int) override {
    return std::make_unique<QuietPlayer>();
  }
};

class Noon final : public zorvek::Clock {
 public:
  zorvek::TimeOfDay Now() override { return {12, 0, 0}; }
};

struct DoorVisit {
  std::string Host;     // the room's name as the narration gives it
  std::string DoorKey;  // the arrow that walks through the door
};

// Where the saved game stands.
struct Standing {
  bool AtTheLastStairs = false;  // before the stairs out of the fifth phase; else a shop
  int32_t HeroLife = 0;          // 0: the hero's own
  int32_t MonsterLife = 1;       // the monster beside him; 0: none
};

// A saved game in `dir`: a rich warrior who has just passed his level's experience,
// alone, in front of a shop's door (or the open stairs out of the last phase), with a
// monster beside him.
DoorVisit SaveBeforeADoor(const std::string& dir, int seed, Standing standing = {}) {
  QuietUi ui;
  zorvek::MersenneRandom random;
  Noon noon;
  QuietSound sound;
  zorvek::Game game(zorvek::Ports{ui, random, noon, sound}, zorvek::RunSettings{dir, seed});
  zorvek::StartGameWindow(game);
  int host = 0;
  zorvek::Exit door;
  for (int r = 1; r <= game.Rooms.Upper() && host == 0; ++r) {
    if (game.Rooms(r).Name.Trimmed() == "Tienda") continue;
    for (zorvek::Exit& e : game.Rooms(r).Exits) {
      bool shop = e.Kind.Trimmed() == "Tienda";
      bool stairs = e.TargetRoom == 0 && !e.Kind.Trimmed().empty();
      if (host == 0 && (standing.AtTheLastStairs ? stairs : shop)) {
        e.IsOpen = zorvek::kTrue;
        e.LockNo = 0;
        host = r;
        door = e;
      }
    }
  }
  EXPECT_NE(host, 0);
  if (standing.AtTheLastStairs) game.Phase = 5;
  zorvek::EnterRoom(game, host, zorvek::WallSide::None, zorvek::DataLine::Keep);
  const zorvek::Room& room = game.CurrentRoom;
  // The floor cell inside the door, and one beside it along the wall.
  int16_t x = std::clamp<int16_t>(door.X, 1, room.Width);
  int16_t y = std::clamp<int16_t>(door.Y, 1, room.Height);
  bool alongX = door.Side == 2 || door.Side == 4;
  int16_t mx = alongX ? static_cast<int16_t>(x < room.Width ? x + 1 : x - 1) : x;
  int16_t my = alongX ? y : static_cast<int16_t>(y < room.Height ? y + 1 : y - 1);
  game.CursorX = x;
  game.CursorY = y;

  zorvek::Being& hero = game.Party(1);
  hero = game.DungeonBeings(1);
  game.Rooms(1).Beings(1) = 0;  // recruited: no longer waiting in the cells
  hero.Coins = 5000;
  if (standing.HeroLife > 0) hero.Life = standing.HeroLife;
  hero.Experience = zorvek::ExperienceForNextLevel(hero.ExperienceFactor, hero.Level) + 1;
  game.AnyRecruited = true;
  game.RecruitingOpen = false;
  game.RecruitedCount = 1;

  for (auto& b : game.CurrentRoom.Beings) b = 0;
  if (standing.MonsterLife > 0) {
    zorvek::Being monster = game.MonsterCatalogue(1);
    monster.Life = monster.MaxLife = standing.MonsterLife;
    monster.X = mx;
    monster.Y = my;
    game.CurrentRoom.Beings(1) = static_cast<int16_t>(game.DungeonBeings.Append(monster));
  }
  game.Rooms(host).Beings = game.CurrentRoom.Beings;
  EXPECT_TRUE(zorvek::GuardarPartida(game));

  static const char* const kArrows[] = {"", "\x1b[D", "\x1b[A", "\x1b[C", "\x1b[B"};
  return {
      room.Name.Trimmed() + "  " + std::to_string(room.Width) + "X" + std::to_string(room.Height),
      kArrows[std::clamp<int>(door.Side, 1, 4)]};
}

TEST(TerminalPlay, AWholeVisitFromTheStartMenuToQuitting) {
  const std::string dir = FreshDir();
  PtyGame game({"--dir", dir, "--seed", "7"});

  // The terminal's own help comes first, then the start menu on its difficulty list.
  SEE(game, "Zorvek en la terminal");
  SEE(game, "Zorvek, menú de inicio");
  SEE(game, "Dificultad, lista: Normal (x1), 1 de 4");
  SEE(game, "no hay dispositivo de sonido");
  game.Send(kDown);
  SEE(game, "Difícil (x2), 2 de 4");
  game.Send(kUp);
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

  game.Send(kRight);
  SEE(game, "2, 1");
  game.Send(kLeft);
  SEE(game, "1, 1");
  game.Send(kConsoleF1);
  SEE(game, "Combinaciones de teclas: ");
  SEE(game, "Espacio: Leer la casilla actual.\r\n-----\r\n");
  game.Send("s");
  SEE(game, "reja en 3, 4.");
  game.Send("T");
  SEE(game, "(en blanco)");
  game.Send("?");
  SEE(game, "?: esta ayuda.");

  // Recruiting through the cell menu; a typed digit is taken back with Backspace.
  game.Send("\r");
  SEE(game, "Elija una opción: ");
  game.Send("1");
  game.Send("2");
  SEE(game, "12");
  game.Send("\x7f");
  SEE(game, "\r\n1\r\n");
  game.Send("\r");
  SEE(game, "1. Reclutar");
  game.Send("1\r");
  SEE(game, "Elija la posición de marcha del héroe");
  game.Send("1\r");
  SEE(game, "Urso, guerrero humano  Reclutado.");
  game.Send("\r");
  SEE(game, "Elija una opción: ");
  game.Send("1\r");
  SEE(game, "1. Reclutar");
  game.Send("1\r");
  SEE(game, "Elija la posición de marcha del héroe");
  game.Send("2\r");
  SEE(game, "Jan, guerrero humano  Reclutado.");

  // Alt + digit stands for Control + digit: nothing lies here to take, so it beeps.
  game.Send(
      "\x1b"
      "1");
  SEE(game, "\a");
  // Alt + L stands for Shift + Control + F5: the labyrinth check.
  game.Send("\x1bl");
  SEE(game, "Laberinto correcto");
  SEE(game, "Enter: Aceptar");
  game.Send("\r");
  SEE(game, "Aceptar");

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
  // Enter on the list opens the object menu; its last entry examines the object.
  game.Send("\r");
  SEE(game, "Opciones de Objeto, menú");
  SEE(game, "elemento de menú, 1 de ");
  game.Send(kUp);
  SEE(game, "Examinar, elemento de menú");
  game.Send("\r");
  SEE(game, "Zorvek, mensaje:");
  game.Send("\r");
  SEE(game, "Aceptar");
  SEE(game, "INVENTARIO, lista: Mano derecha: ");
  game.Send(kShiftTab);
  SEE(game, "CARACTERÍSTICAS, texto:");
  game.Send(kConsoleShiftTab);
  SEE(game, "texto: Jan, guerrero humano");
  game.Send(kShiftTab);
  SEE(game, "Héroes, grupo de opciones: Jan, guerrero humano, marcado, 2 de 4");
  // From the list, past the disabled or enabled object button, to the position button.
  game.Send("\t\t\t");
  SEE(game, "INVENTARIO, lista");
  game.Send("\t");
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
  SEE(game, "Cargar partida, mensaje:");
  SEE(game, "¿Desea cargar la partida almacenada? (La partida actual se descartará)");
  game.Send("x");
  SEE(game, "s: Sí, n: No");
  game.Send("n");
  SEE(game, "No");

  // A game saved beside a shop, loaded with F8: the shop is bought from.
  DoorVisit visit = SaveBeforeADoor(dir, 7);
  game.Send(kF8);
  SEE(game, "s: Sí, n: No");
  game.Send("s");
  SEE(game, visit.Host);
  SEE(game, "Partida cargada");
  // Onto the door, then through it.
  game.Send(visit.DoorKey);
  SEE(game, "Una Tienda");
  game.Send(visit.DoorKey);
  SEE(game, "Gnomos y Compañía, diálogo");
  SEE(game, "Bienvenido a Gnomos y Compañía, ¿en qué podemos atenderle?");
  game.Send("\t");
  SEE(game, "Comprar, botón");
  game.Send("\t\t\t");
  SEE(game, "Estanterías, lista, 10 líneas, ninguna elegida");
  // A warrior is sold no books: the first ware that is none.
  game.Send(kDown);
  SEE(game, " de 10");
  for (int line = 2; line <= 10 && game.Seen().find("Libro") != std::string::npos; ++line) {
    game.Send(kDown);
    SEE(game, std::to_string(line) + " de 10");
  }
  ASSERT_EQ(game.Seen().find("Libro"), std::string::npos);
  game.Send("\t");
  SEE(game, "Comprar producto, botón");
  game.Send(" ");
  SEE(game, "Urso, guerrero humano compra ");
  game.Send("\r");
  SEE(game, "Comprar producto, botón");
  game.Send(kEscape);
  SEE(game, "Cerrado: Gnomos y Compañía");
  SEE(game, visit.Host);

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

  // The fight: A until the monster falls and the hero's new level is told. Each '?'
  // shows the help once the turn has been told, or only the box's keys under a box.
  bool leveled = false;
  for (int turn = 0; turn < 40 && !leveled; ++turn) {
    game.Send("?");
    int seen = game.SeeEither("pasar al nivel 2", "?: esta ayuda.");
    ASSERT_NE(seen, 0) << game.Recent();
    leveled = seen == 1;
    if (!leveled) game.Send("a");
  }
  ASSERT_TRUE(leveled);
  game.Send("\r");
  SEE(game, "Aceptar");
  SEE(game, "Escoge en qué quieres mejorar, pregunta:");
  SEE(game, "Te quedan 3 puntos de desarrollo");
  // Answers are edited: Backspace as DEL and as ^H; a text is refused and asked again.
  game.Send("9");
  SEE(game, "9");
  game.Send(
      "\x7f"
      "\x08"
      "abc\r");
  SEE(game, "Te quedan 3 puntos de desarrollo");
  game.Send("1\r");
  SEE(game, "Te quedan 2 puntos de desarrollo");
  game.Send("1\r");
  SEE(game, "Te quedan 1 puntos de desarrollo");
  game.Send("1\r");
  ASSERT_NE(game.Settle(), 0);
  game.Send("g");
  SEE(game, "EL GRUPO DE HÉROES, diálogo");
  game.Send("\t\t");
  SEE(game, "Nivel: 2");
  game.Send(kEscape);
  SEE(game, "Cerrado: EL GRUPO DE HÉROES");

  // Control + Q closes the game window and then the menu; the terminal is as it was.
  game.Send(kCtrlQ);
  SEE(game, "ZORVEK, ventana cerrada");
  SEE(game, "Zorvek, menú de inicio");
  game.Send(kCtrlQ);
  EXPECT_EQ(game.Wait(), 0);
  // Plain lines for reading machines: no escape sequence at all, and CR LF line ends.
  const std::string& all = game.Output();
  EXPECT_EQ(all.find('\x1b'), std::string::npos);
  for (std::size_t at = all.find('\n'); at != std::string::npos; at = all.find('\n', at + 1)) {
    ASSERT_TRUE(at > 0 && all[at - 1] == '\r') << all.substr(at > 80 ? at - 80 : 0, 80);
  }
  EXPECT_EQ(all.find("no hay dispositivo de sonido"), all.rfind("no hay dispositivo de sonido"));
  termios after = game.Modes();
  termios fresh = ttytest::FreshModes();
  EXPECT_EQ(after.c_lflag, fresh.c_lflag);
  EXPECT_EQ(after.c_iflag, fresh.c_iflag);
  EXPECT_EQ(after.c_oflag, fresh.c_oflag);
}

TEST(TerminalPlay, ThePartysDeathEndsTheProgramAndGivesTheTerminalBack) {
  const std::string dir = FreshDir();
  DoorVisit visit = SaveBeforeADoor(dir, 7, Standing{false, 1, 30000});
  PtyGame game({"--dir", dir, "--seed", "11"});
  // The start menu's "Cargar partida".
  SEE(game, "Dificultad, lista");
  game.Send("\t\t");
  SEE(game, "Empezar partida guardada, botón");
  game.Send("\r");
  SEE(game, "ZORVEK, ventana del juego");
  SEE(game, visit.Host);
  game.Advance(3000);
  ASSERT_NE(game.Settle("Modo combate activado"), 0) << game.Recent();
  bool lost = false;
  for (int turn = 0; turn < 60 && !lost; ++turn) {
    game.Send("?");
    int seen = game.SeeEither("Descansen en paz", "?: esta ayuda.");
    ASSERT_NE(seen, 0) << game.Recent();
    lost = seen == 1;
    if (!lost) game.Send("a");
  }
  ASSERT_TRUE(lost);
  game.Send("\r");
  SEE(game, "Zorvek termina");
  EXPECT_EQ(game.Wait(), 0);
  termios after = game.Modes();
  EXPECT_EQ(after.c_lflag, ttytest::FreshModes().c_lflag);
}

TEST(TerminalPlay, TheFinalVictoryClosesTheGameWindowAndTheMenuComesBack) {
  const std::string dir = FreshDir();
  DoorVisit visit = SaveBeforeADoor(dir, 7, Standing{true, 0, 0});
  PtyGame game({"--dir", dir, "--seed", "7"});
  SEE(game, "Dificultad, lista");
  game.Send("\t\t\r");
  SEE(game, visit.Host);
  game.Send(visit.DoorKey);
  SEE(game, "\r\n");
  game.Send(visit.DoorKey);
  SEE(game, "Has superado la 5ª fase.");
  // The story's boxes, each answered with Enter, then the window closes by itself.
  std::string story;
  int boxes = 0;
  while (game.SeeEither("Enter: Aceptar", "ZORVEK, ventana cerrada") == 1 && boxes < 20) {
    story += game.Seen();
    ++boxes;
    game.Send("\r");
  }
  EXPECT_EQ(boxes, 8) << story;
  EXPECT_NE(story.find("Y aquí termina la gesta de estos  héroes."), std::string::npos);
  EXPECT_NE(story.find("Por Quendral"), std::string::npos);
  ASSERT_NE(game.Seen().find("ZORVEK, ventana cerrada"), std::string::npos) << game.Recent();
  SEE(game, "Zorvek, menú de inicio");
  game.Send(kCtrlQ);
  EXPECT_EQ(game.Wait(), 0);
}

TEST(TerminalPlay, TheTerminalIsGivenBackHoweverTheProgramEnds) {
  struct Step {
    const char* Keys;
    const char* Answer;
  };
  struct Ending {
    const char* What;
    std::vector<Step> Steps;
    int Signal;  // sent to the program at the end, or 0 when the last keys end it
    int Status;
  };
  const Ending endings[] = {
      {"SIGTERM at the start menu", {}, SIGTERM, 128 + SIGTERM},
      {"SIGHUP under a message box",
       {{"\t\r", "ZORVEK, ventana del juego"}, {"\x1b[18~", "s: Sí, n: No"}},
       SIGHUP,
       128 + SIGHUP},
      {"Control + C under a message box",
       {{"\t\r", "ZORVEK, ventana del juego"}, {"\x1bl", "Enter: Aceptar"}, {"\x03", ""}},
       0,
       128 + SIGINT},
  };
  const termios fresh = ttytest::FreshModes();
  for (const Ending& ending : endings) {
    SCOPED_TRACE(ending.What);
    PtyGame game({"--dir", FreshDir(), "--seed", "5"});
    SEE(game, "Dificultad, lista");
    termios raw = game.Modes();
    EXPECT_EQ(raw.c_lflag & (ICANON | ECHO | ISIG), 0u);
    for (const Step& step : ending.Steps) {
      game.Send(step.Keys);
      if (*step.Answer != '\0') {
        SEE(game, step.Answer);
      }
    }
    if (ending.Signal != 0) game.Signal(ending.Signal);
    EXPECT_EQ(game.Wait(), ending.Status) << game.Recent();
    termios after = game.Modes();
    EXPECT_EQ(after.c_lflag, fresh.c_lflag);
    EXPECT_EQ(after.c_iflag, fresh.c_iflag);
    EXPECT_EQ(after.c_oflag, fresh.c_oflag);
    EXPECT_EQ(after.c_cc[VMIN], fresh.c_cc[VMIN]);
  }
}

TEST(TerminalPlay, InputThatIsNoTerminalIsRefusedInSpanish) {
  std::string command = std::string(ZORVEK_TTY_BINARY) + " </dev/null 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string said;
  char buffer[512];
  while (fgets(buffer, sizeof buffer, pipe) != nullptr) said += buffer;
  int status = pclose(pipe);
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_NE(said.find("la entrada no es una terminal"), std::string::npos) << said;
}

}  // namespace
