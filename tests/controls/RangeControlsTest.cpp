// Track bars, up-down controls and progress bars under their skinners, on a
// form skinned with the range test skin: the cells they show in every state,
// both orientations, and their looks without the skin's images.
#include "tests/controls/RangeFixture.h"

#include "skin/WinSubClass/RangeCodes.h"
#include "toolkit/RangeControls.h"
#include "skin/WinSubClass/SkinProgress.h"
#include "skin/WinSubClass/SkinTrackBar.h"
#include "skin/WinSubClass/SkinUpDown.h"

#include <commctrl.h>

using namespace skin;
using namespace controlstest;

namespace {

class RangeControls : public RangeTest {
protected:
    // The screen pixel at a client point of a control.
    static uint32_t ClientPixel(tk::Control& control, POINT at) {
        const POINT screen = control.ClientToScreen(at);
        return guitest::CaptureScreen({screen.x, screen.y, screen.x + 1, screen.y + 1}).At(0, 0);
    }
    // The pointer really over a client point, and the control told so.
    static void PointerTo(tk::WinControl& control, POINT at) {
        const POINT screen = control.ClientToScreen(at);
        SetCursorPos(screen.x, screen.y);
        PostMessageW(control.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
        guitest::PumpUntilIdle(40);
    }
};

// --- Track bars ---------------------------------------------------------------------

RECT ThumbOf(tk::TrackBar& bar) {
    RECT thumb{};
    SendMessageW(bar.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    return thumb;
}

POINT MiddleOf(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(RangeControls, ATrackBarThumbIsAlwaysTheSecondCellOfItsStrip) {
    tk::Form& form = RangeForm();
    auto& bar = Place<tk::TrackBar>(form, 20, 20, 200, 40);
    bar.SetPosition(3);
    SkinWith<TSkinTrackBar>(bar);
    const POINT thumb = MiddleOf(ThumbOf(bar));
    EXPECT_EQ(CellOf(TStrip::TrackThumbHorz, ClientPixel(bar, thumb)), TrackThumbCell);
    PointerTo(bar, thumb);
    EXPECT_EQ(CellOf(TStrip::TrackThumbHorz, ClientPixel(bar, thumb)), TrackThumbCell) << "hot";
    // Pressed: the track bar follows the pointer with the button down.
    PostMessageW(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(thumb.x, thumb.y));
    PostMessageW(bar.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(thumb.x + 40, thumb.y));
    guitest::PumpUntilIdle(40);
    const POINT moved = MiddleOf(ThumbOf(bar));
    EXPECT_GT(moved.x, thumb.x);
    EXPECT_EQ(CellOf(TStrip::TrackThumbHorz, ClientPixel(bar, moved)), TrackThumbCell) << "pressed";
    PostMessageW(bar.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(thumb.x + 40, thumb.y));
    guitest::PumpUntilIdle(40);
    bar.SetEnabled(false);
    guitest::PumpUntilIdle(40);
    EXPECT_EQ(CellOf(TStrip::TrackThumbHorz, ClientPixel(bar, MiddleOf(ThumbOf(bar)))),
              TrackThumbCell)
        << "disabled";
}

TEST_F(RangeControls, AVerticalTrackBarTakesTheVerticalThumbWhenTheSkinHasOne) {
    tk::Form& form = RangeForm();
    auto& bar = Place<tk::TrackBar>(form, 20, 20, 40, 200);
    bar.SetOrientation(tk::Orientation::Vertical);
    SkinWith<TSkinTrackBar>(bar);
    EXPECT_EQ(CellOf(TStrip::TrackThumbVert, ClientPixel(bar, MiddleOf(ThumbOf(bar)))),
              TrackThumbCell);
}

TEST_F(RangeControls, AVerticalTrackBarFallsBackToTheHorizontalThumb) {
    TRangeSkin look;
    look.withVertTrackThumb = false;
    tk::Form& form = RangeForm(look);
    auto& bar = Place<tk::TrackBar>(form, 20, 20, 40, 200);
    bar.SetOrientation(tk::Orientation::Vertical);
    SkinWith<TSkinTrackBar>(bar);
    EXPECT_EQ(CellOf(TStrip::TrackThumbHorz, ClientPixel(bar, MiddleOf(ThumbOf(bar)))),
              TrackThumbCell);
}

TEST_F(RangeControls, WithoutThumbImagesTheThumbIsAnOutlinedRectangle) {
    TRangeSkin look;
    look.withTrackThumbs = false;
    tk::Form& form = RangeForm(look);
    auto& bar = Place<tk::TrackBar>(form, 20, 20, 200, 40);
    SkinWith<TSkinTrackBar>(bar);
    const RECT thumb = ThumbOf(bar);
    EXPECT_EQ(ClientPixel(bar, {thumb.left, MiddleOf(thumb).y}), Rgb(TRangeSkin::Shadow));
    EXPECT_EQ(ClientPixel(bar, {thumb.right - 1, MiddleOf(thumb).y}), Rgb(TRangeSkin::Shadow));
    EXPECT_EQ(ClientPixel(bar, {MiddleOf(thumb).x, thumb.top}), Rgb(TRangeSkin::Shadow));
    EXPECT_EQ(ClientPixel(bar, MiddleOf(thumb)), Rgb(TRangeSkin::Face));
}

// --- Up-down controls ----------------------------------------------------------------

class UpDownSkin : public RangeControls {
protected:
    tk::UpDown& SkinnedUpDown(bool horizontal, const TRangeSkin& look = {}) {
        tk::Form& form = RangeForm(look);
        updown_ = &Place<tk::UpDown>(form, 40, 40, horizontal ? 40 : 20, horizontal ? 20 : 40);
        if (horizontal) {
            updown_->SetOrientation(tk::Orientation::Horizontal);
        }
        skinner_ = &SkinWith<TSkinUpDown>(*updown_);
        // The system may give the control a width of its own.
        GetClientRect(updown_->Handle(), &area_);
        const bool sideBySide = horizontal;
        first_ = area_;
        second_ = area_;
        if (sideBySide) {
            first_.right = area_.right / 2;
            second_.left = first_.right;
        } else {
            first_.bottom = area_.bottom / 2;
            second_.top = first_.bottom;
        }
        return *updown_;
    }
    // A point of a half beside its glyph, and the glyph's middle.
    static POINT Beside(const RECT& half) { return {half.left + 1, half.top + 1}; }
    static POINT GlyphOf(const RECT& half) {
        const int left = half.left + (half.right - half.left - TRangeSkin::GlyphWidth) / 2;
        const int top = half.top + (half.bottom - half.top - TRangeSkin::GlyphHeight) / 2;
        return {left + 3, top + 2}; // inside the glyph's coloured block
    }
    static POINT Middle(const RECT& half) {
        return {(half.left + half.right) / 2, (half.top + half.bottom) / 2};
    }
    // The strip cells the two halves show.
    std::pair<int, int> Cells(TStrip strip) {
        return {CellOf(strip, ClientPixel(*updown_, Beside(first_))),
                CellOf(strip, ClientPixel(*updown_, Beside(second_)))};
    }
    void Post(UINT msg, WPARAM keys, POINT at) {
        PostMessageW(updown_->Handle(), msg, keys, MAKELPARAM(at.x, at.y));
        guitest::PumpUntilIdle(40);
    }
    tk::UpDown* updown_ = nullptr;
    TSkinUpDown* skinner_ = nullptr;
    RECT area_{};
    RECT first_{};
    RECT second_{};
};

using Pair = std::pair<int, int>;

TEST_F(UpDownSkin, TheHalfUnderThePointerShowsHotAndPressed) {
    SkinnedUpDown(false);
    EXPECT_EQ(Cells(TStrip::UpDownVert), Pair(1, 5));
    // The glyphs sit in the middle of each half, in the same cell.
    EXPECT_EQ(CellOf(TStrip::UpDownGlyph, ClientPixel(*updown_, GlyphOf(first_))), 1);
    EXPECT_EQ(CellOf(TStrip::UpDownGlyph, ClientPixel(*updown_, GlyphOf(second_))), 5);
    PointerTo(*updown_, Middle(first_));
    EXPECT_EQ(Cells(TStrip::UpDownVert), Pair(up_down_state::Hot, 5));
    EXPECT_EQ(CellOf(TStrip::UpDownGlyph, ClientPixel(*updown_, GlyphOf(first_))),
              up_down_state::Hot);
    PointerTo(*updown_, Middle(second_));
    EXPECT_EQ(Cells(TStrip::UpDownVert), Pair(1, 4 + up_down_state::Hot));
    Post(WM_LBUTTONDOWN, MK_LBUTTON, Middle(second_));
    EXPECT_EQ(Cells(TStrip::UpDownVert), Pair(1, 4 + up_down_state::Pressed));
    Post(WM_LBUTTONUP, 0, Middle(second_));
    EXPECT_EQ(Cells(TStrip::UpDownVert), Pair(1, 4 + up_down_state::Hot));
    EXPECT_EQ(updown_->Position(), 0) << "down from the minimum stays there";
    Post(WM_MOUSELEAVE, 0, {0, 0});
    EXPECT_EQ(Cells(TStrip::UpDownVert), Pair(1, 5));
}

TEST_F(UpDownSkin, AHorizontalOneUsesItsOwnStripLeftAndRight) {
    SkinnedUpDown(true);
    EXPECT_EQ(Cells(TStrip::UpDownHorz), Pair(1, 5));
    PointerTo(*updown_, Middle(second_));
    EXPECT_EQ(Cells(TStrip::UpDownHorz), Pair(1, 4 + up_down_state::Hot));
    Post(WM_LBUTTONDOWN, MK_LBUTTON, Middle(second_));
    EXPECT_EQ(Cells(TStrip::UpDownHorz), Pair(1, 4 + up_down_state::Pressed));
    Post(WM_LBUTTONUP, 0, Middle(second_));
    EXPECT_EQ(updown_->Position(), 1);
    PointerTo(*updown_, Middle(first_));
    EXPECT_EQ(Cells(TStrip::UpDownHorz), Pair(up_down_state::Hot, 5));
}

TEST_F(UpDownSkin, ADisabledOneShowsBothHalvesDisabledWhateverThePointerDoes) {
    SkinnedUpDown(false);
    PointerTo(*updown_, Middle(first_));
    updown_->SetEnabled(false);
    guitest::PumpUntilIdle(40);
    EXPECT_EQ(Cells(TStrip::UpDownVert),
              Pair(up_down_state::Disabled, 4 + up_down_state::Disabled));
    PointerTo(*updown_, Middle(second_));
    EXPECT_EQ(Cells(TStrip::UpDownVert),
              Pair(up_down_state::Disabled, 4 + up_down_state::Disabled));
}

TEST_F(UpDownSkin, WithoutTheSkinsStripEachHalfIsAPlainButtonWithALineArrow) {
    TRangeSkin look;
    look.withUpDown = false;
    SkinnedUpDown(false, look);
    const uint32_t edge = Rgb(TRangeSkin::DkShadow);
    EXPECT_EQ(ClientPixel(*updown_, {first_.left, first_.top + 5}), edge);
    EXPECT_EQ(ClientPixel(*updown_, {first_.right - 1, first_.top + 5}), edge);
    EXPECT_EQ(ClientPixel(*updown_, {first_.left + 3, first_.top}), edge);
    EXPECT_EQ(ClientPixel(*updown_, {first_.left + 3, first_.bottom - 1}), edge);
    EXPECT_EQ(ClientPixel(*updown_, {second_.left + 3, second_.top}), edge);
    EXPECT_EQ(ClientPixel(*updown_, Beside(first_)), Rgb(TRangeSkin::Face));
    // Each arrow's tip at the middle of its half, raised by 2.
    const POINT up = Middle(first_);
    EXPECT_EQ(ClientPixel(*updown_, {up.x, up.y - 2}), Rgb(TRangeSkin::Text));
    const POINT down = Middle(second_);
    EXPECT_EQ(ClientPixel(*updown_, {down.x, down.y + 1}), Rgb(TRangeSkin::Text));
    PointerTo(*updown_, down);
    EXPECT_EQ(ClientPixel(*updown_, Beside(second_)), Rgb(TRangeSkin::Shadow)) << "hot half";
    EXPECT_EQ(ClientPixel(*updown_, Beside(first_)), Rgb(TRangeSkin::Face));
}

TEST_F(UpDownSkin, WithoutTheSkinsStripAHorizontalOneDrawsSideArrows) {
    TRangeSkin look;
    look.withUpDown = false;
    SkinnedUpDown(true, look);
    // Each arrow's point one pixel beside the middle of its half.
    const POINT left = Middle(first_);
    EXPECT_EQ(ClientPixel(*updown_, {left.x - 1, left.y}), Rgb(TRangeSkin::Text));
    const POINT right = Middle(second_);
    EXPECT_EQ(ClientPixel(*updown_, {right.x + 1, right.y}), Rgb(TRangeSkin::Text));
    EXPECT_EQ(ClientPixel(*updown_, {second_.left, 3}), Rgb(TRangeSkin::DkShadow))
        << "between the halves";
}

// --- Progress bars -------------------------------------------------------------------

class ProgressSkin : public RangeControls {
protected:
    tk::ProgressBar& SkinnedBar(const TRangeSkin& look = {}, bool vertical = false) {
        tk::Form& form = RangeForm(look);
        bar_ = &Place<tk::ProgressBar>(form, 20, 20, vertical ? 20 : 200, vertical ? 200 : 20);
        if (vertical) {
            bar_->SetOrientation(tk::Orientation::Vertical);
        }
        SkinWith<TSkinProgress>(*bar_);
        return *bar_;
    }
    int CellAt(int x, int y) { return CellOf(TStrip::Progress, ClientPixel(*bar_, {x, y})); }
    void Show(int position) {
        bar_->SetPosition(position);
        guitest::PumpUntilIdle(30);
    }
    tk::ProgressBar* bar_ = nullptr;
};

TEST_F(ProgressSkin, PositionZeroShowsOnlyTheEmptyCell) {
    SkinnedBar();
    Show(0);
    for (int x : {0, 1, 50, 100, 199}) {
        EXPECT_EQ(CellAt(x, 10), progress_cell::Empty) << x;
    }
}

TEST_F(ProgressSkin, TheFilledCellCoversThePositionsShareOfTheRange) {
    SkinnedBar();
    Show(50);
    EXPECT_EQ(CellAt(0, 10), progress_cell::Filled);
    EXPECT_EQ(CellAt(99, 10), progress_cell::Filled);
    EXPECT_EQ(CellAt(100, 10), progress_cell::Empty);
    Show(100);
    EXPECT_EQ(CellAt(199, 10), progress_cell::Filled);
    // A range that does not start at 0: the share from its minimum.
    bar_->SetMin(50);
    bar_->SetMax(150);
    Show(100);
    EXPECT_EQ(CellAt(99, 10), progress_cell::Filled);
    EXPECT_EQ(CellAt(100, 10), progress_cell::Empty);
    Show(50);
    EXPECT_EQ(CellAt(0, 10), progress_cell::Empty);
}

TEST_F(ProgressSkin, AVerticalBarFillsFromTheBottom) {
    SkinnedBar({}, true);
    Show(25);
    EXPECT_EQ(CellAt(10, 199), progress_cell::Filled);
    EXPECT_EQ(CellAt(10, 150), progress_cell::Filled);
    EXPECT_EQ(CellAt(10, 149), progress_cell::Empty);
}

TEST_F(ProgressSkin, TheChunkStyleLaysChunksSideBySideFromTheLeftMargin) {
    SkinnedBar();
    bar_->SetStyle(tk::ProgressStyle::Chunks);
    Show(50);
    constexpr int Margin = 3; // the test skin's LeftWidth
    const int top = (20 - TRangeSkin::ChunkHeight) / 2;
    const uint32_t chunk = Rgb(TRangeSkin::Chunk);
    EXPECT_EQ(ClientPixel(*bar_, {Margin, top}), chunk);
    EXPECT_EQ(ClientPixel(*bar_, {Margin + TRangeSkin::ChunkWidth - 1, top + 7}), chunk);
    EXPECT_NE(ClientPixel(*bar_, {Margin + TRangeSkin::ChunkWidth, top}), chunk) << "the gap";
    EXPECT_EQ(ClientPixel(*bar_, {Margin + TRangeSkin::ChunkWidth + 1, top}), chunk);
    EXPECT_NE(ClientPixel(*bar_, {Margin, top - 1}), chunk);
    EXPECT_EQ(ClientPixel(*bar_, {Margin + 99, top}), chunk) << "a hundred pixels of chunks";
    EXPECT_NE(ClientPixel(*bar_, {Margin + 100, top}), chunk);
    Show(0);
    EXPECT_NE(ClientPixel(*bar_, {Margin, top}), chunk) << "position 0: no chunk";
}

TEST_F(ProgressSkin, ABarLeftAtTheDefaultStyleTakesTheSkinsChunks) {
    TRangeSkin look;
    look.progressStyle = 1;
    SkinnedBar(look);
    Show(50);
    constexpr int Margin = 3; // the test skin's LeftWidth
    const int top = (20 - TRangeSkin::ChunkHeight) / 2;
    const uint32_t chunk = Rgb(TRangeSkin::Chunk);
    EXPECT_EQ(ClientPixel(*bar_, {Margin, top}), chunk);
    EXPECT_NE(ClientPixel(*bar_, {Margin + TRangeSkin::ChunkWidth, top}), chunk) << "the gap";
    EXPECT_EQ(ClientPixel(*bar_, {Margin + 99, top}), chunk);
    EXPECT_NE(ClientPixel(*bar_, {Margin + 100, top}), chunk);
}

TEST_F(ProgressSkin, WithoutAChunkImageTheChunkStyleShowsOnlyTheBar) {
    TRangeSkin look;
    look.withChunk = false;
    SkinnedBar(look);
    bar_->SetStyle(tk::ProgressStyle::Chunks);
    Show(50);
    EXPECT_NE(CellAt(10, 10), 0);
    EXPECT_NE(ClientPixel(*bar_, {10, 10}), Rgb(TRangeSkin::Chunk));
}

TEST_F(ProgressSkin, WithoutTheSkinsImageTheBarPaintsItself) {
    TRangeSkin look;
    look.withProgress = false;
    SkinnedBar(look);
    Show(50);
    EXPECT_EQ(CellAt(10, 10), 0);
    EXPECT_EQ(CellAt(150, 10), 0);
}

} // namespace
