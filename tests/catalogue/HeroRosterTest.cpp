#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "catalogue/Catalogues.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

// Fuerza, Destreza, Constitución, Poder, P. Vida, P. Magia, the two attacks, ataque
// mágico, Defensa and experience factor, as the hero sheets must show them.
using Sheet = std::array<int32_t, 11>;

struct ExpectedHero {
  const char* Name;
  int16_t X, Y;
  Sheet Values;
};

constexpr std::array<ExpectedHero, 12> kRoster{{
    {"Urso, guerrero humano", 1, 1, {4, 1, 2, 1, 28, 3, 6, 5, 2, 3, 15}},
    {"Jan, guerrero humano", 1, 1, {4, 2, 1, 1, 24, 3, 5, 6, 3, 3, 15}},
    {"Elkor, explorador humano", 1, 1, {2, 3, 2, 1, 28, 3, 4, 5, 4, 5, 10}},
    {"Sukir, hechicero humano", 1, 1, {1, 2, 1, 4, 24, 12, 2, 3, 6, 3, 13}},
    {"Earel, guerrero elfo", 2, 3, {3, 2, 2, 1, 28, 3, 5, 5, 3, 4, 15}},
    {"Zaleril, guerrero elfo", 2, 3, {2, 3, 2, 1, 28, 3, 4, 5, 4, 5, 15}},
    {"Ruansar, explorador elfo", 2, 3, {2, 4, 1, 1, 24, 3, 3, 6, 5, 5, 10}},
    {"Suusar, hechicero elfo", 2, 3, {1, 3, 1, 3, 24, 9, 2, 4, 6, 4, 13}},
    {"Glein, guerrero enano", 3, 1, {5, 1, 1, 1, 24, 3, 6, 6, 2, 2, 15}},
    {"Talin, guerrero enano", 3, 1, {2, 2, 3, 1, 32, 3, 5, 4, 3, 5, 15}},
    {"Gamli, explorador enano", 3, 1, {2, 2, 3, 1, 32, 3, 5, 4, 3, 5, 10}},
    {"Zöhn, hechicero enano", 3, 1, {1, 2, 2, 3, 28, 9, 3, 3, 5, 4, 13}},
}};

Sheet SheetOf(const Being& h) {
  return {h.Strength,    h.Dexterity,    h.Constitution, h.Power,   h.MaxLife,         h.MaxMagic,
          h.MeleeAttack, h.RangedAttack, h.MagicAttack,  h.Defence, h.ExperienceFactor};
}

class HeroRoster : public ::testing::Test {
 protected:
  void SetUp() override {
    t.game.Rooms.ReDim(0, 1);
    t.game.Party(2).Name = "Alguien";
    t.game.DungeonBeings.ReDim(1, 30);
    t.game.DungeonBeings(15).Life = 99;
    t.random.Play({0.5});
    BuildHeroRoster(t.game);
  }
  const Being& Hero(int k) const { return t.game.DungeonBeings(k); }

  testing::TestGame t;
};

TEST_F(HeroRoster, EveryCandidateHasTheCharacteristicsAndDerivedValuesOfTheRoster) {
  for (int k = 1; k <= 12; ++k) {
    const ExpectedHero& e = kRoster[static_cast<std::size_t>(k - 1)];
    const Being& h = Hero(k);
    SCOPED_TRACE(e.Name);
    EXPECT_EQ(h.Name.Trimmed(), e.Name);
    EXPECT_EQ(h.Id, k);
    EXPECT_EQ(h.X, e.X);
    EXPECT_EQ(h.Y, e.Y);
    EXPECT_EQ(SheetOf(h), e.Values);
    EXPECT_EQ(h.Life, h.MaxLife);
    EXPECT_EQ(h.Magic, h.MaxMagic);
    EXPECT_EQ(h.Armour, 0);
    EXPECT_EQ(h.Level, 1);
    EXPECT_EQ(h.Experience, 0);
    EXPECT_EQ(h.IsHero, kTrue);
    EXPECT_EQ(t.game.Rooms(1).Beings(k), k);
  }
}

TEST_F(HeroRoster, CandidatesStartWithOneWeaponOrScrollInTheRightHand) {
  for (int k = 1; k <= 12; ++k) {
    const Item& item = Hero(k).RightHand;
    SCOPED_TRACE(item.Name.Trimmed());
    EXPECT_EQ(-(item.IsMelee + item.IsRanged + item.IsSpell), 1);
    EXPECT_EQ(item.SpellLevel, k % 4 == 0 ? 1 : 0);
    EXPECT_TRUE(Hero(k).LeftHand.Name.IsEmpty());
    EXPECT_TRUE(Hero(k).Body.Name.IsEmpty());
  }
  const Item& scroll = Hero(4).RightHand;
  EXPECT_EQ(scroll.Name.Trimmed(), "Pergamino dardos de fuego");
  EXPECT_EQ(scroll.IsSpell, kTrue);
  EXPECT_EQ(scroll.MaxDamage, 5);
  EXPECT_EQ(scroll.IsMasculine, kTrue);
  const Item& bow = Hero(7).RightHand;
  EXPECT_EQ(bow.Name.Trimmed(), "Arco largo compuesto");
  EXPECT_EQ(bow.IsRanged, kTrue);
  EXPECT_EQ(bow.IsTwoHanded, kTrue);
  EXPECT_EQ(bow.MaxDamage, 7);
  EXPECT_EQ(bow.Price, 21);
  EXPECT_EQ(Hero(9).RightHand.Name.Trimmed(), "Hacha de combate");
  EXPECT_EQ(Hero(10).RightHand.Name.Trimmed(), "hacha de combate");
  EXPECT_EQ(Hero(10).RightHand.IsTwoHanded, kTrue);
  EXPECT_EQ(Hero(1).RightHand.IsTwoHanded, kFalse);
  EXPECT_EQ(Hero(1).RightHand.IsMasculine, kFalse);
  EXPECT_EQ(Hero(12).RightHand.Name.Trimmed(), "Pergamino rocas ígneas");
}

TEST_F(HeroRoster, StartsFromAnEmptyPartyAndBlankBeingsWithoutDrawing) {
  for (int p = 1; p <= 4; ++p) EXPECT_TRUE(t.game.Party(p).Name.IsEmpty());
  EXPECT_EQ(t.game.DungeonBeings.Lower(), 1);
  EXPECT_EQ(t.game.DungeonBeings.Upper(), 19);
  for (int k = 13; k <= 19; ++k) EXPECT_EQ(Hero(k), Being{}) << k;
  for (int s = 13; s <= 20; ++s) EXPECT_EQ(t.game.Rooms(1).Beings(s), 0);
  EXPECT_EQ(t.random.Draws, 0);
}

TEST_F(HeroRoster, TwoBuildsGiveTheSameCandidates) {
  testing::TestGame other;
  other.game.Rooms.ReDim(0, 1);
  BuildHeroRoster(other.game);
  for (int k = 1; k <= 19; ++k) EXPECT_EQ(Hero(k), other.game.DungeonBeings(k)) << k;
}

}  // namespace
}  // namespace zorvek
