#include "skin/WinSkinIni.h"

#include "skin/SkinRead/AsciiText.h"

namespace skin {
namespace {

using skintext::TrimControls;

bool IsHeaderLine(std::string_view line) {
    line = TrimControls(line);
    return !line.empty() && line.front() == '[' && line.back() == ']';
}

// The key of a line: the text before its first "=", trimmed and lower case;
// empty when there is no "=".
std::string KeyOf(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return {};
    }
    return skintext::LowerAscii(TrimControls(line.substr(0, equals)));
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A hexadecimal value fills 32 bits with eight digits.
constexpr int MaxHexDigits = 8;

bool ParseHex(std::string_view digits, std::uint32_t& pattern) {
    if (digits.empty()) {
        return false;
    }
    std::uint32_t value = 0;
    int significant = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return false;
        }
        if (significant > 0 || digit != 0) {
            ++significant;
        }
        if (significant > MaxHexDigits) {
            return false;
        }
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    pattern = value;
    return true;
}

bool ParseDecimal(std::string_view digits, bool negative, std::int32_t& value) {
    if (digits.empty()) {
        return false;
    }
    const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
    std::int64_t magnitude = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return false;
        }
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) {
            return false;
        }
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return true;
}

} // namespace

bool ParseIniInteger(std::string_view text, std::int32_t& value) {
    std::string rewritten;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        rewritten.assign(1, '$').append(text.substr(2));
        text = rewritten;
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!text.empty() && (text.front() == '$' || text.front() == 'x' || text.front() == 'X')) {
        std::uint32_t pattern = 0;
        if (!ParseHex(text.substr(1), pattern)) {
            return false;
        }
        if (negative) {
            pattern = 0u - pattern;
        }
        value = static_cast<std::int32_t>(pattern);
        return true;
    }
    return ParseDecimal(text, negative, value);
}

void TQuickIni::LoadFromStream(std::span<const std::uint8_t> bytes) {
    lines_.clear();
    sections_.clear();
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    skintext::ForEachLine(text, [&](std::string_view raw) {
        const std::string_view line = TrimControls(raw);
        if (line.empty() || line.front() == ';') {
            return;
        }
        if (IsHeaderLine(line)) {
            sections_.push_back({std::string(line), static_cast<int>(lines_.size())});
        }
        lines_.emplace_back(line);
    });
}

int TQuickIni::FindSection(std::string_view name) const {
    // Every kept header starts with "[" and ends with "]"; compare what is
    // between the brackets.
    for (const TSection& section : sections_) {
        const std::string_view header = section.header;
        if (header.size() == name.size() + 2 &&
            skintext::EqualIgnoringAsciiCase(header.substr(1, name.size()), name)) {
            return section.line;
        }
    }
    return -1;
}

std::string TQuickIni::ReadString(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    std::string result(defaultValue);
    const std::string wanted = skintext::LowerAscii(key);
    const int header = lines_.empty() ? -1 : FindSection(section);
    if (header < 0) {
        return result;
    }
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines_.size(); ++i) {
        const std::string& line = lines_[i];
        if (IsHeaderLine(line)) {
            break;
        }
        const std::string lineKey = KeyOf(line);
        if (lineKey != wanted) {
            continue;
        }
        const auto equals = line.find('=');
        if (!lineKey.empty() && equals != std::string::npos) {
            const std::string_view value = TrimControls(std::string_view(line).substr(equals + 1));
            if (!value.empty()) {
                result = value;
            }
        }
        break;
    }
    return result;
}

std::int32_t TQuickIni::ReadInteger(std::string_view section, std::string_view key,
                                    std::int32_t defaultValue) const {
    std::int32_t value = 0;
    return ParseIniInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

void TQuickIni::ReadSections(std::vector<std::string>& list) const {
    list.clear();
    for (const TSection& section : sections_) {
        std::string_view name = TrimControls(section.header);
        name = name.substr(1, name.size() - 2);
        list.emplace_back(TrimControls(name));
    }
}

} // namespace skin
