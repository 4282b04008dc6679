#include "app/tty/FocusWindow.hpp"

#include <algorithm>

namespace zorvek::tty {

namespace {

using frontend::ControlKind;
using frontend::PlainCaption;

constexpr int16_t kTab = 9;
constexpr int16_t kEnter = 13;
constexpr int16_t kEscape = 27;
constexpr int16_t kSpace = 32;
constexpr int16_t kLeft = 37;
constexpr int16_t kUp = 38;
constexpr int16_t kRight = 39;
constexpr int16_t kDown = 40;

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
  for (const Spec& spec : layout.Controls) {
    if (frontend::WindowLayout::Focusable(spec.Kind)) order_.push_back(&spec);
  }
}

bool FocusWindow::MemberEnabled(const Spec& spec, int member) const {
  return mirror_.Enabled(Indexed(spec.Name, member));
}

bool FocusWindow::Available(const Spec& spec) const {
  // A hidden frame hides all it holds.
  for (std::string_view holder = spec.Parent; !holder.empty();) {
    const Spec* h = layout_.Find(holder);
    if (h == nullptr) break;
    if (h->Kind == ControlKind::Frame && !mirror_.Enabled(h->Name)) return false;
    holder = h->Parent;
  }
  if (spec.Kind == ControlKind::Options) {
    for (int i = spec.First; i < spec.First + spec.Count; ++i) {
      if (MemberEnabled(spec, i)) return true;
    }
    return false;
  }
  return mirror_.Enabled(spec.Name);
}

std::string FocusWindow::CaptionOf(std::string_view control) const {
  std::string text = mirror_.Text(control);
  if (text.empty()) {
    if (const Spec* spec = layout_.Find(control)) text = std::string(spec->Caption);
  }
  return PlainCaption(text);
}

std::string FocusWindow::LabelOf(const Spec& spec) const {
  if (!spec.AccessibleName.empty()) return std::string(spec.AccessibleName);
  if (spec.Kind == ControlKind::Button) return CaptionOf(spec.Name);
  if (!spec.NamedBy.empty()) return CaptionOf(spec.NamedBy);
  return {};
}

int FocusWindow::FocusedMember(const Spec& spec) const {
  int checked = mirror_.Selected(spec.Name);
  if (checked >= spec.First && checked < spec.First + spec.Count && MemberEnabled(spec, checked)) {
    return checked;
  }
  for (int i = spec.First; i < spec.First + spec.Count; ++i) {
    if (MemberEnabled(spec, i)) return i;
  }
  return spec.First;
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
  const Spec& spec = *order_.at(static_cast<std::size_t>(focus_));
  const std::string label = LabelOf(spec);
  const std::string text = mirror_.Text(spec.Name);
  switch (spec.Kind) {
    case ControlKind::Button:
      screen_.Line(Headed(label, "botón"));
      return;
    case ControlKind::List: {
      const auto& lines = mirror_.Lines(spec.Name);
      int n = static_cast<int>(lines.size());
      int selected = mirror_.Selected(spec.Name);
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
      int member = FocusedMember(spec);
      std::string caption = CaptionOf(Indexed(spec.Name, member));
      screen_.Line(Headed(label, "grupo de opciones") + ": " +
                   (caption.empty() ? "(sin nombre)" : caption) + ", " +
                   (mirror_.Selected(spec.Name) == member ? "marcado" : "sin marcar") + ", " +
                   Of(member - spec.First + 1, spec.Count));
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
  const Spec& spec = *order_.at(static_cast<std::size_t>(focus_));
  if (spec.Kind == ControlKind::List) {
    const auto& lines = mirror_.Lines(spec.Name);
    int selected = mirror_.Selected(spec.Name);
    if (selected < 0 || selected >= static_cast<int>(lines.size())) {
      Announce();
      return;
    }
    screen_.Line(lines[static_cast<std::size_t>(selected)] + ", " +
                 Of(selected + 1, static_cast<int>(lines.size())));
  } else if (spec.Kind == ControlKind::Options) {
    int member = FocusedMember(spec);
    std::string caption = CaptionOf(Indexed(spec.Name, member));
    screen_.Line((caption.empty() ? "(sin nombre)" : caption) + ", " +
                 (mirror_.Selected(spec.Name) == member ? "marcado" : "sin marcar") + ", " +
                 Of(member - spec.First + 1, spec.Count));
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
  const Spec& spec = *order_.at(static_cast<std::size_t>(focus_));
  if (spec.Kind == ControlKind::List) {
    int n = static_cast<int>(mirror_.Lines(spec.Name).size());
    if (n == 0) return Announce();
    int selected = mirror_.Selected(spec.Name);
    int target = selected < 0 ? 0 : std::clamp(selected + step, 0, n - 1);
    if (target != selected) model_.Act(spec.Name, target);
    return AnnounceWithin();
  }
  if (spec.Kind == ControlKind::Options) {
    for (int i = FocusedMember(spec) + step; i >= spec.First && i < spec.First + spec.Count;
         i += step) {
      if (MemberEnabled(spec, i)) {
        model_.Act(spec.Name, i);
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
  const Spec& spec = *order_.at(static_cast<std::size_t>(focus_));
  std::string button;
  if (spec.Kind == ControlKind::Button) button = std::string(spec.Name);
  if (spec.Kind == ControlKind::List) button = std::string(spec.ContextKey);
  if (spec.Kind == ControlKind::Options) {
    model_.Act(spec.Name, FocusedMember(spec));
    return AnnounceWithin();
  }
  if (button.empty()) return Announce();
  const Spec* pressed = layout_.Find(button);
  if (pressed != nullptr && !Available(*pressed)) {
    // The context-menu key on a line that holds nothing: its button is disabled.
    screen_.Bell();
    screen_.Line(CaptionOf(button) + ": no disponible");
    return;
  }
  bool accepted = model_.Act(button, std::nullopt);
  if (model_.Closed()) return;
  if (accepted && pressed != nullptr && !pressed->PopUp.empty()) {
    if (const Spec* menu = layout_.Find(pressed->PopUp)) RunMenu(*menu, button, keys);
    if (model_.Closed()) return;
  }
  Reannounce();
}

void FocusWindow::RunMenu(const Spec& menu, const std::string& openedBy, KeySource& keys) {
  struct Item {
    std::string Control;  // what the game is told
    std::optional<int> Arg;
    std::string Name;  // whose caption and state the mirror holds
    const Spec* Submenu = nullptr;
  };
  std::vector<Item> items;
  if (menu.Kind == ControlKind::Submenu) {
    for (int i = menu.First; i < menu.First + menu.Count; ++i) {
      items.push_back({std::string(menu.Members), i, Indexed(menu.Members, i), nullptr});
    }
  } else {
    for (const Spec& spec : layout_.Controls) {
      if (spec.Parent != menu.Name) continue;
      bool sub = spec.Kind == ControlKind::Submenu;
      items.push_back(
          {std::string(spec.Name), std::nullopt, std::string(spec.Name), sub ? &spec : nullptr});
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
