// An unpacked skin: a folder holding one INI text and the bitmaps it names,
// as `skinpack unpack` writes it. `skinpack pack` reads one into a package,
// and skinview shows one as it is while its author edits it.
//
// Error policy: what cannot be read as a skin folder raises TToolError with
// the folder or file named and why.
#pragma once

#include "tools/skinpack/PackageWriter.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace skinpack {

// The folder's .bmp and .ini files as package entries: in the order the
// order file lists them, or (none given) the bitmaps by name and then the
// one INI. Throws when the path is no folder, when it holds no INI or more
// than one (without an order file), or when the order file and the folder
// disagree.
std::vector<TPackageEntry> ReadSkinFolder(const std::filesystem::path& folder,
                                          const std::filesystem::path& orderFile = {});

// The folder packed into the bytes of a package file.
std::vector<std::uint8_t> PackSkinFolder(const std::filesystem::path& folder);

} // namespace skinpack
