// Menu benchmarks under Wine with the default skin: one menu bar paint of a
// 921-pixel-wide window, and opening a 20-item drop-down up to its last item
// drawn.
#include "SkinManager.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"
#include "WinSkinMenu.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

using namespace skin;

namespace {

constexpr int Width = 921;
constexpr int Height = 620;
constexpr int Items = 20;
constexpr UINT FirstCommand = 300;
constexpr int Openings = 50;
constexpr int BarPaints = 500;

using Clock = std::chrono::steady_clock;

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// When the drop-down's last item has been drawn; the menu is closed then.
Clock::time_point g_lastDrawn;
HHOOK g_hook = nullptr;

LRESULT CALLBACK AfterMessage(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == WM_DRAWITEM) {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(sent->lParam);
        if (draw->CtlType == ODT_MENU && draw->itemID == FirstCommand + Items - 1 &&
            g_lastDrawn == Clock::time_point{}) {
            g_lastDrawn = Clock::now();
            EndMenu();
        }
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    std::ifstream in(KANVIO_DEFAULT_SKIN, std::ios::binary);
    std::vector<uint8_t> package{std::istreambuf_iterator<char>(in), {}};
    TSkinData data(nullptr);
    if (!data.SetSkinStream(package)) {
        std::fprintf(stderr, "menu_bench: cannot load %s\n", KANVIO_DEFAULT_SKIN);
        return 1;
    }
    data.SetActive(true);
    data.Loaded();
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
    g_hook = SetWindowsHookExW(WH_CALLWNDPROCRET, AfterMessage, nullptr, GetCurrentThreadId());
    auto& menuBar = static_cast<TWinSkinMenu&>(*frame->FMenuBar);
    std::vector<double> openings;
    for (int i = 0; i < Openings; ++i) {
        g_lastDrawn = {};
        const auto start = Clock::now();
        menuBar.OpenMenuButton(*menuBar.FButtons.front());
        if (g_lastDrawn != Clock::time_point{}) {
            openings.push_back(
                std::chrono::duration<double, std::milli>(g_lastDrawn - start).count());
        }
        Pump();
    }
    UnhookWindowsHookEx(g_hook);
    if (openings.empty()) {
        std::fprintf(stderr, "menu_bench: the drop-down's last item was never drawn\n");
        return 1;
    }
    std::printf("menus: opening a %d-item drop-down up to its last item drawn: %.3f ms (median of "
                "%zu)\n",
                Items, Median(openings), openings.size());
    DestroyWindow(window);
    SkinManager.reset();
    return 0;
}
