#include "tests/e2e/FramedWindow.h"

namespace e2e {

FramedWindow::FramedWindow(const ScreenWindow& window, int clientWidth, int clientHeight)
    : window_(window.box) {
    const int side = (window_.width - clientWidth) / 2;
    client_ = {window_.left + side, window_.Bottom() - side - clientHeight};
}

} // namespace e2e
