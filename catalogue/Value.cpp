#include "catalogue/Value.h"

#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>

namespace catalogue {
namespace {

std::string Format(const char* format, auto... args) {
    char buffer[64];
    int length = std::snprintf(buffer, sizeof buffer, format, args...);
    return std::string(buffer, static_cast<size_t>(std::max(0, std::min<int>(length, 63))));
}

// Drops the trailing zeros of a number's decimals and a bare point.
std::string WithoutTrailingZeros(std::string text) {
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return text;
}

std::string CurrencyText(int64_t scaled, bool fixedDecimals) {
    bool negative = scaled < 0;
    uint64_t magnitude =
        negative ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    std::string text = Format("%s%" PRIu64 ".%04" PRIu64, negative ? "-" : "", magnitude / 10000,
                              magnitude % 10000);
    return fixedDecimals ? text : WithoutTrailingZeros(text);
}

// mdb-export writes a floating value in fixed notation with `digits`
// significant digits, then drops trailing zeros and a bare decimal point.
std::string SignificantFixed(double value, int digits) {
    if (!std::isfinite(value)) {
        return Format("%g", value);
    }
    int magnitude = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    int decimals = std::clamp(digits - 1 - magnitude, 0, 40);
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return WithoutTrailingZeros(buffer);
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    return out + '"';
}

// Calendar parts of a Jet date.
struct CivilTime {
    int year, month, day, hour, minute, second;
};

CivilTime ToCivilTime(double jetDate) {
    if (!std::isfinite(jetDate) || std::fabs(jetDate) > 3e6) {
        jetDate = 0;
    }
    // The whole part counts days from 1899-12-30; the fraction's magnitude is
    // the time of day, also for dates before 1899-12-30.
    double whole = std::trunc(jetDate);
    auto seconds = static_cast<int64_t>(std::llround(std::fabs(jetDate - whole) * 86400.0));
    auto days = static_cast<int64_t>(whole);
    if (seconds >= 86400) {
        seconds -= 86400;
        days += jetDate < 0 ? -1 : 1;
    }
    // Days since 1970-01-01, then the civil-from-days conversion.
    int64_t z = days - 25569 + 719468;
    int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    int64_t doe = z - era * 146097;
    int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    int64_t mp = (5 * doy + 2) / 153;
    int64_t day = doy - (153 * mp + 2) / 5 + 1;
    int64_t month = mp < 10 ? mp + 3 : mp - 9;
    int64_t year = yoe + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year),
            static_cast<int>(month),
            static_cast<int>(day),
            static_cast<int>(seconds / 3600),
            static_cast<int>(seconds / 60 % 60),
            static_cast<int>(seconds % 60)};
}

} // namespace

double Value::AsDouble() const {
    switch (kind) {
    case Kind::Boolean:
        return integer != 0 ? -1.0 : 0.0;
    case Kind::Integer:
        return static_cast<double>(integer);
    case Kind::Currency:
        return static_cast<double>(integer) / 10000.0;
    case Kind::Real:
    case Kind::Decimal:
    case Kind::Date:
        return real;
    default:
        return 0;
    }
}

std::string FieldText(const Value& value) {
    switch (value.kind) {
    case Value::Kind::Null:
        return {};
    case Value::Kind::Boolean:
        return value.integer != 0 ? "True" : "False";
    case Value::Kind::Integer:
        return std::to_string(value.integer);
    case Value::Kind::Real:
        return Format("%.*g", int{value.digits}, value.real);
    case Value::Kind::Currency:
        return CurrencyText(value.integer, false);
    case Value::Kind::Decimal: {
        std::string text = WithoutTrailingZeros(value.text);
        return text == "-0" ? "0" : text;
    }
    case Value::Kind::Date: {
        CivilTime t = ToCivilTime(value.real);
        std::string text = Format("%04d-%02d-%02d", t.year, t.month, t.day);
        if (t.hour != 0 || t.minute != 0 || t.second != 0) {
            text += Format(" %d:%02d:%02d", t.hour, t.minute, t.second);
        }
        return text;
    }
    case Value::Kind::Text:
    case Value::Kind::Guid:
    case Value::Kind::Binary:
        return value.text;
    }
    return {};
}

std::string ExportCell(const Value& value) {
    switch (value.kind) {
    case Value::Kind::Null:
        return {};
    case Value::Kind::Boolean:
        return value.integer != 0 ? "1" : "0";
    case Value::Kind::Integer:
        return std::to_string(value.integer);
    case Value::Kind::Real:
        return SignificantFixed(value.real, value.digits);
    case Value::Kind::Currency:
        return CurrencyText(value.integer, true);
    case Value::Kind::Decimal:
        return value.text;
    case Value::Kind::Date: {
        CivilTime t = ToCivilTime(value.real);
        return Format("\"%02d/%02d/%02d %02d:%02d:%02d\"", t.month, t.day, t.year % 100, t.hour,
                      t.minute, t.second);
    }
    case Value::Kind::Guid: {
        std::string text = value.text;
        size_t lastDash = text.rfind('-');
        if (lastDash != std::string::npos) {
            text.erase(lastDash, 1);
        }
        return Quoted(text);
    }
    case Value::Kind::Text:
    case Value::Kind::Binary:
        return Quoted(value.text);
    }
    return {};
}

} // namespace catalogue
