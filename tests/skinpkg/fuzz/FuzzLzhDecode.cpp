// Any byte string is an LZH stream to the decoder: it must stay in bounds,
// end, and produce at least the stated size. What it produces must also
// survive a round trip through our compressor.
#include "LzhEncoder.h"
#include "SkinRead/Lzh.h"

#include <cstdlib>

namespace {

// Small enough that every input decodes in milliseconds under the sanitizers;
// the compressor is slower, so only the smaller outputs make the round trip.
constexpr std::uint32_t kFuzzSizeLimit = 1u << 16;
constexpr std::size_t kRoundTripLimit = 1u << 13;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    // A stated size beyond 48 bytes per coded byte is only padding decoded
    // from missing bits (the package reader refuses such streams); skip it
    // rather than spend the run on zeros.
    const std::int32_t stated = TLZH::StatedSize(input);
    if (stated > 0 && static_cast<std::size_t>(stated) > 48 * size)
        return 0;
    std::vector<std::uint8_t> expanded;
    try {
        TLZH().Decompress(input, expanded, kFuzzSizeLimit);
    } catch (const ElzhException&) {
        return 0; // stated size over the limit
    }
    const std::size_t wanted = stated > 0 ? static_cast<std::size_t>(stated) : 0;
    if (expanded.size() < wanted || expanded.size() > wanted + 59)
        std::abort();
    expanded.resize(wanted);
    if (wanted > kRoundTripLimit)
        return 0;

    std::vector<std::uint8_t> again;
    TLZH().Decompress(LzhCompress(expanded), again, kFuzzSizeLimit);
    if (again != expanded)
        std::abort();
    return 0;
}
