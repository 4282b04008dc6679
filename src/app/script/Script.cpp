#include "app/script/Script.hpp"

#include <array>
#include <charconv>
#include <sstream>

namespace zorvek::script {

namespace {

std::vector<std::string> Words(std::string_view line) {
  std::vector<std::string> words;
  std::istringstream in{std::string(line)};
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

std::optional<int> WholeNumber(std::string_view s) {
  int v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return v;
}

[[noreturn]] void Fail(int lineNo, const std::string& why) {
  throw ScriptError("línea " + std::to_string(lineNo) + ": " + why);
}

int16_t ModifiersFor(int lineNo, std::string_view mods) {
  int16_t mask = 0;
  std::size_t start = 0;
  while (start <= mods.size()) {
    std::size_t plus = mods.find('+', start);
    std::string_view part =
        mods.substr(start, plus == std::string_view::npos ? plus : plus - start);
    if (part == "shift") {
      mask |= 1;
    } else if (part == "ctrl") {
      mask |= 2;
    } else if (part == "alt") {
      mask |= 4;
    } else {
      Fail(lineNo, "modificador desconocido '" + std::string(part) + "'");
    }
    if (plus == std::string_view::npos) break;
    start = plus + 1;
  }
  return mask;
}

KeyLine ParseKey(int lineNo, const std::vector<std::string>& w) {
  if (w.size() < 2 || w.size() > 3) Fail(lineNo, "se esperaba: key NOMBRE [MODIFICADORES]");
  auto code = KeyCodeFor(w[1]);
  if (!code) Fail(lineNo, "tecla desconocida '" + w[1] + "'");
  KeyLine key{w[1], *code, 0};
  if (w.size() == 3) key.Shift = ModifiersFor(lineNo, w[2]);
  return key;
}

TickLine ParseTick(int lineNo, const std::vector<std::string>& w) {
  if (w.size() != 2) Fail(lineNo, "se esperaba: tick persecu|recuperacion|sonidos");
  if (w[1] == "persecu") return {w[1], TimerId::TMRPersecu};
  if (w[1] == "recuperacion") return {w[1], TimerId::TMRRecuperacion};
  if (w[1] == "sonidos") return {w[1], TimerId::TMRSonidos};
  Fail(lineNo, "temporizador desconocido '" + w[1] + "'");
}

struct ControlRule {
  std::string_view Name;
  bool TakesArg;
  int Least;
  int Most;
};

constexpr std::array<ControlRule, 13> kPartyControls = {{
    {"Option1", true, 0, 3},
    {"List1", true, 0, 1000},
    {"Command1", false, 0, 0},
    {"Command2", false, 0, 0},
    {"MnuOpcDer", false, 0, 0},
    {"MnuOpcIzq", false, 0, 0},
    {"MnuOpcCue", false, 0, 0},
    {"MnuOpcInv", false, 0, 0},
    {"MnuOpcDarLis", true, 1, 4},
    {"MnuOpcDej", false, 0, 0},
    {"MnuOpcUti", false, 0, 0},
    {"MnuOpcExa", false, 0, 0},
    {"OKButton", false, 0, 0},
}};

constexpr std::array<ControlRule, 13> kShopControls = {{
    {"CBComprar", false, 0, 0},
    {"CBVender", false, 0, 0},
    {"List1", true, 0, 1000},
    {"CBComprarOb", false, 0, 0},
    {"CBExaminarOb", false, 0, 0},
    {"Option1", true, 0, 3},
    {"Option2", true, 0, 3},
    {"List2", true, 0, 1000},
    {"List3", true, 0, 1000},
    {"CBDar", false, 0, 0},
    {"CBVenderOb", false, 0, 0},
    {"CBExaminarOb2", false, 0, 0},
    {"CBSalir", false, 0, 0},
}};

template <std::size_t N>
DialogAction ParseAction(int lineNo, const std::vector<std::string>& w,
                         const std::array<ControlRule, N>& rules) {
  if (w.size() < 2 || w.size() > 3) Fail(lineNo, "se esperaba: " + w[0] + " CONTROL [ARG]");
  for (const auto& rule : rules) {
    if (rule.Name != w[1]) continue;
    if (!rule.TakesArg) {
      if (w.size() != 2) Fail(lineNo, w[1] + " no lleva argumento");
      return {w[1], std::nullopt};
    }
    if (w.size() != 3) Fail(lineNo, w[1] + " necesita un número");
    auto arg = WholeNumber(w[2]);
    if (!arg || *arg < rule.Least || *arg > rule.Most) {
      Fail(lineNo, "argumento fuera de rango para " + w[1] + ": '" + w[2] + "'");
    }
    return {w[1], arg};
  }
  Fail(lineNo, "control desconocido '" + w[1] + "'");
}

EnterLine ParseEnter(int lineNo, const std::vector<std::string>& w) {
  if (w.size() != 2 && w.size() != 4) Fail(lineNo, "se esperaba: enter SALA [X Y]");
  auto room = WholeNumber(w[1]);
  if (!room || *room < 0 || *room > 32767) Fail(lineNo, "número de sala no válido '" + w[1] + "'");
  EnterLine enter{*room, std::nullopt};
  if (w.size() == 4) {
    auto x = WholeNumber(w[2]);
    auto y = WholeNumber(w[3]);
    if (!x || !y || *x < 0 || *y < 0 || *x > 32767 || *y > 32767) {
      Fail(lineNo, "casilla no válida");
    }
    enter.Cell = std::make_pair(*x, *y);
  }
  return enter;
}

Command ParseLine(int lineNo, std::string_view line) {
  auto w = Words(line);
  const std::string& verb = w.front();
  if (verb == "key") return ParseKey(lineNo, w);
  if (verb == "tick") return ParseTick(lineNo, w);
  if (verb == "answer") {
    // The answer is the rest of the line after "answer " (it may be empty or spaced).
    std::size_t at = line.find("answer") + 6;
    std::string_view rest = line.substr(at);
    if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    return AnswerLine{std::string(rest)};
  }
  if (verb == "party") return PartyLine{ParseAction(lineNo, w, kPartyControls)};
  if (verb == "shop") return ShopLine{ParseAction(lineNo, w, kShopControls)};
  if (verb == "enter") return ParseEnter(lineNo, w);
  if (verb == "dump") {
    if (w.size() != 1) Fail(lineNo, "dump no lleva argumentos");
    return DumpLine{};
  }
  Fail(lineNo, "orden desconocida '" + verb + "'");
}

}  // namespace

std::optional<int16_t> KeyCodeFor(std::string_view name) {
  struct Named {
    std::string_view Name;
    int16_t Code;
  };
  static constexpr std::array<Named, 10> kNamed = {{{"Left", 37},
                                                    {"Up", 38},
                                                    {"Right", 39},
                                                    {"Down", 40},
                                                    {"Enter", 13},
                                                    {"Escape", 27},
                                                    {"Backspace", 8},
                                                    {"Space", 32},
                                                    {"Tab", 9},
                                                    {"Apps", 93}}};
  for (const auto& n : kNamed) {
    if (n.Name == name) return n.Code;
  }
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return static_cast<int16_t>(name[0]);
  if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return static_cast<int16_t>(name[0]);
  if (name.size() >= 2 && name[0] == 'F') {
    auto n = WholeNumber(name.substr(1));
    if (n && *n >= 1 && *n <= 12) return static_cast<int16_t>(111 + *n);
  }
  if (name.size() >= 2 && name[0] == '#') {
    auto n = WholeNumber(name.substr(1));
    if (n && *n >= 0 && *n <= 255) return static_cast<int16_t>(*n);
  }
  return std::nullopt;
}

std::vector<ScriptLine> ParseScript(std::string_view text) {
  std::vector<ScriptLine> lines;
  int lineNo = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::size_t first = line.find_first_not_of(" \t");
    if (first != std::string_view::npos && line[first] != '#') {
      lines.push_back({lineNo, ParseLine(lineNo, line.substr(first))});
    }
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

}  // namespace zorvek::script
