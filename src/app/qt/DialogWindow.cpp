#include "app/qt/DialogWindow.hpp"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zorvek::qt {

namespace {

// A caption without its access-key marks, for accessible names.
QString Plain(QString caption) {
  caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  return caption;
}

QGroupBox* Frame(const char* name, QWidget* parent) {
  auto* frame = new QGroupBox(parent);
  frame->setObjectName(QString::fromUtf8(name));
  return frame;
}

}  // namespace

DialogWindow::DialogWindow(DialogModel& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName(model.Id() == DialogId::Dialog ? QStringLiteral("Dialog")
                                               : QStringLiteral("DLGTienda"));
  setWindowTitle(QString::fromStdString(model.Caption()));
  setAccessibleName(windowTitle());
  if (model.Id() == DialogId::Dialog) {
    BuildPartyDialog();
  } else {
    BuildShop();
  }
}

void DialogWindow::Open() {
  model_.Load();
  if (model_.Closed()) return;
  exec();
}

void DialogWindow::Register(const std::string& name, QWidget* widget) {
  widget->setObjectName(QString::fromStdString(name));
  widgets_[name] = widget;
}

QWidget* DialogWindow::Button(const std::string& name, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setAutoDefault(false);
  Register(name, button);
  connect(button, &QPushButton::clicked, this, [this, name] { Act(name, std::nullopt); });
  return button;
}

QWidget* DialogWindow::List(const std::string& name, QWidget* parent) {
  auto* list = new QListWidget(parent);
  Register(name, list);
  connect(list, &QListWidget::currentRowChanged, this, [this, name](int row) {
    if (!updating_ && row >= 0) Act(name, row);
  });
  return list;
}

QWidget* DialogWindow::Options(const std::string& group, QWidget* parent) {
  auto* box = new QWidget(parent);
  auto* layout = new QVBoxLayout(box);
  auto* buttons = new QButtonGroup(box);
  for (int i = 0; i < 4; ++i) {
    auto* option = new QRadioButton(box);
    Register(Indexed(group, i), option);
    buttons->addButton(option, i);
    layout->addWidget(option);
  }
  connect(buttons, &QButtonGroup::idClicked, this, [this, group](int id) {
    if (!updating_) Act(group, id);
  });
  return box;
}

QWidget* DialogWindow::Line(const std::string& name, QWidget* parent) {
  auto* line = new QLineEdit(parent);
  line->setReadOnly(true);
  Register(name, line);
  return line;
}

void DialogWindow::AddEntry(QMenu& menu, const std::string& name, std::optional<int> arg) {
  QAction* entry = menu.addAction(QString());
  entry->setObjectName(QString::fromStdString(arg ? Indexed(name, *arg) : name));
  entries_[entry->objectName().toStdString()] = entry;
  connect(entry, &QAction::triggered, this, [this, name, arg] { Act(name, arg); });
}

void DialogWindow::BuildPartyDialog() {
  auto* layout = new QHBoxLayout(this);
  QGroupBox* frame1 = Frame("Frame1", this);
  auto* frameLayout = new QVBoxLayout(frame1);
  frameLayout->addWidget(Options("Option1", frame1));
  frame1->setTitle(QStringLiteral("Héroes"));
  layout->addWidget(frame1);

  auto* sheet = new QVBoxLayout;
  sheet->addWidget(Line("TBNombre", this));
  auto* label1 = new QLabel(this);
  Register("Label1", label1);
  auto* carac = new QPlainTextEdit(this);
  carac->setReadOnly(true);
  Register("TBCarac", carac);
  label1->setBuddy(carac);
  auto* label2 = new QLabel(this);
  Register("Label2", label2);
  QWidget* list = List("List1", this);
  label2->setBuddy(list);
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(list, &QWidget::customContextMenuRequested, this, [this] { PopUpMenu(); });
  sheet->addWidget(label1);
  sheet->addWidget(carac, 2);
  sheet->addWidget(label2);
  sheet->addWidget(list, 2);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(Button("Command1", this));
  QWidget* command2 = Button("Command2", this);
  buttons->addWidget(command2);
  buttons->addWidget(Button("OKButton", this));
  sheet->addLayout(buttons);
  layout->addLayout(sheet, 1);

  menu_ = new QMenu(this);
  menu_->setObjectName(QStringLiteral("MnuOpc"));
  for (const char* entry : {"MnuOpcDer", "MnuOpcIzq", "MnuOpcCue", "MnuOpcInv"}) {
    AddEntry(*menu_, entry, std::nullopt);
  }
  QMenu* give = menu_->addMenu(QString());
  give->setObjectName(QStringLiteral("MnuOpcDar"));
  entries_["MnuOpcDar"] = give->menuAction();
  for (int i = 1; i <= 4; ++i) AddEntry(*give, "MnuOpcDarLis", i);
  for (const char* entry : {"MnuOpcDej", "MnuOpcUti", "MnuOpcExa"}) {
    AddEntry(*menu_, entry, std::nullopt);
  }
  resize(640, 480);
}

