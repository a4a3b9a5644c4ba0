#include "tests/e2e/SkinviewScreen.h"

namespace e2e::skinview {
namespace {

// Centres of the bar's buttons from the window's left edge, and the bar's
// middle from the client area's top (the bar sits right above it).
constexpr int MenuCentres[] = {38, 83, 129, 176};
constexpr int MenuAboveClient = 11;
// A drop-down opens at its button's left edge, its top line two pixels
// above the client area; the File drop-down's size and its rows.
constexpr int DropDownFromCentre = 24;
constexpr int DropDownAboveClient = 2;
constexpr int FileDropDownWidth = 201;
constexpr int FileDropDownHeight = 101;
constexpr int FileRowTops[] = {4, 21, 38, 55, 72, 81};
constexpr int ItemHeight = 17;
constexpr int SeparatorHeight = 9;
// The submenu arrow sits at the right end of its row.
constexpr int ArrowFromRight = 15;
constexpr int ArrowWidth = 14;
constexpr int CheckColumnLeft = 4;
constexpr int CheckColumnWidth = 20;
// A point on an item's caption, from its row's left edge.
constexpr int ItemTextX = 40;
// A point on a Recent entry's caption, from its submenu's left edge.
constexpr int RecentEntryX = 30;

// Design places (client coordinates) of the Buttons group's marks: check
// boxes draw their box two pixels in, radio buttons at their left edge.
struct MarkPlace {
    int left;
    int top;
    bool radio;
};
constexpr MarkPlace Marks[] = {
    {26, 104, false}, {140, 104, false}, {26, 130, true},
    {140, 130, true}, {26, 156, false},  {140, 156, true},
};
constexpr int MarkSize = 14;
constexpr int MarkTopInset = 2;
constexpr int CaptionOffset = 50;
constexpr int CaptionDrop = 8;

// Tab centres, measured on the screen (client coordinates), and the
// label of the first page of each page control.
constexpr Point TabCentres[] = {{566, 207}, {640, 207}, {708, 207}, {55, 508}, {132, 508},
                                {279, 415}, {279, 468}, {748, 415}, {748, 468}};

// The caption buttons' middle below the window's top, and the maximise
// button's from its right edge.
constexpr int CaptionButtonDrop = 14;
constexpr int MaximiseFromRight = 52;

int Index(PageTab tab) {
    return int(tab);
}

} // namespace

Point SkinviewScreen::MenuBarItem(int index) const {
    return {Window().left + MenuCentres[index], Client(0, 0).y - MenuAboveClient};
}

Box SkinviewScreen::DropDown(Menu menu) const {
    return {MenuBarItem(menu).x - DropDownFromCentre, Client(0, 0).y - DropDownAboveClient,
            FileDropDownWidth, FileDropDownHeight};
}

Box SkinviewScreen::FileMenuRow(FileRow row) const {
    const Box menu = DropDown(Menu::File);
    const int height = row == FileRow::Separator ? SeparatorHeight : ItemHeight;
    return {menu.left + 3, menu.top + FileRowTops[int(row)], menu.width - 6, height};
}

Box SkinviewScreen::RecentArrow() const {
    const Box row = FileMenuRow(FileRow::Recent);
    return {row.Right() - ArrowFromRight + 3, row.top, ArrowWidth - 2, row.height};
}

Box SkinviewScreen::RecentSubmenu() const {
    const Box row = FileMenuRow(FileRow::Recent);
    return {DropDown(Menu::File).Right() + 4, row.top, 140, 2 * ItemHeight};
}

Box SkinviewScreen::StatusBarCheck() const {
    const Box menu = DropDown(Menu::View);
    return {menu.left + CheckColumnLeft, menu.top + FileRowTops[0], CheckColumnWidth, ItemHeight};
}

Box SkinviewScreen::MarkBox(Mark mark) const {
    const MarkPlace& place = Marks[int(mark)];
    return ClientBox(place.left + (place.radio ? 0 : 2), place.top + MarkTopInset, MarkSize,
                     MarkSize);
}

Point SkinviewScreen::MarkCaption(Mark mark) const {
    const MarkPlace& place = Marks[int(mark)];
    return Client(place.left + CaptionOffset, place.top + CaptionDrop);
}

Box SkinviewScreen::ButtonsGroupEdge() const {
    return ClientBox(12, 40, 3, 120);
}

Box SkinviewScreen::NumberText() const {
    return ClientBox(362, 63, 40, 18);
}

Point SkinviewScreen::NumberUp() const {
    return Client(410, 67);
}

Point SkinviewScreen::NumberDown() const {
    return Client(410, 78);
}

Box SkinviewScreen::HorizontalScroll() const {
    return ClientBox(534, 134, 216, 17);
}

Point SkinviewScreen::HorizontalScrollRight() const {
    return Client(741, 142);
}

Point SkinviewScreen::HorizontalScrollThumb() const {
    return Client(645, 142);
}

Box SkinviewScreen::TrackBar() const {
    return ClientBox(530, 36, 224, 32);
}

Point SkinviewScreen::TrackBarThumb() const {
    return Client(662, 48);
}

Box SkinviewScreen::ListRows() const {
    return ClientBox(16, 216, 270, 140);
}

Point SkinviewScreen::ListScrollDown() const {
    return Client(301, 346);
}

Point SkinviewScreen::ListScrollThumb() const {
    return Client(301, 266);
}

Box SkinviewScreen::ListScrollBar() const {
    return ClientBox(293, 199, 16, 155);
}

Box SkinviewScreen::ListCombo() const {
    return ClientBox(360, 94, 136, 22);
}

Point SkinviewScreen::ListComboButton() const {
    return Client(487, 105);
}

Point SkinviewScreen::ListComboItem(int item) const {
    return Client(420, 124 + 13 * item);
}

Point SkinviewScreen::EditBox() const {
    return Client(420, 40);
}

Point SkinviewScreen::Tab(PageTab tab) const {
    const Point centre = TabCentres[Index(tab)];
    return Client(centre.x, centre.y);
}

Box SkinviewScreen::PageLabel(PageTab firstTab) const {
    switch (firstTab) {
    case PageTab::General:
        return ClientBox(534, 226, 100, 18);
    case PageTab::Bottom:
        return ClientBox(22, 398, 100, 18);
    case PageTab::Left:
        return ClientBox(298, 398, 100, 18);
    default:
        return ClientBox(534, 398, 100, 18);
    }
}

Box SkinviewScreen::TabRow(PageTab anyTab) const {
    switch (anyTab) {
    case PageTab::General:
    case PageTab::More:
    case PageTab::About:
        return ClientBox(526, 198, 220, 19);
    case PageTab::Bottom:
    case PageTab::Second:
        return ClientBox(14, 500, 160, 18);
    case PageTab::Left:
    case PageTab::LeftTwo:
        return ClientBox(270, 388, 18, 110);
    default:
        return ClientBox(740, 388, 18, 110);
    }
}

Box SkinviewScreen::TabSetRow() const {
    return ClientBox(14, 531, 700, 20);
}

Point SkinviewScreen::TabSetScrollRight() const {
    return Client(751, 539);
}

Point SkinviewScreen::MaximiseButton() const {
    return {Window().Right() - MaximiseFromRight, Window().top + CaptionButtonDrop};
}

Point SkinviewScreen::TitleBar() const {
    return {Window().left + Window().width / 3, Window().top + CaptionButtonDrop};
}

Box SkinviewScreen::TitleStrip() const {
    return {Window().left + 8, Window().top + 2, Window().width / 3, 20};
}

namespace {

// A point on the caption of a drop-down's row (from 0, above any separator).
Point OnItem(const SkinviewScreen& view, Menu menu, int row) {
    const Box dropDown = view.DropDown(menu);
    return {dropDown.left + ItemTextX,
            dropDown.top + FileRowTops[0] + row * ItemHeight + ItemHeight / 2};
}

// The pixel at `at` is near `colour`; a point off the screen (a window still
// being placed) is not.
bool NearAt(const Picture& screen, Point at, Rgb colour) {
    return at.x >= 0 && at.y >= 0 && at.x < screen.width && at.y < screen.height &&
           Near(screen.At(at), colour);
}

// The title bar's face is the colour most of a stretch of it has, past the
// caption's start and before the buttons (a long caption, or the skin's
// ornament after it, covers some of it).
bool TitleBarIn(const Picture& screen, Box window, const SkinLook& look) {
    constexpr int FaceRow = 12;
    const Box face{window.left + window.width / 2, window.top + FaceRow, window.width / 3, 1};
    return Near(MostCommon(screen, face), look.titleBar);
}

} // namespace

Point SkinviewScreen::FileOpen() const {
    return OnItem(*this, Menu::File, int(FileRow::Open));
}

Point SkinviewScreen::FileRecent() const {
    return OnItem(*this, Menu::File, int(FileRow::Recent));
}

Point SkinviewScreen::FileBuiltIn() const {
    return OnItem(*this, Menu::File, int(FileRow::BuiltIn));
}

Point SkinviewScreen::RecentEntry(int index) const {
    return {RecentSubmenu().left + RecentEntryX, FileRecent().y + index * ItemHeight};
}

Point SkinviewScreen::ViewStatusBar() const {
    return OnItem(*this, Menu::View, 0);
}

Point SkinviewScreen::HelpAbout() const {
    return OnItem(*this, Menu::Help, 0);
}

Box SkinviewScreen::StatusBar() const {
    constexpr int Height = 20;
    return ClientBox(0, ClientHeight - Height, ClientWidth, Height);
}

bool BordersIn(const Picture& screen, const SkinviewScreen& view, const SkinLook& look) {
    const Box w = view.Window();
    const int middle = w.top + w.height / 2;
    return NearAt(screen, {w.left + 1, middle}, look.border) &&
           NearAt(screen, {w.Right() - 2, middle}, look.border) &&
           NearAt(screen, {w.left + w.width / 2, w.Bottom() - 2}, look.border);
}

bool DrawnIn(const Picture& screen, const SkinviewScreen& view, const SkinLook& look) {
    return BordersIn(screen, view, look) && TitleBarIn(screen, view.Window(), look);
}

bool StatusBarShown(const Picture& screen, const SkinviewScreen& view) {
    return CountUnlike(screen, view.StatusBar(), MostCommon(screen, view.StatusBar())) > 100;
}

bool ItemChecked(const Picture& screen, const SkinviewScreen&, Point item) {
    // The mark itself, inside the check column.
    constexpr int MarkLeft = 14;
    constexpr int MarkSide = 12;
    const Box mark{item.x - ItemTextX + MarkLeft, item.y - MarkSide / 2, MarkSide, MarkSide};
    return CountUnlike(screen, mark, MostCommon(screen, mark)) > 8;
}

bool SkinnedBox::DrawnIn(const Picture& screen, const SkinLook& look) const {
    // The button's top edge: a line of the skin's edge colour some rows
    // above its middle.
    constexpr int HalfEdge = 16;
    constexpr int NearestEdge = 8;
    constexpr int FarthestEdge = 20;
    const Point button = Button();
    bool edged = false;
    for (int above = NearestEdge; above <= FarthestEdge && !edged; ++above) {
        const Box edge{button.x - HalfEdge, button.y - above, 2 * HalfEdge, 1};
        edged = CountLike(screen, edge, look.buttonEdge) == edge.width;
    }
    return edged &&
           NearAt(screen, {window_.left + 2, window_.top + window_.height / 2}, look.border) &&
           TitleBarIn(screen, window_, look);
}

// The dialog's lower rows, from its bottom edge: the file name box and the
// Open button beside it.
constexpr int FileNameRow = 56;
constexpr int FileNameX = 300;
constexpr int OpenButtonFromRight = 54;

Point OpenDialog::FileNameBox() const {
    return {window_.left + FileNameX, window_.Bottom() - FileNameRow};
}

Point OpenDialog::OpenButton() const {
    return {window_.Right() - OpenButtonFromRight, window_.Bottom() - FileNameRow};
}

Point MessageBox::Button() const {
    constexpr int ButtonRow = 30;
    return {window_.left + window_.width / 2, window_.Bottom() - ButtonRow};
}

bool MessageBox::ShowsText(const Picture& screen) const {
    const Box inside{window_.left + 20, window_.top + 40, window_.width - 40, window_.height - 90};
    return CountUnlike(screen, inside, MostCommon(screen, inside)) > 200;
}

bool ShowsSystemFocusCue(const Picture& screen, Box control) {
    constexpr Rgb InverseFace = MakeRgb(225, 223, 207);
    // Half of a rectangle round a caption of a few words.
    constexpr int Dots = 40;
    return CountLike(screen, control, InverseFace, 16) >= Dots;
}

} // namespace e2e::skinview
