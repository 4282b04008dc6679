#include <gtest/gtest.h>

#include "app/script/Runner.hpp"
#include "app/script/Script.hpp"

namespace zorvek::script {
namespace {

// (Keys with their modifiers, ticks, answers and dialog actions are read by every golden
// transcript's script.) Comments, blanks, Windows line ends, empty answers, cells and dumps.
TEST(ScriptParsing, ReadsEveryKindOfLineAndSkipsCommentsAndBlanks) {
  auto lines = ParseScript(
      "# a comment\n"
      "\n"
      "key F5 shift+ctrl\n"
      "answer   dos palabras\r\n"
      "answer\n"
      "enter 3 2 4\n"
      "   dump\n");
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0].LineNo, 3);
  EXPECT_EQ(std::get<KeyLine>(lines[0].What).Code, 116);
  EXPECT_EQ(std::get<KeyLine>(lines[0].What).Shift, 3);
  EXPECT_EQ(std::get<AnswerLine>(lines[1].What).Text, "  dos palabras");
  EXPECT_EQ(std::get<AnswerLine>(lines[2].What).Text, "");
  auto e = std::get<EnterLine>(lines[3].What);
  EXPECT_EQ(e.Room, 3);
  ASSERT_TRUE(e.Cell.has_value());
  EXPECT_EQ(e.Cell->second, 4);
  EXPECT_TRUE(std::holds_alternative<DumpLine>(lines[4].What));
}

TEST(ScriptParsing, KeyNamesMapToTheWindowsKeyCodes) {
  EXPECT_EQ(KeyCodeFor("Down"), 40);
  EXPECT_EQ(KeyCodeFor("Apps"), 93);
  EXPECT_EQ(KeyCodeFor("F12"), 123);
  EXPECT_EQ(KeyCodeFor("G"), 71);
  EXPECT_EQ(KeyCodeFor("#0"), 0);
  for (const char* unknown : {"F13", "g", "#256", "#-1"}) {
    EXPECT_EQ(KeyCodeFor(unknown), std::nullopt) << unknown;
  }
}

TEST(ScriptParsing, MalformedLinesNameTheirLineNumber) {
  const char* bad[] = {
      "jump",        "key Q ctrl+meta", "key Left shift extra",
      "tick reloj",  "party Option1 4", "party OKButton 1",
      "shop Nada",   "shop List2 x",    "enter",
      "enter 3 1",   "enter -1",        "dump now",
      "enter 32768", "enter 2 1 32768",
  };
  for (const char* line : bad) {
    std::string text = "key Up\n\n";
    text += line;
    try {
      ParseScript(text);
      ADD_FAILURE() << "accepted: " << line;
    } catch (const ScriptError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("línea 3:", 0), 0u) << e.what();
    }
  }
}

TEST(ScriptRunner, CommandLineTakesTheContractsOptions) {
  const char* argv[] = {"zorvek-script", "--seed",  "7", "--difficulty", "5",   "--load", "--dir",
                        "/tmp/z",        "--phase", "3", "--no-party",   "s.zs"};
  auto cl = ParseCommandLine(12, argv, "/bin");
  EXPECT_TRUE(cl.Error.empty()) << cl.Error;
  EXPECT_EQ(cl.Options.Seed, 7);
  EXPECT_EQ(cl.Options.Difficulty, 5);
  EXPECT_TRUE(cl.Options.Load);
  EXPECT_EQ(cl.Options.Phase, 3);
  EXPECT_FALSE(cl.Options.Party);
  EXPECT_EQ(cl.Options.Dir, "/tmp/z");
  EXPECT_EQ(cl.ScriptPath, "s.zs");

  const char* noScript[] = {"zorvek-script", "--seed", "7"};
  EXPECT_FALSE(ParseCommandLine(3, noScript, ".").Error.empty());
  const char* badSeed[] = {"zorvek-script", "--seed", "siete", "s"};
  EXPECT_FALSE(ParseCommandLine(4, badSeed, ".").Error.empty());
  // Every value of the phase and the difficulty the game knows is taken; no other is.
  for (const char* flag : {"--phase", "--difficulty"}) {
    for (int n = -1; n <= 7; ++n) {
      const std::string value = std::to_string(n);
      const char* args[] = {"zorvek-script", flag, value.c_str(), "s"};
      const bool known =
          std::string(flag) == "--phase" ? n >= 1 && n <= 5 : n == 1 || n == 2 || n == 3 || n == 5;
      EXPECT_EQ(ParseCommandLine(4, args, ".").Error.empty(), known) << flag << " " << n;
    }
  }
  const char* defaults[] = {"zorvek-script", "s"};
  EXPECT_EQ(ParseCommandLine(2, defaults, "/bin").Options.Dir, "/bin");
  EXPECT_TRUE(ParseCommandLine(2, defaults, "/bin").Options.Party);
}

}  // namespace
}  // namespace zorvek::script
