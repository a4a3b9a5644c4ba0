// Tab controls and page controls with their tabs on every side, and the tab
// set: the cells of the test skin's tab strip read back from the screen tell
// which tab is selected and which way the images were turned; the scroll
// arrows keep their own look; clicks and keys change the selection.
#include "tests/controls/ControlsFixture.h"

#include "toolkit/PageControl.h"
#include "toolkit/RangeControls.h"
#include "skin/WinSubClass/SkinTab.h"
#include "skin/WinSubClass/SkinTab31.h"
#include "skin/WinSubClass/SkinUpDown.h"
#include "toolkit/TabSet.h"
#include "tests/controls/TabSkin.h"

using namespace skin;
using namespace controlstest;

namespace {

uint32_t TabCell(int index) {
    return guitest::Rgb(TTabSkin::Cells[index - 1]);
}

RECT ItemRect(HWND tabs, int index) {
    RECT r{};
    SendMessageW(tabs, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

// Where the skinner draws an item, in the control's coordinates.
RECT DrawnRect(TTabSide side, RECT r) {
    switch (side) {
    case TTabSide::Top:
        OffsetRect(&r, 0, 1);
        break;
    case TTabSide::Bottom:
    case TTabSide::Right:
        OffsetRect(&r, 0, -1);
        break;
    case TTabSide::Left:
        break;
    }
    return r;
}

// A point of the tab's fill: past the leading margin along the tab, in the
// middle across (captions are padded with blanks, so no ink reaches it).
POINT FillPoint(TTabSide side, const RECT& d) {
    const int inset = TTabSkin::Margin + 1;
    if (side == TTabSide::Left || side == TTabSide::Right) {
        return {(d.left + d.right) / 2, d.top + inset};
    }
    return {d.left + inset, (d.top + d.bottom) / 2};
}

// A point of the tip band: the tab's outer end.
POINT TipPoint(TTabSide side, const RECT& d) {
    const int middleX = (d.left + d.right) / 2;
    const int middleY = d.top + TTabSkin::Margin + 1;
    switch (side) {
    case TTabSide::Top:
        return {d.left + TTabSkin::Margin + 1, d.top};
    case TTabSide::Bottom:
        return {d.left + TTabSkin::Margin + 1, d.bottom - 1};
    case TTabSide::Left:
        return {d.left, middleY};
    case TTabSide::Right:
        return {d.right - 1, middleY};
    }
    return {middleX, middleY};
}

int CountColour(const guitest::Capture& shot, const RECT& r, uint32_t colour) {
    int count = 0;
    for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, shot.height); ++y) {
        for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, shot.width); ++x) {
            count += shot.At(x, y) == colour;
        }
    }
    return count;
}

class Tabs : public ControlsTest {
protected:
    tk::PageControl& AddPages(tk::Form& form, tk::TabPosition position, const RECT& bounds,
                              int pages) {
        auto* control = new tk::PageControl(&form);
        control->SetTabPosition(position);
        control->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left,
                           bounds.bottom - bounds.top);
        for (int i = 0; i < pages; ++i) {
            auto* sheet = new tk::TabSheet(&form);
            sheet->SetCaption("   Page " + std::to_string(i) + "   ");
            sheet->SetPageControl(control);
        }
        control->SetParent(&form);
        return *control;
    }
    void SkinControls(tk::Form& form) {
        frame_->SkinFormControls(form);
        frametest::Settle();
    }
    TSkinTab* TabSkinnerOf(HWND window) const {
        return dynamic_cast<TSkinTab*>(frame_->FindControlByWindow(window));
    }
};

class TabSides : public Tabs, public ::testing::WithParamInterface<tk::TabPosition> {};

