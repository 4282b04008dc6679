#pragma once

#include <cstdint>
#include <string>

#include "model/Game.hpp"

namespace zorvek {

// Every channel's player is initialised with this flags value.
inline constexpr int32_t kPlayerFlags = 64;

// The effects bank. Channels are numbered 0 to the count given to InitEffects. A call
// on a channel the bank does not have (out of range, before InitEffects or after
// FreeEffects) does nothing.

// Builds channels 0..count; each gets "sample.wav" of the game's files folder loaded.
// A bank that already exists is freed first.
void InitEffects(Game& game, int count);
// Loads a file into the channel, replacing its loaded sound; what plays keeps playing.
void LoadEffect(Game& game, int channel, const std::string& path);
// Plays the channel's loaded sound, looped or once, and keeps the new instance.
void PlayEffect(Game& game, int channel, bool loop);
// Stops the channel's playing instance.
void StopEffect(Game& game, int channel);
// Kind 1 pan, 2 the instance's second property, 3 volume; other kinds do nothing.
// The value reaches the player unchanged (-400 included).
void SetEffectProperty(Game& game, int channel, int kind, int32_t value);
// Unloads every loaded sound, shuts every player down and empties the bank.
void FreeEffects(Game& game);

// The music bank, built and guarded the same way; nothing is loaded at first.
void InitMusic(Game& game, int count);
void LoadMusic(Game& game, int channel, const std::string& path);
// Plays the channel's loaded music; `flag` is handed to the player as it is.
void PlayMusic(Game& game, int channel, bool flag, bool loop);
void StopMusic(Game& game, int channel, bool flag);
// Kinds 1 to 4 (3 is the volume); other kinds do nothing.
void SetMusicProperty(Game& game, int channel, int kind, int32_t value, bool flag);
void FreeMusic(Game& game);

}  // namespace zorvek
