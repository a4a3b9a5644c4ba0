// Helpers for GUI tests that run real windows under Wine: pump messages, drive
// the mouse, read back what reached the screen, compare pixels, and keep a PNG
// of the capture when a comparison fails.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace guitest {

// Dispatches this thread's messages until none arrived for `quietMs`, or
// `maxMs` passed. Paint and timer messages count as activity.
void PumpUntilIdle(int quietMs = 60, int maxMs = 3000);

// Dispatches messages for `ms` milliseconds (for timers that must fire).
void PumpFor(int ms);

// Moves the pointer to the screen's bottom-right corner, away from every test
// window, and pumps until idle. The pointer is shared by every process on
// the display: one left over a place where a test's window comes up makes
// the system send that window a mouse move of its own, at a moment of its
// choosing, among the ones the test posts. Tests that follow the pointer
// call this before they show their windows.
void ParkPointer();

// Posts a mouse move / left click at a point in the window's client area, then
// pumps until idle (no message for `quietMs`).
void MouseMove(HWND window, POINT client, int quietMs = 60);
void Click(HWND window, POINT client, int quietMs = 60);

// The same at a screen point: the message goes to the window under the point,
// with the point converted to its client coordinates (as the system does).
HWND MouseMoveScreen(POINT screen);
HWND ClickScreen(POINT screen);

// A visible dialog (a message box) of this thread, or none.
HWND VisibleDialog();

// Pixels as 0x00RRGGBB, top-down rows.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    bool SavePng(const std::string& path) const;
};

// Reads a screen rectangle through GetDC(NULL) + BitBlt into a DIB section.
Capture CaptureScreen(const RECT& screen);
// The whole window (frame included) or only its client area, as on screen.
Capture CaptureWindow(HWND window);
Capture CaptureClient(HWND window);

// 0x00RRGGBB from a COLORREF.
constexpr uint32_t Rgb(COLORREF c) {
    return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}

// Comparisons. On failure the capture is saved as a PNG in the working
// directory, named after the running test, and the message names the file.
::testing::AssertionResult PixelIs(const Capture& capture, int x, int y, COLORREF expected);
::testing::AssertionResult RectIs(const Capture& capture, const RECT& rect, COLORREF expected);
::testing::AssertionResult SameRect(const Capture& a, const RECT& ra, const Capture& b, POINT at);

// Saves the capture next to the test output as <suite>.<test>-<label>.png and
// returns the path.
std::string SaveForTest(const Capture& capture, const std::string& label);

// Milliseconds from this process's creation to now (for start-up benchmarks).
double MillisecondsSinceProcessStart();
// Runs this program once more with `arguments`, waits for it and answers
// its exit code, which the child sets non-zero when it did its work. Now
// and then Wine cannot map a new process's shared user data and ends it
// before any of its code ran (a status with the sign bit set): such a run,
// or one that answered 0, is made again, a few times; 0 when none worked.
DWORD RunSelf(const std::wstring& arguments);

// Live objects of this process, for leak tests (GetGuiResources is a stub
// that answers 0 under Wine):
// - gdi: GetGuiResources where it answers; otherwise every GDI handle index
//   probed with GetObjectType (a handle value without its upper word names
//   the live object at that index);
// - windows: top-level windows, their descendants and message-only windows,
//   enumerated, without the system's input method windows;
// - menus: every USER handle index probed with IsMenu;
// - hooks: the executable's calls to SetWindowsHookEx less its successful
//   UnhookWindowsHookEx calls, counted from start-up through its import
//   table (the system offers no way to list hooks).
// Wine makes objects of its own on the first use of many paths (cached device
// contexts, IME windows): run a path once before taking the baseline.
struct ObjectCounts {
    int gdi = 0;
    int windows = 0;
    int menus = 0;
    int hooks = 0;
};
ObjectCounts CountLiveObjects();

// Brushes, pens, fonts and bitmaps the executable deleted while they were
// selected into a device context, since WatchDeletions was first called.
// Windows refuses such a deletion and the object lives on (a leak); Wine
// deletes it later, once it is deselected, so the live counts alone never
// show it. The watch wraps every SelectObject and DeleteObject of the
// executable from then on, so only the tests that read the count start it.
void WatchDeletions();
int RefusedDeletions();

// Device contexts and regions among the live GDI objects. Wine grows and
// shrinks its cache of window device contexts on demand, and keeps the clip
// region of a destroyed shaped window until its window surface goes a moment
// later: leak tests compare these with a small lag allowed, everything else
// exactly.
struct WineCachedObjects {
    int dcs = 0;
    int regions = 0;
};
WineCachedObjects CountWineCachedObjects();
bool operator==(const ObjectCounts& a, const ObjectCounts& b);
std::ostream& operator<<(std::ostream& out, const ObjectCounts& counts);

} // namespace guitest
