// Design text from anywhere: the parser answers with a tree or an error, and
// never reads past the text or runs out of stack.
#include "toolkit/DesignText.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        tk::ParseDesign(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz");
    } catch (const std::runtime_error&) {
    }
    return 0;
}
