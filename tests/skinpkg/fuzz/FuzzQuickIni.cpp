// The INI reader on arbitrary text: every query over every section and every
// line's key must answer without trouble, and a value read as
// text is never empty nor padded with blanks or control characters.
#include "skin/WinSkinIni.h"

#include <cstdlib>

using skin::ParseIniInteger;
using skin::TQuickIni;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TQuickIni ini;
    ini.LoadFromStream(std::span<const std::uint8_t>(data, size));

    std::vector<std::string> sections;
    ini.ReadSections(sections);
    for (const std::string& section : sections) {
        // A header with blanks inside its brackets is found only with them.
        const int line = ini.FindSection(section);
        if (line >= 0 && static_cast<std::size_t>(line) >= ini.Lines().size()) {
            std::abort();
        }
        for (const std::string& text : ini.Lines()) {
            const std::string key = text.substr(0, text.find('='));
            const std::string value = ini.ReadString(section, key, "\x01");
            const auto control = [](char c) { return static_cast<unsigned char>(c) <= 32; };
            if (value != "\x01" && (control(value.front()) || control(value.back()))) {
                std::abort();
            }
            ini.ReadInteger(section, key, -1);
        }
    }
    std::int32_t number = 0;
    ParseIniInteger(std::string_view(reinterpret_cast<const char*>(data), size), number);
    return 0;
}
