// Menu benchmarks under Wine with the default skin: one menu bar paint of a
// 921-pixel-wide window, and opening a 20-item drop-down up to its window
// painted with its last item drawn, with the skin's share of that time
// (measuring and drawing the items), against the same menu opened without
// the skin up to the same paint.
#include "tests/controls/BenchSupport.h"
#include "skin/WinSubClass/SkinManager.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSkinMenu/WinSkinMenu.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <string_view>
#include <vector>

using namespace skin;

using controlsbench::Pump;

namespace {

constexpr int Width = 921;
constexpr int Height = 620;
constexpr int Items = 20;
constexpr UINT FirstCommand = 300;
constexpr int Openings = 50;
constexpr int BarPaints = 500;

using Clock = std::chrono::steady_clock;

// Long enough for the skin manager's action timer to switch skinning.
void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        Pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

// A menu that never reaches its end is closed after this long.
constexpr UINT GiveUpMs = 3000;
void CALLBACK GiveUp(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

// One opening as the bench's procedures saw it: when it was done, and the time
// the owner spent on the items' measure and draw messages (the skin's
// handlers, or nothing without the skin). An opening is done when the popup
// window's first paint has returned and, with the skin, the last item has
// been drawn: the same end for both, the system's own drawing of the items
// happening inside that paint.
//
// The messages are watched by replacing the windows' procedures, not by
// message hooks nor the common controls' subclass chain: under Wine each
// hooked message costs the hook chain's round trips to the server, and each
// message through that chain a window property read from the server, which
// would weigh on the skinned opening's forty item messages more than on the
// plain one, and which a program without the bench does not pay.
struct TOpening {
    Clock::time_point done;
    bool painted = false;
    bool lastItemDrawn = false;
    double measureMs = 0;
    double drawMs = 0;
};
TOpening Opening;
HHOOK CreationHook = nullptr;
// The procedures the bench's own replaced for an opening, from the popup
// window's creation on: the popup window's (in front of the skin's) and its
// owner's (in front of whatever the skin put there for the opening).
HWND Owner = nullptr;
WNDPROC PopupProcedure = nullptr;
WNDPROC OwnerProcedure = nullptr;

bool IsPopupWindow(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return std::wstring_view(name) == L"#32768";
}

void EndOpeningWhenDone() {
    if (Opening.done == Clock::time_point{} && Opening.painted &&
        (Opening.lastItemDrawn || !SkinManager->Enabled())) {
        Opening.done = Clock::now();
        EndMenu();
    }
}

LRESULT CALLBACK PopupMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(PopupProcedure, window, msg, wParam, lParam);
    if (msg == WM_PAINT) {
        Opening.painted = true;
        EndOpeningWhenDone();
    }
    return result;
}

LRESULT CALLBACK OwnerMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_MEASUREITEM && msg != WM_DRAWITEM) {
        return CallWindowProcW(OwnerProcedure, window, msg, wParam, lParam);
    }
    const auto start = Clock::now();
    const LRESULT result = CallWindowProcW(OwnerProcedure, window, msg, wParam, lParam);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (msg == WM_MEASUREITEM) {
        Opening.measureMs += ms;
        return result;
    }
    Opening.drawMs += ms;
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (draw->CtlType == ODT_MENU && draw->itemID == FirstCommand + Items - 1) {
        Opening.lastItemDrawn = true;
        EndOpeningWhenDone();
    }
    return result;
}

// The popup window gets the bench's procedure once the skin's hook (called
// next) has given it the skin's, and so does the owner, before the items are
// measured; the popup window goes with the menu, the owner gets its
// procedure back once the opening is over.
LRESULT CALLBACK WindowCreated(int code, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallNextHookEx(CreationHook, code, wParam, lParam);
    const HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_CREATEWND && IsPopupWindow(window)) {
        PopupProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PopupMessage)));
        OwnerProcedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(Owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OwnerMessage)));
    }
    return result;
}

