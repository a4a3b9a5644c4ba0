// What the menu tests share: forms with a main menu skinned with the odd
// test skin's menu elements, the skinned bar's buttons, and scripts that run
// inside a menu's own message loop (a timer's steps) while it is open.
#pragma once

#include "tests/frame/FrameFixture.h"
#include "toolkit/Menus.h"
#include "skin/WinSkinMenu/WinSkinMenu.h"

#include <functional>
#include <string>
#include <vector>

namespace menutest {

using namespace frametest;

// The thread's popup-menu windows on screen, the newest first, and the
// menu one shows.
std::vector<HWND> OpenPopups();
HMENU MenuOf(HWND popup);
// The menu's item at `position` is highlighted.
bool Hilited(HMENU menu, int position);
// A key pressed while a menu is open (the menu's loop takes it).
void PostKey(HWND window, UINT key);
// The popup window as on screen once its pending paint is done.
guitest::Capture CapturePopup(HWND popup);
// The position of the item of `command` in `menu`, or -1.
int PositionOf(HMENU menu, UINT command);

// Steps run one after the other from a timer while a menu's loop runs: a
// step answering false runs again at the next tick. When the steps are done
// (or time is up) every open menu is closed.
class TMenuScript {
public:
    using Step = std::function<bool()>;
    TMenuScript(HWND owner, std::vector<Step> steps, int timeoutMs = 4000, UINT tickMs = 60);
    ~TMenuScript();
    TMenuScript(const TMenuScript&) = delete;
    TMenuScript& operator=(const TMenuScript&) = delete;
    // Every step ran to its end.
    bool Finished() const;
};

// A step that runs `then` once `condition` has held for two ticks in a row:
// what the menu drew in between has reached the screen (the system shows
// drawing done outside a paint message only when the thread takes messages).
TMenuScript::Step WhenSettled(std::function<bool()> condition, std::function<void()> then);

// The glyph column of the odd skin's items: past the element's left margin.
constexpr int GlyphLeft = 1 + TOddSkin::ItemLeft;
constexpr int GlyphSize = 16;

// A drop-down captured once settled with its first item selected, and the
// rows of its items in the capture's coordinates.
struct TShownMenu {
    guitest::Capture shot;
    std::vector<RECT> rows;

    // The pixels of `colour` in `r`.
    int Count(const RECT& r, COLORREF colour) const;
    // The item's glyph column.
    RECT Glyph(int position) const;
};

// Drops down the first menu of `window`'s bar, which shows `menu`, by a
// click and captures it.
TShownMenu ShowMenu(HWND window, HMENU menu);

class MenuTest : public FrameTest {
protected:
    // A form whose main menu is set before it is shown, as a designed form's.
    tk::Form& NewMenuForm(const RECT& bounds, const std::string& caption = "Menus");
    tk::MenuItem& AddItem(tk::MenuItem& parent, const std::string& caption, int shortCut = 0);
    void Show(tk::Form& form);
    // The odd skin with menu elements, registered and switched on.
    skin::TSkinData& AddMenuSkin(bool menus = true);
    // A form with "&File" (Open, Save, -, Exit), "&Edit" (Cut, Copy) and
    // "&Help" (About), shown and skinned.
    tk::Form& ShowStandardForm(const RECT& bounds);

public:
    static skin::TWinSkinMenu& Bar(HWND window);
    static skin::TMenuBtn& Button(HWND window, int index);
    // A click on a bar button (its drop-down runs until closed).
    static void ClickButton(HWND window, int index);

protected:
    tk::MainMenu* menu_ = nullptr;
    tk::MenuItem* file_ = nullptr;
    tk::MenuItem* open_ = nullptr;
    tk::MenuItem* save_ = nullptr;
    tk::MenuItem* exitItem_ = nullptr;
    tk::MenuItem* edit_ = nullptr;
    tk::MenuItem* help_ = nullptr;
};

} // namespace menutest
