// What every skinpack subcommand shares: its error types, whole-file input
// and output, and UTF-8 paths.
#pragma once

#include "base/Path.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace skinpack {

// A failure to report as "skinpack: message" with exit status 1.
class TToolError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A package or stream cut off so early that nothing of it could be used;
// reported as "skinpack COMMAND: message" with exit status 2, the status of
// every cut-off input.
class TCutShortError : public TToolError {
public:
    using TToolError::TToolError;
};

// Exit status of a command whose package or stream ends early: it warned on
// stderr and wrote what it could.
inline constexpr int CutShortStatus = 2;
inline constexpr const char* EndsEarly = "the compressed stream ends early";

// A command line the subcommand cannot accept; reported with its usage line
// and exit status 2.
class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using base::PathFromUtf8;
using base::Utf8FromPath;

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path);
void WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// The positional arguments, after checking there are exactly `count` of them
// and no unknown options.
const std::vector<std::string>& ExpectPositional(const std::vector<std::string>& args,
                                                 std::size_t count);

} // namespace skinpack
