// Every fixed number the skin engine's component, manager and form frame
// share: the engine's private window messages, the manager's actions, the
// frame's states and kinds, and the codes a skin uses for its caption buttons.
// The message values are fixed: other programs' windows may answer them.
#pragma once

#include <cstdint>

namespace skin {

// --- Private window messages -------------------------------------------------
// Repaint the whole non-client area (posted by the MDI client's procedure).
constexpr unsigned WM_SKINPAINTFRAME = 0x3502;
// Posted right after a frame was attached (wParam 0, lParam 1000): the frame
// switches to the skin's metrics.
constexpr unsigned WM_SKINSTART = 0x3503;
constexpr long SkinStartParam = 1000;
// Sent before anything is attached: a window that already has a frame
// answers 1.
constexpr unsigned WM_SKINQUERY = 0x3504;
constexpr long SkinQueryAnswer = 1;
// Handled by the form hook: apply the skin's colours again and repaint.
constexpr unsigned WM_SKINREFRESH = 0x3401;
// Posted for a caption button whose action the engine does not carry out
// itself; wParam is the action.
constexpr unsigned WM_SKINBUTTONACTION = 0x3514;

// --- The manager's actions, carried out by its timer --------------------------
enum class TSkinAction : int32_t { None = 0, SwitchOn = 1, SwitchOff = 2, SkinChanged = 3 };
// Every action waits this long, so a burst of changes is carried out once.
constexpr int ActionDelayMs = 250;
// A form with this Tag is never skinned (fixed; not the component's DisableTag).
constexpr int RefusedFormTag = 99;

// --- Frame state (FState) -----------------------------------------------------
enum class TFrameState : int32_t {
    Attached = 0,   // attached, not started: no non-client painting yet
    Running = 1,    // after WM_SKINSTART and after each refresh
    Refreshing = 3, // applying a new skin (forces a new region)
    Destroying = 4, // inside WM_NCDESTROY, before the window's own handling
    Starting = 5,   // the first resize to the skin's metrics
    Destroyed = 6,  // the window is gone; the manager frees the frame
};

// FWindowKind.
enum class TWindowKind : uint8_t { Plain = 0, MdiFrame = 1, MdiChild = 2 };
// FBorderKind.
enum class TBorderKind : uint8_t { Sizeable = 0, Fixed = 1, NoFrame = 2, DialogFrame = 3 };
// FShowState.
enum class TShowState : uint8_t { Normal = 0, Maximized = 1, Minimized = 2 };

// FStyleBits: what the window's native caption had, as the frame saved it.
namespace style_bit {
constexpr uint8_t MaximizeBox = 1;
constexpr uint8_t MinimizeBox = 2;
constexpr uint8_t SystemMenu = 8;
constexpr uint8_t CaptionRemoved = 16;
} // namespace style_bit

// --- Caption buttons ----------------------------------------------------------
// Actions of a caption button (the skin's Action key).
namespace button_action {
constexpr int32_t Decoration = -1; // below 0: never reacts to the mouse
constexpr int32_t Close = 0;
constexpr int32_t Maximize = 1;
constexpr int32_t Minimize = 2;
constexpr int32_t SystemMenu = 3;
constexpr int32_t MdiMinimize = 7;
constexpr int32_t MdiRestore = 8;
constexpr int32_t MdiClose = 9;
constexpr int32_t IconMenu = 11;
constexpr int32_t SystemMenuAlt = 12;
constexpr int32_t MaximizeAlt = 22;
constexpr int32_t MinimizeAlt = 23;
constexpr int32_t MdiMinimizeAlt = 60;
constexpr int32_t MdiRestoreAlt = 61;
constexpr int32_t MdiCloseAlt = 62;
} // namespace button_action

// When a caption button shows (its Visibility and Visibility1 keys).
namespace visibility {
constexpr int32_t Always = 0; // Visibility: close needs a system menu
constexpr int32_t Maximized = 1;
constexpr int32_t NotMaximized = 2;
constexpr int32_t Active = 3;
constexpr int32_t Inactive = 4;
constexpr int32_t Never = 5;
constexpr int32_t MaximizeBox = 6; // Visibility: and a system menu
constexpr int32_t NoMaximizeBox = 7;
constexpr int32_t MinimizeBox = 8; // Visibility: and a system menu
constexpr int32_t NoMinimizeBox = 9;
constexpr int32_t MdiChild = 100;    // in the menu bar of an MDI frame with a maximised child
constexpr int32_t AlwaysFirst = 200; // 200..2000: always shown
constexpr int32_t AlwaysLast = 2000;
// Visibility1 of a decoration button that does not give it: no listed code,
// so the button is never shown.
constexpr int32_t DecorationDefault = -1;
// What a section must give as Visibility for a decoration button to be kept.
constexpr int32_t DecorationKept = Always;
} // namespace visibility

// How a caption button is anchored (the skin's Align key).
namespace button_align {
constexpr int32_t Left = 0;
constexpr int32_t Right = 1;
constexpr int32_t BeforeCaption = 2;
constexpr int32_t AfterCaption = 3;
constexpr int32_t BeforeCaptionAlt = 8;
constexpr int32_t AfterCaptionAlt = 9;
constexpr int32_t MdiChild = 100;
} // namespace button_align

// Cells of a caption button's bitmap (side by side).
namespace button_cell {
constexpr int Normal = 1;
constexpr int Pressed = 2;
constexpr int Hot = 3;
constexpr int Inactive = 4; // also the hot cell of the MDI child buttons
} // namespace button_cell

// How many cells a caption button's bitmap holds when its section gives no
// frame key: three when the bitmap is at most CompactRatio times as wide as
// high, else six (always six for a decoration button or without a bitmap).
namespace button_cells {
constexpr int32_t Compact = 3;
constexpr int32_t Full = 6;
constexpr double CompactRatio = 3.8;
// Each MDI child button: normal, pressed, hot and inactive.
constexpr int32_t Mdi = 4;
} // namespace button_cells

// TNCObject::FMouseState.
enum class TMouseState : int32_t { Normal = 1, Pressed = 2, Hot = 3 };

// An element's Tile key: its centre slice is repeated or stretched; larger
// values are read as Stretch. (A frame border keeps its Stretch key in the
// same field, where 1 means stretched.)
namespace tile_mode {
constexpr int32_t Stretch = 0;
constexpr int32_t Repeat = 1;
} // namespace tile_mode

// Cells of a border bitmap.
constexpr int ActiveCell = 1;
constexpr int InactiveCell = 2;

// PaintBorder's index.
enum class TBorderIndex { Left = 1, Right = 2, Top = 3, Bottom = 4 };

// The caption text's alignment (the title's TextAlignment key).
namespace text_align {
constexpr int32_t Left = 0;
constexpr int32_t Centre = 1;
constexpr int32_t Right = 2;
} // namespace text_align

// The system menu's items: tag = glyph index in MenuGlyphs.
namespace sys_menu_tag {
constexpr int Restore = 0;
constexpr int Maximize = 1;
constexpr int Minimize = 2;
constexpr int Close = 3;
constexpr int Separator = 100;
} // namespace sys_menu_tag
constexpr int SysMenuMenuTag = 33333;

} // namespace skin
