#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/shared/Announcer.hpp"
#include "model/Game.hpp"
#include "platform/Clock.hpp"
#include "platform/Random.hpp"
#include "platform/SoundPlayer.hpp"
#include "platform/Ui.hpp"

class QPlainTextEdit;
class QTimer;

namespace zorvek::frontend {
class Comfort;
}

namespace zorvek::qt {

class Speaker;
class DialogWindow;

// What the start menu hands to a new game window.
struct GameWindowSetup {
  SoundSystem& Sound;
  RunSettings Settings;
  int32_t Difficulty = 1;
  bool LoadOnStart = false;
  std::function<void()> Beep;  // the platform beep; empty: the desktop's own
  Speaker* Voice = nullptr;    // self-voicing, when the player asked for it
  // The review of past texts, the settings and the key help; none: every key is the game's.
  frontend::Comfort* Comfort = nullptr;
};

// How a game window ended.
enum class GameEnd {
  Open,          // still running
  Closed,        // the player closed it
  Victory,       // the game closed its own window (the final victory)
  ProgramEnded,  // the party died: the program ends
};

// The game window "ZORVEK" (Form1): three read-only text areas, the data line holding
// the keyboard focus so that a screen reader speaks each of its texts; every key press
// goes to the game, and the game's timers run here.
class GameWindow final : public QDialog, public Ui {
  Q_OBJECT

 public:
  // Opens the window and runs the game's start-up in it.
  explicit GameWindow(GameWindowSetup setup, QWidget* parent = nullptr);
  ~GameWindow() override;

  Game& game() { return *game_; }
  GameEnd End() const { return end_; }
  QPlainTextEdit* TextWidget(TextArea area) const;
  // The line that tells the review's entries, the settings and the key help (the
  // front-end's own texts, never the game's).
  QPlainTextEdit* ReviewWidget() const { return review_; }
  QTimer* Timer(TimerId timer) const;
  // Whether one of the game's modal windows (a box or a dialog) is open over this one.
  bool ModalOpen() const;
  // Ticks that reached the game and ticks held back by a modal window, per timer.
  int TicksDelivered(TimerId timer) const;
  int TicksHeld(TimerId timer) const;
  // The open party dialog or shop window, if any.
  DialogWindow* OpenDialog() const { return dialog_; }

  // A key press of the window as the game receives it.
  void PressKey(int16_t code, int16_t shift);
  // One tick of a timer of the window.
  void Tick(TimerId timer);

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

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Counts the game's modal windows open over this one.
  class ModalScope;

  static std::size_t Slot(TimerId t) { return static_cast<std::size_t>(t); }
  void Finish(GameEnd end);
  // Shows the data line, selected, as one change the screen reader speaks.
  void ShowDataLine(const QString& line);
  // Shows the last text the game wrote to each area during one key or tick.
  void Flush();
  // Self-voicing, when the player asked for it.
  void Speak(const QString& text);
  void KeepFocus();
  // A text of the front-end's own: shown in the review line, which takes the focus so
  // that the screen reader speaks it, and spoken.
  void ShowReview(const QString& text);
  // Keeps a text the player is told for the review.
  void Remember(const std::string& text);

  GameWindowSetup setup_;
  std::array<QPlainTextEdit*, 3> texts_{};
  QPlainTextEdit* review_ = nullptr;
  std::array<QTimer*, 3> timers_{};
  std::array<int, 3> delivered_{};
  std::array<int, 3> held_{};
  MersenneRandom random_;
  SystemClock clock_;
  std::unique_ptr<Game> game_;
  DialogWindow* dialog_ = nullptr;
  int modalDepth_ = 0;
  // While the game handles a key or a tick, its writes wait in the announcer.
  int handling_ = 0;
  frontend::Announcer announcer_;
  GameEnd end_ = GameEnd::Open;
};

// Writes a text into a text area so that the accessibility layer reports the change as
// one edit (never a blank in between): with `whole`, the whole text is reported again
// even when unchanged; otherwise only the part after what the old and new texts share.
void ReplaceText(QPlainTextEdit& edit, const QString& text, bool whole);
// Shows a text in one block, selected whole: a screen reader speaks an insertion into the
// focused text when it is also the selection.
void ShowSelected(QPlainTextEdit& edit, const QString& text);

// The game's text as shown: CR LF line ends become plain line ends.
QString Shown(const std::string& text);

}  // namespace zorvek::qt
