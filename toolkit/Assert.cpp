#include "toolkit/Assert.h"

#if KANVIO_ASSERTIONS

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace tk {

void AssertionFailed(const char* expression, const char* file, int line) {
    const std::string text =
        std::string(file) + "(" + std::to_string(line) + "): assertion failed: " + expression;
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    OutputDebugStringA((text + "\n").c_str());
    if (IsDebuggerPresent()) {
        DebugBreak();
    }
    std::abort();
}

} // namespace tk

#endif
