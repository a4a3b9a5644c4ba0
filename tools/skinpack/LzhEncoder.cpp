#include "tools/skinpack/LzhEncoder.h"

#include "tools/skinpack/MatchFinder.h"
#include "skin/SkinRead/LzhTree.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <stdexcept>

namespace {

using namespace lzh;

// Packs codes most significant bit first.
class TBitOutput {
public:
    explicit TBitOutput(std::vector<std::uint8_t>& out) : out(out) {}

    // Appends the low `count` bits of `code` (count up to 24).
    void Put(std::uint32_t code, int count) {
        pending = pending << count | (code & ((1u << count) - 1u));
        pendingBits += count;
        while (pendingBits >= 8) {
            pendingBits -= 8;
            out.push_back(static_cast<std::uint8_t>(pending >> pendingBits));
        }
        pending &= (1u << pendingBits) - 1u;
    }

    // Writes the last partial byte, padded with zero bits.
    void Flush() {
        if (pendingBits > 0)
            out.push_back(static_cast<std::uint8_t>(pending << (8 - pendingBits)));
        pendingBits = 0;
        pending = 0;
    }

private:
    std::vector<std::uint8_t>& out;
    std::uint32_t pending = 0;
    int pendingBits = 0;
};

class TLzhEncoder {
public:
    explicit TLzhEncoder(std::vector<std::uint8_t>& out) : bits(out), finder(ring) {}

    void Encode(std::span<const std::uint8_t> input);

private:
    void PutSymbol(int symbol);
    void PutPosition(int position);
    void Store(int position, std::uint8_t byte);

    TBitOutput bits;
    TLzhTree tree;
    std::uint8_t ring[N + F - 1]{};
    TMatchFinder finder;
};

void TLzhEncoder::PutSymbol(int symbol) {
    // The path is found from the leaf up, so collect it and send it root first.
    std::uint8_t path[T];
    int depth = 0;
    for (int node = tree.Leaf(symbol); node != R; node = tree.Parent(node))
        path[depth++] = static_cast<std::uint8_t>(node - tree.Child(tree.Parent(node)));
    while (depth > 0)
        bits.Put(path[--depth], 1);
    tree.Update(symbol);
}

void TLzhEncoder::PutPosition(int position) {
    const int upper = position >> 6;
    const int length = PositionCodeOf(FirstCodeByteOf(upper)).length;
    bits.Put(static_cast<std::uint32_t>(FirstCodeByteOf(upper)) >> (8 - length), length);
    bits.Put(static_cast<std::uint32_t>(position & 63), 6);
}

void TLzhEncoder::Store(int position, std::uint8_t byte) {
    ring[position] = byte;
    if (position < F - 1)
        ring[position + N] = byte;
}

void TLzhEncoder::Encode(std::span<const std::uint8_t> input) {
    tree.Start();
    std::size_t next = 0;
    int s = 0;
    int r = N - F;
    std::fill(ring, ring + r, static_cast<std::uint8_t>(' '));
    int ahead = 0;
    while (ahead < F && next < input.size())
        ring[r + ahead++] = input[next++];
    if (ahead == 0)
        return;
    // The strings of spaces before the first byte are matchable too.
    for (int i = 1; i <= F; ++i)
        finder.Insert(r - i);
    finder.Insert(r);

    while (ahead > 0) {
        const int matchLength = std::min(finder.MatchLength(), ahead);
        int consumed;
        if (matchLength <= THRESHOLD) {
            consumed = 1;
            PutSymbol(ring[r]);
        } else {
            consumed = matchLength;
            PutSymbol(MatchSymbol(matchLength));
            PutPosition(finder.MatchPosition());
        }
        for (int i = 0; i < consumed; ++i) {
            finder.Remove(s);
            if (next < input.size())
                Store(s, input[next++]);
            else
                --ahead;
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (ahead > 0)
                finder.Insert(r);
        }
    }
    bits.Flush();
}

} // namespace

std::vector<std::uint8_t> LzhCompress(std::span<const std::uint8_t> input) {
    if (input.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::length_error("LZH streams hold at most 2 GiB - 1 bytes");
    std::vector<std::uint8_t> out;
    out.reserve(input.size() / 2 + 16);
    const auto size = static_cast<std::uint32_t>(input.size());
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    auto encoder = std::make_unique<TLzhEncoder>(out);
    encoder->Encode(input);
    return out;
}
