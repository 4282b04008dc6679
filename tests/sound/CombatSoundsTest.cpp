#include <gtest/gtest.h>

#include "sound/Sound.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

using Lines = std::vector<std::string>;

// The party on (2, 3) of a 5 x 5 room: pan -4, volume 94.
struct CombatSoundRules : ::testing::Test {
  CombatSoundRules() {
    game.CurrentRoom.Width = 5;
    game.CurrentRoom.Height = 5;
    game.CursorX = 2;
    game.CursorY = 3;
    InitSounds(game);
    ClearCombatQueue(game);
    t.sound.Take();
  }
  Lines Loads() const {
    Lines out;
    for (const auto& line : t.sound.Log) {
      if (line.find(" load ") != std::string::npos) out.push_back(line);
    }
    return out;
  }

  testing::SoundGame t;
  Game& game = t.game;
};

TEST(CombatSoundFiles, NamesChooseTheirSoundFirstMatchFirstAndHitsTheirVariant) {
  const std::vector<std::array<const char*, 3>> cases{
      {"Cuchillo", "Espada.wav", "Espada1.wav"},
      {"Hacha de combate", "Hacha.wav", "Hacha1.wav"},
      {"Ballesta", "Arco.wav", "Arco1.wav"},
      {"dientes", "Ratas.wav", "Ratas.wav"},
      {"Aliento de hielo", "Aliento.wav", "Aliento1.wav"},
      {"Aliento de fuego", "HFuego.wav", "HFuego.wav"},  // "fuego" is looked for first
      {"Garras", "Golpe.wav", "Golpe1.wav"},
      {"ESPADA", "Golpe.wav", "Golpe1.wav"},
  };
  for (const auto& [name, miss, hit] : cases) {
    EXPECT_EQ(CombatSoundFile(name, 0), miss) << name;
    EXPECT_EQ(CombatSoundFile(name, 1), hit) << name;
    EXPECT_EQ(CombatSoundFile(name, 2), hit) << name;
  }
}

TEST_F(CombatSoundRules, QueuedSoundsPlayOnePerTickAndThenTheBeaconsReturn) {
  game.CurrentRoom.Items(1) = Item{.X = 2, .Y = 3, .Name = "Monedas"};
  QueueCombatSound(game, "Espada corta", 1);
  QueueCombatSound(game, "Garras", 0);
  game.Sound.Queue(5) = CombatSound{"fuego", 0};
  game.Sound.QueueCursor = 0;
  game.SetTimer(TimerId::TMRSonidos, true);

  for (int tick = 0; tick < 3; ++tick) SoundsTick(game);
  EXPECT_EQ(Loads(), (Lines{"E8 load Sonidos/Espada1.wav", "E9 load Sonidos/Golpe.wav",
                            "E10 load Sonidos/HFuego.wav"}));
  EXPECT_EQ(t.sound.Grep("E10"), (Lines{"E10 load Sonidos/HFuego.wav", "E10 play once",
                                        "E10 prop 1 -4", "E10 prop 3 94"}));
  EXPECT_TRUE(game.TimerEnabled(TimerId::TMRSonidos));
  EXPECT_TRUE(t.sound.Grep("E16").empty());

  t.sound.Take();
  SoundsTick(game);
  EXPECT_FALSE(game.TimerEnabled(TimerId::TMRSonidos));
  EXPECT_TRUE(Loads().empty());
  EXPECT_EQ(t.sound.Grep("E16"),
            (Lines{"E16 stop", "E16 play loop", "E16 prop 1 -4", "E16 prop 3 84"}));
  t.sound.Take();
  SoundsTick(game);  // a late tick finds the queue still exhausted
  EXPECT_TRUE(Loads().empty());
}

TEST_F(CombatSoundRules, AKillAddsAScreamOnTheNextChannelRoundTheRotation) {
  QueueCombatSound(game, "Espada", 2);
  game.Sound.CombatChannel = 10;
  PlayCue(game, "Espada", -1, -1, kTrue);
  EXPECT_EQ(t.sound.Take(), (Lines{"E11 load Sonidos/Espada1.wav", "E11 play once", "E11 prop 1 -4",
                                   "E11 prop 3 94", "E8 load Sonidos/Grito.wav", "E8 play once",
                                   "E8 prop 1 -4", "E8 prop 3 94"}));
  ClearCombatQueue(game);  // no kill: one channel per sound
  std::vector<int> next;
  for (int16_t start : {0, 8, 11, 3, 12, -5}) {
    game.Sound.CombatChannel = start;
    PlayCombatSound(game, "Garras");
    next.push_back(game.Sound.CombatChannel);
  }
  EXPECT_EQ(next, (std::vector<int>{8, 9, 8, 8, 8, 8}));  // never a channel outside 8..11
}

TEST_F(CombatSoundRules, QueueHoldsThirtyEntriesBehindItsCursor) {
  for (int i = 1; i <= 30; ++i) EXPECT_TRUE(QueueCombatSound(game, "Garras", 1));
  EXPECT_FALSE(QueueCombatSound(game, "Hacha", 0));
  SetQueuedCombatResult(game, 2);  // the sound that found no room changes nothing
  EXPECT_EQ(game.Sound.Queue(30).Name, "Garras");
  EXPECT_EQ(game.Sound.Queue(30).Result, 1);
  ClearCombatQueue(game);
  EXPECT_EQ(game.Sound.QueueCursor, 0);
  PlayCue(game, "Espada", -1, -1, kTrue);  // cursor on no entry: the plain sound
  EXPECT_EQ(Loads(), Lines{"E8 load Sonidos/Espada.wav"});
}

}  // namespace
}  // namespace zorvek
