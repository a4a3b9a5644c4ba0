// The skinned menu bar: painted from the MenuBar element, its buttons laid
// out from the form's menu, hover feedback, captions and the menu's changes.
#include "tests/menus/MenuFixture.h"

using namespace skin;
using namespace menutest;

namespace {

using MenuBar = MenuTest;

constexpr RECT Bounds{70, 70, 470, 330};

int BarMiddle() {
    return TOddSkin::Title + GetSystemMetrics(SM_CYMENU) / 2;
}

TEST_F(MenuBar, IsPaintedFromTheElementInTheWindowsActivationState) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    EXPECT_EQ(GetMenu(window), nullptr);
    const int x = WindowRectOf(window).right - WindowRectOf(window).left - TOddSkin::Right - 10;
    EXPECT_TRUE(
        guitest::PixelIs(guitest::CaptureWindow(window), x, BarMiddle(), TOddSkin::BarActive));
    SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
    guitest::PumpUntilIdle();
    EXPECT_TRUE(
        guitest::PixelIs(guitest::CaptureWindow(window), x, BarMiddle(), TOddSkin::BarInactive));
}

TEST_F(MenuBar, ButtonsFollowTheMenuAndHiddenOrEmptyItemsTakeNoClicks) {
    AddMenuSkin();
    tk::Form& form = NewMenuForm(Bounds);
    AddItem(menu_->Items(), "&File");
    tk::MenuItem& hidden = AddItem(menu_->Items(), "&Hidden");
    hidden.SetVisible(false);
    AddItem(menu_->Items(), "");
    AddItem(menu_->Items(), "&Last");
    Show(form);
    const HWND window = form.Handle();
    TWinSkinMenu& bar = Bar(window);
    ASSERT_EQ(bar.FButtons.size(), 4u);
    EXPECT_TRUE(IsRectEmpty(&bar.FButtons[1]->FRect));
    EXPECT_EQ(bar.FButtons[2]->FRect.left, bar.FButtons[2]->FRect.right);
    EXPECT_EQ(bar.FButtons[3]->FRect.left, bar.FButtons[0]->FRect.right);
    const int left = TOddSkin::Left + TOddSkin::BarEnd;
    EXPECT_EQ(bar.FButtons[0]->FRect.left, left + 4);
    for (int x = 0; x < 400; ++x) {
        TNCObject* at = bar.MenuButtonAt({x, BarMiddle()});
        EXPECT_TRUE(at == nullptr || at == bar.FButtons[0].get() || at == bar.FButtons[3].get());
    }
    // A new caption reaches the bar through the menu-changed notification.
    menu_->Items().Items()[0]->SetCaption("&Document");
    guitest::PumpUntilIdle();
    EXPECT_EQ(Bar(window).FButtons[0]->FCaption, L"&Document");
    EXPECT_EQ(GetMenu(window), nullptr);
    // Skinning off gives the window its menu back.
    FrameOf(window)->Detach();
    EXPECT_EQ(GetMenu(window), menu_->Handle());
}

TEST_F(MenuBar, HoverFramesTheButtonAndDisabledCaptionsUseTheSystemShadow) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    TMenuBtn& button = Button(window, 1);
    // The pointer on the button, or the frame's timer takes the hover away.
    const RECT outer = WindowRectOf(window);
    SetCursorPos(outer.left + (button.FRect.left + button.FRect.right) / 2,
                 outer.top + BarMiddle());
    button.Hover();
    ASSERT_EQ(FrameOf(window)->FHotObject, &button);
    guitest::PumpFor(100); // what was drawn reaches the screen
    guitest::Capture shot = guitest::CaptureWindow(window);
    EXPECT_TRUE(guitest::PixelIs(shot, button.FRect.left, BarMiddle(), TOddSkin::Hilight));
    button.Leave();
    guitest::PumpFor(100);
    shot = guitest::CaptureWindow(window);
    EXPECT_TRUE(guitest::PixelIs(shot, button.FRect.left, BarMiddle(), TOddSkin::BarActive));
    edit_->SetEnabled(false);
    guitest::PumpUntilIdle();
    shot = guitest::CaptureWindow(window);
    const RECT& r = Button(window, 1).FRect;
    int shadow = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            shadow += shot.At(x, y) == guitest::Rgb(GetSysColor(COLOR_BTNSHADOW));
        }
    }
    EXPECT_GT(shadow, 5);
}

TEST_F(MenuBar, WithoutTheElementTheBarTakesTheMenubarColour) {
    AddMenuSkin(false);
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    const int x = WindowRectOf(window).right - WindowRectOf(window).left - TOddSkin::Right - 10;
    EXPECT_TRUE(
        guitest::PixelIs(guitest::CaptureWindow(window), x, BarMiddle(), TOddSkin::MenuBar));
    EXPECT_EQ(Button(window, 0).FRect.left, TOddSkin::Left + 6);
}

// A form whose menu is taken away, or freed, loses its bar as a native
// window does: no buttons, no bar height, nothing left of the old menu to
// paint or click; a menu given again brings the bar back.
TEST_F(MenuBar, AMenuTakenAwayOrFreedTakesTheBarWithIt) {
    AddMenuSkin();
    for (const bool freed : {false, true}) {
        tk::Form& form = ShowStandardForm(Bounds);
        const HWND window = form.Handle();
        const TWinSkinForm& frame = *FrameOf(window);
        ASSERT_GT(frame.FMenuHeight, 0);
        const RECT file = Button(window, 0).FRect;
        const RECT outer = WindowRectOf(window);
        tk::MainMenu* old = menu_;
        if (freed) {
            delete old;
        } else {
            form.SetMenu(nullptr);
        }
        guitest::PumpUntilIdle();
        ASSERT_NE(frame.FMenuBar, nullptr) << freed;
        const auto& bar = static_cast<const TWinSkinMenu&>(*frame.FMenuBar);
        EXPECT_TRUE(bar.FButtons.empty()) << freed;
        EXPECT_EQ(bar.FMenu, nullptr) << freed;
        EXPECT_EQ(bar.NativeMenu(), nullptr) << freed;
        EXPECT_EQ(frame.FMenuHeight, 0) << freed;
        // The client area starts right below the title now.
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        EXPECT_EQ(origin.y - WindowRectOf(window).top, frame.FBorderTop) << freed;
        // A click where File was opens nothing.
        int popupsSeen = 0;
        {
            TMenuScript watch(window, {[&] {
                                  popupsSeen += !OpenPopups().empty();
                                  return false;
                              }},
                              400, 30);
            SendMessageW(window, WM_NCLBUTTONDOWN, HTMENU,
                         MAKELPARAM(outer.left + (file.left + file.right) / 2,
                                    outer.top + (file.top + file.bottom) / 2));
            guitest::PumpUntilIdle(100, 800);
        }
        EXPECT_EQ(popupsSeen, 0) << freed;
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        guitest::PumpUntilIdle();
        if (!freed) {
            form.SetMenu(old);
            guitest::PumpUntilIdle();
            ASSERT_EQ(bar.FButtons.size(), 3u);
            EXPECT_EQ(bar.FButtons[0]->FCaption, L"&File");
            EXPECT_GT(frame.FMenuHeight, 0);
            EXPECT_EQ(GetMenu(window), nullptr);
        }
        delete &form;
        guitest::PumpUntilIdle();
    }
}

} // namespace
