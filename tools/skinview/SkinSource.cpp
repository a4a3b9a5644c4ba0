#include "tools/skinview/SkinSource.h"

#include "base/Path.h"
#include "skin/SkinRead/AsciiText.h"
#include "tools/skinpack/SkinFolder.h"
#include "tools/skinpack/ToolSupport.h"

namespace fs = std::filesystem;

namespace skinview {

TSkinSource FindSkinSource(const fs::path& chosen) {
    std::error_code error;
    const fs::path path = fs::absolute(chosen, error).lexically_normal();
    const fs::file_status status = fs::status(path, error);
    if (fs::is_directory(status)) {
        return {TSourceKind::Folder, path};
    }
    if (!fs::is_regular_file(status)) {
        throw TViewError(base::Utf8FromPath(chosen) + ": no such file or folder");
    }
    if (skintext::LowerAscii(base::Utf8FromPath(path.extension())) == ".ini") {
        return {TSourceKind::Folder, path.parent_path()};
    }
    return {TSourceKind::Package, path};
}

std::vector<std::uint8_t> ReadSkinPackage(const TSkinSource& source) {
    try {
        return source.kind == TSourceKind::Folder ? skinpack::PackSkinFolder(source.path)
                                                  : skinpack::ReadWholeFile(source.path);
    } catch (const skinpack::TToolError& error) {
        throw TViewError(error.what());
    }
}

std::string SourceName(const TSkinSource& source) {
    return base::Utf8FromPath(source.path);
}

} // namespace skinview
