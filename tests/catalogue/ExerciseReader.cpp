#include "tests/catalogue/ExerciseReader.h"

#include "catalogue/CsvExport.h"
#include "catalogue/Database.h"

#include <sstream>

namespace cattest {

bool ExerciseReader(std::span<const uint8_t> bytes) {
    try {
        catalogue::Database database(
            catalogue::JetFile(std::vector<uint8_t>(bytes.begin(), bytes.end()), "fuzz.mdb"));
        std::vector<std::string> tables = database.UserTableNames();
        tables.push_back("MSysObjects");
        for (const std::string& table : tables) {
            std::ostringstream out;
            catalogue::WriteTableCsv(database, table, out);
        }
        catalogue::TableDef table = database.OpenTable(tables.front());
        if (!table.columns.empty()) {
            std::string column = "[" + table.columns.front().name + "]";
            catalogue::SqlSelect select = catalogue::ParseSelect(
                "SELECT * FROM [" + tables.front() + "] WHERE " + column + " = " + column +
                " OR NOT " + column + " <> " + column + " ORDER BY " + column + " DESC");
            catalogue::RunSelect(database, select);
        }
        return true;
    } catch (const catalogue::ECatalogueError&) {
        return false;
    }
}

} // namespace cattest
