#include "model/Game.hpp"

namespace zorvek {

Game::Game(Ports ports, RunSettings settings) : ports_(ports), settings_(std::move(settings)) {
  // The data line's design-time text, until the start-up replaces it.
  texts_.at(Slot(TextArea::TBDatos)) = "Cargando...\r\n";
  // The recovery timer is enabled from the window's design; the others start off.
  timers_.at(Slot(TimerId::TMRRecuperacion)) = true;
}

void Game::SetText(TextArea area, const std::string& text) {
  texts_.at(Slot(area)) = text;
  ports_.ui.TextChanged(area, text);
}

void Game::SetTimer(TimerId timer, bool enabled) {
  timers_.at(Slot(timer)) = enabled;
  ports_.ui.TimerSwitched(timer, enabled);
}

void Game::CloseWindow() {
  if (windowClosed_) return;
  windowClosed_ = true;
  ports_.ui.CloseGameWindow();
}

void Game::EndProgram() {
  if (programEnded_) return;
  programEnded_ = true;
  windowClosed_ = true;
  ports_.ui.EndProgram();
}

}  // namespace zorvek
