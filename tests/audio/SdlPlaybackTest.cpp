#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "audio/SdlSound.hpp"
#include "sound/Sound.hpp"
#include "support/TestGame.hpp"

namespace zorvek::audio {
namespace {

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
