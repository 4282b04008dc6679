#include <cstdlib>
#include <string>

#include "generation/Builder.hpp"

namespace zorvek {

namespace build {

namespace {

// Door rooms tried for one bar before another bar room is drawn.
constexpr int kDoorRoomTries = 150;
// Bar rooms drawn for one puzzle before the attempt gives up.
constexpr int kBarRoomRounds = 20;
// Cells drawn for a bar in a room with a door on every wall.
constexpr int kBarCellTries = 150;

bool IsCorridorLike(const Room& room) {
  std::string name = room.Name.Trimmed();
  return name == "Zona de agrupamiento" || name == "Pasillo";
}

int FreeExitSlots(const Room& room) {
  int free = 0;
  for (const Exit& exit : room.Exits) free += (exit.TargetRoom < 1 && !InUse(exit)) ? 1 : 0;
  return free;
}

// A drawn room of a quarter, walked forward to the first corridor-like room; 0 when
// the walk reaches the last room.
int DrawShortcutRoom(Build& b, int q, int last) {
  int quarter = Int(b.Rnd() * 4) + 1;
  int room = CInt(Int((q - 2) * b.Rnd()) + 2 + (quarter - 1) * q);
  for (int r = std::max(room, 1); r < last; ++r) {
    if (IsCorridorLike(b.game.Rooms(r))) return r;
  }
  return 0;
}

// The first wall s free in A whose opposite wall is free in B; 0 when there is none.
int SharedSide(const Room& a, const Room& b) {
  int needed = a.Index == b.Index ? 2 : 1;
  if (FreeExitSlots(a) < needed || FreeExitSlots(b) < 1) return 0;
  for (int s = 1; s <= 4; ++s) {
    if (!WallTaken(a, s) && !WallTaken(b, OppositeSide(static_cast<int16_t>(s)))) return s;
  }
  return 0;
}

Exit& FirstFreeExit(Room& room) { return room.Exits(FreeExitSlot(room)); }

void JoinRooms(Build& b, int a, int other, int side) {
  Room& from = b.game.Rooms(a);
  Cell cell = WallCell(b, from, side);
  std::string kind = RandomDoorKind(b);
  Exit& door = FirstFreeExit(from);
  door.X = cell.X;
  door.Y = cell.Y;
  door.Kind = kind;
  door.TargetRoom = static_cast<int16_t>(other);
  door.Side = SideOfCell(from, cell);
  door.IsOpen = kTrue;

  Room& to = b.game.Rooms(other);
  Exit& back = FirstFreeExit(to);
  back.Kind = kind;
  back.TargetRoom = static_cast<int16_t>(a);
  back.Side = OppositeSide(static_cast<int16_t>(side));
  back.IsOpen = kTrue;
  Cell backCell = BackDoorCell(b, to.Width, to.Height, back.Side);
  back.X = backCell.X;
  back.Y = backCell.Y;
}

bool CanHoldBar(const Game& game, const Room& room) {
  std::string name = room.Name.Trimmed();
  return !Contains(name, "Templo") && !Contains(name, "ocult") &&
         IsEmptySlot(game, room.Items(kItemSlots).Name);
}

int QuarterRoom(Build& b, int q, int quarter) {
  return CInt(Int(q * b.Rnd()) + (quarter - 1) * q + 5);
}

int DrawBarRoom(Build& b, int q, int quarter) {
  for (int tries = 0; tries < kRoomTries; ++tries) {
    int r = QuarterRoom(b, q, quarter);
    if (b.game.Rooms.Has(r) && CanHoldBar(b.game, b.game.Rooms(r))) return r;
  }
  return 0;
}

// Exit 2, 3 or 4 of the room that is open, leads somewhere and is no stairway.
int BarrableExit(const Room& room) {
  for (int slot = 2; slot <= 4; ++slot) {
    const Exit& exit = room.Exits(slot);
    if (exit.TargetRoom >= 1 && IsSet(exit.IsOpen) && !Contains(exit.Kind.Raw(), "Escale")) {
      return slot;
    }
  }
  return 0;
}

struct BarredDoor {
  int Room = 0;
  int Exit = 0;
};

BarredDoor DrawDoorRoom(Build& b, int q, int quarter) {
  for (int tries = 0; tries < kDoorRoomTries; ++tries) {
    int s = QuarterRoom(b, q, quarter);
    if (!b.game.Rooms.Has(s)) continue;
    int e = BarrableExit(b.game.Rooms(s));
    if (e != 0) return {s, e};
  }
  return {};
}

int DistanceToNearestDoor(const Room& room, Cell cell) {
  int nearest = 1 << 20;
  for (const Exit& exit : room.Exits) {
    if (exit.TargetRoom <= 0) continue;
    nearest = std::min(nearest, std::abs(cell.X - exit.X) + std::abs(cell.Y - exit.Y));
  }
  return nearest;
}

Cell CellAgainstWall(Build& b, const Room& room, int side) {
  auto along = [&](int16_t size) { return static_cast<int16_t>(Int(size * b.Rnd()) + 1); };
  switch (side) {
    case 2:
      return {along(room.Width), room.Height};
    case 3:
      return {room.Width, along(room.Height)};
    case 4:
      return {along(room.Width), 1};
    default:
      return {1, along(room.Height)};
  }
}

// The bar stands against the first wall without a door; in a room with a door on
// every wall, away from the doors when a cell can be found.
Cell BarCell(Build& b, const Room& room) {
  for (int s = 1; s <= 4; ++s) {
    if (!WallTaken(room, s)) return CellAgainstWall(b, room, s);
  }
  for (int tries = 0; tries < kBarCellTries; ++tries) {
    Cell cell = CellAgainstWall(b, room, 1);
    if (DistanceToNearestDoor(room, cell) >= 3) return cell;
  }
  return CellAgainstWall(b, room, 1);
}

void LayBar(Build& b, int barRoom, BarredDoor door) {
  Room& room = b.game.Rooms(barRoom);
  Cell cell = BarCell(b, room);
  Item& bar = room.Items(FreeItemSlot(b.game, room));
  bar = Item{};
  bar.Name = "Barra de metal";
  bar.IsBar = kTrue;
  bar.X = cell.X;
  bar.Y = cell.Y;
  bar.BarPosition = static_cast<int16_t>(Int(2 * b.Rnd()));
  bar.BarTargetRoom = static_cast<int16_t>(door.Room);
  bar.BarTargetExit = static_cast<int16_t>(door.Exit);
  Exit& barred = b.game.Rooms(door.Room).Exits(door.Exit);
  barred.IsOpen = kFalse;
  barred.LockNo = -1;
}

void PlaceBarPuzzle(Build& b, int q, int barQuarter) {
  for (int round = 0; round < kBarRoomRounds; ++round) {
    int barRoom = DrawBarRoom(b, q, barQuarter);
    if (barRoom == 0) break;
    BarredDoor door = DrawDoorRoom(b, q, barQuarter + 1);
    if (door.Room != 0) return LayBar(b, barRoom, door);
  }
  b.OutOfTries();  // a lenient build leaves this puzzle out
}

}  // namespace

void AddShortcut(Build& b) {
  int last = LastRoom(b.game);
  int q = last / 4;
  for (int tries = 0; tries < kRoomTries; ++tries) {
    int a = DrawShortcutRoom(b, q, last);
    int other = DrawShortcutRoom(b, q, last);
    if (a == 0 || other == 0) continue;
    int side = SharedSide(b.game.Rooms(a), b.game.Rooms(other));
    if (side != 0) return JoinRooms(b, a, other, side);
  }
  b.OutOfTries();  // a lenient build goes without the shortcut
}

void PlaceBarPuzzles(Build& b) {
  int q = CInt((LastRoom(b.game) - 10) / 4.0);
  PlaceBarPuzzle(b, q, 1);
  PlaceBarPuzzle(b, q, 3);
}

}  // namespace build

void AddShortcut(Game& game) {
  build::Build b{game};
  build::AddShortcut(b);
}

void PlaceBarPuzzles(Game& game) {
  build::Build b{game};
  build::PlaceBarPuzzles(b);
}

}  // namespace zorvek
