#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "app/tty/Keys.hpp"
#include "platform/Ui.hpp"

namespace zorvek::tty {

// Where the open windows take their keys from.
class KeySource {
 public:
  virtual ~KeySource() = default;
  // The next key of the player; may run timers while it waits.
  virtual Key NextKey() = 0;
};

// The terminal's event loop: keys from the terminal, the game window's three timers,
// and the signals that end the program, in one poll. Every window's loop (the start
// menu, the game window, a box or dialog over it) waits here, so timers keep their
// rhythm whatever is open; it is the tick handler's business to hold ticks back.
//
// With a clock descriptor (a test's affordance) time stands still until the other end
// writes "advance MS": then the loop moves its clock on, runs every tick that falls due
// in order, and answers "done".
class EventLoop final : public KeySource {
 public:
  struct Options {
    int Input = 0;
    int ClockFd = -1;       // -1: the real clock
    int EscapeWaitMs = 50;  // how long a lone Escape waits for the rest of a sequence
  };
  explicit EventLoop(Options options);

  // The next key. Control + C, an ending signal or the terminal going away throw
  // Interrupted.
  Key NextKey() override;

  // The timers, as the window's: an interval each, switched on and off by the game;
  // switching on a running timer keeps its rhythm.
  void SetInterval(TimerId timer, int milliseconds);
  void Switch(TimerId timer, bool on);
  bool Running(TimerId timer) const;
  void StopAll();
  // Called with each timer whose interval has passed (may itself wait for keys).
  std::function<void(TimerId)> OnTick;

 private:
  struct Timer {
    int IntervalMs = 1000;
    bool On = false;
    int64_t Due = 0;
  };
  int64_t Now() const;
  static int64_t RealNow();
  // One wait: input, the clock's commands and signals; timers that fall due run.
  void WaitOnce();
  void ReadInput();
  void ReadClock();
  void RunDueTimers(int64_t now);
  int WaitMs() const;

  Options options_;
  bool virtual_;  // time moves only when the clock descriptor says so
  int clockFd_;
  KeyDecoder decoder_;
  std::deque<Key> ready_;
  std::array<Timer, 3> timers_{};
  int64_t virtualNow_ = 0;
  int64_t lastByteAt_ = 0;  // real time of the last input byte (the Escape wait)
  std::string clockLine_;
};

}  // namespace zorvek::tty
