#include "party/PartyDialog.hpp"

#include <array>
#include <utility>

#include "model/Grammar.hpp"

namespace zorvek {

using party::Place;
using party::PlaceKind;

namespace {

constexpr std::array<std::pair<const char*, const char*>, 13> kCaptions = {{
    {"Label1", "&CARACTERÍSTICAS"},
    {"Label2", "&INVENTARIO"},
    {"Command1", "&Cambiar posición del héroe"},
    {"Command2", "Opciones de &Objeto"},
    {"OKButton", "Aceptar"},
    {"MnuOpcDer", "&Mover a mano derecha"},
    {"MnuOpcIzq", "&Mover a mano izquierda"},
    {"MnuOpcCue", "&Colocar en el cuerpo"},
    {"MnuOpcInv", "&Mover al inventario general"},
    {"MnuOpcDar", "&Dar a"},
    {"MnuOpcDej", "&Dejar"},
    {"MnuOpcUti", "&Utilizar"},
    {"MnuOpcExa", "&Examinar"},
}};

struct MenuEntry {
  const char* Name;
  void (PartyDialog::*Click)();
};

constexpr std::array<MenuEntry, 7> kMenuEntries = {{
    {"MnuOpcDer", &PartyDialog::MnuOpcDer_Click},
    {"MnuOpcIzq", &PartyDialog::MnuOpcIzq_Click},
    {"MnuOpcCue", &PartyDialog::MnuOpcCue_Click},
    {"MnuOpcInv", &PartyDialog::MnuOpcInv_Click},
    {"MnuOpcDej", &PartyDialog::MnuOpcDej_Click},
    {"MnuOpcUti", &PartyDialog::MnuOpcUti_Click},
    {"MnuOpcExa", &PartyDialog::MnuOpcExa_Click},
}};

std::string Num(int64_t v) { return std::to_string(v); }

// The text of an object place: its name, or "(Vacía)" / "(Vacío)", and a spell level
// from 2 up.
std::string PlaceText(const Game& game, const Item& item, const char* whenEmpty) {
  if (IsEmptySlot(game, item.Name)) return whenEmpty;
  std::string text = item.Name.Trimmed();
  if (item.SpellLevel >= 2) text += " (Nivel " + Num(item.SpellLevel) + ")";
  return text;
}

std::string PositionPrompt(const Being& hero) {
  return "¿En qué posición desea colocar a " + hero.Name.Trimmed() +
         "? \r\n1. Al frente a la izquierda\r\n2. Al frente a la derecha\r\n3. En retaguardia a "
         "la izquierda\r\n4. En retaguardia a la derecha.";
}

}  // namespace

std::string HeroSheet(const Being& h) {
  return "Fuerza: " + Num(h.Strength) + "   destreza: " + Num(h.Dexterity) + "\r\n" +
         "Constitución: " + Num(h.Constitution) + "   Poder: " + Num(h.Power) + "\r\n" +
         "P. Vida: " + Num(h.Life) + " / " + Num(h.MaxLife) + "   P. Magia: " + Num(h.Magic) +
         " / " + Num(h.MaxMagic) + "\r\n" + "Ataque cuerpo a cuerpo: " + Num(h.MeleeAttack) +
         "   Defensa: " + Num(h.Defence) + "\r\n" + "Ataque a distancia: " + Num(h.RangedAttack) +
         "   ataque mágico: " + Num(h.MagicAttack) + "\r\n" + "Armadura: " + Num(h.Armour) +
         "\r\n" + "Nivel: " + Num(h.Level) + "\r\n" + "Experiencia actual: " + Num(h.Experience) +
         "\r\n" + "Siguiente nivel a: " + Num(ExperienceForNextLevel(h.ExperienceFactor, h.Level));
}

PartyDialog::PartyDialog(Game& game) : game_(game), controls_(game.ui(), DialogId::Dialog) {}

void PartyDialog::Load() {
  ShowCaptions();
  ShowHeroNames();
  controls_.Select("Option1", 0);
  Option1_Click(0);
}

void PartyDialog::ShowCaptions() {
  for (const auto& [control, caption] : kCaptions) controls_.SetText(control, caption);
}

// The option buttons and the "Dar a" entries carry the heroes' names. A position with
// nobody in it, or whose hero is dead, takes no gift.
void PartyDialog::ShowHeroNames() {
  for (int i = 1; i <= 4; ++i) {
    const Being& hero = game_.Party(i);
    std::string name = hero.Name.Trimmed();
    controls_.SetText(Indexed("Option1", i - 1), name);
    controls_.SetText(Indexed("MnuOpcDarLis", i), name);
    controls_.SetEnabled(Indexed("MnuOpcDarLis", i), name != game_.EmptyName && hero.Life >= 0);
  }
}

void PartyDialog::Option1_Click(int index) {
  selectedHero_ = index + 1;
  controls_.SetText("TBNombre", controls_.Text(Indexed("Option1", index)));
  controls_.SetText("TBCarac", HeroSheet(Hero()));
  ListInventory(selectedHero_);
}

void PartyDialog::ListInventory(int position) {
  Being& h = game_.Party(position);
  party::CompactInventory(game_, h);
  twoHandedInRight_ = IsSet(h.RightHand.IsTwoHanded);
  std::vector<ListLine> lines;
  lines.push_back({"Mano derecha: " + PlaceText(game_, h.RightHand, "(Vacía)"), 0});
  lines.push_back({twoHandedInRight_ ? "Mano izquierda: (Arma a dos manos)"
                                     : "Mano izquierda: " + PlaceText(game_, h.LeftHand, "(Vacía)"),
                   0});
  lines.push_back({"Cuerpo: " + PlaceText(game_, h.Body, "(Vacío)"), 0});
  for (int slot = 1; slot <= 20; ++slot) {
    const Item& item = h.Inventory(slot);
    if (IsEmptySlot(game_, item.Name)) continue;
    std::string count = item.Quantity >= 2 ? Num(item.Quantity) + ": " : "";
    lines.push_back({count + PlaceText(game_, item, ""), slot});
  }
  coinsLine_ = -1;
  if (h.Coins > 0) {
    coinsLine_ = static_cast<int>(lines.size());
    lines.push_back({"Monedas: " + Num(h.Coins), 0});
  }
  controls_.SetLines("List1", std::move(lines));
  ApplyMenuRules();
}

std::optional<Place> PartyDialog::SelectedPlace() const {
  int line = controls_.Selected("List1");
  if (line < 0) return std::nullopt;
  if (line == 0) return Place{PlaceKind::RightHand, 0};
  if (line == 1) return Place{PlaceKind::LeftHand, 0};
  if (line == 2) return Place{PlaceKind::Body, 0};
  if (line == coinsLine_) return Place{PlaceKind::Coins, 0};
  return Place{PlaceKind::Pack, static_cast<int>(*controls_.SelectedData("List1"))};
}

// Which menu entries fit the selected line. The object menu opens only on a line that
// holds something: an empty hand or body has nothing to work on.
void PartyDialog::ApplyMenuRules() {
  auto place = SelectedPlace();
  if (!place) {
    controls_.SetEnabled("Command2", false);
    return;
  }
  const Being& h = game_.Party(selectedHero_);
  bool coins = place->Kind == PlaceKind::Coins;
  bool empty = !coins && IsEmptySlot(game_, party::ItemAt(h, *place).Name);
  controls_.SetEnabled("Command2", !empty);
  bool alive = h.Life >= 0;
  bool object = alive && !coins;
  bool equipped = place->Kind != PlaceKind::Pack;
  controls_.SetEnabled("MnuOpcDer", object && place->Kind != PlaceKind::RightHand);
  controls_.SetEnabled("MnuOpcIzq", object && place->Kind != PlaceKind::LeftHand);
  controls_.SetEnabled("MnuOpcCue", object && place->Kind != PlaceKind::Body);
  controls_.SetEnabled("MnuOpcInv", object && equipped);
  controls_.SetEnabled("MnuOpcUti", object);
  controls_.SetEnabled("MnuOpcExa", alive);
}

void PartyDialog::List1_GotFocus() {
  if (!controls_.Lines("List1").empty()) List1_Click(0);
}

void PartyDialog::List1_Click(int line) {
  controls_.Select("List1", line);
  ApplyMenuRules();
}

void PartyDialog::Command1_Click() {
  std::string answer = game_.ui().InputBox(PositionPrompt(Hero()), "Zorvek");
  double v = ParseTypedNumber(answer);
  if (v <= 0 || v >= 5) return;
  // 0.3 or 4.7 would round off the board: they count as no position at all.
  int p = CInt(v);
  if (p < 1 || p > 4) return;
  SwapValues(game_.Party(selectedHero_), game_.Party(p));
  ShowHeroNames();
  controls_.Select("Option1", p - 1);
  Option1_Click(p - 1);
}

void PartyDialog::ShowHeroAgain() {
  Option1_Click(selectedHero_ - 1);
  List1_GotFocus();
}

void PartyDialog::RunEntry(const std::function<void(Place)>& operation) {
  if (auto place = SelectedPlace()) operation(*place);
  ShowHeroAgain();
}

void PartyDialog::MnuOpcDer_Click() {
  RunEntry([this](Place p) { party::MoveToRightHand(game_, Hero(), p); });
}
void PartyDialog::MnuOpcIzq_Click() {
  RunEntry([this](Place p) { party::MoveToLeftHand(game_, Hero(), p); });
}
void PartyDialog::MnuOpcCue_Click() {
  RunEntry([this](Place p) { party::MoveToBody(game_, Hero(), p); });
}
void PartyDialog::MnuOpcInv_Click() {
  RunEntry([this](Place p) { party::MoveToPack(game_, Hero(), p); });
}
void PartyDialog::MnuOpcDarLis_Click(int index) {
  RunEntry([this, index](Place p) { party::Give(game_, selectedHero_, index, p); });
}
void PartyDialog::MnuOpcDej_Click() {
  RunEntry([this](Place p) { party::DropInRoom(game_, Hero(), p); });
}
void PartyDialog::MnuOpcUti_Click() {
  RunEntry([this](Place p) { party::Use(game_, Hero(), p); });
}
void PartyDialog::MnuOpcExa_Click() {
  RunEntry([this](Place p) { party::Examine(game_, Hero(), p); });
}

void PartyDialog::OKButton_Click() {
  CompactInventories(game_);
  closed_ = true;
}

bool PartyDialog::MenuEntryReady(const std::string& entry) const {
  return controls_.Enabled("Command2") && controls_.Enabled(entry);
}

bool PartyDialog::Act(std::string_view control, std::optional<int> arg) {
  if (closed_) return false;
  int a = arg.value_or(-1);
  if (control == "Option1") {
    if (a < 0 || a > 3) return false;
    controls_.Select("Option1", a);
    Option1_Click(a);
  } else if (control == "List1") {
    if (a < 0 || a >= static_cast<int>(controls_.Lines("List1").size())) return false;
    List1_Click(a);
  } else if (control == "Command1") {
    Command1_Click();
  } else if (control == "Command2") {
    return controls_.Enabled("Command2");  // opens the menu; the entries do the work
  } else if (control == "MnuOpcDarLis") {
    if (a < 1 || a > 4 || !MenuEntryReady(Indexed("MnuOpcDarLis", a))) return false;
    MnuOpcDarLis_Click(a);
  } else if (control == "OKButton") {
    OKButton_Click();
  } else {
    for (const auto& entry : kMenuEntries) {
      if (control != entry.Name) continue;
      if (!MenuEntryReady(entry.Name)) return false;
      (this->*entry.Click)();
      return true;
    }
    return false;
  }
  return true;
}

}  // namespace zorvek
