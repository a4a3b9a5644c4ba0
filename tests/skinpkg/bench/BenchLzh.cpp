// Figures for skin package expansion and compression: decode throughput
// (megabytes of output per second) for a skin-sized package and a larger
// mixed file, the time to load a package in the reader, and the
// compressor's speed and ratio.
#include "tools/skinpack/LzhEncoder.h"
#include "tools/skinpack/PackageWriter.h"
#include "skin/SkinRead/Lzh.h"
#include "skin/SkinRead/SkinReader.h"
#include "tests/skinpkg/bench/SyntheticSkin.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Best of `runs` timings, in seconds.
double BestSeconds(int runs, const std::function<void()>& work) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
    }
    return best;
}

double Megabytes(std::size_t bytes) {
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

void MeasureStream(const std::string& what, const std::vector<std::uint8_t>& input, int runs) {
    std::vector<std::uint8_t> stream;
    const double compress =
        BestSeconds(std::max(1, runs / 10), [&] { stream = LzhCompress(input); });
    std::vector<std::uint8_t> output;
    const double expand = BestSeconds(runs, [&] { TLZH().Decompress(stream, output); });
    output.resize(input.size());
    if (output != input) {
        throw std::runtime_error(what + ": round trip differs");
    }
    std::printf("%-30s %9zu -> %8zu bytes (%5.1f %%)\n", what.c_str(), input.size(), stream.size(),
                100.0 * static_cast<double>(stream.size()) / static_cast<double>(input.size()));
    std::printf("  expand   %8.3f ms  %8.1f MB/s of output\n", expand * 1e3,
                Megabytes(input.size()) / expand);
    std::printf("  compress %8.3f ms  %8.1f MB/s of input\n", compress * 1e3,
                Megabytes(input.size()) / compress);
}

} // namespace

int main() {
    const auto entries = SyntheticSkinEntries(500 * 1024);
    const auto container = BuildContainer(entries);
    MeasureStream("skin package, " + std::to_string(entries.size()) + " entries", container, 50);

    const auto package = LzhCompress(container);
    TSkinReader reader;
    const double load = BestSeconds(50, [&] {
        if (!reader.Load(package)) {
            throw std::runtime_error("synthetic package refused: " + reader.RejectReason());
        }
    });
    std::printf("  reader   %8.3f ms  Load of %zu entries (target: under 10 ms)\n", load * 1e3,
                reader.Count());

    MeasureStream("mixed file", MixedData(10 * 1024 * 1024), 5);
    return 0;
}
