#include "app/qt/DialogWindow.hpp"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace zorvek::qt {

DialogWindow::DialogWindow(DialogModel& model, QWidget* parent)
    : QDialog(parent), model_(model), layout_(frontend::LayoutOf(model.Id())) {
  setObjectName(
      QString::fromUtf8(layout_.Name.data(), static_cast<qsizetype>(layout_.Name.size())));
  setWindowTitle(QString::fromStdString(model.Caption()));
  setAccessibleName(windowTitle());
  built_ = BuildControls(*this, layout_);
  for (const frontend::WindowControl& desc : layout_.Controls) {
    if (desc.Kind == frontend::ControlKind::Menu) menu_ = built_.Menus.at(std::string(desc.Name));
  }
  Connect();
  if (model.Id() == DialogId::Dialog) {
    resize(640, 480);
  } else {
    resize(720, 520);
  }
}

void DialogWindow::Open() {
  model_.Load();
  if (model_.Closed()) return;
  exec();
}

void DialogWindow::Connect() {
  using frontend::ControlKind;
  for (const frontend::WindowControl& desc : layout_.Controls) {
    const std::string name(desc.Name);
    QWidget* widget = built_.Widget(name);
    if (desc.Kind == ControlKind::Button) {
      connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this,
              [this, name] { Act(name, std::nullopt); });
    } else if (desc.Kind == ControlKind::List) {
      auto* list = static_cast<QListWidget*>(widget);
      connect(list, &QListWidget::currentRowChanged, this, [this, name](int row) {
        if (!updating_ && row >= 0) Act(name, row);
      });
      if (!desc.ContextKey.empty()) {
        const std::string opener(desc.ContextKey);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this,
                [this, opener] { Act(opener, std::nullopt); });
      }
    } else if (desc.Kind == ControlKind::Options) {
      connect(built_.Groups.at(name), &QButtonGroup::idClicked, this, [this, name](int id) {
        if (!updating_) Act(name, id);
      });
    }
  }
  for (const BuiltControls::Trigger& trigger : built_.Triggers) {
    connect(trigger.Action, &QAction::triggered, this,
            [this, control = trigger.Control, arg = trigger.Arg] { Act(control, arg); });
  }
}

QWidget* DialogWindow::Control(const std::string& name) const { return built_.Widget(name); }

QAction* DialogWindow::MenuEntry(const std::string& name) const {
  auto it = built_.Entries.find(name);
  return it == built_.Entries.end() ? nullptr : it->second;
}

void DialogWindow::Show(DialogId dialog, const std::string& control, const ControlView& view) {
  if (dialog != model_.Id()) return;
  updating_ = true;
  if (QAction* entry = MenuEntry(control)) {
    if (view.Text) entry->setText(QString::fromStdString(*view.Text));
    if (view.Enabled) entry->setEnabled(*view.Enabled);
  } else if (QWidget* widget = Control(control)) {
    if (view.Text) {
      QString text = QString::fromStdString(*view.Text);
      text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
      if (auto* b = qobject_cast<QAbstractButton*>(widget)) b->setText(text);
      if (auto* l = qobject_cast<QLabel*>(widget)) l->setText(text);
      if (auto* e = qobject_cast<QLineEdit*>(widget)) e->setText(text);
      if (auto* t = qobject_cast<QPlainTextEdit*>(widget)) t->setPlainText(text);
      if (auto* g = qobject_cast<QGroupBox*>(widget)) g->setTitle(text);
      widget->setAccessibleName(QString::fromStdString(frontend::PlainCaption(*view.Text)));
    }
    if (view.Lines) {
      if (auto* list = qobject_cast<QListWidget*>(widget)) {
        list->clear();
        for (const std::string& line : *view.Lines) list->addItem(QString::fromStdString(line));
        list->setCurrentRow(-1);
      }
    }
    if (view.Enabled) {
      // A frame's state is whether it is shown.
      if (qobject_cast<QGroupBox*>(widget) != nullptr) {
        widget->setVisible(*view.Enabled);
      } else {
        widget->setEnabled(*view.Enabled);
      }
    }
    if (view.Selected) {
      if (auto* list = qobject_cast<QListWidget*>(widget)) list->setCurrentRow(*view.Selected);
    }
  } else if (const frontend::WindowControl* group = layout_.Find(control);
             view.Selected && group != nullptr && group->Kind == frontend::ControlKind::Options) {
    // An option group: the selected index names one of its buttons.
    for (int i = group->First; i < group->First + group->Count; ++i) {
      if (auto* b = qobject_cast<QAbstractButton*>(Control(Indexed(control, i)))) {
        b->setChecked(i == *view.Selected);
      }
    }
  }
  updating_ = false;
}

void DialogWindow::Act(const std::string& control, std::optional<int> arg) {
  bool accepted = model_.Act(control, arg);
  const frontend::WindowControl* desc = layout_.Find(control);
  if (accepted && desc != nullptr && !desc->PopUp.empty()) {
    PopUpMenu(std::string(desc->PopUp), control);
  }
  if (model_.Closed()) QDialog::done(QDialog::Accepted);
}

void DialogWindow::PopUpMenu(const std::string& menu, const std::string& opener) {
  auto it = built_.Menus.find(menu);
  QWidget* button = Control(opener);
  if (it == built_.Menus.end() || button == nullptr || !button->isEnabled()) return;
  // The menu opens over the control whose context-menu key stands for the button.
  QWidget* anchor = button;
  for (const frontend::WindowControl& desc : layout_.Controls) {
    if (desc.ContextKey == opener) anchor = Control(std::string(desc.Name));
  }
  it->second->popup(anchor->mapToGlobal(QPoint(0, anchor->height() / 2)));
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  // The context-menu key opens the object menu, as its button does.
  if (event->key() == Qt::Key_Menu) {
    for (const frontend::WindowControl& desc : layout_.Controls) {
      if (!desc.ContextKey.empty()) {
        Act(std::string(desc.ContextKey), std::nullopt);
        return;
      }
    }
  }
  QDialog::keyPressEvent(event);
}

void DialogWindow::done(int result) {
  // Closing the window by any means is the model's close control.
  if (!model_.Closed()) model_.Act(model_.CloseControl(), std::nullopt);
  if (model_.Closed()) QDialog::done(result);
}

}  // namespace zorvek::qt
