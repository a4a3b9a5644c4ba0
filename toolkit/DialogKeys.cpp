#include "toolkit/DialogKeys.h"

#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Notifications.h"
#include "toolkit/RadioButton.h"

#include <algorithm>

namespace tk {
namespace {

bool IsArrow(WPARAM key) {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

bool IsNavigationKey(WPARAM key) {
    return key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || IsArrow(key);
}

bool KeyDown(int key) {
    return GetKeyState(key) < 0;
}

// The toolkit control a window belongs to: its own, or that of the nearest
// parent window with one (the edit inside a combo box belongs to the box).
WinControl* OwningControl(HWND window) {
    while (window) {
        if (WinControl* control = WinControl::FromHandle(window)) {
            return control;
        }
        if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) {
            return nullptr;
        }
        window = GetParent(window);
    }
    return nullptr;
}

// Whether the focused window takes this key itself, as it answers the
// dialog manager's question.
bool WantsKey(const MSG& msg) {
    auto code = static_cast<UINT>(
        SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)));
    if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) {
        return true;
    }
    if (msg.wParam == VK_TAB) {
        return (code & DLGC_WANTTAB) != 0;
    }
    return IsArrow(msg.wParam) && (code & DLGC_WANTARROWS) != 0;
}

// On screen and taking input, with every window around it.
bool Usable(WinControl& control) {
    if (!control.HandleAllocated() || !IsWindowVisible(control.Handle())) {
        return false;
    }
    for (HWND window = control.Handle(); window; window = GetParent(window)) {
        if (!IsWindowEnabled(window)) {
            return false;
        }
        if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD)) {
            break;
        }
    }
    return true;
}

// The usable radio buttons sharing the button's parent, in tab order.
std::vector<RadioButton*> RadioGroupOf(RadioButton& radio) {
    std::vector<RadioButton*> group;
    if (WinControl* parent = radio.Parent()) {
        for (WinControl* sibling : parent->TabList()) {
            auto* other = dynamic_cast<RadioButton*>(sibling);
            if (other && Usable(*other)) {
                group.push_back(other);
            }
        }
    }
    return group;
}

// A group of radio buttons is one stop: its checked button, or its first.
bool IsGroupStop(RadioButton& radio) {
    std::vector<RadioButton*> group = RadioGroupOf(radio);
    auto checked = std::find_if(group.begin(), group.end(),
                                [](RadioButton* button) { return button->Checked(); });
    return checked != group.end() ? *checked == &radio : group.front() == &radio;
}

bool IsTabStop(WinControl& control) {
    if (!control.TabStop() || !Usable(control)) {
        return false;
    }
    auto* radio = dynamic_cast<RadioButton*>(&control);
    return !radio || IsGroupStop(*radio);
}

// A window-less stop takes the focus while it shows and takes input, and so
// does its parent's window, which holds the focus for it.
bool IsWindowlessStop(GraphicControl& control) {
    return control.TabStop() && control.Visible() && control.Enabled() && control.Parent() &&
           Usable(*control.Parent());
}

bool CanStop(Control& control) {
    if (auto* windowed = dynamic_cast<WinControl*>(&control)) {
        return IsTabStop(*windowed);
    }
    auto* graphic = dynamic_cast<GraphicControl*>(&control);
    return graphic && IsWindowlessStop(*graphic);
}

void CollectTabSequence(WinControl& container, std::vector<WinControl*>& sequence) {
    for (WinControl* child : container.TabList()) {
        sequence.push_back(child);
        CollectTabSequence(*child, sequence);
    }
}

void CollectStops(WinControl& container, std::vector<Control*>& stops) {
    for (WinControl* child : container.TabList()) {
        stops.push_back(child);
        CollectStops(*child, stops);
    }
    for (Control* child : container.Controls()) {
        auto* graphic = dynamic_cast<GraphicControl*>(child);
        if (graphic && graphic->TabStop()) {
            stops.push_back(graphic);
        }
    }
}

// The first of `sequence` that `canStop` accepts, going round from just
// after `current` (from the start without one); Shift+Tab goes backwards.
template <class T, class Test>
T* NextInRound(std::vector<T*> sequence, T* current, bool forward, Test canStop) {
    if (!forward) {
        std::reverse(sequence.begin(), sequence.end());
    }
    auto start = std::find(sequence.begin(), sequence.end(), current);
    std::vector<T*> order(start == sequence.end() ? sequence.begin() : start + 1, sequence.end());
    order.insert(order.end(), sequence.begin(), start == sequence.end() ? sequence.begin() : start);
    auto next = std::find_if(order.begin(), order.end(), [&](T* item) { return canStop(*item); });
    return next == order.end() ? nullptr : *next;
}

