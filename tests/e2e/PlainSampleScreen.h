// The plain Win32 sample (samples/plain) as the journeys see it in Kanvio
// Neon: its main window and its Controls dialog, and the places in them
// named for what they show. The dialog is laid out by its resource script in
// dialog units; the places are where those land at 96 DPI.
#pragma once

#include "tests/e2e/Desktop.h"
#include "tests/e2e/FramedWindow.h"
#include "tests/e2e/Picture.h"

namespace e2e::plain {

inline constexpr char Program[] = "bin/plain_sample.exe";
inline constexpr char MainTitle[] = "Plain Win32 sample";
inline constexpr char ControlsTitle[] = "Controls";
// The message box that says why a skin is not used.
inline constexpr char SkinErrorTitle[] = "Skin not used";

// A window's title bar and its left, right and bottom borders are Kanvio
// Neon's, not the system's.
bool FramedInNeon(const Picture& screen, Box window);
// A window's title bar is the system's own, as an active window's.
bool FramedBySystem(const Picture& screen, Box window);
// A message box shows lines of text, not a blank face.
bool ShowsText(const Picture& screen, Box box);

// The Controls dialog. Rows and items count from 0, top down; columns and
// tabs from 0, left to right.
class ControlsDialog {
public:
    explicit ControlsDialog(const ScreenWindow& window);
    Box Window() const { return frame_.Window(); }

    // The push button, and the box of each check or radio button where the
    // skin draws the mark, with a point on its caption a click toggles it by.
    Box PushButton() const;
    Box CheckMark() const;
    Point CheckCaption() const;
    Box RadioOneMark() const;
    Box RadioTwoMark() const;
    Point RadioTwoCaption() const;

    // The one-line Name edit, the Notes edit (its text and its scroll bar)
    // and the Count edit with its up-down's arrows.
    Box NameEdit() const;
    Box NotesText() const;
    Box NotesScrollBar() const;
    Box CountEdit() const;
    Point CountUp() const;
    Point CountDown() const;
    Box CountArrows() const;
    Box Progress() const;

    // The simple combo box: its edit and its list, always shown.
    Box SimpleEdit() const;
    Point SimpleItem(int row) const;
    Box SimpleList() const;
    Box SimpleScrollBar() const;
    // The drop-down combo box and the drop-down list: the closed box, its
    // arrow button, a row of the list it drops below itself, and that list.
    Box DropDownBox() const;
    Point DropDownArrow() const;
    Point DropDownItem(int row) const;
    Box DropDownList() const;
    Box DropListBox() const;
    Point DropListArrow() const;
    Point DropListItem(int row) const;
    Box DropListList() const;

    Box ListBox() const;
    Point ListBoxItem(int row) const;

    // The list view: its column header, a column's caption and the divider
    // right of it, and a row.
    Box ListView() const;
    Box Header() const;
    Point HeaderColumn(int column) const;
    Point HeaderDivider(int column) const;
    Point ListViewRow(int row) const;
    Box ListViewRows() const;

    // The tree view: a row's button (plus or minus) and its caption, as the
    // tree first shows with Documents open.
    Box Tree() const;
    Point TreeButton(int row) const;
    Point TreeItem(int row) const;

    // The tab control: a tab, the page's text, and the strip of the page
    // between the tabs and the text.
    Point Tab(int index) const;
    Box TabPageText() const;
    Box TabPageMargin() const;

    // The track bar, with where its thumb stands at a position (0 to 100).
    Box TrackBar() const;
    Point TrackThumb(int position) const;
    Box TrackThumbBox(int position) const;

    // The horizontal and the vertical scroll bar: their arrows and where the
    // thumb stands at a position (0 to 90, the range less the page).
    Box HorizontalBar() const;
    Point RightArrow() const;
    Point HorizontalThumb(int position) const;
    Box VerticalBar() const;
    Point DownArrow() const;
    Point VerticalThumb(int position) const;
    // The vertical bar's track between its up arrow and its thumb.
    Box VerticalTrackAbove(int position) const;

    Box StatusBar() const;
    Point Ok() const;
    Point Cancel() const;
    Box CancelButton() const;

private:
    // A rectangle of the resource script in dialog units, on the screen.
    Box Units(int left, int top, int width, int height) const;
    FramedWindow frame_;
};

// The skin's check mark (or radio dot) shows in the box.
bool MarkShown(const Picture& screen, Box mark);
// The skin's accent, the bright cyan of its marks, arrows and lit frames,
// shows in at least `pixels` of the box.
bool AccentShown(const Picture& screen, Box box, int pixels);
// The box shows the dialog's dark face, not a light one: what a control
// leaves to the system is drawn light.
bool DarkFace(const Picture& screen, Box box);
// The skin's track bar thumb, dark inside a bright pink outline, shows in
// the box.
bool SkinThumbShown(const Picture& screen, Box box);
// The system's grey caret shows in the box: a scroll bar with the focus
// blinks one over its thumb.
bool CaretShown(const Picture& screen, Box box);
// Pixels of the progress bar's box in the skin's violet-to-pink bar.
int ProgressFill(const Picture& screen, Box bar);
// The status bar shows a line of text on its face.
bool StatusShowsText(const Picture& screen, Box bar);

} // namespace e2e::plain
