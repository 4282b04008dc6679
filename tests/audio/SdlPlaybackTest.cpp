#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "audio/SdlSound.hpp"
#include "sound/Sound.hpp"
#include "support/TestGame.hpp"

namespace zorvek::audio {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr double kRate = 44100.0;
// How far a mark may sit from the moment it stands for: the disk driver writes whole
// buffers through a buffered file.
constexpr double kSlack = 0.1;

// SDL's disk driver writes what the mixer renders to a file, in real time; the test reads
// it back as 16-bit stereo frames.
class DiskOutput {
 public:
  DiskOutput() {
    path_ = fs::temp_directory_path() /
            ("zorvek-disk-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", path_.c_str(), 1);
  }
  ~DiskOutput() {
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    std::error_code ec;
    fs::remove(path_, ec);
  }
  // Seconds of sound written so far.
  double Now() const {
    std::error_code ec;
    const auto bytes = fs::file_size(path_, ec);
    return ec ? 0.0 : static_cast<double>(bytes) / 4.0 / kRate;
  }
  // Root-mean-square level of each side between two times, in seconds.
  std::pair<double, double> Rms(double from, double to) const {
    std::ifstream in(path_, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto frame = [&](double t) {
      return std::min(bytes.size() / 4, static_cast<std::size_t>(std::max(0.0, t) * kRate));
    };
    double sum[2] = {0, 0};
    std::size_t n = 0;
    for (std::size_t i = frame(from); i < frame(to); ++i, ++n) {
      for (std::size_t side = 0; side < 2; ++side) {
        int16_t v = 0;
        std::memcpy(&v, &bytes[4 * i + 2 * side], 2);
        sum[side] += (v / 32768.0) * (v / 32768.0);
      }
    }
    if (n == 0) return {0.0, 0.0};
    return {std::sqrt(sum[0] / static_cast<double>(n)), std::sqrt(sum[1] / static_cast<double>(n))};
  }
  double Level(double from, double to) const {
    const auto [l, r] = Rms(from, to);
    return std::max(l, r);
  }

 private:
  fs::path path_;
};

// A game in a 15 x 10 room whose channels play through the SDL back-end into the disk
// driver; the phase music is stopped so that only the cues are heard.
struct SdlPlayback : ::testing::Test {
  SdlPlayback()
      : sound(MakeSdlSoundSystem(SdlSoundOptions{.Log = &log})),
        game(Ports{t.ui, t.random, t.clock, *sound},
             RunSettings{ZORVEK_BUILD_DIR_FOR_TESTS, std::nullopt}) {
    game.SoundDir = std::string(ZORVEK_SOUND_DIR) + "/";
    game.CurrentRoom.Name = "Gran sala de columnas";
    game.CurrentRoom.Width = 15;
    game.CurrentRoom.Height = 10;
    InitSounds(game);
    StopMusic(game, 0, false);
  }
  ~SdlPlayback() override {
    FreeEffects(game);
    FreeMusic(game);
  }
  // Lets the mixer run on for a while and says where the output then stands.
  double Wait(std::chrono::milliseconds time) {
    std::this_thread::sleep_for(time);
    return disk.Now();
  }

