#include "catalogue/ConnectionString.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/JetText.h"

namespace catalogue {

namespace {

constexpr char Malformed[] = "The connection string is not well formed: each part must be "
                             "a name, '=' and a value, and quoted values must be closed.";

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

ConnectionSettings ParseConnectionString(std::string_view text) {
    ConnectionSettings settings;
    bool haveProvider = false;
    bool haveSource = false;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t equals = text.find('=', pos);
        size_t semicolon = text.find(';', pos);
        if (equals == std::string_view::npos || equals > semicolon) {
            if (!Trim(text.substr(pos, semicolon - pos)).empty()) {
                throw ECatalogueError(Malformed);
            }
            pos = semicolon == std::string_view::npos ? text.size() : semicolon + 1;
            continue;
        }
        std::string_view key = Trim(text.substr(pos, equals - pos));
        size_t valueStart = equals + 1;
        while (valueStart < text.size() && text[valueStart] == ' ') {
            ++valueStart;
        }
        std::string value;
        if (valueStart < text.size() && (text[valueStart] == '"' || text[valueStart] == '\'')) {
            char quote = text[valueStart];
            size_t close = text.find(quote, valueStart + 1);
            if (close == std::string_view::npos) {
                throw ECatalogueError(Malformed);
            }
            value = text.substr(valueStart + 1, close - valueStart - 1);
            pos = text.find(';', close);
        } else {
            size_t end = text.find(';', valueStart);
            value =
                Trim(text.substr(valueStart, end == std::string_view::npos ? std::string_view::npos
                                                                           : end - valueStart));
            pos = end;
        }
        pos = pos == std::string_view::npos ? text.size() : pos + 1;

        if (CompareTextIgnoringCase(key, "Provider") == 0) {
            haveProvider = true;
            if (CompareTextIgnoringCase(value, "Microsoft.Jet.OLEDB.4.0") != 0) {
                throw ECatalogueError("Provider cannot be found. It may not be properly "
                                      "installed.");
            }
        } else if (CompareTextIgnoringCase(key, "Data Source") == 0) {
            haveSource = true;
            settings.dataSource = value;
        } else if (CompareTextIgnoringCase(key, "Jet OLEDB:Database Password") == 0) {
            settings.password = value;
        }
    }
    if (!haveProvider) {
        throw ECatalogueError("Provider cannot be found. It may not be properly installed.");
    }
    if (!haveSource || settings.dataSource.empty()) {
        throw ECatalogueError("Could not find file ''.");
    }
    return settings;
}

} // namespace catalogue
