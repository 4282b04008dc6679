#include <gtest/gtest.h>

#include "support/RunnerEvents.hpp"

namespace zorvek::script {
namespace {

using json = testing::Json;
using testing::Where;

// Recruits the four heroes of the first room through the cell menu, then runs `rest`;
// returns the events from the first dialog opened on.
std::vector<json> Play(const std::string& rest, std::vector<json>* all = nullptr) {
  std::string script;
  for (int i = 1; i <= 4; ++i)
    script +=
        "key Enter\nkey 1\nkey Enter\nkey 1\nkey Enter\nkey " + std::to_string(i) + "\nkey Enter\n";
  std::vector<json> events;
  for (const json& e : testing::RunEvents(testing::Seeded(3), script + rest)) {
    if (all) all->push_back(e);
    if (!events.empty() || e["e"] == "dialog") events.push_back(e);
  }
  return events;
}

TEST(DialogScript, PartyActionsRunInTheDialogAndItsControlsAreReported) {
  std::vector<json> all;
  auto events = Play(
      "dump\nparty List1 0\nparty MnuOpcExa\nparty Option1 3\n"
      "party MnuOpcDer\n"  // refused: no line chosen since the hero changed
      "answer 1\nparty Command1\nkey G\nkey G\ndump\n",
      &all);
  json before = Where(all, {{"e", "state"}}).front()["state"]["Party"];
  json after = Where(events, {{"e", "state"}}).back()["state"]["Party"];
  EXPECT_EQ(Where(events, {{"e", "dialog"}, {"dialog", "Dialog"}}).size(), 4u);  // 2 x open, close
  auto names = Where(events, {{"e", "control"}, {"control", "TBNombre"}});
  ASSERT_GE(names.size(), 2u);
  EXPECT_EQ(names[0]["text"], before[0]["Name"]);
  EXPECT_EQ(names[1]["text"], before[3]["Name"]);
  auto lists = Where(events, {{"e", "control"}, {"control", "List1"}});
  ASSERT_FALSE(lists.empty());
  std::string weapon = before[0]["RightHand"]["Name"];
  EXPECT_EQ(lists[0]["lines"][0], "Mano derecha: " + weapon);
  EXPECT_EQ(lists[0]["lines"].size(), 3u);
  EXPECT_FALSE(Where(events, {{"control", "Command2"}, {"enabled", true}}).empty());
  auto boxes = Where(events, {{"e", "msgbox"}});
  ASSERT_EQ(boxes.size(), 1u);  // Examine; the refused entry showed nothing
  EXPECT_EQ(std::string(boxes[0]["text"]).rfind(weapon, 0), 0u);
  EXPECT_EQ(after[0]["Name"], before[3]["Name"]);  // position 4 went to 1
  EXPECT_EQ(after[3]["Name"], before[0]["Name"]);
}

TEST(DialogScript, ShopActionsRunWhenTheShopOpensAndHiddenControlsRefuse) {
  std::vector<json> all;
  Play("dump\n", &all);
  json rooms = Where(all, {{"e", "state"}}).front()["state"]["Rooms"];
  int shop = -1;
  for (std::size_t r = 0; r < rooms.size(); ++r) {
    if (rooms[r]["Name"] == "Tienda") shop = static_cast<int>(r);
  }
  ASSERT_GE(shop, 0);
  auto events = Play(
      "shop CBVenderOb\n"  // hidden frame: refused
      "shop List1 0\nshop CBComprarOb\nshop CBVender\nshop List3 0\nshop CBExaminarOb2\n"
      "enter " +
      std::to_string(shop) + "\ndump\n");
  ASSERT_EQ(events[0]["dialog"], "DLGTienda");
  auto boxes = Where(events, {{"e", "msgbox"}});
  ASSERT_GE(boxes.size(), 2u);
  EXPECT_EQ(boxes[0]["text"], "Me temo que no tiene suficientes monedas para pagar lo que quiere");
  EXPECT_EQ(Where(events, {{"control", "FRVender"}, {"enabled", true}}).size(), 1u);
  EXPECT_EQ(Where(events, {{"e", "dialog"}, {"op", "close"}}).size(), 1u);
  EXPECT_NE(events.back()["state"]["CurrentRoomIndex"], shop);  // walked back out
}

}  // namespace
}  // namespace zorvek::script
