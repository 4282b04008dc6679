#include "app/script/StateDump.hpp"

#include "app/script/Events.hpp"

namespace zorvek::script {

namespace {

bool B(Flag f) { return IsSet(f); }

template <typename T, std::size_t N, typename F>
Json Array(const Slots<T, N>& slots, F each) {
  Json out = Json::array();
  for (const auto& s : slots) out.push_back(each(s));
  return out;
}

template <typename T, typename F>
Json Array(const Table<T>& table, int from, F each) {
  Json out = Json::array();
  for (int i = std::max(from, table.Lower()); i <= table.Upper(); ++i)
    out.push_back(each(table(i)));
  return out;
}

Json DumpExit(const Exit& e) {
  return Json{
      {"X", e.X},           {"Y", e.Y},       {"Kind", e.Kind.Trimmed()},   {"IsOpen", B(e.IsOpen)},
      {"LockNo", e.LockNo}, {"Side", e.Side}, {"TargetRoom", e.TargetRoom}, {"Spare", e.Spare}};
}

}  // namespace

Json DumpItem(const Item& i) {
  return Json{{"Id", i.Id},
              {"X", i.X},
              {"Y", i.Y},
              {"Name", i.Name.Trimmed()},
              {"IsMasculine", B(i.IsMasculine)},
              {"IsPlural", B(i.IsPlural)},
              {"Quantity", i.Quantity},
              {"MaxDamage", i.MaxDamage},
              {"MaxHealing", i.MaxHealing},
              {"MagicShield", i.MagicShield},
              {"AddedMagicDamage", i.AddedMagicDamage},
              {"AttackBonus", i.AttackBonus},
              {"DefenceBonus", i.DefenceBonus},
              {"ArmourBonus", i.ArmourBonus},
              {"IsMelee", B(i.IsMelee)},
              {"IsSpell", B(i.IsSpell)},
              {"IsRanged", B(i.IsRanged)},
              {"IsTwoHanded", B(i.IsTwoHanded)},
              {"KeyNo", i.KeyNo},
              {"RestoresLife", i.RestoresLife},
              {"RestoresMagic", i.RestoresMagic},
              {"SpellLevel", i.SpellLevel},
              {"Spare", i.Spare},
              {"IsDecoration", B(i.IsDecoration)},
              {"Price", i.Price},
              {"IsNatural", B(i.IsNatural)},
              {"IsBar", B(i.IsBar)},
              {"BarPosition", i.BarPosition},
              {"BarTargetRoom", i.BarTargetRoom},
              {"BarTargetExit", i.BarTargetExit}};
}

Json DumpBeing(const Being& b) {
  return Json{{"Id", b.Id},
              {"X", b.X},
              {"Y", b.Y},
              {"Name", b.Name.Trimmed()},
              {"Strength", b.Strength},
              {"Dexterity", b.Dexterity},
              {"Constitution", b.Constitution},
              {"Power", b.Power},
              {"Life", b.Life},
              {"Magic", b.Magic},
              {"MaxLife", b.MaxLife},
              {"MaxMagic", b.MaxMagic},
              {"MeleeAttack", b.MeleeAttack},
              {"RangedAttack", b.RangedAttack},
              {"MagicAttack", b.MagicAttack},
              {"Defence", b.Defence},
              {"Armour", b.Armour},
              {"Inventory", Array(b.Inventory, DumpItem)},
              {"RightHand", DumpItem(b.RightHand)},
              {"LeftHand", DumpItem(b.LeftHand)},
              {"Coins", b.Coins},
              {"Body", DumpItem(b.Body)},
              {"Level", b.Level},
              {"Experience", b.Experience},
              {"ExperienceFactor", b.ExperienceFactor},
              {"IsHero", B(b.IsHero)}};
}

Json DumpRoom(const Room& r) {
  return Json{{"Index", r.Index},
              {"Width", r.Width},
              {"Height", r.Height},
              {"Name", r.Name.Trimmed()},
              {"Exits", Array(r.Exits, DumpExit)},
              {"Items", Array(r.Items, DumpItem)},
              {"Beings", Array(r.Beings, [](int16_t v) { return Json(v); })}};
}

Json DumpState(const Game& g) {
  Json timers{{TimerName(TimerId::TMRPersecu), g.TimerEnabled(TimerId::TMRPersecu)},
              {TimerName(TimerId::TMRRecuperacion), g.TimerEnabled(TimerId::TMRRecuperacion)},
              {TimerName(TimerId::TMRSonidos), g.TimerEnabled(TimerId::TMRSonidos)}};
  auto text = [](const std::string& s) { return Json(s); };
  return Json{{"Phase", g.Phase},
              {"CursorX", g.CursorX},
              {"CursorY", g.CursorY},
              {"CurrentRoomIndex", g.CurrentRoomIndex},
              {"Difficulty", g.Difficulty},
              {"LoadOnStart", g.LoadOnStart},
              {"AnyRecruited", g.AnyRecruited},
              {"RecruitingOpen", g.RecruitingOpen},
              {"RecruitedCount", g.RecruitedCount},
              {"InCombat", g.InCombat},
              {"CellMenuState", g.CellMenuState},
              {"CellMenuInput", g.CellMenuInput},
              {"ReadCoordinates", g.ReadCoordinates},
              {"PickupHero", g.PickupHero},
              {"KeysPlaced", g.KeysPlaced},
              {"LocksPlaced", g.LocksPlaced},
              {"ShieldBonus", g.ShieldBonus},
              {"DamageBonus", g.DamageBonus},
              {"ShieldShares", Array(g.ShieldShares, [](int16_t v) { return Json(v); })},
              {"DamageShares", Array(g.DamageShares, [](int16_t v) { return Json(v); })},
              {"LockNames", Array(g.LockNames, 1, text)},
              {"Party", Array(g.Party, DumpBeing)},
              {"Bosses", Array(g.Bosses, DumpBeing)},
              {"MonsterCatalogue", Array(g.MonsterCatalogue, 1, DumpBeing)},
              {"DungeonBeings", Array(g.DungeonBeings, 1, DumpBeing)},
              {"Rooms", Array(g.Rooms, 0, DumpRoom)},
              {"CurrentRoom", DumpRoom(g.CurrentRoom)},
              {"ItemCatalogue", Array(g.ItemCatalogue, 0, DumpItem)},
              {"ItemTiers", Array(g.ItemTiers, 0, [](int16_t v) { return Json(v); })},
              {"Timers", timers},
              {"TBGeneral", g.Text(TextArea::TBGeneral)},
              {"TBDatos", g.Text(TextArea::TBDatos)},
              {"TBOpciones", g.Text(TextArea::TBOpciones)}};
}

}  // namespace zorvek::script
