#include <algorithm>
#include <array>
#include <vector>

#include "board/Locks.hpp"
#include "catalogue/Catalogues.hpp"
#include "generation/Builder.hpp"
#include "model/Grammar.hpp"
#include "model/Seeding.hpp"

namespace zorvek {

namespace build {

namespace {

// Strict attempts before the last, lenient one.
constexpr int kStrictAttempts = 16;
// Draws thrown away after reseeding, per attempt already made: a regeneration within
// the same second (or under a fixed seed) must not rebuild the very same dungeon.
constexpr int kDrawsSkippedPerAttempt = 101;

// What the start of a generation looked like, so that a failed attempt can be undone.
struct Snapshot {
  std::vector<Room> rooms;
  int beingsUpper = 0;
  int16_t keysPlaced = 0;
  int16_t locksPlaced = 0;

  static Snapshot Take(const Game& game) {
    Snapshot s;
    s.rooms.assign(game.Rooms.begin(), game.Rooms.end());
    s.beingsUpper = game.DungeonBeings.Upper();
    s.keysPlaced = game.KeysPlaced;
    s.locksPlaced = game.LocksPlaced;
    return s;
  }

  void Restore(Game& game) const {
    game.Rooms.ReDimPreserve(game.Rooms.Lower() + static_cast<int>(rooms.size()) - 1);
    std::copy(rooms.begin(), rooms.end(), game.Rooms.begin());
    game.DungeonBeings.ReDimPreserve(beingsUpper);
    game.KeysPlaced = keysPlaced;
    game.LocksPlaced = locksPlaced;
  }
};

struct Branch {
  int16_t Rooms = 0;
  int16_t LockPairs = 0;
};

// The room budget and lock pairs of each exit of the start room.
std::vector<Branch> SplitBudgets(Build& b, const PhaseParameters& p, int exits) {
  std::vector<Branch> branches(static_cast<std::size_t>(exits));
  int roomsGiven = 0;
  int pairsGiven = 0;
  for (int i = 0; i + 1 < exits; ++i) {
    Branch& br = branches.at(static_cast<std::size_t>(i));
    br.Rooms = CInt(Int(b.Rnd() * 7) + 1 + static_cast<double>(p.RoomBudget) / exits - 5);
    br.LockPairs = static_cast<int16_t>(p.LockPairs / exits);
    roomsGiven += br.Rooms;
    pairsGiven += br.LockPairs;
  }
  branches.back().Rooms = static_cast<int16_t>(p.RoomBudget - roomsGiven);
  branches.back().LockPairs = static_cast<int16_t>(p.LockPairs - pairsGiven);
  return branches;
}

int16_t DrawStartSide(Build& b, std::array<bool, 5>& taken) {
  for (int tries = 0; tries < kSideTries; ++tries) {
    auto side = static_cast<int16_t>(Int(b.Rnd() * 4) + 1);
    if (!taken.at(static_cast<std::size_t>(side))) return side;
  }
  b.OutOfTries();
  int16_t side = 1;
  while (taken.at(static_cast<std::size_t>(side))) ++side;
  return side;
}

// Start-room doors keep off the first and last cell of their wall.
Cell StartDoorCell(Build& b, const Room& start, int side) {
  auto along = [&](int16_t size) { return static_cast<int16_t>(Int(b.Rnd() * (size - 2)) + 2); };
  switch (side) {
    case 1:
      return {0, along(start.Height)};
    case 2:
      return {along(start.Width), static_cast<int16_t>(start.Height + 1)};
    case 3:
      return {static_cast<int16_t>(start.Width + 1), along(start.Height)};
    default:
      return {along(start.Width), 0};
  }
}

void GrowBranches(Build& b, const PhaseParameters& p, int16_t entrySide) {
  Game& game = b.game;
  std::array<bool, 5> taken{};
  if (entrySide > 0) taken.at(static_cast<std::size_t>(entrySide)) = true;
  int freeSides = static_cast<int>(std::count(taken.begin() + 1, taken.end(), false));
  int exits = std::clamp<int>(p.Exits, 1, freeSides);
  std::vector<Branch> branches = SplitBudgets(b, p, exits);
  for (int i = 1; i <= exits; ++i) {
    Branch& br = branches.at(static_cast<std::size_t>(i - 1));
    int16_t side = DrawStartSide(b, taken);
    taken.at(static_cast<std::size_t>(side)) = true;
    Cell cell = StartDoorCell(b, game.Rooms(p.StartRoom), side);
    game.LockSpacing = CInt(static_cast<double>(br.Rooms) / (2 * br.LockPairs + 1));
    game.KeysLeft = game.LocksLeft = p.LockPairs;
    game.BranchBaseRoom = p.StartRoom;
    AddRoom(b, p.StartRoom, cell, i + 1, br.Rooms, p.GroupLife, p.LeastLife, p.GreatestLife);
  }
}

// With four exits the start room's slot 1 is still empty: its fourth exit moves there.
void PackStartExits(Room& start) {
  const Exit& first = start.Exits(1);
  const Exit& fifth = start.Exits(kExitSlots);
  if (first.X != 0 || first.Y != 0 || (fifth.X == 0 && fifth.Y == 0)) return;
  start.Exits(1) = fifth;
  start.Exits(kExitSlots) = Exit{};
}

// The extra lock before the boss and its key somewhere in the middle of the dungeon.
void PlaceFinalPair(Build& b) {
  Game& game = b.game;
  int last = LastRoom(game);
  if (last - 1 >= 1) PlaceLock(game, last - 1);
  int room = Int(b.Rnd() * (last - 10)) + 5;
  if (room >= 5 && room <= last) PlaceKey(game, room);
}

// Steps of one attempt, in the order their draws are made.
void BuildOnce(Build& b, const PhaseParameters& p, int16_t entrySide) {
  GrowBranches(b, p, entrySide);
  PackStartExits(b.game.Rooms(p.StartRoom));
  PlaceBoss(b);
  PlaceExitStairs(b);
  PlaceFinalPair(b);
  PlaceShops(b, 3, p.StartRoom);
  PlaceTemple(b);
  if (b.game.Phase > 2) AddShortcut(b);
  if (b.game.Phase > 3) PlaceBarPuzzles(b);
}

// Reseeds (skipping the draws of earlier attempts) and builds; false when the attempt
// ran out of tries or gave an unsolvable dungeon.
bool TryBuild(Game& game, const PhaseParameters& p, int16_t entrySide, int attempt, bool strict) {
  Reseed(game);
  for (int i = 0; i < attempt * kDrawsSkippedPerAttempt; ++i) game.Rnd();
  Build b{game, strict};
  try {
    BuildOnce(b, p, entrySide);
  } catch (const Setback&) {
    return false;
  }
  return CheckSolvable(game);
}

// Room records are large; growing their table one room at a time would move them
// again and again. Growing once and cutting back keeps the space.
void MakeRoomFor(Game& game, const PhaseParameters& p) {
  constexpr int kShopsAndSpare = 8;
  int rooms = game.Rooms.Upper();
  game.Rooms.ReDimPreserve(rooms + p.RoomBudget + kShopsAndSpare);
  game.Rooms.ReDimPreserve(rooms);
}

GenerationReport Generate(Game& game, const PhaseParameters& p, int16_t entrySide) {
  MakeRoomFor(game, p);
  Snapshot start = Snapshot::Take(game);
  GenerationReport report;
  for (int attempt = 0; attempt < kStrictAttempts; ++attempt) {
    if (attempt > 0) start.Restore(game);
    ++report.Attempts;
    if (TryBuild(game, p, entrySide, attempt, true)) return report;
  }
  // The last resort: a lenient build eases the placements that keep failing, and
  // doors on the edge of the reachable part are opened until the dungeon is solvable.
  start.Restore(game);
  ++report.Attempts;
  report.Relaxed = true;
  TryBuild(game, p, entrySide, kStrictAttempts, false);
  OpenDoorsUntilSolvable(game);
  return report;
}

void ClearStartHall(Game& game) {
  game.Rooms.ReDimPreserve(0);
  game.Rooms.ReDimPreserve(1);
  Room& hall = game.Rooms(1);
  hall.Index = 1;
  hall.Width = 10;
  hall.Height = 10;
  hall.Name = "Gran sala de columnas";
}

void DropPartyKeys(Game& game) {
  for (Being& hero : game.Party) {
    for (Item& carried : hero.Inventory) {
      if (Contains(carried.Name.Raw(), "lave")) carried = game.EmptyItem;
    }
  }
  CompactInventories(game);
}

GenerationReport GenerateRow(Game& game, const PhaseParameters& row, int16_t entrySide) {
  return GenerateDungeonReported(game, row.StartRoom, row.Exits, row.RoomBudget, entrySide,
                                 row.GroupLife, row.LeastLife, row.GreatestLife, row.LockPairs);
}

// The highest being index the starting area refers to (the jailer's monsters).
int StartingAreaBeings(const Game& game) {
  int highest = 19;
  for (int r = 1; r <= 4; ++r) {
    for (int16_t index : game.Rooms(r).Beings) highest = std::max<int>(highest, index);
  }
  return highest;
}

}  // namespace

void PlaceExitStairs(Build& b) {
  Game& game = b.game;
  int n = LastRoom(game);
  Room& room = game.Rooms(n);
  int16_t side = RandomFreeSide(b, room);
  Cell cell = WallCell(b, room, side);
  int slot = 1;
  while (slot <= kExitSlots && room.Exits(slot).Side != 0) ++slot;
  if (slot > kExitSlots) throw std::logic_error("the boss room has no exit slot left");
  Exit& stairs = room.Exits(slot);
  stairs = Exit{};
  stairs.X = cell.X;
  stairs.Y = cell.Y;
  stairs.Kind = "puerta";
  stairs.Side = SideOfCell(room, cell);
  stairs.IsOpen = kTrue;

  Room& exitRoom = game.Rooms(0);
  exitRoom.Name = "Escaleras centrales";
  exitRoom.Width = 6;
  Exit& back = exitRoom.Exits(1);
  back.Kind = "puerta";
  back.TargetRoom = static_cast<int16_t>(n);
  back.Side = OppositeSide(side);
  back.IsOpen = kFalse;
  Cell backCell = BackDoorCell(b, game.Rooms(n).Width, game.Rooms(n).Height, back.Side);
  back.X = backCell.X;
  back.Y = backCell.Y;
}

}  // namespace build

GenerationReport GenerateDungeonReported(Game& game, int16_t startRoom, int16_t exits,
                                         int16_t roomBudget, int16_t& entrySide, int16_t groupLife,
                                         int16_t leastLife, int16_t greatestLife,
                                         int16_t lockPairs) {
  PhaseParameters p{startRoom, exits,     roomBudget,   entrySide,
                    groupLife, leastLife, greatestLife, lockPairs};
  if (entrySide > 0) entrySide = OppositeSide(entrySide);
  return build::Generate(game, p, entrySide);
}

void GenerateDungeon(Game& game, int16_t startRoom, int16_t exits, int16_t roomBudget,
                     int16_t& entrySide, int16_t groupLife, int16_t leastLife, int16_t greatestLife,
                     int16_t lockPairs) {
  GenerateDungeonReported(game, startRoom, exits, roomBudget, entrySide, groupLife, leastLife,
                          greatestLife, lockPairs);
}

GenerationReport BuildPhaseDungeonReported(Game& game, int phase) {
  game.Phase = static_cast<int16_t>(std::clamp(phase, 2, 5));
  build::ClearStartHall(game);
  build::DropPartyKeys(game);
  game.DungeonBeings.ReDim(1, 1);
  BuildLockNames(game);
  game.KeysPlaced = game.LocksPlaced = 0;
  return build::GenerateRow(game, PhaseRow(game.Phase), 0);
}

void BuildPhaseDungeon(Game& game, int phase) { BuildPhaseDungeonReported(game, phase); }

void PrepareFirstPhase(Game& game) {
  Reseed(game);
  game.Rooms.ReDim(0, 4);
  game.Phase = 1;
  game.CurrentRoomIndex = 1;
  BuildLockNames(game);
  game.KeysPlaced = game.LocksPlaced = 0;
  BuildStartingArea(game);
  BuildHeroRoster(game);
  BuildMonsterCatalogue(game);
  BuildItemCatalogue(game);
  PopulateRoom(game, 15, 0, 15, 3);
  PlaceKey(game, 3);
  PlaceLock(game, 2);
}

GenerationReport BuildFirstDungeon(Game& game) {
  PrepareFirstPhase(game);
  const PhaseParameters& row = PhaseRow(1);
  GenerationReport report = build::GenerateRow(game, row, row.EntrySide);
  ScaleForDifficulty(game);
  return report;
}

void RegeneratePhase(Game& game) {
  Reseed(game);
  if (game.Phase >= 2) {
    build::ClearStartHall(game);
    game.DungeonBeings.ReDim(1, 1);
    BuildLockNames(game);
    game.KeysPlaced = game.LocksPlaced = 0;
    build::GenerateRow(game, PhaseRow(game.Phase), 0);
    return;
  }
  // Phase 1 keeps its starting area, with key 1 in the jailer's room and lock 1 on the
  // corridor's grille, so the counters and lock names stay those of that pair.
  game.Rooms.ReDimPreserve(4);
  game.Rooms(0) = Room{};
  for (int slot = 2; slot <= build::kExitSlots; ++slot) game.Rooms(4).Exits(slot) = Exit{};
  game.DungeonBeings.ReDimPreserve(build::StartingAreaBeings(game));
  game.KeysPlaced = game.LocksPlaced = 1;
  const PhaseParameters& row = PhaseRow(1);
  build::GenerateRow(game, row, row.EntrySide);
}

void PlaceExitStairs(Game& game) {
  build::Build b{game};
  build::PlaceExitStairs(b);
}

}  // namespace zorvek
