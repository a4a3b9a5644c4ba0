#include "tests/e2e/SkinviewScreen.h"

namespace e2e::skinview {

Point SkinviewScreen::MenuBarItem(int index) const {
    // Centres of the bar's buttons from the window's left edge, and the
    // bar's middle from the client area's top (the bar sits right above it).
    constexpr int Centres[] = {37, 83, 128, 175};
    constexpr int AboveClientTop = 11;
    return {Window().left + Centres[index], Client(0, 0).y - AboveClientTop};
}

namespace {

// The drop-downs hang from the bar's buttons, their first item's middle
// this far below the client area's top, each item this much lower than the
// one before.
constexpr int FirstItemMiddle = 10;
constexpr int ItemHeight = 17;
// A point on an item's caption, from its bar button's middle.
constexpr int ItemTextX = 20;
// A point on a Recent entry's caption, from the window's left edge (past the
// File drop-down's right edge).
constexpr int RecentEntryX = 270;
// The drop-down's left edge, left of its bar button's middle.
constexpr int DropDownLeft = 21;
// The check mark's column, from the drop-down's left edge.
constexpr int CheckLeft = 11;
constexpr int CheckWidth = 12;

Point DropDownItem(const SkinviewScreen& view, int menu, int row) {
    return {view.MenuBarItem(menu).x + ItemTextX,
            view.Client(0, 0).y + FirstItemMiddle + row * ItemHeight};
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
    return DropDownItem(*this, 0, 0);
}

Point SkinviewScreen::FileRecent() const {
    return DropDownItem(*this, 0, 2);
}

Point SkinviewScreen::FileBuiltIn() const {
    return DropDownItem(*this, 0, 3);
}

Point SkinviewScreen::RecentEntry(int index) const {
    const Point recent = FileRecent();
    return {Window().left + RecentEntryX, recent.y + index * ItemHeight};
}

Point SkinviewScreen::ViewStatusBar() const {
    return DropDownItem(*this, 2, 0);
}

Point SkinviewScreen::HelpAbout() const {
    return DropDownItem(*this, 3, 0);
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
    const int left = item.x - ItemTextX - DropDownLeft;
    const Box mark{left + CheckLeft, item.y - 6, CheckWidth, 12};
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
