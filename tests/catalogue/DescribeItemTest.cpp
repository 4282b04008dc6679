#include <gtest/gtest.h>

#include <string>

#include "catalogue/Catalogues.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

// The name line: the name as stored, 100 characters, then a line end.
std::string NameLine(const char* name) { return Name100(name).Padded() + "\r\n"; }

class DescribeCatalogueItem : public ::testing::Test {
 protected:
  void SetUp() override { BuildItemCatalogue(t.game); }
  std::string Describe(int entry) const { return DescribeItem(t.game.ItemCatalogue(entry)); }

  testing::TestGame t;
};

TEST_F(DescribeCatalogueItem, BooksTellTheirSchoolButNotTheirFigures) {
  EXPECT_EQ(Describe(11), NameLine("Libro curación mágica") + "Objeto mágico\r\nEscuela: Agua");
  EXPECT_EQ(Describe(8), NameLine("Libro dardos de fuego") + "Objeto mágico\r\nEscuela: Fuego\r\n");
  EXPECT_EQ(Describe(21), NameLine("Libro Wionr sxile") + "Objeto mágico\r\nEscuela Viento");
  EXPECT_EQ(Describe(22), NameLine("Libro utozsi ropka") + "Objeto mágico\r\nEscuela Tierra\r\n");
  EXPECT_EQ(CharCount(Describe(42)), 100 + 2 + 13 + 2 + 14);
}

TEST_F(DescribeCatalogueItem, WeaponsShieldsAndArmourListTheirFigures) {
  EXPECT_EQ(Describe(25), NameLine("Bastón de combate") +
                              "Arma cuerpo a cuerpo \r\nArma a dos manos\r\nDaño máximo: 24\r\n"
                              "Bonus al ataque: 1\r\nBonus a la defensa: 1\r\n");
  EXPECT_EQ(Describe(4),
            NameLine("Arco largo") + "Arma a distancia\r\nArma a dos manos\r\nDaño máximo: 5\r\n");
  EXPECT_EQ(Describe(13), NameLine("Escudo redondo") + "Bonus a la defensa: 2\r\n");
  EXPECT_EQ(Describe(14), NameLine("Peto de cuero") + "Bonus de armadura: 1\r\n");
}

TEST(DescribeItem, ScrollsTellTheirLevelFiguresAndSchool) {
  Item fire;
  fire.Name = "Pergamino fuego letal";
  fire.IsSpell = kTrue;
  fire.SpellLevel = 1;
  fire.MaxDamage = 10;
  EXPECT_EQ(DescribeItem(fire), NameLine("Pergamino fuego letal") +
                                    "Objeto mágico\r\nConjuro de nivel 1\r\nDaño máximo: 10\r\n"
                                    "Escuela: Fuego\r\n");
  Item lower = fire;
  lower.Name = "pergamino lluvia de fuego";
  EXPECT_EQ(DescribeItem(lower),
            NameLine("pergamino lluvia de fuego") + "Objeto mágico\r\nEscuela: Fuego\r\n");

  Item healing;
  healing.Name = "Pergamino agua";
  healing.IsSpell = kTrue;
  healing.SpellLevel = 2;
  healing.MaxHealing = 20;
  EXPECT_EQ(DescribeItem(healing), NameLine("Pergamino agua") +
                                       "Objeto mágico\r\nConjuro de nivel 2\r\n"
                                       "Curación máxima: 20\r\nEscuela: Agua");
  Item earth;
  earth.Name = "Pergamino tierra";
  earth.IsSpell = kTrue;
  earth.SpellLevel = 3;
  earth.AddedMagicDamage = 10;
  EXPECT_EQ(DescribeItem(earth), NameLine("Pergamino tierra") +
                                     "Objeto mágico\r\nConjuro de nivel 3\r\n"
                                     "Daño añadido mágicamente = 10\r\nEscuela Tierra\r\n");
}

TEST(DescribeItem, CoinsRationsAndPotionsTellWhatTheyAreWorth) {
  Item coins;
  coins.Name = "Monedas";
  coins.Quantity = 30;
  EXPECT_EQ(DescribeItem(coins),
            NameLine("Monedas") +
                "Cantidad : 30\r\n30  monedas de las utilizadas habitualmente para comprar y "
                "vender.");
  Item ration;
  ration.Name = "Ración de comida";
  ration.RestoresLife = 4;
  EXPECT_EQ(DescribeItem(ration), NameLine("Ración de comida") + "Recupera 4 puntos de vida.\r\n");
  Item potion;
  potion.Name = "Poción mágica";
  potion.RestoresMagic = 6;
  EXPECT_EQ(DescribeItem(potion), NameLine("Poción mágica") + "Recupera 6 puntos de magia.\r\n");
}

TEST(DescribeItem, OnlyValuablesWithNothingElseToTellLookPrecious) {
  Item pearl;
  pearl.Name = "Perla";
  EXPECT_EQ(DescribeItem(pearl), NameLine("Perla") + "Parece ser un objeto de mucho valor.");
  Item jade;
  jade.Name = "Figurita de jade";
  EXPECT_EQ(DescribeItem(jade),
            NameLine("Figurita de jade") + "Parece ser un objeto de mucho valor.");
  Item counted = pearl;
  counted.Quantity = 2;
  EXPECT_EQ(DescribeItem(counted), NameLine("Perla") + "Cantidad : 2\r\n");
  Item pot;
  pot.Name = "Jarrón";
  EXPECT_EQ(DescribeItem(pot), NameLine("Jarrón"));
  EXPECT_EQ(DescribeItem(Item{}), NameLine(""));
}

}  // namespace
}  // namespace zorvek
