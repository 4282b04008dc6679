#include "model/Grammar.hpp"

#include <array>

namespace zorvek {

std::string NounEnding(const Item& item, bool withO) {
  if (!IsSet(item.IsMasculine)) return IsSet(item.IsPlural) ? "as" : "a";
  if (IsSet(item.IsPlural)) return "os";
  return withO ? "o" : "";
}

std::string Article(Item& item, bool definite, int16_t count) {
  if (item.Quantity > 1) item.IsPlural = kTrue;
  if (count != -1) item.IsPlural = ToFlag(count >= 2);
  bool plural = IsSet(item.IsPlural);
  if (IsSet(item.IsMasculine)) {
    if (definite) return plural ? "los" : "el";
    return plural ? "unos" : "un";
  }
  if (definite) return plural ? "las" : "la";
  return plural ? "unas" : "una";
}

std::string PluralName(std::string_view name) {
  std::string s = Trim(name);
  if (s == "Monedas") return "monedas";
  if (s == "Ración de comida") return "Raciones de comida";
  if (Contains(s, "lave")) return "Llaves " + MidChars(s, 7);
  static constexpr std::array<std::string_view, 10> kVowels = {"a", "e", "i", "o", "u",
                                                               "á", "é", "í", "ó", "ú"};
  std::string last = LastChar(s);
  for (auto v : kVowels) {
    if (last == v) return s + "s";
  }
  return s + "es";
}

int32_t ExperienceForNextLevel(int32_t factor, int16_t level) {
  int64_t sum = 0;
  for (int64_t i = 1; i <= static_cast<int64_t>(level) + 1; ++i) sum += i * factor;
  return Clamp32(sum);
}

void SwapItems(Item& a, Item& b) { SwapValues(a, b); }

void CompactInventories(Game& game) {
  for (int h = 1; h <= 4; ++h) {
    auto& inventory = game.Party(h).Inventory;
    // Each pass moves every gap at least one slot back; 20 passes always settle it.
    for (int pass = 0; pass < 20; ++pass) {
      bool swapped = false;
      for (int i = 1; i <= 19; ++i) {
        if (IsEmptySlot(game, inventory(i).Name) && !IsEmptySlot(game, inventory(i + 1).Name)) {
          SwapItems(inventory(i), inventory(i + 1));
          swapped = true;
        }
      }
      if (!swapped) break;
    }
  }
}

}  // namespace zorvek
