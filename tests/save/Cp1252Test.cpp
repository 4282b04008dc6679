#include <gtest/gtest.h>

#include "model/Cp1252.hpp"

namespace zorvek {
namespace {

TEST(Cp1252, EveryByteComesBackUnchangedThroughUtf8) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(byte)), byte) << b;
  }
}

TEST(Cp1252, HoldsSpanishLettersAndTheHighBlockInOneByteEach) {
  EXPECT_EQ(Utf8ToCp1252("pequeña"),
            "peque\xF1"
            "a");
  EXPECT_EQ(Utf8ToCp1252("Ñandú ¿é?"),
            "\xD1"
            "and\xFA \xBF\xE9?");
  EXPECT_EQ(Utf8ToCp1252("€ “ ” … Ÿ"), "\x80 \x93 \x94 \x85 \x9F");
  EXPECT_EQ(Cp1252ToUtf8("\x80\x9F\xF1"), "€Ÿñ");
}

TEST(Cp1252, WritesWhatItCannotHoldAsAQuestionMark) {
  EXPECT_EQ(Utf8ToCp1252("Ωmega"), "?mega");
  EXPECT_EQ(Utf8ToCp1252("a😀b"), "a?b");
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");            // cut short
  EXPECT_EQ(Utf8ToCp1252("\xC0\x80"), "??");       // overlong
  EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");  // a surrogate
  EXPECT_EQ(Utf8ToCp1252("\x80z"), "?z");          // a stray continuation byte
  EXPECT_EQ(Utf8ToCp1252("\xC2\x85"), "?");        // a control character it has no byte for
}

}  // namespace
}  // namespace zorvek
