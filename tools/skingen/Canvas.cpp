#include "tools/skingen/Canvas.h"

#include <algorithm>
#include <cmath>
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

TCanvas::TCanvas(TDib& dib, int ox, int oy, int width, int height, int scale)
    : dib_(dib), ox_(ox), oy_(oy), width_(scale * width), height_(scale * height), scale_(scale) {}

void TCanvas::FinePlot(int x, int y, Colour c) {
    if (Inside(x, y)) {
        dib_.SetPixel(ox_ + x, oy_ + y, c);
    }
}

void TCanvas::FineFill(int x, int y, int w, int h, Colour c) {
    for (int j = std::max(y, 0); j < std::min(y + h, height_); ++j) {
        for (int i = std::max(x, 0); i < std::min(x + w, width_); ++i) {
            dib_.SetPixel(ox_ + i, oy_ + j, c);
        }
    }
}

void TCanvas::Plot(int x, int y, Colour c) {
    FineFill(scale_ * x, scale_ * y, scale_, scale_, c);
}

Colour TCanvas::At(int x, int y) const {
    return Inside(scale_ * x, scale_ * y) ? dib_.Pixel(ox_ + scale_ * x, oy_ + scale_ * y)
                                          : KeyColour;
}

void TCanvas::Glow(int x, int y, Colour c, int t) {
    for (int j = scale_ * y; j < scale_ * (y + 1); ++j) {
        for (int i = scale_ * x; i < scale_ * (x + 1); ++i) {
            if (Inside(i, j)) {
                const Colour under = dib_.Pixel(ox_ + i, oy_ + j);
                if (under != KeyColour) {
                    FinePlot(i, j, Mix(under, c, t));
                }
            }
        }
    }
}

void TCanvas::Fill(int x, int y, int w, int h, Colour c) {
    FineFill(scale_ * x, scale_ * y, scale_ * w, scale_ * h, c);
}

// One outline per pixel of the bitmap the 1x line is wide.
void TCanvas::Frame(int x, int y, int w, int h, Colour c) {
    for (int k = 0; k < scale_; ++k) {
        const int fx = scale_ * x + k, fy = scale_ * y + k;
        const int fw = scale_ * w - 2 * k, fh = scale_ * h - 2 * k;
        FineFill(fx, fy, fw, 1, c);
        FineFill(fx, fy + fh - 1, fw, 1, c);
        FineFill(fx, fy, 1, fh, c);
        FineFill(fx + fw - 1, fy, 1, fh, c);
    }
}

void TCanvas::VGradient(int x, int y, int w, int h, Colour top, Colour bottom) {
    const int rows = scale_ * h;
    for (int j = 0; j < rows; ++j) {
        FineFill(scale_ * x, scale_ * y + j, scale_ * w, 1,
                 Mix(top, bottom, rows > 1 ? j * 255 / (rows - 1) : 0));
    }
}

void TCanvas::HGradient(int x, int y, int w, int h, Colour left, Colour right) {
    const int columns = scale_ * w;
    for (int i = 0; i < columns; ++i) {
        FineFill(scale_ * x + i, scale_ * y, 1, scale_ * h,
                 Mix(left, right, columns > 1 ? i * 255 / (columns - 1) : 0));
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
    FineRoundFill(scale_ * x, scale_ * y, scale_ * w, scale_ * h, scale_ * r, c);
}

void TCanvas::RoundFrame(int x, int y, int w, int h, int r, Colour c) {
    for (int k = 0; k < scale_; ++k) {
        FineRoundFrame(scale_ * x + k, scale_ * y + k, scale_ * w - 2 * k, scale_ * h - 2 * k,
                       std::max(scale_ * r - k, 0), c);
    }
}

void TCanvas::FineRoundFill(int x, int y, int w, int h, int r, Colour c) {
    for (int j = y; j < y + h; ++j) {
        for (int i = x; i < x + w; ++i) {
            if (!OutsideCorner(i, j, x, y, w, h, r)) {
                FinePlot(i, j, c);
            }
        }
    }
}

void TCanvas::FineRoundFrame(int x, int y, int w, int h, int r, Colour c) {
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
                FinePlot(i, j, c);
            }
        }
    }
}

void TCanvas::KeyCorners(int r, bool top, bool bottom) {
    const int fr = scale_ * r;
    for (int j = 0; j < height_; ++j) {
        for (int i = 0; i < width_; ++i) {
            const bool inTop = j < fr, inBottom = j >= height_ - fr;
            if (((inTop && top) || (inBottom && bottom)) &&
                OutsideCorner(i, j, 0, 0, width_, height_, fr)) {
                FinePlot(i, j, KeyColour);
            }
        }
    }
}

void TCanvas::Line(int x0, int y0, int x1, int y1, Colour c, int thick) {
    x0 *= scale_;
    y0 *= scale_;
    x1 *= scale_;
    y1 *= scale_;
    thick *= scale_;
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (true) {
        FineFill(x0, y0, thick, thick, c);
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
    if (scale_ > 1) {
        FineArrow(cx, cy, s, direction, c);
        return;
    }
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

// The 1x triangle's outline (its rows span s + 1 pixels from the tip to a
// base 2s + 1 wide) filled row by row at the canvas's scale, each row as
// wide as the outline is at its middle and centred on the 1x centre pixel.
void TCanvas::FineArrow(int cx, int cy, int s, int direction, Colour c) {
    const int length = s + 1, base = 2 * s + 1;
    const bool vertical = direction <= 1;
    const int centre2 = scale_ * (2 * (vertical ? cx : cy) + 1); // in half fine pixels
    const int parity = centre2 % 2;
    const int tipFirst = scale_ * ((vertical ? cy : cx) - s / 2);        // up, left
    const int tipLast = scale_ * ((vertical ? cy : cx) + s / 2 + 1) - 1; // down, right
    for (int r = 0; r < scale_ * length; ++r) {
        const double width = (r + 0.5) * base / length; // in fine pixels
        const int fine =
            std::max(parity + 2 * int(std::lround((width - parity) / 2)), parity == 1 ? 1 : 2);
        const int across = (centre2 - fine) / 2;
        const int along = direction == 0 || direction == 2 ? tipFirst + r : tipLast - r;
        if (vertical) {
            FineFill(across, along, fine, 1, c);
        } else {
            FineFill(along, across, 1, fine, c);
        }
    }
}

void TCanvas::FineCircle(int cx, int cy, double outer, double inner, Colour c) {
    const double centreX = cx + 0.5, centreY = cy + 0.5;
    const int first = -scale_ * int(std::ceil(outer)), last = scale_ * int(std::ceil(outer));
    for (int j = scale_ * cy + first; j <= scale_ * cy + last; ++j) {
        for (int i = scale_ * cx + first; i <= scale_ * cx + last; ++i) {
            const double distance =
                std::hypot((i + 0.5) / scale_ - centreX, (j + 0.5) / scale_ - centreY);
            if (distance <= outer && distance > inner) {
                FinePlot(i, j, c);
            }
        }
    }
}

void TCanvas::Disc(int cx, int cy, int r, Colour c) {
    if (scale_ > 1) {
        FineCircle(cx, cy, r + 0.5, -1, c);
        return;
    }
    for (int j = -r; j <= r; ++j) {
        for (int i = -r; i <= r; ++i) {
            if (i * i + j * j <= r * r + r / 2) {
                Plot(cx + i, cy + j, c);
            }
        }
    }
}

void TCanvas::Ring(int cx, int cy, int r, Colour c) {
    if (scale_ > 1) {
        FineCircle(cx, cy, r + 0.5, r - 0.5, c);
        return;
    }
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
