#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace zorvek {

enum class SoundBank { Effects, Music };

// Property kinds of a playing sound, as SetProperty takes them.
inline constexpr int kPanProperty = 1;
inline constexpr int kVolumeProperty = 3;

// One sound channel's player: loads one file at a time and plays it with pan and volume.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Initialises the player with the window's flags value.
  virtual void Init(int32_t flags) = 0;
  // Loads a file and returns its handle (never 0 on success).
  virtual int32_t Load(const std::string& path) = 0;
  // Plays the loaded sound once or looped; returns the playing instance's handle.
  virtual int32_t Play(bool loop, bool flag) = 0;
  // Stops the playing instance.
  virtual void Stop(bool flag) = 0;
  // Sets property `kind` (kPanProperty, kVolumeProperty, ...) of the playing instance.
  virtual void SetProperty(int kind, int32_t value, bool flag) = 0;
  // Unloads a loaded sound.
  virtual void Unload(int32_t handle) = 0;
  // Shuts the player down.
  virtual void Free() = 0;
};

// Makes the player of a channel of a bank.
class SoundSystem {
 public:
  virtual ~SoundSystem() = default;
  virtual std::unique_ptr<SoundPlayer> Create(SoundBank bank, int channel) = 0;
};

}  // namespace zorvek
