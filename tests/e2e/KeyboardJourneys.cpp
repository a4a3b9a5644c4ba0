// Journeys by keyboard alone, as a person who leaves the mouse alone takes
// them: Tab and Shift+Tab through every stop, the arrows in a tree and on a
// tab row, Enter and Space on a button. At every step the screen shows where
// the focus is, and the stop before shows it no more.
#include "tests/e2e/FocusCue.h"
#include "tests/e2e/GalleryScreen.h"
#include "tests/e2e/SkinviewScreen.h"

namespace e2e::gallery {
namespace {

class GalleryKeys : public Journey {
protected:
    GalleryScreen Start() {
        Launch(Program, {}, Title);
        // The window comes up in the system's frame and takes the skin's
        // when it is first activated.
        Settle();
        GalleryScreen gallery(WaitForWindow(Title));
        StepWhen("started", "the industry tree",
                 [&](const Picture& s) { return TreeShowsText(s, gallery); });
        return gallery;
    }

    // The focus shows on one stop, and on no other.
    static bool OnTabs(const Picture& s, const GalleryScreen& g, Tab tab) {
        const Tab other = tab == Tab::Trade ? Tab::Color : Tab::Trade;
        return ShowsFocusCue(s, g.TabBox(tab), TabCueColour) &&
               ShowsNoFocusCue(s, g.TabBox(other), TabCueColour) && !TreeRowFocused(s, g, 0) &&
               ShowsNoFocusCue(s, g.ExitButton(), ExitCueColour);
    }
    static bool OnTree(const Picture& s, const GalleryScreen& g, int row = 0) {
        return TreeRowFocused(s, g, row) &&
               ShowsNoFocusCue(s, g.TabBox(Tab::Trade), TabCueColour) &&
               ShowsNoFocusCue(s, g.TabBox(Tab::Color), TabCueColour) &&
               ShowsNoFocusCue(s, g.ExitButton(), ExitCueColour);
    }
    static bool OnExit(const Picture& s, const GalleryScreen& g) {
        return ShowsFocusCue(s, g.ExitButton(), ExitCueColour) && !TreeRowFocused(s, g, 0) &&
               ShowsNoFocusCue(s, g.TabBox(Tab::Trade), TabCueColour) &&
               ShowsNoFocusCue(s, g.TabBox(Tab::Color), TabCueColour);
    }

