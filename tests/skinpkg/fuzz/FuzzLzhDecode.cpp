// Any byte string is an LZH stream to the decoder: it must stay in bounds,
// end, and produce at least the stated size. The bytes it calls whole must not
// depend on anything after the input, and what it produces must survive a
// round trip through our compressor.
#include "tools/skinpack/LzhEncoder.h"
#include "skin/SkinRead/Lzh.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Small enough that every input decodes in milliseconds under the sanitizers;
// the compressor is slower, so only the smaller outputs make the round trip.
constexpr std::uint32_t FuzzSizeLimit = 1u << 16;
constexpr std::size_t RoundTripLimit = 1u << 13;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    // A stated size beyond 48 bytes per coded byte is only padding decoded
    // from missing bits (the package reader refuses such streams); skip it
    // rather than spend the run on zeros.
    const std::int32_t stated = TLZH::StatedSize(input);
    if (stated > 0 && static_cast<std::size_t>(stated) > 48 * size) {
        return 0;
    }
    std::vector<std::uint8_t> expanded;
    TLZH lzh;
    try {
        lzh.Decompress(input, expanded, FuzzSizeLimit);
    } catch (const ElzhException&) {
        return 0; // stated size over the limit
    }
    const std::size_t wanted = stated > 0 ? static_cast<std::size_t>(stated) : 0;
    if (expanded.size() < wanted || expanded.size() > wanted + 59) {
        std::abort();
    }

    // Whole bytes (all of them for a stream that did not run out) come out
    // the same whatever follows the input.
    std::vector<std::uint8_t> again;
    if (lzh.WholeBytes() > 0) {
        std::vector<std::uint8_t> extended(input.begin(), input.end());
        extended.insert(extended.end(), 8, 0xA5);
        TLZH().Decompress(extended, again, FuzzSizeLimit);
        if (!std::equal(expanded.begin(),
                        expanded.begin() + static_cast<std::ptrdiff_t>(lzh.WholeBytes()),
                        again.begin())) {
            std::abort();
        }
    }
    expanded.resize(wanted);
    if (wanted > RoundTripLimit) {
        return 0;
    }

    TLZH().Decompress(LzhCompress(expanded), again, FuzzSizeLimit);
    if (again != expanded) {
        std::abort();
    }
    return 0;
}
