#include "skin/WinSubClass/KeptPiece.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "skin/WinSkinData/WinSkinData.h"

#include <algorithm>
#include <cstring>

namespace skin {

const TDib& TKeptPiece::Render(const TDataSkinObject& element, int w, int h, int cellCount,
                               int cellIndex, const RECT& margins, bool tile) {
    if (source != &element.Bitmap || width != w || height != h || count != cellCount ||
        cell != cellIndex || pixels.Empty()) {
        pixels =
            RenderElement({0, 0, w, h}, element.Bitmap, margins, false, tile, cellCount, cellIndex);
        source = &element.Bitmap;
        width = w;
        height = h;
        count = cellCount;
        cell = cellIndex;
    }
    return pixels;
}

void CopyKeyed(TDib& image, int x, int y, const TDib& piece, bool keyed) {
    GdiFlush();
    const int w = std::min(piece.Width(), image.Width() - x);
    const int h = std::min(piece.Height(), image.Height() - y);
    if (x < 0 || y < 0 || w <= 0 || h <= 0) {
        return;
    }
    const bool sameFormat = piece.BitsPerPixel() == image.BitsPerPixel();
    const int bytes = image.BytesPerPixel();
    for (int row = 0; row < h; ++row) {
        if (sameFormat && !keyed) {
            std::memcpy(image.Row(y + row) + x * bytes, piece.Row(row), size_t(w * bytes));
            continue;
        }
        for (int column = 0; column < w; ++column) {
            const Colour c = piece.Pixel(column, row);
            if (!keyed || c != KeyColour) {
                image.SetPixel(x + column, y + row, c);
            }
        }
    }
}

} // namespace skin
