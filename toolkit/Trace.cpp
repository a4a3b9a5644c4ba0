#include "toolkit/Trace.h"

#include "toolkit/Notifications.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>

namespace tk {
namespace {

constexpr MessageNameEntry Named(unsigned msg, std::string_view name) {
    return {msg, name};
}
// Each entry's name is the spelling of its value.
#define TK_NAMED(value) Named(value, #value)

constexpr auto SystemMessages = std::to_array<MessageNameEntry>({
    TK_NAMED(WM_NULL),
    TK_NAMED(WM_CREATE),
    TK_NAMED(WM_DESTROY),
    TK_NAMED(WM_MOVE),
    TK_NAMED(WM_SIZE),
    TK_NAMED(WM_ACTIVATE),
    TK_NAMED(WM_SETFOCUS),
    TK_NAMED(WM_KILLFOCUS),
    TK_NAMED(WM_ENABLE),
    TK_NAMED(WM_SETREDRAW),
    TK_NAMED(WM_SETTEXT),
    TK_NAMED(WM_GETTEXT),
    TK_NAMED(WM_GETTEXTLENGTH),
    TK_NAMED(WM_PAINT),
    TK_NAMED(WM_CLOSE),
    TK_NAMED(WM_QUIT),
    TK_NAMED(WM_ERASEBKGND),
    TK_NAMED(WM_SYSCOLORCHANGE),
    TK_NAMED(WM_SHOWWINDOW),
    TK_NAMED(WM_ACTIVATEAPP),
    TK_NAMED(WM_CANCELMODE),
    TK_NAMED(WM_SETCURSOR),
    TK_NAMED(WM_MOUSEACTIVATE),
    TK_NAMED(WM_GETMINMAXINFO),
    TK_NAMED(WM_DRAWITEM),
    TK_NAMED(WM_MEASUREITEM),
    TK_NAMED(WM_SETFONT),
    TK_NAMED(WM_GETFONT),
    TK_NAMED(WM_WINDOWPOSCHANGING),
    TK_NAMED(WM_WINDOWPOSCHANGED),
    TK_NAMED(WM_NOTIFY),
    TK_NAMED(WM_CONTEXTMENU),
    TK_NAMED(WM_STYLECHANGING),
    TK_NAMED(WM_STYLECHANGED),
    TK_NAMED(WM_GETICON),
    TK_NAMED(WM_SETICON),
    TK_NAMED(WM_NCCREATE),
    TK_NAMED(WM_NCDESTROY),
    TK_NAMED(WM_NCCALCSIZE),
    TK_NAMED(WM_NCHITTEST),
    TK_NAMED(WM_NCPAINT),
    TK_NAMED(WM_NCACTIVATE),
    TK_NAMED(WM_GETDLGCODE),
    TK_NAMED(WM_NCMOUSEMOVE),
    TK_NAMED(WM_NCLBUTTONDOWN),
    TK_NAMED(WM_NCLBUTTONUP),
    TK_NAMED(WM_NCLBUTTONDBLCLK),
    TK_NAMED(WM_NCRBUTTONDOWN),
    TK_NAMED(WM_NCRBUTTONUP),
    TK_NAMED(WM_NCMOUSELEAVE),
    TK_NAMED(WM_KEYDOWN),
    TK_NAMED(WM_KEYUP),
    TK_NAMED(WM_CHAR),
    TK_NAMED(WM_SYSKEYDOWN),
    TK_NAMED(WM_SYSKEYUP),
    TK_NAMED(WM_SYSCHAR),
    TK_NAMED(WM_INITDIALOG),
    TK_NAMED(WM_COMMAND),
    TK_NAMED(WM_SYSCOMMAND),
    TK_NAMED(WM_TIMER),
    TK_NAMED(WM_HSCROLL),
    TK_NAMED(WM_VSCROLL),
    TK_NAMED(WM_INITMENU),
    TK_NAMED(WM_INITMENUPOPUP),
    TK_NAMED(WM_MENUSELECT),
    TK_NAMED(WM_MENUCHAR),
    TK_NAMED(WM_ENTERIDLE),
    TK_NAMED(WM_UNINITMENUPOPUP),
    TK_NAMED(WM_CHANGEUISTATE),
    TK_NAMED(WM_UPDATEUISTATE),
    TK_NAMED(WM_QUERYUISTATE),
    TK_NAMED(WM_CTLCOLORMSGBOX),
    TK_NAMED(WM_CTLCOLOREDIT),
    TK_NAMED(WM_CTLCOLORLISTBOX),
    TK_NAMED(WM_CTLCOLORBTN),
    TK_NAMED(WM_CTLCOLORDLG),
    TK_NAMED(WM_CTLCOLORSCROLLBAR),
    TK_NAMED(WM_CTLCOLORSTATIC),
    TK_NAMED(WM_MOUSEMOVE),
    TK_NAMED(WM_LBUTTONDOWN),
    TK_NAMED(WM_LBUTTONUP),
    TK_NAMED(WM_LBUTTONDBLCLK),
    TK_NAMED(WM_RBUTTONDOWN),
    TK_NAMED(WM_RBUTTONUP),
    TK_NAMED(WM_RBUTTONDBLCLK),
    TK_NAMED(WM_MBUTTONDOWN),
    TK_NAMED(WM_MBUTTONUP),
    TK_NAMED(WM_MBUTTONDBLCLK),
    TK_NAMED(WM_MOUSEWHEEL),
    TK_NAMED(WM_PARENTNOTIFY),
    TK_NAMED(WM_ENTERMENULOOP),
    TK_NAMED(WM_EXITMENULOOP),
    TK_NAMED(WM_CAPTURECHANGED),
    TK_NAMED(WM_MDICREATE),
    TK_NAMED(WM_MDIDESTROY),
    TK_NAMED(WM_MDIACTIVATE),
    TK_NAMED(WM_MDIRESTORE),
    TK_NAMED(WM_MDINEXT),
    TK_NAMED(WM_MDIMAXIMIZE),
    TK_NAMED(WM_MDITILE),
    TK_NAMED(WM_MDICASCADE),
    TK_NAMED(WM_MDIICONARRANGE),
    TK_NAMED(WM_MDIGETACTIVE),
    TK_NAMED(WM_MDISETMENU),
    TK_NAMED(WM_ENTERSIZEMOVE),
    TK_NAMED(WM_EXITSIZEMOVE),
    TK_NAMED(WM_MDIREFRESHMENU),
    TK_NAMED(WM_MOUSEHOVER),
    TK_NAMED(WM_MOUSELEAVE),
    TK_NAMED(WM_PRINT),
    TK_NAMED(WM_PRINTCLIENT),
    TK_NAMED(WM_THEMECHANGED),
    // Messages of the standard controls: values no other class uses.
    TK_NAMED(BM_GETCHECK),
    TK_NAMED(BM_SETCHECK),
    TK_NAMED(BM_GETSTATE),
    TK_NAMED(BM_SETSTATE),
    TK_NAMED(BM_SETSTYLE),
    TK_NAMED(BM_CLICK),
    TK_NAMED(BM_GETIMAGE),
    TK_NAMED(BM_SETIMAGE),
    TK_NAMED(SBM_SETPOS),
    TK_NAMED(SBM_GETPOS),
    TK_NAMED(SBM_SETRANGE),
    TK_NAMED(SBM_GETRANGE),
    TK_NAMED(SBM_ENABLE_ARROWS),
    TK_NAMED(SBM_SETRANGEREDRAW),
    TK_NAMED(SBM_SETSCROLLINFO),
    TK_NAMED(SBM_GETSCROLLINFO),
    TK_NAMED(EM_GETSEL),
    TK_NAMED(EM_SETSEL),
    TK_NAMED(EM_SETLIMITTEXT),
    TK_NAMED(EM_SETREADONLY),
    TK_NAMED(CB_ADDSTRING),
    TK_NAMED(CB_GETCURSEL),
    TK_NAMED(CB_RESETCONTENT),
    TK_NAMED(CB_SETCURSEL),
    TK_NAMED(CB_SHOWDROPDOWN),
    TK_NAMED(CB_GETDROPPEDSTATE),
    TK_NAMED(MN_GETHMENU),
    // Messages of the common controls with values of their own.
    TK_NAMED(HDM_GETITEMCOUNT),
    TK_NAMED(HDM_LAYOUT),
    TK_NAMED(HDM_GETIMAGELIST),
    TK_NAMED(TCM_GETIMAGELIST),
    TK_NAMED(TCM_SETIMAGELIST),
    TK_NAMED(TCM_GETITEMCOUNT),
    TK_NAMED(TCM_DELETEALLITEMS),
    TK_NAMED(TCM_GETITEMRECT),
    TK_NAMED(TCM_GETCURSEL),
    TK_NAMED(TCM_SETCURSEL),
    TK_NAMED(TCM_ADJUSTRECT),
    TK_NAMED(TCM_GETCURFOCUS),
    TK_NAMED(TCM_GETITEMW),
    TK_NAMED(TCM_INSERTITEMW),
    // The toolkit's notifications.
    TK_NAMED(NotifyDialogKey),
    TK_NAMED(NotifyDialogChar),
    TK_NAMED(NotifyEnabledChanged),
    TK_NAMED(NotifyMouseEnter),
    TK_NAMED(NotifyMouseLeave),
    TK_NAMED(NotifyMenuChanged),
    TK_NAMED(NotifyExit),
    TK_NAMED(NotifyHostDestroyed),
    TK_NAMED(NotifyCheckedChanged),
});

#undef TK_NAMED

std::string_view Find(std::span<const MessageNameEntry> table, unsigned msg) {
    const auto it = std::find_if(table.begin(), table.end(),
                                 [msg](const MessageNameEntry& entry) { return entry.msg == msg; });
    return it == table.end() ? std::string_view() : it->name;
}

// The first message value a reflected one cannot stand for.
constexpr unsigned ReflectedLimit = ReflectBase + WM_USER;
// Private messages of WM_APP's range end where registered ones begin.
constexpr unsigned AppLimit = 0xC000;

} // namespace

std::span<const MessageNameEntry> MessageNames() {
    return SystemMessages;
}

std::string MessageName(unsigned msg, std::span<const MessageNameEntry> extra) {
    if (const std::string_view name = Find(extra, msg); !name.empty()) {
        return std::string(name);
    }
    if (const std::string_view name = Find(SystemMessages, msg); !name.empty()) {
        return std::string(name);
    }
    if (msg >= ReflectBase && msg < ReflectedLimit) {
        const std::string_view name = Find(SystemMessages, msg - ReflectBase);
        return name.empty() ? std::string() : "reflected " + std::string(name);
    }
    if (msg >= WM_USER && msg < WM_APP) {
        return "WM_USER+" + std::to_string(msg - WM_USER);
    }
    if (msg >= WM_APP && msg < AppLimit) {
        return "WM_APP+" + std::to_string(msg - WM_APP);
    }
    return {};
}

std::string TraceLine(std::string_view who, const void* window, unsigned msg,
                      std::span<const MessageNameEntry> extra) {
    std::string name = MessageName(msg, extra);
    if (name.empty()) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%04X", msg);
        name = hex;
    }
    // Handles as the system's tools show them: upper-case hex, 8 digits or more.
    char handle[24];
    std::snprintf(handle, sizeof handle, "%08llX",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)));
    return "Kanvio " + std::string(who) + " " + handle + " " + name;
}

// The narrow form, in UTF-8: Wine's +debugstr channel prints only what
// reaches OutputDebugStringA (the wide form raises an exception nobody
// prints), and a debugger on Windows shows both.
void TraceText(std::string_view text) {
    OutputDebugStringA((std::string(text) + "\n").c_str());
}

void TraceMessage(std::string_view who, const void* window, unsigned msg,
                  std::span<const MessageNameEntry> extra) {
    TraceText(TraceLine(who, window, msg, extra));
}

} // namespace tk
