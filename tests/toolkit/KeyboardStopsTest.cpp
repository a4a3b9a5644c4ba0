// The keyboard reaching controls beyond the windowed ones: speed buttons that
// are Tab stops (window-less, they take the keys through their parent's
// window) and the tab set's own stop and arrows. Driven by real key presses
// through the application's message loop; the focus cues the toolkit draws
// are read back from the screen.
#include "toolkit/SpeedButton.h"
#include "toolkit/TabSet.h"
#include "toolkit/UpDown.h"

#include "tests/guitest/GuiTest.h"
#include "tests/toolkit/KeyboardFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

tk::SpeedButton& PlaceSpeed(Keyboard& test, const std::string& name, int left, int top,
                            tk::WinControl* parent = nullptr) {
    auto& button = test.Place<tk::SpeedButton>(name, left, top, parent);
    button.SetBounds(left, top, 60, 24);
    button.SetCaption(name);
    button.SetTabStop(true);
    button.OnClick = [&test, name](tk::Component&) { test.clicks.push_back(name); };
    return button;
}

guitest::Capture ShotOf(tk::Control& control) {
    const POINT origin = control.ClientToScreen({0, 0});
    return guitest::CaptureScreen(
        {origin.x, origin.y, origin.x + control.Width(), origin.y + control.Height()});
}

// Pixels that differ between two shots along a row.
int ChangedInRow(const guitest::Capture& a, const guitest::Capture& b, int y) {
    int changed = 0;
    for (int x = 0; x < a.width; ++x) {
        changed += a.At(x, y) != b.At(x, y);
    }
    return changed;
}

} // namespace

TEST_F(Keyboard, SpeedButtonsWithTabStopFollowTheWindowedControlsOfTheirParent) {
    Place<tk::Edit>("First", 10, 10);
    auto& panel = Place<tk::Panel>("Panel", 150, 10);
    Place<tk::Edit>("Inner", 5, 5, &panel);
    PlaceSpeed(*this, "PanelSpeed", 5, 40, &panel);
    auto& speed = PlaceSpeed(*this, "Speed", 10, 180);
    PlaceSpeed(*this, "Plain", 80, 180).SetTabStop(false);
    PlaceSpeed(*this, "Hidden", 150, 180).Hide();
    PlaceSpeed(*this, "Off", 220, 180).SetEnabled(false);
    Place<tk::Edit>("Last", 10, 40);
    ShowForm();
    EXPECT_EQ(Walk(VK_TAB, 6), (Names{"First", "Inner", "PanelSpeed", "Last", "Speed", "First"}));
    EXPECT_EQ(Walk(VK_TAB, 3, VK_SHIFT), (Names{"Speed", "Last", "PanelSpeed"}));
    EXPECT_FALSE(speed.Focused());
    EXPECT_EQ(Walk(VK_TAB, 2), (Names{"Last", "Speed"}));
    EXPECT_TRUE(speed.Focused());
    EXPECT_EQ(GetFocus(), form->Handle());
    // The keys go to the form's window, which hands them on.
    EXPECT_TRUE(clicks.empty());
}

TEST_F(Keyboard, SpaceOnReleaseAndEnterClickTheSpeedButtonThatHasTheKeyboard) {
    auto& edit = Place<tk::Edit>("Edit", 10, 10);
    auto& speed = PlaceSpeed(*this, "Speed", 10, 60);
    PlaceButton("OK", 100, 100).SetDefault(true);
    ShowForm();
    edit.SetFocus();
    Press(VK_TAB);
    Press(VK_TAB);
    ASSERT_EQ(FocusName(), "Speed");
    SendKey(VK_SPACE, false);
    Pump();
    EXPECT_TRUE(speed.KeyPressed());
    EXPECT_TRUE(clicks.empty());
    SendKey(VK_SPACE, true);
    Pump();
    EXPECT_FALSE(speed.KeyPressed());
    EXPECT_EQ(clicks, Names{"Speed"});
    Press(VK_RETURN);
    EXPECT_EQ(clicks, (Names{"Speed", "Speed"}));
    // Space held while the focus leaves clicks nothing on its release.
    SendKey(VK_SPACE, false);
    Pump();
    Press(VK_TAB);
    SendKey(VK_SPACE, true);
    Pump();
    EXPECT_FALSE(speed.KeyPressed());
    EXPECT_EQ(clicks, (Names{"Speed", "Speed"}));
    // Away from it Enter is the Default button's again.
    edit.SetFocus();
    Pump();
    Press(VK_RETURN);
    EXPECT_EQ(clicks, (Names{"Speed", "Speed", "OK"}));
}

