// Drives the whole reader over arbitrary file bytes: open, list tables, dump
// every table (system tables too) and run a query with a condition and an
// order. Shared by the corruption tests and the reader's fuzz target.
#pragma once

#include <cstdint>
#include <span>

namespace cattest {

// Returns true if the bytes read as a database to the end; false if the
// reader refused them with ECatalogueError. Anything else escapes.
bool ExerciseReader(std::span<const uint8_t> bytes);

} // namespace cattest
