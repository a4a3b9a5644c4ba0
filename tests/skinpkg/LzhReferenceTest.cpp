// The decoder and our compressor against the separate reference model, over
// streams long enough to rebuild the adaptive tree: a stored stream the model
// made, and our compressor's output read back by the model. Both sides of a
// round trip share one tree, so only a second model catches a wrong update or
// rebuild there.
#include "tools/skinpack/LzhEncoder.h"
#include "tests/skinpkg/LzhReferenceModel.h"
#include "skin/SkinRead/Lzh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using lzhmodel::TToken;

// The stored stream: the model's coding of RebuildingTokens().
const char* const StoredStream = SKINPKG_CORPUS_DIR "/fuzz_lzh_decode/tree-rebuilds";

// 52,000 codes, most of them one literal that gives way to another every
// 12,000, so nodes keep changing places; other letters, some bytes of every
// value and short matches in between. The root reaches the rebuild weight
// twice, and the stream stays small (the dominant literal costs about a bit).
std::vector<TToken> RebuildingTokens() {
    std::uint32_t state = 20261208;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 16;
    };
    std::vector<TToken> tokens;
    std::size_t written = 0;
    for (int t = 0; t < 52000; ++t) {
        const unsigned roll = next() % 100;
        if (roll == 0 && written > 64) {
            const int length = 3 + static_cast<int>(next() % 18);
            const auto reach = static_cast<unsigned>(std::min<std::size_t>(written, 4000));
            tokens.push_back({256 + length - 3, static_cast<int>(next() % reach)});
            written += static_cast<std::size_t>(length);
            continue;
        }
        int literal = 'a' + t / 12000 % 20;
        if (roll >= 99) {
            literal = static_cast<int>(next() % 256);
        } else if (roll >= 95) {
            literal = 'a' + static_cast<int>(next() % 26);
        }
        tokens.push_back({literal, 0});
        ++written;
    }
    return tokens;
}

std::vector<std::uint8_t> ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Where two expansions first differ, for a readable failure.
std::string FirstDifference(const std::vector<std::uint8_t>& got,
                            const std::vector<std::uint8_t>& want) {
    const auto at = std::mismatch(got.begin(), got.end(), want.begin(), want.end());
    if (at.first == got.end() && at.second == want.end()) {
        return "none";
    }
    return "byte " + std::to_string(at.first - got.begin()) + " of " + std::to_string(got.size()) +
           " (expected " + std::to_string(want.size()) + ")";
}

} // namespace

TEST(LzhReference, StoredStreamThroughTreeRebuildsDecodesAsTheModelSays) {
    const std::vector<std::uint8_t> stored = ReadFile(StoredStream);
    const lzhmodel::TStream made = lzhmodel::Encode(RebuildingTokens());
    ASSERT_EQ(stored, made.bytes) << "the stored stream is the model's coding of the tokens";
    const lzhmodel::TDecoded model = lzhmodel::Decode(stored);
    ASSERT_GE(model.rebuilds, 2);
    ASSERT_EQ(FirstDifference(model.text, made.text), "none");

    TLZH lzh;
    std::vector<std::uint8_t> ours;
    lzh.Decompress(stored, ours);
    EXPECT_EQ(FirstDifference(ours, made.text), "none");
    EXPECT_EQ(lzh.BytesRead(), stored.size());
    EXPECT_FALSE(lzh.RanOut());
}

TEST(LzhReference, ModelReadsWhatOurCompressorWritesThroughRebuilds) {
    // Text, then bytes of every value: about 100,000 codes.
    std::vector<std::uint8_t> input;
    for (int i = 0; input.size() < 150000; ++i) {
        const std::string line =
            "Frame" + std::to_string(i % 97) + "=" + std::to_string(i * 7919 % 100003) + "\r\n";
        input.insert(input.end(), line.begin(), line.end());
    }
    std::uint32_t state = 7;
    for (int i = 0; i < 40000; ++i) {
        state = state * 1103515245u + 12345u;
        input.push_back(static_cast<std::uint8_t>(state >> 24));
    }
    const lzhmodel::TDecoded model = lzhmodel::Decode(LzhCompress(input));
    EXPECT_GE(model.rebuilds, 2);
    EXPECT_EQ(FirstDifference(model.text, input), "none");
}
