// What a real Windows compositor and the system's default handling would
// draw over a skinned frame, checked at the Win32 boundary: the compositor's
// requests through its seam, and the messages a layer below the frame sees.
#include "tests/frame/MdiFixture.h"

#include "toolkit/win32/WindowSubclass.h"

#include <string>
#include <vector>

using namespace skin;
using namespace frametest;
using tk::compositor::Attribute;

namespace {

using Compositor = MdiTest;

constexpr RECT Bounds{80, 80, 440, 320};
constexpr RECT OtherBounds{120, 140, 420, 360};
// The undocumented messages with which Windows draws a themed caption and frame.
constexpr UINT DrawCaptionMessage = 0x00AE;
constexpr UINT DrawFrameMessage = 0x00AF;

// A layer under the frame: what of the caption's drawing gets past it.
class TSpyBelowFrame {
public:
    explicit TSpyBelowFrame(HWND window) : window_(window) {
        layer_.Install(window, [this](UINT msg, WPARAM wParam, LPARAM lParam) {
            const bool visible = (GetWindowLongPtrW(window_, GWL_STYLE) & WS_VISIBLE) != 0;
            if (msg == DrawCaptionMessage || msg == DrawFrameMessage) {
                ++captionDrawings;
            } else if (msg == WM_SETTEXT) {
                textVisible.push_back(visible);
            } else if (msg == WM_SETICON) {
                iconVisible.push_back(visible);
            }
            return layer_.CallNext(msg, wParam, lParam);
        });
    }
    int captionDrawings = 0;
    // WS_VISIBLE as each WM_SETTEXT and WM_SETICON found it.
    std::vector<bool> textVisible;
    std::vector<bool> iconVisible;

private:
    HWND window_;
    tk::WindowSubclass layer_;
};

std::wstring TextOf(HWND window) {
    wchar_t text[128] = {};
    GetWindowTextW(window, text, 128);
    return text;
}

TEST_F(Compositor, EveryTopLevelFrameIsLeftToTheSkinUntilSkinningIsOff) {
    const TCompositorRecord record;
    TSkinData& data = AddSkin(TOddSkin().Build());
    const HWND main = ShowRaw(Bounds);
    const HWND owned = ShowRaw(OtherBounds, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, main);
    const HWND form = ShowForm(OtherBounds).Handle();
    const HWND mdiFrame = ShowMdiFrame();
    const HWND child = CreateChild(L"Child");
    Settle();
    const std::vector<HWND> frames{main, owned, form, mdiFrame};
    for (HWND window : frames) {
        EXPECT_EQ(record.ValuesFor(window, Attribute::NonClientRendering),
                  std::vector<DWORD>{tk::compositor::RenderingDisabled})
            << TextOf(window);
    }
    EXPECT_TRUE(record.ValuesFor(child, Attribute::NonClientRendering).empty())
        << "an MDI child is no top-level window";

    data.SetActive(false);
    RunPendingAction();
    for (HWND window : frames) {
        EXPECT_EQ(record.ValuesFor(window, Attribute::NonClientRendering),
                  (std::vector<DWORD>{tk::compositor::RenderingDisabled,
                                      tk::compositor::RenderingByStyle}))
            << TextOf(window) << " after switching off";
    }
}

TEST_F(Compositor, TheSystemsCaptionDrawingNeverReachesTheScreenAndTheCaptionStillChanges) {
    TSkinData& data = AddSkin(TOddSkin().Build());
    const HWND raw = ShowRaw(Bounds);
    tk::Form& form = ShowForm(OtherBounds, "Form");
    data.SetActive(false);
    RunPendingAction();
    TSpyBelowFrame rawSpy(raw);
    TSpyBelowFrame formSpy(form.Handle());
    data.SetActive(true);
    RunPendingAction();
    Settle();
    for (HWND window : {raw, form.Handle()}) {
        SetForegroundWindow(window);
        Settle();
        const RECT outer = WindowRectOf(window);
        const RECT title{outer.left, outer.top, outer.right, outer.top + TOddSkin::Title};
        const guitest::Capture before = guitest::CaptureScreen(title);
        SendMessageW(window, DrawCaptionMessage, 0, 0);
        SendMessageW(window, DrawFrameMessage, 0, 0);
        if (window == raw) {
            SetWindowTextW(window, L"A much longer caption");
        } else {
            form.SetCaption("A much longer caption");
        }
        SendMessageW(window, WM_SETICON, ICON_SMALL,
                     reinterpret_cast<LPARAM>(LoadIconW(nullptr, IDI_APPLICATION)));
        Settle();
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(TextOf(window), L"A much longer caption");
        EXPECT_EQ(FrameOf(window)->FCaption, L"A much longer caption");
        EXPECT_NE(guitest::CaptureScreen(title).pixels, before.pixels)
            << "the title bar shows the new caption";
    }
    for (const TSpyBelowFrame* spy : {&rawSpy, &formSpy}) {
        EXPECT_EQ(spy->captionDrawings, 0);
        EXPECT_EQ(spy->textVisible, std::vector<bool>{false});
        EXPECT_EQ(spy->iconVisible, std::vector<bool>{false});
    }
}

TEST_F(Compositor, AMaximisedFrameFillsItsMonitorsWorkArea) {
    AddSkin(TOddSkin().Build());
    const HWND sizeable = ShowRaw(Bounds);
    const HWND fixed =
        ShowRaw(OtherBounds, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MAXIMIZEBOX);
    const HWND form = ShowForm(Bounds).Handle();
    for (HWND window : {sizeable, fixed, form}) {
        const RECT normal = WindowRectOf(window);
        ShowWindow(window, SW_MAXIMIZE);
        Settle();
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        ASSERT_TRUE(GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor));
        const RECT maximized = WindowRectOf(window);
        EXPECT_TRUE(EqualRect(&maximized, &monitor.rcWork))
            << maximized.left << "," << maximized.top << "," << maximized.right << ","
            << maximized.bottom;
        ShowWindow(window, SW_RESTORE);
        Settle();
        const RECT restored = WindowRectOf(window);
        EXPECT_TRUE(EqualRect(&restored, &normal));
    }
}

} // namespace
