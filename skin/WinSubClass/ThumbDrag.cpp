#include "skin/WinSubClass/ThumbDrag.h"

#include <windowsx.h>

namespace skin {
namespace {

// The window or the owner went: a window that lives on gets the mouse back.
bool OwnerGone(HWND window, const std::weak_ptr<void>& owner) {
    if (!IsWindow(window)) {
        return true;
    }
    if (!owner.expired()) {
        return false;
    }
    if (GetCapture() == window) {
        ReleaseCapture();
    }
    return true;
}

// Dispatches a message the loop does not keep to itself.
void PassOn(const MSG& msg) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

// The pointer of a mouse message in screen coordinates: client coordinates
// for the captured window's messages, screen ones for non-client messages.
POINT PointerOf(const MSG& msg) {
    POINT point{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (msg.message == WM_MOUSEMOVE) {
        ClientToScreen(msg.hwnd, &point);
    }
    return point;
}

} // namespace

TDragEnd RunThumbDrag(HWND window, const std::weak_ptr<void>& owner,
                      const std::function<void(POINT screen)>& onMove) {
    SetCapture(window);
    for (;;) {
        if (OwnerGone(window, owner)) {
            return TDragEnd::WindowGone;
        }
        if (GetCapture() != window) {
            return TDragEnd::CaptureLost;
        }
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            // Sent messages (a capture change among them) are handled inside
            // PeekMessage; the checks above then see their effect.
            MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            continue;
        }
        switch (msg.message) {
        case WM_QUIT:
            PostQuitMessage(int(msg.wParam));
            ReleaseCapture();
            return TDragEnd::Quit;
        case WM_LBUTTONUP:
        case WM_NCLBUTTONUP:
            ReleaseCapture();
            return TDragEnd::Released;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE) {
                ReleaseCapture();
                return TDragEnd::Cancelled;
            }
            PassOn(msg);
            break;
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
            PassOn(msg);
            if (OwnerGone(window, owner)) {
                return TDragEnd::WindowGone;
            }
            try {
                onMove(PointerOf(msg));
            } catch (const std::exception&) {
                ReleaseCapture();
                return TDragEnd::Released;
            }
            break;
        default:
            PassOn(msg);
            break;
        }
    }
}

} // namespace skin
