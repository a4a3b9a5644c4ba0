// Jet 4 Decimal (NUMERIC) fields. A field is 17 bytes: a sign byte (0x80 for
// a negative value), then the magnitude as four 32-bit little-endian words,
// the most significant first. The value is the magnitude divided by ten to
// the column's scale; a Decimal holds at most 28 digits, so the first word is
// always 0 and the magnitude fits in the other 96 bits.
#pragma once

#include "catalogue/Bytes.h"

#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

inline constexpr size_t DecimalFieldSize = 17;
inline constexpr unsigned MaxDecimalDigits = 28;

// The value as mdb-export prints it: a '-' when the sign is set, at least one
// digit before the point and exactly `scale` digits after it ("-0.50" at
// scale 2, "7" at scale 0). A field that cannot hold a Decimal, or a scale
// past 28, raises ECorruptData.
std::string DecimalText(Bytes field, unsigned scale);

// The same value as a number, for comparisons.
double DecimalNumber(std::string_view text);

// The field for a decimal text ("-12.5") in a column of `precision` digits,
// `scale` of them after the point. Raises ECatalogueError for text that is no
// decimal number, has more decimals than the scale or more digits than the
// precision.
std::vector<uint8_t> EncodeDecimal(std::string_view text, unsigned precision, unsigned scale);

} // namespace catalogue
