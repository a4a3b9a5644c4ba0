#include "tests/support/TempFolder.h"

#include "base/Path.h"

#include <stdexcept>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstdlib>
#include <vector>
#endif

namespace fs = std::filesystem;

namespace testsupport {

#ifdef _WIN32
// GetTempFileNameW creates an empty file under a name no other process holds;
// the folder takes that name plus ".d", and the file stays until the folder
// is gone, so no other caller can be given the same name meanwhile.
TempFolder::TempFolder(const std::string& stem) {
    wchar_t folder[MAX_PATH + 1];
    wchar_t unique[MAX_PATH + 1];
    const std::wstring prefix = base::PathFromUtf8(stem).wstring();
    if (GetTempPathW(MAX_PATH + 1, folder) == 0 ||
        GetTempFileNameW(folder, prefix.c_str(), 0, unique) == 0) {
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "no unique temporary name");
    }
    reserved_ = unique;
    path_ = reserved_;
    path_ += L".d";
    if (!CreateDirectoryW(path_.c_str(), nullptr)) {
        const DWORD error = GetLastError();
        DeleteFileW(reserved_.c_str());
        throw std::system_error(static_cast<int>(error), std::system_category(),
                                "cannot create " + path_.string());
    }
}
#else
TempFolder::TempFolder(const std::string& stem) {
    const std::string pattern = (fs::temp_directory_path() / (stem + "-XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr)
        throw std::system_error(errno, std::generic_category(), "mkdtemp " + pattern);
    path_ = name.data();
}
#endif

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
    if (!reserved_.empty()) {
        fs::remove(reserved_, ignored);
    }
}

std::string TempFolder::FileUtf8(const std::string& name) const {
    return base::Utf8FromPath(path_ / base::PathFromUtf8(name));
}

} // namespace testsupport
