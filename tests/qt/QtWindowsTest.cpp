// The desktop windows driven as a player drives them, on the offscreen platform.
#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "QtSupport.hpp"
#include "app/qt/DialogWindow.hpp"
#include "app/qt/GameWindow.hpp"
#include "app/qt/KeyCodes.hpp"
#include "app/qt/StartMenuWindow.hpp"
#include "app/shared/WindowLayouts.hpp"
#include "generation/PhaseChange.hpp"
#include "platform/Dialog.hpp"
#include "shop/ShopDialog.hpp"
#include "startup/Keyboard.hpp"
#include "startup/StartUp.hpp"

using zorvek::Answer;
using zorvek::Buttons;
using zorvek::Game;
using zorvek::TextArea;
using zorvek::TimerId;
using zorvek::qt::GameEnd;
using zorvek::qt::GameWindow;
using zorvek::qt::Shown;

using namespace qttest;

class QtWindowsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  LoggedSound sound_;
  int beeps_ = 0;

  std::unique_ptr<GameWindow> NewWindow(int32_t difficulty = 1, int32_t seed = kSeed) {
    zorvek::qt::GameWindowSetup setup{sound_,
                                      zorvek::RunSettings{dir_.path().toStdString(), seed},
                                      difficulty,
                                      false,
                                      [this] { ++beeps_; },
                                      nullptr};
    auto window = std::make_unique<GameWindow>(std::move(setup));
    window->show();
    window->activateWindow();
    return window;
  }

  static QString Area(const GameWindow& w, TextArea area) {
    return w.TextWidget(area)->toPlainText();
  }

  static void Recruit(Game& game) {
    game.Party(1) = game.DungeonBeings(1);
    game.Party(2) = game.DungeonBeings(2);
    game.AnyRecruited = true;
  }

 private slots:
  void KeysHaveTheGamesCodesAndModifierMask() {
    using zorvek::qt::KeyCodeOf;
    QCOMPARE(KeyCodeOf(Qt::Key_A, false), 65);
    QCOMPARE(KeyCodeOf(Qt::Key_Z, false), 90);
    QCOMPARE(KeyCodeOf(Qt::Key_0, false), 48);
    QCOMPARE(KeyCodeOf(Qt::Key_9, false), 57);
    QCOMPARE(KeyCodeOf(Qt::Key_5, true), 101);  // keypad digits are no menu digits
    QCOMPARE(KeyCodeOf(Qt::Key_F1, false), 112);
    QCOMPARE(KeyCodeOf(Qt::Key_F12, false), 123);
    QCOMPARE(KeyCodeOf(Qt::Key_Left, false), 37);
    QCOMPARE(KeyCodeOf(Qt::Key_Up, false), 38);
    QCOMPARE(KeyCodeOf(Qt::Key_Right, false), 39);
    QCOMPARE(KeyCodeOf(Qt::Key_Down, false), 40);
    QCOMPARE(KeyCodeOf(Qt::Key_Left, true), 37);
    QCOMPARE(KeyCodeOf(Qt::Key_Return, false), 13);
    QCOMPARE(KeyCodeOf(Qt::Key_Enter, true), 13);
    QCOMPARE(KeyCodeOf(Qt::Key_Escape, false), 27);
    QCOMPARE(KeyCodeOf(Qt::Key_Backspace, false), 8);
    QCOMPARE(KeyCodeOf(Qt::Key_Space, false), 32);
    QCOMPARE(KeyCodeOf(Qt::Key_Control, false), 17);
    QCOMPARE(KeyCodeOf(Qt::Key_Menu, false), 93);
    QKeyEvent shifted(QEvent::KeyPress, Qt::Key_S, Qt::ShiftModifier | Qt::AltModifier);
    auto key = zorvek::qt::TranslateKey(shifted);
    QVERIFY(key.has_value());
    QCOMPARE(key->Code, 83);
    QCOMPARE(key->Shift, 5);
    QKeyEvent control(QEvent::KeyPress, Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(zorvek::qt::TranslateKey(control)->Shift, 2);
  }

  void TheStartMenuStartsAGameAtEachDifficulty() {
    zorvek::qt::StartMenuWindow menu(zorvek::qt::StartMenuSetup{
        sound_, zorvek::RunSettings{dir_.path().toStdString(), kSeed}, {}, nullptr});
    menu.show();
    QCOMPARE(menu.windowTitle(), QStringLiteral("Zorvek"));
    QCOMPARE(menu.List1()->count(), 4);
    QCOMPARE(menu.List1()->item(3)->text(), QStringLiteral("Imposible (x5)!"));
    QCOMPARE(menu.List1()->currentRow(), 0);
    QVERIFY(menu.MusicPlaying());
    QVERIFY(sound_.Log.Count("load music 6 " + dir_.path().toStdString() +
                             "/sonidos/Song_of_the_seas.mp3") == 1);
    const int32_t expected[] = {1, 2, 3, 5};
    for (int row = 0; row < 4; ++row) {
      menu.List1()->setCurrentRow(row);
      int32_t difficulty = 0;
      bool musicDuringGame = true;
      QString firstLine;
      WhenModalOpens<GameWindow>([&](GameWindow* window) {
        difficulty = window->game().Difficulty;
        musicDuringGame = menu.MusicPlaying();
        firstLine = Area(*window, TextArea::TBDatos);
        window->close();
      });
      QTest::mouseClick(menu.Command1(), Qt::LeftButton);
      QCOMPARE(difficulty, expected[row]);
      QVERIFY(!musicDuringGame);
      QVERIFY(!firstLine.isEmpty());
      QVERIFY(firstLine != QStringLiteral("Cargando...\n"));
      QVERIFY(menu.MusicPlaying());  // the menu's music is back
    }
    QCOMPARE(sound_.Log.Count("play music 6 loop"), 5);
    menu.close();
    QVERIFY(sound_.Log.Count("free music 6") >= 5);
  }

  void TheWindowShowsTheStartUpTexts() {
    auto window = NewWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("ZORVEK"));
    Game& game = window->game();
    for (TextArea area : {TextArea::TBGeneral, TextArea::TBOpciones}) {
      QCOMPARE(Area(*window, area), Shown(game.Text(area)));
    }
    for (TextArea area : {TextArea::TBGeneral, TextArea::TBDatos, TextArea::TBOpciones}) {
      QVERIFY(window->TextWidget(area)->isReadOnly());
    }
    // The room's name is news of the narration: the data line says it first.
    QVERIFY(!game.Text(TextArea::TBGeneral).empty());
    QCOMPARE(Area(*window, TextArea::TBDatos),
             Shown(game.Text(TextArea::TBGeneral) + "\n" + game.Text(TextArea::TBDatos)));
    QCOMPARE(window->TextWidget(TextArea::TBDatos)->accessibleName(), QStringLiteral("Datos"));
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), window->TextWidget(TextArea::TBDatos));
  }

  void KeysReachTheEngineWithTheirCodes() {
    auto window = NewWindow();
    // A twin game with the same seed takes the codes the window should send.
    TwinGame twinGame(dir_.path().toStdString());
    Game& twin = twinGame.game;
    BoxCloser closer;
    struct Press {
      Qt::Key Key;
      Qt::KeyboardModifiers Mods;
      int16_t Code;
      int16_t Shift;
    };
    const Press presses[] = {
        {Qt::Key_Right, Qt::NoModifier, 39, 0},  {Qt::Key_Up, Qt::NoModifier, 38, 0},
        {Qt::Key_Down, Qt::NoModifier, 40, 0},   {Qt::Key_Left, Qt::NoModifier, 37, 0},
        {Qt::Key_Right, Qt::NoModifier, 39, 0},  {Qt::Key_1, Qt::NoModifier, 49, 0},
        {Qt::Key_2, Qt::NoModifier, 50, 0},      {Qt::Key_Backspace, Qt::NoModifier, 8, 0},
        {Qt::Key_1, Qt::ControlModifier, 49, 2}, {Qt::Key_F1, Qt::NoModifier, 112, 0},
        {Qt::Key_F2, Qt::NoModifier, 113, 0},    {Qt::Key_S, Qt::NoModifier, 83, 0},
        {Qt::Key_E, Qt::NoModifier, 69, 0},      {Qt::Key_T, Qt::NoModifier, 84, 0},
        {Qt::Key_V, Qt::NoModifier, 86, 0},      {Qt::Key_Enter, Qt::NoModifier, 13, 0},
        {Qt::Key_Space, Qt::NoModifier, 32, 0},  {Qt::Key_G, Qt::NoModifier, 71, 0},
    };
    QWidget* data = window->TextWidget(TextArea::TBDatos);
    for (const Press& p : presses) {
      QTest::keyClick(data, p.Key, p.Mods);
      int16_t code = p.Code;
      zorvek::HandleKey(twin, code, p.Shift);
      for (TextArea area : {TextArea::TBGeneral, TextArea::TBDatos, TextArea::TBOpciones}) {
        QCOMPARE(window->game().Text(area), twin.Text(area));
      }
      QCOMPARE(Area(*window, TextArea::TBGeneral), Shown(twin.Text(TextArea::TBGeneral)));
      QCOMPARE(Area(*window, TextArea::TBOpciones), Shown(twin.Text(TextArea::TBOpciones)));
      QVERIFY(Area(*window, TextArea::TBDatos).endsWith(Shown(twin.Text(TextArea::TBDatos))));
      QCOMPARE(window->game().CursorX, twin.CursorX);
      QCOMPARE(window->game().CursorY, twin.CursorY);
      QCOMPARE(window->game().CellMenuInput, twin.CellMenuInput);
    }
    QVERIFY(Area(*window, TextArea::TBDatos) !=
            QStringLiteral("Lectura de coordenadas desactivada"));  // G came last
    QCOMPARE(window->game().ReadCoordinates, false);
    QCOMPARE(beeps_ > 0, true);  // G before recruiting beeps
    // A keypad digit is not a menu digit; a main-block digit is.
    std::string typed = window->game().CellMenuInput;
    QTest::keyClick(data, Qt::Key_7, Qt::KeypadModifier);
    QCOMPARE(window->game().CellMenuInput, typed);
    QTest::keyClick(data, Qt::Key_7);
    QCOMPARE(window->game().CellMenuInput, typed + "7");
    QCOMPARE(Area(*window, TextArea::TBDatos), QString::fromStdString(typed + "7"));
    QTest::keyClick(data, Qt::Key_F1);
    QVERIFY(
        Area(*window, TextArea::TBDatos).startsWith(QStringLiteral("Combinaciones de teclas: ")));
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), data);
  }

  void TheSameNarrationWrittenAgainIsHeardAgain() {
    auto window = NewWindow();
    Game& game = window->game();
    game.Party(1) = game.DungeonBeings(1);  // the only hero: F3 names him every time
    game.AnyRecruited = true;
    for (int press = 0; press < 2; ++press) {
      QTest::keyClick(window->TextWidget(TextArea::TBDatos), Qt::Key_F3);
      QVERIFY(Area(*window, TextArea::TBDatos).startsWith(QStringLiteral("recoger cosas con ")));
    }
  }

  void AMessageBoxAsksAndItsAnswerReachesTheGame() {
    auto window = NewWindow();
    QString text;
    QString title;
    bool yesNo = false;
    WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
      text = box->text();
      title = box->windowTitle();
      yesNo = box->button(QMessageBox::Yes) != nullptr && box->button(QMessageBox::No) != nullptr;
      box->button(QMessageBox::Yes)->click();
    });
    QTest::keyClick(window->TextWidget(TextArea::TBDatos), Qt::Key_F7);
    QCOMPARE(text, QStringLiteral(
                       "¿Realmente desea guardar la partida? (La grabación anterior se perderá)"));
    QCOMPARE(title, QStringLiteral("Guardar partida"));
    QVERIFY(yesNo);
    QVERIFY(QFile::exists(dir_.filePath(QStringLiteral("A.dat"))));

    // A box's default title and OK button.
    WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
      title = box->windowTitle();
      yesNo = box->button(QMessageBox::Yes) != nullptr;
      box->button(QMessageBox::Ok)->click();
    });
    QCOMPARE(window->MessageBox("Laberinto correcto", Buttons::Ok, "Zorvek"), Answer::Ok);
    QCOMPARE(title, QStringLiteral("Zorvek"));
    QVERIFY(!yesNo);
  }

  void AnInputBoxAsksAndItsAnswerReachesTheGame() {
    auto window = NewWindow();
    Game& game = window->game();
    Recruit(game);
    std::string first = game.Party(1).Name.Trimmed();
    std::string second = game.Party(2).Name.Trimmed();
    QString prompt;
    QString title;
    QString caption;
    int lines = 0;
    WhenModalOpens<zorvek::qt::DialogWindow>([&](zorvek::qt::DialogWindow* dialog) {
      caption = dialog->windowTitle();
      lines = static_cast<QListWidget*>(dialog->Control("List1"))->count();
      WhenModalOpens<QInputDialog>([&](QInputDialog* box) {
        prompt = box->labelText();
        title = box->windowTitle();
        box->setTextValue(QStringLiteral("2"));
        box->accept();
      });
      static_cast<QPushButton*>(dialog->Control("Command1"))->click();
      static_cast<QPushButton*>(dialog->Control("OKButton"))->click();
    });
    QTest::keyClick(window->TextWidget(TextArea::TBDatos), Qt::Key_G);
    QCOMPARE(caption, QStringLiteral("EL GRUPO DE HÉROES"));
    QVERIFY(lines >= 3);
    QVERIFY(prompt.startsWith(QString::fromStdString("¿En qué posición desea colocar a " + first)));
    QCOMPARE(title, QStringLiteral("Zorvek"));
    // The typed "2" moved the first hero to the second marching position.
    QCOMPARE(game.Party(2).Name.Trimmed(), first);
    QCOMPARE(game.Party(1).Name.Trimmed(), second);
    QVERIFY(window->OpenDialog() == nullptr);
    QVERIFY(!window->ModalOpen());
  }

  void ThePartyDialogsObjectMenuActs() {
    auto window = NewWindow();
    Game& game = window->game();
    Recruit(game);
    QString sheet;
    bool menuEnabled = false;
    bool examined = false;
    WhenModalOpens<zorvek::qt::DialogWindow>([&](zorvek::qt::DialogWindow* dialog) {
      auto* option = static_cast<QRadioButton*>(dialog->Control("Option1(1)"));
      QCOMPARE(option->text(), QString::fromStdString(game.Party(2).Name.Trimmed()));
      option->click();
      sheet = static_cast<QLineEdit*>(dialog->Control("TBNombre"))->text();
      auto* list = static_cast<QListWidget*>(dialog->Control("List1"));
      list->setCurrentRow(0);
      menuEnabled = dialog->Control("Command2")->isEnabled();
      QAction* examine = dialog->MenuEntry("MnuOpcExa");
      QVERIFY(examine != nullptr);
      QVERIFY(dialog->MenuEntry("MnuOpcDarLis(2)") != nullptr);
      WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
        examined = true;
        box->button(QMessageBox::Ok)->click();
      });
      if (examine->isEnabled()) examine->trigger();
      dialog->close();  // closing the window is its OK button
    });
    QTest::keyClick(window->TextWidget(TextArea::TBDatos), Qt::Key_G);
    QCOMPARE(sheet, QString::fromStdString(game.Party(2).Name.Trimmed()));
    Q_UNUSED(menuEnabled);
    Q_UNUSED(examined);
    QVERIFY(!window->ModalOpen());
  }

  void TheShopShowsItsFramesAndCloses() {
    auto window = NewWindow();
    Game& game = window->game();
    Recruit(game);
    zorvek::ShopDialog shop(game);
    bool sellShown = true;
    bool buyShown = false;
    bool sellShownAfter = false;
    QString greeting;
    WhenModalOpens<zorvek::qt::DialogWindow>([&](zorvek::qt::DialogWindow* dialog) {
      greeting = static_cast<QPlainTextEdit*>(dialog->Control("Text1"))->toPlainText();
      buyShown = dialog->Control("FRComprar")->isVisible();
      sellShown = dialog->Control("FRVender")->isVisible();
      static_cast<QPushButton*>(dialog->Control("CBVender"))->click();
      sellShownAfter = dialog->Control("FRVender")->isVisible();
      static_cast<QPushButton*>(dialog->Control("CBSalir"))->click();
    });
    window->ShowDialog(shop);
    QCOMPARE(greeting,
             QStringLiteral("Bienvenido a Gnomos y Compañía, ¿en qué podemos atenderle?"));
    QVERIFY(buyShown);
    QVERIFY(!sellShown);
    QVERIFY(sellShownAfter);
    QVERIFY(shop.Closed());
  }

  // Ticks are delivered by hand (the timer's own signal), so that no test waits on the
  // wall clock: one under a message box is held back, the next one after it goes through.
  void TimersTickIntoTheGameAndAreHeldUnderAModalWindow() {
    auto window = NewWindow();
    for (TimerId id : {TimerId::TMRRecuperacion, TimerId::TMRPersecu, TimerId::TMRSonidos}) {
      QCOMPARE(window->Timer(id)->interval(), zorvek::frontend::TimerIntervalMs(id));
      QCOMPARE(window->Timer(id)->isActive(), window->game().TimerEnabled(id));
    }
    window->game().SetTimer(TimerId::TMRSonidos, true);
    QVERIFY(window->Timer(TimerId::TMRSonidos)->isActive());
    window->game().SetTimer(TimerId::TMRSonidos, false);
    QVERIFY(!window->Timer(TimerId::TMRSonidos)->isActive());

    QTimer* recovery = window->Timer(TimerId::TMRRecuperacion);
    QVERIFY(recovery->isActive());
    recovery->stop();  // only the ticks below
    auto tick = [recovery] { QVERIFY(QMetaObject::invokeMethod(recovery, "timeout")); };
    tick();
    tick();
    QCOMPARE(window->TicksDelivered(TimerId::TMRRecuperacion), 2);
    int heldDuringBox = 0;
    QString yes;
    QString no;
    WhenModalOpens<QMessageBox>([&](QMessageBox* box) {
      tick();
      tick();
      QCOMPARE(window->TicksDelivered(TimerId::TMRRecuperacion), 2);
      heldDuringBox = window->TicksHeld(TimerId::TMRRecuperacion);
      yes = box->button(QMessageBox::Yes)->text();
      no = box->button(QMessageBox::No)->text();
      box->button(QMessageBox::No)->click();
    });
    QTest::keyClick(window->TextWidget(TextArea::TBDatos), Qt::Key_F8);
    QCOMPARE(heldDuringBox, 2);
    QCOMPARE(yes, QStringLiteral("&Sí"));
    QCOMPARE(no, QStringLiteral("&No"));
    tick();
    QCOMPARE(window->TicksDelivered(TimerId::TMRRecuperacion), 3);
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

  void RandomKeysAndTicksNeverBreakTheWindow() {
    // Many seeds, random keys with random modifiers, timer ticks, and random answers to
    // every box and dialog: the window keeps the game's data line and the focus until
    // the game ends.
    const Qt::Key keys[] = {
        Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Left,
        Qt::Key_Right,  Qt::Key_Up,    Qt::Key_Down,      Qt::Key_Return, Qt::Key_Enter,
        Qt::Key_Escape, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Menu,   Qt::Key_0,
        Qt::Key_1,      Qt::Key_2,     Qt::Key_3,         Qt::Key_4,      Qt::Key_9,
        Qt::Key_A,      Qt::Key_C,     Qt::Key_E,         Qt::Key_G,      Qt::Key_H,
        Qt::Key_S,      Qt::Key_T,     Qt::Key_V,         Qt::Key_F1,     Qt::Key_F2,
        Qt::Key_F3,     Qt::Key_F5,    Qt::Key_F7,        Qt::Key_F8,     Qt::Key_Tab};
    const Qt::KeyboardModifiers mods[] = {
        Qt::NoModifier,  Qt::NoModifier,      Qt::NoModifier,
        Qt::NoModifier,  Qt::ControlModifier, Qt::ShiftModifier,
        Qt::AltModifier, Qt::KeypadModifier,  Qt::ControlModifier | Qt::ShiftModifier};
    for (uint32_t seed = 1; seed <= 12; ++seed) {
      auto window = NewWindow(seed % 2 == 0 ? 1 : 5, static_cast<int32_t>(seed));
      Game& game = window->game();
      RandomAnswers answers(seed);
      if (seed > 1) {
        for (int p = 1; p <= 4; ++p) game.Party(p) = game.DungeonBeings(p);
        game.AnyRecruited = true;
        game.RecruitingOpen = false;
      }
      for (uint32_t phase = 1; phase < seed % 5 + 1; ++phase) zorvek::CompletePhase(game);
      QPlainTextEdit* data = window->TextWidget(TextArea::TBDatos);
      std::mt19937 pick(seed);
      for (int n = 0; n < 300 && window->End() == GameEnd::Open; ++n) {
        if (pick() % 8 == 0) {
          window->Tick(static_cast<TimerId>(pick() % 3));
        } else {
          Qt::Key k = keys[pick() % std::size(keys)];
          Qt::KeyboardModifiers m = mods[pick() % std::size(mods)];
          // Walks go several steps one way, so that the party leaves its room.
          int times =
              k >= Qt::Key_Left && k <= Qt::Key_Down ? static_cast<int>(pick() % 10) + 1 : 1;
          for (int i = 0; i < times && window->End() == GameEnd::Open; ++i) {
            QTest::keyClick(data, k, i == 0 ? m : Qt::NoModifier);
          }
        }
        if (window->End() != GameEnd::Open) break;
        QVERIFY(!window->ModalOpen());
        QVERIFY2(Area(*window, TextArea::TBDatos).endsWith(Shown(game.Text(TextArea::TBDatos))),
                 qPrintable(QStringLiteral("seed %1, step %2: shown \"%3\", game \"%4\"")
                                .arg(seed)
                                .arg(n)
                                .arg(Area(*window, TextArea::TBDatos),
                                     Shown(game.Text(TextArea::TBDatos)))));
        QCOMPARE(Area(*window, TextArea::TBGeneral), Shown(game.Text(TextArea::TBGeneral)));
      }
    }
  }

  void ClosingTheWindowReleasesTheSoundChannels() {
    auto window = NewWindow();
    int freedBefore = sound_.Log.Count("free effects");
    window->close();
    QCOMPARE(window->End(), GameEnd::Closed);
    QVERIFY(sound_.Log.Count("free effects") > freedBefore);
    QVERIFY(!window->Timer(TimerId::TMRRecuperacion)->isActive());
  }

  void ThePartysDeathEndsTheGameAndNothingRunsAfter() {
    auto window = NewWindow();
    WhenModalOpens<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::Ok)->click(); });
    zorvek::PartyLost(window->game());
    QCOMPARE(window->End(), GameEnd::ProgramEnded);
    QVERIFY(!window->isVisible());
    std::string before = window->game().Text(TextArea::TBDatos);
    window->PressKey(112, 0);
    window->Tick(TimerId::TMRRecuperacion);
    QCOMPARE(window->game().Text(TextArea::TBDatos), before);
    QCOMPARE(window->TicksDelivered(TimerId::TMRRecuperacion), 0);
    QVERIFY(!window->Timer(TimerId::TMRRecuperacion)->isActive());
  }

  void TheFinalVictoryClosesTheWindow() {
    auto window = NewWindow();
    BoxCloser closer;
    zorvek::FinalVictory(window->game());
    QVERIFY(closer.closed > 0);
    QCOMPARE(window->End(), GameEnd::Victory);
    QVERIFY(!window->isVisible());
  }
};

QTEST_MAIN(QtWindowsTest)
#include "QtWindowsTest.moc"
