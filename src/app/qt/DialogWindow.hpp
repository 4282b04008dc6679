#pragma once

#include <QDialog>
#include <string>

#include "app/qt/ControlBuilder.hpp"
#include "app/shared/WindowLayouts.hpp"
#include "platform/Dialog.hpp"

class QAction;
class QMenu;

namespace zorvek::qt {

// A modal window of the game (the party dialog or the shop) drawn with standard
// widgets, laid out as the window's shared description says: the model fills the
// controls through Show, and every click, chosen line and option of the player goes back
// to the model by the control's name.
class DialogWindow final : public QDialog {
  Q_OBJECT

 public:
  DialogWindow(DialogModel& model, QWidget* parent);

  // Loads the model and runs the window until the model has closed it.
  void Open();
  // Draws one change reported by the model.
  void Show(DialogId dialog, const std::string& control, const ControlView& view);

  // The widget or menu entry of a control ("List1", "Option1(2)", "MnuOpcExa").
  QWidget* Control(const std::string& name) const;
  QAction* MenuEntry(const std::string& name) const;
  // The object menu as it pops up (party dialog only).
  QMenu* PopupMenu() const { return menu_; }
  // A control event of the player, as a click or choice on the widget gives it.
  void Act(const std::string& control, std::optional<int> arg);

  void done(int result) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Connect();
  // Pops up a menu under the control that stands for it (the list of the party dialog).
  void PopUpMenu(const std::string& menu, const std::string& opener);

  DialogModel& model_;
  const frontend::WindowLayout& layout_;
  BuiltControls built_;
  QMenu* menu_ = nullptr;
  bool updating_ = false;  // the model is drawing: widget signals are not the player's
};

}  // namespace zorvek::qt
