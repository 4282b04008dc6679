#pragma once

#include <cstdint>

#include "model/Game.hpp"

namespace zorvek {

// The start menu's game logic: the difficulty list and the two ways into a game.
// The menu outlives the game windows it opens, so it keeps Difficulty and LoadOnStart
// and hands them to each new window.
class StartMenu {
 public:
  // List positions 0 to 3: "Normal (x1)", "Difícil (x2)", "Muy difícil (x3)",
  // "Imposible (x5)!".
  static int32_t DifficultyAt(int position);

  // Selects a list entry (the menu opens on the first); -1 means nothing selected.
  void Select(int position) { selected_ = position; }
  // "Empezar" of "Nueva partida": false when no entry is selected (nothing happens).
  bool NewGame();
  // "Empezar" of "Cargar partida": the difficulty keeps its value until the load.
  void LoadGame() { loadOnStart_ = true; }

  int32_t Difficulty() const { return difficulty_; }
  bool LoadOnStart() const { return loadOnStart_; }

  // What the menu sets on a game window before opening it.
  void HandTo(Game& game) const;

 private:
  int selected_ = 0;
  int32_t difficulty_ = 1;
  bool loadOnStart_ = false;
};

// Builds a complete new game in a freshly opened game window, in the order of the
// window's start-up; a resumed game is loaded over it at the end.
void StartGameWindow(Game& game);

// Closing the game window, by any means: the sound channels are released; nothing is
// asked and nothing is saved.
void ShutDownGameWindow(Game& game);

}  // namespace zorvek
