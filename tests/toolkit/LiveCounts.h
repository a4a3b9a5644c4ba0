// Live GDI objects and menus of this process, for the toolkit's leak tests.
// GetGuiResources answers 0 under Wine, so each handle index is probed: a
// handle value whose upper word is 0 names whatever live object holds that
// index. Wine makes objects of its own on the first use of a path (cached
// device contexts): run a path once before taking the baseline.
#pragma once

#include <ostream>

namespace toolkittest {

struct LiveCounts {
    int gdi = 0;
    int menus = 0;
    bool operator==(const LiveCounts&) const = default;
};

LiveCounts CountLive();

inline std::ostream& operator<<(std::ostream& out, const LiveCounts& counts) {
    return out << "{gdi " << counts.gdi << ", menus " << counts.menus << "}";
}

} // namespace toolkittest
