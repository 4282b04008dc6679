#include <gtest/gtest.h>

#include <set>
#include <string>

#include "generation/Generation.hpp"
#include "support/TestGame.hpp"

namespace zorvek::testing {
namespace {

// A room whose life bounds are one kind's own life draws that kind or another as
// strong: the bounds take in both ends, so no kind is out of every room's reach.
TEST(Populate, EveryKindCanBeDrawnByARoomWhoseBoundsAreItsOwnLife) {
  TestGame t(RunSettings{"/tmp", 9});
  t.Start();
  const Table<Being>& kinds = t.game.MonsterCatalogue;
  for (int k = kinds.Lower(); k <= kinds.Upper(); ++k) {
    const auto life = static_cast<int16_t>(kinds(k).MaxLife);
    std::set<std::string> asStrong;
    for (const Being& kind : kinds) {
      if (kind.MaxLife == life) asStrong.insert(kind.Name.Trimmed());
    }
    t.game.Rooms(1).Beings = {};
    PopulateRoom(t.game, life, life, life, 1);
    int drawn = 0;
    for (int16_t index : t.game.Rooms(1).Beings) {
      if (index < 1) continue;
      ++drawn;
      EXPECT_EQ(asStrong.count(t.game.DungeonBeings(index).Name.Trimmed()), 1u);
    }
    EXPECT_GE(drawn, 1) << kinds(k).Name.Trimmed();
  }
}

}  // namespace
}  // namespace zorvek::testing
