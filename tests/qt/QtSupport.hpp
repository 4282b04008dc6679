// Stand-ins and drivers shared by the desktop window tests: sound channels that note
// what they are asked, a silent toolkit for twin games, and closers for modal windows.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "app/qt/GameWindow.hpp"
#include "platform/Clock.hpp"
#include "platform/Dialog.hpp"
#include "platform/Random.hpp"
#include "platform/SoundPlayer.hpp"
#include "platform/Ui.hpp"
#include "startup/StartUp.hpp"

namespace qttest {

using zorvek::Answer;
using zorvek::Buttons;
using zorvek::TextArea;
using zorvek::TimerId;
using zorvek::qt::GameWindow;

// Sound channels that only note what they are asked to do.
struct SoundLog {
  std::vector<std::string> Ops;
  int Count(const std::string& prefix) const {
    int n = 0;
    for (const auto& op : Ops) n += op.rfind(prefix, 0) == 0 ? 1 : 0;
    return n;
  }
};

class LoggedPlayer final : public zorvek::SoundPlayer {
 public:
  LoggedPlayer(SoundLog& log, zorvek::SoundBank bank, int channel)
      : log_(log),
        name_((bank == zorvek::SoundBank::Music ? "music " : "effects ") +
              std::to_string(channel)) {}
  void Init(int32_t flags) override { Note("init", std::to_string(flags)); }
  int32_t Load(const std::string& path) override {
    Note("load", path);
    return 1;
  }
  int32_t Play(bool loop, bool) override {
    Note("play", loop ? "loop" : "once");
    return 1;
  }
  void Stop(bool) override { Note("stop", ""); }
  void SetProperty(int, int32_t, bool) override {}
  void Unload(int32_t) override { Note("unload", ""); }
  void Free() override { Note("free", ""); }

 private:
  void Note(const std::string& op, const std::string& what) {
    log_.Ops.push_back(op + " " + name_ + (what.empty() ? "" : " " + what));
  }
  SoundLog& log_;
  std::string name_;
};

class LoggedSound final : public zorvek::SoundSystem {
 public:
  std::unique_ptr<zorvek::SoundPlayer> Create(zorvek::SoundBank bank, int channel) override {
    return std::make_unique<LoggedPlayer>(Log, bank, channel);
  }
  SoundLog Log;
};

// A window toolkit with no windows, for a twin game that takes the codes directly.
class SilentUi final : public zorvek::Ui {
 public:
  void TextChanged(TextArea, const std::string&) override {}
  void Beep() override {}
  Answer MessageBox(const std::string&, Buttons b, const std::string&) override {
    return b == Buttons::Ok ? Answer::Ok : Answer::No;
  }
  std::string InputBox(const std::string&, const std::string&) override { return ""; }
  void ShowDialog(zorvek::DialogModel& d) override {
    d.Load();
    d.Act(d.CloseControl(), std::nullopt);
  }
  void ControlChanged(zorvek::DialogId, const std::string&, const zorvek::ControlView&) override {}
  void TimerSwitched(TimerId, bool) override {}
  void CloseGameWindow() override {}
  void EndProgram() override {}
};

class FixedClock final : public zorvek::Clock {
 public:
  zorvek::TimeOfDay Now() override { return {12, 0, 0}; }
};

constexpr int32_t kSeed = 4242;

// A game of the same seed and folder as a window's, without a window: it takes the key
// codes the window should send, so that both can be compared after every key.
struct TwinGame {
  explicit TwinGame(const std::string& dir)
      : game(zorvek::Ports{ui, random, clock, sound}, zorvek::RunSettings{dir, kSeed}) {
    zorvek::StartGameWindow(game);
  }
  SilentUi ui;
  zorvek::MersenneRandom random;
  FixedClock clock;
  LoggedSound sound;
  zorvek::Game game;
};

// Runs `action` on the next modal window of kind T once it is open and shown.
template <class T>
void WhenModalOpens(std::function<void(T*)> action) {
  auto* poll = new QTimer;
  poll->setInterval(5);
  QObject::connect(poll, &QTimer::timeout, [poll, action] {
    auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
    if (window == nullptr || !window->isVisible()) return;
    poll->stop();
    poll->deleteLater();
    action(window);
  });
  poll->start();
}

// A text insertion the accessibility layer passes on to a screen reader.
struct Insertion {
  QObject* Object;
  int Position;
  QString Text;
};

// Switches the accessibility layer on and records its text insertions while alive. The
// layer takes a plain function, hence the one recorder at a time.
class ListenToAccessibility {
 public:
  explicit ListenToAccessibility(std::vector<Insertion>& told) {
    recorder_ = &told;
    previous_ = QAccessible::installUpdateHandler(&Record);
    QAccessible::setActive(true);
  }
  ~ListenToAccessibility() {
    QAccessible::installUpdateHandler(previous_);
    recorder_ = nullptr;
  }
  ListenToAccessibility(const ListenToAccessibility&) = delete;
  ListenToAccessibility& operator=(const ListenToAccessibility&) = delete;

 private:
  static void Record(QAccessibleEvent* event) {
    if (recorder_ == nullptr) return;
    if (event->type() == QAccessible::TextInserted) {
      auto* e = static_cast<QAccessibleTextInsertEvent*>(event);
      recorder_->push_back({e->object(), e->changePosition(), e->textInserted()});
    } else if (event->type() == QAccessible::TextUpdated) {
      auto* e = static_cast<QAccessibleTextUpdateEvent*>(event);
      recorder_->push_back({e->object(), e->changePosition(), e->textInserted()});
    }
  }
  static inline std::vector<Insertion>* recorder_ = nullptr;
  QAccessible::UpdateHandler previous_ = nullptr;
};

// Closes every message or input box that opens, as No or Cancel would, until stopped.
class BoxCloser {
 public:
  BoxCloser() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr || !modal->isVisible()) return;
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        ++closed;
        QAbstractButton* no = box->button(QMessageBox::No);
        (no != nullptr ? no : box->button(QMessageBox::Ok))->click();
      } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
        ++closed;
        input->reject();
      }
    });
    timer_.start();
  }
  int closed = 0;

 private:
  QTimer timer_;
};

// Answers every box and closes every dialog that opens, picking at random among the
// answers a player could give, odd ones included.
class RandomAnswers {
 public:
  explicit RandomAnswers(uint32_t seed) : pick_(seed) {
    timer_.setInterval(2);
    QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerOpenWindow(); });
    timer_.start();
  }
  int answered = 0;

 private:
  void AnswerOpenWindow() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    ++answered;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      QList<QAbstractButton*> buttons = box->buttons();
      buttons.at(static_cast<qsizetype>(pick_() % buttons.size()))->click();
    } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
      static const char* const kTyped[] = {"1", "2", "4", "0", "-3", "2,5", "99999999", "abc", ""};
      input->setTextValue(QString::fromUtf8(kTyped[pick_() % std::size(kTyped)]));
      if (pick_() % 4 == 0) {
        input->reject();
      } else {
        input->accept();
      }
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
      if (qobject_cast<GameWindow*>(dialog) == nullptr) dialog->reject();
    }
  }
  std::mt19937 pick_;
  QTimer timer_;
};

}  // namespace qttest
