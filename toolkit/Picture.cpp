#include "toolkit/Picture.h"

#include "toolkit/Text.h"

#include "base/Bmp.h"
#include "base/Scale.h"
#include "base/ScalePixels.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tk {
namespace {

// Larger metafile pictures are refused rather than drawn.
constexpr int MaxSide = 32768;
constexpr uint64_t MaxFileBytes = uint64_t(256) << 20;

[[noreturn]] void Fail(const std::string& name, const std::string& reason) {
    throw std::runtime_error("Cannot load picture \"" + name + "\": " + reason);
}

bool IsJpeg(std::span<const std::uint8_t> b) {
    return b.size() >= 3 && b[0] == 0xFF && b[1] == 0xD8 && b[2] == 0xFF;
}
bool IsBmp(std::span<const std::uint8_t> b) {
    return b.size() >= 2 && b[0] == 'B' && b[1] == 'M';
}
bool IsIcon(std::span<const std::uint8_t> b) {
    return b.size() >= 4 && base::ReadU16(b, 0) == 0 && base::ReadU16(b, 2) == 1;
}
bool IsEmf(std::span<const std::uint8_t> b) {
    return b.size() >= 44 && base::ReadU32(b, 0) == 1 && base::ReadU32(b, 40) == 0x464D4520;
}
bool IsPlaceableWmf(std::span<const std::uint8_t> b) {
    return b.size() >= 4 && base::ReadU32(b, 0) == 0x9AC6CDD7;
}
bool IsPlainWmf(std::span<const std::uint8_t> b) {
    return b.size() >= 18 && (base::ReadU16(b, 0) == 1 || base::ReadU16(b, 0) == 2) &&
           base::ReadU16(b, 2) == 9;
}

std::string LowerExtension(const std::string& path) {
    size_t dot = path.find_last_of('.');
    size_t slash = path.find_last_of("\\/");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return {};
    }
    std::string ext = path.substr(dot + 1);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    });
    return ext;
}

void DecodeBmp(std::span<const std::uint8_t> b, const std::string& name, Bitmap& target) {
    base::BmpImage image;
    try {
        image = base::DecodeBmp(b);
    } catch (const base::Error& e) {
        Fail(name, e.what());
    }
    target.SetSize(image.width, image.height);
    std::copy(image.pixels.begin(), image.pixels.end(), target.Pixels().begin());
}

} // namespace

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        Fail(path, error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
                       ? "the file does not exist"
                       : "the file cannot be opened");
    }
    std::unique_ptr<void, decltype(&CloseHandle)> guard(file, &CloseHandle);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || uint64_t(size.QuadPart) > MaxFileBytes) {
        Fail(path, "the file is too large");
    }
    std::vector<std::uint8_t> bytes(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        Fail(path, "the file cannot be read");
    }
    return bytes;
}

const ClassInfo& Bitmap::StaticClass() {
    static const ClassInfo info("TBitmap", &Persistent::StaticClass());
    return info;
}

void Bitmap::SetSize(int width, int height) {
    Clear();
    if (width <= 0 || height <= 0) {
        return;
    }
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP handle = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!handle) {
        throw std::runtime_error("Out of memory for a " + std::to_string(width) + "x" +
                                 std::to_string(height) + " bitmap");
    }
    handle_.reset(handle);
    bits_ = static_cast<uint32_t*>(bits);
    width_ = width;
    height_ = height;
}

