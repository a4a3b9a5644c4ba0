// The fixed numbers of the container and input skinners: the state cells of
// the combo box images, the cells of the skin's extra images and status bar
// edges, and where group box captions, status texts and combo buttons go.
#pragma once

namespace skin {

// Cells of the combo box's frame (SunkEdge), button (ComboButton) and arrow
// (ExtraImages), one per state, in the order of the button strip.
namespace combo_frame {
constexpr int Normal = 1;
constexpr int Pressed = 2;
constexpr int Disabled = 3;
constexpr int Hot = 4; // mouse over, or focused
} // namespace combo_frame

// The combo box's edit area lies this far inside the window; the button is
// this much wider than a scroll bar arrow.
constexpr int ComboFrameWidth = 2;
constexpr int ComboButtonExtra = 2;
// ComboButton Style of the simple drawing.
constexpr int ComboSimpleStyle = 1;

// Cell of the skin's extra images that holds the status bar's size grip.
constexpr int SizeGripCell = 5;

// Cells of the status bar edges strip (StatusBarEdges), one per bevel.
namespace status_bevel {
constexpr int Lowered = 1;
constexpr int Raised = 2;
constexpr int None = 3;
constexpr int Count = 3;
} // namespace status_bevel
// A panel's text keeps this far from its left and right edges.
constexpr int StatusTextInset = 2;

// A group box caption starts this far from the box's left edge; the rounded
// frame's corners are this wide and high.
constexpr int GroupCaptionIndent = 9;
constexpr int GroupCornerSize = 5;

} // namespace skin
