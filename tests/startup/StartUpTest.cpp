#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <set>
#include <sstream>

#include "app/script/Runner.hpp"
#include "startup/StartUp.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

using Json = nlohmann::json;

// Runs a script through the runner and returns its events.
std::vector<Json> RunEvents(const script::RunnerOptions& options, const std::string& text) {
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(script::RunScript(options, text, out, err), script::kExitDone) << err.str();
  std::vector<Json> events;
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) events.push_back(Json::parse(line));
  return events;
}

Json DumpOf(const script::RunnerOptions& options) {
  for (const auto& e : RunEvents(options, "dump\n")) {
    if (e["e"] == "state") return e["state"];
  }
  ADD_FAILURE() << "no state event";
  return {};
}

script::RunnerOptions Seeded(int seed, int difficulty = 1) {
  script::RunnerOptions o;
  o.Seed = seed;
  o.Difficulty = difficulty;
  o.Dir = "/tmp";
  return o;
}

TEST(StartMenuLogic, DifficultyListAndLoadChoice) {
  EXPECT_EQ(StartMenu::DifficultyAt(0), 1);
  EXPECT_EQ(StartMenu::DifficultyAt(1), 2);
  EXPECT_EQ(StartMenu::DifficultyAt(2), 3);
  EXPECT_EQ(StartMenu::DifficultyAt(3), 5);
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

TEST(StartUp, NewGameStandsInTheCellsOfTheJailsWithEmptyParty) {
  Json s = DumpOf(Seeded(7));
  EXPECT_EQ(s["Phase"], 1);
  EXPECT_EQ(s["CurrentRoomIndex"], 1);
  EXPECT_EQ(s["CursorX"], 1);
  EXPECT_EQ(s["CursorY"], 1);
  EXPECT_EQ(s["RecruitingOpen"], true);
  EXPECT_EQ(s["ReadCoordinates"], true);
  EXPECT_EQ(s["PickupHero"], 1);
  EXPECT_EQ(s["InCombat"], false);
  EXPECT_EQ(s["Timers"]["TMRRecuperación"], true);
  EXPECT_EQ(s["Timers"]["TMRPersecu"], false);
  EXPECT_EQ(s["CurrentRoom"]["Name"], "Calabozos");
  for (const auto& hero : s["Party"]) EXPECT_EQ(hero["Name"], "");
  for (int i = 12; i < 19; ++i) EXPECT_EQ(s["DungeonBeings"][i]["Name"], "") << i + 1;
  EXPECT_EQ(s["DungeonBeings"][1]["Name"], "Jan, guerrero humano");
  EXPECT_EQ(s["ItemCatalogue"].size(), 57u);
  EXPECT_EQ(s["MonsterCatalogue"].size(), 19u);
  EXPECT_EQ(s["Bosses"][4]["Name"], "Rey dragón");
}

TEST(StartUp, StartingAreaIsTheFixedFourRoomsWithKeyOneAndLockOne) {
  Json s = DumpOf(Seeded(7));
  const Json& rooms = s["Rooms"];
  EXPECT_EQ(rooms[1]["Name"], "Calabozos");
  EXPECT_EQ(rooms[2]["Name"], "El pasillo de los calabozos");
  EXPECT_EQ(rooms[3]["Name"], "La sala del carcelero");
  EXPECT_EQ(rooms[4]["Name"], "Gran sala de columnas");
  EXPECT_EQ(rooms[3]["Width"], 5);
  EXPECT_EQ(rooms[3]["Height"], 9);
  const Json& grille = rooms[2]["Exits"][2];
  EXPECT_EQ(grille["Kind"], "reja");
  EXPECT_EQ(grille["TargetRoom"], 4);
  EXPECT_EQ(grille["IsOpen"], false);
  EXPECT_EQ(grille["LockNo"], 1);
  EXPECT_EQ(rooms[4]["Exits"][0]["IsOpen"], true);  // the hall's side stays open

  // Key 1 is carried by the first monster of the jailer's room.
  int carrier = rooms[3]["Beings"][0];
  ASSERT_GE(carrier, 20);
  const Json& key = s["DungeonBeings"][carrier - 1]["Inventory"][0];
  EXPECT_EQ(key["KeyNo"], 1);
  EXPECT_EQ(key["Name"], "Llave " + s["LockNames"][0].get<std::string>());

  std::set<std::string> names;
  for (const auto& n : s["LockNames"]) names.insert(n.get<std::string>());
  EXPECT_EQ(s["LockNames"].size(), 20u);
  EXPECT_EQ(names.size(), 20u);
}

TEST(StartUp, JailersRoomHoldsWeakMonstersOnOneCell) {
  Json s = DumpOf(Seeded(11));
  const Json& jail = s["Rooms"][3];
  int members = 0;
  for (const auto& index : jail["Beings"]) {
    int i = index;
    if (i == 0) continue;
    ++members;
    const Json& m = s["DungeonBeings"][i - 1];
    EXPECT_LE(m["MaxLife"].get<int>(), CInt(1.05 * 15));
    EXPECT_EQ(m["X"], s["DungeonBeings"][jail["Beings"][0].get<int>() - 1]["X"]);
  }
  EXPECT_GE(members, 1);
}

TEST(StartUp, DifficultyMultipliesEveryPlacedMonster) {
  Json easy = DumpOf(Seeded(7, 1));
  Json hard = DumpOf(Seeded(7, 5));
  const Json& before = easy["DungeonBeings"];
  const Json& after = hard["DungeonBeings"];
  ASSERT_EQ(before.size(), after.size());
  ASSERT_GT(after.size(), 20u);
  for (std::size_t i = 19; i < after.size(); ++i) {
    const Json& m = after[i];
    int con = m["Constitution"];
    EXPECT_EQ(con, 5 * before[i]["Constitution"].get<int>());
    EXPECT_EQ(m["Strength"], 5 * before[i]["Strength"].get<int>());
    EXPECT_EQ(m["MaxLife"], 4 * con + 20);
    EXPECT_EQ(m["Life"], 4 * con + 20);
    EXPECT_EQ(m["MaxMagic"], 3 * m["Power"].get<int>());
    EXPECT_EQ(m["MeleeAttack"], m["Strength"].get<int>() + con);
    EXPECT_EQ(m["Defence"], m["Dexterity"].get<int>() + con);
  }
  // The heroes are never scaled.
  EXPECT_EQ(after[0], before[0]);
  EXPECT_EQ(hard["Difficulty"], 5);
}

TEST(StartUp, SameSeedGivesTheSameGame) {
  EXPECT_EQ(DumpOf(Seeded(42)), DumpOf(Seeded(42)));
  EXPECT_NE(DumpOf(Seeded(42))["Rooms"], DumpOf(Seeded(43))["Rooms"]);
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
