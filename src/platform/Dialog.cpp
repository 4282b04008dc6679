#include "platform/Dialog.hpp"

namespace zorvek {

void DialogControls::Report(const std::string& control, ControlView view) {
  ui_.ControlChanged(dialog_, control, view);
}

void DialogControls::SetText(const std::string& control, const std::string& text) {
  State& s = states_[control];
  if (s.Text == text) return;
  s.Text = text;
  Report(control, ControlView::OfText(text));
}

void DialogControls::SetLines(const std::string& control, std::vector<ListLine> lines) {
  State& s = states_[control];
  bool hadSelection = s.Selected != -1;
  s.Selected = -1;
  if (s.Lines != lines) {
    std::vector<std::string> texts;
    texts.reserve(lines.size());
    for (const auto& line : lines) texts.push_back(line.Text);
    s.Lines = std::move(lines);
    Report(control, ControlView::OfLines(std::move(texts)));
  }
  if (hadSelection) Report(control, ControlView::OfSelected(-1));
}

void DialogControls::SetEnabled(const std::string& control, bool enabled) {
  State& s = states_[control];
  if (s.Enabled == enabled) return;
  s.Enabled = enabled;
  Report(control, ControlView::OfEnabled(enabled));
}

void DialogControls::Select(const std::string& control, int index) {
  State& s = states_[control];
  if (s.Selected == index) return;
  s.Selected = index;
  Report(control, ControlView::OfSelected(index));
}

const DialogControls::State* DialogControls::Find(std::string_view control) const {
  auto it = states_.find(control);
  return it == states_.end() ? nullptr : &it->second;
}

std::string DialogControls::Text(std::string_view control) const {
  const State* s = Find(control);
  return s && s->Text ? *s->Text : std::string();
}

const std::vector<ListLine>& DialogControls::Lines(std::string_view control) const {
  static const std::vector<ListLine> kNone;
  const State* s = Find(control);
  return s && s->Lines ? *s->Lines : kNone;
}

bool DialogControls::Enabled(std::string_view control) const {
  const State* s = Find(control);
  return !s || !s->Enabled || *s->Enabled;
}

int DialogControls::Selected(std::string_view control) const {
  const State* s = Find(control);
  return s ? s->Selected : -1;
}

std::optional<int32_t> DialogControls::SelectedData(std::string_view control) const {
  const auto& lines = Lines(control);
  int i = Selected(control);
  if (i < 0 || i >= static_cast<int>(lines.size())) return std::nullopt;
  return lines[static_cast<std::size_t>(i)].Data;
}

std::string Indexed(std::string_view control, int index) {
  return std::string(control) + "(" + std::to_string(index) + ")";
}

}  // namespace zorvek
