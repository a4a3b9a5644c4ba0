// The drawing routines on a real window's device context: what reaches the
// screen (read back through a screen capture) is pixel for pixel what the
// rules say, colour-keyed pixels included.
#include "tests/skin/DrawTarget.h"
#include "tests/guitest/GuiTest.h"

using namespace skin;
using namespace skintest;

namespace {

constexpr COLORREF Back = RGB(10, 120, 40);
constexpr int Width = 160;
constexpr int Height = 100;

// A cell with margins 3, 2, 4, 5 whose top-left corner is key-coloured.
TDib KeyedCell() {
    TDib cell = RegionStrip(2, 12, 10, 3, 2, 4, 5);
    for (int y = 0; y < 2; ++y) {
        for (int x = 12; x < 15; ++x) {
            cell.SetPixel(x, y, KeyColour);
        }
    }
    return cell;
}

LRESULT CALLBACK PaintProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const tk::PaintDC dc(window);
    SetDCBrushColor(dc, Back);
    const RECT all = {0, 0, Width, Height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    const TDib cell = KeyedCell();
    DrawElement(dc, {10, 10, 70, 50}, cell, false, false, true, 2, 2, {3, 2, 4, 5});
    DrawElementRing(dc, {80, 10, 150, 90}, cell, false, 2, 1, {3, 2, 4, 5});
    return 0;
}

TEST(WindowDraw, ElementsReachTheScreenExactly) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PaintProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SkinWindowDrawTest";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"draw", WS_POPUP | WS_VISIBLE, 50, 50,
                                  Width, Height, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    guitest::PumpUntilIdle();
    const guitest::Capture shot = guitest::CaptureClient(window);
    ASSERT_EQ(shot.width, Width);
    int wrong = 0;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            COLORREF expected = Back;
            if (x >= 10 && x < 70 && y >= 10 && y < 50) {
                const int region = RegionOf(x - 10, y - 10, 60, 40, 3, 2, 4, 5);
                expected = region == 0 ? Back : RegionColour(2, region);
            } else if (x >= 80 && x < 150 && y >= 10 && y < 90) {
                const int region = RegionOf(x - 80, y - 10, 70, 80, 3, 2, 4, 5);
                expected = region == 4 ? Back : RegionColour(1, region);
            }
            if (!guitest::PixelIs(shot, x, y, expected) && ++wrong > 3) {
                break;
            }
        }
    }
    EXPECT_EQ(wrong, 0) << guitest::SaveForTest(shot, "window");
    DestroyWindow(window);
}

} // namespace
