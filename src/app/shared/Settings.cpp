#include "app/shared/Settings.hpp"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <system_error>

namespace zorvek::frontend {

namespace {

using nlohmann::json;

// Reads one member into `into` when present; false when it is there with a wrong type
// or out of range.
bool ReadLevel(const json& object, const char* name, int& into) {
  auto it = object.find(name);
  if (it == object.end()) return true;
  if (!it->is_number_integer()) return false;
  const auto value = it->get<int64_t>();
  if (value < 0 || value > 100) return false;
  into = static_cast<int>(value);
  return true;
}

bool ReadFlag(const json& object, const char* name, bool& into) {
  auto it = object.find(name);
  if (it == object.end()) return true;
  if (!it->is_boolean()) return false;
  into = it->get<bool>();
  return true;
}

bool ReadName(const json& object, const char* name, std::string& into) {
  auto it = object.find(name);
  if (it == object.end()) return true;
  if (!it->is_string()) return false;
  into = it->get<std::string>();
  return into.size() <= 200;
}

bool ReadAll(const json& doc, Settings& s) {
  return doc.is_object() && ReadLevel(doc, "music", s.Music) &&
         ReadFlag(doc, "musicMuted", s.MusicMuted) && ReadLevel(doc, "effects", s.Effects) &&
         ReadFlag(doc, "effectsMuted", s.EffectsMuted) && ReadFlag(doc, "speech", s.Speech) &&
         ReadLevel(doc, "speechRate", s.SpeechRate) && ReadName(doc, "voice", s.Voice) &&
         ReadFlag(doc, "readCoordinates", s.ReadCoordinates);
}

}  // namespace

ParsedSettings ParseSettings(std::string_view text) {
  ParsedSettings parsed;
  try {
    // No exceptions from the parser itself; a document too deep or otherwise odd still
    // ends in the catch below, never out of here.
    const json doc = json::parse(text.begin(), text.end(), nullptr, false);
    if (doc.is_discarded() || !ReadAll(doc, parsed.Values)) parsed = {Settings{}, true};
  } catch (...) {
    parsed = {Settings{}, true};
  }
  return parsed;
}

std::string SettingsText(const Settings& s) {
  const json doc = {{"music", s.Music},     {"musicMuted", s.MusicMuted},
                    {"effects", s.Effects}, {"effectsMuted", s.EffectsMuted},
                    {"speech", s.Speech},   {"speechRate", s.SpeechRate},
                    {"voice", s.Voice},     {"readCoordinates", s.ReadCoordinates}};
  // Names of voices are the engine's: any bytes that are no UTF-8 are replaced.
  return doc.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

std::filesystem::path SettingsPath() {
  namespace fs = std::filesystem;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && *xdg != '\0' && fs::path(xdg).is_absolute()) {
    return fs::path(xdg) / "zorvek" / "ajustes.json";
  }
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0')
    return fs::path(home) / ".config" / "zorvek" / "ajustes.json";
  return {};
}

LoadedSettings LoadSettings(const std::filesystem::path& path) {
  LoadedSettings loaded;
  std::error_code error;
  if (path.empty() || !std::filesystem::exists(path, error)) return loaded;
  std::ifstream in(path, std::ios::binary);
  std::string text;
  if (in) text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (!in && !in.eof()) {
    loaded.Notice = "No se pudo leer el archivo de ajustes " + path.string() +
                    "; se usan los ajustes iniciales.";
    return loaded;
  }
  ParsedSettings parsed = ParseSettings(text);
  if (!parsed.Damaged) {
    loaded.Values = parsed.Values;
    return loaded;
  }
  loaded.Notice =
      "El archivo de ajustes " + path.string() + " estaba dañado; se usan los ajustes iniciales.";
  SaveSettings(path, loaded.Values);
  return loaded;
}

bool SaveSettings(const std::filesystem::path& path, const Settings& settings) {
  namespace fs = std::filesystem;
  if (path.empty()) return false;
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  fs::path scratch = path;
  scratch += ".nuevo";
  {
    std::ofstream out(scratch, std::ios::binary | std::ios::trunc);
    out << SettingsText(settings);
    out.flush();
    if (!out) {
      fs::remove(scratch, error);
      return false;
    }
  }
  fs::rename(scratch, path, error);
  if (!error) return true;
  fs::remove(scratch, error);
  return false;
}

}  // namespace zorvek::frontend
