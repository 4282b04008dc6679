// Stand-ins for the engine's ports, shared by the front-ends' suites: sound channels that
// note what they are asked, a window toolkit with no windows, a clock stopped at noon,
// and a game without a window built from them.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/Game.hpp"
#include "platform/Clock.hpp"
#include "platform/Dialog.hpp"
#include "platform/Random.hpp"
#include "platform/SoundPlayer.hpp"
#include "platform/Ui.hpp"
#include "startup/StartUp.hpp"

namespace fetest {

// Notes every call of its channels as a line ("play music 6 loop"), and the volume each
// channel was last given.
class LoggedSound final : public zorvek::SoundSystem {
 public:
  using Channel = std::pair<zorvek::SoundBank, int>;
  std::vector<std::string> Ops;
  std::map<Channel, int32_t> Volume;

  int Count(const std::string& prefix) const {
    int n = 0;
    for (const auto& op : Ops) n += op.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
  }
  std::unique_ptr<zorvek::SoundPlayer> Create(zorvek::SoundBank bank, int channel) override {
    return std::make_unique<Player>(*this, Channel{bank, channel});
  }

 private:
  class Player final : public zorvek::SoundPlayer {
   public:
    Player(LoggedSound& log, Channel channel) : log_(log), channel_(channel) {}
    void Init(int32_t flags) override { Note("init " + std::to_string(flags)); }
    int32_t Load(const std::string& path) override { return Note("load " + path); }
    int32_t Play(bool loop, bool) override { return Note(loop ? "play loop" : "play once"); }
    void Stop(bool) override { Note("stop"); }
    void SetProperty(int kind, int32_t value, bool) override {
      if (kind == zorvek::kVolumeProperty) log_.Volume[channel_] = value;
    }
    void Unload(int32_t) override { Note("unload"); }
    void Free() override { Note("free"); }

   private:
    // "load music 6 path": the call's first word, the channel, then the rest.
    int32_t Note(const std::string& call) {
      const std::size_t space = std::min(call.find(' '), call.size());
      const char* bank = channel_.first == zorvek::SoundBank::Music ? " music " : " effects ";
      log_.Ops.push_back(call.substr(0, space) + bank + std::to_string(channel_.second) +
                         call.substr(space));
      return 1;
    }
    LoggedSound& log_;
    Channel channel_;
  };
};

// A window toolkit with no windows: boxes answer No (or OK), dialogs close at once.
class SilentUi final : public zorvek::Ui {
 public:
  void TextChanged(zorvek::TextArea, const std::string&) override {}
  void Beep() override {}
  zorvek::Answer MessageBox(const std::string&, zorvek::Buttons b, const std::string&) override {
    return b == zorvek::Buttons::Ok ? zorvek::Answer::Ok : zorvek::Answer::No;
  }
  std::string InputBox(const std::string&, const std::string&) override { return ""; }
  void ShowDialog(zorvek::DialogModel& d) override {
    d.Load();
    d.Act(d.CloseControl(), std::nullopt);
  }
  void ControlChanged(zorvek::DialogId, const std::string&, const zorvek::ControlView&) override {}
  void TimerSwitched(zorvek::TimerId, bool) override {}
  void CloseGameWindow() override {}
  void EndProgram() override {}
};

class Noon final : public zorvek::Clock {
 public:
  zorvek::TimeOfDay Now() override { return {12, 0, 0}; }
};

// A started game of a seed and folder, without a window: a twin of a window's game that
// takes the codes the window should send, or the maker of a saved game.
struct QuietGame {
  QuietGame(const std::string& dir, int32_t seed)
      : game(zorvek::Ports{ui, random, clock, sound}, zorvek::RunSettings{dir, seed}) {
    zorvek::StartGameWindow(game);
  }
  SilentUi ui;
  zorvek::MersenneRandom random;
  Noon clock;
  LoggedSound sound;
  zorvek::Game game;
};

}  // namespace fetest
