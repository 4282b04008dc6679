#pragma once

#include <deque>
#include <nlohmann/json.hpp>
#include <ostream>
#include <stdexcept>
#include <string>

#include "app/script/Script.hpp"
#include "platform/Dialog.hpp"
#include "platform/SoundPlayer.hpp"
#include "platform/Ui.hpp"

namespace zorvek::script {

using Json = nlohmann::ordered_json;

// Writes one JSON object a line.
class EventWriter {
 public:
  explicit EventWriter(std::ostream& out) : out_(out) {}
  void Write(const Json& event);

 private:
  std::ostream& out_;
};

const char* AreaName(TextArea area);
const char* TimerName(TimerId timer);
const char* DialogName(DialogId dialog);

// The script asked the same kind of question too often with no answer left.
class UnansweredQuestions : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The window toolkit of the runner: every call becomes an event; questions take the
// scripted answers in order. A dialog, as it opens, runs the actions queued for it in
// order, then is closed as the player closes it.
class ScriptUi final : public Ui {
 public:
  explicit ScriptUi(EventWriter& events) : events_(events) {}

  void QueueAnswer(std::string text) { answers_.push_back(std::move(text)); }
  void QueuePartyAction(DialogAction action) { partyActions_.push_back(std::move(action)); }
  void QueueShopAction(DialogAction action) { shopActions_.push_back(std::move(action)); }

  void TextChanged(TextArea area, const std::string& text) override;
  void Beep() override;
  Answer MessageBox(const std::string& text, Buttons buttons, const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title) override;
  void ShowDialog(DialogModel& dialog) override;
  void ControlChanged(DialogId dialog, const std::string& control,
                      const ControlView& view) override;
  void TimerSwitched(TimerId timer, bool enabled) override;
  void CloseGameWindow() override {}
  void EndProgram() override {}

  // Questions met with an empty queue this many times in a row end the run.
  static constexpr int kUnansweredLimit = 50;

 private:
  // The next scripted answer, or nullopt-like empty optional when none is left.
  bool TakeAnswer(std::string& answer);

  EventWriter& events_;
  std::deque<std::string> answers_;
  std::deque<DialogAction> partyActions_;
  std::deque<DialogAction> shopActions_;
  int unansweredInARow_ = 0;
};

// Sound channels of the runner: every operation becomes an event; nothing is heard.
class ScriptSound final : public SoundSystem {
 public:
  ScriptSound(EventWriter& events, std::string programDir)
      : events_(events), programDir_(std::move(programDir)) {}
  std::unique_ptr<SoundPlayer> Create(SoundBank bank, int channel) override;

  // A path as the transcript shows it: relative to the program's directory, with '/'.
  std::string RelativePath(const std::string& path) const;
  void Emit(Json event) { events_.Write(event); }

 private:
  EventWriter& events_;
  std::string programDir_;
};

}  // namespace zorvek::script
