#include "tests/e2e/Desktop.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace e2e {
namespace {

using namespace std::chrono_literals;

// How long Xvfb may take to say which display it took.
constexpr int ServerStartMs = 20000;
// A pause between input events, so each reaches the program as its own
// event rather than merged with the next.
constexpr auto InputGap = 15ms;
// Between the two clicks of a double click (well inside the system's limit).
constexpr auto DoubleClickGap = 80ms;
// How long a key stays down.
constexpr auto KeyHold = 30ms;

// Xvfb writes the display number it chose, then a newline, to this pipe.
std::string ReadDisplayNumber(int fd) {
    std::string text;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ServerStartMs);
    while (text.find('\n') == std::string::npos) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        pollfd ready{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, int(left.count())) <= 0) {
            throw std::runtime_error("Xvfb did not report its display in time");
        }
        char buffer[32];
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            throw std::runtime_error("Xvfb ended before reporting its display");
        }
        text.append(buffer, size_t(got));
    }
    return text.substr(0, text.find('\n'));
}

std::string TitleOf(Display* display, Window window) {
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) && name) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

// Windows come and go while the desktop is listed: one may be gone by the
// time its attributes are asked for. Xlib's own handler ends the process on
// that; this one lets the call report failure, and reports any other error
// without ending the journey.
int TolerateVanishedWindows(Display* display, XErrorEvent* error) {
    if (error->error_code != BadWindow) {
        char text[256] = {};
        XGetErrorText(display, error->error_code, text, sizeof text);
        std::fprintf(stderr, "X error on request %d: %s\n", int(error->request_code), text);
    }
    return 0;
}

// Modifier names a chord may use, and the keys they press.
const std::map<std::string, const char*>& Modifiers() {
    static const std::map<std::string, const char*> names{
        {"shift", "Shift_L"}, {"ctrl", "Control_L"}, {"alt", "Alt_L"}, {"super", "Super_L"}};
    return names;
}

} // namespace

Desktop::Desktop(const std::string& logFile, int dpi)
    : width_(DesignWidth * dpi / 96), height_(DesignHeight * dpi / 96) {
    int fds[2];
    if (pipe(fds) != 0) {
        throw std::runtime_error("no pipe for Xvfb");
    }
    const std::string screen = std::to_string(width_) + "x" + std::to_string(height_) + "x24";
    try {
        server_ = std::make_unique<Process>(
            std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                                     screen, "-nolisten", "tcp", "-noreset"},
            EnvironmentWith({}), logFile);
        close(fds[1]);
        name_ = ":" + ReadDisplayNumber(fds[0]);
    } catch (...) {
        close(fds[0]);
        throw;
    }
    close(fds[0]);
    XSetErrorHandler(TolerateVanishedWindows);
    display_ = XOpenDisplay(name_.c_str());
    if (!display_) {
        throw std::runtime_error("cannot open display " + name_);
    }
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) {
        throw std::runtime_error("display " + name_ + " has no XTEST extension");
    }
}

Desktop::~Desktop() {
    if (display_) {
        XCloseDisplay(display_);
    }
}

void Desktop::Flush() const {
    XSync(display_, False);
}

Picture Desktop::Capture() const {
    XImage* image =
        XGetImage(display_, DefaultRootWindow(display_), 0, 0, width_, height_, AllPlanes, ZPixmap);
    if (!image) {
        throw std::runtime_error("cannot read the screen of " + name_);
    }
    Picture picture{width_, height_, {}};
    picture.pixels.resize(size_t(width_) * height_);
    const bool direct = image->bits_per_pixel == 32 && image->byte_order == LSBFirst;
    for (int y = 0; y < height_; ++y) {
        Rgb* row = picture.pixels.data() + size_t(y) * width_;
        if (direct) {
            std::memcpy(row, image->data + size_t(y) * size_t(image->bytes_per_line),
                        size_t(width_) * sizeof(Rgb));
            for (int x = 0; x < width_; ++x) {
                row[x] &= 0xFFFFFF;
            }
        } else {
            for (int x = 0; x < width_; ++x) {
                row[x] = Rgb(XGetPixel(image, x, y)) & 0xFFFFFF;
            }
        }
    }
    XDestroyImage(image);
    return picture;
}

