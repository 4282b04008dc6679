// The game in a text terminal: the start menu, and from it the game windows, for console
// screen readers, braille lines and SSH.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/shared/Comfort.hpp"
#include "app/shared/ProgramDir.hpp"
#include "app/shared/ProgramInfo.hpp"
#include "app/tty/EventLoop.hpp"
#include "app/tty/Keys.hpp"
#include "app/tty/Screen.hpp"
#include "app/tty/StartScreen.hpp"
#include "app/tty/Terminal.hpp"
#include "audio/SdlSound.hpp"

namespace {

constexpr const char* kUsage =
    "uso: zorvek-tty [--dir CARPETA] [--seed N] [--escape-wait MS] [--help] [--version]\n";

constexpr const char* kHelp =
    "Zorvek en una terminal de texto: el juego entero en líneas de texto, para lectores de\n"
    "pantalla de consola (Fenrir, Speakup), líneas braille y SSH. El juego de escritorio es\n"
    "zorvek.\n"
    "\n"
    "Opciones:\n"
    "  --dir CARPETA     guarda la partida y busca los sonidos en CARPETA (Sonidos y\n"
    "                    sample.wav)\n"
    "  --seed N          juega siempre el mismo calabozo: N siembra cada generación\n"
    "  --escape-wait MS  espera MS milisegundos para distinguir Escape de una secuencia de\n"
    "                    teclas (50; más en una conexión lenta)\n"
    "  -h, --help        muestra esta ayuda y termina\n"
    "  --version         muestra la versión y termina\n"
    "\n"
    "Teclas: F1 da la ayuda del juego, F12 la de todas las teclas y ? la de la terminal.\n"
    "Alt y un número toma un objeto, Alt+L comprueba el laberinto, Tab y las flechas\n"
    "recorren las ventanas, Control+Q cierra la ventana del juego y Control+C sale al\n"
    "momento. F9 y F10 repasan los textos ya dichos (con Mayúsculas, el primero y el\n"
    "último), F11 repite el último y F6 abre los ajustes de volumen.\n"
    "\n";

// The terminal's part of the full key help (F12).
constexpr zorvek::frontend::KeyHelpParts kKeyHelp{
    "Alt + número (o Escape y el número)", "Alt + L",
    "En el menú de inicio, las flechas eligen la dificultad y Tabulador va a los botones "
    "Empezar (partida nueva), Empezar (partida guardada) y Salir. "
    "En el grupo de héroes y en la tienda, Tabulador y Mayúsculas + Tabulador van de un "
    "control a otro, las flechas se mueven en una lista o un grupo de opciones, Enter o "
    "Espacio activan, Enter en el inventario abre las opciones del objeto y Escape cierra la "
    "ventana. En los mensajes, Enter acepta, s responde Sí y n responde No; en las "
    "preguntas, escriba la respuesta y pulse Enter; Escape cancela.",
    "De la terminal: Control + Q cierra la partida (en el menú de inicio, sale), Control + C "
    "sale del programa, ? da la ayuda de la terminal. En la consola de Linux, Mayúsculas + "
    "F9 y Mayúsculas + F10 también llegan como F19 y F20."};

struct Options {
  std::string Dir;
  std::optional<int32_t> Seed;
  int EscapeWaitMs = 50;
  int ClockFd = -1;  // a test's clock: time moves when it says so
  bool Help = false;
  bool Version = false;
};

std::optional<long> Number(const char* text, long least, long most) {
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(text, &end, 10);
  if (errno != 0 || end == text || *end != '\0' || v < least || v > most) return std::nullopt;
  return v;
}

bool Parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      o.Help = true;
      continue;
    }
    if (arg == "--version") {
      o.Version = true;
      continue;
    }
    if (i + 1 >= argc) return false;
    const char* value = argv[++i];
    if (arg == "--dir") {
      o.Dir = value;
    } else if (arg == "--seed") {
      auto n = Number(value, INT32_MIN, INT32_MAX);
      if (!n) return false;
      o.Seed = static_cast<int32_t>(*n);
    } else if (arg == "--escape-wait") {
      auto n = Number(value, 1, 2000);
      if (!n) return false;
      o.EscapeWaitMs = static_cast<int>(*n);
    } else if (arg == "--clock-fd") {
      auto n = Number(value, 0, 1 << 20);
      if (!n) return false;
      o.ClockFd = static_cast<int>(*n);
    } else {
      return false;
    }
  }
  return true;
}

