#include <cstdint>
#include <string>
#include <string_view>

#include "catalogue/Catalogues.hpp"
#include "model/Text.hpp"

namespace zorvek {

namespace {

// The valuables a room may be furnished with; a name found in here is told as precious.
constexpr std::string_view kValuables =
    "Anillo roto Perla Figurita de jade Esmeralda Vaina engastada Diamante Broche "
    "Brazalete Hebilla dorada Collar";

// Scrolls show their figures and level; books only their school.
bool IsScroll(const Item& item) { return Contains(item.Name.Raw(), "Pergamino"); }

void AddLine(std::string& text, std::string_view line) {
  text += line;
  text += kCrLf;
}

void AddValueLine(std::string& text, std::string_view label, int64_t value) {
  AddLine(text, std::string(label) + std::to_string(value));
}

void DescribeUse(const Item& item, std::string& text) {
  if (IsSet(item.IsMelee)) AddLine(text, "Arma cuerpo a cuerpo ");
  if (IsSet(item.IsRanged)) AddLine(text, "Arma a distancia");
  if (IsSet(item.IsSpell)) AddLine(text, "Objeto mágico");
  if (item.SpellLevel >= 1 && IsScroll(item)) {
    AddValueLine(text, "Conjuro de nivel ", item.SpellLevel);
  }
  if (IsSet(item.IsTwoHanded)) AddLine(text, "Arma a dos manos");
}

void DescribeSpellEffects(const Item& item, std::string& text) {
  const bool scroll = IsScroll(item);
  const bool spell = IsSet(item.IsSpell);
  if (item.MaxDamage > 0) {
    if (!spell || scroll) AddValueLine(text, "Daño máximo: ", item.MaxDamage);
    if (spell) AddLine(text, "Escuela: Fuego");
  }
  if (item.MaxHealing > 0) {
    if (!spell || scroll) AddValueLine(text, "Curación máxima: ", item.MaxHealing);
    if (spell) text += "Escuela: Agua";
  }
  if (item.MagicShield > 0) {
    if (scroll) AddValueLine(text, "Escudo mágico: ", item.MagicShield);
    text += "Escuela Viento";
  }
  if (item.AddedMagicDamage > 0) {
    if (scroll) AddValueLine(text, "Daño añadido mágicamente = ", item.AddedMagicDamage);
    AddLine(text, "Escuela Tierra");
  }
}

void DescribeBonuses(const Item& item, std::string& text) {
  if (item.AttackBonus > 0) AddValueLine(text, "Bonus al ataque: ", item.AttackBonus);
  if (item.DefenceBonus > 0) AddValueLine(text, "Bonus a la defensa: ", item.DefenceBonus);
  if (item.ArmourBonus > 0) AddValueLine(text, "Bonus de armadura: ", item.ArmourBonus);
}

void DescribeSupplies(const Item& item, std::string& text) {
  if (item.RestoresLife > 0) {
    AddLine(text, "Recupera " + std::to_string(item.RestoresLife) + " puntos de vida.");
  }
  if (item.RestoresMagic > 0) {
    AddLine(text, "Recupera " + std::to_string(item.RestoresMagic) + " puntos de magia.");
  }
  if (item.Quantity > 0) AddValueLine(text, "Cantidad : ", item.Quantity);
  if (item.Name.Trimmed() == "Monedas") {
    text += std::to_string(item.Quantity) +
            "  monedas de las utilizadas habitualmente para comprar y vender.";
  }
}

}  // namespace

std::string DescribeItem(const Item& item) {
  std::string text = item.Name.Padded();
  text += kCrLf;
  const std::size_t nameLineLength = text.size();
  DescribeUse(item, text);
  DescribeSpellEffects(item, text);
  DescribeBonuses(item, text);
  DescribeSupplies(item, text);
  const std::string name = item.Name.Trimmed();
  // An item with nothing else to tell may still be a valuable; a nameless one is not.
  if (text.size() == nameLineLength && !name.empty() && Contains(kValuables, name)) {
    text += "Parece ser un objeto de mucho valor.";
  }
  return text;
}

}  // namespace zorvek
