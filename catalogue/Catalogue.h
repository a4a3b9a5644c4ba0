// The template catalogue, read without the Jet engine.
//
// TCatalogueConnection opens an Access (Jet 4) database from the OLE DB
// connection string the gallery builds:
//   "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<path>;Persist Security
//    Info=False;Jet OLEDB:Database Password=<password>"
// The file is read once, read-only and shared, into memory; the database
// password is checked on Open.
//
// TCatalogueQuery runs one SELECT over a connection:
//   query.Close(); query.SetSql("Select * From Title Where ... Order By ...");
//   query.Open();
//   for (query.First(); !query.Eof(); query.Next()) use(query.FieldByName("Title1"));
// Like a dataset, Next on the last row sets Eof and stays on that row.
// FieldByName gives the column's value as UTF-8 text (NULL as empty text;
// numbers in plain decimal; booleans True/False; dates YYYY-MM-DD H:MM:SS).
// Text comparisons in the condition ignore letter case, as Jet's do.
//
// Error policy of the catalogue library: every reader and writer returns its
// result or raises ECatalogueError (CatalogueError.h), never a status flag or
// another exception type; nothing here shows anything. Damage found deep in
// the reader raises its kind ECorruptData, which the connection and the query
// turn into the message naming the file. The texts are the ones a Jet user
// knows: "Could not find file '<path>'.", "Not a valid password.",
// "Unrecognized database format '<path>'." (not a Jet 4 database),
// "The database '<path>' needs to be repaired or isn't a database file.",
// "Syntax error (missing operator) in query expression '...'." and so on.
// The program decides how the user sees them.
#pragma once

#include "catalogue/CatalogueError.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace catalogue {

class Database;
struct ResultSet;

class TCatalogueConnection {
public:
    TCatalogueConnection();
    ~TCatalogueConnection();
    TCatalogueConnection(const TCatalogueConnection&) = delete;
    TCatalogueConnection& operator=(const TCatalogueConnection&) = delete;

    // Opens the database the connection string names (closing any open one).
    void Open(const std::string& connectionString);
    void Close();
    bool Connected() const { return database_ != nullptr; }

    // Names of the user tables; raises if not connected.
    std::vector<std::string> TableNames() const;

    // The open database; raises "Operation is not allowed when the object is
    // closed." if not connected. An open query keeps the database it read
    // alive, so closing or reopening the connection never leaves it dangling.
    std::shared_ptr<const Database> GetDatabase() const;

private:
    std::shared_ptr<const Database> database_;
};

class TCatalogueQuery {
public:
    // The query reads through `connection`, which must outlive it.
    explicit TCatalogueQuery(const TCatalogueConnection& connection);
    ~TCatalogueQuery();
    TCatalogueQuery(const TCatalogueQuery&) = delete;
    TCatalogueQuery& operator=(const TCatalogueQuery&) = delete;

    void Close();
    // Replaces the SQL text (closing the query).
    void SetSql(const std::string& sql);
    // Runs the SQL text; afterwards the cursor is on the first row.
    void Open();
    bool Active() const { return result_ != nullptr; }

    // Number of rows of the open result.
    int RecordCount() const;
    void First();
    void Next();
    // True when the query is closed, has no rows, or Next moved past the last one.
    bool Eof() const;
    // Value of column `name` (letter case ignored) in the current row; raises
    // "Field '<name>' not found." for a column the table lacks.
    std::string FieldByName(const std::string& name) const;

private:
    void RequireOpen() const;

    const TCatalogueConnection& connection_;
    std::string sql_;
    std::shared_ptr<const Database> database_;
    std::unique_ptr<ResultSet> result_;
    size_t row_ = 0;
    bool eof_ = true;
};

} // namespace catalogue
