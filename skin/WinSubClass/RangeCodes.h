// The fixed numbers of the range control skinners: the parts of a scroll bar
// a press or a scroll message concerns, the cells of the skin's scroll bar,
// track bar, up-down and progress strips, and the sizes they are drawn at.
#pragma once

namespace skin {

// TSkinScrollbar::FPressedPart and TSkinScControl::FPressedPart.
namespace ScrollPart {
constexpr int None = 0;
constexpr int LeftArrow = 1;
constexpr int RightArrow = 2;
constexpr int UpArrow = 3;
constexpr int DownArrow = 4;
constexpr int HorzThumb = 5;
constexpr int VertThumb = 6;
} // namespace ScrollPart

// Cells of the skin's scroll bar arrow strip (the Scrollbar element): four
// per arrow (normal, pressed, hot, disabled), then the corner and spares.
namespace ArrowCell {
constexpr int Left = 1;
constexpr int Right = 5;
constexpr int Up = 9;
constexpr int Down = 13;
constexpr int PressedStep = 1;
constexpr int DisabledStep = 3;
} // namespace ArrowCell

// Cells of a track strip (HorzScroll, VertScroll) and of a thumb.
namespace TrackCell {
constexpr int Normal = 1;
constexpr int Disabled = 4;
} // namespace TrackCell
namespace ThumbCell {
constexpr int Normal = 1;
constexpr int Pressed = 2;
} // namespace ThumbCell

// A bar is composed in an image this thick, then stretched to the bar.
constexpr int BarImageThickness = 16;
// Bars longer than this (in either direction) are not drawn.
constexpr int MaxBarImage = 10000;

// A track bar's thumb always shows this cell of its strip.
constexpr int TrackThumbCell = 2;

// The two halves of an up-down control and their states.
namespace UpDownKind {
constexpr int Up = 0;
constexpr int Down = 1;
constexpr int Left = 2;
constexpr int Right = 3;
} // namespace UpDownKind
namespace UpDownState {
constexpr int Normal = 1;
constexpr int Pressed = 2;
constexpr int Disabled = 3;
constexpr int Hot = 4;
} // namespace UpDownState
// An up-down strip holds four cells (one per state) for each of its halves.
constexpr int UpDownCellsPerHalf = 4;

// Cells of the progress strip.
namespace ProgressCell {
constexpr int Count = 2;
constexpr int Empty = 1;
constexpr int Filled = 2;
} // namespace ProgressCell

} // namespace skin
