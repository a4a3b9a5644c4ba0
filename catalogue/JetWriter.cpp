#include "catalogue/JetWriter.h"

#include "catalogue/Decimal.h"
#include "catalogue/JetFile.h"
#include "catalogue/JetText.h"
#include "catalogue/TableDef.h"

#include "base/Path.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

namespace catalogue {
namespace {

constexpr uint32_t UsageMapPage = 1;
constexpr uint32_t CatalogPage = 2;
constexpr uint32_t CatalogDataPage = 3;
constexpr uint32_t TablePage = 4;
constexpr size_t RowTableOffset = 14;
constexpr size_t MaxTextCharacters = 255;
constexpr uint16_t TextLength = 2 * MaxTextCharacters;
constexpr size_t InlineMemoLimit = 1024;
constexpr size_t LongValueRowLimit = JetPageSize - RowTableOffset - 2;
constexpr size_t ChainChunk = LongValueRowLimit - 4;
constexpr uint32_t TablesContainerId = 0x0F000001;
constexpr uint32_t SystemObjectFlags = 0x80000002;

using Cell = std::optional<std::vector<uint8_t>>;

struct ColumnLayout {
    std::string name;
    ColumnType type;
    bool fixed;
    uint16_t varIndex;
    uint16_t fixedOffset;
    uint16_t length;
    uint8_t precision = 0;
    uint8_t scale = 0;
};

// Jet 4's compressed form (FF FE, then one byte per character) when every
// character fits in a byte and that makes the text shorter; UCS-2 otherwise.
std::vector<uint8_t> EncodeText(const std::string& text) {
    std::vector<uint8_t> wide = Utf8ToUtf16Le(text);
    bool narrow = wide.size() > 4;
    for (size_t i = 0; narrow && i < wide.size(); i += 2) {
        narrow = wide[i] != 0 && wide[i + 1] == 0;
    }
    if (!narrow) {
        return wide;
    }
    std::vector<uint8_t> compressed{0xFF, 0xFE};
    for (size_t i = 0; i < wide.size(); i += 2) {
        compressed.push_back(wide[i]);
    }
    return compressed;
}

bool IsCanonicalInt32(const std::string& text) {
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '-') {
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 10 || (digits.size() > 1 && digits.front() == '0') ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    if (text == "-0") {
        return false;
    }
    long long value = std::stoll(text);
    return value >= INT32_MIN && value <= INT32_MAX;
}

std::vector<ColumnLayout> ChooseColumns(const CsvRecords& records,
                                        const std::vector<DecimalColumn>& decimals) {
    const std::vector<std::string>& header = records.front();
    if (header.empty() || header.size() > 255) {
        throw ECatalogueError("A table needs between 1 and 255 columns.");
    }
    std::vector<ColumnLayout> columns;
    uint16_t fixedOffset = 0;
    uint16_t varIndex = 0;
    for (size_t c = 0; c < header.size(); ++c) {
        if (header[c].empty() || Utf8ToUtf16Le(header[c]).size() > 128) {
            throw ECatalogueError("Column " + std::to_string(c + 1) +
                                  " needs a name of 1 to 64 characters.");
        }
        bool integers = true;
        bool anyValue = false;
        bool longText = false;
        for (size_t r = 1; r < records.size(); ++r) {
            if (c >= records[r].size() || records[r][c].empty()) {
                continue;
            }
            anyValue = true;
            integers = integers && IsCanonicalInt32(records[r][c]);
            longText = longText || Utf8ToUtf16Le(records[r][c]).size() / 2 > MaxTextCharacters;
        }
        ColumnLayout layout{header[c], ColumnType::Text, false, 0, 0, TextLength};
        auto decimal = std::find_if(decimals.begin(), decimals.end(),
                                    [&](const DecimalColumn& d) { return d.name == header[c]; });
        if (decimal != decimals.end()) {
            layout = {header[c], ColumnType::Numeric, true, 0, fixedOffset, DecimalFieldSize};
            layout.precision = decimal->precision;
            layout.scale = decimal->scale;
            fixedOffset += DecimalFieldSize;
        } else if (anyValue && integers) {
            layout = {header[c], ColumnType::Long, true, 0, fixedOffset, 4};
            fixedOffset += 4;
        } else {
            if (longText) {
                layout.type = ColumnType::Memo;
                layout.length = 0;
            }
            layout.varIndex = varIndex++;
        }
        columns.push_back(layout);
    }
    return columns;
}

// Encodes one Jet 4 row: column count, fixed area, variable data, then the
// end of the data, the variable offsets last to first, their count and the
// null mask (a set bit is a present value).
std::vector<uint8_t> EncodeRow(const std::vector<ColumnLayout>& columns,
                               const std::vector<Cell>& cells) {
    size_t fixedSize = 0;
    size_t varCount = 0;
    for (const ColumnLayout& column : columns) {
        if (column.fixed) {
            fixedSize = std::max<size_t>(fixedSize, column.fixedOffset + column.length);
        } else {
            ++varCount;
        }
    }
    std::vector<uint8_t> row(2 + fixedSize, 0);
    base::WriteU16(row, 0, static_cast<uint16_t>(columns.size()));
    std::vector<uint8_t> nullMask((columns.size() + 7) / 8, 0);
    std::vector<uint32_t> offsets(varCount + 1, 0);
    for (size_t c = 0; c < columns.size(); ++c) {
        if (cells[c]) {
            nullMask[c / 8] |= static_cast<uint8_t>(1 << (c % 8));
        }
        if (columns[c].fixed && cells[c]) {
            std::copy(cells[c]->begin(), cells[c]->end(), row.begin() + 2 + columns[c].fixedOffset);
        }
    }
    for (size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].fixed) {
            continue;
        }
        offsets[columns[c].varIndex] = static_cast<uint32_t>(row.size());
        if (cells[c]) {
            row.insert(row.end(), cells[c]->begin(), cells[c]->end());
        }
    }
    if (varCount > 0) {
        base::AppendU16(row, static_cast<uint16_t>(row.size()));
        for (size_t k = varCount; k-- > 0;) {
            base::AppendU16(row, offsets[k]);
        }
        base::AppendU16(row, static_cast<uint16_t>(varCount));
    }
    row.insert(row.end(), nullMask.begin(), nullMask.end());
    return row;
}

