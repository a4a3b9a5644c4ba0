// What a skinned drop-down item shows besides its caption: the check mark,
// the image of a menu with an image list (sunken when checked), and the
// shortcut text in its column at the item's far end.
#include "tests/menus/MenuFixture.h"

#include "toolkit/Picture.h"
#include "toolkit/ImageList.h"

using namespace skin;
using namespace menutest;

namespace {

using ItemContent = MenuTest;

constexpr RECT Bounds{90, 90, 470, 340};

// The shortcut text ends this far before the item's right end.
constexpr int ShortcutRightInset = 11;

// A checked item without an image shows the system's check mark in its text
// colour; the brush that paints it is deselected before it is deleted
// (Windows keeps a selected brush alive: one lost per paint).
TEST_F(ItemContent, ACheckedItemShowsTheMarkAndLeavesNoBrushBehind) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    save_->SetChecked(true);
    guitest::WatchDeletions();
    const int refusedBefore = guitest::RefusedDeletions();
    const TShownMenu shown = ShowMenu(form.Handle(), file_->Handle());
    ASSERT_EQ(shown.rows.size(), 4u);
    guitest::SaveForTest(shown.shot, "checked");
    // Save (checked) has the mark; Exit (not checked) has none.
    EXPECT_GE(shown.Count(shown.Glyph(1), TOddSkin::MenuTextColour), 6);
    EXPECT_EQ(shown.Count(shown.Glyph(3), TOddSkin::MenuTextColour), 0);
    EXPECT_EQ(guitest::RefusedDeletions(), refusedBefore);
}

// Open's shortcut ("Ctrl+O") is right-aligned in the shortcut column: its
// text ends just before the item's right inset, well past the caption.
TEST_F(ItemContent, TheShortcutEndsAtTheItemsRightInset) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const TShownMenu shown = ShowMenu(form.Handle(), file_->Handle());
    ASSERT_EQ(shown.rows.size(), 4u);
    const RECT& row = shown.rows[0]; // selected: text in the selected text colour
    int rightmost = -1;
    for (int y = row.top; y < row.bottom; ++y) {
        for (int x = row.left; x < row.right; ++x) {
            if (shown.shot.At(x, y) == guitest::Rgb(TOddSkin::SelectedText)) {
                rightmost = std::max(rightmost, x);
            }
        }
    }
    const int end = row.right - ShortcutRightInset;
    EXPECT_LE(rightmost, end);
    EXPECT_GE(rightmost, end - 4);
    // The column between caption and shortcut is free of text.
    const RECT gap{row.left + GlyphLeft + GlyphSize + 40, row.top, end - 50, row.bottom};
    EXPECT_EQ(shown.Count(gap, TOddSkin::SelectedText), 0) << shown.shot.width;
}

// A menu with an image list shows an item's image in the glyph column; a
// checked one sits on the sunken dither of button face and highlight.
TEST_F(ItemContent, ImagesShowInTheGlyphColumnAndACheckedOneSitsSunken) {
    AddMenuSkin();
    tk::Form& form = NewMenuForm(Bounds);
    constexpr uint32_t Picture = 0x0000C000u;
    tk::Bitmap strip;
    strip.SetSize(32, 16);
    auto pixels = strip.Pixels();
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool inside = (x % 16) >= 4 && (x % 16) < 12 && y >= 4 && y < 12;
            pixels[size_t(y) * 32 + size_t(x)] = inside ? Picture : 0x00FF00FFu;
        }
    }
    auto* images = new tk::ImageList(&form);
    images->AddStrip(strip);
    menu_->SetImages(images);
    file_ = &AddItem(menu_->Items(), "&File");
    open_ = &AddItem(*file_, "&Open");
    open_->SetImageIndex(0);
    save_ = &AddItem(*file_, "&Save");
    save_->SetImageIndex(1);
    save_->SetChecked(true);
    exitItem_ = &AddItem(*file_, "E&xit");
    Show(form);
    const TShownMenu shown = ShowMenu(form.Handle(), file_->Handle());
    ASSERT_EQ(shown.rows.size(), 3u);
    guitest::SaveForTest(shown.shot, "images");
    const COLORREF picture = RGB(0, 0xC0, 0);
    EXPECT_GE(shown.Count(shown.Glyph(0), picture), 40);
    EXPECT_GE(shown.Count(shown.Glyph(1), picture), 40);
    EXPECT_EQ(shown.Count(shown.Glyph(2), picture), 0);
    // The checked one's sunken edge and dither; none around the unchecked one.
    EXPECT_GT(shown.Count(shown.Glyph(1), GetSysColor(COLOR_BTNSHADOW)), 8);
    EXPECT_EQ(shown.Count(shown.Glyph(0), GetSysColor(COLOR_BTNSHADOW)), 0);
}

// The text-colour pixels of a rectangle as a mask, row by row.
std::vector<bool> MaskOf(const TShownMenu& shown, const RECT& r, COLORREF colour) {
    std::vector<bool> mask;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            mask.push_back(shown.shot.At(x, y) == guitest::Rgb(colour));
        }
    }
    return mask;
}

