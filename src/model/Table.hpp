#pragma once

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace zorvek {

// A fixed run of N slots numbered from 1, as the records' nested lists are
// (inventory slots 1 to 20, exits 1 to 5). Reading outside 1..N is a program fault
// and throws rather than touching memory it does not own.
template <typename T, std::size_t N>
struct Slots {
  std::array<T, N> slot{};

  static constexpr int kCount = static_cast<int>(N);

  T& operator()(int i) { return slot.at(Checked(i)); }
  const T& operator()(int i) const { return slot.at(Checked(i)); }

  auto begin() { return slot.begin(); }
  auto end() { return slot.end(); }
  auto begin() const { return slot.begin(); }
  auto end() const { return slot.end(); }

  bool operator==(const Slots& other) const = default;

 private:
  static std::size_t Checked(int i) {
    if (i < 1 || i > kCount) throw std::out_of_range("slot " + std::to_string(i));
    return static_cast<std::size_t>(i - 1);
  }
};

// A table with movable bounds, as the game's dynamic arrays: it can be given new
// bounds (emptying it) or be grown and cut back at the top keeping what it holds.
template <typename T>
class Table {
 public:
  Table() = default;
  Table(int lower, int upper) { ReDim(lower, upper); }

  // New bounds, every entry fresh.
  void ReDim(int lower, int upper) {
    lower_ = lower;
    items_.assign(upper >= lower ? static_cast<std::size_t>(upper - lower + 1) : 0, T{});
  }
  // New upper bound keeping the lower bound and the entries that stay.
  void ReDimPreserve(int upper) {
    items_.resize(upper >= lower_ ? static_cast<std::size_t>(upper - lower_ + 1) : 0);
  }
  // Appends an entry at Upper() + 1 and returns its index.
  int Append(const T& value) {
    items_.push_back(value);
    return Upper();
  }

  int Lower() const { return lower_; }
  int Upper() const { return lower_ + static_cast<int>(items_.size()) - 1; }
  int Count() const { return static_cast<int>(items_.size()); }
  bool Has(int i) const { return i >= lower_ && i <= Upper(); }

  T& operator()(int i) { return items_.at(Checked(i)); }
  const T& operator()(int i) const { return items_.at(Checked(i)); }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::size_t Checked(int i) const {
    if (!Has(i)) throw std::out_of_range("table index " + std::to_string(i));
    return static_cast<std::size_t>(i - lower_);
  }

  int lower_ = 0;
  std::vector<T> items_;
};

}  // namespace zorvek