// Sound libraries tell of every device they could not open on standard error, which is
// the player's terminal; while the sound opens, that goes nowhere. The back-end's own
// notice about a missing device comes through its log.
class QuietErrors {
 public:
  QuietErrors() : saved_(dup(STDERR_FILENO)) {
    int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null >= 0) {
      dup2(null, STDERR_FILENO);
      close(null);
    }
  }
  ~QuietErrors() {
    if (saved_ < 0) return;
    dup2(saved_, STDERR_FILENO);
    close(saved_);
  }
  QuietErrors(const QuietErrors&) = delete;
  QuietErrors& operator=(const QuietErrors&) = delete;

 private:
  int saved_;
};

}  // namespace

int main(int argc, char** argv) {
  using namespace zorvek;
  using namespace zorvek::tty;
  Options options;
  if (!Parse(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    std::fputs("Más información: zorvek-tty --help\n", stderr);
    return 2;
  }
  const frontend::GamePlaces places = options.Dir.empty()
                                          ? frontend::FindPlaces(frontend::ExecutableDir())
                                          : frontend::PlacesIn(options.Dir);
  if (options.Help) {
    std::fputs(kUsage, stdout);
    std::fputs(kHelp, stdout);
    std::fputs(frontend::FilesHelp(places).c_str(), stdout);
    std::fputs(frontend::SettingsHelp().c_str(), stdout);
    return 0;
  }
  if (options.Version) {
    std::fputs(frontend::VersionText("zorvek-tty").c_str(), stdout);
    return 0;
  }
  if (isatty(STDIN_FILENO) == 0) {
    std::fputs(
        "zorvek-tty: la entrada no es una terminal. Juegue desde una terminal (por SSH, "
        "con ssh -t)",
        stderr);
    // The runner lives in the build folder; an installed game has no such tool.
    if (!places.Installed)
      std::fputs("; para jugar un guion sin terminal está zorvek-script", stderr);
    std::fputs(".\n", stderr);
    return 2;
  }
  // The program ends as any other does on its signals; the sound library must not turn
  // them into events nobody reads.
  setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1);

  Terminal terminal(STDIN_FILENO);
  Screen screen(STDOUT_FILENO);
  ScreenLines notices(screen);
  std::ostream noticeStream(&notices);
  try {
    EventLoop loop(EventLoop::Options{STDIN_FILENO, options.ClockFd, options.EscapeWaitMs});
    screen.Lines(TerminalHelp());
    const std::filesystem::path settingsFile = frontend::SettingsPath();
    frontend::LoadedSettings settings = frontend::LoadSettings(settingsFile);
    // Told once: a damaged file has already been replaced by the defaults.
    if (!settings.Notice.empty()) screen.Line(settings.Notice);
    frontend::Comfort comfort(frontend::ComfortSetup{
        nullptr, settingsFile, settings.Values, frontend::FullKeyHelp(kKeyHelp), false, {}, {}});
    StartSetup setup{RunSettings{places.ProgramDir, options.Seed, places.DataDir},
                     [&noticeStream, &places, &comfort] {
                       zorvek::audio::SdlSoundOptions sound;
                       sound.Log = &noticeStream;
                       sound.GameFiles = places.DataDir;
                       sound.OwnFiles = places.OwnDataDir;
                       std::unique_ptr<zorvek::audio::SdlSoundSystem> system;
                       {
                         QuietErrors quiet;
                         system = zorvek::audio::MakeSdlSoundSystem(sound);
                       }
                       zorvek::audio::SdlSoundSystem* device = system.get();
                       auto scaled = std::make_unique<frontend::ScaledSoundSystem>(
                           std::move(system), [device](int level) { device->PlayBeep(level); });
                       frontend::ScaledSoundSystem* beeper = scaled.get();
                       comfort.UseSound(*scaled);
                       return Sound{std::move(scaled), [beeper] { beeper->Beep(); }};
                     },
                     &comfort};
    StartScreen menu(std::move(setup), screen, loop);
    menu.Run();
  } catch (const Interrupted& interrupted) {
    terminal.Restore();
    return 128 + interrupted.Signal;
  } catch (const std::exception& e) {
    terminal.Restore();
    std::fprintf(stderr, "zorvek-tty: error inesperado: %s\n", e.what());
    return 1;
  } catch (...) {
    terminal.Restore();
    std::fputs("zorvek-tty: error inesperado\n", stderr);
    return 1;
  }
  terminal.Restore();
  return 0;
}
