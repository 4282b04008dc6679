#include "board/Board.hpp"
#include "model/Grammar.hpp"

namespace zorvek {

namespace {

int ResolveX(const Game& game, int x) { return x == kAtCursor ? game.CursorX : x; }
int ResolveY(const Game& game, int y) { return y == kAtCursor ? game.CursorY : y; }

// Walks the floor column by column and lists what a cell report finds on each cell.
template <typename CellReport>
std::string FloorReport(const Game& game, CellReport cell) {
  std::string out;
  for (int x = 1; x <= game.CurrentRoom.Width; ++x) {
    for (int y = 1; y <= game.CurrentRoom.Height; ++y) {
      std::string s = cell(game, x, y);
      if (s.empty()) continue;
      s.resize(s.size() >= 4 ? s.size() - 4 : 0);  // the final ", " and line end
      out += s + " en " + std::to_string(x) + ", " + std::to_string(y) + ";  ";
    }
  }
  return out;
}

}  // namespace

std::string BeingsAt(const Game& game, int x, int y) {
  x = ResolveX(game, x);
  y = ResolveY(game, y);
  std::string out;
  for (int16_t n : game.CurrentRoom.Beings) {
    if (n <= 0 || !game.DungeonBeings.Has(n)) continue;
    const Being& b = game.DungeonBeings(n);
    if (b.X == x && b.Y == y) out += b.Name.Trimmed() + ", \r\n";
  }
  return out;
}

std::string ObjectsAt(const Game& game, int x, int y) {
  x = ResolveX(game, x);
  y = ResolveY(game, y);
  std::string out;
  for (const Item& item : game.CurrentRoom.Items) {
    if (IsEmptySlot(game, item.Name) || item.X != x || item.Y != y) continue;
    if (item.Quantity > 1) {
      out += std::to_string(item.Quantity) + " " + PluralName(item.Name.Trimmed());
    } else {
      out += item.Name.Trimmed();
    }
    // A single coin reads "Moneda".
    if (item.Quantity == 1 && item.Name.Trimmed() == "Monedas" && !out.empty()) out.pop_back();
    out += ", \r\n";
  }
  return out;
}

std::string ExitsReport(const Game& game) {
  std::string out;
  for (const Exit& e : game.CurrentRoom.Exits) {
    if (e.X <= 0 && e.Y <= 0) continue;
    out += e.Kind.Trimmed() + " en " + std::to_string(e.X) + ", " + std::to_string(e.Y) + ".\r\n";
  }
  return out;
}

std::string BeingsReport(const Game& game) { return FloorReport(game, BeingsAt); }

std::string ObjectsReport(const Game& game) { return FloorReport(game, ObjectsAt); }

std::string PartyReport(const Game& game) {
  std::string out;
  for (const Being& h : game.Party) {
    if (IsEmptySlot(game, h.Name)) continue;
    out += h.Name.Trimmed() + " Vida: " + std::to_string(h.Life) + " / " +
           std::to_string(h.MaxLife) + " . Magia: " + std::to_string(h.Magic) + " / " +
           std::to_string(h.MaxMagic) + "\r\n";
  }
  return out;
}

}  // namespace zorvek
