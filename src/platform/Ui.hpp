#pragma once

#include <string>

namespace zorvek {

// The three text areas of the game window.
enum class TextArea { TBGeneral, TBDatos, TBOpciones };

// The three timers of the game window; the front-end runs them, the engine switches them.
enum class TimerId { TMRPersecu, TMRRecuperacion, TMRSonidos };

enum class Buttons { Ok, YesNo };

// The game's modal windows besides message and input boxes: the party dialog and the
// gnome's shop.
enum class DialogId { Dialog, DLGTienda };
enum class Answer { Ok, Yes, No };

class DialogModel;   // platform/Dialog.hpp
struct ControlView;  // platform/Dialog.hpp

// Everything the engine asks of the window toolkit. Modal calls return the answer.
class Ui {
 public:
  virtual ~Ui() = default;
  // A text area was written (every write, even when the text is unchanged).
  virtual void TextChanged(TextArea area, const std::string& text) = 0;
  // The platform beep.
  virtual void Beep() = 0;
  // A modal message box; returns the button pressed.
  virtual Answer MessageBox(const std::string& text, Buttons buttons, const std::string& title) = 0;
  // A modal input box; returns the typed text, "" when cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title) = 0;
  // Shows a modal window: calls its Load, forwards the player's control events to it
  // and returns once it has closed.
  virtual void ShowDialog(DialogModel& dialog) = 0;
  // Something a control of an open window shows has changed.
  virtual void ControlChanged(DialogId dialog, const std::string& control,
                              const ControlView& view) = 0;
  // A timer was enabled or disabled.
  virtual void TimerSwitched(TimerId timer, bool enabled) = 0;
  // The game closes its own window (the final victory).
  virtual void CloseGameWindow() = 0;
  // The program ends at once (the party died).
  virtual void EndProgram() = 0;
};

}  // namespace zorvek
