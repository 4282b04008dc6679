// The desktop game: the start menu, and from it the game windows.
#include <QApplication>
#include <QString>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/qt/Speaker.hpp"
#include "app/qt/StartMenuWindow.hpp"
#include "app/shared/ProgramDir.hpp"
#include "app/shared/ProgramInfo.hpp"
#include "audio/SdlSound.hpp"

namespace {

constexpr const char* kUsage = "uso: zorvek [--speak] [--help] [--version]\n";

constexpr const char* kHelp =
    "Zorvek, un juego de rol de mazmorras que se juega entero con el teclado y se cuenta en\n"
    "texto y sonido posicional, hecho para jugarlo con un lector de pantalla (Orca). El\n"
    "mismo juego en una terminal de texto es zorvek-tty.\n"
    "\n"
    "Opciones:\n"
    "  --speak     el juego lee en voz alta cada texto nuevo (con speech-dispatcher)\n"
    "  -h, --help  muestra esta ayuda y termina\n"
    "  --version   muestra la versión y termina\n"
    "También valen las opciones de Qt, como -platform.\n"
    "\n"
    "Teclas: F1 da la ayuda del juego. Las flechas mueven al grupo, F7 guarda la partida,\n"
    "F8 la carga y G abre la ventana del grupo de héroes.\n"
    "\n";

}  // namespace

int main(int argc, char* argv[]) {
  using namespace zorvek;
  // Help and version come before the window system, so that they answer without a display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      std::fputs(kHelp, stdout);
      std::fputs(frontend::FilesHelp(frontend::FindPlaces(frontend::ExecutableDir())).c_str(),
                 stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::fputs(frontend::VersionText("zorvek").c_str(), stdout);
      return 0;
    }
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zorvek"));
  QApplication::setApplicationVersion(QString::fromStdString(frontend::GameVersion()));

  bool speak = false;
  for (int i = 1; i < argc; ++i) {
    QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == QStringLiteral("--speak")) {
      speak = true;
    } else {
      std::fputs(kUsage, stderr);
      std::fputs("Más información: zorvek --help\n", stderr);
      return 2;
    }
  }

  const frontend::GamePlaces places =
      frontend::FindPlaces(QCoreApplication::applicationDirPath().toStdString());
  // The program ends as any other does on SIGINT or SIGTERM; the sound library must not
  // turn them into events nobody reads.
  qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
  audio::SdlSoundOptions soundOptions;
  soundOptions.GameFiles = places.DataDir;
  soundOptions.OwnFiles = places.OwnDataDir;
  std::unique_ptr<audio::SdlSoundSystem> sound = audio::MakeSdlSoundSystem(soundOptions);
  std::unique_ptr<qt::Speaker> voice;
  if (speak) voice = std::make_unique<qt::Speaker>();

  audio::SdlSoundSystem& system = *sound;
  qt::StartMenuWindow menu(
      qt::StartMenuSetup{system, RunSettings{places.ProgramDir, std::nullopt, places.DataDir},
                         [&system] { system.PlayBeep(); }, voice.get()});
  QObject::connect(&menu, &qt::StartMenuWindow::ProgramEnded, &app, &QApplication::quit);
  menu.show();
  if (voice) voice->Say(QStringLiteral("Zorvek. Dificultad: Normal (x1)"));
  return app.exec();
}
