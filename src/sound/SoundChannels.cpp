#include "sound/SoundChannels.hpp"

#include <vector>

namespace zorvek {

namespace {

// The channel's slot in a bank, or nullptr when the bank has no such playable channel.
template <typename Channel>
Channel* Find(std::vector<Channel>& bank, int channel) {
  if (channel < 0 || channel >= static_cast<int>(bank.size())) return nullptr;
  Channel& c = bank[static_cast<std::size_t>(channel)];
  return c.Player ? &c : nullptr;
}

// Unloads, shuts down and releases every player of a bank, leaving it empty.
template <typename Channel>
void FreeBank(std::vector<Channel>& bank) {
  for (Channel& c : bank) {
    if (!c.Player) continue;
    if (c.Loaded != 0) c.Player->Unload(c.Loaded);
    c.Player->Free();
    c.Player.reset();
    c.Loaded = 0;
  }
  bank.clear();
}

std::string DefaultEffectFile(const Game& game) {
  std::string dir = game.settings().FilesDir();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir + "sample.wav";
}

}  // namespace

void InitEffects(Game& game, int count) {
  auto& bank = game.Sound.Effects;
  FreeBank(bank);
  const std::string sample = DefaultEffectFile(game);
  for (int channel = 0; channel <= count; ++channel) {
    EffectChannel c;
    c.Player = game.sound().Create(SoundBank::Effects, channel);
    if (c.Player) {
      c.Player->Init(kPlayerFlags);
      c.Loaded = c.Player->Load(sample);
    }
    bank.push_back(std::move(c));
  }
}

void LoadEffect(Game& game, int channel, const std::string& path) {
  if (EffectChannel* c = Find(game.Sound.Effects, channel)) c->Loaded = c->Player->Load(path);
}

void PlayEffect(Game& game, int channel, bool loop) {
  if (EffectChannel* c = Find(game.Sound.Effects, channel))
    c->Playing = c->Player->Play(loop, false);
}

void StopEffect(Game& game, int channel) {
  if (EffectChannel* c = Find(game.Sound.Effects, channel)) c->Player->Stop(false);
}

void SetEffectProperty(Game& game, int channel, int kind, int32_t value) {
  if (kind < 1 || kind > 3) return;
  if (EffectChannel* c = Find(game.Sound.Effects, channel)) {
    c->Player->SetProperty(kind, value, false);
  }
}

void FreeEffects(Game& game) { FreeBank(game.Sound.Effects); }

void InitMusic(Game& game, int count) {
  auto& bank = game.Sound.Music;
  FreeBank(bank);
  for (int channel = 0; channel <= count; ++channel) {
    MusicChannel c;
    c.Player = game.sound().Create(SoundBank::Music, channel);
    if (c.Player) c.Player->Init(kPlayerFlags);
    bank.push_back(std::move(c));
  }
}

void LoadMusic(Game& game, int channel, const std::string& path) {
  if (MusicChannel* c = Find(game.Sound.Music, channel)) c->Loaded = c->Player->Load(path);
}

void PlayMusic(Game& game, int channel, bool flag, bool loop) {
  if (MusicChannel* c = Find(game.Sound.Music, channel)) c->Player->Play(loop, flag);
}

void StopMusic(Game& game, int channel, bool flag) {
  if (MusicChannel* c = Find(game.Sound.Music, channel)) c->Player->Stop(flag);
}

void SetMusicProperty(Game& game, int channel, int kind, int32_t value, bool flag) {
  if (kind < 1 || kind > 4) return;
  if (MusicChannel* c = Find(game.Sound.Music, channel)) c->Player->SetProperty(kind, value, flag);
}

void FreeMusic(Game& game) { FreeBank(game.Sound.Music); }

}  // namespace zorvek
