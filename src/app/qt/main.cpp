// The desktop game: the start menu, and from it the game windows.
#include <QApplication>
#include <QString>
#include <cstdio>
#include <memory>

#include "app/qt/Speaker.hpp"
#include "app/qt/StartMenuWindow.hpp"
#include "audio/SdlSound.hpp"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Zorvek"));

  bool speak = false;
  for (int i = 1; i < argc; ++i) {
    QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == QStringLiteral("--speak")) {
      speak = true;
    } else {
      std::fprintf(stderr, "uso: zorvek [--speak]\n");
      return 2;
    }
  }

  // The program ends as any other does on SIGINT or SIGTERM; the sound library must not
  // turn them into events nobody reads.
  qputenv("SDL_NO_SIGNAL_HANDLERS", "1");
  std::unique_ptr<zorvek::audio::SdlSoundSystem> sound = zorvek::audio::MakeSdlSoundSystem();
  std::unique_ptr<zorvek::qt::Speaker> voice;
  if (speak) voice = std::make_unique<zorvek::qt::Speaker>();

  zorvek::audio::SdlSoundSystem& system = *sound;
  zorvek::qt::StartMenuWindow menu(
      zorvek::qt::StartMenuSetup{system, QCoreApplication::applicationDirPath().toStdString(),
                                 std::nullopt, [&system] { system.PlayBeep(); }, voice.get()});
  QObject::connect(&menu, &zorvek::qt::StartMenuWindow::ProgramEnded, &app, &QApplication::quit);
  menu.show();
  if (voice) voice->Say(QStringLiteral("Zorvek. Dificultad: Normal (x1)"));
  return app.exec();
}
