#include "toolkit/ImageList.h"

#include "toolkit/Picture.h"

#include "base/Colour.h"
#include "base/Scale.h"
#include "base/ScalePixels.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace tk {
namespace {
// The largest width or height of the images of a list.
constexpr int MaxImageSide = 1024;
} // namespace

const ClassInfo& ImageList::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<ImageList>("TImageList", &Component::StaticClass(), [](auto& p) {
            p.Integer("Width", &ImageList::Width, &ImageList::SetWidth);
            p.Integer("Height", &ImageList::Height, &ImageList::SetHeight);
        });
    return info;
}

ImageList::ImageList(Component* owner) : Component(owner) {}

ImageList::~ImageList() {
    if (handle_) {
        ImageList_Destroy(handle_);
    }
}

void ImageList::Recreate() {
    if (handle_) {
        ImageList_Destroy(handle_);
    }
    handle_ = ImageList_Create(width_, height_, ILC_COLOR32 | ILC_MASK, 4, 4);
}

HIMAGELIST ImageList::Handle() {
    if (!handle_) {
        Recreate();
    }
    return handle_;
}

void ImageList::SetWidth(int width) {
    if (width <= 0 || width > MaxImageSide) {
        throw std::invalid_argument("image width must be 1 to 1024");
    }
    width_ = width;
    Recreate();
}

void ImageList::SetHeight(int height) {
    if (height <= 0 || height > MaxImageSide) {
        throw std::invalid_argument("image height must be 1 to 1024");
    }
    height_ = height;
    Recreate();
}

int ImageList::Count() const {
    return handle_ ? ImageList_GetImageCount(handle_) : 0;
}

void ImageList::Clear() {
    Recreate();
}

void ImageList::AddStrip(const Bitmap& strip, int transparent) {
    if (strip.Empty()) {
        return;
    }
    COLORREF key = static_cast<COLORREF>(transparent);
    if (transparent < 0) {
        uint32_t pixel = strip.Pixels()[size_t(strip.Height() - 1) * size_t(strip.Width())];
        key = base::PixelColour(pixel);
    }
    maskColor_ = key;
    WindowDC screen = WindowDC::Client(nullptr);
    BitmapDC source(strip.Handle(), screen);
    const OwnedBrush background(CreateSolidBrush(key));
    const RECT all{0, 0, width_, height_};
    for (int x = 0; x + width_ <= strip.Width(); x += width_) {
        const OwnedBitmap image(CreateCompatibleBitmap(screen, width_, height_));
        {
            BitmapDC cell(image.get(), screen);
            FillRect(cell, &all, background.get());
            BitBlt(cell, 0, 0, width_, std::min(height_, strip.Height()), source, x, 0, SRCCOPY);
        }
        ImageList_AddMasked(Handle(), image.get(), key);
    }
}

void ImageList::AddIcon(HICON icon) {
    ImageList_AddIcon(Handle(), icon);
}

void ImageList::Draw(HDC dc, int x, int y, int index, bool enabled) {
    DrawImageListImage(handle_, dc, x, y, index, enabled);
}

void DrawImageListImage(HIMAGELIST list, HDC dc, int x, int y, int index, bool enabled) {
    if (!list || index < 0 || index >= ImageList_GetImageCount(list)) {
        return;
    }
    if (enabled) {
        ImageList_Draw(list, index, dc, x, y, ILD_TRANSPARENT);
        return;
    }
    int width = 0, height = 0;
    ImageList_GetIconSize(list, &width, &height);
    const OwnedIcon icon(ImageList_GetIcon(list, index, ILD_TRANSPARENT));
    DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.get()), 0, x, y, width, height,
               DST_ICON | DSS_DISABLED);
}

void ImageList::ChangeScale(int to, int from) {
    const int width = std::clamp(base::ScaleMeasure(width_, to, from), 1, MaxImageSide);
    const int height = std::clamp(base::ScaleMeasure(height_, to, from), 1, MaxImageSide);
    if (width == width_ && height == height_) {
        return;
    }
    const uint32_t key = base::ColourPixel(maskColor_);
    std::vector<std::vector<uint32_t>> images;
    Bitmap image;
    for (int i = 0; GetBitmap(i, image); ++i) {
        std::vector<uint32_t> pixels(image.Pixels().begin(), image.Pixels().end());
        for (uint32_t& pixel : pixels) {
            pixel &= 0xFFFFFF;
        }
        images.push_back(base::ScalePixels(pixels, width_, height_, width, height, key));
    }
    width_ = width;
    height_ = height;
    if (!handle_) {
        return;
    }
    ImageList_SetIconSize(handle_, width, height);
    for (const std::vector<uint32_t>& pixels : images) {
        image.SetSize(width, height);
        std::copy(pixels.begin(), pixels.end(), image.Pixels().begin());
        ImageList_AddMasked(handle_, image.Handle(), maskColor_);
    }
}

bool ImageList::GetBitmap(int index, Bitmap& target) {
    if (index < 0 || index >= Count()) {
        return false;
    }
    target.SetSize(width_, height_);
    BitmapDC dc(target.Handle());
    const OwnedBrush background(CreateSolidBrush(maskColor_));
    const RECT all{0, 0, width_, height_};
    FillRect(dc, &all, background.get());
    ImageList_Draw(handle_, index, dc, 0, 0, ILD_TRANSPARENT);
    return true;
}

void ImageList::DefineProperties(BinaryProperties& props) {
    props.Define("Bitmap", [this](std::span<const std::uint8_t> bytes) {
        Bitmap strip;
        strip.LoadFromBytes(bytes, "stored images of " + Name());
        Clear();
        AddStrip(strip);
    });
}

} // namespace tk
