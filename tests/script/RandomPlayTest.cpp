#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "app/script/Runner.hpp"

namespace zorvek::script {
namespace {

// Writes a script of random play: keys with random modifiers, timer ticks, odd answers
// and dialog actions, the way a careless player and a flaky window would.
std::string RandomScript(uint32_t seed, int lines) {
  std::mt19937 rng(seed);
  auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
  static const char* kKeys[] = {"Left",  "Up",  "Right", "Down", "Enter", "Escape", "Backspace",
                                "Space", "Tab", "Apps",  "F1",   "F2",    "F3",     "F4",
                                "F5",    "F7",  "F8",    "F12",  "A",     "C",      "E",
                                "G",     "H",   "S",     "T",    "V",     "Z",      "0",
                                "1",     "2",   "3",     "4",    "9",     "#17",    "#0"};
  static const char* kMods[] = {"", " shift", " ctrl", " alt", " shift+ctrl", " ctrl+alt"};
  static const char* kAnswers[] = {"yes",         "no",  "",    "1", "2",   "-5",   "2.5",
                                   "99999999999", "abc", "  3", "0", "1e9", "ñandú"};
  static const char* kTimers[] = {"persecu", "recuperacion", "sonidos"};
  static const char* kParty[] = {"Option1 2", "List1 0",        "Command1",  "MnuOpcDer",
                                 "MnuOpcInv", "MnuOpcDarLis 3", "MnuOpcExa", "OKButton"};
  static const char* kShop[] = {"CBComprar", "List1 1", "CBComprarOb", "Option1 0", "CBSalir"};
  std::ostringstream out;
  for (int i = 0; i < lines; ++i) {
    int kind = pick(20);
    if (kind < 12) {
      // Arrows most of the time, so the party wanders through the rooms.
      int k = pick(3) == 0 ? pick(static_cast<int>(std::size(kKeys))) : pick(5);
      out << "key " << kKeys[k] << (pick(6) == 0 ? kMods[pick(6)] : "") << "\n";
    } else if (kind < 15) {
      out << "tick " << kTimers[pick(3)] << "\n";
    } else if (kind < 17) {
      out << "answer " << kAnswers[pick(static_cast<int>(std::size(kAnswers)))] << "\n";
    } else if (kind < 18) {
      out << "party " << kParty[pick(static_cast<int>(std::size(kParty)))] << "\n";
    } else if (kind < 19) {
      out << "shop " << kShop[pick(static_cast<int>(std::size(kShop)))] << "\n";
    } else if (pick(3) == 0) {
      // Now and then the party is dropped into another room, monsters and shops included.
      out << "enter " << 1 + pick(40) << "\n";
    } else {
      out << (pick(4) == 0 ? "dump\n" : "key Space\n");
    }
  }
  return out.str();
}

TEST(RandomPlay, ManySeedsPhasesAndDifficultiesNeverBreakTheGame) {
  // Random play saves and loads now and then: it gets a directory of its own.
  std::string dir = ::testing::TempDir() + "zorvek_random_play";
  std::filesystem::create_directories(dir);
  for (uint32_t seed = 1; seed <= 24; ++seed) {
    RunnerOptions options;
    options.Seed = static_cast<int32_t>(seed * 7919);
    options.Difficulty = std::array<int, 4>{1, 2, 3, 5}[seed % 4];
    options.Phase = static_cast<int>(seed % 5) + 1;
    options.Dir = dir;
    std::ostringstream out;
    std::ostringstream err;
    // Recruiting first lets the random walk leave the cells and reach the dungeon.
    std::string script;
    for (int i = 0; i < 4; ++i)
      script += "key Enter\nkey 1\nkey Enter\nkey 1\nkey Enter\nkey " + std::to_string(i + 1) +
                "\nkey Enter\n";
    script += "key Right\nkey Up\n" + RandomScript(seed, 400);
    int code = RunScript(options, script, out, err);
    EXPECT_TRUE(code == kExitDone || code == kExitUnanswered)
        << "seed " << seed << ": " << err.str();
    std::string text = out.str();
    ASSERT_FALSE(text.empty());
    std::string last = text.substr(text.rfind('\n', text.size() - 2) + 1);
    if (code == kExitDone) {
      EXPECT_EQ(nlohmann::json::parse(last)["e"], "end") << "seed " << seed;
    }
  }
}

}  // namespace
}  // namespace zorvek::script