std::vector<ScreenWindow> Desktop::Windows() const {
    Window root = DefaultRootWindow(display_), parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    std::vector<ScreenWindow> windows;
    if (!XQueryTree(display_, root, &root, &parent, &children, &count)) {
        return windows;
    }
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display_, children[i], &attributes) ||
            attributes.map_state != IsViewable || attributes.c_class != InputOutput) {
            continue;
        }
        int x = 0, y = 0;
        Window child = 0;
        if (!XTranslateCoordinates(display_, children[i], root, 0, 0, &x, &y, &child)) {
            continue;
        }
        windows.push_back({children[i],
                           TitleOf(display_, children[i]),
                           {x, y, attributes.width, attributes.height}});
    }
    XFree(children);
    return windows;
}

std::optional<ScreenWindow> Desktop::FindWindow(const std::string& part) const {
    const std::vector<ScreenWindow> windows = Windows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (it->title.find(part) != std::string::npos) {
            return *it;
        }
    }
    return std::nullopt;
}

void Desktop::MoveTo(Point to) {
    XTestFakeMotionEvent(display_, DefaultScreen(display_), to.x, to.y, CurrentTime);
    Flush();
    std::this_thread::sleep_for(InputGap);
}

void Desktop::Glide(Point to, int steps) {
    const Point from = Pointer();
    for (int i = 1; i <= steps; ++i) {
        MoveTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    }
}

Point Desktop::Pointer() const {
    Window root = 0, child = 0;
    int x = 0, y = 0, windowX = 0, windowY = 0;
    unsigned int mask = 0;
    XQueryPointer(display_, DefaultRootWindow(display_), &root, &child, &x, &y, &windowX, &windowY,
                  &mask);
    return {x, y};
}

void Desktop::Press(Button button) {
    XTestFakeButtonEvent(display_, unsigned(button), True, CurrentTime);
    Flush();
    std::this_thread::sleep_for(InputGap);
}

void Desktop::Release(Button button) {
    XTestFakeButtonEvent(display_, unsigned(button), False, CurrentTime);
    Flush();
    std::this_thread::sleep_for(InputGap);
}

void Desktop::Click(Point at, Button button) {
    MoveTo(at);
    Press(button);
    Release(button);
}

void Desktop::DoubleClick(Point at) {
    Click(at);
    std::this_thread::sleep_for(DoubleClickGap);
    Press();
    Release();
}

void Desktop::Drag(Point from, Point to, int steps) {
    MoveTo(from);
    Press();
    Glide(to, steps);
    Release();
}

void Desktop::KeyEvent(unsigned long keysym, bool down) {
    const KeyCode code = XKeysymToKeycode(display_, keysym);
    if (code == 0) {
        throw std::runtime_error("no key on the keyboard for keysym " + std::to_string(keysym));
    }
    XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
    Flush();
}

void Desktop::Key(const std::string& chord) {
    std::vector<KeySym> keys;
    size_t start = 0;
    while (start <= chord.size()) {
        size_t plus = chord.find('+', start);
        if (plus == start) {
            plus = chord.find('+', start + 1); // "+" itself as the key
        }
        const std::string part = chord.substr(start, plus - start);
        const auto modifier = Modifiers().find(part);
        const KeySym key =
            XStringToKeysym(modifier != Modifiers().end() ? modifier->second : part.c_str());
        if (key == NoSymbol) {
            throw std::runtime_error("unknown key " + part + " in " + chord);
        }
        keys.push_back(key);
        if (plus == std::string::npos) {
            break;
        }
        start = plus + 1;
    }
    for (KeySym key : keys) {
        KeyEvent(key, true);
    }
    std::this_thread::sleep_for(KeyHold);
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        KeyEvent(*it, false);
    }
    std::this_thread::sleep_for(InputGap);
}

void Desktop::Type(const std::string& text) {
    for (char c : text) {
        // Latin-1 keysyms are the characters' own codes.
        const KeySym key = KeySym(static_cast<unsigned char>(c));
        const KeyCode code = XKeysymToKeycode(display_, key);
        // A character the key gives only with Shift (capitals, most punctuation).
        const bool shifted = code != 0 && XkbKeycodeToKeysym(display_, code, 0, 0) != key;
        if (shifted) {
            KeyEvent(XStringToKeysym("Shift_L"), true);
        }
        KeyEvent(key, true);
        KeyEvent(key, false);
        if (shifted) {
            KeyEvent(XStringToKeysym("Shift_L"), false);
        }
        std::this_thread::sleep_for(InputGap);
    }
}

} // namespace e2e
