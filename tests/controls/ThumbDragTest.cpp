// The thumb drag's own message loop on a plain window, driven by posted mouse
// and key messages: it reports every move, and ends at the release, at Escape,
// when the capture goes elsewhere, when the window or its owner is destroyed
// underneath it, and when the program quits.
#include "skin/WinSubClass/ThumbDrag.h"

#include "tests/guitest/GuiTest.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Messages the test window carries out when they reach it.
constexpr UINT DestroySelf = WM_APP + 1;
constexpr UINT DropOwner = WM_APP + 2;
constexpr UINT TakeCapture = WM_APP + 3;
constexpr const wchar_t* WindowClass = L"ThumbDragTestWindow";

std::shared_ptr<int>* OwnerToDrop = nullptr;
HWND CaptureThief = nullptr;
int DispatchedMoves = 0;

LRESULT CALLBACK TestProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case DestroySelf:
        DestroyWindow(window);
        return 0;
    case DropOwner:
        OwnerToDrop->reset();
        return 0;
    case TakeCapture:
        SetCapture(CaptureThief);
        return 0;
    case WM_MOUSEMOVE:
        ++DispatchedMoves;
        return 0;
    default:
        return DefWindowProcW(window, msg, wParam, lParam);
    }
}

class ThumbDrag : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = TestProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = WindowClass;
        RegisterClassW(&wc);
        window_ = CreateWindowExW(0, WindowClass, L"drag", WS_POPUP | WS_VISIBLE, 100, 100, 200,
                                  150, nullptr, nullptr, wc.hInstance, nullptr);
        other_ = CreateWindowExW(0, WindowClass, L"other", WS_POPUP | WS_VISIBLE, 400, 100, 50, 50,
                                 nullptr, nullptr, wc.hInstance, nullptr);
        CaptureThief = other_;
        OwnerToDrop = &owner_;
        DispatchedMoves = 0;
        guitest::PumpUntilIdle(20);
    }
    void TearDown() override {
        ReleaseCapture();
        if (IsWindow(window_)) {
            DestroyWindow(window_);
        }
        DestroyWindow(other_);
        guitest::PumpUntilIdle(20);
    }
    void PostMove(int x, int y) {
        PostMessageW(window_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
    }
    skin::TDragEnd Run() {
        return skin::RunThumbDrag(window_, owner_, [this](POINT p) { moves_.push_back(p); });
    }

    HWND window_ = nullptr;
    HWND other_ = nullptr;
    std::shared_ptr<int> owner_ = std::make_shared<int>(0);
    std::vector<POINT> moves_;
};

TEST_F(ThumbDrag, ReportsEveryMoveInScreenCoordinatesUntilTheRelease) {
    PostMove(10, 20);
    PostMove(-30, 40); // beyond the window: the capture still reports it
    PostMove(500, 600);
    PostMessageW(window_, WM_LBUTTONUP, 0, MAKELPARAM(500, 600));
    PostMove(1, 1); // after the release: not the drag's
    EXPECT_EQ(Run(), skin::TDragEnd::Released);
    ASSERT_EQ(moves_.size(), 3u);
    EXPECT_EQ(moves_[0].x, 110);
    EXPECT_EQ(moves_[0].y, 120);
    EXPECT_EQ(moves_[1].x, 70);
    EXPECT_EQ(moves_[2].y, 700);
    EXPECT_EQ(DispatchedMoves, 3) << "the window still sees the moves";
    EXPECT_EQ(GetCapture(), nullptr);
    MSG left;
    EXPECT_TRUE(PeekMessageW(&left, window_, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE));
}

TEST_F(ThumbDrag, EscapeCancels) {
    PostMove(10, 20);
    PostMessageW(window_, WM_KEYDOWN, VK_SHIFT, 0); // other keys go on
    PostMessageW(window_, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(Run(), skin::TDragEnd::Cancelled);
    EXPECT_EQ(moves_.size(), 1u);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ThumbDrag, EndsWhenAnotherWindowTakesTheCapture) {
    PostMove(10, 20);
    PostMessageW(window_, TakeCapture, 0, 0);
    EXPECT_EQ(Run(), skin::TDragEnd::CaptureLost);
    EXPECT_EQ(GetCapture(), other_);
}

TEST_F(ThumbDrag, EndsWhenTheWindowIsDestroyedUnderneathIt) {
    PostMessageW(window_, DestroySelf, 0, 0);
    PostMove(10, 20);
    EXPECT_EQ(Run(), skin::TDragEnd::WindowGone);
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_TRUE(moves_.empty());
}

TEST_F(ThumbDrag, EndsWithoutCallingAnOwnerThatWentAway) {
    PostMove(10, 20);
    PostMessageW(window_, DropOwner, 0, 0);
    PostMove(30, 40);
    EXPECT_EQ(Run(), skin::TDragEnd::WindowGone);
    EXPECT_EQ(moves_.size(), 1u);
    EXPECT_EQ(GetCapture(), nullptr) << "the window lives on without the drag";
}

TEST_F(ThumbDrag, HandsTheQuitMessageOnToTheProgramsLoop) {
    PostMove(10, 20);
    PostQuitMessage(7);
    EXPECT_EQ(Run(), skin::TDragEnd::Quit);
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 7u);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ThumbDrag, AFailingMoveHandlerEndsTheDragAsAReleaseWould) {
    PostMove(10, 20);
    PostMove(20, 20);
    int calls = 0;
    const auto end = skin::RunThumbDrag(window_, owner_, [&](POINT) {
        ++calls;
        throw std::runtime_error("no");
    });
    EXPECT_EQ(end, skin::TDragEnd::Released);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ThumbDrag, WaitsForMessagesThatArriveLater) {
    // A timer brings the release only after the loop has gone to sleep.
    struct TReleaseLater {
        static void CALLBACK Fire(HWND w, UINT, UINT_PTR id, DWORD) {
            KillTimer(w, id);
            PostMessageW(w, WM_LBUTTONUP, 0, 0);
        }
    };
    SetTimer(window_, 1, 50, TReleaseLater::Fire);
    EXPECT_EQ(Run(), skin::TDragEnd::Released);
}

} // namespace
