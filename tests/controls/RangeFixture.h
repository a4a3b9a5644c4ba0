// What the range control tests share: a form skinned with the range test skin
// (every cell a colour of its own), controls placed on it with their skinner
// attached, and pixels read back from the screen.
#pragma once

#include "tests/controls/ControlsFixture.h"
#include "toolkit/ListView.h"
#include "tests/controls/RangeSkin.h"
#include "skin/WinSubClass/ScrollGeometry.h"
#include "skin/WinSubClass/SkinScrollbar.h"
#include "toolkit/win32/WindowSubclass.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace controlstest {

// Where a window's scroll bars lie (window coordinates), from its styles and
// sizes as the system reports them.
inline skin::TBarsLayout BarsOf(HWND window) {
    RECT outer{}, client{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    return skin::LayoutBars(outer.right - outer.left, outer.bottom - outer.top, client.right,
                            client.bottom, DWORD(GetWindowLongPtrW(window, GWL_STYLE)),
                            DWORD(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                            GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CXEDGE));
}

// What the program painted reaches the screen: the system keeps a window's
// drawing until the thread looks at its queue, which a message handler in
// the middle of its work does not do.
inline void FlushToScreen() {
    constexpr UINT NoSuchMessage = WM_APP + 0x3FFF;
    MSG msg;
    PeekMessageW(&msg, nullptr, NoSuchMessage, NoSuchMessage, PM_NOREMOVE);
}

// Sees a window's scroll messages after the control and its skinner handled
// them (a layer on top of the window's subclass chain), with the bar as it
// then stood on screen.
class TScrollWatch {
public:
    struct TEvent {
        int code;
        int position;
        guitest::Capture bar;
    };
    // `bar` in window coordinates; `also` runs after each event is recorded.
    TScrollWatch(HWND window, const RECT& bar, std::function<void(const TEvent&)> also = {})
        : window_(window), bar_(bar), also_(std::move(also)) {
        layer_.Install(window, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
            const LRESULT result = layer_.CallNext(msg, wParam, lParam);
            if (msg == WM_VSCROLL || msg == WM_HSCROLL) {
                FlushToScreen();
                RECT outer{};
                GetWindowRect(window_, &outer);
                events.push_back(
                    {LOWORD(wParam), short(HIWORD(wParam)),
                     guitest::CaptureScreen({outer.left + bar_.left, outer.top + bar_.top,
                                             outer.left + bar_.right, outer.top + bar_.bottom})});
                if (also_) {
                    also_(events.back());
                }
            }
            return result;
        });
    }
    // The positions of the SB_THUMBTRACK messages, in order.
    std::vector<int> Tracked() const {
        std::vector<int> positions;
        for (const TEvent& e : events) {
            if (e.code == SB_THUMBTRACK) {
                positions.push_back(e.position);
            }
        }
        return positions;
    }
    std::vector<TEvent> events;

private:
    HWND window_;
    RECT bar_;
    std::function<void(const TEvent&)> also_;
    tk::WindowSubclass layer_;
};

class RangeTest : public ControlsTest {
protected:
    tk::Form& RangeForm(const TRangeSkin& look = {}) { return SkinnedForm(look.Build()); }

    // A skinner of class S owned by the control and attached to it.
    template <class S> S& SkinWith(tk::Control& control) {
        auto* skinner = new S(&control);
        skinner->Attach(*frame_, *skinData_, false, frame_->FControlCanvas);
        guitest::PumpUntilIdle(30);
        return *skinner;
    }
    // A scroll bar skinner of class S attached to a scrollable control.
    template <class S = skin::TSkinScrollbar>
    S& SkinScrolled(tk::WinControl& control, bool handleNcDown = true) {
        auto* skinner = new S(&control);
        skinner->AttachScrolled(control, *skinData_, handleNcDown, *frame_, frame_->FControlCanvas);
        guitest::PumpUntilIdle(30);
        return *skinner;
    }
    // A report list view of `rows` one-column rows.
    tk::ListView& RowList(tk::Form& form, int rows, const RECT& bounds) {
        // Filled before it has a window, which then takes the rows at once.
        auto& list = *new tk::ListView(&form);
        list.AddColumn().SetCaption("Row");
        list.Columns()[0]->SetWidth(120);
        for (int i = 0; i < rows; ++i) {
            list.AddItem().SetCaption("row " + std::to_string(i));
        }
        list.SetBounds(bounds.left, bounds.top, bounds.right - bounds.left,
                       bounds.bottom - bounds.top);
        list.SetParent(&form);
        list.Handle();
        return list;
    }
    // Presses the thumb of a window's vertical bar at its middle and posts
    // the pointer's moves (relative to the press) and the release; the drag
    // runs when the messages are pumped.
    static void PostThumbDrag(HWND window, const std::vector<int>& moves, bool release = true) {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        GetScrollInfo(window, SB_VERT, &info);
        const skin::TBarsLayout bars = BarsOf(window);
        skin::TBarGeometry bar;
        const int arrow = GetSystemMetrics(SM_CXHSCROLL);
        skin::SetBarLength(bar, bars.vert.bottom - bars.vert.top, arrow);
        skin::WindowThumb(bar, {info.nMin, info.nMax, info.nPage, info.nPos},
                          {arrow, GetSystemMetrics(SM_CXHTHUMB), skin::NtMinimumThumb});
        RECT outer{};
        GetWindowRect(window, &outer);
        const POINT press{outer.left + (bars.vert.left + bars.vert.right) / 2,
                          outer.top + bars.vert.top + bar.arrow + bar.thumbPos + bar.thumbSize / 2};
        PostMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(press.x, press.y));
        POINT client = press;
        ScreenToClient(window, &client);
        for (int dy : moves) {
            PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y + dy));
        }
        if (release) {
            PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
        }
    }
    // The screen pixel at a point of a window (window coordinates).
    static uint32_t WindowPixel(HWND window, POINT at) {
        RECT r{};
        GetWindowRect(window, &r);
        return guitest::CaptureScreen(
                   {r.left + at.x, r.top + at.y, r.left + at.x + 1, r.top + at.y + 1})
            .At(0, 0);
    }
    static uint32_t Rgb(skin::Colour c) { return base::ColourPixel(c); }
    // The window as on screen, saved next to the test output when a check
    // fails (the caller names it).
    static guitest::Capture WindowShot(HWND window) { return guitest::CaptureWindow(window); }
};

} // namespace controlstest
