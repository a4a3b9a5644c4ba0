// Edit boxes skinned on a toolkit form: the thin border over the system's
// (shadow outside, white inside) that survives a repaint of the frame alone,
// none for an edit without a border, the spin button found inside the edit
// (also when it comes later) drawn inset, and the border of a printed edit.
// Checked by pixels read back from the screen and from the printing bitmap.
#include "tests/controls/InputsFixture.h"

#include "skin/WinSubClass/SkinEdit.h"
#include "skin/WinSubClass/SkinUpDown.h"

#include <commctrl.h>

using namespace skin;
using namespace controlstest;

namespace {

constexpr uint32_t White = 0xFFFFFF;
// The brush selected into the printing context (its frame ring shows it).
constexpr COLORREF PrintBrush = RGB(20, 200, 90);

class Edits : public InputsTest {
protected:
    tk::Edit& SkinnedEdit(tk::Form& form) {
        skinData_->SetSkin3rd({"TEdit=edit"});
        auto& edit = Place<tk::Edit>(form, 20, 20, 160, 26);
        edit.SetText("Text");
        frame_->SkinFormControls(form);
        frametest::Settle();
        return edit;
    }
    // An edit is skinned through its window, as a raw one.
    TSkinEdit* EditSkinner(tk::Edit& edit) const {
        return dynamic_cast<TSkinEdit*>(frame_->FindControlByWindow(edit.Handle()));
    }
    // A plain EDIT window on the form, given its skinner as a raw window.
    TSkinEdit& RawEdit(tk::Form& form, DWORD exStyle, HWND& window) {
        window = CreateWindowExW(exStyle, L"EDIT", L"Raw", WS_CHILD | WS_VISIBLE, 20, 80, 160, 26,
                                 form.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        auto* skinner = new TSkinEdit(frame_);
        skinner->AttachWindow(window, *skinData_, *frame_, frame_->FControlCanvas);
        frametest::Settle();
        return *skinner;
    }
    // A spin button inside the edit, against its right edge.
    static HWND AddSpin(HWND edit) {
        RECT client{};
        GetClientRect(edit, &client);
        return CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS,
                               client.right - 16, 0, 16, client.bottom, edit, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }
    static void ExpectBorder(HWND window, bool bordered) {
        const guitest::Capture shot = guitest::CaptureWindow(window);
        const uint32_t shadow = Rgb(TInputSkin::Shadow);
        const int midX = shot.width / 2;
        const int midY = shot.height / 2;
        if (!bordered) {
            EXPECT_NE(shot.At(0, midY), shadow);
            EXPECT_NE(shot.At(midX, 0), shadow);
            return;
        }
        for (const POINT outer : {POINT{0, midY}, POINT{midX, 0}, POINT{shot.width - 1, midY},
                                  POINT{midX, shot.height - 1}}) {
            EXPECT_EQ(shot.At(outer.x, outer.y), shadow) << outer.x << "," << outer.y;
        }
        for (const POINT inner : {POINT{1, midY}, POINT{midX, 1}, POINT{shot.width - 2, midY},
                                  POINT{midX, shot.height - 2}}) {
            EXPECT_EQ(shot.At(inner.x, inner.y), White) << inner.x << "," << inner.y;
        }
    }
};

TEST_F(Edits, TheBorderIsShadowOutsideAndWhiteInsideAndOutlivesAFrameRepaint) {
    tk::Form& form = InputForm();
    tk::Edit& edit = SkinnedEdit(form);
    TSkinEdit* skinner = EditSkinner(edit);
    ASSERT_NE(skinner, nullptr);
    // Owned by the edit, freed with it.
    EXPECT_EQ(skinner->Owner(), &edit);
    ExpectBorder(edit.Handle(), true);
    // The system redraws only the non-client edge: the skinner draws again.
    SetWindowPos(edit.Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    RedrawWindow(edit.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    frametest::Settle();
    ExpectBorder(edit.Handle(), true);
    // Typing repaints the client only; the border stays.
    SendMessageW(edit.Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Other text"));
    frametest::Settle();
    ExpectBorder(edit.Handle(), true);
}

TEST_F(Edits, AnEditWhoseClientFillsTheWindowGetsNoBorder) {
    tk::Form& form = InputForm();
    HWND window = nullptr;
    RawEdit(form, 0, window);
    ExpectBorder(window, false);
    HWND bordered = nullptr;
    RawEdit(form, WS_EX_CLIENTEDGE, bordered);
    ExpectBorder(bordered, true);
}

TEST_F(Edits, ASpinButtonInsideIsFoundAtALaterPaintAndDrawnInset) {
    tk::Form& form = InputForm();
    tk::Edit& edit = SkinnedEdit(form);
    ASSERT_NE(EditSkinner(edit), nullptr);
    TSkinEdit& skinner = *EditSkinner(edit);
    EXPECT_EQ(skinner.FUpDown, nullptr);
    HWND spin = AddSpin(edit.Handle());
    const uint32_t before = guitest::CaptureWindow(spin).At(0, 0);
    edit.Invalidate();
    frametest::Settle();
    ASSERT_NE(skinner.FUpDown, nullptr);
    EXPECT_EQ(skinner.FUpDown->FHandle, spin);
    EXPECT_TRUE(skinner.FUpDown->FInset);
    EXPECT_EQ(frame_->FindControlByWindow(spin), skinner.FUpDown);
    // The same owner as the edit's skinner: freed with the edit.
    EXPECT_EQ(skinner.FUpDown->Owner(), &edit);
    RedrawWindow(spin, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    frametest::Settle();
    // One pixel of face colour round the two halves.
    const guitest::Capture shot = guitest::CaptureWindow(spin);
    EXPECT_EQ(shot.At(0, 0), Rgb(TInputSkin::Face));
    EXPECT_EQ(shot.At(shot.width - 1, shot.height / 2), Rgb(TInputSkin::Face));
    EXPECT_NE(before, Rgb(TInputSkin::Face));
    // A second paint finds no second spin button.
    const size_t listed = frame_->FControls.size();
    edit.Invalidate();
    frametest::Settle();
    EXPECT_EQ(frame_->FControls.size(), listed);
    // The spin button's window goes: its skinner is purged and forgotten.
    DestroyWindow(spin);
    frame_->PurgeDeadControls();
    EXPECT_EQ(skinner.FUpDown, nullptr);
    edit.Invalidate();
    frametest::Settle();
    ExpectBorder(edit.Handle(), true);
}

// Prints the window into a bitmap whose context holds the print brush.
guitest::Capture Printed(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const tk::WindowDC screen = tk::WindowDC::Client(nullptr);
    tk::MemoryDC memory(screen, width, height);
    const tk::OwnedBrush brush(CreateSolidBrush(PrintBrush));
    const tk::SelectedObject selected(memory, brush.get());
    SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(static_cast<HDC>(memory)),
                 PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    guitest::Capture shot;
    shot.width = width;
    shot.height = height;
    shot.pixels.resize(size_t(width) * size_t(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            shot.pixels[size_t(y) * size_t(width) + size_t(x)] =
                guitest::Rgb(GetPixel(memory, x, y));
        }
    }
    return shot;
}

TEST_F(Edits, APrintedEditGetsTheShadowOutlineAndTheContextsBrushInside) {
    tk::Form& form = InputForm();
    tk::Edit& edit = SkinnedEdit(form);
    ASSERT_NE(EditSkinner(edit), nullptr);
    const guitest::Capture shot = Printed(edit.Handle());
    const uint32_t shadow = Rgb(TInputSkin::Shadow);
    EXPECT_EQ(shot.At(0, shot.height / 2), shadow);
    EXPECT_EQ(shot.At(shot.width / 2, shot.height - 1), shadow);
    EXPECT_EQ(shot.At(1, shot.height / 2), guitest::Rgb(PrintBrush));
    EXPECT_EQ(shot.At(shot.width - 2, shot.height / 2), guitest::Rgb(PrintBrush));
    // No border of its own: the print is the edit's alone.
    HWND plain = nullptr;
    RawEdit(form, 0, plain);
    const guitest::Capture bare = Printed(plain);
    EXPECT_NE(bare.At(0, bare.height / 2), shadow);
    EXPECT_NE(bare.At(1, bare.height / 2), guitest::Rgb(PrintBrush));
}

} // namespace
