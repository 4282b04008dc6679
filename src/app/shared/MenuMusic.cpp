#include "app/shared/MenuMusic.hpp"

#include "audio/SdlSound.hpp"

namespace zorvek::frontend {

namespace {

constexpr int kMenuPlayerFlags = 16;

}  // namespace

void MenuMusic::Start() {
  Release();
  player_ = sound_.Create(SoundBank::Music, audio::kMenuMusicChannel);
  player_->Init(kMenuPlayerFlags);
  std::string dir = filesDir_;
  if (dir.empty() || dir.back() != '/') dir += '/';
  song_ = player_->Load(dir + "sonidos/Song_of_the_seas.mp3");
  player_->Play(true, false);
  playing_ = true;
}

void MenuMusic::Stop() {
  if (player_ != nullptr && playing_) player_->Stop(false);
  playing_ = false;
}

void MenuMusic::Release() {
  if (player_ == nullptr) return;
  Stop();
  player_->Unload(song_);
  player_->Free();
  player_.reset();
  song_ = 0;
}

}  // namespace zorvek::frontend
