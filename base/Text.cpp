#include "base/Text.h"

#include <cstdint>

namespace base {
namespace {

constexpr char16_t FirstHigh = 0xD800;
constexpr char16_t LastHigh = 0xDBFF;
constexpr char16_t FirstLow = 0xDC00;
constexpr char16_t LastLow = 0xDFFF;
constexpr char32_t LastCodePoint = 0x10FFFF;

bool IsHighSurrogate(char32_t c) {
    return c >= FirstHigh && c <= LastHigh;
}
bool IsLowSurrogate(char32_t c) {
    return c >= FirstLow && c <= LastLow;
}

// How many continuation bytes follow a lead byte; -1 for a byte that cannot
// lead (a continuation byte, the overlong C0 and C1, and F5-FF).
int ContinuationCount(uint8_t lead) {
    if (lead >= 0xF5 || lead < 0xC2) {
        return -1;
    }
    return lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
}

} // namespace

char32_t NextCodePoint(std::string_view text, size_t& pos) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(pos++);
    if (lead < 0x80) {
        return lead;
    }
    const int extra = ContinuationCount(lead);
    if (extra < 0) {
        return ReplacementCharacter;
    }
    char32_t cp = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size() || (byte(pos) & 0xC0) != 0x80) {
            return ReplacementCharacter;
        }
        cp = cp << 6 | (byte(pos++) & 0x3F);
    }
    const bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
    if (overlong || cp > LastCodePoint || IsHighSurrogate(cp) || IsLowSurrogate(cp)) {
        return ReplacementCharacter;
    }
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void Utf16Decoder::Put(char16_t unit) {
    if (high_ != 0) {
        const char16_t high = high_;
        high_ = 0;
        if (IsLowSurrogate(unit)) {
            AppendUtf8(out_, 0x10000 + (char32_t(high - FirstHigh) << 10) + (unit - FirstLow));
            return;
        }
        AppendUtf8(out_, ReplacementCharacter);
    }
    if (IsHighSurrogate(unit)) {
        high_ = unit;
    } else if (IsLowSurrogate(unit)) {
        AppendUtf8(out_, ReplacementCharacter);
    } else {
        AppendUtf8(out_, unit);
    }
}

void Utf16Decoder::Finish() {
    if (high_ != 0) {
        high_ = 0;
        AppendUtf8(out_, ReplacementCharacter);
    }
}

} // namespace base
