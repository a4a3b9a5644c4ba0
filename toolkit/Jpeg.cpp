// JPEG decoding with libjpeg-turbo straight into a 32-bit DIB section.
#include "toolkit/Picture.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
#include <stdexcept>

namespace tk {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

// A file that ends before its picture does is damaged, not a grey half-picture.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        OnError(info);
    }
}

// Holds no C++ objects with destructors between setjmp and longjmp; reports
// failure through `message`.
bool Decode(std::span<const std::uint8_t> bytes, Bitmap& target, char* message, bool& tooLarge) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.output_message = IgnoreMessage;
    errors.base.emit_message = OnMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_calc_output_dimensions(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_width > 32768 ||
        info.output_height > 32768 ||
        uint64_t(info.output_width) * info.output_height > (uint64_t(1) << 26)) {
        jpeg_destroy_decompress(&info);
        tooLarge = true;
        return false;
    }
    target.SetSize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    jpeg_start_decompress(&info);
    uint32_t* pixels = target.Pixels().data();
    while (info.output_scanline < info.output_height) {
        JSAMPROW row =
            reinterpret_cast<JSAMPROW>(pixels + size_t(info.output_scanline) * info.output_width);
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

void DecodeJpeg(std::span<const std::uint8_t> bytes, const std::string& name, Bitmap& target) {
    char message[JMSG_LENGTH_MAX] = "not a JPEG picture";
    bool tooLarge = false;
    if (bytes.size() < 3 || bytes[0] != 0xFF || bytes[1] != 0xD8) {
        throw std::runtime_error("Cannot load picture \"" + name + "\": not a JPEG picture");
    }
    if (!Decode(bytes, target, message, tooLarge)) {
        target.Clear();
        throw std::runtime_error("Cannot load picture \"" + name + "\": " +
                                 (tooLarge ? std::string("unsupported picture size")
                                           : "damaged JPEG data (" + std::string(message) + ")"));
    }
}

} // namespace tk
