// A window of known client size in a skin's frame, as it lies on the screen:
// its client area inside borders whose sides and bottom are equally wide
// (true of every skin we ship), the title bar and menu bar above it.
#pragma once

#include "tests/e2e/Desktop.h"

namespace e2e {

// The display scale the journeys' programs run at: ctest's KANVIO_DPI, or 96.
int ScreenDpi();

// A measure of a design, written for 96 DPI, at the journeys' scale.
int Scaled(int designValue);

class FramedWindow {
public:
    // The client size is the design's; on the screen it is at ScreenDpi().
    FramedWindow(const ScreenWindow& window, int clientWidth, int clientHeight);

    Box Window() const { return window_; }
    // A point or a rectangle of the client area in the design's measures,
    // on the screen.
    Point Client(int x, int y) const { return {client_.x + Scaled(x), client_.y + Scaled(y)}; }
    Box ClientBox(int left, int top, int width, int height) const {
        return Box{Scaled(left), Scaled(top), Scaled(width), Scaled(height)}.Moved(client_);
    }
    // Everything between the window's top edge and its client area: the
    // title bar and, if there is one, the menu bar.
    Box AboveClient() const {
        return {window_.left, window_.top, window_.width, client_.y - window_.top};
    }
    int SideBorder() const { return client_.x - window_.left; }

private:
    Box window_;
    Point client_;
};

} // namespace e2e
