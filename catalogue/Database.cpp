#include "catalogue/Database.h"

#include "catalogue/JetText.h"
#include "catalogue/Row.h"

namespace catalogue {
namespace {

constexpr uint32_t CatalogPage = 2;
constexpr int64_t LocalTableType = 1;
constexpr uint32_t SystemFlags = 0x80000002;
constexpr uint32_t PageMask = 0x00FFFFFF;

const Column& RequireColumn(const TableDef& table, std::string_view name) {
    int index = table.FindColumn(name);
    if (index < 0) {
        ThrowCorrupt();
    }
    return table.columns[static_cast<size_t>(index)];
}

} // namespace

Database::Database(JetFile file) : file_(std::move(file)) {
    TableDef catalog = ReadTableDef(file_, CatalogPage, "MSysObjects");
    const Column& id = RequireColumn(catalog, "Id");
    const Column& name = RequireColumn(catalog, "Name");
    const Column& type = RequireColumn(catalog, "Type");
    const Column& flags = RequireColumn(catalog, "Flags");
    ForEachRow(file_, catalog, [&](Bytes bytes) {
        Row row(catalog, bytes);
        Value typeValue = row.Read(file_, type);
        if (typeValue.kind != Value::Kind::Integer || typeValue.integer != LocalTableType) {
            return;
        }
        Value idValue = row.Read(file_, id);
        Value nameValue = row.Read(file_, name);
        Value flagValue = row.Read(file_, flags);
        if (idValue.kind != Value::Kind::Integer || nameValue.kind != Value::Kind::Text) {
            return;
        }
        auto flagBits = static_cast<uint32_t>(flagValue.integer);
        tables_.push_back({nameValue.text, static_cast<uint32_t>(idValue.integer) & PageMask,
                           (flagBits & SystemFlags) != 0});
    });
}

std::vector<std::string> Database::UserTableNames() const {
    std::vector<std::string> names;
    for (const Entry& entry : tables_) {
        if (!entry.system) {
            names.push_back(entry.name);
        }
    }
    return names;
}

TableDef Database::OpenTable(std::string_view name) const {
    for (const Entry& entry : tables_) {
        if (CompareTextIgnoringCase(entry.name, name) == 0) {
            return ReadTableDef(file_, entry.page, entry.name);
        }
    }
    throw ECatalogueError("The Microsoft Jet database engine cannot find the input table or "
                          "query '" +
                          std::string(name) +
                          "'.  Make sure it exists and that its name is spelled correctly.");
}

} // namespace catalogue