    void KeyTo(const std::string& key, const std::string& step, const std::string& what,
               const std::function<bool(const Picture&)>& holds) {
        Screen().Key(key);
        StepWhen(step, what, holds);
    }
};

TEST_F(GalleryKeys, TabAndShiftTabGoRoundTheTabsTheTreeAndExitAndEnterCloses) {
    const GalleryScreen g = Start();
    const auto tabs = [&](const Picture& s) { return OnTabs(s, g, Tab::Trade); };
    const auto tree = [&](const Picture& s) { return OnTree(s, g); };
    const auto exit = [&](const Picture& s) { return OnExit(s, g); };
    KeyTo("Tab", "tab-row", "the cue on the industry tab alone", tabs);
    KeyTo("Tab", "tree", "the tree's first row selected, no cue elsewhere", tree);
    KeyTo("Tab", "exit", "the cue on the Exit button alone", exit);
    KeyTo("Tab", "round-to-the-tab-row", "the cue on the industry tab alone", tabs);
    KeyTo("shift+Tab", "back-to-exit", "the cue on the Exit button alone", exit);
    KeyTo("shift+Tab", "back-to-the-tree", "the tree's row selected, no cue elsewhere", tree);
    KeyTo("shift+Tab", "back-to-the-tab-row", "the cue on the industry tab alone", tabs);
    KeyTo("shift+Tab", "exit-again", "the cue on the Exit button alone", exit);
    Screen().Key("Return");
    EXPECT_EQ(WaitForExit(), 0);
}

// Left and Right on the focused tab row switch the pages; the tree of the
// hidden page takes no stop, so Tab goes from the shown tree to Exit.
TEST_F(GalleryKeys, ArrowsOnTheTabRowSwitchPagesAndAHiddenPageTakesNoStop) {
    const GalleryScreen g = Start();
    KeyTo("Tab", "tab-row", "the cue on the industry tab",
          [&](const Picture& s) { return OnTabs(s, g, Tab::Trade); });
    KeyTo("Right", "colour-tab", "the cue on the colour tab and the colour tree",
          [&](const Picture& s) { return OnTabs(s, g, Tab::Color) && TreeShowsText(s, g); });
    KeyTo("Tab", "colour-tree", "the colour tree with its first row selected",
          [&](const Picture& s) { return OnTree(s, g) && TreeShowsText(s, g); });
    KeyTo("Tab", "exit", "the cue on the Exit button",
          [&](const Picture& s) { return OnExit(s, g); });
    KeyTo("Tab", "colour-tab-again", "the cue on the colour tab",
          [&](const Picture& s) { return OnTabs(s, g, Tab::Color); });
    KeyTo("Left", "industry-tab", "the cue on the industry tab and the industry tree",
          [&](const Picture& s) { return OnTabs(s, g, Tab::Trade) && TreeShowsText(s, g); });
    KeyTo("Tab", "industry-tree", "the industry tree with its first row selected",
          [&](const Picture& s) { return OnTree(s, g) && TreeShowsText(s, g); });
    KeyTo("Tab", "exit-again", "the cue on the Exit button",
          [&](const Picture& s) { return OnExit(s, g); });
    Screen().Key("space");
    EXPECT_EQ(WaitForExit(), 0);
}

// Right opens a category, Down and Up move through its leaves (a leaf fills
// the page), Left goes up to the category and closes it.
TEST_F(GalleryKeys, ArrowsInTheTreeOpenACategoryAndALeafFillsThePage) {
    const GalleryScreen g = Start();
    const Picture collapsed = Settle();
    Screen().Key("Tab");
    KeyTo("Tab", "tree", "the tree's first row selected",
          [&](const Picture& s) { return OnTree(s, g, 0); });
    KeyTo("Right", "opened", "the first category's leaves under it", [&](const Picture& s) {
        return TreeRowFocused(s, g, 0) && CountChanged(s, collapsed, g.TreeRow(1)) > 50;
    });
    KeyTo("Down", "first-leaf", "the first leaf selected and ten slots", [&](const Picture& s) {
        return TreeRowFocused(s, g, ManyTemplates.leaf) && SlotsShown(s, g) == SlotCount &&
               LabelShowsText(s, g) && ArrowShown(s, g.RightArrow());
    });
    const Picture firstLeaf = Settle();
    KeyTo("Down", "second-leaf", "the second leaf selected and its page", [&](const Picture& s) {
        return TreeRowFocused(s, g, ManyTemplates.leaf + 1) &&
               CountChanged(s, firstLeaf, g.PageLabel()) > 0;
    });
    KeyTo("Up", "first-leaf-again", "the first leaf selected and its page again",
          [&](const Picture& s) {
              return TreeRowFocused(s, g, ManyTemplates.leaf) &&
                     CountChanged(s, firstLeaf, g.Background()) == 0;
          });
    // The category itself shows no templates: the page stays.
    KeyTo("Left", "category", "the category selected, the page as it was", [&](const Picture& s) {
        return TreeRowFocused(s, g, 0) && CountChanged(s, firstLeaf, g.Background()) == 0;
    });
    KeyTo("Left", "closed", "the category closed", [&](const Picture& s) {
        return TreeRowFocused(s, g, 0) && CountChanged(s, collapsed, g.TreeRow(1)) == 0;
    });
    KeyTo("Tab", "exit", "the cue on the Exit button",
          [&](const Picture& s) { return OnExit(s, g); });
    Screen().Key("Return");
    EXPECT_EQ(WaitForExit(), 0);
}

// From the start, Shift+Tab goes to the last stop: the Exit button.
TEST_F(GalleryKeys, ShiftTabFromTheStartReachesExitAndSpaceCloses) {
    const GalleryScreen g = Start();
    KeyTo("shift+Tab", "exit", "the cue on the Exit button",
          [&](const Picture& s) { return OnExit(s, g); });
    Screen().Key("space");
    EXPECT_EQ(WaitForExit(), 0);
}

} // namespace
} // namespace e2e::gallery