TEST_P(TabSides, TabsShowTheirCellsTurnedToTheirSideInsideTheTurnedPageBorder) {
    tk::Form& form = SkinnedForm(TTabSkin().Build());
    tk::PageControl& pages = AddPages(form, GetParam(), {20, 20, 380, 240}, 3);
    pages.SetActivePage(pages.Pages()[1]);
    SkinControls(form);
    HWND window = pages.Handle();
    TSkinTab* skinner = TabSkinnerOf(window);
    ASSERT_NE(skinner, nullptr);
    const TTabSide side = skinner->FTabPosition;
    EXPECT_EQ(int(side), int(GetParam()));
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    frametest::Settle();
    const guitest::Capture shot = guitest::CaptureWindow(window);

    const RECT normal = DrawnRect(side, ItemRect(window, 0));
    const RECT selected = DrawnRect(side, ItemRect(window, 1));
    const POINT fill0 = FillPoint(side, normal);
    const POINT fill1 = FillPoint(side, selected);
    EXPECT_TRUE(guitest::PixelIs(shot, fill0.x, fill0.y, TTabSkin::Cells[0]));
    EXPECT_TRUE(guitest::PixelIs(shot, fill1.x, fill1.y, TTabSkin::Cells[1]));
    const POINT tip = TipPoint(side, normal);
    EXPECT_TRUE(guitest::PixelIs(shot, tip.x, tip.y, TTabSkin::Tip));
    // Captions in the skin's colours for normal and selected tabs.
    EXPECT_GT(CountColour(shot, normal, guitest::Rgb(TTabSkin::NormalText)), 0);
    EXPECT_GT(CountColour(shot, selected, guitest::Rgb(TTabSkin::SelectedText)), 0);

    // The page border: its tab-side rows face the tabs.
    RECT page{0, 0, shot.width, shot.height};
    SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    InflateRect(&page, 4, 4);
    const int midX = (page.left + page.right) / 2;
    const int midY = (page.top + page.bottom) / 2;
    POINT nearSide{};
    POINT farSide{};
    switch (side) {
    case TTabSide::Top:
        nearSide = {midX, page.top + 2};
        farSide = {midX, page.bottom - 2};
        break;
    case TTabSide::Bottom:
        nearSide = {midX, page.bottom - 3};
        farSide = {midX, page.top + 1};
        break;
    case TTabSide::Left:
        nearSide = {page.left + 2, midY};
        farSide = {page.right - 2, midY};
        break;
    case TTabSide::Right:
        nearSide = {page.right - 3, midY};
        farSide = {page.left + 1, midY};
        break;
    }
    EXPECT_TRUE(guitest::PixelIs(shot, nearSide.x, nearSide.y, TTabSkin::BorderNear));
    EXPECT_TRUE(guitest::PixelIs(shot, farSide.x, farSide.y, TTabSkin::BorderFar));

    // Past the last tab the row shows the skin's face.
    const RECT last = DrawnRect(side, ItemRect(window, 2));
    const POINT beyond = side == TTabSide::Left || side == TTabSide::Right
                             ? POINT{(last.left + last.right) / 2, (last.bottom + shot.height) / 2}
                             : POINT{(last.right + shot.width) / 2, (last.top + last.bottom) / 2};
    EXPECT_TRUE(guitest::PixelIs(shot, beyond.x, beyond.y, TTabSkin::Face));
}

TEST_P(TabSides, WithoutAPageBorderTheTabsAreStillTurnedToTheirSide) {
    TTabSkin skin;
    skin.withBorder = false;
    tk::Form& form = SkinnedForm(skin.Build());
    tk::PageControl& pages = AddPages(form, GetParam(), {20, 20, 380, 240}, 3);
    SkinControls(form);
    HWND window = pages.Handle();
    TSkinTab* skinner = TabSkinnerOf(window);
    ASSERT_NE(skinner, nullptr);
    const TTabSide side = skinner->FTabPosition;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    frametest::Settle();
    const guitest::Capture shot = guitest::CaptureWindow(window);
    const RECT normal = DrawnRect(side, ItemRect(window, 1));
    const POINT fill = FillPoint(side, normal);
    const POINT tip = TipPoint(side, normal);
    EXPECT_TRUE(guitest::PixelIs(shot, fill.x, fill.y, TTabSkin::Cells[0]));
    EXPECT_TRUE(guitest::PixelIs(shot, tip.x, tip.y, TTabSkin::Tip));
}

