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

// The keys a byte string decodes to, as "code+modifiers " each, the wait run out at the end.
std::string Decoded(const std::string& bytes) {
  KeyDecoder d;
  std::vector<Key> keys = d.Feed(bytes);
  for (Key& k : d.Timeout()) keys.push_back(k);
  std::string out;
  for (const Key& k : keys) {
    out += std::to_string(k.Code) + (k.Shift != 0 ? "+" + std::to_string(k.Shift) : "") + " ";
  }
  return out;
}

TEST(KeyDecoder, ReadsTheSequencesOfTheLinuxConsoleXtermAndRxvt) {
  // Arrows in normal and application cursor mode, with xterm's modifiers (Shift 1,
  // Control 2, Alt 4) and rxvt's Shift and Control.
  EXPECT_EQ(Decoded("\x1b[A\x1b[B\x1b[C\x1b[D\x1bOA\x1bOD\x1b[1;2C\x1b[1;5D\x1b[1;3A\x1b[b\x1bOc"),
            "38 40 39 37 38 37 39+1 37+2 38+4 40+1 39+2 ");
  // F1 to F5 in xterm and the console, Shift + F1, Shift + Control + F5 in xterm and rxvt.
  EXPECT_EQ(Decoded("\x1bOP\x1bOS\x1b[[A\x1b[[E\x1b[1;2P\x1b[15;6~\x1b[15@\x1b[15^\x1b[15$"),
            "112 115 112 116 112+1 116+3 116+3 116+2 116+1 ");
  // F1 to F20 as "CSI n ~", numbered with the VT220's gaps.
  std::string bytes;
  std::string keys;
  for (int n = 11, code = 112; n <= 34; ++n) {
    if (n == 16 || n == 22 || n == 27 || n == 30) continue;
    bytes += "\x1b[" + std::to_string(n) + "~";
    keys += std::to_string(code++) + " ";
  }
  EXPECT_EQ(Decoded(bytes), keys);
  // Home, End, Delete, Page Up and Down; Enter in every form, Tab and Shift + Tab (the
  // console's is Escape Tab), Backspace as DEL and ^H.
  EXPECT_EQ(Decoded("\x1b[1~\x1b[H\x1b[4~\x1b[3~\x1b[5~\x1b[6~"), "36 36 35 46 33 34 ");
  EXPECT_EQ(Decoded("\n\r\n\r\x1bOM\t\x1b[Z\x1b\t\x7f\x08"), "13 13 13 13 9 9+1 9+1 8 8 ");
  // Digits, Space, Alt with a digit or a letter, Control + digit where the terminal can
  // report it, and a lone Escape once the wait has run out.
  EXPECT_EQ(Decoded("5 \x1b"
                    "3\x1bl\x1b[27;5;51~\x1b[51;5u\x1b"),
            "53 32 51+4 76+4 51+2 51+2 27 ");
  EXPECT_EQ(Decoded("\x1bO"), "79+4 ");
}

TEST(KeyDecoder, KeepsTextForAnswersAndHasNoCodeForSignsTheGameLacks) {
  EXPECT_EQ(One("ñ"), (Key{192, 0, "ñ"}));
  EXPECT_EQ(One("é"), (Key{0, 0, "é"}));
  EXPECT_EQ(One("?"), (Key{0, 0, "?"}));
  EXPECT_EQ(One(","), (Key{188, 0, ","}));
  // Alt keys and Control keys type nothing.
  EXPECT_EQ(One("\x1b"
                "a")
                    .Text +
                One("\x01").Text,
            "");
}

TEST(KeyDecoder, SequencesSplitAcrossReadsWaitForTheirRestButEscapeAfterTheWaitStandsAlone) {
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
  // Escape before Escape, or after the wait, is a key of its own.
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
