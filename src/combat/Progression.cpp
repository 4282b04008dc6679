#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/Characteristics.hpp"
#include "combat/Combat.hpp"
#include "model/Grammar.hpp"
#include "model/Numbers.hpp"
#include "model/Text.hpp"
#include "party/Equipment.hpp"
#include "sound/Sound.hpp"

namespace zorvek {

namespace {

const std::string kLineEnd(kCrLf);

// A question refused this many times in a row is answered for the player.
constexpr int kMostRefusals = 50;
// The point nobody chose goes to Constitution: life is what an idle hero needs most.
constexpr int kDefaultCharacteristic = 3;
// Levels come one pass at a time; no hero climbs this many levels at one combat's end.
constexpr int kMostPasses = 100;

bool PastThreshold(const Being& hero) {
  return hero.Experience > ExperienceForNextLevel(hero.ExperienceFactor, hero.Level);
}

std::string DevelopmentPrompt(const Being& hero, int points) {
  return "Te quedan " + std::to_string(points) +
         " puntos de desarrollo. Elige una característica: " + kLineEnd + "1. Fuerza (" +
         std::to_string(hero.Strength) + ")" + kLineEnd + "2. Destreza (" +
         std::to_string(hero.Dexterity) + ")" + kLineEnd + "3. constitución (" +
         std::to_string(hero.Constitution) + ")" + kLineEnd + "4. Poder (" +
         std::to_string(hero.Power) + ")";
}

// The characteristic 1 to 4 the player typed, or 0 when the answer names none.
int ChosenCharacteristic(const std::string& answer) {
  const int c = CInt(ParseTypedNumber(answer));
  return c >= 1 && c <= 4 ? c : 0;
}

// One point more in a characteristic; the derived values follow, and the hero is whole.
void Develop(Being& hero, int characteristic) {
  catalogue::Characteristics c{hero.Strength, hero.Dexterity, hero.Constitution, hero.Power};
  int16_t& raised = characteristic == 1   ? c.Strength
                    : characteristic == 2 ? c.Dexterity
                    : characteristic == 3 ? c.Constitution
                                          : c.Power;
  raised = Add16(raised, 1);
  const int32_t armour = hero.Armour;
  catalogue::ApplyCharacteristics(hero, c);
  // Defence follows the new characteristics and the shield still worn; Armour stays.
  hero.Defence = Add32(hero.Defence, party::WornBy(hero).Shield);
  hero.Armour = armour;
  hero.MaxLife = Add32(Mul32(4, hero.Constitution), 20);
  hero.Life = hero.MaxLife;
  catalogue::FillMagic(hero);
}

void SpendDevelopmentPoints(Game& game, Being& hero) {
  int points = 3;
  int refusals = 0;
  while (points >= 1) {
    const std::string answer =
        game.ui().InputBox(DevelopmentPrompt(hero, points), "Escoge en qué quieres mejorar");
    int chosen = ChosenCharacteristic(answer);
    if (chosen == 0 && ++refusals < kMostRefusals) continue;
    if (chosen == 0) chosen = kDefaultCharacteristic;
    refusals = 0;
    --points;
    Develop(hero, chosen);
  }
}

bool IsScroll(const Item& item) { return Contains(item.Name.Raw(), "ergamino"); }

// The sorcerer's scrolls, hands first, then the pack in slot order.
std::vector<Item*> ScrollsOf(Being& hero) {
  std::vector<Item*> scrolls;
  if (IsScroll(hero.RightHand)) scrolls.push_back(&hero.RightHand);
  if (IsScroll(hero.LeftHand)) scrolls.push_back(&hero.LeftHand);
  for (Item& item : hero.Inventory) {
    if (IsScroll(item)) scrolls.push_back(&item);
  }
  return scrolls;
}

std::string SpellPrompt(const std::vector<Item*>& scrolls) {
  std::string prompt =
      "Tu experiencia te permite desarrollar uno de tus hechizos a un nivel superior. Escoge "
      "uno de ellos: " +
      kLineEnd;
  int n = 0;
  for (const Item* scroll : scrolls) {
    prompt += std::to_string(++n) + ". " + scroll->Name.Trimmed() + "(Nivel " +
              std::to_string(scroll->SpellLevel + 1) + ")" + kLineEnd;
  }
  return prompt;
}

// The listed number the player typed, or 0. A fraction is rounded, and one that rounds
// past the end of the list names no scroll.
int ChosenScroll(const std::string& answer, int listed) {
  const double v = ParseTypedNumber(answer);
  if (v < 1 || v >= listed + 1) return 0;
  const int32_t chosen = CLng(v);
  return chosen <= listed ? chosen : 0;
}

// A spell one level up: its figures grow by a share of themselves. A scroll that claims
// no level counts as level 1.
void RaiseSpell(Item& scroll) {
  const int16_t level = scroll.SpellLevel;
  const double divisor = level >= 1 ? level : 1;
  scroll.MaxDamage = CLng(scroll.MaxDamage + scroll.MaxDamage / divisor);
  scroll.MaxHealing = CLng(scroll.MaxHealing + scroll.MaxHealing / divisor);
  scroll.SpellLevel = Add16(level, 1);
}

void ChooseSpellToRaise(Game& game, Being& hero) {
  const std::vector<Item*> scrolls = ScrollsOf(hero);
  // A sorcerer with no scroll has nothing to raise.
  if (scrolls.empty()) return;
  const int listed = static_cast<int>(scrolls.size());
  const std::string prompt = SpellPrompt(scrolls);
  for (int refusals = 0; refusals < kMostRefusals; ++refusals) {
    const int chosen = ChosenScroll(game.ui().InputBox(prompt, hero.Name.Trimmed()), listed);
    if (chosen != 0) {
      RaiseSpell(*scrolls.at(static_cast<std::size_t>(chosen - 1)));
      return;
    }
  }
  RaiseSpell(*scrolls.front());
}

}  // namespace

void CheckLevelUps(Game& game) {
  for (int pass = 0; pass < kMostPasses; ++pass) {
    bool anyone = false;
    for (int position = 1; position <= 4; ++position) {
      if (!PastThreshold(game.Party(position))) continue;
      LevelUp(game, position);
      anyone = true;
    }
    if (!anyone) return;
  }
}

void LevelUp(Game& game, int position) {
  Being& hero = game.Party(position);
  hero.Level = Add16(hero.Level, 1);
  PlayCue(game, "subenivel", -1, -1, kFalse);
  game.ui().MessageBox(hero.Name.Trimmed() +
                           " ha adquirido suficiente experiencia para pasar al nivel " +
                           std::to_string(hero.Level),
                       Buttons::Ok, "Zorvek");
  SpendDevelopmentPoints(game, hero);
  if (Contains(hero.Name.Raw(), "hechicero")) ChooseSpellToRaise(game, hero);
}

}  // namespace zorvek
