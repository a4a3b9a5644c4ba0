#include "PackageFile.h"

#include "ToolSupport.h"

namespace skinpack {

void LoadPackageFile(const std::string& file, TSkinReader& reader) {
    if (!reader.Load(ReadWholeFile(PathFromUtf8(file))))
        throw TToolError(file + ": " + reader.RejectReason());
}

} // namespace skinpack
