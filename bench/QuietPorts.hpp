#pragma once

// Ports for timing the engine: a window that shows nothing and answers every question
// at once, and sound players that only count what they are asked.
#include <cstdint>
#include <memory>
#include <string>

#include "model/Game.hpp"

namespace zorvek::bench {

class QuietUi final : public Ui {
 public:
  void TextChanged(TextArea, const std::string&) override {}
  void Beep() override {}
  Answer MessageBox(const std::string&, Buttons, const std::string&) override { return Answer::Ok; }
  std::string InputBox(const std::string&, const std::string&) override { return ""; }
  void TimerSwitched(TimerId, bool) override {}
  void ShowDialog(DialogModel&) override {}
  void ControlChanged(DialogId, const std::string&, const ControlView&) override {}
  void CloseGameWindow() override {}
  void EndProgram() override {}
};

class CountingSound final : public SoundSystem {
 public:
  std::unique_ptr<SoundPlayer> Create(SoundBank, int) override {
    return std::make_unique<Player>(calls);
  }
  int64_t calls = 0;

 private:
  struct Player final : SoundPlayer {
    explicit Player(int64_t& c) : calls(c) {}
    void Init(int32_t) override { ++calls; }
    int32_t Load(const std::string&) override { return static_cast<int32_t>(++calls); }
    int32_t Play(bool, bool) override { return static_cast<int32_t>(++calls); }
    void Stop(bool) override { ++calls; }
    void SetProperty(int, int32_t, bool) override { ++calls; }
    void Unload(int32_t) override { ++calls; }
    void Free() override { ++calls; }
    int64_t& calls;
  };
};

}  // namespace zorvek::bench
