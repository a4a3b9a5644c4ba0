#include "catalogue/TableDef.h"

#include "catalogue/JetText.h"

#include <algorithm>

namespace catalogue {
namespace {

constexpr uint8_t TableDefPage = 0x02;
constexpr uint8_t UsageMapPage = 0x05;
constexpr size_t ContinuationHeader = 8;
constexpr size_t RowCountOffset = 12;
constexpr size_t RowTableOffset = 14;
constexpr uint16_t OffsetMask = 0x1FFF;
constexpr size_t ColumnEntrySize = 25;
constexpr size_t PrecisionOffset = 11; // in a Decimal column's entry
constexpr size_t ScaleOffset = 12;
constexpr size_t RealIndexEntrySize = 12;
constexpr size_t ColumnsOffset = 63;
constexpr size_t BitmapPageHeader = 4;

// A definition longer than one page continues on the pages its header
// links; the chain is followed at most once per page of the file.
std::vector<uint8_t> JoinDefinitionPages(const JetFile& file, uint32_t first) {
    std::vector<uint8_t> joined;
    uint32_t page = first;
    for (uint32_t hops = 0; page != 0; ++hops) {
        if (hops > file.PageCount()) {
            ThrowCorrupt();
        }
        Bytes bytes = file.Page(page);
        if (bytes[0] != TableDefPage) {
            ThrowCorrupt();
        }
        size_t skip = joined.empty() ? 0 : ContinuationHeader;
        joined.insert(joined.end(), bytes.begin() + skip, bytes.end());
        page = ReadU32(bytes, 4);
    }
    return joined;
}

} // namespace

int TableDef::FindColumn(std::string_view wanted) const {
    for (size_t i = 0; i < columns.size(); ++i) {
        if (CompareTextIgnoringCase(columns[i].name, wanted) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

uint16_t RowSlotCount(Bytes page) {
    return ReadU16(page, RowCountOffset);
}

RowSlot ReadRowSlot(Bytes page, uint16_t index) {
    uint16_t count = RowSlotCount(page);
    if (index >= count) {
        ThrowCorrupt();
    }
    uint16_t raw = ReadU16(page, RowTableOffset + 2 * size_t{index});
    RowSlot slot;
    slot.flags = raw & ~OffsetMask;
    slot.start = raw & OffsetMask;
    slot.end =
        index == 0 ? JetPageSize : ReadU16(page, RowTableOffset + 2 * (index - 1)) & OffsetMask;
    if (slot.start < RowTableOffset + 2 * size_t{count} || slot.start > slot.end ||
        slot.end > JetPageSize) {
        ThrowCorrupt();
    }
    return slot;
}

Bytes ReadRowAt(const JetFile& file, uint32_t dataPointer) {
    Bytes page = file.Page(dataPointer >> 8);
    RowSlot slot = ReadRowSlot(page, static_cast<uint16_t>(dataPointer & 0xFF));
    return page.subspan(slot.start, slot.end - slot.start);
}

std::vector<uint32_t> ReadUsageMap(const JetFile& file, Bytes map) {
    std::vector<uint32_t> pages;
    auto addBits = [&](Bytes bitmap, uint64_t firstPage) {
        for (size_t byte = 0; byte < bitmap.size(); ++byte) {
            for (int bit = 0; bit < 8; ++bit) {
                if ((bitmap[byte] >> bit & 1) == 0) {
                    continue;
                }
                uint64_t page = firstPage + byte * 8 + bit;
                if (page >= file.PageCount()) {
                    ThrowCorrupt();
                }
                pages.push_back(static_cast<uint32_t>(page));
            }
        }
    };
    uint8_t type = ReadU8(map, 0);
    if (type == 0) {
        addBits(map.subspan(5 <= map.size() ? 5 : map.size()), ReadU32(map, 1));
    } else if (type == 1) {
        const uint64_t pagesPerBitmap = (JetPageSize - BitmapPageHeader) * 8;
        for (size_t i = 0; 1 + 4 * i + 4 <= map.size(); ++i) {
            uint32_t bitmapPage = ReadU32(map, 1 + 4 * i);
            if (bitmapPage == 0) {
                continue;
            }
            Bytes bytes = file.Page(bitmapPage);
            if (bytes[0] != UsageMapPage) {
                ThrowCorrupt();
            }
            addBits(bytes.subspan(BitmapPageHeader), i * pagesPerBitmap);
        }
    } else {
        ThrowCorrupt();
    }
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    return pages;
}

TableDef ReadTableDef(const JetFile& file, uint32_t page, std::string name) {
    std::vector<uint8_t> joined = JoinDefinitionPages(file, page);
    Bytes def(joined);
    TableDef table;
    table.name = std::move(name);
    table.definitionPage = page;
    table.varColumnCount = ReadU16(def, 43);
    uint16_t columnCount = ReadU16(def, 45);
    uint32_t realIndexCount = ReadU32(def, 51);
    uint32_t usedPages = ReadU32(def, 55);
    if (realIndexCount > def.size() / RealIndexEntrySize) {
        ThrowCorrupt();
    }

    size_t entry = ColumnsOffset + size_t{realIndexCount} * RealIndexEntrySize;
    size_t namePos = entry + size_t{columnCount} * ColumnEntrySize;
    for (uint16_t i = 0; i < columnCount; ++i, entry += ColumnEntrySize) {
        Column column;
        column.type = static_cast<ColumnType>(ReadU8(def, entry));
        column.number = ReadU16(def, entry + 5);
        column.varIndex = ReadU16(def, entry + 7);
        column.fixed = (ReadU8(def, entry + 15) & 0x01) != 0;
        column.fixedOffset = ReadU16(def, entry + 21);
        column.length = ReadU16(def, entry + 23);
        if (column.type == ColumnType::Numeric) {
            column.precision = ReadU8(def, entry + PrecisionOffset);
            column.scale = ReadU8(def, entry + ScaleOffset);
        }
        uint16_t nameLength = ReadU16(def, namePos);
        column.name = DecodeJetText(SubBytes(def, namePos + 2, nameLength));
        namePos += 2 + size_t{nameLength};
        table.columns.push_back(std::move(column));
    }
    std::stable_sort(table.columns.begin(), table.columns.end(),
                     [](const Column& a, const Column& b) { return a.number < b.number; });
    if (usedPages != 0) {
        table.dataPages = ReadUsageMap(file, ReadRowAt(file, usedPages));
    }
    return table;
}

} // namespace catalogue
