#include "skin/WinSkinData/SkinColours.h"

#include "skin/SkinRead/AsciiText.h"
#include "skin/WinSkinIni.h"

#include <array>
#include <string>

namespace skin {

Colour ParseRgbText(std::string_view text) {
    std::array<uint8_t, 3> rgb{};
    size_t stored = 0;
    unsigned number = 0; // kept modulo 256 as digits arrive
    bool collecting = false;
    for (const char ch : skintext::TrimControls(text)) {
        if (ch >= '0' && ch <= '9') {
            number = (number * 10 + unsigned(ch - '0')) % 256;
            collecting = true;
            continue;
        }
        if (collecting && stored < rgb.size()) {
            rgb[stored++] = uint8_t(number);
        }
        collecting = false;
        number = 0;
    }
    if (collecting && stored == 2) {
        rgb[stored] = uint8_t(number);
    }
    return MakeColour(rgb[0], rgb[1], rgb[2]);
}

void ReadRgbKeys(const TQuickIni& ini, std::string_view section, std::string_view name,
                 Colour& colour) {
    const std::string key(name);
    const int32_t r = ini.ReadInteger(section, key + "R", -1);
    const int32_t g = ini.ReadInteger(section, key + "G", -1);
    const int32_t b = ini.ReadInteger(section, key + "B", -1);
    if (r >= 0 && g >= 0 && b >= 0) {
        colour = MakeColour(uint8_t(r), uint8_t(g), uint8_t(b));
    }
}

} // namespace skin
