// skinview's command line:
//
//   skinview [PKG] [--states] [--screenshot OUT.png] [--inactive] [--maximized]
//            [--size WxH]
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
    std::string package;    // skin package file; empty: the built-in default skin
    std::string screenshot; // PNG to write, then exit; empty: stay open
    bool inactive = false;  // another window is active
    bool maximized = false;
    bool states = false;             // the sheet of button states instead of the showcase
    std::optional<TWindowSize> size; // outer size of the (restored) window
    bool help = false;
};

// The largest width or height --size takes.
constexpr int MaxWindowSide = 16384;

TViewOptions ParseViewOptions(const std::vector<std::string>& args);

// "WxH" with both sides from 1 to MaxWindowSide.
TWindowSize ParseWindowSize(const std::string& text);

extern const char* const UsageText;

} // namespace skinview
