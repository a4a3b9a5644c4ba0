#include "skin/ImgUtil/FrameCell.h"

#include <algorithm>

namespace skin {

TCell FrameCellOf(const TDib& bitmap, bool vertical, int count, int index) {
    count = std::max(count, 1);
    index = std::clamp(index, 1, count);
    if (vertical) {
        const int height = bitmap.Height() / count;
        return {0, (index - 1) * height, bitmap.Width(), height};
    }
    const int width = bitmap.Width() / count;
    return {(index - 1) * width, 0, width, bitmap.Height()};
}

} // namespace skin
