// Shared helpers of the catalogue tests: where the conformance files are,
// temporary database files built by the writer, and reading results back.
#pragma once

#include "catalogue/Catalogue.h"
#include "catalogue/CsvReader.h"
#include "catalogue/JetWriter.h"
#include "tests/support/TempFolder.h"

#include "base/Path.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace cattest {

inline std::string ConformancePath(const std::string& name) {
    return std::string(CATALOGUE_CONFORMANCE_DIR) + "/" + name;
}

inline std::string ReadFileText(const std::string& path) {
    std::ifstream in(base::PathFromUtf8(path), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

inline std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::string text = ReadFileText(path);
    return {text.begin(), text.end()};
}

// A database file of its own temporary folder (unique across processes),
// removed with the folder when the object goes.
class TempFile {
public:
    explicit TempFile(const std::string& stem)
        : folder_(stem), path_(folder_.FileUtf8(stem + ".mdb")) {}
    const std::string& Path() const { return path_; }

private:
    testsupport::TempFolder folder_;
    std::string path_;
};

inline std::string ConnectionString(const std::string& path, const std::string& password) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + path +
           ";Persist Security Info=False;Jet OLEDB:Database Password=" + password;
}

// Builds a database from `records` into `file` with the writer.
inline void BuildInto(const TempFile& file, const catalogue::CsvRecords& records,
                      const std::string& table, const std::string& password, uint32_t pageKey = 0) {
    catalogue::WriterOptions options;
    options.tableName = table;
    options.password = password;
    options.pageKey = pageKey;
    catalogue::WriteFileBytes(file.Path(), catalogue::BuildDatabase(records, options));
}

// Every row of an open query, each as the values of `columns`.
inline catalogue::CsvRecords ReadRows(catalogue::TCatalogueQuery& query,
                                      const std::vector<std::string>& columns) {
    catalogue::CsvRecords rows;
    for (query.First(); !query.Eof(); query.Next()) {
        std::vector<std::string> row;
        for (const std::string& column : columns) {
            row.push_back(query.FieldByName(column));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

#ifndef _WIN32
// What the independent reader mdb-export prints for a table (empty when it
// fails).
inline std::string MdbExport(const std::string& path, const std::string& table) {
    std::string command = "mdb-export '" + path + "' '" + table + "' 2>/dev/null";
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n = 0;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

inline bool MdbExportInstalled() {
    return std::system("mdb-export --version >/dev/null 2>&1") == 0;
}
#endif

} // namespace cattest
