#include "tools/skinpack/Commands.h"

#include "tools/skinpack/SkinFolder.h"
#include "tools/skinpack/ToolSupport.h"

#include <filesystem>
#include <ostream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace skinpack {

namespace {

struct TPackArgs {
    std::string folder;
    std::string output;
    std::string orderFile; // empty: the default order
};

TPackArgs ParsePackArgs(const TCommandArgs& args) {
    TPackArgs parsed;
    TCommandArgs positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--order") {
            if (i + 1 == args.size()) {
                throw TUsageError("--order needs a file");
            }
            parsed.orderFile = args[++i];
        } else {
            positional.push_back(args[i]);
        }
    }
    ExpectPositional(positional, 2);
    parsed.folder = positional[0];
    parsed.output = positional[1];
    return parsed;
}

} // namespace

int RunPack(const TCommandArgs& args, std::ostream& out, std::ostream&) {
    const TPackArgs parsed = ParsePackArgs(args);
    const std::vector<TPackageEntry> entries =
        ReadSkinFolder(PathFromUtf8(parsed.folder),
                       parsed.orderFile.empty() ? fs::path() : PathFromUtf8(parsed.orderFile));
    std::vector<std::uint8_t> package;
    try {
        package = BuildPackage(entries);
    } catch (const std::invalid_argument& e) {
        throw TToolError(e.what());
    }
    WriteWholeFile(PathFromUtf8(parsed.output), package);
    out << parsed.output << ": " << entries.size() << " entries, " << package.size() << " bytes\n";
    return 0;
}

} // namespace skinpack
