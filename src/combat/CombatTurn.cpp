#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>

#include "board/Board.hpp"
#include "combat/Combat.hpp"
#include "generation/PhaseChange.hpp"
#include "model/Grammar.hpp"
#include "model/Numbers.hpp"
#include "model/Text.hpp"
#include "sound/Sound.hpp"

namespace zorvek {

namespace {

constexpr const char* kPrompt = "A: atacar, H: Huir, G: grupo";
constexpr int kSlotCount = 20;
constexpr int kLastFrontSlot = 2;
constexpr int kOrderSwaps = 1000;
// A target draw that keeps missing gives up and takes the first one that can be hit;
// with a fair generator this bound is never reached.
constexpr int kTargetDraws = 1000;

const std::string kLineEnd(kCrLf);

bool AnyHeroAlive(const Game& game) {
  for (const Being& hero : game.Party) {
    if (hero.Life >= 1) return true;
  }
  return false;
}

bool HasMonster(const Game& game, int slot) { return game.CombatSlots(slot) >= 1; }

Being& MonsterIn(Game& game, int slot) { return game.DungeonBeings(game.CombatSlots(slot)); }

int16_t CountMonsters(const Game& game) {
  int16_t count = 0;
  for (int16_t entry : game.CurrentRoom.Beings) {
    if (IsMonster(game, entry)) ++count;
  }
  return count;
}

// One pass over the room's beings: those whose right hand has the flag take the next
// free slots.
void PlaceByFlag(Game& game, int& next, Flag Item::*flag) {
  for (int16_t entry : game.CurrentRoom.Beings) {
    if (!IsMonster(game, entry) || !IsSet(game.DungeonBeings(entry).RightHand.*flag)) continue;
    // A monster with several uses of its weapon fills a slot for each; the slots run out
    // before the room's twenty beings can overflow them.
    if (next > kSlotCount) return;
    game.CombatSlots(next++) = entry;
  }
}

// Melee monsters take the front row, then the archers and the casters the rear. A lone
// melee monster leaves the second front slot empty.
void FillSlots(Game& game, int16_t count) {
  if (count == 1) {
    for (int16_t entry : game.CurrentRoom.Beings) {
      if (!IsMonster(game, entry)) continue;
      game.CombatSlots(1) = entry;
      return;
    }
  }
  int next = 1;
  PlaceByFlag(game, next, &Item::IsMelee);
  if (next == 2) next = 3;
  PlaceByFlag(game, next, &Item::IsRanged);
  PlaceByFlag(game, next, &Item::IsSpell);
}

// The heroes' order for this turn: four positions shuffled by a thousand neighbour swaps.
std::array<int, 5> HeroOrder(Game& game) {
  std::array<int, 5> order{0, 1, 2, 3, 4};
  for (int n = 0; n < kOrderSwaps; ++n) {
    const auto j = static_cast<std::size_t>(std::clamp(Int(game.Rnd() * 3) + 1, 1, 3));
    std::swap(order.at(j), order.at(j + 1));
  }
  return order;
}

// A front hero strikes one of the monsters of the front row, at random when both stand.
int FrontRowTarget(Game& game) {
  const bool first = HasMonster(game, 1);
  const bool second = HasMonster(game, 2);
  if (first && second) return Int(game.Rnd() * 2) + 1;
  if (first) return 1;
  if (second) return 2;
  return 0;
}

// A rear hero shoots or casts at any slot; 0 when no slot holds a monster.
int AnySlotTarget(Game& game) {
  int firstTaken = 0;
  for (int slot = 1; slot <= kSlotCount && firstTaken == 0; ++slot) {
    if (HasMonster(game, slot)) firstTaken = slot;
  }
  if (firstTaken == 0) return 0;
  for (int n = 0; n < kTargetDraws; ++n) {
    const int slot = std::clamp(Int(game.Rnd() * kSlotCount) + 1, 1, kSlotCount);
    if (HasMonster(game, slot)) return slot;
  }
  return firstTaken;
}

// A fallen monster leaves the room and every slot it held. Its removal and what it
// dropped are also written to the room's lasting record, so that it does not rise again
// and its belongings (a key among them) are still there after a flight.
void RemoveFallen(Game& game, int slot, int16_t& count) {
  const int16_t fallen = game.CombatSlots(slot);
  for (int16_t& entry : game.CurrentRoom.Beings) {
    if (entry == fallen) entry = 0;
  }
  if (game.Rooms.Has(game.CurrentRoomIndex)) {
    Room& stored = game.Rooms(game.CurrentRoomIndex);
    for (int16_t& entry : stored.Beings) {
      if (entry == fallen) entry = 0;
    }
    stored.Items = game.CurrentRoom.Items;
  }
  for (int s = 1; s <= kSlotCount; ++s) {
    if (game.CombatSlots(s) == fallen) game.CombatSlots(s) = 0;
  }
  --count;
}

std::string CannotAttack(const Being& hero) {
  return hero.Name.Trimmed() + " no puede atacar con su arma actual." + kLineEnd;
}

void FrontHeroActs(Game& game, Being& hero, int16_t& count, std::string& text) {
  if (!IsSet(hero.RightHand.IsMelee)) {
    text += CannotAttack(hero);
    return;
  }
  const int slot = FrontRowTarget(game);
  if (slot == 0) return;
  Being& monster = MonsterIn(game, slot);
  text += StrikeMelee(game, hero, monster);
  if (monster.Life <= 0) RemoveFallen(game, slot, count);
}

void RearHeroActs(Game& game, Being& hero, int position, int16_t& count, std::string& text) {
  const Item& hand = hero.RightHand;
  if (!IsSet(hand.IsRanged) && !IsSet(hand.IsSpell)) {
    text += CannotAttack(hero);
    return;
  }
  if (IsSet(hand.IsSpell) && hero.Magic < hand.SpellLevel) {
    text += hero.Name.Trimmed() +
            " no tiene suficientes puntos de magia para lanzar el conjuro que ha elegido." +
            kLineEnd;
    return;
  }
  const int slot = AnySlotTarget(game);
  if (slot == 0) return;  // nothing in reach: the hero loses its action
  Being& monster = MonsterIn(game, slot);
  text += IsSet(hand.IsRanged) ? StrikeRanged(game, hero, monster)
                               : CastSpell(game, hero, monster, position);
  if (monster.Life <= 0) RemoveFallen(game, slot, count);
}

void HeroActs(Game& game, int position, int16_t& count, std::string& text) {
  Being& hero = game.Party(position);
  if (count < 1 || hero.Life < 1) return;
  if (position <= 2) {
    FrontHeroActs(game, hero, count, text);
  } else {
    RearHeroActs(game, hero, position, count, text);
  }
}

// A front monster strikes one of the living front heroes, at random when both live.
int FrontHeroTarget(Game& game) {
  const bool left = game.Party(1).Life > 0;
  const bool right = game.Party(2).Life > 0;
  if (left && right) return Int(game.Rnd() * 2) + 1;
  if (left) return 1;
  if (right) return 2;
  return 0;
}

// A rear monster aims at any living hero; 0 when none lives.
int AnyHeroTarget(Game& game) {
  int firstAlive = 0;
  for (int p = 1; p <= 4 && firstAlive == 0; ++p) {
    if (game.Party(p).Life >= 1) firstAlive = p;
  }
  if (firstAlive == 0) return 0;
  for (int n = 0; n < kTargetDraws; ++n) {
    const int p = std::clamp(Int(game.Rnd() * 4) + 1, 1, 4);
    if (game.Party(p).Life >= 1) return p;
  }
  return firstAlive;
}

// The hero who takes objects must be alive; the choice moves on past the fallen.
void KeepPickupHeroAlive(Game& game) {
  for (int n = 0; n < 4 && game.Party(game.PickupHero).Life < 1; ++n) {
    game.PickupHero = static_cast<int16_t>(game.PickupHero % 4 + 1);
  }
}

// Returns whether the monster cast a spell.
bool MonsterActs(Game& game, int slot, std::string& text) {
  Being& monster = MonsterIn(game, slot);
  // A monster that fell by its own spell acts no more.
  if (monster.Life < 1) return false;
  const Item& hand = monster.RightHand;
  if (slot <= kLastFrontSlot) {
    if (!IsSet(hand.IsMelee)) return false;
    const int target = FrontHeroTarget(game);
    if (target != 0) text += kLineEnd + StrikeMelee(game, monster, game.Party(target));
    return false;
  }
  if (!IsSet(hand.IsRanged) && !IsSet(hand.IsSpell)) return false;
  const int target = AnyHeroTarget(game);
  if (target == 0) return false;
  Being& hero = game.Party(target);
  if (IsSet(hand.IsRanged)) {
    text += kLineEnd + StrikeRanged(game, monster, hero);
    return false;
  }
  text += kLineEnd + CastSpell(game, monster, hero, -1);
  return true;
}

// Returns false when the party was lost (the program has ended).
bool MonstersAct(Game& game, std::string& text) {
  for (int slot = 1; slot <= kSlotCount; ++slot) {
    if (!HasMonster(game, slot)) continue;
    const bool cast = MonsterActs(game, slot, text);
    if (!AnyHeroAlive(game)) {
      PartyLost(game);
      return false;
    }
    if (cast) KeepPickupHeroAlive(game);
  }
  return true;
}

void WriteTurnText(Game& game, const std::string& text) {
  game.Sound.QueueCursor = 0;
  game.SetTimer(TimerId::TMRSonidos, true);
  std::string said = text + kLineEnd + kPrompt;
  // The same words again get a blank in front, so that the screen reader reads them.
  if (said == game.Text(TextArea::TBDatos)) said = " " + said;
  game.SetText(TextArea::TBDatos, game.Text(TextArea::TBDatos) + said);
}

// When a front hero has fallen, the hero behind it steps forward.
void CloseUpFrontRank(Game& game) {
  if (game.Party(1).Life < 1 && game.Party(3).Life >= 1) SwapValues(game.Party(1), game.Party(3));
  if (game.Party(2).Life < 1 && game.Party(4).Life > 0) SwapValues(game.Party(2), game.Party(4));
}

void EndCombat(Game& game) {
  game.InCombat = false;
  game.SetTimer(TimerId::TMRRecuperacion, true);
  const Room& room = game.CurrentRoom;
  game.SetText(TextArea::TBGeneral, room.Name.Trimmed() + " " + std::to_string(room.Width) + " x " +
                                        std::to_string(room.Height));
  // The dead stay dead and what they dropped stays where it fell.
  if (game.Rooms.Has(room.Index)) game.Rooms(room.Index) = room;
  CheckLevelUps(game);
}

void StartCombat(Game& game) {
  game.SetTimer(TimerId::TMRPersecu, false);
  game.InCombat = true;
  game.SetTimer(TimerId::TMRRecuperacion, false);
  game.SetText(TextArea::TBGeneral, "Modo combate activado ");
  game.SetText(TextArea::TBDatos, "");
  game.ShieldBonus = 0;
  game.DamageBonus = 0;
  CombatTurn(game);
}

}  // namespace

void EngageIfAdjacent(Game& game) {
  if (game.InCombat) return;
  for (int16_t entry : game.CurrentRoom.Beings) {
    if (!IsMonster(game, entry)) continue;
    const Being& being = game.DungeonBeings(entry);
    if (std::abs(being.Y - game.CursorY) < 2 && std::abs(being.X - game.CursorX) < 2) {
      StartCombat(game);
      return;
    }
  }
}

void CombatTurn(Game& game) {
  for (int slot = 0; slot <= kSlotCount; ++slot) game.CombatSlots(slot) = 0;
  int16_t count = CountMonsters(game);
  if (count == 0) {
    EndCombat(game);
    return;
  }
  FillSlots(game, count);
  ResolveTurn(game, count);
  if (game.WindowClosed()) return;
  CloseUpFrontRank(game);
}

void ResolveTurn(Game& game, int16_t& count) {
  ClearCombatQueue(game);
  const std::array<int, 5> order = HeroOrder(game);
  std::string text;
  for (int i = 1; i <= 4; ++i) HeroActs(game, order.at(static_cast<std::size_t>(i)), count, text);
  // The last hero may have fallen to its own spell: a party with nobody standing is lost.
  if (!AnyHeroAlive(game)) {
    PartyLost(game);
    return;
  }
  if (!MonstersAct(game, text)) return;
  WriteTurnText(game, text);
}

bool AttemptFlight(Game& game) {
  if (game.Rnd() < 0.5) {
    game.SetText(TextArea::TBDatos, std::string("No logras huír del combate") + kLineEnd);
    CombatTurn(game);
    return false;
  }
  game.SetText(TextArea::TBDatos, "Huyes del combate, perdiendo honor y experiencia al hacerlo.");
  for (Being& hero : game.Party) {
    hero.Experience = Add32(hero.Experience, -2 * int64_t{hero.ExperienceFactor});
  }
  game.InCombat = false;
  game.SetTimer(TimerId::TMRRecuperacion, true);
  const Exit back = game.CurrentRoom.Exits(1);
  EnterRoom(game, back.TargetRoom, SideOf(back.Side), DataLine::Keep);
  return true;
}

}  // namespace zorvek
