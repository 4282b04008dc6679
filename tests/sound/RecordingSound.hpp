#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "model/Game.hpp"
#include "support/TestGame.hpp"

namespace zorvek::testing {

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

// A game in "/juego" whose sound channels are recorded.
struct SoundGame {
  explicit SoundGame(const std::string& programDir = "/juego")
      : game(Ports{ui, random, clock, sound}, RunSettings{programDir, std::nullopt}) {
    game.SoundDir = "/juego/Sonidos/";
  }

  RecordingUi ui;
  ScriptedRandom random;
  FixedClock clock;
  RecordingSound sound;
  Game game;
};

}  // namespace zorvek::testing
