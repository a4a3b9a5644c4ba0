#include "tests/e2e/GalleryScreen.h"

namespace e2e::gallery {
namespace {

// The tab page's client area inside the page control, in the window's
// client coordinates (the page control sits at 24, 24).
constexpr Point Sheet{28, 63};
// Tree rows, in the tree's client area.
constexpr int RowHeight = 24;
constexpr int FirstRowTop = 2;
constexpr int ButtonX = 14;
// A little inside the label of a header; a leaf's lies one indent further.
constexpr int TextX = 66;
constexpr int Indent = 27;
// Slot geometry on the sheet: five columns 120 apart, two rows 160 apart.
constexpr int ColumnPitch = 120;
constexpr int RowPitch = 160;
constexpr int PerRow = 5;

// The white of the tree, the background rectangle and a slot's frame.
constexpr Rgb White = MakeRgb(255, 255, 255);
// Kanvio Neon's active title text, and the pink of the decoration after it.
constexpr Rgb TitleText = MakeRgb(230, 250, 255);
constexpr Rgb DecorationPink = MakeRgb(255, 46, 136);
// The close button's left edge from the window's right edge.
constexpr int CloseFromRight = 36;
// How many pixels (at 96 DPI) the sheet's contents may lie off the design's
// place times the scale.
constexpr int OffScale = 5;

template <class Holds> Columns ColumnsWhere(const Picture& screen, Box box, Holds holds) {
    Columns columns;
    for (int x = box.left; x < box.Right(); ++x) {
        for (int y = box.top; y < box.Bottom(); ++y) {
            if (holds(screen.At({x, y}))) {
                columns.first = columns.first < 0 ? x : columns.first;
                columns.last = x;
                break;
            }
        }
    }
    return columns;
}

Point SlotOffset(int slot) {
    return {Scaled(ColumnPitch * (slot % PerRow)), Scaled(RowPitch * (slot / PerRow))};
}

} // namespace

Point GalleryScreen::TabHeader(Tab tab) const {
    return Client(tab == Tab::Trade ? 90 : 210, 44);
}

Box GalleryScreen::TabBox(Tab tab) const {
    // The tabs' rectangles in the page control (at 24, 24), one pixel lower
    // as the skin draws them.
    constexpr int TabLeft = 2;
    constexpr int TabTop = 3;
    constexpr int TabWidth = 110;
    constexpr int TabHeight = 35;
    const int index = tab == Tab::Trade ? 0 : 1;
    return ClientBox(24 + TabLeft + TabWidth * index, 24 + TabTop, TabWidth, TabHeight);
}

Box GalleryScreen::Tree() const {
    return ClientBox(Sheet.x + 16, Sheet.y + 16, 201, 393);
}

Box GalleryScreen::TreeRow(int row) const {
    const Box tree = Tree();
    return {tree.left + Scaled(2), tree.top + Scaled(FirstRowTop + RowHeight * row),
            tree.width - Scaled(4), Scaled(RowHeight)};
}

Point GalleryScreen::TreeButton(int row) const {
    return {Tree().left + Scaled(ButtonX), TreeRow(row).Centre().y};
}

Point GalleryScreen::TreeText(int row, int level) const {
    return {Tree().left + Scaled(TextX + Indent * level), TreeRow(row).Centre().y};
}

Box GalleryScreen::Background() const {
    return ClientBox(Sheet.x + 232, Sheet.y + 16, 619, 393);
}

Box GalleryScreen::SlotFrame(int slot) const {
    return ClientBox(Sheet.x + 248, Sheet.y + 32, 108, 108).Moved(SlotOffset(slot));
}

Box GalleryScreen::Thumbnail(int slot) const {
    return ClientBox(Sheet.x + 252, Sheet.y + 36, 100, 100).Moved(SlotOffset(slot));
}

Box GalleryScreen::OpenButton(int slot) const {
    return ClientBox(Sheet.x + 249, Sheet.y + 144, 50, 25).Moved(SlotOffset(slot));
}

Box GalleryScreen::BookButton(int slot) const {
    return ClientBox(Sheet.x + 305, Sheet.y + 144, 50, 25).Moved(SlotOffset(slot));
}

Point GalleryScreen::FrameEdge(int slot) const {
    const Box frame = SlotFrame(slot);
    return {frame.left + Scaled(2), frame.Centre().y};
}

Point GalleryScreen::OpenBookGap(int slot) const {
    const Box open = OpenButton(slot);
    return {open.Right() + Scaled(3), open.Centre().y};
}

Point GalleryScreen::BackgroundSpot() const {
    return {Background().left + Scaled(8), Background().top + Scaled(8)};
}

Box GalleryScreen::LeftArrow() const {
    return ClientBox(Sheet.x + 248, Sheet.y + 360, 32, 32);
}

Box GalleryScreen::RightArrow() const {
    return ClientBox(Sheet.x + 800, Sheet.y + 360, 32, 32);
}

Box GalleryScreen::PageLabel() const {
    return ClientBox(Sheet.x + 432, Sheet.y + 366, 217, 20);
}

Box GalleryScreen::ExitButton() const {
    return ClientBox(784, 512, 113, 41);
}

Point GalleryScreen::SystemMenuIcon() const {
    return {Window().left + Scaled(16), AboveClient().Centre().y};
}

// The skin's caption buttons from the right edge: close, the (hidden)
// maximise button, then minimise.
Point GalleryScreen::MinimiseButton() const {
    return {Window().Right() - Scaled(79), AboveClient().Centre().y};
}

Point GalleryScreen::CloseButton() const {
    return {Window().Right() - Scaled(18), AboveClient().Centre().y};
}

bool TreeShowsText(const Picture& screen, const GalleryScreen& gallery) {
    // A row of text (with its icon) is some hundreds of dark pixels.
    constexpr int TextPixels = 100;
    return CountUnlike(screen, gallery.TreeRow(0), White, 64) > TextPixels;
}

bool SlotShown(const Picture& screen, const GalleryScreen& gallery, int slot) {
    const Box frame = gallery.SlotFrame(slot);
    // The frame's black outline runs along its top edge. At another scale
    // the tab control's frame around the sheet is not quite the design's
    // times the scale (its padding and edges are the system's), so the
    // sheet's contents lie up to a few pixels off either way: the outline
    // is looked for in a band of rows, and may miss that many pixels.
    const int band = ScreenDpi() == 96 ? 0 : Scaled(OffScale);
    bool outlined = false;
    for (int y = frame.top - band; y <= frame.top + band && !outlined; ++y) {
        const Box outline{frame.left + Scaled(4), y, frame.width - Scaled(8), 1};
        outlined = CountLike(screen, outline, 0, 40) >= outline.width - band;
    }
    const Box thumbnail = gallery.Thumbnail(slot);
    return outlined &&
           CountUnlike(screen, thumbnail, White, 24) > thumbnail.width * thumbnail.height / 4;
}

int SlotsShown(const Picture& screen, const GalleryScreen& gallery) {
    int shown = 0;
    for (int slot = 0; slot < SlotCount; ++slot) {
        shown += SlotShown(screen, gallery, slot) ? 1 : 0;
    }
    return shown;
}

bool TreeRowFocused(const Picture& screen, const GalleryScreen& gallery, int row) {
    constexpr Rgb Selection = MakeRgb(48, 150, 250);
    // The selection fills the row's text (some hundreds of pixels).
    constexpr int Filled = 300;
    return CountLike(screen, gallery.TreeRow(row), Selection, 32) > Filled;
}

bool ArrowShown(const Picture& screen, Box arrow) {
    return CountUnlike(screen, arrow, White, 40) > arrow.width * arrow.height / 8;
}

bool LabelShowsText(const Picture& screen, const GalleryScreen& gallery) {
    const Box label = gallery.PageLabel();
    return CountUnlike(screen, label, MostCommon(screen, label), 64) > 40;
}

bool PageShows(const Picture& screen, const GalleryScreen& gallery, int slots, bool leftArrow,
               bool rightArrow) {
    for (int slot = 0; slot < SlotCount; ++slot) {
        if (SlotShown(screen, gallery, slot) != (slot < slots)) {
            return false;
        }
    }
    return ArrowShown(screen, gallery.LeftArrow()) == leftArrow &&
           ArrowShown(screen, gallery.RightArrow()) == rightArrow &&
           LabelShowsText(screen, gallery);
}

Columns TitleTextColumns(const Picture& screen, Box titleBar, int from, int to) {
    const Box between{from, titleBar.top, to - from, titleBar.height};
    return ColumnsWhere(screen, between, [](Rgb colour) { return Near(colour, TitleText, 40); });
}

Columns DecorationColumns(const Picture& screen, Box titleBar) {
    // The caption's rows, past the icon (the pink accent under the title
    // bar's left end lies below them).
    const Box caption{titleBar.left + Scaled(CaptionStart), titleBar.top + Scaled(4),
                      titleBar.width - Scaled(CaptionStart), Scaled(TitleHeight - 10)};
    return ColumnsWhere(screen, caption,
                        [](Rgb colour) { return Near(colour, DecorationPink, 40); });
}

int CloseButtonLeft(Box window) {
    return window.Right() - Scaled(CloseFromRight);
}

} // namespace e2e::gallery
