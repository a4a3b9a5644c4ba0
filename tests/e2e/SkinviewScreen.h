// skinview's showcase window as the journeys see it: the places of its menu
// bar and controls on the screen, from its design, named for what they are.
#pragma once

#include "tests/e2e/FramedWindow.h"
#include "tests/e2e/Picture.h"

namespace e2e::skinview {

inline constexpr char Program[] = "bin/skinview.exe";
inline constexpr char Title[] = "Skin Viewer";
// The showcase's client area in its design.
inline constexpr int ClientWidth = 772;
inline constexpr int ClientHeight = 580;

// The menu bar's drop-downs, from the left.
enum class Menu { File, Edit, View, Help };
// Rows of the File drop-down, top to bottom.
enum class FileRow { Open, Reload, Recent, BuiltIn, Separator, Exit };

// The check boxes and radio buttons of the Buttons group.
enum class Mark { Checked, Grayed, Radio1, Radio2, CheckOff, RadioOff };

// Tabs of the page controls (tabs at top, bottom, left and right) and of the
// tab set along the bottom.
enum class PageTab { General, More, About, Bottom, Second, Left, LeftTwo, Right, RightTwo };

class SkinviewScreen : public FramedWindow {
public:
    explicit SkinviewScreen(const ScreenWindow& window)
        : FramedWindow(window, ClientWidth, ClientHeight) {}

    // The menu bar's buttons, from 0: File, Edit, View, Help.
    Point MenuBarItem(int index) const;

    // Items of the drop-downs, once their menu is open: File > Open, File >
    // Recent, File > Built-in skin, View > Status bar, Help > About; and
    // entry `index` (from 0) of the Recent submenu once it is open.
    Point FileOpen() const;
    Point FileRecent() const;
    Point FileBuiltIn() const;
    Point RecentEntry(int index) const;
    Point ViewStatusBar() const;
    Point HelpAbout() const;

    // The status bar along the client area's bottom edge.
    Box StatusBar() const;
    Point MenuBarItem(Menu menu) const { return MenuBarItem(int(menu)); }
    // Where the menu's drop-down opens: its top-left corner and the width of
    // its widest item (File's), and a row of the File drop-down.
    Box DropDown(Menu menu) const;
    Box FileMenuRow(FileRow row) const;
    // The submenu arrow at the right end of the Recent row, and where
    // Recent's submenu opens to its right.
    Box RecentArrow() const;
    Box RecentSubmenu() const;
    // The check mark column of View's Status bar item.
    Box StatusBarCheck() const;

    // The box of a check box or radio button (its mark), and the point a
    // click on its caption takes.
    Box MarkBox(Mark mark) const;
    Point MarkCaption(Mark mark) const;
    // The left edge of the Buttons group's frame, below its caption.
    Box ButtonsGroupEdge() const;

    // The up-down's number and its two arrows.
    Box NumberText() const;
    Point NumberUp() const;
    Point NumberDown() const;
    // The panel's horizontal scroll bar: the whole bar, its right arrow and
    // its thumb at the start; the track bar's thumb at the start.
    Box HorizontalScroll() const;
    Point HorizontalScrollRight() const;
    Point HorizontalScrollThumb() const;
    Box TrackBar() const;
    Point TrackBarThumb() const;
    // The list view's rows and its vertical scroll bar: its down arrow, its
    // thumb at the start, the whole bar.
    Box ListRows() const;
    Point ListScrollDown() const;
    Point ListScrollThumb() const;
    Box ListScrollBar() const;
    // The drop-down list combo: its box, its button, and where its list
    // opens below it, one row per item.
    Box ListCombo() const;
    Point ListComboButton() const;
    Point ListComboItem(int item) const;
    // How far below the list combo the editable combo lies, and the edit box
    // of the Input group.
    int ComboEditOffset() const { return 32; }
    Point EditBox() const;

    // A tab to click, and the pages whose label shows which page is up.
    Point Tab(PageTab tab) const;
    Box PageLabel(PageTab firstTab) const;
    Box TabRow(PageTab anyTab) const;
    // The tab set: a tab (from 0, as laid out at the start, the first few
    // all of one width), its row and its scroller.
    Box TabSetTab(int index) const { return ClientBox(17 + 87 * index, 530, 87, 22); }
    Box TabSetRow() const;
    Point TabSetScrollRight() const;

