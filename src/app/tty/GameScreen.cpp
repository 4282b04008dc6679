#include "app/tty/GameScreen.hpp"

#include <exception>

#include "app/shared/WindowLayouts.hpp"
#include "startup/Keyboard.hpp"
#include "startup/StartUp.hpp"

namespace zorvek::tty {

namespace {

constexpr std::array<TimerId, 3> kTimers = {TimerId::TMRPersecu, TimerId::TMRRecuperacion,
                                            TimerId::TMRSonidos};

constexpr int16_t kBackspace = 8;
constexpr int16_t kEnter = 13;
constexpr int16_t kEscape = 27;
constexpr int16_t kSpace = 32;
constexpr int16_t kModifiers = kControlMask | kAltMask;
// The Linux console sends Shift + F9 and Shift + F10 as F19 and F20.
constexpr int16_t kF19 = 130;
constexpr int16_t kF20 = 131;

// Answers longer than this are no answer to any of the game's questions.
constexpr std::size_t kLongestAnswer = 200;

bool IsLetter(const Key& key, char letter) {
  return key.Code == letter && (key.Shift & kModifiers) == 0;
}

// Takes the last UTF-8 character off a text.
void DropLastCharacter(std::string& text) {
  while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) {
    text.pop_back();
  }
  if (!text.empty()) text.pop_back();
}

// A party dialog or shop as a focus list: its close control is Escape's.
class DialogFocus final : public FocusModel {
 public:
  explicit DialogFocus(DialogModel& dialog) : dialog_(dialog) {}
  std::string Caption() const override { return dialog_.Caption(); }
  std::string Role() const override { return "diálogo"; }
  bool Act(std::string_view control, std::optional<int> arg) override {
    return dialog_.Act(control, arg);
  }
  bool Closed() const override { return dialog_.Closed(); }
  std::string EscapeControl() const override { return dialog_.CloseControl(); }

 private:
  DialogModel& dialog_;
};

}  // namespace

class GameScreen::ModalScope {
 public:
  explicit ModalScope(GameScreen& screen) : screen_(screen) {
    // What the game wrote before the box opened is shown first.
    screen_.Flush(false);
    ++screen_.modalDepth_;
  }
  ~ModalScope() { --screen_.modalDepth_; }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  GameScreen& screen_;
};

GameScreen::GameScreen(GameSetup setup, Screen& screen, EventLoop& loop)
    : setup_(std::move(setup)), screen_(screen), loop_(loop) {
  game_ = std::make_unique<Game>(Ports{*this, random_, clock_, setup_.Sound}, setup_.Settings);
  game_->Difficulty = setup_.Difficulty;
  game_->LoadOnStart = setup_.LoadOnStart;
}

GameScreen::~GameScreen() {
  loop_.StopAll();
  loop_.OnTick = nullptr;
  // Whatever closed the window, the game's channels are released before it goes; not
  // while a signal or a fault is unwinding through the game, which is left as it is.
  if (end_ == GameEnd::Open && std::uncaught_exceptions() == 0) ShutDownGameWindow(*game_);
}

GameEnd GameScreen::Run() {
  screen_.Line("ZORVEK, ventana del juego");
  announcer_.Reset(game_->Text(TextArea::TBGeneral), game_->Text(TextArea::TBDatos),
                   game_->Text(TextArea::TBOpciones));
  for (TimerId id : kTimers) {
    loop_.SetInterval(id, frontend::TimerIntervalMs(id));
    loop_.Switch(id, game_->TimerEnabled(id));
  }
  loop_.OnTick = [this](TimerId id) { Tick(id); };
  ++handling_;
  StartGameWindow(*game_);
  if (setup_.Comfort != nullptr) frontend::ApplyCoordinates(*game_, *setup_.Comfort);
  --handling_;
  Flush(true);
  while (end_ == GameEnd::Open) PressKey(loop_.NextKey());
  if (end_ == GameEnd::ProgramEnded) {
    screen_.Line("Zorvek termina");
  } else {
    screen_.Line("ZORVEK, ventana cerrada");
  }
  return end_;
}

void GameScreen::PressKey(const Key& key) {
  if (IsCloseWindow(key)) {
    // As closing the desktop's window: the sound channels go, nothing is asked.
    Finish(GameEnd::Closed);
    ShutDownGameWindow(*game_);
    return;
  }
  std::optional<GameKey> press = IsHelp(key) ? std::nullopt : GameKeyOf(key);
  if (!press) {
    screen_.Lines(TerminalHelp());
    return;
  }
  if (ComfortKey(*press)) return;
  int16_t code = press->Code;
  beeped_ = false;
  ++handling_;
  HandleKey(*game_, code, press->Shift);
  --handling_;
  if (setup_.Comfort != nullptr) setup_.Comfort->KeepCoordinates(game_->ReadCoordinates);
  Flush(true);
}

bool GameScreen::ComfortKey(const GameKey& key) {
  if (setup_.Comfort == nullptr) return false;
  GameKey asked = key;
  if ((key.Code == kF19 || key.Code == kF20) && key.Shift == 0) {
    asked = GameKey{static_cast<int16_t>(key.Code - 10), 1};
  }
  std::optional<std::string> told = setup_.Comfort->HandleKey(asked.Code, asked.Shift);
  if (!told) return false;
  screen_.Lines(*told);
  return true;
}

