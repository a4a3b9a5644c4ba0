#include "catalogue/Row.h"

#include "catalogue/Decimal.h"
#include "catalogue/JetText.h"

#include <cstdio>
#include <cstring>
#include <unordered_set>

namespace catalogue {
namespace {

constexpr uint8_t DataPageType = 0x01;
constexpr uint32_t MemoLengthMask = 0x3FFFFFFF;
constexpr uint8_t MemoInline = 0x80;
constexpr uint8_t MemoSingleRow = 0x40;
constexpr size_t MemoHeader = 12;

size_t FixedSize(const Column& column) {
    switch (column.type) {
    case ColumnType::Boolean:
        return 0;
    case ColumnType::Byte:
        return 1;
    case ColumnType::Integer:
        return 2;
    case ColumnType::Long:
    case ColumnType::Single:
        return 4;
    case ColumnType::Currency:
    case ColumnType::Double:
    case ColumnType::DateTime:
        return 8;
    case ColumnType::Guid:
        return 16;
    case ColumnType::Numeric:
        return DecimalFieldSize;
    default:
        return column.length;
    }
}

// Long values: stored in the row (inline), in one row of a long-value page,
// or in a chain of rows each starting with the pointer to the next. The
// chain may visit each row once (so it holds no more than the file) and is
// not followed past the stated length.
std::vector<uint8_t> ReadLongValue(const JetFile& file, Bytes field) {
    uint32_t word = ReadU32(field, 0);
    uint32_t length = word & MemoLengthMask;
    uint8_t kind = static_cast<uint8_t>(word >> 24) & 0xC0;
    if (kind == MemoInline) {
        Bytes data =
            SubBytes(field, MemoHeader, std::min<size_t>(length, field.size() - MemoHeader));
        return {data.begin(), data.end()};
    }
    uint32_t pointer = ReadU32(field, 4);
    if (kind == MemoSingleRow) {
        Bytes row = ReadRowAt(file, pointer);
        row = row.first(std::min<size_t>(length, row.size()));
        return {row.begin(), row.end()};
    }
    std::vector<uint8_t> data;
    std::unordered_set<uint32_t> visited;
    while (pointer != 0 && data.size() < length) {
        if (!visited.insert(pointer).second) {
            ThrowCorrupt();
        }
        Bytes row = ReadRowAt(file, pointer);
        pointer = ReadU32(row, 0);
        data.insert(data.end(), row.begin() + 4, row.end());
    }
    if (data.size() > length) {
        data.resize(length);
    }
    return data;
}

double ReadDoubleAt(Bytes bytes) {
    uint64_t bits = ReadU64(bytes, 0);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string GuidText(Bytes b) {
    static const char digits[] = "0123456789ABCDEF";
    // The first three groups are stored little-endian.
    static const int order[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    std::string text = "{";
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) {
            text += '-';
        }
        text += digits[b[order[i]] >> 4];
        text += digits[b[order[i]] & 0xF];
    }
    return text + "}";
}

std::string UnknownTypeMessage(const Column& column) {
    char type[8];
    std::snprintf(type, sizeof type, "0x%02X", static_cast<unsigned>(column.type));
    return "Column '" + column.name + "' has a data type (" + type + ") this reader does not know.";
}

} // namespace

bool IsTableDataPage(Bytes page, const TableDef& table) {
    return page[0] == DataPageType && ReadU32(page, 4) == table.definitionPage;
}

Row::Row(const TableDef& table, Bytes bytes) : bytes_(bytes) {
    columnCount_ = ReadU16(bytes, 0);
    size_t maskLength = (size_t{columnCount_} + 7) / 8;
    if (bytes.size() < 2 + maskLength) {
        ThrowCorrupt();
    }
    nullMask_ = bytes.last(maskLength);
    if (table.varColumnCount > 0) {
        size_t countAt = bytes.size() - maskLength;
        if (countAt < 4) {
            ThrowCorrupt();
        }
        countAt -= 2;
        varCount_ = ReadU16(bytes, countAt);
        if (size_t{varCount_} * 2 + 2 > countAt) {
            ThrowCorrupt();
        }
        varTableEnd_ = countAt;
    }
}

bool Row::HasBit(uint16_t number) const {
    return number < columnCount_ && (nullMask_[number / 8] >> (number % 8) & 1) != 0;
}

// Variable column `index` runs from its offset to the next one; the last
// entry of the table is the end of the variable data.
Bytes Row::VarBytes(uint16_t index) const {
    size_t start = ReadU16(bytes_, varTableEnd_ - 2 - 2 * size_t{index});
    size_t end = ReadU16(bytes_, varTableEnd_ - 4 - 2 * size_t{index});
    if (start > end) {
        ThrowCorrupt();
    }
    return SubBytes(bytes_, start, end - start);
}

Value Row::Read(const JetFile& file, const Column& column) const {
    Value value;
    if (column.type == ColumnType::Boolean) {
        value.kind = Value::Kind::Boolean;
        value.integer = HasBit(column.number) ? 1 : 0;
        return value;
    }
    if (!HasBit(column.number)) {
        return value;
    }
    Bytes data;
    if (column.fixed) {
        data = SubBytes(bytes_, 2 + size_t{column.fixedOffset}, FixedSize(column));
    } else if (column.varIndex < varCount_) {
        data = VarBytes(column.varIndex);
    } else {
        return value;
    }

    switch (column.type) {
    case ColumnType::Byte:
        value.kind = Value::Kind::Integer;
        value.integer = ReadU8(data, 0);
        break;
    case ColumnType::Integer:
        value.kind = Value::Kind::Integer;
        value.integer = static_cast<int16_t>(ReadU16(data, 0));
        break;
    case ColumnType::Long:
        value.kind = Value::Kind::Integer;
        value.integer = static_cast<int32_t>(ReadU32(data, 0));
        break;
    case ColumnType::Currency:
        value.kind = Value::Kind::Currency;
        value.integer = static_cast<int64_t>(ReadU64(data, 0));
        break;
    case ColumnType::Single: {
        uint32_t bits = ReadU32(data, 0);
        float single = 0;
        std::memcpy(&single, &bits, sizeof single);
        value.kind = Value::Kind::Real;
        value.real = single;
        value.digits = 6;
        break;
    }
    case ColumnType::Double:
        value.kind = Value::Kind::Real;
        value.real = ReadDoubleAt(data);
        break;
    case ColumnType::DateTime:
        value.kind = Value::Kind::Date;
        value.real = ReadDoubleAt(data);
        break;
    case ColumnType::Text:
        value.kind = Value::Kind::Text;
        value.text = DecodeJetText(data);
        break;
    case ColumnType::Memo: {
        std::vector<uint8_t> stored = ReadLongValue(file, data);
        value.kind = Value::Kind::Text;
        value.text = DecodeJetText(stored);
        break;
    }
    case ColumnType::Ole: {
        std::vector<uint8_t> stored = ReadLongValue(file, data);
        value.kind = Value::Kind::Binary;
        value.text.assign(stored.begin(), stored.end());
        break;
    }
    case ColumnType::Guid:
        value.kind = Value::Kind::Guid;
        value.text = GuidText(SubBytes(data, 0, 16));
        break;
    case ColumnType::Numeric:
        value.kind = Value::Kind::Decimal;
        value.text = DecimalText(data, column.scale);
        value.real = DecimalNumber(value.text);
        break;
    case ColumnType::Binary:
        value.kind = Value::Kind::Binary;
        value.text.assign(data.begin(), data.end());
        break;
    default:
        throw ECatalogueError(UnknownTypeMessage(column));
    }
    return value;
}

} // namespace catalogue
