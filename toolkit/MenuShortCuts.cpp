#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Menus.h"

namespace tk {
namespace {

bool KeyDown(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

// The key with the modifiers held, as ShortCut stores it; 0 for a modifier.
int ShortCutOf(WPARAM key) {
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key > 0xFF) {
        return 0;
    }
    int shortCut = int(key);
    if (KeyDown(VK_SHIFT)) {
        shortCut |= scShift;
    }
    if (KeyDown(VK_CONTROL)) {
        shortCut |= scCtrl;
    }
    if (KeyDown(VK_MENU)) {
        shortCut |= scAlt;
    }
    return shortCut;
}

MenuItem* FindShortCut(MenuItem& parent, int shortCut) {
    for (MenuItem* item : parent.Items()) {
        if (!item->Enabled() || !item->Visible()) {
            continue;
        }
        if (item->ShortCut() == shortCut && (item->OnClick || item->GetAction())) {
            return item;
        }
        if (MenuItem* found = FindShortCut(*item, shortCut)) {
            return found;
        }
    }
    return nullptr;
}

} // namespace

bool IsMenuShortCut(const MSG& msg) {
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) {
        return false;
    }
    const int shortCut = ShortCutOf(msg.wParam);
    auto* form = dynamic_cast<Form*>(WinControl::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)));
    if (!shortCut || !form || !form->Menu()) {
        return false;
    }
    MenuItem* item = FindShortCut(form->Menu()->Items(), shortCut);
    if (!item) {
        return false;
    }
    try {
        item->Click();
    } catch (const std::exception& error) {
        ReportException(*form, error);
    }
    return true;
}

} // namespace tk
