// skinview's command line:
//
//   skinview [SKIN] [--watch] [--states] [--screenshot OUT.png [--open-menu N]]
//            [--inactive] [--maximized] [--size WxH]
//
// Portable (no windows.h), so it is tested natively too. Error policy:
// ParseViewOptions throws TUsageError with a message for anything it cannot
// accept; it never exits.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace skinview {

class TUsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TWindowSize {
    int width = 0;
    int height = 0;
};

struct TViewOptions {
    std::string package;    // skin package, unpacked skin folder or its INI; empty: built in
    bool watch = false;     // reload the skin when its files change
    std::string screenshot; // PNG to write, then exit; empty: stay open
    bool inactive = false;  // another window is active
    bool maximized = false;
    bool states = false;             // the sheet of button states instead of the showcase
    std::optional<TWindowSize> size; // outer size of the (restored) window
    int openMenu = 0;                // drop-down to show open in the screenshot (from 1); 0: none
    bool help = false;
};

// The largest width or height --size takes, and the largest --open-menu.
constexpr int MaxWindowSide = 16384;
constexpr int MaxMenuNumber = 99;

TViewOptions ParseViewOptions(const std::vector<std::string>& args);

// "WxH" with both sides from 1 to MaxWindowSide.
TWindowSize ParseWindowSize(const std::string& text);

extern const char* const UsageText;

} // namespace skinview
