// A private X display for one journey: its own Xvfb, the screen read back
// as a picture, and real input through the XTEST extension, the way a
// person's mouse and keyboard reach the programs on it.
#pragma once

#include "tests/e2e/Picture.h"
#include "tests/e2e/Process.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

typedef struct _XDisplay Display;

namespace e2e {

// A top-level window on the screen as X sees it (Wine names it after the
// Windows window's caption).
struct ScreenWindow {
    unsigned long id = 0;
    std::string title;
    Box box; // screen coordinates
};

enum class Button { Left = 1, Middle = 2, Right = 3 };

class Desktop {
public:
    // The screen's size at 96 DPI; at another scale it grows with the
    // scale, as real screens run at a larger scale have more pixels.
    static constexpr int DesignWidth = 1280;
    static constexpr int DesignHeight = 1024;

    // Starts Xvfb on a display number no other server holds, its log in
    // `logFile`, with a screen for programs at `dpi`.
    explicit Desktop(const std::string& logFile, int dpi = 96);
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // ":N"
    const std::string& Name() const { return name_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    Picture Capture() const;

    // Mapped top-level windows, bottom to top.
    std::vector<ScreenWindow> Windows() const;
    // The topmost mapped window whose title contains `part`, if any.
    std::optional<ScreenWindow> FindWindow(const std::string& part) const;

    // Pointer. Glide moves in small steps, as a hand does, so the program
    // sees the places in between.
    void MoveTo(Point to);
    void Glide(Point to, int steps = 8);
    Point Pointer() const;
    void Press(Button button = Button::Left);
    void Release(Button button = Button::Left);
    void Click(Point at, Button button = Button::Left);
    void DoubleClick(Point at);
    // Press at `from`, glide to `to`, release.
    void Drag(Point from, Point to, int steps = 12);

    // Keys by their X names joined with '+': "Tab", "shift+Tab", "alt+space",
    // "Return", "apostrophe", "alt+F4", "Down".
    void Key(const std::string& chord);
    // Types printable ASCII text key by key.
    void Type(const std::string& text);

private:
    void Flush() const;
    void KeyEvent(unsigned long keysym, bool down);

    int width_;
    int height_;
    std::unique_ptr<Process> server_;
    std::string name_;
    Display* display_ = nullptr;
};

} // namespace e2e
