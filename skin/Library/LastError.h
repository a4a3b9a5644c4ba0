// The text KanvioSkinLastError answers: one per thread, replaced by each
// call of the interface (emptied by one that succeeds).
#pragma once

#include <string>

namespace skinlib {

void SetLastError(const std::string& text);
void ClearLastError();
const wchar_t* LastError();

} // namespace skinlib