namespace e2e::skinview {
namespace {

class SkinviewKeys : public Journey {
protected:
    SkinviewScreen Start() {
        Launch(Program, {}, Title);
        Settle();
        SkinviewScreen view(WaitForWindow(Title));
        Step("started");
        return view;
    }
    void KeyTo(const std::string& key, const std::string& step, const std::string& what,
               const std::function<bool(const Picture&)>& holds) {
        Screen().Key(key);
        StepWhen(step, what, holds);
    }
};

// Tab and Shift+Tab through the showcase: the skinned push and bitmap
// buttons, the tabs of the page controls on all four sides and the tab set
// draw the skin's cue; the check boxes and radio buttons keep the system's.
TEST_F(SkinviewKeys, EveryButtonBoxAndTabShowsTheFocusWhenTabbedTo) {
    const SkinviewScreen v = Start();
    KeyTo("Tab", "ok-button", "the cue on the OK button",
          [&](const Picture& s) { return ShowsFocusCue(s, v.OkButton(), TextCueColour); });
    KeyTo("Tab", "bitmap-button", "the cue on the bitmap button alone", [&](const Picture& s) {
        return ShowsFocusCue(s, v.BitmapButton(), HotCueColour) &&
               ShowsNoFocusCue(s, v.OkButton(), TextCueColour);
    });
    KeyTo("Tab", "check-box", "the cue round the check box's caption", [&](const Picture& s) {
        return ShowsSystemFocusCue(s, v.CheckedBox()) &&
               ShowsNoFocusCue(s, v.BitmapButton(), HotCueColour);
    });
    KeyTo(
        "Tab", "grayed-box", "the cue round the grayed box's caption alone", [&](const Picture& s) {
            return ShowsSystemFocusCue(s, v.GrayedBox()) && !ShowsSystemFocusCue(s, v.CheckedBox());
        });
    KeyTo("Tab", "radio-button", "the cue round the checked radio button's caption alone",
          [&](const Picture& s) {
              return ShowsSystemFocusCue(s, v.FirstRadio()) &&
                     !ShowsSystemFocusCue(s, v.GrayedBox());
          });
    KeyTo("shift+Tab", "grayed-box-again", "the cue round the grayed box's caption",
          [&](const Picture& s) {
              return ShowsSystemFocusCue(s, v.GrayedBox()) &&
                     !ShowsSystemFocusCue(s, v.FirstRadio());
          });
    KeyTo("shift+Tab", "check-box-again", "the cue round the check box's caption alone",
          [&](const Picture& s) {
              return ShowsSystemFocusCue(s, v.CheckedBox()) &&
                     !ShowsSystemFocusCue(s, v.GrayedBox());
          });
    KeyTo("shift+Tab", "bitmap-button-again", "the cue on the bitmap button",
          [&](const Picture& s) {
              return ShowsFocusCue(s, v.BitmapButton(), HotCueColour) &&
                     !ShowsSystemFocusCue(s, v.CheckedBox());
          });
    KeyTo("shift+Tab", "ok-button-again", "the cue on the OK button alone", [&](const Picture& s) {
        return ShowsFocusCue(s, v.OkButton(), TextCueColour) &&
               ShowsNoFocusCue(s, v.BitmapButton(), HotCueColour);
    });
    // Backwards from the first stop round to the last: the tab set.
    KeyTo("shift+Tab", "tab-set", "the cue on the tab set's selected tab", [&](const Picture& s) {
        return ShowsFocusCue(s, v.TabSetTab(1), HotCueColour) &&
               ShowsNoFocusCue(s, v.OkButton(), TextCueColour);
    });
    KeyTo("Right", "tab-set-next", "the next tab selected, with the cue", [&](const Picture& s) {
        return ShowsFocusCue(s, v.TabSetTab(2), HotCueColour) &&
               ShowsNoFocusCue(s, v.TabSetTab(1), HotCueColour);
    });
    KeyTo("shift+Tab", "right-tabs", "the cue on the first tab of the right-hand tabs",
          [&](const Picture& s) {
              return ShowsFocusCue(s, v.RightTab(), HotCueColour) &&
                     ShowsNoFocusCue(s, v.TabSetTab(2), HotCueColour);
          });
    KeyTo("shift+Tab", "left-tabs", "the cue on the first tab of the left-hand tabs",
          [&](const Picture& s) {
              return ShowsFocusCue(s, v.LeftTab(), HotCueColour) &&
                     ShowsNoFocusCue(s, v.RightTab(), HotCueColour);
          });
    KeyTo("shift+Tab", "bottom-tabs", "the cue on the first tab of the bottom tabs",
          [&](const Picture& s) {
              return ShowsFocusCue(s, v.BottomTab(), HotCueColour) &&
                     ShowsNoFocusCue(s, v.LeftTab(), HotCueColour);
          });
    KeyTo("shift+Tab", "track-bar", "the bottom tabs without the cue",
          [&](const Picture& s) { return ShowsNoFocusCue(s, v.BottomTab(), HotCueColour); });
    KeyTo("shift+Tab", "grid-box", "the cue round the page's check box's caption",
          [&](const Picture& s) { return ShowsSystemFocusCue(s, v.GridBox()); });
    KeyTo("shift+Tab", "top-tabs", "the cue on the first tab of the top tabs",
          [&](const Picture& s) {
              return ShowsFocusCue(s, v.TopTab(), HotCueColour) &&
                     !ShowsSystemFocusCue(s, v.GridBox());
          });
    Screen().Key("alt+F4");
    EXPECT_EQ(WaitForExit(), 0);
}

} // namespace
} // namespace e2e::skinview
