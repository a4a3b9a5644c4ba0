#include "catalogue/Decimal.h"

#include <algorithm>
#include <array>

namespace catalogue {
namespace {

constexpr uint8_t NegativeSign = 0x80;
constexpr size_t Words = 3; // the magnitude's 96 bits, most significant word first
constexpr size_t FirstWordOffset = 5;

using Magnitude = std::array<uint32_t, Words>;

// Divides the magnitude by 10 in place and returns the remainder.
unsigned DivideByTen(Magnitude& magnitude) {
    uint64_t remainder = 0;
    for (uint32_t& word : magnitude) {
        uint64_t part = remainder << 32 | word;
        word = static_cast<uint32_t>(part / 10);
        remainder = part % 10;
    }
    return static_cast<unsigned>(remainder);
}

// Multiplies the magnitude by 10 and adds `digit`; 28 digits always fit.
void MultiplyByTenAdding(Magnitude& magnitude, unsigned digit) {
    uint64_t carry = digit;
    for (size_t i = Words; i-- > 0;) {
        uint64_t part = uint64_t{magnitude[i]} * 10 + carry;
        magnitude[i] = static_cast<uint32_t>(part);
        carry = part >> 32;
    }
}

bool IsZero(const Magnitude& magnitude) {
    return std::all_of(magnitude.begin(), magnitude.end(), [](uint32_t w) { return w == 0; });
}

} // namespace

std::string DecimalText(Bytes field, unsigned scale) {
    if (field.size() != DecimalFieldSize || scale > MaxDecimalDigits || ReadU32(field, 1) != 0) {
        ThrowCorrupt();
    }
    Magnitude magnitude{};
    for (size_t i = 0; i < Words; ++i) {
        magnitude[i] = ReadU32(field, FirstWordOffset + 4 * i);
    }
    std::string digits; // least significant first
    while (!IsZero(magnitude) || digits.size() <= scale) {
        digits.push_back(static_cast<char>('0' + DivideByTen(magnitude)));
    }
    std::string text = (field[0] & NegativeSign) != 0 ? "-" : "";
    for (size_t i = digits.size(); i-- > 0;) {
        text += digits[i];
        if (i == scale && scale > 0) {
            text += '.';
        }
    }
    return text;
}

double DecimalNumber(std::string_view text) {
    double value = 0;
    double fraction = 0;
    for (char c : text) {
        if (c == '.') {
            fraction = 1;
        } else if (c >= '0' && c <= '9') {
            value = value * 10 + (c - '0');
            fraction *= 10;
        }
    }
    if (fraction > 0) {
        value /= fraction;
    }
    return !text.empty() && text.front() == '-' ? -value : value;
}

std::vector<uint8_t> EncodeDecimal(std::string_view text, unsigned precision, unsigned scale) {
    std::string quoted = "'";
    quoted.append(text).push_back('\'');
    bool negative = !text.empty() && text.front() == '-';
    std::string_view number = text.substr(negative ? 1 : 0);
    size_t point = number.find('.');
    std::string_view whole = number.substr(0, point);
    std::string_view decimals = point == std::string_view::npos ? "" : number.substr(point + 1);
    auto allDigits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || !allDigits(whole) || !allDigits(decimals) ||
        (point != std::string_view::npos && decimals.empty())) {
        throw ECatalogueError(quoted + " is not a decimal number.");
    }
    if (decimals.size() > scale) {
        throw ECatalogueError(quoted + " has more than " + std::to_string(scale) + " decimals.");
    }
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.size() + scale > precision || precision > MaxDecimalDigits) {
        throw ECatalogueError(quoted + " does not fit in " + std::to_string(precision) +
                              " digits.");
    }

    Magnitude magnitude{};
    std::string digits = std::string(whole) + std::string(decimals);
    digits.append(scale - decimals.size(), '0');
    for (char c : digits) {
        MultiplyByTenAdding(magnitude, static_cast<unsigned>(c - '0'));
    }
    std::vector<uint8_t> field(DecimalFieldSize, 0);
    field[0] = negative ? NegativeSign : 0;
    for (size_t i = 0; i < Words; ++i) {
        base::WriteU32(field, FirstWordOffset + 4 * i, magnitude[i]);
    }
    return field;
}

} // namespace catalogue
