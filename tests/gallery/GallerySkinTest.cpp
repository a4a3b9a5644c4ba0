// The gallery's main window comes up in its skin: the skin component of its
// design switches skinning on, and the window gets a frame of the default
// skin around the client area its design gives.
#include "GalleryFixture.h"

#include "ImgUtil.h"
#include "SkinControl.h"
#include "SkinManager.h"
#include "WinSkinData.h"
#include "WinSkinForm.h"

namespace {

using gallerytest::Gallery;
using GallerySkin = Gallery;

skin::TWinSkinForm* FrameOf(HWND window) {
    return skin::SkinManager ? skin::SkinManager->FindFrame(window) : nullptr;
}

TEST_F(GallerySkin, TheMainWindowComesUpInItsSkin) {
    Open();
    guitest::PumpUntilIdle();
    skin::TWinSkinForm* frame = FrameOf(form->Handle());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->FSkinData->SkinName, "Kanvio Neon");
    EXPECT_EQ(frame->FState, skin::TFrameState::Running);
    EXPECT_EQ(921, form->ClientWidth());
    EXPECT_EQ(585, form->ClientHeight());
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    EXPECT_EQ(window.right - window.left, 921 + frame->FBorderLeft + frame->FBorderRight);
    EXPECT_EQ(window.bottom - window.top, 585 + frame->FBorderTop + frame->FBorderBottom);
    EXPECT_EQ(GetWindowLongW(form->Handle(), GWL_STYLE) & WS_CAPTION, 0);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(form->Handle(), region), COMPLEXREGION);
    DeleteObject(region);
    EXPECT_TRUE(messages.empty());
}

TEST_F(GallerySkin, TheSkinsCloseButtonClosesTheWindow) {
    Open();
    guitest::PumpUntilIdle();
    skin::TWinSkinForm* frame = FrameOf(form->Handle());
    ASSERT_NE(frame, nullptr);
    const skin::TWinSysButton* close = nullptr;
    for (const auto& button : frame->FSysButtons) {
        if (button->FVisible && button->FElement.Action == skin::ButtonAction::Close) {
            close = button.get();
        }
    }
    ASSERT_NE(close, nullptr);
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    const LPARAM at = MAKELPARAM(window.left + (close->FRect.left + close->FRect.right) / 2,
                                 window.top + (close->FRect.top + close->FRect.bottom) / 2);
    EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, at), HTCAPTION);
    SendMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, at);
    SendMessageW(form->Handle(), WM_NCLBUTTONUP, HTCAPTION, at);
    guitest::PumpUntilIdle();
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(messages.empty());
}

TEST_F(GallerySkin, TheExitButtonIsASkinnedSpeedButtonThatStillCloses) {
    Open();
    guitest::PumpUntilIdle();
    skin::TWinSkinForm* frame = FrameOf(form->Handle());
    ASSERT_NE(frame, nullptr);
    auto& exit = Get<tk::SpeedButton>("Canel");
    const skin::TSkinControl* skinner = nullptr;
    for (const skin::TSkinControl* s : frame->FControls) {
        if (s->FGraphicControl == &exit) {
            skinner = s;
        }
    }
    ASSERT_NE(skinner, nullptr);
    EXPECT_EQ(skinner->ClassName(), "TSkinSpeedButton");
    // The left edge shows the skin's normal button cell at the button's size.
    const skin::TDataSkinButton& buttons = frame->FSkinData->Buttons;
    const skin::TDib normal =
        skin::RenderElement({0, 0, exit.Width(), exit.Height()}, buttons.Bitmap,
                            skin::MarginRect(buttons), false, buttons.Tile == 1, buttons.Frame, 1);
    const RECT onScreen = gallerytest::ScreenRect(exit);
    const guitest::Capture shot = guitest::CaptureScreen(onScreen);
    EXPECT_TRUE(guitest::PixelIs(shot, 1, exit.Height() / 2, normal.Pixel(1, exit.Height() / 2)));
    ClickOn(exit, exit.Width() / 2, exit.Height() / 2);
    guitest::PumpUntilIdle();
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(messages.empty());
}

} // namespace
