#include "app/tty/FocusWindow.hpp"

#include <algorithm>

#include "platform/Keys.hpp"

namespace zorvek::tty {

namespace {

using frontend::ControlKind;
using frontend::PlainCaption;

using keys::kDown;
using keys::kEnter;
using keys::kEscape;
using keys::kLeft;
using keys::kRight;
using keys::kSpace;
using keys::kTab;
using keys::kUp;

std::string Of(int position, int count) {
  return std::to_string(position) + " de " + std::to_string(count);
}

std::string Headed(const std::string& label, const std::string& kind) {
  return label.empty() ? kind : label + ", " + kind;
}

std::string LineCount(std::size_t n) { return std::to_string(n) + (n == 1 ? " línea" : " líneas"); }

}  // namespace

// --- ControlMirror ---

void ControlMirror::Apply(const std::string& control, const ControlView& view) {
  State& s = states_[control];
  if (view.Text) s.Text = *view.Text;
  if (view.Lines) s.Lines = *view.Lines;
  if (view.Enabled) s.Enabled = *view.Enabled;
  if (view.Selected) s.Selected = *view.Selected;
}

const ControlMirror::State* ControlMirror::Find(std::string_view control) const {
  auto it = states_.find(control);
  return it == states_.end() ? nullptr : &it->second;
}

std::string ControlMirror::Text(std::string_view control) const {
  const State* s = Find(control);
  return s && s->Text ? *s->Text : std::string();
}

const std::vector<std::string>& ControlMirror::Lines(std::string_view control) const {
  static const std::vector<std::string> kNone;
  const State* s = Find(control);
  return s ? s->Lines : kNone;
}

bool ControlMirror::Enabled(std::string_view control) const {
  const State* s = Find(control);
  return !s || !s->Enabled || *s->Enabled;
}

int ControlMirror::Selected(std::string_view control) const {
  const State* s = Find(control);
  return s ? s->Selected : -1;
}

// --- FocusWindow ---

FocusWindow::FocusWindow(const frontend::WindowLayout& layout, const ControlMirror& mirror,
                         Screen& screen, FocusModel& model)
    : layout_(layout), mirror_(mirror), screen_(screen), model_(model) {
  for (const Described& desc : layout.Controls) {
    if (frontend::WindowLayout::Focusable(desc.Kind)) order_.push_back(&desc);
  }
}

bool FocusWindow::MemberEnabled(const Described& desc, int member) const {
  return mirror_.Enabled(Indexed(desc.Name, member));
}

bool FocusWindow::Available(const Described& desc) const {
  // A hidden frame hides all it holds.
  for (std::string_view holder = desc.Parent; !holder.empty();) {
    const Described* h = layout_.Find(holder);
    if (h == nullptr) break;
    if (h->Kind == ControlKind::Frame && !mirror_.Enabled(h->Name)) return false;
    holder = h->Parent;
  }
  if (desc.Kind == ControlKind::Options) {
    for (int i = desc.First; i < desc.First + desc.Count; ++i) {
      if (MemberEnabled(desc, i)) return true;
    }
    return false;
  }
  return mirror_.Enabled(desc.Name);
}

std::string FocusWindow::CaptionOf(std::string_view control) const {
  std::string text = mirror_.Text(control);
  if (text.empty()) {
    if (const Described* desc = layout_.Find(control)) text = std::string(desc->Caption);
  }
  return PlainCaption(text);
}

std::string FocusWindow::LabelOf(const Described& desc) const {
  if (!desc.AccessibleName.empty()) return std::string(desc.AccessibleName);
  if (desc.Kind == ControlKind::Button) return CaptionOf(desc.Name);
  if (!desc.NamedBy.empty()) return CaptionOf(desc.NamedBy);
  return {};
}

int FocusWindow::FocusedMember(const Described& desc) const {
  int checked = mirror_.Selected(desc.Name);
  if (checked >= desc.First && checked < desc.First + desc.Count && MemberEnabled(desc, checked)) {
    return checked;
  }
  for (int i = desc.First; i < desc.First + desc.Count; ++i) {
    if (MemberEnabled(desc, i)) return i;
  }
  return desc.First;
}

std::string FocusWindow::Focused() const {
  return focus_ < 0 ? std::string()
                    : std::string(order_.at(static_cast<std::size_t>(focus_))->Name);
}

void FocusWindow::Open() {
  screen_.Line(model_.Caption() + ", " + model_.Role());
  focus_ = -1;
  for (std::size_t i = 0; i < order_.size(); ++i) {
    if (Available(*order_[i])) {
      focus_ = static_cast<int>(i);
      break;
    }
  }
  Announce();
}

void FocusWindow::Run(KeySource& keys) {
  Open();
  Play(keys);
}

void FocusWindow::Play(KeySource& keys) {
  while (!model_.Closed()) Handle(keys.NextKey(), keys);
}

void FocusWindow::Reannounce() {
  if (focus_ >= 0 && Available(*order_.at(static_cast<std::size_t>(focus_)))) {
    Announce();
  } else {
    MoveFocus(1);
  }
}

void FocusWindow::Announce() {
  if (focus_ < 0) {
    screen_.Line("Ningún control disponible");
    return;
  }
  const Described& desc = *order_.at(static_cast<std::size_t>(focus_));
  const std::string label = LabelOf(desc);
  const std::string text = mirror_.Text(desc.Name);
  switch (desc.Kind) {
    case ControlKind::Button:
      screen_.Line(Headed(label, "botón"));
      return;
    case ControlKind::List: {
      const auto& lines = mirror_.Lines(desc.Name);
      int n = static_cast<int>(lines.size());
      int selected = mirror_.Selected(desc.Name);
      if (n == 0) {
        screen_.Line(Headed(label, "lista vacía"));
      } else if (selected < 0 || selected >= n) {
        screen_.Line(Headed(label, "lista") + ", " + LineCount(lines.size()) + ", ninguna elegida");
      } else {
        screen_.Line(Headed(label, "lista") + ": " + lines[static_cast<std::size_t>(selected)] +
                     ", " + Of(selected + 1, n));
      }
      return;
    }
    case ControlKind::Options: {
      int member = FocusedMember(desc);
      std::string caption = CaptionOf(Indexed(desc.Name, member));
      screen_.Line(Headed(label, "grupo de opciones") + ": " +
                   (caption.empty() ? "(sin nombre)" : caption) + ", " +
                   (mirror_.Selected(desc.Name) == member ? "marcado" : "sin marcar") + ", " +
                   Of(member - desc.First + 1, desc.Count));
      return;
    }
    case ControlKind::Text:
      if (text.empty()) {
        screen_.Line(Headed(label, "texto vacío"));
      } else {
        screen_.Line(Headed(label, "texto") + ":");
        screen_.Lines(text);
      }
      return;
    case ControlKind::Line:
      screen_.Line(text.empty() ? Headed(label, "texto vacío")
                                : Headed(label, "texto") + ": " + text);
      return;
    case ControlKind::Frame:
    case ControlKind::Pane:
    case ControlKind::Label:
    case ControlKind::Menu:
    case ControlKind::Entry:
    case ControlKind::Submenu:
      return;
  }
}

// Within a list or an option group, only what moved is read, as a screen reader does.
void FocusWindow::AnnounceWithin() {
  const Described& desc = *order_.at(static_cast<std::size_t>(focus_));
  if (desc.Kind == ControlKind::List) {
    const auto& lines = mirror_.Lines(desc.Name);
    int selected = mirror_.Selected(desc.Name);
    if (selected < 0 || selected >= static_cast<int>(lines.size())) {
      Announce();
      return;
    }
    screen_.Line(lines[static_cast<std::size_t>(selected)] + ", " +
                 Of(selected + 1, static_cast<int>(lines.size())));
  } else if (desc.Kind == ControlKind::Options) {
    int member = FocusedMember(desc);
    std::string caption = CaptionOf(Indexed(desc.Name, member));
    screen_.Line((caption.empty() ? "(sin nombre)" : caption) + ", " +
                 (mirror_.Selected(desc.Name) == member ? "marcado" : "sin marcar") + ", " +
                 Of(member - desc.First + 1, desc.Count));
  } else {
    Announce();
  }
}

void FocusWindow::MoveFocus(int step) {
  const int n = static_cast<int>(order_.size());
  const int from = focus_ < 0 ? (step > 0 ? -1 : 0) : focus_;
  for (int k = 1; k <= n; ++k) {
    int i = ((from + step * k) % n + n) % n;
    if (Available(*order_.at(static_cast<std::size_t>(i)))) {
      focus_ = i;
      Announce();
      return;
    }
  }
  focus_ = -1;
  Announce();
}

void FocusWindow::MoveWithin(int step) {
  if (focus_ < 0) return MoveFocus(step);
  const Described& desc = *order_.at(static_cast<std::size_t>(focus_));
  if (desc.Kind == ControlKind::List) {
    int n = static_cast<int>(mirror_.Lines(desc.Name).size());
    if (n == 0) return Announce();
    int selected = mirror_.Selected(desc.Name);
    int target = selected < 0 ? 0 : std::clamp(selected + step, 0, n - 1);
    if (target != selected) model_.Act(desc.Name, target);
    return AnnounceWithin();
  }
  if (desc.Kind == ControlKind::Options) {
    for (int i = FocusedMember(desc) + step; i >= desc.First && i < desc.First + desc.Count;
         i += step) {
      if (MemberEnabled(desc, i)) {
        model_.Act(desc.Name, i);
        break;
      }
    }
    return AnnounceWithin();
  }
  // Elsewhere the arrows go from control to control, as Tab does.
  MoveFocus(step);
}

void FocusWindow::Activate(KeySource& keys) {
  if (focus_ < 0) return Announce();
  const Described& desc = *order_.at(static_cast<std::size_t>(focus_));
  std::string button;
  if (desc.Kind == ControlKind::Button) button = std::string(desc.Name);
  if (desc.Kind == ControlKind::List) button = std::string(desc.ContextKey);
  if (desc.Kind == ControlKind::Options) {
    model_.Act(desc.Name, FocusedMember(desc));
    return AnnounceWithin();
  }
  if (button.empty()) return Announce();
  const Described* pressed = layout_.Find(button);
  if (pressed != nullptr && !Available(*pressed)) {
    // The context-menu key on a line that holds nothing: its button is disabled.
    screen_.Bell();
    screen_.Line(CaptionOf(button) + ": no disponible");
    return;
  }
  bool accepted = model_.Act(button, std::nullopt);
  if (model_.Closed()) return;
  if (accepted && pressed != nullptr && !pressed->PopUp.empty()) {
    if (const Described* menu = layout_.Find(pressed->PopUp)) RunMenu(*menu, button, keys);
    if (model_.Closed()) return;
  }
  Reannounce();
}

void FocusWindow::RunMenu(const Described& menu, const std::string& openedBy, KeySource& keys) {
  struct Item {
    std::string Control;  // what the game is told
    std::optional<int> Arg;
    std::string Name;  // whose caption and state the mirror holds
    const Described* Submenu = nullptr;
  };
  std::vector<Item> items;
  if (menu.Kind == ControlKind::Submenu) {
    for (int i = menu.First; i < menu.First + menu.Count; ++i) {
      items.push_back({std::string(menu.Members), i, Indexed(menu.Members, i), nullptr});
    }
  } else {
    for (const Described& desc : layout_.Controls) {
      if (desc.Parent != menu.Name) continue;
      bool sub = desc.Kind == ControlKind::Submenu;
      items.push_back(
          {std::string(desc.Name), std::nullopt, std::string(desc.Name), sub ? &desc : nullptr});
    }
  }
  std::vector<std::size_t> enabled;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (mirror_.Enabled(items[i].Name)) enabled.push_back(i);
  }
  screen_.Line(CaptionOf(openedBy) + ", menú");
  if (enabled.empty()) {
    screen_.Line("Ninguna opción disponible");
    return;
  }
  std::size_t at = 0;
  auto announce = [&] {
    const Item& item = items[enabled[at]];
    screen_.Line(CaptionOf(item.Name) + ", " + (item.Submenu ? "submenú" : "elemento de menú") +
                 ", " + Of(static_cast<int>(at) + 1, static_cast<int>(enabled.size())));
  };
  announce();
  while (!model_.Closed()) {
    Key key = keys.NextKey();
    const std::size_t n = enabled.size();
    if (key.Code == kDown || (key.Code == kTab && key.Shift == 0)) {
      at = (at + 1) % n;
      announce();
    } else if (key.Code == kUp || key.Code == kTab) {
      at = (at + n - 1) % n;
      announce();
    } else if (key.Code == kEnter || key.Code == kSpace || key.Code == kRight) {
      const Item& item = items[enabled[at]];
      if (item.Submenu != nullptr) {
        RunMenu(*item.Submenu, item.Name, keys);
      } else {
        model_.Act(item.Control, item.Arg);
      }
      return;
    } else if (key.Code == kEscape || key.Code == kLeft || IsCloseWindow(key)) {
      screen_.Line("Menú cerrado");
      return;
    } else {
      screen_.Line("Flechas: elegir. Enter: activar. Escape: cerrar el menú.");
    }
  }
}

void FocusWindow::Hint() {
  screen_.Line(
      "Tabulador: otro control. Flechas: dentro de una lista o un grupo. Enter: activar. "
      "Escape: cerrar. ?: ayuda.");
}

void FocusWindow::Handle(const Key& key, KeySource& keys) {
  if (IsCloseWindow(key)) {
    std::string quit = model_.QuitControl();
    if (!quit.empty()) {
      model_.Act(quit, std::nullopt);
      return;
    }
  }
  if (IsHelp(key)) {
    screen_.Lines(TerminalHelp());
    return;
  }
  switch (key.Code) {
    case kTab:
      return MoveFocus((key.Shift & 1) != 0 ? -1 : 1);
    case kUp:
    case kLeft:
      return MoveWithin(-1);
    case kDown:
    case kRight:
      return MoveWithin(1);
    case kEnter:
    case kSpace:
      return Activate(keys);
    case kEscape: {
      std::string close = model_.EscapeControl();
      if (close.empty()) return Announce();
      model_.Act(close, std::nullopt);
      return;
    }
    default:
      return Hint();
  }
}

}  // namespace zorvek::tty
