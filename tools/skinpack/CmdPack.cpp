#include "tools/skinpack/Commands.h"

#include "tools/skinpack/PackageWriter.h"
#include "skin/SkinRead/AsciiText.h"
#include "tools/skinpack/ToolSupport.h"

#include <algorithm>
#include <filesystem>
#include <map>
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

std::string ExtensionOf(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : skintext::LowerAscii(name.substr(dot));
}

// The .bmp and .ini files of the folder, by name (byte order).
std::map<std::string, fs::path> SkinFilesIn(const fs::path& folder) {
    if (!fs::is_directory(folder)) {
        throw TToolError(Utf8FromPath(folder) + " is not a folder");
    }
    std::map<std::string, fs::path> files;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        const std::string name = Utf8FromPath(entry.path().filename());
        const std::string extension = ExtensionOf(name);
        if (entry.is_regular_file() && (extension == ".bmp" || extension == ".ini")) {
            files.emplace(name, entry.path());
        }
    }
    return files;
}

// Bitmaps in name order, then the one INI text.
std::vector<std::string> DefaultOrder(const std::map<std::string, fs::path>& files,
                                      const fs::path& folder) {
    std::vector<std::string> order;
    std::vector<std::string> inis;
    for (const auto& [name, path] : files) {
        (ExtensionOf(name) == ".ini" ? inis : order).push_back(name);
    }
    if (inis.size() != 1) {
        throw TToolError(Utf8FromPath(folder) + " holds " + std::to_string(inis.size()) +
                         " .ini files; a skin folder holds exactly one");
    }
    order.push_back(inis.front());
    return order;
}

std::vector<std::string> OrderFromFile(const fs::path& orderFile,
                                       const std::map<std::string, fs::path>& files,
                                       const fs::path& folder) {
    const std::vector<std::uint8_t> bytes = ReadWholeFile(orderFile);
    std::vector<std::string> order;
    skintext::ForEachLine(
        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
        [&](std::string_view line) {
            line = skintext::TrimControls(line);
            if (!line.empty() && line.front() != '#') {
                order.emplace_back(line);
            }
        });
    for (const auto& [name, path] : files) {
        if (std::find(order.begin(), order.end(), name) == order.end()) {
            throw TToolError(Utf8FromPath(path) + " is not named in " + Utf8FromPath(orderFile));
        }
    }
    for (const std::string& name : order) {
        if (!fs::is_regular_file(folder / PathFromUtf8(name))) {
            throw TToolError(Utf8FromPath(orderFile) + " names " + name +
                             ", which is not a file in " + Utf8FromPath(folder));
        }
    }
    return order;
}

} // namespace

int RunPack(const TCommandArgs& args, std::ostream& out, std::ostream&) {
    const TPackArgs parsed = ParsePackArgs(args);
    const fs::path folder = PathFromUtf8(parsed.folder);
    const auto files = SkinFilesIn(folder);
    const std::vector<std::string> order =
        parsed.orderFile.empty() ? DefaultOrder(files, folder)
                                 : OrderFromFile(PathFromUtf8(parsed.orderFile), files, folder);

    std::vector<TPackageEntry> entries;
    for (const std::string& name : order) {
        entries.push_back({name, ReadWholeFile(folder / PathFromUtf8(name))});
    }
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
