// Proves the chain every GUI test relies on: a thread CBT hook sees a window
// being created and activated, GDI painting reaches the screen exactly as
// drawn, and a posted click arrives at the window with its coordinates.
#include "tests/guitest/GuiTest.h"

#include <filesystem>
#include <vector>

namespace {

constexpr COLORREF LeftColour = RGB(220, 20, 60);
constexpr COLORREF RightColour = RGB(0, 128, 255);
constexpr COLORREF Dot = RGB(1, 2, 3);
constexpr int Width = 200;
constexpr int Height = 100;

struct Seen {
    std::vector<POINT> downs;
    int ups = 0;
};

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* seen = reinterpret_cast<Seen*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        const RECT left = {0, 0, Width / 2, Height};
        const RECT right = {Width / 2, 0, Width, Height};
        HBRUSH leftBrush = CreateSolidBrush(LeftColour);
        HBRUSH rightBrush = CreateSolidBrush(RightColour);
        FillRect(dc, &left, leftBrush);
        FillRect(dc, &right, rightBrush);
        DeleteObject(leftBrush);
        DeleteObject(rightBrush);
        SetPixel(dc, 10, 10, Dot);
        EndPaint(window, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
        seen->downs.push_back({short(LOWORD(lParam)), short(HIWORD(lParam))});
        return 0;
    case WM_LBUTTONUP:
        ++seen->ups;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Hook state lives with the test: the hook procedure has no context argument.
struct HookLog {
    std::vector<HWND> created;
    std::vector<HWND> activated;
};
HookLog* ActiveLog = nullptr;
HHOOK InstalledHook = nullptr;

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (ActiveLog && code == HCBT_CREATEWND) {
        ActiveLog->created.push_back(HWND(wParam));
    }
    if (ActiveLog && code == HCBT_ACTIVATE) {
        ActiveLog->activated.push_back(HWND(wParam));
    }
    return CallNextHookEx(InstalledHook, code, wParam, lParam);
}

class WineChain : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = ProbeProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"KanvioProbe";
        RegisterClassW(&wc);
    }
    void TearDown() override {
        if (window_) {
            DestroyWindow(window_);
        }
        guitest::PumpUntilIdle();
    }
    HWND Open() {
        window_ =
            CreateWindowExW(0, L"KanvioProbe", L"probe", WS_POPUP | WS_VISIBLE, 120, 90, Width,
                            Height, nullptr, nullptr, GetModuleHandleW(nullptr), &seen_);
        SetForegroundWindow(window_);
        guitest::PumpUntilIdle();
        return window_;
    }
    HWND window_ = nullptr;
    Seen seen_;
};

TEST_F(WineChain, ThreadHookSeesCreationAndActivation) {
    HookLog log;
    ActiveLog = &log;
    InstalledHook = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, InstalledHook);
    Open();
    UnhookWindowsHookEx(InstalledHook);
    ActiveLog = nullptr;

    EXPECT_NE(log.created.end(), std::find(log.created.begin(), log.created.end(), window_));
    EXPECT_NE(log.activated.end(), std::find(log.activated.begin(), log.activated.end(), window_));
}

TEST_F(WineChain, CaptureReadsBackExactPaintedPixels) {
    Open();
    const guitest::Capture capture = guitest::CaptureClient(window_);
    ASSERT_EQ(Width, capture.width);
    ASSERT_EQ(Height, capture.height);
    EXPECT_TRUE(guitest::RectIs(capture, {0, 0, Width / 2, 10}, LeftColour));
    EXPECT_TRUE(guitest::RectIs(capture, {Width / 2, 0, Width, Height}, RightColour));
    EXPECT_TRUE(guitest::PixelIs(capture, 10, 10, Dot));
    EXPECT_TRUE(guitest::PixelIs(capture, 11, 10, LeftColour));
}

TEST_F(WineChain, FailedComparisonKeepsThePicture) {
    Open();
    const guitest::Capture capture = guitest::CaptureClient(window_);
    const ::testing::AssertionResult result = guitest::PixelIs(capture, 0, 0, RGB(9, 9, 9));
    EXPECT_FALSE(result);
    const std::string file = "WineChain.FailedComparisonKeepsThePicture-pixel.png";
    EXPECT_NE(std::string::npos, std::string(result.message()).find(file));
    EXPECT_TRUE(std::filesystem::exists(file));
    std::filesystem::remove(file);
}

TEST_F(WineChain, PostedClicksArriveWithTheirCoordinates) {
    Open();
    guitest::Click(window_, {30, 40});
    guitest::ClickScreen({120 + 150, 90 + 60});
    ASSERT_EQ(2u, seen_.downs.size());
    EXPECT_EQ(30, seen_.downs[0].x);
    EXPECT_EQ(40, seen_.downs[0].y);
    EXPECT_EQ(150, seen_.downs[1].x);
    EXPECT_EQ(60, seen_.downs[1].y);
    EXPECT_EQ(2, seen_.ups);
}

} // namespace