    // The title bar's maximise (restore) button, a point of the bar away
    // from its buttons, and a strip of it holding the caption's start.
    Point MaximiseButton() const;
    Point TitleBar() const;
    Box TitleStrip() const;

    // The showcase's buttons, check boxes and radio buttons.
    Box OkButton() const { return ClientBox(26, 30, 104, 26); }
    Box BitmapButton() const { return ClientBox(26, 64, 218, 30); }
    Box CheckedBox() const { return ClientBox(26, 104, 108, 17); }
    Box GrayedBox() const { return ClientBox(140, 104, 108, 17); }
    Box FirstRadio() const { return ClientBox(26, 130, 108, 17); }
    Box GridBox() const { return ClientBox(538, 253, 130, 17); }
    // The first tab of each page control as the skin draws it: tabs on top,
    // at the bottom, on the left and on the right.
    Box TopTab() const { return ClientBox(526, 199, 80, 19); }
    Box BottomTab() const { return ClientBox(14, 500, 79, 19); }
    Box LeftTab() const { return ClientBox(270, 388, 19, 54); }
    Box RightTab() const { return ClientBox(739, 387, 19, 54); }
};

// What a skin shows on a frame, for telling which one a window is drawn in.
struct SkinLook {
    const char* name;
    Rgb titleBar;   // the title bar's face, three quarters of the way along
    Rgb border;     // the left, right and bottom borders
    Rgb buttonEdge; // the top edge of the default push button
};
inline constexpr SkinLook Neon{"Kanvio Neon", MakeRgb(31, 33, 54), MakeRgb(22, 24, 38),
                               MakeRgb(0, 229, 255)};
inline constexpr SkinLook Daylight{"Kanvio Daylight", MakeRgb(50, 103, 200), MakeRgb(226, 232, 242),
                                   MakeRgb(255, 170, 0)};

// The window's title bar and borders are those of the skin.
bool DrawnIn(const Picture& screen, const SkinviewScreen& view, const SkinLook& look);
// Its left, right and bottom borders are.
bool BordersIn(const Picture& screen, const SkinviewScreen& view, const SkinLook& look);
// The status bar shows its panels' texts.
bool StatusBarShown(const Picture& screen, const SkinviewScreen& view);
// The open drop-down's item at `item` carries a check mark.
bool ItemChecked(const Picture& screen, const SkinviewScreen& view, Point item);

// A top-level window of the program other than the showcase (the Open
// dialog, a message box) in the skin's frame, as it lies on the screen.
class SkinnedBox {
public:
    explicit SkinnedBox(const ScreenWindow& window) : window_(window.box) {}
    virtual ~SkinnedBox() = default;
    Box Window() const { return window_; }
    // The push button that closes it.
    virtual Point Button() const = 0;
    // Its title bar and left border are those of the skin, and so is its
    // push button (not the system's grey).
    bool DrawnIn(const Picture& screen, const SkinLook& look) const;

protected:
    Box window_;
};

// The system's Open dialog as File > Open shows it.
class OpenDialog : public SkinnedBox {
public:
    static constexpr char Title[] = "Open skin";
    using SkinnedBox::SkinnedBox;
    Point FileNameBox() const;
    Point OpenButton() const;
    Point Button() const override { return OpenButton(); }
};

// A message box of skinview's.
class MessageBox : public SkinnedBox {
public:
    static constexpr char FailureTitle[] = "cannot load the skin";
    static constexpr char AboutTitle[] = "About skinview";
    using SkinnedBox::SkinnedBox;
    // The OK button.
    Point Button() const override;
    // Lines of text in the box.
    bool ShowsText(const Picture& screen) const;
};

// The colours of the focus cues the skin draws: the caption colour of a
// push button and of a hot button, tab or tab set tab.
inline constexpr Rgb TextCueColour = MakeRgb(222, 236, 246);
inline constexpr Rgb HotCueColour = MakeRgb(0, 229, 255);

// The system's own cue of a check box or radio button: the dotted rectangle
// round its caption, each dot the inverse of the skin's face colour.
bool ShowsSystemFocusCue(const Picture& screen, Box control);

} // namespace e2e::skinview
