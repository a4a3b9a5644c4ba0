// skinview's showcase window as the journeys see it: the places of its menu
// bar and controls on the screen, from its design, named for what they are.
#pragma once

#include "tests/e2e/FramedWindow.h"

namespace e2e::skinview {

inline constexpr char Program[] = "bin/skinview.exe";
inline constexpr char Title[] = "Skin Viewer";
// The showcase's client area in its design.
inline constexpr int ClientWidth = 772;
inline constexpr int ClientHeight = 580;

// The menu bar's drop-downs, from the left.
enum class Menu { File, Edit, View, Help };
// Rows of the File drop-down, top to bottom.
enum class FileRow { Open, Recent, Separator, Exit };

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
    // The tab set: a tab (from 0, as laid out at the start) and its scroller.
    Point TabSetTab(int index) const;
    Box TabSetRow() const;
    Point TabSetScrollRight() const;

    // The title bar's maximise (restore) button, a point of the bar away
    // from its buttons, and a strip of it holding the caption's start.
    Point MaximiseButton() const;
    Point TitleBar() const;
    Box TitleStrip() const;
};

} // namespace e2e::skinview
