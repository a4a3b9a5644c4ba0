// CSV output in mdb-export's default form: a header of bare column names,
// then one line per row, cells as ExportCell writes them, LF line ends.
#pragma once

#include "catalogue/SqlQuery.h"

#include <ostream>
#include <string_view>

namespace catalogue {

void WriteResultCsv(const JetFile& file, const ResultSet& result, std::ostream& out);

// Every row of table `name`, in stored order.
void WriteTableCsv(const Database& database, std::string_view name, std::ostream& out);

} // namespace catalogue
