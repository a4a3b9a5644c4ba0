#include "catalogue/CsvReader.h"

#include "catalogue/CatalogueError.h"

namespace catalogue {

CsvRecords ParseCsv(std::string_view text) {
    CsvRecords records;
    std::vector<std::string> record;
    std::string field;
    size_t line = 1;
    size_t i = 0;
    auto endRecord = [&] {
        record.push_back(std::move(field));
        field.clear();
        records.push_back(std::move(record));
        record.clear();
    };
    while (i < text.size()) {
        char c = text[i];
        if (c == '"' && field.empty()) {
            size_t openedOn = line;
            for (++i;; ++i) {
                if (i >= text.size()) {
                    throw ECatalogueError("CSV: the quoted field starting on line " +
                                          std::to_string(openedOn) + " is not closed.");
                }
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (text[i] == '\n') {
                    ++line;
                }
                field += text[i];
            }
            if (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r') {
                throw ECatalogueError("CSV: unexpected text after a closing quote on line " +
                                      std::to_string(line) + ".");
            }
            continue;
        }
        if (c == ',') {
            record.push_back(std::move(field));
            field.clear();
        } else if (c == '\n' || c == '\r') {
            endRecord();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            ++line;
        } else {
            field += c;
        }
        ++i;
    }
    if (!field.empty() || !record.empty()) {
        endRecord();
    }
    return records;
}

} // namespace catalogue
