#include <gtest/gtest.h>

#include "combat/Combat.hpp"
#include "party/Equipment.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

Item Scroll(const char* name, int16_t level, int32_t damage, int32_t healing) {
  return {.Name = name,
          .MaxDamage = damage,
          .MaxHealing = healing,
          .IsSpell = kTrue,
          .SpellLevel = level};
}

// Urso (warrior, factor 15) leads; Sukir (sorcerer) stands at position 4.
struct Levels : ::testing::Test {
  Levels() : t(RunSettings{"/tmp", 3}) { t.Start({1, 2, 3, 4}); }
  void Answer(std::initializer_list<const char*> answers) {
    for (const char* a : answers) t.ui.TypedAnswers.emplace_back(a);
  }

  testing::TestGame t;
  Game& g = t.game;
};

TEST_F(Levels, ThreePointsAreAskedForAndTheDerivedValuesFollow) {
  Being& urso = g.Party(1);
  urso.Experience = 45;  // exactly the threshold: not yet
  CheckLevelUps(g);
  EXPECT_EQ(urso.Level, 1);

  urso.Experience = 46;
  urso.Life = 0;
  urso.Armour = 4;
  urso.LeftHand = Scroll("Pergamino bola de fuego", 1, 5, 0);
  // Refused answers are asked again; 2.5 rounds to the even 2.
  Answer({"abc", "1", "0", "2.5", "-3", "", "3"});
  CheckLevelUps(g);
  EXPECT_EQ(urso.Level, 2);
  EXPECT_EQ(t.ui.Boxes.back().Text,
            "Urso, guerrero humano ha adquirido suficiente experiencia para pasar al nivel 2");
  ASSERT_EQ(t.ui.Inputs.size(), 7u);  // a warrior is never asked about spells
  EXPECT_EQ(t.ui.Inputs[0].Title, "Escoge en qué quieres mejorar");
  EXPECT_EQ(t.ui.Inputs[0].Text,
            "Te quedan 3 puntos de desarrollo. Elige una característica: \r\n1. Fuerza (4)\r\n"
            "2. Destreza (1)\r\n3. constitución (2)\r\n4. Poder (1)");
  EXPECT_EQ(t.ui.Inputs[6].Text.rfind("Te quedan 1 puntos de desarrollo.", 0), 0u);
  EXPECT_EQ(urso.Strength, 5);
  EXPECT_EQ(urso.Dexterity, 2);
  EXPECT_EQ(urso.Constitution, 3);
  EXPECT_EQ(urso.MaxLife, 32);
  EXPECT_EQ(urso.Life, 32);  // back from the dead
  EXPECT_EQ(urso.MeleeAttack, 8);
  EXPECT_EQ(urso.Defence, 5);
  EXPECT_EQ(urso.Armour, 4);
}

TEST_F(Levels, SeveralLevelsComeOneAfterAnotherAndUnansweredPointsGoToConstitution) {
  g.Party(1).Experience = 100;  // past 45 and 90, not 150
  Answer({"1", "1", "1", "2", "2", "2"});
  CheckLevelUps(g);
  EXPECT_EQ(g.Party(1).Level, 3);
  EXPECT_EQ(t.ui.Inputs.size(), 6u);
  LevelUp(g, 2);
  EXPECT_EQ(t.ui.Inputs.size(), 6u + 150u);
  EXPECT_EQ(g.Party(2).Constitution, 4);
}

// Defence comes from the new characteristics and the shield still worn, so taking the
// shield off later gives back exactly what it added.
TEST_F(Levels, AWornShieldStillCountsAfterALevel) {
  Being& jan = g.Party(2);
  jan.Inventory(1) = {.Name = "Escudo redondo", .DefenceBonus = 2, .Price = 8};
  party::MoveToLeftHand(g, jan, {party::PlaceKind::Pack, 1});
  ASSERT_EQ(jan.Defence, 5);
  Answer({"2", "3", "3"});
  LevelUp(g, 2);
  EXPECT_EQ(jan.Defence, 8);
  party::MoveToPack(g, jan, {party::PlaceKind::LeftHand, 0});
  EXPECT_EQ(jan.Defence, 6);
}

TEST_F(Levels, ASorcererRaisesOneOfItsScrolls) {
  Being& sukir = g.Party(4);
  sukir.RightHand = Scroll("Pergamino dardos de fuego", 2, 9, 0);
  sukir.Inventory(3) = Scroll("Pergamino cura", 2, 0, 5);
  sukir.Inventory(5).Name = "Poción mágica";
  Answer({"1", "1", "1", "3", "0", "1"});
  LevelUp(g, 4);
  ASSERT_EQ(t.ui.Inputs.size(), 6u);
  EXPECT_EQ(t.ui.Inputs[3].Title, "Sukir, hechicero humano");
  EXPECT_EQ(t.ui.Inputs[3].Text,
            "Tu experiencia te permite desarrollar uno de tus hechizos a un nivel superior. "
            "Escoge uno de ellos: \r\n1. Pergamino dardos de fuego(Nivel 3)\r\n"
            "2. Pergamino cura(Nivel 3)\r\n");
  EXPECT_EQ(sukir.RightHand.MaxDamage, 14);  // 9 + 4.5, halves to the even
  EXPECT_EQ(sukir.RightHand.SpellLevel, 3);

  Answer({"1", "1", "1", "2"});
  LevelUp(g, 4);
  EXPECT_EQ(sukir.Inventory(3).MaxHealing, 8);  // 5 + 2.5
  EXPECT_EQ(sukir.Inventory(3).SpellLevel, 3);
}

TEST_F(Levels, ASorcererWithoutScrollsIsNotAskedAndFractionsPastTheListAreRefused) {
  Being& sukir = g.Party(4);
  sukir.RightHand = {};
  Answer({"1", "1", "1"});
  LevelUp(g, 4);
  EXPECT_EQ(t.ui.Inputs.size(), 3u);

  sukir.LeftHand = Scroll("Pergamino cura", 1, 0, 5);
  Answer({"1", "1", "1", "1.5", "1"});
  LevelUp(g, 4);
  EXPECT_EQ(t.ui.Inputs.size(), 8u);
  EXPECT_EQ(sukir.LeftHand.MaxHealing, 10);
  EXPECT_EQ(sukir.LeftHand.SpellLevel, 2);
}

}  // namespace
}  // namespace zorvek
