// Opening a package file for the commands that read one.
#pragma once

#include "SkinRead/SkinReader.h"

#include <string>

namespace skinpack {

// Loads the package file; a package the reader refuses raises TToolError
// with the reader's reason.
void LoadPackageFile(const std::string& file, TSkinReader& reader);

} // namespace skinpack
