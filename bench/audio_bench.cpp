// Times the SDL sound back-end: opening it and loading every effect of the channel plan
// (the game window's InitSounds) until ready, and the path from a key press to the
// footstep queued in the mixer. The mixer's own buffer (BufferFrames / Frequency) comes
// on top of the second figure before the step is heard; it is reported as a counter.
//
// Without SDL_AUDIODRIVER set the output goes to SDL's disk driver writing to /dev/null,
// which keeps real time like a sound card.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "QuietPorts.hpp"
#include "audio/SdlSound.hpp"
#include "model/Game.hpp"
#include "sound/Sound.hpp"
#include "startup/Keyboard.hpp"
#include "startup/StartUp.hpp"

namespace {

using zorvek::bench::CountingSound;
using zorvek::bench::QuietUi;

void UseSilentDeviceUnlessOneIsNamed() {
  if (std::getenv("SDL_AUDIODRIVER") == nullptr) {
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
  }
}

void ReportLatency(benchmark::State& state, const zorvek::audio::SdlSoundSystem& sound) {
  state.counters["buffer_ms"] =
      sound.Frequency() > 0 ? 1000.0 * sound.BufferFrames() / sound.Frequency() : 0.0;
  state.counters["device"] = sound.HasDevice() ? 1 : 0;
}

// Opening the system, every channel with its sample, the fixed effects and the first
// phase's music started: what the game window waits for before its first room.
void BM_InitSoundsToReady(benchmark::State& state) {
  UseSilentDeviceUnlessOneIsNamed();
  QuietUi ui;
  zorvek::MersenneRandom random;
  zorvek::SystemClock clock;
  for (auto _ : state) {
    auto sound = zorvek::audio::MakeSdlSoundSystem();
    zorvek::Game game(zorvek::Ports{ui, random, clock, *sound},
                      zorvek::RunSettings{ZORVEK_BUILD_DIR, 1});
    game.SoundDir = std::string(ZORVEK_BUILD_DIR) + "/Sonidos/";
    zorvek::InitSounds(game);
    benchmark::DoNotOptimize(game.Sound.Effects.back().Loaded);
    state.PauseTiming();
    ReportLatency(state, *sound);
    zorvek::FreeEffects(game);
    zorvek::FreeMusic(game);
    sound.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_InitSoundsToReady)->Unit(benchmark::kMillisecond)->Iterations(10);

// A started game; the party walks right and left on the first room's first row.
struct Walk {
  Walk()
      : sound(zorvek::audio::MakeSdlSoundSystem()),
        game(zorvek::Ports{ui, random, clock, *sound}, zorvek::RunSettings{ZORVEK_BUILD_DIR, 7}) {
    zorvek::StartGameWindow(game);
    game.AnyRecruited = true;  // footsteps are heard once a hero walks with the party
  }
  QuietUi ui;
  zorvek::MersenneRandom random;
  zorvek::SystemClock clock;
  std::unique_ptr<zorvek::audio::SdlSoundSystem> sound;
  zorvek::Game game;
};

// From the arrow key to the footstep queued on its mixer channel (the whole step: the
// move, the cell's description, the footstep, the winds and beacons re-levelled).
void BM_KeyToFootstepQueued(benchmark::State& state) {
  UseSilentDeviceUnlessOneIsNamed();
  Walk walk;
  bool right = true;
  int64_t queued = 0;
  for (auto _ : state) {
    int16_t key = right ? zorvek::keys::kRight : zorvek::keys::kLeft;
    zorvek::HandleKey(walk.game, key, 0);
    queued += walk.sound->IsPlaying(zorvek::SoundBank::Effects, 0) ? 1 : 0;
    right = !right;
  }
  state.counters["queued"] =
      benchmark::Counter(static_cast<double>(queued), benchmark::Counter::kAvgIterations);
  ReportLatency(state, *walk.sound);
}
BENCHMARK(BM_KeyToFootstepQueued)->Unit(benchmark::kMicrosecond);

// A combat sound's own path: load (already decoded once), play, pan and volume.
void BM_LoadPlayPanVolume(benchmark::State& state) {
  UseSilentDeviceUnlessOneIsNamed();
  Walk walk;
  const std::string files[] = {walk.game.SoundDir + "Espada1.wav",
                               walk.game.SoundDir + "Golpe.wav"};
  int i = 0;
  for (auto _ : state) {
    zorvek::LoadEffect(walk.game, 8, files[i]);
    zorvek::PlayEffect(walk.game, 8, false);
    zorvek::SetEffectProperty(walk.game, 8, zorvek::kPanProperty, -40);
    zorvek::SetEffectProperty(walk.game, 8, zorvek::kVolumeProperty, 96);
    benchmark::DoNotOptimize(walk.sound->IsPlaying(zorvek::SoundBank::Effects, 8));
    i ^= 1;
  }
  ReportLatency(state, *walk.sound);
}
BENCHMARK(BM_LoadPlayPanVolume)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
