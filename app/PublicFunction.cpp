#include "app/PublicFunction.h"

#include "catalogue/Catalogue.h"

namespace gallery {

std::string BuildConnectionString(std::string_view path, std::string_view password) {
    std::string text = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
    text += path;
    text += ";Persist Security Info=False;Jet OLEDB:Database Password=";
    text += password;
    return text;
}

bool RunQuery(catalogue::TCatalogueQuery& query, const std::string& sql,
              const std::string& errorMessage, const MessageSink& showMessage) {
    try {
        query.Close();
        query.SetSql(sql);
        query.Open();
        return true;
    } catch (const std::exception&) {
        query.Close();
        showMessage(errorMessage);
        return false;
    }
}

} // namespace gallery