TEST_F(Keyboard, ASpeedButtonGivesTheKeyboardBackWhenHiddenDisabledOrLeft) {
    auto& edit = Place<tk::Edit>("Edit", 10, 10);
    auto& speed = PlaceSpeed(*this, "Speed", 10, 60);
    ShowForm();
    speed.SetFocus();
    Pump();
    ASSERT_TRUE(speed.Focused());
    speed.Hide();
    EXPECT_FALSE(speed.Focused());
    EXPECT_EQ(FocusName(), "");
    Press(VK_TAB);
    EXPECT_EQ(FocusName(), "Edit");
    speed.Show();
    speed.SetFocus();
    Pump();
    speed.SetEnabled(false);
    EXPECT_FALSE(speed.Focused());
    speed.SetEnabled(true);
    // Another window taking the focus takes the keyboard for good: the form's
    // window getting it back later does not hand it to the button again.
    speed.SetFocus();
    Pump();
    edit.SetFocus();
    Pump();
    EXPECT_FALSE(speed.Focused());
    form->SetFocus();
    Pump();
    EXPECT_FALSE(speed.Focused());
    EXPECT_EQ(FocusName(), "");
}

TEST_F(Keyboard, ASpeedButtonShowsAFocusCueOnlyWhileItHasTheKeyboard) {
    auto& edit = Place<tk::Edit>("Edit", 10, 10);
    auto& speed = PlaceSpeed(*this, "Speed", 10, 60);
    ShowForm();
    edit.SetFocus();
    Pump();
    const guitest::Capture before = ShotOf(speed);
    Press(VK_TAB);
    ASSERT_TRUE(speed.Focused());
    // The dotted rectangle runs three pixels inside the edge.
    const int cueRow = 3;
    const int cueLength = speed.Width() - 2 * cueRow;
    EXPECT_GE(ChangedInRow(before, ShotOf(speed), cueRow), cueLength / 2 - 1);
    EXPECT_EQ(ChangedInRow(before, ShotOf(speed), 1), 0);
    Press(VK_TAB);
    EXPECT_EQ(ChangedInRow(before, ShotOf(speed), cueRow), 0);
}

TEST_F(Keyboard, ATabSetIsAStopWhoseArrowsSelectTheNextTabAndBringItIntoTheRow) {
    Place<tk::Edit>("Edit", 10, 10);
    auto& tabs = Place<tk::TabSet>("Tabs", 10, 100);
    tabs.SetBounds(10, 100, 200, 22);
    tabs.SetTabs({"One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine"});
    tabs.SetTabIndex(0);
    int changes = 0;
    tabs.OnChange = [&](tk::Component&) { ++changes; };
    ShowForm();
    ASSERT_TRUE(tabs.ScrollerShown());
    const int lastInRow = tabs.TabSlots().back().index;
    const guitest::Capture before = ShotOf(tabs);
    EXPECT_EQ(Walk(VK_TAB, 2), (Names{"Edit", "Tabs"}));
    // The selected tab shows the cue once the tab set has the focus.
    int changed = 0;
    const guitest::Capture focused = ShotOf(tabs);
    for (int y = 0; y < tabs.Height(); ++y) {
        changed += ChangedInRow(before, focused, y);
    }
    EXPECT_GT(changed, 20);
    Press(VK_LEFT); // already the first
    EXPECT_EQ(tabs.TabIndex(), 0);
    EXPECT_EQ(changes, 0);
    for (int i = 0; i < lastInRow + 1; ++i) {
        Press(VK_RIGHT);
    }
    EXPECT_EQ(tabs.TabIndex(), lastInRow + 1);
    EXPECT_EQ(changes, lastInRow + 1);
    EXPECT_GT(tabs.FirstIndex(), 0);
    const std::vector<tk::TabSlot> row = tabs.TabSlots();
    EXPECT_TRUE(std::any_of(row.begin(), row.end(),
                            [&](const tk::TabSlot& slot) { return slot.index == lastInRow + 1; }));
    EXPECT_EQ(tabs.Scroller().Position(), tabs.FirstIndex());
    while (tabs.TabIndex() > 0) {
        Press(VK_LEFT);
    }
    EXPECT_EQ(tabs.FirstIndex(), 0);
    EXPECT_EQ(FocusName(), "Tabs");
}
