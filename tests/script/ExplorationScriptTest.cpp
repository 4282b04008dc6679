#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/RunnerEvents.hpp"

namespace zorvek::script {
namespace {

using testing::Json;

std::vector<Json> PlayScriptFile(const std::string& name, int seed) {
  std::ifstream file(std::string(ZORVEK_TEST_DATA) + "/" + name);
  std::stringstream text;
  text << file.rdbuf();
  return testing::RunEvents(testing::Seeded(seed), text.str());
}

// Finds the texts, in this order, among the writes to the text areas.
void ExpectTextsInOrder(const std::vector<Json>& events,
                        const std::vector<std::pair<std::string, std::string>>& expected) {
  std::size_t next = 0;
  for (const auto& e : events) {
    if (next == expected.size()) break;
    if (e["e"] == "text" && e["area"] == expected[next].first &&
        e["text"] == expected[next].second) {
      ++next;
    }
  }
  if (next < expected.size()) {
    ADD_FAILURE() << "missing, in order: " << expected[next].first << " \"" << expected[next].second
                  << "\"";
  }
}

TEST(ExplorationScript, FirstWalkThroughTheStartingAreaTellsEveryStepExactly) {
  auto events = PlayScriptFile("exploration.zs", 7);
  const std::string cuchillo =
      "Cuchillo" + std::string(92, ' ') + "\r\nArma cuerpo a cuerpo \r\nDaño máximo: 2\r\n";
  ExpectTextsInOrder(
      events,
      {{"TBDatos",
        "Debe reclutar a cuatro héroes para tener alguna posibilidad de lograr su objetivo"},
       {"TBDatos",
        "Urso, guerrero humano\r\nFuerza: 4\r\nDestreza: 1\r\nConstitución: 2\r\nPoder: 1\r\n"
        "Arma: Espada bastarda"},
       {"TBDatos", "Sukir, hechicero humano  Reclutado."},
       {"TBGeneral", "El pasillo de los calabozos  2X5"},
       {"TBDatos", "La reja está cerrada con una cerradura estrella"},
       {"TBGeneral", "La sala del carcelero  5X9"},
       {"TBGeneral", "Modo combate activado "},
       {"TBGeneral", "La sala del carcelero 5 x 9"},
       {"TBDatos", cuchillo},
       {"TBDatos", "Jan, guerrero humano coge  las 2 monedas."},
       {"TBDatos", "Urso, guerrero humano coge el Cuchillo"},
       {"TBDatos", "Urso, guerrero humano recoge Llave estrella, "},
       {"TBDatos",
        "Urso, guerrero humano abre la puerta con la llave estrella. Ahora ya podréis pasar."},
       {"TBGeneral", "Gran sala de columnas  15X10"},
       {"TBGeneral", "El pasillo de los calabozos  2X5"},
       {"TBGeneral", "Gran sala de columnas  15X10"}});

  // The fight starts inside the pursuit tick, before any key of the fight.
  bool inTick = false;
  bool startedInTick = false;
  for (const auto& e : events) {
    if (e["e"] == "tick") inTick = e["fired"];
    if (e["e"] == "key") inTick = false;
    if (inTick && e["e"] == "text" && e["text"] == "Modo combate activado ") startedInTick = true;
  }
  EXPECT_TRUE(startedInTick);

  // Footsteps across the 3-wide cells: columns 2 and 3 are heard at pan 4 (4.5 rounds to
  // even) and 14 (13.5 rounds to even), row 1 at volume 98.
  std::vector<int> pans;
  std::vector<int> volumes;
  bool afterStep = false;
  for (const auto& e : events) {
    if (e["e"] != "sound" || e["bank"] != "effects" || e["channel"] != 0) continue;
    if (e["op"] == "play") afterStep = true;
    if (afterStep && e["op"] == "prop" && e["kind"] == 1) pans.push_back(e["value"]);
    if (afterStep && e["op"] == "prop" && e["kind"] == 3) volumes.push_back(e["value"]);
  }
  ASSERT_GE(pans.size(), 2u);
  EXPECT_EQ(pans[0], 4);
  EXPECT_EQ(pans[1], 14);
  EXPECT_EQ(volumes[0], 98);

  const Json state = testing::LastState(events);
  EXPECT_EQ(state["CurrentRoomIndex"], 4);
  EXPECT_EQ(state["Rooms"][2]["Exits"][2]["IsOpen"], true);
  EXPECT_EQ(state["Rooms"][2]["Exits"][2]["LockNo"], 0);
  EXPECT_EQ(state["Party"][1]["Coins"], 2);
  EXPECT_EQ(state["LockNames"][0], "estrella");
}

}  // namespace
}  // namespace zorvek::script
