#include <gtest/gtest.h>

#include "model/Cp1252.hpp"
#include "model/Grammar.hpp"
#include "model/Numbers.hpp"
#include "model/Records.hpp"
#include "model/Seeding.hpp"
#include "model/Text.hpp"

namespace zorvek {
namespace {

TEST(Numbers, CIntAndCLngRoundHalvesToEvenAndIntRoundsDown) {
  EXPECT_EQ(CInt(1.5), 2);
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(-2.5), -2);
  EXPECT_EQ(CInt(2.5000001), 3);
  EXPECT_EQ(CLng(4.5), 4);
  EXPECT_EQ(Int(-0.1), -1);
  // Out-of-range values are pinned, never wrapped.
  EXPECT_EQ(CInt(40000.0), 32767);
  EXPECT_EQ(CInt(-1e12), -32768);
  EXPECT_EQ(Mul16(20000, 5), 32767);
  EXPECT_EQ(Add32(INT32_MAX, 1), INT32_MAX);
}

TEST(Numbers, TypedNumbersAreReadOneWayAndNeverOverflow) {
  EXPECT_EQ(ParseTypedNumber(" -7 "), -7.0);
  EXPECT_EQ(ParseTypedNumber("+3.5"), 3.5);
  EXPECT_EQ(ParseTypedNumber("2,25"), 2.25);
  for (const char* junk : {"12abc", "1e99", "", "-", " . "}) {
    EXPECT_EQ(ParseTypedNumber(junk), 0.0) << junk;
  }
  EXPECT_EQ(TypedNumberAsInt16("3.9"), std::optional<int16_t>(3));
  EXPECT_EQ(TypedNumberAsInt16("32768"), std::nullopt);
  EXPECT_EQ(TypedNumberAsInt16("99999999999999999999999999"), std::nullopt);
  EXPECT_EQ(TypedNumberAsInt16("hola"), std::optional<int16_t>(0));
}

TEST(Names, AreCutAtOneHundredCharactersAndComparedTrimmed) {
  Name100 hall = "Gran sala de columnas";
  EXPECT_EQ(hall.Padded(), "Gran sala de columnas" + std::string(79, ' '));
  EXPECT_TRUE(Name100("   ").IsEmpty());
  EXPECT_EQ(Name100("Libro Salaia eaneless "), Name100("Libro Salaia eaneless"));
  // Accented letters count as one character each, and are never cut in half.
  std::string longName(99, 'a');
  Name100 cut = longName + "ñé";
  EXPECT_EQ(CharCount(cut.Raw()), 100u);
  EXPECT_EQ(LastChar(cut.Raw()), "ñ");
  EXPECT_EQ(CharCount(Name100("Zöhn").Padded()), 100u);
  EXPECT_EQ(MidChars("Llave de ópalo", 7), "de ópalo");
}

TEST(Tables, KeepTheirBoundsAndRefuseOutsideThem) {
  Table<int> t(0, 4);
  t(4) = 9;
  t.ReDimPreserve(1);
  EXPECT_EQ(t.Upper(), 1);
  EXPECT_THROW(t(4), std::out_of_range);
  t.ReDimPreserve(5);
  EXPECT_EQ(t(5), 0);
  EXPECT_EQ(t.Append(3), 6);
  Slots<int, 5> s;
  EXPECT_THROW(s(0), std::out_of_range);
  EXPECT_THROW(s(6), std::out_of_range);
}

TEST(Seeding, ClockSeedRunsFromOneToADay) {
  EXPECT_EQ(ClockSeed({0, 0, 0}), 1);
  EXPECT_EQ(ClockSeed({23, 59, 59}), 86400);
}

TEST(Grammar, ArticlesAndEndingsAgreeWithGenderAndNumber) {
  Item pots;
  pots.Quantity = 3;
  EXPECT_EQ(Article(pots, true, -1), "las");
  EXPECT_TRUE(IsSet(pots.IsPlural));  // the count is kept on the item
  EXPECT_EQ(Article(pots, true, 1), "la");
  EXPECT_FALSE(IsSet(pots.IsPlural));
  Item sword;
  sword.IsMasculine = kTrue;
  EXPECT_EQ(NounEnding(sword, true), "o");
  EXPECT_EQ(NounEnding(sword, false), "");
  EXPECT_EQ(Article(sword, false, -1), "un");
  EXPECT_EQ(Article(sword, false, 2), "unos");
  EXPECT_EQ(NounEnding(sword, false), "os");  // the count of two made it plural
}

TEST(Grammar, PluralsOnlyTouchTheEndOfTheName) {
  EXPECT_EQ(PluralName("Poción mágica"), "Poción mágicas");
  EXPECT_EQ(PluralName("Collar"), "Collares");
  EXPECT_EQ(PluralName("Monedas"), "monedas");
  EXPECT_EQ(PluralName("Ración de comida"), "Raciones de comida");
  EXPECT_EQ(PluralName("Llave de ópalo   "), "Llaves de ópalo");
  EXPECT_EQ(PluralName("Bisturí"), "Bisturís");
}

TEST(Grammar, ExperienceStepsGrowWithTheLevelAndStayIn32Bits) {
  EXPECT_EQ(ExperienceForNextLevel(15, 1), 45);
  EXPECT_EQ(ExperienceForNextLevel(15, 3), 150);
  EXPECT_EQ(ExperienceForNextLevel(2000000000, 30000), INT32_MAX);
}

// Spanish names travel through the save in one byte a letter (the save tests check them
// there); here, every byte and what has no byte.
TEST(Cp1252, EveryByteComesBackUnchangedAndWhatItCannotHoldIsAQuestionMark) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte) << b;
  }
  EXPECT_EQ(Utf8ToCp1252("€ “ ” … Ÿ"), "\x80 \x93 \x94 \x85 \x9F");
  EXPECT_EQ(Utf8ToCp1252("a😀b"), "a?b");
  EXPECT_EQ(Utf8ToCp1252("\xC0\x80"), "??");       // overlong
  EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");  // a surrogate
  EXPECT_EQ(Utf8ToCp1252("\x80z"), "?z");          // a stray continuation byte
  EXPECT_EQ(Utf8ToCp1252("\xC2\x85"), "?");        // a control character it has no byte for
}

}  // namespace
}  // namespace zorvek
