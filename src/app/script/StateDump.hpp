#pragma once

#include <nlohmann/json.hpp>

#include "model/Game.hpp"

namespace zorvek::script {

// The whole state of a game as one JSON object, keyed by the game's own names.
nlohmann::ordered_json DumpState(const Game& game);

nlohmann::ordered_json DumpItem(const Item& item);
nlohmann::ordered_json DumpBeing(const Being& being);
nlohmann::ordered_json DumpRoom(const Room& room);

}  // namespace zorvek::script
