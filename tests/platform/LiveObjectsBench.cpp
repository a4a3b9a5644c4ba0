// How long one count of the live objects takes, with few objects and with a
// few hundred of each kind alive, so leak tests know they can count often.
// Prints figures; never fails on time.
#include "tests/guitest/GuiTest.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 40;
constexpr int ObjectsOfEachKind = 300;

void MeasureCount(const char* what) {
    using Clock = std::chrono::steady_clock;
    guitest::CountLiveObjects(); // Wine's first-use work is not measured
    std::vector<double> millis;
    for (int i = 0; i < Runs; ++i) {
        const Clock::time_point start = Clock::now();
        guitest::CountLiveObjects();
        millis.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(millis.begin(), millis.end());
    std::printf("%-44s median %7.2f ms   worst %7.2f ms\n", what, millis[millis.size() / 2],
                millis.back());
}

} // namespace

int main() {
    MeasureCount("CountLiveObjects, a bare process");
    std::vector<HWND> windows;
    std::vector<HMENU> menus;
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < ObjectsOfEachKind; ++i) {
        windows.push_back(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                          nullptr, nullptr));
        menus.push_back(CreatePopupMenu());
        brushes.push_back(CreateSolidBrush(RGB(i, i, i)));
    }
    MeasureCount("CountLiveObjects, 300 windows, menus, brushes");
    for (int i = 0; i < ObjectsOfEachKind; ++i) {
        DestroyWindow(windows[size_t(i)]);
        DestroyMenu(menus[size_t(i)]);
        DeleteObject(brushes[size_t(i)]);
    }
    return 0;
}
