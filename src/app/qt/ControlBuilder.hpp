#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/shared/WindowLayouts.hpp"

class QAction;
class QButtonGroup;
class QMenu;
class QWidget;

namespace zorvek::qt {

// The widgets made for a window's description, by control name. Option buttons and the
// numbered entries of a submenu go by their members' names ("Option1(2)",
// "MnuOpcDarLis(1)"); a submenu's own entry goes by the submenu's name.
struct BuiltControls {
  struct Trigger {
    QAction* Action = nullptr;
    std::string Control;  // the control the game is told about
    std::optional<int> Arg;
  };
  std::map<std::string, QWidget*, std::less<>> Widgets;
  std::map<std::string, QButtonGroup*, std::less<>> Groups;
  std::map<std::string, QAction*, std::less<>> Entries;
  std::map<std::string, QMenu*, std::less<>> Menus;
  std::vector<Trigger> Triggers;  // every menu entry that does something

  QWidget* Widget(std::string_view name) const;
};

// Builds the widgets of `layout` inside `window`, in the description's order (which is
// also the order Tab visits them), with the fixed captions, the accessible names and the
// labels' buddies. Signals are left to the caller.
BuiltControls BuildControls(QWidget& window, const frontend::WindowLayout& layout);

}  // namespace zorvek::qt
