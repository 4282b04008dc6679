#include "app/qt/GameWindow.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

#include "app/qt/DialogWindow.hpp"
#include "app/qt/KeyCodes.hpp"
#include "app/qt/Speaker.hpp"
#include "app/shared/Comfort.hpp"
#include "app/shared/WindowLayouts.hpp"
#include "startup/Keyboard.hpp"
#include "startup/StartUp.hpp"

namespace zorvek::qt {

namespace {

struct AreaLook {
  const char* ObjectName;
  const char* AccessibleName;
  int MinimumLines;
};
constexpr std::array<AreaLook, 3> kAreas = {{
    {"TBGeneral", "General", 8},
    {"TBDatos", "Datos", 3},
    {"TBOpciones", "Opciones", 4},
}};

constexpr std::array<const char*, 3> kTimerNames = {"TMRPersecu", "TMRRecuperacion", "TMRSonidos"};

constexpr std::array<TimerId, 3> kTimerIds = {TimerId::TMRPersecu, TimerId::TMRRecuperacion,
                                              TimerId::TMRSonidos};
// Spanish captions for the standard buttons of the boxes.
void SpanishButtons(QMessageBox& box) {
  if (QAbstractButton* b = box.button(QMessageBox::Ok)) b->setText(QStringLiteral("Aceptar"));
  if (QAbstractButton* b = box.button(QMessageBox::Yes)) b->setText(QStringLiteral("&Sí"));
  if (QAbstractButton* b = box.button(QMessageBox::No)) b->setText(QStringLiteral("&No"));
}

}  // namespace

class GameWindow::ModalScope {
 public:
  explicit ModalScope(GameWindow& window) : window_(window) {
    // The window shows what the game has written before the box covers it.
    window_.Flush();
    ++window_.modalDepth_;
  }
  ~ModalScope() {
    --window_.modalDepth_;
    // Without a window manager to hand it back, the keyboard would stay with the closed
    // box, and the screen reader with it.
    if (window_.isVisible()) window_.activateWindow();
    window_.KeepFocus();
  }
  ModalScope(const ModalScope&) = delete;
  ModalScope& operator=(const ModalScope&) = delete;

 private:
  GameWindow& window_;
};

QString Shown(const std::string& text) {
  return QString::fromStdString(frontend::PlainLines(text));
}

void ReplaceText(QPlainTextEdit& edit, const QString& text, bool whole) {
  const QString old = edit.toPlainText();
  qsizetype from = 0;
  if (!whole && old != text) {
    while (from < old.size() && from < text.size() && old.at(from) == text.at(from)) ++from;
  }
  // One edit block from the first changed character: the accessibility layer reports
  // the new text as inserted in the place of the old one, with no blank in between.
  QTextCursor cursor(edit.document());
  cursor.beginEditBlock();
  cursor.setPosition(static_cast<int>(from));
  cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  cursor.insertText(text.mid(from));
  cursor.endEditBlock();
}

GameWindow::GameWindow(GameWindowSetup setup, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("ZORVEK"));
  setAccessibleName(QStringLiteral("ZORVEK"));
  setSizeGripEnabled(true);
  resize(720, 520);

  auto* layout = new QVBoxLayout(this);
  for (std::size_t i = 0; i < kAreas.size(); ++i) {
    auto* edit = new QPlainTextEdit(this);
    edit->setObjectName(QString::fromLatin1(kAreas.at(i).ObjectName));
    edit->setAccessibleName(QString::fromUtf8(kAreas.at(i).AccessibleName));
    edit->setReadOnly(true);
    // A caret the screen reader can follow, but no typing: every key goes to the game.
    edit->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    edit->setTabChangesFocus(false);
    edit->setUndoRedoEnabled(false);
    edit->setMinimumHeight(edit->fontMetrics().lineSpacing() * kAreas.at(i).MinimumLines + 12);
    edit->installEventFilter(this);
    texts_.at(i) = edit;
  }
  // The data line is the one a screen reader follows; the others are read on review.
  QPlainTextEdit* data = TextWidget(TextArea::TBDatos);
  TextWidget(TextArea::TBGeneral)->setFocusPolicy(Qt::NoFocus);
  TextWidget(TextArea::TBOpciones)->setFocusPolicy(Qt::NoFocus);
  layout->addWidget(TextWidget(TextArea::TBGeneral), 3);
  layout->addWidget(data, 2);
  layout->addWidget(TextWidget(TextArea::TBOpciones), 2);
  if (setup_.Comfort != nullptr) {
    review_ = new QPlainTextEdit(this);
    review_->setObjectName(QStringLiteral("Repaso"));
    review_->setAccessibleName(QStringLiteral("Repaso"));
    review_->setReadOnly(true);
    review_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    review_->setFocusPolicy(Qt::ClickFocus);
    review_->setUndoRedoEnabled(false);
    review_->setMaximumHeight(review_->fontMetrics().lineSpacing() * 3 + 12);
    review_->installEventFilter(this);
    layout->addWidget(review_, 1);
  }
  setFocusProxy(data);

