// The files of a generated skin in package order: 53 bitmaps (and the test
// skin's own caption images), then the INI.
#pragma once

#include "tools/skingen/Theme.h"

#include <cstdint>
#include <string>
#include <vector>

namespace skingen {

struct TSkinFile {
    std::string name;
    std::vector<uint8_t> bytes;
};

std::vector<TSkinFile> SkinFiles(const TTheme& theme);

// The INI text that describes the skin's bitmaps, margins, colours and
// caption buttons.
std::string SkinIni(const TTheme& theme);

} // namespace skingen
