// Range control benchmarks under Wine, with the default skin: one paint of a
// 200-pixel scroll bar (a scroll bar control, and the window bar of a list
// view), one paint of a track bar's skinned thumb and one whole repaint of
// the track bar, and the thumb dragged over a thousand-row list view, by the
// system (as discovery leaves a list view) and by the skinner's own loop:
// the positions painted per second, and a check that every position the
// drag passed reached the list and was painted.
#include "toolkit/Application.h"
#include "tests/controls/BenchSupport.h"
#include "toolkit/Form.h"
#include "toolkit/ListView.h"
#include "toolkit/Notifications.h"
#include "skin/WinSubClass/RangeCodes.h"
#include "toolkit/RangeControls.h"
#include "skin/WinSubClass/ScrollGeometry.h"
#include "skin/WinSubClass/SkinManager.h"
#include "skin/WinSubClass/SkinScControl.h"
#include "skin/WinSubClass/SkinScrollbar.h"
#include "toolkit/StdCtrls.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "toolkit/win32/WindowSubclass.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace skin;
using namespace controlsbench;

namespace {

constexpr int BarLength = 200;
constexpr int Rows = 1000;

// What one drag showed: the positions the list was told, and whether each
// was painted (the skinner's bar showed its thumb there) and reached the list.
struct TDragRun {
    int moves = 0;
    std::vector<int> tracked;
    int unpainted = 0;
    int unscrolled = 0;
    double ms = 0;
};

// Drags the vertical thumb of a list view one pixel at a time down its
// track, every move a message, and watches each scroll message after the
// control and its skinner handled it.
TDragRun DragOver(HWND window, TSkinScrollbar& skinner) {
    TDragRun run;
    int lastThumb = 0;
    tk::WindowSubclass watch;
    watch.Install(window, [&](UINT msg, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = watch.CallNext(msg, wParam, lParam);
        if (msg == WM_VSCROLL && LOWORD(wParam) == SB_THUMBTRACK) {
            const int position = short(HIWORD(wParam));
            run.tracked.push_back(position);
            // The skinner painted the thumb pressed, moved on from where the
            // last position showed it.
            const int thumb = skinner.FVert.geometry.thumbPos;
            if (skinner.FPressedPart != scroll_part::VertThumb || thumb < lastThumb) {
                ++run.unpainted;
            }
            lastThumb = thumb;
            if (int(SendMessageW(window, LVM_GETTOPINDEX, 0, 0)) != position) {
                ++run.unscrolled;
            }
        }
        return result;
    });
    SendMessageW(window, LVM_ENSUREVISIBLE, 0, FALSE);
    Pump();
    RECT outer{};
    GetWindowRect(window, &outer);
    RECT client{};
    GetClientRect(window, &client);
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    const TBarsLayout bars = LayoutBars(
        outer.right - outer.left, outer.bottom - outer.top, client.right, client.bottom,
        DWORD(GetWindowLongPtrW(window, GWL_STYLE)), DWORD(GetWindowLongPtrW(window, GWL_EXSTYLE)),
        arrow, GetSystemMetrics(SM_CXEDGE));
    TBarGeometry bar;
    SetBarLength(bar, bars.vert.bottom - bars.vert.top, arrow);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window, SB_VERT, &info);
    WindowThumb(bar, {info.nMin, info.nMax, info.nPage, info.nPos},
                {arrow, GetSystemMetrics(SM_CXHTHUMB), NtMinimumThumb});
    const POINT press{outer.left + (bars.vert.left + bars.vert.right) / 2,
                      outer.top + bars.vert.top + arrow + bar.thumbSize / 2};
    POINT client0 = press;
    ScreenToClient(window, &client0);
    // Down the whole track, one pixel per move.
    run.moves = bar.track - bar.thumbSize;
    const auto start = Clock::now();
    PostMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(press.x, press.y));
    for (int dy = 1; dy <= run.moves; ++dy) {
        PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client0.x, client0.y + dy));
    }
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(client0.x, client0.y + run.moves));
    Pump();
    run.ms = MsSince(start);
    return run;
}

void Report(const char* who, const TDragRun& run) {
    const bool rising =
        std::is_sorted(run.tracked.begin(), run.tracked.end()) &&
        std::adjacent_find(run.tracked.begin(), run.tracked.end()) == run.tracked.end();
    std::printf("range: thumb drag over a %d-row list view (%s): %zu positions for %d moves in "
                "%.1f ms, %.0f positions painted per second; %s\n",
                Rows, who, run.tracked.size(), run.moves, run.ms,
                run.ms > 0 ? 1000.0 * double(run.tracked.size()) / run.ms : 0.0,
                run.unpainted == 0 && run.unscrolled == 0 && rising &&
                        int(run.tracked.size()) >= run.moves
                    ? "every position passed was painted"
                    : "DROPPED UPDATES");
    if (run.unpainted || run.unscrolled || !rising || int(run.tracked.size()) < run.moves) {
        std::printf("range:   %d not painted, %d not scrolled, positions %s\n", run.unpainted,
                    run.unscrolled, rising ? "rising" : "not rising");
    }
}

} // namespace

