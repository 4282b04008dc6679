#include "model/Text.hpp"

namespace zorvek {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte offset where character number `index` (0-based) starts, or s.size().
std::size_t OffsetOfChar(std::string_view s, std::size_t index) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (IsContinuation(static_cast<unsigned char>(s[i]))) continue;
    if (count == index) return i;
    ++count;
  }
  return s.size();
}

}  // namespace

std::string Trim(std::string_view s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && s[b] == ' ') ++b;
  while (e > b && s[e - 1] == ' ') --e;
  return std::string(s.substr(b, e - b));
}

bool Contains(std::string_view haystack, std::string_view needle) {
  return haystack.find(needle) != std::string_view::npos;
}

std::size_t CharCount(std::string_view s) {
  std::size_t n = 0;
  for (char c : s) {
    if (!IsContinuation(static_cast<unsigned char>(c))) ++n;
  }
  return n;
}

std::string CutChars(std::string_view s, std::size_t count) {
  return std::string(s.substr(0, OffsetOfChar(s, count)));
}

std::string MidChars(std::string_view s, std::size_t first) {
  if (first < 1) first = 1;
  return std::string(s.substr(OffsetOfChar(s, first - 1)));
}

std::string LastChar(std::string_view s) {
  if (s.empty()) return {};
  std::size_t i = s.size() - 1;
  while (i > 0 && IsContinuation(static_cast<unsigned char>(s[i]))) --i;
  return std::string(s.substr(i));
}

void Name100::Assign(std::string_view text) {
  std::string cut = CutChars(text, kWidth);
  std::size_t e = cut.size();
  while (e > 0 && cut[e - 1] == ' ') --e;
  cut.resize(e);
  text_ = std::move(cut);
}

std::string Name100::Padded() const {
  std::string out = text_;
  out.append(kWidth - CharCount(text_), ' ');
  return out;
}

}  // namespace zorvek
