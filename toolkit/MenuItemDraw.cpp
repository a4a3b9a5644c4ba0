// Measuring and drawing of owner-drawn menu items: the item's own layout,
// which gives the size a native item in the system's menu font would have,
// and the form's WM_MEASUREITEM and WM_DRAWITEM answers that run the item's
// handlers over it.
#include "toolkit/Menus.h"

#include "toolkit/ImageList.h"
#include "toolkit/Text.h"

#include <algorithm>

namespace tk {
namespace {

// An item's layout, in pixels, left to right (mirrored for a right-to-left
// menu): a glyph column as wide as the image list's images (the system's
// check mark without one), the caption, and the shortcut text right-aligned.
// With the margin the system adds to an owner-drawn item, an item measures as
// wide as the native item of the same text.
constexpr int GlyphMargin = 2; // around the glyph column
constexpr int CaptionGap = 3;  // from the glyph column to the caption
constexpr int ShortCutGap = 6; // the least space between caption and shortcut
constexpr int BarItemPad = 6;  // either side of a menu bar item's caption
constexpr int TextPad = 4;     // above and below the text, together
constexpr int CheckStroke = 3; // rows of the drawn check mark

SIZE GlyphSize(const MenuItem& item) {
    if (const ImageList* images = item.Images()) {
        return {images->Width(), images->Height()};
    }
    return {GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK)};
}

SIZE TextSize(Canvas& canvas, const std::string& text) {
    RECT r{};
    canvas.DrawText(text.empty() ? " " : text, r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
    return {r.right - r.left, r.bottom - r.top};
}

// The item an owner-drawn message is about: the one its command names, which
// the native item's data must confirm (other code's owner-drawn menus carry
// data of their own).
MenuItem* OwnerDrawnItem(UINT ctlType, UINT command, ULONG_PTR data) {
    MenuItem* item = ctlType == ODT_MENU ? MenuItem::FromCommand(command) : nullptr;
    return item && reinterpret_cast<ULONG_PTR>(item) == data ? item : nullptr;
}

// A check mark in the text colour, centred in `box`.
void DrawCheckMark(HDC dc, const RECT& box, COLORREF color) {
    OwnedPen pen(CreatePen(PS_SOLID, 1, color));
    SelectedObject selected(dc, pen.get());
    const int x = (box.left + box.right) / 2 - 3;
    const int y = (box.top + box.bottom) / 2 - 2;
    for (int row = 0; row < CheckStroke; ++row) {
        const POINT stroke[] = {{x, y + 2 + row}, {x + 2, y + 4 + row}, {x + 7, y - 1 + row}};
        Polyline(dc, stroke, 3);
    }
}

} // namespace

void SetMenuFont(tk::Font& font, bool bold) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    const LOGFONTW& menu = metrics.lfMenuFont;
    font.SetName(Narrow(menu.lfFaceName));
    font.SetHeight(menu.lfHeight);
    font.SetCharset(menu.lfCharSet);
    uint32_t style = bold || menu.lfWeight >= FW_BOLD ? uint32_t(fsBold) : 0u;
    font.SetStyle(menu.lfItalic ? style | fsItalic : style);
}

void MenuItem::MeasureItem(Canvas& canvas, int& width, int& height) {
    if (IsLine()) {
        width = 0;
        height = GetSystemMetrics(SM_CYMENU) / 2;
        return;
    }
    const SIZE caption = TextSize(canvas, caption_);
    if (IsTopLevel() && GetMenu()->bar_) {
        width = caption.cx + 2 * BarItemPad;
        height = std::max<int>(caption.cy + TextPad, GetSystemMetrics(SM_CYMENU));
        return;
    }
    MeasureMenuItemLayout(canvas, caption_, shortCut_ ? ShortCutToText(shortCut_) : std::string(),
                          GlyphSize(*this), width, height);
}

