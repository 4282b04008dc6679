// The desktop's conveniences driven as a player drives them: the review of past texts,
// the volumes, the settings kept across starts, the voice's settings, and every key of
// the game meaning what it meant.
#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <map>
#include <memory>
#include <tuple>

#include "QtSupport.hpp"
#include "app/qt/KeyCodes.hpp"
#include "app/qt/Speaker.hpp"
#include "app/shared/Comfort.hpp"
#include "startup/Keyboard.hpp"
#include "startup/StartUp.hpp"

using zorvek::Game;
using zorvek::SoundBank;
using zorvek::TextArea;
using zorvek::frontend::Comfort;
using zorvek::qt::GameWindow;
using zorvek::qt::Shown;
using namespace qttest;

namespace {

// The volume each channel was last asked for, passed on to `Inner` when there is one.
class VolumeLog final : public zorvek::SoundSystem {
 public:
  using Channel = std::pair<SoundBank, int>;
  std::map<Channel, int32_t> Volume;
  zorvek::SoundSystem* Inner = nullptr;

  std::unique_ptr<zorvek::SoundPlayer> Create(SoundBank bank, int channel) override {
    return std::make_unique<Player>(*this, Channel{bank, channel},
                                    Inner ? Inner->Create(bank, channel) : nullptr);
  }

 private:
  class Player final : public zorvek::SoundPlayer {
   public:
    Player(VolumeLog& log, Channel channel, std::unique_ptr<zorvek::SoundPlayer> inner)
        : log_(log), channel_(channel), inner_(std::move(inner)) {}
    void Init(int32_t) override {}
    int32_t Load(const std::string&) override { return 1; }
    int32_t Play(bool loop, bool flag) override { return inner_ ? inner_->Play(loop, flag) : 1; }
    void Stop(bool) override {}
    void SetProperty(int kind, int32_t value, bool flag) override {
      if (kind == 3) log_.Volume[channel_] = value;
      if (inner_) inner_->SetProperty(kind, value, flag);
    }
    void Unload(int32_t) override {}
    void Free() override {}

   private:
    VolumeLog& log_;
    Channel channel_;
    std::unique_ptr<zorvek::SoundPlayer> inner_;
  };
};

// A voice with two Spanish voices that notes what it is asked.
struct FakeVoice final : zorvek::qt::SpeechEngine {
  QStringList Said;
  int Stops = 0;
  double Rate = 0;
  QString Voice;
  void Say(const QString& text) override { Said.push_back(text); }
  void Stop() override { ++Stops; }
  void SetRate(double rate) override { Rate = rate; }
  QStringList SpanishVoices() override { return {"Mónica", "Jorge"}; }
  void SetVoice(const QString& name) override { Voice = name; }
};

}  // namespace

class QtComfortTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  VolumeLog device_;  // what the sound back-end is asked
  int beepLevel_ = -1;
  zorvek::frontend::ScaledSoundSystem sound_{device_, [this](int level) { beepLevel_ = level; }};
  VolumeLog asked_;  // what the game asks, above the levels

  std::filesystem::path SettingsFile() const {
    return std::filesystem::path(dir_.path().toStdString()) / "config" / "ajustes.json";
  }

  std::unique_ptr<Comfort> NewComfort(zorvek::qt::Speaker* voice = nullptr) {
    zorvek::frontend::ComfortSetup setup{&sound_,
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

  std::unique_ptr<GameWindow> NewWindow(Comfort* comfort, zorvek::qt::Speaker* voice = nullptr) {
    asked_.Inner = &sound_;
    auto window = std::make_unique<GameWindow>(
        zorvek::qt::GameWindowSetup{asked_, zorvek::RunSettings{dir_.path().toStdString(), kSeed},
                                    1, false, [this] { sound_.Beep(); }, voice, comfort});
    window->show();
    window->activateWindow();
    return window;
  }

  static void Press(GameWindow& w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QTest::keyClick(w.TextWidget(TextArea::TBDatos), key, mods);
  }
  static QString Review(const GameWindow& w) {
    return w.ReviewWidget()->toPlainText().replace(QChar(QChar::LineSeparator), '\n');
  }

 private slots:
  void init() { std::filesystem::remove_all(SettingsFile().parent_path()); }

  void AnEarlierTextIsHeardAgainAndTheReviewReachesBothEnds() {
    auto comfort = NewComfort();
    auto window = NewWindow(comfort.get());
    Game& game = window->game();
    Press(*window, Qt::Key_S);
    const QString exits = Shown(game.Text(TextArea::TBDatos)).trimmed();
    BoxCloser closer;
    Press(*window, Qt::Key_F7);  // the question is kept too
    QTRY_COMPARE(closer.closed, 1);
    Press(*window, Qt::Key_Right);
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    const QString data = window->TextWidget(TextArea::TBDatos)->toPlainText();
    const std::string told = game.Text(TextArea::TBDatos);
    const QString of = QStringLiteral(" de %1: ").arg(comfort->Review().Size());
    const auto count = static_cast<int>(comfort->Review().Size());

    Press(*window, Qt::Key_F9);
    QVERIFY(Review(*window).contains(QStringLiteral("¿Realmente desea guardar la partida?")));
    Press(*window, Qt::Key_F9);
    QCOMPARE(Review(*window), QString::number(count - 2) + of + exits);
    // Reading changes neither the game nor its text areas, and takes the focus so that
    // the screen reader speaks it.
    QCOMPARE(game.Text(TextArea::TBDatos), told);
    QCOMPARE(window->TextWidget(TextArea::TBDatos)->toPlainText(), data);
    QCOMPARE(QApplication::focusWidget(), window->ReviewWidget());
    Press(*window, Qt::Key_F9, Qt::ShiftModifier);
    QVERIFY(Review(*window).startsWith(QStringLiteral("1") + of));
    Press(*window, Qt::Key_F9);
    QCOMPARE(Review(*window), QStringLiteral("Principio."));
    Press(*window, Qt::Key_F10, Qt::ShiftModifier);
    Press(*window, Qt::Key_F10);
    QCOMPARE(Review(*window), QStringLiteral("Final."));
    Press(*window, Qt::Key_F11);
    QCOMPARE(Review(*window), QString::number(count) + of + Shown(told).trimmed());
    // The next key of the game is answered in the data line, which has the focus again.
    Press(*window, Qt::Key_S);
    QCOMPARE(QApplication::focusWidget(), window->TextWidget(TextArea::TBDatos));
    QCOMPARE(comfort->Review().Size(), static_cast<std::size_t>(count + 1));
  }

  void TheVolumesScaleWhatTheBackEndPlaysAndComeBackAfterARestart() {
    {
      auto comfort = NewComfort();
      auto window = NewWindow(comfort.get());
      window->Timer(zorvek::TimerId::TMRRecuperacion)->setInterval(5);
      Press(*window, Qt::Key_F6);
      QVERIFY(Review(*window).startsWith(QStringLiteral("Ajustes. Música: 100 %.")));
      for (int i = 0; i < 4; ++i) Press(*window, Qt::Key_Left);
      QCOMPARE(Review(*window), QStringLiteral("Música: 60 %"));
      QCOMPARE(device_.Volume.at({SoundBank::Music, 0}), 54);  // 60 % of the game's 90, at once
      Press(*window, Qt::Key_Down);
      Press(*window, Qt::Key_Left);
      Press(*window, Qt::Key_Space);
      QCOMPARE(Review(*window), QStringLiteral("Efectos: silenciada"));
      for (const auto& [channel, volume] : device_.Volume) {
        if (channel.first == SoundBank::Effects) QCOMPARE(volume, 0);
      }
      // The game waits while the settings are open, as under a box.
      QTest::qWait(60);
      QCOMPARE(window->TicksDelivered(zorvek::TimerId::TMRRecuperacion), 0);
      Press(*window, Qt::Key_Space);
      QCOMPARE(Review(*window), QStringLiteral("Efectos: 90 %"));
      Press(*window, Qt::Key_Escape);
      QCOMPARE(Review(*window), QStringLiteral("Ajustes cerrados."));
      QTRY_VERIFY(window->TicksDelivered(zorvek::TimerId::TMRRecuperacion) > 0);
      Press(*window, Qt::Key_Right);
      for (const auto& [channel, volume] : asked_.Volume) {
        const int level = channel.first == SoundBank::Music ? 60 : 90;
        QCOMPARE(device_.Volume.at(channel), zorvek::frontend::ScaledVolume(volume, level));
      }
      window->game().ui().Beep();
      QCOMPARE(beepLevel_, 90);
      Press(*window, Qt::Key_F2);
    }
    // The next start finds them again, the coordinates reading off from the first text.
    sound_.SetLevel(SoundBank::Music, 100);
    auto comfort = NewComfort();
    QCOMPARE(sound_.Level(SoundBank::Music), 60);
    QCOMPARE(sound_.Level(SoundBank::Effects), 90);
    auto window = NewWindow(comfort.get());
    QCOMPARE(window->game().ReadCoordinates, false);
    QVERIFY(!window->TextWidget(TextArea::TBDatos)->toPlainText().endsWith(QStringLiteral("1, 1")));
    window.reset();
    // A damaged file is told, replaced, and gives the defaults.
    std::ofstream(SettingsFile()) << "{\"music\": 40, \"effects\": \"alto\"";
    QVERIFY(!zorvek::frontend::LoadSettings(SettingsFile()).Notice.empty());
    QVERIFY(zorvek::frontend::LoadSettings(SettingsFile()).Notice.empty());
    comfort = NewComfort();
    QCOMPARE(sound_.Level(SoundBank::Music), 100);
    QCOMPARE(NewWindow(comfort.get())->game().ReadCoordinates, true);
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
    QCOMPARE(log.Said.back(), QStringLiteral("Voz: desactivada"));  // its last words
    Press(*window, Qt::Key_Down);
    QCOMPARE(log.Said.back(), QStringLiteral("Voz: desactivada"));
    Press(*window, Qt::Key_Up);
    Press(*window, Qt::Key_Space);
    Press(*window, Qt::Key_Down);
    Press(*window, Qt::Key_Right);
    QCOMPARE(log.Said.back(), QStringLiteral("Velocidad de la voz: 60 %"));
    QVERIFY(qAbs(log.Rate - 0.2) < 1e-9);
    Press(*window, Qt::Key_Down);
    Press(*window, Qt::Key_Right);
    QCOMPARE(log.Said.back(), QStringLiteral("Voz elegida: Jorge"));
    QCOMPARE(log.Voice, QStringLiteral("Jorge"));
    QCOMPARE(zorvek::frontend::LoadSettings(SettingsFile()).Values.Voice, std::string("Jorge"));
  }

  void EveryKeyOfTheGameKeepsItsMeaningInBothStates() {
    // A twin game without the conveniences takes the same codes; after every key of the
    // game's key table, in exploration and in combat, both tell and hold the same.
    auto comfort = NewComfort();
    auto window = NewWindow(comfort.get());
    TwinGame twinGame(dir_.path().toStdString());
    Game& twin = twinGame.game;
    BoxCloser closer;
    using M = Qt::KeyboardModifier;
    std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> table;
    for (Qt::Key key :
         {Qt::Key_G,    Qt::Key_C,     Qt::Key_A,      Qt::Key_H,     Qt::Key_F4, Qt::Key_Backspace,
          Qt::Key_S,    Qt::Key_E,     Qt::Key_T,      Qt::Key_V,     Qt::Key_F1, Qt::Key_F2,
          Qt::Key_F3,   Qt::Key_F7,    Qt::Key_F8,     Qt::Key_Left,  Qt::Key_Up, Qt::Key_Right,
          Qt::Key_Down, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Enter, Qt::Key_X}) {
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
      window->game().InCombat = combat;
      twin.InCombat = combat;
      for (const auto& [key, mods] : table) {
        QTest::keyClick(window->TextWidget(TextArea::TBDatos), key, mods);
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
        for (TextArea area : {TextArea::TBGeneral, TextArea::TBDatos, TextArea::TBOpciones}) {
          QCOMPARE(window->game().Text(area), twin.Text(area));
        }
        QCOMPARE(window->game().CursorX, twin.CursorX);
        QCOMPARE(window->game().CursorY, twin.CursorY);
        QCOMPARE(window->game().InCombat, twin.InCombat);
        QCOMPARE(window->game().CellMenuInput, twin.CellMenuInput);
      }
    }
  }
};

QTEST_MAIN(QtComfortTest)
#include "QtComfortTest.moc"
