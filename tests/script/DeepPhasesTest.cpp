#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/Scenario.hpp"

// The phases below the first, played through the runner as a player reaches them: with
// the four first candidates recruited and carried through every phase change. The game's
// rules are checked after every line.
namespace zorvek::testing {
namespace {

std::string Announced(const Room& room) {
  return room.Name.Trimmed() + "  " + std::to_string(room.Width) + "X" +
         std::to_string(room.Height);
}

// Walks forward along the chain that leaves the start hall through `door`, as far as the
// doors are open (at most `rooms` rooms), then all the way back; each room is announced
// by the name it keeps.
void WalkThereAndBack(Scenario& s, int door, int rooms) {
  std::vector<int> path{1};
  for (int next = s.game().CurrentRoom.Exits(door).TargetRoom;
       path.size() <= static_cast<std::size_t>(rooms);
       next = s.game().CurrentRoom.Exits(2).TargetRoom) {
    const Room& here = s.game().CurrentRoom;
    int slot = 1;
    while (slot <= 5 && here.Exits(slot).TargetRoom != next) ++slot;
    if (next < 2 || slot > 5 || !IsSet(here.Exits(slot).IsOpen) ||
        s.game().Rooms(next).Name.Trimmed() == "Tienda")
      break;
    s.WalkTo(next);
    ASSERT_EQ(s.game().CurrentRoomIndex, next);
    EXPECT_EQ(s.General(), Announced(s.game().Rooms(next)));
    path.push_back(next);
  }
  ASSERT_GE(path.size(), 2u) << "no open door " << door;
  for (auto back = path.rbegin() + 1; back != path.rend(); ++back) {
    s.WalkTo(*back);
    ASSERT_EQ(s.game().CurrentRoomIndex, *back);
    EXPECT_EQ(s.General(), Announced(s.game().Rooms(*back)));
  }
  EXPECT_EQ(s.General(), "Gran sala de columnas  10X10");
  EXPECT_EQ(s.game().Rooms(0).Name.Trimmed(), "Escaleras centrales");
}

// Entering a room renames that room only: the hall keeps its name, no key moves, and
// the staircase room keeps its own, whatever rooms the party walks through.
TEST(DeepPhases, WalkingThroughRoomsRenamesOnlyTheRoomEntered) {
  {
    Scenario s(Seeded(3, 2));
    s.Play("key Right\nkey Up\nkey Up\nkey Up\nkey Up\nkey Up\nkey Up\nkey Up");
    EXPECT_EQ(s.game().CurrentRoomIndex, 2);
    s.Play("key Down\nkey Down");
    EXPECT_EQ(s.General(), "Gran sala de columnas  10X10");
    EXPECT_TRUE(s.game().Rooms(1).Items(1).Name.IsEmpty());
    s.Play("enter 0");
    EXPECT_EQ(s.game().Phase, 3);
    EXPECT_EQ(s.game().Rooms(0).Name.Trimmed(), "Escaleras centrales");
  }
  for (int phase = 2; phase <= 5; ++phase) {
    const int seed = phase % 2 == 0 ? 4 : 11;
    SCOPED_TRACE("phase " + std::to_string(phase) + " seed " + std::to_string(seed));
    Scenario s(Seeded(seed, phase));
    for (int door = 1; door <= 2; ++door) {
      WalkThereAndBack(s, door, 4);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

// The first room of that name whose door from the room before it is open; 0 if none.
int FirstOpenRoomNamed(const Game& game, const std::string& name) {
  for (int r = 2; r <= game.Rooms.Upper(); ++r) {
    const Room& room = game.Rooms(r);
    if (room.Name.Trimmed() != name || !game.Rooms.Has(room.Exits(1).TargetRoom)) continue;
    for (const Exit& e : game.Rooms(room.Exits(1).TargetRoom).Exits) {
      if (e.TargetRoom == r && IsSet(e.IsOpen)) return r;
    }
  }
  return 0;
}

// In the fourth phase a training zone reads "Cuartel" at the first entry and "Fábrica de
// armas" at the next, its decoration following the barracks'; the factory stays one.
TEST(DeepPhases, AFourthPhaseTrainingZoneBecomesBarracksThenAWeaponFactory) {
  int found = 0;
  for (int seed = 1; seed <= 30 && found < 2; ++seed) {
    Scenario s(Seeded(seed, 4));
    const int zone = FirstOpenRoomNamed(s.game(), "Zona de entrenamiento");
    if (zone == 0) continue;
    ++found;
    const int before = s.game().Rooms(zone).Exits(1).TargetRoom;
    const bool decorated = IsSet(s.game().Rooms(zone).Items(1).IsDecoration);
    s.Play("enter " + std::to_string(zone));
    EXPECT_EQ(s.General().rfind("Cuartel  ", 0), 0u) << s.General();
    for (int visit = 0; visit < 2; ++visit) {
      s.WalkTo(before);
      s.WalkTo(zone);
      ASSERT_EQ(s.game().CurrentRoomIndex, zone);
      EXPECT_EQ(s.General(), Announced(s.game().Rooms(zone)));
      EXPECT_EQ(s.game().CurrentRoom.Name.Trimmed(), "Fábrica de armas");
      if (decorated) {
        EXPECT_EQ(s.game().CurrentRoom.Items(1).Name.Trimmed(), "Punta de flecha");
      }
    }
  }
  EXPECT_EQ(found, 2);
}

// A shop's window opens once; the party comes back into the room of its door, which
// keeps its own name and is no second shop.
TEST(DeepPhases, AShopOpensOnceAndTheRoomOfItsDoorStaysItself) {
  for (int phase = 2; phase <= 5; ++phase) {
    SCOPED_TRACE("phase " + std::to_string(phase));
    Scenario s(Seeded(5, phase));
    const int shop = FirstOpenRoomNamed(s.game(), "Tienda");
    ASSERT_GT(shop, 0);
    const int host = s.game().Rooms(shop).Exits(1).TargetRoom;
    s.Play("enter " + std::to_string(host));
    s.TakeEvents();
    s.WalkTo(shop);
    EXPECT_EQ(Where(s.TakeEvents(), {{"e", "dialog"}, {"op", "open"}}).size(), 1u);
    EXPECT_EQ(s.game().CurrentRoomIndex, host);
    EXPECT_NE(s.game().Rooms(host).Name.Trimmed(), "Tienda");
    EXPECT_EQ(s.General(), Announced(s.game().Rooms(host)));
  }
}

// The first room holding a monster that carries a key.
int KeyCarriersRoom(const Game& game) {
  for (int r = 2; r <= game.Rooms.Upper(); ++r) {
    for (int16_t index : game.Rooms(r).Beings) {
      if (!IsMonster(game, index)) continue;
      for (const Item& item : game.DungeonBeings(index).Inventory) {
        if (item.KeyNo >= 1) return r;
      }
    }
  }
  return 0;
}

// Monsters of every phase close in on the party and start the fight, also after the game
// is saved and loaded in their room; the one carrying a key is among them.
TEST(DeepPhases, MonstersOfEveryPhasePursueThePartyAndFight) {
  for (int phase = 2; phase <= 5; ++phase) {
    SCOPED_TRACE("phase " + std::to_string(phase));
    script::RunnerOptions options = Seeded(7, phase);
    options.Dir = ::testing::TempDir() + "zorvek_pursuit_" + std::to_string(phase);
    std::filesystem::create_directories(options.Dir);
    Scenario s(options);
    const int room = KeyCarriersRoom(s.game());
    ASSERT_GT(room, 0);
    s.Play("enter " + std::to_string(room));
    EXPECT_TRUE(s.game().TimerEnabled(TimerId::TMRPersecu));
    s.Play("answer yes\nkey F7\nanswer yes\nkey F8");
    ASSERT_EQ(s.game().Text(TextArea::TBDatos), "Partida cargada");
    EXPECT_TRUE(s.game().TimerEnabled(TimerId::TMRPersecu));
    for (int tick = 0; tick < 20 && !s.game().InCombat; ++tick) s.Play("tick persecu");
    EXPECT_TRUE(s.game().InCombat);
    EXPECT_EQ(s.game().Text(TextArea::TBGeneral), "Modo combate activado ");
  }
}

}  // namespace
}  // namespace zorvek::testing
