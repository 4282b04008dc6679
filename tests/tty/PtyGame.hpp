// zorvek-tty run in a pseudo-terminal, as a player's terminal runs it: the test sends
// the bytes keys send and reads what appears. Time is the test's: the program's clock
// moves only when the test says so.
#pragma once

#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ttytest {

#define SEE(game, text) \
  ASSERT_TRUE((game).See(text)) << "expected: " << (text) << "\n--- terminal:\n" << (game).Recent()

// A generous bound for the program to answer, sanitizers included; no test waits for it
// unless something is broken.
constexpr std::chrono::seconds kPatience{30};

// An empty folder of the running test's own.
inline std::string FreshDir() {
  const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
  auto dir =
      std::filesystem::path(::testing::TempDir()) / ("zorvek_tty_" + std::string(test->name()));
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir.string();
}

// The modes a new terminal starts with (line editing, echo, signal keys).
inline termios FreshModes() {
  int master = -1;
  int slave = -1;
  termios modes{};
  if (openpty(&master, &slave, nullptr, nullptr, nullptr) == 0) {
    tcgetattr(slave, &modes);
    close(slave);
    close(master);
  }
  return modes;
}

class PtyGame {
 public:
  // `configHome` is the player's configuration folder (the settings file's). By default
  // one that can be neither read nor written: a player's own settings never reach a test,
  // and a test leaves none behind.
  explicit PtyGame(std::vector<std::string> args,
                   std::string configHome = "/proc/zorvek-sin-ajustes") {
    int clock[2] = {-1, -1};
    socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, clock);
    winsize size{24, 80, 0, 0};
    termios modes = FreshModes();
    pid_ = forkpty(&master_, nullptr, &modes, &size);
    if (pid_ == 0) {
      dup2(clock[1], 3);
      std::vector<std::string> argv = {ZORVEK_TTY_BINARY};
      argv.insert(argv.end(), args.begin(), args.end());
      argv.insert(argv.end(), {"--clock-fd", "3"});
      std::vector<char*> raw;
      for (std::string& a : argv) raw.push_back(a.data());
      raw.push_back(nullptr);
      setenv("TERM", "xterm", 1);
      setenv("XDG_CONFIG_HOME", configHome.c_str(), 1);
      // No sound device: the game runs silently and says so once.
      setenv("SDL_AUDIODRIVER", "sin-sonido", 1);
      execv(raw[0], raw.data());
      _exit(127);
    }
    close(clock[1]);
    clock_ = clock[0];
  }
  ~PtyGame() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    close(master_);
    close(clock_);
  }
  PtyGame(const PtyGame&) = delete;
  PtyGame& operator=(const PtyGame&) = delete;

  void Send(std::string_view bytes) {
    while (!bytes.empty()) {
      ssize_t n = write(master_, bytes.data(), bytes.size());
      if (n <= 0) return;
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
  }

  // Waits until `text` appears after what earlier waits have read; true when it did.
  // What came before it and the text itself are then behind the reading mark.
  bool See(std::string_view text) { return SeeEither(text, {}) == 1; }
  // Waits for whichever of two texts comes first: 1 or 2, 0 when neither came.
  int SeeEither(std::string_view first, std::string_view second) {
    auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (true) {
      std::size_t a = output_.find(first, mark_);
      std::size_t b = second.empty() ? std::string::npos : output_.find(second, mark_);
      if (a != std::string::npos || b != std::string::npos) {
        bool isFirst = a != std::string::npos && (b == std::string::npos || a <= b);
        seen_ = output_.substr(mark_, (isFirst ? a + first.size() : b + second.size()) - mark_);
        mark_ += seen_.size();
        return isFirst ? 1 : 2;
      }
      if (std::chrono::steady_clock::now() > deadline || !Read(100)) return 0;
    }
  }
  // What the last successful wait passed over, what is still unread, and all of it.
  const std::string& Seen() const { return seen_; }
  std::string_view Unread() const { return std::string_view(output_).substr(mark_); }
  const std::string& Output() const { return output_; }
  // The end of the output, for a failing check.
  std::string Recent() const {
    return output_.size() > 1500 ? output_.substr(output_.size() - 1500) : output_;
  }

  // Moves the program's clock on; its timers run what falls due.
  void Advance(int ms) {
    std::string line = "advance " + std::to_string(ms) + "\n";
    if (write(clock_, line.data(), line.size()) > 0) ++advancing_;
  }
  // Waits until the program has run every advance sent, or `text` appears (a tick may
  // open a question that holds its advance until answered). 1: all ran, 2: the text came.
  int Settle(std::string_view text = {}) {
    auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (advancing_ > 0) {
      if (!text.empty() && output_.find(text, mark_) != std::string::npos) return See(text) + 1;
      pollfd fd{clock_, POLLIN, 0};
      if (poll(&fd, 1, 0) > 0) {
        char buffer[256];
        ssize_t n = read(clock_, buffer, sizeof buffer);
        if (n <= 0) return 0;
        for (ssize_t i = 0; i < n; ++i) advancing_ -= buffer[i] == '\n' ? 1 : 0;
      } else if (std::chrono::steady_clock::now() > deadline) {
        return 0;
      } else {
        Read(20);
      }
    }
    return 1;
  }

  // The terminal's modes as the program left them.
  termios Modes() const {
    termios t{};
    tcgetattr(master_, &t);
    return t;
  }
  void Resize(unsigned short rows, unsigned short columns) {
    winsize size{rows, columns, 0, 0};
    ioctl(master_, TIOCSWINSZ, &size);
  }
  void Signal(int signal) { kill(pid_, signal); }

  // The program's exit status (1000 + signal for a signal it did not catch), or -1
  // when it did not end in time; reads what it still writes meanwhile.
  int Wait() {
    auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        exited_ = true;
        while (Read(0)) {
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : 1000 + WTERMSIG(status);
      }
      Read(20);
    }
    return -1;
  }

 private:
  bool Read(int waitMs) {
    pollfd fd{master_, POLLIN, 0};
    if (poll(&fd, 1, waitMs) <= 0) return waitMs > 0;
    char buffer[4096];
    ssize_t n = read(master_, buffer, sizeof buffer);
    if (n <= 0) return false;
    output_.append(buffer, static_cast<std::size_t>(n));
    return true;
  }

  pid_t pid_ = -1;
  int master_ = -1;
  int clock_ = -1;
  bool exited_ = false;
  int advancing_ = 0;
  std::string output_;
  std::size_t mark_ = 0;
  std::string seen_;
};

// The terminal modes that must come back as they were after the program ends.
inline void ExpectTheTerminalAsItWas(const PtyGame& game) {
  const termios after = game.Modes();
  const termios fresh = FreshModes();
  EXPECT_EQ(after.c_lflag, fresh.c_lflag);
  EXPECT_EQ(after.c_iflag, fresh.c_iflag);
  EXPECT_EQ(after.c_oflag, fresh.c_oflag);
  EXPECT_EQ(after.c_cc[VMIN], fresh.c_cc[VMIN]);
}

}  // namespace ttytest
