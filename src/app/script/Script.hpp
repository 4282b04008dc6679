#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/Ui.hpp"

namespace zorvek::script {

struct KeyLine {
  std::string Name;  // as written in the script
  int16_t Code = 0;
  int16_t Shift = 0;  // 1 shift, 2 ctrl, 4 alt, added
};

struct TickLine {
  std::string Name;  // persecu, recuperacion, sonidos
  TimerId Timer = TimerId::TMRPersecu;
};

struct AnswerLine {
  std::string Text;  // typed text, or "yes" / "no"
};

// A queued action for the next party dialog or shop window.
struct DialogAction {
  std::string Control;
  std::optional<int> Arg;
};
struct PartyLine {
  DialogAction Action;
};
struct ShopLine {
  DialogAction Action;
};

struct EnterLine {
  int Room = 0;
  std::optional<std::pair<int, int>> Cell;
};

struct DumpLine {};

using Command =
    std::variant<KeyLine, TickLine, AnswerLine, PartyLine, ShopLine, EnterLine, DumpLine>;

struct ScriptLine {
  int LineNo = 0;
  Command What;
};

// A malformed script line; the message names the line.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a whole script; throws ScriptError at the first malformed line.
std::vector<ScriptLine> ParseScript(std::string_view text);

// The key code of a key name ("Left", "F5", "A", "7", "#65"); nullopt when unknown.
std::optional<int16_t> KeyCodeFor(std::string_view name);

}  // namespace zorvek::script
