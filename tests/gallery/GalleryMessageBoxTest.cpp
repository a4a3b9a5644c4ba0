// The gallery's error message box comes up in the skin: a frame of its own
// (the skin's borders and title bar, the face colour inside) and its OK
// button drawn from the skin's button cells and clicked through its skinner.
// Looked at inside the box's own modal loop, from a timer.
#include "tests/gallery/GalleryFixture.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/WinSubClass/SkinManager.h"
#include "tests/support/TempFolder.h"
#include "toolkit/TreeView.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <iostream>

namespace {

namespace fs = std::filesystem;
using gallerytest::Gallery;

// A box is looked at once its frame runs, then its OK button is clicked.
constexpr UINT VisitPeriod = 200;
// Ticks after the click before the box is closed by force (a click that did
// nothing fails the test instead of hanging it).
constexpr int ClickTicks = 5;
// Ticks a box may stay without a running frame before it is closed by force.
constexpr int FrameTicks = 15;

// What the timer inside the box's modal loop saw.
struct TBoxLook {
    HWND box = nullptr;
    bool framed = false;
    // A pixel of the title bar, a quarter across and half-way down.
    uint32_t title = 0;
    std::string buttonSkinner;
    bool buttonFromSkin = false;
    uint32_t inside = 0;
    uint32_t skinFace = 0;
    // Pixels of the message's text in the skin's button text colour.
    int textInk = 0;
    std::string screenshot;
    int ticksAfterClick = -1;
    int ticksWithoutFrame = 0;
    bool forced = false;
};
TBoxLook Look;

// Whether the pixel at the button's left edge, half-way down, is that of one
// of the skin's button cells at the button's size.
bool ShowsASkinButtonCell(const skin::TSkinData& skin, HWND button) {
    RECT r{};
    GetWindowRect(button, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    const guitest::Capture shot = guitest::CaptureScreen(r);
    const skin::TDataSkinButton& buttons = skin.Buttons;
    for (int cell = 1; cell <= buttons.Frame; ++cell) {
        const skin::TDib drawn =
            skin::RenderElement({0, 0, width, height}, buttons.Bitmap, skin::MarginRect(buttons),
                                false, buttons.Tile == 1, buttons.Frame, cell);
        if (shot.At(1, height / 2) == guitest::Rgb(drawn.Pixel(1, height / 2))) {
            return true;
        }
    }
    return false;
}

void CALLBACK VisitBox(HWND owner, UINT, UINT_PTR id, DWORD) {
    HWND box = guitest::VisibleDialog();
    if (Look.ticksAfterClick >= 0) {
        if (box && ++Look.ticksAfterClick > ClickTicks) {
            Look.forced = true;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        if (!box) {
            KillTimer(owner, id);
        }
        return;
    }
    skin::TWinSkinForm* frame =
        box && skin::SkinManager ? skin::SkinManager->FindFrame(box) : nullptr;
    if (!frame || frame->FState != skin::TFrameState::Running) {
        if (box && ++Look.ticksWithoutFrame > FrameTicks) {
            Look.forced = true;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
        return;
    }
    Look.box = box;
    Look.framed = frame->FBorderTop > 0;
    HWND ok = GetDlgItem(box, IDOK);
    if (skin::TSkinControl* skinner = frame->FindControlByWindow(ok)) {
        Look.buttonSkinner = skinner->ClassName();
    }
    Look.buttonFromSkin = ShowsASkinButtonCell(*frame->FSkinData, ok);
    Look.skinFace = guitest::Rgb(skin::ResolveColour(frame->FSkinData->ButtonFaceColour));
    const guitest::Capture shot = guitest::CaptureWindow(box);
    Look.title = shot.At(shot.width / 4, frame->FBorderTop / 2);
    // Inside the client, left of the buttons and below the text.
    RECT client{};
    GetClientRect(box, &client);
    Look.inside = shot.At(frame->FBorderLeft + 2, frame->FBorderTop + client.bottom - 3);
    Look.screenshot = guitest::SaveForTest(shot, "gallery-error-box");
    const uint32_t text = guitest::Rgb(skin::ResolveColour(frame->FSkinData->ButtonTextColour));
    // Above the button: the icon and the message.
    RECT button{};
    GetWindowRect(ok, &button);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&button), 2);
    const guitest::Capture area = guitest::CaptureClient(box);
    for (int y = 0; y < button.top; ++y) {
        for (int x = 0; x < area.width; ++x) {
            Look.textInk += area.At(x, y) == text;
        }
    }
    Look.ticksAfterClick = 0;
    PostMessageW(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(ok, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

class GalleryMessageBox : public Gallery {
protected:
    testsupport::TempFolder temp_{"kanvio-box"};
    const fs::path folder_ = temp_.Path();
};

TEST_F(GalleryMessageBox, AnErrorBoxComesUpSkinnedWithItsButton) {
    // No thumbnails: filling a page reports the first missing one.
    for (const char* name : {"NoteData.MDB", "Res"}) {
        fs::copy(gallerytest::SampleData / name, folder_ / name, fs::copy_options::recursive);
    }
    realMessageBoxes_ = true;
    Open(folder_);
    Look = {};
    SetTimer(form_->Handle(), 1, VisitPeriod, VisitBox);
    Select("TreeView1", "生产企业通用模板");
    KillTimer(form_->Handle(), 1);
    ASSERT_NE(Look.box, nullptr);
    std::cout << "screenshot: " << Look.screenshot << "\n";
    EXPECT_TRUE(Look.framed);
    // Not the system's title bar.
    for (int part : {COLOR_ACTIVECAPTION, COLOR_GRADIENTACTIVECAPTION, COLOR_INACTIVECAPTION}) {
        EXPECT_NE(Look.title, guitest::Rgb(GetSysColor(part))) << part;
    }
    EXPECT_EQ(Look.buttonSkinner, "TSkinButton");
    EXPECT_TRUE(Look.buttonFromSkin);
    EXPECT_EQ(Look.inside, Look.skinFace);
    // Its text in the skin's colour for text on the face colour.
    EXPECT_GT(Look.textInk, 20);
    // The click reached the box through the skinner.
    EXPECT_FALSE(Look.forced);
    EXPECT_FALSE(IsWindow(Look.box) && IsWindowVisible(Look.box));
}

} // namespace
