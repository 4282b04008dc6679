#include <gtest/gtest.h>

#include <string>

#include "catalogue/Catalogues.hpp"
#include "support/TestGame.hpp"

namespace zorvek {
namespace {

// The name line: the name as stored, 100 characters, then a line end.
std::string NameLine(const char* name) { return Name100(name).Padded() + "\r\n"; }

TEST(DescribeItem, BooksTellTheirSchoolScrollsAndWeaponsTheirFigures) {
  testing::TestGame t;
  BuildItemCatalogue(t.game);
  EXPECT_EQ(DescribeItem(t.game.ItemCatalogue(8)),
            NameLine("Libro dardos de fuego") + "Objeto mágico\r\nEscuela: Fuego\r\n");
  EXPECT_EQ(DescribeItem(t.game.ItemCatalogue(25)),
            NameLine("Bastón de combate") +
                "Arma cuerpo a cuerpo \r\nArma a dos manos\r\nDaño máximo: 24\r\n"
                "Bonus al ataque: 1\r\nBonus a la defensa: 1\r\n");
  const Item healing{.Name = "Pergamino agua", .MaxHealing = 20, .IsSpell = kTrue, .SpellLevel = 2};
  EXPECT_EQ(DescribeItem(healing), NameLine("Pergamino agua") +
                                       "Objeto mágico\r\nConjuro de nivel 2\r\n"
                                       "Curación máxima: 20\r\nEscuela: Agua");
  EXPECT_EQ(DescribeItem(Item{.Name = "Monedas", .Quantity = 30}),
            NameLine("Monedas") +
                "Cantidad : 30\r\n30  monedas de las utilizadas habitualmente para comprar y "
                "vender.");
  // Only valuables with nothing else to tell look precious.
  EXPECT_EQ(DescribeItem(Item{.Name = "Perla"}),
            NameLine("Perla") + "Parece ser un objeto de mucho valor.");
  EXPECT_EQ(DescribeItem(Item{.Name = "Perla", .Quantity = 2}),
            NameLine("Perla") + "Cantidad : 2\r\n");
  EXPECT_EQ(DescribeItem(Item{.Name = "Jarrón"}), NameLine("Jarrón"));
}

}  // namespace
}  // namespace zorvek
