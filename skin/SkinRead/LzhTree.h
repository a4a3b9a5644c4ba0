// The adaptive Huffman tree and the position code of the LZH skin package
// stream. The decoder here and the package compressor share this one
// implementation, so both sides start, update and rebuild the tree alike.
#pragma once

#include <array>
#include <cstdint>

namespace lzh {

inline constexpr int N = 4096;                     // ring dictionary size
inline constexpr int F = 60;                       // longest match
inline constexpr int THRESHOLD = 2;                // matches are at least THRESHOLD + 1 bytes long
inline constexpr int N_CHAR = 256 - THRESHOLD + F; // literals 0-255, match lengths 3-60
inline constexpr int T = 2 * N_CHAR - 1;           // nodes of the tree
inline constexpr int R = T - 1;                    // root node
inline constexpr std::uint16_t MAX_FREQ = 0x8000;  // root frequency that triggers a rebuild

// Symbol of a match of `length` bytes, and back.
constexpr int MatchSymbol(int length) {
    return length - THRESHOLD - 1 + 256;
}
constexpr int MatchLength(int symbol) {
    return symbol - 256 + THRESHOLD + 1;
}

class TLzhTree {
public:
    void Start();
    void Update(int symbol);

    // Children: child(n) is the left child of inner node n, child(n) + 1 the
    // right one; for a leaf child(n) is T + symbol.
    int Child(int node) const { return child_[node]; }
    int Parent(int node) const { return parent_[node]; }
    // The leaf that holds a symbol.
    int Leaf(int symbol) const { return parent_[T + symbol]; }
    std::uint16_t Frequency(int node) const { return freq_[node]; }

private:
    void Rebuild();

    std::array<std::uint16_t, T + 1> freq_{}; // freq[T] is a sentinel of 0xFFFF
    std::array<std::uint16_t, T + N_CHAR> parent_{};
    std::array<std::uint16_t, T> child_{};
};

// The upper 6 bits of a match position are sent as a prefix code whose first
// byte determines both the value and the code length; the lower 6 bits follow
// plain.
struct TPositionCode {
    std::uint8_t upper;  // upper 6 bits of the position
    std::uint8_t length; // bits of the prefix code
};

// Code entry for the first 8 bits v of a position.
TPositionCode PositionCodeOf(std::uint8_t v);
// The first v whose code gives `upper`: its top `length` bits are the prefix.
std::uint8_t FirstCodeByteOf(int upper);

} // namespace lzh
