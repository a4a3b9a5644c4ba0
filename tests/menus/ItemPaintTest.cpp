// Owner-drawn items of skinned menus: disabled colours, the plain look
// without a MenuItem element, the system menu, the form's popup menus and
// the popup windows' background under printing.
#include "tests/menus/MenuFixture.h"

using namespace skin;
using namespace menutest;

namespace {

using ItemPaint = MenuTest;

constexpr RECT Bounds{90, 90, 470, 340};

// Whether any pixel of the capture's rectangle has the colour.
bool HasColour(const guitest::Capture& shot, const RECT& r, COLORREF colour) {
    for (int y = r.top; y < r.bottom && y < shot.height; ++y) {
        for (int x = r.left; x < r.right && x < shot.width; ++x) {
            if (shot.At(x, y) == guitest::Rgb(colour)) {
                return true;
            }
        }
    }
    return false;
}

// The File drop-down captured once its first item is selected.
guitest::Capture CaptureFile(HWND window, tk::MenuItem& file) {
    guitest::Capture shot;
    TMenuScript script(window, {WhenSettled(
                                   [&] {
                                       const auto popups = OpenPopups();
                                       return !(popups.empty() || !Hilited(file.Handle(), 0));
                                   },
                                   [&] { shot = CapturePopup(OpenPopups().front()); })});
    MenuTest::ClickButton(window, 0);
    return shot;
}

class DisabledItems : public MenuTest, public ::testing::WithParamInterface<bool> {};

// With the skin's shadow colour equal to its menu text colour, the system's
// shadow colour shows a disabled item.
TEST_P(DisabledItems, UseTheShadowColourOrTheSystemsWhenItEqualsTheText) {
    const bool equal = GetParam();
    TSkinData& data = AddMenuSkin();
    if (equal) {
        data.ButtonShadowColour = data.MenuTextColour;
    }
    tk::Form& form = ShowStandardForm(Bounds);
    save_->SetEnabled(false);
    const guitest::Capture shot = CaptureFile(form.Handle(), *file_);
    ASSERT_GT(shot.width, 0);
    // Save, the second item: below the first (selected, in its own cell).
    const RECT saveRow{3, shot.height / 4, shot.width - 3, shot.height / 2};
    const COLORREF expected =
        equal ? GetSysColor(COLOR_BTNSHADOW) : ResolveColour(TOddSkin::ShadowColour);
    EXPECT_TRUE(HasColour(shot, saveRow, expected));
}
INSTANTIATE_TEST_SUITE_P(Colours, DisabledItems, ::testing::Bool());

TEST_F(ItemPaint, WithoutTheElementItemsArePlainInTheMenuColours) {
    AddMenuSkin(false);
    tk::Form& form = ShowStandardForm(Bounds);
    const guitest::Capture shot = CaptureFile(form.Handle(), *file_);
    ASSERT_GT(shot.width, 0);
    guitest::SaveForTest(shot, "plain");
    EXPECT_TRUE(HasColour(shot, {0, 0, shot.width, shot.height / 3}, GetSysColor(COLOR_HIGHLIGHT)));
    EXPECT_TRUE(HasColour(shot, {0, shot.height / 3, shot.width, shot.height},
                          ResolveColour(TOddSkin::Menu)));
}

TEST_F(ItemPaint, TheSystemMenuIsDrawnFromTheSkinWithItsGlyphs) {
    AddMenuSkin();
    HWND window = ShowRaw(Bounds);
    guitest::Capture shot;
    TMenuScript script(window, {WhenSettled(
                                   [&] {
                                       const auto popups = OpenPopups();
                                       return !(popups.empty());
                                   },
                                   [&] { shot = CapturePopup(OpenPopups().front()); })});
    SendMessageW(window, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(Bounds.left + 60, Bounds.top + 8));
    ASSERT_TRUE(script.Finished());
    guitest::SaveForTest(shot, "system");
    EXPECT_TRUE(guitest::PixelIs(shot, 1, 1, TOddSkin::BackRing));
    EXPECT_TRUE(HasColour(shot, {0, 0, shot.width, shot.height}, TOddSkin::ItemCells[0]));
    EXPECT_TRUE(HasColour(shot, {0, 0, shot.width, shot.height}, TOddSkin::SeparatorLine));
}

TEST_F(ItemPaint, TheFormsPopupMenusAreSkinnedUnlessTheirTagSaysNot) {
    TSkinData& data = AddMenuSkin();
    tk::Form& form = NewMenuForm(Bounds);
    AddItem(menu_->Items(), "&File");
    auto* popup = new tk::PopupMenu(&form);
    auto* first = new tk::MenuItem(&form);
    first->SetCaption("&Properties");
    popup->Items().Add(*first);
    auto* plain = new tk::PopupMenu(&form);
    plain->SetTag(100 + data.DisableTag());
    auto* second = new tk::MenuItem(&form);
    second->SetCaption("&Other");
    plain->Items().Add(*second);
    Show(form);
    EXPECT_TRUE(popup->OwnerDraw());
    EXPECT_TRUE(first->OnDrawItem != nullptr);
    EXPECT_FALSE(second->OnDrawItem != nullptr);
    guitest::Capture shot;
    TMenuScript script(form.Handle(), {WhenSettled(
                                          [&] {
                                              const auto popups = OpenPopups();
                                              return !(popups.empty());
                                          },
                                          [&] { shot = CapturePopup(OpenPopups().front()); })});
    popup->Popup(form.Handle(), Bounds.left + 50, Bounds.top + 90);
    ASSERT_TRUE(script.Finished());
    EXPECT_TRUE(HasColour(shot, {3, 3, shot.width - 3, shot.height - 3}, TOddSkin::ItemCells[0]));
    // Skinning off gives the items their own drawing back.
    FrameOf(form.Handle())->Detach();
    EXPECT_FALSE(first->OnDrawItem != nullptr);
}

// Skinning off gives every popup menu the skin drew its native drawing back;
// a menu with an item that draws itself stays owner-drawn.
TEST_F(ItemPaint, SkinningOffGivesThePopupMenusTheirNativeDrawing) {
    AddMenuSkin();
    tk::Form& form = NewMenuForm(Bounds);
    AddItem(menu_->Items(), "&File");
    auto* popup = new tk::PopupMenu(&form);
    auto* item = new tk::MenuItem(&form);
    item->SetCaption("&Properties");
    popup->Items().Add(*item);
    auto* own = new tk::PopupMenu(&form);
    auto* drawn = new tk::MenuItem(&form);
    drawn->SetCaption("&Drawn");
    drawn->OnDrawItem = [](tk::MenuItem&, tk::Canvas&, const RECT&, bool) {};
    own->Items().Add(*drawn);
    Show(form);
    ASSERT_TRUE(popup->OwnerDraw());
    ASSERT_TRUE(own->OwnerDraw());
    const auto ownerDrawn = [](tk::PopupMenu& menu) {
        return (GetMenuState(menu.Handle(), 0, MF_BYPOSITION) & MF_OWNERDRAW) != 0;
    };
    EXPECT_TRUE(ownerDrawn(*popup));
    FrameOf(form.Handle())->Detach();
    EXPECT_FALSE(popup->OwnerDraw());
    EXPECT_FALSE(ownerDrawn(*popup));
    EXPECT_TRUE(own->OwnerDraw());
    EXPECT_TRUE(ownerDrawn(*own));
}

// An edit control tracks a menu of its own, owned by the edit (a child
// window): its items are drawn from the skin too, and the menu is given back
// its own items once it closes, with nothing left behind.
TEST_F(ItemPaint, AnEditControlsOwnContextMenuIsDrawnFromTheSkin) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    HWND edit =
        CreateWindowExW(0, L"EDIT", L"rename me", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10, 160,
                        24, form.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    SetFocus(edit);
    guitest::PumpUntilIdle();
    struct TSeenMenu {
        guitest::Capture shot;
        bool ownerDrawn = false;
    };
    const auto openMenu = [&] {
        TSeenMenu seen;
        TMenuScript script(form.Handle(),
                           {WhenSettled([&] { return !OpenPopups().empty(); },
                                        [&] {
                                            const HMENU shown = MenuOf(OpenPopups().front());
                                            seen.ownerDrawn =
                                                (GetMenuState(shown, 0, MF_BYPOSITION) &
                                                 MF_OWNERDRAW) != 0;
                                            seen.shot = CapturePopup(OpenPopups().front());
                                        })});
        const RECT r = WindowRectOf(edit);
        SendMessageW(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit),
                     MAKELPARAM(r.left + 20, r.top + 12));
        EXPECT_TRUE(script.Finished());
        guitest::PumpUntilIdle();
        return seen;
    };
    openMenu(); // the system's first use of the edit menu makes objects of its own
    const auto before = guitest::CountLiveObjects();
    const TSeenMenu seen = openMenu();
    guitest::SaveForTest(seen.shot, "edit");
    EXPECT_TRUE(seen.ownerDrawn);
    EXPECT_TRUE(guitest::PixelIs(seen.shot, 1, 1, TOddSkin::BackRing));
    EXPECT_TRUE(HasColour(seen.shot, {3, 3, seen.shot.width - 3, seen.shot.height - 3},
                          TOddSkin::ItemCells[0]));
    EXPECT_EQ(guitest::CountLiveObjects(), before);
    DestroyWindow(edit);
}

