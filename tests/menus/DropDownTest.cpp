// Drop-downs of the skinned menu bar: opening, the first item selected, the
// arrow keys and the mouse moving between menus, the keyboard's ways in, and
// the commands that arrive.
#include "tests/menus/MenuFixture.h"

#include "toolkit/Notifications.h"
#include "toolkit/win32/WindowSubclass.h"

using namespace skin;
using namespace menutest;

namespace {

using DropDown = MenuTest;

constexpr RECT Bounds{60, 60, 460, 340};

// The menus that were open, in the order the script saw them.
struct TSeen {
    std::vector<HMENU> menus;
    bool Saw(HMENU menu) {
        const auto popups = OpenPopups();
        if (popups.empty() || MenuOf(popups.front()) != menu) {
            return false;
        }
        menus.push_back(menu);
        return true;
    }
};

TEST_F(DropDown, AClickOpensTheSubmenuWithItsFirstItemSelectedInTheSkin) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    guitest::Capture shot;
    TMenuScript script(window, {WhenSettled(
                                   [&] {
                                       const auto popups = OpenPopups();
                                       return !(popups.empty() || !Hilited(file_->Handle(), 0));
                                   },
                                   [&] { shot = CapturePopup(OpenPopups().front()); })});
    ClickButton(window, 0);
    ASSERT_TRUE(script.Finished());
    guitest::SaveForTest(shot, "file");
    // The ring of MenuBackground, the selected first item and the second one.
    EXPECT_TRUE(guitest::PixelIs(shot, 1, 1, TOddSkin::BackRing));
    EXPECT_TRUE(guitest::PixelIs(shot, shot.width - 2, shot.height - 2, TOddSkin::BackRing));
    const int x = shot.width - 6;
    EXPECT_TRUE(guitest::PixelIs(shot, x, 8, TOddSkin::ItemCells[3]));
    EXPECT_FALSE(FrameOf(window)->FMenuTracking);
}

// Windows 11's compositor would round the drop-down's corners and outline it
// over the skin's square menu border.
TEST_F(DropDown, ADropDownAsksTheCompositorForSquareCorners) {
    const TCompositorRecord record;
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    HWND popup = nullptr;
    TMenuScript script(window, {[&] {
                           const auto popups = OpenPopups();
                           popup = popups.empty() ? nullptr : popups.front();
                           return popup != nullptr;
                       }});
    ClickButton(window, 0);
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(record.ValuesFor(popup, tk::compositor::Attribute::CornerPreference),
              std::vector<DWORD>{tk::compositor::CornersNotRounded});
}

TEST_F(DropDown, RightOnTheLastMenuOpensTheFirstAndLeftOnTheFirstTheLast) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    TSeen seen;
    TMenuScript script(window, {[&] {
                                    if (!seen.Saw(help_->Handle())) {
                                        return false;
                                    }
                                    PostKey(window, VK_RIGHT);
                                    return true;
                                },
                                [&] {
                                    if (!seen.Saw(file_->Handle())) {
                                        return false;
                                    }
                                    PostKey(window, VK_LEFT);
                                    return true;
                                },
                                [&] { return seen.Saw(help_->Handle()); }});
    ClickButton(window, 2);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(seen.menus, (std::vector<HMENU>{help_->Handle(), file_->Handle(), help_->Handle()}));
    EXPECT_EQ(guitest::CountLiveObjects().hooks, 1); // the manager's own
}

TEST_F(DropDown, InARightToLeftMenuLeftMovesToTheNextMenu) {
    AddMenuSkin();
    tk::Form& form = NewMenuForm(Bounds);
    menu_->SetRightToLeft(true);
    file_ = &AddItem(menu_->Items(), "&File");
    AddItem(*file_, "&Open");
    edit_ = &AddItem(menu_->Items(), "&Edit");
    AddItem(*edit_, "&Copy");
    Show(form);
    const HWND window = form.Handle();
    // Laid out from the right edge: the first button right of the second.
    EXPECT_GT(Button(window, 0).FRect.left, Button(window, 1).FRect.left);
    TSeen seen;
    TMenuScript script(window, {[&] {
                                    if (!seen.Saw(file_->Handle())) {
                                        return false;
                                    }
                                    PostKey(window, VK_LEFT);
                                    return true;
                                },
                                [&] {
                                    if (!seen.Saw(edit_->Handle())) {
                                        return false;
                                    }
                                    PostKey(window, VK_RIGHT);
                                    return true;
                                },
                                [&] { return seen.Saw(file_->Handle()); }});
    ClickButton(window, 0);
    EXPECT_TRUE(script.Finished());
}

