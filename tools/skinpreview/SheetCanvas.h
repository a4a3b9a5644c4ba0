// The drawing surface of the preview sheet: a bitmap in a memory DC with a
// cursor that places blocks left to right and wraps to the next row.
#pragma once

#include "skin/ImgUtil/ImgUtil.h"

#include <string>

namespace skinpreview {

class TSheetCanvas {
public:
    static constexpr int Width = 1400;
    static constexpr int Margin = 16;
    static constexpr int Gap = 12;

    explicit TSheetCanvas(int height);
    TSheetCanvas(const TSheetCanvas&) = delete;
    TSheetCanvas& operator=(const TSheetCanvas&) = delete;

    HDC Dc() const { return dc_; }

    // Starts a new row below everything placed so far.
    void NewRow(int spacing = Gap);
    // Reserves a w x h block on the current row (wrapping when it does not
    // fit) and returns its top-left corner.
    POINT Place(int w, int h);
    int Bottom() const { return rowTop_ + rowHeight_; }

    void Fill(const RECT& r, COLORREF colour);
    void Outline(const RECT& r, COLORREF colour);
    // A checkerboard that makes colour-keyed (transparent) pixels visible.
    void Checker(const RECT& r);
    // Text in the label font; returns its width.
    int Text(int x, int y, const std::wstring& text, COLORREF colour, bool heading = false);
    int TextWidth(const std::wstring& text, bool heading = false);

    // The pixels, cut to the height actually used.
    skin::TDib Finish();

private:
    skin::TDib pixels_;
    tk::OwnedFont label_;
    tk::OwnedFont heading_;
    // Last: the context goes before the fonts it may still hold.
    tk::BitmapDC dc_;
    int x_ = Margin;
    int rowTop_ = Margin;
    int rowHeight_ = 0;
};

} // namespace skinpreview
