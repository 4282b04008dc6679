#include "generation/PhaseChange.hpp"

#include <algorithm>
#include <array>
#include <string>

#include "board/Board.hpp"
#include "generation/Generation.hpp"
#include "sound/Sound.hpp"

namespace zorvek {

namespace {

// The music of phases 1 to 5.
constexpr std::array<PhaseMusic, 5> kPhaseMusic = {{{"Caverna.mp3", 90},
                                                    {"Caverna2.mp3", 90},
                                                    {"Bosque.mp3", 80},
                                                    {"Cuartel.mp3", 90},
                                                    {"Vapores.mp3", 70}}};

constexpr std::array<const char*, 7> kClosingStory = {
    "Y aquí termina la gesta de estos  héroes.",
    "Muerto el dragón, todos sus seguidores corrieron a esconderse en el agujero más profundo "
    "que encontraron. Desaparecieron los efectos de los hechizos del dragón  que ocultaban el "
    "sol y envenenaban las tierras y las aguas, y la vida pudo brotar de nuevo, más fuerte que "
    "antes.",
    "Los héroes iniciaron su largo regreso a casa, y fueron  recibiendo más y más vítores y "
    "honores a medida que la noticia de su hazaña se extendía.",
    "Y en el punto en que sus caminos se separaban definitivamente sellaron   un pacto que les "
    "uniría para siempre",
    "Defender siempre el bien y la justicia de los ataques del mal.",
    "FIN",
    "Por Quendral"};

void StartPhaseMusic(Game& game, int phase) {
  const PhaseMusic& music = MusicOfPhase(phase);
  // The old song is not stopped first: loading the new one replaces it.
  LoadMusic(game, 0, game.SoundDir + music.File);
  PlayMusic(game, 0, false, true);
  SetMusicProperty(game, 0, kVolumeProperty, music.Volume, false);
}

}  // namespace

const PhaseMusic& MusicOfPhase(int phase) {
  return kPhaseMusic.at(static_cast<std::size_t>(std::clamp(phase, 1, 5) - 1));
}

void CompletePhase(Game& game) {
  PlayCue(game, "escalera", game.CursorX, game.CursorY, kFalse);
  game.ui().MessageBox("¡¡Enhorabuena!! Has superado la " + std::to_string(game.Phase) + "ª fase.",
                       Buttons::Ok, "Zorvek");
  game.Phase = Add16(game.Phase, 1);
  if (game.Phase >= 6) {
    FinalVictory(game);
    return;
  }
  StartPhaseMusic(game, game.Phase);
  // New hall, keys left behind, a fresh dungeon with new lock names around the party.
  BuildPhaseDungeon(game, game.Phase);
  EnterRoom(game, 1, WallSide::None, DataLine::Clear);
  game.CursorX = 5;
  game.CursorY = 5;
  DescribeCell(game);
}

void FinalVictory(Game& game) {
  game.SetText(TextArea::TBGeneral, "");
  LoadMusic(game, 0, game.SoundDir + "Salida.mp3");
  StopMusic(game, 0, false);
  PlayMusic(game, 0, false, false);
  SetMusicProperty(game, 0, kVolumeProperty, 90, false);
  for (const char* text : kClosingStory) game.ui().MessageBox(text, Buttons::Ok, "Zorvek");
  FreeEffects(game);
  FreeMusic(game);
  game.CloseWindow();
}

void PartyLost(Game& game) {
  game.ui().MessageBox(
      "Y aquí termina la increíble gesta que llevó a 4 héroes sin par a intentar escapar de las "
      "fauces del mal, y que lamentablemente no culminó con éxito.\r\nDescansen en paz",
      Buttons::Ok, "Zorvek");
  game.EndProgram();
}

}  // namespace zorvek
