#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <random>
#include <set>
#include <sstream>

#include "app/script/Events.hpp"
#include "app/script/Session.hpp"
#include "support/Invariants.hpp"

namespace zorvek::script {
namespace {

// One random script line: keys with random modifiers, timer ticks, odd answers and
// dialog actions, the way a careless player and a flaky window would. Now and then the
// party is dropped into another room of the dungeon, the staircase included.
class RandomPlayer {
 public:
  explicit RandomPlayer(uint32_t seed) : rng_(seed) {}

  std::string Next(const Game& game) {
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
                                   "MnuOpcInv", "MnuOpcDarLis 3", "MnuOpcExa", "OKButton",
                                   "MnuOpcDej", "MnuOpcIzq",      "List1 3",   "MnuOpcUti"};
    static const char* kShop[] = {"CBComprar", "List1 1", "CBComprarOb", "Option1 0",
                                  "CBVender",  "List2 0", "CBVenderOb",  "CBSalir"};
    const int kind = Pick(20);
    if (kind < 12) {
      // Arrows most of the time, so the party wanders through the rooms; in a fight,
      // attacks and now and then a flight.
      if (game.InCombat && Pick(3) != 0) return Pick(4) == 0 ? "key H" : "key A";
      const int k = Pick(3) == 0 ? Pick(std::size(kKeys)) : Pick(4);
      return std::string("key ") + kKeys[k] + (Pick(6) == 0 ? kMods[Pick(std::size(kMods))] : "");
    }
    if (kind < 15) return std::string("tick ") + kTimers[Pick(std::size(kTimers))];
    if (kind < 17) return std::string("answer ") + kAnswers[Pick(std::size(kAnswers))];
    if (kind < 18) return std::string("party ") + kParty[Pick(std::size(kParty))];
    if (kind < 19) return std::string("shop ") + kShop[Pick(std::size(kShop))];
    if (Pick(4) == 0) {
      // One drop in four is the staircase: the party goes on to the next phase.
      const int room = Pick(4) == 0 ? 0 : 1 + Pick(std::max(game.Rooms.Upper(), 1));
      return "enter " + std::to_string(room);
    }
    return Pick(4) == 0 ? "key Space" : "tick persecu";
  }

 private:
  int Pick(std::size_t n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }
  std::mt19937 rng_;
};

// A save and load of the whole game is tried every this many lines (and at every phase
// change and load); the other rules after every line.
constexpr int kSaveEvery = 100;

struct Coverage {
  int Lines = 0;
  int Keys = 0;
  int Fights = 0;
  std::set<int> PhasesPlayed;
  int PhaseChanges = 0;
};

// Plays one seed line by line and checks the game's rules after each line. Returns false
// once a rule is broken.
bool PlaySeed(const RunnerOptions& options, uint32_t seed, int lines, Coverage& seen) {
  std::ostringstream events;
  Session session(options, events);
  session.Open();
  const Game& game = session.game();
  testing::GameWatch watch(game, kSaveEvery);
  EXPECT_TRUE(testing::BrokenRules(game).empty()) << "seed " << seed << " at the start";
  RandomPlayer player(seed);
  bool fighting = false;
  auto play = [&](const std::string& text) {
    const ScriptLine line = ParseScript(text).at(0);
    try {
      session.Run(line);
    } catch (const UnansweredQuestions&) {
      return false;  // as the runner's exit 3: a question nobody answers
    }
    ++seen.Lines;
    seen.Keys += std::holds_alternative<KeyLine>(line.What) ? 1 : 0;
    seen.Fights += game.InCombat && !fighting ? 1 : 0;
    fighting = game.InCombat;
    if (!game.WindowClosed()) seen.PhasesPlayed.insert(game.Phase);
    for (const std::string& rule : watch.Check(game)) {
      ADD_FAILURE() << "seed " << seed << ", phase " << game.Phase << ", line " << seen.Lines
                    << " \"" << text << "\": " << rule;
    }
    return !::testing::Test::HasFailure() && !game.WindowClosed();
  };
  bool going = true;
  // The first phase starts with nobody recruited: the four on the first cell join first.
  for (int n = 1; n <= 4 && options.Phase == 1 && going; ++n) {
    const std::string position = std::to_string(n);
    for (const char* key : {"Enter", "1", "Enter", "1", "Enter", position.c_str(), "Enter"})
      going = going && play(std::string("key ") + key);
  }
  for (int n = 0; n < lines && going; ++n) going = play(player.Next(game));
  seen.PhaseChanges += watch.PhaseChanges();
  if (::testing::Test::HasFailure()) return false;
  if (!game.WindowClosed()) {
    EXPECT_TRUE(testing::BrokenRules(game).empty()) << "seed " << seed;
  }
  session.Finish();
  return true;
}

TEST(RandomPlay, ManySeedsInEveryPhaseWithAPartyKeepTheGamesRules) {
  // Random play saves and loads now and then: it gets a directory of its own.
  const std::string dir = ::testing::TempDir() + "zorvek_random_play";
  std::filesystem::create_directories(dir);
  Coverage seen;
  for (uint32_t seed = 1; seed <= 50; ++seed) {
    RunnerOptions options;
    options.Seed = static_cast<int32_t>(seed * 7919);
    options.Difficulty = std::array<int, 4>{1, 2, 3, 5}[seed % 4];
    options.Phase = static_cast<int>(seed % 5) + 1;
    options.Dir = dir;
    if (!PlaySeed(options, seed, 400, seen)) break;
  }
  EXPECT_EQ(seen.PhasesPlayed.size(), 5u);
  EXPECT_GT(seen.PhaseChanges, 0);
  std::cout << "random play: " << seen.Lines << " lines, " << seen.Keys << " key presses, "
            << seen.Fights << " fights, " << seen.PhaseChanges << " phase changes\n";
}

}  // namespace
}  // namespace zorvek::script
