#include "app/shared/ReviewBuffer.hpp"

namespace zorvek::frontend {

namespace {

constexpr const char* kEmpty = "No hay textos que repasar.";

std::string_view WithoutTrailingBlanks(std::string_view text) {
  const std::size_t end = text.find_last_not_of(" \t\r\n");
  return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

}  // namespace

void ReviewBuffer::Add(std::string_view text) {
  text = WithoutTrailingBlanks(text);
  if (text.empty()) return;
  // The same text told again (the cell described once more, a key that only modifies)
  // is no new entry; the reading still starts again from the newest.
  if (entries_.empty() || entries_.back() != text) {
    if (entries_.size() == kCapacity) entries_.pop_front();
    entries_.emplace_back(text);
  }
  place_ = entries_.size() - 1;
}

std::string ReviewBuffer::Read(std::size_t index) {
  place_ = index;
  return std::to_string(index + 1) + " de " + std::to_string(entries_.size()) + ": " +
         entries_.at(index);
}

std::string ReviewBuffer::Previous() {
  if (entries_.empty()) return kEmpty;
  if (place_ == 0) return "Principio.";
  return Read(place_ - 1);
}

std::string ReviewBuffer::Next() {
  if (entries_.empty()) return kEmpty;
  if (place_ + 1 >= entries_.size()) return "Final.";
  return Read(place_ + 1);
}

std::string ReviewBuffer::First() { return entries_.empty() ? kEmpty : Read(0); }

std::string ReviewBuffer::Last() { return entries_.empty() ? kEmpty : Read(entries_.size() - 1); }

}  // namespace zorvek::frontend
