// Where a skin shown by skinview comes from: a package file, or an unpacked
// skin folder (one INI and its bitmaps, as `skinpack unpack` writes it),
// chosen as the folder itself or as the INI inside it. Portable, so it is
// tested natively too.
//
// Error policy: what cannot be used as a skin raises TViewError with the
// path named and why, in the words skinpack uses for the same fault.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace skinview {

// A skin skinview cannot load, with the reason.
class TViewError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TSourceKind { Package, Folder };

struct TSkinSource {
    TSourceKind kind = TSourceKind::Package;
    std::filesystem::path path; // the package file or the folder, absolute

    bool operator==(const TSkinSource&) const = default;
};

// What a chosen path stands for: a folder is an unpacked skin, a file named
// *.ini the unpacked skin of its folder, any other file a package. Throws
// when nothing is there.
TSkinSource FindSkinSource(const std::filesystem::path& chosen);

// The skin as the bytes of a package: the package file's, or the folder
// packed as `skinpack pack` packs it.
std::vector<std::uint8_t> ReadSkinPackage(const TSkinSource& source);

// The path as UTF-8, as messages and the recent list show it.
std::string SourceName(const TSkinSource& source);

} // namespace skinview
