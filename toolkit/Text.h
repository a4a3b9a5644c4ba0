// UTF-8 inside, UTF-16 at the Windows boundary: the toolkit's names for the
// conversions of base/Text.h (invalid input becomes U+FFFD).
#pragma once

#include "base/Text.h"

#include <string>
#include <string_view>

namespace tk {

inline std::wstring Widen(std::string_view utf8) {
    return base::Utf8ToUtf16<wchar_t>(utf8);
}

inline std::string Narrow(std::wstring_view wide) {
    return base::Utf16ToUtf8(wide);
}

} // namespace tk
