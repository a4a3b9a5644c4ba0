#include "tools/skingen/Canvas.h"

#include <algorithm>
#include <cstdlib>

namespace skingen {

using skin::BlueOf;
using skin::GreenOf;
using skin::KeyColour;
using skin::MakeColour;
using skin::RedOf;

Colour Mix(Colour a, Colour b, int t) {
    const auto mix = [t](int x, int y) { return uint8_t(x + (y - x) * t / 255); };
    return MakeColour(mix(RedOf(a), RedOf(b)), mix(GreenOf(a), GreenOf(b)),
                      mix(BlueOf(a), BlueOf(b)));
}

TCanvas::TCanvas(TDib& dib, int ox, int oy, int width, int height)
    : dib_(dib), ox_(ox), oy_(oy), width_(width < 0 ? dib.Width() - ox : width),
      height_(height < 0 ? dib.Height() - oy : height) {}

void TCanvas::Plot(int x, int y, Colour c) {
    if (Inside(x, y)) {
        dib_.SetPixel(ox_ + x, oy_ + y, c);
    }
}

Colour TCanvas::At(int x, int y) const {
    return Inside(x, y) ? dib_.Pixel(ox_ + x, oy_ + y) : KeyColour;
}

void TCanvas::Glow(int x, int y, Colour c, int t) {
    if (Inside(x, y) && At(x, y) != KeyColour) {
        Plot(x, y, Mix(At(x, y), c, t));
    }
}

void TCanvas::Fill(int x, int y, int w, int h, Colour c) {
    for (int j = std::max(y, 0); j < std::min(y + h, height_); ++j) {
        for (int i = std::max(x, 0); i < std::min(x + w, width_); ++i) {
            dib_.SetPixel(ox_ + i, oy_ + j, c);
        }
    }
}

void TCanvas::Frame(int x, int y, int w, int h, Colour c) {
    HLine(x, y, w, c);
    HLine(x, y + h - 1, w, c);
    VLine(x, y, h, c);
    VLine(x + w - 1, y, h, c);
}

void TCanvas::VGradient(int x, int y, int w, int h, Colour top, Colour bottom) {
    for (int j = 0; j < h; ++j) {
        HLine(x, y + j, w, Mix(top, bottom, h > 1 ? j * 255 / (h - 1) : 0));
    }
}

void TCanvas::HGradient(int x, int y, int w, int h, Colour left, Colour right) {
    for (int i = 0; i < w; ++i) {
        VLine(x + i, y, h, Mix(left, right, w > 1 ? i * 255 / (w - 1) : 0));
    }
}

bool TCanvas::OutsideCorner(int x, int y, int x0, int y0, int w, int h, int r) {
    if (r <= 0) {
        return false;
    }
    // Centre of the corner circle that (x, y) belongs to, if any.
    int cx = 0, cy = 0;
    if (x < x0 + r) {
        cx = x0 + r;
    } else if (x >= x0 + w - r) {
        cx = x0 + w - r - 1;
    } else {
        return false;
    }
    if (y < y0 + r) {
        cy = y0 + r;
    } else if (y >= y0 + h - r) {
        cy = y0 + h - r - 1;
    } else {
        return false;
    }
    const int dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy > r * r;
}

void TCanvas::RoundFill(int x, int y, int w, int h, int r, Colour c) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if (!OutsideCorner(i, j, x, y, w, h, r)) {
                Plot(i, j, c);
            }
        }
    }
}

void TCanvas::RoundFrame(int x, int y, int w, int h, int r, Colour c) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if (OutsideCorner(i, j, x, y, w, h, r)) {
                continue;
            }
            // An edge pixel has a 4-neighbour outside the shape.
            const bool edge =
                i == x || j == y || i == x + w - 1 || j == y + h - 1 ||
                OutsideCorner(i - 1, j, x, y, w, h, r) || OutsideCorner(i + 1, j, x, y, w, h, r) ||
                OutsideCorner(i, j - 1, x, y, w, h, r) || OutsideCorner(i, j + 1, x, y, w, h, r);
            if (edge) {
                Plot(i, j, c);
            }
        }
    }
}

void TCanvas::KeyCorners(int r, bool top, bool bottom) {
    for (int j = 0; j < height_; ++j) {
        for (int i = 0; i < width_; ++i) {
            const bool inTop = j < r, inBottom = j >= height_ - r;
            if (((inTop && top) || (inBottom && bottom)) &&
                OutsideCorner(i, j, 0, 0, width_, height_, r)) {
                Plot(i, j, KeyColour);
            }
        }
    }
}

void TCanvas::Line(int x0, int y0, int x1, int y1, Colour c, int thick) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (true) {
        Fill(x0, y0, thick, thick, c);
        if (x0 == x1 && y0 == y1) {
            break;
        }
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void TCanvas::Arrow(int cx, int cy, int s, int direction, Colour c) {
    // Rows of growing width from the tip: s + 1 rows, the last 2s + 1 wide.
    for (int k = 0; k <= s; ++k) {
        const int along = k - s / 2;
        switch (direction) {
        case 0:
            HLine(cx - k, cy + along, 2 * k + 1, c);
            break;
        case 1:
            HLine(cx - k, cy - along, 2 * k + 1, c);
            break;
        case 2:
            VLine(cx + along, cy - k, 2 * k + 1, c);
            break;
        default:
            VLine(cx - along, cy - k, 2 * k + 1, c);
            break;
        }
    }
}

void TCanvas::Disc(int cx, int cy, int r, Colour c) {
    for (int j = -r; j <= r; ++j) {
        for (int i = -r; i <= r; ++i) {
            if (i * i + j * j <= r * r + r / 2) {
                Plot(cx + i, cy + j, c);
            }
        }
    }
}

void TCanvas::Ring(int cx, int cy, int r, Colour c) {
    for (int j = -r; j <= r; ++j) {
        for (int i = -r; i <= r; ++i) {
            const int d = i * i + j * j;
            if (d <= r * r + r / 2 && d > (r - 1) * (r - 1) + (r - 1) / 2) {
                Plot(cx + i, cy + j, c);
            }
        }
    }
}

} // namespace skingen
