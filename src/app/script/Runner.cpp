#include "app/script/Runner.hpp"

#include <deque>
#include <variant>

#include "app/script/Events.hpp"
#include "app/script/Script.hpp"
#include "app/script/StateDump.hpp"
#include "board/Board.hpp"
#include "generation/PhaseChange.hpp"
#include "model/Game.hpp"
#include "startup/Keyboard.hpp"
#include "startup/StartUp.hpp"

namespace zorvek::script {

namespace {

// One run: the game window with the runner's ports, and the queues of dialog actions.
class Session {
 public:
  Session(const RunnerOptions& options, std::ostream& out)
      : events_(out),
        ui_(events_),
        sound_(events_, options.Dir),
        game_(Ports{ui_, random_, clock_, sound_}, RunSettings{options.Dir, options.Seed}),
        phase_(options.Phase) {
    StartMenu menu;
    menu.Select(PositionOf(options.Difficulty));
    menu.NewGame();
    if (options.Load) menu.LoadGame();
    menu.HandTo(game_);
  }

  void Open() {
    StartGameWindow(game_);
    // A test affordance: later phases are reached the way the staircase reaches them.
    for (int p = 1; p < phase_ && !game_.WindowClosed(); ++p) CompletePhase(game_);
  }

  // Runs one line; returns false once the game has ended its window or the program.
  bool Run(const ScriptLine& line) {
    std::visit([this](const auto& command) { Do(command); }, line.What);
    return !game_.WindowClosed();
  }

  void Finish() {
    std::string reason = "script";
    if (game_.ProgramEnded()) {
      reason = "exit";
    } else if (game_.WindowClosed()) {
      reason = "closed";
    } else {
      ShutDownGameWindow(game_);
    }
    events_.Write(Json{{"e", "end"}, {"reason", reason}});
  }

 private:
  static int PositionOf(int32_t difficulty) {
    for (int p = 0; p < 4; ++p) {
      if (StartMenu::DifficultyAt(p) == difficulty) return p;
    }
    return 0;
  }

  void Do(const KeyLine& key) {
    events_.Write(Json{{"e", "key"}, {"name", key.Name}, {"code", key.Code}, {"shift", key.Shift}});
    int16_t code = key.Code;
    HandleKey(game_, code, key.Shift);
  }
  void Do(const TickLine& tick) {
    bool fired = game_.TimerEnabled(tick.Timer);
    events_.Write(Json{{"e", "tick"}, {"timer", TimerName(tick.Timer)}, {"fired", fired}});
    if (fired) TimerTick(game_, tick.Timer);
  }
  void Do(const AnswerLine& answer) { ui_.QueueAnswer(answer.Text); }
  void Do(const PartyLine& party) { ui_.QueuePartyAction(party.Action); }
  void Do(const ShopLine& shop) { ui_.QueueShopAction(shop.Action); }
  void Do(const EnterLine& enter) {
    if (!game_.Rooms.Has(enter.Room)) {
      throw ScriptError("enter: la sala " + std::to_string(enter.Room) + " no existe");
    }
    EnterRoom(game_, enter.Room, -1, false);
    if (enter.Cell) {
      game_.CursorX = static_cast<int16_t>(enter.Cell->first);
      game_.CursorY = static_cast<int16_t>(enter.Cell->second);
    }
  }
  void Do(const DumpLine&) { events_.Write(Json{{"e", "state"}, {"state", DumpState(game_)}}); }

  EventWriter events_;
  ScriptUi ui_;
  ScriptSound sound_;
  MersenneRandom random_;
  SystemClock clock_;
  Game game_;
  int phase_;
};

}  // namespace

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
        "GUION";
  return cl;
}

}  // namespace zorvek::script
