#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <string_view>

namespace zorvek::frontend {

// The texts the player was told, newest last, to be heard again: a line missed while the
// music played, a hit in combat, a price. Reading an entry says its place ("3 de 57: ...")
// and changes nothing but the place the next reading starts from; a new text puts that
// place back on the newest one.
class ReviewBuffer {
 public:
  static constexpr std::size_t kCapacity = 500;

  // A text the player was told; blank texts, and a text the same as the newest, are no
  // entry. The oldest entry goes once the buffer is full.
  void Add(std::string_view text);
  std::size_t Size() const { return entries_.size(); }

  // The entry before or after the one last read ("Principio." or "Final." past the ends).
  std::string Previous();
  std::string Next();
  std::string First();
  std::string Last();

 private:
  std::string Read(std::size_t index);

  std::deque<std::string> entries_;
  std::size_t place_ = 0;  // the entry last read, or the newest
};

}  // namespace zorvek::frontend
