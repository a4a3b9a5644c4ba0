// Longest-match search over the LZH ring dictionary: one binary search tree
// per first byte, holding the F-byte strings that start at each ring position.
#pragma once

#include "skin/SkinRead/LzhTree.h"

#include <array>
#include <cstdint>

namespace lzh {

class TMatchFinder {
public:
    // `ring` holds N + F - 1 bytes; bytes N.. mirror the first F - 1 so a
    // string starting near the end can be compared without wrapping.
    explicit TMatchFinder(const std::uint8_t* ring);

    // Adds the string at position r and finds the longest earlier string
    // equal to its start (longest of F bytes; the nearest among equals).
    void Insert(int r);
    void Remove(int p);

    int MatchLength() const { return matchLength_; }
    // Distance minus one, as the stream sends it.
    int MatchPosition() const { return matchPosition_; }

private:
    static constexpr int NIL = N;

    const std::uint8_t* ring_;
    std::array<int, N + 1> left_{};
    std::array<int, N + 257> right_{}; // right[N + 1 + b] is the root for first byte b
    std::array<int, N + 1> parent_{};
    int matchLength_ = 0;
    int matchPosition_ = 0;
};

} // namespace lzh
