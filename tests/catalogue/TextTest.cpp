// Stored text forms and Jet's case-insensitive comparison.
#include "catalogue/JetText.h"

#include <gtest/gtest.h>

namespace {

using catalogue::Bytes;

std::string Decode(std::initializer_list<uint8_t> bytes) {
    std::vector<uint8_t> stored(bytes);
    return catalogue::DecodeJetText(Bytes(stored));
}

TEST(JetText, DecodesCompressedTextSwitchingToWideUnits) {
    EXPECT_EQ(Decode({0xFF, 0xFE, 'a', 'b'}), "ab");
    EXPECT_EQ(Decode({0xFF, 0xFE, 'a', 0x00, 0x2D, 0x4E, 0x00, 'z'}), "a中z");
    EXPECT_EQ(Decode({0xFF, 0xFE, 'a', 0x00, 0x2D}), "a") << "half a wide unit is dropped";
}

TEST(JetText, DecodesUcs2WithSurrogatesAndStopsAtNul) {
    EXPECT_EQ(Decode({'T', 0, 'a', 0, 0, 0, 'x', 0}), "Ta");
    EXPECT_EQ(Decode({0x3D, 0xD8, 0x00, 0xDE}), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Decode({0x3D, 0xD8, 'a', 0}), "\xEF\xBF\xBD"
                                            "a")
        << "lone surrogate";
}

TEST(JetText, Utf8RoundTripsThroughUcs2) {
    std::string text = "蓝天白云 ÀÉ \xF0\x9F\x98\x80";
    std::vector<uint8_t> wide = catalogue::Utf8ToUtf16Le(text);
    EXPECT_EQ(catalogue::Utf16LeToUtf8(Bytes(wide)), text);
    EXPECT_EQ(catalogue::Utf16LeToUtf8(Bytes(catalogue::Utf8ToUtf16Le("\xC0\xAF"))),
              "\xEF\xBF\xBD\xEF\xBF\xBD")
        << "overlong UTF-8 is replaced";
}

TEST(JetText, ComparesIgnoringLetterCaseOnly) {
    EXPECT_EQ(catalogue::CompareTextIgnoringCase("Blue SKY", "blue sky"), 0);
    EXPECT_EQ(catalogue::CompareTextIgnoringCase("ÀÉÎ", "àéî"), 0);
    EXPECT_EQ(catalogue::CompareTextIgnoringCase("Привет", "пРИВЕТ"), 0);
    EXPECT_EQ(catalogue::CompareTextIgnoringCase("ＡＢ", "ａｂ"), 0);
    EXPECT_NE(catalogue::CompareTextIgnoringCase("化工原料 ", "化工原料"), 0);
    EXPECT_LT(catalogue::CompareTextIgnoringCase("apple", "Banana"), 0);
    EXPECT_GT(catalogue::CompareTextIgnoringCase("b", "A"), 0);
}

} // namespace
