// MDI forms: a frame with its client window, children inside it, the window
// menu, a maximised child's buttons in the frame's menu bar, the MDI keys.
#include "toolkit/ExtCtrls.h"
#include "toolkit/Menus.h"
#include "toolkit/Properties.h"
#include "toolkit/win32/WindowSubclass.h"

#include "tests/toolkit/FormFixture.h"
#include "tests/guitest/GuiTest.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Mdi : FormFixture {
    tk::Form* frame = nullptr;
    void SetUp() override {
        FormFixture::SetUp();
        frame = form;
        frame->SetBounds(40, 40, 640, 480);
        Read(R"(object F: TForm
  FormStyle = fsMDIForm
  Caption = 'Frame'
  Menu = Bar
  WindowMenu = WindowItem
  object Tools: TPanel
    Align = alTop
    Height = 30
  end
  object Bar: TMainMenu
    object FileItem: TMenuItem
      Caption = 'File'
      object NewItem: TMenuItem
        Caption = 'New'
      end
    end
    object WindowItem: TMenuItem
      Caption = 'Window'
      object CascadeItem: TMenuItem
        Caption = 'Cascade'
      end
    end
  end
end)");
        ShowForm();
    }
    tk::Form& NewChild(const std::string& caption) {
        auto* child = new tk::Form(&app);
        child->SetFormStyle(tk::FormStyle::MDIChild);
        child->SetCaption(caption);
        child->SetBounds(10, 10, 200, 150);
        child->Show();
        guitest::PumpUntilIdle();
        return *child;
    }
    HMENU BarHandle() { return GetMenu(frame->Handle()); }
    HMENU WindowList() { return Find<tk::MenuItem>("WindowItem").Handle(); }
    std::wstring MenuText(HMENU menu, int position) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
        return text;
    }
    UINT CommandAt(HMENU menu, int position) { return GetMenuItemID(menu, position); }
};

RECT WindowRectIn(HWND window, HWND parent) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace

TEST_F(Mdi, AFrameHoldsItsChildrenInItsClientWindowAndListsThem) {
    EXPECT_EQ(tk::TryGetEnumProp(*frame, "FormStyle"), "fsMDIForm");
    HWND client = frame->ClientHandle();
    ASSERT_NE(client, nullptr);
    wchar_t className[32] = {};
    GetClassNameW(client, className, 32);
    EXPECT_STREQ(className, L"MDIClient");
    // The client fills what the aligned tool panel leaves, and follows a resize.
    RECT area;
    GetClientRect(frame->Handle(), &area);
    EXPECT_EQ(WindowRectIn(client, frame->Handle()).top, 30);
    EXPECT_EQ(WindowRectIn(client, frame->Handle()).bottom, area.bottom);
    frame->SetBounds(40, 40, 700, 520);
    guitest::PumpUntilIdle();
    GetClientRect(frame->Handle(), &area);
    EXPECT_EQ(WindowRectIn(client, frame->Handle()).right, area.right);

    // Children come and go through the client (a procedure over it sees them).
    std::vector<UINT> requests;
    tk::WindowSubclass watch;
    watch.Install(client, [&](UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg >= WM_MDICREATE && msg <= WM_MDIREFRESHMENU) {
            requests.push_back(msg);
        }
        return watch.CallNext(msg, wParam, lParam);
    });
    tk::Form& first = NewChild("First");
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.front(), UINT(WM_MDICREATE));
    EXPECT_EQ(requests.back(), UINT(WM_MDIREFRESHMENU)); // the system's, once the child is made
    tk::Form& second = NewChild("Second");
    EXPECT_EQ(tk::TryGetEnumProp(first, "FormStyle"), "fsMDIChild");
    EXPECT_EQ(GetParent(first.Handle()), client);
    EXPECT_TRUE(GetWindowLongPtrW(first.Handle(), GWL_EXSTYLE) & WS_EX_MDICHILD);
    EXPECT_EQ(app.MDIChildren(), (std::vector<tk::Form*>{&first, &second}));
    EXPECT_EQ(frame->MDIChildCount(), 2);
    EXPECT_EQ(frame->MDIChildren(1), &second);
    EXPECT_EQ(frame->MDIChildren(2), nullptr);
    EXPECT_EQ(frame->ActiveMDIChild(), &second);
    // Bounds are the child's place in the client window.
    EXPECT_EQ(first.Left(), WindowRectIn(first.Handle(), client).left);

    // The window menu lists the children after its own items.
    HMENU list = WindowList();
    ASSERT_EQ(GetMenuItemCount(list), 4);
    EXPECT_EQ(MenuText(list, 2), L"&1 First");
    EXPECT_EQ(MenuText(list, 3), L"&2 Second");
    // Choosing an entry activates that child.
    SendMessageW(frame->Handle(), WM_COMMAND, CommandAt(list, 2), 0);
    EXPECT_EQ(frame->ActiveMDIChild(), &first);

    frame->Tile();
    RECT a = WindowRectIn(first.Handle(), client), b = WindowRectIn(second.Handle(), client);
    RECT overlap;
    EXPECT_FALSE(IntersectRect(&overlap, &a, &b));
    frame->Cascade();
    a = WindowRectIn(first.Handle(), client);
    b = WindowRectIn(second.Handle(), client);
    EXPECT_NE(a.left, b.left);
    EXPECT_TRUE(IntersectRect(&overlap, &a, &b));

    // Closing a child takes its window away, and it off the list; the form
    // stays and comes back when shown again.
    requests.clear();
    SendMessageW(first.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(requests.front(), UINT(WM_MDIDESTROY));
    EXPECT_FALSE(first.HandleAllocated());
    EXPECT_EQ(frame->MDIChildCount(), 1);
    EXPECT_EQ(GetMenuItemCount(list), 3);
    EXPECT_EQ(frame->ActiveMDIChild(), &second);
    first.Show();
    EXPECT_EQ(frame->MDIChildCount(), 2);
    delete &second;
    EXPECT_EQ(app.MDIChildren(), (std::vector<tk::Form*>{&first}));
    EXPECT_TRUE(errors.empty());
}

