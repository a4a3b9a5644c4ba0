// Our compressor against the decoder: exact round trips over inputs that
// reach every part of the stream (literals, the longest matches, matches into
// the initial spaces, tree rebuilds, ring wrap-around).
#include "tools/skinpack/LzhEncoder.h"
#include "tests/skinpkg/PackageBytes.h"
#include "skin/SkinRead/Lzh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <span>

using testbytes::Bytes;

namespace {

struct TRoundTrip {
    std::vector<std::uint8_t> stream;
    std::vector<std::uint8_t> expanded;
    std::size_t bytesRead;
    bool ranOut;
};

TRoundTrip RoundTrip(const std::vector<std::uint8_t>& input) {
    TRoundTrip result;
    result.stream = LzhCompress(input);
    TLZH lzh;
    lzh.Decompress(result.stream, result.expanded);
    result.bytesRead = lzh.BytesRead();
    result.ranOut = lzh.RanOut();
    return result;
}

// Decodes the first `keep` bytes of a stream.
TLZH DecodePrefix(const std::vector<std::uint8_t>& stream, std::size_t keep,
                  std::vector<std::uint8_t>& out) {
    TLZH lzh;
    lzh.Decompress(std::span(stream).first(keep), out);
    return lzh;
}

void ExpectExactRoundTrip(const std::vector<std::uint8_t>& input, const char* what) {
    const TRoundTrip trip = RoundTrip(input);
    ASSERT_EQ(TLZH::StatedSize(trip.stream), static_cast<std::int32_t>(input.size())) << what;
    // The decoder copies a last match whole; ours never runs past the end.
    ASSERT_EQ(trip.expanded.size(), input.size()) << what;
    ASSERT_TRUE(trip.expanded == input) << what;
    // Every coded byte is needed, and no more: without the last one the
    // decoder runs out.
    EXPECT_EQ(trip.bytesRead, trip.stream.size()) << what;
    EXPECT_FALSE(trip.ranOut) << what;
    if (trip.stream.size() > 4) {
        std::vector<std::uint8_t> out;
        EXPECT_TRUE(DecodePrefix(trip.stream, trip.stream.size() - 1, out).RanOut()) << what;
    }
}

std::vector<std::uint8_t> RandomBytes(std::size_t size, unsigned seed, int alphabet = 256) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, alphabet - 1);
    std::vector<std::uint8_t> out(size);
    for (auto& b : out) {
        b = static_cast<std::uint8_t>(byte(random));
    }
    return out;
}

std::vector<std::uint8_t> IniLikeText(std::size_t size) {
    static const char* const keys[] = {"LeftWidth", "TopHeight", "Image", "Frame", "Tile", "Trans"};
    std::string text;
    for (int i = 0; text.size() < size; ++i) {
        if (i % 7 == 0) {
            text += "[Section" + std::to_string(i) + "]\r\n";
        }
        text += std::string(keys[i % 6]) + "=" + std::to_string(i * 37 % 1000) + "\r\n";
    }
    text.resize(size);
    return Bytes(text);
}

} // namespace

