// Push buttons and bitmap buttons skinned on a toolkit form: the strip cell
// each state shows, read back from the screen, driven by real mouse and
// keyboard messages, and the click rules.
#include "tests/controls/ControlsFixture.h"

#include "toolkit/Notifications.h"

#include "skin/WinSubClass/SkinBitButton.h"
#include "tests/controls/PoisonedFrees.h"

using namespace skin;
using namespace controlstest;

namespace {

class Buttons : public ControlsTest {
protected:
    // A form with an edit that holds the focus, so that no button is the
    // focused (and so default-looking) one unless a test makes it so.
    tk::Form& FormWithFocusElsewhere() {
        tk::Form& form = SkinnedForm();
        edit_ = &Place<tk::Edit>(form, 200, 200, 80, 22);
        edit_->SetFocus();
        frametest::Settle();
        return form;
    }
    template <class T> T& SkinnedButton(tk::Form& form, int left = 20, int top = 20) {
        T& button = Place<T>(form, left, top, 75, 25);
        button.SetCaption("OK");
        frame_->SkinFormControls(form);
        frametest::Settle();
        return button;
    }
    static void Post(tk::WinControl& control, UINT msg, WPARAM wParam, POINT at) {
        PostMessageW(control.Handle(), msg, wParam, MAKELPARAM(at.x, at.y));
        frametest::Settle();
    }
    // Pixels of the caption colour inside the button's middle.
    static int CaptionPixels(tk::Control& button, Colour colour) {
        const guitest::Capture shot = Shot(button);
        int count = 0;
        for (int y = 4; y < shot.height - 4; ++y) {
            for (int x = 8; x < shot.width - 8; ++x) {
                count += shot.At(x, y) == guitest::Rgb(colour);
            }
        }
        return count;
    }
    tk::Edit* edit_ = nullptr;
};

TEST_F(Buttons, APushButtonShowsNormalHotPressedAndClicksOnRelease) {
    tk::Form& form = FormWithFocusElsewhere();
    auto& button = SkinnedButton<tk::Button>(form);
    int clicks = 0;
    button.OnClick = [&](tk::Component&) { ++clicks; };
    ASSERT_NE(dynamic_cast<TSkinButton*>(SkinnerOf(button)), nullptr);
    EXPECT_EQ(CellColour(button), Cell(button_frame::Normal));
    EXPECT_GT(CaptionPixels(button, TButtonSkin::NormalText), 0);
    guitest::MouseMove(button.Handle(), {30, 12});
    EXPECT_EQ(CellColour(button), Cell(button_frame::Hot));
    EXPECT_GT(CaptionPixels(button, TButtonSkin::HotText), 0);
    EXPECT_EQ(frame_->FHotControl, SkinnerOf(button));
    Post(button, WM_LBUTTONDOWN, MK_LBUTTON, {30, 12});
    EXPECT_EQ(CellColour(button), Cell(button_frame::Pressed));
    EXPECT_GT(CaptionPixels(button, TButtonSkin::PressedText), 0);
    EXPECT_EQ(clicks, 0);
    // Pressing took the focus: released, the button is the focused default.
    Post(button, WM_LBUTTONUP, 0, {30, 12});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(button.Focused());
    EXPECT_EQ(CellColour(button), Cell(button_frame::Hot));
}

TEST_F(Buttons, APressWhoseFocusChangeFreesTheFormLeavesTheFreedSkinnerAlone) {
    tk::Form& form = FormWithFocusElsewhere();
    auto& button = SkinnedButton<tk::Button>(form);
    // The edit losing the focus to the pressed button closes the form at once.
    tk::MessageHandler own = edit_->WindowProc();
    edit_->SetWindowProc([&form, own](tk::Message& message) {
        own(message);
        if (message.msg == WM_KILLFOCUS) {
            delete &form;
        }
    });
    const HWND window = button.Handle();
    const PoisonedFrees poisoned;
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 12));
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(Buttons, APressReleasedOutsideStaysPressedUntilTheMouseLeavesAndNeverClicks) {
    tk::Form& form = FormWithFocusElsewhere();
    auto& button = SkinnedButton<tk::Button>(form);
    int clicks = 0;
    button.OnClick = [&](tk::Component&) { ++clicks; };
    guitest::MouseMove(button.Handle(), {30, 12});
    Post(button, WM_LBUTTONDOWN, MK_LBUTTON, {30, 12});
    // No capture: the release outside goes to the form.
    PostMessageW(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(300, 150));
    frametest::Settle();
    EXPECT_EQ(CellColour(button), Cell(button_frame::Pressed));
    guitest::MouseMove(form.Handle(), {300, 150});
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(frame_->FHotControl, nullptr);
    EXPECT_EQ(CellColour(button), Cell(button_frame::Default));
    // A release over it now is no click either: it is no longer pressed.
    Post(button, WM_LBUTTONUP, 0, {30, 12});
    EXPECT_EQ(clicks, 0);
}

