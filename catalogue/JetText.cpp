#include "catalogue/JetText.h"

namespace catalogue {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

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

// Appends UTF-16 units, pairing surrogates; a lone surrogate becomes U+FFFD.
class Utf16Sink {
public:
    explicit Utf16Sink(std::string& out) : out_(out) {}
    void Put(char16_t unit) {
        if (high_ != 0) {
            char16_t high = high_;
            high_ = 0;
            if (unit >= 0xDC00 && unit <= 0xDFFF) {
                AppendUtf8(out_, 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00));
                return;
            }
            AppendUtf8(out_, kReplacement);
        }
        if (unit >= 0xD800 && unit <= 0xDBFF)
            high_ = unit;
        else if (unit >= 0xDC00 && unit <= 0xDFFF)
            AppendUtf8(out_, kReplacement);
        else
            AppendUtf8(out_, unit);
    }
    ~Utf16Sink() {
        if (high_ != 0)
            AppendUtf8(out_, kReplacement);
    }
    Utf16Sink(const Utf16Sink&) = delete;
    Utf16Sink& operator=(const Utf16Sink&) = delete;

private:
    std::string& out_;
    char16_t high_ = 0;
};

// Decodes one UTF-8 sequence at `pos`, advancing it.
char32_t NextCodePoint(std::string_view text, size_t& pos) {
    auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    uint8_t lead = byte(pos++);
    if (lead < 0x80)
        return lead;
    int extra = lead >= 0xF0 && lead < 0xF5 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (extra < 0 || lead >= 0xF5)
        return kReplacement;
    char32_t cp = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size() || (byte(pos) & 0xC0) != 0x80)
            return kReplacement;
        cp = cp << 6 | (byte(pos++) & 0x3F);
    }
    bool overlong = (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return kReplacement;
    return cp;
}

char32_t FoldCodePoint(char32_t cp) {
    if (cp >= 'a' && cp <= 'z')
        return cp - 0x20;
    if (cp < 0x80)
        return cp;
    if ((cp >= 0xE0 && cp <= 0xFE && cp != 0xF7))
        return cp - 0x20;
    if (cp >= 0x100 && cp <= 0x17F && cp != 0x130 && cp != 0x131 && cp != 0x138 && cp != 0x149 &&
        cp != 0x17F)
        return (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E) ? cp - ((cp & 1) == 0)
                                                                            : cp & ~char32_t{1};
    if (cp >= 0x3B1 && cp <= 0x3C9 && cp != 0x3C2)
        return cp - 0x20;
    if (cp >= 0x430 && cp <= 0x44F)
        return cp - 0x20;
    if (cp >= 0x450 && cp <= 0x45F)
        return cp - 0x50;
    if (cp >= 0xFF41 && cp <= 0xFF5A)
        return cp - 0x20;
    return cp;
}

// Compressed text: after FF FE, single bytes stand for U+0000-U+00FF; a zero
// byte switches to and from two-byte UCS-2 units.
std::string DecodeCompressed(Bytes stored) {
    std::string out;
    out.reserve(stored.size());
    {
        Utf16Sink sink(out);
        bool compressed = true;
        size_t i = 2;
        while (i < stored.size()) {
            if (stored[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                sink.Put(stored[i++]);
            } else if (i + 1 < stored.size()) {
                sink.Put(static_cast<char16_t>(stored[i] | stored[i + 1] << 8));
                i += 2;
            } else {
                break;
            }
        }
    }
    return out;
}

// UTF-8 to code points (invalid bytes become U+FFFD).
std::u32string Utf8ToCodePoints(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size())
        out += NextCodePoint(text, pos);
    return out;
}

} // namespace

std::string Utf16LeToUtf8(Bytes bytes) {
    std::string out;
    out.reserve(bytes.size());
    Utf16Sink sink(out);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        sink.Put(static_cast<char16_t>(bytes[i] | bytes[i + 1] << 8));
    return out;
}

std::string DecodeJetText(Bytes stored) {
    std::string out;
    if (stored.size() < 2 || stored[0] != 0xFF || stored[1] != 0xFE)
        out = Utf16LeToUtf8(stored);
    else
        out = DecodeCompressed(stored);
    size_t nul = out.find('\0');
    if (nul != std::string::npos)
        out.resize(nul);
    return out;
}

std::vector<uint8_t> Utf8ToUtf16Le(std::string_view text) {
    std::vector<uint8_t> out;
    out.reserve(text.size() * 2);
    auto put = [&](char32_t unit) {
        out.push_back(static_cast<uint8_t>(unit & 0xFF));
        out.push_back(static_cast<uint8_t>(unit >> 8 & 0xFF));
    };
    for (char32_t cp : Utf8ToCodePoints(text)) {
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

int CompareTextIgnoringCase(std::string_view a, std::string_view b) {
    size_t pa = 0;
    size_t pb = 0;
    while (pa < a.size() && pb < b.size()) {
        char32_t ca = FoldCodePoint(NextCodePoint(a, pa));
        char32_t cb = FoldCodePoint(NextCodePoint(b, pb));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (pa < a.size())
        return 1;
    return pb < b.size() ? -1 : 0;
}

} // namespace catalogue
