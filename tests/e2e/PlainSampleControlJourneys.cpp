// Every control of the plain sample's Controls dialog used as a person uses
// it, by the mouse and the keyboard, each answering on the screen and staying
// drawn in the skin: the buttons and the edits, the lists, and the controls
// of ranges and pages.
#include "tests/e2e/Journey.h"
#include "tests/e2e/PlainSampleScreen.h"

namespace e2e::plain {
namespace {

// More pixels than a blinking caret or a focus rectangle changes.
constexpr int Answered = 40;
// Enough settled screens to see a caret's blink on and off twice.
constexpr int Blinks = 4;

class PlainSampleControlJourney : public Journey {
protected:
    // Starts the sample and opens its Controls dialog by its shortcut.
    ControlsDialog OpenDialog() {
        Launch(Program, {}, MainTitle);
        Screen().Key("ctrl+d");
        ControlsDialog dialog(WaitForWindow(ControlsTitle));
        StepWhen("controls-dialog", "the Controls dialog in the skin", [&](const Picture& s) {
            dialog = ControlsDialog(WaitForWindow(ControlsTitle));
            return FramedInNeon(s, dialog.Window());
        });
        return dialog;
    }

    // The dialog's buttons close it; the main window is in the skin again
    // and closes by Alt+F4.
    void ClosedBy(Point button) {
        Screen().Click(button);
        WaitForNoWindow(ControlsTitle);
        StepWhen("dialog-closed", "the main window in Kanvio Neon's frame again",
                 [&](const Picture& s) { return FramedInNeon(s, WaitForWindow(MainTitle).box); });
        Screen().Key("alt+F4");
        EXPECT_EQ(WaitForExit(), 0);
    }

