#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace zorvek::script {

struct RunnerOptions {
  std::optional<int32_t> Seed;
  int32_t Difficulty = 1;
  bool Load = false;
  int Phase = 1;
  // With a phase above 1 the party of the four first candidates goes along; false
  // starts the phase with nobody recruited.
  bool Party = true;
  std::string Dir = ".";
};

// Exit codes of the runner.
inline constexpr int kExitDone = 0;
inline constexpr int kExitMalformed = 2;
inline constexpr int kExitUnanswered = 3;

// Opens a game window, plays the script into it, closes it; events go to `out` as
// JSON lines, complaints to `err`. Returns the exit code.
int RunScript(const RunnerOptions& options, std::string_view scriptText, std::ostream& out,
              std::ostream& err);

// Reads the command line ("--seed N", "--difficulty D", "--load", "--dir DIR",
// "--phase N", "--no-party", SCRIPT); returns the script path, or an error text.
struct CommandLine {
  RunnerOptions Options;
  std::string ScriptPath;
  std::string Error;  // empty when the command line is good
};
CommandLine ParseCommandLine(int argc, const char* const* argv, std::string defaultDir);

}  // namespace zorvek::script
