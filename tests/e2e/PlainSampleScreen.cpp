#include "tests/e2e/PlainSampleScreen.h"

#include "tests/e2e/FramedWindow.h"

#include <algorithm>

namespace e2e::plain {
namespace {

// Kanvio Neon's title bar face, its borders and its check mark.
constexpr Rgb NeonTitleBar = MakeRgb(31, 33, 54);
constexpr Rgb NeonBorder = MakeRgb(22, 24, 38);
constexpr Rgb NeonMark = MakeRgb(0, 229, 255);
constexpr Rgb NeonThumbOutline = MakeRgb(214, 0, 110);
constexpr Rgb InvertedTrack = MakeRgb(241, 240, 231);
constexpr Rgb NeonStatusFace = MakeRgb(14, 15, 24);
constexpr Rgb NeonText = MakeRgb(222, 236, 246);
// The prefix's colour of an active window's title bar.
constexpr Rgb SystemTitleBar = MakeRgb(50, 150, 250);

// The title bar's face is the colour most of a stretch of its row has,
// past the caption and before the caption buttons.
constexpr int TitleFaceRow = 12;

// The dialog's client area; its status bar along the bottom.
constexpr int ClientWidth = 630;
constexpr int ClientHeight = 419;
constexpr int StatusHeight = 18;
// A dialog unit is a quarter of the font's average width across and an
// eighth of its height down; the dialog's font is 6 by 13 pixels.
constexpr int FontWidth = 6;
constexpr int FontHeight = 13;
int UnitsAcross(int units) {
    return (units * FontWidth + 2) / 4;
}
int UnitsDown(int units) {
    return (units * FontHeight + 4) / 8;
}

// A check or radio button's caption from the dialog's left edge.
constexpr int CaptionX = 67;
// An edit's border, and the width of a scroll bar and of its arrows.
constexpr int EditInset = 2;
constexpr int BarWidth = 16;
// The up-down's arrows, from the right and top of its buddy's rectangle.
constexpr int SpinArrowX = 7;
constexpr int SpinUpY = 6;
constexpr int SpinDownY = 17;
// Where an item's caption is clicked, from its list's left edge.
constexpr int ItemX = 30;
constexpr int SimpleEditHeight = 21;
constexpr int SimpleRowTop = 8;
constexpr int SimpleRowHeight = 13;
constexpr int ComboArrowX = 10;
constexpr int DroppedRowTop = 8;
constexpr int DroppedRowHeight = 13;
constexpr int DroppedListHeight = 100;
constexpr int ListRowTop = 8;
constexpr int ListRowHeight = 13;
// The list view's header and rows; its columns' widths are the sample's.
constexpr int HeaderHeight = 18;
constexpr int ColumnWidths[] = {70, 50, 60};
constexpr int ViewRowTop = 7;
constexpr int ViewRowHeight = 14;
constexpr int TreeButtonX = 12;
constexpr int TreeItemX = 45;
constexpr int TreeRowTop = 10;
constexpr int TreeRowHeight = 16;
// The tabs' centres from the tab control's left edge, and their row.
constexpr int TabCentres[] = {27, 82, 142};
constexpr int TabRowCentre = 12;
constexpr int TabRowHeight = 20;
// The page's border below the tabs.
constexpr int PageEdge = 4;
constexpr int TrackChannelInset = 11;
constexpr int TrackRange = 100;
constexpr int ThumbHalfWidth = 8;
constexpr int ThumbHalfHeight = 12;
// The sample's scroll bars run from 0 to 100 with a page of 10, so the
// thumb stands at 0 to 91.
constexpr int ScrollPage = 10;
constexpr int ScrollValues = 101;
constexpr int ThumbPositions = 91;

// The thumb's centre along a scroll bar `length` long at `position`.
int ThumbCentre(int length, int position) {
    const int track = length - 2 * Scaled(BarWidth);
    const int thumb = track * ScrollPage / ScrollValues;
    return Scaled(BarWidth) + thumb / 2 + (track - thumb) * position / ThumbPositions;
}

Box TitleFace(Box window) {
    return {window.left + window.width / 2, window.top + Scaled(TitleFaceRow), window.width / 3, 1};
}

bool NearAt(const Picture& screen, Point at, Rgb colour) {
    return at.x >= 0 && at.y >= 0 && at.x < screen.width && at.y < screen.height &&
           Near(screen.At(at), colour);
}

} // namespace

bool FramedInNeon(const Picture& screen, Box window) {
    const int middle = window.top + window.height / 2;
    return Near(MostCommon(screen, TitleFace(window)), NeonTitleBar) &&
           NearAt(screen, {window.left + 1, middle}, NeonBorder) &&
           NearAt(screen, {window.Right() - 2, middle}, NeonBorder) &&
           NearAt(screen, {window.left + window.width / 2, window.Bottom() - 2}, NeonBorder);
}

bool FramedBySystem(const Picture& screen, Box window) {
    return Near(MostCommon(screen, TitleFace(window)), SystemTitleBar);
}

bool ShowsText(const Picture& screen, Box box) {
    // Below the title bar, the text's pixels stand out from the face.
    constexpr int TitleBarHeight = 24;
    constexpr int TextPixels = 200;
    const Box body{box.left, box.top + Scaled(TitleBarHeight), box.width,
                   box.height - Scaled(TitleBarHeight)};
    return CountUnlike(screen, body, MostCommon(screen, body)) > TextPixels;
}

ControlsDialog::ControlsDialog(const ScreenWindow& window)
    : frame_(window, ClientWidth, ClientHeight) {}

Box ControlsDialog::Units(int left, int top, int width, int height) const {
    const int x = UnitsAcross(left);
    const int y = UnitsDown(top);
    return frame_.ClientBox(x, y, UnitsAcross(left + width) - x, UnitsDown(top + height) - y);
}

Box ControlsDialog::PushButton() const {
    return Units(15, 19, 60, 14);
}

Box ControlsDialog::CheckMark() const {
    return Units(15, 38, 10, 10);
}

Point ControlsDialog::CheckCaption() const {
    return {Window().left + Scaled(CaptionX), CheckMark().Centre().y};
}

Box ControlsDialog::RadioOneMark() const {
    return Units(15, 52, 10, 10);
}

Box ControlsDialog::RadioTwoMark() const {
    return Units(15, 66, 10, 10);
}

Point ControlsDialog::RadioTwoCaption() const {
    return {Window().left + Scaled(CaptionX), RadioTwoMark().Centre().y};
}

Box ControlsDialog::NameEdit() const {
    return Units(7, 100, 130, 14);
}

Box ControlsDialog::NotesText() const {
    const Box notes = Units(7, 129, 130, 42);
    return {notes.left + Scaled(EditInset), notes.top + Scaled(EditInset),
            notes.width - Scaled(BarWidth + 2 * EditInset), notes.height - Scaled(2 * EditInset)};
}

Box ControlsDialog::NotesScrollBar() const {
    const Box notes = Units(7, 129, 130, 42);
    return {notes.Right() - Scaled(BarWidth + EditInset), notes.top + Scaled(EditInset),
            Scaled(BarWidth), notes.height - Scaled(2 * EditInset)};
}

Box ControlsDialog::CountEdit() const {
    return Units(50, 176, 50, 14);
}

Point ControlsDialog::CountUp() const {
    const Box count = CountEdit();
    return {count.Right() - Scaled(SpinArrowX), count.top + Scaled(SpinUpY)};
}

Point ControlsDialog::CountDown() const {
    const Box count = CountEdit();
    return {count.Right() - Scaled(SpinArrowX), count.top + Scaled(SpinDownY)};
}

Box ControlsDialog::CountArrows() const {
    const Box count = CountEdit();
    return {count.Right() - Scaled(2 * SpinArrowX), count.top, Scaled(2 * SpinArrowX),
            count.height};
}

Box ControlsDialog::Progress() const {
    return Units(7, 207, 130, 10);
}

Box ControlsDialog::SimpleEdit() const {
    const Box combo = Units(145, 17, 130, 46);
    return {combo.left, combo.top, combo.width, Scaled(SimpleEditHeight)};
}

Point ControlsDialog::SimpleItem(int row) const {
    const Box list = SimpleList();
    return {list.left + Scaled(ItemX), list.top + Scaled(SimpleRowTop + SimpleRowHeight * row)};
}

Box ControlsDialog::SimpleList() const {
    const Box combo = Units(145, 17, 130, 46);
    return {combo.left, combo.top + Scaled(SimpleEditHeight), combo.width,
            combo.height - Scaled(SimpleEditHeight)};
}

Box ControlsDialog::SimpleScrollBar() const {
    const Box list = SimpleList();
    return {list.Right() - Scaled(BarWidth + EditInset), list.top, Scaled(BarWidth), list.height};
}

Box ControlsDialog::DropDownBox() const {
    return Units(145, 78, 130, 13);
}

Point ControlsDialog::DropDownArrow() const {
    const Box box = DropDownBox();
    return {box.Right() - Scaled(ComboArrowX), box.Centre().y};
}

Point ControlsDialog::DropDownItem(int row) const {
    const Box list = DropDownList();
    return {list.left + Scaled(ItemX), list.top + Scaled(DroppedRowTop + DroppedRowHeight * row)};
}

Box ControlsDialog::DropDownList() const {
    const Box box = DropDownBox();
    return {box.left, box.Bottom(), box.width, Scaled(DroppedListHeight)};
}

Box ControlsDialog::DropListBox() const {
    return Units(145, 107, 130, 13);
}

Point ControlsDialog::DropListArrow() const {
    const Box box = DropListBox();
    return {box.Right() - Scaled(ComboArrowX), box.Centre().y};
}

Point ControlsDialog::DropListItem(int row) const {
    const Box list = DropListList();
    return {list.left + Scaled(ItemX), list.top + Scaled(DroppedRowTop + DroppedRowHeight * row)};
}

Box ControlsDialog::DropListList() const {
    const Box box = DropListBox();
    return {box.left, box.Bottom(), box.width, Scaled(DroppedListHeight)};
}

Box ControlsDialog::ListBox() const {
    return Units(145, 136, 130, 46);
}

Point ControlsDialog::ListBoxItem(int row) const {
    const Box list = ListBox();
    return {list.left + Scaled(ItemX), list.top + Scaled(ListRowTop + ListRowHeight * row)};
}

Box ControlsDialog::ListView() const {
    return Units(283, 56, 130, 72);
}

Box ControlsDialog::Header() const {
    const Box list = ListView();
    return {list.left + 1, list.top + 1, list.width - 2, Scaled(HeaderHeight)};
}

Point ControlsDialog::HeaderColumn(int column) const {
    const Box header = Header();
    int left = 0;
    for (int i = 0; i < column; ++i) {
        left += ColumnWidths[i];
    }
    return {header.left + Scaled(left + ColumnWidths[column] / 2), header.Centre().y};
}

Point ControlsDialog::HeaderDivider(int column) const {
    const Box header = Header();
    int right = 0;
    for (int i = 0; i <= column; ++i) {
        right += ColumnWidths[i];
    }
    return {header.left + Scaled(right), header.Centre().y};
}

Point ControlsDialog::ListViewRow(int row) const {
    const Box rows = ListViewRows();
    return {rows.left + Scaled(ItemX), rows.top + Scaled(ViewRowTop + ViewRowHeight * row)};
}

Box ControlsDialog::ListViewRows() const {
    const Box list = ListView();
    const Box header = Header();
    return {list.left + 1, header.Bottom(), list.width - 2, list.Bottom() - 1 - header.Bottom()};
}

Box ControlsDialog::Tree() const {
    return Units(283, 133, 116, 84);
}

Point ControlsDialog::TreeButton(int row) const {
    const Box tree = Tree();
    return {tree.left + Scaled(TreeButtonX), tree.top + Scaled(TreeRowTop + TreeRowHeight * row)};
}

Point ControlsDialog::TreeItem(int row) const {
    const Box tree = Tree();
    return {tree.left + Scaled(TreeItemX), tree.top + Scaled(TreeRowTop + TreeRowHeight * row)};
}

Point ControlsDialog::Tab(int index) const {
    const Box tabs = Units(283, 7, 130, 44);
    return {tabs.left + Scaled(TabCentres[index]), tabs.top + Scaled(TabRowCentre)};
}

Box ControlsDialog::TabPageText() const {
    return Units(291, 28, 114, 18);
}

Box ControlsDialog::TabPageMargin() const {
    const Box tabs = Units(283, 7, 130, 44);
    const Box text = TabPageText();
    const int top = tabs.top + Scaled(TabRowHeight + PageEdge);
    return {text.left, top, text.width, text.top - top};
}

Box ControlsDialog::TrackBar() const {
    return Units(145, 196, 130, 16);
}

Point ControlsDialog::TrackThumb(int position) const {
    const Box track = TrackBar();
    const int channel = track.width - 2 * Scaled(TrackChannelInset);
    return {track.left + Scaled(TrackChannelInset) + channel * position / TrackRange,
            track.Centre().y};
}

Box ControlsDialog::TrackThumbBox(int position) const {
    const Point centre = TrackThumb(position);
    return {centre.x - Scaled(ThumbHalfWidth), centre.y - Scaled(ThumbHalfHeight),
            Scaled(2 * ThumbHalfWidth), Scaled(2 * ThumbHalfHeight)};
}

Box ControlsDialog::HorizontalBar() const {
    return Units(145, 214, 130, 10);
}

Point ControlsDialog::RightArrow() const {
    const Box bar = HorizontalBar();
    return {bar.Right() - Scaled(BarWidth / 2), bar.Centre().y};
}

Point ControlsDialog::HorizontalThumb(int position) const {
    const Box bar = HorizontalBar();
    return {bar.left + ThumbCentre(bar.width, position), bar.Centre().y};
}

Box ControlsDialog::VerticalBar() const {
    return Units(402, 133, 11, 84);
}

Point ControlsDialog::DownArrow() const {
    const Box bar = VerticalBar();
    return {bar.Centre().x, bar.Bottom() - Scaled(BarWidth / 2)};
}

Point ControlsDialog::VerticalThumb(int position) const {
    const Box bar = VerticalBar();
    return {bar.Centre().x, bar.top + ThumbCentre(bar.height, position)};
}

Box ControlsDialog::VerticalTrackAbove(int position) const {
    const Box bar = VerticalBar();
    const int top = bar.top + Scaled(BarWidth);
    const int bottom = VerticalThumb(position).y - Scaled(ThumbHalfHeight);
    return {bar.left, top, bar.width, bottom - top};
}

Box ControlsDialog::StatusBar() const {
    return frame_.ClientBox(0, ClientHeight - StatusHeight, ClientWidth, StatusHeight);
}

Point ControlsDialog::Ok() const {
    return Units(306, 224, 50, 14).Centre();
}

Point ControlsDialog::Cancel() const {
    return CancelButton().Centre();
}

Box ControlsDialog::CancelButton() const {
    return Units(363, 224, 50, 14);
}

bool AccentShown(const Picture& screen, Box box, int pixels) {
    return CountLike(screen, box, NeonMark) >= pixels;
}

bool DarkFace(const Picture& screen, Box box) {
    constexpr int DarkChannel = 80;
    const Rgb face = MostCommon(screen, box);
    return ((face >> 16) & 0xff) < DarkChannel && ((face >> 8) & 0xff) < DarkChannel &&
           (face & 0xff) < DarkChannel;
}

bool SkinThumbShown(const Picture& screen, Box box) {
    constexpr int OutlinePixels = 20;
    return CountLike(screen, box, NeonThumbOutline) >= OutlinePixels;
}

bool CaretShown(const Picture& screen, Box box) {
    // The caret inverts the dark track to a light grey.
    constexpr int CaretPixels = 10;
    return CountLike(screen, box, InvertedTrack) >= CaretPixels;
}

int ProgressFill(const Picture& screen, Box bar) {
    // The bar runs from violet to pink: strong red and blue, little green.
    constexpr int Strong = 120;
    constexpr int Weak = 100;
    int count = 0;
    for (int y = std::max(bar.top, 0); y < std::min(bar.Bottom(), screen.height); ++y) {
        for (int x = std::max(bar.left, 0); x < std::min(bar.Right(), screen.width); ++x) {
            const Rgb colour = screen.At({x, y});
            const int red = int(colour >> 16) & 0xff;
            const int green = int(colour >> 8) & 0xff;
            const int blue = int(colour) & 0xff;
            count += red > Strong && blue > Strong && green < Weak ? 1 : 0;
        }
    }
    return count;
}

bool StatusShowsText(const Picture& screen, Box bar) {
    constexpr int TextPixels = 60;
    return Near(MostCommon(screen, bar), NeonStatusFace) &&
           CountLike(screen, bar, NeonText) >= TextPixels;
}

bool MarkShown(const Picture& screen, Box mark) {
    // The mark's strokes, a few pixels wide, in the skin's bright cyan.
    constexpr int StrokePixels = 10;
    return CountLike(screen, mark, NeonMark) >= StrokePixels;
}

} // namespace e2e::plain
