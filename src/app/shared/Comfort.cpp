#include "app/shared/Comfort.hpp"

#include <algorithm>

#include "app/shared/Announcer.hpp"
#include "app/shared/WindowLayouts.hpp"
#include "board/Board.hpp"
#include "platform/Keys.hpp"

namespace zorvek::frontend {

namespace {

constexpr int16_t kShift = kShiftMask;
using keys::kDown;
using keys::kEnter;
using keys::kEscape;
using keys::kLeft;
using keys::kRight;
using keys::kSpace;
using keys::kUp;
constexpr int kStep = 10;

constexpr const char* kMenuHint =
    "Flechas arriba y abajo: elegir un ajuste; izquierda y derecha: bajar o subir; espacio: "
    "silenciar o cambiar; Escape: cerrar los ajustes.";

std::string Level(const char* name, int percent, bool muted) {
  return std::string(name) + ": " + (muted ? "silenciada" : std::to_string(percent) + " %");
}

int Stepped(int value, int step) { return std::clamp(value + step * kStep, 0, 100); }

}  // namespace

Comfort::Comfort(ComfortSetup setup) : setup_(std::move(setup)), settings_(setup_.Initial) {
  items_ = {Item::Music, Item::Effects};
  if (setup_.Speaks) {
    items_.insert(items_.end(), {Item::Speech, Item::Rate});
    if (!setup_.Voices.empty()) items_.push_back(Item::Voice);
  }
  Apply();
}

std::optional<std::string> Comfort::HandleKey(int16_t code, int16_t shift) {
  const bool plain = shift == 0;
  const bool shifted = shift == kShift;
  if (code == kReviewBackKey && (plain || shifted)) {
    return shifted ? review_.First() : review_.Previous();
  }
  if (code == kReviewOnKey && (plain || shifted)) return shifted ? review_.Last() : review_.Next();
  if (code == kRepeatKey && plain) return review_.Last();
  if (code == kKeyHelpKey && plain) return setup_.KeyHelp;
  if (menuOpen_) return MenuKey(code, shift);
  if (code == kSettingsKey && plain) {
    menuOpen_ = true;
    return "Ajustes. " + Describe(items_.at(chosen_)) + ". " + kMenuHint;
  }
  return std::nullopt;
}

std::string Comfort::MenuKey(int16_t code, int16_t shift) {
  if (shift != 0 && shift != kShift) return kMenuHint;
  switch (code) {
    case kSettingsKey:
    case kEscape:
    case kEnter:
      menuOpen_ = false;
      return "Ajustes cerrados.";
    case kUp:
      chosen_ = chosen_ == 0 ? items_.size() - 1 : chosen_ - 1;
      return Describe(items_.at(chosen_));
    case kDown:
      chosen_ = (chosen_ + 1) % items_.size();
      return Describe(items_.at(chosen_));
    case kLeft:
    case kRight:
    case kSpace: {
      const Item item = items_.at(chosen_);
      Change(item, code == kLeft ? -1 : code == kRight ? 1 : 0);
      Changed();
      std::string told = Describe(item);
      if (saveFailed_) told += ". No se pudieron guardar los ajustes.";
      return told;
    }
    default:
      return kMenuHint;
  }
}

std::string Comfort::Describe(Item item) const {
  const Settings& s = settings_;
  switch (item) {
    case Item::Music:
      return Level("Música", s.Music, s.MusicMuted);
    case Item::Effects:
      return Level("Efectos", s.Effects, s.EffectsMuted);
    case Item::Speech:
      return s.Speech ? "Voz: activada" : "Voz: desactivada";
    case Item::Rate:
      return "Velocidad de la voz: " + std::to_string(s.SpeechRate) + " %";
    case Item::Voice:
      return "Voz elegida: " + (s.Voice.empty() ? setup_.Voices.front() : s.Voice);
  }
  return {};
}

void Comfort::Change(Item item, int step) {
  Settings& s = settings_;
  switch (item) {
    case Item::Music:
    case Item::Effects: {
      const bool music = item == Item::Music;
      int& level = music ? s.Music : s.Effects;
      bool& muted = music ? s.MusicMuted : s.EffectsMuted;
      // A change of level is heard: it lifts the mute.
      if (step == 0) {
        muted = !muted;
      } else {
        level = Stepped(level, step);
        muted = false;
      }
      return;
    }
    case Item::Speech:
      s.Speech = !s.Speech;
      return;
    case Item::Rate:
      s.SpeechRate = Stepped(s.SpeechRate, step);
      return;
    case Item::Voice: {
      const std::vector<std::string>& voices = setup_.Voices;
      auto at = std::find(voices.begin(), voices.end(), s.Voice);
      const auto count = static_cast<std::ptrdiff_t>(voices.size());
      std::ptrdiff_t index = at == voices.end() ? 0 : at - voices.begin();
      index = ((index + step) % count + count) % count;
      s.Voice = voices.at(static_cast<std::size_t>(index));
      return;
    }
  }
}

void Comfort::Apply() {
  if (setup_.Sound != nullptr) {
    setup_.Sound->SetLevel(SoundBank::Music, settings_.MusicMuted ? 0 : settings_.Music);
    setup_.Sound->SetLevel(SoundBank::Effects, settings_.EffectsMuted ? 0 : settings_.Effects);
  }
  if (setup_.Applied) setup_.Applied(settings_);
}

void Comfort::Changed() {
  Apply();
  saveFailed_ = !setup_.SettingsFile.empty() && !SaveSettings(setup_.SettingsFile, settings_);
}

void Comfort::UseSound(ScaledSoundSystem& sound) {
  setup_.Sound = &sound;
  Apply();
}

void Comfort::KeepCoordinates(bool on) {
  if (settings_.ReadCoordinates == on) return;
  settings_.ReadCoordinates = on;
  Changed();
}

}  // namespace zorvek::frontend

