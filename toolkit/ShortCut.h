// Keyboard shortcuts of menu items: a virtual-key code with modifier bits,
// and their texts ("Ctrl+S", "Shift+F4"). A key has a text when it has a
// name: letters and digits, F1 to F24, the editing and cursor keys, the
// number pad, and the punctuation keys as the keyboard layout types them.
#pragma once

#include <string>
#include <string_view>

namespace tk {

constexpr int scShift = 0x2000;
constexpr int scCtrl = 0x4000;
constexpr int scAlt = 0x8000;

// "Ctrl+Shift+Alt+" in that order, then the key's name; empty for no
// shortcut or a key without a name.
std::string ShortCutToText(int shortCut);
// The shortcut of a text ShortCutToText gives: modifiers in any order, each
// once, letters in either case; 0 for a text that names no shortcut.
int TextToShortCut(std::string_view text);

} // namespace tk
