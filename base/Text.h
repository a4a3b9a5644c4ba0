// UTF-8 inside, UTF-16 at the Windows boundary and in stored text. The
// conversions never fail; each invalid piece of input becomes one U+FFFD:
// - UTF-8: a byte that cannot start a sequence; a sequence cut short (by the
//   end or by a byte that does not continue it, which then starts the next);
//   a whole sequence that is overlong, encodes a surrogate or lies past
//   U+10FFFF.
// - UTF-16: a high surrogate not followed by a low one, and a lone low one.
// NUL characters are ordinary characters, kept in both directions.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace base {

constexpr char32_t ReplacementCharacter = 0xFFFD;

// Decodes the UTF-8 sequence starting at text[pos] (pos < text.size()) and
// moves pos past it.
char32_t NextCodePoint(std::string_view text, size_t& pos);

// Appends the UTF-8 form of a code point (at most U+10FFFF, not a surrogate).
void AppendUtf8(std::string& out, char32_t codePoint);

// Turns UTF-16 units into UTF-8 one unit at a time, pairing surrogates;
// Finish ends the text.
class Utf16Decoder {
public:
    explicit Utf16Decoder(std::string& out) : out_(out) {}
    Utf16Decoder(const Utf16Decoder&) = delete;
    Utf16Decoder& operator=(const Utf16Decoder&) = delete;

    void Put(char16_t unit);
    // Ends the text: a high surrogate still waiting for its partner becomes
    // U+FFFD.
    void Finish();

private:
    std::string& out_;
    char16_t high_ = 0;
};

// Unit is char16_t, or wchar_t where it has 16 bits (Windows).
template <class Unit> std::basic_string<Unit> Utf8ToUtf16(std::string_view utf8) {
    static_assert(sizeof(Unit) == 2, "UTF-16 code units have 16 bits");
    std::basic_string<Unit> out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, pos);
        if (cp >= 0x10000) {
            out += static_cast<Unit>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<Unit>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<Unit>(cp);
        }
    }
    return out;
}

template <class Unit> std::string Utf16ToUtf8(std::basic_string_view<Unit> utf16) {
    static_assert(sizeof(Unit) == 2, "UTF-16 code units have 16 bits");
    std::string out;
    out.reserve(utf16.size());
    Utf16Decoder decoder(out);
    for (Unit unit : utf16) {
        decoder.Put(static_cast<char16_t>(unit));
    }
    decoder.Finish();
    return out;
}

} // namespace base
