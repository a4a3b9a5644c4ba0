// The frame's geometry: the client rectangle from the skin's borders, hit
// testing, border kinds, show states, message box widening, detaching.
#include "tests/frame/FrameFixture.h"

using namespace skin;
using namespace frametest;

namespace {

using FrameGeometry = FrameTest;

constexpr RECT Bounds{50, 50, 410, 290};

LRESULT HitTest(HWND window, int x, int y) {
    const RECT outer = WindowRectOf(window);
    return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(outer.left + x, outer.top + y));
}

TEST_F(FrameGeometry, TheClientAreaIsInsetByEachBorder) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    const RECT client = ClientInWindow(window);
    const RECT outer = WindowRectOf(window);
    EXPECT_EQ(client.left, TOddSkin::Left);
    EXPECT_EQ(client.top, TOddSkin::Title);
    EXPECT_EQ(outer.right - outer.left - client.right, TOddSkin::Right);
    EXPECT_EQ(outer.bottom - outer.top - client.bottom, TOddSkin::Bottom);
    // The caption bits are off while skinned.
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION, 0);
}

TEST_F(FrameGeometry, AMenuBarIsReservedBelowTheTitle) {
    AddSkin(TOddSkin().Build());
    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, 1, L"&File");
    HWND window = CreateWindowExW(0, RawClass, L"menu", RawStyle, 50, 50, 360, 240, nullptr, menu,
                                  GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(window);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Settle();
    ASSERT_NE(FrameOf(window), nullptr);
    EXPECT_EQ(GetMenu(window), nullptr);
    EXPECT_EQ(ClientInWindow(window).top, TOddSkin::Title + GetSystemMetrics(SM_CYMENU));
    const guitest::Capture shot = guitest::CaptureWindow(window);
    EXPECT_TRUE(guitest::PixelIs(shot, 40, TOddSkin::Title + 2, TOddSkin::MenuBar));
    // Switching off gives the native menu back.
    SkinManager->MarkActivated();
    SkinManager->SetPendingSkinData(SkinManager->SkinDatas().front());
    SkinManager->ScheduleAction(TSkinAction::SwitchOff, ActionDelayMs);
    RunPendingAction();
    EXPECT_EQ(GetMenu(window), menu);
}

TEST_F(FrameGeometry, HitTestsKeepTheTopRowsAndAnswerMenuBelowTheTitle) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    const RECT outer = WindowRectOf(window);
    const int w = outer.right - outer.left;
    EXPECT_EQ(HitTest(window, w / 2, TOddSkin::Title / 2), HTCAPTION);
    EXPECT_EQ(HitTest(window, w / 2, 40), HTCLIENT);
    // The top rows keep the system's answer (a sizing edge of a sizeable window).
    EXPECT_EQ(HitTest(window, w / 2, 0), HTTOP);
    // Outside the title and the client: the side border below the title.
    const LRESULT border = HitTest(window, TOddSkin::Left - 1, 100);
    EXPECT_TRUE(border == HTMENU || border == HTLEFT) << border;
}

// The system sizes a window only along its own frame's few pixels; a
// sizeable window's skinned borders are sizing edges all across, their
// corners too, as the pointer shows them.
TEST_F(FrameGeometry, TheSkinsBordersOfASizeableWindowAreSizingEdgesAllAcross) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds);
    const RECT outer = WindowRectOf(window);
    const int w = outer.right - outer.left;
    const int h = outer.bottom - outer.top;
    // The inner pixel of each border, next to the client area.
    EXPECT_EQ(HitTest(window, TOddSkin::Left - 1, h / 2), HTLEFT);
    EXPECT_EQ(HitTest(window, w - TOddSkin::Right, h / 2), HTRIGHT);
    EXPECT_EQ(HitTest(window, w / 2, h - TOddSkin::Bottom), HTBOTTOM);
    EXPECT_EQ(HitTest(window, w - TOddSkin::Right, h - TOddSkin::Bottom), HTBOTTOMRIGHT);
    EXPECT_EQ(HitTest(window, TOddSkin::Left - 1, h - TOddSkin::Bottom), HTBOTTOMLEFT);
    // A corner reaches along the edges as far as the system's does.
    const int corner = GetSystemMetrics(SM_CXSIZE);
    EXPECT_EQ(HitTest(window, w - corner + 1, h - TOddSkin::Bottom), HTBOTTOMRIGHT);
    EXPECT_EQ(HitTest(window, w - TOddSkin::Right, h - corner + 1), HTBOTTOMRIGHT);
    // Maximised, the borders size nothing.
    ShowWindow(window, SW_MAXIMIZE);
    Settle();
    const RECT full = WindowRectOf(window);
    const LRESULT edge =
        HitTest(window, (full.right - full.left) / 2, full.bottom - full.top - TOddSkin::Bottom);
    EXPECT_NE(edge, HTBOTTOM);
}

