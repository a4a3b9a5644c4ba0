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
constexpr int TextX = 60;
// Slot geometry on the sheet: five columns 120 apart, two rows 160 apart.
constexpr int ColumnPitch = 120;
constexpr int RowPitch = 160;
constexpr int PerRow = 5;

// The white of the tree, the background rectangle and a slot's frame.
constexpr Rgb White = MakeRgb(255, 255, 255);

Point SlotOffset(int slot) {
    return {ColumnPitch * (slot % PerRow), RowPitch * (slot / PerRow)};
}

} // namespace

Point GalleryScreen::TabHeader(Tab tab) const {
    return Client(tab == Tab::Trade ? 90 : 210, 44);
}

Box GalleryScreen::Tree() const {
    return ClientBox(Sheet.x + 16, Sheet.y + 16, 201, 393);
}

Box GalleryScreen::TreeRow(int row) const {
    const Box tree = Tree();
    return {tree.left + 2, tree.top + FirstRowTop + RowHeight * row, tree.width - 4, RowHeight};
}

Point GalleryScreen::TreeButton(int row) const {
    return {Tree().left + ButtonX, TreeRow(row).Centre().y};
}

Point GalleryScreen::TreeText(int row) const {
    return {Tree().left + TextX, TreeRow(row).Centre().y};
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
    return {Window().left + 16, AboveClient().Centre().y};
}

Point GalleryScreen::MinimiseButton() const {
    return {Window().Right() - 46, AboveClient().Centre().y};
}

Point GalleryScreen::CloseButton() const {
    return {Window().Right() - 18, AboveClient().Centre().y};
}

bool TreeShowsText(const Picture& screen, const GalleryScreen& gallery) {
    // A row of text (with its icon) is some hundreds of dark pixels.
    constexpr int TextPixels = 100;
    return CountUnlike(screen, gallery.TreeRow(0), White, 64) > TextPixels;
}

bool SlotShown(const Picture& screen, const GalleryScreen& gallery, int slot) {
    const Box frame = gallery.SlotFrame(slot);
    // The frame's black outline runs along its top edge.
    const Box outline{frame.left + 4, frame.top, frame.width - 8, 1};
    const Box thumbnail = gallery.Thumbnail(slot);
    return CountLike(screen, outline, 0, 40) == outline.width &&
           CountUnlike(screen, thumbnail, White, 24) > thumbnail.width * thumbnail.height / 4;
}

int SlotsShown(const Picture& screen, const GalleryScreen& gallery) {
    int shown = 0;
    for (int slot = 0; slot < SlotCount; ++slot) {
        shown += SlotShown(screen, gallery, slot) ? 1 : 0;
    }
    return shown;
}

bool ArrowShown(const Picture& screen, Box arrow) {
    return CountUnlike(screen, arrow, White, 40) > arrow.width * arrow.height / 8;
}

bool LabelShowsText(const Picture& screen, const GalleryScreen& gallery) {
    const Box label = gallery.PageLabel();
    return CountUnlike(screen, label, MostCommon(screen, label), 64) > 40;
}

} // namespace e2e::gallery
