// Message crackers: the parameters of the window messages the toolkit handles,
// unpacked from a Message (reflected notifications carry the parameters of the
// message they reflect). A window procedure switches on the message and hands
// what these unpack to a named handler, one line per message. A handler
// answers whether it answered the message: true ends the handling, false
// passes the message on to the class below (and in the end DefaultHandler).
#pragma once

#include "toolkit/Control.h"

#include <windowsx.h>

namespace tk::crack {

// WM_PAINT (a device context to paint into, or none: the window's own paint),
// WM_ERASEBKGND and WM_CTLCOLOR...
inline HDC Dc(const Message& m) {
    return reinterpret_cast<HDC>(m.wParam);
}

// WM_COMMAND, WM_HSCROLL, WM_VSCROLL and WM_CTLCOLOR...: the child control's
// window (none for a menu's or a window's own scroll bar).
inline HWND ControlWindow(const Message& m) {
    return reinterpret_cast<HWND>(m.lParam);
}

// WM_COMMAND: the notification code and the menu item's or control's id.
inline UINT CommandCode(const Message& m) {
    return HIWORD(m.wParam);
}
inline UINT CommandId(const Message& m) {
    return LOWORD(m.wParam);
}

// WM_NOTIFY: the header of the notification (its first member), or its whole
// structure.
template <class T = NMHDR> T* Notification(const Message& m) {
    return reinterpret_cast<T*>(m.lParam);
}

// WM_DRAWITEM and WM_MEASUREITEM.
inline DRAWITEMSTRUCT* DrawItem(const Message& m) {
    return reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam);
}
inline MEASUREITEMSTRUCT* MeasureItem(const Message& m) {
    return reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam);
}

// WM_HSCROLL and WM_VSCROLL: the request (SB_...) and, while the thumb is
// dragged, its position.
inline int ScrollRequest(const Message& m) {
    return LOWORD(m.wParam);
}
inline int ThumbPosition(const Message& m) {
    return static_cast<short>(HIWORD(m.wParam));
}

// Mouse messages: the point in client coordinates and the MK_... keys held.
inline POINT MousePoint(const Message& m) {
    return {GET_X_LPARAM(m.lParam), GET_Y_LPARAM(m.lParam)};
}
inline WPARAM MouseKeys(const Message& m) {
    return m.wParam;
}

// WM_SETCURSOR: the window under the pointer and the hit-test code (HT...).
inline HWND CursorWindow(const Message& m) {
    return reinterpret_cast<HWND>(m.wParam);
}
inline UINT CursorHitTest(const Message& m) {
    return LOWORD(m.lParam);
}

// WM_GETDLGCODE: the key message the control is asked about, or none.
inline const MSG* DialogCodeKey(const Message& m) {
    return reinterpret_cast<const MSG*>(m.lParam);
}

} // namespace tk::crack
