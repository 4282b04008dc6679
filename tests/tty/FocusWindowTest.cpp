// A window's controls as the terminal reads them out.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "app/tty/FocusWindow.hpp"

namespace zorvek::tty {
namespace {

class Untouched final : public FocusModel {
 public:
  std::string Caption() const override { return "Ventana"; }
  std::string Role() const override { return "diálogo"; }
  bool Act(std::string_view, std::optional<int>) override { return true; }
  bool Closed() const override { return false; }
  std::string EscapeControl() const override { return ""; }
};

TEST(FocusWindow, AListWithNothingChosenIsToldByItsNumberOfLines) {
  frontend::WindowControl list;
  list.Name = "List1";
  list.Kind = frontend::ControlKind::List;
  list.AccessibleName = "Cosas";
  const frontend::WindowLayout layout{"Ventana", frontend::Flow::Down, {list}};
  // Three lines are told in the terminal's play; one is "línea".
  int out[2] = {-1, -1};
  ASSERT_EQ(pipe(out), 0);
  ControlMirror mirror;
  mirror.Apply("List1", ControlView::OfLines({"cosa"}));
  Screen screen(out[1]);
  Untouched model;
  FocusWindow(layout, mirror, screen, model).Open();
  close(out[1]);
  std::string shown(4096, '\0');
  shown.resize(
      static_cast<std::size_t>(std::max<ssize_t>(0, read(out[0], shown.data(), shown.size()))));
  close(out[0]);
  EXPECT_NE(shown.find("Cosas, lista, 1 línea, ninguna elegida"), std::string::npos) << shown;
}

}  // namespace
}  // namespace zorvek::tty
