// Raw Win32 MDI windows for the frame and menu tests: a frame with a
// "&Window" menu and its MDI client, children made through the client.
#pragma once

#include "tests/frame/FrameFixture.h"

namespace frametest {

class MdiTest : public FrameTest {
protected:
    MdiTest();

    // An MDI frame with a menu and its client, shown and activated, at
    // `bounds`; `exStyle` for the frame (a right-to-left layout, say).
    HWND ShowMdiFrame(const RECT& bounds = {40, 40, 600, 460}, DWORD exStyle = 0);
    // A child made through the client, then the menu refresh a program sends.
    HWND CreateChild(const wchar_t* title);
    // The client of the frame shown last.
    static HWND Client();

    HMENU menu_ = nullptr;
    HWND frame_ = nullptr;
};

} // namespace frametest
