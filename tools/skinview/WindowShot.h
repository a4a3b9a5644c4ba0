// What --screenshot does: waits until a window is fully painted, reads the
// window's rectangle back from the screen, describes its geometry in one
// line and writes the PNG.
#pragma once

#include "tools/screencapture/ScreenCapture.h"

#include <windows.h>

#include <filesystem>
#include <string>

namespace skinview {

// Dispatches this thread's messages for `ms` milliseconds: the skin
// manager's and the frames' timers run, posted start messages arrive and
// every pending paint is done.
void PumpMessages(int ms);

// Repaints the window, frame and children included, and lets the result
// reach the screen.
void PaintCompletely(HWND window);

// "window W x H, client L T R B": the outer size and the client rectangle
// in window coordinates.
std::string DescribeWindow(HWND window);

// The window's rectangle as the screen shows it, cut to the screen.
screencapture::TScreenPixels CaptureWindowArea(HWND window);

// Writes the pixels as a PNG; throws std::runtime_error when it cannot.
void WritePng(const std::filesystem::path& file, const screencapture::TScreenPixels& shot);

} // namespace skinview
