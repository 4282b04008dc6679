// The desktop's conveniences driven as a player drives them: the review of past texts,
// the volumes, the settings kept across starts, the self-voicing's settings, and every
// key of the game meaning what it meant.
#include <QAbstractButton>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <map>
#include <memory>
#include <utility>

#include "QtSupport.hpp"
#include "app/qt/Speaker.hpp"
#include "app/shared/Comfort.hpp"
#include "sound/SoundCues.hpp"
#include "startup/Keyboard.hpp"
#include "startup/StartUp.hpp"

using zorvek::Game;
using zorvek::SoundBank;
using zorvek::TextArea;
using zorvek::TimerId;
using zorvek::frontend::Comfort;
using zorvek::frontend::ComfortSetup;
using zorvek::qt::GameWindow;
using zorvek::qt::Shown;
using namespace qttest;

namespace {

// The volume each channel was last asked for, passed on to `inner` when there is one.
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

// A voice that notes what it is asked.
struct VoiceLog {
  QStringList Said;
  int Stops = 0;
  double Rate = 0;
  QString Voice;
};
class FakeEngine final : public zorvek::qt::SpeechEngine {
 public:
  explicit FakeEngine(VoiceLog& log) : log_(log) {}
  void Say(const QString& text) override { log_.Said.push_back(text); }
  void Stop() override { ++log_.Stops; }
  void SetRate(double rate) override { log_.Rate = rate; }
  QStringList SpanishVoices() override { return {"Mónica", "Jorge"}; }
  void SetVoice(const QString& name) override { log_.Voice = name; }

 private:
  VoiceLog& log_;
};

}  // namespace

class QtComfortTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  VolumeLog device_;
  int beepLevel_ = -1;
  zorvek::frontend::ScaledSoundSystem sound_{device_, [this](int level) { beepLevel_ = level; }};
  VolumeLog asked_;  // what the game asks for, above the levels

  std::filesystem::path SettingsFile() const {
    return std::filesystem::path(dir_.path().toStdString()) / "config" / "ajustes.json";
  }

  std::unique_ptr<Comfort> NewComfort(zorvek::qt::Speaker* voice = nullptr) {
    ComfortSetup setup{&sound_,
                       SettingsFile(),
                       zorvek::frontend::LoadSettings(SettingsFile()).Values,
                       "Todas las teclas.",
                       voice != nullptr,
                       {},
                       {}};
    if (voice != nullptr) {
      for (const QString& name : voice->Voices()) setup.Voices.push_back(name.toStdString());
      setup.Applied = [voice](const zorvek::frontend::Settings& s) {
        zorvek::qt::ApplySpeech(*voice, s);
      };
    }
    return std::make_unique<Comfort>(std::move(setup));
  }

  std::unique_ptr<GameWindow> NewWindow(Comfort* comfort, zorvek::qt::Speaker* voice = nullptr) {
    asked_.Inner = &sound_;
    zorvek::qt::GameWindowSetup setup{asked_,
                                      zorvek::RunSettings{dir_.path().toStdString(), kSeed},
                                      1,
                                      false,
                                      [this] { sound_.Beep(); },
                                      voice,
                                      comfort};
    auto window = std::make_unique<GameWindow>(std::move(setup));
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
    const std::string exits = game.Text(TextArea::TBDatos);
    BoxCloser closer;
    Press(*window, Qt::Key_F7);  // the question is told, and answered No
    QTRY_COMPARE(closer.closed, 1);
    Press(*window, Qt::Key_Right);
    const std::size_t count = comfort->Review().Size();
    QVERIFY(count >= 4);
    const QString data = window->TextWidget(TextArea::TBDatos)->toPlainText();
    const std::string told = game.Text(TextArea::TBDatos);
    const int x = game.CursorX;
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    const QString of = QStringLiteral(" de %1: ").arg(count);
    Press(*window, Qt::Key_F9);
    QVERIFY(Review(*window).startsWith(QString::number(count - 1) + of +
                                       QStringLiteral("¿Realmente desea guardar la partida?")));
    Press(*window, Qt::Key_F9);
    QCOMPARE(Review(*window), QString::number(count - 2) + of + Shown(exits).trimmed());
    // Reading changes neither the game nor its text areas, and takes the focus so that
    // the screen reader speaks it.
    QCOMPARE(game.Text(TextArea::TBDatos), told);
    QCOMPARE(game.CursorX, x);
    QCOMPARE(window->TextWidget(TextArea::TBDatos)->toPlainText(), data);
    QCOMPARE(QApplication::focusWidget(), window->ReviewWidget());

    Press(*window, Qt::Key_F9, Qt::ShiftModifier);
    QVERIFY(Review(*window).startsWith(QStringLiteral("1") + of));
    Press(*window, Qt::Key_F9);
    QCOMPARE(Review(*window), QStringLiteral("Principio."));
    Press(*window, Qt::Key_F10);
    QVERIFY(Review(*window).startsWith(QStringLiteral("2") + of));
    Press(*window, Qt::Key_F10, Qt::ShiftModifier);
    QVERIFY(Review(*window).startsWith(QString::number(count) + of));
    Press(*window, Qt::Key_F10);
    QCOMPARE(Review(*window), QStringLiteral("Final."));
    Press(*window, Qt::Key_F9);
    Press(*window, Qt::Key_F11);
    QCOMPARE(Review(*window), QString::number(count) + of + Shown(told).trimmed());
    Press(*window, Qt::Key_F12);
    QCOMPARE(Review(*window), QStringLiteral("Todas las teclas."));
    // The next key of the game is answered in the data line, which has the focus again.
    Press(*window, Qt::Key_S);
    QCOMPARE(QApplication::focusWidget(), window->TextWidget(TextArea::TBDatos));
    QCOMPARE(comfort->Review().Size(), count + 1);
  }

  void TheVolumesScaleWhatTheBackEndPlaysAndComeBackAfterARestart() {
    {
      auto comfort = NewComfort();
      auto window = NewWindow(comfort.get());
      const VolumeLog::Channel music{SoundBank::Music, 0};
      QCOMPARE(device_.Volume.at(music), 90);
      window->Timer(TimerId::TMRRecuperacion)->setInterval(5);
      Press(*window, Qt::Key_F6);
      QVERIFY(Review(*window).startsWith(QStringLiteral("Ajustes. Música: 100 %.")));
      for (int i = 0; i < 4; ++i) Press(*window, Qt::Key_Left);
      QCOMPARE(Review(*window), QStringLiteral("Música: 60 %"));
      QCOMPARE(device_.Volume.at(music), 54);  // 60 % of the game's 90, at once
      Press(*window, Qt::Key_Down);
      Press(*window, Qt::Key_Right);
      QCOMPARE(Review(*window), QStringLiteral("Efectos: 100 %"));
      Press(*window, Qt::Key_Left);
      Press(*window, Qt::Key_Space);
      QCOMPARE(Review(*window), QStringLiteral("Efectos: silenciada"));
      for (const auto& [channel, volume] : device_.Volume) {
        if (channel.first == SoundBank::Effects) QCOMPARE(volume, 0);
      }
      // The game's timers wait while the settings are open, as under a box.
      QTest::qWait(60);
      QCOMPARE(window->TicksDelivered(TimerId::TMRRecuperacion), 0);
      Press(*window, Qt::Key_A);  // no key of the game while the settings are open
      QVERIFY(Review(*window).startsWith(QStringLiteral("Flechas arriba y abajo")));
      Press(*window, Qt::Key_Space);
      QCOMPARE(Review(*window), QStringLiteral("Efectos: 90 %"));
      Press(*window, Qt::Key_Escape);
      QCOMPARE(Review(*window), QStringLiteral("Ajustes cerrados."));
      QTRY_VERIFY(window->TicksDelivered(TimerId::TMRRecuperacion) > 0);
      Press(*window, Qt::Key_Right);
      for (const auto& [channel, volume] : asked_.Volume) {
        const int level = channel.first == SoundBank::Music ? 60 : 90;
        QCOMPARE(device_.Volume.at(channel), zorvek::frontend::ScaledVolume(volume, level));
      }
      window->game().ui().Beep();
      QCOMPARE(beepLevel_, 90);
      Press(*window, Qt::Key_F2);
      QCOMPARE(window->game().ReadCoordinates, false);
    }
    // The next start finds them again.
    sound_.SetLevel(SoundBank::Music, 100);
    auto comfort = NewComfort();
    QCOMPARE(sound_.Level(SoundBank::Music), 60);
    QCOMPARE(sound_.Level(SoundBank::Effects), 90);
    auto window = NewWindow(comfort.get());
    QCOMPARE(window->game().ReadCoordinates, false);
    QVERIFY(!window->TextWidget(TextArea::TBDatos)->toPlainText().endsWith(QStringLiteral("1, 1")));
    Press(*window, Qt::Key_F6);
    QVERIFY(Review(*window).startsWith(QStringLiteral("Ajustes. Música: 60 %.")));
  }

  void ADamagedSettingsFileIsToldOnceAndGivesTheDefaults() {
    std::filesystem::create_directories(SettingsFile().parent_path());
    std::ofstream(SettingsFile()) << "{\"music\": 40, \"effects\": \"alto\"";
    zorvek::frontend::LoadedSettings loaded = zorvek::frontend::LoadSettings(SettingsFile());
    QVERIFY(QString::fromStdString(loaded.Notice).contains(QStringLiteral("dañado")));
    QVERIFY(loaded.Values == zorvek::frontend::Settings{});
    QVERIFY(zorvek::frontend::LoadSettings(SettingsFile()).Notice.empty());  // replaced
    auto comfort = NewComfort();
    auto window = NewWindow(comfort.get());
    QCOMPARE(device_.Volume.at({SoundBank::Music, 0}), 90);
    QCOMPARE(window->game().ReadCoordinates, true);
  }

  void TheVoiceIsSwitchedSpedUpAndChosenAndStopsOnTheNextKey() {
    VoiceLog log;
    zorvek::qt::Speaker voice(std::make_unique<FakeEngine>(log));
    auto comfort = NewComfort(&voice);
    auto window = NewWindow(comfort.get(), &voice);
    const int stops = log.Stops;
    Press(*window, Qt::Key_F6);
    QVERIFY(log.Stops > stops);  // the key cut short what was being said
    Press(*window, Qt::Key_Down);
    Press(*window, Qt::Key_Down);
    QCOMPARE(log.Said.back(), QStringLiteral("Voz: activada"));
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
    QCOMPARE(log.Said.back(), QStringLiteral("Voz elegida: Mónica"));
    Press(*window, Qt::Key_Right);
    QCOMPARE(log.Said.back(), QStringLiteral("Voz elegida: Jorge"));
    QCOMPARE(log.Voice, QStringLiteral("Jorge"));
    Press(*window, Qt::Key_Escape);
    Press(*window, Qt::Key_S);
    QCOMPARE(log.Said.back(),
             zorvek::qt::SpokenForm(Shown(window->game().Text(TextArea::TBDatos))));
    const zorvek::frontend::Settings kept = zorvek::frontend::LoadSettings(SettingsFile()).Values;
    QCOMPARE(kept.SpeechRate, 60);
    QCOMPARE(kept.Voice, std::string("Jorge"));
  }

  void EveryKeyOfTheGameKeepsItsMeaningInBothStates() {
    // A twin game without the conveniences takes the same codes; after every key of the
    // game's key table, in exploration and in combat, both tell and hold the same.
    auto comfort = NewComfort();
    auto window = NewWindow(comfort.get());
    SilentUi ui;
    zorvek::MersenneRandom random;
    FixedClock clock;
    LoggedSound sound;
    Game twin(zorvek::Ports{ui, random, clock, sound},
              zorvek::RunSettings{dir_.path().toStdString(), kSeed});
    zorvek::StartGameWindow(twin);
    BoxCloser closer;
    struct Press {
      Qt::Key Key;
      Qt::KeyboardModifiers Mods;
      int16_t Code;
      int16_t Shift;
    };
    std::vector<Press> table = {
        {Qt::Key_G, Qt::NoModifier, 71, 0},
        {Qt::Key_C, Qt::NoModifier, 67, 0},
        {Qt::Key_A, Qt::NoModifier, 65, 0},
        {Qt::Key_H, Qt::NoModifier, 72, 0},
        {Qt::Key_F4, Qt::NoModifier, 115, 0},
        {Qt::Key_Backspace, Qt::NoModifier, 8, 0},
        {Qt::Key_S, Qt::NoModifier, 83, 0},
        {Qt::Key_E, Qt::NoModifier, 69, 0},
        {Qt::Key_T, Qt::NoModifier, 84, 0},
        {Qt::Key_V, Qt::NoModifier, 86, 0},
        {Qt::Key_F1, Qt::NoModifier, 112, 0},
        {Qt::Key_F2, Qt::NoModifier, 113, 0},
        {Qt::Key_F3, Qt::NoModifier, 114, 0},
        {Qt::Key_F5, Qt::ShiftModifier | Qt::ControlModifier, 116, 3},
        {Qt::Key_F7, Qt::NoModifier, 118, 0},
        {Qt::Key_F8, Qt::NoModifier, 119, 0},
        {Qt::Key_Left, Qt::NoModifier, 37, 0},
        {Qt::Key_Up, Qt::NoModifier, 38, 0},
        {Qt::Key_Right, Qt::NoModifier, 39, 0},
        {Qt::Key_Down, Qt::NoModifier, 40, 0},
        {Qt::Key_Space, Qt::NoModifier, 32, 0},
        {Qt::Key_Escape, Qt::NoModifier, 27, 0},
        {Qt::Key_Enter, Qt::NoModifier, 13, 0},
        {Qt::Key_X, Qt::NoModifier, 88, 0},
        // The conveniences' keys with another modifier stay the game's.
        {Qt::Key_F9, Qt::ControlModifier, 120, 2},
        {Qt::Key_F6, Qt::AltModifier, 117, 4},
        {Qt::Key_F12, Qt::ShiftModifier, 123, 1},
        {Qt::Key_F11, Qt::ControlModifier, 122, 2},
    };
    for (int digit = 0; digit <= 9; ++digit) {
      const auto key = static_cast<Qt::Key>(Qt::Key_0 + digit);
      const auto code = static_cast<int16_t>(48 + digit);
      table.push_back({key, Qt::NoModifier, code, 0});
      table.push_back({key, Qt::ControlModifier, code, 2});
    }
    for (bool combat : {false, true}) {
      window->game().InCombat = combat;
      twin.InCombat = combat;
      for (const Press& p : table) {
        QTest::keyClick(window->TextWidget(TextArea::TBDatos), p.Key, p.Mods);
        int16_t code = p.Code;
        zorvek::HandleKey(twin, code, p.Shift);
        for (TextArea area : {TextArea::TBGeneral, TextArea::TBDatos, TextArea::TBOpciones}) {
          QCOMPARE(window->game().Text(area), twin.Text(area));
        }
        QCOMPARE(window->game().CursorX, twin.CursorX);
        QCOMPARE(window->game().CursorY, twin.CursorY);
        QCOMPARE(window->game().InCombat, twin.InCombat);
        QCOMPARE(window->game().CellMenuInput, twin.CellMenuInput);
        QCOMPARE(window->game().ReadCoordinates, twin.ReadCoordinates);
      }
    }
  }
};

QTEST_MAIN(QtComfortTest)
#include "QtComfortTest.moc"
