#include "tools/skinpack/SkinFolder.h"

#include "skin/SkinRead/AsciiText.h"
#include "tools/skinpack/ToolSupport.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace fs = std::filesystem;

namespace skinpack {

namespace {

std::string ExtensionOf(const std::string& name) {
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : skintext::LowerAscii(name.substr(dot));
}

// The .bmp and .ini files of the folder, by name (byte order).
std::map<std::string, fs::path> SkinFilesIn(const fs::path& folder) {
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
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

std::vector<TPackageEntry> ReadSkinFolder(const fs::path& folder, const fs::path& orderFile) {
    const auto files = SkinFilesIn(folder);
    const std::vector<std::string> order =
        orderFile.empty() ? DefaultOrder(files, folder) : OrderFromFile(orderFile, files, folder);
    std::vector<TPackageEntry> entries;
    for (const std::string& name : order) {
        entries.push_back({name, ReadWholeFile(folder / PathFromUtf8(name))});
    }
    return entries;
}

std::vector<std::uint8_t> PackSkinFolder(const fs::path& folder) {
    try {
        return BuildPackage(ReadSkinFolder(folder));
    } catch (const std::invalid_argument& e) {
        throw TToolError(e.what());
    }
}

} // namespace skinpack
