// The OLE DB connection string the gallery builds for the catalogue:
// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<path>;
//  Persist Security Info=False;Jet OLEDB:Database Password=<password>".
#pragma once

#include <string>
#include <string_view>

namespace catalogue {

struct ConnectionSettings {
    std::string dataSource;
    std::string password;
};

// Keys ignore letter case and surrounding spaces; a value may be quoted with
// '"' or '\''. Raises ECatalogueError for a provider other than Jet 4.0 or a
// missing data source.
ConnectionSettings ParseConnectionString(std::string_view text);

} // namespace catalogue
