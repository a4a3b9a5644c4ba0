// Bitmap buttons and speed buttons: the glyph cell each state shows, where
// the glyph goes, and the window-less speed button's states and Down.
#include "tests/controls/ControlsFixture.h"

#include "toolkit/GraphicControls.h"
#include "skin/WinSubClass/SkinSpeedButton.h"
#include "tests/controls/PoisonedFrees.h"

#include <stdexcept>

using namespace skin;
using namespace controlstest;

namespace {

constexpr int GlyphCell = 10;
// Clear of the column where the fixture reads the button's cell.
constexpr int GlyphMargin = 8;
constexpr COLORREF GlyphColours[4] = {RGB(250, 0, 0), RGB(0, 90, 0), RGB(0, 0, 250),
                                      RGB(250, 0, 250 - 1)};

// A glyph of `cells` cells, each one colour with its lower-left pixel (the
// transparent colour) black.
void FillGlyph(tk::Bitmap& glyph, int cells) {
    glyph.SetSize(cells * GlyphCell, GlyphCell);
    auto pixels = glyph.Pixels();
    for (int y = 0; y < GlyphCell; ++y) {
        for (int x = 0; x < cells * GlyphCell; ++x) {
            const COLORREF c =
                (x % GlyphCell == 0 && y == GlyphCell - 1) ? 0 : GlyphColours[x / GlyphCell];
            pixels[size_t(y) * size_t(cells * GlyphCell) + size_t(x)] =
                0xFF000000u | (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) |
                GetBValue(c);
        }
    }
}

uint32_t Grey(COLORREF c) {
    const uint32_t v = (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3;
    return (v << 16) | (v << 8) | v;
}

class GlyphButtons : public ControlsTest {
protected:
    // A bitmap button with the glyph at a fixed place: left layout, a margin.
    tk::BitBtn& GlyphButton(tk::Form& form, int cells) {
        auto& button = Place<tk::BitBtn>(form, 20, 20, 75, 25);
        FillGlyph(button.Glyph(), cells);
        button.SetNumGlyphs(cells);
        button.SetMargin(GlyphMargin);
        button.SetCaption("Go");
        frame_->SkinFormControls(form);
        frametest::Settle();
        return button;
    }
    // The middle of the glyph, and its transparent lower-left pixel.
    static uint32_t GlyphMiddle(tk::Control& button) {
        const int top = (button.Height() - GlyphCell + 1) / 2;
        return Shot(button).At(GlyphMargin + GlyphCell / 2, top + GlyphCell / 2);
    }
    static uint32_t GlyphCorner(tk::Control& button) {
        const int top = (button.Height() - GlyphCell + 1) / 2;
        return Shot(button).At(GlyphMargin, top + GlyphCell - 1);
    }
};

TEST_F(GlyphButtons, AFourCellGlyphShowsItsUpDisabledAndDownCells) {
    tk::Form& form = SkinnedForm();
    auto& button = GlyphButton(form, 4);
    EXPECT_EQ(GlyphMiddle(button), guitest::Rgb(GlyphColours[0]));
    // Its transparent pixel shows the button's cell underneath.
    EXPECT_EQ(GlyphCorner(button), CellColour(button));
    PostMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 12));
    frametest::Settle();
    EXPECT_EQ(CellColour(button), Cell(button_frame::Pressed));
    EXPECT_EQ(GlyphMiddle(button), guitest::Rgb(GlyphColours[2]));
    PostMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(50, 12));
    button.SetEnabled(false);
    frametest::Settle();
    EXPECT_EQ(CellColour(button), Cell(button_frame::Disabled));
    EXPECT_EQ(GlyphMiddle(button), Grey(GlyphColours[1]));
}

TEST_F(GlyphButtons, AGlyphOfOtherCellCountsAlwaysShowsItsFirstCellGreyWhenDisabled) {
    tk::Form& form = SkinnedForm();
    auto& button = GlyphButton(form, 2);
    EXPECT_EQ(GlyphMiddle(button), guitest::Rgb(GlyphColours[0]));
    PostMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 12));
    frametest::Settle();
    EXPECT_EQ(GlyphMiddle(button), guitest::Rgb(GlyphColours[0]));
    PostMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(50, 12));
    button.SetEnabled(false);
    frametest::Settle();
    EXPECT_EQ(GlyphMiddle(button), Grey(GlyphColours[0]));
}

TEST_F(GlyphButtons, TheLayoutPutsTheGlyphOnItsSide) {
    tk::Form& form = SkinnedForm();
    auto& button = GlyphButton(form, 1);
    button.SetLayout(tk::ButtonLayout::GlyphRight);
    frametest::Settle();
    const int top = (button.Height() - GlyphCell + 1) / 2;
    const guitest::Capture shot = Shot(button);
    EXPECT_EQ(shot.At(button.Width() - GlyphMargin - GlyphCell / 2, top + 5),
              guitest::Rgb(GlyphColours[0]));
    button.SetLayout(tk::ButtonLayout::GlyphTop);
    button.SetHeight(60);
    frametest::Settle();
    EXPECT_EQ(Shot(button).At((75 - GlyphCell + 1) / 2 + 5, GlyphMargin + 5),
              guitest::Rgb(GlyphColours[0]));
}

