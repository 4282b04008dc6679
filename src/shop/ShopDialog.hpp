#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/Game.hpp"
#include "platform/Dialog.hpp"

namespace zorvek {

// The gnome's shop, window "DLGTienda": the chosen hero buys what lies on the shelves
// (the objects of the current room), sells what it carries, or hands coins to another
// hero. Everything it changes is written straight into the game's tables.
//
// Controls: Text1, CBComprar, CBVender, CBSalir; the buying frame FRComprar with
// FREstanterías / List1, CBComprarOb, CBExaminarOb, FRHéroes / Option1(0..3),
// FRInventario / List2 and Text2, CBDar; the selling frame FRVender with FRHéroes2 /
// Option2(0..3), FRInventario2 / List3 and TBMonedas2, CBVenderOb, CBExaminarOb2.
// A frame's "enabled" state is whether it is shown; a hidden frame's controls refuse
// every event.
class ShopDialog final : public DialogModel {
 public:
  explicit ShopDialog(Game& game);

  DialogId Id() const override { return DialogId::DLGTienda; }
  std::string Caption() const override { return "Gnomos y Compañía"; }
  void Load() override;
  bool Act(std::string_view control, std::optional<int> arg) override;
  bool Closed() const override { return closed_; }
  std::string CloseControl() const override { return "CBSalir"; }

  // The control events of the window.
  void CBComprar_Click();
  void CBVender_Click();
  void List1_Click(int line);
  void List2_Click(int line);
  void List3_Click(int line);
  void CBComprarOb_Click();
  void CBExaminarOb_Click();
  void Option1_Click(int index);
  void Option2_Click(int index);
  void CBDar_Click();
  void CBVenderOb_Click();
  void CBExaminarOb2_Click();
  void CBSalir_Click();

  // The party position (1 to 4) who buys and sells.
  int SelectedHero() const { return selectedHero_; }
  const DialogControls& Controls() const { return controls_; }

 private:
  void ShowCaptions();
  void ShowHeroOptions();
  void FillShelves();
  void RefreshHeroLists();
  void ShowFrame(bool buying);
  void SelectHero(int index);
  bool ActOnList(const std::string& list, int line);
  bool ActInBuyingFrame(std::string_view control, int arg);
  bool ActInSellingFrame(std::string_view control, int arg);

  Game& game_;
  DialogControls controls_;
  int selectedHero_ = 1;
  bool closed_ = false;
};

}  // namespace zorvek
