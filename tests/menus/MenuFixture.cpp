#include "tests/menus/MenuFixture.h"

#include "skin/WinSkinMenu/PopupMenuSkin.h"

#include <algorithm>
#include <memory>

namespace menutest {
namespace {

constexpr UINT_PTR ScriptTimer = 0x4D53;

struct TScriptState {
    HWND owner = nullptr;
    std::vector<TMenuScript::Step> steps;
    size_t next = 0;
    DWORD deadline = 0;
};
TScriptState& Script() {
    static TScriptState state;
    return state;
}

void CALLBACK ScriptTick(HWND, UINT, UINT_PTR, DWORD) {
    TScriptState& s = Script();
    if (s.next < s.steps.size() && GetTickCount() < s.deadline) {
        if (s.steps[s.next]()) {
            ++s.next;
        }
        return;
    }
    if (!OpenPopups().empty()) {
        EndMenu();
    } else {
        // The menu bar's highlight, where no menu is open, ends too.
        PostMessageW(s.owner, WM_CANCELMODE, 0, 0);
    }
}

} // namespace

std::vector<HWND> OpenPopups() {
    return skin::OpenPopupMenuWindows();
}

HMENU MenuOf(HWND popup) {
    return skin::MenuOfPopupWindow(popup);
}

bool Hilited(HMENU menu, int position) {
    return (GetMenuState(menu, UINT(position), MF_BYPOSITION) & MF_HILITE) != 0;
}

void PostKey(HWND window, UINT key) {
    PostMessageW(window, WM_KEYDOWN, key, 0);
}

guitest::Capture CapturePopup(HWND popup) {
    UpdateWindow(popup);
    return guitest::CaptureWindow(popup);
}

int PositionOf(HMENU menu, UINT command) {
    for (int i = 0, count = GetMenuItemCount(menu); i < count; ++i) {
        if (GetMenuItemID(menu, i) == command) {
            return i;
        }
    }
    return -1;
}

TMenuScript::TMenuScript(HWND owner, std::vector<Step> steps, int timeoutMs, UINT tickMs) {
    TScriptState& s = Script();
    s = {owner, std::move(steps), 0, GetTickCount() + DWORD(timeoutMs)};
    SetTimer(owner, ScriptTimer, tickMs, ScriptTick);
}

TMenuScript::~TMenuScript() {
    KillTimer(Script().owner, ScriptTimer);
    Script() = {};
}

bool TMenuScript::Finished() const {
    return Script().next == Script().steps.size();
}

TMenuScript::Step WhenSettled(std::function<bool()> condition, std::function<void()> then) {
    auto held = std::make_shared<int>(0);
    return [=] {
        *held = condition() ? *held + 1 : 0;
        if (*held < 2) {
            return false;
        }
        then();
        return true;
    };
}

tk::Form& MenuTest::NewMenuForm(const RECT& r, const std::string& caption) {
    auto* form = new tk::Form(&app_);
    form->SetCaption(caption);
    form->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
    menu_ = new tk::MainMenu(form);
    form->SetMenu(menu_);
    return *form;
}

tk::MenuItem& MenuTest::AddItem(tk::MenuItem& parent, const std::string& caption, int shortCut) {
    auto* item = new tk::MenuItem(menu_->Owner());
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    parent.Add(*item);
    return *item;
}

void MenuTest::Show(tk::Form& form) {
    form.Show();
    SetForegroundWindow(form.Handle());
    Settle();
}

skin::TSkinData& MenuTest::AddMenuSkin(bool menus) {
    TOddSkin odd;
    odd.menus = menus;
    return AddSkin(odd.Build());
}

tk::Form& MenuTest::ShowStandardForm(const RECT& bounds) {
    tk::Form& form = NewMenuForm(bounds);
    file_ = &AddItem(menu_->Items(), "&File");
    open_ = &AddItem(*file_, "&Open", tk::TextToShortCut("Ctrl+O"));
    save_ = &AddItem(*file_, "&Save");
    AddItem(*file_, "-");
    exitItem_ = &AddItem(*file_, "E&xit");
    edit_ = &AddItem(menu_->Items(), "&Edit");
    AddItem(*edit_, "Cu&t");
    AddItem(*edit_, "&Copy");
    help_ = &AddItem(menu_->Items(), "&Help");
    AddItem(*help_, "&About");
    Show(form);
    return form;
}

skin::TWinSkinMenu& MenuTest::Bar(HWND window) {
    return static_cast<skin::TWinSkinMenu&>(*FrameOf(window)->FMenuBar);
}

skin::TMenuBtn& MenuTest::Button(HWND window, int index) {
    return *Bar(window).FButtons.at(size_t(index));
}

void MenuTest::ClickButton(HWND window, int index) {
    const RECT& r = Button(window, index).FRect;
    const RECT outer = WindowRectOf(window);
    const POINT at{outer.left + (r.left + r.right) / 2, outer.top + (r.top + r.bottom) / 2};
    SendMessageW(window, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(at.x, at.y));
    guitest::PumpUntilIdle(40, 1000);
}

int TShownMenu::Count(const RECT& r, COLORREF colour) const {
    int n = 0;
    for (int y = std::max<int>(r.top, 0); y < r.bottom && y < shot.height; ++y) {
        for (int x = std::max<int>(r.left, 0); x < r.right && x < shot.width; ++x) {
            n += shot.At(x, y) == guitest::Rgb(colour);
        }
    }
    return n;
}

RECT TShownMenu::Glyph(int position) const {
    const RECT& row = rows.at(size_t(position));
    return {row.left + GlyphLeft, row.top + 1, row.left + GlyphLeft + GlyphSize,
            row.top + 1 + GlyphSize};
}

TShownMenu ShowMenu(HWND window, HMENU menu) {
    TShownMenu shown;
    TMenuScript script(window,
                       {WhenSettled([&] { return !OpenPopups().empty() && Hilited(menu, 0); },
                                    [&] {
                                        const HWND popup = OpenPopups().front();
                                        shown.shot = CapturePopup(popup);
                                        const RECT window = WindowRectOf(popup);
                                        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                                            RECT item{};
                                            GetMenuItemRect(nullptr, menu, UINT(i), &item);
                                            OffsetRect(&item, -window.left, -window.top);
                                            shown.rows.push_back(item);
                                        }
                                    })});
    MenuTest::ClickButton(window, 0);
    EXPECT_TRUE(script.Finished());
    return shown;
}

} // namespace menutest
