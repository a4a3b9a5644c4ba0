#include "tools/skinpack/ToolSupport.h"

#include <fstream>
#include <iterator>

namespace skinpack {

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw TToolError("cannot open " + Utf8FromPath(path));
    }
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    if (in.bad()) {
        throw TToolError("cannot read " + Utf8FromPath(path));
    }
    return bytes;
}

void WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw TToolError("cannot create " + Utf8FromPath(path));
    }
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw TToolError("cannot write " + Utf8FromPath(path));
    }
}

const std::vector<std::string>& ExpectPositional(const std::vector<std::string>& args,
                                                 std::size_t count) {
    for (const std::string& arg : args) {
        if (arg.size() > 1 && arg[0] == '-') {
            throw TUsageError("unknown option " + arg);
        }
    }
    if (args.size() != count) {
        throw TUsageError("wrong number of arguments (" + std::to_string(count) + " expected, " +
                          std::to_string(args.size()) + " given)");
    }
    return args;
}

} // namespace skinpack
