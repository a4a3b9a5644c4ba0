// Builds skin packages: the container of named entries that the skin reader
// expects, compressed into one LZH stream.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TPackageEntry {
    std::string name; // a file name without folder; the reader lower-cases it
    std::vector<std::uint8_t> bytes;
};

// The expanded container: version 20000, the names block (one name and CR LF
// per entry), two reserved zero words, the entry sizes, then the entry bytes.
// Raises std::invalid_argument for entries the reader could not give back:
// an empty name, a name with a line end or NUL, two names equal but for
// letter case, more than 1001 entries, or more than 64 MiB in all.
std::vector<std::uint8_t> BuildContainer(const std::vector<TPackageEntry>& entries);

// BuildContainer, compressed: the bytes of a package file.
std::vector<std::uint8_t> BuildPackage(const std::vector<TPackageEntry>& entries);