void GameScreen::Remember(const std::string& text) {
  if (setup_.Comfort != nullptr) setup_.Comfort->Review().Add(frontend::PlainLines(text));
}

void GameScreen::Tick(TimerId timer) {
  if (end_ != GameEnd::Open || !game_->TimerEnabled(timer)) return;
  // The board is suspended under a modal window: no pursuit may start a fight under a
  // message box. The tick is held back; the timer's next one goes through.
  // Nor while the settings are open.
  if (modalDepth_ > 0 || (setup_.Comfort != nullptr && setup_.Comfort->MenuOpen())) return;
  ++handling_;
  TimerTick(*game_, timer);
  --handling_;
  Flush(false);
}

void GameScreen::TextChanged(TextArea area, const std::string& text) {
  announcer_.Write(area, text);
  if (handling_ == 0) Flush(false);
}

void GameScreen::Flush(bool answersKey) {
  frontend::Announcer::Announcement told = announcer_.Take();
  bool said = told.Spoken && !told.Spoken->empty();
  if (said) {
    Remember(*told.Spoken);
    screen_.Lines(*told.Spoken);
  }
  if (!answersKey || said) return;
  // A key whose only answer is a beep, or an empty data line (no objects in the room,
  // nobody in the party), is still answered.
  if (beeped_) {
    screen_.Line("(pitido)");
  } else if (told.Spoken) {
    screen_.Line("(en blanco)");
  }
  beeped_ = false;
}

void GameScreen::Beep() {
  if (setup_.Beep) setup_.Beep();
  screen_.Bell();
  // The beep is the game's "no". A screen reader does not speak the terminal's bell, and
  // over SSH the sound plays on the far machine: a beep with no text of its own is said.
  if (dialogsOpen_ > 0) {
    screen_.Line("(pitido)");
  } else {
    beeped_ = true;
  }
}

Answer GameScreen::MessageBox(const std::string& text, Buttons buttons, const std::string& title) {
  ModalScope modal(*this);
  screen_.Line(title + ", mensaje:");
  screen_.Lines(text);
  Remember(text);
  const bool yesNo = buttons == Buttons::YesNo;
  const char* hint = yesNo ? "s: Sí, n: No" : "Enter: Aceptar";
  screen_.Line(hint);
  while (true) {
    Key key = loop_.NextKey();
    if (!yesNo) {
      if (key.Code == kEnter || key.Code == kEscape || key.Code == kSpace) {
        screen_.Line("Aceptar");
        return Answer::Ok;
      }
    } else if (IsLetter(key, 'S') || key.Code == kEnter || key.Code == kSpace) {
      // Yes is the default button, No the one Escape stands for.
      screen_.Line("Sí");
      return Answer::Yes;
    } else if (IsLetter(key, 'N') || key.Code == kEscape) {
      screen_.Line("No");
      return Answer::No;
    }
    screen_.Line(hint);
  }
}

std::string GameScreen::InputBox(const std::string& prompt, const std::string& title) {
  ModalScope modal(*this);
  screen_.Line(title + ", pregunta:");
  screen_.Lines(prompt);
  Remember(prompt);
  screen_.Line("Escriba la respuesta y pulse Enter; Escape cancela.");
  screen_.Type("> ");
  std::string answer;
  while (true) {
    Key key = loop_.NextKey();
    if (key.Code == kEnter) {
      screen_.EndLine();
      return answer;
    }
    if (key.Code == kEscape) {
      screen_.Line("Cancelado");
      return "";
    }
    if (key.Code == kBackspace && (key.Shift & kModifiers) == 0) {
      if (answer.empty()) {
        screen_.Bell();
      } else {
        DropLastCharacter(answer);
        screen_.Untype();
      }
    } else if (!key.Text.empty() && (key.Shift & kModifiers) == 0 &&
               answer.size() + key.Text.size() <= kLongestAnswer) {
      answer += key.Text;
      screen_.Type(key.Text);
    } else {
      screen_.Bell();
    }
  }
}

void GameScreen::ShowDialog(DialogModel& dialog) {
  ModalScope modal(*this);
  mirror_.Clear();
  ++dialogsOpen_;
  struct Closing {
    int& open;
    ~Closing() { --open; }
  } closing{dialogsOpen_};
  dialog.Load();
  if (dialog.Closed()) return;
  DialogFocus focus(dialog);
  FocusWindow window(frontend::LayoutOf(dialog.Id()), mirror_, screen_, focus);
  window.Run(loop_);
  screen_.Line("Cerrado: " + dialog.Caption());
}

void GameScreen::ControlChanged(DialogId dialog, const std::string& control,
                                const ControlView& view) {
  if (dialogsOpen_ > 0) mirror_.Apply(control, view);
  if (std::optional<std::string> news = frontend::DialogNews(dialog, control, view))
    Remember(*news);
}

void GameScreen::TimerSwitched(TimerId timer, bool enabled) {
  if (end_ == GameEnd::Open) loop_.Switch(timer, enabled);
}

void GameScreen::CloseGameWindow() { Finish(GameEnd::Victory); }

void GameScreen::EndProgram() { Finish(GameEnd::ProgramEnded); }

void GameScreen::Finish(GameEnd end) {
  if (end_ != GameEnd::Open) return;
  // The game has already released what it holds; from here nothing of it runs.
  end_ = end;
  loop_.StopAll();
}

}  // namespace zorvek::tty
