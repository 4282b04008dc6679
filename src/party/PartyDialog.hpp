#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "model/Game.hpp"
#include "party/Equipment.hpp"
#include "platform/Dialog.hpp"

namespace zorvek {

// The party dialog, window "Dialog": one hero's sheet and objects at a time, the
// marching positions and the object menu MnuOpc. Everything it changes is written
// straight into the game's tables.
//
// Controls: Option1(0..3), TBNombre, Label1, TBCarac, Label2, List1, Command1, Command2,
// OKButton, and the menu entries MnuOpcDer, MnuOpcIzq, MnuOpcCue, MnuOpcInv, MnuOpcDar
// with MnuOpcDarLis(1..4), MnuOpcDej, MnuOpcUti, MnuOpcExa.
class PartyDialog final : public DialogModel {
 public:
  explicit PartyDialog(Game& game);

  DialogId Id() const override { return DialogId::Dialog; }
  std::string Caption() const override { return "EL GRUPO DE HÉROES"; }
  void Load() override;
  bool Act(std::string_view control, std::optional<int> arg) override;
  bool Closed() const override { return closed_; }
  std::string CloseControl() const override { return "OKButton"; }

  // The control events of the window.
  void Option1_Click(int index);
  void List1_GotFocus();
  void List1_Click(int line);
  void Command1_Click();
  void MnuOpcDer_Click();
  void MnuOpcIzq_Click();
  void MnuOpcCue_Click();
  void MnuOpcInv_Click();
  void MnuOpcDarLis_Click(int index);
  void MnuOpcDej_Click();
  void MnuOpcUti_Click();
  void MnuOpcExa_Click();
  void OKButton_Click();

  // The party position (1 to 4) shown.
  int SelectedHero() const { return selectedHero_; }
  // The shown hero's right hand holds a two-handed weapon.
  bool TwoHandedInRight() const { return twoHandedInRight_; }
  const DialogControls& Controls() const { return controls_; }

 private:
  Being& Hero() { return game_.Party(selectedHero_); }
  void ShowCaptions();
  void ShowHeroNames();
  void ListInventory(int position);
  void ApplyMenuRules();
  // The place of the selected line of List1, or nullopt with no line selected.
  std::optional<party::Place> SelectedPlace() const;
  // Whether the object menu can be opened (Command2 enabled) and `entry` is enabled.
  bool MenuEntryReady(const std::string& entry) const;
  // Runs one menu entry on the selected place, then shows the hero again.
  void RunEntry(const std::function<void(party::Place)>& operation);
  void ShowHeroAgain();

  Game& game_;
  DialogControls controls_;
  int selectedHero_ = 1;
  bool twoHandedInRight_ = false;
  int coinsLine_ = -1;  // the List1 line of the coins, -1 when there is none
  bool closed_ = false;
};

// The hero sheet of TBCarac.
std::string HeroSheet(const Being& hero);

}  // namespace zorvek
