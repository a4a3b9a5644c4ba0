// The fixed numbers of the range control skinners: the parts of a scroll bar
// a press or a scroll message concerns, the cells of the skin's scroll bar,
// track bar, up-down and progress strips, and the sizes they are drawn at.
#pragma once

namespace skin {

// TSkinScrollbar::FPressedPart and TSkinScControl::FPressedPart.
namespace scroll_part {
constexpr int None = 0;
constexpr int LeftArrow = 1;
constexpr int RightArrow = 2;
constexpr int UpArrow = 3;
constexpr int DownArrow = 4;
constexpr int HorzThumb = 5;
constexpr int VertThumb = 6;
} // namespace scroll_part

// Cells of the skin's scroll bar arrow strip (the Scrollbar element): four
// per arrow (normal, pressed, hot, disabled), then the corner and spares.
namespace arrow_cell {
constexpr int Left = 1;
constexpr int Right = 5;
constexpr int Up = 9;
constexpr int Down = 13;
constexpr int PressedStep = 1;
constexpr int DisabledStep = 3;
} // namespace arrow_cell

// Cells of a track strip (HorzScroll, VertScroll) and of a thumb.
namespace track_cell {
constexpr int Normal = 1;
constexpr int Disabled = 4;
} // namespace track_cell
namespace thumb_cell {
constexpr int Normal = 1;
constexpr int Pressed = 2;
} // namespace thumb_cell

// A bar is composed in an image this thick (at 96 DPI; the skin's scale
// grows it), then stretched to the bar.
constexpr int BarImageThickness = 16;
// Bars longer than this (in either direction) are not drawn.
constexpr int MaxBarImage = 10000;

// A track bar's thumb always shows this cell of its strip.
constexpr int TrackThumbCell = 2;

// The two halves of an up-down control and their states.
namespace up_down_kind {
constexpr int Up = 0;
constexpr int Down = 1;
constexpr int Left = 2;
constexpr int Right = 3;
} // namespace up_down_kind
namespace up_down_state {
constexpr int Normal = 1;
constexpr int Pressed = 2;
constexpr int Disabled = 3;
constexpr int Hot = 4;
} // namespace up_down_state
// An up-down strip holds four cells (one per state) for each of its halves.
constexpr int UpDownCellsPerHalf = 4;
// Which half of an up-down control a point is in: the first (up or left),
// the second (down or right), or neither.
namespace up_down_half {
constexpr int None = -1;
constexpr int First = 0;
constexpr int Second = 1;
} // namespace up_down_half

// Cells of the progress strip.
namespace progress_cell {
constexpr int Count = 2;
constexpr int Empty = 1;
constexpr int Filled = 2;
} // namespace progress_cell

} // namespace skin
