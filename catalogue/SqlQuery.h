// Runs a parsed SELECT over a database: the rows that meet the condition,
// in the requested order (page order otherwise).
#pragma once

#include "catalogue/Database.h"
#include "catalogue/SqlParser.h"

namespace catalogue {

struct ResultSet {
    TableDef table;
    std::vector<Bytes> rows; // stored rows, pointing into the database's file
};

// Raises ECatalogueError for an unknown table, "No value given for one or
// more required parameters." for an unknown column in the condition (Jet
// takes it for a parameter), a type mismatch in a comparison, or an unknown
// ORDER BY column; ECorruptData for damaged pages.
ResultSet RunSelect(const Database& database, const SqlSelect& select);

} // namespace catalogue
