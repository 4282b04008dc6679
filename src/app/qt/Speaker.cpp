#include "app/qt/Speaker.hpp"

#include <QLocale>
#include <QRegularExpression>
#include <QTextToSpeech>
#include <QVoice>
#include <algorithm>
#include <vector>

namespace zorvek::qt {

namespace {

class QtSpeechEngine final : public SpeechEngine {
 public:
  QtSpeechEngine() {
    // The voices of every Spanish locale the engine has, the first one chosen.
    for (const QLocale& locale : speech_.availableLocales()) {
      if (locale.language() != QLocale::Spanish) continue;
      speech_.setLocale(locale);
      for (const QVoice& voice : speech_.availableVoices()) voices_.push_back(voice);
    }
    if (!voices_.empty()) speech_.setVoice(voices_.front());
  }

  void Say(const QString& text) override { speech_.say(text); }
  void Stop() override { speech_.stop(); }
  void SetRate(double rate) override { speech_.setRate(rate); }
  QStringList SpanishVoices() override {
    QStringList names;
    for (const QVoice& voice : voices_) names.push_back(voice.name());
    return names;
  }
  void SetVoice(const QString& name) override {
    auto it = std::find_if(voices_.begin(), voices_.end(),
                           [&name](const QVoice& v) { return v.name() == name; });
    if (it == voices_.end()) return;
    speech_.setLocale(it->locale());
    speech_.setVoice(*it);
  }

 private:
  QTextToSpeech speech_;
  std::vector<QVoice> voices_;
};

}  // namespace

std::unique_ptr<SpeechEngine> MakeQtSpeechEngine() { return std::make_unique<QtSpeechEngine>(); }

Speaker::Speaker(std::unique_ptr<SpeechEngine> engine) : engine_(std::move(engine)) {
  voices_ = engine_->SpanishVoices();
  voices_.removeDuplicates();
}

Speaker::~Speaker() = default;

void Speaker::Say(const QString& text, bool evenWhenOff) {
  last_ = SpokenForm(text);
  engine_->Stop();
  if ((on_ || evenWhenOff) && !last_.isEmpty()) engine_->Say(last_);
}

void Speaker::Stop() { engine_->Stop(); }

void Speaker::SetRate(int percent) { engine_->SetRate(std::clamp(percent, 0, 100) / 50.0 - 1.0); }

void Speaker::SetVoice(const QString& name) {
  if (voices_.contains(name)) engine_->SetVoice(name);
}

void ApplySpeech(Speaker& voice, const frontend::Settings& settings) {
  voice.SetOn(settings.Speech);
  voice.SetRate(settings.SpeechRate);
  if (!settings.Voice.empty()) voice.SetVoice(QString::fromStdString(settings.Voice));
}

QString SpokenForm(const QString& text) {
  QString spoken = text;
  spoken.replace(QStringLiteral("\r\n"), QStringLiteral(". "));
  spoken.replace(QRegularExpression(QStringLiteral("\\s{2,}")), QStringLiteral(" "));
  return spoken.trimmed();
}

}  // namespace zorvek::qt
