// One stored row of a table and the values of its columns.
#pragma once

#include "catalogue/Value.h"

namespace catalogue {

// A row split into its parts. Jet 4 rows hold the column count, the fixed
// columns, the variable columns, then (read from the end) the null mask,
// the variable-column count and the offsets of the variable columns.
class Row {
public:
    // Raises ECorruptData if the row's own layout does not fit its bytes.
    Row(const TableDef& table, Bytes bytes);

    // The value of `column` (one of the table's columns); memo and OLE
    // values are fetched from their long-value pages in `file`.
    Value Read(const JetFile& file, const Column& column) const;

private:
    bool HasBit(uint16_t number) const;
    Bytes VarBytes(uint16_t index) const;

    Bytes bytes_;
    uint16_t columnCount_ = 0;
    Bytes nullMask_;
    uint16_t varCount_ = 0;
    size_t varTableEnd_ = 0; // offset just past the first variable offset entry
};

// Row-slot flag of a pointer to a moved row, and of a deleted row.
inline constexpr uint16_t RowPointerFlag = 0x4000;

bool IsTableDataPage(Bytes page, const TableDef& table);

// Visits every live row of `table` in page order. A row moved to another
// page is visited where it now lies; the pointer left in its old place and
// deleted rows are skipped.
template <typename Visit> void ForEachRow(const JetFile& file, const TableDef& table, Visit visit) {
    for (uint32_t pageNumber : table.dataPages) {
        Bytes page = file.Page(pageNumber);
        if (!IsTableDataPage(page, table)) {
            continue;
        }
        uint16_t count = RowSlotCount(page);
        for (uint16_t i = 0; i < count; ++i) {
            RowSlot slot = ReadRowSlot(page, i);
            if ((slot.flags & RowPointerFlag) != 0) {
                continue;
            }
            visit(page.subspan(slot.start, slot.end - slot.start));
        }
    }
}

} // namespace catalogue
