#pragma once

#include <array>
#include <functional>
#include <memory>

#include "app/shared/Announcer.hpp"
#include "app/shared/Comfort.hpp"
#include "app/tty/EventLoop.hpp"
#include "app/tty/FocusWindow.hpp"
#include "app/tty/Screen.hpp"
#include "model/Game.hpp"
#include "platform/Clock.hpp"
#include "platform/Random.hpp"
#include "platform/SoundPlayer.hpp"
#include "platform/Ui.hpp"

namespace zorvek::tty {

// How a game window ended.
enum class GameEnd {
  Open,          // still running
  Closed,        // the player closed it
  Victory,       // the game closed its own window (the final victory)
  ProgramEnded,  // the party died: the program ends
};

// What the start menu hands to a new game window.
struct GameSetup {
  SoundSystem& Sound;
  RunSettings Settings;
  int32_t Difficulty = 1;
  bool LoadOnStart = false;
  std::function<void()> Beep;  // the sound back-end's beep; the terminal's bell rings too
  // The review of past texts, the settings and the key help; none: every key is the game's.
  frontend::Comfort* Comfort = nullptr;
};

// The game window "ZORVEK" in the terminal. Every key goes to the game, and after each
// key or tick the terminal shows what the desktop's data line would say: the
// narration's news, then the data line's text. Message boxes, input boxes, the party
// dialog and the shop are shown in text over it, and the game's timers tick in the
// event loop, held back while one of them is open, as on the desktop.
class GameScreen final : public Ui {
 public:
  GameScreen(GameSetup setup, Screen& screen, EventLoop& loop);
  ~GameScreen() override;
  GameScreen(const GameScreen&) = delete;
  GameScreen& operator=(const GameScreen&) = delete;

  // Runs the start-up, then the player's keys until the window closes.
  GameEnd Run();

  // --- Ui ---
  void TextChanged(TextArea area, const std::string& text) override;
  void Beep() override;
  Answer MessageBox(const std::string& text, Buttons buttons, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title) override;
  void ShowDialog(DialogModel& dialog) override;
  void ControlChanged(DialogId dialog, const std::string& control,
                      const ControlView& view) override;
  void TimerSwitched(TimerId timer, bool enabled) override;
  void CloseGameWindow() override;
  void EndProgram() override;

 private:
  // Counts the boxes and dialogs open over the window.
  class ModalScope;

  void PressKey(const Key& key);
  void Tick(TimerId timer);
  // Shows what the game wrote during one key or tick, or before a box opens over it;
  // `answersKey` when a key press is done and must be answered.
  void Flush(bool answersKey);
  void Finish(GameEnd end);
  // A key of the conveniences (review, settings, key help) answered; false: the game's.
  bool ComfortKey(const GameKey& key);
  // Keeps a text the player is told for the review.
  void Remember(const std::string& text);

  GameSetup setup_;
  Screen& screen_;
  EventLoop& loop_;
  MersenneRandom random_;
  SystemClock clock_;
  std::unique_ptr<Game> game_;
  frontend::Announcer announcer_;
  ControlMirror mirror_;
  int handling_ = 0;
  int modalDepth_ = 0;
  int dialogsOpen_ = 0;
  bool beeped_ = false;  // the game beeped during the key being handled
  GameEnd end_ = GameEnd::Open;
};

}  // namespace zorvek::tty
