// TMenuLooks: what the skinned menus of one engine keep from one opening to
// the next. The system makes a popup menu's window anew for every opening,
// and the menu font, the texts' sizes in it, the canvases items are measured
// on, the MenuBackground element rendered at a popup's size and the MenuItem
// element's cells rendered at an item's size came out the same each time:
// made once here, they serve every opening of every menu of the engine's
// thread.
//
// Everything kept is rendered from the skin's elements and the system's menu
// font alone, and found again by what it was made from (element, size, cell;
// text, weight, format), so a menu whose items or size changed finds nothing
// or what fits it. The manager lets it all go when a skin's elements are
// replaced, skinning goes off, or a system setting changes (the menu font may
// have). A few of each kind are kept, the ones used last.
//
// Error policy: nothing throws; an element that cannot be rendered (no memory)
// gives none, and the caller draws without it.
#pragma once

#include "skin/ImgUtil/Dib.h"
#include "skin/WinSkinMenu/MenuText.h"
#include "toolkit/Graphics.h"
#include "toolkit/win32/GdiOwners.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

namespace skin {

class TDataSkinObject;

// An element's cell rendered at one size, and a DC it is selected into
// (made on first use: a bitmap is selected into one DC at a time, and a
// colour-keyed copy reads the pixels without one).
class TRenderedCell {
public:
    TRenderedCell(const TDataSkinObject& element, int width, int height, int cell);
    TRenderedCell(const TRenderedCell&) = delete;
    TRenderedCell& operator=(const TRenderedCell&) = delete;

    const TDib& Pixels() const { return pixels_; }
    HDC Dc();
    bool Fits(const TDataSkinObject& element, int width, int height, int cell) const {
        return &element == element_ && width == pixels_.Width() && height == pixels_.Height() &&
               cell == cell_;
    }

private:
    const TDataSkinObject* element_;
    int cell_;
    TDib pixels_;
    std::optional<tk::BitmapDC> dc_;
};

class TMenuLooks {
public:
    TMenuLooks() = default;
    TMenuLooks(const TMenuLooks&) = delete;
    TMenuLooks& operator=(const TMenuLooks&) = delete;

    // The menu font and the sizes of the texts measured in it, shared by the
    // measuring and the drawing of the items.
    TMenuText& Text();
    // A canvas with the toolkit's menu font (bold for a default item) on a
    // context of its own, for the toolkit's measuring of an item's layout.
    tk::Canvas& ItemCanvas(bool bold);
    // A popup's background: `element`'s first cell at the window's size.
    // Valid until another size is asked for; none when it cannot be rendered.
    TRenderedCell* Background(const TDataSkinObject& element, int width, int height);
    // An item's face: cell `cell` of `element` at the item's size, as
    // Background.
    TRenderedCell* ItemFace(const TDataSkinObject& element, int width, int height, int cell);
    // A surface of at least `width` x `height` to compose an item on, in the
    // format of `reference`; none when it cannot be made.
    HDC ItemSurface(HDC reference, int width, int height);
    // Lets everything kept go.
    void Forget();

    // How many of each kind are kept.
    static constexpr size_t KeptBackgrounds = 4;
    static constexpr size_t KeptFaces = 16;

private:
    using TCells = std::vector<std::unique_ptr<TRenderedCell>>;
    static TRenderedCell* Find(TCells& cells, size_t kept, const TDataSkinObject& element,
                               int width, int height, int cell);

    // Declared in this order: the canvas gives the context its own objects
    // back before the context goes.
    struct TKeptCanvas {
        TKeptCanvas() : canvas(dc) {}
        tk::CompatibleDC dc;
        tk::Canvas canvas;
    };

    std::optional<TMenuText> text_;
    std::optional<TKeptCanvas> canvases_[2];
    TCells backgrounds_;
    TCells faces_;
    std::optional<tk::MemoryDC> surface_;
};

} // namespace skin
