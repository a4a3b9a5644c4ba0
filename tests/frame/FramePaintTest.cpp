// Frame painting and the window region, read back from the screen.
#include "tests/frame/FrameFixture.h"

#include <algorithm>

using namespace skin;
using namespace frametest;

namespace {

using FramePaint = FrameTest;

constexpr RECT Bounds{70, 70, 430, 310};

uint32_t Rgb(Colour c) {
    return guitest::Rgb(COLORREF(c));
}

TEST_F(FramePaint, ActiveBordersUseTheFirstCellAndInactiveOnesTheSecond) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    guitest::Capture shot = guitest::CaptureWindow(window);
    const int w = shot.width, h = shot.height;
    EXPECT_TRUE(guitest::PixelIs(shot, 2, h / 2, TOddSkin::LeftActive));
    EXPECT_TRUE(guitest::PixelIs(shot, w - 2, h / 2, TOddSkin::RightActive));
    EXPECT_TRUE(guitest::PixelIs(shot, w / 2, 2, TOddSkin::TopActive));
    EXPECT_TRUE(guitest::PixelIs(shot, w / 2, h - 2, TOddSkin::BottomActive));
    // Another window takes the activation.
    ShowRaw({500, 500, 700, 650});
    shot = guitest::CaptureWindow(window);
    EXPECT_FALSE(FrameOf(window)->FActive);
    EXPECT_TRUE(guitest::PixelIs(shot, 2, h / 2, TOddSkin::LeftInactive));
    EXPECT_TRUE(guitest::PixelIs(shot, w - 2, h / 2, TOddSkin::RightInactive));
    EXPECT_TRUE(guitest::PixelIs(shot, w / 2, 2, TOddSkin::TopInactive));
    EXPECT_TRUE(guitest::PixelIs(shot, w / 2, h - 2, TOddSkin::BottomInactive));
}

TEST_F(FramePaint, TheRegionFollowsTheKeyOfAllFourBorders) {
    const TOddSkin odd;
    AddSkin(odd.Build());
    HWND window = ShowRaw(Bounds);
    EXPECT_TRUE(RegionMatchesKey(window, odd));
    // Rebuilt for a new size.
    SetWindowPos(window, nullptr, 0, 0, 300, 180, SWP_NOMOVE | SWP_NOZORDER);
    Settle();
    EXPECT_TRUE(RegionMatchesKey(window, odd));
}

TEST_F(FramePaint, OnlyTheKeyedBottomShapesTheWindow) {
    TOddSkin odd;
    odd.leftTrans = odd.rightTrans = odd.topTrans = 0;
    AddSkin(odd.Build());
    HWND window = ShowRaw(Bounds);
    EXPECT_TRUE(RegionMatchesKey(window, odd));
}

TEST_F(FramePaint, WithoutKeyedBordersTheRegionIsTheWholeWindow) {
    TOddSkin odd;
    odd.leftTrans = odd.rightTrans = odd.topTrans = odd.bottomTrans = 0;
    AddSkin(odd.Build());
    HWND window = ShowRaw(Bounds);
    EXPECT_TRUE(RegionMatchesKey(window, odd));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, region), SIMPLEREGION);
    DeleteObject(region);
}

// The caption's last pixel column of text colour, in window coordinates.
int LastTextColumn(const guitest::Capture& shot) {
    int last = -1;
    for (int y = 0; y < TOddSkin::Title; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            if (shot.At(x, y) == Rgb(TOddSkin::TitleText)) {
                last = std::max(last, x);
            }
        }
    }
    return last;
}

TEST_F(FramePaint, ALongCaptionEndsBeforeTheRightClip) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds, RawStyle, nullptr,
                          L"A caption much too long for the title bar of this small window");
    const guitest::Capture shot = guitest::CaptureWindow(window);
    const int clip = shot.width - TOddSkin::Right - TOddSkin::TextRightClip;
    const int last = LastTextColumn(shot);
    EXPECT_GT(last, clip - 30);
    EXPECT_LE(last, clip);
    EXPECT_LE(FrameOf(window)->FCaptionRect.right, clip);
}

