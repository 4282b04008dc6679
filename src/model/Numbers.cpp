#include "model/Numbers.hpp"

#include <cctype>

namespace zorvek {

double RoundHalfEven(double x) {
  double below = std::floor(x);
  double diff = x - below;
  if (diff > 0.5) return below + 1.0;
  if (diff < 0.5) return below;
  return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

namespace {

template <typename T>
T PinTo(double v) {
  if (std::isnan(v)) return 0;
  if (v <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
  if (v >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
  return static_cast<T>(v);
}

}  // namespace

int32_t Int(double x) { return PinTo<int32_t>(std::floor(x)); }
int16_t CInt(double x) { return PinTo<int16_t>(RoundHalfEven(x)); }
int32_t CLng(double x) { return PinTo<int32_t>(RoundHalfEven(x)); }

int16_t Clamp16(int64_t v) {
  if (v < std::numeric_limits<int16_t>::min()) return std::numeric_limits<int16_t>::min();
  if (v > std::numeric_limits<int16_t>::max()) return std::numeric_limits<int16_t>::max();
  return static_cast<int16_t>(v);
}

int32_t Clamp32(int64_t v) {
  if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(v);
}

double ParseTypedNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  double sign = 1.0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') sign = -1.0;
    ++i;
  }
  auto isDigit = [&](std::size_t k) {
    return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k])) != 0;
  };
  bool anyDigit = false;
  double value = 0.0;
  // Digits beyond any useful size stop growing the value; it is out of range anyway.
  constexpr double kCeiling = 1e18;
  while (isDigit(i)) {
    anyDigit = true;
    if (value < kCeiling) value = value * 10.0 + (text[i] - '0');
    ++i;
  }
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    ++i;
    double scale = 0.1;
    while (isDigit(i)) {
      anyDigit = true;
      value += (text[i] - '0') * scale;
      scale /= 10.0;
      ++i;
    }
  }
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (!anyDigit || i != text.size()) return 0.0;
  return sign * value;
}

std::optional<int16_t> TypedNumberAsInt16(std::string_view text) {
  double v = std::floor(ParseTypedNumber(text));
  if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int16_t>(v);
}

}  // namespace zorvek
