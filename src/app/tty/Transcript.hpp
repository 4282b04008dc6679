#pragma once

#include <ostream>
#include <string_view>

#include "app/shared/Announcer.hpp"

namespace zorvek::tty {

// Reads zorvek-script's events, one JSON object a line, and writes what a player reading
// the terminal game would have read: after each key or tick the narration's news and the
// data line, then the boxes with their answers, the dialogs opening and closing, and
// beeps, as plain lines. Sounds, timers, controls and state dumps are left out.
class TranscriptReader {
 public:
  explicit TranscriptReader(std::ostream& out) : out_(out) {}

  // One line of the runner's output; false when it is no event.
  bool Read(std::string_view line);
  // The end of the events: what the last key wrote.
  void Finish() { Flush(); }

 private:
  void Flush();
  void Lines(std::string_view text);

  std::ostream& out_;
  frontend::Announcer announcer_;
};

}  // namespace zorvek::tty
