#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "app/shared/Settings.hpp"

namespace zorvek::qt {

// What the game's voice speaks through: the platform's text-to-speech, or a test's.
class SpeechEngine {
 public:
  virtual ~SpeechEngine() = default;
  virtual void Say(const QString& text) = 0;
  virtual void Stop() = 0;
  // -1 slowest, 0 the voice's own, 1 fastest.
  virtual void SetRate(double rate) = 0;
  // The installed voices of the Spanish language, by name.
  virtual QStringList SpanishVoices() = 0;
  virtual void SetVoice(const QString& name) = 0;
};

// Qt's text-to-speech (speech-dispatcher on Linux), on a Spanish voice where it has one.
std::unique_ptr<SpeechEngine> MakeQtSpeechEngine();

// The game's own voice for players without a screen reader: each new text interrupts
// the one being spoken, and so does the next key. It can be switched off, sped up or
// slowed down, and speak with another of the installed Spanish voices.
class Speaker {
 public:
  explicit Speaker(std::unique_ptr<SpeechEngine> engine = MakeQtSpeechEngine());
  ~Speaker();
  Speaker(const Speaker&) = delete;
  Speaker& operator=(const Speaker&) = delete;

  // Speaks a text while the voice is on; `evenWhenOff` for the news that it went off.
  void Say(const QString& text, bool evenWhenOff = false);
  // Cuts short what is being spoken (a key was pressed).
  void Stop();
  // The last text handed to Say (what the player hears now or has just heard).
  const QString& LastText() const { return last_; }

  void SetOn(bool on) { on_ = on; }
  bool On() const { return on_; }
  // Rate in percent: 0 slowest, 50 the voice's own, 100 fastest.
  void SetRate(int percent);
  QStringList Voices() const { return voices_; }
  // One of Voices() by name; an unknown name (a voice no longer installed) keeps the
  // engine's choice.
  void SetVoice(const QString& name);

 private:
  std::unique_ptr<SpeechEngine> engine_;
  QStringList voices_;
  QString last_;
  bool on_ = true;
};

// Gives the voice the player's speech settings.
void ApplySpeech(Speaker& voice, const frontend::Settings& settings);

// What a text sounds like: line ends become pauses and stored names lose their padding.
QString SpokenForm(const QString& text);

}  // namespace zorvek::qt
