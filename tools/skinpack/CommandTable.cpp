#include "tools/skinpack/Commands.h"

#include "tools/skinpack/ToolSupport.h"

#include <algorithm>
#include <array>
#include <ostream>

namespace skinpack {

namespace {

// One entry per subcommand, in the order the overview lists them; a command
// that exists on one platform only is entered under that platform's #ifdef.
constexpr std::array CommandList{
    TCommand{"pack", "pack DIR OUT [--order FILE]", "make a skin package from a folder",
             "DIR holds one .ini file and the .bmp files it names; other files are left out.\n"
             "The bitmaps become entries in order of their names, the INI text the last one.\n"
             "--order FILE: the entries are exactly the files FILE names, one per line, in\n"
             "that order (blank lines and lines starting with # are skipped); a .bmp or\n"
             ".ini file of DIR that FILE does not name is an error.\n",
             RunPack},
    TCommand{"unpack", "unpack PKG DIR", "write every entry of a package into a folder",
             "DIR is created if needed; entries are written under their (lower-case) names.\n"
             "Of two entries with the same name only the first is written, as the skin\n"
             "reader only ever returns that one. Of a package cut off early only the\n"
             "entries before the cut are written; the others are named on stderr and the\n"
             "exit status is 2.\n",
             RunUnpack},
    TCommand{"list", "list PKG", "show the entries of a package",
             "One line per entry, in package order: its name, a tab, its size in bytes.\n"
             "Of a package cut off early the entries past the cut are named on stderr and\n"
             "the exit status is 2.\n",
             RunList},
    TCommand{"compress", "compress IN OUT", "compress a file into a raw LZH stream",
             "OUT gets the 4-byte size of IN followed by the coded bits.\n", RunCompress},
    TCommand{"expand", "expand IN OUT", "expand a raw LZH stream",
             "OUT gets exactly the size the stream states (at most 64 MiB). Of a stream\n"
             "cut off early OUT gets the bytes decoded before the cut, stderr a warning,\n"
             "and the exit status is 2.\n",
             RunExpand},
#ifdef _WIN32
    TCommand{"preview", "preview PKG OUT.png [--scale N]",
             "draw every element of a skin on one sheet",
             "Every element of the skin with its raw bitmap and each state cell rendered\n"
             "nine-sliced at two sizes, labelled, and a small window composed from the frame\n"
             "elements, active and inactive, written as a PNG file.\n"
             "--scale N: the skin as the engine draws it on a screen at N per cent (100 to\n"
             "400): its bitmaps and measures scaled, from 175 on from the double-size art\n"
             "(name@2x.bmp) where the package has it.\n",
             RunPreview},
#endif
};

void PrintOverview(std::ostream& out) {
    out << "usage: skinpack COMMAND ARGS...   (skinpack COMMAND --help for details)\n\n";
    for (const TCommand& command : CommandList) {
        out << "  " << command.synopsis << "\n      " << command.summary << "\n";
    }
}

void PrintHelp(const TCommand& command, std::ostream& out) {
    out << "usage: skinpack " << command.synopsis << "\n"
        << command.summary << ".\n\n"
        << command.details;
}

bool AsksForHelp(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(),
                       [](const std::string& arg) { return arg == "--help" || arg == "-h"; });
}

} // namespace

std::span<const TCommand> AllCommands() {
    return CommandList;
}

int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        PrintOverview(err);
        return 2;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        PrintOverview(out);
        return 0;
    }
    const auto command = std::find_if(CommandList.begin(), CommandList.end(),
                                      [&](const TCommand& c) { return c.name == args[0]; });
    if (command == CommandList.end()) {
        err << "skinpack: unknown command \"" << args[0] << "\"\n";
        PrintOverview(err);
        return 2;
    }
    const TCommandArgs rest(args.begin() + 1, args.end());
    if (AsksForHelp(rest)) {
        PrintHelp(*command, out);
        return 0;
    }
    try {
        return command->run(rest, out, err);
    } catch (const TCutShortError& e) {
        err << "skinpack " << command->name << ": " << e.what() << "\n";
        return CutShortStatus;
    } catch (const TUsageError& e) {
        err << "skinpack " << command->name << ": " << e.what() << "\nusage: skinpack "
            << command->synopsis << "\n";
        return 2;
    } catch (const std::exception& e) {
        err << "skinpack " << command->name << ": " << e.what() << "\n";
    }
    return 1;
}

} // namespace skinpack
