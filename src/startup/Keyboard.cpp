#include "startup/Keyboard.hpp"

#include "actions/Actions.hpp"
#include "board/Board.hpp"
#include "combat/Combat.hpp"
#include "generation/Generation.hpp"
#include "model/Text.hpp"
#include "party/PartyDialog.hpp"
#include "sound/Sound.hpp"
#include "startup/SaveLoad.hpp"

namespace zorvek {

namespace {

constexpr const char* kHelp =
    "Combinaciones de teclas: \r\n"
    "Teclas de cursor: Moverse en las 4 direcciones.\r\n"
    "Enter: Acciones con objetos y seres bajo el cursor.\r\n"
    "Control + número: Recoger el objeto correspondiente de entre los que están bajo el "
    "cursor. (ver F3)\r\n"
    "C: recoger todos los objetos bajo el cursor \r\n"
    "s: Salidas existentes en la sala. \r\n"
    "t: Objetos existentes en la sala.\r\n"
    "g: Control de los héroes del juego\r\n"
    "v: Puntos de vida y de magia de los héroes.\r\n"
    "F2: Desactivar / activar la lectura de coordenadas\r\n"
    "F3: Cambiar el héroe que recoge las cosas al pulsar control mas un número\r\n"
    "F7: Guardar la partida.\r\n"
    "F8: Cargar la partida guardada\r\n"
    "Espacio: Leer la casilla actual.\r\n"
    "-----";

bool IsDigitKey(int16_t code) { return code >= keys::kDigit0 && code <= keys::kDigit0 + 9; }

// Off the board: Escape on (0, 0), or any key on the far corner, returns to the centre.
void LeaveCorner(Game& game, int16_t keyCode) {
  const Room& r = game.CurrentRoom;
  bool onOrigin = game.CursorX == 0 && game.CursorY == 0;
  bool onFarCorner = game.CursorX == r.Width + 1 && game.CursorY == r.Height + 1;
  if ((keyCode == keys::kEscape && onOrigin) || onFarCorner) {
    game.CursorX = static_cast<int16_t>((r.Width + 1) / 2);
    game.CursorY = static_cast<int16_t>((r.Height + 1) / 2);
  }
}

void OpenPartyDialog(Game& game) {
  if (!game.AnyRecruited) {
    game.SetText(TextArea::TBDatos, "Debe reclutar primero a algún héroe");
    game.ui().Beep();
    return;
  }
  bool pursuit = game.TimerEnabled(TimerId::TMRPersecu);
  bool recovery = game.TimerEnabled(TimerId::TMRRecuperacion);
  game.SetTimer(TimerId::TMRPersecu, false);
  game.SetTimer(TimerId::TMRRecuperacion, false);
  game.SetText(TextArea::TBDatos, "");
  game.SetText(TextArea::TBGeneral, "");
  PartyDialog dialog(game);
  game.ui().ShowDialog(dialog);
  if (game.InCombat) game.SetText(TextArea::TBDatos, "A: atacar, H: Huir, G: grupo");
  RefreshBeacons(game, Beacons::Restart);
  if (pursuit) game.SetTimer(TimerId::TMRPersecu, true);
  if (recovery) game.SetTimer(TimerId::TMRRecuperacion, true);
}

// In combat only the combat keys act; every other key gets the prompt.
void CombatKey(Game& game, int16_t& keyCode) {
  if (keyCode == keys::kF4) return;
  if (keyCode == keys::kA) {
    game.SetText(TextArea::TBDatos, "");
    CombatTurn(game);
    return;
  }
  // A failed flight gives the monsters their turn; a successful one is answered below.
  if (keyCode == keys::kH && !AttemptFlight(game)) return;
  if (game.WindowClosed()) return;
  keyCode = 0;
  const std::string& data = game.Text(TextArea::TBDatos);
  game.SetText(TextArea::TBDatos,
               data.empty() ? "Pulse a para atacar, h para huir y g para grupo." : data + " ");
}

void TypeMenuDigit(Game& game, int16_t& keyCode) {
  game.CellMenuInput += static_cast<char>(keyCode);
  game.SetText(TextArea::TBDatos, game.CellMenuInput);
  keyCode = 0;
}

void EraseMenuDigit(Game& game) {
  game.CellMenuInput.pop_back();
  std::string data = game.Text(TextArea::TBDatos);
  // The last character, not the last byte: a report's accented letter must not be cut
  // in half when the player erases a menu digit after it.
  data.resize(data.size() - LastChar(data).size());
  game.SetText(TextArea::TBDatos, data);
}

void NextPickupHero(Game& game) {
  int hero = game.PickupHero;
  // With nobody alive the choice stays where it was.
  for (int tries = 0; tries < 4; ++tries) {
    hero = hero % 4 + 1;
    if (game.Party(hero).Life >= 1) {
      game.PickupHero = static_cast<int16_t>(hero);
      break;
    }
  }
  game.SetText(TextArea::TBGeneral,
               "recoger cosas con " + game.Party(game.PickupHero).Name.Padded());
}

void CheckLabyrinth(Game& game) {
  bool solvable = CheckSolvable(game);
  game.ui().MessageBox(solvable ? "Laberinto correcto" : "Laberinto sin solución.", Buttons::Ok,
                       "Zorvek");
}

void AskToSave(Game& game) {
  if (Contains(game.CurrentRoom.Name.Trimmed(), "Tienda")) {
    game.ui().MessageBox("aquí no se puede guardar la partida", Buttons::Ok, "Zorvek");
    return;
  }
  Answer a = game.ui().MessageBox(
      "¿Realmente desea guardar la partida? (La grabación anterior se perderá)", Buttons::YesNo,
      "Guardar partida");
  if (a == Answer::Yes) GuardarPartida(game);
}

void AskToLoad(Game& game) {
  Answer a =
      game.ui().MessageBox("¿Desea cargar la partida almacenada? (La partida actual se descartará)",
                           Buttons::YesNo, "Cargar partida");
  if (a == Answer::Yes) CargarPartida(game);
}

// Exploration keys; returns false when the key goes on to the board.
bool ExplorationKey(Game& game, int16_t& keyCode, int16_t shift) {
  switch (keyCode) {
    case keys::kBackspace:
      if (game.CellMenuInput.empty()) return false;
      EraseMenuDigit(game);
      return true;
    case keys::kEnter:
      HandleCellMenu(game, game.CellMenuInput);
      return true;
    case keys::kS:
      game.SetText(TextArea::TBDatos, ExitsReport(game));
      return true;
    case keys::kE:
      game.SetText(TextArea::TBDatos, BeingsReport(game));
      return true;
    case keys::kT:
      game.SetText(TextArea::TBDatos, ObjectsReport(game));
      return true;
    case keys::kF1:
      game.SetText(TextArea::TBDatos, kHelp);
      keyCode = 0;
      return true;
    case keys::kF2:
      game.ReadCoordinates = !game.ReadCoordinates;
      game.SetText(TextArea::TBDatos, std::string("Lectura de coordenadas") +
                                          (game.ReadCoordinates ? " activada" : " desactivada"));
      keyCode = 0;
      return true;
    case keys::kF3:
      NextPickupHero(game);
      keyCode = 0;
      return false;
    case keys::kF5:
      if (shift == (kShiftMask | kControlMask)) CheckLabyrinth(game);
      return false;
    case keys::kF7:
      AskToSave(game);
      return true;
    case keys::kF8:
      AskToLoad(game);
      return true;
    default:
      return false;
  }
}

}  // namespace

void HandleKey(Game& game, int16_t& keyCode, int16_t shift) {
  LeaveCorner(game, keyCode);
  int16_t original = keyCode;
  if (keyCode == keys::kG) {
    OpenPartyDialog(game);
    return;
  }
  if (game.InCombat) {
    CombatKey(game, keyCode);
    return;
  }
  if (keyCode == keys::kC) {
    TakeAll(game);
    return;
  }
  if (IsDigitKey(keyCode) && (shift & kControlMask) != 0) {
    TakeByNumber(game, keyCode - keys::kDigit0);
    return;
  }
  if (IsDigitKey(keyCode)) {
    TypeMenuDigit(game, keyCode);
    return;
  }
  if (ExplorationKey(game, keyCode, shift)) return;
  StepCursor(game, original);
}

void TimerTick(Game& game, TimerId timer) {
  switch (timer) {
    case TimerId::TMRSonidos:
      SoundsTick(game);
      break;
    case TimerId::TMRPersecu:
      PursuitTick(game);
      break;
    case TimerId::TMRRecuperacion:
      RecoveryTick(game);
      break;
  }
}

}  // namespace zorvek
