// The gallery's main window comes up in its skin: the skin component of its
// design switches skinning on, and the window gets a frame of the default
// skin around the client area its design gives.
#include "tests/gallery/GalleryFixture.h"

#include "tests/guitest/BoxRefuser.h"

#include "skin/WinSkinMenu/PopupMenuSkin.h"
#include "skin/ImgUtil/ImgUtil.h"
#include "toolkit/PageControl.h"
#include "skin/WinSubClass/SkinControl.h"
#include "skin/WinSubClass/SkinManager.h"
#include "skin/WinSubClass/SkinTab.h"
#include "toolkit/TreeView.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "skin/WinSkinForm/WinSkinForm.h"

#include <commctrl.h>

namespace {

using gallerytest::Gallery;
using GallerySkin = Gallery;

skin::TWinSkinForm* FrameOf(HWND window) {
    return skin::SkinManager ? skin::SkinManager->FindFrame(window) : nullptr;
}

// Reads an open popup menu from inside its loop: once it has shown for a few
// ticks its first item is selected, then it is captured and closed.
struct TOpenMenuShot {
    int ticks = 0;
    guitest::Capture shot;
};
TOpenMenuShot* OpenMenuShot = nullptr;

void CALLBACK LookAtOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
    constexpr int SelectAt = 3, CaptureAt = 6, GiveUpAt = 60;
    TOpenMenuShot& s = *OpenMenuShot;
    const std::vector<HWND> popups = skin::OpenPopupMenuWindows();
    if (popups.empty()) {
        if (++s.ticks > GiveUpAt) {
            EndMenu();
        }
        return;
    }
    ++s.ticks;
    if (s.ticks == SelectAt) {
        PostMessageW(popups.front(), WM_KEYDOWN, VK_DOWN, 0);
    } else if (s.ticks >= CaptureAt) {
        UpdateWindow(popups.front());
        s.shot = guitest::CaptureWindow(popups.front());
        EndMenu();
    }
}