TEST_F(DropDown, TheMouseMovingOntoAnotherButtonOpensItsMenu) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    TSeen seen;
    TMenuScript script(window, {[&] {
                                    if (!seen.Saw(file_->Handle())) {
                                        return false;
                                    }
                                    const RECT& r = Button(window, 1).FRect;
                                    const RECT outer = WindowRectOf(window);
                                    const POINT at{outer.left + (r.left + r.right) / 2,
                                                   outer.top + (r.top + r.bottom) / 2};
                                    SetCursorPos(at.x, at.y);
                                    PostMessageW(window, WM_MOUSEMOVE, 0, 0);
                                    return true;
                                },
                                [&] { return seen.Saw(edit_->Handle()); }});
    ClickButton(window, 0);
    EXPECT_TRUE(script.Finished());
}

TEST_F(DropDown, AChosenItemRunsItsClickAndDisabledButtonsOpenNothing) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    int opened = 0, topClicks = 0;
    open_->OnClick = [&](tk::Component&) { ++opened; };
    file_->OnClick = [&](tk::Component&) { ++topClicks; };
    TMenuScript script(window, {[&] {
                           if (!Hilited(file_->Handle(), 0)) {
                               return false;
                           }
                           PostKey(window, VK_RETURN);
                           return true;
                       }});
    ClickButton(window, 0);
    guitest::PumpUntilIdle();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(topClicks, 1); // the top-level item's own click, before it opened
    edit_->SetEnabled(false);
    guitest::PumpUntilIdle();
    int editClicks = 0, editCommands = 0, popupsSeen = 0;
    edit_->OnClick = [&](tk::Component&) { ++editClicks; };
    const auto before = guitest::CountLiveObjects();
    {
        tk::WindowSubclass watch;
        watch.Install(window, [&](UINT msg, WPARAM wParam, LPARAM lParam) {
            editCommands += msg == WM_COMMAND && LOWORD(wParam) == edit_->Command();
            return watch.CallNext(msg, wParam, lParam);
        });
        // Watches for a drop-down (and closes one should it open).
        TMenuScript script(window, {[&] {
                               popupsSeen += !OpenPopups().empty();
                               return false;
                           }},
                           600, 30);
        ClickButton(window, 1);
        guitest::PumpUntilIdle(100, 1000);
    }
    // The disabled item's command arrives as a native bar reports it; its
    // click does not run and nothing drops down.
    EXPECT_EQ(editCommands, 1);
    EXPECT_EQ(editClicks, 0);
    EXPECT_EQ(popupsSeen, 0);
    EXPECT_FALSE(FrameOf(window)->FMenuTracking);
    EXPECT_EQ(guitest::CountLiveObjects().hooks, before.hooks);
}

TEST_F(DropDown, AltWithAnAcceleratorOpensThatMenu) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    TSeen seen;
    TMenuScript script(window, {[&] { return seen.Saw(edit_->Handle()); }});
    constexpr LPARAM AltDown = LPARAM(1) << 29;
    SendMessageW(window, WM_SYSCHAR, L'e', AltDown);
    guitest::PumpUntilIdle(200, 3000);
    EXPECT_TRUE(script.Finished());
    // Without Alt in the flags the character is not an accelerator.
    EXPECT_EQ(SendMessageW(window, tk::NotifyDialogChar, L'e', 0), 0);
}

