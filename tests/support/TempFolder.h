// A folder for one test's temporary files, under the system's temporary
// folder, with a name the system makes unique (mkdtemp; GetTempFileNameW on
// Windows), so test processes running side by side, in this build tree or in
// any other, never share a file. The folder and all it holds go with the
// object.
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

class TempFolder {
public:
    // `stem` starts the folder's name, to tell the folders apart when one is
    // left behind (only its first three characters on Windows).
    explicit TempFolder(const std::string& stem);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The path of `name` inside the folder, as UTF-8 text.
    std::string FileUtf8(const std::string& name) const;

private:
    std::filesystem::path path_;
    std::filesystem::path reserved_; // Windows: the unique file that reserves the name
};

} // namespace testsupport
