#include "audio/SdlSound.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstddef>
#include <iostream>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zorvek::audio {

namespace {

constexpr int kEffectChannels = 26;  // effects 0 to 25
constexpr int kMusicChannels = 7;    // music 0 to 5 and the menu's player
constexpr int kFirstMusicChannel = kEffectChannels;
constexpr int kBeepChannel = kFirstMusicChannel + kMusicChannels;
constexpr int kChannelsUpFront = kBeepChannel + 1;
// Decoded sounds no channel holds are let go once the cache grows past this.
constexpr std::size_t kCacheBudgetBytes = std::size_t{64} << 20;
constexpr double kBeepSeconds = 0.12;
constexpr double kBeepHz = 660.0;
constexpr double kBeepLevel = 0.35;

using ChunkPtr = std::shared_ptr<Mix_Chunk>;

// Pan and level of one mixer channel. The game thread sets the targets; the mixer's
// thread moves towards them over one buffer, so a change of level never clicks.
struct ChannelGains {
  std::atomic<float> TargetLeft{1.0f};
  std::atomic<float> TargetRight{1.0f};
  std::atomic<bool> Fresh{true};  // a sound just started: begin at the targets
  float Left = 1.0f;              // the mixer thread's own
  float Right = 1.0f;
};

// Mixer effect: scales a channel's 16-bit stereo frames by its gains, ramping from the
// last buffer's gains to the targets.
void ApplyGains(int, void* stream, int length, void* data) {
  auto& gains = *static_cast<ChannelGains*>(data);
  const float toLeft = gains.TargetLeft.load(std::memory_order_relaxed);
  const float toRight = gains.TargetRight.load(std::memory_order_relaxed);
  if (gains.Fresh.exchange(false)) {
    gains.Left = toLeft;
    gains.Right = toRight;
  }
  auto* samples = static_cast<Sint16*>(stream);
  const int frames = length / static_cast<int>(2 * sizeof(Sint16));
  const float stepLeft = frames > 0 ? (toLeft - gains.Left) / static_cast<float>(frames) : 0.0f;
  const float stepRight = frames > 0 ? (toRight - gains.Right) / static_cast<float>(frames) : 0.0f;
  float left = gains.Left;
  float right = gains.Right;
  for (int i = 0; i < frames; ++i) {
    left += stepLeft;
    right += stepRight;
    samples[2 * i] = static_cast<Sint16>(std::lround(samples[2 * i] * left));
    samples[2 * i + 1] = static_cast<Sint16>(std::lround(samples[2 * i + 1] * right));
  }
  gains.Left = toLeft;
  gains.Right = toRight;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

struct SdlSoundSystem::Impl {
  explicit Impl(const SdlSoundOptions& options);
  ~Impl();
  Impl(const Impl&) = delete;
  Impl& operator=(const Impl&) = delete;

  std::ostream& Log() const { return options.Log != nullptr ? *options.Log : std::cerr; }
  // The mixer channel of a game channel, adding one when the bank asks past the plan.
  int MixerChannel(SoundBank bank, int channel);
  // The decoded sound of a file, decoding it on first use; nullptr when it cannot be had.
  ChunkPtr Decode(const std::string& path);
  void Start(int mixerChannel, const ChunkPtr& chunk, bool loop);
  void Halt(int mixerChannel);
  void SetGains(int mixerChannel, SoundBank bank, int32_t pan, int32_t volume);
  void TrimCache();

  SdlSoundOptions options;
  bool sdlStarted = false;
  bool deviceOpen = false;
  int frequency = 0;
  std::map<std::pair<SoundBank, int>, int> mixerChannels;
  std::vector<std::unique_ptr<ChannelGains>> gains;  // by mixer channel
  std::vector<ChunkPtr> playing;  // by mixer channel: what it last started, kept alive
  std::unordered_map<std::string, ChunkPtr> cache;  // by the file's path as found
  std::size_t cacheBytes = 0;
  std::set<std::string> toldMissing;
  std::vector<Sint16> beepSamples;
  ChunkPtr beep;
  int32_t nextHandle = 1;
};

SdlSoundSystem::Impl::Impl(const SdlSoundOptions& opts) : options(opts) {
  std::string reason;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    reason = SDL_GetError();
  } else {
    sdlStarted = true;
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG);
    if (Mix_OpenAudioDevice(options.Frequency, AUDIO_S16SYS, 2, options.BufferFrames, nullptr, 0) !=
        0) {
      reason = Mix_GetError();
    } else {
      deviceOpen = true;
    }
  }
  if (!deviceOpen) {
    Log() << "Zorvek: no hay dispositivo de sonido (" << reason
          << "); el juego sigue sin sonido.\n";
    return;
  }
  frequency = options.Frequency;
  Mix_AllocateChannels(kChannelsUpFront);
  for (int c = 0; c < kChannelsUpFront; ++c) {
    gains.push_back(std::make_unique<ChannelGains>());
    playing.emplace_back();
  }
  for (int c = 0; c < kEffectChannels; ++c) mixerChannels[{SoundBank::Effects, c}] = c;
  for (int c = 0; c < kMusicChannels; ++c) {
    mixerChannels[{SoundBank::Music, c}] = kFirstMusicChannel + c;
  }

