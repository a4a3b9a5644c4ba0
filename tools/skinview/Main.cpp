// skinview: shows the showcase window in a skin package; see ViewOptions.h
// for the command line. Arguments are taken as UTF-8 from the wide command
// line.
#include "tools/skinview/SkinView.h"
#include "toolkit/Text.h"

#include <iostream>

int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(tk::Narrow(argv[i]));
    }
    try {
        const skinview::TViewOptions options = skinview::ParseViewOptions(args);
        if (options.help) {
            std::cout << skinview::UsageText;
            return 0;
        }
        return skinview::RunSkinView(options, std::cout, std::cerr);
    } catch (const skinview::TUsageError& error) {
        std::cerr << "skinview: " << error.what() << "\n" << skinview::UsageText;
        return 2;
    }
}
