// Focus cues of the skinned buttons and tabs: the control that has the
// keyboard shows a dotted rectangle in its caption's colour three pixels
// inside its edge (on a tab row, inside the selected tab), as long as its
// window shows focus cues; the cells of the test skins tell the cue's dots
// from the face under them.
#include "tests/controls/ControlsFixture.h"

#include "toolkit/PageControl.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/TabSet.h"
#include "toolkit/win32/WindowSubclass.h"
#include "tests/controls/TabSkin.h"

using namespace skin;
using namespace controlstest;

namespace {

constexpr int CueInset = 3;

// Dots of `colour` along the top edge of the cue inside `box` (control
// coordinates).
int TopDots(const guitest::Capture& shot, const RECT& box, Colour colour) {
    int dots = 0;
    for (int x = box.left + CueInset; x < box.right - CueInset; ++x) {
        dots += shot.At(x, box.top + CueInset) == guitest::Rgb(colour);
    }
    return dots;
}

// Dots of `colour` along the left edge of the cue inside `box`.
int LeftDots(const guitest::Capture& shot, const RECT& box, Colour colour) {
    int dots = 0;
    for (int y = box.top + CueInset; y < box.bottom - CueInset; ++y) {
        dots += shot.At(box.left + CueInset, y) == guitest::Rgb(colour);
    }
    return dots;
}

// Dots a cue's edge along a side of that length shows at least: about every
// other pixel (a corner may take one).
int DottedEdge(int length) {
    return (length - 2 * CueInset) / 2 - 1;
}

// The UI state of a window as the system keeps it on Windows (Wine keeps
// none and answers WM_QUERYUISTATE with 0): a layer on the window answers the
// question, and the window hears WM_UPDATEUISTATE when the state changes, as
// the system tells it.
class TUiState {
public:
    explicit TUiState(HWND window) {
        layer_.Install(window, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
            return msg == WM_QUERYUISTATE ? LRESULT(flags_) : layer_.CallNext(msg, wParam, lParam);
        });
    }
    void HideFocusCues(bool hide) {
        flags_ = hide ? UISF_HIDEFOCUS : 0;
        SendMessageW(layer_.Window(), WM_UPDATEUISTATE,
                     MAKEWPARAM(hide ? UIS_SET : UIS_CLEAR, UISF_HIDEFOCUS), 0);
        frametest::Settle();
    }

private:
    tk::WindowSubclass layer_;
    WORD flags_ = 0;
};

class FocusCues : public ControlsTest {
protected:
    // A skinned form whose edit holds the focus.
    tk::Form& FormWithFocusOnAnEdit(const std::vector<uint8_t>& package = TButtonSkin().Build()) {
        tk::Form& form = SkinnedForm(package);
        edit_ = &Place<tk::Edit>(form, 300, 200, 80, 22);
        edit_->SetFocus();
        frametest::Settle();
        return form;
    }
    template <class T> T& Button(tk::Form& form, int top, const std::string& caption) {
        T& button = Place<T>(form, 20, top, 75, 25);
        button.SetCaption(caption);
        return button;
    }
    void Skin(tk::Form& form) {
        frame_->SkinFormControls(form);
        frametest::Settle();
    }
    static void Focus(tk::WinControl& control) {
        control.SetFocus();
        frametest::Settle();
    }
    static RECT Whole(tk::Control& control) { return {0, 0, control.Width(), control.Height()}; }
    static int ButtonCue(tk::Control& button, Colour colour) {
        return TopDots(Shot(button), Whole(button), colour);
    }
    tk::Edit* edit_ = nullptr;
};

// A focused push button shows the default cell (the toolkit makes the focused
// push button the default one), as the Default button does while the focus
// is elsewhere: the cue alone tells them apart.
TEST_F(FocusCues, TheFocusedPushOrBitmapButtonShowsTheCueInItsCaptionColour) {
    tk::Form& form = FormWithFocusOnAnEdit();
    auto& push = Button<tk::Button>(form, 20, "Push");
    auto& byDefault = Button<tk::Button>(form, 60, "Default");
    auto& bitmap = Button<tk::BitBtn>(form, 100, "Bitmap");
    byDefault.SetDefault(true);
    Skin(form);
    const int edge = DottedEdge(push.Width());
    EXPECT_EQ(ButtonCue(byDefault, TButtonSkin::NormalText), 0);
    EXPECT_EQ(ButtonCue(push, TButtonSkin::NormalText), 0);

    Focus(byDefault);
    EXPECT_EQ(CellColour(byDefault), Cell(button_frame::Default));
    EXPECT_GE(ButtonCue(byDefault, TButtonSkin::NormalText), edge);

    Focus(push);
    EXPECT_EQ(CellColour(push), Cell(button_frame::Default));
    EXPECT_GE(ButtonCue(push, TButtonSkin::NormalText), edge);
    EXPECT_EQ(ButtonCue(byDefault, TButtonSkin::NormalText), 0);

    Focus(bitmap);
    EXPECT_EQ(CellColour(bitmap), Cell(button_frame::Hot));
    EXPECT_GE(ButtonCue(bitmap, TButtonSkin::HotText), edge);
    EXPECT_EQ(ButtonCue(push, TButtonSkin::NormalText), 0);

    Focus(*edit_);
    EXPECT_EQ(ButtonCue(bitmap, TButtonSkin::HotText), 0);
}

