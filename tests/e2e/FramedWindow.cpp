#include "tests/e2e/FramedWindow.h"

#include "base/Scale.h"

#include <cstdlib>
#include <string>

namespace e2e {

int ScreenDpi() {
    const char* dpi = std::getenv("KANVIO_DPI");
    return dpi ? std::stoi(dpi) : 96;
}

int Scaled(int designValue) {
    return base::ScaleMeasure(designValue, ScreenDpi());
}

FramedWindow::FramedWindow(const ScreenWindow& window, int clientWidth, int clientHeight)
    : window_(window.box) {
    const int side = (window_.width - Scaled(clientWidth)) / 2;
    client_ = {window_.left + side, window_.Bottom() - side - Scaled(clientHeight)};
}

} // namespace e2e
