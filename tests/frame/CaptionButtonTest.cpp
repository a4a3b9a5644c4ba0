// Caption buttons and the system menu, driven by real non-client messages and
// read back from the screen.
#include "tests/frame/FrameFixture.h"

#include "toolkit/win32/WindowSubclass.h"

#include <utility>
#include <vector>

using namespace skin;
using namespace frametest;
using tk::compositor::Attribute;

namespace {

using CaptionButtons = FrameTest;

constexpr RECT Bounds{80, 80, 440, 320};
// The odd skin's buttons, in its order.
constexpr size_t Close = 0, Maximize = 1, Restore = 2, Minimize = 3, Custom = 4, Icon = 5,
                 Never = 6;

POINT Centre(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

LPARAM ScreenParam(HWND window, POINT inWindow) {
    const RECT outer = WindowRectOf(window);
    return MAKELPARAM(outer.left + inWindow.x, outer.top + inWindow.y);
}

const RECT& ButtonRect(HWND window, size_t index) {
    return FrameOf(window)->FSysButtons.at(index)->FRect;
}

void Send(HWND window, UINT msg, WPARAM hit, POINT inWindow) {
    SendMessageW(window, msg, hit, ScreenParam(window, inWindow));
    guitest::PumpUntilIdle(40, 1000);
}

// One pixel read back from the screen (a maximised window starts off screen,
// where a capture of the whole window reads nothing).
uint32_t ScreenPixel(HWND window, POINT inWindow) {
    const RECT outer = WindowRectOf(window);
    const int x = outer.left + inWindow.x, y = outer.top + inWindow.y;
    return guitest::CaptureScreen({x, y, x + 1, y + 1}).At(0, 0);
}

// The double-click time of this process while it lives (not written to the
// registry, so no other test sees it).
class TDoubleClickTime {
public:
    explicit TDoubleClickTime(UINT ms) {
        SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, ms, nullptr, 0);
    }
    ~TDoubleClickTime() { SystemParametersInfoW(SPI_SETDOUBLECLICKTIME, before_, nullptr, 0); }
    TDoubleClickTime(const TDoubleClickTime&) = delete;
    TDoubleClickTime& operator=(const TDoubleClickTime&) = delete;

private:
    UINT before_ = GetDoubleClickTime();
};

// Closes whatever popup menu opens within the next moments, after noting
// its menu handle and a pixel inside it.
struct TMenuWatch {
    static inline HMENU Menu = nullptr;
    static inline uint32_t Pixel = 0;
    static inline bool Seen = false;
    explicit TMenuWatch(HWND owner) {
        Menu = nullptr;
        Seen = false;
        SetTimer(owner, 9, 150, [](HWND owner, UINT, UINT_PTR id, DWORD) {
            HWND popup = FindWindowW(L"#32768", nullptr);
            if (!popup || !IsWindowVisible(popup)) {
                return;
            }
            KillTimer(owner, id);
            Seen = true;
            Menu = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
            Pixel = guitest::CaptureWindow(popup).At(30, 8);
            EndMenu();
        });
    }
};

TEST_F(CaptionButtons, VisibilityFollowsTheWindowsBoxesAndState) {
    AddSkin(TOddSkin().Build());
    HWND full = ShowRaw(Bounds);
    TWinSkinForm& frame = *FrameOf(full);
    EXPECT_TRUE(frame.IsSysButtonVisible(Close));
    EXPECT_TRUE(frame.IsSysButtonVisible(Maximize));
    EXPECT_FALSE(frame.IsSysButtonVisible(Restore));
    EXPECT_TRUE(frame.IsSysButtonVisible(Minimize));
    EXPECT_TRUE(frame.IsSysButtonVisible(Custom));
    EXPECT_FALSE(frame.IsSysButtonVisible(Never));
    HWND bare = ShowRaw({100, 100, 400, 300}, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
    TWinSkinForm& plain = *FrameOf(bare);
    EXPECT_TRUE(plain.IsSysButtonVisible(Close));
    EXPECT_FALSE(plain.IsSysButtonVisible(Maximize));
    EXPECT_FALSE(plain.IsSysButtonVisible(Minimize));
}

TEST_F(CaptionButtons, HoverPressAndReleaseShowTheirCellsAndCloseTheWindow) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    const POINT close = Centre(ButtonRect(window, Close));
    EXPECT_EQ(ScreenPixel(window, close), guitest::Rgb(TOddSkin::ButtonCells[0]));
    Send(window, WM_NCMOUSEMOVE, HTCAPTION, close);
    EXPECT_EQ(ScreenPixel(window, close), guitest::Rgb(TOddSkin::ButtonCells[2]));
    // The pointer leaves: the hover timer puts the button back.
    SetCursorPos(0, 0);
    guitest::PumpFor(400);
    EXPECT_EQ(ScreenPixel(window, close), guitest::Rgb(TOddSkin::ButtonCells[0]));
    // Pressed and released with the pointer over it, or the hover timer
    // would take the hot look away before it is read.
    const RECT outer = WindowRectOf(window);
    SetCursorPos(outer.left + close.x, outer.top + close.y);
    Send(window, WM_NCLBUTTONDOWN, HTCAPTION, close);
    EXPECT_EQ(ScreenPixel(window, close), guitest::Rgb(TOddSkin::ButtonCells[1]));
    EXPECT_EQ(RawLog().closes, 0);
    Send(window, WM_NCLBUTTONUP, HTCAPTION, close);
    EXPECT_EQ(ScreenPixel(window, close), guitest::Rgb(TOddSkin::ButtonCells[2]));
    EXPECT_EQ(RawLog().closes, 1);
}

TEST_F(CaptionButtons, AnInactiveWindowIgnoresTheHover) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    ShowRaw({500, 500, 700, 650});
    const POINT close = Centre(ButtonRect(window, Close));
    Send(window, WM_NCMOUSEMOVE, HTCAPTION, close);
    EXPECT_EQ(FrameOf(window)->FHotObject, nullptr);
}

