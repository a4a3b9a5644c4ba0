// Window scroll bars of scrollable controls under their skinner: painted from
// the skin's cells, short bars, the page rules, pressed parts, and the thumb
// dragged by the skinner's own loop to both ends and beyond the window, and
// ended by Escape, a lost capture, the control's destruction and the program
// quitting; a list view's thumb dragged by the system with the skinner
// painting each position.
#include "tests/controls/RangeFixture.h"

#include "skin/WinSubClass/RangeCodes.h"
#include "skin/WinSubClass/SkinHeader.h"
#include "skin/WinSubClass/SkinScControl.h"
#include "toolkit/Panel.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TreeView.h"

#include <commctrl.h>

#include <algorithm>

using namespace skin;
using namespace controlstest;

namespace {

int Arrow() {
    return GetSystemMetrics(SM_CXHSCROLL);
}

// The middle column of a vertical bar (window coordinates).
int MiddleOf(const TBarRect& bar) {
    return (bar.left + bar.right) / 2;
}

// The rows of a vertical bar's capture that show a strip's cell.
struct TSpan {
    int first = -1;
    int last = -1;
};
TSpan RowsOf(const guitest::Capture& bar, TStrip strip, int cell) {
    TSpan span;
    for (int y = 0; y < bar.height; ++y) {
        if (CellOf(strip, bar.At(bar.width / 2, y)) == cell) {
            if (span.first < 0) {
                span.first = y;
            }
            span.last = y;
        }
    }
    return span;
}

RECT ToRect(const TBarRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

class ScrollbarSkin : public RangeTest {
protected:
    // A skinned form with a list view of a thousand rows under its skinner.
    // As discovery gives it: the system drags a list view's thumb.
    HWND SkinnedList(int rows = 1000, const RECT& bounds = {20, 20, 220, 220},
                     bool skinnerDrags = false) {
        tk::Form& form = RangeForm();
        list_ = &RowList(form, rows, bounds);
        skinner_ = &SkinScrolled<TSkinListView>(*list_, skinnerDrags);
        return list_->Handle();
    }
    int TopIndex() const { return int(SendMessageW(list_->Handle(), LVM_GETTOPINDEX, 0, 0)); }
    SCROLLINFO Info(int bar = SB_VERT) const {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        GetScrollInfo(list_->Handle(), bar, &info);
        return info;
    }
    tk::ListView* list_ = nullptr;
    TSkinListView* skinner_ = nullptr;
};

TEST_F(ScrollbarSkin, BothBarsAndTheirCornerArePaintedFromTheSkin) {
    tk::Form& form = RangeForm();
    list_ = &RowList(form, 1000, {20, 20, 220, 220});
    list_->Columns()[0]->SetWidth(400); // wider than the list: a horizontal bar too
    skinner_ = &SkinScrolled<TSkinListView>(*list_);
    const HWND window = list_->Handle();
    const TBarsLayout bars = BarsOf(window);
    ASSERT_TRUE(bars.hasHorz && bars.hasVert);
    const guitest::Capture shot = WindowShot(window);
    const int x = MiddleOf(bars.vert);
    EXPECT_EQ(CellOf(TStrip::Arrows, shot.At(x, bars.vert.top + 2)), arrow_cell::Up);
    EXPECT_EQ(CellOf(TStrip::Arrows, shot.At(x, bars.vert.bottom - 2)), arrow_cell::Down);
    EXPECT_EQ(CellOf(TStrip::VertThumb, shot.At(x, bars.vert.top + Arrow() + 1)), 1)
        << "the thumb at the top";
    EXPECT_EQ(CellOf(TStrip::VertTrack, shot.At(x, bars.vert.bottom - Arrow() - 4)), 1);
    const int y = (bars.horz.top + bars.horz.bottom) / 2;
    EXPECT_EQ(CellOf(TStrip::Arrows, shot.At(bars.horz.left + 2, y)), arrow_cell::Left);
    EXPECT_EQ(CellOf(TStrip::Arrows, shot.At(bars.horz.right - 2, y)), arrow_cell::Right);
    EXPECT_EQ(CellOf(TStrip::HorzThumb, shot.At(bars.horz.left + Arrow() + 2, y)), 1);
    EXPECT_TRUE(guitest::PixelIs(shot, (bars.corner.left + bars.corner.right) / 2,
                                 (bars.corner.top + bars.corner.bottom) / 2, TRangeSkin::Face));
    // The column header is the header skinner's.
    ASSERT_NE(skinner_->FHeader, nullptr);
    EXPECT_EQ(skinner_->FHeader->FHandle, ListView_GetHeader(window));
}

TEST_F(ScrollbarSkin, ABarShorterThanTwoArrowsShowsTwoHalfArrowsAndNoTrack) {
    // 31 pixels of bar between the 2-pixel borders.
    const HWND window = SkinnedList(1000, {20, 20, 220, 55});
    const TBarsLayout bars = BarsOf(window);
    ASSERT_TRUE(bars.hasVert);
    const int length = bars.vert.bottom - bars.vert.top;
    ASSERT_LT(length, 2 * Arrow());
    RECT outer{};
    GetWindowRect(window, &outer);
    const guitest::Capture bar =
        guitest::CaptureScreen({outer.left + bars.vert.left, outer.top + bars.vert.top,
                                outer.left + bars.vert.right, outer.top + bars.vert.bottom});
    const TSpan up = RowsOf(bar, TStrip::Arrows, arrow_cell::Up);
    const TSpan down = RowsOf(bar, TStrip::Arrows, arrow_cell::Down);
    EXPECT_EQ(up.first, 0);
    EXPECT_EQ(up.last, length / 2 - 1);
    EXPECT_EQ(down.first, length - length / 2);
    EXPECT_EQ(down.last, length - 1);
    EXPECT_EQ(RowsOf(bar, TStrip::VertTrack, 1).first, -1);
    EXPECT_EQ(RowsOf(bar, TStrip::VertThumb, 1).first, -1);
}

TEST_F(ScrollbarSkin, APageAsLargeAsTheRangeFillsTheTrackLessOnePixelAtTheStart) {
    tk::Form& form = RangeForm();
    // A plain window with a bar of its own range, page and position.
    const HWND window = CreateWindowExW(WS_EX_CLIENTEDGE, frametest::RawClass, L"",
                                        WS_CHILD | WS_VISIBLE | WS_VSCROLL, 20, 20, 150, 200,
                                        form.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = 100;
    info.nPage = 100;
    info.nPos = 40;
    SetScrollInfo(window, SB_VERT, &info, TRUE);
    auto* raw = new TSkinScrollbar(frame_);
    raw->AttachWindow(window, *skinData_, *frame_, frame_->FControlCanvas);
    guitest::PumpUntilIdle(30);
    const TBarsLayout bars = BarsOf(window);
    RECT outer{};
    GetWindowRect(window, &outer);
    const guitest::Capture bar =
        guitest::CaptureScreen({outer.left + bars.vert.left, outer.top + bars.vert.top,
                                outer.left + bars.vert.right, outer.top + bars.vert.bottom});
    const int track = bars.vert.bottom - bars.vert.top - 2 * Arrow();
    const TSpan thumb = RowsOf(bar, TStrip::VertThumb, 1);
    EXPECT_EQ(thumb.first, Arrow());
    EXPECT_EQ(thumb.last, Arrow() + track - 2);
    EXPECT_EQ(CellOf(TStrip::VertTrack, bar.At(bar.width / 2, Arrow() + track - 1)), 1);
    EXPECT_FALSE(raw->FHandleNcDown) << "a raw window's thumb stays the system's";
}

TEST_F(ScrollbarSkin, ScrollMessagesShowTheirPartPressedUntilTheScrollEnds) {
    const HWND window = SkinnedList();
    const TBarsLayout bars = BarsOf(window);
    TScrollWatch watch(window, ToRect(bars.vert));
    // A real press on the down arrow: the system repeats it until the release.
    RECT outer{};
    GetWindowRect(window, &outer);
    const POINT arrow{outer.left + MiddleOf(bars.vert), outer.top + bars.vert.bottom - 3};
    PostMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(arrow.x, arrow.y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(arrow.x - outer.left, arrow.y - outer.top));
    guitest::PumpUntilIdle(60);
    ASSERT_GE(watch.events.size(), 2u);
    const auto& pressed = watch.events.front();
    EXPECT_EQ(pressed.code, SB_LINEDOWN);
    EXPECT_EQ(CellOf(TStrip::Arrows, pressed.bar.At(pressed.bar.width / 2, pressed.bar.height - 3)),
              arrow_cell::Down + arrow_cell::PressedStep);
    EXPECT_EQ(CellOf(TStrip::Arrows, pressed.bar.At(pressed.bar.width / 2, 3)), arrow_cell::Up);
    const auto& ended = watch.events.back();
    EXPECT_EQ(ended.code, SB_ENDSCROLL);
    EXPECT_EQ(CellOf(TStrip::Arrows, ended.bar.At(ended.bar.width / 2, ended.bar.height - 3)),
              arrow_cell::Down);
    EXPECT_EQ(TopIndex(), 1);
    EXPECT_EQ(skinner_->FPressedPart, scroll_part::None);
}

// The system tracks a press on an arrow (or a second press, a double click)
// in a loop of its own inside the press's message and draws the bar its own
// way at the release, after the last notification, and again when the
// pointer leaves it: once the press is over, and the pointer gone, the screen
// shows the skin.
TEST_F(ScrollbarSkin, TheBarShowsTheSkinOnceAPressOnAnArrowAndThePointerHavePassed) {
    const HWND window = SkinnedList();
    const TBarsLayout bars = BarsOf(window);
    RECT outer{};
    GetWindowRect(window, &outer);
    const POINT arrow{outer.left + MiddleOf(bars.vert), outer.top + bars.vert.bottom - 3};
    // Two quick clicks: the second press comes as a double click.
    for (const UINT press : {WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK}) {
        PostMessageW(window, press, HTVSCROLL, MAKELPARAM(arrow.x, arrow.y));
        PostMessageW(window, WM_LBUTTONUP, 0,
                     MAKELPARAM(arrow.x - outer.left, arrow.y - outer.top));
        guitest::PumpUntilIdle(60);
    }
    ASSERT_EQ(TopIndex(), 2);
    const RECT onScreen{outer.left + bars.vert.left, outer.top + bars.vert.top,
                        outer.left + bars.vert.right, outer.top + bars.vert.bottom};
    const auto expectSkin = [&](const char* when) {
        const guitest::Capture bar = guitest::CaptureScreen(onScreen);
        EXPECT_EQ(CellOf(TStrip::Arrows, bar.At(bar.width / 2, 3)), arrow_cell::Up) << when;
        EXPECT_EQ(CellOf(TStrip::Arrows, bar.At(bar.width / 2, bar.height - 3)), arrow_cell::Down)
            << when;
        EXPECT_EQ(CellOf(TStrip::VertTrack, bar.At(bar.width / 2, bar.height - Arrow() - 3)), 1)
            << when;
    };
    expectSkin("released");
    // The pointer leaves the bar: the system takes its mark off the part
    // under it, drawing at once.
    guitest::MouseMoveScreen(arrow);
    guitest::MouseMoveScreen({outer.left + 60, outer.top + 60});
    PostMessageW(window, WM_NCMOUSELEAVE, 0, 0);
    guitest::PumpUntilIdle(60);
    expectSkin("left");
}

// The thumb dragged by the skinner's own loop over a thousand-row list view.
class ThumbDrag : public ScrollbarSkin {
protected:
    HWND DraggedList() { return SkinnedList(1000, {20, 20, 220, 220}, true); }
};

TEST_F(ThumbDrag, TheThumbDragsToBothEndsAndBeyondTheWindow) {
    const HWND window = DraggedList();
    const SCROLLINFO before = Info();
    const int last = before.nMax - int(before.nPage) + 1;
    const TBarsLayout bars = BarsOf(window);
    TScrollWatch watch(window, ToRect(bars.vert));
    std::vector<int> moves;
    for (int dy = 1; dy <= 40; ++dy) {
        moves.push_back(dy);
    }
    moves.push_back(3000);  // far below the window
    moves.push_back(-3000); // far above it
    moves.push_back(5);
    PostThumbDrag(window, moves);
    guitest::PumpUntilIdle(60);
    const std::vector<int> tracked = watch.Tracked();
    ASSERT_GE(tracked.size(), 40u);
    // Every pixel of the way down moved the list on.
    for (size_t i = 1; i < 40; ++i) {
        EXPECT_GT(tracked[i], tracked[i - 1]) << i;
    }
    const int deepest = *std::max_element(tracked.begin(), tracked.end());
    EXPECT_EQ(deepest, last) << "the last page plus one, no further";
    EXPECT_EQ(*std::min_element(tracked.begin(), tracked.end()), 0);
    // Each position passed was painted with the thumb pressed, in its track.
    const int track = bars.vert.bottom - bars.vert.top - 2 * Arrow();
    for (const auto& e : watch.events) {
        if (e.code != SB_THUMBTRACK) {
            continue;
        }
        const TSpan thumb = RowsOf(e.bar, TStrip::VertThumb, thumb_cell::Pressed);
        ASSERT_GE(thumb.first, Arrow()) << "position " << e.position;
        EXPECT_LE(thumb.last, Arrow() + track - 1) << "position " << e.position;
    }
    const auto& atBottom =
        *std::find_if(watch.events.begin(), watch.events.end(),
                      [&](const auto& e) { return e.code == SB_THUMBTRACK && e.position == last; });
    EXPECT_EQ(RowsOf(atBottom.bar, TStrip::VertThumb, thumb_cell::Pressed).last,
              Arrow() + track - 1)
        << "the thumb stops at the end of its track";
    // The release: the last position, then the end of the scroll.
    ASSERT_GE(watch.events.size(), 2u);
    const auto& released = watch.events[watch.events.size() - 2];
    EXPECT_EQ(released.code, SB_THUMBPOSITION);
    EXPECT_EQ(released.position, tracked.back());
    EXPECT_EQ(watch.events.back().code, SB_ENDSCROLL);
    EXPECT_EQ(Info().nPos, tracked.back());
    EXPECT_EQ(TopIndex(), tracked.back());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(skinner_->FDragging);
    // Released, the thumb shows its normal cell again.
    RECT outer{};
    GetWindowRect(window, &outer);
    const guitest::Capture bar =
        guitest::CaptureScreen({outer.left + bars.vert.left, outer.top + bars.vert.top,
                                outer.left + bars.vert.right, outer.top + bars.vert.bottom});
    EXPECT_EQ(RowsOf(bar, TStrip::VertThumb, thumb_cell::Pressed).first, -1);
    EXPECT_GE(RowsOf(bar, TStrip::VertThumb, thumb_cell::Normal).first, Arrow());
}

TEST_F(ThumbDrag, EscapePutsTheThumbBackWhereTheDragBegan) {
    const HWND window = DraggedList();
    SendMessageW(window, LVM_ENSUREVISIBLE, 300, FALSE);
    guitest::PumpUntilIdle(30);
    const int start = Info().nPos;
    ASSERT_GT(start, 0);
    TScrollWatch watch(window, ToRect(BarsOf(window).vert));
    PostThumbDrag(window, {10, 20, 30}, false);
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    guitest::PumpUntilIdle(60);
    ASSERT_FALSE(watch.Tracked().empty());
    EXPECT_GT(watch.Tracked().front(), start);
    EXPECT_EQ(watch.Tracked().back(), start);
    EXPECT_EQ(Info().nPos, start);
    EXPECT_EQ(TopIndex(), start);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ThumbDrag, ADragEndsWhenAnotherWindowTakesTheMouse) {
    const HWND window = DraggedList();
    const HWND other = list_->Parent()->Handle();
    TScrollWatch watch(window, ToRect(BarsOf(window).vert), [&](const auto& e) {
        if (e.code == SB_THUMBTRACK && e.position > 0) {
            SetCapture(other);
        }
    });
    PostThumbDrag(window, {10, 20, 30}, false);
    guitest::PumpUntilIdle(60);
    ASSERT_GE(watch.events.size(), 2u);
    EXPECT_EQ(watch.Tracked().size(), 1u) << "no step after the capture went";
    EXPECT_EQ(watch.events[watch.events.size() - 2].code, SB_THUMBPOSITION);
    EXPECT_EQ(watch.events.back().code, SB_ENDSCROLL);
    EXPECT_FALSE(skinner_->FDragging);
    ReleaseCapture();
}

TEST_F(ThumbDrag, DestroyingTheControlDuringADragEndsIt) {
    const HWND window = DraggedList();
    // A message that frees the list view, brought by the drag's own loop.
    constexpr UINT FreeList = WM_APP + 9;
    tk::Form& form = *dynamic_cast<tk::Form*>(list_->Owner());
    form.SetWindowProc([&form, old = form.WindowProc(), this](tk::Message& m) {
        if (m.msg == FreeList) {
            delete list_;
            list_ = nullptr;
            return;
        }
        old(m);
    });
    PostThumbDrag(window, {10}, false);
    PostMessageW(form.Handle(), FreeList, 0, 0);
    PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 80));
    guitest::PumpUntilIdle(60);
    EXPECT_EQ(list_, nullptr);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(frame_->FControls.empty() ||
                std::none_of(frame_->FControls.begin(), frame_->FControls.end(),
                             [&](TSkinControl* s) { return s->FHandle == window; }));
}

TEST_F(ThumbDrag, TheProgramQuittingEndsADrag) {
    const HWND window = DraggedList();
    PostThumbDrag(window, {10}, false);
    PostQuitMessage(3);
    // The program's loop: it runs the drag and must see the quit message.
    MSG msg;
    WPARAM exitCode = 0;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 3000) {
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            continue;
        }
        if (msg.message == WM_QUIT) {
            exitCode = msg.wParam;
            break;
        }
        DispatchMessageW(&msg);
    }
    EXPECT_EQ(exitCode, 3u) << "the quit message is handed on";
    EXPECT_FALSE(skinner_->FDragging);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ScrollbarSkin, WhileTheSystemDragsAListViewsThumbEveryPositionIsPaintedPressed) {
    const HWND window = SkinnedList();
    const TBarsLayout bars = BarsOf(window);
    TScrollWatch watch(window, ToRect(bars.vert));
    std::vector<int> moves;
    for (int dy = 1; dy <= 30; ++dy) {
        moves.push_back(dy);
    }
    PostThumbDrag(window, moves);
    guitest::PumpUntilIdle(60);
    const std::vector<int> tracked = watch.Tracked();
    ASSERT_GE(tracked.size(), 20u);
    const int track = bars.vert.bottom - bars.vert.top - 2 * Arrow();
    int previousTop = -1;
    for (const auto& e : watch.events) {
        if (e.code != SB_THUMBTRACK) {
            continue;
        }
        const TSpan thumb = RowsOf(e.bar, TStrip::VertThumb, thumb_cell::Pressed);
        ASSERT_GE(thumb.first, Arrow()) << "position " << e.position;
        EXPECT_LE(thumb.last, Arrow() + track - 1) << "position " << e.position;
        EXPECT_GE(thumb.first, previousTop) << "the thumb follows the pointer down";
        previousTop = thumb.first;
    }
    EXPECT_EQ(TopIndex(), tracked.back());
    EXPECT_FALSE(skinner_->FDragging) << "the system's loop ran, not the skinner's";
}

