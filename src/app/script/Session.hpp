#pragma once

#include <ostream>

#include "app/script/Events.hpp"
#include "app/script/Runner.hpp"
#include "app/script/Script.hpp"
#include "model/Game.hpp"
#include "platform/Clock.hpp"
#include "platform/Random.hpp"

namespace zorvek::script {

// One run of the runner: the game window with the runner's ports, fed one script line
// at a time. Tests drive it line by line to look at the game between two lines.
class Session {
 public:
  Session(const RunnerOptions& options, std::ostream& out);

  // Starts the game window. A later phase is reached as a player reaches it: the four
  // first candidates are recruited (unless the options ask for no party) and the party
  // goes through every earlier phase change.
  void Open();
  // Runs one line; returns false once the game has ended its window or the program.
  bool Run(const ScriptLine& line);
  // Closes the window (unless the game did) and writes the end event.
  void Finish();

  const Game& game() const { return game_; }

 private:
  void Do(const KeyLine& key);
  void Do(const TickLine& tick);
  void Do(const AnswerLine& answer);
  void Do(const PartyLine& party);
  void Do(const ShopLine& shop);
  void Do(const EnterLine& enter);
  void Do(const DumpLine&);

  EventWriter events_;
  ScriptUi ui_;
  ScriptSound sound_;
  MersenneRandom random_;
  SystemClock clock_;
  Game game_;
  RunnerOptions options_;
};

}  // namespace zorvek::script
