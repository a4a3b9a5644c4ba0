#include "base/Bytes.h"

namespace base {

void ThrowPastEnd() {
    throw Error("read or write past the end of the data");
}

} // namespace base
