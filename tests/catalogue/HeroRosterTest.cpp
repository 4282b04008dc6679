#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "catalogue/Catalogues.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

// Fuerza, Destreza, Constitución, Poder, P. Vida, P. Magia, the two attacks, ataque
// mágico, Defensa and experience factor, as the hero sheet shows them.
using Sheet = std::array<int32_t, 11>;

Sheet SheetOf(const Being& h) {
  return {h.Strength,    h.Dexterity,    h.Constitution, h.Power,   h.MaxLife,         h.MaxMagic,
          h.MeleeAttack, h.RangedAttack, h.MagicAttack,  h.Defence, h.ExperienceFactor};
}

TEST(HeroRoster, CandidatesStartWholeInRoomOneWithOneWeaponOrScrollAndNothingElse) {
  testing::TestGame t;
  t.game.Rooms.ReDim(0, 1);
  t.game.Party(2).Name = "Alguien";
  t.game.DungeonBeings.ReDim(1, 30);
  t.game.DungeonBeings(15).Life = 99;
  t.random.Play({0.5});
  BuildHeroRoster(t.game);
  auto Hero = [&](int k) -> const Being& { return t.game.DungeonBeings(k); };
  for (int k = 1; k <= 12; ++k) {
    const Being& h = Hero(k);
    SCOPED_TRACE(h.Name.Trimmed());
    EXPECT_FALSE(h.Name.IsEmpty());
    EXPECT_EQ(h.Id, k);
    EXPECT_EQ(h.Life, h.MaxLife);
    EXPECT_EQ(h.Magic, h.MaxMagic);
    EXPECT_EQ(h.Level, 1);
    EXPECT_EQ(h.Experience, 0);
    EXPECT_EQ(h.IsHero, kTrue);
    EXPECT_EQ(t.game.Rooms(1).Beings(k), k);
    const Item& item = h.RightHand;
    EXPECT_EQ(-(item.IsMelee + item.IsRanged + item.IsSpell), 1);
    EXPECT_EQ(item.SpellLevel, k % 4 == 0 ? 1 : 0);  // every fourth is a sorcerer
    EXPECT_TRUE(h.LeftHand.Name.IsEmpty() && h.Body.Name.IsEmpty());
  }
  // The first and last rows in full, so that a shifted column shows.
  EXPECT_EQ(Hero(1).Name.Trimmed(), "Urso, guerrero humano");
  EXPECT_EQ(SheetOf(Hero(1)), (Sheet{4, 1, 2, 1, 28, 3, 6, 5, 2, 3, 15}));
  EXPECT_EQ(Hero(12).Name.Trimmed(), "Zöhn, hechicero enano");
  EXPECT_EQ(SheetOf(Hero(12)), (Sheet{1, 2, 2, 3, 28, 9, 3, 3, 5, 4, 13}));
  EXPECT_EQ(Hero(12).X, 3);
  EXPECT_EQ(Hero(12).Y, 1);

  // The party and the beings after the candidates start empty, and nothing was drawn.
  for (int p = 1; p <= 4; ++p) EXPECT_TRUE(t.game.Party(p).Name.IsEmpty());
  EXPECT_EQ(t.game.DungeonBeings.Lower(), 1);
  EXPECT_EQ(t.game.DungeonBeings.Upper(), 19);
  for (int k = 13; k <= 19; ++k) EXPECT_EQ(Hero(k), Being{}) << k;
  for (int s = 13; s <= 20; ++s) EXPECT_EQ(t.game.Rooms(1).Beings(s), 0);
  EXPECT_EQ(t.random.Draws, 0);
}

}  // namespace
}  // namespace zorvek
