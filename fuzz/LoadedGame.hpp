#pragma once

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "support/Invariants.hpp"
#include "support/TestGame.hpp"

namespace zorvek::fuzz {

// A folder of this fuzzing process's own, removed when it ends: the saves it writes and
// the player's data folder (so that no real save of this machine is ever read).
inline const std::filesystem::path& ScratchDir() {
  static const std::filesystem::path dir = [] {
    std::string name = (std::filesystem::temp_directory_path() / "zorvek-fuzz-XXXXXX").string();
    if (mkdtemp(name.data()) == nullptr) std::abort();
    const std::filesystem::path made(name);
    std::filesystem::create_directories(made / "partida");
    setenv("XDG_DATA_HOME", (made / "datos").c_str(), 1);
    std::atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(ScratchDir(), ec);
    });
    return made;
  }();
  return dir;
}

inline std::filesystem::path SaveDir() { return ScratchDir() / "partida"; }

// Ends the run as a finding when a step broke one of the game's rules.
inline void Require(const std::vector<std::string>& broken, const char* step) {
  if (broken.empty()) return;
  std::cerr << "después de " << step << ":\n";
  for (const std::string& rule : broken) std::cerr << "  " << rule << '\n';
  std::abort();
}

// Plays keys of every kind into a game that has just loaded: walking into all four
// walls, the reports, the cell menu, taking, the party window, combat keys, the
// labyrinth check and each timer. The rules are checked after the load and after each
// kind of key; the save and load among them once, at the end.
inline void PlayLoadedGame(testing::TestGame& t) {
  constexpr int kNoSaveUntilTheEnd = 1 << 20;
  testing::GameWatch watch(t.game, kNoSaveUntilTheEnd);
  Require(testing::BrokenRules(t.game), "la carga");
  Require(watch.Check(t.game), "la carga");
  struct Step {
    int16_t Code;
    int16_t Shift;
    int Times;
  };
  constexpr int16_t kF2 = keys::kF1 + 1, kF3 = keys::kF1 + 2, kF5 = keys::kF1 + 4;
  const Step steps[] = {{'S', 0, 1},
                        {'E', 0, 1},
                        {'T', 0, 1},
                        {keys::kSpace, 0, 1},
                        {kF2, 0, 1},
                        {kF3, 0, 2},
                        {kF5, kShiftMask | kControlMask, 1},
                        {keys::kRight, 0, 16},
                        {keys::kDown, 0, 16},
                        {keys::kLeft, 0, 16},
                        {keys::kUp, 0, 16},
                        {keys::kEnter, 0, 1},
                        {'1', 0, 1},
                        {keys::kEnter, 0, 1},
                        {'C', 0, 1},
                        {'1', kControlMask, 1},
                        {'G', 0, 1},
                        {'A', 0, 3},
                        {'H', 0, 1},
                        {keys::kEscape, 0, 1}};
  auto alive = [&t] { return !t.game.WindowClosed() && !t.game.ProgramEnded(); };
  for (const Step& step : steps) {
    for (int k = 0; k < step.Times && alive(); ++k) t.Press(step.Code, step.Shift);
    Require(watch.Check(t.game), "una tecla");
  }
  for (TimerId timer : {TimerId::TMRSonidos, TimerId::TMRPersecu, TimerId::TMRRecuperacion}) {
    for (int k = 0; k < 4 && alive(); ++k) {
      if (t.game.TimerEnabled(timer)) TimerTick(t.game, timer);
    }
    Require(watch.Check(t.game), "un tic");
  }
  if (alive()) Require(testing::BrokenRules(t.game), "el final");
}

}  // namespace zorvek::fuzz
