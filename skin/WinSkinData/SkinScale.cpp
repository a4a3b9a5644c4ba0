#include "skin/WinSkinData/SkinScale.h"

#include "skin/ImgUtil/PixelTransforms.h"
#include "skin/ImgUtil/ScaleArt.h"

#include <algorithm>
#include <array>

namespace skin {
namespace {

// The cells the skinners cut the title's and the menu bar's strips into:
// active and inactive, stacked.
constexpr int StackedStateCells = 2;

// Where a bitmap's cells lie and which margins each cell keeps, in 96-DPI
// pixels.
struct TCellLayout {
    int cells = 1;
    bool stacked = false;
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

TCellLayout LayoutOf(const TDataSkinObject& e, int cells, bool stacked) {
    return {cells, stacked, e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
}

TDib Cut(const TDib& art, int x, int y, int width, int height) {
    TDib piece(width, height);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            piece.SetPixel(column, row, art.Pixel(x + column, y + row));
        }
    }
    return piece;
}

void Paste(TDib& target, const TDib& piece, int x, int y) {
    for (int row = 0; row < piece.Height(); ++row) {
        for (int column = 0; column < piece.Width(); ++column) {
            target.SetPixel(x + column, y + row, piece.Pixel(column, row));
        }
    }
}

// `art` (drawn for `artDpi`) at `dpi`, cell by cell. Columns or rows past
// the last whole cell, which no skinner reads, are left out.
TDib ScaleCells(const TDib& art, int artDpi, TCellLayout layout, int dpi) {
    const int factor = artDpi / DesignDpi;
    const int cells = std::max(layout.cells, 1);
    const int along = layout.stacked ? art.Height() : art.Width();
    const int across = layout.stacked ? art.Width() : art.Height();
    const int cell = along / cells;
    if (cell == 0) {
        return ScaleArt(art, {}, {}, dpi, artDpi);
    }
    // At a whole scale every pixel is repeated: no piece can blend into
    // another, so the cells need no cutting apart.
    if (dpi % artDpi == 0) {
        const TDib used = layout.stacked ? Cut(art, 0, 0, across, cells * cell)
                                         : Cut(art, 0, 0, cells * cell, across);
        return ScaleArt(used, {}, {}, dpi, artDpi);
    }
    // Cuts along the strip lie in each cell; across it they are the same
    // for every cell.
    const int alongStart = factor * (layout.stacked ? layout.top : layout.left);
    const int alongEnd = factor * (layout.stacked ? layout.bottom : layout.right);
    const int acrossStart = factor * (layout.stacked ? layout.left : layout.top);
    const int acrossEnd = factor * (layout.stacked ? layout.right : layout.bottom);
    const std::array alongCuts{alongStart, cell - alongEnd};
    const std::array acrossCuts{acrossStart, across - acrossEnd};
    const int scaledCell = ScaleMeasure(cell, dpi, artDpi);
    const int scaledAcross = ScaleMeasure(across, dpi, artDpi);
    TDib scaled(layout.stacked ? scaledAcross : cells * scaledCell,
                layout.stacked ? cells * scaledCell : scaledAcross);
    for (int k = 0; k < cells; ++k) {
        if (layout.stacked) {
            const TDib piece = Cut(art, 0, k * cell, across, cell);
            Paste(scaled, ScaleArt(piece, acrossCuts, alongCuts, dpi, artDpi), 0, k * scaledCell);
        } else {
            const TDib piece = Cut(art, k * cell, 0, cell, across);
            Paste(scaled, ScaleArt(piece, alongCuts, acrossCuts, dpi, artDpi), k * scaledCell, 0);
        }
    }
    return scaled;
}

class TSkinScaler {
public:
    TSkinScaler(int dpi, const std::map<const TDib*, TDib>& doubleArt)
        : dpi_(dpi), doubleArt_(doubleArt) {}