int main() {
    tk::Application app;
    TSkinData* data = DefaultSkinOn(app, "range_bench");
    if (!data) {
        return 1;
    }
    auto* form = new tk::Form(&app);
    form->SetBounds(40, 40, 520, 300);
    auto* bar = new tk::ScrollBar(form);
    bar->SetKind(tk::ScrollBarKind::Vertical);
    bar->SetBounds(10, 10, GetSystemMetrics(SM_CXVSCROLL), BarLength);
    bar->SetMax(100);
    bar->SetPageSize(10);
    bar->SetPosition(30);
    bar->SetParent(form);
    auto* track = new tk::TrackBar(form);
    track->SetBounds(40, 10, 150, 30);
    track->SetPosition(4);
    track->SetParent(form);
    auto* list = new tk::ListView(form);
    list->AddColumn().SetCaption("Row");
    list->Columns()[0]->SetWidth(150);
    for (int i = 0; i < Rows; ++i) {
        list->AddItem().SetCaption("row " + std::to_string(i));
    }
    list->SetBounds(220, 10, 200, BarLength);
    list->SetParent(form);
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump();
    TWinSkinForm* frame = SkinManager->FindFrame(form->Handle());
    auto* listSkinner = frame ? dynamic_cast<TSkinScrollbar*>(SkinnerOf(*frame, *list)) : nullptr;
    TSkinControl* trackSkinner = frame ? SkinnerOf(*frame, *track) : nullptr;
    if (!frame || !listSkinner || !trackSkinner) {
        std::fprintf(stderr, "range_bench: the controls were not skinned\n");
        return 1;
    }
    // A scroll bar control gets its skinner from the application.
    auto* barSkinner = new TSkinScControl(bar);
    barSkinner->Attach(*frame, *data, false, frame->FControlCanvas);
    Pump();

    const RECT barRect{0, 0, GetSystemMetrics(SM_CXVSCROLL), BarLength};
    const tk::WindowDC barDc = tk::WindowDC::Whole(bar->Handle());
    barSkinner->Draw(barDc, barRect);
    std::printf("range: one paint of a %d-pixel scroll bar control: %.4f ms (best batch of %d)\n",
                BarLength, BestMeanMs([&] { barSkinner->Draw(barDc, barRect); }), Rounds);
    RECT listWindow{};
    GetWindowRect(list->Handle(), &listWindow);
    const RECT listRect{0, 0, listWindow.right - listWindow.left,
                        listWindow.bottom - listWindow.top};
    const tk::WindowDC listDc = tk::WindowDC::Whole(list->Handle());
    std::printf("range: one paint of the window bar of a %d-pixel list view: %.4f ms (best "
                "batch of %d)\n",
                BarLength, BestMeanMs([&] { listSkinner->Draw(listDc, listRect); }), Rounds);

    // The track bar's thumb as its custom-draw stage asks for it.
    const tk::WindowDC trackDc = tk::WindowDC::Whole(track->Handle());
    NMCUSTOMDRAW draw{};
    draw.hdr.hwndFrom = track->Handle();
    draw.hdr.code = UINT(NM_CUSTOMDRAW);
    draw.dwDrawStage = CDDS_ITEMPREPAINT;
    draw.dwItemSpec = TBCD_THUMB;
    draw.hdc = trackDc;
    std::printf(
        "range: one paint of a track bar's skinned thumb: %.4f ms (best batch of %d)\n",
        BestMeanMs([&] { SendMessageW(track->Handle(), tk::ReflectedNotify, 0, LPARAM(&draw)); }),
        Rounds);
    std::printf("range: a 150 x 30 track bar repainted whole through its window (the system's "
                "channel and ticks, the skinned thumb): %.4f ms (best batch of %d)\n",
                BestMeanMs([&] {
                    InvalidateRect(track->Handle(), nullptr, TRUE);
                    UpdateWindow(track->Handle());
                }),
                Rounds);

    Report("the system's drag, the skinner painting", DragOver(list->Handle(), *listSkinner));
    listSkinner->FHandleNcDown = true;
    Report("the skinner's own drag", DragOver(list->Handle(), *listSkinner));

    delete form;
    Pump();
    SkinManager.reset();
    return 0;
}
