#include "sound/SoundCues.hpp"

#include <array>
#include <cstdlib>
#include <string>
#include <utility>

#include "model/Numbers.hpp"
#include "model/Text.hpp"
#include "sound/CombatSounds.hpp"
#include "sound/SoundChannels.hpp"

namespace zorvek {

namespace {

namespace ch = effect_channel;

constexpr int kPartyVolumeBase = 100;
constexpr int kBeaconVolumeBase = 90;
constexpr int kBeaconGrid = 15;  // beacons are told apart on cells 1..15 x 1..15

// The effect file of every fixed channel, in the order they are loaded.
const std::array<std::pair<int, const char*>, 21>& FixedEffects() {
  static const std::array<std::pair<int, const char*>, 21> kFiles{{
      {0, "pasos.wav"},     {1, "pasosM.wav"},     {2, "llave.wav"},       {3, "Viento.wav"},
      {4, "Viento.wav"},    {5, "Viento.wav"},     {6, "Viento.wav"},      {12, "Recoger.wav"},
      {13, "Escalera.wav"}, {14, "Santuario.wav"}, {15, "SubirNivel.wav"}, {16, "Burbujas.wav"},
      {17, "Burbujas.wav"}, {18, "Burbujas.wav"},  {19, "Burbujas.wav"},   {20, "Burbujas.wav"},
      {21, "Burbujas.wav"}, {22, "Burbujas.wav"},  {23, "Burbujas.wav"},   {24, "Burbujas.wav"},
      {25, "Burbujas.wav"},
  }};
  return kFiles;
}

bool IsShop(const Game& game) { return Contains(game.CurrentRoom.Name.Trimmed(), "Tienda"); }

int32_t PartyPan(const Game& game) { return Pan(game, game.CursorX); }
int32_t PartyVolume(const Game& game) { return Volume(game.CursorY); }

// Plays a channel and places it.
void Sound(Game& game, int channel, bool loop, int32_t pan, int32_t volume) {
  PlayEffect(game, channel, loop);
  SetEffectProperty(game, channel, kPanProperty, pan);
  SetEffectProperty(game, channel, kVolumeProperty, volume);
}

// Channel of an exit wind cue, "puerta1" to "puerta4"; 0 for any other name.
int WindChannel(std::string_view name) {
  constexpr std::string_view kPrefix = "puerta";
  if (name.size() != kPrefix.size() + 1 || name.substr(0, kPrefix.size()) != kPrefix) return 0;
  const char digit = name.back();
  if (digit < '1' || digit > '4') return 0;
  return digit - '0' + 2;
}

// Wind of one exit: restarted on every cue, silent in shops.
void PlayWind(Game& game, int channel, int x, int y) {
  StopEffect(game, channel);
  if (IsShop(game)) return;
  Sound(game, channel, true, Pan(game, x), ExitWindVolume(game, x, y));
}

void PlayFootsteps(Game& game) {
  Sound(game, ch::kFootsteps, false, PartyPan(game), PartyVolume(game));
  UpdateExitWind(game);
  RefreshBeacons(game, Beacons::LevelOnly);
}

// The cues with a fixed channel; returns false for a name that is not one of them.
bool PlayFixedCue(Game& game, std::string_view name, int x, int y) {
  if (name == "pasos") {
    PlayFootsteps(game);
  } else if (name == "pasosm") {
    Sound(game, ch::kMonsterSteps, false, Pan(game, x), Volume(y));
  } else if (name == "llave") {
    Sound(game, ch::kKey, false, PartyPan(game) - 5, PartyVolume(game));
  } else if (name == "recoger") {
    Sound(game, ch::kTake, false, PartyPan(game), PartyVolume(game));
  } else if (name == "escalera") {
    Sound(game, ch::kStairs, false, 0, 100);
  } else if (name == "santuario") {
    Sound(game, ch::kTemple, true, 0, 85);
  } else if (name == "subenivel") {
    Sound(game, ch::kLevelUp, false, 0, 85);
  } else {
    return false;
  }
  return true;
}

// A flag per cell of the beacon grid; nullptr for a cell outside it.
using BeaconCells = std::array<std::array<bool, kBeaconGrid>, kBeaconGrid>;
bool* CellFlag(BeaconCells& cells, int x, int y) {
  if (x < 1 || x > kBeaconGrid || y < 1 || y > kBeaconGrid) return nullptr;
  return &cells[static_cast<std::size_t>(x - 1)][static_cast<std::size_t>(y - 1)];
}

// One looped beacon per cell that holds objects. An object on a cell outside the grid
// still gets its own beacon: no object may go unheard.
void StartBeacons(Game& game) {
  BeaconCells started{};
  for (int slot = 1; slot <= ch::kBeaconCount; ++slot) {
    const Item& item = game.CurrentRoom.Items(slot);
    if (IsEmptySlot(game, item.Name)) continue;
    bool* cell = CellFlag(started, item.X, item.Y);
    if (cell != nullptr && *cell) continue;
    PlayEffect(game, ch::kFirstBeacon + slot - 1, true);
    if (cell != nullptr) *cell = true;
  }
}

void LevelBeacons(Game& game) {
  for (int slot = 1; slot <= ch::kBeaconCount; ++slot) {
    const Item& item = game.CurrentRoom.Items(slot);
    const int channel = ch::kFirstBeacon + slot - 1;
    SetEffectProperty(game, channel, kPanProperty, Pan(game, item.X));
    SetEffectProperty(game, channel, kVolumeProperty, kBeaconVolumeBase - 2 * item.Y);
    if (std::abs(game.CursorX - item.X) > 1 || std::abs(game.CursorY - item.Y) >= 2) {
      SetEffectProperty(game, channel, kVolumeProperty, 0);
    }
  }
}

}  // namespace

void InitSounds(Game& game) {
  InitEffects(game, ch::kLast);
  InitMusic(game, 5);
  for (const auto& [channel, file] : FixedEffects())
    LoadEffect(game, channel, game.SoundDir + file);
  LoadMusic(game, 0, game.SoundDir + "Caverna.mp3");
  PlayMusic(game, 0, false, true);
  SetMusicProperty(game, 0, kVolumeProperty, 90, false);
}

int32_t Pan(const Game& game, int column) {
  const double half = game.CurrentRoom.Width / 2.0;
  return CLng((column - half) * 9);
}

int32_t Volume(int row) { return kPartyVolumeBase - 2 * row; }

int32_t ExitWindVolume(const Game& game, int x, int y) {
  const int dx = std::abs(x - game.CursorX);
  const int dy = std::abs(y - game.CursorY);
  const int d = dx + dy;
  if (dx < 3 && dy < 3 && d <= 3) return 100 - 5 * d;
  return kOutOfEarshotVolume;
}

void PlayCue(Game& game, std::string_view name, int x, int y, Flag combat) {
  if (!PlayFixedCue(game, name, x, y)) {
    if (const int wind = WindChannel(name); wind != 0) PlayWind(game, wind, x, y);
  }
  if (IsSet(combat)) PlayCombatSound(game, name);
}

void UpdateExitWind(Game& game) {
  for (int exit = 1; exit <= 4; ++exit) {
    const Exit& e = game.CurrentRoom.Exits(exit);
    if (e.TargetRoom == 0) continue;
    SetEffectProperty(game, ch::kFirstWind + exit - 1, kVolumeProperty,
                      ExitWindVolume(game, e.X, e.Y));
  }
}

void RefreshBeacons(Game& game, Beacons how) {
  if (how == Beacons::Restart) {
    for (int slot = 1; slot <= ch::kBeaconCount; ++slot) {
      StopEffect(game, ch::kFirstBeacon + slot - 1);
    }
    if (IsShop(game)) return;
    StartBeacons(game);
  }
  LevelBeacons(game);
}

}  // namespace zorvek
