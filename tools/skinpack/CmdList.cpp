#include "tools/skinpack/Commands.h"

#include "tools/skinpack/PackageFile.h"
#include "tools/skinpack/ToolSupport.h"

#include <ostream>

namespace skinpack {

int RunList(const TCommandArgs& args, std::ostream& out, std::ostream& err) {
    ExpectPositional(args, 1);
    TSkinReader reader;
    LoadPackageFile(args[0], reader);
    for (std::size_t i = 0; i < reader.Count(); ++i) {
        out << reader.Names()[i] << '\t' << reader.Sizes()[i] << '\n';
    }
    return ReportCutShort(reader, "list", args[0], "are cut off", err);
}

} // namespace skinpack
