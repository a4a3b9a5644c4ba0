// The plain Win32 sample (samples/plain) as the journeys see it in Kanvio
// Neon: its main window and its Controls dialog, and the places in them
// named for what they show. The dialog is laid out by its resource script in
// dialog units; the places are where those land at 96 DPI.
#pragma once

#include "tests/e2e/Desktop.h"
#include "tests/e2e/Picture.h"

namespace e2e::plain {

inline constexpr char Program[] = "bin/plain_sample.exe";
inline constexpr char MainTitle[] = "Plain Win32 sample";
inline constexpr char ControlsTitle[] = "Controls";
// The message box that says why a skin is not used.
inline constexpr char SkinErrorTitle[] = "Skin not used";

// A window's title bar and its left, right and bottom borders are Kanvio
// Neon's, not the system's.
bool FramedInNeon(const Picture& screen, Box window);
// A window's title bar is the system's own, as an active window's.
bool FramedBySystem(const Picture& screen, Box window);
// A message box shows lines of text, not a blank face.
bool ShowsText(const Picture& screen, Box box);

class ControlsDialog {
public:
    explicit ControlsDialog(const ScreenWindow& window) : window_(window.box) {}
    Box Window() const { return window_; }

    // The Check box: its box, where the skin draws the mark, and a point on
    // its caption, which a click toggles it by.
    Box CheckMark() const;
    Point CheckCaption() const;

private:
    Box window_;
};

// The skin's check mark shows in the box.
bool MarkShown(const Picture& screen, Box mark);

} // namespace e2e::plain
