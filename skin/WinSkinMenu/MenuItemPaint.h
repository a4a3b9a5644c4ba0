// The items of skinned menus: the menu bar's drop-downs, the frame's system
// menu and the application's popup menus, measured and drawn from the skin's
// MenuItem element over the background of the popup window that shows them
// (PopupMenuSkin.h), with their check marks, images, shortcut texts, submenu
// arrows and disabled colours; plainly (in the skin's menu colours) when the skin has no
// MenuItem element.
//
// Error policy: the painters never throw; an item that cannot be drawn off
// screen (no memory) is left as the system drew it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

namespace tk {
class Canvas;
class Form;
class Menu;
class MenuItem;
} // namespace tk

namespace skin {

class TSkinData;
class TWinSkinForm;

// GetMenuState's answer for an item the menu does not have.
constexpr UINT NoSuchItem = UINT(-1);

// What the painters need of an item, whichever kind of menu holds it.
struct TMenuItemView {
    std::wstring caption; // "&" marks the accelerator; "-" is a separator
    std::wstring shortcut;
    bool enabled = true;
    bool checked = false;
    bool isDefault = false;
    // A checked radio item shows a bullet instead of the check mark.
    bool radio = false;
    // A bitmap item (of a native menu) shows its picture instead of a caption.
    HBITMAP bitmap = nullptr;
    // The item opens a submenu: an arrow at its far end.
    bool opensSubmenu = false;
    HIMAGELIST images = nullptr;
    int imageIndex = -1;
    bool rightToLeft = false;
    // The menu holding the item: its popup window gives the background.
    HMENU menu = nullptr;

    bool IsLine() const { return caption == L"-"; }
};

// A toolkit item as it is to be shown now (its action is updated first). An
// item of no menu lays out as `fallback` does (left to right without one).
TMenuItemView ViewOfItem(tk::MenuItem& item, const tk::Menu* fallback);
// A native item of `menu` by command: its text up to a tab is the caption,
// the rest the shortcut; an empty text is a separator.
TMenuItemView ViewOfNativeItem(HMENU menu, UINT command);

// The item drawn from the MenuItem element over its popup's background (a
// separator from the element's separator cell); plainly without the element.
void DrawSkinnedItem(const TSkinData& skin, const TMenuItemView& item, HDC dc, bool selected,
                     const RECT& rect);
// As DrawSkinnedItem, but a separator is drawn as an item (an etched line).
void DrawNativeItem(const TSkinData& skin, const TMenuItemView& item, HDC dc, bool selected,
                    const RECT& rect);
// The skin's menu colour, or its highlight colour when selected, under the
// item's content.
void DrawPlainItem(const TSkinData& skin, const TMenuItemView& item, HDC dc, bool selected,
                   const RECT& rect);

// Room the skin adds to an item's own measurement: the element's left margin
// and a glyph column when the menu has no images.
void MeasureSysMenuItem(const TSkinData& skin, bool hasImages, int& width);
// The least height of an item with text: its glyph (the check mark's size
// without images) and the inset above it, at the skin's scale (at 96 DPI
// every item is taller already).
int GlyphRowHeight(const TSkinData& skin);
// A bitmap item's own size: the glyph column, then the picture.
void MeasureBitmapItem(const TSkinData& skin, const TMenuItemView& item, SIZE glyph, int& width,
                       int& height);
// The size of the frame's system menu items and of other items that are not
// the toolkit's: a native item's size for the caption, shortcut and glyphs,
// plus the skin's room.
void MeasureViewItem(const TSkinData& skin, const TMenuItemView& item, int& width, int& height);

// The frame's owner-drawn menu messages for the menu bar's drop-downs: true
// when the item was drawn (measured) here, false to hand the message on.
bool MeasureMenuBarItem(TWinSkinForm& frame, MEASUREITEMSTRUCT& measure);
bool DrawMenuBarItem(TWinSkinForm& frame, const DRAWITEMSTRUCT& draw);

// The form's popup menus (those the component skins) drawn by the skin, or
// given back their own drawing. Handlers an item has of its own stay.
void SetPopupsOwnerDraw(tk::Form& form, const TSkinData& skin, bool on);

} // namespace skin