// The system draws a submenu arrow of its own over an owner-drawn item that
// opens a submenu, on a block of its menu colour; the skin's arrow, in the
// item's text colour, stands there alone.
TEST_F(ItemPaint, AnItemOpeningASubmenuShowsTheSkinsArrowAlone) {
    AddMenuSkin();
    tk::Form& form = NewMenuForm(Bounds);
    file_ = &AddItem(menu_->Items(), "&File");
    open_ = &AddItem(*file_, "&Open");
    tk::MenuItem& recent = AddItem(*file_, "&Recent");
    AddItem(recent, "One");
    AddItem(recent, "Two");
    exitItem_ = &AddItem(*file_, "E&xit");
    Show(form);
    guitest::Capture shot;
    RECT row{};
    TMenuScript script(
        form.Handle(),
        {WhenSettled([&] { return !OpenPopups().empty() && Hilited(file_->Handle(), 0); },
                     [&] {
                         const HWND popup = OpenPopups().front();
                         shot = CapturePopup(popup);
                         RECT item{};
                         GetMenuItemRect(nullptr, file_->Handle(), 1, &item);
                         const RECT window = WindowRectOf(popup);
                         row = item;
                         OffsetRect(&row, -window.left, -window.top);
                     })});
    ClickButton(form.Handle(), 0);
    ASSERT_TRUE(script.Finished());
    ASSERT_GT(shot.width, 0);
    guitest::SaveForTest(shot, "submenu-arrow");
    int arrow = 0;
    int foreign = 0;
    for (int y = row.top; y < row.bottom; ++y) {
        for (int x = row.right - 16; x < row.right; ++x) {
            const uint32_t pixel = shot.At(x, y);
            if (pixel == guitest::Rgb(TOddSkin::MenuTextColour)) {
                ++arrow;
            } else if (pixel != guitest::Rgb(TOddSkin::ItemCells[0])) {
                ++foreign;
            }
        }
    }
    EXPECT_GE(arrow, 7);
    EXPECT_EQ(foreign, 0);
}

TEST_F(ItemPaint, APrintedPopupGetsTheWholeBackground) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    bool printed = false;
    TMenuScript script(form.Handle(), {[&] {
                           const auto popups = OpenPopups();
                           if (popups.empty()) {
                               return false;
                           }
                           const RECT r = WindowRectOf(popups.front());
                           TDib target(r.right - r.left, r.bottom - r.top);
                           tk::BitmapDC dc(NativeBitmap(target));
                           SendMessageW(popups.front(), WM_PRINT, reinterpret_cast<WPARAM>(HDC(dc)),
                                        PRF_NONCLIENT | PRF_CLIENT);
                           printed = target.Pixel(1, 1) == TOddSkin::BackRing &&
                                     target.Pixel(target.Width() - 2, target.Height() - 2) ==
                                         TOddSkin::BackRing;
                           return true;
                       }});
    ClickButton(form.Handle(), 0);
    EXPECT_TRUE(printed);
}

} // namespace
