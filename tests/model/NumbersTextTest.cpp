#include <gtest/gtest.h>

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

}  // namespace
}  // namespace zorvek
