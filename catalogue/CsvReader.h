// Reads CSV text: fields separated by commas, records by LF or CR LF;
// a field in double quotes may hold commas, line breaks and "" for a quote.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

using CsvRecords = std::vector<std::vector<std::string>>;

// Raises ECatalogueError for a quoted field that is never closed or text
// after a closing quote.
CsvRecords ParseCsv(std::string_view text);

} // namespace catalogue
