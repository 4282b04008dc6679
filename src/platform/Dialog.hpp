#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Ui.hpp"

namespace zorvek {

// One line of a list control and the number the game keeps with it (a slot, a code).
struct ListLine {
  std::string Text;
  int32_t Data = 0;

  bool operator==(const ListLine& other) const = default;
};

// One thing a control shows that has just changed; exactly one member is set.
struct ControlView {
  std::optional<std::string> Text;                // caption or text
  std::optional<std::vector<std::string>> Lines;  // the lines of a list
  std::optional<bool> Enabled;                    // enabled (frames: shown)
  std::optional<int> Selected;                    // selected line or option, -1 none

  static ControlView OfText(std::string text) {
    ControlView v;
    v.Text = std::move(text);
    return v;
  }
  static ControlView OfLines(std::vector<std::string> lines) {
    ControlView v;
    v.Lines = std::move(lines);
    return v;
  }
  static ControlView OfEnabled(bool enabled) {
    ControlView v;
    v.Enabled = enabled;
    return v;
  }
  static ControlView OfSelected(int index) {
    ControlView v;
    v.Selected = index;
    return v;
  }
};

// The logic of a modal window of the game. The window toolkit shows it, forwards the
// player's control events to Act and draws what ControlChanged reports.
class DialogModel {
 public:
  virtual ~DialogModel() = default;
  // Which window this is.
  virtual DialogId Id() const = 0;
  // The window's title bar.
  virtual std::string Caption() const = 0;
  // Fills every control; called once as the window opens, before any event.
  virtual void Load() = 0;
  // A control event of the player (a click, a line chosen with its index, an option
  // with its index); false when the control is disabled or hidden and so refused.
  virtual bool Act(std::string_view control, std::optional<int> arg) = 0;
  // True once the window has unloaded itself.
  virtual bool Closed() const = 0;
  // The control the player closes the window with.
  virtual std::string CloseControl() const = 0;
};

// What the controls of one window show. Every change is reported to the Ui at once;
// writing what a control already shows reports nothing.
class DialogControls {
 public:
  DialogControls(Ui& ui, DialogId dialog) : ui_(ui), dialog_(dialog) {}

  void SetText(const std::string& control, const std::string& text);
  // Refills a list; as a list cleared and filled again, it has no selection then.
  void SetLines(const std::string& control, std::vector<ListLine> lines);
  void SetEnabled(const std::string& control, bool enabled);
  // Selects a line of a list or one button of an option group (-1: none).
  void Select(const std::string& control, int index);

  std::string Text(std::string_view control) const;
  const std::vector<ListLine>& Lines(std::string_view control) const;
  // Controls never switched are enabled.
  bool Enabled(std::string_view control) const;
  int Selected(std::string_view control) const;
  // The item data of the selected line of a list, or nullopt with no selection.
  std::optional<int32_t> SelectedData(std::string_view control) const;

 private:
  struct State {
    std::optional<std::string> Text;
    std::optional<std::vector<ListLine>> Lines;
    std::optional<bool> Enabled;
    int Selected = -1;
  };
  const State* Find(std::string_view control) const;
  void Report(const std::string& control, ControlView view);

  Ui& ui_;
  DialogId dialog_;
  std::map<std::string, State, std::less<>> states_;
};

// The name of a control of an indexed array, as "Option1(2)".
std::string Indexed(std::string_view control, int index);

}  // namespace zorvek
