// Keyboard use of forms through the application's message loop, driven by
// real key presses (SendInput): Tab and Shift+Tab in tab order, arrows in a
// radio group, Enter and Escape on the default and cancel buttons, and what
// the form's handler hears first. A memo's own keys are in MemoTest.cpp.
#include "toolkit/Notifications.h"
#include "toolkit/Properties.h"

#include "tests/toolkit/KeyboardFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

TEST_F(Keyboard, TabAndShiftTabVisitTheTabStopsInTabOrder) {
    auto& first = Place<tk::Edit>("First", 10, 10);
    auto& skipped = Place<tk::Edit>("Skipped", 10, 40);
    auto& panel = Place<tk::Panel>("Panel", 150, 10);
    Place<tk::Edit>("Inner", 5, 5, &panel);
    Place<tk::CheckBox>("Check", 10, 70);
    auto& hidden = Place<tk::Edit>("Hidden", 10, 100);
    auto& disabled = Place<tk::Edit>("Disabled", 10, 130);
    skipped.SetTabStop(false);
    hidden.Hide();
    disabled.SetEnabled(false);
    ShowForm();
    // From the form itself the first stop is the first control.
    EXPECT_EQ(Walk(VK_TAB, 4), (Names{"First", "Inner", "Check", "First"}));
    EXPECT_EQ(Walk(VK_TAB, 4, VK_SHIFT), (Names{"Check", "Inner", "First", "Check"}));
    // A control that is no stop still starts the walk where it stands.
    skipped.SetFocus();
    EXPECT_EQ(Walk(VK_TAB, 1), Names{"Inner"});
    // Disabling the panel takes its controls out too.
    panel.SetEnabled(false);
    first.SetFocus();
    EXPECT_EQ(Walk(VK_TAB, 2), (Names{"Check", "First"}));
}

TEST_F(Keyboard, TabOrderIsAPublishedPropertyThatMovesTheOthers) {
    auto& a = Place<tk::Edit>("A", 10, 10);
    auto& b = Place<tk::Edit>("B", 10, 40);
    auto& c = Place<tk::Edit>("C", 10, 70);
    EXPECT_EQ(a.TabOrder(), 0);
    EXPECT_EQ(c.TabOrder(), 2);
    tk::SetIntProp(c, "TabOrder", 0);
    EXPECT_EQ(tk::TryGetIntProp(a, "TabOrder"), 1);
    EXPECT_EQ(b.TabOrder(), 2);
    a.SetTabOrder(99); // past the end: last
    EXPECT_EQ(a.TabOrder(), 2);
    EXPECT_EQ(b.TabOrder(), 1);
    ShowForm();
    c.SetFocus();
    EXPECT_EQ(Walk(VK_TAB, 3), (Names{"B", "A", "C"}));
}

TEST_F(Keyboard, ADesignsTabOrderWinsOverTheOrderOfCreation) {
    form->LoadDesignText(R"(object F: TForm
  object One: TEdit
    TabOrder = 2
  end
  object Two: TEdit
    Top = 30
    TabOrder = 0
  end
  object Three: TEdit
    Top = 60
    TabOrder = 1
  end
end)",
                         "Test", app.Classes());
    auto tabOrder = [&](const char* name) {
        return dynamic_cast<tk::WinControl*>(form->FindComponent(name))->TabOrder();
    };
    EXPECT_EQ(tabOrder("Two"), 0);
    EXPECT_EQ(tabOrder("Three"), 1);
    EXPECT_EQ(tabOrder("One"), 2);
    ShowForm();
    EXPECT_EQ(Walk(VK_TAB, 3), (Names{"Two", "Three", "One"}));
}

