// A script for the headless runner, as zorvek-script reads it: the command line (from
// a first line "zorvek-script ARGS", when there is one) and the script's lines, then
// the lines played into a game. A malformed script or command line must be refused with
// a message; whatever a well-formed one does, the game keeps its rules.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "LoadedGame.hpp"
#include "app/script/Events.hpp"
#include "app/script/Runner.hpp"
#include "app/script/Script.hpp"
#include "app/script/Session.hpp"

namespace {

using namespace zorvek;

// A long script is a longer run, not a new kind of fault.
constexpr std::size_t kMostLines = 100;
// The save and load of the rules is dear: it is tried every so many lines and at the end.
constexpr int kSaveEvery = 32;

// The runner's options from the first line's words, when it names the runner.
std::optional<script::RunnerOptions> Options(std::string_view& text) {
  script::RunnerOptions options;
  options.Seed = 3;
  constexpr std::string_view kCommand = "zorvek-script";
  if (text.substr(0, kCommand.size()) != kCommand) return options;
  const std::size_t end = text.find('\n');
  std::istringstream words{std::string(text.substr(0, end))};
  text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  std::vector<std::string> args;
  for (std::string w; words >> w;) args.push_back(w);
  args.push_back("guion.zs");
  std::vector<const char*> argv;
  for (const std::string& a : args) argv.push_back(a.c_str());
  const script::CommandLine cl =
      script::ParseCommandLine(static_cast<int>(argv.size()), argv.data(), ".");
  if (!cl.Error.empty()) return std::nullopt;
  const auto& o = cl.Options;
  if (o.Phase < 1 || o.Phase > 5 ||
      (o.Difficulty != 1 && o.Difficulty != 2 && o.Difficulty != 3 && o.Difficulty != 5)) {
    fuzz::Require({"the command line was taken with phase " + std::to_string(o.Phase) +
                   " and difficulty " + std::to_string(o.Difficulty)},
                  "la línea de órdenes");
  }
  options = o;
  if (!options.Seed) options.Seed = 3;
  return options;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::ScratchDir();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  auto options = Options(text);
  if (!options) return 0;
  // Saves and loads of the script stay in this process's own folder.
  options->Dir = fuzz::SaveDir().string();

  std::vector<script::ScriptLine> lines;
  try {
    lines = script::ParseScript(text);
  } catch (const script::ScriptError& e) {
    if (std::string_view(e.what()).rfind("línea ", 0) != 0) {
      fuzz::Require({std::string("a refusal that names no line: ") + e.what()}, "el guion");
    }
    return 0;
  }
  if (lines.size() > kMostLines) lines.resize(kMostLines);

  std::ostringstream events;
  script::Session session(*options, events);
  try {
    session.Open();
    testing::GameWatch watch(session.game(), kSaveEvery);
    for (const auto& line : lines) {
      const bool open = session.Run(line);
      fuzz::Require(watch.Check(session.game()), "una línea del guion");
      if (!open) break;
    }
  } catch (const script::UnansweredQuestions&) {
    return 0;
  } catch (const script::ScriptError&) {
    return 0;
  }
  if (!session.game().WindowClosed() && !session.game().ProgramEnded()) {
    fuzz::Require(testing::BrokenRules(session.game()), "el guion");
  }
  session.Finish();
  return 0;
}
