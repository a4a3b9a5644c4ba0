// Forms as windows: the style bits their border properties own, and forms
// placed on a control.
#include "toolkit/ExtCtrls.h"
#include "toolkit/win32/WindowSubclass.h"

#include "tests/toolkit/FormFixture.h"

namespace {

struct Forms : FormFixture {
    void SetUp() override {
        FormFixture::SetUp();
        form->SetBounds(80, 80, 360, 260);
    }
    DWORD Style() const { return DWORD(GetWindowLongPtrW(form->Handle(), GWL_STYLE)); }
    DWORD ExStyle() const { return DWORD(GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE)); }
};

} // namespace

TEST_F(Forms, BorderChangesWriteOnlyTheirOwnStyleBitsAndCanBeAdjusted) {
    ShowForm();
    // A procedure over the window that sees every style change and can keep
    // the caption off, as a frame painting its own title bar does; it has
    // taken the caption off already.
    int changes = 0;
    bool keepCaptionOff = false;
    tk::WindowSubclass frame;
    frame.Install(form->Handle(), [&](UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_STYLECHANGING && wParam == WPARAM(GWL_STYLE)) {
            ++changes;
            if (keepCaptionOff) {
                reinterpret_cast<STYLESTRUCT*>(lParam)->styleNew &= ~WS_CAPTION;
            }
        }
        return frame.CallNext(msg, wParam, lParam);
    });
    SetWindowLongPtrW(form->Handle(), GWL_STYLE, LONG_PTR((Style() & ~WS_CAPTION) | WS_VSCROLL));
    SetWindowLongPtrW(form->Handle(), GWL_EXSTYLE, LONG_PTR(ExStyle() | WS_EX_ACCEPTFILES));
    ASSERT_FALSE(Style() & WS_CAPTION);
    changes = 0;

    form->SetBorderIcons(tk::biSystemMenu);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Style() & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), DWORD(WS_SYSMENU));
    EXPECT_FALSE(Style() & WS_CAPTION); // not the icons' to restore
    EXPECT_TRUE(Style() & WS_THICKFRAME);

    keepCaptionOff = true;
    form->SetBorderStyle(tk::BorderStyle::Dialog);
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(Style() & WS_CAPTION); // the procedure over the window took it off
    EXPECT_FALSE(Style() & WS_THICKFRAME);
    EXPECT_TRUE(Style() & DS_MODALFRAME);
    EXPECT_TRUE(ExStyle() & WS_EX_DLGMODALFRAME);

    form->SetBorderStyle(tk::BorderStyle::ToolWindow);
    EXPECT_FALSE(Style() & DS_MODALFRAME);
    EXPECT_FALSE(ExStyle() & WS_EX_DLGMODALFRAME);
    EXPECT_TRUE(ExStyle() & WS_EX_TOOLWINDOW);
    // Bits no border property owns stay as others set them.
    EXPECT_TRUE(Style() & WS_VSCROLL);
    EXPECT_TRUE(Style() & WS_VISIBLE);
    EXPECT_TRUE(ExStyle() & WS_EX_ACCEPTFILES);

    frame.Remove();
    form->SetBorderStyle(tk::BorderStyle::Single);
    EXPECT_EQ(Style() & WS_CAPTION, DWORD(WS_CAPTION));
    EXPECT_FALSE(ExStyle() & WS_EX_TOOLWINDOW);
    form->SetBorderStyle(tk::BorderStyle::None);
    EXPECT_TRUE(Style() & WS_POPUP);
    EXPECT_FALSE(Style() & (WS_CAPTION | WS_SYSMENU));
}

TEST_F(Forms, AFormPlacedOnAControlIsAChildWindowInsideIt) {
    auto* host = new tk::Panel(form);
    host->SetBounds(10, 10, 200, 150);
    host->SetParent(form);
    auto* inner = new tk::Form(form);
    inner->SetBorderStyle(tk::BorderStyle::None);
    inner->SetBounds(5, 5, 100, 80);
    inner->SetParent(host);
    ShowForm();
    inner->Show();
    const auto style = DWORD(GetWindowLongPtrW(inner->Handle(), GWL_STYLE));
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & WS_POPUP);
    EXPECT_EQ(GetParent(inner->Handle()), host->Handle());
    EXPECT_TRUE(IsWindowVisible(inner->Handle()));
}
