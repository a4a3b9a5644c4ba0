// Forms built in code: message handlers replaced and restored, window-less
// controls fed by their parent, the toolkit's notifications, reflection and
// the application's exception handler.
#include "toolkit/Application.h"
#include "toolkit/ExtCtrls.h"
#include "toolkit/Form.h"
#include "toolkit/GraphicControls.h"
#include "toolkit/Menus.h"
#include "toolkit/Notifications.h"
#include "toolkit/RangeControls.h"
#include "toolkit/StdCtrls.h"
#include "toolkit/TreeView.h"

#include "tests/guitest/GuiTest.h"
#include "tests/toolkit/FormFixture.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Records the toolkit notifications a control receives, passing every
// message on to the handler that was there before.
struct Recorder {
    tk::Control& control;
    tk::MessageHandler previous;
    std::vector<UINT> seen;
    explicit Recorder(tk::Control& c) : control(c), previous(c.WindowProc()) {
        control.SetWindowProc([this](tk::Message& m) {
            if (m.msg >= 0xB000) {
                seen.push_back(m.msg);
            }
            previous(m);
        });
    }
    ~Recorder() { control.SetWindowProc(previous); }
    int Count(UINT msg) const {
        return static_cast<int>(std::count(seen.begin(), seen.end(), msg));
    }
};

struct Controls : FormFixture {
    void SetUp() override {
        FormFixture::SetUp();
        form->SetBorderStyle(tk::BorderStyle::Single);
        form->SetClientWidth(300);
        form->SetClientHeight(200);
        form->SetBounds(60, 60, form->Width(), form->Height());
    }
    template <class T>
    T& Place(int left, int top, int width, int height, tk::WinControl* parent = nullptr) {
        auto* control = new T(form);
        control->SetParent(parent ? parent : form);
        control->SetBounds(left, top, width, height);
        return *control;
    }
};

} // namespace

TEST_F(Controls, AReplacedHandlerSeesTheMessagesAndCanBePutBack) {
    auto& button = Place<tk::Button>(10, 10, 80, 25);
    ShowForm();
    std::vector<UINT> seen;
    tk::MessageHandler original = button.WindowProc();
    button.SetWindowProc([&](tk::Message& m) {
        seen.push_back(m.msg);
        original(m);
    });
    SetWindowTextW(button.Handle(), L"新标题");
    EXPECT_NE(std::find(seen.begin(), seen.end(), UINT(WM_SETTEXT)), seen.end());
    // The message still reached the native button.
    EXPECT_EQ(button.Caption(), "新标题");
    button.SetWindowProc(original);
    seen.clear();
    SetWindowTextW(button.Handle(), L"again");
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(button.Caption(), "again");
}

TEST_F(Controls, AHandlerMayPutTheOldOneBackWhileItRuns) {
    auto& panel = Place<tk::Panel>(10, 10, 80, 40);
    ShowForm();
    tk::MessageHandler original = panel.WindowProc();
    int calls = 0;
    panel.SetWindowProc([&](tk::Message& m) {
        ++calls;
        panel.SetWindowProc(original); // destroys this handler's stored copy
        original(m);
    });
    SetWindowTextW(panel.Handle(), L"x");
    SetWindowTextW(panel.Handle(), L"y");
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(panel.Caption(), "y");
}

TEST_F(Controls, AHandlerCanSwallowAMessage) {
    auto& edit = Place<tk::Edit>(10, 10, 80, 21);
    ShowForm();
    tk::MessageHandler original = edit.WindowProc();
    edit.SetWindowProc([&](tk::Message& m) {
        if (m.msg != WM_SETTEXT) {
            original(m);
        }
    });
    SetWindowTextW(edit.Handle(), L"blocked");
    EXPECT_EQ(edit.Caption(), "");
    edit.SetWindowProc(nullptr); // back to the toolkit's own
    SetWindowTextW(edit.Handle(), L"passes");
    EXPECT_EQ(edit.Caption(), "passes");
}

