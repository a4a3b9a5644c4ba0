// Who measures and draws an owner-drawn menu item: the frame for the items
// of its menu bar's drop-downs (the form's menu items, or native items while
// a native drop-down is open), the toolkit with the skin's handlers for the
// items of the form's popup menus.
#include "skin/WinSkinMenu/MenuItemPaint.h"

#include "skin/WinSkinMenu/MenuLooks.h"

#include "toolkit/Form.h"
#include "toolkit/Menus.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"
#include "skin/WinSkinMenu/WinSkinMenu.h"

#include <optional>

namespace skin {
namespace {

// Room the skin adds to a form menu item's own measurement, and to a native
// item's text; a native separator's height and what a texted item gains.
constexpr int FormItemRoom = 10;
constexpr int FormItemGlyphRoom = 25;
constexpr int NativeItemRoom = 26;
constexpr int NativeItemTextPad = 4;
constexpr int NativeLineHeight = 8;
// A native item's glyph column (the system's check mark's size).
constexpr int NativeGlyph = 16;
// A popup menu whose Tag modulo this is the component's DisableTag stays plain.
constexpr int DisableTagModulo = 100;

// The toolkit item an owner-drawn message names (its data confirms it).
tk::MenuItem* ToolkitItem(UINT command, ULONG_PTR data) {
    tk::MenuItem* item = tk::MenuItem::FromCommand(command);
    return item && reinterpret_cast<ULONG_PTR>(item) == data ? item : nullptr;
}

tk::MainMenu* FormMenuOf(const TWinSkinForm& frame) {
    const auto* bar = dynamic_cast<const TWinSkinMenu*>(frame.FMenuBar.get());
    return bar && frame.FAppForm ? bar->FMenu : nullptr;
}

// An item of the drop-down open now, whatever its depth.
bool InDropDown(const TWinSkinForm& frame, UINT command) {
    return frame.FMenuTracking && frame.FDropDownMenu &&
           GetMenuState(frame.FDropDownMenu, command, MF_BYCOMMAND) != NoSuchItem;
}

void MeasureFormItem(const TSkinData& skin, tk::MenuItem& item, tk::Canvas& canvas, int& width,
                     int& height) {
    item.MeasureItem(canvas, width, height);
    width += (skin.MenuItem ? skin.MenuItem->LeftWidth : 0) + skin.Measure(FormItemRoom) +
             (item.Images() ? 0 : skin.Measure(FormItemGlyphRoom));
    // The skin draws the check mark at its own scaled size, which the
    // system's check size the toolkit measures with may not hold.
    if (!item.IsLine() && !item.Images()) {
        height = std::max(height, GlyphRowHeight(skin));
    }
}

void MeasureNativeItem(const TSkinData& skin, const TMenuItemView& item, TMenuText& texts,
                       MEASUREITEMSTRUCT& measure) {
    if (item.IsLine()) {
        measure.itemHeight = UINT(skin.Measure(NativeLineHeight));
        return;
    }
    if (item.bitmap) {
        int width = 0, height = 0;
        const int glyph = skin.Measure(NativeGlyph);
        MeasureBitmapItem(skin, item, {glyph, glyph}, width, height);
        MeasureSysMenuItem(skin, false, width);
        measure.itemWidth = UINT(width);
        measure.itemHeight = UINT(height);
        return;
    }
    const std::wstring text =
        item.shortcut.empty() ? item.caption : item.caption + L"  " + item.shortcut;
    const SIZE size = texts.Extent(text, item.isDefault, DT_SINGLELINE | DT_EXPANDTABS);
    measure.itemWidth = UINT(size.cx + skin.Measure(NativeItemRoom) +
                             (skin.MenuItem ? skin.MenuItem->LeftWidth : 0));
    measure.itemHeight += UINT(skin.Measure(NativeItemTextPad));
}

// The frame of the window showing the item's menu, when it is skinned.
TWinSkinForm* FrameOfItem(const tk::MenuItem& item) {
    const tk::Menu* menu = item.GetMenu();
    auto* form = menu ? dynamic_cast<tk::Form*>(menu->Owner()) : nullptr;
    if (!SkinManager || !form || !form->HandleAllocated()) {
        return nullptr;
    }
    TWinSkinForm* frame = SkinManager->FindFrame(form->Handle());
    return frame && frame->FSkinData && frame->FSkinData->SkinLoaded ? frame : nullptr;
}

// The handlers the skin gives popup menu items; they find the skin when they
// run, so a menu that outlives its frame draws itself again.
struct TSkinnedItemDrawer {
    void operator()(tk::MenuItem& item, tk::Canvas& canvas, const RECT& rect, bool selected) const {
        TWinSkinForm* frame = FrameOfItem(item);
        if (!frame) {
            item.DrawItem(canvas, rect, selected);
            return;
        }
        DrawSkinnedItem(*frame->FSkinData, ViewOfItem(item, nullptr), canvas.Handle(), selected,
                        rect);
    }
};
struct TSkinnedItemMeasurer {
    void operator()(tk::MenuItem& item, tk::Canvas&, int& width, int&) const {
        if (TWinSkinForm* frame = FrameOfItem(item)) {
            MeasureSysMenuItem(*frame->FSkinData, item.Images() != nullptr, width);
        }
    }
};

void SetItemsOwnerDraw(tk::MenuItem& parent, bool on) {
    for (tk::MenuItem* item : parent.Items()) {
        if (on && !item->OnDrawItem) {
            item->OnDrawItem = TSkinnedItemDrawer{};
            item->OnMeasureItem = TSkinnedItemMeasurer{};
        } else if (!on && item->OnDrawItem.target<TSkinnedItemDrawer>()) {
            item->OnDrawItem = nullptr;
            item->OnMeasureItem = nullptr;
        }
        SetItemsOwnerDraw(*item, on);
    }
}

bool AnyItemDraws(const tk::MenuItem& parent) {
    for (const tk::MenuItem* item : parent.Items()) {
        if (item->OnDrawItem || AnyItemDraws(*item)) {
            return true;
        }
    }
    return false;
}

} // namespace

bool MeasureMenuBarItem(TWinSkinForm& frame, MEASUREITEMSTRUCT& measure) {
    if (measure.CtlType != ODT_MENU || !frame.FMenuBar) {
        return false;
    }
    const TSkinData& skin = *frame.FSkinData;
    tk::MenuItem* item = ToolkitItem(measure.itemID, measure.itemData);
    if (item) {
        tk::MainMenu* menu = FormMenuOf(frame);
        if (!menu || menu->FindItem(measure.itemID) != item) {
            return false;
        }
        if (!SkinManager) {
            return false;
        }
        int width = 0, height = 0;
        MeasureFormItem(skin, *item, SkinManager->MenuLooks().ItemCanvas(item->Default()), width,
                        height);
        measure.itemWidth = UINT(std::max(width, 0));
        measure.itemHeight = UINT(std::max(height, 0));
        return true;
    }
    if (!InDropDown(frame, measure.itemID)) {
        return false;
    }
    std::optional<TMenuText> ownTexts;
    TMenuText& texts = SkinManager ? SkinManager->MenuLooks().Text() : ownTexts.emplace();
    MeasureNativeItem(skin, ViewOfNativeItem(frame.FDropDownMenu, measure.itemID), texts, measure);
    return true;
}

bool DrawMenuBarItem(TWinSkinForm& frame, const DRAWITEMSTRUCT& draw) {
    if (draw.CtlType != ODT_MENU || !frame.FMenuBar) {
        return false;
    }
    const TSkinData& skin = *frame.FSkinData;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    const HMENU shown = reinterpret_cast<HMENU>(draw.hwndItem);
    tk::MenuItem* item = ToolkitItem(draw.itemID, draw.itemData);
    if (item) {
        tk::MainMenu* menu = FormMenuOf(frame);
        if (!menu || menu->FindItem(draw.itemID) != item) {
            return false;
        }
        TMenuItemView view = ViewOfItem(*item, menu);
        view.menu = shown;
        if (skin.MenuItem) {
            DrawSkinnedItem(skin, view, draw.hDC, selected, draw.rcItem);
        } else {
            DrawPlainItem(skin, view, draw.hDC, selected, draw.rcItem);
        }
        return true;
    }
    if (!InDropDown(frame, draw.itemID)) {
        return false;
    }
    TMenuItemView view = ViewOfNativeItem(shown, draw.itemID);
    view.rightToLeft = static_cast<const TWinSkinMenu&>(*frame.FMenuBar).RightToLeft();
    DrawNativeItem(skin, view, draw.hDC, selected, draw.rcItem);
    return true;
}

void SetPopupsOwnerDraw(tk::Form& form, const TSkinData& skin, bool on) {
    if (!skin.Skins(xcPopupMenu)) {
        return;
    }
    for (tk::Component* component : form.Components()) {
        auto* popup = dynamic_cast<tk::PopupMenu*>(component);
        if (!popup || popup->Tag() % DisableTagModulo == skin.DisableTag()) {
            continue;
        }
        SetItemsOwnerDraw(popup->Items(), on);
        // Off, the menu is drawn natively again unless an item still draws
        // itself.
        popup->SetOwnerDraw(on || AnyItemDraws(popup->Items()));
    }
}

} // namespace skin
