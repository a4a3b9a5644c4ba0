// Builds a Jet 4 database holding one table, for sample catalogues and
// tests. Columns take their type from the data: a column whose every
// non-empty value is a 32-bit integer becomes Long Integer; any other column
// becomes Text(255), or Memo if a value is longer than 255 characters, unless
// the options declare it a Decimal column. Empty values are stored as NULL. Memos are stored in the
// row, in one long-value page or in a chain of them, by length.
#pragma once

#include "catalogue/CsvReader.h"

#include <cstdint>
#include <string>
#include <vector>

namespace catalogue {

// A column stored as Decimal (NUMERIC) with `precision` digits, `scale` of
// them after the point; its values are decimal texts such as "-12.5".
struct DecimalColumn {
    std::string name;
    uint8_t precision = 18;
    uint8_t scale = 0;
};

struct WriterOptions {
    std::string tableName;
    std::vector<DecimalColumn> decimalColumns;
    std::string password;     // database password, up to 20 characters; empty for none
    uint32_t pageKey = 0;     // non-zero: every page after the header is RC4-encoded
    double created = 46000.5; // creation date (a Jet date); it also masks the password
};

// `records[0]` names the columns; the other records are the rows. Raises
// ECatalogueError for input a Jet 4 table cannot hold.
std::vector<uint8_t> BuildDatabase(const CsvRecords& records, const WriterOptions& options);

// Writes `bytes` to the file at `path` (UTF-8), replacing it.
void WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

} // namespace catalogue