  DiskOutput disk;  // first: the system opens on the driver it names
  std::ostringstream log;
  testing::TestGame t;
  std::unique_ptr<SdlSoundSystem> sound;
  Game game;
};

TEST_F(SdlPlayback, FootstepsAtTheLeftWallAreLouderOnTheLeftAndAtTheRightWallOnTheRight) {
  ASSERT_TRUE(sound->HasDevice()) << log.str();
  game.CursorX = 1;
  game.CursorY = 2;
  const double left = Wait(50ms);
  PlayCue(game, "pasos", 1, 2, kFalse);
  const double leftEnd = Wait(500ms);
  game.CursorX = 15;
  PlayCue(game, "pasos", 15, 2, kFalse);
  const double rightEnd = Wait(500ms);

  const auto [ll, lr] = disk.Rms(left, leftEnd);
  const auto [rl, rr] = disk.Rms(leftEnd, rightEnd + kSlack);
  EXPECT_GT(ll, 0.01);
  EXPECT_GT(ll, 2.0 * lr);
  EXPECT_GT(rr, 0.01);
  EXPECT_GT(rr, 2.0 * rl);
}

TEST_F(SdlPlayback, AFarExitsWindIsSilentAndANearOneIsHeard) {
  ASSERT_TRUE(sound->HasDevice()) << log.str();
  game.CurrentRoom.Exits(1) = {.X = 0, .Y = 5, .Kind = "", .TargetRoom = 2};
  game.CursorX = 12;
  game.CursorY = 5;
  PlayCue(game, "puerta1", 0, 5, kFalse);
  const double far = Wait(100ms);
  const double farEnd = Wait(400ms);
  game.CursorX = 1;
  UpdateExitWind(game);
  const double nearStart = Wait(100ms);
  const double nearEnd = Wait(300ms);

  EXPECT_TRUE(sound->IsPlaying(SoundBank::Effects, 3));
  EXPECT_EQ(disk.Level(far + kSlack, farEnd), 0.0);
  EXPECT_GT(disk.Level(nearStart + kSlack, nearEnd), 0.02);
}

TEST_F(SdlPlayback, FilesAreFoundWhateverTheCaseAMissingOneIsToldOnceAndTheBeepIsHeard) {
  ASSERT_TRUE(sound->HasDevice()) << log.str();
  auto tune = sound->Create(SoundBank::Music, kMenuMusicChannel);
  EXPECT_NE(tune->Load(std::string(ZORVEK_BUILD_DIR_FOR_TESTS) + "/sonidos\\song_of_the_SEAS.mp3"),
            0);
  EXPECT_EQ(log.str(), "");
  auto player = sound->Create(SoundBank::Effects, 7);
  EXPECT_EQ(player->Load(game.SoundDir + "NoEsta.wav"), 0);
  EXPECT_EQ(player->Load(game.SoundDir + "NoEsta.wav"), 0);
  EXPECT_EQ(player->Play(false, false), 0);
  EXPECT_FALSE(sound->IsPlaying(SoundBank::Effects, 7));
  const std::string told = log.str();
  EXPECT_NE(told.find("NoEsta.wav"), std::string::npos);
  EXPECT_EQ(told.find('\n'), told.size() - 1);

  const double before = Wait(20ms);
  sound->PlayBeep();
  EXPECT_GT(disk.Level(before, Wait(300ms) + kSlack), 0.01);
}

TEST(SdlNoDevice, WithoutADeviceTheGameRunsOnInSilenceAndSaysSoOnce) {
  setenv("SDL_AUDIODRIVER", "zorvek-no-such-driver", 1);
  std::ostringstream log;
  testing::TestGame t;
  {
    auto sound = MakeSdlSoundSystem(SdlSoundOptions{.Log = &log});
    Game game(Ports{t.ui, t.random, t.clock, *sound},
              RunSettings{ZORVEK_BUILD_DIR_FOR_TESTS, std::nullopt});
    game.SoundDir = std::string(ZORVEK_SOUND_DIR) + "/";
    game.CurrentRoom.Width = 15;
    InitSounds(game);
    game.CursorX = 3;
    PlayCue(game, "pasos", 3, 1, kFalse);
    PlayCue(game, "subenivel", 0, 0, kFalse);
    sound->PlayBeep();
    EXPECT_FALSE(sound->HasDevice());
    EXPECT_FALSE(sound->IsPlaying(SoundBank::Effects, 0));
    EXPECT_NE(game.Sound.Effects[0].Loaded, 0);
    FreeEffects(game);
    FreeMusic(game);
  }
  unsetenv("SDL_AUDIODRIVER");
  const std::string told = log.str();
  EXPECT_NE(told.find("sin sonido"), std::string::npos);
  EXPECT_EQ(told.find('\n'), told.size() - 1) << told;
}

}  // namespace
}  // namespace zorvek::audio
