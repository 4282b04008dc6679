#include <gtest/gtest.h>

#include "startup/StartUp.hpp"
#include "support/RunnerEvents.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

using testing::Json;
using testing::RunEvents;
using testing::Seeded;

Json DumpOf(const script::RunnerOptions& options) {
  return testing::LastState(RunEvents(options, "dump\n"));
}

TEST(StartMenuLogic, DifficultyListAndLoadChoice) {
  StartMenu menu;
  EXPECT_TRUE(menu.NewGame());  // the first entry is selected when the menu opens
  EXPECT_EQ(menu.Difficulty(), 1);
  menu.Select(3);
  ASSERT_TRUE(menu.NewGame());
  menu.LoadGame();
  EXPECT_TRUE(menu.LoadOnStart());
  EXPECT_EQ(menu.Difficulty(), 5);  // kept until a loaded game restores its own
  menu.Select(-1);
  EXPECT_FALSE(menu.NewGame());
  EXPECT_TRUE(menu.LoadOnStart());
}

TEST(StartUp, NewGameStandsInTheCellsWithAnEmptyPartyAndTheJailersKey) {
  Json s = DumpOf(Seeded(7));
  EXPECT_EQ(s["Phase"], 1);
  EXPECT_EQ(s["CurrentRoomIndex"], 1);
  EXPECT_EQ(s["CursorX"], 1);
  EXPECT_EQ(s["CursorY"], 1);
  EXPECT_EQ(s["RecruitingOpen"], true);
  EXPECT_EQ(s["Timers"]["TMRRecuperación"], true);
  EXPECT_EQ(s["Timers"]["TMRPersecu"], false);
  EXPECT_EQ(s["CurrentRoom"]["Name"], "Calabozos");
  for (const auto& hero : s["Party"]) EXPECT_EQ(hero["Name"], "");
  EXPECT_EQ(s["DungeonBeings"][1]["Name"], "Jan, guerrero humano");

  // The starting area: the cells' corridor ends at a grille shut by lock 1, whose key
  // the first monster of the jailer's room carries.
  const Json& rooms = s["Rooms"];
  EXPECT_EQ(rooms[3]["Name"], "La sala del carcelero");
  const Json& grille = rooms[2]["Exits"][2];
  EXPECT_EQ(grille["TargetRoom"], 4);
  EXPECT_EQ(grille["IsOpen"], false);
  EXPECT_EQ(grille["LockNo"], 1);
  EXPECT_EQ(rooms[4]["Exits"][0]["IsOpen"], true);  // the hall's side stays open
  int carrier = rooms[3]["Beings"][0];
  ASSERT_GE(carrier, 20);
  const Json& key = s["DungeonBeings"][carrier - 1]["Inventory"][0];
  EXPECT_EQ(key["KeyNo"], 1);
  EXPECT_EQ(key["Name"], "Llave " + s["LockNames"][0].get<std::string>());
}

TEST(StartUp, SameSeedGivesTheSameGameAndDifficultyScalesOnlyItsMonsters) {
  EXPECT_EQ(DumpOf(Seeded(42)), DumpOf(Seeded(42)));
  EXPECT_NE(DumpOf(Seeded(42))["Rooms"], DumpOf(Seeded(43))["Rooms"]);
  const Json easy = DumpOf(Seeded(7))["DungeonBeings"];
  const Json hard = DumpOf(Seeded(7, 1, 5))["DungeonBeings"];
  ASSERT_EQ(easy.size(), hard.size());
  ASSERT_GT(hard.size(), 20u);
  EXPECT_EQ(hard[0], easy[0]);
  EXPECT_EQ(hard[19]["Constitution"], 5 * easy[19]["Constitution"].get<int>());
}

TEST(StartUp, RunnerEndsWithTheScriptAndEchoesKeysAndTicks) {
  auto events = RunEvents(Seeded(3), "key Left shift\ntick persecu\ntick recuperacion\n");
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back()["e"], "end");
  EXPECT_EQ(events.back()["reason"], "script");
  bool sawKey = false;
  std::vector<bool> fired;
  for (const auto& e : events) {
    if (e["e"] == "key") {
      sawKey = true;
      EXPECT_EQ(e["code"], 37);
      EXPECT_EQ(e["shift"], 1);
    }
    if (e["e"] == "tick") fired.push_back(e["fired"]);
  }
  EXPECT_TRUE(sawKey);
  EXPECT_EQ(fired, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace zorvek
