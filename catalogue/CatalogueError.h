// The exception types of the catalogue library. Messages are the texts a
// user of the Jet engine would see for the same fault.
#pragma once

#include <stdexcept>
#include <string>

namespace catalogue {

class ECatalogueError : public std::runtime_error {
public:
    explicit ECatalogueError(const std::string& message) : std::runtime_error(message) {}
};

// Raised deep in the reader, where the file's name is not known; the
// connection and the query turn it into the full text naming the file.
class ECorruptData : public ECatalogueError {
public:
    ECorruptData()
        : ECatalogueError("The database needs to be repaired or isn't a database file.") {}
};

// Message for a file whose structure is damaged.
std::string CorruptFileMessage(const std::string& path);

} // namespace catalogue
