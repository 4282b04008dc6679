#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "audio/SdlSound.hpp"
#include "sound/Sound.hpp"
#include "support/TestGame.hpp"

namespace zorvek::audio {
namespace {

namespace fs = std::filesystem;

TEST(AudioUnits, PanKeepsThePowerConstantAndStopsAtHardLeftAndHardRight) {
  EXPECT_NEAR(PanGains(0).Left, 0.70711f, 1e-5);
  EXPECT_NEAR(PanGains(0).Right, 0.70711f, 1e-5);
  EXPECT_GT(PanGains(-58).Left, 2.5f * PanGains(-58).Right);
  EXPECT_GT(PanGains(67).Right, 2.5f * PanGains(67).Left);
  for (int side : {-100, -400, 100, 250}) {
    const StereoGains g = PanGains(side);
    EXPECT_FLOAT_EQ(side < 0 ? g.Left : g.Right, 1.0f) << side;
    EXPECT_NEAR(side < 0 ? g.Right : g.Left, 0.0f, 1e-6) << side;
  }
}

TEST(AudioUnits, EachVolumeUnitBelowAHundredIsAThirdOfADecibelAndZeroIsSilent) {
  EXPECT_FLOAT_EQ(VolumeGain(100), 1.0f);
  EXPECT_FLOAT_EQ(VolumeGain(250), 1.0f);
  EXPECT_NEAR(20.0 * std::log10(VolumeGain(90)), -3.0, 0.01);
  EXPECT_NEAR(20.0 * std::log10(VolumeGain(1)), -29.7, 0.01);
  EXPECT_EQ(VolumeGain(0), 0.0f);
  EXPECT_EQ(VolumeGain(-400), 0.0f);
}

TEST(AudioUnits, APlayersOwnSoundReplacesTheGamesOfTheSameNameAndNothingElse) {
  const fs::path root =
      fs::temp_directory_path() /
      ("zorvek-own-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
  const fs::path game = root / "share" / "games" / "zorvek";
  const fs::path own = root / "home" / "zorvek";
  fs::create_directories(game / "Sonidos");
  fs::create_directories(own / "sonidos");
  for (const char* name : {"pasos.wav", "Viento.wav"})
    std::ofstream(game / "Sonidos" / name) << "x";
  std::ofstream(game / "sample.wav") << "x";
  std::ofstream(own / "sonidos" / "PASOS.WAV") << "mine";
  std::ofstream(own / "sample.wav") << "mine";
  fs::create_directories(own / "sonidos" / "Viento.wav");  // a folder is no sound
  const std::string g = game.string();
  const std::string o = own.string();

  EXPECT_EQ(FindSoundFile(g + "/Sonidos/pasos.wav", g, o),
            (own / "sonidos" / "PASOS.WAV").string());
  EXPECT_EQ(FindSoundFile(g + "/sample.wav", g, o), (own / "sample.wav").string());
  EXPECT_EQ(FindSoundFile(g + "/Sonidos/Viento.wav", g, o),
            (game / "Sonidos" / "Viento.wav").string());
  // Only what lies below the game's folder has a replacement; without a folder of the
  // player's, the game's own file is read.
  std::ofstream(root / "pasos.wav") << "x";
  EXPECT_EQ(FindSoundFile((root / "pasos.wav").string(), g, o), (root / "pasos.wav").string());
  EXPECT_EQ(FindSoundFile(g + "/Sonidos/pasos.wav", g, ""),
            (game / "Sonidos" / "pasos.wav").string());
  EXPECT_EQ(FindSoundFile(g + "/Sonidos/pasos.wav", "", o),
            (game / "Sonidos" / "pasos.wav").string());
  fs::remove_all(root);
}

// The back-end on SDL's silent driver: it opens a device that plays nothing, so that what
// the back-end does with files can be checked without waiting for sound to be heard. (How
// loud each side is comes from PanGains and VolumeGain, checked in AudioUnits.)
TEST(SdlPlayback, FilesAreFoundWhateverTheCaseAndAMissingOneIsToldOnce) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  std::ostringstream log;
  testing::TestGame t;
  {
    auto sound = MakeSdlSoundSystem(SdlSoundOptions{.Log = &log});
    ASSERT_TRUE(sound->HasDevice()) << log.str();
    auto tune = sound->Create(SoundBank::Music, kMenuMusicChannel);
    EXPECT_NE(
        tune->Load(std::string(ZORVEK_BUILD_DIR_FOR_TESTS) + "/sonidos\\song_of_the_SEAS.mp3"), 0);
    EXPECT_EQ(log.str(), "");
    auto player = sound->Create(SoundBank::Effects, 7);
    const std::string missing = std::string(ZORVEK_SOUND_DIR) + "/NoEsta.wav";
    EXPECT_EQ(player->Load(missing), 0);
    EXPECT_EQ(player->Load(missing), 0);
    EXPECT_EQ(player->Play(false, false), 0);
    EXPECT_FALSE(sound->IsPlaying(SoundBank::Effects, 7));
    sound->PlayBeep();
  }
  unsetenv("SDL_AUDIODRIVER");
  const std::string told = log.str();
  EXPECT_NE(told.find("NoEsta.wav"), std::string::npos);
  EXPECT_EQ(told.find('\n'), told.size() - 1) << told;
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