// A data page (or long-value page) filled with rows from its end down.
class DataPage {
public:
    explicit DataPage(uint32_t owner) : bytes_(JetPageSize, 0) {
        bytes_[0] = 0x01;
        bytes_[1] = 0x01;
        base::WriteU32(bytes_, 4, owner);
        Update();
    }
    static DataPage LongValues() {
        DataPage page(0);
        std::memcpy(page.bytes_.data() + 4, "LVAL", 4);
        return page;
    }

    bool TryAdd(const std::vector<uint8_t>& row) {
        size_t tableEnd = RowTableOffset + 2 * (rows_ + 1);
        if (rows_ >= 255 || row.size() > end_ || end_ - row.size() < tableEnd) {
            return false;
        }
        end_ -= row.size();
        std::copy(row.begin(), row.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(end_));
        base::WriteU16(bytes_, RowTableOffset + 2 * rows_, static_cast<uint16_t>(end_));
        ++rows_;
        Update();
        return true;
    }
    uint16_t Rows() const { return rows_; }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    void Update() {
        base::WriteU16(bytes_, 12, rows_);
        base::WriteU16(bytes_, 2, static_cast<uint16_t>(end_ - RowTableOffset - 2 * rows_));
    }
    std::vector<uint8_t> bytes_;
    uint16_t rows_ = 0;
    size_t end_ = JetPageSize;
};

std::vector<uint8_t> BuildTableDef(const std::vector<ColumnLayout>& columns, bool system,
                                   uint32_t rowCount, uint32_t usedMap, uint32_t freeMap) {
    std::vector<uint8_t> page(63, 0);
    page[0] = 0x02;
    page[1] = 0x01;
    base::WriteU32(page, 12, 0x0659);
    base::WriteU32(page, 16, rowCount);
    page[24] = 0x01;
    page[40] = system ? 0x53 : 0x4E;
    auto varCount = static_cast<uint32_t>(std::count_if(
        columns.begin(), columns.end(), [](const ColumnLayout& c) { return !c.fixed; }));
    base::WriteU16(page, 41, static_cast<uint16_t>(columns.size()));
    base::WriteU16(page, 43, varCount);
    base::WriteU16(page, 45, static_cast<uint16_t>(columns.size()));
    base::WriteU32(page, 55, usedMap);
    base::WriteU32(page, 59, freeMap);
    for (size_t c = 0; c < columns.size(); ++c) {
        const ColumnLayout& column = columns[c];
        std::vector<uint8_t> entry(25, 0);
        entry[0] = static_cast<uint8_t>(column.type);
        base::WriteU16(entry, 5, static_cast<uint16_t>(c));
        base::WriteU16(entry, 7, column.varIndex);
        base::WriteU16(entry, 9, static_cast<uint16_t>(c));
        bool textual = column.type == ColumnType::Text || column.type == ColumnType::Memo;
        if (textual) {
            base::WriteU16(entry, 11, 0x0409);
        }
        if (column.type == ColumnType::Numeric) {
            entry[11] = column.precision;
            entry[12] = column.scale;
        }
        entry[15] = static_cast<uint8_t>(0x02 | (column.fixed ? 0x01 : 0x00));
        entry[16] = textual ? 0x01 : 0x00;
        base::WriteU16(entry, 21, column.fixedOffset);
        base::WriteU16(entry, 23, column.length);
        page.insert(page.end(), entry.begin(), entry.end());
    }
    for (const ColumnLayout& column : columns) {
        std::vector<uint8_t> name = Utf8ToUtf16Le(column.name);
        base::AppendU16(page, static_cast<uint16_t>(name.size()));
        page.insert(page.end(), name.begin(), name.end());
    }
    base::AppendU16(page, 0xFFFF);
    if (page.size() > JetPageSize - 8) {
        throw ECatalogueError("The table's columns do not fit in one definition page.");
    }
    base::WriteU32(page, 8, static_cast<uint32_t>(page.size()));
    base::WriteU16(page, 2, static_cast<uint16_t>(JetPageSize - page.size() - 8));
    page.resize(JetPageSize, 0);
    return page;
}