// A native drop-down's radio item shows a bullet, not the check mark, and a
// bitmap item its picture on the skin's item, not an etched separator line.
TEST_F(ItemContent, ANativeRadioItemShowsABulletAndABitmapItemItsPicture) {
    AddMenuSkin();
    constexpr int PictureWidth = 24, PictureHeight = 12;
    const COLORREF picture = RGB(0, 0xC0, 0);
    TDib pixels(PictureWidth, PictureHeight);
    pixels.Fill(MakeColour(0, 0xC0, 0));
    const tk::OwnedBitmap bitmap(
        static_cast<HBITMAP>(CopyImage(NativeBitmap(pixels), IMAGE_BITMAP, 0, 0, 0)));
    HMENU native = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING | MF_CHECKED, 41, L"&Checked");
    MENUITEMINFOW radio{};
    radio.cbSize = sizeof(radio);
    radio.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    radio.fType = MFT_RADIOCHECK;
    radio.fState = MFS_CHECKED;
    radio.wID = 42;
    wchar_t radioText[] = L"&Radio";
    radio.dwTypeData = radioText;
    InsertMenuItemW(file, 1, TRUE, &radio);
    AppendMenuW(file, MF_BITMAP, 43, reinterpret_cast<LPCWSTR>(bitmap.get()));
    AppendMenuW(file, MF_STRING, 44, L"E&xit");
    AppendMenuW(native, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    HWND window = ShowRaw(Bounds, RawStyle, nullptr, L"items", native);
    const TShownMenu shown = ShowMenu(window, file);
    ASSERT_EQ(shown.rows.size(), 4u);
    guitest::SaveForTest(shown.shot, "native");
    // Unselected rows' text is white; the first row is selected.
    const COLORREF text = TOddSkin::MenuTextColour;
    const std::vector<bool> bullet = MaskOf(shown, shown.Glyph(1), text);
    const int dots = int(std::count(bullet.begin(), bullet.end(), true));
    EXPECT_GE(dots, 9);
    // Round: the same read from either side, unlike the check mark.
    for (int y = 0; y < GlyphSize; ++y) {
        for (int x = 0; x < GlyphSize / 2; ++x) {
            const size_t row = size_t(y * GlyphSize);
            EXPECT_EQ(bullet[row + size_t(x)], bullet[row + size_t(GlyphSize - 2 - x)])
                << x << "," << y;
        }
    }
    // The bitmap item: its picture, as tall as the bitmap, no separator line.
    const RECT& pictureRow = shown.rows[2];
    EXPECT_GE(pictureRow.bottom - pictureRow.top, PictureHeight);
    EXPECT_GE(shown.Count(pictureRow, picture), PictureWidth * PictureHeight * 9 / 10);
    EXPECT_GT(shown.Count(pictureRow, TOddSkin::ItemCells[0]), 0);
    EXPECT_EQ(shown.Count(pictureRow, GetSysColor(COLOR_BTNSHADOW)), 0);
}

// An extended menu resource gives a submenu's item the command 0, the one
// its separators have: the submenu's item still shows its caption on a row
// of text, not a separator's line, and keeps its command once closed.
TEST_F(ItemContent, ASubmenuSharingItsCommandWithASeparatorShowsItsCaption) {
    AddMenuSkin();
    HMENU native = CreateMenu();
    HMENU edit = CreatePopupMenu();
    HMENU extras = CreatePopupMenu();
    AppendMenuW(extras, MF_STRING, 51, L"Selection &info");
    AppendMenuW(edit, MF_STRING, 49, L"Read-&only");
    AppendMenuW(edit, MF_STRING, 50, L"&Modified");
    AppendMenuW(edit, MF_SEPARATOR, 0, nullptr);
    MENUITEMINFOW submenu{};
    submenu.cbSize = sizeof(submenu);
    submenu.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    submenu.wID = 0;
    submenu.hSubMenu = extras;
    wchar_t caption[] = L"E&xtras";
    submenu.dwTypeData = caption;
    InsertMenuItemW(edit, 3, TRUE, &submenu);
    AppendMenuW(native, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"&Edit");
    HWND window = ShowRaw(Bounds, RawStyle, nullptr, L"items", native);
    const TShownMenu shown = ShowMenu(window, edit);
    ASSERT_EQ(shown.rows.size(), 4u);
    guitest::SaveForTest(shown.shot, "shared-command");
    // The first row is selected; the second is text as the last should be.
    const RECT& text = shown.rows[1];
    const RECT& line = shown.rows[2];
    const RECT& extrasRow = shown.rows[3];
    EXPECT_EQ(extrasRow.bottom - extrasRow.top, text.bottom - text.top);
    EXPECT_LT(line.bottom - line.top, text.bottom - text.top);
    // Its caption in the text colour, about as much of it as "Modified".
    const int modifiedInk = shown.Count(text, TOddSkin::MenuTextColour);
    const int extrasInk = shown.Count(extrasRow, TOddSkin::MenuTextColour);
    EXPECT_GT(modifiedInk, 0);
    EXPECT_GT(extrasInk, modifiedInk / 2);
    MENUITEMINFOW after{};
    after.cbSize = sizeof(after);
    after.fMask = MIIM_ID | MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoW(edit, 3, TRUE, &after));
    EXPECT_EQ(after.wID, 0u);
    EXPECT_EQ(after.fType & MFT_OWNERDRAW, 0u);
}

} // namespace
