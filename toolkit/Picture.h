// Pictures: bitmaps (from BMP or JPEG data), icons and metafiles, loaded from
// a file (format chosen by the extension, case ignored) or from stored bytes
// (format recognised by its signature), and drawn from their top-left corner,
// unscaled or at a display scale. Every failure raises std::runtime_error
// naming the file.
#pragma once

#include "toolkit/win32/GdiOwners.h"
#include "toolkit/Persistent.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tk {

// A 32-bit top-down DIB section.
class Bitmap : public Persistent {
    TK_CLASS(Bitmap)

public:
    Bitmap() = default;
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;

    bool Empty() const { return !handle_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    HBITMAP Handle() const { return handle_.get(); }
    // Pixels as 0xAARRGGBB, rows top-down; empty when the bitmap is.
    std::span<uint32_t> Pixels() { return {bits_, size_t(width_) * size_t(height_)}; }
    std::span<const uint32_t> Pixels() const { return {bits_, size_t(width_) * size_t(height_)}; }

    // A new blank (black) bitmap of that size.
    void SetSize(int width, int height);
    void Clear();
    // BMP or JPEG bytes; `name` is used in error texts.
    void LoadFromBytes(std::span<const std::uint8_t> bytes, const std::string& name);
    void LoadFromFile(const std::string& path);
    void Assign(const Bitmap& other);
    // The stored form: the bytes of a BMP or JPEG file.
    void DefineProperties(BinaryProperties& props) override;
    std::function<void()> OnChange;

private:
    OwnedBitmap handle_;
    uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

enum class PictureFormat { None, Bitmap, Icon, Metafile };

class Picture : public Persistent {
    TK_CLASS(Picture)

public:
    Picture();
    ~Picture() override;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    PictureFormat Format() const { return format_; }
    bool Empty() const { return format_ == PictureFormat::None; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The bitmap (also for JPEG pictures); empty for other formats.
    const tk::Bitmap& Bitmap() const { return bitmap_; }
    HICON Icon() const { return icon_.get(); }
    HENHMETAFILE Metafile() const { return metafile_.get(); }

    // By extension: jpg/jpeg, bmp, ico, wmf, emf.
    void LoadFromFile(const std::string& path);
    // By signature; `name` is used in error texts.
    void LoadFromBytes(std::span<const std::uint8_t> bytes, const std::string& name);
    void Clear();
    // Unscaled at (x, y); clipping is the caller's device context's.
    void Draw(HDC dc, int x, int y) const;
    // At (x, y), grown from the design's scale to `dpi`: a bitmap resampled
    // (made once per picture and scale, not on every paint), an icon drawn at
    // the scaled size, a metafile played into the scaled rectangle. At the
    // design's scale exactly the unscaled drawing.
    void Draw(HDC dc, int x, int y, int dpi) const;

    void DefineProperties(BinaryProperties& props) override;
    std::function<void()> OnChange;

private:
    void LoadIcon(std::span<const std::uint8_t> bytes, const std::string& name);
    void LoadMetafile(std::span<const std::uint8_t> bytes, const std::string& name, bool enhanced);
    void Changed();
    PictureFormat format_ = PictureFormat::None;
    tk::Bitmap bitmap_;
    OwnedIcon icon_;
    OwnedEnhMetaFile metafile_;
    int width_ = 0;
    int height_ = 0;
    // The bitmap resampled for `dpi`, made once per picture and scale.
    const tk::Bitmap& ScaledBitmap(int dpi) const;
    // The bitmap at scaledDpi_, kept between paints.
    mutable tk::Bitmap scaled_;
    mutable int scaledDpi_ = 0;
};

// The whole file, or std::runtime_error naming it.
std::vector<std::uint8_t> ReadWholeFile(const std::string& path);

// Decodes JPEG bytes into `target`; std::runtime_error naming `name` when the
// data is not a JPEG picture or is damaged.
void DecodeJpeg(std::span<const std::uint8_t> bytes, const std::string& name, Bitmap& target);

} // namespace tk
