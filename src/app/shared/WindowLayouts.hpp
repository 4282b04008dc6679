#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Ui.hpp"

namespace zorvek::frontend {

// What a control of a window is, as a player meets it.
enum class ControlKind {
  Frame,    // a titled frame holding other controls; hidden while the game disables it
  Pane,     // a plain box that only lines controls up
  Label,    // a caption naming another control
  Text,     // read-only text of several lines
  Line,     // read-only text of one line
  List,     // lines of which the player selects one
  Options,  // a group of numbered option buttons of which one is checked
  Button,
  Menu,     // a pop-up menu
  Entry,    // an entry of a menu
  Submenu,  // an entry that opens a menu of numbered entries
};

// How the controls inside a window, frame or pane line up.
enum class Flow { Down, Across };

// One control of a window. Captions the game sets at run time are not written here;
// `Caption` holds only those the front-ends must supply themselves.
struct WindowControl {
  std::string_view Name;
  ControlKind Kind = ControlKind::Button;
  std::string_view Parent;          // the frame, pane or menu holding it; "": the window
  std::string_view NamedBy;         // the label or frame whose caption names it
  std::string_view Caption;         // a fixed caption (the game sets none)
  std::string_view AccessibleName;  // what a screen reader calls it, when not its caption
  Flow Lines = Flow::Down;          // frames and panes: how what they hold lines up
  int Count = 0;                    // options and submenus: how many numbered members
  int First = 0;                    // the number of the first member
  std::string_view Members;         // submenus: the name of their numbered entries
  std::string_view PopUp;           // the menu it pops up when the game accepts a click
  std::string_view ContextKey;      // the control the context-menu key stands for on it
  int Rows = 0;                     // texts: rows to show at most (0: no limit)
};

// The controls of one window, in the order the keyboard visits them; every holder comes
// before what it holds.
struct WindowLayout {
  std::string_view Name;
  Flow Lines = Flow::Down;
  std::vector<WindowControl> Controls;

  const WindowControl* Find(std::string_view name) const;
  // Whether the player can land on a control of this kind with the keyboard.
  static bool Focusable(ControlKind kind);
};

// The start menu "Zorvek" (FormIni).
const WindowLayout& StartMenuLayout();
// The party dialog or the shop.
const WindowLayout& LayoutOf(DialogId dialog);

// The interval of each of the game window's timers, in milliseconds.
int TimerIntervalMs(TimerId timer);

// The start menu's difficulty list, in list order.
const std::array<std::string_view, 4>& DifficultyEntries();

// A caption without its access-key marks ("&Salir" reads "Salir", "&&" reads "&").
std::string PlainCaption(std::string_view caption);

}  // namespace zorvek::frontend
