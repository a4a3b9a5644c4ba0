// The fixed numbers of the control skinners: their mouse bits and states, the
// cells of the skin's button strip, and the text formats they measure and
// draw captions with.
#pragma once

#include <windows.h>

#include <cstdint>

namespace skin {

// TSkinControl::FMouseState.
namespace mouse_bit {
constexpr uint8_t Over = 1;
constexpr uint8_t Pressed = 2;
} // namespace mouse_bit

// TSkinControl::FState.
enum class TSkinnerState : int32_t {
    Detached = 0,
    Attached = 1,
    WindowDestroyed = 6, // the window passed WM_NCDESTROY; the frame frees the skinner
};

// Cells of the skin's button strip (the Buttons element), side by side.
namespace button_frame {
constexpr int Normal = 1;
constexpr int Pressed = 2;
constexpr int Disabled = 3;
constexpr int Hot = 4; // mouse over, or focused
constexpr int Default = 5;
constexpr int Count = 5;
} // namespace button_frame

// Cells of a multi-cell glyph (the toolkit's glyph order: up, disabled, down).
namespace glyph_image {
constexpr int Up = 1;
constexpr int Disabled = 2;
constexpr int Down = 3;
constexpr int CellsForStates = 4; // only a glyph of this many cells shows its state cells
} // namespace glyph_image

// Cells of a check box or radio button strip.
namespace box_frame {
constexpr int Unchecked = 1;
constexpr int Checked = 2;
constexpr int Indeterminate = 4;
// The disabled look is two cells after the enabled one.
constexpr int DisabledStep = 2;
// A 12-cell check strip and an 8-cell radio strip order their cells
// differently; these are the cells of their normal and disabled looks.
constexpr int WideCheckCells = 12;
constexpr int WideRadioCells = 8;
constexpr int WideChecked = 5;
constexpr int WideDisabledUnchecked = 4;
constexpr int WideDisabledChecked = 8;
constexpr int WideIndeterminate = 9;
constexpr int WideDisabledIndeterminate = 12;
// Boxes narrower than this are centred in the system's 14-pixel box column.
constexpr int CentredBelow = 15;
constexpr int BoxColumn = 14;
// A check box sits this far right of the left edge.
constexpr int CheckIndent = 2;
// The background strip beside the box is this much wider than the check mark.
constexpr int StripExtra = 3;
} // namespace box_frame

// The focus cue of a skinned button or tab lies this far inside its edge.
constexpr int FocusCueInset = 3;

// BM_GETSTATE bits.
constexpr LRESULT CheckedBit = BST_CHECKED;
constexpr LRESULT IndeterminateBit = BST_INDETERMINATE;

// The low four style bits of a BUTTON window (its kind).
constexpr DWORD ButtonKindMask = 0x0F;

// Text formats of the caption helpers.
constexpr UINT MeasureExtra = DT_EXPANDTABS | DT_CALCRECT | DT_NOCLIP;
constexpr UINT AlignedCaptionFormat = DT_SINGLELINE | DT_EXPANDTABS;                 // 0x60
constexpr UINT ImageCaptionFormat = DT_SINGLELINE | DT_EXPANDTABS | DT_END_ELLIPSIS; // 0x8060
// DrawImageCaption's image index for none.
constexpr int NoImage = -1;
// DrawImageCaption's alignment (left is 0).
constexpr int ImageCaptionCentre = 1;
constexpr int ImageCaptionRight = 2;
// Left of a tab or header caption, and left of the caption after its icon.
constexpr int ImageCaptionIndent = 2;
constexpr int ImageCaptionGap = 1;
// Captions of disabled push buttons.
constexpr COLORREF DisabledButtonText = 0x808080;

// Window text read into a buffer of this many characters.
constexpr int MaxCaptionChars = 1000;

} // namespace skin