bool HasColour(const guitest::Capture& shot, int inset, skin::Colour colour) {
    const uint32_t wanted = base::ColourPixel(colour);
    for (int y = inset; y < shot.height - inset; ++y) {
        for (int x = inset; x < shot.width - inset; ++x) {
            if (shot.At(x, y) == wanted) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(GallerySkin, TheMainWindowComesUpInItsSkin) {
    Open();
    guitest::PumpUntilIdle();
    skin::TWinSkinForm* frame = FrameOf(form_->Handle());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->FSkinData->SkinName, "Kanvio Neon");
    EXPECT_EQ(frame->FState, skin::TFrameState::Running);
    EXPECT_EQ(921, form_->ClientWidth());
    EXPECT_EQ(585, form_->ClientHeight());
    RECT window{};
    GetWindowRect(form_->Handle(), &window);
    EXPECT_EQ(window.right - window.left, 921 + frame->FBorderLeft + frame->FBorderRight);
    EXPECT_EQ(window.bottom - window.top, 585 + frame->FBorderTop + frame->FBorderBottom);
    EXPECT_EQ(GetWindowLongW(form_->Handle(), GWL_STYLE) & WS_CAPTION, 0);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(form_->Handle(), region), COMPLEXREGION);
    DeleteObject(region);
    EXPECT_TRUE(messages_.empty());
}

// The page control's two tabs with their pictures are drawn from the skin:
// the selected tab's top row and the page border's left edge show the skin's
// own pixels there.
TEST_F(GallerySkin, ThePageControlsTabsAreDrawnFromTheSkin) {
    Open();
    guitest::PumpUntilIdle();
    skin::TWinSkinForm* frame = FrameOf(form_->Handle());
    ASSERT_NE(frame, nullptr);
    auto& pages = Get<tk::PageControl>("PageControl1");
    HWND window = pages.Handle();
    auto* skinner = dynamic_cast<skin::TSkinTab*>(frame->FindControlByWindow(window));
    ASSERT_NE(skinner, nullptr);
    const skin::TDataSkinBorder& tabs = *frame->FSkinData->Tabs;
    const int selected = int(SendMessageW(window, TCM_GETCURSEL, 0, 0));
    RECT tab{};
    SendMessageW(window, TCM_GETITEMRECT, WPARAM(selected), reinterpret_cast<LPARAM>(&tab));
    const guitest::Capture shot = guitest::CaptureWindow(window);
    // Row 0 of the selected cell (cell 2), drawn one pixel down, a little in
    // from the left where no stretching reaches.
    const int cellWidth = tabs.Bitmap.Width() / tabs.Frame;
    const int inset = tabs.LeftWidth - 1;
    EXPECT_TRUE(guitest::PixelIs(shot, tab.left + inset, tab.top + 1,
                                 tabs.Bitmap.Pixel(cellWidth + inset, 0)));
    RECT page{0, 0, shot.width, shot.height};
    SendMessageW(window, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    EXPECT_TRUE(guitest::PixelIs(shot, page.left - 4, (page.top + page.bottom) / 2,
                                 tabs.Bitmap2.Pixel(0, tabs.Bitmap2.Height() / 2)));
    EXPECT_TRUE(messages_.empty());
}

TEST_F(GallerySkin, TheSkinsCloseButtonClosesTheWindow) {
    Open();
    guitest::PumpUntilIdle();
    skin::TWinSkinForm* frame = FrameOf(form_->Handle());
    ASSERT_NE(frame, nullptr);
    const skin::TWinSysButton* close = nullptr;
    for (const auto& button : frame->FSysButtons) {
        if (button->FVisible && button->FElement.Action == skin::button_action::Close) {
            close = button.get();
        }
    }
    ASSERT_NE(close, nullptr);
    RECT window{};
    GetWindowRect(form_->Handle(), &window);
    const LPARAM at = MAKELPARAM(window.left + (close->FRect.left + close->FRect.right) / 2,
                                 window.top + (close->FRect.top + close->FRect.bottom) / 2);
    EXPECT_EQ(SendMessageW(form_->Handle(), WM_NCHITTEST, 0, at), HTCAPTION);
    SendMessageW(form_->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, at);
    SendMessageW(form_->Handle(), WM_NCLBUTTONUP, HTCAPTION, at);
    guitest::PumpUntilIdle();
    EXPECT_FALSE(IsWindowVisible(form_->Handle()));
    EXPECT_TRUE(messages_.empty());
}

// The edit of a category label being renamed opens its own context menu:
// it comes up in the skin, its frame from MenuBackground and its selected
// item from MenuItem's selected cell.
TEST_F(GallerySkin, TheContextMenuOfALabelBeingRenamedIsSkinned) {
    Open();
    ShowTab("TabSheet3");
    const HWND tree = Get<tk::TreeView>("TreeView2").Handle();
    const HTREEITEM first = TreeView_GetRoot(tree);
    ASSERT_NE(first, nullptr);
    SetFocus(tree);
    TreeView_SelectItem(tree, first);
    const HWND edit = TreeView_EditLabel(tree, first);
    ASSERT_NE(edit, nullptr);
    guitest::PumpUntilIdle();
    TOpenMenuShot looking;
    OpenMenuShot = &looking;
    const UINT_PTR timer = SetTimer(nullptr, 0, 60, LookAtOpenMenu);
    RECT r{};
    GetWindowRect(edit, &r);
    SendMessageW(edit, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(edit),
                 MAKELPARAM(r.left + 10, r.bottom - 4));
    KillTimer(nullptr, timer);
    OpenMenuShot = nullptr;
    ASSERT_GT(looking.shot.width, 0) << "no menu opened";
    guitest::SaveForTest(looking.shot, "label-edit-menu");
    const skin::TSkinData& data = *FrameOf(form_->Handle())->FSkinData;
    ASSERT_TRUE(data.MenuItem && data.MenuBackground);
    // The ring's outermost line, and the selected cell's left edge (its
    // middle rows stretch over the item's height).
    const skin::TDib& item = data.MenuItem->Bitmap;
    const int cell = item.Width() / std::max(data.MenuItem->Frame, 1);
    const skin::Colour selectedEdge = item.Pixel(3 * cell + 1, item.Height() / 2);
    EXPECT_EQ(looking.shot.At(0, 0),
              guitest::Rgb(skin::ResolveColour(data.MenuBackground->Bitmap.Pixel(0, 0))));
    EXPECT_TRUE(HasColour(looking.shot, 3, selectedEdge)) << "no item drawn from MenuItem";
    TreeView_EndEditLabelNow(tree, TRUE);
    EXPECT_TRUE(messages_.empty());
}

TEST_F(GallerySkin, TheExitButtonIsASkinnedSpeedButtonThatStillCloses) {
    Open();
    guitest::PumpUntilIdle();
    skin::TWinSkinForm* frame = FrameOf(form_->Handle());
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
    EXPECT_FALSE(IsWindowVisible(form_->Handle()));
    EXPECT_TRUE(messages_.empty());
}

// Taking a new skin redraws the whole window: a tree whose scroll bars are
// taken over again shows its categories, as it did before.
TEST_F(GallerySkin, ASkinSwitchLeavesTheTreeDrawn) {
    Open();
    auto& tree = Get<tk::TreeView>("TreeView1");
    for (const auto& header : tree.Items().Children()) {
        header->Expand();
    }
    tree.SetSelected(tree.Items().Children().front()->Children().front().get());
    guitest::PumpUntilIdle();
    const RECT onScreen = gallerytest::ScreenRect(tree);
    const guitest::Capture before = guitest::CaptureScreen(onScreen);
    Get<skin::TSkinData>("SkinData1")
        .SetSkinFile(std::string(KANVIO_SKINS_DIR) + "/kanvio_neon.skn");
    skin::SkinManager->OnActionTimer();
    guitest::PumpUntilIdle();
    const guitest::Capture after = guitest::CaptureScreen(onScreen);
    EXPECT_TRUE(guitest::SameRect(before, {0, 0, before.width, before.height}, after, {0, 0}));
    EXPECT_TRUE(messages_.empty());
}

// A click on a tab shows its sheet with the tree drawn whole, rows and all,
// as a full repaint of the tree draws it; so does the click back.
TEST_F(GallerySkin, EachTreeIsDrawnWholeWhenItsTabIsClicked) {
    Open();
    guitest::PumpUntilIdle();
    HWND pages = Get<tk::PageControl>("PageControl1").Handle();
    const auto clickTab = [&](int index) {
        RECT tab{};
        SendMessageW(pages, TCM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&tab));
        guitest::Click(pages, {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
        guitest::PumpUntilIdle();
    };
    const auto drawnWhole = [](tk::TreeView& tree) {
        const RECT onScreen = gallerytest::ScreenRect(tree);
        const guitest::Capture shown = guitest::CaptureScreen(onScreen);
        RedrawWindow(tree.Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        guitest::PumpUntilIdle();
        const guitest::Capture repainted = guitest::CaptureScreen(onScreen);
        return guitest::SameRect(repainted, {0, 0, shown.width, shown.height}, shown, {0, 0});
    };
    auto& industry = Get<tk::TreeView>("TreeView1");
    auto& colour = Get<tk::TreeView>("TreeView2");
    clickTab(1);
    EXPECT_TRUE(drawnWhole(colour));
    clickTab(0);
    EXPECT_TRUE(drawnWhole(industry));
    clickTab(1);
    EXPECT_TRUE(drawnWhole(colour));
    EXPECT_TRUE(messages_.empty());
}

// The skin layer only reports why a package did not load; the gallery shows
// it to the user in a box, for the skin component its design makes.
TEST_F(GallerySkin, TheGalleryShowsWhyASkinDidNotLoad) {
    Open();
    std::unique_ptr<tk::Component> made(app_.Classes().Create("TSkinData", nullptr));
    auto* skinData = dynamic_cast<skin::TSkinData*>(made.get());
    ASSERT_NE(skinData, nullptr);
    const guitest::TBoxRefuser boxes;
    EXPECT_FALSE(skinData->SetSkinStream({1, 2, 3}));
    EXPECT_EQ(boxes.Refused(), 1);
}

} // namespace
