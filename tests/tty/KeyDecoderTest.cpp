// What terminals send, decoded into the game's keys.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "app/tty/Keys.hpp"

namespace zorvek::tty {

// Keys print as code, modifiers and text in a failing check.
void PrintTo(const Key& key, std::ostream* os) {
  *os << "{" << key.Code << ", " << key.Shift << ", \"" << key.Text << "\"}";
}
void PrintTo(const GameKey& key, std::ostream* os) {
  *os << "{" << key.Code << ", " << key.Shift << "}";
}

namespace {

constexpr int16_t kShift = 1;
constexpr int16_t kCtrl = 2;
constexpr int16_t kAlt = 4;

// The one key a byte string decodes to, with the Escape wait run out at the end.
Key One(const std::string& bytes) {
  KeyDecoder d;
  std::vector<Key> keys = d.Feed(bytes);
  for (Key& k : d.Timeout()) keys.push_back(k);
  EXPECT_EQ(keys.size(), 1u) << "bytes: " << bytes.size();
  return keys.empty() ? Key{} : keys.front();
}

struct Sent {
  const char* Bytes;
  int16_t Code;
  int16_t Shift;
};

TEST(KeyDecoder, ReadsTheSequencesOfTheLinuxConsoleXtermAndRxvt) {
  const Sent sent[] = {
      // arrows: normal and application cursor mode, and with modifiers
      {"\x1b[A", 38, 0},
      {"\x1b[B", 40, 0},
      {"\x1b[C", 39, 0},
      {"\x1b[D", 37, 0},
      {"\x1bOA", 38, 0},
      {"\x1bOD", 37, 0},
      {"\x1b[1;2C", 39, kShift},
      {"\x1b[1;5D", 37, kCtrl},
      {"\x1b[1;3A", 38, kAlt},
      {"\x1b[b", 40, kShift},
      {"\x1bOc", 39, kCtrl},
      // F1-F4: xterm, the Linux console, rxvt; F5-F12 are shared
      {"\x1bOP", 112, 0},
      {"\x1bOS", 115, 0},
      {"\x1b[[A", 112, 0},
      {"\x1b[[E", 116, 0},
      {"\x1b[11~", 112, 0},
      {"\x1b[14~", 115, 0},
      {"\x1b[15~", 116, 0},
      {"\x1b[17~", 117, 0},
      {"\x1b[18~", 118, 0},
      {"\x1b[19~", 119, 0},
      {"\x1b[21~", 121, 0},
      {"\x1b[23~", 122, 0},
      {"\x1b[24~", 123, 0},
      {"\x1b[1;2P", 112, kShift},
      {"\x1b[25~", 124, 0},
      // Shift + Control + F5 in xterm and rxvt
      {"\x1b[15;6~", 116, kShift | kCtrl},
      {"\x1b[15@", 116, kShift | kCtrl},
      {"\x1b[15^", 116, kCtrl},
      {"\x1b[15$", 116, kShift},
      // editing keys
      {"\x1b[1~", 36, 0},
      {"\x1b[H", 36, 0},
      {"\x1b[4~", 35, 0},
      {"\x1b[3~", 46, 0},
      {"\x1b[5~", 33, 0},
      {"\x1b[6~", 34, 0},
      // Enter, Tab and Shift + Tab (xterm, and the console's Escape Tab), Backspace
      {"\r", 13, 0},
      {"\n", 13, 0},
      {"\r\n", 13, 0},
      {"\x1bOM", 13, 0},
      {"\t", 9, 0},
      {"\x1b[Z", 9, kShift},
      {"\x1b\t", 9, kShift},
      {"\x7f", 8, 0},
      {"\x08", 8, 0},
      // letters either case, digits, Control with a letter, Alt with a digit
      {"g", 71, 0},
      {"G", 71, 0},
      {"5", 53, 0},
      {" ", 32, 0},
      {"\x03", 67, kCtrl},
      {"\x11", 81, kCtrl},
      {"\x1b"
       "3",
       51, kAlt},
      {"\x1bl", 76, kAlt},
      {"\x1bO", 79, kAlt},
      // Control + digit where the terminal can report it
      {"\x1b[27;5;51~", 51, kCtrl},
      {"\x1b[51;5u", 51, kCtrl},
      // a lone Escape once the wait has run out
      {"\x1b", 27, 0},
  };
  for (const Sent& s : sent) {
    Key k = One(s.Bytes);
    EXPECT_EQ(k.Code, s.Code) << "sequence " << std::string(s.Bytes).substr(1);
    EXPECT_EQ(k.Shift, s.Shift) << "sequence " << std::string(s.Bytes).substr(1);
  }
}

TEST(KeyDecoder, KeepsTextForAnswersAndHasNoCodeForSignsTheGameLacks) {
  EXPECT_EQ(One("ñ"), (Key{192, 0, "ñ"}));
  EXPECT_EQ(One("é"), (Key{0, 0, "é"}));
  EXPECT_EQ(One("?"), (Key{0, 0, "?"}));
  EXPECT_EQ(One(","), (Key{188, 0, ","}));
  // Alt keys and Control keys type nothing.
  EXPECT_EQ(One("\x1b"
                "a")
                .Text,
            "");
  EXPECT_EQ(One("\x01").Text, "");
}

TEST(KeyDecoder, SequencesSplitAcrossReadsWaitForTheirRest) {
  KeyDecoder d;
  EXPECT_TRUE(d.Feed("\x1b").empty());
  EXPECT_TRUE(d.Waiting());
  EXPECT_TRUE(d.Feed("[1").empty());
  EXPECT_TRUE(d.Feed("5;6").empty());
  EXPECT_EQ(d.Feed("~"), (std::vector<Key>{{116, 3, ""}}));
  EXPECT_FALSE(d.Waiting());
  // A UTF-8 letter cut in two.
  EXPECT_TRUE(d.Feed("\xc3").empty());
  EXPECT_EQ(d.Feed("\xb1"
                   "a"),
            (std::vector<Key>{{192, 0, "ñ"}, {65, 0, "a"}}));
}

TEST(KeyDecoder, EscapeBeforeEscapeOrAfterTheWaitIsAKeyOfItsOwn) {
  KeyDecoder d;
  std::vector<Key> keys = d.Feed("\x1b\x1b[A");
  EXPECT_EQ(keys, (std::vector<Key>{{27, 0, ""}, {38, 0, ""}}));
  // Escape, the wait, then a digit: Escape and the digit, not Alt + digit.
  EXPECT_TRUE(d.Feed("\x1b").empty());
  EXPECT_EQ(d.Timeout(), (std::vector<Key>{{27, 0, ""}}));
  EXPECT_EQ(d.Feed("3"), (std::vector<Key>{{51, 0, "3"}}));
}

// Every letter in either case is its key, Control and a letter (those that are no
// Tab, Enter or Backspace) is that key with Control, and a letter of four bytes is typed.
TEST(KeyDecoder, EveryLetterAndControlLetterIsItsKey) {
  for (char c = 'a'; c <= 'z'; ++c) {
    const auto code = static_cast<int16_t>(c - 'a' + 'A');
    EXPECT_EQ(One(std::string(1, c)).Code, code) << c;
    EXPECT_EQ(One(std::string(1, static_cast<char>(code))).Code, code) << c;
    if (c == 'h' || c == 'i' || c == 'j' || c == 'm') continue;
    EXPECT_EQ(One(std::string(1, static_cast<char>(c - 'a' + 1))), (Key{code, kCtrl, ""})) << c;
  }
  EXPECT_EQ(One("\xf0\x9f\x8e\xb2").Text, "\xf0\x9f\x8e\xb2");
  EXPECT_EQ(One("\xf4\x80\x80\x80").Text, "\xf4\x80\x80\x80");  // U+100000, lead F4
}

TEST(KeyDecoder, GarbageNeverWaitsForeverNorSwallowsTheNextKey) {
  KeyDecoder d;
  // Unknown sequences are keys without a code.
  EXPECT_EQ(d.Feed("\x1b[99~g"), (std::vector<Key>{{}, {71, 0, "g"}}));
  EXPECT_EQ(d.Feed("\xff\x80"), (std::vector<Key>{{}, {}}));
  // A sequence broken by a control byte gives that byte back.
  EXPECT_EQ(d.Feed("\x1b[1\r"), (std::vector<Key>{{}, {13, 0, ""}}));
  // Parameters without end are dropped once no terminal could be sending them.
  std::vector<Key> keys = d.Feed("\x1b[" + std::string(KeyDecoder::kLongestSequence, '1'));
  EXPECT_EQ(keys.size(), 1u);
  EXPECT_FALSE(d.Waiting());
}

TEST(KeyDecoder, AltDigitAndAltLStandForTheKeysTerminalsCannotSend) {
  EXPECT_EQ(GameKeyOf(One("\x1b"
                          "2")),
            (GameKey{50, kCtrl}));
  EXPECT_EQ(GameKeyOf(One("\x1bL")), (GameKey{116, kShift | kCtrl}));
  EXPECT_EQ(GameKeyOf(One("\x1bl")), (GameKey{116, kShift | kCtrl}));
  EXPECT_EQ(GameKeyOf(One("2")), (GameKey{50, 0}));
  EXPECT_EQ(GameKeyOf(One("\x1b[A")), (GameKey{38, 0}));
  EXPECT_EQ(GameKeyOf(One("?")), std::nullopt);
  EXPECT_TRUE(IsInterrupt(One("\x03")));
  EXPECT_TRUE(IsCloseWindow(One("\x11")));
}

}  // namespace
}  // namespace zorvek::tty
