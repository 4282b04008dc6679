#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "catalogue/Catalogues.hpp"
#include "combat/Combat.hpp"
#include "model/Numbers.hpp"
#include "model/Text.hpp"
#include "sound/Sound.hpp"

namespace zorvek {

namespace {

const std::string kLineEnd(kCrLf);

bool IsHeroBeing(const Being& being) { return IsSet(being.IsHero); }

std::string Name(const Being& being) { return being.Name.Trimmed(); }

int DrawDie(Game& game, int faces) { return Int(game.Rnd() * faces) + 1; }

// The lowest face always misses; the top face always lands.
bool Lands(int roll, int topFace, int64_t attack, int64_t defence) {
  return roll > 1 && (attack > defence || roll == topFace);
}

// Air spells shield heroes only.
int64_t ShieldFor(const Game& game, const Being& target) {
  return IsHeroBeing(target) ? game.ShieldBonus : 0;
}

// Earth spells strengthen heroes' blows only.
double DamageFor(const Game& game, const Being& attacker) {
  return IsHeroBeing(attacker) ? game.DamageBonus : 0;
}

// Some deaths make no scream: the queued sound of the kill stays a plain hit.
bool DiesQuietly(const Being& target, std::initializer_list<std::string_view> marks) {
  return std::any_of(marks.begin(), marks.end(),
                     [&](std::string_view mark) { return Contains(target.Name.Raw(), mark); });
}

// The earth spells' part of a hero's blow is credited to the heroes who cast them.
void ShareEarthExperience(Game& game, Being& attacker) {
  if (!IsHeroBeing(attacker) || game.DamageBonus <= 0) return;
  attacker.Experience = Add32(attacker.Experience, -int64_t{game.DamageBonus});
  for (int h = 1; h <= 4; ++h) {
    Being& hero = game.Party(h);
    hero.Experience = Add32(hero.Experience, game.DamageShares(h));
  }
}

// What every blow that landed has in common: the attacker learns from the damage, the
// target is wounded (a hero hears how much life it has left) and may die.
void Wound(Game& game, Being& attacker, Being& target, int16_t damage, std::string& text,
           bool shareEarth, std::initializer_list<std::string_view> quietDeaths) {
  attacker.Experience = Add32(attacker.Experience, damage);
  if (shareEarth) ShareEarthExperience(game, attacker);
  const int32_t life = Add32(target.Life, -int64_t{damage});
  // Armour that turns a blow into healing never lifts the target above its maximum.
  target.Life = damage < 0 ? std::min(life, std::max(target.Life, target.MaxLife)) : life;
  if (IsHeroBeing(target)) {
    text.resize(text.size() >= 3 ? text.size() - 3 : 0);
    text += ", dejándole con " + std::to_string(target.Life) + ".";
  }
  if (target.Life > 0) return;
  SetQueuedCombatResult(game, DiesQuietly(target, quietDeaths) ? kCombatDamage : kCombatKill);
  text += Name(target) + " Ha muerto." + kLineEnd;
  if (IsHeroBeing(target)) return;
  attacker.Experience = CLng(target.MaxLife / 2.0 + attacker.Experience);
  DropBelongings(game, target);
}

std::string DamageText(int16_t damage) {
  return " y le quita " + std::to_string(damage) + " puntos de vida.";
}

// A hero's earlier air and earth spells stop helping the party when it casts again.
void EndOwnEffects(Game& game, int position) {
  game.ShieldBonus =
      Clamp16(std::max<int64_t>(0, int64_t{game.ShieldBonus} - game.ShieldShares(position)));
  game.DamageBonus =
      Clamp16(std::max<int64_t>(0, int64_t{game.DamageBonus} - game.DamageShares(position)));
}

std::string FailedSpell(Game& game, Being& caster) {
  std::string text = Name(caster) + " ha fallado al realizar su conjuro";
  if (game.Rnd() > 0.5) {
    const int32_t wound = Int(game.Rnd() * (caster.RightHand.SpellLevel + 1));
    if (wound > 0) {
      text += " y sufre heridas por valor de " + std::to_string(wound) + " puntos de vida";
      caster.Life = Add32(caster.Life, -int64_t{wound});
    }
  }
  return text + "." + kLineEnd;
}

// The healing goes round the party one point at a time, to living heroes below their
// maximum, until it runs out or nobody can take more; what is left is lost.
void HandOutHealing(Game& game, int32_t points) {
  bool healedAny = true;
  while (points > 0 && healedAny) {
    healedAny = false;
    for (Being& hero : game.Party) {
      if (points <= 0) break;
      if (hero.Life > 0 && hero.Life < hero.MaxLife) {
        ++hero.Life;
        --points;
        healedAny = true;
      }
    }
  }
}

enum class School { Fire, Water, Air, Earth, None };

// A spell's school is the first of its figures that is set.
School SchoolOf(const Item& spell) {
  if (spell.MaxDamage >= 1) return School::Fire;
  if (spell.MaxHealing >= 1) return School::Water;
  if (spell.MagicShield >= 1) return School::Air;
  if (spell.AddedMagicDamage >= 1) return School::Earth;
  return School::None;
}

const char* SoundOf(School school) {
  switch (school) {
    case School::Fire:
      return "fuego";
    case School::Water:
      return "agua";
    case School::Air:
      return "aire";
    case School::Earth:
      return "tierra";
    case School::None:
      return "";
  }
  return "";
}

void Fire(Game& game, Being& caster, Being& target, std::string& text) {
  const int16_t damage =
      CInt(Int(game.Rnd() * caster.RightHand.MaxDamage) + (caster.Level + 1.0) - target.Armour);
  text += " y le quita " + std::to_string(damage) + " puntos de vida a " + Name(target) + "." +
          kLineEnd;
  Wound(game, caster, target, damage, text, false, {"Rata"});
}

void Water(Game& game, Being& caster, std::string& text) {
  const int16_t healing =
      CInt(Int(game.Rnd() * caster.RightHand.MaxHealing) + (caster.Level + 1.0));
  text += " y cura " + std::to_string(healing) + " puntos de vida a los miembros del grupo.";
  caster.Experience = Add32(caster.Experience, healing);
  HandOutHealing(game, healing);
}

// Air and earth spells only help heroes; a monster's do nothing.
void Air(Game& game, const Being& caster, int position) {
  if (position < 1) return;
  game.ShieldShares(position) = Clamp16(caster.RightHand.MagicShield);
  game.ShieldBonus = Add16(game.ShieldBonus, game.ShieldShares(position));
}

void Earth(Game& game, const Being& caster, int position) {
  if (position < 1) return;
  game.DamageShares(position) = Clamp16(caster.RightHand.AddedMagicDamage);
  game.DamageBonus = Add16(game.DamageBonus, game.DamageShares(position));
}

std::string SucceededSpell(Game& game, Being& caster, Being& target, int position) {
  const Item& spell = caster.RightHand;
  std::string text =
      Name(caster) + " realiza con éxito el conjuro " + Trim(MidChars(spell.Name.Raw(), 11));
  caster.Experience = Add32(caster.Experience, spell.SpellLevel);
  caster.Magic = Add32(caster.Magic, -int64_t{spell.SpellLevel});
  const School school = SchoolOf(spell);
  QueueCombatSound(game, SoundOf(school), kCombatMiss);
  switch (school) {
    case School::Fire:
      Fire(game, caster, target, text);
      break;
    case School::Water:
      Water(game, caster, text);
      break;
    case School::Air:
      Air(game, caster, position);
      break;
    case School::Earth:
      Earth(game, caster, position);
      break;
    case School::None:
      break;
  }
  return text;
}

}  // namespace

std::string StrikeMelee(Game& game, Being& attacker, Being& target) {
  const Item& weapon = attacker.RightHand;
  QueueCombatSound(game, weapon.Name.Trimmed(), kCombatMiss);
  const int roll = DrawDie(game, 8);
  const int64_t attack = int64_t{weapon.AttackBonus} + attacker.MeleeAttack + roll;
  const int64_t defence = int64_t{target.Defence} + target.MeleeAttack + ShieldFor(game, target);
  if (!Lands(roll, 8, attack, defence))
    return Name(attacker) + " ha fallado en su ataque." + kLineEnd;

  const int16_t damage = CInt(Int(game.Rnd() * weapon.MaxDamage) + (attacker.Strength + 1.0) +
                              DamageFor(game, attacker) - target.Armour);
  if (damage > 0) SetQueuedCombatResult(game, kCombatDamage);
  std::string text = Name(attacker) + " impacta con " + (IsSet(weapon.IsPlural) ? "sus " : "su ") +
                     weapon.Name.Trimmed() + " en " + Name(target) + DamageText(damage) + kLineEnd;
  Wound(game, attacker, target, damage, text, true, {"ragón", "Rata"});
  return text;
}

std::string StrikeRanged(Game& game, Being& attacker, Being& target) {
  const Item& weapon = attacker.RightHand;
  QueueCombatSound(game, weapon.Name.Trimmed(), kCombatMiss);
  const int roll = DrawDie(game, 6);
  const int64_t attack = int64_t{weapon.AttackBonus} + attacker.RangedAttack + roll;
  const int64_t defence = int64_t{target.Defence} + target.Armour + ShieldFor(game, target);
  if (!Lands(roll, 6, attack, defence))
    return Name(attacker) + " ha fallado su disparo." + kLineEnd;

  const int16_t damage =
      CInt(Int(game.Rnd() * weapon.MaxDamage) + 1.0 + DamageFor(game, attacker) - target.Armour);
  if (damage > 0) SetQueuedCombatResult(game, kCombatDamage);
  std::string text = Name(attacker) + " acierta con su " + weapon.Name.Trimmed() + "  a " +
                     Name(target) + DamageText(damage) + kLineEnd;
  Wound(game, attacker, target, damage, text, true, {"Rata"});
  return text;
}

std::string CastSpell(Game& game, Being& caster, Being& target, int position) {
  if (position >= 1) EndOwnEffects(game, position);
  const Item& spell = caster.RightHand;
  if (caster.Magic < spell.SpellLevel) {
    return Name(caster) + " no tiene suficientes puntos de magia para lanzar ese conjuro.";
  }
  const int roll = DrawDie(game, 6);
  const int64_t power = int64_t{caster.MagicAttack} + caster.Level + roll;
  if (!Lands(roll, 6, power, 3 * int64_t{spell.SpellLevel})) return FailedSpell(game, caster);
  return SucceededSpell(game, caster, target, position);
}

}  // namespace zorvek
