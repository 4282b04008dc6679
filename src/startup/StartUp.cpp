#include "startup/StartUp.hpp"

#include <array>

#include "board/Board.hpp"
#include "generation/Generation.hpp"
#include "generation/PhaseChange.hpp"
#include "sound/Sound.hpp"
#include "startup/Keyboard.hpp"
#include "startup/SaveLoad.hpp"

namespace zorvek {

int32_t StartMenu::DifficultyAt(int position) {
  static constexpr std::array<int32_t, 4> kFactors = {1, 2, 3, 5};
  if (position < 0 || position >= static_cast<int>(kFactors.size())) return 0;
  return kFactors.at(static_cast<std::size_t>(position));
}

bool StartMenu::NewGame() {
  int32_t factor = DifficultyAt(selected_);
  if (factor == 0) return false;
  loadOnStart_ = false;
  difficulty_ = factor;
  return true;
}

void StartMenu::HandTo(Game& game) const {
  game.Difficulty = difficulty_;
  game.LoadOnStart = loadOnStart_;
}

namespace {

std::string SoundDirFor(const std::string& filesDir) {
  std::string dir = filesDir;
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir + "Sonidos/";
}

}  // namespace

void StartGameWindow(Game& game) {
  // The board leaves the end of a phase and the walk out of a shop to these.
  game.Hooks.PhaseEnded = [](Game& g) { CompletePhase(g); };
  game.Hooks.PressKey = [](Game& g, int16_t keyCode) { HandleKey(g, keyCode, 0); };
  game.SoundDir = SoundDirFor(game.settings().FilesDir());
  game.ReadCoordinates = true;
  game.RecruitingOpen = true;
  game.PickupHero = 1;
  // Seeds the generator, then lock names, starting area, catalogues and phase 1.
  BuildFirstDungeon(game);
  game.InCombat = false;
  game.CellMenuState = 0;
  game.CursorX = 1;
  game.CursorY = 1;
  InitSounds(game);
  EnterRoom(game, 1, WallSide::None, DataLine::Clear);
  if (game.LoadOnStart) ResumeSavedGame(game);
  DescribeCell(game);
}

void ShutDownGameWindow(Game& game) {
  FreeEffects(game);
  FreeMusic(game);
}

}  // namespace zorvek
