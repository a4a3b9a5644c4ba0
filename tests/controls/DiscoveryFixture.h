// What the discovery tests share: forms read with their controls before the
// frame attaches, as in the program, so the frame finds the controls itself.
#pragma once

#include "tests/controls/ControlsFixture.h"

#include <string>

namespace controlstest {

class Discovery : public ControlsTest {
protected:
    template <class T> T& Add(tk::Form& form, const std::string& name, int tag = 0) {
        T& control = Place<T>(form, 10, 10 + 30 * int(form.Components().size()), 75, 25);
        control.SetName(name);
        control.SetTag(tag);
        return control;
    }
    tk::Form& NewForm() {
        auto* form = new tk::Form(&app_);
        form->SetBounds(80, 80, 400, 300);
        return *form;
    }
    void ShowAndSkin(tk::Form& form) {
        form.Show();
        SetForegroundWindow(form.Handle());
        frametest::Settle();
        frame_ = frametest::FrameOf(form.Handle());
        ASSERT_NE(frame_, nullptr);
    }
    // The class of the skinner the frame gave a window, or "none".
    std::string SkinnerKind(HWND window) const {
        skin::TSkinControl* skinner = frame_->FindControlByWindow(window);
        return skinner ? skinner->ClassName() : "none";
    }
};

} // namespace controlstest
