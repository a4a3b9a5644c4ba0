// Query and connection helpers of the gallery.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace catalogue {
class TCatalogueQuery;
}

namespace gallery {

// The OLE DB connection string for the catalogue file and its password.
std::string BuildConnectionString(std::string_view path, std::string_view password);

// Shows a plain message box (OK button) with the text; the program sets it,
// tests replace it to see what the user would have been told.
using MessageSink = std::function<void(const std::string&)>;

// Closes the query, gives it the one line of SQL and opens it. If anything in
// this raises, shows `errorMessage` through `showMessage`, leaves the query
// closed and returns false.
bool RunQuery(catalogue::TCatalogueQuery& query, const std::string& sql,
              const std::string& errorMessage, const MessageSink& showMessage);

} // namespace gallery
