#include "catalogue/CsvExport.h"

#include "catalogue/Row.h"

namespace catalogue {

void WriteResultCsv(const JetFile& file, const ResultSet& result, std::ostream& out) {
    const std::vector<Column>& columns = result.table.columns;
    for (size_t c = 0; c < columns.size(); ++c) {
        out << (c > 0 ? "," : "") << columns[c].name;
    }
    out << '\n';
    for (Bytes bytes : result.rows) {
        Row row(result.table, bytes);
        for (size_t c = 0; c < columns.size(); ++c) {
            out << (c > 0 ? "," : "") << ExportCell(row.Read(file, columns[c]));
        }
        out << '\n';
    }
}

void WriteTableCsv(const Database& database, std::string_view name, std::ostream& out) {
    SqlSelect select;
    select.table = name;
    WriteResultCsv(database.File(), RunSelect(database, select), out);
}

} // namespace catalogue
