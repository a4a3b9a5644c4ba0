// The decoder against streams written out bit by bit, so it is checked
// independently of our compressor.
#include "tests/skinpkg/PackageBytes.h"
#include "skin/SkinRead/Lzh.h"
#include "skin/SkinRead/LzhTree.h"

#include <gtest/gtest.h>

using testbytes::Bytes;
using testbytes::Text;

namespace {

std::vector<std::uint8_t> Expand(const std::vector<std::uint8_t>& stream,
                                 std::uint32_t limit = TLZH::DefaultSizeLimit) {
    std::vector<std::uint8_t> out{1, 2, 3}; // replaced, not appended to
    TLZH().Decompress(stream, out, limit);
    return out;
}

// In the starting tree the literal 0 is coded 110001100 and the match of
// length 3 (symbol 256) 10001100; a position of 0 is nine 0 bits.
const std::vector<std::uint8_t> LiteralZero{1, 0, 0, 0, 0xC6, 0x00};
const std::vector<std::uint8_t> ThreeSpacesByMatch{3, 0, 0, 0, 0x8C, 0x00, 0x00};

} // namespace

TEST(LzhDecoder, DecodesHandWrittenCodesOfTheStartingTree) {
    EXPECT_EQ(Expand(LiteralZero), std::vector<std::uint8_t>{0});
    // The first symbol is a match reaching back into the ring's initial
    // spaces, before anything was written.
    EXPECT_EQ(Text(Expand(ThreeSpacesByMatch)), "   ");
}

TEST(LzhDecoder, StatedSizeDecidesHowMuchIsProduced) {
    // Size 0 or negative: nothing, whatever follows.
    EXPECT_TRUE(Expand({0, 0, 0, 0, 0xFF, 0xC6, 0x12}).empty());
    EXPECT_TRUE(Expand({0xFF, 0xFF, 0xFF, 0xFF, 0xC6}).empty());
    EXPECT_TRUE(Expand({0, 0, 0, 0x80}).empty());
    // Fewer than four bytes: the missing ones read as 0.
    EXPECT_TRUE(Expand({}).empty());
    EXPECT_EQ(TLZH::StatedSize(std::vector<std::uint8_t>{0x03, 0xB8, 0x07, 0x00}), 505859);
}

TEST(LzhDecoder, TruncatedStreamDecodesAsIfFollowedByZeros) {
    // Only the size: the decoder keeps taking the all-zero path through the
    // tree until it has produced the stated size, exactly as with real zeros.
    const auto out = Expand({10, 0, 0, 0});
    ASSERT_GE(out.size(), 10u);
    EXPECT_EQ(out, Expand({10, 0, 0, 0, 0, 0, 0}));
}

TEST(LzhDecoder, TellsWhenTheInputRanOut) {
    TLZH lzh;
    std::vector<std::uint8_t> out;
    lzh.Decompress(LiteralZero, out);
    EXPECT_FALSE(lzh.RanOut());
    EXPECT_EQ(lzh.WholeBytes(), 1u);
    // Reading ahead past the end is not running out: the match takes 17 of
    // the 24 bits.
    lzh.Decompress(ThreeSpacesByMatch, out);
    EXPECT_FALSE(lzh.RanOut());
    EXPECT_EQ(lzh.WholeBytes(), 3u);

    // The literal's ninth bit is missing: it still decodes (from a zero bit)
    // but is not whole.
    lzh.Decompress(std::vector<std::uint8_t>{1, 0, 0, 0, 0xC6}, out);
    EXPECT_EQ(out, std::vector<std::uint8_t>{0});
    EXPECT_TRUE(lzh.RanOut());
    EXPECT_EQ(lzh.WholeBytes(), 0u);
    // The match's last position bit is missing.
    lzh.Decompress(std::vector<std::uint8_t>{3, 0, 0, 0, 0x8C, 0x00}, out);
    EXPECT_EQ(Text(out), "   ");
    EXPECT_TRUE(lzh.RanOut());
    EXPECT_EQ(lzh.WholeBytes(), 0u);
    // Only the size, and a later decompression starts afresh.
    lzh.Decompress(std::vector<std::uint8_t>{10, 0, 0, 0}, out);
    EXPECT_TRUE(lzh.RanOut());
    lzh.Decompress(std::vector<std::uint8_t>{0, 0, 0, 0}, out);
    EXPECT_FALSE(lzh.RanOut());
    EXPECT_EQ(lzh.WholeBytes(), 0u);
}

