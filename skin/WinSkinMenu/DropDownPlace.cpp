#include "skin/WinSkinMenu/DropDownPlace.h"

namespace skin {
namespace {

// The exclusion in force, and the popup window that took it (none yet).
struct TPlacing {
    const TDropDownExclusion* exclusion = nullptr;
    HWND dropDown = nullptr;
};

TPlacing& Placing() {
    thread_local TPlacing placing;
    return placing;
}

} // namespace

TDropDownExclusion::TDropDownExclusion(const RECT& button) : button_(button) {
    Placing() = {this, nullptr};
}

TDropDownExclusion::~TDropDownExclusion() {
    Placing() = {};
}

void KeepDropDownOffButton(HWND popup, WINDOWPOS& pos) {
    TPlacing& placing = Placing();
    if (!placing.exclusion || (placing.dropDown && placing.dropDown != popup)) {
        return;
    }
    placing.dropDown = popup;
    RECT now{};
    GetWindowRect(popup, &now);
    const int x = (pos.flags & SWP_NOMOVE) ? now.left : pos.x;
    const int y = (pos.flags & SWP_NOMOVE) ? now.top : pos.y;
    const int cx = (pos.flags & SWP_NOSIZE) ? now.right - now.left : pos.cx;
    const int cy = (pos.flags & SWP_NOSIZE) ? now.bottom - now.top : pos.cy;
    const RECT placed{x, y, x + cx, y + cy};
    const RECT& button = placing.exclusion->Button();
    RECT overlap{};
    if (cx <= 0 || cy <= 0 || !IntersectRect(&overlap, &placed, &button)) {
        return;
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromRect(&button, MONITOR_DEFAULTTONEAREST), &monitor);
    const int above = button.top - cy;
    if (above < monitor.rcWork.top) {
        return;
    }
    pos.x = x;
    pos.y = above;
    pos.flags &= ~UINT(SWP_NOMOVE);
}

} // namespace skin
