#include "app/shared/Announcer.hpp"

namespace zorvek::frontend {

std::string PlainLines(std::string_view text) {
  std::string plain;
  plain.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      plain += text[i];
      continue;
    }
    plain += '\n';
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return plain;
}

void Announcer::Reset(std::string_view general, std::string_view data, std::string_view options) {
  pending_ = {};
  shown_.at(Slot(TextArea::TBGeneral)) = PlainLines(general);
  shown_.at(Slot(TextArea::TBDatos)) = PlainLines(data);
  shown_.at(Slot(TextArea::TBOpciones)) = PlainLines(options);
}

void Announcer::Write(TextArea area, std::string_view text) {
  pending_.at(Slot(area)) = PlainLines(text);
}

bool Announcer::Pending() const {
  for (const auto& text : pending_) {
    if (text) return true;
  }
  return false;
}

Announcer::Announcement Announcer::Take() {
  Announcement told;
  std::string news;
  for (TextArea area : {TextArea::TBGeneral, TextArea::TBOpciones}) {
    std::optional<std::string>& text = pending_.at(Slot(area));
    if (!text) continue;
    std::string& old = shown_.at(Slot(area));
    bool grows = !old.empty() && text->size() > old.size() && text->starts_with(old);
    if (area == TextArea::TBGeneral) news = grows ? text->substr(old.size()) : *text;
    old = std::move(*text);
    text.reset();
    told.Areas.push_back({area, old, grows});
  }
  std::optional<std::string>& data = pending_.at(Slot(TextArea::TBDatos));
  std::string& shownData = shown_.at(Slot(TextArea::TBDatos));
  if (data) {
    shownData = std::move(*data);
    data.reset();
  } else if (news.empty()) {
    return told;
  }
  if (news.empty()) {
    told.Spoken = shownData;
  } else {
    told.Spoken = shownData.empty() ? news : news + "\n" + shownData;
  }
  return told;
}

}  // namespace zorvek::frontend
