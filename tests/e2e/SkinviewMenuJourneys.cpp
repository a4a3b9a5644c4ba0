// Journeys along skinview's menu bar, by mouse and by keyboard: the
// drop-downs open, move to their neighbours and close as a native bar's do,
// and what they show is drawn from the skin (the separator line, the submenu
// arrow, the check mark, the selected item).
#include "tests/e2e/SkinviewShowcase.h"

namespace e2e::skinview {
namespace {

using SkinviewMenus = SkinviewShowcase;

// The selected item's fill and the drop-down's background in the built-in
// skin.
constexpr Rgb SelectedFill = MakeRgb(195, 3, 103);
constexpr Rgb Pure = MakeRgb(255, 255, 255);

// The drop-down of `menu` is the one open: a drop-down covers the bar's
// first rows from its button's left edge to the right, over the places of
// the drop-downs right of it, so the open one is the leftmost that shows.
bool OnlyOpen(const Picture& s, const Picture& before, const SkinviewScreen& view, Menu menu) {
    for (Menu which : {Menu::File, Menu::Edit, Menu::View}) {
        const Box d = view.DropDown(which);
        if (CountChanged(s, before, {d.left, d.top + 4, 40, 24}) > 100) {
            return which == menu;
        }
    }
    return false;
}

bool Selected(const Picture& s, Box row) {
    return CountLike(s, row, SelectedFill, 20) > row.width * row.height / 2;
}

TEST_F(SkinviewMenus, ByMouseTheDropDownsFollowThePointerAcrossTheBar) {
    const SkinviewScreen view = Start();
    const Picture before = Step("started");
    Screen().Click(view.MenuBarItem(Menu::File));
    const Picture file = StepWhen("file-open", "the File drop-down alone", [&](const Picture& s) {
        return OnlyOpen(s, before, view, Menu::File);
    });
    // The separator is a line across its row; the submenu arrow is drawn in
    // the skin's colours, not as a white block.
    const Box separator = view.FileMenuRow(FileRow::Separator);
    EXPECT_GT(CountUnlike(file, separator, MostCommon(file, separator)), separator.width)
        << "the separator line is missing";
    const Box arrow = view.RecentArrow();
    EXPECT_LT(CountLike(file, arrow, Pure, 8), 8) << "the submenu arrow stands on a white block";
    EXPECT_GT(CountUnlike(file, arrow, MostCommon(file, arrow)), 8) << "no submenu arrow";

    Screen().Glide(view.MenuBarItem(Menu::Edit));
    StepWhen("edit-open", "the Edit drop-down alone",
             [&](const Picture& s) { return OnlyOpen(s, before, view, Menu::Edit); });
    Screen().Glide(view.MenuBarItem(Menu::View));
    const Picture viewMenu =
        StepWhen("view-open", "the View drop-down alone",
                 [&](const Picture& s) { return OnlyOpen(s, before, view, Menu::View); });
    // Its one item is checked: the mark shows bright on the selected fill.
    EXPECT_GT(CountLike(viewMenu, view.StatusBarCheck(), Pure, 60), 5) << "no check mark";

    Screen().Glide(view.MenuBarItem(Menu::File));
    StepWhen("file-again", "the File drop-down again",
             [&](const Picture& s) { return OnlyOpen(s, before, view, Menu::File); });
    // Down the drop-down onto Recent: its submenu opens on its own.
    Screen().Glide(view.FileMenuRow(FileRow::Recent).Centre());
    StepWhen("recent-submenu", "Recent selected and its submenu open", [&](const Picture& s) {
        return Selected(s, view.FileMenuRow(FileRow::Recent)) &&
               CountChanged(s, before, view.RecentSubmenu()) > 1000;
    });
    Screen().Glide(view.FileMenuRow(FileRow::Exit).Centre());
    StepWhen("on-exit", "Exit selected, the submenu closed", [&](const Picture& s) {
        return Selected(s, view.FileMenuRow(FileRow::Exit)) &&
               CountChanged(s, before, view.RecentSubmenu()) == 0;
    });
    Screen().Click(view.FileMenuRow(FileRow::Exit).Centre());
    EXPECT_EQ(WaitForExit(), 0);
}

TEST_F(SkinviewMenus, ByKeyboardTheArrowsMoveAlongTheBarAndIntoTheSubmenu) {
    const SkinviewScreen view = Start();
    // The pointer rests off the window, so only the keys move the menus.
    Screen().MoveTo({Screen().Width() - 1, Screen().Height() - 1});
    const Picture before = Step("started");
    const auto open = [&](Menu menu) {
        return [&, menu](const Picture& s) { return OnlyOpen(s, before, view, menu); };
    };
    Screen().Key("alt+f");
    StepWhen("alt-f", "File open with Open selected", [&](const Picture& s) {
        return OnlyOpen(s, before, view, Menu::File) &&
               Selected(s, view.FileMenuRow(FileRow::Open));
    });
    Screen().Key("Right");
    StepWhen("right-edit", "the Edit drop-down", open(Menu::Edit));
    Screen().Key("Right");
    StepWhen("right-view", "the View drop-down", open(Menu::View));
    Screen().Key("Left");
    StepWhen("left-edit", "the Edit drop-down", open(Menu::Edit));
    Screen().Key("Left");
    StepWhen("left-file", "the File drop-down", open(Menu::File));
    Screen().Key("Down");
    Screen().Key("Down");
    StepWhen("down-recent", "Recent selected", [&](const Picture& s) {
        return Selected(s, view.FileMenuRow(FileRow::Recent)) &&
               CountChanged(s, before, view.RecentSubmenu()) == 0;
    });
    Screen().Key("Right");
    StepWhen("right-submenu", "Recent's submenu open", [&](const Picture& s) {
        return CountChanged(s, before, view.RecentSubmenu()) > 1000;
    });
    Screen().Key("Left");
    StepWhen("left-back", "the submenu closed, Recent still selected", [&](const Picture& s) {
        return Selected(s, view.FileMenuRow(FileRow::Recent)) &&
               CountChanged(s, before, view.RecentSubmenu()) == 0;
    });
    Screen().Key("Escape");
    StepWhen("escape", "the drop-down closed", [&](const Picture& s) {
        return CountChanged(s, before, view.DropDown(Menu::File)) == 0;
    });
    // Enter runs the selected item: Exit, the last, is one up from the first.
    Screen().Key("alt+f");
    Screen().Key("Up");
    StepWhen("exit-selected", "Exit selected",
             [&](const Picture& s) { return Selected(s, view.FileMenuRow(FileRow::Exit)); });
    Screen().Key("Return");
    EXPECT_EQ(WaitForExit(), 0);
}

// Alt inside an open drop-down closes it and leaves the bar (the next Alt
// with a letter opens that menu, not a native menu mode); an item's "&"
// letter typed in the owner-drawn drop-down chooses it.
TEST_F(SkinviewMenus, ByKeyboardAltLeavesTheDropDownAndALetterChoosesAnItem) {
    const SkinviewScreen view = Start();
    Screen().MoveTo({Screen().Width() - 1, Screen().Height() - 1});
    const Picture before = Step("started");
    Screen().Key("alt+f");
    StepWhen("alt-f", "the File drop-down",
             [&](const Picture& s) { return OnlyOpen(s, before, view, Menu::File); });
    Screen().Key("Alt_L");
    StepWhen("alt-closes", "the drop-down closed", [&](const Picture& s) {
        return CountChanged(s, before, view.DropDown(Menu::File)) == 0;
    });
    Screen().Key("alt+e");
    StepWhen("alt-e", "the Edit drop-down",
             [&](const Picture& s) { return OnlyOpen(s, before, view, Menu::Edit); });
    Screen().Key("Escape");
    StepWhen("escape", "the drop-down closed", [&](const Picture& s) {
        return CountChanged(s, before, view.DropDown(Menu::Edit)) == 0;
    });
    Screen().Key("alt+f");
    StepWhen("file-again", "the File drop-down",
             [&](const Picture& s) { return OnlyOpen(s, before, view, Menu::File); });
    // Exit's letter.
    Screen().Key("x");
    EXPECT_EQ(WaitForExit(), 0);
}

} // namespace
} // namespace e2e::skinview
