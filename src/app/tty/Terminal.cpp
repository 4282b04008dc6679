#include "app/tty/Terminal.hpp"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace zorvek::tty {

namespace {

// What the signal handlers need. A handler can reach nothing else, so this one record
// lives at file scope; it is written before the handlers are installed and read only by
// them and by Restore.
struct SignalState {
  int fd = -1;
  termios saved{};
  termios raw{};
  volatile sig_atomic_t rawOn = 0;
  volatile sig_atomic_t pending = 0;
  std::array<int, 2> wake{-1, -1};
  std::array<struct sigaction, 32> previous{};
};
SignalState state;

constexpr std::array<int, 4> kEnding = {SIGTERM, SIGHUP, SIGINT, SIGQUIT};
constexpr std::array<int, 5> kCrashes = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};

void GiveBack() {
  if (state.rawOn != 0) tcsetattr(state.fd, TCSANOW, &state.saved);
}

void Wake() {
  char byte = 1;
  ssize_t ignored = write(state.wake[1], &byte, 1);
  (void)ignored;
}

extern "C" void OnEnding(int signal) {
  if (state.pending != 0) {
    // The key loop has not come round since the first one: leave now.
    GiveBack();
    _exit(128 + signal);
  }
  state.pending = signal;
  Wake();
}

// A crash still gives the terminal back; then the signal goes where it went before (a
// sanitizer's report, or the default action): a fault comes again as the handler
// returns, an abort is raised again.
extern "C" void OnCrash(int signal) {
  GiveBack();
  sigaction(signal, &state.previous.at(static_cast<std::size_t>(signal)), nullptr);
  if (signal == SIGABRT) raise(signal);
}

extern "C" void OnStop(int) {
  int saved = errno;
  GiveBack();
  signal(SIGTSTP, SIG_DFL);
  raise(SIGTSTP);
  // Continued: raw mode again, and this handler again for the next stop.
  if (state.rawOn != 0) tcsetattr(state.fd, TCSANOW, &state.raw);
  struct sigaction again {};
  again.sa_handler = OnStop;
  sigemptyset(&again.sa_mask);
  sigaction(SIGTSTP, &again, nullptr);
  errno = saved;
}

void Install(int signal, void (*handler)(int), bool remember) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  struct sigaction* old = remember ? &state.previous.at(static_cast<std::size_t>(signal)) : nullptr;
  sigaction(signal, &action, old);
}

}  // namespace

Terminal::Terminal(int fd) : fd_(fd) {
  state.fd = fd;
  if (state.wake[0] < 0 && pipe2(state.wake.data(), O_NONBLOCK | O_CLOEXEC) != 0) {
    state.wake = {-1, -1};
  }
  if (tcgetattr(fd, &state.saved) == 0) {
    termios raw = state.saved;
    raw.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INLCR | IGNCR | ISTRIP | IXON | PARMRK);
    raw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    raw.c_oflag |= OPOST | ONLCR;
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    state.raw = raw;
    state.rawOn = 1;
  }
  for (int signal : kEnding) Install(signal, OnEnding, false);
  for (int signal : kCrashes) Install(signal, OnCrash, true);
  Install(SIGTSTP, OnStop, false);
  // A closed pipe or terminal on the output is told by write's error, not by a signal.
  signal(SIGPIPE, SIG_IGN);
  if (state.rawOn != 0) tcsetattr(fd, TCSANOW, &state.raw);
}

Terminal::~Terminal() { Restore(); }

void Terminal::Restore() {
  GiveBack();
  (void)fd_;
}

int Terminal::SignalFd() { return state.wake[0]; }

int Terminal::PendingSignal() { return state.pending; }

}  // namespace zorvek::tty
