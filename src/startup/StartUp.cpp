#include "startup/StartUp.hpp"

#include <array>

#include "board/Locks.hpp"
#include "catalogue/Catalogues.hpp"
#include "generation/Generation.hpp"
#include "model/Seeding.hpp"

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

std::string SoundDirFor(const std::string& programDir) {
  std::string dir = programDir;
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir + "Sonidos/";
}

// Rooms 0 to 4 and the catalogues: the fixed part of a new game.
void BuildFixedWorld(Game& game) {
  game.Rooms.ReDim(0, 4);
  game.Phase = 1;
  game.CurrentRoomIndex = 1;
  game.RecruitingOpen = true;
  BuildLockNames(game);
  game.KeysPlaced = 0;
  game.LocksPlaced = 0;
  game.PickupHero = 1;
  BuildStartingArea(game);
  BuildHeroRoster(game);
  BuildMonsterCatalogue(game);
  BuildItemCatalogue(game);
}

// The jailer's room, its key, the corridor's lock, and the rest of phase 1.
void BuildFirstDungeon(Game& game) {
  PopulateRoom(game, 15, 0, 15, 3);
  PlaceKey(game, 3);
  PlaceLock(game, 2);
  const PhaseParameters& row = PhaseRow(1);
  int16_t entrySide = row.EntrySide;
  GenerateDungeon(game, row.StartRoom, row.Exits, row.RoomBudget, entrySide, row.GroupLife,
                  row.LeastLife, row.GreatestLife, row.LockPairs);
  ScaleForDifficulty(game);
}

}  // namespace

void StartGameWindow(Game& game) {
  Reseed(game);
  game.SoundDir = SoundDirFor(game.settings().ProgramDir);
  game.ReadCoordinates = true;
  BuildFixedWorld(game);
  BuildFirstDungeon(game);
  game.InCombat = false;
  game.CellMenuState = 0;
  game.CursorX = 1;
  game.CursorY = 1;
}

void ShutDownGameWindow(Game& game) {
  // The window opens no sound channel yet, so closing it has nothing to release.
  (void)game;
}

}  // namespace zorvek