TEST_F(Controls, NativeControlsAreSubclassedAndLetGoWhenDestroyed) {
    auto& track = Place<tk::TrackBar>(10, 10, 150, 30);
    ShowForm();
    HWND window = track.Handle();
    LONG_PTR subclassed = GetWindowLongPtrW(window, GWLP_WNDPROC);
    EXPECT_EQ(tk::WinControl::FromHandle(window), &track);
    track.DestroyHandle();
    EXPECT_FALSE(track.HandleAllocated());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_NE(subclassed, 0);
    // Asked for again, the window comes back with the control's state.
    track.SetMax(20);
    track.SetPosition(7);
    EXPECT_EQ(SendMessageW(track.Handle(), TBM_GETPOS, 0, 0), 7);
}

TEST_F(Controls, MouseEnterAndLeaveFollowThePointer) {
    auto& image = Place<tk::Image>(10, 10, 40, 40);
    auto& shape = Place<tk::Shape>(60, 10, 40, 40);
    auto& panel = Place<tk::Panel>(120, 10, 60, 60);
    ShowForm();
    Recorder onImage(image), onShape(shape), onPanel(panel);
    guitest::MouseMove(form->Handle(), {20, 20});
    EXPECT_EQ(onImage.Count(tk::NotifyMouseEnter), 1);
    EXPECT_EQ(form->MouseControl(), &image);
    guitest::MouseMove(form->Handle(), {25, 25}); // within the same control: nothing new
    EXPECT_EQ(onImage.Count(tk::NotifyMouseEnter), 1);
    guitest::MouseMove(form->Handle(), {70, 20});
    EXPECT_EQ(onImage.Count(tk::NotifyMouseLeave), 1);
    EXPECT_EQ(onShape.Count(tk::NotifyMouseEnter), 1);
    guitest::MouseMove(panel.Handle(), {10, 10});
    EXPECT_EQ(onShape.Count(tk::NotifyMouseLeave), 1);
    EXPECT_EQ(onPanel.Count(tk::NotifyMouseEnter), 1);
    EXPECT_EQ(form->MouseControl(), &panel);
}

TEST_F(Controls, ClicksReachWindowlessControlsButNotHiddenOnes) {
    auto& under = Place<tk::Shape>(10, 10, 60, 60);
    auto& over = Place<tk::Image>(10, 10, 60, 60);
    int underClicks = 0, overClicks = 0, moves = 0;
    POINT lastMove{};
    under.OnClick = [&](tk::Component&) { ++underClicks; };
    over.OnClick = [&](tk::Component&) { ++overClicks; };
    over.OnMouseMove = [&](tk::Component&, tk::ShiftState, int x, int y) {
        ++moves;
        lastMove = {x, y};
    };
    ShowForm();
    guitest::Click(form->Handle(), {30, 35});
    EXPECT_EQ(overClicks, 1);
    EXPECT_EQ(underClicks, 0);
    EXPECT_GE(moves, 1);
    // Coordinates arrive in the control's own client area.
    EXPECT_EQ(lastMove.x, 20);
    EXPECT_EQ(lastMove.y, 25);
    over.Hide();
    guitest::Click(form->Handle(), {30, 35});
    EXPECT_EQ(overClicks, 1);
    EXPECT_EQ(underClicks, 1);
    under.SetEnabled(false);
    guitest::Click(form->Handle(), {30, 35});
    EXPECT_EQ(underClicks, 1);
}

TEST_F(Controls, APressReleasedOutsideIsNoClick) {
    auto& image = Place<tk::Image>(10, 10, 40, 40);
    int clicks = 0;
    image.OnClick = [&](tk::Component&) { ++clicks; };
    ShowForm();
    PostMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    PostMessageW(form->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 150));
    PostMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(150, 150));
    guitest::PumpUntilIdle();
    EXPECT_EQ(clicks, 0);
}