TEST(LzhRoundTrip, SmallInputs) {
    ExpectExactRoundTrip({}, "empty");
    ExpectExactRoundTrip({0}, "one zero byte");
    ExpectExactRoundTrip({0xFF}, "one 0xFF byte");
    ExpectExactRoundTrip(Bytes("ab"), "two bytes");
    ExpectExactRoundTrip(Bytes("abc"), "three bytes");
    ExpectExactRoundTrip(Bytes("abcabcabc"), "short repeat");
    EXPECT_EQ(LzhCompress({}), (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST(LzhRoundTrip, WritesTheClassicCodesOfTheStartingTree) {
    // The same bytes the decoder test writes by hand.
    EXPECT_EQ(LzhCompress(std::vector<std::uint8_t>{0}),
              (std::vector<std::uint8_t>{1, 0, 0, 0, 0xC6, 0x00}));
    EXPECT_EQ(LzhCompress(Bytes("   ")), (std::vector<std::uint8_t>{3, 0, 0, 0, 0x8C, 0x00, 0x00}));
}

TEST(LzhRoundTrip, RepeatsAndLongestMatches) {
    for (std::size_t size : {59u, 60u, 61u, 4095u, 4096u, 4097u, 100000u}) {
        ExpectExactRoundTrip(std::vector<std::uint8_t>(size, 'x'), "all the same byte");
        ExpectExactRoundTrip(std::vector<std::uint8_t>(size, ' '), "all spaces");
    }
    // Runs of spaces at the start match the ring's initial spaces; a run of
    // exactly F bytes is one symbol.
    const auto spaces = RoundTrip(std::vector<std::uint8_t>(60, ' '));
    EXPECT_LE(spaces.stream.size(), 4u + 3u);
    // A long constant run costs about a symbol per 60 bytes.
    EXPECT_LT(RoundTrip(std::vector<std::uint8_t>(100000, 'x')).stream.size(), 2500u);
}

TEST(LzhRoundTrip, RandomAndNearlyRandomData) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        ExpectExactRoundTrip(RandomBytes(5000 * seed, seed), "random bytes");
        ExpectExactRoundTrip(RandomBytes(7000 * seed, seed, 4), "four-letter alphabet");
    }
}

TEST(LzhRoundTrip, ManySymbolsForceTreeRebuilds) {
    // Far over 32768 symbols, so the tree is rebuilt many times; mixed so
    // both literals and matches keep changing their codes.
    std::vector<std::uint8_t> input = RandomBytes(150000, 7, 16);
    const auto text = IniLikeText(150000);
    input.insert(input.end(), text.begin(), text.end());
    const auto more = RandomBytes(100000, 8);
    input.insert(input.end(), more.begin(), more.end());
    ExpectExactRoundTrip(input, "mixed 400000 bytes");
}

TEST(LzhRoundTrip, ACutStreamTellsHowMuchCameBeforeTheCut) {
    const auto text = IniLikeText(60000);
    const auto stream = LzhCompress(text);
    for (std::size_t keep : {stream.size() / 4, stream.size() / 2, stream.size() - 1}) {
        std::vector<std::uint8_t> out;
        const TLZH lzh = DecodePrefix(stream, keep, out);
        ASSERT_TRUE(lzh.RanOut()) << keep;
        // Still decoded to the stated size, the rest from zero bits...
        ASSERT_GE(out.size(), text.size()) << keep;
        // ...but only what came before the cut is the text, and about as
        // much of it as the kept share of the stream.
        const std::size_t whole = lzh.WholeBytes();
        EXPECT_TRUE(
            std::equal(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(whole), text.begin()))
            << keep;
        EXPECT_GT(whole, text.size() * (keep - 4) / stream.size() * 9 / 10) << keep;
        EXPECT_LT(whole, text.size()) << keep;
    }
}

TEST(LzhRoundTrip, TextCompressesWell) {
    const auto text = IniLikeText(60000);
    const TRoundTrip trip = RoundTrip(text);
    ASSERT_EQ(trip.expanded, text);
    EXPECT_LT(trip.stream.size(), text.size() / 3);
}

TEST(LzhRoundTrip, MatchesAcrossTheRingEnd) {
    // A block repeated at a distance just inside the reach of a match
    // (the ring less the look-ahead), so matches start and end on both sides
    // of the ring's wrap point.
    const auto block = RandomBytes(3900, 11);
    std::vector<std::uint8_t> input;
    for (int i = 0; i < 6; ++i) {
        input.insert(input.end(), block.begin(), block.end());
        input.push_back(static_cast<std::uint8_t>(i));
        input.insert(input.end(), 90, static_cast<std::uint8_t>('a' + i));
    }
    ExpectExactRoundTrip(input, "blocks near the ring size");
    EXPECT_LT(RoundTrip(input).stream.size(), input.size() / 2);
}