  // The beep: a short tone with soft edges, already in the output's format.
  const int frames = static_cast<int>(kBeepSeconds * frequency);
  const int edge = frequency / 200;
  beepSamples.resize(static_cast<std::size_t>(2 * frames));
  for (int i = 0; i < frames; ++i) {
    const double envelope = std::min(
        {1.0, static_cast<double>(i) / edge, static_cast<double>(frames - 1 - i) / (4.0 * edge)});
    const double t = static_cast<double>(i) / frequency;
    const double tone = std::sin(2.0 * std::numbers::pi * kBeepHz * t) +
                        0.3 * std::sin(2.0 * std::numbers::pi * 2.0 * kBeepHz * t);
    const auto value =
        static_cast<Sint16>(std::lround(32767.0 * kBeepLevel * envelope * tone / 1.3));
    beepSamples[static_cast<std::size_t>(2 * i)] = value;
    beepSamples[static_cast<std::size_t>(2 * i + 1)] = value;
  }
  beep = ChunkPtr(Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(beepSamples.data()),
                                    static_cast<Uint32>(beepSamples.size() * sizeof(Sint16))),
                  Mix_FreeChunk);
}

SdlSoundSystem::Impl::~Impl() {
  if (deviceOpen) {
    Mix_HaltChannel(-1);
    for (int c = 0; c < static_cast<int>(gains.size()); ++c) Mix_UnregisterAllEffects(c);
    playing.clear();
    cache.clear();
    beep.reset();
    Mix_CloseAudio();
  }
  if (sdlStarted) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
}

int SdlSoundSystem::Impl::MixerChannel(SoundBank bank, int channel) {
  if (const auto it = mixerChannels.find({bank, channel}); it != mixerChannels.end()) {
    return it->second;
  }
  const int added = static_cast<int>(gains.size());
  Mix_AllocateChannels(added + 1);
  gains.push_back(std::make_unique<ChannelGains>());
  playing.emplace_back();
  mixerChannels[{bank, channel}] = added;
  return added;
}

ChunkPtr SdlSoundSystem::Impl::Decode(const std::string& path) {
  const std::string file = FindSoundFile(path, options.GameFiles, options.OwnFiles);
  if (const auto it = cache.find(file); it != cache.end()) return it->second;
  Mix_Chunk* raw = Mix_LoadWAV(file.c_str());
  if (raw == nullptr) {
    if (toldMissing.insert(file).second) {
      Log() << "Zorvek: no se puede cargar el sonido " << Quoted(file) << ": " << Mix_GetError()
            << "\n";
    }
    return nullptr;
  }
  TrimCache();
  ChunkPtr chunk(raw, Mix_FreeChunk);
  cacheBytes += raw->alen;
  cache.emplace(file, chunk);
  return chunk;
}

// Lets go of decoded sounds that no channel holds any more (long tunes of past phases)
// while the cache is over its budget.
void SdlSoundSystem::Impl::TrimCache() {
  if (cacheBytes <= kCacheBudgetBytes) return;
  for (auto it = cache.begin(); it != cache.end();) {
    if (it->second.use_count() == 1) {
      cacheBytes -= it->second->alen;
      it = cache.erase(it);
    } else {
      ++it;
    }
  }
}

void SdlSoundSystem::Impl::Start(int mixerChannel, const ChunkPtr& chunk, bool loop) {
  Halt(mixerChannel);
  ChannelGains& g = *gains[static_cast<std::size_t>(mixerChannel)];
  g.Fresh = true;
  Mix_RegisterEffect(mixerChannel, ApplyGains, nullptr, &g);
  playing[static_cast<std::size_t>(mixerChannel)] = chunk;
  if (Mix_PlayChannel(mixerChannel, chunk.get(), loop ? -1 : 0) < 0) {
    Log() << "Zorvek: no se puede reproducir un sonido: " << Mix_GetError() << "\n";
  }
}

void SdlSoundSystem::Impl::Halt(int mixerChannel) {
  Mix_HaltChannel(mixerChannel);
  Mix_UnregisterAllEffects(mixerChannel);
  playing[static_cast<std::size_t>(mixerChannel)].reset();
}

