#include <gtest/gtest.h>

#include "sound/Sound.hpp"
#include "sound/SoundChannels.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

using Lines = std::vector<std::string>;

// A 15 x 10 room with the channels open and the log emptied.
struct SoundCueRules : ::testing::Test {
  SoundCueRules() {
    game.CurrentRoom.Name = "Gran sala de columnas";
    game.CurrentRoom.Width = 15;
    game.CurrentRoom.Height = 10;
    InitSounds(game);
    t.sound.Take();
  }
  void PartyAt(int16_t x, int16_t y) { game.CursorX = x, game.CursorY = y; }
  void PutObject(int slot, const char* name, int16_t x, int16_t y) {
    game.CurrentRoom.Items(slot) = Item{.X = x, .Y = y, .Name = name};
  }

  testing::SoundGame t;
  Game& game = t.game;
};

TEST_F(SoundCueRules, PositionedCuesSoundFromTheirSource) {
  PartyAt(8, 3);
  PlayCue(game, "pasos", 1, 1, kFalse);  // the party's own place, whatever the source
  PlayCue(game, "pasosm", 12, 7, kFalse);
  PlayCue(game, "llave", 15, 9, kFalse);
  PlayCue(game, "santuario", 5, 5, kFalse);
  PlayCue(game, "subenivel", 5, 5, kFalse);
  for (const char* other : {"Pasos", "puerta0", "puerta5", "Espada", ""}) {
    PlayCue(game, other, 1, 1, kFalse);
  }
  EXPECT_EQ(t.sound.Grep("E0 "), (Lines{"E0 play once", "E0 prop 1 4", "E0 prop 3 94"}));
  EXPECT_EQ(t.sound.Grep("E1 "), (Lines{"E1 play once", "E1 prop 1 40", "E1 prop 3 86"}));
  EXPECT_EQ(t.sound.Grep("E2 "), (Lines{"E2 play once", "E2 prop 1 -1", "E2 prop 3 94"}));
  EXPECT_EQ(t.sound.Grep("E14"), (Lines{"E14 play loop", "E14 prop 1 0", "E14 prop 3 85"}));
  EXPECT_EQ(t.sound.Grep("E15"), (Lines{"E15 play once", "E15 prop 1 0", "E15 prop 3 85"}));
  for (int ch = 3; ch <= 13; ++ch)
    EXPECT_TRUE(t.sound.Grep("E" + std::to_string(ch) + " ").empty());
}

TEST_F(SoundCueRules, ExitWindIsHeardWithinThreeStepsAndNeverInShops) {
  PartyAt(5, 5);
  EXPECT_EQ(ExitWindVolume(game, 5, 5), 100);
  EXPECT_EQ(ExitWindVolume(game, 7, 6), 85);    // two columns, one row
  EXPECT_EQ(ExitWindVolume(game, 8, 5), -400);  // three columns
  EXPECT_EQ(ExitWindVolume(game, 5, 2), -400);  // three rows
  EXPECT_EQ(ExitWindVolume(game, 7, 7), -400);  // distance 4

  PartyAt(14, 4);
  PlayCue(game, "puerta3", 16, 5, kFalse);
  PlayCue(game, "puerta1", 0, 9, kFalse);
  EXPECT_EQ(t.sound.Take(), (Lines{"E5 stop", "E5 play loop", "E5 prop 1 76", "E5 prop 3 85",
                                   "E3 stop", "E3 play loop", "E3 prop 1 -68", "E3 prop 3 -400"}));
  game.CurrentRoom.Name = "Tienda";
  PlayCue(game, "puerta2", 2, 11, kFalse);
  EXPECT_EQ(t.sound.Take(), Lines{"E4 stop"});
}

TEST_F(SoundCueRules, FootstepsReLevelTheWindOfExitsThatLeadSomewhere) {
  game.CurrentRoom.Exits(1) = Exit{.X = 0, .Y = 2, .Kind = "", .TargetRoom = 2};
  game.CurrentRoom.Exits(2) = Exit{.X = 4, .Y = 11, .Kind = "", .TargetRoom = 0};
  game.CurrentRoom.Exits(4) = Exit{.X = 3, .Y = 0, .Kind = "", .TargetRoom = 5};
  PartyAt(1, 1);
  PlayCue(game, "pasos", 1, 1, kFalse);
  EXPECT_EQ(t.sound.Grep("E3 "), Lines{"E3 prop 3 90"});
  EXPECT_TRUE(t.sound.Grep("E4 ").empty());
  EXPECT_TRUE(t.sound.Grep("E5 ").empty());
  EXPECT_EQ(t.sound.Grep("E6 "), Lines{"E6 prop 3 85"});
  EXPECT_EQ(t.sound.Grep("E16").size(), 2u);  // the beacons are levelled, not restarted
  EXPECT_TRUE(t.sound.Grep("E16 play").empty());
}

TEST_F(SoundCueRules, BeaconsStartOncePerCellAndOnlyNeighboursAreHeard) {
  PartyAt(4, 4);
  PutObject(1, "Monedas", 5, 5);   // diagonal neighbour
  PutObject(2, "Yelmo", 5, 5);     // same cell: no second beacon
  PutObject(3, "Antorcha", 4, 2);  // two rows away
  PutObject(4, "Pocion", 6, 4);    // two columns away
  PutObject(5, "Daga", 4, 4);      // the party's own cell
  PutObject(11, "Escudo", 4, 4);   // slots past 10 have no beacon
  RefreshBeacons(game, Beacons::Restart);
  EXPECT_EQ(t.sound.Grep("E16"),
            (Lines{"E16 stop", "E16 play loop", "E16 prop 1 -22", "E16 prop 3 80"}));
  EXPECT_EQ(t.sound.Grep("E17"), (Lines{"E17 stop", "E17 prop 1 -22", "E17 prop 3 80"}));
  EXPECT_EQ(t.sound.Grep("E18"), (Lines{"E18 stop", "E18 play loop", "E18 prop 1 -32",
                                        "E18 prop 3 86", "E18 prop 3 0"}));
  EXPECT_EQ(t.sound.Grep("E19"), (Lines{"E19 stop", "E19 play loop", "E19 prop 1 -14",
                                        "E19 prop 3 82", "E19 prop 3 0"}));
  EXPECT_EQ(t.sound.Grep("E20").back(), "E20 prop 3 82");
  EXPECT_EQ(t.sound.Grep("E25").front(), "E25 stop");
  t.sound.Take();
  RefreshBeacons(game, Beacons::LevelOnly);  // levels only
  EXPECT_EQ(t.sound.Grep("E16"), (Lines{"E16 prop 1 -22", "E16 prop 3 80"}));
  for (const std::string& line : t.sound.Log) EXPECT_FALSE(line.ends_with(" play loop")) << line;
  game.CurrentRoom.Name = "Tienda";  // shops have none: the ten are only stopped
  t.sound.Take();
  RefreshBeacons(game, Beacons::Restart);
  EXPECT_EQ(t.sound.Take().size(), 10u);

  // Two objects on one cell of the last column and row: one beacon there too.
  game.CurrentRoom.Name = "Sala";
  PutObject(1, "Monedas", 15, 15);
  PutObject(2, "Yelmo", 15, 15);
  RefreshBeacons(game, Beacons::Restart);
  EXPECT_EQ(t.sound.Grep("E16 play").size(), 1u);
  EXPECT_TRUE(t.sound.Grep("E17 play").empty());
}

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
