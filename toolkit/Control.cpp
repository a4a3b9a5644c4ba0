#include "toolkit/Control.h"

#include "toolkit/Action.h"
#include "toolkit/Application.h"
#include "toolkit/Dpi.h"
#include "toolkit/Form.h"
#include "toolkit/MessageCrackers.h"
#include "toolkit/Notifications.h"
#include "toolkit/WinControl.h"

#include <windowsx.h>

#include <stdexcept>

namespace tk {

const EnumInfo AlignEnum{"TAlign",
                         {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
const EnumInfo AlignmentEnum{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};

namespace {
const IntIdent CursorIdentTable[] = {
    {"crDefault", crDefault}, {"crArrow", crArrow},         {"crCross", crCross},
    {"crIBeam", crIBeam},     {"crSizeAll", crSizeAll},     {"crHourGlass", crHourGlass},
    {"crNo", crNo},           {"crHandPoint", crHandPoint},
};
} // namespace

std::span<const IntIdent> CursorIdents() {
    return CursorIdentTable;
}

ShiftState ShiftFromKeys(WPARAM keys) {
    ShiftState shift = 0;
    if (keys & MK_SHIFT) {
        shift |= ssShift;
    }
    if (keys & MK_CONTROL) {
        shift |= ssCtrl;
    }
    if (keys & MK_LBUTTON) {
        shift |= ssLeft;
    }
    if (keys & MK_RBUTTON) {
        shift |= ssRight;
    }
    if (keys & MK_MBUTTON) {
        shift |= ssMiddle;
    }
    if (GetKeyState(VK_MENU) < 0) {
        shift |= ssAlt;
    }
    return shift;
}

const ClassInfo& Control::StaticClass() {
    static const ClassInfo info =
        ClassInfo::Make<Control>("TControl", &Component::StaticClass(), [](auto& p) {
            p.Integer("Left", &Control::Left, &Control::SetLeft);
            p.Integer("Top", &Control::Top, &Control::SetTop);
            p.Integer("Width", &Control::Width, &Control::SetWidth);
            p.Integer("Height", &Control::Height, &Control::SetHeight);
            p.Boolean("Visible", &Control::Visible, &Control::SetVisible);
            p.Boolean("Enabled", &Control::Enabled, &Control::SetEnabled);
            p.Object("Font", [](Control& c) -> tk::Font& { return c.Font(); });
            p.Boolean("ParentFont", &Control::ParentFont, &Control::SetParentFont);
            p.Integer("Color", &Control::GetColor, &Control::SetColor, ColorIdents());
            p.Boolean("ParentColor", &Control::ParentColor, &Control::SetParentColor);
            p.Integer("Cursor", &Control::Cursor, &Control::SetCursor, CursorIdents());
            p.template Enumeration<tk::Align>("Align", AlignEnum, &Control::GetAlign,
                                              &Control::SetAlign);
            p.template Reference<tk::Action>("Action", &Control::GetAction, &Control::SetAction);
            p.Event("OnClick", &Control::OnClick);
            p.Event("OnDblClick", &Control::OnDblClick);
            p.Event("OnMouseDown", &Control::OnMouseDown);
            p.Event("OnMouseUp", &Control::OnMouseUp);
            p.Event("OnMouseMove", &Control::OnMouseMove);
        });
    return info;
}

Control::Control(Component* owner) : Component(owner) {
    windowProc_ = [this](Message& m) { WndProc(m); };
    font_.OnChange = [this] {
        parentFont_ = false;
        FontChanged();
    };
}

Control::~Control() {
    if (action_) {
        action_->Unlink(*this);
    }
    if (parent_) {
        parent_->RemoveChild(*this);
    }
}

void Control::SetParent(WinControl* parent) {
    if (parent == parent_) {
        return;
    }
    if (parent == this) {
        throw std::invalid_argument("a control cannot be its own parent");
    }
    if (parent_) {
        InvalidateInParent(BoundsRect());
        parent_->RemoveChild(*this);
    }
    parent_ = parent;
    if (parent_) {
        parent_->InsertChild(*this);
        if (parentFont_) {
            ParentFontChanged();
        }
        if (parentColor_) {
            ParentColorChanged();
        }
    }
    ParentChanged();
    if (parent_) {
        InvalidateInParent(BoundsRect());
    }
}

void Control::SetParentComponent(Component& parent) {
    auto* windowed = dynamic_cast<WinControl*>(&parent);
    if (!windowed) {
        throw std::invalid_argument("a " + ClassName() + " cannot be placed inside a " +
                                    parent.ClassName());
    }
    SetParent(windowed);
}

Form* Control::ParentForm() {
    Control* top = this;
    while (top->parent_) {
        top = top->parent_;
    }
    return dynamic_cast<Form*>(top);
}

void Control::SetBounds(int left, int top, int width, int height) {
    width = width < 0 ? 0 : width;
    height = height < 0 ? 0 : height;
    if (left == left_ && top == top_ && width == width_ && height == height_) {
        return;
    }
    RECT old = BoundsRect();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged(old);
}

void Control::ChangeScale(int to, int from) {
    const int left = ScaleMeasure(left_, to, from);
    const int top = ScaleMeasure(top_, to, from);
    const int right = ScaleMeasure(left_ + width_, to, from);
    const int bottom = ScaleMeasure(top_ + height_, to, from);
    SetBounds(left, top, right - left, bottom - top);
    // A parent's font reaches its children when the parent rescales it.
    if (!parentFont_ || !parent_) {
        font_.SetHeight(ScaleMeasure(font_.Height(), to, from));
    }
}

void Control::BoundsChanged(const RECT& oldBounds) {
    InvalidateInParent(oldBounds);
    InvalidateInParent(BoundsRect());
    if (parent_ && align_ != tk::Align::None) {
        parent_->AlignControls();
    }
}

POINT Control::ClientToScreen(POINT point) const {
    for (const Control* c = this; c; c = c->parent_) {
        auto* windowed = dynamic_cast<const WinControl*>(c);
        if (windowed && windowed->HandleAllocated()) {
            ::ClientToScreen(const_cast<WinControl*>(windowed)->Handle(), &point);
            return point;
        }
        point.x += c->left_;
        point.y += c->top_;
    }
    return point;
}

POINT Control::ScreenToClient(POINT point) const {
    POINT origin = ClientToScreen({0, 0});
    return {point.x - origin.x, point.y - origin.y};
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) {
        return;
    }
    visible_ = visible;
    VisibleChanged();
}

void Control::VisibleChanged() {
    InvalidateInParent(BoundsRect());
    if (parent_ && align_ != tk::Align::None) {
        parent_->AlignControls();
    }
}

bool Control::Showing() const {
    for (const Control* c = this; c; c = c->parent_) {
        if (!c->visible_) {
            return false;
        }
    }
    return true;
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    EnabledChanged();
    WinControl::Notify(*this, NotifyEnabledChanged);
}

void Control::SetCaption(const std::string& caption) {
    if (caption == Caption()) {
        return;
    }
    caption_ = caption;
    CaptionChanged();
}

void Control::SetParentFont(bool parentFont) {
    parentFont_ = parentFont;
    if (parentFont) {
        ParentFontChanged();
    }
}

void Control::ParentFontChanged() {
    if (!parent_ || !parentFont_) {
        return;
    }
    auto keep = font_.OnChange;
    font_.OnChange = nullptr;
    font_ = parent_->font_;
    font_.OnChange = keep;
    FontChanged();
}

void Control::SetColor(Colour color) {
    parentColor_ = false;
    if (color == color_) {
        return;
    }
    color_ = color;
    ColorChanged();
}

void Control::SetParentColor(bool parentColor) {
    parentColor_ = parentColor;
    if (parentColor) {
        ParentColorChanged();
    }
}

void Control::ParentColorChanged() {
    if (parent_ && parentColor_ && color_ != parent_->color_) {
        color_ = parent_->color_;
        ColorChanged();
    }
}

void Control::SetAlign(tk::Align align) {
    align_ = align;
    if (parent_) {
        parent_->AlignControls();
    }
}

void Control::SetAction(tk::Action* action) {
    if (Relink(action_, action)) {
        ActionChanged();
    }
}

void Control::ApplyAction(bool keepDesignedCaption) {
    keepDesignedCaption_ = keepDesignedCaption;
    ActionChanged();
    keepDesignedCaption_ = false;
}

void Control::ActionChanged() {
    if (!action_) {
        return;
    }
    // A caption the design gave the control wins over its action's; an action
    // linked or changed later sets it.
    const bool keepCaption = (IsLoading() || keepDesignedCaption_) && !Caption().empty();
    if (!action_->Caption().empty() && !keepCaption) {
        SetCaption(action_->Caption());
    }
    SetEnabled(action_->Enabled());
}

void Control::Loaded() {
    Component::Loaded();
    if (action_) {
        ApplyAction(true);
    }
}

void Control::Notification(Component& component, Operation operation) {
    Component::Notification(component, operation);
    if (operation == Operation::Remove && &component == action_) {
        action_ = nullptr;
    }
}

void Control::SetWindowProc(MessageHandler handler) {
    windowProc_ = handler ? std::move(handler) : MessageHandler([this](Message& m) { WndProc(m); });
}

LRESULT Control::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
    Message message{msg, wParam, lParam, 0};
    // A copy: the handler may be replaced (or put back) while it runs.
    MessageHandler handler = windowProc_;
    handler(message);
    return message.result;
}

void Control::InvalidateInParent(const RECT& rect) {
    if (parent_ && parent_->HandleAllocated() && !IsWindowed()) {
        InvalidateRect(parent_->Handle(), &rect, TRUE);
    }
}

void Control::Invalidate() {
    InvalidateInParent(BoundsRect());
}

void Control::Update() {
    if (parent_) {
        parent_->Update();
    }
}

void Control::Click() {
    if (OnClick) {
        OnClick(*this);
    } else if (action_) {
        action_->Execute();
    }
}

void Control::HandleMouse(Message& m) {
    int x = GET_X_LPARAM(m.lParam);
    int y = GET_Y_LPARAM(m.lParam);
    ShiftState shift = ShiftFromKeys(m.wParam);
    auto button = [&](UINT msg) {
        switch (msg) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return MouseButton::Right;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return MouseButton::Middle;
        default:
            return MouseButton::Left;
        }
    };
    switch (m.msg) {
    case WM_MOUSEMOVE:
        if (OnMouseMove) {
            OnMouseMove(*this, shift, x, y);
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!IsWindowed()) {
            clicking_ = true;
        }
        if (m.msg == WM_LBUTTONDBLCLK && OnDblClick) {
            OnDblClick(*this);
        }
        [[fallthrough]];
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        if (OnMouseDown) {
            OnMouseDown(*this, button(m.msg), shift, x, y);
        }
        break;
    case WM_LBUTTONUP: {
        bool click = clicking_;
        clicking_ = false;
        if (OnMouseUp) {
            OnMouseUp(*this, MouseButton::Left, shift, x, y);
        }
        if (click && x >= 0 && y >= 0 && x < width_ && y < height_) {
            Click();
        }
        break;
    }
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        if (OnMouseUp) {
            OnMouseUp(*this, button(m.msg), shift, x, y);
        }
        break;
    default:
        break;
    }
}