// F10 and a lone Alt (a keyboard menu request without a character) and an
// accelerator open the bar's first menu, never the system's menu mode.
TEST_F(DropDown, KeyboardMenuRequestsOpenTheBarNotTheSystemMenuMode) {
    AddMenuSkin();
    HMENU native = CreateMenu();
    HMENU fileMenu = CreatePopupMenu();
    AppendMenuW(fileMenu, MF_STRING, 41, L"&New");
    AppendMenuW(fileMenu, MF_STRING, 42, L"&Open");
    AppendMenuW(native, MF_POPUP, reinterpret_cast<UINT_PTR>(fileMenu), L"&File");
    HMENU viewMenu = CreatePopupMenu();
    AppendMenuW(viewMenu, MF_STRING, 51, L"&Zoom");
    AppendMenuW(native, MF_POPUP, reinterpret_cast<UINT_PTR>(viewMenu), L"&View");
    HWND window = ShowRaw({Bounds.left, Bounds.top, Bounds.left + 400, Bounds.top + 280}, RawStyle,
                          nullptr, L"keys", native);
    for (const auto& [key, expected] : {std::pair{0, fileMenu}, {L'v', viewMenu}}) {
        TSeen seen;
        const HMENU wanted = expected; // (a lambda cannot capture a structured binding in clang 14)
        TMenuScript script(window, {[&] { return seen.Saw(wanted); }});
        EXPECT_EQ(SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, key), 1);
        guitest::PumpUntilIdle(200, 3000);
        EXPECT_TRUE(script.Finished()) << key;
    }
    // Choosing a native item sends its command to the window.
    TMenuScript choose(window, {[&] {
                                    if (!Hilited(fileMenu, 0)) {
                                        return false;
                                    }
                                    PostKey(window, VK_DOWN);
                                    return true;
                                },
                                [&] {
                                    if (!Hilited(fileMenu, 1)) {
                                        return false;
                                    }
                                    PostKey(window, VK_RETURN);
                                    return true;
                                }});
    SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, L'f');
    guitest::PumpUntilIdle(200, 3000);
    EXPECT_TRUE(choose.Finished());
    EXPECT_EQ(RawLog().lastCommand, 42);
}

// Near the bottom of the screen the drop-down opens upward, clear of its
// button; the pointer moving inside it, wherever it is, stays in it.
TEST_F(DropDown, ADropDownFlippedUpwardLeavesItsButtonAndStaysOpen) {
    AddMenuSkin();
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    const RECT low{60, screenHeight - 90, 460, screenHeight - 10};
    tk::Form& form = ShowStandardForm(low);
    const HWND window = form.Handle();
    const RECT outer = WindowRectOf(window);
    const auto onScreen = [&](int index) {
        RECT r = Button(window, index).FRect;
        OffsetRect(&r, outer.left, outer.top);
        return r;
    };
    const RECT file = onScreen(0);
    RECT popup{};
    bool stayed = false;
    int ticks = 0;
    TSeen seen;
    TMenuScript script(window, {[&] {
                                    if (!seen.Saw(file_->Handle())) {
                                        return false;
                                    }
                                    popup = WindowRectOf(OpenPopups().front());
                                    // Over the bar's other buttons where the
                                    // drop-down covers them, else inside it.
                                    RECT over{};
                                    const RECT edit = onScreen(1);
                                    if (!IntersectRect(&over, &popup, &edit)) {
                                        over = popup;
                                    }
                                    SetCursorPos((over.left + over.right) / 2,
                                                 (over.top + over.bottom) / 2);
                                    PostMessageW(window, WM_MOUSEMOVE, 0, 0);
                                    return true;
                                },
                                [&] {
                                    // A few ticks for a switch to show.
                                    if (++ticks < 6) {
                                        return false;
                                    }
                                    stayed = seen.Saw(file_->Handle());
                                    return true;
                                }});
    ClickButton(window, 0);
    EXPECT_TRUE(script.Finished());
    EXPECT_LE(popup.bottom, file.top) << "the drop-down opened upward, over its button";
    EXPECT_TRUE(stayed);
}

// The system finds no letters in owner-drawn items: the window answers its
// menu-character question with the item whose "&" letter was typed, to be
// chosen when it is the only one, selected (the next after the highlighted
// one) when several share the letter.
TEST_F(DropDown, AnItemsLetterChoosesItInTheOwnerDrawnDropDown) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    AddItem(*edit_, "&Clear");
    const auto ask = [&](wchar_t key, tk::MenuItem& menu) {
        return SendMessageW(window, WM_MENUCHAR, MAKEWPARAM(key, MF_POPUP),
                            reinterpret_cast<LPARAM>(menu.Handle()));
    };
    int saved = 0;
    save_->OnClick = [&](tk::Component&) { ++saved; };
    LRESULT answers[4] = {};
    TMenuScript script(window, {[&] {
                           if (!Hilited(file_->Handle(), 0)) {
                               return false;
                           }
                           answers[0] = ask(L's', *file_);
                           answers[1] = ask(L'X', *file_);
                           answers[2] = ask(L'q', *file_);
                           // Edit: Cu&t, &Copy, &Clear (none highlighted).
                           answers[3] = ask(L'c', *edit_);
                           PostMessageW(window, WM_CHAR, L's', 0);
                           return true;
                       }});
    ClickButton(window, 0);
    guitest::PumpUntilIdle();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(answers[0], MAKELRESULT(1, MNC_EXECUTE));
    EXPECT_EQ(answers[1], MAKELRESULT(3, MNC_EXECUTE));
    EXPECT_EQ(answers[2], MAKELRESULT(0, MNC_IGNORE));
    EXPECT_EQ(answers[3], MAKELRESULT(1, MNC_SELECT));
    // The letter typed in the open drop-down chose Save.
    EXPECT_EQ(saved, 1);
}

