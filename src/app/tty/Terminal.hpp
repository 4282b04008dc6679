#pragma once

#include <termios.h>

namespace zorvek::tty {

// The program is ending because of a signal (or Control + C, which is SIGINT's key, or the
// terminal going away, which is SIGHUP's cause). Thrown out of the key loop; the
// terminal is given back on the way out.
struct Interrupted {
  int Signal = 0;
};

// The terminal on standard input in raw mode for as long as this lives: keys arrive one
// by one, unechoed, with no signal keys, no flow control and no line-end translation;
// output still ends lines with CR LF. The modes it found are given back however the
// program ends: here, in the handlers of the signals that end it (SIGTERM, SIGHUP,
// SIGINT, SIGQUIT), before a crash signal goes on to its default, and while the program
// is stopped with SIGTSTP. One at a time per process: the signal handlers need the saved
// modes in one place.
class Terminal {
 public:
  explicit Terminal(int fd);
  ~Terminal();
  Terminal(const Terminal&) = delete;
  Terminal& operator=(const Terminal&) = delete;

  // Gives the saved modes back (again if need be).
  void Restore();

  // The read end of a pipe that becomes readable when an ending signal arrives.
  static int SignalFd();
  // The ending signal that arrived, or 0.
  static int PendingSignal();

 private:
  int fd_;
};

}  // namespace zorvek::tty