void SdlSoundSystem::Impl::SetGains(int mixerChannel, SoundBank bank, int32_t pan, int32_t volume) {
  float level = VolumeGain(volume);
  if (bank == SoundBank::Music) {
    level *= static_cast<float>(std::pow(10.0, options.MusicLevelDb / 20.0));
  }
  const StereoGains stereo = PanGains(pan);
  ChannelGains& g = *gains[static_cast<std::size_t>(mixerChannel)];
  g.TargetLeft.store(level * stereo.Left, std::memory_order_relaxed);
  g.TargetRight.store(level * stereo.Right, std::memory_order_relaxed);
}

namespace {

// A channel's player on the mixer. A load only changes what the next play starts: what
// is playing goes on to its end (the channel keeps that sound alive meanwhile).
class SdlPlayer final : public SoundPlayer {
 public:
  SdlPlayer(std::shared_ptr<SdlSoundSystem::Impl> system, SoundBank bank, int channel)
      : system_(std::move(system)), bank_(bank), channel_(system_->MixerChannel(bank, channel)) {
    system_->SetGains(channel_, bank_, pan_, volume_);
  }

  void Init(int32_t) override {}

  int32_t Load(const std::string& path) override {
    loaded_ = system_->Decode(path);
    handle_ = loaded_ ? system_->nextHandle++ : 0;
    return handle_;
  }

  int32_t Play(bool loop, bool) override {
    if (!loaded_) return 0;
    system_->Start(channel_, loaded_, loop);
    return ++instance_;
  }

  void Stop(bool) override { system_->Halt(channel_); }

  // Pan and volume stay with the channel for the sounds it plays next.
  void SetProperty(int kind, int32_t value, bool) override {
    if (kind == kPanProperty) pan_ = value;
    if (kind == kVolumeProperty) volume_ = value;
    if (kind == kPanProperty || kind == kVolumeProperty) {
      system_->SetGains(channel_, bank_, pan_, volume_);
    }
  }

  void Unload(int32_t handle) override {
    if (handle == 0 || handle != handle_) return;
    loaded_.reset();
    handle_ = 0;
  }

  void Free() override {
    system_->Halt(channel_);
    loaded_.reset();
    handle_ = 0;
  }

 private:
  std::shared_ptr<SdlSoundSystem::Impl> system_;
  SoundBank bank_;
  int channel_;
  ChunkPtr loaded_;
  int32_t handle_ = 0;
  int32_t instance_ = 0;
  int32_t pan_ = 0;
  int32_t volume_ = 100;
};

// Stands in for every channel when there is no device: the game goes on unheard.
class SilentPlayer final : public SoundPlayer {
 public:
  void Init(int32_t) override {}
  int32_t Load(const std::string&) override { return ++handle_; }
  int32_t Play(bool, bool) override { return ++instance_; }
  void Stop(bool) override {}
  void SetProperty(int, int32_t, bool) override {}
  void Unload(int32_t) override {}
  void Free() override {}

 private:
  int32_t handle_ = 0;
  int32_t instance_ = 0;
};

}  // namespace

SdlSoundSystem::SdlSoundSystem(const SdlSoundOptions& options)
    : impl_(std::make_shared<Impl>(options)) {}

SdlSoundSystem::~SdlSoundSystem() = default;

std::unique_ptr<SoundPlayer> SdlSoundSystem::Create(SoundBank bank, int channel) {
  if (!impl_->deviceOpen) return std::make_unique<SilentPlayer>();
  return std::make_unique<SdlPlayer>(impl_, bank, channel);
}

void SdlSoundSystem::PlayBeep(int level) {
  if (!impl_->deviceOpen || !impl_->beep || level <= 0) return;
  // The beep is an effect: the player's effects level sets it as it sets a channel's.
  Mix_Volume(kBeepChannel, static_cast<int>(std::lround(MIX_MAX_VOLUME * VolumeGain(level))));
  Mix_PlayChannel(kBeepChannel, impl_->beep.get(), 0);
}

bool SdlSoundSystem::HasDevice() const { return impl_->deviceOpen; }

bool SdlSoundSystem::IsPlaying(SoundBank bank, int channel) const {
  if (!impl_->deviceOpen) return false;
  const auto it = impl_->mixerChannels.find({bank, channel});
  return it != impl_->mixerChannels.end() && Mix_Playing(it->second) != 0;
}

int SdlSoundSystem::BufferFrames() const {
  return impl_->deviceOpen ? impl_->options.BufferFrames : 0;
}

int SdlSoundSystem::Frequency() const { return impl_->frequency; }

std::unique_ptr<SdlSoundSystem> MakeSdlSoundSystem(const SdlSoundOptions& options) {
  return std::make_unique<SdlSoundSystem>(options);
}

}  // namespace zorvek::audio
