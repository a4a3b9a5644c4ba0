// Combo boxes skinned on a toolkit form: the frame, button and arrow cells of
// every state, driven by real mouse messages; the button on the left with
// the mirrored image around a different edit area; the simple drawing of a
// combo button of Style 1; and nothing at all without the images it needs.
#include "tests/controls/InputsFixture.h"

#include "skin/WinSubClass/InputCodes.h"
#include "toolkit/Notifications.h"
#include "skin/WinSubClass/SkinComBox.h"

using namespace skin;
using namespace controlstest;

namespace {

class ComboBoxes : public InputsTest {
protected:
    // A drop-down list combo mapped to the combo skinner, and an edit that
    // holds the focus.
    tk::ComboBox& SkinnedCombo(tk::Form& form) {
        skinData_->SetSkin3rd({"TComboBox=combobox"});
        // The style before the window is made: a combo box keeps the kind it
        // was made with.
        auto& combo = *new tk::ComboBox(&form);
        combo.SetStyle(tk::ComboStyle::DropDownList);
        combo.SetBounds(20, 20, 160, 24);
        combo.SetParent(&form);
        combo.SetItems({"One", "Two"});
        combo.SetItemIndex(0);
        focus_ = &Place<tk::Edit>(form, 20, 200, 80, 22);
        frame_->SkinFormControls(form);
        focus_->SetFocus();
        frametest::Settle();
        EXPECT_NE(dynamic_cast<TSkinComBox*>(SkinnerOf(combo)), nullptr);
        return combo;
    }
    // The combo's window as on screen.
    static guitest::Capture ShotOf(tk::ComboBox& combo) {
        return guitest::CaptureWindow(combo.Handle());
    }
    static SIZE SizeOf(tk::ComboBox& combo) {
        const RECT r = frametest::WindowRectOf(combo.Handle());
        return {r.right - r.left, r.bottom - r.top};
    }
    // The state cell shown by frame, button (right of the box) and arrow.
    static void ExpectRightCells(tk::ComboBox& combo, int state) {
        const guitest::Capture shot = ShotOf(combo);
        const SIZE size = SizeOf(combo);
        const int arrow = GetSystemMetrics(SM_CXHSCROLL);
        const int buttonLeft = size.cx - arrow - ComboButtonExtra;
        EXPECT_EQ(shot.At(1, size.cy / 2), Rgb(TInputSkin::Sunk[state - 1])) << state;
        EXPECT_EQ(shot.At(buttonLeft + 1, 2), Rgb(TInputSkin::ButtonLeft[state - 1])) << state;
        EXPECT_EQ(shot.At(size.cx - 2, 2), Rgb(TInputSkin::ButtonRight[state - 1])) << state;
        const int arrowCentre = (buttonLeft + size.cx - ComboFrameWidth) / 2;
        EXPECT_EQ(shot.At(arrowCentre, size.cy / 2), Rgb(TInputSkin::Extra[state - 1])) << state;
    }
    tk::Edit* focus_ = nullptr;
};

TEST_F(ComboBoxes, TheFrameButtonAndArrowShowTheCellOfEveryState) {
    tk::Form& form = InputForm();
    tk::ComboBox& combo = SkinnedCombo(form);
    ExpectRightCells(combo, combo_frame::Normal);
    const SIZE size = SizeOf(combo);
    // The edit area is the combo's own.
    EXPECT_NE(ShotOf(combo).At(ComboFrameWidth + 2, size.cy / 2),
              Rgb(TInputSkin::Sunk[combo_frame::Normal - 1]));
    const POINT onButton{size.cx - 4, size.cy / 2};
    guitest::MouseMove(combo.Handle(), onButton);
    {
        SCOPED_TRACE("under the mouse");
        ExpectRightCells(combo, combo_frame::Hot);
    }
    guitest::MouseMove(form.Handle(), {300, 150});
    ExpectRightCells(combo, combo_frame::Normal);
    PostMessageW(combo.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(onButton.x, onButton.y));
    frametest::Settle();
    ExpectRightCells(combo, combo_frame::Pressed);
    PostMessageW(combo.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(onButton.x, onButton.y));
    frametest::Settle();
    SendMessageW(combo.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    guitest::MouseMove(form.Handle(), {300, 150});
    focus_->SetFocus();
    frametest::Settle();
    ExpectRightCells(combo, combo_frame::Normal);
    // Focused, as under the mouse.
    combo.SetFocus();
    frametest::Settle();
    {
        SCOPED_TRACE("focused");
        ExpectRightCells(combo, combo_frame::Hot);
    }
    focus_->SetFocus();
    combo.SetEnabled(false);
    frametest::Settle();
    ExpectRightCells(combo, combo_frame::Disabled);
    // A disabled combo does not light up under the mouse.
    SendMessageW(combo.Handle(), tk::NotifyMouseEnter, 0, 0);
    ExpectRightCells(combo, combo_frame::Disabled);
}

TEST_F(ComboBoxes, AButtonOnTheLeftIsTheMirroredImageAndTheEditAreaMovesRight) {
    tk::Form& form = InputForm();
    tk::ComboBox& combo = SkinnedCombo(form);
    SetWindowLongPtrW(combo.Handle(), GWL_EXSTYLE,
                      GetWindowLongPtrW(combo.Handle(), GWL_EXSTYLE) | WS_EX_LEFTSCROLLBAR);
    RedrawWindow(combo.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    frametest::Settle();
    const guitest::Capture shot = ShotOf(combo);
    const SIZE size = SizeOf(combo);
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    const int buttonRight = arrow + ComboButtonExtra;
    const int state = combo_frame::Normal;
    // Mirrored: the cell's right half on the left.
    EXPECT_EQ(shot.At(1, 2), Rgb(TInputSkin::ButtonRight[state - 1]));
    EXPECT_EQ(shot.At(buttonRight - 2, 2), Rgb(TInputSkin::ButtonLeft[state - 1]));
    const int arrowCentre = (ComboFrameWidth + buttonRight) / 2;
    EXPECT_EQ(shot.At(arrowCentre, size.cy / 2), Rgb(TInputSkin::Extra[state - 1]));
    // The frame between button and edit area, and at the right edge; the
    // edit area ends two pixels in from the right.
    EXPECT_EQ(shot.At(buttonRight + 1, size.cy / 2), Rgb(TInputSkin::Sunk[state - 1]));
    EXPECT_EQ(shot.At(size.cx - 1, size.cy / 2), Rgb(TInputSkin::Sunk[state - 1]));
    EXPECT_NE(shot.At(size.cx - ComboFrameWidth - 2, size.cy / 2),
              Rgb(TInputSkin::Sunk[state - 1]));
    EXPECT_NE(shot.At(buttonRight + ComboFrameWidth + 1, size.cy / 2),
              Rgb(TInputSkin::Sunk[state - 1]));
}

TEST_F(ComboBoxes, AComboButtonOfStyleOneDrawsTheSimpleWay) {
    TInputSkin simple;
    simple.comboStyle = ComboSimpleStyle;
    simple.sunkEdge = false;
    tk::Form& form = InputForm(simple);
    tk::ComboBox& combo = SkinnedCombo(form);
    const auto check = [&](int state) {
        const guitest::Capture shot = ShotOf(combo);
        const SIZE size = SizeOf(combo);
        const int y = size.cy / 2;
        EXPECT_EQ(shot.At(0, y), Rgb(TInputSkin::Shadow)) << state;
        EXPECT_EQ(shot.At(size.cx - 1, y), Rgb(TInputSkin::Shadow)) << state;
        // One pixel inside the outline: the window context's own (white) brush.
        EXPECT_EQ(shot.At(1, y), guitest::Rgb(0xFFFFFF)) << state;
        // The button cell copied into the right-most thumb width, two in.
        const int right = size.cx - 2;
        const int left = right - GetSystemMetrics(SM_CYVTHUMB);
        EXPECT_EQ(shot.At(left + 1, y), Rgb(TInputSkin::ButtonLeft[state - 1])) << state;
        EXPECT_EQ(shot.At(right - 1, y), Rgb(TInputSkin::ButtonRight[state - 1])) << state;
    };
    check(combo_frame::Normal);
    guitest::MouseMove(combo.Handle(), {SizeOf(combo).cx - 4, SizeOf(combo).cy / 2});
    check(combo_frame::Hot);
    guitest::MouseMove(form.Handle(), {300, 150});
    combo.SetEnabled(false);
    frametest::Settle();
    check(combo_frame::Disabled);
}

TEST_F(ComboBoxes, WithoutTheSunkenEdgeTheComboPaintsItself) {
    TInputSkin bare;
    bare.sunkEdge = false;
    tk::Form& form = InputForm(bare);
    tk::ComboBox& combo = SkinnedCombo(form);
    const SIZE size = SizeOf(combo);
    const guitest::Capture shot = ShotOf(combo);
    for (int cell = 0; cell < 4; ++cell) {
        EXPECT_NE(shot.At(size.cx - 2, 2), Rgb(TInputSkin::ButtonRight[cell]));
    }
}

} // namespace
