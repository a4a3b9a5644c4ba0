#include "LiveCounts.h"

#include <windows.h>

namespace toolkittest {
namespace {

// GDI handle indices run below this.
constexpr unsigned kGdiHandleIndices = 0x10000;
// USER handles: even values from 0x20 up, one per table entry.
constexpr unsigned kFirstUserHandle = 0x20;
constexpr unsigned kLastUserHandle = 0xFFEF;
constexpr unsigned kUserHandleStep = 2;

} // namespace

LiveCounts CountLive() {
    LiveCounts counts;
    for (unsigned index = 1; index < kGdiHandleIndices; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(UINT_PTR(index)))) {
            ++counts.gdi;
        }
    }
    for (unsigned value = kFirstUserHandle; value <= kLastUserHandle; value += kUserHandleStep) {
        if (IsMenu(reinterpret_cast<HMENU>(UINT_PTR(value)))) {
            ++counts.menus;
        }
    }
    return counts;
}

} // namespace toolkittest
