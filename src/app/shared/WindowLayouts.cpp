#include "app/shared/WindowLayouts.hpp"

namespace zorvek::frontend {

namespace {

using K = ControlKind;

ControlSpec Spec(std::string_view name, K kind, std::string_view parent = {}) {
  ControlSpec s;
  s.Name = name;
  s.Kind = kind;
  s.Parent = parent;
  return s;
}

ControlSpec Holder(std::string_view name, K kind, std::string_view parent, Flow lines) {
  ControlSpec s = Spec(name, kind, parent);
  s.Lines = lines;
  return s;
}

ControlSpec Named(ControlSpec s, std::string_view namedBy) {
  s.NamedBy = namedBy;
  return s;
}

ControlSpec Captioned(ControlSpec s, std::string_view caption, std::string_view spoken = {}) {
  s.Caption = caption;
  s.AccessibleName = spoken;
  return s;
}

ControlSpec Group(std::string_view name, std::string_view parent, std::string_view namedBy) {
  ControlSpec s = Named(Spec(name, K::Options, parent), namedBy);
  s.Count = 4;
  s.First = 0;
  return s;
}

WindowLayout MakeStartMenu() {
  WindowLayout w{"FormIni", Flow::Down, {}};
  auto& c = w.Controls;
  c.push_back(Captioned(Holder("Frame1", K::Frame, {}, Flow::Down), "Nueva partida"));
  c.push_back(Captioned(Spec("Label1", K::Label, "Frame1"), "&Dificultad"));
  c.push_back(Captioned(Named(Spec("List1", K::List, "Frame1"), "Label1"), {}, "Dificultad"));
  c.push_back(
      Captioned(Spec("Command1", K::Button, "Frame1"), "&Empezar", "Empezar partida nueva"));
  c.push_back(Captioned(Holder("Frame2", K::Frame, {}, Flow::Down), "Cargar partida"));
  c.push_back(
      Captioned(Spec("Command2", K::Button, "Frame2"), "&Empezar", "Empezar partida guardada"));
  c.push_back(Captioned(Spec("Command3", K::Button), "&Salir"));
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
  c.push_back(Spec("TBNombre", K::Line, "Sheet"));
  c.push_back(Spec("Label1", K::Label, "Sheet"));
  c.push_back(Named(Spec("TBCarac", K::Text, "Sheet"), "Label1"));
  c.push_back(Spec("Label2", K::Label, "Sheet"));
  ControlSpec list = Named(Spec("List1", K::List, "Sheet"), "Label2");
  list.ContextKey = "Command2";
  c.push_back(list);
  c.push_back(Holder("Buttons", K::Pane, "Sheet", Flow::Across));
  c.push_back(Spec("Command1", K::Button, "Buttons"));
  ControlSpec objectMenu = Spec("Command2", K::Button, "Buttons");
  objectMenu.PopUp = "MnuOpc";
  c.push_back(objectMenu);
  c.push_back(Spec("OKButton", K::Button, "Buttons"));
  c.push_back(Named(Spec("MnuOpc", K::Menu), "Command2"));
  for (std::string_view entry : {"MnuOpcDer", "MnuOpcIzq", "MnuOpcCue", "MnuOpcInv"}) {
    c.push_back(Spec(entry, K::Entry, "MnuOpc"));
  }
  ControlSpec give = Spec("MnuOpcDar", K::Submenu, "MnuOpc");
  give.Count = 4;
  give.First = 1;
  give.Members = "MnuOpcDarLis";
  c.push_back(give);
  for (std::string_view entry : {"MnuOpcDej", "MnuOpcUti", "MnuOpcExa"}) {
    c.push_back(Spec(entry, K::Entry, "MnuOpc"));
  }
  return w;
}

// The greeting and the three buttons on top; below them the buying frame or the
// selling frame, one shown at a time.
WindowLayout MakeShop() {
  WindowLayout w{"DLGTienda", Flow::Down, {}};
  auto& c = w.Controls;
  ControlSpec greeting = Spec("Text1", K::Text);
  greeting.Rows = 3;
  c.push_back(greeting);
  c.push_back(Holder("Top", K::Pane, {}, Flow::Across));
  for (std::string_view button : {"CBComprar", "CBVender", "CBSalir"}) {
    c.push_back(Spec(button, K::Button, "Top"));
  }
  c.push_back(Holder("FRComprar", K::Frame, {}, Flow::Across));
  c.push_back(Holder("FREstanterías", K::Frame, "FRComprar", Flow::Down));
  c.push_back(Named(Spec("List1", K::List, "FREstanterías"), "FREstanterías"));
  c.push_back(Spec("CBComprarOb", K::Button, "FREstanterías"));
  c.push_back(Spec("CBExaminarOb", K::Button, "FREstanterías"));
  c.push_back(Holder("FRHéroes", K::Frame, "FRComprar", Flow::Down));
  c.push_back(Group("Option1", "FRHéroes", "FRHéroes"));
  c.push_back(Holder("FRInventario", K::Frame, "FRComprar", Flow::Down));
  c.push_back(Named(Spec("List2", K::List, "FRInventario"), "FRInventario"));
  c.push_back(Spec("Text2", K::Line, "FRInventario"));
  c.push_back(Spec("CBDar", K::Button, "FRInventario"));
  c.push_back(Holder("FRVender", K::Frame, {}, Flow::Across));
  c.push_back(Holder("FRHéroes2", K::Frame, "FRVender", Flow::Down));
  c.push_back(Group("Option2", "FRHéroes2", "FRHéroes2"));
  c.push_back(Holder("FRInventario2", K::Frame, "FRVender", Flow::Down));
  c.push_back(Named(Spec("List3", K::List, "FRInventario2"), "FRInventario2"));
  c.push_back(Spec("TBMonedas2", K::Line, "FRInventario2"));
  c.push_back(Spec("CBVenderOb", K::Button, "FRInventario2"));
  c.push_back(Spec("CBExaminarOb2", K::Button, "FRInventario2"));
  return w;
}

}  // namespace

const ControlSpec* WindowLayout::Find(std::string_view name) const {
  for (const ControlSpec& spec : Controls) {
    if (spec.Name == name) return &spec;
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
