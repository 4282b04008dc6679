#include <gtest/gtest.h>

#include "generation/PhaseChange.hpp"
#include "support/RunnerEvents.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

using testing::Json;

std::vector<Json> Events(const std::string& script, int* code = nullptr) {
  return testing::RunEvents(testing::Seeded(21, 5), script, code);
}

// The texts of the message boxes the script met.
Json Boxes(const std::vector<Json>& events) {
  Json texts = Json::array();
  for (const auto& box : testing::Where(events, {{"e", "msgbox"}})) texts.push_back(box["text"]);
  return texts;
}

// Four changes reach phase five, each with its music; the fifth staircase then tells the
// closing story to the ending tune and closes the window.
TEST(PhaseChange, EachPhaseHasItsMusicAndTheFifthStaircaseTellsTheClosingStory) {
  int code = -1;
  auto events = Events("dump\nenter 0\ndump\n", &code);
  EXPECT_EQ(code, script::kExitDone);
  auto boxes = Boxes(events);
  ASSERT_GE(boxes.size(), 12u);
  EXPECT_EQ(boxes[0], "¡¡Enhorabuena!! Has superado la 1ª fase.");
  EXPECT_EQ(boxes[3], "¡¡Enhorabuena!! Has superado la 4ª fase.");
  EXPECT_EQ(boxes[4], "¡¡Enhorabuena!! Has superado la 5ª fase.");
  EXPECT_EQ(boxes[5], "Y aquí termina la gesta de estos  héroes.");
  EXPECT_EQ(boxes[9], "Defender siempre el bien y la justicia de los ataques del mal.");
  EXPECT_EQ(boxes[10], "FIN");
  EXPECT_EQ(boxes[11], "Por Quendral");
  std::vector<std::string> music;
  std::vector<int> volumes;
  for (const auto& e : events) {
    if (e["e"] != "sound" || e["bank"] != "music" || e["channel"] != 0) continue;
    if (e["op"] == "load") music.push_back(e["file"]);
    if (e["op"] == "prop" && e["kind"] == 3) volumes.push_back(e["value"]);
  }
  EXPECT_EQ(music, (std::vector<std::string>{"Sonidos/Caverna.mp3", "Sonidos/Caverna2.mp3",
                                             "Sonidos/Bosque.mp3", "Sonidos/Cuartel.mp3",
                                             "Sonidos/Vapores.mp3", "Sonidos/Salida.mp3"}));
  EXPECT_EQ(volumes, (std::vector<int>{90, 90, 80, 90, 70, 90}));
  const Json state = testing::LastState(events);
  EXPECT_EQ(state["Phase"], 5);
  EXPECT_EQ(state["CurrentRoomIndex"], 1);
  EXPECT_EQ(state["CursorX"], 5);
  EXPECT_EQ(state["Rooms"][1]["Name"], "Gran sala de columnas");
  EXPECT_EQ(state["DungeonBeings"][0]["Name"], "");
  // The runner brings the party a player would have; without one the phase starts empty.
  EXPECT_EQ(state["Party"][3]["Name"], "Sukir, hechicero humano");
  EXPECT_EQ(state["RecruitingOpen"], false);
  script::RunnerOptions alone = testing::Seeded(21, 3);
  alone.Party = false;
  const Json empty = testing::LastState(testing::RunEvents(alone, "dump\n"));
  EXPECT_EQ(empty["Phase"], 3);
  EXPECT_EQ(empty["Party"][0]["Name"], "");
  EXPECT_EQ(empty["RecruitingOpen"], true);
  EXPECT_EQ(events.back()["e"], "end");
  EXPECT_EQ(events.back()["reason"], "closed");
  EXPECT_EQ(testing::Where(events, {{"e", "state"}}).size(), 1u);  // nothing runs after the end
}

TEST(PhaseChange, KeysInPacksAreLeftBehindButNotThoseInHand) {
  testing::TestGame t(RunSettings{"/tmp", 3});
  t.Start({1});
  const Item key{.Name = "Llave verde", .KeyNo = 2};
  t.game.Party(1).Inventory(1) = key;
  t.game.Party(1).Inventory(2) = {.Name = "Perla"};
  t.game.Party(1).LeftHand = key;
  CompletePhase(t.game);
  EXPECT_EQ(t.game.Phase, 2);
  EXPECT_EQ(t.game.Party(1).Inventory(1).Name.Trimmed(), "Perla");
  EXPECT_TRUE(t.game.Party(1).Inventory(2).Name.IsEmpty());
  EXPECT_EQ(t.game.Party(1).LeftHand.KeyNo, 2);
  EXPECT_EQ(t.game.Party(1).RightHand.Name.Trimmed(), "Espada bastarda");
  EXPECT_EQ(t.game.CurrentRoom.Name.Trimmed(), "Gran sala de columnas");
}

}  // namespace
}  // namespace zorvek
