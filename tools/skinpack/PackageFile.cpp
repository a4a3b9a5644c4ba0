#include "tools/skinpack/PackageFile.h"

#include "tools/skinpack/ToolSupport.h"

#include <ostream>

namespace skinpack {

void LoadPackageFile(const std::string& file, TSkinReader& reader) {
    if (reader.Load(ReadWholeFile(PathFromUtf8(file)))) {
        return;
    }
    if (reader.CutShort()) {
        throw TCutShortError(file + ": " + EndsEarly +
                             "; nothing could be read: " + reader.RejectReason());
    }
    throw TToolError(file + ": " + reader.RejectReason());
}

int ReportCutShort(const TSkinReader& reader, std::string_view command, const std::string& file,
                   std::string_view lost, std::ostream& err) {
    if (!reader.CutShort()) {
        return 0;
    }
    err << "skinpack " << command << ": " << file << ": " << EndsEarly;
    const std::size_t whole = reader.WholeEntries();
    if (whole == reader.Count()) {
        err << " after the last entry\n";
    } else {
        err << "; " << reader.Count() - whole << " of " << reader.Count() << " entries " << lost
            << ":";
        for (std::size_t i = whole; i < reader.Count(); ++i) {
            err << ' ' << reader.Names()[i];
        }
        err << '\n';
    }
    return CutShortStatus;
}

} // namespace skinpack