    // Keeps a step once `box` differs from what `before` showed there and
    // `also` holds, and returns the screen for the next comparison.
    Picture StepChanged(
        const std::string& name, const std::string& what, const Picture& before, Box box,
        const std::function<bool(const Picture&)>& also = [](const Picture&) { return true; }) {
        return StepWhen(name, what, [&](const Picture& s) {
            return CountChanged(before, s, box) >= Answered && also(s);
        });
    }
};

TEST_F(PlainSampleControlJourney, ButtonsAndEditsAnswerTheMouseAndTheKeyboardInTheSkin) {
    ControlsDialog dialog = OpenDialog();
    Picture screen = Settle();

    // The focused Push me is lit already: Cancel lights under the pointer.
    Screen().Glide(dialog.Cancel());
    screen = StepChanged(
        "cancel-lit", "the Cancel button lit under the pointer", screen, dialog.CancelButton(),
        [&](const Picture& s) { return AccentShown(s, dialog.CancelButton(), 20); });
    Screen().Click(dialog.PushButton().Centre());
    screen = StepChanged("push-button-pressed", "the status bar saying the button was pressed",
                         screen, dialog.StatusBar(), [&](const Picture& s) {
                             return StatusShowsText(s, dialog.StatusBar()) &&
                                    AccentShown(s, dialog.PushButton(), 20);
                         });

    Screen().Click(dialog.CheckCaption());
    StepWhen("check-box-cleared", "the Check box without its mark",
             [&](const Picture& s) { return !MarkShown(s, dialog.CheckMark()); });
    Screen().Click(dialog.CheckCaption());
    StepWhen("check-box-ticked", "the Check box with its mark again",
             [&](const Picture& s) { return MarkShown(s, dialog.CheckMark()); });

    Screen().Click(dialog.RadioTwoCaption());
    screen = StepWhen(
        "radio-two-chosen", "the dot moved from Radio one to Radio two", [&](const Picture& s) {
            return MarkShown(s, dialog.RadioTwoMark()) && !MarkShown(s, dialog.RadioOneMark());
        });

    Screen().Click(dialog.NameEdit().Centre());
    Screen().Key("End");
    Screen().Key("shift+Home");
    Screen().Type("Typed by hand");
    screen = StepChanged("name-typed", "the Name edit showing what was typed", screen,
                         dialog.NameEdit());

    Screen().Click(dialog.NotesText().Centre());
    Screen().Key("ctrl+End");
    const Picture beforeNotes = screen;
    for (const char* line : {"First line typed", "Second line", "Third line", "Fourth line",
                             "Fifth line, past the bottom"}) {
        Screen().Key("Return");
        Screen().Type(line);
    }
    screen = StepChanged("notes-typed", "the Notes edit scrolled down to the lines typed",
                         beforeNotes, dialog.NotesText(), [&](const Picture& s) {
                             return CountChanged(beforeNotes, s, dialog.NotesScrollBar()) >=
                                        Answered / 4 &&
                                    AccentShown(s, dialog.NotesScrollBar(), 10);
                         });
    Screen().Key("ctrl+Home");
    screen = StepChanged("notes-scrolled-back", "the Notes edit scrolled back to its top", screen,
                         dialog.NotesText());

    Screen().Click(dialog.CountUp());
    screen =
        StepChanged("count-up", "the Count edit's number stepped up", screen, dialog.CountEdit(),
                    [&](const Picture& s) { return AccentShown(s, dialog.CountArrows(), 10); });
    Screen().Click(dialog.CountDown());
    Screen().Click(dialog.CountDown());
    screen = StepChanged("count-down", "the Count edit's number stepped down twice", screen,
                         dialog.CountEdit());

    ClosedBy(dialog.Ok());
}

TEST_F(PlainSampleControlJourney, CombosAndListsArePickedByMouseAndKeysInTheSkin) {
    ControlsDialog dialog = OpenDialog();
    Picture screen = Settle();

    // The simple combo box: an item of its list clicked, then a name typed.
    Screen().Click(dialog.SimpleItem(2));
    screen = StepChanged("simple-picked", "the simple combo box's edit showing the item picked",
                         screen, dialog.SimpleEdit());
    Screen().Click(dialog.SimpleEdit().Centre());
    Screen().Key("End");
    Screen().Key("shift+Home");
    Screen().Type("Fig");
    screen = StepChanged("simple-typed", "the simple combo box's edit showing what was typed",
                         screen, dialog.SimpleEdit(), [&](const Picture& s) {
                             return AccentShown(s, dialog.SimpleScrollBar(), 10);
                         });

    // The drop-down combo box: typed into, then its list opened and a row
    // picked.
    Screen().Click(dialog.DropDownBox().Centre());
    Screen().Key("End");
    Screen().Key("shift+Home");
    Screen().Type("Grapefruit");
    screen = StepChanged("drop-down-typed", "the drop-down combo box showing what was typed",
                         screen, dialog.DropDownBox(), [&](const Picture& s) {
                             return AccentShown(s, dialog.DropDownBox(), 10);
                         });
    const Picture closedDropDown = screen;
    Screen().Click(dialog.DropDownArrow());
    screen = StepChanged("drop-down-open", "the drop-down combo box's list open below it", screen,
                         dialog.DropDownList());
    Screen().Click(dialog.DropDownItem(0));
    screen = StepWhen(
        "drop-down-picked", "the list closed and the row picked in the box", [&](const Picture& s) {
            return CountChanged(closedDropDown, s, dialog.DropDownBox()) >= Answered &&
                   CountChanged(closedDropDown, s, dialog.DropDownList()) < Answered &&
                   AccentShown(s, dialog.DropDownBox(), 10);
        });

    // The drop-down list: opened and picked by the mouse, changed by keys.
    const Picture closedDropList = screen;
    Screen().Click(dialog.DropListArrow());
    screen = StepChanged("drop-list-open", "the drop-down list's list open below it", screen,
                         dialog.DropListList());
    Screen().Click(dialog.DropListItem(4));
    screen = StepWhen(
        "drop-list-picked", "the list closed and the row picked in the box", [&](const Picture& s) {
            return CountChanged(closedDropList, s, dialog.DropListBox()) >= Answered &&
                   CountChanged(closedDropList, s, dialog.DropListList()) < Answered &&
                   AccentShown(s, dialog.DropListBox(), 10);
        });
    Screen().Key("Down");
    Screen().Key("Down");
    screen = StepChanged("drop-list-by-keys", "the drop-down list two rows further on", screen,
                         dialog.DropListBox());

    // The list box, by a click and by the arrow key.
    Screen().Click(dialog.ListBoxItem(3));
    screen = StepChanged("list-box-picked", "the list box's fourth row picked", screen,
                         dialog.ListBox());
    Screen().Key("Down");
    screen =
        StepChanged("list-box-by-keys", "the list box's next row picked", screen, dialog.ListBox(),
                    [&](const Picture& s) { return AccentShown(s, dialog.ListBox(), 10); });

    // The list view: a row picked, a column widened by its divider, the
    // header in the skin's dark face.
    Screen().Click(dialog.ListViewRow(2));
    screen = StepChanged("list-view-row", "the list view's third row picked", screen,
                         dialog.ListViewRows());
    const Point divider = dialog.HeaderDivider(0);
    Screen().Drag(divider, divider + Point{Scaled(30), 0});
    screen =
        StepChanged("list-view-column-widened", "the Name column wider", screen, dialog.Header(),
                    [&](const Picture& s) { return DarkFace(s, dialog.Header()); });
    Screen().Click(dialog.HeaderColumn(1));
    screen = StepWhen("list-view-header-clicked", "the header in the skin after a click",
                      [&](const Picture& s) { return DarkFace(s, dialog.Header()); });

    // The tree view: Documents folded, Pictures unfolded, Holidays picked.
    Screen().Click(dialog.TreeButton(0));
    screen = StepChanged("tree-collapsed", "Documents folded up", screen, dialog.Tree());
    Screen().Click(dialog.TreeButton(1));
    screen = StepChanged("tree-expanded", "Pictures unfolded", screen, dialog.Tree());
    Screen().Click(dialog.TreeItem(2));
    screen = StepChanged("tree-item-picked", "Holidays picked", screen, dialog.Tree());

    ClosedBy(dialog.Cancel());
}

TEST_F(PlainSampleControlJourney, PagesAndRangesMoveByMouseAndKeysInTheSkin) {
    ControlsDialog dialog = OpenDialog();
    const Picture opened = Settle();
    Picture screen = opened;

    // The tab control: another page and back.
    Screen().Click(dialog.Tab(1));
    screen = StepChanged("tab-details", "the Details page's text", screen, dialog.TabPageText(),
                         [&](const Picture& s) { return DarkFace(s, dialog.TabPageMargin()); });
    Screen().Click(dialog.Tab(0));
    screen = StepWhen("tab-general-again", "the General page's text again", [&](const Picture& s) {
        return CountChanged(opened, s, dialog.TabPageText()) < Answered &&
               DarkFace(s, dialog.TabPageMargin());
    });

    // The track bar drives the progress bar: dragged, then moved by keys.
    Screen().Drag(dialog.TrackThumb(40), dialog.TrackThumb(80));
    screen = StepChanged("track-dragged", "the track bar's thumb and the progress bar further on",
                         screen, dialog.TrackBar(), [&](const Picture& s) {
                             return ProgressFill(s, dialog.Progress()) >
                                        ProgressFill(opened, dialog.Progress()) + Answered &&
                                    SkinThumbShown(s, dialog.TrackThumbBox(80));
                         });
    Screen().Key("Home");
    screen = StepChanged("track-by-keys", "the track bar and the progress bar at the start", screen,
                         dialog.TrackBar(), [&](const Picture& s) {
                             return ProgressFill(s, dialog.Progress()) == 0 &&
                                    SkinThumbShown(s, dialog.TrackThumbBox(0));
                         });

    // The scroll bars: an arrow clicked, the thumb dragged.
    Screen().Click(dialog.RightArrow());
    screen = StepChanged(
        "horizontal-arrow", "the horizontal thumb a step right", screen, dialog.HorizontalBar(),
        [&](const Picture& s) { return AccentShown(s, dialog.HorizontalBar(), 10); });
    Screen().Drag(dialog.HorizontalThumb(31), dialog.HorizontalThumb(70));
    screen = StepChanged("horizontal-dragged", "the horizontal thumb dragged right", screen,
                         dialog.HorizontalBar());
    Screen().Click(dialog.DownArrow());
    screen = StepChanged(
        "vertical-arrow", "the vertical thumb a step down", screen, dialog.VerticalBar(),
        [&](const Picture& s) { return AccentShown(s, dialog.VerticalBar(), 10); });
    Screen().Drag(dialog.VerticalThumb(1), dialog.VerticalThumb(60));
    screen = StepChanged("vertical-dragged", "the vertical thumb dragged down", screen,
                         dialog.VerticalBar());
    // The focused bar blinks its thumb; nothing blinks where the thumb was.
    // A blink shows on every other settled screen.
    const Box passed = dialog.VerticalTrackAbove(60);
    for (int blink = 0; blink < Blinks; ++blink) {
        const Picture s = Settle();
        EXPECT_FALSE(CaretShown(s, passed)) << "the caret blinks where the thumb was";
    }

    StepWhen("status-bar", "the status bar's text on its face",
             [&](const Picture& s) { return StatusShowsText(s, dialog.StatusBar()); });
    ClosedBy(dialog.Cancel());
}

} // namespace
} // namespace e2e::plain
