#include "skin/ImgUtil/ImgUtil.h"

#include <algorithm>
#include <vector>

namespace skin {
namespace {

// Rectangles are turned into a region this many at a time, so no single
// ExtCreateRegion call gets an unbounded list.
constexpr size_t BatchSize = 2000;

class TRegionBuilder {
public:
    TRegionBuilder() : region_(CreateRectRgn(0, 0, 0, 0)) { rects_.reserve(BatchSize); }

    void Add(const RECT& r) {
        rects_.push_back(r);
        if (rects_.size() == BatchSize) {
            Flush();
        }
    }

    tk::OwnedRegion Finish() {
        Flush();
        return std::move(region_);
    }

private:
    void Flush() {
        if (rects_.empty()) {
            return;
        }
        std::vector<uint8_t> buffer(sizeof(RGNDATAHEADER) + rects_.size() * sizeof(RECT));
        auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
        RGNDATAHEADER& header = data->rdh;
        header.dwSize = sizeof(RGNDATAHEADER);
        header.iType = RDH_RECTANGLES;
        header.nCount = DWORD(rects_.size());
        header.nRgnSize = DWORD(rects_.size() * sizeof(RECT));
        header.rcBound = rects_.front();
        for (const RECT& r : rects_) {
            UnionRect(&header.rcBound, &header.rcBound, &r);
        }
        std::copy(rects_.begin(), rects_.end(), reinterpret_cast<RECT*>(data->Buffer));
        const tk::OwnedRegion part(ExtCreateRegion(nullptr, DWORD(buffer.size()), data));
        if (part) {
            CombineRgn(region_.get(), region_.get(), part.get(), RGN_OR);
        }
        rects_.clear();
    }

    tk::OwnedRegion region_;
    std::vector<RECT> rects_;
};

struct TChannelRange {
    int low;
    int high;
    bool Holds(int v) const { return v >= low && v <= high; }
};

TChannelRange RangeOf(uint8_t key, int tolerance) {
    return {key, std::min(255, int(key) + tolerance)};
}

} // namespace

tk::OwnedRegion RegionFromBitmap(const TDib& bitmap, int xOffset, int yOffset, int blueTolerance,
                                 int greenTolerance, int redTolerance, Colour key) {
    const TChannelRange red = RangeOf(RedOf(key), redTolerance);
    const TChannelRange green = RangeOf(GreenOf(key), greenTolerance);
    const TChannelRange blue = RangeOf(BlueOf(key), blueTolerance);
    const int bytes = bitmap.BytesPerPixel();
    TRegionBuilder builder;
    for (int y = 0; y < bitmap.Height(); ++y) {
        const uint8_t* row = bitmap.Row(y);
        int x = 0;
        while (x < bitmap.Width()) {
            const auto isKey = [&](int at) {
                const uint8_t* p = row + at * bytes;
                return blue.Holds(p[0]) && green.Holds(p[1]) && red.Holds(p[2]);
            };
            while (x < bitmap.Width() && isKey(x)) {
                ++x;
            }
            const int start = x;
            while (x < bitmap.Width() && !isKey(x)) {
                ++x;
            }
            if (x > start) {
                builder.Add({start + xOffset, y + yOffset, x + xOffset, y + yOffset + 1});
            }
        }
    }
    return builder.Finish();
}

} // namespace skin
