// The tab set: its row laid out from the first visible tab with tabs that do
// not fit left out, the selection by mouse, the scroller that appears when
// the tabs do not fit, and its properties read from a design.
#include "tests/toolkit/FormFixture.h"
#include "toolkit/RangeControls.h"
#include "toolkit/TabSet.h"

namespace {

using tk::LayoutTabSet;
using tk::TabSlot;

TEST(TabSetLayout, TabsFollowEachOtherFromTheStartMarginWithTheirPadding) {
    const std::vector<int> widths{20, 30, 10};
    const auto slots = LayoutTabSet(widths, 0, 5, 200, false);
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_EQ(slots[0], (TabSlot{0, 5, 34}));
    EXPECT_EQ(slots[1], (TabSlot{1, 34, 73}));
    EXPECT_EQ(slots[2], (TabSlot{2, 73, 92}));
}

TEST(TabSetLayout, ATabThatDoesNotFitIsSkippedAndALaterShorterOneStillComes) {
    const std::vector<int> widths{20, 100, 10, 5};
    // 5 + 29 = 34; 34 + 109 > 60: skipped; 34 + 19 = 53 fits; 53 + 14 > 60.
    const auto slots = LayoutTabSet(widths, 0, 5, 60, false);
    ASSERT_EQ(slots.size(), 2u);
    EXPECT_EQ(slots[1], (TabSlot{2, 34, 53}));
}

TEST(TabSetLayout, ATabMustExactlyFitAndLeavesTheScrollersRoomWhileItShows) {
    const std::vector<int> widths{21};
    EXPECT_EQ(LayoutTabSet(widths, 0, 0, 30, false).size(), 1u);
    EXPECT_EQ(LayoutTabSet(widths, 0, 0, 29, false).size(), 0u);
    EXPECT_EQ(LayoutTabSet(widths, 0, 0, 42, true).size(), 1u);
    EXPECT_EQ(LayoutTabSet(widths, 0, 0, 41, true).size(), 0u);
}

TEST(TabSetLayout, TheRowStartsAtTheFirstVisibleTab) {
    const std::vector<int> widths{10, 10, 10};
    const auto slots = LayoutTabSet(widths, 2, 5, 200, false);
    ASSERT_EQ(slots.size(), 1u);
    EXPECT_EQ(slots[0], (TabSlot{2, 5, 24}));
    EXPECT_TRUE(LayoutTabSet(widths, 3, 5, 200, false).empty());
}

// A form with room for a tab set 300 pixels wide.
constexpr const char* FormStart = "object F: TForm\n  Left = 40\n  Top = 40\n  ClientWidth = 330\n"
                                  "  ClientHeight = 100\n";

struct TabSets : FormFixture {
    tk::TabSet& Designed(int width, const std::string& tabs, int tabIndex = 0) {
        Read(std::string(FormStart) +
             "  object Tabs: TTabSet\n    Left = 10\n    Top = 40\n    Width = " +
             std::to_string(width) + "\n    TabIndex = " + std::to_string(tabIndex) +
             "\n    Tabs = (" + tabs + ")\n  end\nend");
        ShowForm();
        return Find<tk::TabSet>("Tabs");
    }
    static POINT Centre(const tk::TabSet& tabSet, const TabSlot& slot) {
        return {(slot.left + slot.right) / 2, tabSet.Height() / 2};
    }
};

TEST_F(TabSets, ADesignGivesTabsSelectionAndMarginsInAnyOrder) {
    Read(std::string(FormStart) + R"(  object Tabs: TTabSet
    Left = 10
    Top = 40
    Width = 300
    TabIndex = 2
    FirstIndex = 1
    StartMargin = 12
    EndMargin = 30
    Tabs = ('One', 'Two', 'Three')
  end
end)");
    auto& tabSet = Find<tk::TabSet>("Tabs");
    EXPECT_EQ(tabSet.Tabs().size(), 3u);
    EXPECT_EQ(tabSet.TabIndex(), 2);
    EXPECT_EQ(tabSet.StartMargin(), 12);
    EXPECT_EQ(tabSet.EndMargin(), 30);
    // Every tab fits: the row starts at the first tab again, without scroller.
    ShowForm();
    EXPECT_EQ(tabSet.FirstIndex(), 0);
    EXPECT_FALSE(tabSet.ScrollerShown());
    EXPECT_EQ(tabSet.TabSlots().front().left, 12);
    // The scroller is the tab set's first owned component.
    EXPECT_EQ(tabSet.Components().front(), &tabSet.Scroller());
}

TEST_F(TabSets, AClickSelectsTheTabUnderThePointerOnce) {
    tk::TabSet& tabSet = Designed(300, "'One', 'Two', 'Three'");
    int changes = 0;
    tabSet.OnChange = [&](tk::Component&) { ++changes; };
    const auto slots = tabSet.TabSlots();
    ASSERT_EQ(slots.size(), 3u);
    guitest::Click(tabSet.Handle(), Centre(tabSet, slots[2]));
    EXPECT_EQ(tabSet.TabIndex(), 2);
    EXPECT_EQ(changes, 1);
    // The selected tab again, and the empty end of the row: no change.
    guitest::Click(tabSet.Handle(), Centre(tabSet, slots[2]));
    guitest::Click(tabSet.Handle(), {slots[2].right + 5, tabSet.Height() / 2});
    EXPECT_EQ(tabSet.TabIndex(), 2);
    EXPECT_EQ(changes, 1);
}

TEST_F(TabSets, TheSelectedTabIsPaintedInTheWindowColourOverTheRow) {
    tk::TabSet& tabSet = Designed(300, "'One', 'Two'", 1);
    const auto slots = tabSet.TabSlots();
    const POINT origin = tabSet.ClientToScreen({0, 0});
    const guitest::Capture shot = guitest::CaptureScreen(
        {origin.x, origin.y, origin.x + tabSet.Width(), origin.y + tabSet.Height()});
    const int y = tabSet.Height() - 5;
    EXPECT_TRUE(guitest::PixelIs(shot, slots[1].left + 4, y, GetSysColor(COLOR_WINDOW)));
    EXPECT_TRUE(guitest::PixelIs(shot, slots[0].left + 4, y, tk::ResolveColour(tabSet.GetColor())));
}

TEST_F(TabSets, TheScrollerShowsWhileTabsDoNotFitAndMovesTheFirstTab) {
    tk::TabSet& tabSet = Designed(150, "'First tab', 'Second tab', 'Third tab', 'Fourth tab'");
    ASSERT_TRUE(tabSet.ScrollerShown());
    tk::UpDown& scroller = tabSet.Scroller();
    EXPECT_TRUE(IsWindowVisible(scroller.Handle()));
    // It sits in the end margin and the room before it, where no tab goes.
    EXPECT_EQ(scroller.Left() + scroller.Width(), tabSet.Width());
    EXPECT_LE(tabSet.TabSlots().back().right, scroller.Left());
    guitest::Click(scroller.Handle(), {scroller.Width() - 3, scroller.Height() / 2});
    EXPECT_EQ(tabSet.FirstIndex(), 1);
    EXPECT_EQ(tabSet.TabSlots().front().index, 1);
    guitest::Click(scroller.Handle(), {2, scroller.Height() / 2});
    EXPECT_EQ(tabSet.FirstIndex(), 0);
    // Wide enough for every tab: the scroller goes and the row starts over.
    tabSet.SetFirstIndex(2);
    tabSet.SetWidth(310);
    guitest::PumpUntilIdle();
    EXPECT_FALSE(tabSet.ScrollerShown());
    EXPECT_EQ(tabSet.FirstIndex(), 0);
    EXPECT_EQ(tabSet.TabSlots().size(), 4u);
}

TEST_F(TabSets, FewerTabsKeepTheIndexesInRange) {
    tk::TabSet& tabSet = Designed(300, "'One', 'Two', 'Three'", 2);
    tabSet.SetTabs({"Only"});
    EXPECT_EQ(tabSet.TabIndex(), 0);
    EXPECT_EQ(tabSet.FirstIndex(), 0);
    tabSet.SetTabs({});
    EXPECT_EQ(tabSet.TabIndex(), -1);
    EXPECT_TRUE(tabSet.TabSlots().empty());
    EXPECT_EQ(tabSet.ItemAtPos({10, 5}), -1);
}

} // namespace
