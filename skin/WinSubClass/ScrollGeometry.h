// Where the parts of a skinned scroll bar lie: the bars of a scrollable
// window inside its window rectangle, the two arrows, the track between them
// and the thumb on it, which part a point along the bar hits, and the scroll
// position a dragged thumb stands for. Pure arithmetic on the numbers the
// system reports (no windows.h), so every rule is tested natively.
//
// Lengths run along the bar's axis, in pixels from the bar's start; the
// thumb position is counted from the start of the track (the end of the
// first arrow).
//
// Error policy: none needed; every function answers for any input (a range
// that makes no sense keeps the previous thumb, divisions by zero give the
// nearest sensible value).
#pragma once

#include <cstdint>

namespace skin {

// A rectangle in window coordinates (RECT's layout).
struct TBarRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const TBarRect&) const = default;
};

// The scroll information of one bar (SCROLLINFO's range, page and position).
struct TScrollRange {
    int nMin = 0;
    int nMax = 0;
    uint32_t nPage = 0;
    int nPos = 0;
};

// One bar along its axis.
struct TBarGeometry {
    int arrow = 0; // length of each arrow
    int track = 0; // length between the arrows
    int thumbSize = 0;
    int thumbPos = 0; // from the track's start
    bool operator==(const TBarGeometry&) const = default;
};

// What a point along a bar hits: the scroll code the press stands for (the
// system's SB_ values), or Nothing past the bar's end.
enum class TBarPart : int {
    LineUp = 0,   // SB_LINEUP, SB_LINELEFT
    LineDown = 1, // SB_LINEDOWN, SB_LINERIGHT
    PageUp = 2,   // SB_PAGEUP
    PageDown = 3, // SB_PAGEDOWN
    Thumb = 5,    // SB_THUMBTRACK
    Nothing = -1,
};

// The system's numbers the geometry depends on.
struct TBarMetrics {
    int arrow = 0;        // SM_CXHSCROLL: arrow length and bar thickness
    int defaultThumb = 0; // SM_CXHTHUMB: the thumb of a bar without a page
    int minThumb = 0;     // the smallest proportional thumb (MinimumThumb)
};

// The smallest proportional thumb: 8 pixels on the NT family, half an arrow
// on the old consumer systems.
constexpr int NtMinimumThumb = 8;
constexpr int MinimumThumb(int arrowMetric, bool consumerSystem) {
    return consumerSystem ? arrowMetric / 2 : NtMinimumThumb;
}

// MulDiv: a * b / c rounded to the nearest, halves away from zero; -1 when
// c is 0 or the result overflows (as the system's).
int MulDivRound(int a, int b, int c);

// Arrows and track of a bar `length` long: arrows of the metric, or two
// halves and no track when the bar is shorter than two arrows. The thumb is
// left as it was.
void SetBarLength(TBarGeometry& bar, int length, int arrowMetric);

// The thumb of a window's scroll bar from its scroll information; false
// (geometry unchanged) when the range is empty or inverted. A page as large
// as the range fills the track less one pixel and sits at the start.
bool WindowThumb(TBarGeometry& bar, const TScrollRange& info, const TBarMetrics& metrics);

// The thumb of a scroll bar control, whose range counts both ends (a page
// of max - min + 1 shows everything); false when the range is inverted or
// the full 32-bit span.
bool ControlThumb(TBarGeometry& bar, const TScrollRange& info, const TBarMetrics& metrics);

// Whether the thumb is drawn: it has pixels and fits the track.
constexpr bool ThumbShown(const TBarGeometry& bar) {
    return bar.thumbSize > 0 && bar.track >= bar.thumbSize;
}

// Which part of the bar lies `offset` pixels from its start.
TBarPart HitTestBar(const TBarGeometry& bar, int offset);

// One step of a thumb drag: where the thumb is drawn and the scroll
// position it stands for.
struct TDragStep {
    int thumbPos = 0;
    int position = 0;
    bool operator==(const TDragStep&) const = default;
};

// The thumb dragged to `wanted` pixels from the track's start (any value:
// the pointer may leave the window). With a page the position runs to
// nMax - nPage + 1 (the system's last position with a page); without one to
// nMax. The thumb itself never leaves its track.
TDragStep DragThumbTo(const TBarGeometry& bar, const TScrollRange& info, int wanted);

// Window styles the layout reads (the system's values).
constexpr uint32_t HorzBarStyle = 0x00100000;   // WS_HSCROLL
constexpr uint32_t VertBarStyle = 0x00200000;   // WS_VSCROLL
constexpr uint32_t LeftBarExStyle = 0x00004000; // WS_EX_LEFTSCROLLBAR

// Where a window's scroll bars lie in its window rectangle.
struct TBarsLayout {
    bool hasHorz = false;
    bool hasVert = false;
    TBarRect horz;
    TBarRect vert;
    TBarRect corner; // between the bars, when both are there
};

// The window's outer and client sizes, its styles, the arrow metric and the
// edge metric (SM_CXEDGE, the border of a window without bars). The border
// around the bars is what the window has beyond its client area and bar.
TBarsLayout LayoutBars(int width, int height, int clientWidth, int clientHeight, uint32_t style,
                       uint32_t exStyle, int arrowMetric, int edgeMetric);

} // namespace skin
