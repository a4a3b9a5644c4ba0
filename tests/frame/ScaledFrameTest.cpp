// The frame at the screen's scale (these cases run at 96, 120, 144 and 192
// DPI): borders, title bar and caption buttons at the skin's sizes times the
// scale, clicks landing on the scaled buttons, and double-size art shown
// from 175 % on.
#include "tests/frame/FrameFixture.h"

#include "skin/WinSkinData/SkinScale.h"
#include "toolkit/Dpi.h"

using namespace skin;
using namespace frametest;

namespace {

using ScaledFrame = FrameTest;

constexpr RECT Bounds{60, 60, 520, 400};
constexpr size_t Close = 0;
// Seen only in the double-size art of the caption buttons.
constexpr Colour Marker = MakeColour(1, 254, 3);

int Dpi() {
    return tk::WindowDpi(nullptr);
}

int Scaled(int measure) {
    return tk::ScaleMeasure(measure, Dpi());
}

POINT Centre(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Send(HWND window, UINT msg, POINT inWindow) {
    const RECT outer = WindowRectOf(window);
    SendMessageW(window, msg, HTCAPTION,
                 MAKELPARAM(outer.left + inWindow.x, outer.top + inWindow.y));
    guitest::PumpUntilIdle(40, 1000);
}

TEST_F(ScaledFrame, BordersTitleAndCaptionButtonsGrowWithTheScaleAndTakeTheirClicks) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    const RECT outer = WindowRectOf(window);
    const int w = outer.right - outer.left, h = outer.bottom - outer.top;
    const RECT client = ClientInWindow(window);
    EXPECT_EQ(client.left, Scaled(TOddSkin::Left));
    EXPECT_EQ(client.top, Scaled(TOddSkin::Title));
    EXPECT_EQ(w - client.right, Scaled(TOddSkin::Right));
    EXPECT_EQ(h - client.bottom, Scaled(TOddSkin::Bottom));

    const RECT close = FrameOf(window)->FSysButtons.at(Close)->FRect;
    EXPECT_EQ(close.right - close.left, Scaled(TOddSkin::ButtonWidth));
    EXPECT_EQ(close.bottom - close.top, Scaled(TOddSkin::ButtonHeight));
    EXPECT_EQ(close.left, w - Scaled(TOddSkin::CloseX));
    const guitest::Capture shot = guitest::CaptureWindow(window);
    guitest::SaveForTest(shot, "framed");
    // The whole button shows its normal cell (its keyed top-left pixel aside).
    const RECT inside{close.left + Scaled(1), close.top + Scaled(1), close.right, close.bottom};
    EXPECT_TRUE(guitest::RectIs(shot, inside, TOddSkin::ButtonCells[0]));
    // The caption's text fits its box, which lies in the title bar.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    const tk::OwnedFont font(CreateFontIndirectW(&metrics.lfCaptionFont));
    SIZE extent{};
    {
        tk::WindowDC dc = tk::WindowDC::Whole(window);
        const tk::SelectedObject selected(dc, font.get());
        const std::wstring caption = L"Odd window";
        GetTextExtentPoint32W(dc, caption.c_str(), int(caption.size()), &extent);
    }
    const RECT caption = FrameOf(window)->FCaptionRect;
    EXPECT_GE(caption.right - caption.left, extent.cx);
    EXPECT_GE(caption.bottom - caption.top, extent.cy);
    EXPECT_GE(caption.top, 0);
    EXPECT_LE(caption.bottom, Scaled(TOddSkin::Title));
    // A press and release in the scaled button's last pixel closes the window.
    const POINT last{close.right - 1, close.bottom - 1};
    SetCursorPos(outer.left + last.x, outer.top + last.y);
    Send(window, WM_NCLBUTTONDOWN, last);
    Send(window, WM_NCLBUTTONUP, last);
    EXPECT_EQ(RawLog().closes, 1);
}

TEST_F(ScaledFrame, DoubleSizeArtShowsFromSeventyFivePercentOn) {
    TOddSkin odd;
    skin::TDib twice(2 * 4 * TOddSkin::ButtonWidth, 2 * TOddSkin::ButtonHeight);
    twice.Fill(Marker);
    odd.extraEntries.push_back({"button@2x.bmp", Bmp(twice)});
    AddSkin(odd.Build());
    HWND window = ShowRaw(Bounds);
    const RECT close = FrameOf(window)->FSysButtons.at(Close)->FRect;
    const guitest::Capture shot = guitest::CaptureWindow(window);
    guitest::SaveForTest(shot, "double-art");
    const POINT centre = Centre(close);
    EXPECT_TRUE(guitest::PixelIs(shot, centre.x, centre.y,
                                 Dpi() >= skin::DoubleArtDpi ? Marker : TOddSkin::ButtonCells[0]))
        << Dpi();
}

// Moved to a screen of twice the scale, the window's frame takes the skin
// at that scale.
TEST_F(ScaledFrame, AWindowMovedToAScreenOfAnotherScaleTakesTheSkinAtThatScale) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    const int twice = 2 * Dpi();
    RECT suggested = WindowRectOf(window);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(twice, twice),
                 reinterpret_cast<LPARAM>(&suggested));
    RunPendingAction();
    Settle();
    const RECT client = ClientInWindow(window);
    EXPECT_EQ(client.left, tk::ScaleMeasure(TOddSkin::Left, twice));
    EXPECT_EQ(client.top, tk::ScaleMeasure(TOddSkin::Title, twice));
    const RECT close = FrameOf(window)->FSysButtons.at(Close)->FRect;
    EXPECT_EQ(close.right - close.left, tk::ScaleMeasure(TOddSkin::ButtonWidth, twice));
}

} // namespace
