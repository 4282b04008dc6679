#include "sound/CombatSounds.hpp"

#include <algorithm>
#include <array>

#include "model/Text.hpp"
#include "sound/SoundChannels.hpp"
#include "sound/SoundCues.hpp"

namespace zorvek {

namespace {

namespace ch = effect_channel;

// A family of names and its sound: unused parts are empty; `onHit` is empty when a hit
// sounds like a miss.
struct CombatFamily {
  std::array<std::string_view, 3> parts;
  const char* onMiss;
  const char* onHit;
};

const std::array<CombatFamily, 9>& CombatFamilies() {
  static const std::array<CombatFamily, 9> kFamilies{{
      {{"uchillo", "imitarra", "spada"}, "Espada.wav", "Espada1.wav"},
      {{"achete", "acha"}, "Hacha.wav", "Hacha1.wav"},
      {{"allesta", "rco"}, "Arco.wav", "Arco1.wav"},
      {{"dientes"}, "Ratas.wav", ""},
      {{"fuego"}, "HFuego.wav", ""},
      {{"agua"}, "HAgua.wav", ""},
      {{"liento"}, "Aliento.wav", "Aliento1.wav"},
      {{"aire"}, "HAire.wav", ""},
      {{"tierra"}, "HTierra.wav", ""},
  }};
  return kFamilies;
}

bool OnQueue(int cursor) { return cursor >= 1 && cursor <= kCombatQueueSize; }

// Moves the combat channel on: 8 first, then 9, 10, 11 and round to 8 again.
int NextCombatChannel(Game& game) {
  int16_t& current = game.Sound.CombatChannel;
  const bool inRotation = current >= ch::kFirstCombat && current < ch::kLastCombat;
  current = static_cast<int16_t>(inRotation ? current + 1 : ch::kFirstCombat);
  return current;
}

// Loads a combat file into the next combat channel and plays it at the party's place.
void PlayOnNextChannel(Game& game, const std::string& file) {
  const int channel = NextCombatChannel(game);
  LoadEffect(game, channel, game.SoundDir + file);
  PlayEffect(game, channel, false);
  SetEffectProperty(game, channel, kPanProperty, Pan(game, game.CursorX));
  SetEffectProperty(game, channel, kVolumeProperty, Volume(game.CursorY));
}

}  // namespace

std::string CombatSoundFile(std::string_view name, int16_t result) {
  const bool hit = result != 0;
  for (const CombatFamily& family : CombatFamilies()) {
    const bool matches =
        std::any_of(family.parts.begin(), family.parts.end(),
                    [&](std::string_view part) { return !part.empty() && Contains(name, part); });
    if (!matches) continue;
    return (hit && *family.onHit != '\0') ? family.onHit : family.onMiss;
  }
  return hit ? "Golpe1.wav" : "Golpe.wav";
}

void PlayCombatSound(Game& game, std::string_view name) {
  const int16_t result = QueuedCombatResult(game);
  PlayOnNextChannel(game, CombatSoundFile(name, result));
  if (result == kCombatKill) PlayOnNextChannel(game, "Grito.wav");
}

void ClearCombatQueue(Game& game) {
  for (CombatSound& entry : game.Sound.Queue) entry = CombatSound{};
  game.Sound.QueueCursor = 0;
}

bool QueueCombatSound(Game& game, const std::string& name, int16_t result) {
  int16_t& cursor = game.Sound.QueueCursor;
  cursor = static_cast<int16_t>(std::clamp<int>(cursor + 1, 1, kCombatQueueSize + 1));
  if (!OnQueue(cursor)) return false;
  game.Sound.Queue(cursor) = CombatSound{name, result};
  return true;
}

void SetQueuedCombatResult(Game& game, int16_t result) {
  const int cursor = game.Sound.QueueCursor;
  if (OnQueue(cursor)) game.Sound.Queue(cursor).Result = result;
}

int16_t QueuedCombatResult(const Game& game) {
  const int cursor = game.Sound.QueueCursor;
  return OnQueue(cursor) ? game.Sound.Queue(cursor).Result : kCombatMiss;
}

void SoundsTick(Game& game) {
  int16_t& cursor = game.Sound.QueueCursor;
  while (true) {
    const int next = std::max<int>(cursor, 0) + 1;
    if (next > kCombatQueueSize) {
      cursor = kCombatQueueSize + 1;
      RefreshBeacons(game, Beacons::Restart);
      game.SetTimer(TimerId::TMRSonidos, false);
      return;
    }
    cursor = static_cast<int16_t>(next);
    const CombatSound& entry = game.Sound.Queue(cursor);
    if (entry.Result != kCombatEmpty) {
      PlayCue(game, entry.Name, -1, -1, kTrue);
      return;
    }
  }
}

}  // namespace zorvek
