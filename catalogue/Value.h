// A column value as read from a row, and its two text forms: the one a
// query hands out (as ADO's "field as string" does) and the one mdb-export
// prints in CSV.
#pragma once

#include "catalogue/TableDef.h"

#include <cstdint>
#include <string>

namespace catalogue {

struct Value {
    enum class Kind : uint8_t {
        Null,
        Boolean,
        Integer,
        Real,
        Currency,
        Decimal,
        Date,
        Text,
        Guid,
        Binary
    };
    Kind kind = Kind::Null;
    int64_t integer = 0; // Boolean (0 or 1), Integer, Currency (in 1/10000)
    double real = 0;     // Real, Decimal, Date (days since 1899-12-30; fraction is the time)
    std::string text;    // Text (UTF-8), Guid ({8-4-4-4-12} hex digits), Binary (raw bytes),
                         // Decimal (exact, with all the column's decimals: "-1.50")
    uint8_t digits = 15; // significant digits the stored Real holds (6 for Single)

    bool IsNull() const { return kind == Kind::Null; }
    bool IsNumeric() const {
        return kind == Kind::Boolean || kind == Kind::Integer || kind == Kind::Real ||
               kind == Kind::Currency || kind == Kind::Decimal || kind == Kind::Date;
    }
    // Numeric value; Jet's True is -1.
    double AsDouble() const;
};

// Field text: NULL is empty, True/False for booleans, numbers (decimals too)
// without needless digits, dates as YYYY-MM-DD with " H:MM:SS" when there is a time.
std::string FieldText(const Value& value);

// mdb-export's CSV cell: text-like values quoted with '"' doubled inside,
// numbers bare, currency with four decimals, decimals with all the column's
// decimals, dates as MM/DD/YY HH:MM:SS, GUIDs without their last dash
// (mdb-export's own form).
std::string ExportCell(const Value& value);

} // namespace catalogue
