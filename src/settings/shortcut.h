// Keyboard shortcuts as the platform codes them: a 16-bit value holding the
// virtual-key code in the low byte and the modifiers Shift 0x2000, Ctrl
// 0x4000 and Alt 0x8000; 0 is "no shortcut".
//
// The text form is the modifiers, each followed by "+", in the order
// Shift, Ctrl, Alt, then one key name: "Ctrl+Shift+A" is read like
// "Shift+Ctrl+A" and written as the latter. Key names: A to Z, 0 to 9,
// F1 to F24, Backspace, Tab, Enter, Esc, Space, PgUp, PgDn, End, Home,
// Left, Up, Right, Down, Ins, Del. Reading ignores letter case and also
// takes BkSp, Return, Escape, PageUp, PageDown, Insert and Delete. The empty
// text is "no shortcut".
#pragma once
#include <cstdint>
#include <string>

namespace quellon {

using TShortCut = uint16_t;

constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

// False when the text is not a shortcut of the form above.
bool TextToShortCut(const std::wstring& text, TShortCut& shortCut);
// The text form; empty for 0 and for keys without a name.
std::wstring ShortCutToText(TShortCut shortCut);

}  // namespace quellon