TEST(LzhDecoder, LastMatchIsCopiedWholePastTheStatedSize) {
    // Size 1 but the only symbol is a 3-byte match: all three come out.
    auto stream = ThreeSpacesByMatch;
    stream[0] = 1;
    EXPECT_EQ(Text(Expand(stream)), "   ");
}

TEST(LzhDecoder, RefusesStatedSizeAboveTheLimitBeforeDecoding) {
    EXPECT_THROW(Expand({0xFF, 0xFF, 0xFF, 0x7F}), ElzhException);
    EXPECT_THROW(Expand({5, 0, 0, 0}, 4), ElzhException);
    EXPECT_NO_THROW(Expand({4, 0, 0, 0}, 4));
    try {
        Expand({0, 0, 0, 0x10});
        FAIL();
    } catch (const ElzhException& e) {
        EXPECT_NE(std::string(e.what()).find("268435456"), std::string::npos) << e.what();
    }
}

TEST(LzhDecoder, CountsTheInputBytesItRead) {
    TLZH lzh;
    std::vector<std::uint8_t> out;
    lzh.Decompress(ThreeSpacesByMatch, out);
    EXPECT_EQ(lzh.BytesRead(), ThreeSpacesByMatch.size());
    lzh.Decompress(std::vector<std::uint8_t>{50, 0, 0, 0, 0xC6}, out);
    EXPECT_EQ(lzh.BytesRead(), 5u);
}

TEST(LzhPositionCode, TableFollowsTheByteRule) {
    // Each upper value owns a run of 2^(8 - length) first bytes, in order.
    int v = 0;
    for (int upper = 0; upper < 64; ++upper) {
        const int first = lzh::FirstCodeByteOf(upper);
        ASSERT_EQ(first, v) << upper;
        const int length = lzh::PositionCodeOf(static_cast<std::uint8_t>(first)).length;
        for (int k = 0; k < (1 << (8 - length)); ++k, ++v) {
            const auto code = lzh::PositionCodeOf(static_cast<std::uint8_t>(v));
            ASSERT_EQ(code.upper, upper) << v;
            ASSERT_EQ(code.length, length) << v;
        }
    }
    EXPECT_EQ(v, 256);
    EXPECT_EQ(lzh::PositionCodeOf(31).length, 3);
    EXPECT_EQ(lzh::PositionCodeOf(32).upper, 1);
    EXPECT_EQ(lzh::PositionCodeOf(79).upper, 3);
    EXPECT_EQ(lzh::PositionCodeOf(143).upper, 11);
    EXPECT_EQ(lzh::PositionCodeOf(191).upper, 23);
    EXPECT_EQ(lzh::PositionCodeOf(239).upper, 47);
    EXPECT_EQ(lzh::PositionCodeOf(255).upper, 63);
    EXPECT_EQ(lzh::PositionCodeOf(255).length, 8);
}

TEST(LzhTree, RebuildKeepsEverySymbolReachable) {
    // Drive the root to MAX_FREQ several times and check every leaf still
    // hangs under the root and frequencies stay sorted.
    lzh::TLzhTree tree;
    tree.Start();
    for (int i = 0; i < 3 * lzh::MAX_FREQ; ++i) {
        tree.Update(i % 3 == 0 ? (i * 31) % lzh::N_CHAR : 'e');
    }
    for (int symbol = 0; symbol < lzh::N_CHAR; ++symbol) {
        int node = tree.Leaf(symbol);
        ASSERT_EQ(tree.Child(node), lzh::T + symbol);
        int depth = 0;
        while (node != lzh::R && depth < lzh::T) {
            node = tree.Parent(node);
            ++depth;
        }
        ASSERT_EQ(node, lzh::R) << symbol;
    }
    for (int n = 0; n < lzh::R; ++n) {
        ASSERT_LE(tree.Frequency(n), tree.Frequency(n + 1)) << n;
    }
    EXPECT_LE(tree.Frequency(lzh::R), lzh::MAX_FREQ);
}
