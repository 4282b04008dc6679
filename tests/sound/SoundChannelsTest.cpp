#include <gtest/gtest.h>

#include "sound/SoundChannels.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

using Lines = std::vector<std::string>;

TEST(SoundChannels, EffectsStartOnTheDefaultFileAndReloadingKeepsTheOldSoundPlaying) {
  testing::SoundGame t;
  InitEffects(t.game, 1);
  InitMusic(t.game, 1);
  EXPECT_EQ(t.sound.Take(), (Lines{"E0 init 64", "E0 load sample.wav", "E1 init 64",
                                   "E1 load sample.wav", "M0 init 64", "M1 init 64"}));
  PlayEffect(t.game, 0, false);
  LoadEffect(t.game, 0, "/juego/Sonidos/Espada.wav");
  // Pan and volume reach the player; the kinds the players have no use for do not.
  for (int kind : {0, 1, 2, 3, 4}) SetEffectProperty(t.game, 0, kind, -400);
  for (int kind : {0, 3, 4, 5}) SetMusicProperty(t.game, 0, kind, 90, kind == 4);
  PlayMusic(t.game, 0, true, false);
  StopMusic(t.game, 0, true);
  EXPECT_EQ(t.sound.Take(), (Lines{"E0 play once", "E0 load Sonidos/Espada.wav", "E0 prop 1 -400",
                                   "E0 prop 2 -400", "E0 prop 3 -400", "M0 prop 3 90",
                                   "M0 prop 4 90 flag", "M0 play once flag", "M0 stop flag"}));
  EXPECT_EQ(t.game.Sound.Effects[0].Loaded, 2);
  FreeEffects(t.game);
  EXPECT_EQ(t.sound.Take(), (Lines{"E0 unload 2", "E0 free", "E1 unload 1", "E1 free"}));

  testing::SoundGame slash("/otro/");  // no second separator
  InitEffects(slash.game, 0);
  EXPECT_EQ(slash.sound.Grep("E0 load"), Lines{"E0 load /otro/sample.wav"});
}

TEST(SoundChannels, ChannelsOutsideTheBanksAreSilentAndFreeingTwiceIsHarmless) {
  testing::SoundGame t;
  auto everything = [&](int channel) {
    LoadEffect(t.game, channel, "x.wav");
    PlayEffect(t.game, channel, true);
    StopEffect(t.game, channel);
    SetEffectProperty(t.game, channel, 3, 50);
    LoadMusic(t.game, channel, "x.mp3");
    PlayMusic(t.game, channel, false, true);
    StopMusic(t.game, channel, false);
    SetMusicProperty(t.game, channel, 3, 50, false);
  };
  everything(0);  // before the banks open
  EXPECT_TRUE(t.sound.Log.empty());
  InitEffects(t.game, 25);
  InitMusic(t.game, 5);
  t.sound.Take();
  for (int channel : {-1, 26, 1000}) everything(channel);
  everything(6);  // an effects channel only
  EXPECT_EQ(t.sound.Take(), (Lines{"E6 load x.wav", "E6 play loop", "E6 stop", "E6 prop 3 50"}));
  for (int twice = 0; twice < 2; ++twice) {
    FreeEffects(t.game);
    FreeMusic(t.game);
    t.sound.Take();
  }
  everything(0);  // after they are freed
  EXPECT_TRUE(t.sound.Log.empty());
}

}  // namespace
}  // namespace zorvek
