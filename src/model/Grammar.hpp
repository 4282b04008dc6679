#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "model/Game.hpp"

namespace zorvek {

// The ending that makes an adjective agree with the item's noun ("a", "as", "os", "o", "").
std::string NounEnding(const Item& item, bool withO);

// "el", "la", "los", "las", "un", "una", "unos" or "unas". A quantity above 1 or a
// count of 2 or more marks the item plural, a count of 0 or 1 singular; the mark stays
// in the record. count -1 means no count is given.
std::string Article(Item& item, bool definite, int16_t count);

// The plural of an object name ("Collar" -> "Collares", keys -> "Llaves ...").
std::string PluralName(std::string_view name);

// Experience needed for the next level: factor x (level + 1) x (level + 2) / 2.
int32_t ExperienceForNextLevel(int32_t factor, int16_t level);

// Exchanges two item records.
void SwapItems(Item& a, Item& b);

// Exchanges two values of any type.
template <typename T>
void SwapValues(T& a, T& b) {
  T temp = std::move(a);
  a = std::move(b);
  b = std::move(temp);
}

// Packs each party member's inventory: empty slots move behind the filled ones,
// which keep their order.
void CompactInventories(Game& game);

}  // namespace zorvek
