#include <array>

#include "actions/Actions.hpp"
#include "catalogue/Catalogues.hpp"
#include "model/Grammar.hpp"

namespace zorvek {

namespace {

constexpr int16_t kBeing = 1;
constexpr int16_t kObject = 2;

constexpr std::array<const char*, 4> kMarchingPositions = {
    "Al frente a la izquierda", "Al frente a la derecha", "En retaguardia a la izquierda",
    "En retaguardia a la derecha"};

std::string Line(int number, const std::string& text) {
  return std::to_string(number) + ". " + text + "\r\n";
}

// Whether the options area shows the ">" prompt while the menu waits.
enum class Prompt { Shown, Hidden };

// The menu waits for a number: the prompt in the options area, typed digits cleared.
void AwaitNumber(Game& game, int16_t state, int16_t count, Prompt prompt) {
  game.CellMenuCount = count;
  game.SetText(TextArea::TBOpciones, prompt == Prompt::Shown ? ">" : "");
  game.CellMenuInput.clear();
  game.CellMenuState = state;
}

void CloseMenu(Game& game) {
  ResetCellMenu(game);
  game.SetText(TextArea::TBOpciones, "");
}

// An object's name as menus show it: one coin reads "Moneda ".
std::string ObjectTitle(const Item& item) {
  std::string name = item.Name.Trimmed();
  if (name == "Monedas" && item.Quantity == 1) name.back() = ' ';
  return name;
}

// An object's main menu line: its name and its quantity when above 1.
std::string ObjectLine(const Item& item) {
  if (item.Quantity > 1) return item.Name.Trimmed() + " (" + std::to_string(item.Quantity) + ") ";
  return ObjectTitle(item);
}

const Being* BeingInSlot(const Game& game, int slot) {
  int16_t b = game.CurrentRoom.Beings(slot);
  return b > 0 && game.DungeonBeings.Has(b) ? &game.DungeonBeings(b) : nullptr;
}

void OpenMainMenu(Game& game) {
  std::string list;
  int number = 0;
  auto add = [&](int16_t kind, int slot, const std::string& text) {
    if (number == Slots<CellMenuOption, 30>::kCount) return;  // the first thirty are listed
    ++number;
    list += std::to_string(number) + ". " + text;
    game.CellMenuOptions(number) = {kind, static_cast<int16_t>(slot)};
  };
  for (int i = 1; i <= 20; ++i) {
    const Being* b = BeingInSlot(game, i);
    if (b && b->X == game.CursorX && b->Y == game.CursorY)
      add(kBeing, i, b->Name.Trimmed() + "\r\n");
  }
  for (int i = 1; i <= 20; ++i) {
    const Item& item = game.CurrentRoom.Items(i);
    // A slot without a name holds nothing, even where a cell was drawn for it.
    if (IsEmptySlot(game, item.Name) || item.X != game.CursorX || item.Y != game.CursorY) continue;
    add(kObject, i, ObjectLine(item) + "\r\n");
  }
  if (number == 0) {
    game.ui().Beep();
    return;
  }
  game.SetText(TextArea::TBDatos, "Elija una opción: \r\n" + list + "0. Cancelar");
  AwaitNumber(game, 1, static_cast<int16_t>(number), Prompt::Shown);
}

void OpenSubmenu(Game& game, const std::string& title, const std::string& first,
                 const std::string& second) {
  game.SetText(TextArea::TBDatos,
               title + "\r\n" + Line(1, first) + Line(2, second) + "0. Cancelar");
  AwaitNumber(game, 2, 2, Prompt::Shown);
}

void LookAtDecoration(Game& game, const Item& item) {
  std::string verb = IsSet(item.IsPlural) ? "son" : "es";
  game.SetText(TextArea::TBDatos, "Observas un" + NounEnding(item, false) + " bonit" +
                                      NounEnding(item, true) + " " + item.Name.Trimmed() + " que " +
                                      verb + " parte del decorado");
  CloseMenu(game);
}

void ChooseEntity(Game& game, int n) {
  CellMenuOption option = game.CellMenuOptions(n);
  game.CellMenuSelection = option;
  if (option.Kind == kBeing) {
    const Being* b = BeingInSlot(game, option.Index);
    if (!b || !IsSet(b->IsHero)) {
      ResetCellMenu(game);
      return;
    }
    OpenSubmenu(game, b->Name.Trimmed(), "Reclutar", "Examinar");
    return;
  }
  const Item& item = game.CurrentRoom.Items(option.Index);
  if (IsSet(item.IsDecoration)) {
    LookAtDecoration(game, item);
  } else if (IsSet(item.IsBar)) {
    OpenSubmenu(game, item.Name.Trimmed(),
                item.BarPosition == 0 ? "Empujar hacia arriba" : "Empujar hacia abajo", "Examinar");
  } else {
    OpenSubmenu(game, ObjectTitle(item), "Coger", "Examinar");
  }
}

void OfferMarchingPositions(Game& game) {
  std::string text = "Reclutar: Elija la posición de marcha del héroe\r\n";
  int16_t highest = 0;
  for (int k = 1; k <= 4; ++k) {
    if (!IsEmptySlot(game, game.Party(k).Name)) continue;
    text += Line(k, kMarchingPositions.at(static_cast<std::size_t>(k - 1)));
    highest = static_cast<int16_t>(k);
  }
  if (highest == 0) {
    game.ui().MessageBox("Ya ha reclutado a 4 héroes", Buttons::Ok, "Zorvek");
    ResetCellMenu(game);
    return;
  }
  game.SetText(TextArea::TBDatos, text + "0. Cancelar");
  AwaitNumber(game, 3, highest, Prompt::Hidden);
}

void ExamineBeing(Game& game, const Being& b) {
  game.SetText(TextArea::TBDatos, b.Name.Trimmed() + "\r\nFuerza: " + std::to_string(b.Strength) +
                                      "\r\nDestreza: " + std::to_string(b.Dexterity) +
                                      "\r\nConstitución: " + std::to_string(b.Constitution) +
                                      "\r\nPoder: " + std::to_string(b.Power) +
                                      "\r\nArma: " + b.RightHand.Name.Trimmed());
  CloseMenu(game);
}

void PushBar(Game& game, Item& bar) {
  game.SetText(TextArea::TBDatos,
               std::string("Mientras la barra se va moviendo hacia ") +
                   (bar.BarPosition == 0 ? "arriba" : "abajo") +
                   ", un extraño temblor sacude el suelo bajo tus pies, y cesa cuando la barra se "
                   "detiene al alcanzar una especie de tope.");
  bar.BarPosition = static_cast<int16_t>(1 - bar.BarPosition);
  if (game.Rooms.Has(bar.BarTargetRoom) && bar.BarTargetExit >= 1 && bar.BarTargetExit <= 5) {
    Flag& open = game.Rooms(bar.BarTargetRoom).Exits(bar.BarTargetExit).IsOpen;
    open = ToFlag(!IsSet(open));
  }
  CloseMenu(game);
}

void OfferTakers(Game& game) {
  std::string text = "Indique con cuál de los héroes desea cogerlo: \r\n";
  int16_t highest = 0;
  for (int k = 1; k <= 4; ++k) {
    const Being& h = game.Party(k);
    if (IsEmptySlot(game, h.Name) || h.Life <= 0) continue;
    text += Line(k, h.Name.Trimmed());
    highest = static_cast<int16_t>(k);
  }
  game.SetText(TextArea::TBDatos, text + "0. Cancelar");
  AwaitNumber(game, 3, highest, Prompt::Hidden);
}

void ChooseAction(Game& game, int n) {
  CellMenuOption sel = game.CellMenuSelection;
  if (sel.Kind == kBeing) {
    const Being* b = BeingInSlot(game, sel.Index);
    if (!b) {
      ResetCellMenu(game);
    } else if (n == 1) {
      OfferMarchingPositions(game);
    } else {
      ExamineBeing(game, *b);
    }
    return;
  }
  Item& item = game.CurrentRoom.Items(sel.Index);
  if (n == 2) {
    game.SetText(TextArea::TBDatos, DescribeItem(item));
    CloseMenu(game);
  } else if (IsSet(item.IsBar)) {
    PushBar(game, item);
  } else {
    OfferTakers(game);
  }
}

void Recruit(Game& game, int position) {
  if (!IsEmptySlot(game, game.Party(position).Name)) {
    game.SetText(TextArea::TBOpciones, "Cancelado");
    ResetCellMenu(game);
    return;
  }
  int slot = game.CellMenuSelection.Index;
  const Being* candidate = BeingInSlot(game, slot);
  if (!candidate) {
    ResetCellMenu(game);
    return;
  }
  game.Party(position) = *candidate;
  game.CurrentRoom.Beings(slot) = 0;
  if (game.Rooms.Has(game.CurrentRoomIndex)) game.Rooms(game.CurrentRoomIndex).Beings(slot) = 0;
  game.SetText(TextArea::TBDatos, game.Party(position).Name.Trimmed() + "  Reclutado.");
  game.RecruitedCount = Add16(game.RecruitedCount, 1);
  game.AnyRecruited = true;
  if (game.RecruitedCount >= 4) game.RecruitingOpen = false;
  CloseMenu(game);
}

void ChooseFollowUp(Game& game, int n) {
  if (game.CellMenuSelection.Kind == kBeing) {
    Recruit(game, n);
    return;
  }
  const Being& h = game.Party(n);
  // Only the heroes the list offered may take: an empty or fallen position is refused.
  if (IsEmptySlot(game, h.Name) || h.Life <= 0) {
    ResetCellMenu(game);
    return;
  }
  TakeObject(game, n, game.CellMenuSelection.Index, TakingCue::Play);
  CloseMenu(game);
}

}  // namespace

void ResetCellMenu(Game& game) {
  game.CellMenuState = 0;
  game.CellMenuInput.clear();
}

void HandleCellMenu(Game& game, const std::string& input) {
  if (game.CellMenuState == 0) {
    OpenMainMenu(game);
    return;
  }
  int n = CInt(ParseTypedNumber(input));
  if (n < 1 || n > game.CellMenuCount) {
    ResetCellMenu(game);
    return;
  }
  switch (game.CellMenuState) {
    case 1:
      ChooseEntity(game, n);
      break;
    case 2:
      ChooseAction(game, n);
      break;
    case 3:
      ChooseFollowUp(game, n);
      break;
    default:
      ResetCellMenu(game);
      break;
  }
}

}  // namespace zorvek
