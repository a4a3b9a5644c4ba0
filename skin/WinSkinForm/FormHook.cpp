// The form hook: the frame's handler on a form's own message handling (the
// toolkit's window procedure of the form), for what the form itself hears:
// its caption text, the skin's refresh and Alt with a character.
#include "skin/WinSkinForm/WinSkinForm.h"

#include "skin/WinSkinData/WinSkinData.h"
#include "toolkit/Notifications.h"

namespace skin {

void TWinSkinForm::FormMessageHook(tk::Message& message) {
    switch (message.msg) {
    case WM_SETTEXT:
        return OnFormSetText(message);
    case WM_SKINREFRESH:
        return OnFormRefresh(message);
    case tk::NotifyDialogChar:
        return OnFormDialogChar(message);
    default:
        return PassToFormHandler(message);
    }
}

// The handler this hook replaced: the hook is removed last in, first out, so
// the newest saved handler is the one below this hook.
void TWinSkinForm::PassToFormHandler(tk::Message& message) {
    if (!oldFormHandlers_.empty() && oldFormHandlers_.back()) {
        // A copy: the handler may replace the form's handlers while it runs.
        const tk::MessageHandler previous = oldFormHandlers_.back();
        previous(message);
    }
}

void TWinSkinForm::OnFormSetText(tk::Message& message) {
    PassToFormHandler(message);
    const auto* text = reinterpret_cast<const wchar_t*>(message.lParam);
    FCaption = text ? text : L"";
    ForceFrameChange();
}

void TWinSkinForm::OnFormRefresh(tk::Message& message) {
    ApplySkinColours();
    message.result = 0;
}

void TWinSkinForm::OnFormDialogChar(tk::Message& message) {
    if (OnDialogChar(message.wParam, message.lParam)) {
        message.result = 1;
        return;
    }
    PassToFormHandler(message);
}

// Alt with a menu bar button's accelerator (no other modifier) opens that
// button's drop-down once the key's message is done.
bool TWinSkinForm::OnDialogChar(WPARAM key, LPARAM flags) {
    constexpr LPARAM AltDown = LPARAM(1) << 29;
    const bool onlyAlt =
        (flags & AltDown) && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
    TNCObject* button = onlyAlt && FMenuBar ? FMenuBar->FindAccelerator(wchar_t(key)) : nullptr;
    if (!button) {
        return false;
    }
    FMenuBar->PostMenuClick(*button);
    return true;
}

} // namespace skin
