// The menu bar in menu mode without a drop-down: a button moved onto from a
// drop-down that has none of its own (a command item, or a disabled one)
// is only highlighted, as a native bar shows it. The bar keeps the keyboard
// and the pointer (captured) until the user moves on to a drop-down, runs
// the command, or leaves.
#include "skin/WinSkinMenu/WinSkinMenu.h"

namespace skin {
namespace {

// What the highlight does next.
enum class TStep { Stay, Move, Open, Run, Leave };

bool IsClick(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
           message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN ||
           message == WM_NCMBUTTONDOWN;
}

// Messages of the keyboard and the pointer the highlight takes for itself.
bool IsInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

} // namespace

int TWinSkinMenu::HoldHighlight(int index) {
    const HWND window = FFrame.FWindow;
    FFrame.FMenuTracking = true;
    SetCapture(window);
    const bool mirrored = RightToLeft();
    int next = NoButton;
    MSG msg{};
    // The buttons may be built again by a message dispatched here.
    for (bool holding = true; holding && GetCapture() == window;) {
        if (index >= int(FButtons.size())) {
            break;
        }
        FButtons[size_t(index)]->Press();
        if (!GetMessageW(&msg, nullptr, 0, 0)) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        if (msg.message == WM_CANCELMODE) {
            break;
        }
        if (!IsInput(msg.message)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
            continue;
        }
        TStep step = TStep::Stay;
        TMenuBtn* target = nullptr;
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            // A letter comes back as a character message.
            TranslateMessage(&msg);
            WPARAM key = msg.wParam;
            if (mirrored && (key == VK_LEFT || key == VK_RIGHT)) {
                key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
            }
            if (key == VK_LEFT || key == VK_RIGHT) {
                target = Neighbour(index, key == VK_LEFT ? -1 : +1);
                step = TStep::Move;
            } else if (key == VK_RETURN) {
                step = TStep::Run;
            } else if (key == VK_ESCAPE || key == VK_MENU || key == VK_F10) {
                step = TStep::Leave;
            }
        } else if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
            // A button's letter chooses it, as a click would.
            target = static_cast<TMenuBtn*>(FindAccelerator(wchar_t(msg.wParam)));
            step = !target ? TStep::Stay : DropsDown(*target) ? TStep::Open : TStep::Run;
        } else if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) {
            target = static_cast<TMenuBtn*>(MenuButtonAt(FFrame.ScreenToFrame(msg.pt)));
            step = TStep::Move;
        } else if (IsClick(msg.message)) {
            target = static_cast<TMenuBtn*>(MenuButtonAt(FFrame.ScreenToFrame(msg.pt)));
            step = !target ? TStep::Leave : DropsDown(*target) ? TStep::Open : TStep::Run;
        }
        if (step == TStep::Move && target && target->FIndex != index) {
            FButtons[size_t(index)]->Leave();
            index = target->FIndex;
            if (DropsDown(*target)) {
                next = index;
                holding = false;
            }
        } else if (step == TStep::Open) {
            next = target->FIndex;
            holding = false;
        } else if (step == TStep::Run) {
            const TMenuBtn& chosen = target ? *target : *FButtons[size_t(index)];
            if (chosen.FEnabled && !chosen.FSubMenu) {
                PostMessageW(window, WM_COMMAND, chosen.FCommand, 0);
            }
            holding = false;
        } else if (step == TStep::Leave) {
            holding = false;
        }
    }
    if (GetCapture() == window) {
        ReleaseCapture();
    }
    FFrame.FMenuTracking = false;
    if (next == NoButton && index < int(FButtons.size()) &&
        FFrame.FHotObject == FButtons[size_t(index)].get()) {
        FFrame.FHotObject->Leave();
    }
    return next;
}

} // namespace skin
