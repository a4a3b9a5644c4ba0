#include "skin/Library/LastError.h"

#include "toolkit/Text.h"

namespace skinlib {
namespace {

thread_local std::wstring lastError;

} // namespace

void SetLastError(const std::string& text) {
    lastError = tk::Widen(text);
}

void ClearLastError() {
    lastError.clear();
}

const wchar_t* LastError() {
    return lastError.c_str();
}

} // namespace skinlib
