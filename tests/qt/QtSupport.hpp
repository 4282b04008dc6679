// Drivers shared by the desktop window tests: closers for modal windows and a listener
// to what the accessibility layer tells a screen reader.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include <vector>

#include "shared/StandIns.hpp"

namespace qttest {

using namespace fetest;
constexpr int32_t kSeed = 4242;

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

// Closes every message or input box that opens, as No, OK or Cancel would, until gone.
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

}  // namespace qttest
