#include "app/qt/StartMenuWindow.hpp"

#include <QCloseEvent>
#include <QListWidget>
#include <QPushButton>

#include "app/qt/ControlBuilder.hpp"
#include "app/qt/GameWindow.hpp"
#include "app/qt/Speaker.hpp"
#include "audio/SdlSound.hpp"

namespace zorvek::qt {

namespace {

constexpr int kMenuPlayerFlags = 16;

}  // namespace

StartMenuWindow::StartMenuWindow(StartMenuSetup setup, QWidget* parent)
    : QWidget(parent), setup_(std::move(setup)) {
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
  StartMusic();
}

StartMenuWindow::~StartMenuWindow() { ReleaseMusic(); }

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
  StopMusic();
  GameWindowSetup setup{setup_.Sound,       RunSettings{setup_.ProgramDir, setup_.FixedSeed},
                        menu_.Difficulty(), menu_.LoadOnStart(),
                        setup_.Beep,        setup_.Voice};
  GameEnd end = GameEnd::Open;
  {
    GameWindow window(std::move(setup), this);
    emit GameOpened(&window);
    if (window.End() == GameEnd::Open) window.exec();
    end = window.End();
  }
  if (end == GameEnd::ProgramEnded) {
    // The party died: the program ends at once, without the menu.
    ReleaseMusic();
    hide();
    emit ProgramEnded();
    return;
  }
  StartMusic();
  activateWindow();
  list1_->setFocus();
}

void StartMenuWindow::StartMusic() {
  // The menu's player is made anew each time the menu is shown again.
  ReleaseMusic();
  music_ = setup_.Sound.Create(SoundBank::Music, audio::kMenuMusicChannel);
  music_->Init(kMenuPlayerFlags);
  std::string dir = setup_.ProgramDir;
  if (dir.empty() || dir.back() != '/') dir += '/';
  song_ = music_->Load(dir + "sonidos/Song_of_the_seas.mp3");
  music_->Play(true, false);
  musicPlaying_ = true;
}

void StartMenuWindow::StopMusic() {
  if (music_ != nullptr && musicPlaying_) music_->Stop(false);
  musicPlaying_ = false;
}

void StartMenuWindow::ReleaseMusic() {
  if (music_ == nullptr) return;
  StopMusic();
  music_->Unload(song_);
  music_->Free();
  music_.reset();
  song_ = 0;
}

void StartMenuWindow::closeEvent(QCloseEvent* event) {
  ReleaseMusic();
  QWidget::closeEvent(event);
}

}  // namespace zorvek::qt