TEST_F(ScrollbarSkin, ATreeViewsBarIsSkinnedAndItsThumbDragged) {
    tk::Form& form = RangeForm();
    auto& tree = Place<tk::TreeView>(form, 20, 20, 160, 200);
    for (int i = 0; i < 100; ++i) {
        tree.Items().Add("node " + std::to_string(i));
    }
    SkinScrolled(tree);
    const HWND window = tree.Handle();
    const TBarsLayout bars = BarsOf(window);
    ASSERT_TRUE(bars.hasVert);
    const guitest::Capture shot = WindowShot(window);
    EXPECT_EQ(CellOf(TStrip::Arrows, shot.At(MiddleOf(bars.vert), bars.vert.top + 2)),
              arrow_cell::Up);
    TScrollWatch watch(window, ToRect(bars.vert));
    PostThumbDrag(window, {5, 400});
    guitest::PumpUntilIdle(60);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(window, SB_VERT, &info);
    EXPECT_EQ(info.nPos, info.nMax - int(info.nPage) + 1);
    ASSERT_FALSE(watch.Tracked().empty());
    EXPECT_EQ(watch.Tracked().back(), info.nPos);
    // The tree follows: its first visible node is the one at the position.
    wchar_t text[32] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = TreeView_GetFirstVisible(window);
    item.pszText = text;
    item.cchTextMax = 32;
    ASSERT_TRUE(TreeView_GetItem(window, &item));
    EXPECT_EQ(std::wstring(text), L"node " + std::to_wstring(info.nPos));
}