namespace zorvek::frontend {

std::string FullKeyHelp(const KeyHelpParts& parts) {
  std::string help =
      "Todas las teclas.\n"
      "Exploración:\n"
      "Flechas: moverse en las 4 direcciones; por una salida abierta, a la sala vecina.\n"
      "Espacio: leer la casilla actual. Escape: en la casilla 0,0, volver al centro.\n"
      "Números: elegir una acción del menú de la casilla; Retroceso borra la última cifra.\n"
      "Enter: acciones con los objetos y seres bajo el cursor.\n";
  help += std::string(parts.TakeKey) + ": recoger ese objeto de los que están bajo el cursor.\n";
  help +=
      "C: recoger todos los objetos bajo el cursor.\n"
      "S: salidas de la sala. E: seres de la sala. T: objetos de la sala.\n"
      "V: vida y magia de los héroes. G: el grupo de héroes.\n"
      "F1: la ayuda del juego. F2: activar o desactivar la lectura de coordenadas.\n"
      "F3: cambiar el héroe que recoge las cosas.\n"
      "F7: guardar la partida. F8: cargar la partida guardada.\n";
  help += std::string(parts.CheckKey) + ": comprobar el laberinto.\n";
  help +=
      "Combate:\n"
      "A: atacar. H: huir. G: el grupo de héroes. F4 no hace nada; cualquier otra tecla "
      "recuerda estas tres.\n"
      "Ventanas y mensajes:\n";
  help += std::string(parts.Windows) + "\n";
  help +=
      "Repaso y ajustes, en la exploración y en el combate:\n"
      "F9: el texto anterior; Mayúsculas + F9: el primero.\n"
      "F10: el texto siguiente; Mayúsculas + F10: el último.\n"
      "F11: repetir el último texto.\n"
      "F6: los ajustes. Flechas arriba y abajo eligen, izquierda y derecha bajan o suben un "
      "10 %, espacio silencia o cambia, Escape cierra.\n"
      "F12: esta ayuda.";
  if (!parts.OwnKeys.empty()) help += "\n" + std::string(parts.OwnKeys);
  return help;
}

std::optional<std::string> DialogNews(DialogId dialog, const std::string& control,
                                      const ControlView& view) {
  const WindowControl* found = LayoutOf(dialog).Find(control);
  if (found == nullptr || !view.Text || view.Text->empty()) return std::nullopt;
  if (found->Kind != ControlKind::Text && found->Kind != ControlKind::Line) return std::nullopt;
  return PlainLines(*view.Text);
}

void ApplyCoordinates(Game& game, const Comfort& comfort) {
  if (comfort.Current().ReadCoordinates || !game.ReadCoordinates) return;
  game.ReadCoordinates = false;
  // On (0, 0) the description asks its box again: the reading changes from the next key.
  if (game.CursorX != 0 || game.CursorY != 0) DescribeCell(game);
}

}  // namespace zorvek::frontend
