// The buttons of a system message box: skinned through the frame's window
// class rules, clicked with the mouse (the dialog hears BN_CLICKED from the
// skinner, the button itself never saw the press), and let go by the frame's
// hover timer when the pointer leaves them.
#include "tests/controls/ControlsFixture.h"

using namespace skin;
using namespace controlstest;

namespace {

// What the timer inside the message box's modal loop saw.
struct TBoxVisit {
    HWND box = nullptr;
    uint32_t cancelNormal = 0;
    uint32_t cancelHot = 0;
    uint32_t cancelAfterLeave = 0;
    bool skinned = false;
    bool hotAfterLeave = true;
    int step = 0;
};
TBoxVisit Visit;

uint32_t CellOf(HWND button) {
    RECT r{};
    GetWindowRect(button, &r);
    return guitest::CaptureScreen(r).At(TButtonSkin::Margin + 1, (r.bottom - r.top) / 2);
}

// Runs inside the box's modal loop, one step per tick: look, hover, leave,
// then click Cancel with the mouse.
void CALLBACK VisitBox(HWND owner, UINT, UINT_PTR id, DWORD) {
    HWND box = guitest::VisibleDialog();
    TWinSkinForm* frame = box ? frametest::FrameOf(box) : nullptr;
    if (!frame || frame->FState != TFrameState::Running) {
        return;
    }
    HWND cancel = GetDlgItem(box, IDCANCEL);
    RECT r{};
    GetWindowRect(cancel, &r);
    switch (Visit.step++) {
    case 0:
        Visit.box = box;
        Visit.skinned = frame->FindControlByWindow(cancel) != nullptr;
        Visit.cancelNormal = CellOf(cancel);
        SetCursorPos(r.left + 5, r.top + 5);
        PostMessageW(cancel, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        break;
    case 1:
        Visit.cancelHot = CellOf(cancel);
        SetCursorPos(r.right + 200, r.bottom + 200);
        break;
    case 2:
    case 3:
        // The frame's timer (a quarter second) sees the pointer gone.
        break;
    case 4:
        Visit.hotAfterLeave = frame->FHotControl != nullptr;
        Visit.cancelAfterLeave = CellOf(cancel);
        PostMessageW(cancel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(cancel, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        KillTimer(owner, id);
        break;
    default:
        break;
    }
}

class Dialogs : public ControlsTest {};

TEST_F(Dialogs, AMessageBoxButtonIsSkinnedHotAndClickedThroughTheSkinner) {
    AddSkin(TButtonSkin().Build());
    HWND owner = ShowRaw({60, 60, 600, 400});
    Visit = {};
    SetTimer(owner, 1, 200, VisitBox);
    const int answer = MessageBoxW(owner, L"Go on?", L"Question", MB_OKCANCEL);
    EXPECT_EQ(answer, IDCANCEL);
    EXPECT_TRUE(Visit.skinned);
    EXPECT_EQ(Visit.cancelNormal, Cell(button_frame::Normal));
    EXPECT_EQ(Visit.cancelHot, Cell(button_frame::Hot));
    EXPECT_FALSE(Visit.hotAfterLeave);
    EXPECT_EQ(Visit.cancelAfterLeave, Cell(button_frame::Normal));
}

} // namespace
