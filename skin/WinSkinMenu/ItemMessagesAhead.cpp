#include "skin/WinSkinMenu/ItemMessagesAhead.h"

#include "skin/WinSkinForm/WinSkinForm.h"

namespace skin {

TItemMessagesAhead::TItemMessagesAhead(TWinSkinForm& frame) : frame_(frame) {
    procedure_.Install(frame.FWindow, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
        return OnMessage(msg, wParam, lParam);
    });
}

LRESULT TItemMessagesAhead::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_MEASUREITEM &&
        frame_.MeasureOwnItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
        return TRUE;
    }
    if (msg == WM_DRAWITEM &&
        frame_.DrawOwnItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
        return TRUE;
    }
    return procedure_.CallNext(msg, wParam, lParam);
}

} // namespace skin
