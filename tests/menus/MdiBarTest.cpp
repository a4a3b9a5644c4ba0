// The menu bar of an MDI frame with a maximised child: the child's minimise,
// restore and close buttons at the bar's end (the left end for a
// right-to-left window), what they do to the child, and the manager's
// maximised mode handed over by the bar's paint; a right-to-left bar's
// captions from the right.
#include "tests/frame/MdiFixture.h"
#include "tests/menus/MenuFixture.h"

#include <algorithm>

using namespace skin;
using namespace frametest;

namespace {

class MdiBar : public MdiTest {
protected:
    // A frame with a maximised child, skinned with the menu elements.
    HWND ShowMaximised(DWORD exStyle = 0) {
        TOddSkin odd;
        odd.menus = true;
        AddSkin(odd.Build());
        const HWND frame = ShowMdiFrame({40, 40, 600, 460}, exStyle);
        child_ = CreateChild(L"Child");
        SendMessageW(Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child_), 0);
        Settle();
        RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        Settle();
        return frame;
    }

    // The child's buttons the bar shows, left to right.
    static std::vector<const TWinSysButton*> MdiButtons(HWND frame) {
        std::vector<const TWinSysButton*> found;
        for (const auto& button : FrameOf(frame)->FSysButtons) {
            if (button->FElement.Visibility == visibility::MdiChild && button->FVisible) {
                found.push_back(button.get());
            }
        }
        std::sort(found.begin(), found.end(),
                  [](auto* a, auto* b) { return a->FRect.left < b->FRect.left; });
        return found;
    }

    static void Click(HWND frame, const TWinSysButton& button) {
        const RECT outer = WindowRectOf(frame);
        const LPARAM at = MAKELPARAM(outer.left + (button.FRect.left + button.FRect.right) / 2,
                                     outer.top + (button.FRect.top + button.FRect.bottom) / 2);
        SendMessageW(frame, WM_NCLBUTTONDOWN, HTMENU, at);
        SendMessageW(frame, WM_NCLBUTTONUP, HTMENU, at);
        Settle();
    }

    static bool Shows(const guitest::Capture& shot, const RECT& r) {
        return guitest::PixelIs(shot, (r.left + r.right) / 2, (r.top + r.bottom) / 2,
                                TOddSkin::MdiButton);
    }

    HWND child_ = nullptr;
};

TEST_F(MdiBar, AMaximisedChildsButtonsEndTheBarAndActOnTheChild) {
    const HWND frame = ShowMaximised();
    EXPECT_TRUE(SkinManager->MdiMaximized()) << "handed over by the bar's paint";
    auto buttons = MdiButtons(frame);
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[0]->FElement.Action, button_action::MdiMinimize);
    EXPECT_EQ(buttons[1]->FElement.Action, button_action::MdiRestore);
    EXPECT_EQ(buttons[2]->FElement.Action, button_action::MdiClose);
    const TWinSkinForm& skinned = *FrameOf(frame);
    const auto& bar = static_cast<const TWinSkinMenu&>(*skinned.FMenuBar);
    const RECT outer = WindowRectOf(frame);
    // In the bar, after its last caption, the close button nearest the end.
    EXPECT_GE(buttons[0]->FRect.left, bar.FButtons.back()->FRect.right);
    EXPECT_GE(buttons[0]->FRect.top, bar.FBarRect.top);
    EXPECT_LE(buttons[2]->FRect.bottom, bar.FBarRect.bottom);
    EXPECT_LE(buttons[2]->FRect.right, outer.right - outer.left - skinned.FBorderRight);
    EXPECT_GT(buttons[2]->FRect.right, (outer.right - outer.left) * 3 / 4);
    const guitest::Capture shot = guitest::CaptureWindow(frame);
    for (const TWinSysButton* button : buttons) {
        EXPECT_TRUE(Shows(shot, button->FRect)) << button->FElement.Action;
    }
    // Minimise: the child is minimised and the bar's buttons and the
    // maximised mode go.
    Click(frame, *buttons[0]);
    EXPECT_TRUE(IsIconic(child_));
    EXPECT_FALSE(SkinManager->MdiMaximized());
    EXPECT_FALSE(FrameOf(frame)->HasMaximizedMdiChild());
    // Maximised again, close ends the child.
    SendMessageW(Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child_), 0);
    RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Settle();
    EXPECT_TRUE(SkinManager->MdiMaximized());
    buttons = MdiButtons(frame);
    ASSERT_EQ(buttons.size(), 3u);
    Click(frame, *buttons[2]);
    EXPECT_FALSE(IsWindow(child_));
    EXPECT_FALSE(SkinManager->MdiMaximized());
}

TEST_F(MdiBar, InARightToLeftWindowTheButtonsStartTheBarAndCaptionsEndIt) {
    const HWND frame = ShowMaximised(WS_EX_LEFTSCROLLBAR);
    const auto buttons = MdiButtons(frame);
    ASSERT_EQ(buttons.size(), 3u);
    const TWinSkinForm& skinned = *FrameOf(frame);
    ASSERT_TRUE(skinned.FRightToLeft);
    const auto& bar = static_cast<const TWinSkinMenu&>(*skinned.FMenuBar);
    ASSERT_FALSE(bar.FButtons.empty());
    const RECT outer = WindowRectOf(frame);
    const int width = outer.right - outer.left;
    // The captions from the right end, the child's buttons at the left.
    EXPECT_GT(bar.FButtons.front()->FRect.left, width / 2);
    EXPECT_GE(buttons.front()->FRect.left, skinned.FBorderLeft);
    EXPECT_LT(buttons.back()->FRect.right, width / 4);
    EXPECT_LE(buttons.back()->FRect.right, bar.FButtons.back()->FRect.left);
    const guitest::Capture shot = guitest::CaptureWindow(frame);
    for (const TWinSysButton* button : buttons) {
        EXPECT_TRUE(Shows(shot, button->FRect)) << button->FElement.Action;
    }
    // Caption text in the right half of the bar, none in the left half
    // between the child's buttons and the middle.
    const int y0 = bar.FBarRect.top, y1 = bar.FBarRect.bottom;
    int leftText = 0, rightText = 0;
    const uint32_t text = guitest::Rgb(ResolveColour(TOddSkin::MenuTextColour));
    for (int y = y0; y < y1; ++y) {
        for (int x = buttons.back()->FRect.right + 1; x < width - skinned.FBorderRight; ++x) {
            (x < width / 2 ? leftText : rightText) += shot.At(x, y) == text;
        }
    }
    EXPECT_EQ(leftText, 0);
    EXPECT_GT(rightText, 5);
}

// A frame without a form object keeps its native menu's buttons when its
// last child closes: the bar is built again from the window's menu.
TEST_F(MdiBar, ARawFramesBarKeepsItsMenusWhenTheLastChildCloses) {
    TOddSkin odd;
    odd.menus = true;
    AddSkin(odd.Build());
    const HWND frame = ShowMdiFrame();
    const auto& bar = static_cast<const TWinSkinMenu&>(*FrameOf(frame)->FMenuBar);
    ASSERT_EQ(bar.FButtons.size(), 1u);
    const HWND child = CreateChild(L"Child");
    SendMessageW(Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    Settle();
    ASSERT_EQ(bar.FButtons.size(), 1u);
    EXPECT_EQ(bar.FButtons[0]->FCaption, L"&Window");
    EXPECT_NE(bar.FButtons[0]->FSubMenu, nullptr);
    RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Settle();
    EXPECT_GT(bar.FButtons[0]->FRect.right, bar.FButtons[0]->FRect.left);
}

} // namespace
