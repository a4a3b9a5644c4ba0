// Keyboard use of forms through the application's message loop, driven by
// real key presses (SendInput): Tab and Shift+Tab in tab order, arrows in a
// radio group, Enter and Escape on the default and cancel buttons, controls
// that want a key for themselves, and what the form's handler hears first.
#include "toolkit/Application.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/Notifications.h"
#include "toolkit/Properties.h"
#include "toolkit/StdCtrls.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kQuietMs = 60;
constexpr int kMaxPumpMs = 2000;

struct Keyboard : ::testing::Test {
    tk::Application app;
    tk::Form* form = nullptr;
    std::vector<std::string> clicks;

    void SetUp() override {
        app.SetMessageBox([](const std::string&, const std::string&) {});
        form = new tk::Form(&app);
        form->SetBorderStyle(tk::BorderStyle::Single);
        form->SetClientWidth(360);
        form->SetClientHeight(240);
        form->SetBounds(50, 50, form->Width(), form->Height());
    }
    void TearDown() override { ReleaseModifiers(); }

    // Dispatches through the application's loop until it has been idle a while.
    void Pump() {
        int quiet = 0;
        for (int waited = 0; quiet < kQuietMs && waited < kMaxPumpMs;) {
            MSG msg;
            if (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
                app.ProcessMessages();
                quiet = 0;
            } else {
                Sleep(5);
                quiet += 5;
                waited += 5;
            }
        }
    }
    void ShowForm() {
        form->Show();
        SetForegroundWindow(form->Handle());
        Pump();
    }
    static void SendKey(WORD key, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &input, sizeof(input));
    }
    // Presses and releases a key, holding the modifier (if any) around it.
    void Press(WORD key, WORD modifier = 0) {
        if (modifier) {
            SendKey(modifier, false);
            Pump();
        }
        SendKey(key, false);
        Pump();
        SendKey(key, true);
        if (modifier) {
            SendKey(modifier, true);
        }
        Pump();
    }
    void ReleaseModifiers() {
        for (WORD key : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
            if (GetAsyncKeyState(key) < 0) {
                SendKey(key, true);
            }
        }
    }
    template <class T>
    T& Place(const std::string& name, int left, int top, tk::WinControl* parent = nullptr) {
        auto* control = new T(form);
        control->SetName(name);
        control->SetParent(parent ? parent : form);
        control->SetLeft(left);
        control->SetTop(top);
        return *control;
    }
    tk::Button& PlaceButton(const std::string& name, int left, int top) {
        auto& button = Place<tk::Button>(name, left, top);
        button.SetCaption(name);
        button.OnClick = [this, name](tk::Component&) { clicks.push_back(name); };
        return button;
    }
    // A Default button "OK" and a Cancel button "Cancel" side by side.
    std::pair<tk::Button&, tk::Button&> PlaceOkAndCancel(int top) {
        auto& ok = PlaceButton("OK", 10, top);
        auto& cancel = PlaceButton("Cancel", 100, top);
        ok.SetDefault(true);
        cancel.SetCancel(true);
        return {ok, cancel};
    }
    // The name of the control with the focus.
    std::string FocusName() {
        tk::WinControl* control = tk::WinControl::FromHandle(GetFocus());
        return control ? control->Name() : "";
    }
    // The names the focus visits with `count` presses of the key.
    std::vector<std::string> Walk(WORD key, int count, WORD modifier = 0) {
        std::vector<std::string> visited;
        for (int i = 0; i < count; ++i) {
            Press(key, modifier);
            visited.push_back(FocusName());
        }
        return visited;
    }
    static bool LooksDefault(tk::Button& button) {
        return (GetWindowLongPtrW(button.Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    }
};

using Names = std::vector<std::string>;

} // namespace

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

TEST_F(Keyboard, AMemoKeepsTheKeysItWants) {
    auto& memo = Place<tk::Memo>("Memo", 10, 10);
    Place<tk::Edit>("After", 200, 10);
    PlaceOkAndCancel(200);
    ShowForm();
    memo.SetFocus();
    Press('A');
    Press(VK_RETURN); // a new line, not the default button
    Press('B');
    EXPECT_EQ(memo.Lines(), (Names{"a", "b"}));
    EXPECT_TRUE(clicks.empty());
    Press(VK_ESCAPE); // not wanted: the cancel button
    EXPECT_EQ(clicks, Names{"Cancel"});
    Press(VK_TAB); // not wanted by default: the next control
    EXPECT_EQ(FocusName(), "After");
    memo.SetWantTabs(true);
    memo.SetWantReturns(false);
    memo.SetFocus();
    Press(VK_TAB);
    EXPECT_EQ(FocusName(), "Memo");
    EXPECT_NE(memo.Text().find('\t'), std::string::npos);
    clicks.clear();
    Press(VK_RETURN);
    EXPECT_EQ(clicks, Names{"OK"});
    EXPECT_EQ(tk::TryGetEnumProp(memo, "WantTabs"), "True");
    EXPECT_EQ(tk::TryGetEnumProp(memo, "WantReturns"), "False");
}

TEST_F(Keyboard, TheFormsHandlerHearsDialogKeysAndAltCharactersFirst) {
    Place<tk::Edit>("First", 10, 10);
    Place<tk::Edit>("Second", 10, 40);
    ShowForm();
    std::vector<std::pair<UINT, WPARAM>> heard;
    tk::MessageHandler original = form->WindowProc();
    form->SetWindowProc([&](tk::Message& m) {
        if (m.msg == tk::kNotifyDialogKey || m.msg == tk::kNotifyDialogChar) {
            heard.emplace_back(m.msg, m.wParam);
            m.result = 1; // used: nothing else happens
            return;
        }
        original(m);
    });
    Press(VK_TAB);
    Press('F', VK_MENU);
    form->SetWindowProc(original);
    EXPECT_EQ(heard, (std::vector<std::pair<UINT, WPARAM>>{{tk::kNotifyDialogKey, VK_TAB},
                                                           {tk::kNotifyDialogChar, 'f'}}));
    EXPECT_EQ(FocusName(), "");
    Press(VK_TAB);
    EXPECT_EQ(FocusName(), "First");
}