  for (std::size_t i = 0; i < kTimerNames.size(); ++i) {
    TimerId id = kTimerIds.at(i);
    auto* timer = new QTimer(this);
    timer->setObjectName(QString::fromLatin1(kTimerNames.at(i)));
    timer->setInterval(frontend::TimerIntervalMs(id));
    connect(timer, &QTimer::timeout, this, [this, id] { Tick(id); });
    timers_.at(i) = timer;
  }

  game_ = std::make_unique<Game>(Ports{*this, random_, clock_, setup_.Sound}, setup_.Settings);
  game_->Difficulty = setup_.Difficulty;
  game_->LoadOnStart = setup_.LoadOnStart;
  // The design-time texts and timers, then the start-up, as the window loads.
  announcer_.Reset(game_->Text(TextArea::TBGeneral), game_->Text(TextArea::TBDatos),
                   game_->Text(TextArea::TBOpciones));
  ReplaceText(*TextWidget(TextArea::TBGeneral), Shown(game_->Text(TextArea::TBGeneral)), true);
  ReplaceText(*TextWidget(TextArea::TBOpciones), Shown(game_->Text(TextArea::TBOpciones)), true);
  ShowDataLine(Shown(game_->Text(TextArea::TBDatos)));
  for (TimerId id : kTimerIds) {
    if (game_->TimerEnabled(id)) Timer(id)->start();
  }
  ++handling_;
  StartGameWindow(*game_);
  if (setup_.Comfort != nullptr) frontend::ApplyCoordinates(*game_, *setup_.Comfort);
  --handling_;
  Flush();
  data->setFocus();
}

GameWindow::~GameWindow() {
  for (QTimer* timer : timers_) timer->stop();
  // Whatever closed the window, the game's channels are released before it goes.
  if (end_ == GameEnd::Open) ShutDownGameWindow(*game_);
}

QPlainTextEdit* GameWindow::TextWidget(TextArea area) const {
  return texts_.at(static_cast<std::size_t>(area));
}

QTimer* GameWindow::Timer(TimerId timer) const { return timers_.at(Slot(timer)); }

bool GameWindow::ModalOpen() const {
  if (modalDepth_ > 0) return true;
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr && modal != this;
}

int GameWindow::TicksDelivered(TimerId timer) const { return delivered_.at(Slot(timer)); }
int GameWindow::TicksHeld(TimerId timer) const { return held_.at(Slot(timer)); }

void GameWindow::PressKey(int16_t code, int16_t shift) {
  if (end_ != GameEnd::Open) return;
  // The next key cuts short what the voice is saying, as a screen reader's does.
  if (setup_.Voice != nullptr) setup_.Voice->Stop();
  if (setup_.Comfort != nullptr) {
    const bool voiceWasOn = setup_.Comfort->Current().Speech;
    if (std::optional<std::string> told = setup_.Comfort->HandleKey(code, shift)) {
      ShowReview(QString::fromStdString(*told));
      // The news that the voice went off is the last it says.
      if (setup_.Voice != nullptr) setup_.Voice->Say(review_->toPlainText(), voiceWasOn);
      return;
    }
  }
  ++handling_;
  HandleKey(*game_, code, shift);
  --handling_;
  if (setup_.Comfort != nullptr) setup_.Comfort->KeepCoordinates(game_->ReadCoordinates);
  Flush();
  KeepFocus();
}

void GameWindow::ShowReview(const QString& text) {
  ShowSelected(*review_, text);
  if (end_ == GameEnd::Open) review_->setFocus(Qt::OtherFocusReason);
}

void GameWindow::Remember(const std::string& text) {
  if (setup_.Comfort != nullptr) setup_.Comfort->Review().Add(frontend::PlainLines(text));
}

void GameWindow::Tick(TimerId timer) {
  if (end_ != GameEnd::Open || !game_->TimerEnabled(timer)) return;
  // The board is suspended under a modal window: no pursuit may start a fight under a
  // message box, nor under the settings. The tick is held back; the timer's next one goes
  // through.
  if (ModalOpen() || (setup_.Comfort != nullptr && setup_.Comfort->MenuOpen())) {
    ++held_.at(Slot(timer));
    return;
  }
  ++delivered_.at(Slot(timer));
  ++handling_;
  TimerTick(*game_, timer);
  --handling_;
  Flush();
}

void GameWindow::TextChanged(TextArea area, const std::string& text) {
  announcer_.Write(area, text);
  if (handling_ == 0) Flush();
}

