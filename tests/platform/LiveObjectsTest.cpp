// The live-object counters the leak tests stand on: each one sees a
// deliberate leak of its own kind come and go, and no other counter moves.
#include "tests/guitest/GuiTest.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int Leaked = 25;

// Counts after the path has run once, so Wine's first-use objects exist.
guitest::ObjectCounts WarmCounts() {
    guitest::CountLiveObjects();
    return guitest::CountLiveObjects();
}

guitest::ObjectCounts Plus(guitest::ObjectCounts counts, int guitest::ObjectCounts::*kind,
                           int extra) {
    counts.*kind += extra;
    return counts;
}

LRESULT CALLBACK PassOn(int code, WPARAM wParam, LPARAM lParam) {
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(LiveObjects, GdiObjectsOfEveryKindAreCounted) {
    const guitest::ObjectCounts before = WarmCounts();
    std::vector<HGDIOBJ> objects;
    for (int i = 0; i < Leaked; ++i) {
        objects.push_back(CreateSolidBrush(RGB(i, 0, 0)));
        objects.push_back(CreatePen(PS_SOLID, 1, RGB(0, i, 0)));
        objects.push_back(CreateRectRgn(0, 0, i + 1, i + 1));
        objects.push_back(CreateBitmap(i + 1, 1, 1, 1, nullptr));
    }
    std::vector<HDC> memory(Leaked);
    for (HDC& dc : memory) {
        dc = CreateCompatibleDC(nullptr);
    }
    EXPECT_EQ(guitest::CountLiveObjects(), Plus(before, &guitest::ObjectCounts::gdi, 5 * Leaked));
    for (HGDIOBJ object : objects) {
        DeleteObject(object);
    }
    for (HDC dc : memory) {
        DeleteDC(dc);
    }
    EXPECT_EQ(guitest::CountLiveObjects(), before);
}

TEST(LiveObjects, AWindowDeviceContextNeverReleasedIsCounted) {
    HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr,
                                  nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    ReleaseDC(window, GetDC(window));
    const guitest::ObjectCounts before = WarmCounts();
    std::vector<HDC> held;
    for (int i = 0; i < Leaked; ++i) {
        held.push_back(GetDC(window));
    }
    EXPECT_GE(guitest::CountLiveObjects().gdi, before.gdi + Leaked);
    for (HDC dc : held) {
        ReleaseDC(window, dc);
    }
    DestroyWindow(window);
}

TEST(LiveObjects, TopLevelChildAndMessageOnlyWindowsAreCounted) {
    DestroyWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr));
    const guitest::ObjectCounts before = WarmCounts();
    HWND top = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                               nullptr);
    HWND child =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, top, nullptr, nullptr, nullptr);
    CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, child, nullptr, nullptr, nullptr);
    HWND messageOnly =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, messageOnly, nullptr, nullptr,
                    nullptr);
    EXPECT_EQ(guitest::CountLiveObjects(), Plus(before, &guitest::ObjectCounts::windows, 5));
    DestroyWindow(top);
    DestroyWindow(messageOnly);
    EXPECT_EQ(guitest::CountLiveObjects(), before);
}

TEST(LiveObjects, MenusAndTheirSubmenusAreCounted) {
    DestroyMenu(CreatePopupMenu());
    const guitest::ObjectCounts before = WarmCounts();
    HMENU bar = CreateMenu();
    HMENU sub = CreatePopupMenu();
    AppendMenuW(sub, MF_STRING, 1, L"Item");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), L"Sub");
    std::vector<HMENU> loose;
    for (int i = 0; i < Leaked; ++i) {
        loose.push_back(CreatePopupMenu());
    }
    EXPECT_EQ(guitest::CountLiveObjects(), Plus(before, &guitest::ObjectCounts::menus, Leaked + 2));
    DestroyMenu(bar); // takes its submenu with it
    for (HMENU menu : loose) {
        DestroyMenu(menu);
    }
    EXPECT_EQ(guitest::CountLiveObjects(), before);
}

TEST(LiveObjects, HooksAreCountedUntilRemoved) {
    const guitest::ObjectCounts before = WarmCounts();
    const DWORD thread = GetCurrentThreadId();
    HHOOK cbt = SetWindowsHookExW(WH_CBT, PassOn, nullptr, thread);
    HHOOK filter = SetWindowsHookExA(WH_MSGFILTER, PassOn, nullptr, thread);
    ASSERT_NE(cbt, nullptr);
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(guitest::CountLiveObjects(), Plus(before, &guitest::ObjectCounts::hooks, 2));
    EXPECT_TRUE(UnhookWindowsHookEx(cbt));
    EXPECT_FALSE(UnhookWindowsHookEx(cbt)) << "a second removal fails and changes nothing";
    EXPECT_EQ(guitest::CountLiveObjects(), Plus(before, &guitest::ObjectCounts::hooks, 1));
    UnhookWindowsHookEx(filter);
    EXPECT_EQ(guitest::CountLiveObjects(), before);
}

TEST(LiveObjects, CountsDifferInAnyKindAndPrintEveryKind) {
    const guitest::ObjectCounts counts{1, 2, 3, 4};
    for (int guitest::ObjectCounts::*kind :
         {&guitest::ObjectCounts::gdi, &guitest::ObjectCounts::windows,
          &guitest::ObjectCounts::menus, &guitest::ObjectCounts::hooks}) {
        EXPECT_NE(Plus(counts, kind, 1), counts);
    }
    EXPECT_EQ(::testing::PrintToString(counts), "{gdi 1, windows 2, menus 3, hooks 4}");
}

} // namespace
