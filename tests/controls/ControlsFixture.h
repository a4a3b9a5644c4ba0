// What the control skinner tests share: a skinned toolkit form with the
// button test skin (or a shipped skin), the frame around it, the skinner of a
// control, and pixels of a control read back from the screen.
#pragma once

#include "tests/controls/ButtonSkin.h"
#include "tests/frame/FrameFixture.h"
#include "skin/WinSubClass/SkinControl.h"
#include "toolkit/StdCtrls.h"

#include <gtest/gtest.h>

namespace controlstest {

class ControlsTest : public frametest::FrameTest {
protected:
    // A skin component with the package and a shown, skinned form.
    tk::Form& SkinnedForm(const std::vector<uint8_t>& package = TButtonSkin().Build()) {
        skinData_ = &AddSkin(package);
        tk::Form& form = ShowForm({80, 80, 480, 380}, "Controls");
        frame_ = frametest::FrameOf(form.Handle());
        return form;
    }
    template <class T> T& Place(tk::Form& form, int left, int top, int width, int height) {
        auto* control = new T(&form);
        control->SetBounds(left, top, width, height);
        control->SetParent(&form);
        return *control;
    }
    // The skinner listed for a control, or none.
    skin::TSkinControl* SkinnerOf(const tk::Control& control) const {
        for (skin::TSkinControl* skinner : frame_->FControls) {
            if (skinner->FControl == &control || skinner->FGraphicControl == &control) {
                return skinner;
            }
        }
        return nullptr;
    }
    // The control's pixels as on screen (its window, or its rectangle in the
    // parent for a window-less one).
    static guitest::Capture Shot(tk::Control& control) {
        const POINT origin = control.ClientToScreen({0, 0});
        return guitest::CaptureScreen(
            {origin.x, origin.y, origin.x + control.Width(), origin.y + control.Height()});
    }
    // The colour at the middle of the left edge's inside, where no caption
    // reaches: the cell of the button strip that shows.
    static uint32_t CellColour(tk::Control& control) {
        return Shot(control).At(TButtonSkin::Margin + 1, control.Height() / 2);
    }
    static uint32_t Cell(int index) { return guitest::Rgb(TButtonSkin::Cells[index - 1]); }

    skin::TSkinData* skinData_ = nullptr;
    skin::TWinSkinForm* frame_ = nullptr;
};

} // namespace controlstest
