#pragma once

#include <cstdint>
#include <string>

#include "model/Game.hpp"

namespace zorvek {

// --- the fight ---

// Starts combat when a being of the room stands on the party's cell or next to it; the
// first turn is fought at once. Does nothing while combat is on.
void EngageIfAdjacent(Game& game);

// One turn of combat (A, or a failed flight), or the end of combat when the room holds
// no monster any more. The front rank closes up after the turn.
void CombatTurn(Game& game);

// The turn itself: the living heroes in a shuffled order, then the monsters slot by
// slot. `count` is the number of monsters taking part; it drops with every kill.
void ResolveTurn(Game& game, int16_t& count);

// H in combat: half the time the party runs back through exit 1 of the room, losing
// experience (true); otherwise the monsters get their turn (false).
bool AttemptFlight(Game& game);

// --- attacks: the attacker's right hand decides; texts are the narration to append ---

// A blow with a melee weapon; 1 in 8 always misses, 8 always lands.
std::string StrikeMelee(Game& game, Being& attacker, Being& target);

// A shot with a ranged weapon; 1 in 6 always misses, 6 always lands.
std::string StrikeRanged(Game& game, Being& attacker, Being& target);

// A spell from a scroll. `position` is the caster's party position, -1 for a monster.
std::string CastSpell(Game& game, Being& caster, Being& target, int position);

// --- the timers outside combat ---

// TMRPersecu: every being of the room steps towards the party; combat may start.
void PursuitTick(Game& game);

// TMRRecuperación: living heroes regain a life point, every hero regains magic.
void RecoveryTick(Game& game);

// --- experience ---

// End of combat: every hero past its level's threshold gains levels until none is.
void CheckLevelUps(Game& game);

// One level for the hero at party position 1 to 4: three development points and, for a
// sorcerer, one scroll raised a spell level.
void LevelUp(Game& game, int position);

}  // namespace zorvek
