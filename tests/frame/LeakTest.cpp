// Painting, resizing, switching skins, message boxes and forms leave the
// process's live GDI objects and windows as they were.
#include "tests/frame/FrameFixture.h"
#include "tests/guitest/LeakCheck.h"

using namespace skin;
using namespace frametest;
using guitest::ExpectFlat;
using guitest::LeakWarmup;

namespace {

class Leaks : public FrameTest {};

constexpr RECT Bounds{60, 60, 981, 680};

TEST_F(Leaks, AThousandNonClientRepaints) {
    AddSkin(ShippedSkin("kanvio_neon"));
    HWND window = ShowRaw(Bounds);
    ASSERT_NE(FrameOf(window), nullptr);
    ExpectFlat(1000, [&] {
        SendMessageW(window, WM_NCPAINT, 1, 0);
        SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
        SendMessageW(window, WM_NCACTIVATE, TRUE, 0);
    });
}

TEST_F(Leaks, TwoHundredResizeSteps) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    int step = 0;
    ExpectFlat(200, [&] {
        ++step;
        SetWindowPos(window, nullptr, 0, 0, 300 + step % 50 * 7, 200 + step % 30 * 5,
                     SWP_NOMOVE | SWP_NOZORDER);
        guitest::PumpUntilIdle(5, 200);
    });
}

TEST_F(Leaks, FiftySkinSwitches) {
    TSkinData& data = AddSkin(ShippedSkin("kanvio_neon"));
    HWND window = ShowRaw(Bounds);
    ASSERT_NE(FrameOf(window), nullptr);
    bool daylight = false;
    ExpectFlat(50, [&] {
        daylight = !daylight;
        data.SetSkinFile(ShippedSkinPath(daylight ? "kanvio_daylight" : "kanvio_neon"));
        RunPendingAction();
        // Every switch ends with the frame painted in the new skin.
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    });
    EXPECT_NE(FrameOf(window), nullptr);
}

TEST_F(Leaks, FiftyMessageBoxes) {
    AddSkin(ShippedSkin("kanvio_neon"));
    HWND owner = ShowRaw(Bounds);
    static int skinned = 0;
    skinned = 0;
    ExpectFlat(50, [&] {
        SetTimer(owner, 3, 30, [](HWND owner, UINT, UINT_PTR id, DWORD) {
            HWND box = FindWindowW(L"#32770", L"Leak?");
            if (!box) {
                return;
            }
            KillTimer(owner, id);
            skinned += SendMessageW(box, WM_SKINQUERY, 0, 0) == SkinQueryAnswer;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        MessageBoxW(owner, L"Text", L"Leak?", MB_OK);
    });
    EXPECT_EQ(skinned, 50 + LeakWarmup);
}

TEST_F(Leaks, FiftyFormsCreatedAndFreed) {
    AddSkin(ShippedSkin("kanvio_neon"));
    ExpectFlat(50, [&] {
        tk::Form& form = ShowForm({100, 100, 500, 400}, "Form");
        EXPECT_NE(FrameOf(form.Handle()), nullptr);
        delete &form;
        Settle();
    });
}

} // namespace