std::string SideName(const ::testing::TestParamInfo<tk::TabPosition>& info) {
    static const char* const names[] = {"Top", "Bottom", "Left", "Right"};
    return names[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EverySide, TabSides,
                         ::testing::Values(tk::TabPosition::Top, tk::TabPosition::Bottom,
                                           tk::TabPosition::Left, tk::TabPosition::Right),
                         SideName);

TEST_F(Tabs, AClickAndTheArrowKeysMoveTheSelectedCell) {
    tk::Form& form = SkinnedForm(TTabSkin().Build());
    tk::PageControl& pages = AddPages(form, tk::TabPosition::Top, {20, 20, 380, 280}, 3);
    SkinControls(form);
    HWND window = pages.Handle();
    const auto cellAt = [&](int index) {
        const POINT p = FillPoint(TTabSide::Top, DrawnRect(TTabSide::Top, ItemRect(window, index)));
        return guitest::CaptureWindow(window).At(p.x, p.y);
    };
    EXPECT_EQ(cellAt(0), TabCell(2));
    const RECT third = ItemRect(window, 2);
    guitest::Click(window, {(third.left + third.right) / 2, (third.top + third.bottom) / 2});
    frametest::Settle();
    EXPECT_EQ(pages.ActivePage(), pages.Pages()[2]);
    EXPECT_EQ(cellAt(0), TabCell(1));
    EXPECT_EQ(cellAt(2), TabCell(2));
    PostMessageW(window, WM_KEYDOWN, VK_LEFT, 0);
    frametest::Settle();
    EXPECT_EQ(pages.ActivePage(), pages.Pages()[1]);
    EXPECT_EQ(cellAt(1), TabCell(2));
    EXPECT_EQ(cellAt(2), TabCell(1));
}

// How often and how long apart the test looks for the arrows' look after the
// pointer left them.
constexpr int LeaveChecks = 30;
constexpr int LeaveCheckMs = 100;

// A tab control in a window without a form object, too narrow for its tabs:
// the control's scroll arrows get their own skinner and keep their look when
// the tab row is painted again, also without WS_CLIPCHILDREN.
TEST_F(Tabs, TheScrollArrowsOfARawTabControlAreSkinnedAndLeftOutOfTheRow) {
    skinData_ = &AddSkin(TTabSkin().Build());
    HWND window = CreateWindowExW(0, frametest::RawClass, L"Raw", frametest::RawStyle, 60, 60, 420,
                                  300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(window);
    HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE, 10, 10, 220, 150,
                                window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tabs, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), 0);
    for (int i = 0; i < 8; ++i) {
        std::wstring text = L"   Tab " + std::to_wstring(i) + L"   ";
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(tabs, TCM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
    }
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    frametest::Settle();
    frame_ = frametest::FrameOf(window);
    ASSERT_NE(frame_, nullptr);
    TSkinTab* skinner = TabSkinnerOf(tabs);
    ASSERT_NE(skinner, nullptr);
    EXPECT_EQ(skinner->Owner(), frame_);
    RedrawWindow(tabs, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    frametest::Settle();
    HWND arrows = FindWindowExW(tabs, nullptr, UPDOWN_CLASSW, nullptr);
    ASSERT_NE(arrows, nullptr);
    ASSERT_TRUE(IsWindowVisible(arrows));
    ASSERT_NE(skinner->FUpDown, nullptr);
    EXPECT_EQ(skinner->FUpDown->FHandle, arrows);

    const auto checkArrows = [&] {
        const guitest::Capture shot = guitest::CaptureWindow(arrows);
        // Left arrow: cell 1; right arrow: cell 5 (both normal).
        EXPECT_TRUE(guitest::PixelIs(shot, 1, shot.height / 2, TTabSkin::ArrowCell(1)));
        EXPECT_TRUE(
            guitest::PixelIs(shot, shot.width - 2, shot.height / 2, TTabSkin::ArrowCell(5)));
    };
    checkArrows();
    // The row painted straight onto the window leaves the arrows as they are.
    skinner->Paint(nullptr);
    checkArrows();

    // The right arrow scrolls the row by one tab.
    RECT arrowRect{};
    GetClientRect(arrows, &arrowRect);
    const RECT before = ItemRect(tabs, 1);
    guitest::Click(arrows, {arrowRect.right - 3, arrowRect.bottom / 2});
    frametest::Settle();
    const RECT after = ItemRect(tabs, 1);
    EXPECT_LT(after.left, before.left);
    const POINT p = FillPoint(TTabSide::Top, DrawnRect(TTabSide::Top, after));
    EXPECT_TRUE(guitest::PixelIs(guitest::CaptureWindow(tabs), p.x, p.y, TTabSkin::Cells[0]));
    // The pointer still rests on the right arrow, which shows hot (cell 8)
    // until the pointer leaves it.
    const guitest::Capture hot = guitest::CaptureWindow(arrows);
    EXPECT_TRUE(guitest::PixelIs(hot, hot.width - 2, hot.height / 2, TTabSkin::ArrowCell(8)));
    // The system reports the pointer's leaving from a timer of its own.
    guitest::ParkPointer();
    for (int i = 0; i < LeaveChecks; ++i) {
        const guitest::Capture shot = guitest::CaptureWindow(arrows);
        if (guitest::PixelIs(shot, shot.width - 2, shot.height / 2, TTabSkin::ArrowCell(5))) {
            break;
        }
        guitest::PumpUntilIdle(LeaveCheckMs);
    }
    checkArrows();
}

// The tab set: a long tab that does not fit is skipped and a later, shorter
// one still drawn where the tab set's own clicks find it; the tabs hang down
// (the strip flipped); the scroller is skinned with left and right arrows.
TEST_F(Tabs, ATabSetSkipsATabThatDoesNotFitAndScrollsWithItsSkinnedScroller) {
    tk::Form& form = SkinnedForm(TTabSkin().Build());
    auto* tabSet = new tk::TabSet(&form);
    tabSet->SetBounds(20, 200, 260, 22);
    tabSet->SetTabs({"  One  ", "  A caption farSide too long for what is left of the row  ",
                     "  Two  ", "  Three  "});
    tabSet->SetTabIndex(0);
    tabSet->SetParent(&form);
    SkinControls(form);
    auto* skinner = dynamic_cast<TSkinTab31*>(SkinnerOf(*tabSet));
    ASSERT_NE(skinner, nullptr);
    ASSERT_NE(skinner->FUpDown, nullptr);
    EXPECT_EQ(skinner->FUpDown->FHorizontal, 1);
    ASSERT_TRUE(tabSet->ScrollerShown());

    const auto slots = tabSet->TabSlots();
    ASSERT_GE(slots.size(), 2u);
    EXPECT_EQ(slots[0].index, 0);
    EXPECT_EQ(slots[1].index, 2);
    const int height = tabSet->Height();
    const auto fillAt = [&](const tk::TabSlot& slot) {
        return Shot(*tabSet).At(slot.left + TTabSkin::Margin + 1, height / 2);
    };
    EXPECT_EQ(fillAt(slots[0]), TabCell(2));
    EXPECT_EQ(fillAt(slots[1]), TabCell(1));
    // Flipped: the tip band is at the bottom.
    EXPECT_TRUE(guitest::PixelIs(Shot(*tabSet), slots[1].left + TTabSkin::Margin + 1, height - 1,
                                 TTabSkin::Tip));
    EXPECT_TRUE(
        guitest::PixelIs(Shot(*tabSet), slots.back().right + 2, height / 2, TTabSkin::Face));

    // A click on the drawn "Two" selects it.
    guitest::Click(tabSet->Handle(), {(slots[1].left + slots[1].right) / 2, height / 2});
    frametest::Settle();
    EXPECT_EQ(tabSet->TabIndex(), 2);
    EXPECT_EQ(fillAt(slots[1]), TabCell(2));
    EXPECT_EQ(fillAt(slots[0]), TabCell(1));

    // The scroller: left and right arrow cells; its right arrow moves the row.
    tk::UpDown& scroller = tabSet->Scroller();
    const guitest::Capture arrows = Shot(scroller);
    EXPECT_TRUE(guitest::PixelIs(arrows, 1, arrows.height / 2, TTabSkin::ArrowCell(1)));
    EXPECT_TRUE(
        guitest::PixelIs(arrows, arrows.width - 2, arrows.height / 2, TTabSkin::ArrowCell(5)));
    guitest::Click(scroller.Handle(), {scroller.Width() - 3, scroller.Height() / 2});
    frametest::Settle();
    EXPECT_EQ(tabSet->FirstIndex(), 1);
    const auto scrolled = tabSet->TabSlots();
    ASSERT_FALSE(scrolled.empty());
    EXPECT_EQ(scrolled[0].index, 2);
    EXPECT_EQ(fillAt(scrolled[0]), TabCell(2));
}

} // namespace
