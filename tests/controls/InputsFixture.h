// What the container and input skinner tests share: a skinned form with the
// input test skin, skinners attached the way discovery attaches them, and
// pixel searches in a control's capture.
#pragma once

#include "tests/controls/ControlsFixture.h"
#include "tests/controls/InputSkin.h"

#include <optional>

namespace controlstest {

class InputsTest : public ControlsTest {
protected:
    tk::Form& InputForm(const TInputSkin& skin = TInputSkin()) { return SkinnedForm(skin.Build()); }
    // A skinner of kind S for the control, attached as a toolkit control.
    template <class S> S& AttachSkinner(tk::Control& control, bool useSkinColor = false) {
        auto* skinner = new S(&control);
        skinner->Attach(*frame_, *skinData_, useSkinColor, frame_->FControlCanvas);
        frametest::Settle();
        return *skinner;
    }
    static uint32_t Rgb(skin::Colour colour) { return guitest::Rgb(colour); }
    static uint32_t SysRgb(int index) { return guitest::Rgb(GetSysColor(index)); }
    // How many pixels of the rectangle have the colour.
    static int CountOf(const guitest::Capture& shot, const RECT& area, uint32_t colour) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                count += shot.At(x, y) == colour;
            }
        }
        return count;
    }
    // The leftmost and rightmost columns in the rectangle holding anything
    // but the background colour (text ink, smoothed or not).
    static std::optional<std::pair<int, int>> InkColumns(const guitest::Capture& shot,
                                                         const RECT& area, uint32_t background) {
        std::optional<std::pair<int, int>> found;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (shot.At(x, y) == background) {
                    continue;
                }
                if (!found) {
                    found = std::pair{x, x};
                }
                found->first = std::min(found->first, x);
                found->second = std::max(found->second, x);
            }
        }
        return found;
    }
};

} // namespace controlstest
