#include "board/Board.hpp"

#include "board/Locks.hpp"
#include "platform/Keys.hpp"
#include "shop/ShopDialog.hpp"
#include "sound/Sound.hpp"

namespace zorvek {

namespace {

constexpr const char* kTempleName = "Templo de curación";
constexpr const char* kTempleText =
    "Al entrar en esta sala sentís una extraña sensación, una paz poco frecuente, y veis como "
    "las heridas del combate de todos vosotros se curan a una velocidad sorprendente hasta "
    "encontraros completamente recuperados y frescos como nunca.";
constexpr int kTempleChannel = 14;

std::string Coordinates(const Game& game) {
  return std::to_string(game.CursorX) + ", " + std::to_string(game.CursorY);
}

void AppendData(Game& game, const std::string& more) {
  game.SetText(TextArea::TBDatos, game.Text(TextArea::TBDatos) + more);
}

// On arrival the cursor stands on the first exit of the wall opposite the one left by.
void PlaceOnArrivalExit(Game& game, WallSide leftBy) {
  const Room& r = game.CurrentRoom;
  int tx = leftBy == WallSide::Left ? r.Width + 1 : leftBy == WallSide::Right ? 0 : -1;
  int ty = leftBy == WallSide::Top ? 0 : leftBy == WallSide::Bottom ? r.Height + 1 : -1;
  for (const Exit& e : r.Exits) {
    if (e.X == tx || e.Y == ty) {
      game.CursorX = e.X;
      game.CursorY = e.Y;
      return;
    }
  }
}

void HealInTemple(Game& game) {
  PlayCue(game, "santuario", game.CursorX, game.CursorY, kFalse);
  for (Being& hero : game.Party) {
    hero.Life = hero.MaxLife;
    hero.Magic = hero.MaxMagic;
  }
  game.ui().MessageBox(kTempleText, Buttons::Ok, "Zorvek");
}

// Monsters in the room start their pursuit; the hero candidates wait to be recruited.
void StartPursuit(Game& game) {
  const int16_t last = LastMonsterIn(game, game.CurrentRoom);
  if (last == 0) {
    game.SetTimer(TimerId::TMRPersecu, false);
    return;
  }
  const Being& m = game.DungeonBeings(last);
  PlayCue(game, "pasosm", m.X, m.Y, kFalse);
  game.SetTimer(TimerId::TMRPersecu, true);
}

void StartExitWinds(Game& game) {
  const Exit& first = game.CurrentRoom.Exits(1);
  PlayCue(game, "puerta1", first.X, first.Y, kFalse);
  for (int k = 2; k <= 4; ++k) {
    const Exit& e = game.CurrentRoom.Exits(k);
    if (e.TargetRoom != 0) {
      PlayCue(game, "puerta" + std::to_string(k), e.X, e.Y, kFalse);
    } else {
      StopEffect(game, k + 2);
    }
  }
}

// A shop room: the gnome's window opens, and closing it walks the party back out
// through the shop door and two steps into the room it came from.
void VisitShop(Game& game, int room) {
  for (int ch = 1; ch <= 4; ++ch) StopMusic(game, ch, false);
  Exit door = game.CurrentRoom.Exits(1);
  game.SetText(TextArea::TBDatos, "");
  game.SetText(TextArea::TBGeneral, "");
  for (int ch = 3; ch <= 6; ++ch) StopEffect(game, ch);
  ShopDialog shop(game);
  game.ui().ShowDialog(shop);
  game.Rooms(room) = game.CurrentRoom;
  EnterRoom(game, door.TargetRoom, SideOf(door.Side), DataLine::Clear);
  for (int step = 0; step < 2; ++step) {
    if (game.Hooks.PressKey) game.Hooks.PressKey(game, ArrowThrough(SideOf(door.Side)));
  }
}

// The exit line of a cell description: "Una puerta cerrada" and a line end.
void WriteExitLine(Game& game) {
  int k = ExitAt(game, kAtCursor, kAtCursor);
  if (k == 0) return;
  const Exit& e = game.CurrentRoom.Exits(k);
  game.SetText(TextArea::TBDatos,
               "Una " + e.Kind.Trimmed() + (IsSet(e.IsOpen) ? "" : " cerrada") + "\r\n");
}

void WriteCellLines(Game& game) {
  WriteExitLine(game);
  AppendData(game, BeingsAt(game, kAtCursor, kAtCursor));
  AppendData(game, ObjectsAt(game, kAtCursor, kAtCursor));
  if (game.ReadCoordinates) AppendData(game, Coordinates(game));
}

}  // namespace

int ExitAt(const Game& game, int x, int y) {
  if (x == kAtCursor) x = game.CursorX;
  if (y == kAtCursor) y = game.CursorY;
  for (int k = 1; k <= 5; ++k) {
    const Exit& e = game.CurrentRoom.Exits(k);
    if (e.X == x && e.Y == y) return k;
  }
  return 0;
}

std::string LockNameOf(const Game& game, int lockNo) {
  return lockNo >= 1 && lockNo <= 20 && game.LockNames.Has(lockNo) ? game.LockNames(lockNo) : "";
}

void EnterRoom(Game& game, int room, WallSide leftBy, DataLine dataLine) {
  if (!game.Rooms.Has(room)) return;  // a door to nowhere leads nowhere
  StopEffect(game, kTempleChannel);
  game.CursorX = 1;
  game.CursorY = 1;
  game.CurrentRoom = game.Rooms(room);
  // The index moves first: the renaming writes to the stored room of the room entered,
  // never to the one just left.
  game.CurrentRoomIndex = static_cast<int16_t>(room);
  RenameRoomForPhase(game);
  RefreshBeacons(game, Beacons::Restart);
  if (SideNumber(leftBy) >= 1) PlaceOnArrivalExit(game, leftBy);
  std::string name = game.CurrentRoom.Name.Trimmed();
  if (name == kTempleName) HealInTemple(game);
  game.SetText(TextArea::TBGeneral, name + "  " + std::to_string(game.CurrentRoom.Width) + "X" +
                                        std::to_string(game.CurrentRoom.Height));
  StartPursuit(game);
  if (dataLine == DataLine::Clear) game.SetText(TextArea::TBDatos, "");
  AppendData(game, Coordinates(game));
  if (game.CurrentRoom.Index == 0) {
    // The staircase ends the phase; the next one begins around the party, which stays
    // where the phase change put it.
    if (game.Hooks.PhaseEnded) game.Hooks.PhaseEnded(game);
    return;
  }
  if (name != "Tienda") {
    StartExitWinds(game);
  } else {
    VisitShop(game, room);
  }
}

bool UnlockExit(Game& game) {
  int k = ExitAt(game, kAtCursor, kAtCursor);
  if (k == 0) return false;
  int16_t lockNo = game.CurrentRoom.Exits(k).LockNo;
  if (lockNo < 1) return false;
  int hero = UseKeyForLock(game, lockNo);
  if (hero == 0) return false;
  PlayCue(game, "llave", game.CursorX, game.CursorY, kFalse);
  game.SetText(TextArea::TBDatos, game.Party(hero).Name.Trimmed() +
                                      " abre la puerta con la llave " + LockNameOf(game, lockNo) +
                                      ". Ahora ya podréis pasar.");
  Exit& door = game.CurrentRoom.Exits(k);
  door.IsOpen = kTrue;
  door.LockNo = 0;
  if (game.Rooms.Has(game.CurrentRoom.Index)) game.Rooms(game.CurrentRoom.Index).Exits(k) = door;
  return true;
}

void DescribeCell(Game& game) {
  game.SetText(TextArea::TBDatos, "");
  if (game.CursorX == 0 && game.CursorY == 0) {
    game.ui().MessageBox("Pulse escape para salir de la casilla 0,0 y volver al tablero normal",
                         Buttons::Ok, "zorvek");
  }
  WriteCellLines(game);
}

namespace {

// Walking into the exit the cursor stands on. Returns whether the step goes on in the
// room behind it.
bool WalkThroughExit(Game& game, const Exit& e, WallSide direction) {
  if (game.RecruitingOpen) {
    game.SetText(TextArea::TBDatos,
                 "Debe reclutar a cuatro héroes para tener alguna posibilidad de lograr su "
                 "objetivo");
    game.ui().Beep();
    return false;
  }
  if (IsSet(e.IsOpen)) {
    int16_t phase = game.Phase;
    EnterRoom(game, e.TargetRoom, direction, DataLine::Keep);
    // A phase change or the end of the game has already placed and described the party.
    return game.Phase == phase && !game.WindowClosed();
  }
  if (!UnlockExit(game)) {
    std::string lock = e.LockNo >= 1 ? " con una cerradura " + LockNameOf(game, e.LockNo) : "";
    game.SetText(TextArea::TBDatos, "La " + e.Kind.Trimmed() + " está cerrada" + lock);
    game.ui().Beep();
  }
  return false;
}

// Moves the cursor one cell for an arrow key; returns whether it moved (a beep if not).
bool MoveCursor(Game& game, int16_t keyCode) {
  const Room& r = game.CurrentRoom;
  int x = game.CursorX;
  int y = game.CursorY;
  bool moved = false;
  switch (keyCode) {
    case keys::kLeft:
      moved = x >= 2 || ExitAt(game, x - 1, y) > 0;
      if (moved) --game.CursorX;
      break;
    case keys::kUp:
      moved = y < r.Height || ExitAt(game, x, y + 1) > 0;
      if (moved) ++game.CursorY;
      break;
    case keys::kRight:
      moved = x < r.Width || ExitAt(game, x + 1, y) > 0;
      if (moved) ++game.CursorX;
      break;
    case keys::kDown:
      moved = y >= 2 || ExitAt(game, x, y - 1) > 0;
      if (moved) --game.CursorY;
      break;
    default:
      return false;
  }
  if (!moved) game.ui().Beep();
  return moved;
}

}  // namespace

void StepCursor(Game& game, int16_t keyCode) {
  // Any key that reaches the board closes the cell menu; the typed digits stay.
  game.CellMenuState = 0;
  int k = ExitAt(game, kAtCursor, kAtCursor);
  if (k > 0) {
    const WallSide direction = WallOfArrow(keyCode);
    Exit e = game.CurrentRoom.Exits(k);
    if (SideOf(e.Side) != direction && e.Side != OppositeSide(SideNumber(direction))) {
      game.ui().Beep();
      return;
    }
    if (SideOf(e.Side) == direction && !WalkThroughExit(game, e, direction)) return;
  }
  if (keyCode == keys::kV) {
    game.SetText(TextArea::TBDatos, PartyReport(game));
    return;
  }
  if (keyCode == keys::kControl) return;
  if (MoveCursor(game, keyCode) && game.AnyRecruited) {
    PlayCue(game, "pasos", game.CursorX, game.CursorY, kFalse);
  }
  game.SetText(TextArea::TBDatos, "");
  if (game.CursorX == 0 && game.CursorY == 0) {
    game.ui().MessageBox("Pulse escape para salir de esta casilla y volver al centro de la sala",
                         Buttons::Ok, "Zorvek");
  } else {
    WriteCellLines(game);
  }
  game.CellMenuState = 0;
}

}  // namespace zorvek
