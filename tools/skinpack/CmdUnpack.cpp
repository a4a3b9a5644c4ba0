#include "tools/skinpack/Commands.h"

#include "tools/skinpack/PackageFile.h"
#include "tools/skinpack/ToolSupport.h"

#include <filesystem>
#include <ostream>
#include <set>

namespace fs = std::filesystem;

namespace skinpack {

namespace {

// Entry names come from the package, so only a plain file name may become a
// path: nothing that climbs out of the target folder or names a drive.
bool IsPlainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\:") == std::string::npos;
}

} // namespace

int RunUnpack(const TCommandArgs& args, std::ostream& out, std::ostream& err) {
    ExpectPositional(args, 2);
    TSkinReader reader;
    LoadPackageFile(args[0], reader);
    for (const std::string& name : reader.Names()) {
        if (!IsPlainFileName(name)) {
            throw TToolError(args[0] + ": entry name \"" + name +
                             "\" is not a plain file name; nothing was written");
        }
    }
    const fs::path folder = PathFromUtf8(args[1]);
    fs::create_directories(folder);
    std::set<std::string> written;
    std::vector<std::uint8_t> bytes;
    // Entries at or past the cut of a cut-off package hold what missing bits
    // decode to; they are left out.
    for (std::size_t i = 0; i < reader.WholeEntries(); ++i) {
        const std::string& name = reader.Names()[i];
        if (!written.insert(name).second) {
            err << "skinpack unpack: skipped a second entry named " << name << "\n";
            continue;
        }
        reader.GetEntry(name, bytes);
        WriteWholeFile(folder / PathFromUtf8(name), bytes);
    }
    out << args[1] << ": " << written.size() << " files\n";
    return ReportCutShort(reader, "unpack", args[0], "are cut off and were not written", err);
}

} // namespace skinpack
