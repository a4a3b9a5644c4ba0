#include "skin/ImgUtil/DibMemory.h"

namespace skin::detail {

DibMemory MakeNativeDib(int, int, int, int, const uint8_t*) {
    return {};
}

void FreeNativeDib(void*) {}

} // namespace skin::detail
