#pragma once

#include <streambuf>
#include <string>
#include <string_view>

namespace zorvek::tty {

// What the terminal shows: plain UTF-8 lines, appended, never redrawn. A screen reader
// (Fenrir, Speakup, BRLTTY) reads each new line as it comes, and a sighted helper reads
// along; nothing moves the cursor or repaints, and control bytes in a text are shown as
// blanks so that no text can.
class Screen {
 public:
  explicit Screen(int fd) : fd_(fd) {}

  // One line.
  void Line(std::string_view text);
  // A text of several lines (ended by CR LF, LF or a lone CR), each shown as a line; a
  // line end at the very end adds no empty line.
  void Lines(std::string_view text);
  // Text on the current line, with no line end (what the player types into an answer).
  void Type(std::string_view text);
  // Takes back the last character typed on the current line.
  void Untype();
  // Ends the line being typed, if any.
  void EndLine();
  // The terminal's bell.
  void Bell();

 private:
  void Write(std::string_view bytes);

  int fd_;
  bool midLine_ = false;
};

// An output stream whose text goes to the screen line by line (for notices of the sound
// back-end, which writes to a stream).
class ScreenLines final : public std::streambuf {
 public:
  explicit ScreenLines(Screen& screen) : screen_(screen) {}
  ~ScreenLines() override;

 protected:
  int_type overflow(int_type c) override;

 private:
  Screen& screen_;
  std::string line_;
};

}  // namespace zorvek::tty
