// The desktop game: the start menu, and from it the game windows.
#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/qt/Speaker.hpp"
#include "app/qt/StartMenuWindow.hpp"
#include "app/shared/Comfort.hpp"
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
    "  --speak     el juego lee en voz alta cada texto nuevo (con speech-dispatcher); en\n"
    "              los ajustes (F6) se apaga, cambia de velocidad y de voz española\n"
    "  -h, --help  muestra esta ayuda y termina\n"
    "  --version   muestra la versión y termina\n"
    "También valen las opciones de Qt, como -platform.\n"
    "\n"
    "Teclas: F1 da la ayuda del juego y F12 la de todas las teclas. Las flechas mueven al\n"
    "grupo, F7 guarda la partida, F8 la carga y G abre la ventana del grupo de héroes. F9 y\n"
    "F10 repasan los textos ya dichos (con Mayúsculas, el primero y el último), F11 repite\n"
    "el último y F6 abre los ajustes: volumen de la música y de los efectos, y la voz.\n"
    "\n";

// The desktop's part of the full key help (F12).
constexpr zorvek::frontend::KeyHelpParts kKeyHelp{
    "Control + número", "Mayúsculas + Control + F5",
    "En el menú de inicio, las flechas eligen la dificultad y Tabulador va a los botones "
    "Empezar (partida nueva), Empezar (partida guardada) y Salir. "
    "En el grupo de héroes y en la tienda, Tabulador y Mayúsculas + Tabulador van de un "
    "control a otro, las flechas se mueven en una lista o un grupo de opciones, Espacio "
    "pulsa un botón, la tecla de menú abre las opciones de un objeto del héroe y Escape "
    "cierra la ventana. En los mensajes, Enter acepta o responde Sí y Escape responde No; "
    "en las preguntas, escriba la respuesta y pulse Enter; Escape cancela.",
    ""};

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
      std::fputs(frontend::SettingsHelp().c_str(), stdout);
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
  audio::SdlSoundSystem& device = *sound;
  frontend::ScaledSoundSystem system(device, [&device](int level) { device.PlayBeep(level); });
  std::unique_ptr<qt::Speaker> voice;
  if (speak) voice = std::make_unique<qt::Speaker>();

  const std::filesystem::path settingsFile = frontend::SettingsPath();
  frontend::LoadedSettings settings = frontend::LoadSettings(settingsFile);
  frontend::ComfortSetup comfortSetup{
      &system, settingsFile, settings.Values, frontend::FullKeyHelp(kKeyHelp), speak, {}, {}};
  if (voice) {
    for (const QString& name : voice->Voices()) comfortSetup.Voices.push_back(name.toStdString());
    comfortSetup.Applied = [&voice](const frontend::Settings& s) { qt::ApplySpeech(*voice, s); };
  }
  frontend::Comfort comfort(std::move(comfortSetup));

  qt::StartMenuWindow menu(
      qt::StartMenuSetup{system, RunSettings{places.ProgramDir, std::nullopt, places.DataDir},
                         [&system] { system.Beep(); }, voice.get(), &comfort});
  QObject::connect(&menu, &qt::StartMenuWindow::ProgramEnded, &app, &QApplication::quit);
  menu.show();
  if (!settings.Notice.empty()) {
    // Told once: the damaged file has already been replaced by the defaults.
    std::fprintf(stderr, "zorvek: %s\n", settings.Notice.c_str());
    const QString notice = QString::fromStdString(settings.Notice);
    if (voice) voice->Say(notice);
    QMessageBox::warning(&menu, QStringLiteral("Ajustes"), notice);
  }
  if (voice) voice->Say(QStringLiteral("Zorvek. Dificultad: Normal (x1)"));
  return app.exec();
}