void GameWindow::Flush() {
  // Only the data line holds the focus, and a screen reader speaks only what changes
  // there: it shows the narration's news and its own text as one change.
  frontend::Announcer::Announcement told = announcer_.Take();
  for (const frontend::Announcer::Area& area : told.Areas) {
    ReplaceText(*TextWidget(area.Which), QString::fromStdString(area.Text), !area.Grows);
  }
  if (!told.Spoken) return;
  QString line = QString::fromStdString(*told.Spoken);
  Remember(*told.Spoken);
  ShowDataLine(line);
  Speak(line);
}

void GameWindow::ShowDataLine(const QString& line) {
  ShowSelected(*TextWidget(TextArea::TBDatos), line);
}

void ShowSelected(QPlainTextEdit& edit, const QString& text) {
  // One block: the screen reader compares the text it is told was inserted with the
  // selection, and a break between blocks reads differently in each.
  QString oneBlock = text;
  oneBlock.replace(QLatin1Char('\n'), QChar(QChar::LineSeparator));
  ReplaceText(edit, oneBlock, true);
  // The new text stands selected. A screen reader speaks an insertion into the focused
  // text when it is also the selection; otherwise, no typing having caused it, Orca
  // keeps quiet.
  QTextCursor all(edit.document());
  all.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  edit.setTextCursor(all);
}

void GameWindow::Beep() {
  if (setup_.Beep) {
    setup_.Beep();
  } else {
    QApplication::beep();
  }
}

Answer GameWindow::MessageBox(const std::string& text, Buttons buttons, const std::string& title) {
  ModalScope modal(*this);
  QMessageBox box(this);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.setWindowTitle(QString::fromStdString(title));
  box.setText(Shown(text));
  box.setIcon(QMessageBox::NoIcon);
  if (buttons == Buttons::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
  }
  SpanishButtons(box);
  Remember(text);
  Speak(Shown(text));
  int pressed = box.exec();
  if (buttons == Buttons::Ok) return Answer::Ok;
  return pressed == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

std::string GameWindow::InputBox(const std::string& prompt, const std::string& title) {
  ModalScope modal(*this);
  QInputDialog box(this);
  box.setObjectName(QStringLiteral("InputBox"));
  box.setInputMode(QInputDialog::TextInput);
  box.setWindowTitle(QString::fromStdString(title));
  box.setLabelText(Shown(prompt));
  box.setOkButtonText(QStringLiteral("Aceptar"));
  box.setCancelButtonText(QStringLiteral("Cancelar"));
  Remember(prompt);
  Speak(Shown(prompt));
  if (box.exec() != QDialog::Accepted) return "";
  return box.textValue().toStdString();
}

void GameWindow::ShowDialog(DialogModel& dialog) {
  ModalScope modal(*this);
  DialogWindow window(dialog, this);
  dialog_ = &window;
  window.Open();
  dialog_ = nullptr;
}

void GameWindow::ControlChanged(DialogId dialog, const std::string& control,
                                const ControlView& view) {
  if (dialog_ != nullptr) dialog_->Show(dialog, control, view);
  if (std::optional<std::string> news = frontend::DialogNews(dialog, control, view))
    Remember(*news);
}

void GameWindow::TimerSwitched(TimerId timer, bool enabled) {
  if (end_ != GameEnd::Open) return;
  QTimer* t = Timer(timer);
  // Switching on a running timer keeps its rhythm, as the window's timers do.
  if (!enabled) {
    t->stop();
  } else if (!t->isActive()) {
    t->start();
  }
}

void GameWindow::CloseGameWindow() { Finish(GameEnd::Victory); }

void GameWindow::EndProgram() { Finish(GameEnd::ProgramEnded); }

void GameWindow::Finish(GameEnd end) {
  if (end_ != GameEnd::Open) return;
  // The game has already released what it holds; from here nothing of it runs.
  end_ = end;
  for (QTimer* timer : timers_) timer->stop();
  QDialog::done(end == GameEnd::Victory ? QDialog::Accepted : QDialog::Rejected);
}

void GameWindow::done(int result) {
  if (end_ == GameEnd::Open) {
    // The player closed the window: the sound channels are released, nothing is asked.
    end_ = GameEnd::Closed;
    for (QTimer* timer : timers_) timer->stop();
    ShutDownGameWindow(*game_);
  }
  QDialog::done(result);
}

bool GameWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    keyPressEvent(static_cast<QKeyEvent*>(event));
    return true;
  }
  if (event->type() == QEvent::ShortcutOverride) {
    // Every key is the game's, even those a text area would take as a shortcut.
    event->accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
  event->accept();
  if (std::optional<GameKey> key = TranslateKey(*event)) PressKey(key->Code, key->Shift);
}

void GameWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  KeepFocus();
}

void GameWindow::Speak(const QString& text) {
  if (setup_.Voice != nullptr) setup_.Voice->Say(text);
}

void GameWindow::KeepFocus() {
  if (end_ == GameEnd::Open) TextWidget(TextArea::TBDatos)->setFocus(Qt::OtherFocusReason);
}

}  // namespace zorvek::qt