std::vector<uint8_t> UsageMap(const std::vector<uint32_t>& pages, uint32_t pageCount) {
    std::vector<uint8_t> map(5 + (pageCount + 7) / 8, 0);
    for (uint32_t page : pages) {
        map[5 + page / 8] |= static_cast<uint8_t>(1 << (page % 8));
    }
    return map;
}

// Pages of the file being built, numbered from 0.
class FileBuilder {
public:
    uint32_t Reserve() {
        pages_.emplace_back();
        return static_cast<uint32_t>(pages_.size() - 1);
    }
    void Set(uint32_t number, std::vector<uint8_t> bytes) { pages_[number] = std::move(bytes); }
    uint32_t Count() const { return static_cast<uint32_t>(pages_.size()); }
    std::vector<uint8_t> Join(uint32_t pageKey) {
        std::vector<uint8_t> file;
        file.reserve(pages_.size() * JetPageSize);
        for (uint32_t n = 0; n < pages_.size(); ++n) {
            if (pageKey != 0 && n > 0) {
                ApplyPageKey(pageKey, n, pages_[n]);
            }
            file.insert(file.end(), pages_[n].begin(), pages_[n].end());
        }
        return file;
    }

private:
    std::vector<std::vector<uint8_t>> pages_;
};

// Stores a memo's text and returns the 12-byte field that refers to it.
std::vector<uint8_t> StoreMemo(FileBuilder& file, const std::string& text) {
    std::vector<uint8_t> data = EncodeText(text);
    auto length = static_cast<uint32_t>(data.size());
    if (data.size() <= InlineMemoLimit) {
        std::vector<uint8_t> field(12 + data.size(), 0);
        base::WriteU32(field, 0, length | 0x80000000u);
        std::copy(data.begin(), data.end(), field.begin() + 12);
        return field;
    }
    std::vector<uint8_t> field(12, 0);
    if (data.size() <= LongValueRowLimit) {
        uint32_t number = file.Reserve();
        DataPage page = DataPage::LongValues();
        page.TryAdd(data);
        file.Set(number, page.Bytes());
        base::WriteU32(field, 0, length | 0x40000000u);
        base::WriteU32(field, 4, number << 8);
        return field;
    }
    size_t chunks = (data.size() + ChainChunk - 1) / ChainChunk;
    std::vector<uint32_t> numbers;
    for (size_t i = 0; i < chunks; ++i) {
        numbers.push_back(file.Reserve());
    }
    for (size_t i = 0; i < chunks; ++i) {
        std::vector<uint8_t> row;
        base::AppendU32(row, i + 1 < chunks ? numbers[i + 1] << 8 : 0);
        size_t start = i * ChainChunk;
        size_t end = std::min(data.size(), start + ChainChunk);
        row.insert(row.end(), data.begin() + static_cast<std::ptrdiff_t>(start),
                   data.begin() + static_cast<std::ptrdiff_t>(end));
        DataPage page = DataPage::LongValues();
        page.TryAdd(row);
        file.Set(numbers[i], page.Bytes());
    }
    base::WriteU32(field, 0, length);
    base::WriteU32(field, 4, numbers.front() << 8);
    return field;
}

std::vector<uint8_t> LittleEndian32(uint32_t value) {
    std::vector<uint8_t> bytes;
    base::AppendU32(bytes, value);
    return bytes;
}

