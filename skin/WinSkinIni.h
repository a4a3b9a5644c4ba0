// Read-only reader of the skin INI text: keeps the trimmed lines in memory,
// indexes the section headers once, and answers queries with defaults.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

class TQuickIni {
public:
    // Replaces the content by the text in `bytes` (a NUL ends it early).
    void LoadFromStream(std::span<const std::uint8_t> bytes);

    // Line number of the header "[name]" (letter case ignored), or -1.
    int FindSection(std::string_view name) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;
    // Names of all sections in text order, without brackets.
    void ReadSections(std::vector<std::string>& list) const;

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    struct TSection {
        std::string header; // the header line, brackets included
        int line;
    };

    std::vector<std::string> lines_;
    std::vector<TSection> sections_;
};

// Reads an INI integer: an optional sign, then decimal digits or a hexadecimal
// prefix ("$", "x", "X", or "0x" at the start) with up to 8 significant
// hexadecimal digits. False when the text is not such a number.
bool ParseIniInteger(std::string_view text, std::int32_t& value);

} // namespace skin
