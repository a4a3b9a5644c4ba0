#include "tools/catalogue/ToolPlatform.h"

#ifdef _WIN32
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include "base/Text.h"

#include <cstdio>
#include <memory>

namespace {

struct LocalFreeDeleter {
    void operator()(wchar_t** p) const { LocalFree(p); }
};

} // namespace

std::vector<std::string> Utf8Arguments(int, char**) {
    int count = 0;
    std::unique_ptr<wchar_t*, LocalFreeDeleter> args(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> out;
    for (int i = 0; args && i < count; ++i) {
        out.push_back(base::Utf16ToUtf8(std::wstring_view(args.get()[i])));
    }
    return out;
}

void UseBinaryStdout() {
    _setmode(_fileno(stdout), _O_BINARY);
}

#else

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return {argv, argv + argc};
}

void UseBinaryStdout() {}

#endif
