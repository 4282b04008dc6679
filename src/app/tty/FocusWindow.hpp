#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/shared/WindowLayouts.hpp"
#include "app/tty/EventLoop.hpp"
#include "app/tty/Screen.hpp"
#include "platform/Dialog.hpp"

namespace zorvek::tty {

// What the controls of an open window show, as the game reports it.
class ControlMirror {
 public:
  void Apply(const std::string& control, const ControlView& view);
  void Clear() { states_.clear(); }

  // Text set by the game, or "" when it set none.
  std::string Text(std::string_view control) const;
  const std::vector<std::string>& Lines(std::string_view control) const;
  // Controls never switched are enabled (frames: shown).
  bool Enabled(std::string_view control) const;
  int Selected(std::string_view control) const;

 private:
  struct State {
    std::optional<std::string> Text;
    std::vector<std::string> Lines;
    std::optional<bool> Enabled;
    int Selected = -1;
  };
  const State* Find(std::string_view control) const;
  std::map<std::string, State, std::less<>> states_;
};

// What a window shown as a focus list does with the player's events.
class FocusModel {
 public:
  virtual ~FocusModel() = default;
  virtual std::string Caption() const = 0;
  // What the window is, said after its caption ("diálogo").
  virtual std::string Role() const = 0;
  // A control event; false when the control refuses it.
  virtual bool Act(std::string_view control, std::optional<int> arg) = 0;
  virtual bool Closed() const = 0;
  // The control Escape stands for ("" : none).
  virtual std::string EscapeControl() const = 0;
  // The control Control + Q stands for ("" : none).
  virtual std::string QuitControl() const { return EscapeControl(); }
};

// A window in the terminal, the way a screen reader walks a desktop window: the focus
// moves with Tab and Shift+Tab over the controls that are enabled and shown, in the
// window's own order; the arrows move within a list or an option group; Enter or Space
// activate; Escape closes the window through its own close control. Every move prints
// the control's label, its kind and what it shows.
class FocusWindow {
 public:
  FocusWindow(const frontend::WindowLayout& layout, const ControlMirror& mirror, Screen& screen,
              FocusModel& model);

  // Prints the window's caption and the control with the focus (the first one).
  void Open();
  // Opens the window, then plays keys from `keys` into it until the model has closed it.
  void Run(KeySource& keys);
  // The same, on a window already opened.
  void Play(KeySource& keys);
  // Prints the control with the focus again (the focus moves on if it has become
  // disabled or hidden).
  void Reannounce();

  // The control with the focus ("" when no control can take it).
  std::string Focused() const;

 private:
  using Described = frontend::WindowControl;

  bool Available(const Described& desc) const;
  bool MemberEnabled(const Described& desc, int member) const;
  std::string CaptionOf(std::string_view control) const;
  std::string LabelOf(const Described& desc) const;
  // The option button that takes the focus in a group: the checked one, or the first
  // enabled one.
  int FocusedMember(const Described& desc) const;
  void MoveFocus(int step);
  void MoveWithin(int step);
  void Activate(KeySource& keys);
  void Handle(const Key& key, KeySource& keys);
  void Announce();
  void AnnounceWithin();
  void RunMenu(const Described& menu, const std::string& openedBy, KeySource& keys);
  void Hint();

  const frontend::WindowLayout& layout_;
  const ControlMirror& mirror_;
  Screen& screen_;
  FocusModel& model_;
  std::vector<const Described*> order_;  // the controls the focus can land on, in order
  int focus_ = -1;
};

}  // namespace zorvek::tty
