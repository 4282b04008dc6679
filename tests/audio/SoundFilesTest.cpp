#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "audio/SdlSound.hpp"
#include "sound/Sound.hpp"
#include "support/TestGame.hpp"

namespace zorvek::audio {
namespace {

namespace fs = std::filesystem;

const std::string kSoundDir = std::string(ZORVEK_SOUND_DIR) + "/";
constexpr double kRate = 44100.0;

// One channel of a decoded file, as fractions of full scale.
struct Decoded {
  std::vector<float> Left;
  double Seconds() const { return static_cast<double>(Left.size()) / kRate; }
  float Peak() const {
    float peak = 0;
    for (float s : Left) peak = std::max(peak, std::abs(s));
    return peak;
  }
  double Rms() const {
    double sum = 0;
    for (float s : Left) sum += static_cast<double>(s) * s;
    return Left.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(Left.size()));
  }
  // Mean level of `seconds` at the start or at the end.
  double EdgeLevel(double seconds, bool atEnd) const {
    const std::size_t n = std::min(Left.size(), static_cast<std::size_t>(seconds * kRate));
    double sum = 0;
    for (std::size_t i = 0; i < n; ++i) sum += std::abs(Left[atEnd ? Left.size() - 1 - i : i]);
    return n == 0 ? 0.0 : sum / static_cast<double>(n);
  }
  // The step from the last sample back to the first, against the sound's own steps: a
  // loop that clicks jumps further there than the sound ever does between two samples.
  double SeamStepOverLoudStep() const {
    std::vector<float> steps;
    for (std::size_t i = 1; i < Left.size(); ++i) steps.push_back(std::abs(Left[i] - Left[i - 1]));
    std::sort(steps.begin(), steps.end());
    const float loud = steps[steps.size() * 99 / 100];
    return std::abs(Left.front() - Left.back()) / std::max(loud, 1e-6f);
  }
};

// Opens the mixer on SDL's silent driver so that files can be decoded as the game does.
struct SoundFiles : ::testing::Test {
  static void SetUpTestSuite() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    Mix_Init(MIX_INIT_MP3);
    ASSERT_EQ(Mix_OpenAudioDevice(44100, AUDIO_S16SYS, 2, 512, nullptr, 0), 0) << Mix_GetError();
  }
  static void TearDownTestSuite() {
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    unsetenv("SDL_AUDIODRIVER");
  }

  static Decoded Decode(const std::string& name) {
    Decoded d;
    std::unique_ptr<Mix_Chunk, void (*)(Mix_Chunk*)> chunk(Mix_LoadWAV((kSoundDir + name).c_str()),
                                                           Mix_FreeChunk);
    if (!chunk) {
      ADD_FAILURE() << name << " does not decode: " << Mix_GetError();
      return d;
    }
    const auto* samples = reinterpret_cast<const Sint16*>(chunk->abuf);
    const std::size_t frames = chunk->alen / (2 * sizeof(Sint16));
    for (std::size_t i = 0; i < frames; ++i) d.Left.push_back(samples[2 * i] / 32768.0f);
    return d;
  }
};

const std::vector<std::string> kLoops{"Viento.wav", "Burbujas.wav", "Santuario.wav"};
const std::vector<std::string> kTunes{"Caverna.mp3", "Caverna2.mp3", "Bosque.mp3",
                                      "Cuartel.mp3", "Vapores.mp3",  "Song_of_the_seas.mp3",
                                      "Salida.mp3"};

// Every effect the channel plan and the fights ask for is there, decodes, and peaks near
// -1 dBFS: swings at -3 and their hits at -1, so always between -4 and -0.5 dBFS.
TEST_F(SoundFiles, EveryEffectTheGameAsksForExistsDecodesAndPeaksNearMinusOneDecibel) {
  testing::SoundGame t;
  InitSounds(t.game);
  std::set<std::string> asked{"Grito.wav"};
  for (const std::string& line : t.sound.Log) {
    const auto at = line.find("load Sonidos/");
    if (at != std::string::npos && line.ends_with(".wav")) asked.insert(line.substr(at + 13));
  }
  for (const char* weapon : {"Cuchillo", "Cimitarra", "Espada", "Machete", "Hacha", "Ballesta",
                             "Arco", "dientes", "Bola de fuego", "Chorro de agua", "Aliento",
                             "Tornado de aire", "Muro de tierra", "Garras"}) {
    for (int16_t result : {kCombatMiss, kCombatDamage, kCombatKill}) {
      asked.insert(CombatSoundFile(weapon, result));
    }
  }
  EXPECT_EQ(asked.size(), 25u);
  for (const std::string& name : asked) {
    ASSERT_TRUE(fs::exists(kSoundDir + name)) << name;
    const Decoded d = Decode(name);
    EXPECT_GE(d.Seconds(), 0.1) << name;
    EXPECT_LE(d.Seconds(), 8.0) << name;
    EXPECT_GE(d.Peak(), 0.63f) << name;
    EXPECT_LE(d.Peak(), 0.95f) << name;
    EXPECT_GT(d.Rms(), 0.03) << name;
  }
  for (const std::string& name : kLoops) {  // looped effects run on without a click
    const Decoded d = Decode(name);
    EXPECT_LE(d.SeamStepOverLoudStep(), 1.5) << name;
    EXPECT_GE(d.Seconds(), 1.0) << name;
  }
  std::unique_ptr<Mix_Chunk, void (*)(Mix_Chunk*)> sample(Mix_LoadWAV(ZORVEK_SAMPLE_FILE),
                                                          Mix_FreeChunk);
  ASSERT_TRUE(sample) << "the default sound beside the binaries: " << Mix_GetError();
  EXPECT_GT(sample->alen, 4000u);
}

// The looped tunes last over a minute and start and end near silence, so that they loop
// without a seam; the ending tune plays once. All sit below the effects.
TEST_F(SoundFiles, EveryTuneDecodesAndIsQuieterThanTheEffects) {
  for (const std::string& name : kTunes) {
    std::unique_ptr<Mix_Music, void (*)(Mix_Music*)> music(Mix_LoadMUS((kSoundDir + name).c_str()),
                                                           Mix_FreeMusic);
    EXPECT_TRUE(music) << name << ": " << Mix_GetError();
    const Decoded d = Decode(name);
    EXPECT_LE(d.Peak(), 0.75f) << name;
    EXPECT_GT(d.Rms(), 0.03) << name;
    if (name == "Salida.mp3") {
      EXPECT_GE(d.Seconds(), 20.0);
      continue;
    }
    EXPECT_GE(d.Seconds(), 60.0) << name;
    EXPECT_LE(d.Seconds(), 180.0) << name;
    EXPECT_LT(d.EdgeLevel(0.03, false), 0.01) << name;
    EXPECT_LT(d.EdgeLevel(0.03, true), 0.01) << name;
    EXPECT_LT(std::abs(d.Left.back()), 0.01) << name;
  }
}

}  // namespace
}  // namespace zorvek::audio
