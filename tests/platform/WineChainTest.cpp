// Proves the chain every GUI test relies on: a thread CBT hook sees a window
// being created and activated, GDI painting reaches the screen exactly as
// drawn, and a posted click arrives at the window with its coordinates.
#include "tests/guitest/GuiTest.h"

#include <filesystem>
#include <vector>

namespace {

constexpr COLORREF kLeft = RGB(220, 20, 60);
constexpr COLORREF kRight = RGB(0, 128, 255);
constexpr COLORREF kDot = RGB(1, 2, 3);
constexpr int kWidth = 200;
constexpr int kHeight = 100;

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
        const RECT left = {0, 0, kWidth / 2, kHeight};
        const RECT right = {kWidth / 2, 0, kWidth, kHeight};
        HBRUSH leftBrush = CreateSolidBrush(kLeft);
        HBRUSH rightBrush = CreateSolidBrush(kRight);
        FillRect(dc, &left, leftBrush);
        FillRect(dc, &right, rightBrush);
        DeleteObject(leftBrush);
        DeleteObject(rightBrush);
        SetPixel(dc, 10, 10, kDot);
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
HookLog* g_hookLog = nullptr;
HHOOK g_hook = nullptr;

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    if (g_hookLog && code == HCBT_CREATEWND)
        g_hookLog->created.push_back(HWND(wParam));
    if (g_hookLog && code == HCBT_ACTIVATE)
        g_hookLog->activated.push_back(HWND(wParam));
    return CallNextHookEx(g_hook, code, wParam, lParam);
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
        if (window)
            DestroyWindow(window);
        guitest::PumpUntilIdle();
    }
    HWND Open() {
        window =
            CreateWindowExW(0, L"KanvioProbe", L"probe", WS_POPUP | WS_VISIBLE, 120, 90, kWidth,
                            kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), &seen);
        SetForegroundWindow(window);
        guitest::PumpUntilIdle();
        return window;
    }
    HWND window = nullptr;
    Seen seen;
};

TEST_F(WineChain, ThreadHookSeesCreationAndActivation) {
    HookLog log;
    g_hookLog = &log;
    g_hook = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, g_hook);
    Open();
    UnhookWindowsHookEx(g_hook);
    g_hookLog = nullptr;

    EXPECT_NE(log.created.end(), std::find(log.created.begin(), log.created.end(), window));
    EXPECT_NE(log.activated.end(), std::find(log.activated.begin(), log.activated.end(), window));
}

TEST_F(WineChain, CaptureReadsBackExactPaintedPixels) {
    Open();
    const guitest::Capture capture = guitest::CaptureClient(window);
    ASSERT_EQ(kWidth, capture.width);
    ASSERT_EQ(kHeight, capture.height);
    EXPECT_TRUE(guitest::RectIs(capture, {0, 0, kWidth / 2, 10}, kLeft));
    EXPECT_TRUE(guitest::RectIs(capture, {kWidth / 2, 0, kWidth, kHeight}, kRight));
    EXPECT_TRUE(guitest::PixelIs(capture, 10, 10, kDot));
    EXPECT_TRUE(guitest::PixelIs(capture, 11, 10, kLeft));
}

TEST_F(WineChain, FailedComparisonKeepsThePicture) {
    Open();
    const guitest::Capture capture = guitest::CaptureClient(window);
    const ::testing::AssertionResult result = guitest::PixelIs(capture, 0, 0, RGB(9, 9, 9));
    EXPECT_FALSE(result);
    const std::string file = "WineChain.FailedComparisonKeepsThePicture-pixel.png";
    EXPECT_NE(std::string::npos, std::string(result.message()).find(file));
    EXPECT_TRUE(std::filesystem::exists(file));
    std::filesystem::remove(file);
}

TEST_F(WineChain, PostedClicksArriveWithTheirCoordinates) {
    Open();
    guitest::Click(window, {30, 40});
    guitest::ClickScreen({120 + 150, 90 + 60});
    ASSERT_EQ(2u, seen.downs.size());
    EXPECT_EQ(30, seen.downs[0].x);
    EXPECT_EQ(40, seen.downs[0].y);
    EXPECT_EQ(150, seen.downs[1].x);
    EXPECT_EQ(60, seen.downs[1].y);
    EXPECT_EQ(2, seen.ups);
}

} // namespace
