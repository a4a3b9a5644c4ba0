// Opening a package file for the commands that read one.
#pragma once

#include "skin/SkinRead/SkinReader.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace skinpack {

// Loads the package file; a package the reader refuses raises TToolError
// with the reader's reason (TCutShortError when the package is cut off).
void LoadPackageFile(const std::string& file, TSkinReader& reader);

// After a command has done what it could with a loaded package: when the
// package is cut off, warns on `err` with the entries it lost (`lost` says
// what became of them) and returns CutShortStatus; 0 otherwise.
int ReportCutShort(const TSkinReader& reader, std::string_view command, const std::string& file,
                   std::string_view lost, std::ostream& err);

} // namespace skinpack
