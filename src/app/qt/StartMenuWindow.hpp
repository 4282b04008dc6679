#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/shared/MenuMusic.hpp"
#include "platform/SoundPlayer.hpp"
#include "startup/StartUp.hpp"

class QListWidget;
class QPushButton;

namespace zorvek::frontend {
class Comfort;
}

namespace zorvek::qt {

class GameWindow;
class Speaker;

// What the start menu needs from the program.
struct StartMenuSetup {
  SoundSystem& Sound;
  RunSettings Run;             // where the files live, and the seed, for every game started here
  std::function<void()> Beep;  // the platform beep handed on to each game window
  Speaker* Voice = nullptr;
  frontend::Comfort* Comfort = nullptr;  // handed on to each game window
};

// The start menu "Zorvek" (FormIni): the difficulty list and its "Empezar", the saved
// game's "Empezar", "Salir", and the menu's own music while it is shown.
class StartMenuWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit StartMenuWindow(StartMenuSetup setup, QWidget* parent = nullptr);
  ~StartMenuWindow() override;

  QListWidget* List1() const { return list1_; }
  QPushButton* Command1() const { return command1_; }
  QPushButton* Command2() const { return command2_; }
  QPushButton* Command3() const { return command3_; }
  const StartMenu& Menu() const { return menu_; }
  // Whether the menu's music is playing.
  bool MusicPlaying() const { return music_.Playing(); }

  // The three buttons.
  void NewGame();
  void LoadGame();
  void Quit();

 signals:
  // A game window has been built and is about to run modally.
  void GameOpened(zorvek::qt::GameWindow* window);
  // The party died: the program ends.
  void ProgramEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void RunGame();

  StartMenuSetup setup_;
  StartMenu menu_;
  QListWidget* list1_ = nullptr;
  QPushButton* command1_ = nullptr;
  QPushButton* command2_ = nullptr;
  QPushButton* command3_ = nullptr;
  frontend::MenuMusic music_;
};

}  // namespace zorvek::qt
