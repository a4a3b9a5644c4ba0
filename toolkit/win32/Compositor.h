// The desktop compositor's per-window attributes that a program painting its
// own frames needs on Windows: whether the compositor draws the window's
// frame, whether it animates the window's minimise and maximise, and whether
// it rounds the window's corners. The compositor's library is loaded on first
// use and never required: a system without it (or Wine's, which accepts and
// ignores the requests) leaves the window as it is.
//
// Every request goes through one replaceable setter, the seam tests use to
// record what was asked without a compositor.
//
// Error policy: nothing throws; each request answers whether the compositor
// took it.
#pragma once

#include <windows.h>

#include <functional>

namespace tk::compositor {

// The compositor's attribute numbers and the values these requests give them
// (the window attribute enumeration of the compositor's interface).
enum class Attribute : DWORD {
    NonClientRendering = 2,
    TransitionsForceDisabled = 3,
    CornerPreference = 33,
};
// NonClientRendering's values: as the window's style says, or never.
constexpr DWORD RenderingByStyle = 0;
constexpr DWORD RenderingDisabled = 1;
// CornerPreference's value for square corners.
constexpr DWORD CornersNotRounded = 1;

// Asks the compositor to leave the window's frame (caption, buttons, borders)
// to its own non-client painting, or to draw it again as its style says.
bool SetFrameRendering(HWND window, bool byCompositor);
// Turns the compositor's minimise, maximise and restore animation of the
// window off or on again.
bool SetTransitions(HWND window, bool on);
// Asks for square corners (Windows 11 rounds popup windows and outlines them).
bool SetSquareCorners(HWND window);

// Where requests go: the window, the attribute and its 32-bit value; answers
// whether the request was taken.
using Setter = std::function<bool(HWND window, Attribute attribute, DWORD value)>;
// Sends every later request to `setter` (an empty one: to the compositor
// again); answers the setter it replaced. For tests.
Setter ReplaceSetter(Setter setter);

// Turns the window's transitions off for its own lifetime and on again after.
class TransitionsOff {
public:
    explicit TransitionsOff(HWND window) : window_(window) { SetTransitions(window_, false); }
    TransitionsOff(const TransitionsOff&) = delete;
    TransitionsOff& operator=(const TransitionsOff&) = delete;
    ~TransitionsOff() { SetTransitions(window_, true); }

private:
    HWND window_;
};

} // namespace tk::compositor
