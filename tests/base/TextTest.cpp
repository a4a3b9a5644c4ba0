// UTF-8 and UTF-16: round trips, surrogate pairs and the one rule for
// invalid input (one U+FFFD per invalid piece).
#include "base/Path.h"
#include "base/Text.h"

#include <gtest/gtest.h>

namespace {

const std::string Fffd = "\xEF\xBF\xBD";

std::u16string ToUtf16(std::string_view utf8) {
    return base::Utf8ToUtf16<char16_t>(utf8);
}
std::string ToUtf8(std::u16string_view utf16) {
    return base::Utf16ToUtf8(utf16);
}

TEST(Text, RoundTripsEveryLengthOfSequenceAndNul) {
    const std::string text = std::string("a\0b", 3) + "é中文\xF0\x9F\x98\x80";
    const std::u16string wide = ToUtf16(text);
    EXPECT_EQ(wide, (std::u16string{u'a', 0, u'b', u'é', u'中', u'文', 0xD83D, 0xDE00}));
    EXPECT_EQ(ToUtf8(wide), text);
    EXPECT_EQ(ToUtf16("\xF4\x8F\xBF\xBF"), (std::u16string{0xDBFF, 0xDFFF})) << "U+10FFFF";
    EXPECT_EQ(ToUtf16(""), u"");
}

TEST(Text, InvalidUtf8BecomesOneReplacementPerPiece) {
    EXPECT_EQ(ToUtf16("\x80x"), u"\xFFFDx") << "a stray continuation byte";
    EXPECT_EQ(ToUtf16("\xC0\xAF"), u"\xFFFD\xFFFD") << "C0 cannot lead; AF then stands alone";
    EXPECT_EQ(ToUtf16("\xE0\x80\x80"), u"\xFFFD") << "an overlong three-byte sequence";
    EXPECT_EQ(ToUtf16("\xED\xA0\x80"), u"\xFFFD") << "an encoded surrogate";
    EXPECT_EQ(ToUtf16("\xF4\x90\x80\x80"), u"\xFFFD") << "past U+10FFFF";
    EXPECT_EQ(ToUtf16("\xF5\x80"), u"\xFFFD\xFFFD");
    EXPECT_EQ(ToUtf16("\xE4\xB8x"), u"\xFFFDx") << "cut short: x starts the next character";
    EXPECT_EQ(ToUtf16("a\xF0\x9F\x98"), u"a\xFFFD") << "cut short by the end";
}

TEST(Text, LoneSurrogatesBecomeReplacements) {
    EXPECT_EQ(ToUtf8(u"\xD83D"
                     u"a"),
              Fffd + "a")
        << "a high surrogate without its partner";
    EXPECT_EQ(ToUtf8(u"a\xDE00"), "a" + Fffd) << "a low surrogate alone";
    EXPECT_EQ(ToUtf8(u"\xD83D\xD83D\xDE00"), Fffd + "\xF0\x9F\x98\x80")
        << "the second high surrogate pairs";
    EXPECT_EQ(ToUtf8(u"x\xD83D"), "x" + Fffd) << "a high surrogate at the end";
}

TEST(Text, NextCodePointWalksMixedText) {
    const std::string text = "A\xC3\xA9\xFF\xE4\xB8\xAD";
    size_t pos = 0;
    std::u32string seen;
    while (pos < text.size()) {
        seen += base::NextCodePoint(text, pos);
    }
    EXPECT_EQ(seen, (std::u32string{U'A', U'é', base::ReplacementCharacter, U'中'}));
}

TEST(Text, FileNamesKeepTheirCharactersBothWays) {
    const std::string name = "模板/蓝天 \xF0\x9F\x98\x80.bmp";
    const std::filesystem::path path = base::PathFromUtf8(name);
    EXPECT_EQ(base::Utf8FromPath(path), name);
    EXPECT_EQ(base::Utf8FromPath(path.filename()), "蓝天 \xF0\x9F\x98\x80.bmp");
}

} // namespace
