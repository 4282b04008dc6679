#pragma once

#include <QString>
#include <memory>

class QTextToSpeech;

namespace zorvek::qt {

// The game's own voice for players without a screen reader: each new text interrupts
// the one being spoken.
class Speaker {
 public:
  Speaker();
  ~Speaker();
  Speaker(const Speaker&) = delete;
  Speaker& operator=(const Speaker&) = delete;

  void Say(const QString& text);
  // The last text handed to Say (what the player hears now or has just heard).
  const QString& LastText() const { return last_; }

 private:
  std::unique_ptr<QTextToSpeech> speech_;
  QString last_;
};

// What a text sounds like: line ends become pauses and stored names lose their padding.
QString SpokenForm(const QString& text);

}  // namespace zorvek::qt