void MeasureMenuItemLayout(Canvas& canvas, const std::string& caption, const std::string& shortCut,
                           SIZE glyph, int& width, int& height) {
    const SIZE text = TextSize(canvas, caption);
    width = glyph.cx + 2 * GlyphMargin + CaptionGap + text.cx;
    if (!shortCut.empty()) {
        width += ShortCutGap + TextSize(canvas, shortCut).cx;
    }
    height = std::max<int>(text.cy + TextPad, glyph.cy + 2 * GlyphMargin);
}

void MenuItem::DrawItem(Canvas& canvas, const RECT& rect, bool selected) {
    HDC dc = canvas.Handle();
    canvas.Brush().SetColor(selected ? base::SystemColour(COLOR_HIGHLIGHT)
                                     : base::SystemColour(COLOR_MENU));
    canvas.FillRect(rect);
    if (IsLine()) {
        RECT line{rect.left + 2, (rect.top + rect.bottom) / 2 - 1, rect.right - 2, rect.bottom};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const bool mirrored = GetMenu() && GetMenu()->RightToLeft();
    const SIZE glyph = GlyphSize(*this);
    const int column = glyph.cx + 2 * GlyphMargin;
    RECT box{rect.left, rect.top, rect.left + column, rect.bottom};
    if (mirrored) {
        box = {rect.right - column, rect.top, rect.right, rect.bottom};
    }
    const COLORREF textColor = ResolveColour(
        !enabled_ ? clGrayText
                  : base::SystemColour(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
    ImageList* images = Images();
    if (images && imageIndex_ >= 0 && imageIndex_ < images->Count()) {
        const int x = box.left + GlyphMargin;
        const int y = (box.top + box.bottom - glyph.cy) / 2;
        if (checked_) {
            RECT sunken{x - 1, y - 1, x + glyph.cx + 1, y + glyph.cy + 1};
            DrawEdge(dc, &sunken, BDR_SUNKENOUTER, BF_RECT);
        }
        images->Draw(dc, x, y, imageIndex_, enabled_);
    } else if (checked_) {
        DrawCheckMark(dc, box, textColor);
    }
    canvas.Font().SetColor(textColor);
    SetBkMode(dc, TRANSPARENT);
    RECT text{rect.left + column + CaptionGap, rect.top, rect.right - CaptionGap, rect.bottom};
    UINT order = DT_LEFT;
    UINT shortCutOrder = DT_RIGHT;
    if (mirrored) {
        text = {rect.left + CaptionGap, rect.top, rect.right - column - CaptionGap, rect.bottom};
        order = DT_RIGHT;
        shortCutOrder = DT_LEFT;
    }
    canvas.DrawText(caption_, text, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | order);
    if (shortCut_) {
        canvas.DrawText(ShortCutToText(shortCut_), text,
                        DT_SINGLELINE | DT_VCENTER | shortCutOrder);
    }
}

bool MeasureMenuItem(MEASUREITEMSTRUCT& measure) {
    MenuItem* item = OwnerDrawnItem(measure.CtlType, measure.itemID, measure.itemData);
    if (!item) {
        return false;
    }
    WindowDC screen = WindowDC::Client(nullptr);
    Canvas canvas(screen);
    SetMenuFont(canvas.Font(), item->Default());
    int width = 0, height = 0;
    item->MeasureItem(canvas, width, height);
    if (item->OnMeasureItem) {
        item->OnMeasureItem(*item, canvas, width, height);
    }
    measure.itemWidth = static_cast<UINT>(std::max(width, 0));
    measure.itemHeight = static_cast<UINT>(std::max(height, 0));
    return true;
}

bool DrawMenuItem(const DRAWITEMSTRUCT& draw) {
    MenuItem* item = OwnerDrawnItem(draw.CtlType, draw.itemID, draw.itemData);
    if (!item) {
        return false;
    }
    Canvas canvas(draw.hDC);
    SetMenuFont(canvas.Font(), item->Default());
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    if (item->OnDrawItem) {
        item->OnDrawItem(*item, canvas, draw.rcItem, selected);
    } else {
        item->DrawItem(canvas, draw.rcItem, selected);
    }
    return true;
}

} // namespace tk