TEST_F(Buttons, TheSpaceKeyPressesAndClicks) {
    tk::Form& form = FormWithFocusElsewhere();
    auto& button = SkinnedButton<tk::Button>(form);
    int clicks = 0;
    button.OnClick = [&](tk::Component&) { ++clicks; };
    button.SetFocus();
    frametest::Settle();
    Post(button, WM_KEYDOWN, VK_SPACE, {});
    EXPECT_EQ(CellColour(button), Cell(button_frame::Pressed));
    Post(button, WM_KEYUP, VK_SPACE, {});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(CellColour(button), Cell(button_frame::Default));
}

TEST_F(Buttons, ADisabledButtonShowsTheDisabledCellWhateverTheMouseDoes) {
    tk::Form& form = FormWithFocusElsewhere();
    auto& button = SkinnedButton<tk::Button>(form);
    int clicks = 0;
    button.OnClick = [&](tk::Component&) { ++clicks; };
    button.SetEnabled(false);
    frametest::Settle();
    EXPECT_EQ(CellColour(button), Cell(button_frame::Disabled));
    SendMessageW(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 12));
    SendMessageW(button.Handle(), tk::NotifyMouseEnter, 0, 0);
    Post(button, WM_LBUTTONDOWN, MK_LBUTTON, {30, 12});
    EXPECT_EQ(CellColour(button), Cell(button_frame::Disabled));
    EXPECT_GT(CaptionPixels(button, DisabledButtonText), 0);
    button.SetEnabled(true);
    frametest::Settle();
    EXPECT_NE(CellColour(button), Cell(button_frame::Disabled));
}

TEST_F(Buttons, TheDefaultButtonShowsTheDefaultCellAndFocusOutranksItOnlyOnBitmapButtons) {
    tk::Form& form = FormWithFocusElsewhere();
    auto& push = SkinnedButton<tk::Button>(form, 20, 20);
    auto& bitmap = SkinnedButton<tk::BitBtn>(form, 20, 60);
    ASSERT_NE(dynamic_cast<TSkinBitButton*>(SkinnerOf(bitmap)), nullptr);
    push.SetDefault(true);
    bitmap.SetDefault(true);
    frametest::Settle();
    EXPECT_EQ(CellColour(push), Cell(button_frame::Default));
    EXPECT_EQ(CellColour(bitmap), Cell(button_frame::Default));
    push.SetFocus();
    frametest::Settle();
    EXPECT_EQ(CellColour(push), Cell(button_frame::Default));
    bitmap.SetFocus();
    frametest::Settle();
    EXPECT_EQ(CellColour(bitmap), Cell(button_frame::Hot));
}

TEST_F(Buttons, OnlyOneButtonOfAFrameIsHot) {
    tk::Form& form = FormWithFocusElsewhere();
    auto& first = SkinnedButton<tk::Button>(form, 20, 20);
    auto& second = SkinnedButton<tk::Button>(form, 120, 20);
    guitest::MouseMove(first.Handle(), {10, 10});
    EXPECT_EQ(CellColour(first), Cell(button_frame::Hot));
    guitest::MouseMove(second.Handle(), {10, 10});
    EXPECT_EQ(frame_->FHotControl, SkinnerOf(second));
    EXPECT_EQ(CellColour(first), Cell(button_frame::Normal));
    EXPECT_EQ(CellColour(second), Cell(button_frame::Hot));
    // The frame losing activation lets its hot button go.
    SendMessageW(form.Handle(), WM_NCACTIVATE, FALSE, 0);
    frametest::Settle();
    EXPECT_EQ(frame_->FHotControl, nullptr);
    EXPECT_EQ(CellColour(second), Cell(button_frame::Normal));
}

TEST_F(Buttons, AResizedButtonIsComposedAtItsNewSize) {
    tk::Form& form = FormWithFocusElsewhere();
    auto& button = SkinnedButton<tk::Button>(form);
    const uint32_t edge = guitest::Rgb(TButtonSkin::Edge);
    EXPECT_EQ(Shot(button).At(74, 12), edge);
    button.SetBounds(20, 20, 140, 40);
    frametest::Settle();
    const guitest::Capture wide = Shot(button);
    EXPECT_EQ(wide.At(139, 20), edge);
    EXPECT_EQ(wide.At(30, 20), Cell(button_frame::Normal));
    EXPECT_EQ(wide.At(70, 39), edge);
}

TEST_F(Buttons, ASkinWithoutAButtonStripLeavesButtonsUnpaintedButSwallowsTheirPaint) {
    TButtonSkin plain;
    plain.withButtons = false;
    tk::Form& form = SkinnedForm(plain.Build());
    auto& button = Place<tk::Button>(form, 20, 20, 75, 25);
    button.SetCaption("OK");
    frame_->SkinFormControls(form);
    frametest::Settle();
    ASSERT_NE(SkinnerOf(button), nullptr);
    EXPECT_EQ(SendMessageW(button.Handle(), WM_ERASEBKGND, 0, 0), 1);
    InvalidateRect(button.Handle(), nullptr, TRUE);
    frametest::Settle();
    EXPECT_FALSE(GetUpdateRect(button.Handle(), nullptr, FALSE));
}

} // namespace