TEST_F(CaptionButtons, AnUnknownActionIsPostedToTheWindow) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    const POINT custom = Centre(ButtonRect(window, Custom));
    Send(window, WM_NCLBUTTONDOWN, HTCAPTION, custom);
    Send(window, WM_NCLBUTTONUP, HTCAPTION, custom);
    EXPECT_EQ(RawLog().buttonActions, 1);
    EXPECT_EQ(RawLog().lastButtonAction, WPARAM(TOddSkin::CustomAction));
    EXPECT_EQ(RawLog().closes, 0);
}

// The window's own compositor animation is off while the frame's maximise
// runs; the system-wide setting, which every other program shares, is left
// as the user has it.
TEST_F(CaptionButtons, MaximiseTurnsOnlyTheWindowsAnimationOffWhileItRuns) {
    TCompositorRecord record;
    AddSkin(TOddSkin().Build());
    ANIMATIONINFO before{sizeof(before), 0};
    SystemParametersInfoW(SPI_GETANIMATION, sizeof(before), &before, 0);
    HWND window = ShowRaw(Bounds);
    tk::WindowSubclass sizeWatch;
    sizeWatch.Install(window, [&](UINT msg, WPARAM wParam, LPARAM lParam) {
        if (msg == WM_SIZE && wParam == SIZE_MAXIMIZED) {
            record.Note(window, SIZE_MAXIMIZED);
        }
        return sizeWatch.CallNext(msg, wParam, lParam);
    });
    const POINT maximize = Centre(ButtonRect(window, Maximize));
    Send(window, WM_NCLBUTTONDOWN, HTCAPTION, maximize);
    Send(window, WM_NCLBUTTONUP, HTCAPTION, maximize);
    Settle();
    EXPECT_TRUE(IsZoomed(window));
    std::vector<std::pair<Attribute, DWORD>> seen;
    for (const auto& request : record.Requests()) {
        if (request.window == window && request.attribute != Attribute::NonClientRendering) {
            seen.emplace_back(request.attribute, request.value);
        }
    }
    EXPECT_EQ(seen, (std::vector<std::pair<Attribute, DWORD>>{
                        {Attribute::TransitionsForceDisabled, TRUE},
                        {TCompositorRecord::Noted, SIZE_MAXIMIZED},
                        {Attribute::TransitionsForceDisabled, FALSE}}));
    EXPECT_EQ(RawLog().animationDuringMaximize, before.iMinAnimate != 0);
    ANIMATIONINFO after{sizeof(after), 0};
    SystemParametersInfoW(SPI_GETANIMATION, sizeof(after), &after, 0);
    EXPECT_EQ(after.iMinAnimate, before.iMinAnimate);
    // Maximised, the restore button takes the maximise button's place.
    TWinSkinForm& frame = *FrameOf(window);
    EXPECT_TRUE(frame.IsSysButtonVisible(Restore));
    EXPECT_EQ(ScreenPixel(window, Centre(ButtonRect(window, Restore))),
              guitest::Rgb(TOddSkin::RestoreNormal));
}

