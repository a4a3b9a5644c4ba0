// UTF-8 inside, UTF-16 at the Windows boundary.
#pragma once

#include <string>
#include <string_view>

namespace tk {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

} // namespace tk