// A bar of every kind of top-level item: File and Help drop down, Go is a
// command of its own, Hidden is not shown and Off is disabled.
class BarMoves : public MenuTest {
protected:
    HWND ShowBar() {
        AddMenuSkin();
        tk::Form& form = NewMenuForm(Bounds);
        file_ = &AddItem(menu_->Items(), "&File");
        AddItem(*file_, "&Open");
        go_ = &AddItem(menu_->Items(), "&Go");
        tk::MenuItem& hidden = AddItem(menu_->Items(), "Hi&dden");
        AddItem(hidden, "&Inside");
        hidden.SetVisible(false);
        off_ = &AddItem(menu_->Items(), "O&ff");
        AddItem(*off_, "&Later");
        off_->SetEnabled(false);
        help_ = &AddItem(menu_->Items(), "&Help");
        AddItem(*help_, "&About");
        for (tk::MenuItem* item : menu_->Items().Items()) {
            item->OnClick = [this, item](tk::Component&) { clicks_.push_back(item); };
        }
        Show(form);
        return form.Handle();
    }
    // Only button `index` of the bar shows as selected, no menu is open and
    // the bar is still in menu mode.
    static bool OnlyHighlighted(HWND window, int index) {
        const TWinSkinMenu& bar = Bar(window);
        for (size_t i = 0; i < bar.FButtons.size(); ++i) {
            const bool pressed = bar.FButtons[i]->FMouseState == TMouseState::Pressed;
            if (pressed != (int(i) == index)) {
                return false;
            }
        }
        return OpenPopups().empty() && FrameOf(window)->FMenuTracking;
    }
    tk::MenuItem* go_ = nullptr;
    tk::MenuItem* off_ = nullptr;
    std::vector<tk::MenuItem*> clicks_;
};

constexpr int GoButton = 1;
constexpr int OffButton = 3;

// Arrowing across the bar highlights a command item or a disabled one
// without running or leaving anything, skips the hidden one, opens the next
// drop-down; Enter runs the highlighted command.
TEST_F(BarMoves, TheArrowKeysOnlyHighlightAndEnterRunsTheCommand) {
    const HWND window = ShowBar();
    TSeen seen;
    const auto then = [&](std::function<bool()> when, UINT key) {
        return [=] {
            if (!when()) {
                return false;
            }
            PostKey(window, key);
            return true;
        };
    };
    TMenuScript script(window,
                       {then([&] { return seen.Saw(file_->Handle()); }, VK_RIGHT),
                        then([&] { return OnlyHighlighted(window, GoButton); }, VK_RIGHT),
                        then([&] { return OnlyHighlighted(window, OffButton); }, VK_RIGHT),
                        then([&] { return seen.Saw(help_->Handle()); }, VK_LEFT),
                        then([&] { return OnlyHighlighted(window, OffButton); }, VK_DOWN),
                        then([&] { return OnlyHighlighted(window, OffButton); }, VK_LEFT),
                        then([&] { return OnlyHighlighted(window, GoButton); }, VK_RETURN)});
    ClickButton(window, 0);
    guitest::PumpUntilIdle();
    EXPECT_TRUE(script.Finished());
    // File's own click, then Go's by Enter: nothing ran on the way.
    EXPECT_EQ(clicks_, (std::vector<tk::MenuItem*>{file_, go_}));
    EXPECT_FALSE(FrameOf(window)->FMenuTracking);
    EXPECT_EQ(Bar(window).FButtons[GoButton]->FMouseState, TMouseState::Normal);
}

