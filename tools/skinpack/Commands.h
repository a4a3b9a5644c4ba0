// The skinpack subcommands. Each takes the arguments after its name, writes
// its results to `out` and its warnings to `err`, and returns the exit status;
// it raises TUsageError or TToolError to fail.
#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skinpack {

using TCommandArgs = std::vector<std::string>;

struct TCommand {
    std::string_view name;
    std::string_view synopsis; // the arguments, as shown in the usage line
    std::string_view summary;  // one line for the overview
    std::string_view details;  // the rest of the command's --help
    int (*run)(const TCommandArgs& args, std::ostream& out, std::ostream& err);
};

int RunPack(const TCommandArgs& args, std::ostream& out, std::ostream& err);
int RunUnpack(const TCommandArgs& args, std::ostream& out, std::ostream& err);
int RunList(const TCommandArgs& args, std::ostream& out, std::ostream& err);
int RunCompress(const TCommandArgs& args, std::ostream& out, std::ostream& err);
int RunExpand(const TCommandArgs& args, std::ostream& out, std::ostream& err);
#ifdef _WIN32
int RunPreview(const TCommandArgs& args, std::ostream& out, std::ostream& err);
#endif

std::span<const TCommand> AllCommands();

// Runs a whole command line (without the program name): picks the
// subcommand, answers --help, and turns failures into messages on `err` and
// a non-zero status.
int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace skinpack
