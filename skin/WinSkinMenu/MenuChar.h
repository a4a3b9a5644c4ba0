// The letters of owner-drawn menus. The system finds no "&" letter in an
// item it does not draw and asks the menu's owner (WM_MENUCHAR); the answer
// comes from the items' captions, as the system would find it in its own.
#pragma once

#include <windows.h>

#include <string>

namespace skin {

// The character after a single "&" ("&&" stands for "&" itself), or 0.
wchar_t AcceleratorOf(const std::wstring& caption);

// The answer to WM_MENUCHAR for `key` typed in `menu`: the one enabled item
// with that letter chosen (MNC_EXECUTE), or, when several share it, the next
// one after the highlighted item selected (MNC_SELECT); MNC_IGNORE when
// none has it.
LRESULT AnswerMenuChar(HMENU menu, wchar_t key);

} // namespace skin