TEST_F(Controls, EnabledChangesAreNotified) {
    auto& check = Place<tk::CheckBox>(10, 10, 100, 20);
    auto& label = Place<tk::Label>(10, 40, 100, 20);
    ShowForm();
    Recorder onCheck(check), onLabel(label);
    check.SetEnabled(false);
    label.SetEnabled(false);
    label.SetEnabled(false); // no change, no notification
    EXPECT_EQ(onCheck.Count(tk::NotifyEnabledChanged), 1);
    EXPECT_EQ(onLabel.Count(tk::NotifyEnabledChanged), 1);
    EXPECT_FALSE(IsWindowEnabled(check.Handle()));
    check.SetChecked(true);
    EXPECT_EQ(onCheck.Count(tk::NotifyCheckedChanged), 1);
}

TEST_F(Controls, FocusLeavingAControlIsNotified) {
    auto& first = Place<tk::Edit>(10, 10, 80, 21);
    auto& second = Place<tk::Edit>(10, 40, 80, 21);
    ShowForm();
    SetForegroundWindow(form->Handle());
    first.SetFocus();
    guitest::PumpUntilIdle();
    Recorder onFirst(first), onSecond(second);
    second.SetFocus();
    guitest::PumpUntilIdle();
    EXPECT_TRUE(second.Focused());
    EXPECT_EQ(onFirst.Count(tk::NotifyExit), 1);
    EXPECT_EQ(onSecond.Count(tk::NotifyExit), 0);
}

TEST_F(Controls, AltCharactersAreOfferedToTheForm) {
    auto& edit = Place<tk::Edit>(10, 10, 80, 21);
    ShowForm();
    std::vector<WPARAM> offered;
    tk::MessageHandler original = form->WindowProc();
    form->SetWindowProc([&](tk::Message& m) {
        if (m.msg == tk::NotifyDialogChar) {
            offered.push_back(m.wParam);
            m.result = 1;
            return;
        }
        original(m);
    });
    SendMessageW(edit.Handle(), WM_SYSCHAR, 'f', 0);
    ASSERT_EQ(offered.size(), 1u);
    EXPECT_EQ(offered[0], WPARAM('f'));
    form->SetWindowProc(original);
}

TEST_F(Controls, WindowlessControlsHearWhenTheirWindowGoes) {
    auto& panel = Place<tk::Panel>(10, 10, 100, 100);
    auto& speed = Place<tk::SpeedButton>(5, 5, 40, 25, &panel);
    ShowForm();
    Recorder onSpeed(speed);
    panel.DestroyHandle();
    EXPECT_EQ(onSpeed.Count(tk::NotifyHostDestroyed), 1);
}

TEST_F(Controls, NotificationsAboutAChildAreReflectedToIt) {
    auto& track = Place<tk::TrackBar>(10, 10, 150, 30);
    auto& bar = Place<tk::ScrollBar>(10, 50, 150, 17);
    auto& tree = Place<tk::TreeView>(10, 80, 150, 100);
    tree.Items().Add("one");
    ShowForm();
    Recorder onTrack(track), onBar(bar), onTree(tree);
    int changes = 0;
    bar.OnChange = [&](tk::Component&) { ++changes; };
    SendMessageW(track.Handle(), TBM_SETPOS, TRUE, 3);
    SendMessageW(form->Handle(), WM_HSCROLL, TB_THUMBPOSITION,
                 reinterpret_cast<LPARAM>(track.Handle()));
    EXPECT_EQ(onTrack.Count(tk::ReflectedHScroll), 1);
    EXPECT_EQ(track.Position(), 3);
    SendMessageW(form->Handle(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(bar.Handle()));
    EXPECT_EQ(onBar.Count(tk::ReflectedHScroll), 1);
    EXPECT_EQ(bar.Position(), 1);
    EXPECT_EQ(changes, 1);
    tree.SetSelected(tree.Items().Children()[0].get());
    EXPECT_GE(onTree.Count(tk::ReflectedNotify), 1);
}

TEST_F(Controls, AnErrorInAHandlerIsShownAndTheProgramGoesOn) {
    auto& button = Place<tk::Button>(10, 10, 80, 25);
    button.OnClick = [](tk::Component&) { throw std::runtime_error("无法打开模板"); };
    ShowForm();
    guitest::Click(button.Handle(), {5, 5});
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "无法打开模板");
    guitest::Click(button.Handle(), {5, 5});
    EXPECT_EQ(errors.size(), 2u);
    EXPECT_TRUE(IsWindow(form->Handle()));
}