void Bitmap::Clear() {
    handle_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

void Bitmap::LoadFromBytes(std::span<const std::uint8_t> bytes, const std::string& name) {
    if (IsJpeg(bytes)) {
        DecodeJpeg(bytes, name, *this);
    } else if (IsBmp(bytes)) {
        DecodeBmp(bytes, name, *this);
    } else {
        Fail(name, "not a BMP or JPEG picture");
    }
    if (OnChange) {
        OnChange();
    }
}

void Bitmap::LoadFromFile(const std::string& path) {
    LoadFromBytes(ReadWholeFile(path), path);
}

void Bitmap::Assign(const Bitmap& other) {
    if (&other == this) {
        return;
    }
    SetSize(other.width_, other.height_);
    std::copy(other.Pixels().begin(), other.Pixels().end(), Pixels().begin());
    if (OnChange) {
        OnChange();
    }
}

void Bitmap::DefineProperties(BinaryProperties& props) {
    props.Define("Data", [this](std::span<const std::uint8_t> bytes) {
        if (bytes.empty()) {
            Clear();
        } else {
            LoadFromBytes(bytes, "stored bitmap");
        }
    });
}

const ClassInfo& Picture::StaticClass() {
    static const ClassInfo info("TPicture", &Persistent::StaticClass());
    return info;
}

Picture::Picture() = default;

Picture::~Picture() = default;

void Picture::Clear() {
    bitmap_.Clear();
    icon_.reset();
    metafile_.reset();
    format_ = PictureFormat::None;
    width_ = height_ = 0;
    scaled_.Clear();
}

void Picture::Changed() {
    scaled_.Clear();
    if (OnChange) {
        OnChange();
    }
}

void Picture::LoadFromFile(const std::string& path) {
    std::string ext = LowerExtension(path);
    bool known = ext == "jpg" || ext == "jpeg" || ext == "bmp" || ext == "ico" || ext == "wmf" ||
                 ext == "emf";
    if (!known) {
        Fail(path, ext.empty() ? "the file name has no picture extension"
                               : "unknown picture format \"." + ext + "\"");
    }
    std::vector<std::uint8_t> bytes = ReadWholeFile(path);
    Picture loaded;
    if (ext == "jpg" || ext == "jpeg") {
        DecodeJpeg(bytes, path, loaded.bitmap_);
        loaded.format_ = PictureFormat::Bitmap;
    } else if (ext == "bmp") {
        DecodeBmp(bytes, path, loaded.bitmap_);
        loaded.format_ = PictureFormat::Bitmap;
    } else if (ext == "ico") {
        loaded.LoadIcon(bytes, path);
    } else {
        loaded.LoadMetafile(bytes, path, ext == "emf");
    }
    Clear();
    std::swap(format_, loaded.format_);
    std::swap(icon_, loaded.icon_);
    std::swap(metafile_, loaded.metafile_);
    bitmap_.Clear();
    if (format_ == PictureFormat::Bitmap) {
        bitmap_.Assign(loaded.bitmap_);
        width_ = bitmap_.Width();
        height_ = bitmap_.Height();
    } else {
        width_ = loaded.width_;
        height_ = loaded.height_;
    }
    Changed();
}

void Picture::LoadFromBytes(std::span<const std::uint8_t> bytes, const std::string& name) {
    Clear();
    if (IsJpeg(bytes) || IsBmp(bytes)) {
        bitmap_.LoadFromBytes(bytes, name);
        format_ = PictureFormat::Bitmap;
        width_ = bitmap_.Width();
        height_ = bitmap_.Height();
    } else if (IsEmf(bytes)) {
        LoadMetafile(bytes, name, true);
    } else if (IsPlaceableWmf(bytes) || IsPlainWmf(bytes)) {
        LoadMetafile(bytes, name, false);
    } else if (IsIcon(bytes)) {
        LoadIcon(bytes, name);
    } else {
        Fail(name, "unknown picture format");
    }
    Changed();
}

void Picture::LoadIcon(std::span<const std::uint8_t> b, const std::string& name) {
    if (b.size() < 6 || !IsIcon(b) || base::ReadU16(b, 4) == 0) {
        Fail(name, "not an icon");
    }
    size_t count = base::ReadU16(b, 4);
    if (6 + 16 * count > b.size()) {
        Fail(name, "damaged icon directory");
    }
    size_t best = count;
    int bestSide = 0, bestDepth = 0;
    for (size_t i = 0; i < count; ++i) {
        size_t at = 6 + 16 * i;
        int side = b[at] ? b[at] : 256;
        int depth = base::ReadU16(b, at + 6);
        if (side > bestSide || (side == bestSide && depth > bestDepth)) {
            best = i;
            bestSide = side;
            bestDepth = depth;
        }
    }
    size_t at = 6 + 16 * best;
    int width = b[at] ? b[at] : 256;
    int height = b[at + 1] ? b[at + 1] : 256;
    uint32_t size = base::ReadU32(b, at + 8);
    uint32_t offset = base::ReadU32(b, at + 12);
    if (offset >= b.size() || size > b.size() - offset || size < 40) {
        Fail(name, "damaged icon image");
    }
    std::span<const std::uint8_t> image = b.subspan(offset, size);
    bool png = image[0] == 0x89 && image[1] == 'P';
    if (!png) {
        // The colour and mask planes must lie inside the image.
        uint32_t header = base::ReadU32(image, 0);
        int32_t w = static_cast<int32_t>(base::ReadU32(image, 4));
        int32_t h2 = static_cast<int32_t>(base::ReadU32(image, 8));
        uint16_t bpp = base::ReadU16(image, 14);
        if (header < 40 || w <= 0 || w > 256 || h2 <= 0 || h2 > 512 || bpp == 0 || bpp > 32) {
            Fail(name, "damaged icon image");
        }
        uint64_t rows = uint64_t(h2) / 2;
        uint64_t palette =
            bpp <= 8
                ? (uint64_t(base::ReadU32(image, 32) ? base::ReadU32(image, 32) : (1u << bpp)) * 4)
                : 0;
        uint64_t colour = ((uint64_t(w) * bpp + 31) / 32) * 4 * rows;
        uint64_t mask = ((uint64_t(w) + 31) / 32) * 4 * rows;
        if (header + palette + colour + mask > size) {
            Fail(name, "damaged icon image");
        }
    }
    std::vector<std::uint8_t> copy(image.begin(), image.end());
    OwnedIcon icon(CreateIconFromResourceEx(copy.data(), static_cast<DWORD>(copy.size()), TRUE,
                                            0x00030000, width, height, LR_DEFAULTCOLOR));
    if (!icon) {
        Fail(name, "damaged icon image");
    }
    icon_ = std::move(icon);
    format_ = PictureFormat::Icon;
    width_ = width;
    height_ = height;
}

void Picture::LoadMetafile(std::span<const std::uint8_t> b, const std::string& name,
                           bool enhanced) {
    OwnedEnhMetaFile metafile;
    int width = 0, height = 0;
    if (enhanced) {
        if (b.size() < 88 || !IsEmf(b) || base::ReadU32(b, 48) > b.size() ||
            base::ReadU32(b, 48) < 88) {
            Fail(name, "not an enhanced metafile");
        }
        metafile.reset(SetEnhMetaFileBits(base::ReadU32(b, 48), b.data()));
    } else {
        METAFILEPICT pict{};
        std::span<const std::uint8_t> body = b;
        if (IsPlaceableWmf(b)) {
            if (b.size() < 22 + 18) {
                Fail(name, "damaged metafile header");
            }
            auto s16 = [&](size_t at) { return static_cast<int16_t>(base::ReadU16(b, at)); };
            int inch = base::ReadU16(b, 14);
            if (inch == 0) {
                Fail(name, "damaged metafile header");
            }
            width = MulDiv(s16(10) - s16(6), 96, inch);
            height = MulDiv(s16(12) - s16(8), 96, inch);
            pict.mm = MM_ANISOTROPIC;
            pict.xExt = MulDiv(width, 2540, 96);
            pict.yExt = MulDiv(height, 2540, 96);
            body = b.subspan(22);
        }
        if (!IsPlainWmf(body) || uint64_t(base::ReadU32(body, 6)) * 2 > body.size()) {
            Fail(name, "not a Windows metafile");
        }
        metafile.reset(SetWinMetaFileBits(static_cast<UINT>(body.size()), body.data(), nullptr,
                                          pict.mm ? &pict : nullptr));
    }
    if (!metafile) {
        Fail(name, "damaged metafile");
    }
    if (width <= 0 || height <= 0) {
        ENHMETAHEADER header{};
        GetEnhMetaFileHeader(metafile.get(), sizeof(header), &header);
        width = header.rclBounds.right - header.rclBounds.left + 1;
        height = header.rclBounds.bottom - header.rclBounds.top + 1;
    }
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide) {
        Fail(name, "the metafile has no picture size");
    }
    metafile_ = std::move(metafile);
    format_ = PictureFormat::Metafile;
    width_ = width;
    height_ = height;
}

