#include "app/script/Runner.hpp"

#include <vector>

#include "app/script/Events.hpp"
#include "app/script/Script.hpp"
#include "app/script/Session.hpp"

namespace zorvek::script {

int RunScript(const RunnerOptions& options, std::string_view scriptText, std::ostream& out,
              std::ostream& err) {
  std::vector<ScriptLine> lines;
  try {
    lines = ParseScript(scriptText);
  } catch (const ScriptError& e) {
    err << e.what() << '\n';
    return kExitMalformed;
  }
  Session session(options, out);
  try {
    session.Open();
    for (const auto& line : lines) {
      if (!session.Run(line)) break;
    }
  } catch (const UnansweredQuestions& e) {
    err << e.what() << '\n';
    return kExitUnanswered;
  } catch (const ScriptError& e) {
    err << e.what() << '\n';
    return kExitMalformed;
  }
  session.Finish();
  return kExitDone;
}

namespace {

std::optional<int32_t> NumberArg(const std::string& s) {
  try {
    std::size_t used = 0;
    long long v = std::stoll(s, &used);
    if (used != s.size() || v < INT32_MIN || v > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(v);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

CommandLine ParseCommandLine(int argc, const char* const* argv, std::string defaultDir) {
  CommandLine cl;
  cl.Options.Dir = std::move(defaultDir);
  auto value = [&](int& i) -> std::optional<std::string> {
    if (i + 1 >= argc) return std::nullopt;
    return std::string(argv[++i]);
  };
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--load") {
      cl.Options.Load = true;
    } else if (arg == "--no-party") {
      cl.Options.Party = false;
    } else if (arg == "--seed" || arg == "--difficulty" || arg == "--phase") {
      auto v = value(i);
      auto n = v ? NumberArg(*v) : std::nullopt;
      if (!n) return {cl.Options, "", arg + " necesita un número entero"};
      if (arg == "--seed") cl.Options.Seed = *n;
      if (arg == "--difficulty") {
        if (*n != 1 && *n != 2 && *n != 3 && *n != 5)
          return {cl.Options, "", "--difficulty: 1, 2, 3 o 5"};
        cl.Options.Difficulty = *n;
      }
      if (arg == "--phase") {
        if (*n < 1 || *n > 5) return {cl.Options, "", "--phase: de 1 a 5"};
        cl.Options.Phase = *n;
      }
    } else if (arg == "--dir") {
      auto v = value(i);
      if (!v) return {cl.Options, "", "--dir necesita una carpeta"};
      cl.Options.Dir = *v;
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      return {cl.Options, "", "opción desconocida " + arg};
    } else if (cl.ScriptPath.empty()) {
      cl.ScriptPath = arg;
    } else {
      return {cl.Options, "", "sobra el argumento " + arg};
    }
  }
  if (cl.ScriptPath.empty())
    cl.Error =
        "uso: zorvek-script [--seed N] [--difficulty 1|2|3|5] [--load] [--dir DIR] [--phase N] "
        "[--no-party] GUION";
  return cl;
}

}  // namespace zorvek::script
