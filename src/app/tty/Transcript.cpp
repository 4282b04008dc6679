#include "app/tty/Transcript.hpp"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace zorvek::tty {

namespace {

using Json = nlohmann::json;

std::string Field(const Json& event, const char* name) {
  auto it = event.find(name);
  return it != event.end() && it->is_string() ? it->get<std::string>() : std::string();
}

std::optional<TextArea> AreaNamed(const std::string& name) {
  if (name == "TBGeneral") return TextArea::TBGeneral;
  if (name == "TBDatos") return TextArea::TBDatos;
  if (name == "TBOpciones") return TextArea::TBOpciones;
  return std::nullopt;
}

std::string AnswerWord(const std::string& answer) {
  if (answer == "yes") return "Sí";
  if (answer == "no") return "No";
  return "Aceptar";
}

}  // namespace

void TranscriptReader::Lines(std::string_view text) {
  std::string plain = frontend::PlainLines(text);
  std::size_t from = 0;
  while (from < plain.size()) {
    std::size_t end = plain.find('\n', from);
    if (end == std::string::npos) end = plain.size();
    out_ << plain.substr(from, end - from) << '\n';
    from = end + 1;
  }
}

void TranscriptReader::Flush() {
  frontend::Announcer::Announcement told = announcer_.Take();
  if (told.Spoken) Lines(*told.Spoken);
}

bool TranscriptReader::Read(std::string_view line) {
  Json event = Json::parse(line, nullptr, false);
  if (event.is_discarded() || !event.is_object()) return false;
  const std::string kind = Field(event, "e");
  if (kind == "text") {
    if (auto area = AreaNamed(Field(event, "area"))) announcer_.Write(*area, Field(event, "text"));
  } else if (kind == "key") {
    Flush();
    out_ << "Tecla " << Field(event, "name") << '\n';
  } else if (kind == "tick") {
    Flush();
    if (event.value("fired", false)) out_ << "Pasa el tiempo: " << Field(event, "timer") << '\n';
  } else if (kind == "msgbox") {
    Flush();
    out_ << Field(event, "title") << ", mensaje:\n";
    Lines(Field(event, "text"));
    out_ << AnswerWord(Field(event, "answer")) << '\n';
  } else if (kind == "input") {
    Flush();
    out_ << Field(event, "title") << ", pregunta:\n";
    Lines(Field(event, "prompt"));
    out_ << "> " << Field(event, "answer") << '\n';
  } else if (kind == "dialog") {
    Flush();
    out_ << (Field(event, "op") == "open" ? "Se abre " : "Se cierra ") << Field(event, "dialog")
         << '\n';
  } else if (kind == "beep") {
    Flush();
    out_ << "(pitido)\n";
  } else if (kind == "end") {
    Flush();
  }
  return true;
}

}  // namespace zorvek::tty
