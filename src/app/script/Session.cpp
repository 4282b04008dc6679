#include "app/script/Session.hpp"

#include <string>
#include <variant>

#include "app/script/StateDump.hpp"
#include "board/Board.hpp"
#include "generation/PhaseChange.hpp"
#include "startup/Keyboard.hpp"
#include "startup/StartUp.hpp"

namespace zorvek::script {

namespace {

int PositionOf(int32_t difficulty) {
  for (int p = 0; p < 4; ++p) {
    if (StartMenu::DifficultyAt(p) == difficulty) return p;
  }
  return 0;
}

// The first four candidates standing on the first cell, recruited through the cell menu
// into marching positions 1 to 4: the candidate, "Reclutar", the position.
std::string RecruitFirstFour() {
  std::string lines;
  for (int position = 1; position <= 4; ++position) {
    lines += "key Enter\nkey 1\nkey Enter\nkey 1\nkey Enter\nkey " + std::to_string(position) +
             "\nkey Enter\n";
  }
  return lines;
}

}  // namespace

Session::Session(const RunnerOptions& options, std::ostream& out)
    : events_(out),
      ui_(events_),
      sound_(events_, options.Dir),
      game_(Ports{ui_, random_, clock_, sound_}, RunSettings{options.Dir, options.Seed}),
      options_(options) {
  StartMenu menu;
  menu.Select(PositionOf(options.Difficulty));
  menu.NewGame();
  if (options.Load) menu.LoadGame();
  menu.HandTo(game_);
}

void Session::Open() {
  StartGameWindow(game_);
  if (options_.Phase < 2) return;
  // A test affordance: later phases are reached the way the staircase reaches them,
  // with the party a player would have.
  if (options_.Party) {
    for (const ScriptLine& line : ParseScript(RecruitFirstFour())) Run(line);
  }
  for (int p = 1; p < options_.Phase && !game_.WindowClosed(); ++p) CompletePhase(game_);
}

bool Session::Run(const ScriptLine& line) {
  std::visit([this](const auto& command) { Do(command); }, line.What);
  return !game_.WindowClosed();
}

void Session::Finish() {
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

void Session::Do(const KeyLine& key) {
  events_.Write(Json{{"e", "key"}, {"name", key.Name}, {"code", key.Code}, {"shift", key.Shift}});
  int16_t code = key.Code;
  HandleKey(game_, code, key.Shift);
}

void Session::Do(const TickLine& tick) {
  bool fired = game_.TimerEnabled(tick.Timer);
  events_.Write(Json{{"e", "tick"}, {"timer", TimerName(tick.Timer)}, {"fired", fired}});
  if (fired) TimerTick(game_, tick.Timer);
}

void Session::Do(const AnswerLine& answer) { ui_.QueueAnswer(answer.Text); }
void Session::Do(const PartyLine& party) { ui_.QueuePartyAction(party.Action); }
void Session::Do(const ShopLine& shop) { ui_.QueueShopAction(shop.Action); }

void Session::Do(const EnterLine& enter) {
  if (!game_.Rooms.Has(enter.Room)) {
    throw ScriptError("enter: la sala " + std::to_string(enter.Room) + " no existe");
  }
  EnterRoom(game_, enter.Room, WallSide::None, DataLine::Clear);
  if (enter.Cell) {
    game_.CursorX = static_cast<int16_t>(enter.Cell->first);
    game_.CursorY = static_cast<int16_t>(enter.Cell->second);
  }
}

void Session::Do(const DumpLine&) {
  events_.Write(Json{{"e", "state"}, {"state", DumpState(game_)}});
}

}  // namespace zorvek::script
