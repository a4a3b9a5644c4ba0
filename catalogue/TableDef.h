// Table definitions (TDEF pages) and the pages a table owns (usage maps).
#pragma once

#include "catalogue/JetFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

enum class ColumnType : uint8_t {
    Boolean = 0x01,
    Byte = 0x02,
    Integer = 0x03,
    Long = 0x04,
    Currency = 0x05,
    Single = 0x06,
    Double = 0x07,
    DateTime = 0x08,
    Binary = 0x09,
    Text = 0x0A,
    Ole = 0x0B,
    Memo = 0x0C,
    Guid = 0x0F,
    Numeric = 0x10,
};

struct Column {
    std::string name;
    ColumnType type = ColumnType::Text;
    uint16_t number = 0;      // bit in the row's null mask; counts deleted columns
    uint16_t varIndex = 0;    // slot in the row's variable-length offset table
    uint16_t fixedOffset = 0; // offset in the row's fixed-length area
    uint16_t length = 0;      // declared length in bytes
    uint8_t precision = 0;    // Decimal columns: digits in all
    uint8_t scale = 0;        // Decimal columns: digits after the point
    bool fixed = false;
};

struct TableDef {
    std::string name;
    uint32_t definitionPage = 0;
    uint16_t varColumnCount = 0;
    std::vector<Column> columns; // in column-number order
    std::vector<uint32_t> dataPages;

    // Index of the column named `name` (letter case ignored), or -1.
    int FindColumn(std::string_view name) const;
};

// Reads the definition starting at `page`, following continuation pages,
// and the usage map that lists the table's pages.
TableDef ReadTableDef(const JetFile& file, uint32_t page, std::string name);

// The bytes of the row that a data pointer (page << 8 | row) designates.
Bytes ReadRowAt(const JetFile& file, uint32_t dataPointer);

// The pages a usage map (type 0: inline bitmap; type 1: list of bitmap
// pages) marks, in ascending order. A mark past the end of the file means
// the file was cut short: ECorruptData.
std::vector<uint32_t> ReadUsageMap(const JetFile& file, Bytes map);

// Offset table of a data page: the bounds of row `index`, flags stripped.
struct RowSlot {
    uint16_t flags = 0; // 0x4000: pointer to a moved row (or, with 0x8000, deleted)
    uint16_t start = 0;
    uint16_t end = 0;
};
uint16_t RowSlotCount(Bytes page);
RowSlot ReadRowSlot(Bytes page, uint16_t index);

} // namespace catalogue
