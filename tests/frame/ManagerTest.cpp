// The hook and the manager: which windows get a frame, with which component,
// and switching on, off and to another skin at run time.
#include "tests/frame/FrameFixture.h"

using namespace skin;
using namespace frametest;

namespace {

using Manager = FrameTest;

constexpr RECT Bounds{60, 60, 420, 300};

TEST_F(Manager, AnActivatedWindowGetsAFrameThatAnswersTheQuery) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    TWinSkinForm* frame = FrameOf(window);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(SendMessageW(window, WM_SKINQUERY, 0, 0), 1);
    EXPECT_EQ(frame->FState, TFrameState::Running);
    // A second activation attaches nothing more.
    SetActiveWindow(nullptr);
    SetForegroundWindow(window);
    Settle();
    EXPECT_EQ(SkinManager->Frames().size(), 1u);
}

TEST_F(Manager, RefusesTag99FormsTheFilterAndEmptyWindows) {
    TSkinData& data = AddSkin(TOddSkin().Build());
    tk::Form& refused = [&]() -> tk::Form& {
        auto* form = new tk::Form(&app_);
        form->SetTag(99);
        form->SetBounds(Bounds.left, Bounds.top, 300, 200);
        form->Show();
        SetForegroundWindow(form->Handle());
        Settle();
        return *form;
    }();
    EXPECT_EQ(FrameOf(refused.Handle()), nullptr);
    data.OnFormSkin = [](TSkinData&, const std::string& name, bool& doSkin) {
        doSkin = name != "FrameTestRaw";
    };
    EXPECT_EQ(FrameOf(ShowRaw(Bounds)), nullptr);
    data.OnFormSkin = nullptr;
    EXPECT_EQ(FrameOf(ShowRaw({10, 10, 10, 10}, WS_POPUP)), nullptr);
    EXPECT_NE(FrameOf(ShowRaw(Bounds)), nullptr);
}

