#include "tools/skinpack/LzhEncoder.h"

#include "tools/skinpack/MatchFinder.h"
#include "skin/SkinRead/LzhTree.h"

#include "base/Bytes.h"

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
    explicit TBitOutput(std::vector<std::uint8_t>& out) : out_(out) {}

    // Appends the low `count` bits of `code` (count up to 24).
    void Put(std::uint32_t code, int count) {
        pending_ = pending_ << count | (code & ((1u << count) - 1u));
        pendingBits_ += count;
        while (pendingBits_ >= 8) {
            pendingBits_ -= 8;
            out_.push_back(static_cast<std::uint8_t>(pending_ >> pendingBits_));
        }
        pending_ &= (1u << pendingBits_) - 1u;
    }

    // Writes the last partial byte, padded with zero bits.
    void Flush() {
        if (pendingBits_ > 0) {
            out_.push_back(static_cast<std::uint8_t>(pending_ << (8 - pendingBits_)));
        }
        pendingBits_ = 0;
        pending_ = 0;
    }

private:
    std::vector<std::uint8_t>& out_;
    std::uint32_t pending_ = 0;
    int pendingBits_ = 0;
};

class TLzhEncoder {
public:
    explicit TLzhEncoder(std::vector<std::uint8_t>& out) : bits_(out), finder_(ring_) {}

    void Encode(std::span<const std::uint8_t> input);

private:
    void PutSymbol(int symbol);
    void PutPosition(int position);
    void Store(int position, std::uint8_t byte);

    TBitOutput bits_;
    TLzhTree tree_;
    std::uint8_t ring_[N + F - 1]{};
    TMatchFinder finder_;
};

void TLzhEncoder::PutSymbol(int symbol) {
    // The path is found from the leaf up, so collect it and send it root first.
    std::uint8_t path[T];
    int depth = 0;
    for (int node = tree_.Leaf(symbol); node != R; node = tree_.Parent(node)) {
        path[depth++] = static_cast<std::uint8_t>(node - tree_.Child(tree_.Parent(node)));
    }
    while (depth > 0) {
        bits_.Put(path[--depth], 1);
    }
    tree_.Update(symbol);
}

void TLzhEncoder::PutPosition(int position) {
    const int upper = position >> 6;
    const int length = PositionCodeOf(FirstCodeByteOf(upper)).length;
    bits_.Put(static_cast<std::uint32_t>(FirstCodeByteOf(upper)) >> (8 - length), length);
    bits_.Put(static_cast<std::uint32_t>(position & 63), 6);
}

void TLzhEncoder::Store(int position, std::uint8_t byte) {
    ring_[position] = byte;
    if (position < F - 1) {
        ring_[position + N] = byte;
    }
}

void TLzhEncoder::Encode(std::span<const std::uint8_t> input) {
    tree_.Start();
    std::size_t next = 0;
    int s = 0;
    int r = N - F;
    std::fill(ring_, ring_ + r, static_cast<std::uint8_t>(' '));
    int ahead = 0;
    while (ahead < F && next < input.size()) {
        ring_[r + ahead++] = input[next++];
    }
    if (ahead == 0) {
        return;
    }
    // The strings of spaces before the first byte are matchable too.
    for (int i = 1; i <= F; ++i) {
        finder_.Insert(r - i);
    }
    finder_.Insert(r);

    while (ahead > 0) {
        const int matchLength = std::min(finder_.MatchLength(), ahead);
        int consumed;
        if (matchLength <= THRESHOLD) {
            consumed = 1;
            PutSymbol(ring_[r]);
        } else {
            consumed = matchLength;
            PutSymbol(MatchSymbol(matchLength));
            PutPosition(finder_.MatchPosition());
        }
        for (int i = 0; i < consumed; ++i) {
            finder_.Remove(s);
            if (next < input.size()) {
                Store(s, input[next++]);
            } else {
                --ahead;
            }
            s = (s + 1) & (N - 1);
            r = (r + 1) & (N - 1);
            if (ahead > 0) {
                finder_.Insert(r);
            }
        }
    }
    bits_.Flush();
}

} // namespace

std::vector<std::uint8_t> LzhCompress(std::span<const std::uint8_t> input) {
    if (input.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw std::length_error("LZH streams hold at most 2 GiB - 1 bytes");
    }
    std::vector<std::uint8_t> out;
    out.reserve(input.size() / 2 + 16);
    base::AppendU32(out, static_cast<std::uint32_t>(input.size()));
    auto encoder = std::make_unique<TLzhEncoder>(out);
    encoder->Encode(input);
    return out;
}
