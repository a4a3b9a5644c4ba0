#include "skin/ImgUtil/Dib.h"

#include "skin/ImgUtil/DibMemory.h"

#include <cstring>
#include <stdexcept>
#include <utility>

namespace skin {
namespace {

void CheckFormat(int width, int height, int bitsPerPixel) {
    if (bitsPerPixel != TrueColourBits && bitsPerPixel != AlphaColourBits) {
        throw std::invalid_argument("bitmaps hold 24 or 32 bits per pixel");
    }
    if (width < 0 || height < 0 || int64_t(width) * height > TDib::MaxPixels) {
        throw std::length_error("bitmap size out of range");
    }
}

int StrideOf(int width, int bitsPerPixel) {
    // Rows are padded to whole 32-bit words.
    return (width * (bitsPerPixel / 8) + 3) & ~3;
}

} // namespace

TDib::TDib(int width, int height, int bitsPerPixel) {
    SetSize(width, height, bitsPerPixel);
}

TDib::TDib(const TDib& other) : TDib() {
    *this = other;
}

TDib& TDib::operator=(const TDib& other) {
    if (this == &other) {
        return *this;
    }
    SetSize(other.width_, other.height_, other.bitsPerPixel_);
    if (!Empty()) {
        std::memcpy(bits_, other.bits_, size_t(height_) * size_t(stride_));
    }
    return *this;
}

TDib::TDib(TDib&& other) noexcept {
    *this = std::move(other);
}

TDib& TDib::operator=(TDib&& other) noexcept {
    if (this == &other) {
        return *this;
    }
    Release();
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    bitsPerPixel_ = std::exchange(other.bitsPerPixel_, TrueColourBits);
    stride_ = std::exchange(other.stride_, 0);
    bits_ = std::exchange(other.bits_, nullptr);
    handle_ = std::exchange(other.handle_, nullptr);
    return *this;
}

TDib::~TDib() {
    Release();
}

void TDib::Release() {
    if (handle_) {
        detail::FreeNativeDib(handle_);
    } else {
        delete[] bits_;
    }
    bits_ = nullptr;
    handle_ = nullptr;
    width_ = height_ = stride_ = 0;
}

void TDib::SetSize(int width, int height, int bitsPerPixel) {
    CheckFormat(width, height, bitsPerPixel);
    Release();
    bitsPerPixel_ = bitsPerPixel;
    if (width == 0 || height == 0) {
        return;
    }
    const int stride = StrideOf(width, bitsPerPixel);
    const size_t size = size_t(height) * size_t(stride);
    bits_ = new uint8_t[size];
    std::memset(bits_, 0, size);
    width_ = width;
    height_ = height;
    stride_ = stride;
}

void TDib::Clear() {
    Release();
}

void* TDib::NativeHandle() const {
    if (!handle_ && bits_) {
        const detail::DibMemory dib =
            detail::MakeNativeDib(width_, height_, bitsPerPixel_, stride_, bits_);
        if (dib.handle) {
            delete[] bits_;
            bits_ = dib.bits;
            handle_ = dib.handle;
        }
    }
    return handle_;
}

void TDib::Fill(Colour colour) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            SetPixel(x, y, colour);
        }
    }
}

void TDib::ConvertTo(int bitsPerPixel) {
    if (bitsPerPixel == bitsPerPixel_) {
        return;
    }
    TDib converted(width_, height_, bitsPerPixel);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            converted.SetPixel(x, y, Pixel(x, y));
        }
    }
    *this = std::move(converted);
}

bool TDib::operator==(const TDib& other) const {
    if (width_ != other.width_ || height_ != other.height_) {
        return false;
    }
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (Pixel(x, y) != other.Pixel(x, y)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace skin
