#include "tests/e2e/FocusCue.h"

namespace e2e {
namespace {

constexpr int Inset = 3;

Box Ring(Box control) {
    return {control.left + Inset, control.top + Inset, control.width - 2 * Inset,
            control.height - 2 * Inset};
}

} // namespace

int CueDots(const Picture& screen, Box control, Rgb colour) {
    const Box ring = Ring(control);
    return CountLike(screen, {ring.left, ring.top, ring.width, 1}, colour) +
           CountLike(screen, {ring.left, ring.Bottom() - 1, ring.width, 1}, colour) +
           CountLike(screen, {ring.left, ring.top + 1, 1, ring.height - 2}, colour) +
           CountLike(screen, {ring.Right() - 1, ring.top + 1, 1, ring.height - 2}, colour);
}

int CueLength(Box control) {
    const Box ring = Ring(control);
    return 2 * ring.width + 2 * (ring.height - 2);
}

bool ShowsFocusCue(const Picture& screen, Box control, Rgb colour) {
    return CueDots(screen, control, colour) * 5 >= CueLength(control) * 2;
}

bool ShowsNoFocusCue(const Picture& screen, Box control, Rgb colour) {
    return CueDots(screen, control, colour) * 10 < CueLength(control);
}

} // namespace e2e
