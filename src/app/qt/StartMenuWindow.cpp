#include "app/qt/StartMenuWindow.hpp"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

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

  auto* layout = new QVBoxLayout(this);
  auto* fresh = new QGroupBox(QStringLiteral("Nueva partida"), this);
  fresh->setObjectName(QStringLiteral("Frame1"));
  auto* freshLayout = new QVBoxLayout(fresh);
  auto* label = new QLabel(QStringLiteral("&Dificultad"), fresh);
  list1_ = new QListWidget(fresh);
  list1_->setObjectName(QStringLiteral("List1"));
  list1_->setAccessibleName(QStringLiteral("Dificultad"));
  for (const char* entry : {"Normal (x1)", "Difícil (x2)", "Muy difícil (x3)", "Imposible (x5)!"}) {
    list1_->addItem(QString::fromUtf8(entry));
  }
  label->setBuddy(list1_);
  command1_ = new QPushButton(QStringLiteral("&Empezar"), fresh);
  command1_->setObjectName(QStringLiteral("Command1"));
  command1_->setAccessibleName(QStringLiteral("Empezar partida nueva"));
  freshLayout->addWidget(label);
  freshLayout->addWidget(list1_);
  freshLayout->addWidget(command1_);
  layout->addWidget(fresh);

  auto* saved = new QGroupBox(QStringLiteral("Cargar partida"), this);
  saved->setObjectName(QStringLiteral("Frame2"));
  auto* savedLayout = new QVBoxLayout(saved);
  command2_ = new QPushButton(QStringLiteral("&Empezar"), saved);
  command2_->setObjectName(QStringLiteral("Command2"));
  command2_->setAccessibleName(QStringLiteral("Empezar partida guardada"));
  savedLayout->addWidget(command2_);
  layout->addWidget(saved);

  command3_ = new QPushButton(QStringLiteral("&Salir"), this);
  command3_->setObjectName(QStringLiteral("Command3"));
  layout->addWidget(command3_);

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