std::vector<ColumnLayout> CatalogColumns() {
    return {
        {"Id", ColumnType::Long, true, 0, 0, 4},      {"ParentId", ColumnType::Long, true, 0, 4, 4},
        {"Name", ColumnType::Text, false, 0, 0, 256}, {"Type", ColumnType::Integer, true, 0, 8, 2},
        {"Flags", ColumnType::Long, true, 0, 10, 4},  {"LvProp", ColumnType::Ole, false, 1, 0, 0}};
}

std::vector<uint8_t> CatalogRow(uint32_t id, const std::string& name, bool system) {
    std::vector<uint8_t> type{1, 0};
    return EncodeRow(CatalogColumns(),
                     {LittleEndian32(id), LittleEndian32(TablesContainerId), EncodeText(name), type,
                      LittleEndian32(system ? SystemObjectFlags : 0), std::nullopt});
}

} // namespace

std::vector<uint8_t> BuildDatabase(const CsvRecords& records, const WriterOptions& options) {
    if (records.empty()) {
        throw ECatalogueError("The CSV text has no header line.");
    }
    if (options.tableName.empty() || Utf8ToUtf16Le(options.tableName).size() > 128) {
        throw ECatalogueError("The table needs a name of 1 to 64 characters.");
    }
    std::vector<ColumnLayout> columns = ChooseColumns(records, options.decimalColumns);

    FileBuilder file;
    for (uint32_t page = 0; page <= TablePage; ++page) {
        file.Reserve();
    }
    std::vector<uint32_t> dataPages;
    std::optional<DataPage> current;
    uint32_t currentNumber = 0;
    auto flush = [&] {
        if (current) {
            file.Set(currentNumber, current->Bytes());
        }
    };
    for (size_t r = 1; r < records.size(); ++r) {
        const std::vector<std::string>& record = records[r];
        if (record.size() > columns.size()) {
            throw ECatalogueError("CSV line " + std::to_string(r + 1) +
                                  " has more fields than "
                                  "the header.");
        }
        std::vector<Cell> cells(columns.size());
        for (size_t c = 0; c < record.size(); ++c) {
            if (record[c].empty()) {
                continue;
            }
            if (columns[c].type == ColumnType::Long) {
                cells[c] = LittleEndian32(static_cast<uint32_t>(std::stol(record[c])));
            } else if (columns[c].type == ColumnType::Numeric) {
                cells[c] = EncodeDecimal(record[c], columns[c].precision, columns[c].scale);
            } else if (columns[c].type == ColumnType::Memo) {
                cells[c] = StoreMemo(file, record[c]);
            } else {
                cells[c] = EncodeText(record[c]);
            }
        }
        std::vector<uint8_t> row = EncodeRow(columns, cells);
        if (!current || !current->TryAdd(row)) {
            flush();
            current.emplace(TablePage);
            currentNumber = file.Reserve();
            dataPages.push_back(currentNumber);
            if (!current->TryAdd(row)) {
                throw ECatalogueError("CSV line " + std::to_string(r + 1) +
                                      " is too long for one row.");
            }
        }
    }
    flush();

    DataPage catalogData(CatalogPage);
    catalogData.TryAdd(CatalogRow(CatalogPage, "MSysObjects", true));
    catalogData.TryAdd(CatalogRow(TablePage, options.tableName, false));
    file.Set(CatalogDataPage, catalogData.Bytes());

    uint32_t pageCount = file.Count();
    DataPage maps(0);
    maps.TryAdd(UsageMap({CatalogDataPage}, pageCount));
    maps.TryAdd(UsageMap({}, pageCount));
    maps.TryAdd(UsageMap(dataPages, pageCount));
    maps.TryAdd(UsageMap({}, pageCount));
    if (maps.Rows() != 4) {
        throw ECatalogueError("The table has too many pages for this writer.");
    }
    file.Set(UsageMapPage, maps.Bytes());
    file.Set(CatalogPage,
             BuildTableDef(CatalogColumns(), true, 2, UsageMapPage << 8, UsageMapPage << 8 | 1));
    file.Set(TablePage, BuildTableDef(columns, false, static_cast<uint32_t>(records.size() - 1),
                                      UsageMapPage << 8 | 2, UsageMapPage << 8 | 3));
    file.Set(0, EncodeHeaderPage({options.password, options.pageKey, options.created}));
    return file.Join(options.pageKey);
}

void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::filesystem::path fsPath = base::PathFromUtf8(path);
    std::ofstream out(fsPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        throw ECatalogueError("Could not write file '" + path + "'.");
    }
}

} // namespace catalogue
