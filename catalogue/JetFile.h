// A Jet 4 database file held in memory: the decoded header page (version,
// database password, page encoding key) and bounds-checked access to pages.
#pragma once

#include "catalogue/Bytes.h"

#include <cstdint>
#include <string>
#include <vector>

namespace catalogue {

inline constexpr size_t JetPageSize = 4096;

class JetFile {
public:
    // Takes the whole file. Raises ECatalogueError if it is not a Jet 4
    // database or ends inside a page (`path` only names the file in messages).
    JetFile(std::vector<uint8_t> bytes, std::string path);

    // Reads the file at `path` (UTF-8), opened read-only and shared with
    // other readers and writers; the handle is closed before returning.
    static JetFile Load(const std::string& path);

    const std::string& Path() const { return path_; }
    uint32_t PageCount() const { return static_cast<uint32_t>(bytes_.size() / JetPageSize); }

    // Page `number`, decoded; raises ECorruptData if there is no such page.
    Bytes Page(uint32_t number) const;

    // The database password (empty when none is set).
    const std::string& Password() const { return password_; }

    // Raises "Not a valid password." unless `given` opens this database: any
    // password opens a database without one; otherwise it must match exactly.
    void CheckPassword(const std::string& given) const;

private:
    std::vector<uint8_t> bytes_;
    std::string path_;
    std::string password_;
};

// The header page fields a writer needs, in the clear; `EncodeHeaderPage`
// applies the masks that Jet 4 stores them under.
struct HeaderFields {
    std::string password;
    uint32_t pageKey = 0;
    double created = 0;
};
std::vector<uint8_t> EncodeHeaderPage(const HeaderFields& fields);

// Encodes or decodes (RC4 is its own inverse) a page of a database whose
// header carries a non-zero page key.
void ApplyPageKey(uint32_t pageKey, uint32_t pageNumber, std::span<uint8_t> page);

} // namespace catalogue
