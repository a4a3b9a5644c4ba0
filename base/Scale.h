// Display scale. Designs, skins and every measure of ours are written for a
// screen of 96 dots per inch; on another screen each grows by dpi / 96.
#pragma once

#include <cstdint>

namespace base {

// The dots per inch designs and skins are written for.
constexpr int DesignDpi = 96;

// `value`, a measure at `from` dots per inch, at `to` dots per inch: rounded
// to the nearest pixel, halves away from zero, so that a measure and its
// negation scale alike. `from` must not be 0.
constexpr int ScaleMeasure(int value, int to, int from = DesignDpi) {
    const int64_t scaled = int64_t{value} * to;
    const int64_t half = from / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / from : -((-scaled + half) / from));
}

} // namespace base