// Focus rectangles show from the first navigation key on, as in dialogs.
void ShowFocusCues(Form& form) {
    SendMessageW(form.Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

bool MoveFocus(Form& form, Control* focused, bool forward) {
    ShowFocusCues(form);
    Control* next = FindNextStop(form, focused, forward);
    if (auto* windowed = dynamic_cast<WinControl*>(next)) {
        windowed->SetFocus();
    } else if (auto* graphic = dynamic_cast<GraphicControl*>(next)) {
        graphic->SetFocus();
    }
    return true;
}

bool MoveInRadioGroup(Form& form, RadioButton& radio, bool forward) {
    std::vector<RadioButton*> group = RadioGroupOf(radio);
    auto at = std::find(group.begin(), group.end(), &radio);
    if (at == group.end()) {
        return false;
    }
    ShowFocusCues(form);
    auto count = static_cast<ptrdiff_t>(group.size());
    ptrdiff_t index = ((at - group.begin()) + (forward ? 1 : count - 1)) % count;
    RadioButton* next = group[static_cast<size_t>(index)];
    next->SetFocus();
    // The native button may already have reported the click on getting focus.
    if (!next->Checked()) {
        next->SetChecked(true);
        next->Click();
    }
    return true;
}

// The first usable push button in tab order that the test picks.
template <class Test> Button* FindButton(Form& form, Test test) {
    for (WinControl* control : TabSequence(form)) {
        auto* button = dynamic_cast<Button*>(control);
        if (button && test(*button) && Usable(*button)) {
            return button;
        }
    }
    return nullptr;
}

bool ClickButton(Button* button) {
    if (!button) {
        return false;
    }
    button->Click();
    return true;
}

} // namespace

bool IsDialogKey(const MSG& msg) {
    if (msg.message != WM_KEYDOWN || !IsNavigationKey(msg.wParam)) {
        return false;
    }
    WinControl* control = OwningControl(msg.hwnd);
    Form* form = control ? control->ParentForm() : nullptr;
    if (!form || !form->HandleAllocated() || WantsKey(msg)) {
        return false;
    }
    return SendMessageW(form->Handle(), NotifyDialogKey, msg.wParam, msg.lParam) != 0;
}

bool DialogKey(Form& form, WPARAM key) {
    if (KeyDown(VK_MENU) || (KeyDown(VK_CONTROL) && key != VK_RETURN && key != VK_ESCAPE)) {
        return false;
    }
    WinControl* focused = OwningControl(GetFocus());
    if (focused && focused->ParentForm() != &form) {
        focused = nullptr;
    }
    // A window-less control that has the keyboard is where the focus stands.
    GraphicControl* keyChild = focused ? focused->KeyChild() : nullptr;
    switch (key) {
    case VK_TAB:
        return MoveFocus(form, keyChild ? static_cast<Control*>(keyChild) : focused,
                         !KeyDown(VK_SHIFT));
    case VK_RETURN:
        if (keyChild) {
            keyChild->Click();
            return true;
        }
        if (auto* button = dynamic_cast<Button*>(focused)) {
            return ClickButton(button);
        }
        return ClickButton(FindButton(form, [](Button& b) { return b.Default(); }));
    case VK_ESCAPE:
        return ClickButton(FindButton(form, [](Button& b) { return b.Cancel(); }));
    default: {
        auto* radio = dynamic_cast<RadioButton*>(focused);
        return radio && MoveInRadioGroup(form, *radio, key == VK_RIGHT || key == VK_DOWN);
    }
    }
}

std::vector<WinControl*> TabSequence(WinControl& root) {
    std::vector<WinControl*> sequence;
    CollectTabSequence(root, sequence);
    return sequence;
}

WinControl* FindNextControl(WinControl& root, WinControl* current, bool forward) {
    return NextInRound(TabSequence(root), current, forward,
                       [](WinControl& control) { return IsTabStop(control); });
}

std::vector<Control*> StopSequence(WinControl& root) {
    std::vector<Control*> stops;
    CollectStops(root, stops);
    return stops;
}

Control* FindNextStop(WinControl& root, Control* current, bool forward) {
    return NextInRound(StopSequence(root), current, forward,
                       [](Control& control) { return CanStop(control); });
}

} // namespace tk
