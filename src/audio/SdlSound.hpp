#pragma once

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>

#include "platform/SoundPlayer.hpp"

namespace zorvek::audio {

// How the SDL sound system opens its output.
struct SdlSoundOptions {
  int Frequency = 44100;        // samples per second, stereo
  int BufferFrames = 512;       // frames per mixing buffer (about 12 ms at 44.1 kHz)
  double MusicLevelDb = -8.0;   // the music bank sits this far below the effects
  std::ostream* Log = nullptr;  // where the one note about a missing device goes (stderr)
  // A player's own sound files: a sound asked for below GameFiles is first looked for at
  // the same place below OwnFiles. Either empty: the game's files only.
  std::string GameFiles{};
  std::string OwnFiles{};
};

// The channel the start menu's own music player asks for in the music bank.
inline constexpr int kMenuMusicChannel = 6;

// Real sound on SDL2_mixer. Every game channel (effects 0 to 25, music 0 to 5 and the
// menu's player) owns a mixer channel of its own, set aside when the system opens; more
// are added if a bank asks for a channel past those. Sounds are decoded once per file and
// shared by every channel that loads them.
//
// Pan runs from -100 (hard left) to +100 (hard right) with a constant-power law; volume
// 100 is full level, each unit below it 0.3 dB quieter, 0 or less silent. The music bank
// plays below the effects so that speech and cues stay clear over it.
//
// Without an audio device the system says so once on its log and every player does
// nothing: the game runs on in silence. One system at a time per process.
class SdlSoundSystem final : public SoundSystem {
 public:
  explicit SdlSoundSystem(const SdlSoundOptions& options = {});
  ~SdlSoundSystem() override;
  SdlSoundSystem(const SdlSoundSystem&) = delete;
  SdlSoundSystem& operator=(const SdlSoundSystem&) = delete;

  std::unique_ptr<SoundPlayer> Create(SoundBank bank, int channel) override;

  // A short tone for the platform beep (the game's "no"), heard even where the desktop
  // makes no sound of its own. `level`: the effects' level in percent (0: silent).
  void PlayBeep(int level = 100);

  // Whether sound reaches a device (false: running silently).
  bool HasDevice() const;
  // Whether a game channel is sounding now (queued in the mixer or being heard).
  bool IsPlaying(SoundBank bank, int channel) const;
  // The output as opened: frames per buffer and samples per second (0 when silent).
  int BufferFrames() const;
  int Frequency() const;

  struct Impl;

 private:
  std::shared_ptr<Impl> impl_;
};

// The SDL-backed sound system a desktop front-end hands to the game.
std::unique_ptr<SdlSoundSystem> MakeSdlSoundSystem(const SdlSoundOptions& options = {});

// Left and right gains of a pan value (constant power: left² + right² = 1).
struct StereoGains {
  float Left = 0;
  float Right = 0;
};
StereoGains PanGains(int32_t pan);

// Linear gain of a volume value: 1 at 100 and above, 0.3 dB less per unit, 0 at 0 or less.
float VolumeGain(int32_t volume);

// The path of an existing file that matches `path` when letter case is ignored in each
// of its parts ('\' is taken as '/'); `path` itself when nothing matches.
std::string FindFileIgnoringCase(const std::string& path);

// The file a sound asked for at `path` is read from: when `path` lies below `gameDir` and
// the player has a file at the same place below `ownDir`, that one; else the game's.
// Letter case is ignored in both places.
std::string FindSoundFile(const std::string& path, const std::string& gameDir,
                          const std::string& ownDir);

}  // namespace zorvek::audio
