#include "app/shared/ScaledSound.hpp"

#include <algorithm>

namespace zorvek::frontend {

namespace {

// What a channel plays at before the game sets a volume.
constexpr int32_t kFullVolume = 100;

std::size_t Slot(SoundBank bank) { return bank == SoundBank::Music ? 1 : 0; }

}  // namespace

int32_t ScaledVolume(int32_t asked, int percent) {
  percent = std::clamp(percent, 0, 100);
  // In 64 bits: the game's value may be any 32-bit number.
  const int64_t scaled = static_cast<int64_t>(asked) * percent;
  return static_cast<int32_t>(scaled >= 0 ? (scaled + 50) / 100 : -((-scaled + 50) / 100));
}

class ScaledSoundSystem::Player final : public SoundPlayer {
 public:
  Player(std::unique_ptr<SoundPlayer> inner, SoundBank bank, std::shared_ptr<Banks> banks)
      : inner_(std::move(inner)), bank_(bank), banks_(std::move(banks)) {
    banks_->Players.insert(this);
  }
  ~Player() override { banks_->Players.erase(this); }
  Player(const Player&) = delete;
  Player& operator=(const Player&) = delete;

  void Init(int32_t flags) override { inner_->Init(flags); }
  int32_t Load(const std::string& path) override { return inner_->Load(path); }
  int32_t Play(bool loop, bool flag) override {
    // A channel the game never gave a volume plays at full volume: at the level's, here.
    Follow();
    return inner_->Play(loop, flag);
  }
  void Stop(bool flag) override { inner_->Stop(flag); }
  void SetProperty(int kind, int32_t value, bool flag) override {
    if (kind != kVolumeProperty) {
      inner_->SetProperty(kind, value, flag);
      return;
    }
    asked_ = value;
    sent_ = ScaledVolume(value, Level());
    inner_->SetProperty(kind, sent_, flag);
  }
  void Unload(int32_t handle) override { inner_->Unload(handle); }
  void Free() override { inner_->Free(); }

  SoundBank Bank() const { return bank_; }
  // Gives the channel the volume its bank's level makes of the game's, when it differs.
  void Follow() {
    const int32_t wanted = ScaledVolume(asked_, Level());
    if (wanted == sent_) return;
    sent_ = wanted;
    inner_->SetProperty(kVolumeProperty, sent_, false);
  }

 private:
  int Level() const { return banks_->Levels.at(Slot(bank_)); }

  std::unique_ptr<SoundPlayer> inner_;
  SoundBank bank_;
  std::shared_ptr<Banks> banks_;
  int32_t asked_ = kFullVolume;
  int32_t sent_ = kFullVolume;
};

ScaledSoundSystem::ScaledSoundSystem(SoundSystem& inner, std::function<void(int)> beep)
    : inner_(inner), beep_(std::move(beep)), banks_(std::make_shared<Banks>()) {}

ScaledSoundSystem::ScaledSoundSystem(std::unique_ptr<SoundSystem> inner,
                                     std::function<void(int)> beep)
    : owned_(std::move(inner)),
      inner_(*owned_),
      beep_(std::move(beep)),
      banks_(std::make_shared<Banks>()) {}

ScaledSoundSystem::~ScaledSoundSystem() = default;

std::unique_ptr<SoundPlayer> ScaledSoundSystem::Create(SoundBank bank, int channel) {
  return std::make_unique<Player>(inner_.Create(bank, channel), bank, banks_);
}

void ScaledSoundSystem::SetLevel(SoundBank bank, int percent) {
  banks_->Levels.at(Slot(bank)) = std::clamp(percent, 0, 100);
  for (Player* player : banks_->Players) {
    if (player->Bank() == bank) player->Follow();
  }
}

int ScaledSoundSystem::Level(SoundBank bank) const { return banks_->Levels.at(Slot(bank)); }

void ScaledSoundSystem::Beep() {
  if (beep_) beep_(Level(SoundBank::Effects));
}

}  // namespace zorvek::frontend
