#include "skin/SkinRead/Lzh.h"

#include "skin/SkinRead/LzhTree.h"

#include "base/Bytes.h"

#include <algorithm>
#include <array>
#include <memory>
#include <new>

namespace {

using namespace lzh;

// Bits are taken from each byte most significant first; a read past the end
// of the input yields a zero byte.
class TBitInput {
public:
    explicit TBitInput(std::span<const std::uint8_t> input) : input_(input) {}

    int Bit() {
        Refill();
        const int bit = buffer_ >> 15;
        buffer_ = static_cast<std::uint16_t>(buffer_ << 1);
        --count_;
        return bit;
    }

    int Byte() {
        Refill();
        const int value = buffer_ >> 8;
        buffer_ = static_cast<std::uint16_t>(buffer_ << 8);
        count_ -= 8;
        return value;
    }

    std::size_t BytesRead() const { return position_ < input_.size() ? position_ : input_.size(); }

    // Whether more bits were taken than the input holds after its size;
    // refills read ahead, so only the bits actually taken count.
    bool RanOut() const {
        const std::size_t coded = input_.size() > CodedStart ? input_.size() - CodedStart : 0;
        return 8 * (position_ - CodedStart) - static_cast<std::size_t>(count_) > 8 * coded;
    }

private:
    void Refill() {
        while (count_ < 9) {
            const unsigned b = position_ < input_.size() ? input_[position_] : 0u;
            ++position_;
            buffer_ = static_cast<std::uint16_t>(buffer_ | (b << (8 - count_)));
            count_ += 8;
        }
    }

    static constexpr std::size_t CodedStart = 4; // the coded bits follow the size

    std::span<const std::uint8_t> input_;
    std::size_t position_ = CodedStart;
    std::uint16_t buffer_ = 0;
    int count_ = 0;
};

struct TWorkTables {
    TLzhTree tree;
    std::uint8_t ring[N + F - 1];
};

int DecodeSymbol(TLzhTree& tree, TBitInput& bits) {
    int c = tree.Child(R);
    while (c < T) {
        c = tree.Child(c + bits.Bit());
    }
    const int symbol = c - T;
    tree.Update(symbol);
    return symbol;
}

int DecodePosition(TBitInput& bits) {
    int v = bits.Byte();
    const TPositionCode code = PositionCodeOf(static_cast<std::uint8_t>(v));
    for (int i = 0; i < code.length - 2; ++i) {
        v = (v << 1) + bits.Bit();
    }
    return (code.upper << 6) | (v & 63);
}

} // namespace

std::int32_t TLZH::StatedSize(std::span<const std::uint8_t> input) {
    // A stream shorter than the size field states the bytes it has.
    std::array<std::uint8_t, 4> field{};
    std::copy_n(input.begin(), std::min(field.size(), input.size()), field.begin());
    return static_cast<std::int32_t>(base::LoadU32(field.data()));
}

void TLZH::Decompress(std::span<const std::uint8_t> input, std::vector<std::uint8_t>& output,
                      std::uint32_t sizeLimit) {
    output.clear();
    bytesRead_ = 0;
    ranOut_ = false;
    wholeBytes_ = 0;
    const std::int32_t size = StatedSize(input);
    if (size > 0 && static_cast<std::uint32_t>(size) > sizeLimit) {
        throw ElzhException("LZH : Expanded size of " + std::to_string(size) +
                            " bytes exceeds the limit of " + std::to_string(sizeLimit) + " bytes");
    }

    std::unique_ptr<TWorkTables> tables;
    try {
        tables = std::make_unique<TWorkTables>();
        if (size > 0) {
            output.reserve(static_cast<std::size_t>(size) + F - 1);
        }
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }

    TLzhTree& tree = tables->tree;
    std::uint8_t* ring = tables->ring;
    TBitInput bits(input);
    tree.Start();
    for (int i = 0; i < N - F; ++i) {
        ring[i] = ' ';
    }
    for (int i = N - F; i < N + F - 1; ++i) {
        ring[i] = 0;
    }

    int r = N - F;
    std::int32_t count = 0;
    while (count < size) {
        const std::size_t before = output.size();
        const int c = DecodeSymbol(tree, bits);
        if (c < 256) {
            output.push_back(static_cast<std::uint8_t>(c));
            ring[r] = static_cast<std::uint8_t>(c);
            r = (r + 1) & (N - 1);
            ++count;
        } else {
            const int from = (r - DecodePosition(bits) - 1) & (N - 1);
            const int length = MatchLength(c);
            for (int k = 0; k < length; ++k) {
                const std::uint8_t b = ring[(from + k) & (N - 1)];
                output.push_back(b);
                ring[r] = b;
                r = (r + 1) & (N - 1);
            }
            count += length;
        }
        if (!ranOut_ && bits.RanOut()) {
            ranOut_ = true;
            wholeBytes_ = before;
        }
    }
    bytesRead_ = bits.BytesRead();
    if (!ranOut_) {
        wholeBytes_ = output.size();
    }
}
