#include "tools/skingen/Art.h"

#include <algorithm>
#include <array>

namespace skingen {
namespace {

using skin::KeyColour;
using G = TFrameGeometry;

int MockWidth(const TTheme& t) {
    return t.leftWidth + G::TopWidth + t.rightWidth;
}
int MockHeight(const TTheme& t) {
    return t.titleHeight + G::SideMiddle + t.bottomHeight;
}

// The whole frame of a small window drawn in one piece, so the borders cut
// from it meet exactly: rounded outline, title gradient, the accent line
// under the title and the thin line around the client area.
TDib FrameMock(const TTheme& t, const TFrameColours& f) {
    const int w = MockWidth(t);
    const int h = MockHeight(t);
    const int right = w - t.rightWidth; // first column of the right border
    TDib mock(w, h);
    TCanvas c(mock);
    c.Fill(0, 0, w, h, f.body);
    c.VGradient(0, 0, w, t.titleHeight, f.titleTop, f.titleBottom);
    c.HLine(0, 1, w, Mix(f.titleTop, f.glyph, 40)); // soft highlight under the top edge
    c.HLine(t.leftWidth, t.titleHeight - 1, G::TopWidth, f.accent);
    c.HLine(t.leftWidth, t.titleHeight - 1, 28, f.accent2);
    // Glow of the accent line on the rows above it.
    for (int x = t.leftWidth; x < right; ++x) {
        const Colour glow = x < t.leftWidth + 28 ? f.accent2 : f.accent;
        c.Glow(x, t.titleHeight - 2, glow, 70);
        c.Glow(x, t.titleHeight - 3, glow, 25);
    }
    c.VLine(t.leftWidth - 1, t.titleHeight, h - t.titleHeight - t.bottomHeight, f.inner);
    c.VLine(right, t.titleHeight, h - t.titleHeight - t.bottomHeight, f.inner);
    c.HLine(t.leftWidth - 1, h - t.bottomHeight, G::TopWidth + 2, f.inner);
    c.KeyCorners(t.topRadius, true, false);
    c.KeyCorners(t.bottomRadius, false, true);
    // The outline follows the shape: every pixel next to the key or the edge.
    TDib shape = mock;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (shape.Pixel(x, y) == KeyColour) {
                continue;
            }
            const auto outside = [&](int i, int j) {
                return i < 0 || j < 0 || i >= w || j >= h || shape.Pixel(i, j) == KeyColour;
            };
            if (outside(x - 1, y) || outside(x + 1, y) || outside(x, y - 1) || outside(x, y + 1)) {
                c.Plot(x, y, f.edge);
            }
        }
    }
    return mock;
}

// Copies the w x h block at (sx, sy) of `from` to (dx, dy) of `to`.
void CopyBlock(const TDib& from, int sx, int sy, int w, int h, TDib& to, int dx, int dy) {
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            to.SetPixel(dx + x, dy + y, from.Pixel(sx + x, sy + y));
        }
    }
}

// A border cut from the active and the inactive mock: cells side by side for
// the side borders, stacked for the top and bottom ones. The cell is the
// mock's block at (sx, sy) of w x h; with `ends` > 0 it is joined from the
// block's first `ends` columns, the mock's last `ends` columns before the
// right border, and the block's middle between them, so both rounded corners
// of a bottom border shorter than the mock come out.
TDib BorderPiece(const TTheme& t, int sx, int sy, int w, int h, bool stacked, int ends = 0) {
    TDib out(stacked ? w : 2 * w, stacked ? 2 * h : h);
    const std::array mocks = {FrameMock(t, t.active), FrameMock(t, t.inactive)};
    for (int i = 0; i < 2; ++i) {
        const TDib& mock = mocks[size_t(i)];
        const int dx = stacked ? 0 : i * w, dy = stacked ? i * h : 0;
        CopyBlock(mock, sx, sy, w, h, out, dx, dy);
        if (ends > 0) {
            CopyBlock(mock, MockWidth(t) - t.rightWidth - ends, sy, ends, h, out, dx + w - ends,
                      dy);
        }
    }
    return out;
}

} // namespace

TDib TopBorder(const TTheme& t) {
    return BorderPiece(t, t.leftWidth, 0, G::TopWidth, t.titleHeight, true);
}

TDib BottomBorder(const TTheme& t) {
    // The bottom border runs between the side borders; its cell is the mock's
    // bottom rows, cut to BottomWidth with the mock's own right end.
    return BorderPiece(t, t.leftWidth, MockHeight(t) - t.bottomHeight, G::BottomWidth,
                       t.bottomHeight, true, G::BottomEnd);
}

