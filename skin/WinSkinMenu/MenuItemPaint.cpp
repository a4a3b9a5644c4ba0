// Measuring and drawing of one skinned menu item. An item is composed off
// screen at its own size: its part of the popup window's background, the
// MenuItem element's cell for its state, then the glyph, caption and
// shortcut; the result reaches the screen in one blit.
#include "skin/WinSkinMenu/MenuItemPaint.h"

#include "toolkit/Action.h"
#include "toolkit/ImageList.h"
#include "skin/WinSkinMenu/MenuLooks.h"
#include "skin/WinSkinMenu/MenuText.h"
#include "toolkit/Menus.h"
#include "skin/WinSkinMenu/PopupMenuSkin.h"
#include "skin/WinSubClass/SkinManager.h"
#include "toolkit/Text.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <algorithm>
#include <optional>

namespace skin {
namespace {

// The item's layout (pixels): a glyph column inset by the element's left
// margin, the caption after a gap, the shortcut right-aligned before the
// right inset (mirrored for a right-to-left menu).
constexpr int GlyphInset = 1;
constexpr int DefaultGlyph = 16;
constexpr int CaptionGap = 3;
constexpr int CaptionRightInset = 1;
constexpr int ShortcutRightInset = 11;
constexpr int MirroredShortcutLeft = 10;
constexpr int EtchedLineDrop = 4;
// The submenu arrow: a triangle this many columns wide (twice as tall, less
// one), its point this far in from the item's end.
constexpr int ArrowColumns = 4;
constexpr int ArrowInset = 6;
// Cells of the MenuItem element.
constexpr int NormalCell = 1;
constexpr int SeparatorCell = 2;
constexpr int SelectedCell = 4;
// Room the skin adds to measured items, beyond the element's left margin.
constexpr int SysItemRoom = 12;
constexpr int SysItemGlyphRoom = 23;
// The text length read from a native item.
constexpr int MaxNativeText = 80;
// The system's check-mark bitmap (OBM_CHECK).
constexpr int CheckBitmapId = 32760;
// The raster operation that paints the brush where a monochrome source is
// black and leaves the destination where it is white.
constexpr DWORD BrushWhereBlack = 0x00B8074A;
// A checked item's image sits on a dither of button face and highlight.
constexpr WORD DitherRows[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
constexpr int DitherSize = 8;
// A radio item's bullet: a disc this many rows tall, each this far either
// side of the middle column.
constexpr int BulletSize = 7;
constexpr int BulletHalfWidths[BulletSize] = {1, 2, 3, 3, 3, 2, 1};
// Highest of the system's predefined menu bitmap values (HBMMENU_*): a
// bitmap item's handle above it is a bitmap of the program's.
constexpr UINT_PTR LastPredefinedBitmap = 11;

constexpr UINT MeasureFormat = DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE;
constexpr UINT DrawFormat = DT_EXPANDTABS | DT_SINGLELINE;

int WidthOf(const RECT& r) {
    return r.right - r.left;
}
int HeightOf(const RECT& r) {
    return r.bottom - r.top;
}

int LeftMargin(const TSkinData& skin) {
    return skin.MenuItem ? skin.MenuItem->LeftWidth : 0;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) {
        return {0, 0};
    }
    return {info.bmWidth, info.bmHeight};
}

SIZE ImageSize(HIMAGELIST images) {
    int w = 0, h = 0;
    if (images) {
        ImageList_GetIconSize(images, &w, &h);
    }
    return {w, h};
}

COLORREF TextColour(const TSkinData& skin, const TMenuItemView& item, bool selected) {
    if (item.enabled) {
        return ResolveColour(selected ? skin.HilightTextColour : skin.MenuTextColour);
    }
    // Shadow text the same colour as normal text would not show disabled.
    return skin.ButtonShadowColour == skin.MenuTextColour ? GetSysColor(COLOR_BTNSHADOW)
                                                          : ResolveColour(skin.ButtonShadowColour);
}

// The caption's size in the item's font; an empty caption (or a lone
// accelerator mark) measures as a space.
SIZE CaptionExtent(TMenuText& texts, const TMenuItemView& item) {
    const bool blank = item.caption.empty() || item.caption == L"&";
    return texts.Extent(blank ? item.caption + L" " : item.caption, item.isDefault, MeasureFormat);
}

// Draws the text in the DC's font; "-" draws an etched line.
void DrawItemText(const TSkinData& skin, const TMenuItemView& item, HDC dc, UINT format,
                  bool selected, RECT rect, const std::wstring& text) {
    if (text == L"-") {
        OffsetRect(&rect, 0, skin.Measure(EtchedLineDrop));
        DrawEdge(dc, &rect, EDGE_ETCHED, BF_TOP);
        return;
    }
    tk::SavedDC saved(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, TextColour(skin, item, selected));
    DrawTextW(dc, text.c_str(), int(text.size()), &rect, format);
}

// The engine's kept texts, or `own` made for the item without an engine.
TMenuText& KeptTexts(std::optional<TMenuText>& own) {
    return SkinManager ? SkinManager->MenuLooks().Text() : own.emplace();
}

// The system's check mark in the text colour, its black pixels only.
void DrawCheckMark(HDC dc, const RECT& glyph, COLORREF colour) {
    const tk::OwnedBitmap check(LoadBitmapW(nullptr, MAKEINTRESOURCEW(CheckBitmapId)));
    BITMAP info{};
    if (!check || !GetObjectW(check.get(), sizeof(info), &info)) {
        return;
    }
    const int x = glyph.left + (WidthOf(glyph) - info.bmWidth) / 2 + 1;
    const int y = glyph.top + (HeightOf(glyph) - info.bmHeight) / 2 + 1;
    tk::BitmapDC source(check.get(), dc);
    // Deselected before it is deleted: the system keeps a brush that is
    // still selected into a device context alive.
    const tk::OwnedBrush brush(CreateSolidBrush(colour));
    const tk::SelectedObject selected(dc, brush.get());
    tk::SavedDC saved(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source, 0, 0, BrushWhereBlack);
}

// How many screen pixels stand for one pixel of the glyphs drawn dot by dot
// (bullet, submenu arrow) at the skin's scale: whole pixels keep them crisp.
int DotSize(const TSkinData& skin) {
    return std::max(1, skin.Measure(1));
}

// A radio item's bullet in the text colour, a disc centred in the glyph.
void DrawBullet(HDC dc, const RECT& glyph, COLORREF colour, int dot) {
    const tk::OwnedBrush brush(CreateSolidBrush(colour));
    const int cx = glyph.left + (WidthOf(glyph) - dot) / 2;
    const int cy = glyph.top + (HeightOf(glyph) - dot) / 2;
    for (int row = 0; row < BulletSize; ++row) {
        const int half = BulletHalfWidths[row] * dot;
        const int y = cy + (row - BulletSize / 2) * dot;
        const RECT line{cx - half, y, cx + half + dot, y + dot};
        FillRect(dc, &line, brush.get());
    }
}

// A bitmap item's picture at the caption's place, centred in the item's
// height.
void DrawItemBitmap(HDC dc, HBITMAP bitmap, const RECT& text) {
    const SIZE size = BitmapSize(bitmap);
    tk::BitmapDC source(bitmap, dc);
    const int y = text.top + (HeightOf(text) - size.cy) / 2;
    BitBlt(dc, text.left, y, size.cx, size.cy, source, 0, 0, SRCCOPY);
}

// The submenu arrow in the text colour, pointing away from the caption.
void DrawSubmenuArrow(HDC dc, const RECT& rect, bool rightToLeft, COLORREF colour, int dot) {
    const tk::OwnedBrush brush(CreateSolidBrush(colour));
    const int middle = (rect.top + rect.bottom) / 2 - (dot - 1) / 2;
    const int inset = ArrowInset * dot;
    for (int i = 0; i < ArrowColumns; ++i) {
        // Column i from the point: 2 i + 1 dots tall.
        const int x = rightToLeft ? rect.left + inset + i * dot : rect.right - inset - i * dot;
        const RECT column{x, middle - i * dot, x + dot, middle + (i + 1) * dot};
        FillRect(dc, &column, brush.get());
    }
}

// The system draws its own submenu arrow over an owner-drawn item once the
// item is drawn, on a block of its menu colour: the item's place is taken out
// of what the rest of this paint may touch.
void KeepSystemArrowOff(HDC dc, const TMenuItemView& item, const RECT& rect) {
    if (item.opensSubmenu) {
        ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
}

void DrawCheckedImageBack(HDC dc, RECT glyph) {
    const tk::OwnedBitmap pattern(CreateBitmap(DitherSize, DitherSize, 1, 1, DitherRows));
    const tk::OwnedBrush brush(CreatePatternBrush(pattern.get()));
    tk::SavedDC saved(dc);
    SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
    SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    FillRect(dc, &glyph, brush.get());
    DrawEdge(dc, &glyph, BDR_SUNKENOUTER, BF_RECT);
}

// Glyph, caption and shortcut of the item over what `dc` already holds.
void DrawItemContent(const TSkinData& skin, const TMenuItemView& item, TMenuText& texts, HDC dc,
                     bool selected, const RECT& rect) {
    const int defaultGlyph = skin.Measure(DefaultGlyph);
    const int glyphInset = skin.Measure(GlyphInset);
    int g = item.images ? ImageSize(item.images).cx : defaultGlyph;
    if (item.checked) {
        g = std::max(g, defaultGlyph);
    }
    const int inset = glyphInset + LeftMargin(skin);
    const int width = item.IsLine() ? 0 : g;
    RECT glyph{rect.left + inset, rect.top + glyphInset, rect.left + inset + width,
               rect.top + glyphInset + g};
    if (item.rightToLeft) {
        glyph.right = rect.right - inset;
        glyph.left = glyph.right - width;
    }
    const bool hasImage = item.images && item.imageIndex >= 0 &&
                          item.imageIndex < ImageList_GetImageCount(item.images);
    if (hasImage) {
        if (item.checked) {
            DrawCheckedImageBack(dc, glyph);
        }
        tk::DrawImageListImage(item.images, dc, glyph.left, glyph.top, item.imageIndex,
                               item.enabled);
    } else if (item.checked && item.radio) {
        DrawBullet(dc, glyph, TextColour(skin, item, selected), DotSize(skin));
    } else if (item.checked) {
        DrawCheckMark(dc, glyph, TextColour(skin, item, selected));
    }
    // One font for the caption's measuring and drawing and the shortcut.
    const tk::SelectedObject menuFont(dc, texts.Font(item.isDefault));
    const int gap = skin.Measure(CaptionGap);
    const int rightInset = skin.Measure(CaptionRightInset);
    RECT text{glyph.right + gap, rect.top, rect.right - rightInset, rect.bottom};
    UINT order = DT_LEFT;
    if (item.rightToLeft) {
        text = {rect.left + rightInset, rect.top, glyph.left - gap, rect.bottom};
        order = DT_RIGHT;
    }
    if (item.bitmap) {
        DrawItemBitmap(dc, item.bitmap, text);
        return;
    }
    const SIZE measured = CaptionExtent(texts, item);
    const int dy = (HeightOf(rect) - measured.cy) / 2;
    RECT caption{text.left, rect.top + dy, text.right, rect.top + dy + measured.cy};
    DrawItemText(skin, item, dc, DrawFormat | order, selected, caption, item.caption);
    if (item.opensSubmenu) {
        DrawSubmenuArrow(dc, rect, item.rightToLeft, TextColour(skin, item, selected),
                         DotSize(skin));
    }
    if (item.shortcut.empty()) {
        return;
    }
    RECT keys{text.left + measured.cx, caption.top, rect.right - skin.Measure(ShortcutRightInset),
              caption.bottom};
    UINT keysOrder = DT_RIGHT;
    if (item.rightToLeft) {
        keys = {rect.left + skin.Measure(MirroredShortcutLeft), caption.top,
                text.right - measured.cx, caption.bottom};
        keysOrder = DT_LEFT;
    }
    DrawItemText(skin, item, dc, DrawFormat | keysOrder, selected, keys, item.shortcut);
}

// The separator cell's rows for an item of height h: the bottom ones when
// the cell is taller, three slices into an item-sized bitmap copied with the
// colour key.
void DrawSeparator(const TSkinData& skin, HDC dc, const RECT& rect) {
    const TDataSkinObject& element = *skin.MenuItem;
    const TDib& bitmap = element.Bitmap;
    const int w = WidthOf(rect), h = HeightOf(rect);
    const int fw = bitmap.Width() / std::max(element.Frame, 1);
    if (w <= 0 || h <= 0 || fw <= 0) {
        return;
    }
    const int rows = std::min(h, bitmap.Height());
    const int top = bitmap.Height() > h ? bitmap.Height() - h : 0;
    const int left = std::min(element.LeftWidth, fw), right = std::min(element.RightWidth, fw);
    const int cellX = (SeparatorCell - 1) * fw;
    TDib piece(w, h);
    piece.Fill(KeyColour);
    {
        tk::BitmapDC target(NativeBitmap(piece));
        tk::BitmapDC source(NativeBitmap(bitmap));
        SetStretchBltMode(target, COLORONCOLOR);
        BitBlt(target, 0, 0, left, rows, source, cellX, top, SRCCOPY);
        BitBlt(target, w - right, 0, right, rows, source, cellX + fw - right, top, SRCCOPY);
        StretchBlt(target, left, 0, w - left - right, rows, source, cellX + left, top,
                   fw - left - right, rows, SRCCOPY);
    }
    TransparentBlit(dc, rect, piece, KeyColour);
}

// The item composed at its size: background, then `paint` over it. On the
// surface of the popup window showing the item's menu when there is one, so
// the items of an opening share one bitmap; else on one of its own over the
// skin's menu colour.
template <class Paint>
void ComposeItem(const TSkinData& skin, TWinSkinPopMenu* popup, HDC dc, const RECT& rect,
                 Paint paint) {
    const int w = WidthOf(rect), h = HeightOf(rect);
    const RECT local{0, 0, w, h};
    if (const HDC surface = popup ? popup->ItemSurface(dc, rect) : nullptr) {
        paint(surface, local);
        BitBlt(dc, rect.left, rect.top, w, h, surface, 0, 0, SRCCOPY);
        return;
    }
    tk::MemoryDC back(dc, w, h);
    if (!back) {
        return;
    }
    const tk::OwnedBrush fill(CreateSolidBrush(ResolveColour(skin.MenuColour)));
    FillRect(back, &local, fill.get());
    paint(HDC(back), local);
    back.BlitTo(dc, rect.left, rect.top);
}

void DrawElementItem(const TSkinData& skin, const TMenuItemView& item, HDC dc, bool selected,
                     const RECT& rect, bool separatorCell) {
    if (!skin.MenuItem || skin.MenuItem->Bitmap.Empty()) {
        DrawPlainItem(skin, item, dc, selected, rect);
        return;
    }
    const TDataSkinObject& element = *skin.MenuItem;
    TWinSkinPopMenu* popup = SkinManager ? SkinManager->PopupMenuShowing(item.menu) : nullptr;
    if (separatorCell && item.IsLine()) {
        ComposeItem(skin, popup, dc, rect, [](HDC, const RECT&) {});
        DrawSeparator(skin, dc, rect);
        return;
    }
    const int cell = selected ? SelectedCell : NormalCell;
    ComposeItem(skin, popup, dc, rect, [&](HDC back, const RECT& local) {
        // Items of one size share the element rendered once per window.
        if (!popup || !popup->PutItemFace(back, element, local.right, local.bottom, cell)) {
            DrawElement(back, local, element.Bitmap, false, element.Tile == 1, element.Trans != 0,
                        std::max(element.Frame, 1), cell, MarginRect(element));
        }
        std::optional<TMenuText> ownTexts;
        DrawItemContent(skin, item, KeptTexts(ownTexts), back, selected, local);
    });
}

// A native or system menu item's size measured on `canvas` (in the menu
// font), plus the skin's room.
void MeasureViewLayout(const TSkinData& skin, const TMenuItemView& item, tk::Canvas& canvas,
                       int& width, int& height) {
    const int defaultGlyph = skin.Measure(DefaultGlyph);
    const SIZE glyph = item.images ? ImageSize(item.images) : SIZE{defaultGlyph, defaultGlyph};
    if (item.IsLine()) {
        width = 0;
        height = GetSystemMetrics(SM_CYMENU) / 2;
    } else if (item.bitmap) {
        MeasureBitmapItem(skin, item, glyph, width, height);
    } else {
        tk::MeasureMenuItemLayout(canvas, tk::Narrow(item.caption), tk::Narrow(item.shortcut),
                                  glyph, width, height);
    }
    MeasureSysMenuItem(skin, item.images != nullptr, width);
}

} // namespace

TMenuItemView ViewOfItem(tk::MenuItem& item, const tk::Menu* fallback) {
    if (tk::Action* action = item.GetAction()) {
        action->Update();
    }
    TMenuItemView view;
    view.caption = tk::Widen(item.Caption());
    if (item.ShortCut()) {
        view.shortcut = tk::Widen(tk::ShortCutToText(item.ShortCut()));
    }
    view.enabled = item.Enabled();
    view.checked = item.Checked();
    view.isDefault = item.Default();
    view.opensSubmenu = !item.Items().empty();
    if (tk::ImageList* images = item.Images()) {
        view.images = images->Handle();
    }
    view.imageIndex = item.ImageIndex();
    const tk::Menu* menu = item.GetMenu() ? item.GetMenu() : fallback;
    view.rightToLeft = menu && menu->RightToLeft();
    view.menu = item.Parent() ? item.Parent()->Handle() : nullptr;
    return view;
}

TMenuItemView ViewOfNativeItem(HMENU menu, UINT command) {
    TMenuItemView view;
    wchar_t text[MaxNativeText + 1] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_STRING | MIIM_SUBMENU | MIIM_FTYPE | MIIM_BITMAP;
    info.dwTypeData = text;
    info.cch = MaxNativeText;
    GetMenuItemInfoW(menu, command, FALSE, &info);
    const std::wstring all = text;
    const size_t tab = all.find(L'\t');
    // A bitmap item: a bitmap and no text (an owner-drawn one no longer has
    // the bitmap type).
    if (all.empty() && reinterpret_cast<UINT_PTR>(info.hbmpItem) > LastPredefinedBitmap) {
        view.bitmap = info.hbmpItem;
    }
    view.radio = (info.fType & MFT_RADIOCHECK) != 0;
    view.caption = all.empty() && !view.bitmap ? L"-" : all.substr(0, tab);
    if (tab != std::wstring::npos) {
        view.shortcut = all.substr(tab + 1);
    }
    view.enabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    view.checked = (info.fState & MFS_CHECKED) != 0;
    view.isDefault = (info.fState & MFS_DEFAULT) != 0;
    view.opensSubmenu = info.hSubMenu != nullptr;
    view.menu = menu;
    return view;
}

void DrawSkinnedItem(const TSkinData& skin, const TMenuItemView& item, HDC dc, bool selected,
                     const RECT& rect) {
    DrawElementItem(skin, item, dc, selected, rect, true);
    KeepSystemArrowOff(dc, item, rect);
}

void DrawNativeItem(const TSkinData& skin, const TMenuItemView& item, HDC dc, bool selected,
                    const RECT& rect) {
    DrawElementItem(skin, item, dc, selected, rect, false);
    KeepSystemArrowOff(dc, item, rect);
}

void DrawPlainItem(const TSkinData& skin, const TMenuItemView& item, HDC dc, bool selected,
                   const RECT& rect) {
    const int w = WidthOf(rect), h = HeightOf(rect);
    tk::MemoryDC back(dc, w, h);
    if (!back) {
        return;
    }
    const RECT local{0, 0, w, h};
    const tk::OwnedBrush fill(
        CreateSolidBrush(ResolveColour(selected ? skin.HilightColour : skin.MenuColour)));
    FillRect(back, &local, fill.get());
    std::optional<TMenuText> ownTexts;
    DrawItemContent(skin, item, KeptTexts(ownTexts), back, selected, local);
    back.BlitTo(dc, rect.left, rect.top);
    KeepSystemArrowOff(dc, item, rect);
}

void MeasureBitmapItem(const TSkinData& skin, const TMenuItemView& item, SIZE glyph, int& width,
                       int& height) {
    const SIZE size = BitmapSize(item.bitmap);
    const int inset = skin.Measure(GlyphInset);
    width = inset + glyph.cx + skin.Measure(CaptionGap) + size.cx + skin.Measure(CaptionRightInset);
    height = std::max<int>(size.cy, glyph.cy) + 2 * inset;
}

int GlyphRowHeight(const TSkinData& skin) {
    return skin.Measure(DefaultGlyph) + skin.Measure(GlyphInset);
}

void MeasureSysMenuItem(const TSkinData& skin, bool hasImages, int& width) {
    width += LeftMargin(skin) + skin.Measure(SysItemRoom) +
             (hasImages ? 0 : skin.Measure(SysItemGlyphRoom));
}

void MeasureViewItem(const TSkinData& skin, const TMenuItemView& item, int& width, int& height) {
    if (SkinManager) {
        MeasureViewLayout(skin, item, SkinManager->MenuLooks().ItemCanvas(item.isDefault), width,
                          height);
        return;
    }
    // Without an engine to keep one, a canvas on the screen's context.
    tk::WindowDC screen = tk::WindowDC::Client(nullptr);
    tk::Canvas canvas(screen);
    tk::SetMenuFont(canvas.Font(), item.isDefault);
    MeasureViewLayout(skin, item, canvas, width, height);
}

} // namespace skin
