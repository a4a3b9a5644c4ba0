#include "tools/galleryart/ImageFiles.h"

#include "skin/ImgUtil/BmpCodec.h"

#include "base/Bytes.h"

#include <cstdio>
#include <jpeglib.h>
#include <memory>
#include <stdexcept>
#include <vector>

namespace galleryart {
namespace {

using File = std::unique_ptr<FILE, int (*)(FILE*)>;

File OpenForWriting(const std::string& path) {
    File file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
    return file;
}

void WriteAll(const std::string& path, const std::vector<uint8_t>& bytes) {
    File file = OpenForWriting(path);
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) {
        throw std::runtime_error("cannot write " + path);
    }
}

} // namespace

void WriteJpeg(const std::string& path, const skin::TDib& image, int quality) {
    File file = OpenForWriting(path);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file.get());
    info.image_width = JDIMENSION(image.Width());
    info.image_height = JDIMENSION(image.Height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(size_t(image.Width()) * 3);
    while (info.next_scanline < info.image_height) {
        const int y = int(info.next_scanline);
        for (int x = 0; x < image.Width(); ++x) {
            const skin::Colour c = image.Pixel(x, y);
            row[size_t(x) * 3] = skin::RedOf(c);
            row[size_t(x) * 3 + 1] = skin::GreenOf(c);
            row[size_t(x) * 3 + 2] = skin::BlueOf(c);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
}

void WriteBmp(const std::string& path, const skin::TDib& image) {
    WriteAll(path, skin::EncodeBmp(image));
}

void WriteIcon(const std::string& path, const std::vector<skin::TDib>& images) {
    constexpr uint32_t DirectoryBytes = 6, EntryBytes = 16, HeaderBytes = 40;
    std::vector<uint8_t> out;
    base::AppendU16(out, 0); // reserved
    base::AppendU16(out, 1); // icon
    base::AppendU16(out, uint16_t(images.size()));
    uint32_t offset = DirectoryBytes + EntryBytes * uint32_t(images.size());
    for (const skin::TDib& image : images) {
        const int size = image.Width();
        if (size != image.Height() || size < 1 || size > 255) {
            throw std::runtime_error("icon images are square, up to 255 pixels: " + path);
        }
        const uint32_t maskRowBytes = (uint32_t(size) + 31) / 32 * 4;
        const uint32_t imageBytes = HeaderBytes + uint32_t(size * size) * 4 + maskRowBytes * size;
        out.insert(out.end(), {uint8_t(size), uint8_t(size), 0, 0});
        base::AppendU16(out, 1);  // planes
        base::AppendU16(out, 32); // bits per pixel
        base::AppendU32(out, imageBytes);
        base::AppendU32(out, offset);
        offset += imageBytes;
    }
    for (const skin::TDib& image : images) {
        const int size = image.Width();
        base::AppendU32(out, HeaderBytes);
        base::AppendU32(out, uint32_t(size));
        base::AppendU32(out, uint32_t(size) * 2); // colour and mask halves
        base::AppendU16(out, 1);
        base::AppendU16(out, 32);
        for (int i = 0; i < 6; ++i) {
            base::AppendU32(out, 0);
        }
        for (int y = size - 1; y >= 0; --y) {
            for (int x = 0; x < size; ++x) {
                const skin::Colour c = image.Pixel(x, y);
                const bool clear = c == skin::KeyColour;
                out.insert(out.end(), {skin::BlueOf(c), skin::GreenOf(c), skin::RedOf(c),
                                       uint8_t(clear ? 0 : 255)});
            }
        }
        for (int y = size - 1; y >= 0; --y) {
            std::vector<uint8_t> row((size_t(size) + 31) / 32 * 4, 0);
            for (int x = 0; x < size; ++x) {
                if (image.Pixel(x, y) == skin::KeyColour) {
                    row[size_t(x) / 8] |= uint8_t(0x80u >> (x % 8));
                }
            }
            out.insert(out.end(), row.begin(), row.end());
        }
    }
    WriteAll(path, out);
}

} // namespace galleryart