TEST_F(CaptionButtons, DoubleClicksMaximiseAndRestore) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    const POINT title{150, TOddSkin::Title / 2};
    Send(window, WM_NCLBUTTONDBLCLK, HTCAPTION, title);
    Settle();
    EXPECT_TRUE(IsZoomed(window));
    Send(window, WM_NCLBUTTONDBLCLK, HTCAPTION, title);
    Settle();
    EXPECT_FALSE(IsZoomed(window));
    HWND fixed = ShowRaw({100, 100, 400, 300}, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU);
    Send(fixed, WM_NCLBUTTONDBLCLK, HTCAPTION, title);
    Settle();
    EXPECT_FALSE(IsZoomed(fixed));
}

TEST_F(CaptionButtons, AMaximisedWindowCannotBeDraggedByItsTitle) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds, RawStyle | WS_MAXIMIZE);
    Send(window, WM_NCLBUTTONDOWN, HTCAPTION, {150, TOddSkin::Title / 2});
    EXPECT_EQ(RawLog().lastNcLButtonDown, WPARAM(HTMENU));
    SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    Settle();
    Send(window, WM_NCLBUTTONDOWN, HTCAPTION, {150, TOddSkin::Title / 2});
    EXPECT_EQ(RawLog().lastNcLButtonDown, WPARAM(HTCAPTION));
}

TEST_F(CaptionButtons, ARightClickOnTheTitleOpensTheSkinnedSystemMenu) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    TMenuWatch watch(window);
    Send(window, WM_NCRBUTTONDOWN, HTCAPTION, {150, TOddSkin::Title / 2});
    ASSERT_TRUE(TMenuWatch::Seen);
    EXPECT_NE(TMenuWatch::Menu, GetSystemMenu(window, FALSE));
    EXPECT_EQ(TMenuWatch::Pixel, guitest::Rgb(TOddSkin::Menu));
    ASSERT_NE(TMenuWatch::Menu, nullptr);
    // Restore, maximise, minimise, a line and close; restore greyed.
    EXPECT_EQ(GetMenuItemCount(TMenuWatch::Menu), 5);
    EXPECT_TRUE(GetMenuState(TMenuWatch::Menu, 0, MF_BYPOSITION) & MF_GRAYED);
    EXPECT_FALSE(GetMenuState(TMenuWatch::Menu, 1, MF_BYPOSITION) & MF_GRAYED);
}

TEST_F(CaptionButtons, WithoutSkinnedSystemMenusTheNativeOneOpens) {
    TSkinData& data = AddSkin(TOddSkin().Build());
    data.SetSkinControls(data.SkinControls() & ~SkinControlBit(xcSystemMenu));
    HWND window = ShowRaw(Bounds);
    TMenuWatch watch(window);
    Send(window, WM_NCRBUTTONDOWN, HTCAPTION, {150, TOddSkin::Title / 2});
    ASSERT_TRUE(TMenuWatch::Seen);
    EXPECT_EQ(TMenuWatch::Menu, GetSystemMenu(window, FALSE));
}