TDib LeftBorder(const TTheme& t) {
    return BorderPiece(t, 0, 0, t.leftWidth, MockHeight(t), false);
}

TDib RightBorder(const TTheme& t) {
    return BorderPiece(t, MockWidth(t) - t.rightWidth, 0, t.rightWidth, MockHeight(t), false);
}

void DrawGlyph(TCanvas& c, TGlyph glyph, int cx, int cy, int size, Colour colour, Colour back,
               int weight) {
    const int h = size / 2;
    // Strokes of `weight` pixels per pixel of the 1x glyph: the same weight
    // on the screen, finer edges.
    const auto frame = [&](int x, int y, int w, int ht) {
        for (int i = 0; i < weight; ++i) {
            c.Frame(x + i, y + i, w - 2 * i, ht - 2 * i, colour);
        }
    };
    const int gap = 3 * weight; // the restore glyph's offset between its windows
    switch (glyph) {
    case TGlyph::Close:
        c.Line(cx - h, cy - h, cx + h - 1, cy + h - 1, colour, 2 * weight);
        c.Line(cx + h - 1, cy - h, cx - h, cy + h - 1, colour, 2 * weight);
        break;
    case TGlyph::Maximise:
        frame(cx - h, cy - h, size, size);
        c.Fill(cx - h, cy - h + weight, size, weight, colour);
        break;
    case TGlyph::Restore:
        frame(cx - h + gap, cy - h, size - gap, size - gap);
        c.Fill(cx - h, cy - h + gap, size - gap, size - gap, back);
        frame(cx - h, cy - h + gap, size - gap, size - gap);
        break;
    case TGlyph::Minimise:
        c.Fill(cx - h, cy + h - 2 * weight, size, 2 * weight, colour);
        break;
    case TGlyph::RollUp:
        c.Arrow(cx, cy, h, 0, colour);
        break;
    case TGlyph::RollDown:
        c.Arrow(cx, cy, h, 1, colour);
        break;
    }
}

namespace {

// One caption button cell: state 1 normal, 2 pressed, 3 hot, 4 inactive.
void CaptionCell(const TTheme& t, TCanvas& c, TGlyph glyph, int state, int scale) {
    const int w = c.Width(), h = c.Height(), r = scale * t.buttonRadius;
    c.Fill(0, 0, w, h, KeyColour);
    const bool danger = glyph == TGlyph::Close;
    Colour ink = t.active.glyph;
    switch (state) {
    case 2:
        c.RoundFill(0, 0, w, h, r, danger ? Mix(t.active.accent2, 0, 90) : t.facePressed);
        c.RoundFrame(0, 0, w, h, r, danger ? t.active.accent2 : t.active.accent);
        ink = t.highlightText;
        break;
    case 3:
        c.RoundFill(0, 0, w, h, r, danger ? t.active.accent2 : t.faceHot);
        c.RoundFrame(0, 0, w, h, r, danger ? Mix(t.active.accent2, 0xFFFFFF, 90) : t.active.accent);
        ink = danger ? t.highlightText : t.active.accent;
        break;
    case 4:
        ink = t.inactive.glyph;
        break;
    default:
        break;
    }
    const Colour fill = c.At(w / 2, h / 2); // the button's own fill, or the key
    const int glyphSize = scale * (t.buttonHeight - 10 + t.buttonHeight % 2);
    DrawGlyph(c, glyph, w / 2, h / 2, glyphSize, ink, fill, scale);
}

} // namespace

TDib CaptionButton(const TTheme& t, TGlyph glyph, int scale) {
    const int w = scale * t.buttonWidth, h = scale * t.buttonHeight;
    TDib out(4 * w, h);
    for (int state = 1; state <= 4; ++state) {
        TCanvas c(out, (state - 1) * w, 0, w, h);
        CaptionCell(t, c, glyph, state, scale);
    }
    return out;
}

TDib CaptionAnimation(const TTheme& t, TGlyph glyph) {
    // Six steps of the glyph lighting up, for skins that animate hovering.
    TDib out(6 * t.buttonWidth, t.buttonHeight);
    for (int step = 0; step < 6; ++step) {
        TCanvas c(out, step * t.buttonWidth, 0, t.buttonWidth, t.buttonHeight);
        c.Fill(0, 0, c.Width(), c.Height(), KeyColour);
        const Colour ink = Mix(t.active.glyph, t.active.accent, step * 51);
        DrawGlyph(c, glyph, c.Width() / 2, c.Height() / 2, c.Height() - 10 + c.Height() % 2, ink,
                  KeyColour);
    }
    return out;
}

