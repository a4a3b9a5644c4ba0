#include "catalogue/JetText.h"

#include "base/Text.h"

namespace catalogue {
namespace {

char32_t FoldCodePoint(char32_t cp) {
    if (cp >= 'a' && cp <= 'z') {
        return cp - 0x20;
    }
    if (cp < 0x80) {
        return cp;
    }
    if ((cp >= 0xE0 && cp <= 0xFE && cp != 0xF7)) {
        return cp - 0x20;
    }
    if (cp >= 0x100 && cp <= 0x17F && cp != 0x130 && cp != 0x131 && cp != 0x138 && cp != 0x149 &&
        cp != 0x17F) {
        return (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E) ? cp - ((cp & 1) == 0)
                                                                            : cp & ~char32_t{1};
    }
    if (cp >= 0x3B1 && cp <= 0x3C9 && cp != 0x3C2) {
        return cp - 0x20;
    }
    if (cp >= 0x430 && cp <= 0x44F) {
        return cp - 0x20;
    }
    if (cp >= 0x450 && cp <= 0x45F) {
        return cp - 0x50;
    }
    if (cp >= 0xFF41 && cp <= 0xFF5A) {
        return cp - 0x20;
    }
    return cp;
}

// Compressed text: after FF FE, single bytes stand for U+0000-U+00FF; a zero
// byte switches to and from two-byte UCS-2 units.
std::string DecodeCompressed(Bytes stored) {
    std::string out;
    out.reserve(stored.size());
    base::Utf16Decoder decoder(out);
    bool compressed = true;
    size_t i = 2;
    while (i < stored.size()) {
        if (stored[i] == 0) {
            compressed = !compressed;
            ++i;
        } else if (compressed) {
            decoder.Put(stored[i++]);
        } else if (i + 1 < stored.size()) {
            decoder.Put(base::LoadU16(&stored[i]));
            i += 2;
        } else {
            break;
        }
    }
    decoder.Finish();
    return out;
}

} // namespace

std::string Utf16LeToUtf8(Bytes bytes) {
    std::string out;
    out.reserve(bytes.size());
    base::Utf16Decoder decoder(out);
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        decoder.Put(base::LoadU16(&bytes[i]));
    }
    decoder.Finish();
    return out;
}

std::string DecodeJetText(Bytes stored) {
    std::string out;
    if (stored.size() < 2 || stored[0] != 0xFF || stored[1] != 0xFE) {
        out = Utf16LeToUtf8(stored);
    } else {
        out = DecodeCompressed(stored);
    }
    size_t nul = out.find('\0');
    if (nul != std::string::npos) {
        out.resize(nul);
    }
    return out;
}

std::vector<uint8_t> Utf8ToUtf16Le(std::string_view text) {
    std::vector<uint8_t> out;
    out.reserve(text.size() * 2);
    for (char16_t unit : base::Utf8ToUtf16<char16_t>(text)) {
        base::AppendU16(out, unit);
    }
    return out;
}

int CompareTextIgnoringCase(std::string_view a, std::string_view b) {
    size_t pa = 0;
    size_t pb = 0;
    while (pa < a.size() && pb < b.size()) {
        char32_t ca = FoldCodePoint(base::NextCodePoint(a, pa));
        char32_t cb = FoldCodePoint(base::NextCodePoint(b, pb));
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    if (pa < a.size()) {
        return 1;
    }
    return pb < b.size() ? -1 : 0;
}

} // namespace catalogue
