#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "app/script/Session.hpp"
#include "support/Invariants.hpp"
#include "support/RunnerEvents.hpp"

namespace zorvek::testing {

// A game played through the runner one script line at a time, with the game's rules
// checked after every line: a broken rule fails the test and names the line.
class Scenario {
 public:
  explicit Scenario(const script::RunnerOptions& options)
      : session_(options, events_), watch_(Opened(session_)) {
    Expect(watch_.Check(game()), "the start");
  }
  ~Scenario() { session_.Finish(); }

  // Plays script lines (several may be given, one a line).
  void Play(const std::string& lines) {
    std::istringstream in(lines);
    for (std::string text; std::getline(in, text);) {
      for (const script::ScriptLine& line : script::ParseScript(text)) {
        session_.Run(line);
        Expect(watch_.Check(game()), "line \"" + text + "\"");
      }
    }
  }

  // Walks the party with the arrow keys from where it stands in the current room to the
  // door that leads to `room`, and through it.
  void WalkTo(int room) {
    const Room& here = game().CurrentRoom;
    int door = 1;
    while (door <= 5 && here.Exits(door).TargetRoom != room) ++door;
    ASSERT_LE(door, 5) << "no door from room " << game().CurrentRoomIndex << " to " << room;
    const Exit exit = here.Exits(door);
    const int width = here.Width;
    const int height = here.Height;
    // Off a wall first, then along the floor to the cell in front of the door.
    const int x = game().CursorX;
    const int y = game().CursorY;
    if (x == 0) Play("key Right");
    if (x == width + 1) Play("key Left");
    if (y == 0) Play("key Up");
    if (y == height + 1) Play("key Down");
    const int toX = std::clamp<int>(exit.X, 1, width);
    const int toY = std::clamp<int>(exit.Y, 1, height);
    while (game().CursorX < toX) Play("key Right");
    while (game().CursorX > toX) Play("key Left");
    while (game().CursorY < toY) Play("key Up");
    while (game().CursorY > toY) Play("key Down");
    const char* arrows[] = {"", "Left", "Up", "Right", "Down"};
    Play(std::string("key ") + arrows[exit.Side] + "\nkey " + arrows[exit.Side]);
  }

  const Game& game() const { return session_.game(); }
  // The name and size the narration gave the room entered last.
  const std::string& General() const { return game().Text(TextArea::TBGeneral); }
  // The runner's events since the last call.
  std::vector<Json> TakeEvents() {
    std::vector<Json> events;
    std::istringstream lines(events_.str());
    for (std::string line; std::getline(lines, line);) events.push_back(Json::parse(line));
    events_.str("");
    return events;
  }
  const GameWatch& watch() const { return watch_; }

 private:
  static const Game& Opened(script::Session& session) {
    session.Open();
    return session.game();
  }
  static void Expect(const std::vector<std::string>& broken, const std::string& when) {
    for (const std::string& rule : broken) ADD_FAILURE() << "after " << when << ": " << rule;
  }

  std::ostringstream events_;
  script::Session session_;
  GameWatch watch_;
};

}  // namespace zorvek::testing
