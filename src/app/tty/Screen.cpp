#include "app/tty/Screen.hpp"

#include <unistd.h>

#include <cerrno>

namespace zorvek::tty {

namespace {

// Control bytes would be commands to the terminal: a text shows them as blanks.
std::string Printable(std::string_view text) {
  std::string shown(text);
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return shown;
}

}  // namespace

void Screen::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = write(fd_, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    // A terminal that went away (a dropped link) takes nothing more; the program is
    // told so by its input.
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

void Screen::EndLine() {
  if (!midLine_) return;
  Write("\n");
  midLine_ = false;
}

void Screen::Line(std::string_view text) {
  EndLine();
  Write(Printable(text) + "\n");
}

void Screen::Lines(std::string_view text) {
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t end = text.find_first_of("\r\n", from);
    if (end == std::string_view::npos) {
      Line(text.substr(from));
      return;
    }
    Line(text.substr(from, end - from));
    from = end + 1;
    if (text[end] == '\r' && from < text.size() && text[from] == '\n') ++from;
  }
}

void Screen::Type(std::string_view text) {
  Write(Printable(text));
  midLine_ = true;
}

void Screen::Untype() {
  // Back over the character, a blank over it, and back again: what every line editor
  // of a terminal does.
  Write("\b \b");
}

void Screen::Bell() { Write("\a"); }

ScreenLines::~ScreenLines() {
  if (!line_.empty()) screen_.Line(line_);
}

ScreenLines::int_type ScreenLines::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  if (traits_type::to_char_type(c) == '\n') {
    screen_.Line(line_);
    line_.clear();
  } else {
    line_ += traits_type::to_char_type(c);
  }
  return c;
}

}  // namespace zorvek::tty
