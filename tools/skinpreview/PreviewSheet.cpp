#include "tools/skinpreview/PreviewSheet.h"

#include "tools/skinpreview/SheetCanvas.h"
#include "tools/skinpreview/WindowMock.h"

#include <algorithm>
#include <functional>
#include <string>

namespace skinpreview {
namespace {

using skin::TDataSkinObject;
using skin::TDib;

constexpr COLORREF Ink = RGB(232, 234, 240);
constexpr COLORREF Faint = RGB(150, 156, 172);
constexpr int LabelHeight = 16;

std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

std::wstring Describe(const TDataSkinObject& e) {
    return L"Frame " + std::to_wstring(e.Frame) + L"   margins " + std::to_wstring(e.LeftWidth) +
           L"," + std::to_wstring(e.TopHeight) + L"," + std::to_wstring(e.RightWidth) + L"," +
           std::to_wstring(e.BottomHeight) + L"   Trans " + std::to_wstring(e.Trans) + L"   Tile " +
           std::to_wstring(e.Tile) + L"   " + std::to_wstring(e.Bitmap.Width()) + L"x" +
           std::to_wstring(e.Bitmap.Height());
}

// How an element is stretched in the sheet's two sizes: generic elements
// grow both ways; borders and bars keep their thickness and grow in length.
enum class TShape { Generic, Column, Row, Scaled };

struct TSizes {
    SIZE small;
    SIZE large;
};

TSizes SizesFor(TShape shape, const TDataSkinObject& e, int cw, int ch) {
    const int lr = std::max(e.LeftWidth, 0) + std::max(e.RightWidth, 0);
    const int tb = std::max(e.TopHeight, 0) + std::max(e.BottomHeight, 0);
    switch (shape) {
    case TShape::Column:
        return {{cw, 120}, {cw, 200}};
    case TShape::Row:
        return {{300, ch}, {560, ch}};
    case TShape::Scaled:
        return {{cw, ch}, {cw * 2, ch * 2}};
    default:
        return {{std::max(cw * 3 / 2, lr + 6), std::max(ch * 3 / 2, tb + 6)},
                {std::min(std::max(cw * 5 / 2, lr + 14), 260),
                 std::min(std::max(ch * 2, tb + 12), 110)}};
    }
}

// One cell drawn into a rectangle: nine-slice, strip or plain scaling.
using TDrawCell = std::function<void(HDC, const RECT&, int cell)>;

// An element block: its name and settings, the raw bitmap on a checker, and
// every cell at the two sizes, numbered.
void ElementBlock(TSheetCanvas& sheet, const std::wstring& name, const std::wstring& details,
                  const TDib& bitmap, int frames, bool stacked, TShape shape,
                  const TDataSkinObject& e, const TDrawCell& draw) {
    frames = std::max(frames, 1);
    const int cw = stacked ? bitmap.Width() : bitmap.Width() / frames;
    const int ch = stacked ? bitmap.Height() / frames : bitmap.Height();
    const TSizes sizes = SizesFor(shape, e, cw, ch);
    const bool sideBySide = shape == TShape::Column; // tall cells: small and large in one row
    const int cellW = sideBySide ? int(sizes.small.cx + sizes.large.cx + 6)
                                 : int(std::max(sizes.small.cx, sizes.large.cx));
    const int cellH = sideBySide ? int(std::max(sizes.small.cy, sizes.large.cy))
                                 : int(sizes.small.cy + sizes.large.cy + 4);
    const int usable = TSheetCanvas::Width - 2 * TSheetCanvas::Margin;
    const int perLine = std::clamp(usable / (cellW + 8), 1, frames);
    const int lines = (frames + perLine - 1) / perLine;
    const int width = std::max({sheet.TextWidth(name, true) + sheet.TextWidth(details) + 16,
                                bitmap.Width() + 2, std::min(perLine * (cellW + 8), usable)});
    const int height = LabelHeight + bitmap.Height() + 8 + lines * (LabelHeight + cellH + 6);
    const POINT at = sheet.Place(width, height);
    int y = at.y;
    const int nameWidth = sheet.Text(at.x, y, name, Ink, true);
    sheet.Text(at.x + nameWidth + 12, y + 2, details, Faint);
    y += LabelHeight + 2;
    const RECT raw = {at.x, y, at.x + bitmap.Width(), y + bitmap.Height()};
    {
        // Selected only for this copy: a bitmap can be in one DC at a time,
        // and the cells below select it again.
        tk::BitmapDC rawDc(skin::NativeBitmap(bitmap));
        BitBlt(sheet.Dc(), raw.left, raw.top, bitmap.Width(), bitmap.Height(), rawDc, 0, 0,
               SRCCOPY);
    }
    y += bitmap.Height() + 6;
    for (int k = 1; k <= frames; ++k) {
        const int line = (k - 1) / perLine, column = (k - 1) % perLine;
        const int x = at.x + column * (cellW + 8);
        const int top = y + line * (LabelHeight + cellH + 6);
        sheet.Text(x, top, std::to_wstring(k), Faint);
        const RECT small = {x, top + LabelHeight, x + sizes.small.cx,
                            top + LabelHeight + sizes.small.cy};
        const RECT large =
            sideBySide
                ? RECT{small.right + 6, small.top, small.right + 6 + sizes.large.cx,
                       small.top + sizes.large.cy}
                : RECT{x, small.bottom + 4, x + sizes.large.cx, small.bottom + 4 + sizes.large.cy};
        for (const RECT& r : {small, large}) {
            sheet.Checker(r);
            draw(sheet.Dc(), r, k);
        }
    }
}

RECT Margins(const TDataSkinObject& e) {
    return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
}

// A generic element: nine-slice with its own margins, tile and key settings.
void Generic(TSheetCanvas& sheet, const std::wstring& name, const TDataSkinObject* e,
             bool stacked = false) {
    if (!e || e->Bitmap.Empty()) {
        return;
    }
    ElementBlock(sheet, name, Describe(*e), e->Bitmap, e->Frame, stacked, TShape::Generic, *e,
                 [e, stacked](HDC dc, const RECT& r, int cell) {
                     skin::DrawElement(dc, r, e->Bitmap, stacked, e->Tile == 1, e->Trans != 0,
                                       e->Frame, cell, Margins(*e));
                 });
}

// A strip of cells drawn scaled as a whole (buttons of the caption, glyphs).
void Cells(TSheetCanvas& sheet, const std::wstring& name, const std::wstring& details,
           const TDib& bitmap, int frames, const TDataSkinObject& owner) {
    if (bitmap.Empty()) {
        return;
    }
    ElementBlock(sheet, name, details, bitmap, frames, false, TShape::Scaled, owner,
                 [&bitmap, frames](HDC dc, const RECT& r, int cell) {
                     skin::DrawFrameCell(dc, r, bitmap, true, frames, cell);
                 });
}

void FrameBorders(TSheetCanvas& sheet, const skin::TSkinModel& skin) {
    const struct {
        const skin::TDataSkinBorder& border;
        bool stacked;
    } borders[] = {{skin.BorderTop, true},
                   {skin.BorderLeft, false},
                   {skin.BorderRight, false},
                   {skin.BorderBottom, true}};
    for (const auto& [b, stacked] : borders) {
        if (b.Bitmap.Empty()) {
            continue;
        }
        // Cell 1 is the active frame, cell 2 the inactive one; the centre is
        // tiled unless the border's stretch setting is 1.
        ElementBlock(sheet, L"Border" + Wide(b.Name), Describe(b), b.Bitmap, b.Frame, stacked,
                     stacked ? TShape::Row : TShape::Column, b,
                     [&b = b, stacked = stacked](HDC dc, const RECT& r, int cell) {
                         skin::DrawElement(dc, r, b.Bitmap, stacked, b.Tile != 1, b.Trans != 0,
                                           b.Frame, cell, Margins(b));
                     });
    }
    if (const TDataSkinObject* bar = skin.MenuBar.get()) {
        ElementBlock(sheet, L"MenuBar", Describe(*bar), bar->Bitmap, 2, true, TShape::Row, *bar,
                     [bar](HDC dc, const RECT& r, int cell) {
                         skin::DrawStrip(dc, r, bar->Bitmap, true, false, 2, cell, Margins(*bar));
                     });
    }
}

void CaptionButtons(TSheetCanvas& sheet, const skin::TSkinModel& skin) {
    for (const auto& b : skin.SysButtons) {
        Cells(sheet, Wide(b->Name),
              L"Action " + std::to_wstring(b->Action) + L"   Align " + std::to_wstring(b->Align) +
                  L"   Visibility " + std::to_wstring(b->Visibility) + L"/" +
                  std::to_wstring(b->Visibility1) + L"   Frame " + std::to_wstring(b->Frame),
              b->Bitmap, b->Frame, *b);
    }
}

void Controls(TSheetCanvas& sheet, const skin::TSkinModel& s) {
    Generic(sheet, L"Buttons", &s.Buttons);
    Cells(sheet, L"CheckButton", L"Frame " + std::to_wstring(s.Buttons.CheckButtonFrame),
          s.Buttons.CheckBitmap, s.Buttons.CheckButtonFrame, s.Buttons);
    Cells(sheet, L"RadioButton", L"Frame " + std::to_wstring(s.Buttons.RadioButtonFrame),
          s.Buttons.RadioBitmap, s.Buttons.RadioButtonFrame, s.Buttons);
    Generic(sheet, L"Progress", s.Progress.get());
    Generic(sheet, L"GroupBoxEdge", s.GroupBoxEdge.get());
    Generic(sheet, L"GroupBox", s.GroupBox.get());
    Generic(sheet, L"Toolbars", s.Toolbars.get());
    Generic(sheet, L"Tabs", s.Tabs.get());
    if (s.Tabs && !s.Tabs->Bitmap2.Empty()) {
        const skin::TDataSkinBorder* tabs = s.Tabs.get();
        ElementBlock(sheet, L"Tabs.Border", L"page border ring, margins 4,5,4,4", tabs->Bitmap2, 1,
                     false, TShape::Generic, *tabs, [tabs](HDC dc, const RECT& r, int) {
                         skin::DrawElementRing(dc, r, tabs->Bitmap2, false, 1, 1, {4, 5, 4, 4});
                     });
    }
    Generic(sheet, L"StatusBarEdges", s.StatusBarEdges.get());
    Generic(sheet, L"ComboButton", s.ComboButton.get());
    if (s.ComboButton) {
        Cells(sheet, L"ComboButton.Mirrored", L"", s.ComboButton->Bitmap2, s.ComboButton->Frame,
              *s.ComboButton);
    }
    Generic(sheet, L"SunkEdge", s.SunkEdge.get());
    Generic(sheet, L"ExtraImages", s.ExtraImages.get());
    Generic(sheet, L"Headerbar", s.Headerbar.get());
    Generic(sheet, L"MenuItem", s.MenuItem.get());
    Generic(sheet, L"MenuBackground", s.MenuBackground.get());
    Generic(sheet, L"Scrollbar", s.Scrollbar.get());
    Generic(sheet, L"HorzScroll", s.HorzScroll.get());
    Generic(sheet, L"VertScroll", s.VertScroll.get());
    Generic(sheet, L"HorzScrollThumb", s.HorzScrollThumb.get());
    Generic(sheet, L"VertScrollThumb", s.VertScrollThumb.get());
    Generic(sheet, L"Trackbar.ThumbHorz", s.TrackbarThumbHorz.get());
    Generic(sheet, L"Trackbar.ThumbVert", s.TrackbarThumbVert.get());
    Generic(sheet, L"Trackbar.ThumbLeft", s.TrackbarThumbLeft.get());
    Generic(sheet, L"Trackbar.ThumbRight", s.TrackbarThumbRight.get());
    Generic(sheet, L"Trackbar.ThumbUp", s.TrackbarThumbUp.get());
    Generic(sheet, L"Trackbar.ThumbDown", s.TrackbarThumbDown.get());
    for (const auto* updown : {s.UpDownVert.get(), s.UpDownHorz.get()}) {
        if (!updown) {
            continue;
        }
        Generic(sheet, Wide(updown->Name), updown);
        Cells(sheet, Wide(updown->Name) + L".Glyphs", L"", updown->Bitmap2, updown->Frame, *updown);
    }
}

} // namespace

TDib RenderPreviewSheet(const skin::TSkinModel& skin) {
    TSheetCanvas sheet(9000);
    const std::wstring title = L"Skin preview: " + Wide(skin.SkinName);
    const POINT at = sheet.Place(sheet.TextWidth(title, true), LabelHeight);
    sheet.Text(at.x, at.y, title, Ink, true);
    sheet.NewRow();
    // Two windows of one size, active and inactive, and a wider one, at the
    // skin's scale.
    const int height = skin.Measure(250);
    const RECT mocks[] = {{0, 0, skin.Measure(420), height},
                          {0, 0, skin.Measure(420), height},
                          {0, 0, skin.Measure(520), height}};
    for (int i = 0; i < 3; ++i) {
        const POINT p = sheet.Place(mocks[i].right, mocks[i].bottom + LabelHeight);
        sheet.Text(p.x, p.y, i == 1 ? L"inactive" : L"active", Faint);
        const RECT window = {p.x, p.y + LabelHeight, p.x + mocks[i].right,
                             p.y + LabelHeight + mocks[i].bottom};
        DrawWindowMock(sheet.Dc(), window, skin, i != 1);
    }
    sheet.NewRow(24);
    FrameBorders(sheet, skin);
    sheet.NewRow(24);
    CaptionButtons(sheet, skin);
    sheet.NewRow(24);
    Controls(sheet, skin);
    sheet.NewRow();
    return sheet.Finish();
}

} // namespace skinpreview
