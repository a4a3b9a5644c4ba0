// Builds a Jet 4 database holding one table, for sample catalogues and
// tests. Columns take their type from the data: a column whose every
// non-empty value is a 32-bit integer becomes Long Integer; any other column
// becomes Text(255), or Memo if a value is longer than 255 characters. Empty
// values are stored as NULL. Memos are stored in the row, in one long-value
// page or in a chain of them, by length.
#pragma once

#include "CsvReader.h"

#include <cstdint>
#include <string>
#include <vector>

namespace catalogue {

struct WriterOptions {
    std::string tableName;
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
