// The fixture of the journeys through programs no one here wrote, run skinned
// by skinrun with the Neon skin, and what they ask of the screen: the skin's
// dark title and menu bars where Wine draws light or blue ones.
#pragma once

#include "tests/e2e/Journey.h"

#include <algorithm>
#include <fstream>
#include <string>

namespace e2e {

// The skin's title bar, and the title and menu bars together, at 96 DPI;
// the menu bar's row of titles, and the first item of a drop-down.
constexpr int TitleHeight = 26;
constexpr int BarsHeight = 46;
constexpr int MenuRowY = 38;
constexpr int FirstItemY = 61;
// The caption's minimise button, from the window's right edge.
constexpr int MinimiseFromRight = 79;
constexpr int CaptionButtonY = 15;
constexpr Rgb Paper = MakeRgb(255, 255, 255);

// The Neon skin is dark everywhere Wine's own frame and menu bar are light
// or blue.
inline bool Dark(Rgb colour) {
    return ((colour >> 16) & 0xFF) < 0x50 && ((colour >> 8) & 0xFF) < 0x50 &&
           (colour & 0xFF) < 0x60;
}

// Most of the box is dark (title bars are gradients: no one colour
// dominates them).
inline bool MostlyDark(const Picture& screen, const Box& box) {
    int dark = 0;
    for (int y = std::max(box.top, 0); y < std::min(box.Bottom(), screen.height); ++y) {
        for (int x = std::max(box.left, 0); x < std::min(box.Right(), screen.width); ++x) {
            dark += Dark(screen.At({x, y}));
        }
    }
    return dark * 10 > box.width * box.height * 7;
}

inline Box Bars(const Box& window) {
    return {window.left, window.top, window.width, BarsHeight};
}

inline Box Title(const Box& window) {
    return {window.left, window.top, window.width, TitleHeight};
}

class SkinrunJourney : public Journey {
protected:
    // Runs `program` of the system through skinrun and returns its window.
    ScreenWindow LaunchSkinned(const std::string& program, const std::string& title) {
        return Launch("bin/skinrun.exe", {KANVIO_E2E_SKIN, "--", program}, title);
    }
    Box WindowOf(const std::string& title) { return WaitForWindow(title).box; }
    // The window whose title is exactly `title` (a message box named after
    // its program), once it is on the screen and in the skin.
    Picture StepWhenSkinnedBox(const std::string& name, const std::string& title) {
        return StepWhen(name, "the box \"" + title + "\" in the skin", [&](const Picture& s) {
            for (const ScreenWindow& w : Screen().Windows()) {
                if (w.title == title) {
                    return MostlyDark(s, Title(w.box));
                }
            }
            return false;
        });
    }
    // The window, minimised just now, shows as a small title; restored from
    // its system menu, it is back at `size` in the skin.
    void StepMinimisedAndRestored(const std::string& title, const Box& size) {
        Screen().MoveTo({Screen().Width() - 1, Screen().Height() - 1});
        StepWhen("minimised", "the window as a small title",
                 [&](const Picture&) { return WindowOf(title).height < size.height / 2; });
        Screen().Key("alt+space");
        Step("minimised-menu");
        Screen().Key("r");
        StepWhen("restored", "the window at its size, in the skin", [&](const Picture& s) {
            const Box now = WindowOf(title);
            return now.width == size.width && now.height == size.height && MostlyDark(s, Bars(now));
        });
    }
    // Lines of Wine's log that report an error in or about our library.
    int LibraryErrors() {
        std::ifstream log(Wine().LogFile());
        int errors = 0;
        for (std::string line; std::getline(log, line);) {
            errors += line.find("err:") != std::string::npos &&
                      (line.find("kanvioskin") != std::string::npos ||
                       line.find("skinrun") != std::string::npos);
        }
        return errors;
    }
};

} // namespace e2e
