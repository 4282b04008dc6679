#include <array>
#include <string>

#include "board/Locks.hpp"
#include "generation/Builder.hpp"

namespace zorvek {

namespace build {

namespace {

constexpr std::array<const char*, 10> kOrdinaryNames{
    "Almacén",     "Sala de trofeos",       "Basurero",   "Armería",
    "Cocinas",     "Zona de entrenamiento", "Biblioteca", "Cuartel",
    "dormitorios", "Zona de mesas"};

struct Size {
  int16_t Width = 0;
  int16_t Height = 0;
};

int16_t DrawSide(Build& b) { return static_cast<int16_t>(Int(b.Rnd() * 7) + 2); }

bool SizeAllowed(Size s) {
  int area = s.Width * s.Height;
  return area >= 9 && area <= 42;
}

// Width and height of 2 to 8 each, drawn again until the floor holds 9 to 42 cells.
Size DrawSize(Build& b) {
  Size s;
  for (int tries = 0; tries < kSizeTries; ++tries) {
    s.Width = DrawSide(b);
    s.Height = DrawSide(b);
    if (SizeAllowed(s)) return s;
  }
  b.OutOfTries();
  // Keep the last width and bring the height into range.
  s.Height =
      static_cast<int16_t>(s.Width * s.Height > 42 ? 42 / s.Width : (9 + s.Width - 1) / s.Width);
  return s;
}

std::string DrawName(Build& b, Size s) {
  if (s.Width == 2 || s.Height == 2) return "Pasillo";
  if (s.Width == s.Height) return "Zona de agrupamiento";
  return kOrdinaryNames.at(static_cast<std::size_t>(Int(b.Rnd() * 10)));
}

bool IsCorridorLike(const std::string& name) {
  return name == "Zona de agrupamiento" || name == "Pasillo";
}

// At a spacing point of the branch, a key is placed while keys and locks are even,
// otherwise a lock on the door just opened, so its key always lies before it.
void LockOrKeyStep(Game& game, int parent, int doorSlot) {
  if (parent == game.BranchBaseRoom || game.LockSpacing < 1) return;
  if ((parent - game.BranchBaseRoom) % game.LockSpacing != 0) return;
  if (game.KeysPlaced > game.LocksPlaced) {
    if (game.LocksLeft > 0 && LockDoor(game, parent, doorSlot)) --game.LocksLeft;
  } else if (game.KeysLeft > 0 && PlaceKey(game, parent)) {
    --game.KeysLeft;
  }
}

Exit OpenDoor(Cell cell, const char* kind, int16_t side, int target) {
  Exit door;
  door.X = cell.X;
  door.Y = cell.Y;
  door.Kind = kind;
  door.Side = side;
  door.TargetRoom = static_cast<int16_t>(target);
  door.IsOpen = kTrue;
  return door;
}

// Appends the new room with its back door to the parent.
int AppendRoom(Build& b, int parent, const Exit& parentDoor) {
  Game& game = b.game;
  Room room;
  room.Index = static_cast<int16_t>(LastRoom(game) + 1);
  Size size = DrawSize(b);
  room.Width = size.Width;
  room.Height = size.Height;
  room.Name = DrawName(b, size);
  auto side = OppositeSide(parentDoor.Side);
  Cell cell = BackDoorCell(b, room.Width, room.Height, side);
  std::string kind = parentDoor.Kind.Trimmed();
  room.Exits(1) = OpenDoor(cell, kind.c_str(), side, parent);
  return game.Rooms.Append(room);
}

// A forward door of room n on a free wall, leading to a new room through `slot`.
void GrowFrom(Build& b, int n, int slot, int16_t& budget, int16_t groupLife, int16_t leastLife,
              int16_t greatestLife) {
  const Room& room = b.game.Rooms(n);
  Cell cell = WallCell(b, room, RandomFreeSide(b, room));
  AddRoom(b, n, cell, slot, budget, groupLife, leastLife, greatestLife);
}

}  // namespace

void AddRoom(Build& b, int parent, Cell door, int doorSlot, int16_t& budget, int16_t groupLife,
             int16_t leastLife, int16_t greatestLife) {
  Game& game = b.game;
  const char* kind = RandomDoorKind(b);
  int n = LastRoom(game) + 1;
  Room& from = game.Rooms(parent);
  from.Exits(doorSlot) = OpenDoor(door, kind, SideOfCell(from, door), n);
  Exit parentDoor = from.Exits(doorSlot);
  LockOrKeyStep(game, parent, doorSlot);
  AppendRoom(b, parent, parentDoor);
  std::string name = game.Rooms(n).Name.Trimmed();

  bool populate = b.Rnd() < 0.7;
  if (populate && name != "Pasillo") PopulateRoom(b, groupLife, leastLife, greatestLife, n);
  if (b.Rnd() < 0.9) FurnishRoom(game, name, n);

  if (IsCorridorLike(name) && budget >= 4) {
    auto sideBudget = static_cast<int16_t>(budget / 2);
    GrowFrom(b, n, 3, sideBudget, groupLife, leastLife, greatestLife);
    budget = static_cast<int16_t>(budget / 2);
  }
  if (budget < 2) {
    game.Rooms(n).Name = "Cámara oculta";
    FurnishRoom(game, "Cámara oculta", n);
    return;
  }
  auto chainBudget = static_cast<int16_t>(budget - 1);
  GrowFrom(b, n, 2, chainBudget, groupLife, leastLife, greatestLife);
}

}  // namespace build

void AddRoom(Game& game, int parent, int16_t doorX, int16_t doorY, int doorSlot, int16_t& budget,
             int16_t groupLife, int16_t leastLife, int16_t greatestLife) {
  build::Build b{game};
  build::AddRoom(b, parent, {doorX, doorY}, doorSlot, budget, groupLife, leastLife, greatestLife);
}

}  // namespace zorvek
