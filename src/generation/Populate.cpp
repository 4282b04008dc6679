#include <algorithm>
#include <vector>

#include "catalogue/Catalogues.hpp"
#include "generation/Builder.hpp"

namespace zorvek {

namespace build {

namespace {

constexpr int kLockCount = 20;
// More members than being slots would be cut anyway; drawing stops there.
constexpr int kMostMembers = kBeingSlots + 1;

struct Member {
  int Kind = 0;
  int32_t Life = 0;
};

bool CatalogueLooksBuilt(const Game& game) {
  if (!game.MonsterCatalogue.Has(1)) return false;
  int32_t life = game.MonsterCatalogue(1).MaxLife;
  return life >= 1 && life <= 250;
}

std::vector<int> Candidates(const Game& game, int16_t leastLife, int16_t greatestLife) {
  std::vector<int> kinds;
  for (int i = game.MonsterCatalogue.Lower(); i <= game.MonsterCatalogue.Upper(); ++i) {
    int32_t life = game.MonsterCatalogue(i).MaxLife;
    if (life >= leastLife && life <= greatestLife) kinds.push_back(i);
  }
  return kinds;
}

// Members are drawn until their lives pass the group budget; the one that passed it
// leaves again unless it is alone.
std::vector<Member> DrawGroup(Build& b, const std::vector<int>& kinds, int16_t groupLife) {
  std::vector<Member> group;
  int64_t total = 0;
  while (total <= groupLife && static_cast<int>(group.size()) < kMostMembers) {
    Member m;
    m.Kind = kinds.at(static_cast<std::size_t>(Int(b.Rnd() * static_cast<double>(kinds.size()))));
    m.Life = CInt((b.Rnd() * 0.25 + 0.8) * b.game.MonsterCatalogue(m.Kind).MaxLife);
    total += m.Life;
    group.push_back(m);
  }
  if (group.size() >= 2) group.pop_back();
  return group;
}

// The cell of a group or boss: anywhere but against the walls, when the room allows.
Cell InnerCell(Build& b, const Room& room) {
  Cell cell{2, 2};
  if (room.Width != 2) cell.X = static_cast<int16_t>(Int((room.Width - 2) * b.Rnd()) + 2);
  if (room.Height != 2) cell.Y = static_cast<int16_t>(Int((room.Height - 2) * b.Rnd()) + 2);
  return cell;
}

int FreeBeingSlot(const Room& room) {
  for (int i = 1; i <= kBeingSlots; ++i) {
    if (room.Beings(i) < 1) return i;
  }
  return 0;
}

int16_t AppendBeing(Game& game, const Being& being) {
  return static_cast<int16_t>(game.DungeonBeings.Append(being));
}

}  // namespace

void PopulateRoom(Build& b, int16_t groupLife, int16_t leastLife, int16_t greatestLife, int room) {
  Game& game = b.game;
  if (!CatalogueLooksBuilt(game)) BuildMonsterCatalogue(game);
  std::vector<int> kinds = Candidates(game, leastLife, greatestLife);
  if (kinds.empty()) return;
  std::vector<Member> group = DrawGroup(b, kinds, groupLife);
  Cell cell = InnerCell(b, game.Rooms(room));
  for (const Member& m : group) {
    int slot = FreeBeingSlot(game.Rooms(room));
    if (slot == 0) break;  // the room is full: the rest of the group stays away
    Being being = game.MonsterCatalogue(m.Kind);
    being.Life = being.MaxLife = m.Life;
    being.X = cell.X;
    being.Y = cell.Y;
    game.Rooms(room).Beings(slot) = AppendBeing(game, being);
  }
}

void PlaceBoss(Build& b) {
  Game& game = b.game;
  int last = LastRoom(game);
  Being boss = game.Bosses(std::clamp<int>(game.Phase, 1, 5));
  Cell cell = InnerCell(b, game.Rooms(last));
  boss.X = cell.X;
  boss.Y = cell.Y;
  int slot = FreeBeingSlot(game.Rooms(last));
  if (slot == 0) {
    b.OutOfTries();
    slot = kBeingSlots;  // a full room: the boss takes the last monster's place
  }
  game.Rooms(last).Beings(slot) = AppendBeing(game, boss);
}

bool LockDoor(Game& game, int room, int slot) {
  if (game.LocksPlaced >= kLockCount) return false;  // lock 21 would have no key name
  Exit& door = game.Rooms(room).Exits(slot);
  door.IsOpen = kFalse;
  door.LockNo = static_cast<int16_t>(game.LocksPlaced + 1);
  ++game.LocksPlaced;
  return true;
}

}  // namespace build

void PopulateRoom(Game& game, int16_t groupLife, int16_t leastLife, int16_t greatestLife,
                  int room) {
  build::Build b{game};
  build::PopulateRoom(b, groupLife, leastLife, greatestLife, room);
}

void PlaceBoss(Game& game) {
  build::Build b{game};
  build::PlaceBoss(b);
}

bool PlaceLock(Game& game, int room) {
  const Room& r = game.Rooms(room);
  for (int slot = build::kExitSlots; slot >= 1; --slot) {
    if (!build::InUse(r.Exits(slot))) continue;
    return slot != 1 && build::LockDoor(game, room, slot);
  }
  return false;
}

}  // namespace zorvek