void DialogWindow::BuildShop() {
  auto* layout = new QVBoxLayout(this);
  auto* text1 = new QPlainTextEdit(this);
  text1->setReadOnly(true);
  text1->setMaximumHeight(text1->fontMetrics().lineSpacing() * 3 + 12);
  Register("Text1", text1);
  layout->addWidget(text1);
  auto* top = new QHBoxLayout;
  top->addWidget(Button("CBComprar", this));
  top->addWidget(Button("CBVender", this));
  top->addWidget(Button("CBSalir", this));
  layout->addLayout(top);

  QGroupBox* buy = Frame("FRComprar", this);
  Register("FRComprar", buy);
  auto* buyLayout = new QHBoxLayout(buy);
  QGroupBox* shelves = Frame("FREstanterías", buy);
  Register("FREstanterías", shelves);
  auto* shelvesLayout = new QVBoxLayout(shelves);
  shelvesLayout->addWidget(List("List1", shelves));
  shelvesLayout->addWidget(Button("CBComprarOb", shelves));
  shelvesLayout->addWidget(Button("CBExaminarOb", shelves));
  buyLayout->addWidget(shelves);
  QGroupBox* heroes = Frame("FRHéroes", buy);
  Register("FRHéroes", heroes);
  (new QVBoxLayout(heroes))->addWidget(Options("Option1", heroes));
  buyLayout->addWidget(heroes);
  QGroupBox* pack = Frame("FRInventario", buy);
  Register("FRInventario", pack);
  auto* packLayout = new QVBoxLayout(pack);
  packLayout->addWidget(List("List2", pack));
  packLayout->addWidget(Line("Text2", pack));
  packLayout->addWidget(Button("CBDar", pack));
  buyLayout->addWidget(pack);
  layout->addWidget(buy);

  QGroupBox* sell = Frame("FRVender", this);
  Register("FRVender", sell);
  auto* sellLayout = new QHBoxLayout(sell);
  QGroupBox* heroes2 = Frame("FRHéroes2", sell);
  Register("FRHéroes2", heroes2);
  (new QVBoxLayout(heroes2))->addWidget(Options("Option2", heroes2));
  sellLayout->addWidget(heroes2);
  QGroupBox* pack2 = Frame("FRInventario2", sell);
  Register("FRInventario2", pack2);
  auto* pack2Layout = new QVBoxLayout(pack2);
  pack2Layout->addWidget(List("List3", pack2));
  pack2Layout->addWidget(Line("TBMonedas2", pack2));
  pack2Layout->addWidget(Button("CBVenderOb", pack2));
  pack2Layout->addWidget(Button("CBExaminarOb2", pack2));
  sellLayout->addWidget(pack2);
  layout->addWidget(sell);
  resize(720, 520);
}

QWidget* DialogWindow::Control(const std::string& name) const {
  auto it = widgets_.find(name);
  return it == widgets_.end() ? nullptr : it->second;
}

QAction* DialogWindow::MenuEntry(const std::string& name) const {
  auto it = entries_.find(name);
  return it == entries_.end() ? nullptr : it->second;
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
      widget->setAccessibleName(Plain(text));
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
  } else if (view.Selected) {
    // An option group: the selected index names one of its buttons.
    for (int i = 0; i < 4; ++i) {
      if (auto* b = qobject_cast<QAbstractButton*>(Control(Indexed(control, i)))) {
        b->setChecked(i == *view.Selected);
      }
    }
  }
  updating_ = false;
}

void DialogWindow::Act(const std::string& control, std::optional<int> arg) {
  bool accepted = model_.Act(control, arg);
  if (control == "Command2" && accepted) PopUpMenu();
  if (model_.Closed()) QDialog::done(QDialog::Accepted);
}

void DialogWindow::PopUpMenu() {
  if (menu_ == nullptr) return;
  QWidget* command2 = Control("Command2");
  if (command2 == nullptr || !command2->isEnabled()) return;
  QWidget* anchor = Control("List1");
  menu_->popup(anchor->mapToGlobal(QPoint(0, anchor->height() / 2)));
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
  // The context-menu key opens the object menu, as Command2 does.
  if (event->key() == Qt::Key_Menu && menu_ != nullptr) {
    Act("Command2", std::nullopt);
    return;
  }
  QDialog::keyPressEvent(event);
}

void DialogWindow::done(int result) {
  // Closing the window by any means is the model's close control.
  if (!model_.Closed()) model_.Act(model_.CloseControl(), std::nullopt);
  if (model_.Closed()) QDialog::done(result);
}

}  // namespace zorvek::qt
