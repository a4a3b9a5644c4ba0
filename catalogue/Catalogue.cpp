#include "catalogue/Catalogue.h"

#include "catalogue/ConnectionString.h"
#include "catalogue/Row.h"
#include "catalogue/SqlQuery.h"

namespace catalogue {
namespace {

const char ClosedMessage[] = "Operation is not allowed when the object is closed.";

// Runs `action`, turning damage found deep in the reader into the message
// that names the file.
template <typename Action> auto NamingFile(const std::string& path, Action action) {
    try {
        return action();
    } catch (const ECorruptData&) {
        throw ECatalogueError(CorruptFileMessage(path));
    }
}

} // namespace

TCatalogueConnection::TCatalogueConnection() = default;
TCatalogueConnection::~TCatalogueConnection() = default;

void TCatalogueConnection::Open(const std::string& connectionString) {
    Close();
    ConnectionSettings settings = ParseConnectionString(connectionString);
    JetFile file = JetFile::Load(settings.dataSource);
    file.CheckPassword(settings.password);
    database_ = NamingFile(settings.dataSource,
                           [&] { return std::make_shared<const Database>(std::move(file)); });
}

void TCatalogueConnection::Close() {
    database_.reset();
}

std::shared_ptr<const Database> TCatalogueConnection::GetDatabase() const {
    if (!database_) {
        throw ECatalogueError(ClosedMessage);
    }
    return database_;
}

std::vector<std::string> TCatalogueConnection::TableNames() const {
    return GetDatabase()->UserTableNames();
}

TCatalogueQuery::TCatalogueQuery(const TCatalogueConnection& connection)
    : connection_(connection) {}

TCatalogueQuery::~TCatalogueQuery() = default;

void TCatalogueQuery::Close() {
    result_.reset();
    database_.reset();
    row_ = 0;
    eof_ = true;
}

void TCatalogueQuery::SetSql(const std::string& sql) {
    Close();
    sql_ = sql;
}

void TCatalogueQuery::Open() {
    Close();
    std::shared_ptr<const Database> database = connection_.GetDatabase();
    SqlSelect select = ParseSelect(sql_);
    result_ = NamingFile(database->File().Path(),
                         [&] { return std::make_unique<ResultSet>(RunSelect(*database, select)); });
    database_ = std::move(database);
    First();
}

void TCatalogueQuery::RequireOpen() const {
    if (!result_) {
        throw ECatalogueError(ClosedMessage);
    }
}

int TCatalogueQuery::RecordCount() const {
    RequireOpen();
    return static_cast<int>(result_->rows.size());
}

void TCatalogueQuery::First() {
    RequireOpen();
    row_ = 0;
    eof_ = result_->rows.empty();
}

void TCatalogueQuery::Next() {
    RequireOpen();
    if (row_ + 1 < result_->rows.size()) {
        ++row_;
    } else {
        eof_ = true;
    }
}

bool TCatalogueQuery::Eof() const {
    return eof_;
}

std::string TCatalogueQuery::FieldByName(const std::string& name) const {
    RequireOpen();
    int index = result_->table.FindColumn(name);
    if (index < 0) {
        throw ECatalogueError("Field '" + name + "' not found.");
    }
    if (result_->rows.empty()) {
        return {};
    }
    const JetFile& file = database_->File();
    return NamingFile(file.Path(), [&] {
        Row row(result_->table, result_->rows[row_]);
        return FieldText(row.Read(file, result_->table.columns[static_cast<size_t>(index)]));
    });
}

} // namespace catalogue
