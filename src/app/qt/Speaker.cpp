#include "app/qt/Speaker.hpp"

#include <QLocale>
#include <QRegularExpression>
#include <QTextToSpeech>

namespace zorvek::qt {

Speaker::Speaker() : speech_(std::make_unique<QTextToSpeech>()) {
  // A Spanish voice where the engine has one; otherwise whatever it speaks.
  for (const QLocale& locale : speech_->availableLocales()) {
    if (locale.language() == QLocale::Spanish) {
      speech_->setLocale(locale);
      break;
    }
  }
}

Speaker::~Speaker() = default;

void Speaker::Say(const QString& text) {
  last_ = SpokenForm(text);
  speech_->stop();
  if (!last_.isEmpty()) speech_->say(last_);
}

QString SpokenForm(const QString& text) {
  QString spoken = text;
  spoken.replace(QStringLiteral("\r\n"), QStringLiteral(". "));
  spoken.replace(QRegularExpression(QStringLiteral("\\s{2,}")), QStringLiteral(" "));
  return spoken.trimmed();
}

}  // namespace zorvek::qt
