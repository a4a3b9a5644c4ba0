// While a PoisonedFrees lives, every block this program frees is overwritten
// first, so code that still uses an object after it was freed reads garbage
// (and calls through a garbage table of virtual functions) at once instead
// of reading the stale, still intact object by luck.
#pragma once

namespace controlstest {

class PoisonedFrees {
public:
    PoisonedFrees();
    ~PoisonedFrees();
    PoisonedFrees(const PoisonedFrees&) = delete;
    PoisonedFrees& operator=(const PoisonedFrees&) = delete;
};

} // namespace controlstest