TEST_F(Keyboard, ArrowsMoveWithinARadioGroupAndCheckTheButtonReached) {
    auto& before = Place<tk::Edit>("Before", 10, 10);
    auto& group = Place<tk::RadioGroup>("Group", 10, 40);
    group.SetBounds(10, 40, 150, 100);
    group.SetItems({"甲", "乙", "丙"});
    group.SetItemIndex(1);
    Place<tk::Edit>("After", 200, 10);
    int groupClicks = 0;
    group.OnClick = [&](tk::Component&) { ++groupClicks; };
    ShowForm();
    before.SetFocus();
    // The group is one stop: its checked button.
    Press(VK_TAB);
    EXPECT_EQ(GetFocus(), group.Buttons()[1]->Handle());
    Press(VK_DOWN);
    EXPECT_EQ(GetFocus(), group.Buttons()[2]->Handle());
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_TRUE(group.Buttons()[2]->Checked());
    EXPECT_FALSE(group.Buttons()[1]->Checked());
    EXPECT_EQ(groupClicks, 1);
    Press(VK_RIGHT); // round to the first
    EXPECT_EQ(group.ItemIndex(), 0);
    Press(VK_UP); // and back to the last
    Press(VK_LEFT);
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(GetFocus(), group.Buttons()[1]->Handle());
    EXPECT_EQ(groupClicks, 4);
    // Tab leaves the group; Shift+Tab comes back to its checked button.
    EXPECT_EQ(Walk(VK_TAB, 1), Names{"After"});
    Press(VK_TAB, VK_SHIFT);
    EXPECT_EQ(GetFocus(), group.Buttons()[1]->Handle());
    // An edit keeps the arrows for its caret.
    before.SetText("abc");
    before.SetFocus();
    Press(VK_DOWN);
    EXPECT_EQ(FocusName(), "Before");
    EXPECT_EQ(group.ItemIndex(), 1);
}

TEST_F(Keyboard, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
    auto& edit = Place<tk::Edit>("Edit", 10, 10);
    tk::Button& ok = PlaceOkAndCancel(100).first;
    auto& other = PlaceButton("Other", 190, 100);
    ShowForm();
    edit.SetFocus();
    Pump();
    Press(VK_RETURN);
    Press(VK_ESCAPE);
    EXPECT_EQ(clicks, (Names{"OK", "Cancel"}));
    // The default look is the focused push button's, else the Default one's.
    EXPECT_TRUE(LooksDefault(ok));
    other.SetFocus();
    Pump();
    EXPECT_TRUE(LooksDefault(other));
    EXPECT_FALSE(LooksDefault(ok));
    clicks.clear();
    Press(VK_RETURN); // the focused button
    Press(VK_ESCAPE); // still the Cancel button
    EXPECT_EQ(clicks, (Names{"Other", "Cancel"}));
    edit.SetFocus();
    Pump();
    EXPECT_TRUE(LooksDefault(ok));
    EXPECT_FALSE(LooksDefault(other));
    // A disabled default button is not clicked.
    ok.SetEnabled(false);
    clicks.clear();
    Press(VK_RETURN);
    EXPECT_TRUE(clicks.empty());
    // Nor do Enter and Escape with Alt reach them.
    ok.SetEnabled(true);
    Press(VK_RETURN, VK_MENU);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(Keyboard, TheFormsHandlerHearsDialogKeysAndAltCharactersFirst) {
    Place<tk::Edit>("First", 10, 10);
    Place<tk::Edit>("Second", 10, 40);
    ShowForm();
    std::vector<std::pair<UINT, WPARAM>> heard;
    tk::MessageHandler original = form->WindowProc();
    form->SetWindowProc([&](tk::Message& m) {
        if (m.msg == tk::NotifyDialogKey || m.msg == tk::NotifyDialogChar) {
            heard.emplace_back(m.msg, m.wParam);
            m.result = 1; // used: nothing else happens
            return;
        }
        original(m);
    });
    Press(VK_TAB);
    Press('F', VK_MENU);
    form->SetWindowProc(original);
    EXPECT_EQ(heard, (std::vector<std::pair<UINT, WPARAM>>{{tk::NotifyDialogKey, VK_TAB},
                                                           {tk::NotifyDialogChar, 'f'}}));
    EXPECT_EQ(FocusName(), "");
    Press(VK_TAB);
    EXPECT_EQ(FocusName(), "First");
}