TEST_F(FrameGeometry, APopupWithoutAFullCaptionKeepsTheSystemFrame) {
    AddSkin(TOddSkin().Build());
    HWND window = ShowRaw(Bounds, WS_POPUP | WS_BORDER);
    TWinSkinForm* frame = FrameOf(window);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->FBorderKind, TBorderKind::NoFrame);
    EXPECT_EQ(frame->FBorderTop, 0);
    EXPECT_EQ(frame->FMenuHeight, 0);
    const RECT client = ClientInWindow(window);
    EXPECT_EQ(client.left, 1);
    EXPECT_EQ(client.top, 1);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window, region), ERROR);
    DeleteObject(region);
}

TEST_F(FrameGeometry, AMaximisedWindowIsNotResizedOnStartAndAMinimisedOneIsLeftAlone) {
    AddSkin(TOddSkin().Build());
    HWND maximised = ShowRaw(Bounds, RawStyle | WS_MAXIMIZE);
    ASSERT_NE(FrameOf(maximised), nullptr);
    EXPECT_EQ(FrameOf(maximised)->FShowState, TShowState::Maximized);
    const RECT work = [] {
        RECT r{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
        return r;
    }();
    EXPECT_GE(WindowRectOf(maximised).right - WindowRectOf(maximised).left, work.right - work.left);

    HWND minimised = CreateWindowExW(0, RawClass, L"min", RawStyle, 50, 50, 300, 200, nullptr,
                                     nullptr, GetModuleHandleW(nullptr), nullptr);
    windows_.push_back(minimised);
    ShowWindow(minimised, SW_SHOWMINIMIZED);
    Settle();
    if (TWinSkinForm* frame = FrameOf(minimised)) {
        EXPECT_EQ(frame->FShowState, TShowState::Minimized);
        EXPECT_FALSE(frame->FHasRegion);
        // Minimised, the caption is the system's.
        EXPECT_EQ(GetWindowLongPtrW(minimised, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
    }
}

TEST_F(FrameGeometry, AMessageBoxWithALongCaptionIsWidened) {
    AddSkin(TOddSkin().Build());
    HWND owner = ShowRaw(Bounds);
    static int widthBefore = 0, widthAfter = 0, okCentre = 0;
    static HWND box = nullptr;
    box = nullptr;
    const std::wstring caption(120, L'W');
    // Measure the box before the frame starts, then after.
    HHOOK hook = SetWindowsHookExW(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (code == HCBT_ACTIVATE && !box) {
                wchar_t name[16] = {};
                GetClassNameW(HWND(wParam), name, 16);
                if (wcscmp(name, L"#32770") == 0) {
                    box = HWND(wParam);
                    widthBefore = ClientRectOf(box).right;
                }
            }
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    SetTimer(owner, 7, 300, [](HWND owner, UINT, UINT_PTR id, DWORD) {
        if (!box) {
            return;
        }
        KillTimer(owner, id);
        widthAfter = ClientRectOf(box).right;
        RECT ok = WindowRectOf(GetDlgItem(box, IDOK));
        MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&ok), 2);
        okCentre = (ok.left + ok.right) / 2;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    MessageBoxW(owner, L"Short", caption.c_str(), MB_OK);
    UnhookWindowsHookEx(hook);
    EXPECT_GT(widthAfter, widthBefore);
    // The controls moved right by half the growth: the OK button, centred in
    // the narrower box (to within a few pixels), is centred in the wider one.
    EXPECT_NEAR(okCentre, widthAfter / 2, 4);
}

// What a message box's frame showed once it ran: its title bar as on
// screen, where its caption and its visible caption buttons (with their
// alignment) lie, in window coordinates, and the columns of the caption's
// text.
struct TBoxTitle {
    guitest::Capture title;
    RECT window{};
    RECT caption{};
    std::vector<std::pair<RECT, int32_t>> buttons;
    int firstText = -1;
    int lastText = -1;
};
TBoxTitle BoxTitle;
uint32_t TextColour = 0;

// The first and last column of a title bar capture holding the text colour.
void TextColumns(const guitest::Capture& title, uint32_t colour, int& first, int& last) {
    for (int y = 0; y < title.height; ++y) {
        for (int x = 0; x < title.width; ++x) {
            if (title.At(x, y) == colour) {
                first = first < 0 ? x : std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
}

// Shows a message box with `caption` and reads its title bar once its frame
// runs, then closes it.
TBoxTitle ShowBoxTitle(HWND owner, const std::wstring& caption, uint32_t textColour) {
    BoxTitle = {};
    TextColour = textColour;
    SetTimer(owner, 7, 200, [](HWND owner, UINT, UINT_PTR id, DWORD) {
        HWND box = guitest::VisibleDialog();
        TWinSkinForm* frame = box ? FrameOf(box) : nullptr;
        if (!frame || frame->FState != TFrameState::Running) {
            return;
        }
        KillTimer(owner, id);
        BoxTitle.window = WindowRectOf(box);
        RECT title = BoxTitle.window;
        title.bottom = title.top + frame->FBorderTop;
        BoxTitle.title = guitest::CaptureScreen(title);
        BoxTitle.caption = frame->FCaptionRect;
        for (const auto& button : frame->FSysButtons) {
            if (button->FVisible && !button->FElement.Bitmap.Empty()) {
                BoxTitle.buttons.emplace_back(button->FRect, button->FElement.Align);
            }
        }
        TextColumns(BoxTitle.title, TextColour, BoxTitle.firstText, BoxTitle.lastText);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    MessageBoxW(owner, L"搜索模板时出错", caption.c_str(), MB_OK);
    return BoxTitle;
}

// A caption of wide characters (each several spaces wide) gets the room it
// needs: all of it shows, as wide as on a window with room to spare, and it
// ends clear of the caption buttons at the right. The box stays centred on
// the screen, where the system put it.
TEST_F(FrameGeometry, AMessageBoxShowsAllOfACaptionOfWideCharacters) {
    AddSkin(TOddSkin().Build());
    const std::wstring caption = L"霓虹Kanvio企业模板建站工具箱";
    HWND wide = ShowRaw({20, 20, 820, 220}, RawStyle, nullptr, caption.c_str());
    RECT title = WindowRectOf(wide);
    title.bottom = title.top + TOddSkin::Title;
    const uint32_t text = guitest::Rgb(COLORREF(TOddSkin::TitleText));
    int wideFirst = -1, wideLast = -1;
    TextColumns(guitest::CaptureScreen(title), text, wideFirst, wideLast);
    ASSERT_GT(wideLast, wideFirst);

    const TBoxTitle box = ShowBoxTitle(wide, caption, text);
    ASSERT_GT(box.title.width, 0);
    EXPECT_EQ(box.lastText - box.firstText, wideLast - wideFirst);
    for (const auto& [button, align] : box.buttons) {
        if (align == button_align::Right) {
            EXPECT_LT(box.lastText, button.left);
        }
    }
    EXPECT_NEAR(box.window.left + box.window.right, GetSystemMetrics(SM_CXSCREEN), 2);
}

// In our own skin a message box's title has a decoration after its caption:
// it follows the text and, like the text, ends clear of the close button.
TEST_F(FrameGeometry, AMessageBoxsCaptionAndWhatFollowsItClearTheCloseButton) {
    AddSkin(ShippedSkin("kanvio_neon"));
    const std::wstring caption = L"霓虹Kanvio企业模板建站工具箱";
    HWND owner = ShowRaw(Bounds, RawStyle, nullptr, caption.c_str());
    const TBoxTitle box = ShowBoxTitle(owner, caption, 0);
    int buttonsLeft = box.title.width;
    for (const auto& [button, align] : box.buttons) {
        if (align == button_align::Right) {
            buttonsLeft = std::min(buttonsLeft, int(button.left));
        }
    }
    int followers = 0;
    for (const auto& [button, align] : box.buttons) {
        if (align == button_align::AfterCaption) {
            ++followers;
            EXPECT_GE(button.left, box.caption.right);
            EXPECT_LE(button.right, buttonsLeft);
        }
    }
    EXPECT_EQ(followers, 1);
    EXPECT_LE(box.caption.right, buttonsLeft);
    EXPECT_LT(buttonsLeft, box.title.width);
}

TEST_F(FrameGeometry, ACaptionChangeRepaintsTheTitle) {
    AddSkin(TOddSkin().Build());
    tk::Form& form = ShowForm(Bounds, "");
    HWND window = form.Handle();
    const guitest::Capture before = guitest::CaptureWindow(window);
    form.SetCaption("WWWWWWWWWWWWWWWW");
    Settle();
    const guitest::Capture after = guitest::CaptureWindow(window);
    int changed = 0;
    for (int x = TOddSkin::Left + TOddSkin::TextShift; x < 200; ++x) {
        for (int y = 4; y < TOddSkin::Title - 4; ++y) {
            changed += before.At(x, y) != after.At(x, y);
        }
    }
    EXPECT_GT(changed, 20);
    EXPECT_EQ(FrameOf(window)->FCaption, L"WWWWWWWWWWWWWWWW");
}

TEST_F(FrameGeometry, ABorderWithFrameZeroCountsAsOneCell) {
    TOddSkin odd;
    odd.leftFrame = 0;
    AddSkin(odd.Build());
    HWND window = ShowRaw(Bounds);
    ASSERT_NE(FrameOf(window), nullptr);
    EXPECT_EQ(FrameOf(window)->FBorderLeft, 2 * TOddSkin::Left);
}

TEST_F(FrameGeometry, TheToolkitChangingTheBorderStyleCannotBringTheCaptionBack) {
    AddSkin(TOddSkin().Build());
    tk::Form& form = ShowForm(Bounds, "Styled");
    const RECT client = ClientRectOf(form.Handle());
    form.SetBorderIcons(tk::biSystemMenu);
    Settle();
    EXPECT_EQ(GetWindowLongPtrW(form.Handle(), GWL_STYLE) & WS_CAPTION, 0);
    EXPECT_EQ(ClientInWindow(form.Handle()).top, TOddSkin::Title);
    EXPECT_EQ(FrameOf(form.Handle())->FStyleBits & style_bit::MaximizeBox, 0);
    EXPECT_EQ(ClientRectOf(form.Handle()).right, client.right);
}

} // namespace