void Control::WndProc(Message& m) {
    if (m.msg >= WM_MOUSEFIRST && m.msg <= WM_MBUTTONDBLCLK) {
        HandleMouse(m);
    }
    DefaultHandler(m);
}

void Control::DefaultHandler(Message&) {}

const ClassInfo& GraphicControl::StaticClass() {
    static const ClassInfo info("TGraphicControl", &Control::StaticClass());
    return info;
}

GraphicControl::GraphicControl(Component* owner) : Control(owner) {}

GraphicControl::~GraphicControl() {
    Invalidate();
}

void GraphicControl::Invalidate() {
    InvalidateInParent(BoundsRect());
}

bool GraphicControl::Focused() const {
    const WinControl* parent = Parent();
    return parent && parent->KeyChild() == this && parent->Focused();
}

void GraphicControl::SetFocus() {
    if (Parent()) {
        Parent()->SetKeyChild(this);
    }
}

void GraphicControl::ReleaseFocus() {
    if (Parent() && Parent()->KeyChild() == this) {
        Parent()->SetKeyChild(nullptr);
    }
}

void GraphicControl::VisibleChanged() {
    if (!Visible()) {
        ReleaseFocus();
    }
    Control::VisibleChanged();
}

void GraphicControl::EnabledChanged() {
    if (!Enabled()) {
        ReleaseFocus();
    }
    Control::EnabledChanged();
}

void GraphicControl::WndProc(Message& m) {
    if (m.msg == WM_PAINT) {
        m.result = PaintHandler(crack::Dc(m));
        return;
    }
    Control::WndProc(m);
}

// Painted by the parent, into the parent's device context (origin at this
// control); without one there is nothing to paint on.
LRESULT GraphicControl::PaintHandler(HDC dc) {
    if (dc) {
        CanvasBinding bound(canvas_, dc);
        canvas_.Font() = Font();
        Paint();
    }
    return 0;
}

} // namespace tk
