#include "tools/skinview/ViewOptions.h"

#include <charconv>

namespace skinview {

const char* const UsageText =
    "usage: skinview [SKIN] [--watch] [--states] [--screenshot OUT.png [--open-menu N]]\n"
    "                [--inactive] [--maximized] [--size WxH]\n"
    "  SKIN          skin to show: a package (.skn), an unpacked skin folder (as\n"
    "                `skinpack unpack` writes it) or the INI inside one\n"
    "                (default: the built-in Kanvio Neon skin)\n"
    "  --watch       show the skin again whenever its files change (F5 does it by hand)\n"
    "  --states      show every kind of button in every state (normal, hot, pressed,\n"
    "                focused, default or checked, disabled) instead of the showcase\n"
    "  --screenshot  save the window as it appears on screen, over a green backdrop,\n"
    "                print its size and client rectangle, and exit\n"
    "  --open-menu N the screenshot shows the menu bar's drop-down N (from 1) open\n"
    "  --inactive    show the window inactive: the green backdrop behind it is active\n"
    "  --maximized   show the window maximised\n"
    "  --size WxH    outer size of the window in pixels\n"
    "The screenshot holds the part of the window on the screen (all of it unless\n"
    "maximised or larger than the screen).\n"
    "In the window: File > Open (Ctrl+O) opens a package, or a folder through its\n"
    "INI; File > Recent opens one of the last six again; File > Reload (F5) reads\n"
    "the skin again; File > Built-in skin goes back to Kanvio Neon; View > Status\n"
    "bar shows or hides the status bar; Help > About. A skin that cannot be loaded\n"
    "is reported and the skin shown before stays.\n";

namespace {

// A decimal number from 1 to `most`, all of `text`.
std::optional<int> Count(std::string_view text, int most) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > most) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> Side(std::string_view text) {
    return Count(text, MaxWindowSide);
}

int MenuNumber(const std::string& text) {
    if (const std::optional<int> number = Count(text, MaxMenuNumber)) {
        return *number;
    }
    throw TUsageError("--open-menu takes a menu's number from 1 to " +
                      std::to_string(MaxMenuNumber) + ", not '" + text + "'");
}

} // namespace

TWindowSize ParseWindowSize(const std::string& text) {
    const size_t x = text.find('x');
    if (x != std::string::npos) {
        const std::optional<int> width = Side(std::string_view(text).substr(0, x));
        const std::optional<int> height = Side(std::string_view(text).substr(x + 1));
        if (width && height) {
            return {*width, *height};
        }
    }
    throw TUsageError("--size takes WxH, each side from 1 to " + std::to_string(MaxWindowSide) +
                      " pixels, not '" + text + "'");
}

TViewOptions ParseViewOptions(const std::vector<std::string>& args) {
    TViewOptions options;
    const auto value = [&](size_t& i) -> const std::string& {
        if (i + 1 >= args.size() || args[i + 1].empty()) {
            throw TUsageError(args[i] + " needs a value");
        }
        return args[++i];
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--screenshot") {
            options.screenshot = value(i);
        } else if (arg == "--inactive") {
            options.inactive = true;
        } else if (arg == "--maximized") {
            options.maximized = true;
        } else if (arg == "--watch") {
            options.watch = true;
        } else if (arg == "--states") {
            options.states = true;
        } else if (arg == "--size") {
            options.size = ParseWindowSize(value(i));
        } else if (arg == "--open-menu") {
            options.openMenu = MenuNumber(value(i));
        } else if (arg.starts_with("--")) {
            throw TUsageError("unknown option " + arg);
        } else if (!options.package.empty()) {
            throw TUsageError("one skin at a time: " + options.package + ", " + arg);
        } else {
            options.package = arg;
        }
    }
    if (options.openMenu && options.screenshot.empty()) {
        throw TUsageError("--open-menu goes with --screenshot");
    }
    if (options.watch && options.package.empty()) {
        throw TUsageError("--watch needs a skin package or folder to watch");
    }
    if (options.watch && !options.screenshot.empty()) {
        throw TUsageError("--watch keeps the window open and does not go with --screenshot");
    }
    return options;
}

} // namespace skinview
