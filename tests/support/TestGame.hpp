#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Game.hpp"
#include "platform/Dialog.hpp"
#include "startup/Keyboard.hpp"

namespace zorvek::testing {

// Remembers what the engine told the window, and answers its questions from a queue.
class RecordingUi final : public Ui {
 public:
  struct Box {
    std::string Text;
    Buttons Kind;
    std::string Title;
  };

  void TextChanged(TextArea, const std::string&) override {}
  void Beep() override { ++Beeps; }
  Answer MessageBox(const std::string& text, Buttons buttons, const std::string& title) override {
    Boxes.push_back({text, buttons, title});
    if (buttons == Buttons::Ok) return Answer::Ok;
    if (YesNoAnswers.empty()) return Answer::No;
    Answer a = YesNoAnswers.front();
    YesNoAnswers.pop_front();
    return a;
  }
  std::string InputBox(const std::string& prompt, const std::string& title) override {
    Inputs.push_back({prompt, Buttons::Ok, title});
    if (TypedAnswers.empty()) return "";
    std::string a = TypedAnswers.front();
    TypedAnswers.pop_front();
    return a;
  }
  void TimerSwitched(TimerId, bool) override {}
  // The window opens (Load) and the player closes it at once, unless a test gives
  // OnDialog something to do with it first.
  void ShowDialog(DialogModel& dialog) override {
    Dialogs.push_back(dialog.Id());
    dialog.Load();
    if (OnDialog) OnDialog(dialog);
    if (!dialog.Closed()) dialog.Act(dialog.CloseControl(), std::nullopt);
  }
  void ControlChanged(DialogId, const std::string&, const ControlView&) override {}
  void CloseGameWindow() override {}
  void EndProgram() override { Ended = true; }

  std::vector<Box> Boxes;
  std::vector<Box> Inputs;
  std::vector<DialogId> Dialogs;
  std::function<void(DialogModel&)> OnDialog;
  std::deque<Answer> YesNoAnswers;
  std::deque<std::string> TypedAnswers;
  int Beeps = 0;
  bool Ended = false;
};

// Plays back a list of draws (then repeats the last one); or, when empty, a real
// generator so that long procedures still see varied numbers.
class ScriptedRandom final : public Random {
 public:
  void Seed(int32_t seed) override {
    Seeds.push_back(seed);
    real_.Seed(seed);
  }
  double Next() override {
    ++Draws;
    if (Values.empty()) return real_.Next();
    if (next_ < Values.size()) return Values[next_++];
    return Values.back();
  }
  void Play(std::vector<double> values) {
    Values = std::move(values);
    next_ = 0;
  }

  std::vector<double> Values;
  std::vector<int32_t> Seeds;
  int Draws = 0;

 private:
  std::size_t next_ = 0;
  MersenneRandom real_;
};

class FixedClock final : public Clock {
 public:
  TimeOfDay Now() override { return Time; }
  TimeOfDay Time{12, 30, 15};
};

// A sound system whose players do nothing.
class SilentSound final : public SoundSystem {
 public:
  std::unique_ptr<SoundPlayer> Create(SoundBank, int) override {
    return std::make_unique<Player>();
  }

 private:
  struct Player final : SoundPlayer {
    void Init(int32_t) override {}
    int32_t Load(const std::string&) override { return 1; }
    int32_t Play(bool, bool) override { return 1; }
    void Stop(bool) override {}
    void SetProperty(int, int32_t, bool) override {}
    void Unload(int32_t) override {}
    void Free() override {}
  };
};

// A game with recording ports, for driving procedures directly or key by key.
struct TestGame {
  explicit TestGame(RunSettings settings = {}) : game(Ports{ui, random, clock, sound}, settings) {}

  void Press(int16_t code, int16_t shift = 0) { HandleKey(game, code, shift); }
  // Types the digits into the cell menu and presses Enter.
  void Type(const std::string& digits) {
    for (char c : digits) Press(static_cast<int16_t>(c));
    Press(keys::kEnter);
  }
  const std::string& Data() const { return game.Text(TextArea::TBDatos); }

  RecordingUi ui;
  ScriptedRandom random;
  FixedClock clock;
  SilentSound sound;
  Game game;
};

}  // namespace zorvek::testing