void Picture::Draw(HDC dc, int x, int y) const {
    Draw(dc, x, y, base::DesignDpi);
}

void Picture::Draw(HDC dc, int x, int y, int dpi) const {
    const int width = base::ScaleMeasure(width_, dpi);
    const int height = base::ScaleMeasure(height_, dpi);
    switch (format_) {
    case PictureFormat::None:
        return;
    case PictureFormat::Bitmap: {
        const tk::Bitmap& source = dpi == base::DesignDpi ? bitmap_ : ScaledBitmap(dpi);
        if (!source.Empty()) {
            BitmapDC memory(source.Handle(), dc);
            BitBlt(dc, x, y, width, height, memory, 0, 0, SRCCOPY);
        }
        return;
    }
    case PictureFormat::Icon:
        DrawIconEx(dc, x, y, icon_.get(), width, height, 0, nullptr, DI_NORMAL);
        return;
    case PictureFormat::Metafile: {
        RECT frame{x, y, x + width, y + height};
        PlayEnhMetaFile(dc, metafile_.get(), &frame);
        return;
    }
    }
}

const tk::Bitmap& Picture::ScaledBitmap(int dpi) const {
    if (scaled_.Empty() || scaledDpi_ != dpi) {
        const int width = base::ScaleMeasure(width_, dpi);
        const int height = base::ScaleMeasure(height_, dpi);
        const std::vector<uint32_t> pixels =
            base::ScalePixels(bitmap_.Pixels(), width_, height_, width, height);
        scaled_.SetSize(width, height);
        std::copy(pixels.begin(), pixels.end(), scaled_.Pixels().begin());
        scaledDpi_ = dpi;
    }
    return scaled_;
}

void Picture::DefineProperties(BinaryProperties& props) {
    props.Define("Data", [this](std::span<const std::uint8_t> bytes) {
        if (bytes.empty()) {
            Clear();
            Changed();
        } else {
            LoadFromBytes(bytes, "stored picture");
        }
    });
}

} // namespace tk
