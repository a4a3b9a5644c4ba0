#include "tests/skinpkg/LzhReferenceModel.h"

#include <algorithm>
#include <array>

namespace lzhmodel {
namespace {

constexpr int Symbols = 314;           // literals 0-255, match lengths 3-60
constexpr int Nodes = 2 * Symbols - 1; // leaves and inner nodes
constexpr int Root = Nodes - 1;
constexpr unsigned RebuildWeight = 0x8000;
constexpr int RingSize = 4096;
constexpr int RingStart = 4096 - 60; // bytes before it start as spaces
constexpr int LengthBias = 253;      // match symbol - length
constexpr std::size_t SizeBytes = 4;

struct TNode {
    unsigned weight = 0;
    bool leaf = false;
    int item = 0; // a leaf's symbol; an inner node's left child (its right one follows)
};

// The adaptive tree as a list of nodes kept in ascending weight; a node's
// position is its identity, the parent links are derived from the items.
class TTree {
public:
    TTree() {
        for (int s = 0; s < Symbols; ++s) {
            nodes_[s] = {1, true, s};
        }
        for (int n = Symbols, left = 0; n < Nodes; ++n, left += 2) {
            nodes_[n] = {nodes_[left].weight + nodes_[left + 1].weight, false, left};
        }
        Link();
    }

    int rebuilds = 0;

    const TNode& Node(int n) const { return nodes_[n]; }
    int ParentOf(int n) const { return parent_[n]; }
    int LeafOf(int symbol) const { return leaf_[symbol]; }

    void Count(int symbol) {
        if (nodes_[Root].weight == RebuildWeight) {
            Rebuild();
        }
        for (int n = leaf_[symbol]; n != NoNode; n = parent_[n]) {
            const unsigned weight = ++nodes_[n].weight;
            int past = n;
            while (past + 1 < Nodes && nodes_[past + 1].weight < weight) {
                ++past;
            }
            if (past != n) {
                std::swap(nodes_[n], nodes_[past]);
                Adopt(n);
                Adopt(past);
                n = past;
            }
        }
    }

private:
    static constexpr int NoNode = -1;

    // Points the parent links of the node at `n`'s children (or its symbol)
    // at `n`.
    void Adopt(int n) {
        if (nodes_[n].leaf) {
            leaf_[nodes_[n].item] = n;
        } else {
            parent_[nodes_[n].item] = n;
            parent_[nodes_[n].item + 1] = n;
        }
    }

    void Link() {
        for (int n = 0; n < Nodes; ++n) {
            Adopt(n);
        }
        parent_[Root] = NoNode;
    }

    void Rebuild() {
        ++rebuilds;
        std::array<TNode, Nodes> next{};
        int filled = 0;
        for (const TNode& node : nodes_) {
            if (node.leaf) {
                next[filled++] = {(node.weight + 1) / 2, true, node.item};
            }
        }
        for (int left = 0; filled < Nodes; left += 2) {
            const TNode joined{next[left].weight + next[left + 1].weight, false, left};
            int at = filled;
            while (joined.weight < next[at - 1].weight) {
                --at;
            }
            std::move_backward(next.begin() + at, next.begin() + filled, next.begin() + filled + 1);
            next[at] = joined;
            ++filled;
        }
        nodes_ = next;
        Link();
    }

