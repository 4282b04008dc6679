#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/Game.hpp"
#include "platform/Dialog.hpp"
#include "startup/Keyboard.hpp"
#include "startup/StartUp.hpp"

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

// A sound system whose players write every call as one line of a shared log:
// "E3 play loop", "E3 prop 3 -400", "M0 load Sonidos/Caverna.mp3" (bank letter and
// channel, then the call; paths lose the program directory "/juego/").
class RecordingSound final : public SoundSystem {
 public:
  std::unique_ptr<SoundPlayer> Create(SoundBank bank, int channel) override {
    return std::make_unique<Player>(
        Log, (bank == SoundBank::Effects ? "E" : "M") + std::to_string(channel) + " ");
  }
  // The log since the last call, emptying it.
  std::vector<std::string> Take() { return std::exchange(Log, {}); }
  // The lines of the log that start with `prefix`.
  std::vector<std::string> Grep(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& line : Log) {
      if (line.rfind(prefix, 0) == 0) out.push_back(line);
    }
    return out;
  }

  std::vector<std::string> Log;

 private:
  class Player final : public SoundPlayer {
   public:
    Player(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
    void Init(int32_t flags) override { Write("init " + std::to_string(flags)); }
    int32_t Load(const std::string& path) override {
      const std::string dir = "/juego/";
      Write("load " + (path.rfind(dir, 0) == 0 ? path.substr(dir.size()) : path));
      return ++handles_;
    }
    int32_t Play(bool loop, bool flag) override {
      Write(std::string("play ") + (loop ? "loop" : "once") + (flag ? " flag" : ""));
      return 1000 + handles_;
    }
    void Stop(bool flag) override { Write(flag ? "stop flag" : "stop"); }
    void SetProperty(int kind, int32_t value, bool flag) override {
      Write("prop " + std::to_string(kind) + " " + std::to_string(value) + (flag ? " flag" : ""));
    }
    void Unload(int32_t handle) override { Write("unload " + std::to_string(handle)); }
    void Free() override { Write("free"); }

   private:
    void Write(const std::string& call) { log_.push_back(name_ + call); }
    std::vector<std::string>& log_;
    std::string name_;
    int32_t handles_ = 0;
  };
};

// A game with recording ports, for driving procedures directly or key by key.
struct TestGame {
  explicit TestGame(RunSettings settings = {}) : game(Ports{ui, random, clock, sound}, settings) {}

  // Opens the game window and recruits the candidates numbered `heroes` into the
  // marching positions 1, 2, ... in that order.
  void Start(std::initializer_list<int> heroes = {}) {
    StartGameWindow(game);
    int p = 0;
    for (int h : heroes) game.Party(++p) = game.DungeonBeings(h);
    if (p > 0) game.AnyRecruited = true;
  }
  // Empty rooms 0 to `count`; all but room 0 numbered and `width` x `height`.
  void BlankRooms(int count, int16_t width, int16_t height) {
    game.Rooms.ReDim(0, count);
    for (int r = 1; r <= count; ++r) {
      game.Rooms(r).Index = static_cast<int16_t>(r);
      game.Rooms(r).Width = width;
      game.Rooms(r).Height = height;
    }
  }
  void Press(int16_t code, int16_t shift = 0) { HandleKey(game, code, shift); }
  // Types the digits into the cell menu and presses Enter.
  void Type(const std::string& digits) {
    for (char c : digits) Press(static_cast<int16_t>(c));
    Press(keys::kEnter);
  }
  // Opens the cell menu and gives it the answers, one after another.
  void Choose(std::initializer_list<const char*> answers) {
    Press(keys::kEnter);
    for (const char* a : answers) Type(a);
  }
  const std::string& Data() const { return game.Text(TextArea::TBDatos); }

  RecordingUi ui;
  ScriptedRandom random;
  FixedClock clock;
  RecordingSound sound;
  Game game;
};

// A game in "/juego" whose sound channels are recorded.
struct SoundGame : TestGame {
  explicit SoundGame(const std::string& programDir = "/juego")
      : TestGame(RunSettings{programDir, std::nullopt}) {
    game.SoundDir = "/juego/Sonidos/";
  }
};

}  // namespace zorvek::testing
