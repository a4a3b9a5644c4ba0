#include "skin/WinSubClass/ScrollGeometry.h"

#include <algorithm>
#include <limits>

namespace skin {
namespace {

constexpr int64_t IntMax = std::numeric_limits<int>::max();
constexpr int64_t IntMin = std::numeric_limits<int>::min();
// A control's range may not span every 32-bit value (its count would not fit).
constexpr int64_t FullControlSpan = IntMax;

int ClampToInt(int64_t value) {
    return int(std::clamp(value, IntMin, IntMax));
}

// MulDiv over 64-bit operands; -1 for a zero divisor, as the system's.
int64_t MulDiv64(int64_t a, int64_t b, int64_t c) {
    if (c == 0) {
        return -1;
    }
    if (c < 0) {
        a = -a;
        c = -c;
    }
    const int64_t product = a * b;
    return product >= 0 ? (product + c / 2) / c : (product - c / 2) / c;
}

// The thumb for a page of `page` over a range counting `span` steps: the
// shared rule of window bars and controls, which differ only in what they
// count as the span (max - min, or one more for a control).
void PlaceThumb(TBarGeometry& bar, const TScrollRange& info, int64_t span,
                const TBarMetrics& metrics) {
    const int64_t track = bar.track;
    const int64_t page = info.nPage;
    int64_t size = page != 0 ? std::max<int64_t>(MulDiv64(page, track, span), metrics.minThumb)
                             : metrics.defaultThumb;
    size = std::min(size, track);
    int64_t position = 0;
    if (page == span) {
        size -= 1;
    } else {
        position = MulDiv64(int64_t(info.nPos) - info.nMin, track - size, span - page);
        position = std::min(position, track - size);
    }
    // A position before the range or a page beyond it would put the thumb
    // outside its track.
    bar.thumbSize = ClampToInt(std::max<int64_t>(size, 0));
    bar.thumbPos = ClampToInt(std::max<int64_t>(position, 0));
}

} // namespace

int MulDivRound(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const int64_t result = MulDiv64(a, b, c);
    return result > IntMax || result < -IntMax ? -1 : int(result);
}

void SetBarLength(TBarGeometry& bar, int length, int arrowMetric) {
    length = std::max(length, 0);
    if (length < 2 * arrowMetric) {
        bar.arrow = length / 2;
        bar.track = 0;
    } else {
        bar.arrow = arrowMetric;
        bar.track = length - 2 * arrowMetric;
    }
}

bool WindowThumb(TBarGeometry& bar, const TScrollRange& info, const TBarMetrics& metrics) {
    const int64_t range = int64_t(info.nMax) - info.nMin;
    if (range <= 0) {
        return false;
    }
    PlaceThumb(bar, info, range, metrics);
    return true;
}

bool ControlThumb(TBarGeometry& bar, const TScrollRange& info, const TBarMetrics& metrics) {
    const int64_t range = int64_t(info.nMax) - info.nMin;
    if (range < 0 || range >= FullControlSpan) {
        return false;
    }
    PlaceThumb(bar, info, range + 1, metrics);
    return true;
}

TBarPart HitTestBar(const TBarGeometry& bar, int offset) {
    // A thumb that is not drawn cannot be hit: its track pages both ways.
    const int thumb = ThumbShown(bar) ? bar.thumbSize : 0;
    if (offset < 0) {
        return TBarPart::Nothing;
    }
    if (offset < bar.arrow) {
        return TBarPart::LineUp;
    }
    if (offset < bar.arrow + bar.thumbPos) {
        return TBarPart::PageUp;
    }
    if (offset < bar.arrow + bar.thumbPos + thumb) {
        return TBarPart::Thumb;
    }
    if (offset < bar.arrow + bar.track) {
        return TBarPart::PageDown;
    }
    if (offset < 2 * bar.arrow + bar.track) {
        return TBarPart::LineDown;
    }
    return TBarPart::Nothing;
}

TDragStep DragThumbTo(const TBarGeometry& bar, const TScrollRange& info, int wanted) {
    const int64_t range = int64_t(info.nMax) - info.nMin;
    const int64_t page = info.nPage;
    const int64_t room = std::max(bar.track - bar.thumbSize, 0);
    int64_t along = std::max(wanted, 0);
    int64_t position = info.nMin;
    if (page != 0) {
        along = std::min<int64_t>(along, bar.track);
        if (bar.track > 0) {
            position = MulDiv64(along, range, bar.track) + info.nMin;
        }
        const int64_t last = int64_t(info.nMax) - page;
        if (position >= last) {
            position = last + 1;
        }
    } else {
        along = std::min(along, room);
        if (room > 0) {
            position = MulDiv64(along, range, room) + info.nMin;
        }
        position = std::min<int64_t>(position, info.nMax);
    }
    position = std::max<int64_t>(position, info.nMin);
    return {ClampToInt(std::min(along, room)), ClampToInt(position)};
}

TBarsLayout LayoutBars(int width, int height, int clientWidth, int clientHeight, uint32_t style,
                       uint32_t exStyle, int arrowMetric, int edgeMetric) {
    TBarsLayout bars;
    bars.hasHorz = (style & HorzBarStyle) != 0;
    bars.hasVert = (style & VertBarStyle) != 0;
    const int b = arrowMetric;
    const int w = width;
    const int h = height;
    int a = edgeMetric;
    if (bars.hasVert) {
        a = (w - clientWidth - b) / 2;
    } else if (bars.hasHorz) {
        a = (h - clientHeight - b) / 2;
    }
    a = std::max(a, 0);
    const bool left = (exStyle & LeftBarExStyle) != 0;
    if (bars.hasHorz && bars.hasVert) {
        if (left) {
            bars.horz = {a + b, h - a - b, w - a, h - a};
            bars.vert = {a, a, a + b, h - a - b};
            bars.corner = {a, h - a - b, a + b, h - a};
        } else {
            bars.horz = {a, h - a - b, w - a - b, h - a};
            bars.vert = {w - a - b, a, w - a, h - a - b};
            bars.corner = {w - a - b, h - a - b, w - a, h - a};
        }
    } else if (bars.hasHorz) {
        bars.horz = {a, h - a - b, w - a, h - a};
    } else if (bars.hasVert) {
        bars.vert = left ? TBarRect{a, a, a + b, h - a} : TBarRect{w - a - b, a, w - a, h - a};
    }
    return bars;
}

} // namespace skin