// The system repaints a control's frame from inside the paint or the erase
// of its client area (a parent shown again, here a panel): the skinner
// paints its bars then and leaves the client to the control, whose nodes
// stay drawn. Compared with the tree as a full repaint draws it.
TEST_F(ScrollbarSkin, ATreeShownAgainWithItsParentKeepsItsNodes) {
    tk::Form& form = RangeForm();
    auto& panel = Place<tk::Panel>(form, 20, 20, 200, 240);
    auto& tree = *new tk::TreeView(&form);
    tree.SetBounds(10, 10, 160, 200);
    tree.SetParent(&panel);
    for (int i = 0; i < 30; ++i) {
        tree.Items().Add("node " + std::to_string(i));
    }
    SkinScrolled(tree);
    panel.Hide();
    guitest::PumpUntilIdle(30);
    panel.Show();
    guitest::PumpUntilIdle(30);
    RECT onScreen{};
    GetWindowRect(tree.Handle(), &onScreen);
    const guitest::Capture shown = guitest::CaptureScreen(onScreen);
    RedrawWindow(tree.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    guitest::PumpUntilIdle(30);
    const guitest::Capture repainted = guitest::CaptureScreen(onScreen);
    EXPECT_TRUE(guitest::SameRect(repainted, {0, 0, shown.width, shown.height}, shown, {0, 0}));
}

// --- Scroll bar controls --------------------------------------------------------

class ScrollBarControlSkin : public RangeTest {
protected:
    tk::ScrollBar& SkinnedBar(tk::ScrollBarKind kind) {
        tk::Form& form = RangeForm();
        const bool vertical = kind == tk::ScrollBarKind::Vertical;
        bar_ =
            &Place<tk::ScrollBar>(form, 20, 20, vertical ? Arrow() : 200, vertical ? 200 : Arrow());
        bar_->SetKind(kind);
        bar_->SetMax(99);
        bar_->SetPageSize(10);
        SkinWith<TSkinScControl>(*bar_);
        return *bar_;
    }
    // The bar along its length, as on screen.
    guitest::Capture Along() const {
        RECT r{};
        GetWindowRect(bar_->Handle(), &r);
        return guitest::CaptureScreen(r);
    }
    tk::ScrollBar* bar_ = nullptr;
};

TEST_F(ScrollBarControlSkin, TheWholeControlIsOneBarFromTheSkin) {
    SkinnedBar(tk::ScrollBarKind::Horizontal);
    guitest::Capture shot = Along();
    const int y = shot.height / 2;
    EXPECT_EQ(CellOf(TStrip::Arrows, shot.At(1, y)), arrow_cell::Left);
    EXPECT_EQ(CellOf(TStrip::Arrows, shot.At(198, y)), arrow_cell::Right);
    const int track = 200 - 2 * Arrow();
    const int thumb = MulDivRound(10, track, 100);
    EXPECT_EQ(CellOf(TStrip::HorzThumb, shot.At(Arrow(), y)), 1);
    EXPECT_EQ(CellOf(TStrip::HorzThumb, shot.At(Arrow() + thumb - 1, y)), 1);
    EXPECT_EQ(CellOf(TStrip::HorzTrack, shot.At(Arrow() + thumb, y)), 1);
    // A new position reaches the screen with the control's scroll information.
    bar_->SetPosition(90);
    guitest::PumpUntilIdle(30);
    shot = Along();
    EXPECT_EQ(CellOf(TStrip::HorzThumb, shot.At(Arrow() + track - 1, y)), 1);
    EXPECT_EQ(CellOf(TStrip::HorzTrack, shot.At(Arrow() + track - thumb - 1, y)), 1);
    // A page of the whole range: the track less one pixel, at the start.
    bar_->SetPageSize(100);
    guitest::PumpUntilIdle(30);
    shot = Along();
    EXPECT_EQ(CellOf(TStrip::HorzThumb, shot.At(Arrow(), y)), 1);
    EXPECT_EQ(CellOf(TStrip::HorzThumb, shot.At(Arrow() + track - 2, y)), 1);
    EXPECT_EQ(CellOf(TStrip::HorzTrack, shot.At(Arrow() + track - 1, y)), 1);
}

TEST_F(ScrollBarControlSkin, ANotifiedArrowShowsPressedUntilTheScrollEnds) {
    SkinnedBar(tk::ScrollBarKind::Vertical);
    // Seen at the form, once the control and its skinner handled the notification.
    TScrollWatch watch(bar_->Parent()->Handle(), {20, 20, 20 + Arrow(), 220});
    const POINT arrow{Arrow() / 2, 200 - 3};
    PostMessageW(bar_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(arrow.x, arrow.y));
    PostMessageW(bar_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(arrow.x, arrow.y));
    guitest::PumpUntilIdle(60);
    ASSERT_GE(watch.events.size(), 2u);
    const auto& pressed = watch.events.front();
    EXPECT_EQ(pressed.code, SB_LINEDOWN);
    EXPECT_EQ(CellOf(TStrip::Arrows, pressed.bar.At(pressed.bar.width / 2, pressed.bar.height - 3)),
              arrow_cell::Down + arrow_cell::PressedStep);
    const auto& ended = watch.events.back();
    EXPECT_EQ(ended.code, SB_ENDSCROLL);
    EXPECT_EQ(CellOf(TStrip::Arrows, ended.bar.At(ended.bar.width / 2, ended.bar.height - 3)),
              arrow_cell::Down);
    EXPECT_EQ(bar_->Position(), 1);
}

// The control tracks a press itself, in a loop of its own inside the press's
// message, and draws its bar as the system's at the release, after the last
// notification, and marks the part under the pointer: once the press is over
// and the pointer has passed, the screen shows the skin.
TEST_F(ScrollBarControlSkin, TheBarShowsTheSkinOnceAPressOnAnArrowAndThePointerHavePassed) {
    SkinnedBar(tk::ScrollBarKind::Horizontal);
    const POINT arrow{200 - Arrow() / 2, Arrow() / 2};
    for (int click = 0; click < 2; ++click) {
        PostMessageW(bar_->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(arrow.x, arrow.y));
        PostMessageW(bar_->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(arrow.x, arrow.y));
        guitest::PumpUntilIdle(60);
    }
    EXPECT_EQ(bar_->Position(), 2);
    // The system also marks the part under the pointer as it moves over the
    // bar and leaves it.
    guitest::MouseMove(bar_->Handle(), {100, Arrow() / 2});
    guitest::MouseMove(bar_->Handle(), arrow);
    PostMessageW(bar_->Handle(), WM_MOUSELEAVE, 0, 0);
    guitest::PumpUntilIdle(60);
    const guitest::Capture shot = Along();
    const int y = shot.height / 2;
    EXPECT_EQ(CellOf(TStrip::Arrows, shot.At(1, y)), arrow_cell::Left);
    EXPECT_EQ(CellOf(TStrip::Arrows, shot.At(198, y)), arrow_cell::Right);
    EXPECT_EQ(CellOf(TStrip::HorzTrack, shot.At(200 - Arrow() - 2, y)), 1);
}

TEST_F(ScrollBarControlSkin, ASizeBoxInADialogIsAPlainOutline) {
    tk::Form& form = RangeForm();
    const HWND box =
        CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_SIZEBOX, 20, 20, 30, 30,
                        form.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    auto* sizer = new TSkinSizer(frame_);
    sizer->AttachWindow(box, *skinData_, *frame_, frame_->FControlCanvas);
    InvalidateRect(box, nullptr, TRUE);
    guitest::PumpUntilIdle(30);
    RECT r{};
    GetWindowRect(box, &r);
    const guitest::Capture shot = guitest::CaptureScreen(r);
    EXPECT_TRUE(guitest::PixelIs(shot, 0, 15, TRangeSkin::Shadow));
    EXPECT_TRUE(guitest::PixelIs(shot, 29, 15, TRangeSkin::Shadow));
    EXPECT_TRUE(guitest::PixelIs(shot, 15, 0, TRangeSkin::Shadow));
    EXPECT_TRUE(guitest::PixelIs(shot, 15, 29, TRangeSkin::Shadow));
    EXPECT_NE(shot.At(15, 15), Rgb(TRangeSkin::Shadow)) << "nothing inside";
}

} // namespace
