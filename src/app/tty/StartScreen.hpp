#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/shared/Comfort.hpp"
#include "app/shared/MenuMusic.hpp"
#include "app/tty/EventLoop.hpp"
#include "app/tty/FocusWindow.hpp"
#include "app/tty/Screen.hpp"
#include "platform/SoundPlayer.hpp"
#include "startup/StartUp.hpp"

namespace zorvek::tty {

// The sound the program plays through, opened once the menu is on the screen.
struct Sound {
  std::unique_ptr<SoundSystem> System;
  std::function<void()> Beep;
};

struct StartSetup {
  RunSettings Run;  // where the files live, and the seed, for every game started here
  std::function<Sound()> OpenSound;
  frontend::Comfort* Comfort = nullptr;  // handed on to each game window
};

// The start menu "Zorvek" in the terminal, a focus list as the desktop's window: the
// difficulty list and its "Empezar", the saved game's "Empezar", "Salir", and the menu's
// music while it is shown. A game window runs from its buttons; when it closes, the menu
// is shown again, unless the party died.
class StartScreen final : public FocusModel {
 public:
  StartScreen(StartSetup setup, Screen& screen, EventLoop& loop);
  ~StartScreen() override;

  // Shows the menu and plays the player's keys until "Salir" or the party's death.
  void Run();

  // --- FocusModel ---
  std::string Caption() const override { return "Zorvek"; }
  std::string Role() const override { return "menú de inicio"; }
  bool Act(std::string_view control, std::optional<int> arg) override;
  bool Closed() const override { return closed_; }
  std::string EscapeControl() const override { return {}; }
  std::string QuitControl() const override { return "Command3"; }

 private:
  void RunGame();

  StartSetup setup_;
  Screen& screen_;
  EventLoop& loop_;
  StartMenu menu_;
  ControlMirror mirror_;
  Sound sound_;
  std::unique_ptr<frontend::MenuMusic> music_;
  bool closed_ = false;
};

}  // namespace zorvek::tty
