#include "app/qt/StartMenuWindow.hpp"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>

#include "app/qt/ControlBuilder.hpp"
#include "app/qt/GameWindow.hpp"
#include "app/qt/Speaker.hpp"

namespace zorvek::qt {

StartMenuWindow::StartMenuWindow(StartMenuSetup setup, QWidget* parent)
    : QWidget(parent), setup_(std::move(setup)), music_(setup_.Sound, setup_.Run.FilesDir()) {
  setObjectName(QStringLiteral("FormIni"));
  setWindowTitle(QStringLiteral("Zorvek"));
  setAccessibleName(QStringLiteral("Zorvek"));
  setFont(QFont(QStringLiteral("Verdana")));

  BuiltControls built = BuildControls(*this, frontend::StartMenuLayout());
  list1_ = static_cast<QListWidget*>(built.Widget("List1"));
  for (std::string_view entry : frontend::DifficultyEntries()) {
    list1_->addItem(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
  }
  command1_ = static_cast<QPushButton*>(built.Widget("Command1"));
  command2_ = static_cast<QPushButton*>(built.Widget("Command2"));
  command3_ = static_cast<QPushButton*>(built.Widget("Command3"));

  connect(list1_, &QListWidget::currentRowChanged, this, [this](int row) {
    menu_.Select(row);
    if (setup_.Voice != nullptr && row >= 0) setup_.Voice->Say(list1_->item(row)->text());
  });
  connect(command1_, &QPushButton::clicked, this, &StartMenuWindow::NewGame);
  connect(command2_, &QPushButton::clicked, this, &StartMenuWindow::LoadGame);
  connect(command3_, &QPushButton::clicked, this, &StartMenuWindow::Quit);

  // The menu opens on the first difficulty, with its music.
  list1_->setCurrentRow(0);
  list1_->setFocus();
  music_.Start();
}

StartMenuWindow::~StartMenuWindow() { music_.Release(); }

void StartMenuWindow::NewGame() {
  if (!menu_.NewGame()) return;
  RunGame();
}

void StartMenuWindow::LoadGame() {
  menu_.LoadGame();
  RunGame();
}

void StartMenuWindow::Quit() { close(); }

void StartMenuWindow::RunGame() {
  music_.Stop();
  GameWindowSetup setup{setup_.Sound, setup_.Run,   menu_.Difficulty(), menu_.LoadOnStart(),
                        setup_.Beep,  setup_.Voice, setup_.Comfort};
  GameEnd end = GameEnd::Open;
  {
    GameWindow window(std::move(setup), this);
    emit GameOpened(&window);
    if (window.End() == GameEnd::Open) window.exec();
    end = window.End();
  }
  if (end == GameEnd::ProgramEnded) {
    // The party died: the program ends at once, without the menu.
    music_.Release();
    hide();
    emit ProgramEnded();
    return;
  }
  music_.Start();
  activateWindow();
  list1_->setFocus();
}

void StartMenuWindow::closeEvent(QCloseEvent* event) {
  music_.Release();
  QWidget::closeEvent(event);
}

}  // namespace zorvek::qt
