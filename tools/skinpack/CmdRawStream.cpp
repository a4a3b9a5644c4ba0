#include "tools/skinpack/Commands.h"

#include "tools/skinpack/LzhEncoder.h"
#include "skin/SkinRead/Lzh.h"
#include "tools/skinpack/ToolSupport.h"

#include <algorithm>
#include <ostream>

namespace skinpack {

int RunCompress(const TCommandArgs& args, std::ostream& out, std::ostream&) {
    ExpectPositional(args, 2);
    const std::vector<std::uint8_t> input = ReadWholeFile(PathFromUtf8(args[0]));
    if (input.size() > TLZH::DefaultSizeLimit) {
        throw TToolError(args[0] + " is larger than the " + std::to_string(TLZH::DefaultSizeLimit) +
                         " bytes a stream may expand to");
    }
    const std::vector<std::uint8_t> stream = LzhCompress(input);
    WriteWholeFile(PathFromUtf8(args[1]), stream);
    out << args[1] << ": " << input.size() << " -> " << stream.size() << " bytes\n";
    return 0;
}

int RunExpand(const TCommandArgs& args, std::ostream& out, std::ostream& err) {
    ExpectPositional(args, 2);
    const std::vector<std::uint8_t> stream = ReadWholeFile(PathFromUtf8(args[0]));
    if (stream.size() < 4) {
        throw TToolError(args[0] + " is too short for an LZH stream (" +
                         std::to_string(stream.size()) + " bytes)");
    }
    std::vector<std::uint8_t> expanded;
    TLZH lzh;
    lzh.Decompress(stream, expanded);
    // The last match is always decoded whole; the stated size is what counts.
    // Of a cut-off stream only what came before the cut is kept.
    const auto size = static_cast<std::size_t>(std::max(TLZH::StatedSize(stream), 0));
    expanded.resize(std::min(size, lzh.WholeBytes()));
    WriteWholeFile(PathFromUtf8(args[1]), expanded);
    out << args[1] << ": " << expanded.size() << " bytes\n";
    if (!lzh.RanOut()) {
        return 0;
    }
    err << "skinpack expand: " << args[0] << ": " << EndsEarly << "; wrote the " << expanded.size()
        << " of its " << size << " bytes decoded before the cut\n";
    return CutShortStatus;
}

} // namespace skinpack
