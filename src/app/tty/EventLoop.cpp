#include "app/tty/EventLoop.hpp"

#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>

#include "app/tty/Terminal.hpp"

namespace zorvek::tty {

namespace {

std::size_t Slot(TimerId timer) { return static_cast<std::size_t>(timer); }

constexpr std::array<TimerId, 3> kTimers = {TimerId::TMRPersecu, TimerId::TMRRecuperacion,
                                            TimerId::TMRSonidos};

}  // namespace

EventLoop::EventLoop(Options options)
    : options_(options), virtual_(options.ClockFd >= 0), clockFd_(options.ClockFd) {}

int64_t EventLoop::RealNow() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t EventLoop::Now() const { return virtual_ ? virtualNow_ : RealNow(); }

void EventLoop::SetInterval(TimerId timer, int milliseconds) {
  timers_.at(Slot(timer)).IntervalMs = std::max(1, milliseconds);
}

void EventLoop::Switch(TimerId timer, bool on) {
  Timer& t = timers_.at(Slot(timer));
  if (on && !t.On) t.Due = Now() + t.IntervalMs;
  t.On = on;
}

bool EventLoop::Running(TimerId timer) const { return timers_.at(Slot(timer)).On; }

void EventLoop::StopAll() {
  for (Timer& t : timers_) t.On = false;
}

Key EventLoop::NextKey() {
  while (ready_.empty()) WaitOnce();
  Key key = std::move(ready_.front());
  ready_.pop_front();
  if (IsInterrupt(key)) throw Interrupted{SIGINT};
  return key;
}

void EventLoop::RunDueTimers(int64_t now) {
  // The earliest first; a tick may open a window that waits for keys in here again, so
  // each timer's next time is set before its tick runs.
  while (true) {
    Timer* due = nullptr;
    TimerId which = TimerId::TMRPersecu;
    for (TimerId id : kTimers) {
      Timer& t = timers_.at(Slot(id));
      if (t.On && t.Due <= now && (due == nullptr || t.Due < due->Due)) {
        due = &t;
        which = id;
      }
    }
    if (due == nullptr) return;
    due->Due += due->IntervalMs;
    // A late real clock skips the ticks it missed, as a window's timers do.
    if (!virtual_ && due->Due <= now) due->Due = now + due->IntervalMs;
    if (OnTick) OnTick(which);
    // Keys that came meanwhile go first; a moved-on clock runs all it passed.
    if (!virtual_ && !ready_.empty()) return;
  }
}

int EventLoop::WaitMs() const {
  int64_t wait = -1;
  auto atMost = [&wait](int64_t ms) {
    ms = std::max<int64_t>(0, ms);
    if (wait < 0 || ms < wait) wait = ms;
  };
  if (!virtual_) {
    int64_t now = RealNow();
    for (const Timer& t : timers_) {
      if (t.On) atMost(t.Due - now);
    }
  }
  if (decoder_.Waiting()) atMost(lastByteAt_ + options_.EscapeWaitMs - RealNow());
  return static_cast<int>(std::min<int64_t>(wait, INT_MAX));
}

void EventLoop::WaitOnce() {
  if (int signal = Terminal::PendingSignal()) throw Interrupted{signal};
  if (!virtual_) {
    RunDueTimers(RealNow());
    if (!ready_.empty()) return;
  }
  std::array<pollfd, 3> fds{
      {{options_.Input, POLLIN, 0}, {Terminal::SignalFd(), POLLIN, 0}, {clockFd_, POLLIN, 0}}};
  int n = poll(fds.data(), fds.size(), WaitMs());
  if (n < 0 && errno != EINTR) throw Interrupted{SIGHUP};
  if (int signal = Terminal::PendingSignal()) throw Interrupted{signal};
  if (n > 0 && fds[0].revents != 0) ReadInput();
  if (n > 0 && fds[2].revents != 0) ReadClock();
  if (decoder_.Waiting() && RealNow() - lastByteAt_ >= options_.EscapeWaitMs) {
    for (Key& key : decoder_.Timeout()) ready_.push_back(std::move(key));
  }
}

void EventLoop::ReadInput() {
  std::array<char, 4096> buffer{};
  ssize_t n = read(options_.Input, buffer.data(), buffer.size());
  if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
  // The terminal is gone (a dropped link hangs it up): as SIGHUP would say.
  if (n <= 0) throw Interrupted{SIGHUP};
  lastByteAt_ = RealNow();
  for (Key& key : decoder_.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(n)))) {
    ready_.push_back(std::move(key));
  }
}

void EventLoop::ReadClock() {
  std::array<char, 256> buffer{};
  ssize_t n = read(clockFd_, buffer.data(), buffer.size());
  if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
  if (n <= 0) {
    clockFd_ = -1;  // the other end has gone: time stands still for good
    return;
  }
  clockLine_.append(buffer.data(), static_cast<std::size_t>(n));
  std::size_t end = 0;
  while ((end = clockLine_.find('\n')) != std::string::npos) {
    std::string line = clockLine_.substr(0, end);
    clockLine_.erase(0, end + 1);
    if (line.rfind("advance ", 0) == 0) {
      try {
        virtualNow_ += std::clamp<int64_t>(std::stoll(line.substr(8)), 0, 86'400'000);
      } catch (const std::exception&) {
      }
      RunDueTimers(virtualNow_);
      ssize_t ignored = clockFd_ >= 0 ? write(clockFd_, "done\n", 5) : 0;
      (void)ignored;
    }
  }
}

}  // namespace zorvek::tty