TEST_F(Controls, AnErrorInATimerEventGoesToTheSameHandler) {
    auto* timer = new tk::Timer(form);
    timer->SetInterval(10);
    timer->OnTimer = [timer](tk::Component&) {
        timer->SetEnabled(false);
        throw std::runtime_error("tick failed");
    };
    guitest::PumpFor(100);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "tick failed");
}

TEST_F(Controls, AMenuChangeIsNotifiedAndTheWindowGetsTheNewMenu) {
    auto* menu = new tk::MainMenu(form);
    auto* file = new tk::MenuItem(form);
    file->SetCaption("文件");
    menu->Items().Add(*file);
    auto* open = new tk::MenuItem(form);
    open->SetCaption("打开");
    file->Add(*open);
    int opened = 0;
    open->OnClick = [&](tk::Component&) { ++opened; };
    form->SetMenu(menu);
    ShowForm();
    Recorder onForm(*form);
    file->SetCaption("文件(&F)");
    EXPECT_EQ(onForm.Count(tk::NotifyMenuChanged), 1);
    EXPECT_EQ(GetMenu(form->Handle()), menu->Handle());
    SendMessageW(form->Handle(), WM_COMMAND, open->Command(), 0);
    EXPECT_EQ(opened, 1);
}

TEST_F(Controls, TheScreenListsFormsInOrderAndTheFirstIsMain) {
    auto* second = new tk::Form(&app);
    ASSERT_EQ(app.Forms().size(), 2u);
    EXPECT_EQ(app.Forms()[0], form);
    EXPECT_EQ(app.Forms()[1], second);
    EXPECT_EQ(app.MainForm(), form);
    delete second;
    EXPECT_EQ(app.Forms().size(), 1u);
}

TEST_F(Controls, AnErrorWhileTheMainFormIsFirstShownIsReported) {
    form->OnShow = [](tk::Component&) { throw std::runtime_error("no catalogue"); };
    PostQuitMessage(0);
    app.Run();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "no catalogue");
}

TEST_F(Controls, TheCursorOfTheControlUnderThePointerIsShown) {
    auto& image = Place<tk::Image>(10, 10, 40, 40);
    image.SetCursor(tk::crHandPoint);
    ShowForm();
    POINT over = image.ClientToScreen({5, 5});
    SetCursorPos(over.x, over.y);
    SendMessageW(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    POINT beside = form->ClientToScreen({200, 150});
    SetCursorPos(beside.x, beside.y);
    SendMessageW(form->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
}

TEST_F(Controls, ClosingTheMainFormEndsTheMessageLoop) {
    ShowForm();
    PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
    app.Run();
    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(form->Visible());
}

TEST_F(Controls, AlignedControlsFillTheirParent) {
    auto& bottom = Place<tk::Panel>(0, 0, 50, 20);
    bottom.SetAlign(tk::Align::Bottom);
    auto& rest = Place<tk::Panel>(0, 0, 50, 20);
    rest.SetAlign(tk::Align::Client);
    ShowForm();
    EXPECT_EQ(bottom.Top(), 180);
    EXPECT_EQ(bottom.Width(), 300);
    EXPECT_EQ(rest.Height(), 180);
}