TEST_F(Manager, RefusesTheApplicationClass) {
    AddSkin(TOddSkin().Build());
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TApplication";
    RegisterClassExW(&wc);
    HWND window = CreateWindowExW(0, L"TApplication", L"app", RawStyle, 10, 10, 200, 100, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(window);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Settle();
    EXPECT_EQ(FrameOf(window), nullptr);
}

TEST_F(Manager, TheHookNeverSkinsAPlainChild) {
    AddSkin(TOddSkin().Build());
    HWND parent = ShowRaw(Bounds);
    HWND child = CreateWindowExW(0, RawClass, L"child", WS_CHILD | WS_VISIBLE | WS_CAPTION, 10, 10,
                                 120, 80, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_FALSE(SkinManager->SkinWindow(child));
    EXPECT_EQ(FrameOf(child), nullptr);
    EXPECT_NE(FrameOf(parent), nullptr);
}

TEST_F(Manager, MessageBoxesTakeTheDialogComponent) {
    TSkinData& main = AddSkin(ShippedSkin("kanvio_neon"));
    TSkinData& dialogs = AddSkin(TOddSkin().Build(), TSkinFormType::sfDialog);
    HWND owner = ShowRaw(Bounds);
    ASSERT_NE(FrameOf(owner), nullptr);
    EXPECT_EQ(FrameOf(owner)->FSkinData, &main);
    static TSkinData* seen = nullptr;
    static RECT client{};
    seen = nullptr;
    SetTimer(owner, 7, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND box = FindWindowW(L"#32770", L"Skinned?");
        if (!box) {
            return;
        }
        KillTimer(GetWindow(box, GW_OWNER), id);
        if (TWinSkinForm* frame = FrameOf(box)) {
            seen = frame->FSkinData;
            client = ClientInWindow(box);
        }
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    MessageBoxW(owner, L"A message", L"Skinned?", MB_OK);
    EXPECT_EQ(seen, &dialogs);
    EXPECT_EQ(client.left, TOddSkin::Left);
    EXPECT_EQ(client.top, TOddSkin::Title);
}

TEST_F(Manager, TheLaterOfTwoOnlyThisFormComponentsWins) {
    AddSkin(ShippedSkin("kanvio_neon"));
    tk::Form& form = ShowForm(Bounds);
    auto* first = new TSkinData(&form);
    first->SetSkinFormtype(TSkinFormType::sfOnlyThisForm);
    first->SetSkinStream(ShippedSkin("kanvio_daylight"));
    first->Loaded();
    auto* second = new TSkinData(&form);
    second->SetSkinFormtype(TSkinFormType::sfOnlyThisForm);
    second->SetSkinStream(TOddSkin().Build());
    second->Loaded();
    EXPECT_EQ(SkinManager->FindSkinData(form.Handle()), second);
}

TEST_F(Manager, SwitchingOffAnOnlyThisFormComponentDetachesOnlyItsForm) {
    AddSkin(ShippedSkin("kanvio_neon"));
    tk::Form& other = ShowForm(Bounds, "Other");
    auto* own = new tk::Form(&app_);
    own->SetBounds(120, 120, 300, 200);
    auto* data = new TSkinData(own);
    data->SetSkinFormtype(TSkinFormType::sfOnlyThisForm);
    data->SetSkinStream(TOddSkin().Build());
    data->SetActive(true);
    data->Loaded();
    own->Show();
    SetForegroundWindow(own->Handle());
    Settle();
    ASSERT_NE(FrameOf(own->Handle()), nullptr);
    EXPECT_EQ(FrameOf(own->Handle())->FSkinData, data);
    ASSERT_NE(FrameOf(other.Handle()), nullptr);
    data->SetActive(false);
    RunPendingAction();
    EXPECT_EQ(FrameOf(own->Handle()), nullptr);
    EXPECT_NE(FrameOf(other.Handle()), nullptr);
}

TEST_F(Manager, SwitchingOffGivesTheNativeFrameBackWithTheSameClientArea) {
    TSkinData& data = AddSkin(TOddSkin().Build());
    const RECT native = [&] {
        HWND probe = CreateWindowExW(0, RawClass, L"probe", RawStyle, Bounds.left, Bounds.top,
                                     Bounds.right - Bounds.left, Bounds.bottom - Bounds.top,
                                     nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        const RECT r = ClientRectOf(probe);
        DestroyWindow(probe);
        return r;
    }();
    HWND window = ShowRaw(Bounds);
    ASSERT_NE(FrameOf(window), nullptr);
    EXPECT_EQ(ClientRectOf(window).right, native.right);
    EXPECT_EQ(ClientRectOf(window).bottom, native.bottom);
    data.SetActive(false);
    RunPendingAction();
    EXPECT_EQ(FrameOf(window), nullptr);
    EXPECT_EQ(SendMessageW(window, WM_SKINQUERY, 0, 0), 0);
    EXPECT_EQ(ClientRectOf(window).right, native.right);
    EXPECT_EQ(ClientRectOf(window).bottom, native.bottom);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, region), ERROR);
    DeleteObject(region);
}

TEST_F(Manager, ANewSkinRelayoutsEveryFrameBeforeAnyRepaint) {
    TSkinData& data = AddSkin(TOddSkin().Build());
    HWND a = ShowRaw(Bounds);
    HWND b = ShowRaw({100, 100, 400, 320});
    const RECT clientA = ClientRectOf(a);
    int changed = 0;
    data.OnSkinChanged = [&](tk::Component&) { ++changed; };
    data.SetSkinFile(ShippedSkinPath("kanvio_neon"));
    RunPendingAction();
    EXPECT_EQ(changed, 1);
    for (HWND window : {a, b}) {
        TWinSkinForm* frame = FrameOf(window);
        ASSERT_NE(frame, nullptr);
        const RECT client = ClientInWindow(window);
        EXPECT_EQ(client.left, frame->FBorderLeft);
        EXPECT_EQ(client.top, frame->FBorderTop);
        EXPECT_NE(frame->FBorderTop, TOddSkin::Title);
    }
    // The client area stays as it was; the window follows the new borders.
    EXPECT_EQ(ClientRectOf(a).right, clientA.right);
    EXPECT_EQ(ClientRectOf(a).bottom, clientA.bottom);
}

TEST_F(Manager, SwitchingBeforeAnyActivationArmsNoTimer) {
    TSkinData& data = AddSkin(TOddSkin().Build());
    data.SetActive(false);
    EXPECT_FALSE(SkinManager->Enabled());
    data.SetActive(true);
    EXPECT_TRUE(SkinManager->Enabled());
    EXPECT_FALSE(SkinManager->TimerArmed());
}

TEST_F(Manager, AFormFrameIsOwnedByTheFormAndGoesWithIt) {
    AddSkin(TOddSkin().Build());
    tk::Form* form = &ShowForm(Bounds, "Owned");
    TWinSkinForm* frame = FrameOf(form->Handle());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Owner(), form);
    EXPECT_EQ(frame->FAppForm, form);
    delete form;
    Settle();
    EXPECT_TRUE(SkinManager->Frames().empty());
}

} // namespace
