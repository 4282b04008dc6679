#pragma once

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "app/script/Runner.hpp"

namespace zorvek::testing {

using Json = nlohmann::json;

// The runner's options for a game of `seed` whose save files stay in the test's own
// temporary directory.
inline script::RunnerOptions Seeded(int seed, int phase = 1, int difficulty = 1) {
  script::RunnerOptions o;
  o.Seed = seed;
  o.Phase = phase;
  o.Difficulty = difficulty;
  o.Dir = ::testing::TempDir();
  return o;
}

// Plays a script through the runner and returns its events. Without `code` the run
// must end well.
inline std::vector<Json> RunEvents(const script::RunnerOptions& options, const std::string& text,
                                   int* code = nullptr) {
  std::ostringstream out;
  std::ostringstream err;
  const int c = script::RunScript(options, text, out, err);
  if (code) {
    *code = c;
  } else {
    EXPECT_EQ(c, script::kExitDone) << err.str();
  }
  std::vector<Json> events;
  std::istringstream lines(out.str());
  for (std::string line; std::getline(lines, line);) events.push_back(Json::parse(line));
  return events;
}

// The game as the last "dump" of the script left it.
inline Json LastState(const std::vector<Json>& events) {
  Json state;
  for (const auto& e : events) {
    if (e["e"] == "state") state = e["state"];
  }
  return state;
}

}  // namespace zorvek::testing
