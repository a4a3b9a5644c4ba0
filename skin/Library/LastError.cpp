#include "skin/Library/LastError.h"

#include "toolkit/Text.h"

namespace skinlib {
namespace {

thread_local std::wstring ThreadLastError;

} // namespace

void SetLastError(const std::string& text) {
    ThreadLastError = tk::Widen(text);
}

void ClearLastError() {
    ThreadLastError.clear();
}

const wchar_t* LastError() {
    return ThreadLastError.c_str();
}

} // namespace skinlib