// The window hides and shows focus cues (the system hides them until the
// keyboard is used): the focused button follows at once, and stays skinned.
TEST_F(FocusCues, TheCueFollowsTheWindowsUiState) {
    tk::Form& form = FormWithFocusOnAnEdit();
    auto& push = Button<tk::Button>(form, 20, "Push");
    Skin(form);
    Focus(push);
    const int edge = DottedEdge(push.Width());
    ASSERT_GE(ButtonCue(push, TButtonSkin::NormalText), edge);
    TUiState state(push.Handle());
    state.HideFocusCues(true);
    EXPECT_EQ(ButtonCue(push, TButtonSkin::NormalText), 0);
    EXPECT_EQ(CellColour(push), Cell(button_frame::Default));
    state.HideFocusCues(false);
    EXPECT_GE(ButtonCue(push, TButtonSkin::NormalText), edge);
    EXPECT_EQ(CellColour(push), Cell(button_frame::Default));
}

// A speed button that is a Tab stop takes the keyboard through the form's
// window: it shows the cue, and Space shows it pressed and clicks it.
TEST_F(FocusCues, ASpeedButtonWithTheKeyboardShowsTheCueAndSpacePressesIt) {
    tk::Form& form = FormWithFocusOnAnEdit();
    auto& speed = Place<tk::SpeedButton>(form, 20, 20, 75, 25);
    speed.SetCaption("Speed");
    speed.SetTabStop(true);
    int clicks = 0;
    speed.OnClick = [&](tk::Component&) { ++clicks; };
    Skin(form);
    ASSERT_NE(SkinnerOf(speed), nullptr);
    const int edge = DottedEdge(speed.Width());
    EXPECT_EQ(ButtonCue(speed, TButtonSkin::NormalText), 0);

    speed.SetFocus();
    frametest::Settle();
    EXPECT_EQ(CellColour(speed), Cell(button_frame::Normal));
    EXPECT_GE(ButtonCue(speed, TButtonSkin::NormalText), edge);

    PostMessageW(form.Handle(), WM_KEYDOWN, VK_SPACE, 0);
    frametest::Settle();
    EXPECT_EQ(CellColour(speed), Cell(button_frame::Pressed));
    EXPECT_GE(ButtonCue(speed, TButtonSkin::PressedText), edge);
    EXPECT_EQ(clicks, 0);
    PostMessageW(form.Handle(), WM_KEYUP, VK_SPACE, 0);
    frametest::Settle();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(CellColour(speed), Cell(button_frame::Normal));

    // A window-less button asks its parent's window, which holds the focus.
    TUiState state(form.Handle());
    state.HideFocusCues(true);
    EXPECT_EQ(ButtonCue(speed, TButtonSkin::NormalText), 0);
    state.HideFocusCues(false);
    EXPECT_GE(ButtonCue(speed, TButtonSkin::NormalText), edge);

    Focus(*edit_);
    EXPECT_EQ(ButtonCue(speed, TButtonSkin::NormalText), 0);
}

// Where the tab skinner draws a top tab: its item rectangle one pixel down.
RECT DrawnTopTab(HWND tabs, int index) {
    RECT r{};
    SendMessageW(tabs, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    OffsetRect(&r, 0, 1);
    return r;
}

// The selected tab of a focused tab row shows the cue in the selected tab's
// text colour (the tabs' captions are padded with blanks, so no ink reaches
// the cue's left edge), and the cue follows the arrow keys.
TEST_F(FocusCues, TheSelectedTabOfAFocusedPageControlShowsTheCue) {
    tk::Form& form = FormWithFocusOnAnEdit(TTabSkin().Build());
    auto* pages = new tk::PageControl(&form);
    pages->SetBounds(20, 20, 360, 160);
    for (int i = 0; i < 3; ++i) {
        auto* sheet = new tk::TabSheet(&form);
        sheet->SetCaption("   Page " + std::to_string(i) + "   ");
        sheet->SetPageControl(pages);
    }
    pages->SetParent(&form);
    Skin(form);
    HWND window = pages->Handle();
    const auto cue = [&](int index) {
        return LeftDots(guitest::CaptureWindow(window), DrawnTopTab(window, index),
                        TTabSkin::SelectedText);
    };
    const RECT first = DrawnTopTab(window, 0);
    const int edge = DottedEdge(first.bottom - first.top);
    ASSERT_GT(edge, 2);
    EXPECT_EQ(cue(0), 0);

    Focus(*pages);
    EXPECT_GE(cue(0), edge);
    PostMessageW(window, WM_KEYDOWN, VK_RIGHT, 0);
    frametest::Settle();
    EXPECT_EQ(pages->ActivePage(), pages->Pages()[1]);
    EXPECT_EQ(cue(0), 0);
    EXPECT_GE(cue(1), edge);

    Focus(*edit_);
    EXPECT_EQ(cue(1), 0);
}

TEST_F(FocusCues, TheSelectedTabOfAFocusedTabSetShowsTheCue) {
    tk::Form& form = FormWithFocusOnAnEdit(TTabSkin().Build());
    auto* tabSet = new tk::TabSet(&form);
    tabSet->SetBounds(20, 200, 260, 22);
    tabSet->SetTabs({"   One   ", "   Two   ", "   Three   "});
    tabSet->SetTabIndex(0);
    tabSet->SetParent(&form);
    Skin(form);
    const auto cue = [&](int index) {
        const tk::TabSlot& slot = tabSet->TabSlots()[size_t(index)];
        return LeftDots(Shot(*tabSet), {slot.left, 0, slot.right, tabSet->Height()},
                        TTabSkin::SelectedText);
    };
    const int edge = DottedEdge(tabSet->Height());
    EXPECT_EQ(cue(0), 0);

    Focus(*tabSet);
    EXPECT_GE(cue(0), edge);
    PostMessageW(tabSet->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    frametest::Settle();
    EXPECT_EQ(tabSet->TabIndex(), 1);
    EXPECT_EQ(cue(0), 0);
    EXPECT_GE(cue(1), edge);

    Focus(*edit_);
    EXPECT_EQ(cue(1), 0);
}

} // namespace
