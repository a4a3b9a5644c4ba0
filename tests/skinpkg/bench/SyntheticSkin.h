// Skin-like test data for the benchmarks: an INI text and 24-bit bitmaps
// with the flat fills, gradients, bevels and colour-keyed corners of real
// skin art, and a mixed file of text, pictures, noise and zeros.
#pragma once

#include "tools/skinpack/PackageWriter.h"

#include <cstdint>
#include <vector>

// Entries of about `totalBytes` in all: bitmaps first, the INI text last.
std::vector<TPackageEntry> SyntheticSkinEntries(std::size_t totalBytes);

std::vector<std::uint8_t> MixedData(std::size_t totalBytes);
