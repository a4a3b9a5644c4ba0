// A device-independent bitmap: 24 or 32 bits per pixel, rows addressed
// directly, row 0 at the top. The pixels start on the heap, which lets the
// loaders and pixel transforms run (and be fuzzed) without Windows; in the
// Windows build they move into a DIB section the first time the bitmap's GDI
// handle is asked for, so it can be selected into a device context.
#pragma once

#include "base/Colour.h"

#include <cstdint>

namespace skin {

// COLORREF layout: red in the low byte, then green, then blue.
using base::BlueOf;
using base::Colour;
using base::GreenOf;
using base::MakeColour;
using base::RedOf;

// Pixels of exactly this colour are left out by the colour-keyed copies.
constexpr Colour KeyColour = 0xFF00FF;

// The pixel format the engine composes in (blue, green, red bytes), and the
// one with an alpha byte after them.
constexpr int TrueColourBits = 24;
constexpr int AlphaColourBits = 32;

class TDib {
public:
    TDib() = default;
    // A bitmap of the given size, every pixel black. Sizes of 0 give an empty
    // bitmap; negative sizes and sizes beyond MaxPixels throw std::length_error.
    TDib(int width, int height, int bitsPerPixel = TrueColourBits);
    TDib(const TDib& other);
    TDib& operator=(const TDib& other);
    TDib(TDib&& other) noexcept;
    TDib& operator=(TDib&& other) noexcept;
    ~TDib();

    // Upper bound on width x height; keeps a corrupt file from asking for
    // gigabytes.
    static constexpr int64_t MaxPixels = int64_t(1) << 26;

    bool Empty() const { return width_ == 0 || height_ == 0; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    int BytesPerPixel() const { return bitsPerPixel_ / 8; }
    // Bytes from one row to the next (rows are padded to 4 bytes).
    int Stride() const { return stride_; }

    uint8_t* Row(int y) { return bits_ + int64_t(y) * stride_; }
    const uint8_t* Row(int y) const { return bits_ + int64_t(y) * stride_; }

    // Inline: the pixel transforms and the scaler call these per pixel.
    Colour Pixel(int x, int y) const {
        const uint8_t* p = Row(y) + x * BytesPerPixel();
        return MakeColour(p[2], p[1], p[0]);
    }
    void SetPixel(int x, int y, Colour colour) {
        uint8_t* p = Row(y) + x * BytesPerPixel();
        p[0] = BlueOf(colour);
        p[1] = GreenOf(colour);
        p[2] = RedOf(colour);
    }
    void Fill(Colour colour);

    // Replaces the pixels by a new black bitmap of the given size and format.
    void SetSize(int width, int height, int bitsPerPixel);
    void Clear();
    // Changes the pixel format, keeping the colours (the fourth byte of a
    // 32-bit pixel is dropped, or written as 0).
    void ConvertTo(int bitsPerPixel);

    // The DIB section's HBITMAP in the Windows build, made on first use (row
    // pointers taken before then become invalid); null in the native build
    // and for an empty bitmap.
    void* NativeHandle() const;

    bool operator==(const TDib& other) const;

private:
    void Release();

    int width_ = 0;
    int height_ = 0;
    int bitsPerPixel_ = TrueColourBits;
    int stride_ = 0;
    // Heap rows until the DIB section is made, then the section's rows.
    mutable uint8_t* bits_ = nullptr;
    mutable void* handle_ = nullptr;
};

} // namespace skin
