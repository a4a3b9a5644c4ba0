// skinpack: makes, inspects and unpacks skin packages, and converts raw LZH
// streams. Arguments are taken as UTF-8 (on Windows from the wide command line).
#include "tools/skinpack/Commands.h"

#include <filesystem>
#include <iostream>

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::u8string text = std::filesystem::path(argv[i]).u8string();
        args.emplace_back(text.begin(), text.end());
    }
    return skinpack::RunSkinpack(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) {
    return skinpack::RunSkinpack(std::vector<std::string>(argv + 1, argv + argc), std::cout,
                                 std::cerr);
}
#endif