TEST_F(Mdi, AMaximisedChildMergesIntoTheFrameMenuBarAcrossMenuRebuilds) {
    tk::Form& child = NewChild("Child");
    NewChild("Other");
    ASSERT_EQ(GetMenuItemCount(BarHandle()), 2);
    SendMessageW(frame->ClientHandle(), WM_MDIMAXIMIZE, WPARAM(child.Handle()), 0);
    guitest::PumpUntilIdle();
    // The child's system menu first, the frame's own items, the child's
    // three buttons last.
    auto merged = [&](int own) {
        HMENU bar = BarHandle();
        const int count = GetMenuItemCount(bar);
        return count == own + 4 && GetSubMenu(bar, 0) != nullptr &&
               CommandAt(bar, count - 3) == SC_MINIMIZE &&
               CommandAt(bar, count - 2) == SC_RESTORE && CommandAt(bar, count - 1) == SC_CLOSE;
    };
    EXPECT_TRUE(merged(2));
    EXPECT_EQ(MenuText(BarHandle(), 1), L"File");

    // The menu built again (an item added, then freed) keeps the child's
    // buttons and the window list, and leaves no menu behind.
    const guitest::ObjectCounts before = guitest::CountLiveObjects();
    auto* help = new tk::MenuItem(frame);
    help->SetCaption("Help");
    Find<tk::MainMenu>("Bar").Items().Add(*help);
    EXPECT_TRUE(merged(3));
    EXPECT_EQ(MenuText(BarHandle(), 3), L"Help");
    EXPECT_EQ(GetMenuItemCount(WindowList()), 4);
    delete help;
    EXPECT_TRUE(merged(2));
    EXPECT_EQ(guitest::CountLiveObjects().menus, before.menus);

    // The close button of the menu bar closes the maximised child; the other
    // comes up maximised in its place, as the system does; restored, the
    // menu bar is the frame's own again.
    SendMessageW(frame->Handle(), WM_COMMAND, SC_CLOSE, 0);
    guitest::PumpUntilIdle();
    EXPECT_FALSE(child.HandleAllocated());
    EXPECT_EQ(frame->MDIChildCount(), 1);
    SendMessageW(frame->ClientHandle(), WM_MDIRESTORE, WPARAM(frame->ActiveMDIChild()->Handle()),
                 0);
    guitest::PumpUntilIdle();
    EXPECT_EQ(GetMenuItemCount(BarHandle()), 2);
}

TEST_F(Mdi, TheMessageLoopGivesTheMDIKeysToTheActiveChild) {
    tk::Form& first = NewChild("First");
    tk::Form& second = NewChild("Second");
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE pressed[256];
    std::copy(std::begin(keys), std::end(keys), pressed);
    pressed[VK_CONTROL] = 0x80;
    SetKeyboardState(pressed);
    PostMessageW(second.Handle(), WM_KEYDOWN, VK_F6, 0);
    app.ProcessMessages();
    EXPECT_EQ(frame->ActiveMDIChild(), &first);
    PostMessageW(first.Handle(), WM_KEYDOWN, VK_F4, 0);
    app.ProcessMessages();
    SetKeyboardState(keys);
    EXPECT_FALSE(first.HandleAllocated());
    EXPECT_EQ(frame->MDIChildCount(), 1);
}

TEST_F(Mdi, AChildNeedsAnMDIMainFormAndKeepsItsStyleOnceItHasAWindow) {
    tk::Form& child = NewChild("Child");
    EXPECT_THROW(child.SetFormStyle(tk::FormStyle::Normal), std::logic_error);
    EXPECT_THROW(frame->SetFormStyle(tk::FormStyle::Normal), std::logic_error);
    tk::Application other;
    auto* main = new tk::Form(&other);
    auto* orphan = new tk::Form(&other);
    orphan->SetFormStyle(tk::FormStyle::MDIChild);
    try {
        orphan->Show();
        FAIL() << "shown without an MDI main form";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("main form is not an MDI form"), std::string::npos);
    }
    EXPECT_FALSE(orphan->HandleAllocated());
    EXPECT_EQ(main->ClientHandle(), nullptr);
    EXPECT_EQ(main->MDIChildCount(), 0);
}
