#include "shop/ShopDialog.hpp"

#include <array>
#include <utility>
#include <vector>

#include "catalogue/Catalogues.hpp"
#include "shop/Trade.hpp"

namespace zorvek {

namespace {

constexpr std::array<std::pair<const char*, const char*>, 16> kCaptions = {{
    {"Text1", "Bienvenido a Gnomos y Compañía, ¿en qué podemos atenderle?"},
    {"CBComprar", "&Comprar"},
    {"CBVender", "&Vender"},
    {"CBSalir", "&Salir de la tienda"},
    {"FRComprar", "COMPRAR"},
    {"FREstanterías", "&Estanterías"},
    {"CBComprarOb", "C&omprar producto"},
    {"CBExaminarOb", "E&xaminar producto"},
    {"FRHéroes", "&Héroes"},
    {"FRInventario", "&Inventario"},
    {"CBDar", "&Dar monedas a..."},
    {"FRVender", "Vender"},
    {"FRHéroes2", "&Héroes"},
    {"FRInventario2", "&Inventario"},
    {"CBVenderOb", "Ve&nder Objeto"},
    {"CBExaminarOb2", "E&xaminar objeto"},
}};

}  // namespace

ShopDialog::ShopDialog(Game& game) : game_(game), controls_(game.ui(), DialogId::DLGTienda) {}

void ShopDialog::Load() {
  ShowCaptions();
  FillShelves();
  ShowHeroOptions();
  // The shop serves a living hero: the first one in marching order.
  int first = 0;
  for (int i = 4; i >= 1; --i) {
    if (game_.Party(i).Life >= 1) first = i - 1;
  }
  SelectHero(first);
  ShowFrame(true);
}

void ShopDialog::ShowCaptions() {
  for (const auto& [control, caption] : kCaptions) controls_.SetText(control, caption);
}

void ShopDialog::ShowHeroOptions() {
  for (int i = 1; i <= 4; ++i) {
    const Being& hero = game_.Party(i);
    for (const char* group : {"Option1", "Option2"}) {
      controls_.SetText(Indexed(group, i - 1), hero.Name.Trimmed());
      controls_.SetEnabled(Indexed(group, i - 1), hero.Life >= 1);
    }
  }
}

void ShopDialog::FillShelves() {
  std::vector<ListLine> lines;
  for (int slot = 1; slot <= 20; ++slot) {
    const Item& item = game_.CurrentRoom.Items(slot);
    if (!IsEmptySlot(game_, item.Name)) lines.push_back({shop::ShelfLine(item), slot});
  }
  controls_.SetLines("List1", std::move(lines));
}

void ShopDialog::RefreshHeroLists() {
  const Being& hero = game_.Party(selectedHero_);
  std::vector<ListLine> lines;
  auto add = [&](const Item& item, int code) {
    if (!IsEmptySlot(game_, item.Name)) lines.push_back({shop::GoodsLine(item), code});
  };
  add(hero.RightHand, 1);
  add(hero.LeftHand, 2);
  add(hero.Body, 3);
  for (int n = 1; n <= 20; ++n) add(hero.Inventory(n), 100 + n);
  controls_.SetLines("List2", lines);
  controls_.SetLines("List3", std::move(lines));
  std::string coins = std::to_string(hero.Coins) + " monedas";
  controls_.SetText("Text2", coins);
  controls_.SetText("TBMonedas2", coins);
}

void ShopDialog::ShowFrame(bool buying) {
  controls_.SetEnabled("FRComprar", buying);
  controls_.SetEnabled("FRVender", !buying);
}

// Both option groups show the same hero.
void ShopDialog::SelectHero(int index) {
  selectedHero_ = index + 1;
  controls_.Select("Option1", index);
  controls_.Select("Option2", index);
  RefreshHeroLists();
}

void ShopDialog::CBComprar_Click() { ShowFrame(true); }
void ShopDialog::CBVender_Click() { ShowFrame(false); }
void ShopDialog::List1_Click(int line) { controls_.Select("List1", line); }
void ShopDialog::List2_Click(int line) { controls_.Select("List2", line); }
void ShopDialog::List3_Click(int line) { controls_.Select("List3", line); }
void ShopDialog::Option1_Click(int index) { SelectHero(index); }
void ShopDialog::Option2_Click(int index) { SelectHero(index); }

void ShopDialog::CBComprarOb_Click() {
  auto slot = controls_.SelectedData("List1");
  if (!slot) {
    game_.ui().Beep();
    return;
  }
  if (!shop::Buy(game_, selectedHero_, *slot)) return;
  FillShelves();
  RefreshHeroLists();
}

void ShopDialog::CBExaminarOb_Click() {
  auto slot = controls_.SelectedData("List1");
  if (!slot) {
    game_.ui().Beep();
    return;
  }
  party::Say(game_, DescribeItem(game_.CurrentRoom.Items(*slot)));
}

void ShopDialog::CBDar_Click() {
  shop::GiveCoins(game_, selectedHero_);
  RefreshHeroLists();
}

void ShopDialog::CBVenderOb_Click() {
  auto code = controls_.SelectedData("List3");
  if (!code) {
    game_.ui().Beep();
    return;
  }
  if (!shop::Sell(game_, selectedHero_, *code)) return;
  RefreshHeroLists();
  if (!controls_.Lines("List3").empty()) controls_.Select("List3", 0);
}

void ShopDialog::CBExaminarOb2_Click() {
  auto code = controls_.SelectedData("List3");
  if (!code) {
    game_.ui().Beep();
    return;
  }
  const Being& hero = game_.Party(selectedHero_);
  party::Say(game_, DescribeItem(party::ItemAt(hero, shop::PlaceOfCode(*code))));
}

void ShopDialog::CBSalir_Click() { closed_ = true; }

bool ShopDialog::ActOnList(const std::string& list, int line) {
  if (line < 0 || line >= static_cast<int>(controls_.Lines(list).size())) return false;
  controls_.Select(list, line);
  return true;
}

bool ShopDialog::ActInBuyingFrame(std::string_view control, int arg) {
  if (control == "List1" || control == "List2") return ActOnList(std::string(control), arg);
  if (control == "Option1") {
    if (arg < 0 || arg > 3 || !controls_.Enabled(Indexed("Option1", arg))) return false;
    Option1_Click(arg);
  } else if (control == "CBComprarOb") {
    CBComprarOb_Click();
  } else if (control == "CBExaminarOb") {
    CBExaminarOb_Click();
  } else if (control == "CBDar") {
    CBDar_Click();
  } else {
    return false;
  }
  return true;
}

bool ShopDialog::ActInSellingFrame(std::string_view control, int arg) {
  if (control == "List3") return ActOnList("List3", arg);
  if (control == "Option2") {
    if (arg < 0 || arg > 3 || !controls_.Enabled(Indexed("Option2", arg))) return false;
    Option2_Click(arg);
  } else if (control == "CBVenderOb") {
    CBVenderOb_Click();
  } else if (control == "CBExaminarOb2") {
    CBExaminarOb2_Click();
  } else {
    return false;
  }
  return true;
}

bool ShopDialog::Act(std::string_view control, std::optional<int> arg) {
  if (closed_) return false;
  int a = arg.value_or(-1);
  if (control == "CBComprar") {
    CBComprar_Click();
  } else if (control == "CBVender") {
    CBVender_Click();
  } else if (control == "CBSalir") {
    CBSalir_Click();
  } else if (controls_.Enabled("FRComprar") && ActInBuyingFrame(control, a)) {
    return true;
  } else {
    return controls_.Enabled("FRVender") && ActInSellingFrame(control, a);
  }
  return true;
}

}  // namespace zorvek
