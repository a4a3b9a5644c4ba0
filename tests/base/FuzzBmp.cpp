// Fuzz target: any bytes either decode into a picture of the size its header
// states or are refused with base::Error; nothing is read past the end.
#include "base/Bmp.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        const base::BmpImage image = base::DecodeBmp(base::ByteSpan(data, size));
        if (image.width <= 0 || image.height <= 0 ||
            image.pixels.size() != size_t(image.width) * size_t(image.height)) {
            std::abort();
        }
    } catch (const base::Error&) {
    }
    return 0;
}
