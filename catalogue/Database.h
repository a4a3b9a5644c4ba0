// An open Jet 4 database: the file and its system catalogue (MSysObjects),
// from which tables are found by name.
#pragma once

#include "catalogue/TableDef.h"

#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

class Database {
public:
    // Reads the system catalogue; raises ECorruptData if it is damaged.
    explicit Database(JetFile file);

    const JetFile& File() const { return file_; }

    // Names of the user's tables (system tables left out), in catalogue order.
    std::vector<std::string> UserTableNames() const;

    // The definition of table `name` (letter case ignored; system tables
    // included). Raises the Jet engine's "cannot find the input table" error.
    TableDef OpenTable(std::string_view name) const;

private:
    struct Entry {
        std::string name;
        uint32_t page;
        bool system;
    };
    JetFile file_;
    std::vector<Entry> tables_;
};

} // namespace catalogue
