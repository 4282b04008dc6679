#include <gtest/gtest.h>

#include "model/Cp1252.hpp"

namespace zorvek {
namespace {

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