TDib CaptionDecoration(const TTheme& t) {
    // A short neon dash after the caption text: normal, pressed, hot, inactive.
    constexpr int W = 18, H = 8;
    TDib out(4 * W, H);
    for (int state = 1; state <= 4; ++state) {
        TCanvas c(out, (state - 1) * W, 0, W, H);
        c.Fill(0, 0, W, H, KeyColour);
        const TFrameColours& f = state == 4 ? t.inactive : t.active;
        c.RoundFill(0, 2, 6, 4, 2, f.accent2);
        c.RoundFill(8, 2, 10, 4, 2, f.accent);
    }
    return out;
}

TDib MenuBar(const TTheme& t) {
    const int w = G::MenuBarWidth, h = t.menuBarHeight;
    TDib out(w, 2 * h);
    for (int i = 0; i < 2; ++i) {
        const TFrameColours& f = i == 0 ? t.active : t.inactive;
        TCanvas c(out, 0, i * h, w, h);
        c.VGradient(0, 0, w, h, Mix(t.menuBar, f.titleTop, 60), t.menuBar);
        c.HLine(0, h - 1, w, Mix(t.menuBar, f.accent, 90));
        c.VLine(0, 0, h, f.inner);
        c.VLine(w - 1, 0, h, f.inner);
    }
    return out;
}

TDib MdiButtons(const TTheme& t) {
    // Twelve cells: minimise, restore, close, four states each.
    constexpr int W = 16, H = 14;
    TDib out(12 * W, H);
    const std::array glyphs = {TGlyph::Minimise, TGlyph::Restore, TGlyph::Close};
    for (int b = 0; b < 3; ++b) {
        for (int state = 1; state <= 4; ++state) {
            TCanvas c(out, (4 * b + state - 1) * W, 0, W, H);
            const bool lit = state == 2 || state == 4;
            c.Fill(0, 0, W, H, lit ? t.faceHot : t.face);
            c.Frame(0, 0, W, H, lit ? t.lineHot : t.line);
            DrawGlyph(c, glyphs[size_t(b)], W / 2, H / 2, 6, state == 2 ? t.highlight : t.mark,
                      lit ? t.faceHot : t.face);
        }
    }
    return out;
}

TDib CaptionBack(const TTheme& t) {
    // A pill as tall as the title bar less 6 pixels above and below, its
    // rounded ends within TXTBackleft / TXTBackRight.
    constexpr int W = 60, Inset = 6;
    const int h = t.titleHeight;
    TDib out(W, 2 * h);
    for (int i = 0; i < 2; ++i) {
        const TFrameColours& f = i == 0 ? t.active : t.inactive;
        TCanvas c(out, 0, i * h, W, h);
        c.Fill(0, 0, W, h, KeyColour);
        const int r = std::min(t.caption.backLeft, (h - 2 * Inset) / 2);
        c.RoundFill(0, Inset, W, h - 2 * Inset, r, f.inner);
        c.RoundFrame(0, Inset, W, h - 2 * Inset, r, f.accent);
    }
    return out;
}

TDib PinButton(const TTheme& t) {
    constexpr int S = 20;
    TDib out(3 * S, S);
    for (int state = 1; state <= 3; ++state) {
        TCanvas c(out, (state - 1) * S, 0, S, S);
        c.Fill(0, 0, S, S, KeyColour);
        if (state > 1) {
            c.RoundFill(0, 0, S, S, 4, state == 2 ? t.active.inner : t.active.titleTop);
        }
        const Colour ink = state == 2 ? t.active.accent : t.active.glyph;
        c.Disc(S / 2, 7, 4, ink);
        c.VLine(S / 2, 11, 6, ink);
    }
    return out;
}

TDib CaptionDash(const TTheme& t) {
    constexpr int W = 16, H = 6;
    TDib out(6 * W, H);
    for (int cell = 0; cell < 6; ++cell) {
        TCanvas c(out, cell * W, 0, W, H);
        c.Fill(0, 0, W, H, KeyColour);
        const TFrameColours& f = cell == 3 ? t.inactive : t.active;
        c.RoundFill(0, 1, W, H - 2, 2, f.accent);
    }
    return out;
}

} // namespace skingen