class SpeedButtons : public ControlsTest {
protected:
    tk::SpeedButton& SpeedButton(tk::Form& form) {
        auto& button = Place<tk::SpeedButton>(form, 40, 40, 60, 24);
        button.SetCaption("Go");
        frame_->SkinFormControls(form);
        frametest::Settle();
        return button;
    }
};

TEST_F(SpeedButtons, AWindowlessSpeedButtonFollowsTheMouse) {
    tk::Form& form = SkinnedForm();
    auto& button = SpeedButton(form);
    int clicks = 0;
    button.OnClick = [&](tk::Component&) { ++clicks; };
    ASSERT_NE(dynamic_cast<TSkinSpeedButton*>(SkinnerOf(button)), nullptr);
    EXPECT_EQ(CellColour(button), Cell(button_frame::Normal));
    guitest::MouseMove(form.Handle(), {60, 50});
    EXPECT_EQ(CellColour(button), Cell(button_frame::Hot));
    PostMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 50));
    frametest::Settle();
    EXPECT_EQ(CellColour(button), Cell(button_frame::Pressed));
    PostMessageW(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(60, 50));
    frametest::Settle();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(CellColour(button), Cell(button_frame::Hot));
    guitest::MouseMove(form.Handle(), {300, 200});
    EXPECT_EQ(CellColour(button), Cell(button_frame::Normal));
}

TEST_F(SpeedButtons, AFailingMouseDownHandlerRunsOnceAndIsReported) {
    tk::Form& form = SkinnedForm();
    auto& button = SpeedButton(form);
    int downs = 0;
    button.OnMouseDown = [&](tk::Component&, tk::MouseButton, tk::ShiftState, int, int) {
        ++downs;
        throw std::runtime_error("mouse down failed");
    };
    std::vector<std::string> reported;
    app_.SetMessageBox(
        [&](const std::string& text, const std::string&) { reported.push_back(text); });
    PostMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 50));
    frametest::Settle();
    PostMessageW(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(60, 50));
    frametest::Settle();
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(reported, (std::vector<std::string>{"mouse down failed"}));
}

TEST_F(SpeedButtons, AMouseDownHandlerThatFreesTheSkinnerLeavesItAlone) {
    tk::Form& form = SkinnedForm();
    auto& button = SpeedButton(form);
    int clicks = 0;
    button.OnClick = [&](tk::Component&) { ++clicks; };
    // The handler switches the skinning of the button off.
    button.OnMouseDown = [this, &button](tk::Component&, tk::MouseButton, tk::ShiftState, int,
                                         int) { delete SkinnerOf(button); };
    {
        const PoisonedFrees poisoned;
        SendMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 50));
    }
    EXPECT_EQ(SkinnerOf(button), nullptr);
    SendMessageW(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(60, 50));
    EXPECT_EQ(clicks, 1);
}

TEST_F(SpeedButtons, DownOutranksDisabled) {
    tk::Form& form = SkinnedForm();
    auto& button = SpeedButton(form);
    button.SetEnabled(false);
    frametest::Settle();
    EXPECT_EQ(CellColour(button), Cell(button_frame::Disabled));
    button.SetGroupIndex(1);
    button.SetDown(true);
    frametest::Settle();
    EXPECT_EQ(CellColour(button), Cell(button_frame::Pressed));
}

TEST_F(SpeedButtons, AGlyphIsPlacedOnePixelFurtherThanOnABitmapButton) {
    tk::Form& form = SkinnedForm();
    auto& button = Place<tk::SpeedButton>(form, 40, 40, 60, 24);
    FillGlyph(button.Glyph(), 1);
    button.SetSpacing(4);
    frame_->SkinFormControls(form);
    frametest::Settle();
    // No caption: margin (60 - 10) / 2 + 1 = 26.
    const guitest::Capture shot = Shot(button);
    const int top = (24 - GlyphCell + 1) / 2;
    EXPECT_EQ(shot.At(26, top + 5), guitest::Rgb(GlyphColours[0]));
    EXPECT_NE(shot.At(25, top + 5), guitest::Rgb(GlyphColours[0]));
}

TEST_F(SpeedButtons, ASkinnerGoneLeavesTheSpeedButtonPaintingItself) {
    tk::Form& form = SkinnedForm();
    auto& button = SpeedButton(form);
    delete SkinnerOf(button);
    button.Invalidate();
    frametest::Settle();
    EXPECT_NE(CellColour(button), Cell(button_frame::Normal));
    int clicks = 0;
    button.OnClick = [&](tk::Component&) { ++clicks; };
    guitest::Click(form.Handle(), {60, 50});
    EXPECT_EQ(clicks, 1);
}

} // namespace