// The pointer moving onto a command item highlights it; onto a drop-down
// opens that; Escape on a highlighted item leaves the bar.
TEST_F(BarMoves, ThePointerOnlyHighlightsAndEscapeLeaves) {
    const HWND window = ShowBar();
    const auto pointAt = [&](int index) {
        const RECT& r = Button(window, index).FRect;
        const RECT outer = WindowRectOf(window);
        SetCursorPos(outer.left + (r.left + r.right) / 2, outer.top + (r.top + r.bottom) / 2);
        PostMessageW(window, WM_MOUSEMOVE, 0, 0);
    };
    TSeen seen;
    TMenuScript script(window, {[&] {
                                    if (!seen.Saw(file_->Handle())) {
                                        return false;
                                    }
                                    pointAt(GoButton);
                                    return true;
                                },
                                [&] {
                                    if (!OnlyHighlighted(window, GoButton)) {
                                        return false;
                                    }
                                    pointAt(4);
                                    return true;
                                },
                                [&] {
                                    if (!seen.Saw(help_->Handle())) {
                                        return false;
                                    }
                                    pointAt(GoButton);
                                    return true;
                                },
                                [&] {
                                    if (!OnlyHighlighted(window, GoButton)) {
                                        return false;
                                    }
                                    PostKey(window, VK_ESCAPE);
                                    return true;
                                }});
    ClickButton(window, 0);
    guitest::PumpUntilIdle();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(clicks_, (std::vector<tk::MenuItem*>{file_}));
    EXPECT_FALSE(FrameOf(window)->FMenuTracking);
    EXPECT_TRUE(OpenPopups().empty());
}

// Escape and Alt inside an open drop-down close it and leave the bar: no
// item runs, no other menu opens, the hook is gone.
TEST_F(DropDown, EscapeOrAltInADropDownClosesItAndLeavesTheBar) {
    AddMenuSkin();
    tk::Form& form = ShowStandardForm(Bounds);
    const HWND window = form.Handle();
    int clicks = 0;
    for (tk::MenuItem* item : {open_, save_, exitItem_}) {
        item->OnClick = [&](tk::Component&) { ++clicks; };
    }
    const int hooks = guitest::CountLiveObjects().hooks;
    for (const UINT message : {UINT(WM_KEYDOWN), UINT(WM_SYSKEYDOWN)}) {
        const WPARAM key = message == WM_KEYDOWN ? VK_ESCAPE : VK_MENU;
        int popupsAfter = -1;
        int ticks = 0;
        TMenuScript script(window, {[&] {
                                        if (!Hilited(file_->Handle(), 0)) {
                                            return false;
                                        }
                                        PostMessageW(window, message, key, 0);
                                        return true;
                                    },
                                    [&] {
                                        // A few ticks for anything else to open.
                                        if (++ticks < 5) {
                                            return false;
                                        }
                                        popupsAfter = int(OpenPopups().size());
                                        return true;
                                    }});
        ClickButton(window, 0);
        guitest::PumpFor(600);
        EXPECT_TRUE(script.Finished()) << key;
        EXPECT_EQ(popupsAfter, 0) << key;
        EXPECT_FALSE(FrameOf(window)->FMenuTracking) << key;
        EXPECT_EQ(guitest::CountLiveObjects().hooks, hooks) << key;
        EXPECT_EQ(GetCapture(), nullptr) << key;
    }
    EXPECT_EQ(clicks, 0);
}

// F10 or a lone Alt opens the first drop-down of the bar; a command item
// before it is not run by the key.
TEST_F(BarMoves, TheMenuKeyOpensTheFirstDropDownAndRunsNoCommand) {
    AddMenuSkin();
    tk::Form& form = NewMenuForm(Bounds);
    go_ = &AddItem(menu_->Items(), "&Go");
    file_ = &AddItem(menu_->Items(), "&File");
    AddItem(*file_, "&Open");
    go_->OnClick = [this](tk::Component&) { clicks_.push_back(go_); };
    Show(form);
    const HWND window = form.Handle();
    TSeen seen;
    TMenuScript script(window, {[&] { return seen.Saw(file_->Handle()); }});
    EXPECT_EQ(SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, 0), 1);
    guitest::PumpUntilIdle(200, 3000);
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(clicks_.empty());
}

// On the highlighted bar a button's letter chooses it: Help's opens it.
TEST_F(BarMoves, ALetterOnTheHighlightedBarOpensThatMenu) {
    const HWND window = ShowBar();
    TSeen seen;
    TMenuScript script(window, {[&] {
                                    if (!seen.Saw(file_->Handle())) {
                                        return false;
                                    }
                                    PostKey(window, VK_RIGHT);
                                    return true;
                                },
                                [&] {
                                    if (!OnlyHighlighted(window, GoButton)) {
                                        return false;
                                    }
                                    PostKey(window, 'H');
                                    return true;
                                },
                                [&] { return seen.Saw(help_->Handle()); }});
    ClickButton(window, 0);
    guitest::PumpUntilIdle();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(clicks_, (std::vector<tk::MenuItem*>{file_}));
}

} // namespace
