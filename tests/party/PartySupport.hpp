#pragma once

#include <string>
#include <vector>

#include "platform/Dialog.hpp"
#include "support/TestGame.hpp"

namespace zorvek::testing {

// A new game whose party is Urso (warrior), Sukir (sorcerer), Elkor (explorer) and Jan
// (warrior), standing on the cell (2, 2) of the first room.
struct PartyGame {
  explicit PartyGame(int32_t seed = 11) : t(RunSettings{"/tmp", seed}) {
    t.Start({1, 4, 3, 2});
    t.game.CursorX = t.game.CursorY = 2;
  }
  Being& Hero(int p) { return t.game.Party(p); }
  std::string LastBox() const { return t.ui.Boxes.empty() ? "" : t.ui.Boxes.back().Text; }
  // Queues answers for the next questions.
  template <class... Typed>
  void Answer(const Typed&... typed) {
    (t.ui.TypedAnswers.push_back(typed), ...);
  }

  TestGame t;
};

// An object with a name, a quantity, a price and the bonuses of shields and armour.
inline Item Thing(const std::string& name, int16_t quantity = 0, int32_t price = 0,
                  int32_t defence = 0, int32_t armour = 0) {
  Item item;
  item.Name = name;
  item.Quantity = quantity;
  item.Price = price;
  item.DefenceBonus = defence;
  item.ArmourBonus = armour;
  return item;
}

inline std::vector<std::string> Texts(const std::vector<ListLine>& lines) {
  std::vector<std::string> texts;
  for (const auto& line : lines) texts.push_back(line.Text);
  return texts;
}

}  // namespace zorvek::testing
