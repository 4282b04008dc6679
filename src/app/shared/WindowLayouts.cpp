#include "app/shared/WindowLayouts.hpp"

namespace zorvek::frontend {

namespace {

using K = ControlKind;

WindowControl Make(std::string_view name, K kind, std::string_view parent = {}) {
  WindowControl s;
  s.Name = name;
  s.Kind = kind;
  s.Parent = parent;
  return s;
}

WindowControl Holder(std::string_view name, K kind, std::string_view parent, Flow lines) {
  WindowControl s = Make(name, kind, parent);
  s.Lines = lines;
  return s;
}

WindowControl Named(WindowControl s, std::string_view namedBy) {
  s.NamedBy = namedBy;
  return s;
}

WindowControl Captioned(WindowControl s, std::string_view caption, std::string_view spoken = {}) {
  s.Caption = caption;
  s.AccessibleName = spoken;
  return s;
}

WindowControl Group(std::string_view name, std::string_view parent, std::string_view namedBy) {
  WindowControl s = Named(Make(name, K::Options, parent), namedBy);
  s.Count = 4;
  s.First = 0;
  return s;
}

WindowLayout MakeStartMenu() {
  WindowLayout w{"FormIni", Flow::Down, {}};
  auto& c = w.Controls;
  c.push_back(Captioned(Holder("Frame1", K::Frame, {}, Flow::Down), "Nueva partida"));
  c.push_back(Captioned(Make("Label1", K::Label, "Frame1"), "&Dificultad"));
  c.push_back(Captioned(Named(Make("List1", K::List, "Frame1"), "Label1"), {}, "Dificultad"));
  c.push_back(
      Captioned(Make("Command1", K::Button, "Frame1"), "&Empezar", "Empezar partida nueva"));
  c.push_back(Captioned(Holder("Frame2", K::Frame, {}, Flow::Down), "Cargar partida"));
  c.push_back(
      Captioned(Make("Command2", K::Button, "Frame2"), "&Empezar", "Empezar partida guardada"));
  c.push_back(Captioned(Make("Command3", K::Button), "&Salir"));
  return w;
}

// One hero at a time: the heroes to choose from on the left, the chosen one's name,
// sheet and objects on the right, and the object menu that pops up over the list.
WindowLayout MakePartyDialog() {
  WindowLayout w{"Dialog", Flow::Across, {}};
  auto& c = w.Controls;
  c.push_back(Captioned(Holder("Frame1", K::Frame, {}, Flow::Down), "Héroes"));
  c.push_back(Group("Option1", "Frame1", "Frame1"));
  c.push_back(Holder("Sheet", K::Pane, {}, Flow::Down));
  c.push_back(Make("TBNombre", K::Line, "Sheet"));
  c.push_back(Make("Label1", K::Label, "Sheet"));
  c.push_back(Named(Make("TBCarac", K::Text, "Sheet"), "Label1"));
  c.push_back(Make("Label2", K::Label, "Sheet"));
  WindowControl list = Named(Make("List1", K::List, "Sheet"), "Label2");
  list.ContextKey = "Command2";
  c.push_back(list);
  c.push_back(Holder("Buttons", K::Pane, "Sheet", Flow::Across));
  c.push_back(Make("Command1", K::Button, "Buttons"));
  WindowControl objectMenu = Make("Command2", K::Button, "Buttons");
  objectMenu.PopUp = "MnuOpc";
  c.push_back(objectMenu);
  c.push_back(Make("OKButton", K::Button, "Buttons"));
  c.push_back(Named(Make("MnuOpc", K::Menu), "Command2"));
  for (std::string_view entry : {"MnuOpcDer", "MnuOpcIzq", "MnuOpcCue", "MnuOpcInv"}) {
    c.push_back(Make(entry, K::Entry, "MnuOpc"));
  }
  WindowControl give = Make("MnuOpcDar", K::Submenu, "MnuOpc");
  give.Count = 4;
  give.First = 1;
  give.Members = "MnuOpcDarLis";
  c.push_back(give);
  for (std::string_view entry : {"MnuOpcDej", "MnuOpcUti", "MnuOpcExa"}) {
    c.push_back(Make(entry, K::Entry, "MnuOpc"));
  }
  return w;
}

// The greeting and the three buttons on top; below them the buying frame or the
// selling frame, one shown at a time.
WindowLayout MakeShop() {
  WindowLayout w{"DLGTienda", Flow::Down, {}};
  auto& c = w.Controls;
  WindowControl greeting = Make("Text1", K::Text);
  greeting.Rows = 3;
  c.push_back(greeting);
  c.push_back(Holder("Top", K::Pane, {}, Flow::Across));
  for (std::string_view button : {"CBComprar", "CBVender", "CBSalir"}) {
    c.push_back(Make(button, K::Button, "Top"));
  }
  c.push_back(Holder("FRComprar", K::Frame, {}, Flow::Across));
  c.push_back(Holder("FREstanterías", K::Frame, "FRComprar", Flow::Down));
  c.push_back(Named(Make("List1", K::List, "FREstanterías"), "FREstanterías"));
  c.push_back(Make("CBComprarOb", K::Button, "FREstanterías"));
  c.push_back(Make("CBExaminarOb", K::Button, "FREstanterías"));
  c.push_back(Holder("FRHéroes", K::Frame, "FRComprar", Flow::Down));
  c.push_back(Group("Option1", "FRHéroes", "FRHéroes"));
  c.push_back(Holder("FRInventario", K::Frame, "FRComprar", Flow::Down));
  c.push_back(Named(Make("List2", K::List, "FRInventario"), "FRInventario"));
  c.push_back(Make("Text2", K::Line, "FRInventario"));
  c.push_back(Make("CBDar", K::Button, "FRInventario"));
  c.push_back(Holder("FRVender", K::Frame, {}, Flow::Across));
  c.push_back(Holder("FRHéroes2", K::Frame, "FRVender", Flow::Down));
  c.push_back(Group("Option2", "FRHéroes2", "FRHéroes2"));
  c.push_back(Holder("FRInventario2", K::Frame, "FRVender", Flow::Down));
  c.push_back(Named(Make("List3", K::List, "FRInventario2"), "FRInventario2"));
  c.push_back(Make("TBMonedas2", K::Line, "FRInventario2"));
  c.push_back(Make("CBVenderOb", K::Button, "FRInventario2"));
  c.push_back(Make("CBExaminarOb2", K::Button, "FRInventario2"));
  return w;
}

}  // namespace

const WindowControl* WindowLayout::Find(std::string_view name) const {
  for (const WindowControl& desc : Controls) {
    if (desc.Name == name) return &desc;
  }
  return nullptr;
}

bool WindowLayout::Focusable(ControlKind kind) {
  switch (kind) {
    case K::Text:
    case K::Line:
    case K::List:
    case K::Options:
    case K::Button:
      return true;
    case K::Frame:
    case K::Pane:
    case K::Label:
    case K::Menu:
    case K::Entry:
    case K::Submenu:
      return false;
  }
  return false;
}

const WindowLayout& StartMenuLayout() {
  static const WindowLayout kLayout = MakeStartMenu();
  return kLayout;
}

const WindowLayout& LayoutOf(DialogId dialog) {
  static const WindowLayout kParty = MakePartyDialog();
  static const WindowLayout kShop = MakeShop();
  switch (dialog) {
    case DialogId::Dialog:
      return kParty;
    case DialogId::DLGTienda:
      return kShop;
  }
  return kParty;
}

int TimerIntervalMs(TimerId timer) {
  switch (timer) {
    case TimerId::TMRPersecu:
      return 3000;  // the monsters' pursuit
    case TimerId::TMRRecuperacion:
      return 10000;  // life and magic come back
    case TimerId::TMRSonidos:
      return 2000;  // one queued combat sound
  }
  return 1000;
}

const std::array<std::string_view, 4>& DifficultyEntries() {
  static constexpr std::array<std::string_view, 4> kEntries = {
      "Normal (x1)", "Difícil (x2)", "Muy difícil (x3)", "Imposible (x5)!"};
  return kEntries;
}

std::string PlainCaption(std::string_view caption) {
  std::string plain;
  plain.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') {
        plain += '&';
        ++i;
      }
      continue;
    }
    plain += caption[i];
  }
  return plain;
}

}  // namespace zorvek::frontend