    void Bitmap(TDib& bitmap, const TCellLayout& layout) const {
        if (bitmap.Empty()) {
            return;
        }
        const auto twice = doubleArt_.find(&bitmap);
        bitmap = twice != doubleArt_.end()
                     ? ScaleCells(twice->second, DoubleArtDrawnDpi, layout, dpi_)
                     : ScaleCells(bitmap, DesignDpi, layout, dpi_);
    }

    void Measure(int32_t& value) const { value = ScaleMeasure(value, dpi_); }

    void Margins(TDataSkinObject& e) const {
        for (int32_t* margin : {&e.LeftWidth, &e.TopHeight, &e.RightWidth, &e.BottomHeight}) {
            Measure(*margin);
        }
    }

    // An element whose cells lie side by side.
    void Element(TDataSkinObject* e) const {
        if (e) {
            Bitmap(e->Bitmap, LayoutOf(*e, e->Frame, false));
            Margins(*e);
        }
    }

private:
    const int dpi_;
    const std::map<const TDib*, TDib>& doubleArt_;
};

} // namespace

void ScaleSkin(TSkinModel& m, int dpi, const std::map<const TDib*, TDib>& doubleArt) {
    m.dpi = dpi;
    if (dpi == DesignDpi) {
        return;
    }
    const TSkinScaler scale(dpi, doubleArt);
    for (TDataSkinBorder* border : {&m.BorderLeft, &m.BorderRight}) {
        scale.Element(border);
    }
    for (TDataSkinBorder* border : {&m.BorderTop, &m.BorderBottom}) {
        scale.Bitmap(border->Bitmap, LayoutOf(*border, border->Frame, true));
        scale.Margins(*border);
    }

    TDataSkinTitle& title = m.Title;
    scale.Bitmap(title.Bitmap,
                 {StackedStateCells, true, title.TXTBackleft, 0, title.TXTBackRight, 0});
    scale.Margins(title);
    for (int32_t* measure : {&title.FontHeight, &title.TXTBackleft, &title.TXTBackRight}) {
        scale.Measure(*measure);
    }

    for (auto& button : m.SysButtons) {
        scale.Bitmap(button->Bitmap, {button->Frame});
        scale.Margins(*button);
        scale.Measure(button->Xcoord);
        scale.Measure(button->Ycoord);
    }

    TDataSkinButton& buttons = m.Buttons;
    scale.Element(&buttons);
    scale.Bitmap(buttons.CheckBitmap, {buttons.CheckButtonFrame});
    scale.Bitmap(buttons.RadioBitmap, {buttons.RadioButtonFrame});

    // The menu bar's two cells are stacked; every other element's lie side
    // by side.
    for (TDataSkinObject* e : m.OptionalElements()) {
        if (e) {
            const bool stacked = e == m.MenuBar.get();
            scale.Bitmap(e->Bitmap, LayoutOf(*e, stacked ? StackedStateCells : e->Frame, stacked));
            scale.Margins(*e);
        }
    }
    if (m.GroupBox) {
        scale.Measure(m.GroupBox->BackgroundLeftShift);
        scale.Measure(m.GroupBox->BackgroundRightShift);
    }

    // The second images: the tab page's border and the progress chunk are
    // single pictures, the up-down glyphs a strip like their buttons.
    for (TDataSkinBorder* e : {m.Tabs.get(), m.Progress.get()}) {
        if (e) {
            scale.Bitmap(e->Bitmap2, {});
        }
    }
    for (TDataSkinBorder* e : {m.UpDownHorz.get(), m.UpDownVert.get()}) {
        if (e) {
            scale.Bitmap(e->Bitmap2, {e->Frame});
        }
    }
    // The combo button's second image is its first one mirrored.
    if (TDataSkinBorder* combo = m.ComboButton.get()) {
        if (!combo->Bitmap.Empty()) {
            combo->Bitmap2 = combo->Bitmap;
            MirrorBitmap(combo->Bitmap2);
        }
    }
}

} // namespace skin
