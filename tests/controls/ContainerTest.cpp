// Containers skinned on a toolkit form: panels take the face colour and give
// their own back, group boxes get the rounded frame through the caption with
// the caption nine pixels in, and status bars paint every panel from the
// skin's edges (or plainly), mirror a right-to-left panel's alignment, show
// their simple panel and the size grip. Checked by pixels read back from the
// screen.
#include "tests/controls/InputsFixture.h"

#include "toolkit/ExtCtrls.h"
#include "skin/WinSubClass/InputCodes.h"
#include "skin/WinSubClass/SkinBox.h"
#include "skin/WinSubClass/SkinGroupBox.h"
#include "skin/WinSubClass/SkinStatusBar.h"
#include "toolkit/StatusBar.h"

using namespace skin;
using namespace controlstest;

namespace {

class Containers : public InputsTest {
protected:
    tk::StatusBar& Bar(tk::Form& form) {
        auto& bar = Place<tk::StatusBar>(form, 0, 0, 200, 24);
        bar.SetAlign(tk::Align::Bottom);
        return bar;
    }
    static tk::StatusPanel& AddPanel(tk::StatusBar& bar, const std::string& text, int width,
                                     tk::PanelBevel bevel,
                                     tk::Alignment alignment = tk::Alignment::Left) {
        tk::StatusPanel& panel = bar.AddPanel();
        panel.SetText(text);
        panel.SetWidth(width);
        panel.SetBevel(bevel);
        panel.SetAlignment(alignment);
        return panel;
    }
    static RECT PanelRect(tk::StatusBar& bar, int index) {
        RECT rect{};
        SendMessageW(bar.Handle(), SB_GETRECT, WPARAM(index), reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
};

TEST_F(Containers, APanelTakesTheFaceColourAndGetsItsOwnBack) {
    tk::Form& form = InputForm();
    skinData_->SetSkin3rd({"TPanel=panel"});
    auto& panel = Place<tk::Panel>(form, 20, 20, 120, 80);
    panel.SetColor(tk::clWhite);
    frame_->SkinFormControls(form);
    frametest::Settle();
    ASSERT_NE(dynamic_cast<TSkinBox*>(SkinnerOf(panel)), nullptr);
    EXPECT_EQ(Shot(panel).At(60, 40), Rgb(TInputSkin::Face));
    frame_->FreeControls();
    frametest::Settle();
    EXPECT_EQ(panel.GetColor(), tk::clWhite);
    EXPECT_EQ(Shot(panel).At(60, 40), guitest::Rgb(0xFFFFFF));
}

TEST_F(Containers, AGroupBoxFrameRunsThroughItsCaptionWhichStartsNinePixelsIn) {
    tk::Form& form = InputForm();
    skinData_->SetSkin3rd({"TGroupBox=groupbox"});
    auto& group = Place<tk::GroupBox>(form, 20, 20, 200, 120);
    group.SetCaption("Group");
    group.SetColor(tk::clWhite);
    frame_->SkinFormControls(form);
    frametest::Settle();
    ASSERT_NE(dynamic_cast<TSkinGroupBox*>(SkinnerOf(group)), nullptr);
    // Attached with the skin colour: the inside is the face colour.
    EXPECT_EQ(group.GetColor(), TInputSkin::Face);

    SIZE digit{};
    {
        const tk::WindowDC screen = tk::WindowDC::Client(nullptr);
        const tk::SelectedObject font(screen, group.Font().Handle());
        GetTextExtentPoint32W(screen, L"0", 1, &digit);
    }
    const int line = digit.cy / 2 - 1;
    const guitest::Capture shot = Shot(group);
    const uint32_t shadow = Rgb(TInputSkin::Shadow);
    const uint32_t face = Rgb(TInputSkin::Face);
    const int right = group.Width() - 2;
    const int bottom = group.Height() - 2;
    // The rounded frame: top line through the caption's middle less one,
    // sides one pixel in, corners cut.
    EXPECT_EQ(shot.At(group.Width() - 20, line), shadow);
    EXPECT_EQ(shot.At(group.Width() - 20, line - 1), face);
    EXPECT_EQ(shot.At(group.Width() - 20, line + 1), face);
    EXPECT_EQ(shot.At(1, 60), shadow);
    EXPECT_EQ(shot.At(0, 60), face);
    EXPECT_EQ(shot.At(right, 60), shadow);
    EXPECT_EQ(shot.At(100, bottom), shadow);
    EXPECT_NE(shot.At(1, line), shadow);
    // The caption's background covers the line from nine pixels in.
    EXPECT_EQ(shot.At(GroupCaptionIndent - 1, line), shadow);
    EXPECT_NE(shot.At(GroupCaptionIndent, line), shadow);
    EXPECT_NE(shot.At(GroupCaptionIndent + 3, line), shadow);
    const auto ink = InkColumns(shot, {0, 0, group.Width(), line}, face);
    ASSERT_TRUE(ink);
    EXPECT_GE(ink->first, GroupCaptionIndent);
    EXPECT_LE(ink->first, GroupCaptionIndent + 2);
}

// The system's group box draws its frame outside any paint message when it
// is pressed (a click on the group, or on a disabled control in it, reaches
// the group box), gains or loses the focus, or its keyboard cues change.
TEST_F(Containers, AGroupBoxKeepsItsSkinnedFrameWhenTheSystemRedrawsItAtOnce) {
    tk::Form& form = InputForm();
    skinData_->SetSkin3rd({"TGroupBox=groupbox"});
    auto& group = Place<tk::GroupBox>(form, 20, 20, 200, 120);
    group.SetCaption("Group");
    frame_->SkinFormControls(form);
    frametest::Settle();
    const uint32_t shadow = Rgb(TInputSkin::Shadow);
    const HWND box = group.Handle();
    const struct {
        const char* what;
        UINT msg;
        WPARAM wParam;
    } redraws[] = {
        {"pressed", BM_SETSTATE, TRUE},
        {"released", BM_SETSTATE, FALSE},
        {"focused", WM_SETFOCUS, 0},
        {"unfocused", WM_KILLFOCUS, 0},
        {"cues shown", WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL)},
        {"cues hidden", WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL)},
    };
    for (const auto& redraw : redraws) {
        SendMessageW(box, redraw.msg, redraw.wParam, 0);
        frametest::Settle();
        const guitest::Capture shot = Shot(group);
        // The skin's rounded frame one pixel in, not the system's at the edge.
        EXPECT_EQ(shot.At(1, 60), shadow) << redraw.what;
        EXPECT_EQ(shot.At(group.Width() - 2, 60), shadow) << redraw.what;
        EXPECT_EQ(shot.At(0, 60), Rgb(TInputSkin::Face)) << redraw.what;
    }
    const POINT inside{100, 60};
    const LPARAM at = MAKELPARAM(inside.x, inside.y);
    SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(box, WM_LBUTTONUP, 0, at);
    frametest::Settle();
    const guitest::Capture clicked = Shot(group);
    EXPECT_EQ(clicked.At(1, 60), shadow) << "clicked";
    EXPECT_EQ(clicked.At(0, 60), Rgb(TInputSkin::Face)) << "clicked";
}

// A bottom-aligned status bar moves down and widens as its window grows (a
// window maximised): its panels are painted whole at their new place.
TEST_F(Containers, StatusBarPanelsArePaintedWholeWhenTheWindowGrows) {
    tk::Form& form = InputForm();
    auto& bar = Bar(form);
    AddPanel(bar, "Left", 110, tk::PanelBevel::Lowered);
    AddPanel(bar, "Right", 150, tk::PanelBevel::Raised);
    AttachSkinner<TSkinStatusBar>(bar);
    RECT bounds{};
    GetWindowRect(form.Handle(), &bounds);
    SetWindowPos(form.Handle(), nullptr, 0, 0, bounds.right - bounds.left + 200,
                 bounds.bottom - bounds.top + 150, SWP_NOMOVE | SWP_NOZORDER);
    frametest::Settle();
    const guitest::Capture shot = Shot(bar);
    for (int i = 0; i < 2; ++i) {
        const RECT r = PanelRect(bar, i);
        EXPECT_EQ(shot.At(r.left + 1, r.top + 1), Rgb(TInputSkin::Edges[i])) << i;
        EXPECT_EQ(shot.At(r.right - 2, r.bottom - 2), Rgb(TInputSkin::Edges[i])) << i;
    }
}

TEST_F(Containers, StatusBarPanelsShowTheEdgeOfTheirBevelAndARightToLeftPanelAlignsRight) {
    tk::Form& form = InputForm();
    auto& bar = Bar(form);
    AddPanel(bar, "Left", 110, tk::PanelBevel::Lowered);
    AddPanel(bar, "Mirrored", 150, tk::PanelBevel::Raised).SetRightToLeft(true);
    AddPanel(bar, "", 100, tk::PanelBevel::None);
    AttachSkinner<TSkinStatusBar>(bar);
    const guitest::Capture shot = Shot(bar);
    for (int i = 0; i < 3; ++i) {
        const RECT r = PanelRect(bar, i);
        EXPECT_EQ(shot.At(r.left + 1, r.top + 1), Rgb(TInputSkin::Edges[i])) << i;
    }
    // Text ink inside the edges' one-pixel margin.
    const auto inkIn = [&](int index) {
        RECT r = PanelRect(bar, index);
        InflateRect(&r, -TInputSkin::EdgeMargin, -TInputSkin::EdgeMargin);
        return InkColumns(shot, r, Rgb(TInputSkin::Edges[index]));
    };
    const RECT left = PanelRect(bar, 0);
    const auto leftInk = inkIn(0);
    ASSERT_TRUE(leftInk);
    // In the edges' text colour.
    EXPECT_GT(CountOf(shot, left, Rgb(TInputSkin::StatusText)), 0);
    EXPECT_LE(leftInk->first - left.left, StatusTextInset + 2);
    EXPECT_GT(left.right - leftInk->second, 20);
    // Left aligned, but reading right to left: against the right edge.
    const RECT mirrored = PanelRect(bar, 1);
    const auto mirroredInk = inkIn(1);
    ASSERT_TRUE(mirroredInk);
    EXPECT_LE(mirrored.right - 1 - mirroredInk->second, StatusTextInset + 2);
    EXPECT_GT(mirroredInk->first - mirrored.left, 20);
}

TEST_F(Containers, AStatusBarInSimpleModeWithoutTextIsOneLoweredPanel) {
    tk::Form& form = InputForm();
    auto& bar = Bar(form);
    AddPanel(bar, "One", 80, tk::PanelBevel::Raised);
    AddPanel(bar, "Two", 80, tk::PanelBevel::None);
    bar.SetSizeGrip(false);
    bar.SetSimplePanel(true);
    AttachSkinner<TSkinStatusBar>(bar);
    const guitest::Capture shot = Shot(bar);
    const uint32_t lowered = Rgb(TInputSkin::Edges[0]);
    for (int x : {1, 80, 160, bar.Width() - 2}) {
        EXPECT_EQ(shot.At(x, 1), lowered) << x;
        EXPECT_EQ(shot.At(x, bar.Height() / 2), lowered) << x;
    }
}

TEST_F(Containers, TheSizeGripComesFromTheExtraImagesOnlyWithTheGripStyle) {
    tk::Form& form = InputForm();
    auto& bar = Bar(form);
    AddPanel(bar, "Only", 100, tk::PanelBevel::None);
    AttachSkinner<TSkinStatusBar>(bar);
    const uint32_t grip = Rgb(TInputSkin::Extra[SizeGripCell - 1]);
    // The grip's bottom-right corner is one pixel inside the bar's.
    EXPECT_EQ(Shot(bar).At(bar.Width() - 2, bar.Height() - 2), grip);
    EXPECT_EQ(Shot(bar).At(bar.Width() - TInputSkin::ExtraCellWidth,
                           bar.Height() - 1 - TInputSkin::ExtraCellHeight),
              grip);
    EXPECT_NE(Shot(bar).At(bar.Width() - 1, bar.Height() - 1), grip);
    bar.SetSizeGrip(false);
    frametest::Settle();
    EXPECT_NE(Shot(bar).At(bar.Width() - 2, bar.Height() - 2), grip);
}

TEST_F(Containers, WithoutSkinEdgesStatusPanelsGetPlainBevels) {
    TInputSkin plain;
    plain.statusEdges = false;
    tk::Form& form = InputForm(plain);
    auto& bar = Bar(form);
    AddPanel(bar, "Sunken", 100, tk::PanelBevel::Lowered);
    AddPanel(bar, "Raised", 100, tk::PanelBevel::Raised);
    AddPanel(bar, "Flat", 100, tk::PanelBevel::None);
    bar.SetSizeGrip(false);
    AttachSkinner<TSkinStatusBar>(bar);
    const guitest::Capture shot = Shot(bar);
    const RECT lowered = PanelRect(bar, 0);
    EXPECT_EQ(shot.At(lowered.left + 5, lowered.top), SysRgb(COLOR_BTNSHADOW));
    EXPECT_EQ(shot.At(lowered.left, lowered.top + 5), SysRgb(COLOR_BTNSHADOW));
    EXPECT_EQ(shot.At(lowered.left + 5, lowered.bottom - 1), SysRgb(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(shot.At(lowered.right - 1, lowered.top + 5), SysRgb(COLOR_BTNHIGHLIGHT));
    const RECT raised = PanelRect(bar, 1);
    EXPECT_EQ(shot.At(raised.left + 5, raised.top), SysRgb(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(shot.At(raised.right - 1, raised.top + 5), SysRgb(COLOR_BTNSHADOW));
    const RECT flat = PanelRect(bar, 2);
    EXPECT_EQ(shot.At(flat.left + 5, flat.top), Rgb(TInputSkin::Face));
    EXPECT_EQ(shot.At(flat.left + 1, flat.top + 1), Rgb(TInputSkin::Face));
    EXPECT_EQ(shot.At(lowered.left + 1, lowered.top + 1), Rgb(TInputSkin::Face));
}

} // namespace