    std::array<TNode, Nodes> nodes_{};
    std::array<int, Nodes> parent_{};
    std::array<int, Symbols> leaf_{};
};

// The position code: the upper 6 bits of a position as a prefix code whose
// lengths grow with the value, then the lower 6 bits plain. Each row covers
// the uppers from `firstUpper` on, coded from the byte `firstByte` on.
struct TPositionRange {
    int firstUpper;
    int firstByte;
    int bits;
};
constexpr std::array<TPositionRange, 6> PositionRanges{
    {{0, 0, 3}, {1, 32, 4}, {4, 80, 5}, {12, 144, 6}, {24, 192, 7}, {48, 240, 8}}};

class TBitReader {
public:
    explicit TBitReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    int Bit() {
        const std::size_t byte = next_ / 8;
        const int bit = byte < bytes_.size() ? bytes_[byte] >> (7 - next_ % 8) & 1 : 0;
        ++next_;
        return bit;
    }
    int Bits(int count) {
        int value = 0;
        for (int i = 0; i < count; ++i) {
            value = value << 1 | Bit();
        }
        return value;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t next_ = 8 * SizeBytes;
};

class TBitWriter {
public:
    explicit TBitWriter(std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
    void Bits(int value, int count) {
        for (int i = count - 1; i >= 0; --i) {
            if (used_ % 8 == 0) {
                bytes_.push_back(0);
            }
            bytes_.back() |= static_cast<std::uint8_t>((value >> i & 1) << (7 - used_ % 8));
            ++used_;
        }
    }

private:
    std::vector<std::uint8_t>& bytes_;
    std::size_t used_ = 0;
};

class TRing {
public:
    TRing() { std::fill(bytes_.begin(), bytes_.begin() + RingStart, ' '); }
    void Put(std::uint8_t byte, std::vector<std::uint8_t>& text) {
        text.push_back(byte);
        bytes_[at_] = byte;
        at_ = (at_ + 1) % RingSize;
    }
    void Copy(int position, int length, std::vector<std::uint8_t>& text) {
        const int from = at_ - position - 1 + RingSize;
        for (int k = 0; k < length; ++k) {
            Put(bytes_[(from + k) % RingSize], text);
        }
    }

private:
    std::array<std::uint8_t, RingSize> bytes_{};
    int at_ = RingStart;
};

void Apply(const TToken& token, TRing& ring, std::vector<std::uint8_t>& text) {
    if (token.symbol < 256) {
        ring.Put(static_cast<std::uint8_t>(token.symbol), text);
    } else {
        ring.Copy(token.position, token.symbol - LengthBias, text);
    }
}

} // namespace

TStream Encode(const std::vector<TToken>& tokens) {
    TStream stream;
    TRing ring;
    for (const TToken& token : tokens) {
        Apply(token, ring, stream.text);
    }
    const auto size = static_cast<std::uint32_t>(stream.text.size());
    for (std::size_t i = 0; i < SizeBytes; ++i) {
        stream.bytes.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
    }

    std::vector<std::uint8_t> coded;
    TBitWriter bits(coded);
    TTree tree;
    for (const TToken& token : tokens) {
        std::vector<int> path; // leaf to root
        for (int n = tree.LeafOf(token.symbol); n != Root; n = tree.ParentOf(n)) {
            path.push_back(n == tree.Node(tree.ParentOf(n)).item ? 0 : 1);
        }
        for (auto bit = path.rbegin(); bit != path.rend(); ++bit) {
            bits.Bits(*bit, 1);
        }
        tree.Count(token.symbol);
        if (token.symbol >= 256) {
            const int upper = token.position >> 6;
            const TPositionRange& range =
                *std::find_if(PositionRanges.rbegin(), PositionRanges.rend(),
                              [&](const TPositionRange& r) { return upper >= r.firstUpper; });
            const int first = range.firstByte + ((upper - range.firstUpper) << (8 - range.bits));
            bits.Bits(first >> (8 - range.bits), range.bits);
            bits.Bits(token.position & 63, 6);
        }
    }
    stream.bytes.insert(stream.bytes.end(), coded.begin(), coded.end());
    return stream;
}

TDecoded Decode(std::span<const std::uint8_t> stream) {
    std::int32_t size = 0;
    for (std::size_t i = 0; i < SizeBytes && i < stream.size(); ++i) {
        size = static_cast<std::int32_t>(static_cast<std::uint32_t>(size) | std::uint32_t{stream[i]}
                                                                                << (8 * i));
    }
    TDecoded decoded;
    TTree tree;
    TBitReader bits(stream);
    TRing ring;
    while (static_cast<std::int64_t>(decoded.text.size()) < size) {
        int n = Root;
        while (!tree.Node(n).leaf) {
            n = tree.Node(n).item + bits.Bit();
        }
        TToken token{tree.Node(n).item, 0};
        tree.Count(token.symbol);
        if (token.symbol >= 256) {
            int v = bits.Bits(8);
            const TPositionRange& range =
                *std::find_if(PositionRanges.rbegin(), PositionRanges.rend(),
                              [&](const TPositionRange& r) { return v >= r.firstByte; });
            const int upper = range.firstUpper + ((v - range.firstByte) >> (8 - range.bits));
            v = v << (range.bits - 2) | bits.Bits(range.bits - 2);
            token.position = upper << 6 | (v & 63);
        }
        Apply(token, ring, decoded.text);
    }
    decoded.rebuilds = tree.rebuilds;
    return decoded;
}

} // namespace lzhmodel
