#include "shop/Trade.hpp"

#include <algorithm>
#include <vector>

#include "model/Grammar.hpp"

namespace zorvek::shop {

using party::Say;

namespace {

std::string Num(int64_t v) { return std::to_string(v); }

// The pack slot a bought object goes to: the first one that is empty or holds the same
// object at the same price; 0 when there is none.
int PackSlotFor(const Game& game, const Being& hero, const Item& ware) {
  std::string name = ware.Name.Trimmed();
  for (int i = 1; i <= 20; ++i) {
    const Item& slot = hero.Inventory(i);
    if (IsEmptySlot(game, slot.Name)) return i;
    if (slot.Name.Trimmed() == name && slot.Price == ware.Price) return i;
  }
  return 0;
}

// A single object (Quantity 0 or 1) counts one; a stack counts its Quantity.
int16_t Count(const Item& item) { return std::max<int16_t>(item.Quantity, 1); }

bool MayBuy(Game& game, const Being& hero, const Item& ware) {
  if (hero.Coins < ware.Price) {
    Say(game, "Me temo que no tiene suficientes monedas para pagar lo que quiere");
    return false;
  }
  if (Contains(ware.Name.Trimmed(), "Libro") && !Contains(hero.Name.Trimmed(), "echicero")) {
    game.ui().MessageBox(
        "Señor mío, me temo que no puedo venderle ese libro. Me temo que tiene, em, propiedades "
        "especiales, si usted me entiende, que harían daño a una persona sin poderes mágicos.",
        Buttons::Ok, "Empleado");
    return false;
  }
  return true;
}

// How many of a stack to sell; 1 for a single object, 0 when the answer is refused.
int16_t CountToSell(Game& game, const Item& item) {
  if (item.Quantity <= 1) return 1;
  double v = ParseTypedNumber(game.ui().InputBox("¿Cuántos objetos de esos deseas vender?",
                                                 "Vender " + item.Name.Trimmed()));
  if (v < 1 || v > item.Quantity) {
    game.ui().Beep();
    return 0;
  }
  return CInt(v);
}

bool MaySell(Game& game, const Item& item) {
  if (item.Price <= 0) {
    game.ui().MessageBox("No te conviene vender eso", Buttons::Ok, "Vender objeto");
    return false;
  }
  if (Contains(item.Name.Trimmed(), "Pergamino")) {
    Say(game, "Eso no es algo que puedas vender");
    return false;
  }
  return true;
}

// The living heroes besides `hero` who can take coins, in marching order.
std::vector<int> CoinRecipients(const Game& game, int hero) {
  std::vector<int> others;
  for (int i = 1; i <= 4; ++i) {
    if (i != hero && game.Party(i).Life > 0) others.push_back(i);
  }
  return others;
}

// The recipient of the coins; 0 when the answer names nobody who may take them.
int ChooseRecipient(Game& game, const std::vector<int>& others) {
  if (others.size() == 1) return others.front();
  std::string menu;
  for (int i : others) menu += Num(i) + ". " + game.Party(i).Name.Trimmed() + "\r\n";
  double v = ParseTypedNumber(
      game.ui().InputBox(menu + "¿A quién desea darle las monedas?", "Elección de destinatario"));
  int chosen = CInt(v);
  if (v != chosen) return 0;
  return std::find(others.begin(), others.end(), chosen) != others.end() ? chosen : 0;
}

}  // namespace

party::Place PlaceOfCode(int code) {
  using party::PlaceKind;
  if (code == 1) return {PlaceKind::RightHand, 0};
  if (code == 2) return {PlaceKind::LeftHand, 0};
  if (code == 3) return {PlaceKind::Body, 0};
  return {PlaceKind::Pack, code - 100};
}

std::string ShelfLine(const Item& item) {
  return item.Name.Trimmed() + ": " + Num(item.Price) + " monedas.";
}

std::string GoodsLine(const Item& item) {
  std::string line = item.Name.Trimmed();
  if (item.Quantity > 1) line += "(" + Num(item.Quantity) + ")";
  return line;
}

bool Buy(Game& game, int heroPos, int slot) {
  Being& hero = game.Party(heroPos);
  Item ware = game.CurrentRoom.Items(slot);
  if (!MayBuy(game, hero, ware)) return false;
  int k = PackSlotFor(game, hero, ware);
  if (k == 0) {
    Say(game, "Ese héroe no puede llevar más cosas");
    return false;
  }
  Item& into = hero.Inventory(k);
  if (IsEmptySlot(game, into.Name)) {
    into = ware;
  } else {
    // A stack on the shelf joins the carried one whole.
    into.Quantity = Add16(Count(into), Count(ware));
  }
  hero.Coins = Add32(hero.Coins, -static_cast<int64_t>(ware.Price));
  game.CurrentRoom.Items(slot) = game.EmptyItem;
  std::string name = ware.Name.Trimmed();
  Say(game, hero.Name.Trimmed() + " compra " + Article(ware, true, -1) + " " + name);
  CompactShelves(game);
  return true;
}

bool Sell(Game& game, int heroPos, int code) {
  Being& hero = game.Party(heroPos);
  Item& item = party::ItemAt(hero, PlaceOfCode(code));
  if (!MaySell(game, item)) return false;
  int16_t count = CountToSell(game, item);
  if (count == 0) return false;
  int32_t unit = Int(item.Price * 0.9);
  Answer answer = game.ui().MessageBox("El gnomo te ofrece " + Num(unit) + " monedas por cada " +
                                           item.Name.Trimmed() + ". ¿Aceptas la oferta?",
                                       Buttons::YesNo, "Vender objeto");
  if (answer != Answer::Yes) return false;
  party::WornBonus before = party::WornBy(hero);
  hero.Coins = Add32(hero.Coins, static_cast<int64_t>(unit) * count);
  item.Quantity = Add16(item.Quantity, -count);
  if (item.Quantity < 1) item = game.EmptyItem;
  party::Rebalance(hero, before);
  CompactInventories(game);
  return true;
}

void GiveCoins(Game& game, int heroPos) {
  Being& hero = game.Party(heroPos);
  if (hero.Coins <= 0) {
    game.ui().MessageBox("No tiene ninguna moneda", Buttons::Ok, hero.Name.Trimmed());
    return;
  }
  double v = ParseTypedNumber(game.ui().InputBox("Número de  monedas (1 - " + Num(hero.Coins) + ")",
                                                 "¿Cuántas monedas desea entregar?"));
  if (v < 1 || v > hero.Coins) return;
  int32_t amount = CLng(v);
  std::vector<int> others = CoinRecipients(game, heroPos);
  if (others.empty()) {
    Say(game, "No hay nadie más al que le pueda dar las monedas");
    return;
  }
  int to = ChooseRecipient(game, others);
  if (to == 0) return;
  Being& recipient = game.Party(to);
  hero.Coins = Add32(hero.Coins, -static_cast<int64_t>(amount));
  recipient.Coins = Add32(recipient.Coins, amount);
  Say(game, Num(amount) + (amount == 1 ? "moneda entregada" : "monedas entregadas") + " a " +
                recipient.Name.Trimmed());
}

void CompactShelves(Game& game) {
  auto& shelves = game.CurrentRoom.Items;
  // Each pass moves every gap at least one slot back; 20 passes always settle it.
  for (int pass = 0; pass < 20; ++pass) {
    bool swapped = false;
    for (int i = 1; i <= 19; ++i) {
      if (IsEmptySlot(game, shelves(i).Name) && !IsEmptySlot(game, shelves(i + 1).Name)) {
        SwapItems(shelves(i), shelves(i + 1));
        swapped = true;
      }
    }
    if (!swapped) break;
  }
}

}  // namespace zorvek::shop