TEST_F(CaptionButtons, TheMenuBarDropsDownSubmenusAndSendsCommands) {
    AddSkin(TOddSkin().Build());
    HMENU menu = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 42, L"&Open");
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    AppendMenuW(menu, MF_STRING, 77, L"&Help");
    HWND window = CreateWindowExW(0, RawClass, L"menu", RawStyle, Bounds.left, Bounds.top, 360, 240,
                                  nullptr, menu, GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(window);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Settle();
    const int barMiddle = TOddSkin::Title + GetSystemMetrics(SM_CYMENU) / 2;
    // The captions lie one after the other from the bar's left end.
    const guitest::Capture shot = guitest::CaptureWindow(window);
    int textPixels = 0;
    for (int x = TOddSkin::Left; x < 120; ++x) {
        textPixels += shot.At(x, barMiddle) != guitest::Rgb(TOddSkin::MenuBar);
    }
    EXPECT_GT(textPixels, 3);
    TMenuWatch watch(window);
    Send(window, WM_NCLBUTTONDOWN, HTMENU, {TOddSkin::Left + 12, barMiddle});
    ASSERT_TRUE(TMenuWatch::Seen);
    EXPECT_EQ(TMenuWatch::Menu, file);
    Send(window, WM_NCLBUTTONUP, HTMENU, {TOddSkin::Left + 12, barMiddle});
    // "Help", the second caption, has no submenu: a click sends its command.
    TFrameMenuBar& bar = *FrameOf(window)->FMenuBar;
    std::vector<TNCObject*> captions;
    for (int x = TOddSkin::Left; x < 200; ++x) {
        TNCObject* at = bar.MenuButtonAt({x, barMiddle});
        if (at && (captions.empty() || captions.back() != at)) {
            captions.push_back(at);
        }
    }
    ASSERT_EQ(captions.size(), 2u);
    const int helpX = (captions[1]->FRect.left + captions[1]->FRect.right) / 2;
    Send(window, WM_NCMOUSEMOVE, HTMENU, {helpX, barMiddle});
    Send(window, WM_NCLBUTTONDOWN, HTMENU, {helpX, barMiddle});
    Settle();
    EXPECT_EQ(RawLog().lastCommand, 77);
}

TEST_F(CaptionButtons, TheIconButtonsSecondClickClosesTheWindow) {
    // The second click counts from the first, which opened the menu and
    // waited for the watch to close it: on a loaded machine that alone can
    // outlast the usual half second, and the second click would open the
    // menu again.
    const TDoubleClickTime generous(5000);
    AddSkin(TOddSkin().Build());
    HWND window = CreateWindowExW(0, RawClass, L"icon", RawStyle, Bounds.left, Bounds.top, 360, 240,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(window);
    SendMessageW(window, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(LoadIconW(nullptr, IDI_APPLICATION)));
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Settle();
    TWinSkinForm& frame = *FrameOf(window);
    ASSERT_TRUE(frame.IsSysButtonVisible(Icon));
    const POINT icon = Centre(ButtonRect(window, Icon));
    TMenuWatch watch(window);
    Send(window, WM_NCLBUTTONDOWN, HTCAPTION, icon);
    Send(window, WM_NCLBUTTONUP, HTCAPTION, icon);
    EXPECT_TRUE(TMenuWatch::Seen);
    EXPECT_EQ(RawLog().closes, 0);
    TMenuWatch again(window); // closes a menu that opens again instead of hanging
    Send(window, WM_NCLBUTTONDOWN, HTCAPTION, icon);
    Send(window, WM_NCLBUTTONUP, HTCAPTION, icon);
    EXPECT_FALSE(TMenuWatch::Seen) << "the second click opened the menu again";
    EXPECT_EQ(RawLog().closes, 1);
}

} // namespace
