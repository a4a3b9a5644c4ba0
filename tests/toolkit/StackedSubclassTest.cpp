// A toolkit control shares its window with a second party that subclasses it
// through the shared layer (as the skin engine does): the party goes on top of
// the control or, when it catches the window as it is created, under it; the
// toolkit's handler is replaced meanwhile; the party comes off before or after
// the handler is put back. Every message reaches every layer in order, and the
// control keeps working.
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/win32/WindowSubclass.h"

#include "tests/guitest/GuiTest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Journal = std::vector<std::string>;

// The second party: notes every WM_SETTEXT it sees and hands everything on.
struct SecondParty {
    Journal& journal;
    tk::WindowSubclass layer;
    explicit SecondParty(Journal& j) : journal(j) {}
    bool Install(HWND window) {
        return layer.Install(window, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
            if (msg == WM_SETTEXT) {
                journal.push_back("party");
            }
            return layer.CallNext(msg, wParam, lParam);
        });
    }
};

// Catches the next BUTTON window as it is created, as a window-creation hook does.
SecondParty* PartyForNextButton = nullptr;

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && PartyForNextButton) {
        wchar_t name[16] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), name, 16);
        if (lstrcmpiW(name, L"Button") == 0) {
            PartyForNextButton->Install(reinterpret_cast<HWND>(wParam));
            PartyForNextButton = nullptr;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

struct Stacking : ::testing::Test {
    tk::Application app;
    tk::Form* form = nullptr;
    tk::Button* button = nullptr;
    Journal journal;
    int clicks = 0;

    void SetUp() override {
        form = new tk::Form(&app);
        form->SetBounds(80, 80, 240, 120);
        button = new tk::Button(form);
        button->SetBounds(10, 10, 100, 25);
        button->OnClick = [this](tk::Component&) { ++clicks; };
    }
    void ShowForm() {
        button->SetParent(form);
        form->Show();
        guitest::PumpUntilIdle();
    }
    // Shows the form, the party catching the button's window as it is made.
    void ShowFormWithPartyUnderTheButton(SecondParty& party) {
        PartyForNextButton = &party;
        HHOOK hook = SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
        ShowForm();
        UnhookWindowsHookEx(hook);
    }
    // Replaces the toolkit's handler with one that notes WM_SETTEXT.
    tk::MessageHandler ReplaceHandler() {
        tk::MessageHandler original = button->WindowProc();
        button->SetWindowProc([this, original](tk::Message& m) {
            if (m.msg == WM_SETTEXT) {
                journal.push_back("handler");
            }
            original(m);
        });
        return original;
    }
    // Who saw a new caption, in order; the native button must have taken it.
    Journal SetText(const wchar_t* text) {
        journal.clear();
        SetWindowTextW(button->Handle(), text);
        wchar_t back[32] = {};
        GetWindowTextW(button->Handle(), back, 32);
        EXPECT_STREQ(back, text);
        return journal;
    }
    // A click still reaches the control's OnClick.
    bool ClickWorks() {
        int before = clicks;
        SendMessageW(button->Handle(), BM_CLICK, 0, 0);
        guitest::PumpUntilIdle();
        return clicks == before + 1;
    }
};

} // namespace

TEST_F(Stacking, APartyOnTopComesOffBeforeOrAfterTheHandlerIsPutBack) {
    ShowForm();
    SecondParty party(journal);
    ASSERT_TRUE(party.Install(button->Handle()));
    tk::MessageHandler original = ReplaceHandler();
    EXPECT_EQ(SetText(L"甲"), (Journal{"party", "handler"}));
    EXPECT_TRUE(ClickWorks());
    // The party first, then the handler.
    party.layer.Remove();
    EXPECT_EQ(SetText(L"乙"), (Journal{"handler"}));
    EXPECT_TRUE(ClickWorks());
    button->SetWindowProc(original);
    EXPECT_EQ(SetText(L"丙"), Journal{});
    EXPECT_TRUE(ClickWorks());
    // The handler first, then the party.
    ASSERT_TRUE(party.Install(button->Handle()));
    original = ReplaceHandler();
    EXPECT_EQ(SetText(L"丁"), (Journal{"party", "handler"}));
    button->SetWindowProc(original);
    EXPECT_EQ(SetText(L"戊"), Journal{"party"});
    party.layer.Remove();
    EXPECT_EQ(SetText(L"己"), Journal{});
    EXPECT_TRUE(ClickWorks());
    EXPECT_TRUE(IsWindowUnicode(button->Handle()));
}

TEST_F(Stacking, APartyUnderTheControlComesOffWithoutTakingTheControlAlong) {
    SecondParty party(journal);
    ShowFormWithPartyUnderTheButton(party);
    ASSERT_TRUE(party.layer.Installed());
    tk::MessageHandler original = ReplaceHandler();
    EXPECT_EQ(SetText(L"甲"), (Journal{"handler", "party"}));
    // The party comes off first: the toolkit's layer stays in place.
    party.layer.Remove();
    EXPECT_EQ(SetText(L"乙"), Journal{"handler"});
    EXPECT_TRUE(ClickWorks());
    button->SetWindowProc(original);
    EXPECT_EQ(SetText(L"丙"), Journal{});
    EXPECT_TRUE(ClickWorks());
}

TEST_F(Stacking, MessagesPerformedByHandReachTheNativeControl) {
    SecondParty party(journal);
    ShowFormWithPartyUnderTheButton(party);
    SetWindowTextW(button->Handle(), L"四个字符");
    // Outside any message.
    EXPECT_EQ(button->Perform(WM_GETTEXTLENGTH), 4);
    // While another message is on its way down: the performed one is answered
    // and the message in flight still reaches the layer under the control.
    tk::MessageHandler original = button->WindowProc();
    LRESULT lengthSeen = -1;
    button->SetWindowProc([&](tk::Message& m) {
        if (m.msg == WM_SETTEXT) {
            lengthSeen = button->Perform(WM_GETTEXTLENGTH);
            journal.push_back("handler");
        }
        original(m);
    });
    EXPECT_EQ(SetText(L"两字"), (Journal{"handler", "party"}));
    EXPECT_EQ(lengthSeen, 4);
    button->SetWindowProc(original);
    EXPECT_TRUE(ClickWorks());
}

TEST_F(Stacking, AControlAskedForItsWindowBeforeItsFormGetsOneWindow) {
    // Making the form's window makes its children's; the control asking
    // first must not make a second one of its own.
    button->SetParent(form);
    HWND window = button->Handle();
    int buttons = 0;
    for (HWND child = GetWindow(form->Handle(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        ++buttons;
    }
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(tk::WinControl::FromHandle(window), button);
    EXPECT_TRUE(ClickWorks());
}
