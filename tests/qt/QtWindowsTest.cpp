// The desktop windows driven as a player drives them, on the offscreen platform: the
// start menu, the game window, its boxes and dialogs, its timers, the screen reader's
// texts, and the conveniences (the review, the volumes and settings, the voice).
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <tuple>

#include "QtSupport.hpp"
#include "app/qt/DialogWindow.hpp"
#include "app/qt/GameWindow.hpp"
#include "app/qt/KeyCodes.hpp"
#include "app/qt/Speaker.hpp"
#include "app/qt/StartMenuWindow.hpp"
#include "app/shared/Comfort.hpp"
#include "generation/PhaseChange.hpp"
#include "shop/ShopDialog.hpp"
#include "startup/Keyboard.hpp"

using zorvek::Answer;
using zorvek::Buttons;
using zorvek::Game;
using zorvek::SoundBank;
using zorvek::TextArea;
using zorvek::TimerId;
using zorvek::frontend::Comfort;
using zorvek::qt::DialogWindow;
using zorvek::qt::GameEnd;
using zorvek::qt::GameWindow;
using zorvek::qt::Shown;
using namespace qttest;

namespace {

constexpr TextArea kAreas[] = {TextArea::TBGeneral, TextArea::TBDatos, TextArea::TBOpciones};

// A voice with two Spanish voices that notes what it is asked.
struct FakeVoice final : zorvek::qt::SpeechEngine {
  QStringList Said;
  int Stops = 0;
  double Rate = 0;
  QString Voice;
  std::function<void(const QString&)> OnSay;
  void Say(const QString& text) override {
    Said.push_back(text);
    if (OnSay) OnSay(text);
  }
  void Stop() override { ++Stops; }
  void SetRate(double rate) override { Rate = rate; }
  QStringList SpanishVoices() override { return {"Mónica", "Jorge"}; }
  void SetVoice(const QString& name) override { Voice = name; }
};

QString Area(const GameWindow& w, TextArea area) { return w.TextWidget(area)->toPlainText(); }

void Press(GameWindow& w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::keyClick(w.TextWidget(TextArea::TBDatos), key, mods);
}

QString Review(const GameWindow& w) {
  return w.ReviewWidget()->toPlainText().replace(QChar(QChar::LineSeparator), '\n');
}

void Recruit(Game& game) {
  game.Party(1) = game.DungeonBeings(1);
  game.Party(2) = game.DungeonBeings(2);
  game.AnyRecruited = true;
}

template <class T>
T* ControlOf(DialogWindow* dialog, const char* name) {
  return static_cast<T*>(dialog->Control(name));
}

}  // namespace

class QtWindowsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  LoggedSound sound_;  // what the sound back-end is asked, below the player's levels
  int beepLevel_ = -1;
  int beeps_ = 0;
  zorvek::frontend::ScaledSoundSystem scaled_{sound_, [this](int level) { beepLevel_ = level; }};

  std::filesystem::path SettingsFile() const {
    return std::filesystem::path(dir_.path().toStdString()) / "config" / "ajustes.json";
  }

  std::unique_ptr<Comfort> NewComfort(zorvek::qt::Speaker* voice = nullptr) {
    zorvek::frontend::ComfortSetup setup{&scaled_,
                                         SettingsFile(),
                                         zorvek::frontend::LoadSettings(SettingsFile()).Values,
                                         "Todas las teclas.",
                                         voice != nullptr,
                                         {},
                                         {}};
    if (voice != nullptr) {
      for (const QString& name : voice->Voices()) setup.Voices.push_back(name.toStdString());
      setup.Applied = [voice](const auto& s) { zorvek::qt::ApplySpeech(*voice, s); };
    }
    return std::make_unique<Comfort>(std::move(setup));
  }

  std::unique_ptr<GameWindow> NewWindow(Comfort* comfort = nullptr,
                                        zorvek::qt::Speaker* voice = nullptr) {
    auto window = std::make_unique<GameWindow>(zorvek::qt::GameWindowSetup{
        scaled_, zorvek::RunSettings{dir_.path().toStdString(), kSeed}, 1, false,
        [this] {
          ++beeps_;
          scaled_.Beep();
        },
        voice, comfort});
    window->show();
    window->activateWindow();
    return window;
  }

 private slots:
  void init() { std::filesystem::remove_all(SettingsFile().parent_path()); }

  void KeysHaveTheGamesCodesAndModifierMask() {
    using zorvek::qt::KeyCodeOf;
    for (int i = 0; i < 26; ++i) QCOMPARE(KeyCodeOf(Qt::Key_A + i, false), 'A' + i);
    for (int d = 0; d <= 9; ++d) {
      QCOMPARE(KeyCodeOf(Qt::Key_0 + d, false), '0' + d);
      QCOMPARE(KeyCodeOf(Qt::Key_0 + d, true), 96 + d);  // keypad digits are no menu digits
    }
    for (int f = 0; f < 24; ++f) QCOMPARE(KeyCodeOf(Qt::Key_F1 + f, false), 112 + f);
    QKeyEvent shifted(QEvent::KeyPress, Qt::Key_S, Qt::ShiftModifier | Qt::AltModifier);
    QCOMPARE(zorvek::qt::TranslateKey(shifted)->Shift, 5);
    QKeyEvent control(QEvent::KeyPress, Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(zorvek::qt::TranslateKey(control)->Shift, 2);
  }

  void TheStartMenuStartsAGameAtEachDifficulty() {
    zorvek::qt::StartMenuWindow menu(zorvek::qt::StartMenuSetup{
        scaled_, zorvek::RunSettings{dir_.path().toStdString(), kSeed}, {}, nullptr});
    menu.show();
    QCOMPARE(menu.List1()->currentRow(), 0);
    QVERIFY(menu.MusicPlaying());
    const int32_t expected[] = {1, 2, 3, 5};
    for (int row = 0; row < 4; ++row) {
      menu.List1()->setCurrentRow(row);
      int32_t difficulty = 0;
      bool musicDuringGame = true;
      WhenModalOpens<GameWindow>([&](GameWindow* window) {
        difficulty = window->game().Difficulty;
        musicDuringGame = menu.MusicPlaying();
        window->close();
      });
      QTest::mouseClick(menu.Command1(), Qt::LeftButton);
      QCOMPARE(difficulty, expected[row]);
      QVERIFY(!musicDuringGame);
      QVERIFY(menu.MusicPlaying());  // the menu's music is back
    }
    QCOMPARE(sound_.Count("play music 6 loop"), 5);
  }

  void TheWindowShowsTheStartUpTexts() {
    auto window = NewWindow();
    Game& game = window->game();
    QCOMPARE(Area(*window, TextArea::TBOpciones), Shown(game.Text(TextArea::TBOpciones)));
    for (TextArea area : kAreas) QVERIFY(window->TextWidget(area)->isReadOnly());
    // The room's name is news of the narration: the data line says it first.
    QVERIFY(!game.Text(TextArea::TBGeneral).empty());
    QCOMPARE(Area(*window, TextArea::TBDatos),
             Shown(game.Text(TextArea::TBGeneral) + "\n" + game.Text(TextArea::TBDatos)));
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), window->TextWidget(TextArea::TBDatos));
  }

  // A twin game without a window nor the conveniences takes the codes the keyboard
  // sends; after every key of the game, in exploration and in combat, both tell and hold
  // the same, and the window shows what its game tells.
  void EveryKeyReachesTheGameWithItsCodeInBothStates() {
    auto comfort = NewComfort();
    auto window = NewWindow(comfort.get());
    QuietGame twinGame(dir_.path().toStdString(), kSeed);
    Game& twin = twinGame.game;
    BoxCloser closer;
    using M = Qt::KeyboardModifier;
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> table;
    for (char letter : std::string("GCAHSETVX")) table.push_back({Qt::Key(letter), M::NoModifier});
    for (Qt::Key key : {Qt::Key_F4, Qt::Key_Backspace, Qt::Key_F1, Qt::Key_F2, Qt::Key_F3,
                        Qt::Key_F7, Qt::Key_F8, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right,
                        Qt::Key_Down, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Enter}) {
      table.push_back({key, M::NoModifier});
    }
    for (int digit = 0; digit <= 9; ++digit) {
      table.push_back({static_cast<Qt::Key>(Qt::Key_0 + digit), M::NoModifier});
      table.push_back({static_cast<Qt::Key>(Qt::Key_0 + digit), M::ControlModifier});
    }
    // The conveniences' keys with another modifier stay the game's.
    table.insert(table.end(), {{Qt::Key_F5, M::ShiftModifier | M::ControlModifier},
                               {Qt::Key_F9, M::ControlModifier},
                               {Qt::Key_F6, M::AltModifier},
                               {Qt::Key_F12, M::ShiftModifier}});
    for (bool combat : {false, true}) {
      window->game().InCombat = twin.InCombat = combat;
      for (const auto& [key, mods] : table) {
        Press(*window, key, mods);
        // The twin is pressed what the keyboard sends: each modifier key, then the key.
        int16_t shift = 0;
        for (auto [mod, modKey, bit] : {std::tuple{M::ShiftModifier, Qt::Key_Shift, 1},
                                        std::tuple{M::ControlModifier, Qt::Key_Control, 2},
                                        std::tuple{M::AltModifier, Qt::Key_Alt, 4}}) {
          if (!(mods & mod)) continue;
          int16_t code = zorvek::qt::KeyCodeOf(modKey, false);
          zorvek::HandleKey(twin, code, shift);
          shift = static_cast<int16_t>(shift | bit);
        }
        int16_t code = zorvek::qt::KeyCodeOf(key, false);
        zorvek::HandleKey(twin, code, shift);
        for (TextArea area : kAreas) QCOMPARE(window->game().Text(area), twin.Text(area));
        QCOMPARE(Area(*window, TextArea::TBGeneral), Shown(twin.Text(TextArea::TBGeneral)));
        QVERIFY(Area(*window, TextArea::TBDatos).endsWith(Shown(twin.Text(TextArea::TBDatos))));
        QCOMPARE(
            std::tuple(window->game().CursorX, window->game().CursorY, window->game().InCombat),
            std::tuple(twin.CursorX, twin.CursorY, twin.InCombat));
        QCOMPARE(window->game().CellMenuInput, twin.CellMenuInput);
      }
    }
    QVERIFY(beeps_ > 0);
  }

  void TheDialogsShowWhatTheGameSetsAndPassOnTheAnswers() {
    auto window = NewWindow();
    Game& game = window->game();
    Recruit(game);
    const std::string first = game.Party(1).Name.Trimmed();
    const std::string second = game.Party(2).Name.Trimmed();
    QString caption;
    QString sheet;
    QString prompt;
    WhenModalOpens<DialogWindow>([&](DialogWindow* dialog) {
      caption = dialog->windowTitle();
      auto* option = ControlOf<QRadioButton>(dialog, "Option1(1)");
      QCOMPARE(option->text(), QString::fromStdString(second));
      option->click();
      sheet = ControlOf<QLineEdit>(dialog, "TBNombre")->text();
      WhenModalOpens<QInputDialog>([&](QInputDialog* box) {
        prompt = box->labelText();
        box->setTextValue(QStringLiteral("1"));
        box->accept();
      });
      ControlOf<QPushButton>(dialog, "Command1")->click();
      dialog->close();  // closing the window is its OK button
    });
    Press(*window, Qt::Key_G);
    QCOMPARE(caption, QStringLiteral("EL GRUPO DE HÉROES"));
    QCOMPARE(sheet, QString::fromStdString(second));
    QVERIFY(
        prompt.startsWith(QString::fromStdString("¿En qué posición desea colocar a " + second)));
    // The typed "1" moved the second hero to the head of the march.
    QCOMPARE(game.Party(1).Name.Trimmed(), second);
    QCOMPARE(game.Party(2).Name.Trimmed(), first);
    QVERIFY(window->OpenDialog() == nullptr);
    QVERIFY(!window->ModalOpen());
    // The shop shows the frame of what it does, the buying one first.
    zorvek::ShopDialog shop(game);
    std::vector<bool> shown;
    WhenModalOpens<DialogWindow>([&](DialogWindow* dialog) {
      shown = {dialog->Control("FRComprar")->isVisible(), dialog->Control("FRVender")->isVisible()};
      ControlOf<QPushButton>(dialog, "CBVender")->click();
      shown.push_back(dialog->Control("FRVender")->isVisible());
      ControlOf<QPushButton>(dialog, "CBSalir")->click();
    });
    window->ShowDialog(shop);
    QCOMPARE(shown, (std::vector<bool>{true, false, true}));
    QVERIFY(shop.Closed());
  }

  // Ticks are delivered by hand (the timer's own signal), so that no test waits on the
  // wall clock. One that comes while a box opens (as the voice speaks its question) or
  // under it is held back; the next one after it goes through.
  void TimersTickIntoTheGameAndAreHeldUnderAModalWindowWhoseAnswersReachTheGame() {
    auto engine = std::make_unique<FakeVoice>();
    FakeVoice& voiceLog = *engine;
    zorvek::qt::Speaker voice(std::move(engine));
    auto window = NewWindow(nullptr, &voice);
    window->game().SetTimer(TimerId::TMRSonidos, true);
    QVERIFY(window->Timer(TimerId::TMRSonidos)->isActive());
    QTimer* recovery = window->Timer(TimerId::TMRRecuperacion);
    QVERIFY(recovery->isActive());
    recovery->stop();  // only the ticks below
    auto tick = [recovery] { QVERIFY(QMetaObject::invokeMethod(recovery, "timeout")); };
    tick();
    QCOMPARE(window->TicksDelivered(TimerId::TMRRecuperacion), 1);
    voiceLog.OnSay = [&](const QString& said) {
      if (said.startsWith(QStringLiteral("¿Desea cargar"))) tick();
    };
    int heldDuringBox = 0;
    QString yesNo;
    WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
      tick();
      heldDuringBox = window->TicksHeld(TimerId::TMRRecuperacion);
      yesNo = box->button(QMessageBox::Yes)->text() + box->button(QMessageBox::No)->text();
      box->button(QMessageBox::No)->click();
    });
    Press(*window, Qt::Key_F8);
    voiceLog.OnSay = nullptr;
    QCOMPARE(heldDuringBox, 2);
    QCOMPARE(window->TicksDelivered(TimerId::TMRRecuperacion), 1);
    QCOMPARE(yesNo, QStringLiteral("&Sí&No"));
    tick();
    QCOMPARE(window->TicksDelivered(TimerId::TMRRecuperacion), 2);
    // The Yes button's answer reaches the game: F7 saves.
    QString title;
    WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
      title = box->windowTitle();
      box->button(QMessageBox::Yes)->click();
    });
    Press(*window, Qt::Key_F7);
    QCOMPARE(title, QStringLiteral("Guardar partida"));
    QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("A.dat"))));
  }

  void TheScreenReaderIsToldEachTextAsASelectedInsertion() {
    auto window = NewWindow();
    Game& game = window->game();
    Recruit(game);
    QPlainTextEdit* data = window->TextWidget(TextArea::TBDatos);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(data);
    QVERIFY(access != nullptr && access->textInterface() != nullptr);
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Datos"));
    if (QGuiApplication::platformName() == QStringLiteral("offscreen")) {
      QSKIP("no accessibility bridge offscreen; run under with-accessibility-bus");
    }
    std::vector<Insertion> told;
    ListenToAccessibility listen(told);
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 5000);
    // Orca speaks text inserted into the focused widget only when the insertion is also
    // the selection; the same text written twice must be told twice; the narration's
    // news (F3 names the hero who picks things up) comes first.
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_F3, Qt::Key_Space, Qt::Key_Space, Qt::Key_F2}) {
      told.clear();
      QTest::keyClick(data, key);
      std::vector<Insertion> intoData;
      for (const Insertion& i : told) {
        if (i.Object == data) intoData.push_back(i);
      }
      QCOMPARE(intoData.size(), std::size_t{1});
      QAccessibleTextInterface* text = access->textInterface();
      int start = -1;
      int end = -1;
      text->selection(0, &start, &end);
      QCOMPARE(start, intoData.front().Position);
      QCOMPARE(text->text(start, end), intoData.front().Text);
      QCOMPARE(end, text->characterCount());
      QString heard = intoData.front().Text;
      heard.replace(QChar(QChar::LineSeparator), QLatin1Char('\n'));
      QVERIFY(heard.endsWith(Shown(game.Text(TextArea::TBDatos))));
      if (key == Qt::Key_F3) {
        QVERIFY(heard.startsWith(Shown(game.Text(TextArea::TBGeneral))));
        QVERIFY(heard.startsWith(QStringLiteral("recoger cosas con ")));
      }
    }
    QCOMPARE(Area(*window, TextArea::TBDatos),
             QStringLiteral("Lectura de coordenadas desactivada"));
  }

  void EachEndOfTheGameStopsItsWindow() {
    auto closed = NewWindow();
    closed->close();
    QCOMPARE(closed->End(), GameEnd::Closed);
    QVERIFY(!closed->Timer(TimerId::TMRRecuperacion)->isActive());
    // The party's death ends the program, and nothing of the game runs after it.
    auto lost = NewWindow();
    WhenModalOpens<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    zorvek::PartyLost(lost->game());
    QCOMPARE(lost->End(), GameEnd::ProgramEnded);
    QVERIFY(!lost->isVisible());
    const std::string before = lost->game().Text(TextArea::TBDatos);
    lost->PressKey(112, 0);
    lost->Tick(TimerId::TMRRecuperacion);
    QCOMPARE(lost->game().Text(TextArea::TBDatos), before);
    QCOMPARE(lost->TicksDelivered(TimerId::TMRRecuperacion), 0);
    auto won = NewWindow();
    BoxCloser closer;
    zorvek::FinalVictory(won->game());
    QVERIFY(closer.closed > 0);
    QCOMPARE(won->End(), GameEnd::Victory);
    QVERIFY(!won->isVisible());
  }

  // The review takes the focus so that the screen reader speaks it, and changes neither
  // the game nor its text areas; the next key of the game gives the focus back.
  void TheConveniencesReviewAndScaleWithoutTouchingTheGame() {
    auto comfort = NewComfort();
    auto window = NewWindow(comfort.get());
    Game& game = window->game();
    Press(*window, Qt::Key_S);
    const QString exits = Shown(game.Text(TextArea::TBDatos)).trimmed();
    Press(*window, Qt::Key_Right);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const QString data = Area(*window, TextArea::TBDatos);
    const std::string told = game.Text(TextArea::TBDatos);
    const auto count = static_cast<int>(comfort->Review().Size());
    const QString of = QStringLiteral(" de %1: ").arg(count);
    Press(*window, Qt::Key_F9);
    QCOMPARE(Review(*window), QString::number(count - 1) + of + exits);
    QCOMPARE(game.Text(TextArea::TBDatos), told);
    QCOMPARE(Area(*window, TextArea::TBDatos), data);
    QCOMPARE(QApplication::focusWidget(), window->ReviewWidget());
    Press(*window, Qt::Key_S);
    QCOMPARE(QApplication::focusWidget(), window->TextWidget(TextArea::TBDatos));
    QCOMPARE(comfort->Review().Size(), static_cast<std::size_t>(count + 1));
    // The volumes scale what the back-end plays, and the game waits under the settings.
    Press(*window, Qt::Key_F6);
    QVERIFY(Review(*window).startsWith(QStringLiteral("Ajustes. Música: 100 %.")));
    for (int i = 0; i < 4; ++i) Press(*window, Qt::Key_Left);
    QCOMPARE(Review(*window), QStringLiteral("Música: 60 %"));
    QCOMPARE(sound_.Volume.at({SoundBank::Music, 0}), 54);  // 60 % of the game's 90, at once
    Press(*window, Qt::Key_Down);
    Press(*window, Qt::Key_Left);
    Press(*window, Qt::Key_Space);
    QCOMPARE(Review(*window), QStringLiteral("Efectos: silenciada"));
    QCOMPARE(sound_.Volume.at({SoundBank::Effects, 1}), 0);
    window->Tick(TimerId::TMRRecuperacion);
    QCOMPARE(window->TicksDelivered(TimerId::TMRRecuperacion), 0);
    Press(*window, Qt::Key_Space);
    Press(*window, Qt::Key_Escape);
    window->Tick(TimerId::TMRRecuperacion);
    QCOMPARE(window->TicksDelivered(TimerId::TMRRecuperacion), 1);
    window->game().ui().Beep();
    QCOMPARE(beepLevel_, 90);
  }

  void TheVoiceIsSwitchedSpedUpAndChosenAndStopsOnTheNextKey() {
    auto engine = std::make_unique<FakeVoice>();
    FakeVoice& log = *engine;
    zorvek::qt::Speaker voice(std::move(engine));
    auto comfort = NewComfort(&voice);
    auto window = NewWindow(comfort.get(), &voice);
    const int stops = log.Stops;
    Press(*window, Qt::Key_F6);
    QVERIFY(log.Stops > stops);  // the key cut short what was being said
    Press(*window, Qt::Key_Down);
    Press(*window, Qt::Key_Down);
    Press(*window, Qt::Key_Space);
    Press(*window, Qt::Key_Down);
    QCOMPARE(log.Said.back(), QStringLiteral("Voz: desactivada"));  // its last words
    Press(*window, Qt::Key_Up);
    Press(*window, Qt::Key_Space);
    Press(*window, Qt::Key_Down);
    Press(*window, Qt::Key_Right);
    QCOMPARE(log.Said.back(), QStringLiteral("Velocidad de la voz: 60 %"));
    QVERIFY(qAbs(log.Rate - 0.2) < 1e-9);
    Press(*window, Qt::Key_Down);
    Press(*window, Qt::Key_Right);
    QCOMPARE(log.Voice, QStringLiteral("Jorge"));
    QCOMPARE(zorvek::frontend::LoadSettings(SettingsFile()).Values.Voice, std::string("Jorge"));
  }
};

QTEST_MAIN(QtWindowsTest)
#include "QtWindowsTest.moc"
