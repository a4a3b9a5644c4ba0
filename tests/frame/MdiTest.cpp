// The MDI paths, on raw Win32 MDI windows: the frame's client procedure, its
// children's frames, the maximised mode with the children's native caption,
// and the MDI child buttons in the frame's menu bar.
#include "tests/frame/MdiFixture.h"

using namespace skin;
using namespace frametest;

namespace {

using Mdi = MdiTest;

TEST_F(Mdi, TheFrameFindsItsClientAndChildrenGetFramesOfTheirOwn) {
    AddSkin(TOddSkin().Build());
    HWND frame = ShowMdiFrame();
    TWinSkinForm* frameFrame = FrameOf(frame);
    ASSERT_NE(frameFrame, nullptr);
    EXPECT_EQ(frameFrame->FWindowKind, TWindowKind::MdiFrame);
    EXPECT_EQ(frameFrame->FMdiClient, Client());
    HWND child = CreateChild(L"Child");
    TWinSkinForm* childFrame = FrameOf(child);
    ASSERT_NE(childFrame, nullptr);
    EXPECT_EQ(childFrame->FWindowKind, TWindowKind::MdiChild);
    EXPECT_EQ(SkinManager->CountMdiChildFrames(), 1);
    // A child keeps its caption bits and loses its caption buttons' bits.
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    EXPECT_EQ(style & WS_SYSMENU, 0);
    const RECT client = ClientInWindow(child);
    EXPECT_EQ(client.left, TOddSkin::Left);
    EXPECT_EQ(client.top, TOddSkin::Title);
}

TEST_F(Mdi, AMaximisedChildShowsTheSystemCaptionAndTheMenuBarItsButtons) {
    AddSkin(TOddSkin().Build());
    HWND frame = ShowMdiFrame();
    HWND child = CreateChild(L"Child");
    ASSERT_NE(FrameOf(child), nullptr);
    SendMessageW(Client(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
    Settle();
    RedrawWindow(frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Settle();
    EXPECT_TRUE(FrameOf(frame)->HasMaximizedMdiChild());
    EXPECT_TRUE(SkinManager->MdiMaximized());
    EXPECT_EQ(GetWindowLongPtrW(child, GWL_STYLE) & WS_SYSMENU, WS_SYSMENU);
    EXPECT_FALSE(FrameOf(child)->FHasRegion);
    // The restore button (action 8) in the frame's menu bar restores it.
    TWinSkinForm& skinned = *FrameOf(frame);
    const RECT restore = skinned.FSysButtons.at(skinned.FSysButtons.size() - 2)->FRect;
    ASSERT_GT(restore.right, restore.left);
    const POINT centre{(restore.left + restore.right) / 2, (restore.top + restore.bottom) / 2};
    const guitest::Capture bar = guitest::CaptureWindow(frame);
    EXPECT_TRUE(guitest::PixelIs(bar, centre.x, centre.y, TOddSkin::MdiButton));
    const RECT outer = WindowRectOf(frame);
    const LPARAM at = MAKELPARAM(outer.left + centre.x, outer.top + centre.y);
    SendMessageW(frame, WM_NCLBUTTONDOWN, HTMENU, at);
    SendMessageW(frame, WM_NCLBUTTONUP, HTMENU, at);
    Settle();
    EXPECT_FALSE(IsZoomed(child));
    EXPECT_FALSE(SkinManager->MdiMaximized());
    EXPECT_EQ(GetWindowLongPtrW(child, GWL_STYLE) & WS_SYSMENU, 0);
}

TEST_F(Mdi, ClosingTheLastChildGivesTheMenuUpdateBack) {
    TSkinData& data = AddSkin(TOddSkin().Build());
    ShowMdiFrame();
    HWND child = CreateChild(L"Child");
    EXPECT_FALSE(data.MenuUpdate());
    SendMessageW(Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    Settle();
    EXPECT_TRUE(data.MenuUpdate());
    EXPECT_EQ(SkinManager->CountMdiChildFrames(), 0);
}

TEST_F(Mdi, SetMdiMaxWithTheCurrentValueDoesNothing) {
    AddSkin(TOddSkin().Build());
    ShowMdiFrame();
    HWND child = CreateChild(L"Child");
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    SkinManager->SetMdiMax(false);
    EXPECT_EQ(GetWindowLongPtrW(child, GWL_STYLE), style);
}

} // namespace

namespace {

using ToolkitMdi = FrameTest;

TEST_F(ToolkitMdi, AnMdiFormAndItsChildrenComeUpSkinned) {
    AddSkin(TOddSkin().Build());
    auto* frame = new tk::Form(&app_);
    frame->SetFormStyle(tk::FormStyle::MDIForm);
    frame->SetBounds(40, 40, 600, 440);
    frame->Show();
    SetForegroundWindow(frame->Handle());
    Settle();
    ASSERT_NE(FrameOf(frame->Handle()), nullptr);
    EXPECT_EQ(FrameOf(frame->Handle())->FWindowKind, TWindowKind::MdiFrame);
    EXPECT_EQ(FrameOf(frame->Handle())->FMdiClient, frame->ClientHandle());
    auto* child = new tk::Form(&app_);
    child->SetFormStyle(tk::FormStyle::MDIChild);
    child->SetCaption("Child");
    child->SetBounds(10, 10, 240, 160);
    child->Show();
    Settle();
    TWinSkinForm* childFrame = FrameOf(child->Handle());
    ASSERT_NE(childFrame, nullptr);
    EXPECT_EQ(childFrame->FWindowKind, TWindowKind::MdiChild);
    EXPECT_EQ(childFrame->FAppForm, child);
    const RECT client = ClientInWindow(child->Handle());
    EXPECT_EQ(client.left, TOddSkin::Left);
    EXPECT_EQ(client.top, TOddSkin::Title);
    child->Close();
    Settle();
    EXPECT_EQ(SkinManager->CountMdiChildFrames(), 0);
}

} // namespace
