#include "tools/skinpreview/SheetCanvas.h"

#include <algorithm>

namespace skinpreview {

namespace {

constexpr COLORREF Background = RGB(44, 46, 56);

HFONT MakeFont(int height, int weight) {
    return CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                       DEFAULT_PITCH, L"Tahoma");
}

} // namespace

TSheetCanvas::TSheetCanvas(int height)
    : pixels_(Width, height), label_(MakeFont(11, FW_NORMAL)), heading_(MakeFont(14, FW_BOLD)),
      dc_(skin::NativeBitmap(pixels_)) {
    Fill({0, 0, Width, height}, Background);
    SetBkMode(dc_, TRANSPARENT);
}

void TSheetCanvas::NewRow(int spacing) {
    if (rowHeight_ > 0) {
        rowTop_ += rowHeight_ + spacing;
    }
    x_ = Margin;
    rowHeight_ = 0;
}

POINT TSheetCanvas::Place(int w, int h) {
    if (x_ > Margin && x_ + w > Width - Margin) {
        NewRow();
    }
    const POINT at = {x_, rowTop_};
    x_ += w + Gap;
    rowHeight_ = std::max(rowHeight_, h);
    return at;
}

void TSheetCanvas::Fill(const RECT& r, COLORREF colour) {
    SetDCBrushColor(dc_, colour);
    FillRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void TSheetCanvas::Outline(const RECT& r, COLORREF colour) {
    SetDCBrushColor(dc_, colour);
    FrameRect(dc_, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void TSheetCanvas::Checker(const RECT& r) {
    for (int y = r.top; y < r.bottom; y += 6) {
        for (int x = r.left; x < r.right; x += 6) {
            const bool dark = ((x - r.left) / 6 + (y - r.top) / 6) % 2;
            Fill({x, y, std::min<int>(x + 6, r.right), std::min<int>(y + 6, r.bottom)},
                 dark ? RGB(150, 150, 158) : RGB(200, 200, 206));
        }
    }
}

int TSheetCanvas::Text(int x, int y, const std::wstring& text, COLORREF colour, bool heading) {
    SelectObject(dc_, (heading ? heading_ : label_).get());
    SetTextColor(dc_, colour);
    RECT r = {x, y, Width, y + 40};
    skin::DrawSkinText(dc_, text, r, DT_SINGLELINE | DT_NOPREFIX);
    return TextWidth(text, heading);
}

int TSheetCanvas::TextWidth(const std::wstring& text, bool heading) {
    SelectObject(dc_, (heading ? heading_ : label_).get());
    SIZE size{};
    GetTextExtentPoint32W(dc_, text.data(), int(text.size()), &size);
    return size.cx;
}

skin::TDib TSheetCanvas::Finish() {
    GdiFlush();
    const int height = std::min(Bottom() + Margin, pixels_.Height());
    skin::TDib out(Width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < Width; ++x) {
            out.SetPixel(x, y, pixels_.Pixel(x, y));
        }
    }
    return out;
}

} // namespace skinpreview
