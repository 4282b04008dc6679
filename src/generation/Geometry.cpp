#include <array>
#include <stdexcept>

#include "generation/Builder.hpp"

namespace zorvek::build {

namespace {

int16_t Draw(Build& b, int16_t size) { return static_cast<int16_t>(Int(size * b.Rnd()) + 1); }

}  // namespace

bool WallTaken(const Room& room, int side) {
  for (const Exit& exit : room.Exits) {
    if (InUse(exit) && OnWall(room, exit, SideOf(side))) return true;
  }
  return false;
}

int TakenWalls(const Room& room) {
  int taken = 0;
  for (int side = 1; side <= 4; ++side) taken += WallTaken(room, side) ? 1 : 0;
  return taken;
}

int16_t SideOfCell(const Room& room, Cell cell) {
  if (cell.X == 0) return SideNumber(WallSide::Left);
  if (cell.Y == room.Height + 1) return SideNumber(WallSide::Top);
  if (cell.X == room.Width + 1) return SideNumber(WallSide::Right);
  return SideNumber(WallSide::Bottom);
}

int16_t RandomFreeSide(Build& b, const Room& room) {
  for (int tries = 0; tries < kSideTries; ++tries) {
    auto side = static_cast<int16_t>(Int(b.Rnd() * 4) + 1);
    if (!WallTaken(room, side)) return side;
  }
  b.OutOfTries();
  for (int16_t side = 1; side <= 4; ++side) {
    if (!WallTaken(room, side)) return side;
  }
  // Callers only ask for a side of a room with at most three doors.
  throw std::logic_error("no free wall in room " + std::to_string(room.Index));
}

Cell WallCell(Build& b, const Room& room, int side) {
  switch (SideOf(side)) {
    case WallSide::Left:
      return {0, Draw(b, room.Height)};
    case WallSide::Top:
      return {Draw(b, room.Width), static_cast<int16_t>(room.Height + 1)};
    case WallSide::Right:
      return {static_cast<int16_t>(room.Width + 1), Draw(b, room.Height)};
    default:
      return {Draw(b, room.Width), 0};
  }
}

Cell BackDoorCell(Build& b, int16_t width, int16_t height, int side) {
  double r1 = b.Rnd();
  double r2 = b.Rnd();
  std::array<int16_t, 4> xs{0, static_cast<int16_t>(Int(width * r1) + 1),
                            static_cast<int16_t>(width + 1),
                            static_cast<int16_t>(Int(width * r2) + 1)};
  double r3 = b.Rnd();
  double r4 = b.Rnd();
  std::array<int16_t, 4> ys{static_cast<int16_t>(Int(height * r3) + 1),
                            static_cast<int16_t>(height + 1),
                            static_cast<int16_t>(Int(height * r4) + 1), 0};
  auto i = static_cast<std::size_t>(side - 1);
  return {xs.at(i), ys.at(i)};
}

int FreeExitSlot(const Room& room) {
  for (int slot = 1; slot <= kExitSlots; ++slot) {
    const Exit& exit = room.Exits(slot);
    if (exit.TargetRoom < 1 && !InUse(exit)) return slot;
  }
  return 0;
}

int FreeItemSlot(const Game& game, const Room& room) {
  for (int slot = 1; slot <= kItemSlots; ++slot) {
    if (IsEmptySlot(game, room.Items(slot).Name)) return slot;
  }
  return 0;
}

const char* RandomDoorKind(Build& b) {
  static constexpr std::array<const char*, 3> kKinds{"puerta", "reja", "escalera"};
  return kKinds.at(static_cast<std::size_t>(Int(b.Rnd() * 3)));
}

}  // namespace zorvek::build