// The owner's procedure as it was before the opening's popup window came.
void GiveOwnerBack() {
    if (OwnerProcedure) {
        SetWindowLongPtrW(Owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OwnerProcedure));
        OwnerProcedure = nullptr;
    }
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    TSkinData data(nullptr);
    if (!controlsbench::SwitchOnSkin(data, KANVIO_DEFAULT_SKIN, "menu_bench")) {
        return 1;
    }
    HMENU bar = CreateMenu();
    HMENU items = CreatePopupMenu();
    for (int i = 0; i < Items; ++i) {
        const std::wstring caption =
            L"模板 &" + std::to_wstring(i + 1) + L"\tCtrl+" + std::to_wstring(i % 10);
        AppendMenuW(items, MF_STRING, FirstCommand + UINT(i), caption.c_str());
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(items), L"文件(&F)");
    for (const wchar_t* caption : {L"编辑(&E)", L"视图(&V)", L"模板(&T)", L"帮助(&H)"}) {
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), caption);
    }
    HWND window = CreateWindowExW(0, L"STATIC", L"霓虹Kanvio企业模板建站工具箱",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 40, 40,
                                  Width, Height, nullptr, bar, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Pump();
    TWinSkinForm* frame = SkinManager->FindFrame(window);
    if (!frame || !frame->FMenuBar) {
        std::fprintf(stderr, "menu_bench: the window has no skinned menu bar\n");
        return 1;
    }
    SetWindowPos(window, nullptr, 0, 0, Width, Height, SWP_NOMOVE | SWP_NOZORDER);
    Pump();
    frame->PaintFrame(nullptr);
    const RECT barRect{frame->FBorderLeft, frame->FBorderTop, Width - frame->FBorderRight,
                       frame->FBorderTop + frame->FMenuHeight};
    {
        tk::WindowDC dc = tk::WindowDC::Whole(window);
        const auto start = Clock::now();
        for (int i = 0; i < BarPaints; ++i) {
            frame->FMenuBar->PaintBar(dc, barRect);
        }
        const double ms =
            std::chrono::duration<double, std::milli>(Clock::now() - start).count() / BarPaints;
        std::printf("menus: one menu bar paint of a %d-pixel-wide window: %.3f ms (mean of %d)\n",
                    Width, ms, BarPaints);
    }
    Owner = window;
    CreationHook = SetWindowsHookExW(WH_CBT, WindowCreated, nullptr, GetCurrentThreadId());
    auto& menuBar = static_cast<TWinSkinMenu&>(*frame->FMenuBar);
    const auto measure = [&](auto open) {
        std::vector<double> total, measured, drawn;
        for (int i = 0; i < Openings; ++i) {
            Opening = {};
            const UINT_PTR safety = SetTimer(nullptr, 0, GiveUpMs, GiveUp);
            const auto start = Clock::now();
            open();
            GiveOwnerBack();
            KillTimer(nullptr, safety);
            if (Opening.done != Clock::time_point{}) {
                total.push_back(
                    std::chrono::duration<double, std::milli>(Opening.done - start).count());
                measured.push_back(Opening.measureMs);
                drawn.push_back(Opening.drawMs);
            }
            Pump();
        }
        return std::array<std::vector<double>, 3>{total, measured, drawn};
    };
    const auto skinned = measure([&] { menuBar.OpenMenuButton(*menuBar.FButtons.front()); });
    if (skinned[0].empty()) {
        std::fprintf(stderr, "menu_bench: the drop-down's last item was never drawn\n");
        return 1;
    }
    // The same menu with the skin off, up to the popup window's first paint.
    data.SetActive(false);
    PumpFor(600);
    RECT outer;
    GetWindowRect(window, &outer);
    const auto plain = measure([&] {
        TrackPopupMenu(items, TPM_NONOTIFY | TPM_RIGHTBUTTON, outer.left + 20, outer.top + 60, 0,
                       window, nullptr);
    });
    UnhookWindowsHookEx(CreationHook);
    if (plain[0].empty()) {
        std::fprintf(stderr, "menu_bench: the drop-down without the skin was never painted\n");
        return 1;
    }
    const double skinnedMs = Median(skinned[0]), plainMs = Median(plain[0]);
    std::printf("menus: opening a %d-item drop-down up to its window painted with its last item "
                "drawn: skinned %.3f ms, skinning off %.3f ms, ratio %.2f (medians of %zu and %zu "
                "openings)\n",
                Items, skinnedMs, plainMs, skinnedMs / plainMs, skinned[0].size(), plain[0].size());
    std::printf("menus: of the skinned opening, measuring the items %.3f ms, drawing them %.3f ms "
                "(medians)\n",
                Median(skinned[1]), Median(skinned[2]));
    DestroyWindow(window);
    SkinManager.reset();
    return 0;
}