TEST_F(FramePaint, ACentredCaptionSitsInTheMiddle) {
    TOddSkin odd;
    odd.textAlignment = 1;
    AddSkin(odd.Build());
    HWND window = ShowRaw(Bounds, RawStyle, nullptr, L"Mid");
    const RECT caption = FrameOf(window)->FCaptionRect;
    const int w = WindowRectOf(window).right - WindowRectOf(window).left;
    const int middle = (TOddSkin::Left + w - TOddSkin::Right) / 2;
    EXPECT_NEAR((caption.left + caption.right) / 2, middle, 2);
}

TEST_F(FramePaint, NothingIsPaintedWhileFramePaintingIsOff) {
    TSkinData& data = AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    data.FramePaintEnabled = false;
    // Paint the frame over with black, then ask for a non-client paint.
    {
        HDC dc = GetWindowDC(window);
        RECT all{0, 0, 50, 5};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(window, dc);
    }
    EXPECT_EQ(SendMessageW(window, WM_NCPAINT, 1, 0), 0);
    Settle();
    guitest::Capture shot = guitest::CaptureWindow(window);
    EXPECT_TRUE(guitest::PixelIs(shot, 20, 2, RGB(0, 0, 0)));
    data.FramePaintEnabled = true;
    SendMessageW(window, WM_NCPAINT, 1, 0);
    Settle();
    shot = guitest::CaptureWindow(window);
    EXPECT_TRUE(guitest::PixelIs(shot, 20, 2, TOddSkin::TopActive));
}

// No pixel of the system's caption colours in the title bar, after every step.
::testing::AssertionResult NoNativeCaption(HWND window, const char* step) {
    // The part of the title bar on the screen (a maximised window starts off it).
    RECT title = WindowRectOf(window);
    title.bottom = title.top + ClientInWindow(window).top;
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&title, &title, &screen);
    const guitest::Capture shot = guitest::CaptureScreen(title);
    const uint32_t native[] = {guitest::Rgb(GetSysColor(COLOR_ACTIVECAPTION)),
                               guitest::Rgb(GetSysColor(COLOR_GRADIENTACTIVECAPTION)),
                               guitest::Rgb(GetSysColor(COLOR_INACTIVECAPTION)),
                               guitest::Rgb(GetSysColor(COLOR_GRADIENTINACTIVECAPTION))};
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            for (uint32_t colour : native) {
                if (shot.At(x, y) == colour) {
                    guitest::SaveForTest(shot, step);
                    return ::testing::AssertionFailure()
                           << step << ": native caption colour at " << x << "," << y;
                }
            }
        }
    }
    return ::testing::AssertionSuccess();
}

TEST_F(FramePaint, ASkinnedWindowNeverShowsTheSystemCaption) {
    AddSkin(ShippedSkin("kanvio_neon"));
    tk::Form& form = ShowForm(Bounds, "霓虹Kanvio");
    HWND window = form.Handle();
    EXPECT_TRUE(NoNativeCaption(window, "created"));
    SetForegroundWindow(window);
    Settle();
    EXPECT_TRUE(NoNativeCaption(window, "activated"));
    SendMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    Settle();
    EXPECT_TRUE(NoNativeCaption(window, "maximised"));
    SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    Settle();
    EXPECT_TRUE(NoNativeCaption(window, "restored"));
    SetWindowPos(window, nullptr, 0, 0, 500, 330, SWP_NOMOVE | SWP_NOZORDER);
    Settle();
    EXPECT_TRUE(NoNativeCaption(window, "resized"));
    form.SetCaption("另一个标题");
    Settle();
    EXPECT_TRUE(NoNativeCaption(window, "caption changed"));
}

} // namespace
