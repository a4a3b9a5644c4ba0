#include "skin/WinSkinMenu/MenuChar.h"

#include "toolkit/Menus.h"
#include "toolkit/Text.h"

#include <cwctype>
#include <vector>

namespace skin {
namespace {

// The longest native item text read.
constexpr int MaxItemText = 80;

// The caption of the item at `position`: a toolkit item's own, or the native
// item's text up to its shortcut (after a tab); empty for a separator, a
// picture or a disabled item.
std::wstring EnabledCaption(HMENU menu, int position) {
    wchar_t text[MaxItemText + 1] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_DATA | MIIM_STATE | MIIM_STRING | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = MaxItemText;
    if (!GetMenuItemInfoW(menu, UINT(position), TRUE, &info) ||
        (info.fState & (MFS_GRAYED | MFS_DISABLED)) || (info.fType & MFT_SEPARATOR)) {
        return {};
    }
    const tk::MenuItem* item = tk::MenuItem::FromCommand(info.wID);
    if (item && reinterpret_cast<ULONG_PTR>(item) == info.dwItemData) {
        return tk::Widen(item->Caption());
    }
    const std::wstring all = text;
    return all.substr(0, all.find(L'\t'));
}

} // namespace

wchar_t AcceleratorOf(const std::wstring& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == L'&') {
            if (caption[i + 1] != L'&') {
                return caption[i + 1];
            }
            ++i;
        }
    }
    return 0;
}

LRESULT AnswerMenuChar(HMENU menu, wchar_t key) {
    const wint_t wanted = std::towupper(key);
    std::vector<int> matches;
    int hilited = -1;
    for (int i = 0, count = menu ? GetMenuItemCount(menu) : 0; i < count; ++i) {
        if (GetMenuState(menu, UINT(i), MF_BYPOSITION) & MF_HILITE) {
            hilited = i;
        }
        const wchar_t letter = AcceleratorOf(EnabledCaption(menu, i));
        if (letter && std::towupper(letter) == wanted) {
            matches.push_back(i);
        }
    }
    if (matches.empty()) {
        return MAKELRESULT(0, MNC_IGNORE);
    }
    if (matches.size() == 1) {
        return MAKELRESULT(matches.front(), MNC_EXECUTE);
    }
    for (const int position : matches) {
        if (position > hilited) {
            return MAKELRESULT(position, MNC_SELECT);
        }
    }
    return MAKELRESULT(matches.front(), MNC_SELECT);
}

} // namespace skin
