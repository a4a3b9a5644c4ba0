#include "skin/WinSkinMenu/MenuLooks.h"

#include "skin/ImgUtil/ImgUtil.h"
#include "skin/WinSkinData/WinSkinData.h"
#include "toolkit/Menus.h"

#include <algorithm>

namespace skin {

TRenderedCell::TRenderedCell(const TDataSkinObject& element, int width, int height, int cell)
    : element_(&element), cell_(cell),
      pixels_(RenderElement({0, 0, width, height}, element.Bitmap, MarginRect(element), false,
                            element.Tile == 1, std::max(element.Frame, 1), cell)) {}

HDC TRenderedCell::Dc() {
    if (!dc_) {
        dc_.emplace(NativeBitmap(pixels_));
    }
    return *dc_;
}

TMenuText& TMenuLooks::Text() {
    if (!text_) {
        text_.emplace();
    }
    return *text_;
}

tk::Canvas& TMenuLooks::ItemCanvas(bool bold) {
    std::optional<TKeptCanvas>& kept = canvases_[bold ? 1 : 0];
    if (!kept) {
        kept.emplace();
        tk::SetMenuFont(kept->canvas.Font(), bold);
    }
    return kept->canvas;
}

// The last used comes first; a new one pushes the oldest out.
TRenderedCell* TMenuLooks::Find(TCells& cells, size_t kept, const TDataSkinObject& element,
                                int width, int height, int cell) {
    const auto found = std::find_if(cells.begin(), cells.end(), [&](const auto& rendered) {
        return rendered->Fits(element, width, height, cell);
    });
    if (found != cells.end()) {
        std::rotate(cells.begin(), found, found + 1);
        return cells.front().get();
    }
    auto rendered = std::make_unique<TRenderedCell>(element, width, height, cell);
    if (rendered->Pixels().Empty()) {
        return nullptr;
    }
    if (cells.size() >= kept) {
        cells.pop_back();
    }
    cells.insert(cells.begin(), std::move(rendered));
    return cells.front().get();
}

TRenderedCell* TMenuLooks::Background(const TDataSkinObject& element, int width, int height) {
    return Find(backgrounds_, KeptBackgrounds, element, width, height, 1);
}

TRenderedCell* TMenuLooks::ItemFace(const TDataSkinObject& element, int width, int height,
                                    int cell) {
    return Find(faces_, KeptFaces, element, width, height, cell);
}

// Grown to the largest item met; an item is composed in its top-left corner.
HDC TMenuLooks::ItemSurface(HDC reference, int width, int height) {
    if (!surface_ || surface_->Width() < width || surface_->Height() < height) {
        const int w = surface_ ? std::max(surface_->Width(), width) : width;
        const int h = surface_ ? std::max(surface_->Height(), height) : height;
        surface_.reset();
        surface_.emplace(reference, w, h);
    }
    return *surface_ ? HDC(*surface_) : nullptr;
}

void TMenuLooks::Forget() {
    text_.reset();
    canvases_[0].reset();
    canvases_[1].reset();
    backgrounds_.clear();
    faces_.clear();
    surface_.reset();
}

} // namespace skin
