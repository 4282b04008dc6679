#include "app/qt/KeyCodes.hpp"

#include <QKeyEvent>

namespace zorvek::qt {

namespace {

// Codes of the keys outside the letters, digits and function keys.
struct Named {
  int QtKey;
  int16_t Code;
};
constexpr Named kNamedKeys[] = {
    {Qt::Key_Backspace, 8},    {Qt::Key_Tab, 9},          {Qt::Key_Backtab, 9},
    {Qt::Key_Clear, 12},       {Qt::Key_Return, 13},      {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},       {Qt::Key_Control, 17},     {Qt::Key_Alt, 18},
    {Qt::Key_AltGr, 18},       {Qt::Key_Pause, 19},       {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, 27},      {Qt::Key_Space, 32},       {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34},    {Qt::Key_End, 35},         {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},        {Qt::Key_Up, 38},          {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},        {Qt::Key_Print, 44},       {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},      {Qt::Key_Meta, 91},        {Qt::Key_Super_L, 91},
    {Qt::Key_Super_R, 92},     {Qt::Key_Menu, 93},        {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145}, {Qt::Key_Asterisk, 106},   {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},      {Qt::Key_Minus, 189},      {Qt::Key_Period, 190},
    {Qt::Key_Ntilde, 192},     {Qt::Key_Apostrophe, 219}, {Qt::Key_exclamdown, 221},
    {Qt::Key_Less, 226},       {Qt::Key_Ccedilla, 191},
};

// Keypad keys that differ from their main-block twins.
constexpr Named kKeypadKeys[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107},  {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

}  // namespace

int16_t KeyCodeOf(int qtKey, bool keypad) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) {
    // The keypad's digits have codes of their own: they are not menu digits.
    int digit = qtKey - Qt::Key_0;
    return static_cast<int16_t>(keypad ? 96 + digit : 48 + digit);
  }
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<int16_t>(qtKey);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) {
    return static_cast<int16_t>(112 + (qtKey - Qt::Key_F1));
  }
  if (keypad) {
    for (const Named& k : kKeypadKeys) {
      if (k.QtKey == qtKey) return k.Code;
    }
  }
  for (const Named& k : kNamedKeys) {
    if (k.QtKey == qtKey) return k.Code;
  }
  return 0;
}

std::optional<GameKey> TranslateKey(const QKeyEvent& event) {
  Qt::KeyboardModifiers mods = event.modifiers();
  int16_t code = KeyCodeOf(event.key(), mods.testFlag(Qt::KeypadModifier));
  if (code == 0) return std::nullopt;
  int16_t shift = 0;
  if (mods.testFlag(Qt::ShiftModifier)) shift |= 1;
  if (mods.testFlag(Qt::ControlModifier)) shift |= 2;
  if (mods.testFlag(Qt::AltModifier)) shift |= 4;
  return GameKey{code, shift};
}

}  // namespace zorvek::qt
