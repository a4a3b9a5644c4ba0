// Pictures at another size. A picture drawn for one display scale is shown at
// another by resampling its pixels: whole factors replicate pixels (sharpest),
// other growth blends the two nearest pixels each way (bilinear), shrinking
// averages the pixels a target pixel covers (by area).
//
// Colour-keyed pictures keep their key exact: whether a target pixel is the
// key is decided by the nearest source pixel, and key pixels are never
// blended into the others.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace base {

// `source`, `width` x `height` pixels row by row (top row first), at
// `targetWidth` x `targetHeight`. Each of a pixel's four bytes is blended on
// its own, so any 32-bit layout works (a Colour, or a DIB's 0xAARRGGBB). A
// pixel equal to `key` is the key colour described above. A side of 0 gives
// no pixels; a negative side, or a source with fewer pixels than its sides
// say, throws std::invalid_argument.
std::vector<uint32_t> ScalePixels(std::span<const uint32_t> source, int width, int height,
                                  int targetWidth, int targetHeight,
                                  std::optional<uint32_t> key = std::nullopt);

} // namespace base
