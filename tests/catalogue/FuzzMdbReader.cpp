// Fuzz target: arbitrary bytes as a database file through the whole reader.
#include "tests/catalogue/ExerciseReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cattest::ExerciseReader(std::span<const uint8_t>(data, size));
    return 0;
}
