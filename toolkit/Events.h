// Event handler types that designs bind by name and controls fire.
#pragma once

#include <functional>
#include <variant>

namespace tk {

class Component;

enum class MouseButton { Left, Right, Middle };

// Keys and buttons held while a mouse event happened.
enum ShiftFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
};
using ShiftState = unsigned;

using NotifyEvent = std::function<void(Component& sender)>;
using MouseEvent =
    std::function<void(Component& sender, MouseButton button, ShiftState shift, int x, int y)>;
using MouseMoveEvent = std::function<void(Component& sender, ShiftState shift, int x, int y)>;

// A method a form offers to its design under a name ("ImageTradeLeftClick").
using EventHandler = std::variant<NotifyEvent, MouseEvent, MouseMoveEvent>;

enum class EventKind { Notify, Mouse, MouseMove };

constexpr EventKind KindOf(const EventHandler& handler) {
    return static_cast<EventKind>(handler.index());
}

} // namespace tk
