// File names: UTF-8 inside, std::filesystem::path (UTF-16 on Windows) at the
// file system. The conversion is the standard library's, so a name that is
// not valid UTF-8 raises its error instead of naming some other file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace base {

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace base
