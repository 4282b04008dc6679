#include "app/tty/StartScreen.hpp"

#include "app/shared/WindowLayouts.hpp"
#include "app/tty/GameScreen.hpp"

namespace zorvek::tty {

StartScreen::StartScreen(StartSetup setup, Screen& screen, EventLoop& loop)
    : setup_(std::move(setup)), screen_(screen), loop_(loop) {
  std::vector<std::string> entries;
  for (std::string_view entry : frontend::DifficultyEntries()) entries.emplace_back(entry);
  mirror_.Apply("List1", ControlView::OfLines(std::move(entries)));
  // The menu opens on the first difficulty.
  mirror_.Apply("List1", ControlView::OfSelected(0));
  menu_.Select(0);
}

StartScreen::~StartScreen() {
  // The song goes before the sound system it plays on.
  music_.reset();
}

void StartScreen::Run() {
  FocusWindow window(frontend::StartMenuLayout(), mirror_, screen_, *this);
  window.Open();
  sound_ = setup_.OpenSound();
  music_ = std::make_unique<frontend::MenuMusic>(*sound_.System, setup_.Run.FilesDir());
  music_->Start();
  window.Play(loop_);
}

bool StartScreen::Act(std::string_view control, std::optional<int> arg) {
  if (control == "List1") {
    int row = arg.value_or(-1);
    if (row < 0 || row >= static_cast<int>(frontend::DifficultyEntries().size())) return false;
    menu_.Select(row);
    mirror_.Apply("List1", ControlView::OfSelected(row));
  } else if (control == "Command1") {
    if (menu_.NewGame()) RunGame();
  } else if (control == "Command2") {
    menu_.LoadGame();
    RunGame();
  } else if (control == "Command3") {
    closed_ = true;
  } else {
    return false;
  }
  return true;
}

void StartScreen::RunGame() {
  music_->Stop();
  GameEnd end = GameEnd::Open;
  {
    GameScreen game(GameSetup{*sound_.System, setup_.Run, menu_.Difficulty(), menu_.LoadOnStart(),
                              sound_.Beep, setup_.Comfort},
                    screen_, loop_);
    end = game.Run();
  }
  if (end == GameEnd::ProgramEnded) {
    // The party died: the program ends at once, without the menu.
    music_->Release();
    closed_ = true;
    return;
  }
  music_->Start();
  screen_.Line(Caption() + ", " + Role());
}

}  // namespace zorvek::tty
